// A boxed thickness (left, top, right, bottom): margins, paddings and border
// widths. The zero thickness is shared by the whole process.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupThickness : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupThickness)
public:
    CZMRMarkupThickness() : left(0), top(0), right(0), bottom(0) {}
    CZMRMarkupThickness(int nLeft, int nTop, int nRight, int nBottom)
        : left(nLeft), top(nTop), right(nRight), bottom(nBottom) {}

    BOOL IsEqual(const CZMRMarkupObject* pObject) const override;
    // "l, t, r, b" or one number for every side.
    CZMRMarkupObject* ConvertFrom(CZMRMarkupObject* pSource) override;

    // The shared zero thickness, one reference for the caller.
    static CZMRMarkupThickness* AFXAPI CreateDefaultValue();
    // The rectangle moved in by the thickness, never narrower or lower than zero.
    static CRect AFXAPI DeflateRect(CRect rc, const CZMRMarkupThickness* pThickness);
    static void AFXAPI ReleaseSharedValues();

    int left;
    int top;
    int right;
    int bottom;
};
