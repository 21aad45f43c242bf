#include "core/CStringArray.h"

IMPLEMENT_DYNAMIC(CStringArray, CObject)
