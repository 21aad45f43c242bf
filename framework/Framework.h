// The whole framework: the core (strings, collections, objects, files) and
// the window layer (command targets, windows, dialogs, controls, drawing,
// the application).
#pragma once

#include "core/Core.h"
#include "window/Window.h"
