// The drawing tests' pixel canvas lives with the framework's tests.
#pragma once
#include "tests/window/PixelCanvas.h"
