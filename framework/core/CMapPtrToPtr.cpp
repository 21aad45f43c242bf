#include "core/CMapPtrToPtr.h"

IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)
