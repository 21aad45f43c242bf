// Underlined text: a span whose own decoration is the underline until markup sets another.
#pragma once
#include "CZMRMarkupSpan.h"

class CZMRMarkupUnderline : public CZMRMarkupSpan
{
    DECLARE_MARKUPCLASS(CZMRMarkupUnderline)
public:
    CZMRMarkupUnderline();
};
