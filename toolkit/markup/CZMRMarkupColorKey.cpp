#include "CZMRMarkupColorKey.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupColorKey)
