// Bold text: a span whose own font weight is bold (700) until markup sets another.
#pragma once
#include "CZMRMarkupSpan.h"

class CZMRMarkupBold : public CZMRMarkupSpan
{
    DECLARE_MARKUPCLASS(CZMRMarkupBold)
public:
    CZMRMarkupBold();
};
