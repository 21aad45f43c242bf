// A forced line end: a run whose text is a single line feed.
#pragma once
#include "CZMRMarkupRun.h"

class CZMRMarkupLineBreak : public CZMRMarkupRun
{
    DECLARE_MARKUPCLASS(CZMRMarkupLineBreak)
public:
    CZMRMarkupLineBreak();
};
