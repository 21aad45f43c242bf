#include "core/CPtrArray.h"

IMPLEMENT_DYNAMIC(CPtrArray, CObject)
