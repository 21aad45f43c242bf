#include "core/CMapStringToString.h"

IMPLEMENT_DYNAMIC(CMapStringToString, CObject)
