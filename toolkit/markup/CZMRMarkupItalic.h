// Italic text: a span whose own font style is italic until markup sets another.
#pragma once
#include "CZMRMarkupSpan.h"

class CZMRMarkupItalic : public CZMRMarkupSpan
{
    DECLARE_MARKUPCLASS(CZMRMarkupItalic)
public:
    CZMRMarkupItalic();
};
