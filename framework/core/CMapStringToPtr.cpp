#include "core/CMapStringToPtr.h"

IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)
