#include "core/CPtrList.h"

IMPLEMENT_DYNAMIC(CPtrList, CObject)
