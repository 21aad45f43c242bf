#include "CZMRMarkupSetterColection.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupSetterColection)
