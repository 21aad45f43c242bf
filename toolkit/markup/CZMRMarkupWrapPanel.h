// A panel that places its children in rows (horizontal, the default) or
// columns that wrap where the next child would pass the available length;
// "ItemWidth" and "ItemHeight" give every child one size.
#pragma once
#include "CZMRMarkupPanel.h"

class CZMRMarkupWrapPanel : public CZMRMarkupPanel
{
    DECLARE_MARKUPCLASS(CZMRMarkupWrapPanel)
public:
    enum { orientationHorizontal = 0, orientationVertical = 1 };

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pOrientationProperty;   // its own, not the stack panel's
    static CZMRMarkupDependencyProperty* m_pItemHeightProperty;
    static CZMRMarkupDependencyProperty* m_pItemWidthProperty;

    CSize MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override;
    CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;

    BOOL IsHorizontal() const;

protected:
    // One line of children: the first child, how many, and the line's
    // lengths along and across.
    struct CWrapLine
    {
        int nFirst;
        int nCount;
        int nAlong;
        int nAcross;
    };

    // The lines of the children for the limit (the width of a horizontal
    // panel, the height of a vertical one); returns how many.
    int BreakLines(int nLimit, CWrapLine* pLines) const;
    // The child's lengths along and across the lines.
    CSize GetItemLengths(CZMRMarkupUIElement* pChild) const;
    // Places a line's children at the across offset, each with the line's
    // across length.
    void ArrangeLine(int nAcrossOffset, const CWrapLine& line);
    // An item length property, or -1 when unset.
    int GetItemLength(CZMRMarkupDependencyProperty* pProperty) const;
};
