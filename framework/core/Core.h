// The framework core: strings, geometry, objects and run-time classes,
// exceptions, collections, files and archives, threads and locks.
#pragma once

#include "core/CoreDefs.h"
#include "core/CString.h"
#include "core/CSize.h"
#include "core/CPoint.h"
#include "core/CRect.h"
#include "core/CRuntimeClass.h"
#include "core/CObject.h"
#include "core/CException.h"
#include "core/CFileException.h"
#include "core/CArchiveException.h"
