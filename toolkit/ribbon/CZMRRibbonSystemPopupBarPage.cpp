#include "CZMRRibbonSystemPopupBarPage.h"
#include "CZMRRibbonSystemPopupBar.h"
#include <algorithm>

IMPLEMENT_SERIAL(CZMRRibbonSystemPopupBarPage, CZMRPopupBar, VERSIONABLE_SCHEMA | 0x21)

CZMRRibbonSystemPopupBarPage::CZMRRibbonSystemPopupBarPage()
{
}

CZMRRibbonSystemPopupBar* CZMRRibbonSystemPopupBarPage::GetSystemPopup() const
{
    CZMRControl* pOpener = GetControlPopup();
    return pOpener ? DYNAMIC_DOWNCAST(CZMRRibbonSystemPopupBar, pOpener->GetParent()) : nullptr;
}

CSize CZMRRibbonSystemPopupBarPage::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    CSize sz = CZMRPopupBar::CalcDynamicLayout(nLength, dwMode);
    CZMRRibbonSystemPopupBar* pPopup = GetSystemPopup();
    if (pPopup && pPopup->GetSafeHwnd())
    {
        CRect rcClient;
        pPopup->GetClientRect(&rcClient);
        const CRect rcBorders = pPopup->GetBorders();
        sz.cy = std::max(int(sz.cy), int(rcClient.Height() - rcBorders.bottom - rcBorders.top - 2));
    }
    return sz;
}

void CZMRRibbonSystemPopupBarPage::AdjustAvoidRect(CRect& rcAvoid, BOOL bVertical)
{
    CZMRRibbonSystemPopupBar* pPopup = GetSystemPopup();
    if (!pPopup)
    {
        CZMRPopupBar::AdjustAvoidRect(rcAvoid, bVertical);
        return;
    }
    rcAvoid.right += 1;
    rcAvoid.top = pPopup->GetBorders().top + 1;
}
