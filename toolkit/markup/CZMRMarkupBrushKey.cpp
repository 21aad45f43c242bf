#include "CZMRMarkupBrushKey.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupBrushKey)
