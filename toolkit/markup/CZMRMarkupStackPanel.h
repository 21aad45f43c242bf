// A panel that places its children one after the other, in a column
// (vertical, the default) or in a row, each at its desired length.
#pragma once
#include "CZMRMarkupPanel.h"

class CZMRMarkupStackPanel : public CZMRMarkupPanel
{
    DECLARE_MARKUPCLASS(CZMRMarkupStackPanel)
public:
    enum { orientationHorizontal = 0, orientationVertical = 1 };

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pOrientationProperty;

    CSize MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override;
    CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;

    BOOL IsVertical() const;
};
