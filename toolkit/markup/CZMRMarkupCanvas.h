// A panel that places each child at its desired size where the child's
// attached "Left" or "Right" and "Top" or "Bottom" say; it asks no room of
// its own.
#pragma once
#include "CZMRMarkupPanel.h"

class CZMRMarkupCanvas : public CZMRMarkupPanel
{
    DECLARE_MARKUPCLASS(CZMRMarkupCanvas)
public:
    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pTopProperty;
    static CZMRMarkupDependencyProperty* m_pRightProperty;
    static CZMRMarkupDependencyProperty* m_pLeftProperty;
    static CZMRMarkupDependencyProperty* m_pBottomProperty;

    CSize MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override;
    CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;
};
