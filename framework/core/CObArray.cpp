#include "core/CObArray.h"

IMPLEMENT_DYNAMIC(CObArray, CObject)
