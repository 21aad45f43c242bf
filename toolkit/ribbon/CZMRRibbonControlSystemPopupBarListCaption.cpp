#include "CZMRRibbonControlSystemPopupBarListCaption.h"
#include "CZMRPaintManager.h"
#include "CZMRFontDC.h"
#include "CZMROffice2007Images.h"

IMPLEMENT_SERIAL(CZMRRibbonControlSystemPopupBarListCaption, CZMRControl, VERSIONABLE_SCHEMA | 0x21)

CZMRRibbonControlSystemPopupBarListCaption::CZMRRibbonControlSystemPopupBarListCaption()
{
    m_dwFlags = zmrFlagWrapRow | zmrFlagNoMovable | zmrFlagManualUpdate | zmrFlagSkipFocus;
    m_nWidth = 300;
    m_nHeight = 27;
}

CSize CZMRRibbonControlSystemPopupBarListCaption::GetSize(CDC* /*pDC*/)
{
    return CSize(m_nWidth, m_nHeight);
}

void CZMRRibbonControlSystemPopupBarListCaption::Draw(CDC* pDC)
{
    CZMRPaintManager* pPaintManager = GetPaintManager();
    CZMRFontDC font(pDC, &pPaintManager->m_fntRegular);
    const COLORREF clrOld = pDC->SetTextColor(pPaintManager->GetControlTextColor(this));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rcText(m_rcControl.left + 7, m_rcControl.top + 4, m_rcControl.right, m_rcControl.bottom - 5);
    pDC->DrawText(GetCaption(), rcText, DT_SINGLELINE);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);

    // A colour the skin lacks leaves its line undrawn.
    const COLORREF clrShadow = GetOffice2007Images()->LookupIniColor(L"Ribbon", L"RecentFileListEdgeShadow");
    const COLORREF clrLight = GetOffice2007Images()->LookupIniColor(L"Ribbon", L"RecentFileListEdgeHighLight");
    if (clrShadow != COLORREF(-1))
        pDC->FillSolidRect(m_rcControl.left, m_rcControl.bottom - 6, m_rcControl.Width(), 1, clrShadow);
    if (clrLight != COLORREF(-1))
        pDC->FillSolidRect(m_rcControl.left, m_rcControl.bottom - 5, m_rcControl.Width(), 1, clrLight);
}
