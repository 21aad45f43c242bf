// The system popup: the large menu the system button opens, with commands
// in a left column, an optional right column (the recent documents under a
// caption) and a row of buttons along its bottom edge, on the skin's frame.
#pragma once
#include "CZMRPopupBar.h"

class CZMRRibbonControlSystemButton;

class CZMRRibbonSystemPopupBar : public CZMRPopupBar
{
    DECLARE_SERIAL(CZMRRibbonSystemPopupBar)
public:
    CZMRRibbonSystemPopupBar();

    // Left 6, top 18, right 6, bottom 29.
    CRect GetBorders() const override;
    // The skin's frame, the system button over it, the right column's colour.
    void FillBackground(CDC* pDC, const CRect& rcClient) override;
    // The popup's columns; the bottom buttons in a row along the bottom edge.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;

    // The system button of a ribbon that opened this popup, or none.
    CZMRRibbonControlSystemButton* GetSystemButton() const;

    // The bottom buttons from their measured sizes: right-aligned from the
    // popup's right border, 6 apart, between the bottom border's top + 4
    // and 3 above the bottom. A pure function of the sizes.
    static void PlaceBottomButtons(CSize szPopup, const CRect& rcBorders, const CSize* pSizes, int nCount,
                                   CRect* pRects);

protected:
    // Clicks over the system button below go through to it.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
