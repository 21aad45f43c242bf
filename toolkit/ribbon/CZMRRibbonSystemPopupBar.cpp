#include "CZMRRibbonSystemPopupBar.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonControlSystemButton.h"
#include "CZMRRibbonControlSystemPopupBarButton.h"
#include "CZMRRibbonTheme.h"
#include "CZMRControls.h"
#include "CZMRFontDC.h"
#include "CZMRMeasureDC.h"
#include "CZMROffice2007Images.h"
#include <vector>
#include <windowsx.h>

IMPLEMENT_SERIAL(CZMRRibbonSystemPopupBar, CZMRPopupBar, VERSIONABLE_SCHEMA | 0x21)

namespace
{
const CRect SystemPopupBorders(6, 18, 6, 29);
}

CZMRRibbonSystemPopupBar::CZMRRibbonSystemPopupBar()
{
    SetGripperShown(FALSE);
}

CRect CZMRRibbonSystemPopupBar::GetBorders() const
{
    return SystemPopupBorders;
}

CZMRRibbonControlSystemButton* CZMRRibbonSystemPopupBar::GetSystemButton() const
{
    CZMRRibbonControlSystemButton* pButton = DYNAMIC_DOWNCAST(CZMRRibbonControlSystemButton, GetControlPopup());
    CZMRCommandBar* pBar = pButton ? pButton->GetParent() : nullptr;
    return pBar && pBar->IsRibbonBar() ? pButton : nullptr;
}

void CZMRRibbonSystemPopupBar::PlaceBottomButtons(CSize szPopup, const CRect& rcBorders, const CSize* pSizes,
                                                  int nCount, CRect* pRects)
{
    int x = szPopup.cx - rcBorders.right + 1;
    for (int i = nCount - 1; i >= 0; i--)
    {
        pRects[i] = CRect(x - pSizes[i].cx, szPopup.cy - rcBorders.bottom + 4, x, szPopup.cy - 3);
        x -= pSizes[i].cx + 6;
    }
}

CSize CZMRRibbonSystemPopupBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    // The bottom buttons stay out of the columns.
    std::vector<CZMRControl*> buttons;
    for (int i = 0; i < GetControlCount(); i++)
    {
        CZMRControl* pControl = GetControl(i);
        if (pControl->IsKindOf(RUNTIME_CLASS(CZMRRibbonControlSystemPopupBarButton)))
        {
            buttons.push_back(pControl);
            pControl->SetHideFlags(pControl->GetHideFlags() | zmrHideDock);
        }
    }
    const CSize sz = CZMRPopupBar::CalcDynamicLayout(nLength, dwMode);
    if (buttons.empty())
        return sz;

    CZMRMeasureDC dc(nullptr);
    CZMRFontDC font(dc, GetPaintManager()->GetBarFont(this));
    std::vector<CSize> sizes;
    for (CZMRControl* pButton : buttons)
    {
        pButton->SetHideFlags(pButton->GetHideFlags() & ~DWORD(zmrHideDock));
        sizes.push_back(pButton->GetSize(dc));
    }
    std::vector<CRect> rects(buttons.size());
    PlaceBottomButtons(sz, GetBorders(), sizes.data(), int(sizes.size()), rects.data());
    for (size_t i = 0; i < buttons.size(); i++)
        buttons[i]->SetRect(rects[i]);
    return sz;
}

void CZMRRibbonSystemPopupBar::FillBackground(CDC* pDC, const CRect& rcClient)
{
    CZMROffice2007Image* pImage = GetOffice2007Images()->LoadFile(L"RIBBONSYSTEMMENU");
    if (!pImage)
    {
        // Without the skin's frame the popup keeps the theme's plain background.
        CZMRPopupBar::FillBackground(pDC, rcClient);
        return;
    }
    pImage->DrawWithSizingMargins(pDC, rcClient, pImage->GetSource(0, 1), GetBorders());

    CZMRRibbonControlSystemButton* pButton = GetSystemButton();
    if (!pButton)
        return;
    CZMRRibbonBar* pRibbonBar = static_cast<CZMRRibbonBar*>(pButton->GetParent());
    CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(pRibbonBar);
    if (pRibbonBar->IsCaptionBandShown() && pTheme && pRibbonBar->GetSafeHwnd() && GetSafeHwnd())
    {
        // The part of the button the popup covers is drawn on top of it.
        CRect rcButton = pButton->GetRect();
        pRibbonBar->ClientToScreen(&rcButton);
        ScreenToClient(&rcButton);
        if (CRect().IntersectRect(rcButton, rcClient))
            pTheme->DrawSystemButton(pDC, pButton, rcButton);
    }
    for (int i = 0; i < GetControlCount(); i++)
    {
        CZMRControl* pControl = GetControl(i);
        if (pControl->IsVisible() && pControl->GetWrap())
        {
            const COLORREF clr = GetOffice2007Images()->LookupIniColor(L"Ribbon", L"RecentFileListBackground");
            if (clr != COLORREF(-1))
                pDC->FillSolidRect(pControl->GetRowRect(), clr);
            break;
        }
    }
}

LRESULT CZMRRibbonSystemPopupBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCHITTEST)
    {
        CZMRRibbonControlSystemButton* pButton = GetSystemButton();
        CZMRCommandBar* pRibbonBar = pButton ? pButton->GetParent() : nullptr;
        if (pRibbonBar && pRibbonBar->GetSafeHwnd())
        {
            CRect rcButton = pButton->GetRect();
            pRibbonBar->ClientToScreen(&rcButton);
            if (rcButton.PtInRect(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))))
                return HTTRANSPARENT;
        }
    }
    return CZMRPopupBar::WindowProc(message, wParam, lParam);
}
