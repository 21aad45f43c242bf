#include "CZMRRibbonControlSystemPopupBarListItem.h"
#include "CZMRPaintManager.h"
#include "CZMRFontDC.h"

IMPLEMENT_SERIAL(CZMRRibbonControlSystemPopupBarListItem, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRRibbonControlSystemPopupBarListItem::CZMRRibbonControlSystemPopupBarListItem() : m_bShowsNumber(FALSE)
{
    m_nWidth = 300;
    m_nHeight = 21;
}

CSize CZMRRibbonControlSystemPopupBarListItem::GetSize(CDC* /*pDC*/)
{
    return CSize(m_nWidth, m_nHeight);
}

BOOL CZMRRibbonControlSystemPopupBarListItem::SplitNumber(const CString& strCaption, CString& strNumber,
                                                          CString& strRest)
{
    if (strCaption.GetLength() <= 2 || strCaption[0] != L'&' || strCaption[2] != L' ')
    {
        strNumber.Empty();
        strRest = strCaption;
        return FALSE;
    }
    strNumber = strCaption.Left(2);
    strRest = strCaption.Mid(3);
    return TRUE;
}

void CZMRRibbonControlSystemPopupBarListItem::Draw(CDC* pDC)
{
    CZMRPaintManager* pPaintManager = GetPaintManager();
    pPaintManager->DrawControlStateRect(pDC, this);
    CZMRFontDC font(pDC, pPaintManager->GetControlFont(this));
    const COLORREF clrOld = pDC->SetTextColor(pPaintManager->GetControlTextColor(this));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);

    CRect rcText = m_rcControl;
    rcText.left += 7;
    CString strNumber;
    CString strText = GetCaption();
    if (m_bShowsNumber && SplitNumber(GetCaption(), strNumber, strText))
    {
        pDC->DrawText(strNumber, rcText, DT_SINGLELINE | DT_VCENTER);
        rcText.left += pDC->GetTextExtent(CString(L"0")).cx + 7;
    }
    pDC->DrawText(strText, rcText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);

    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
}

void CZMRRibbonControlSystemPopupBarListItem::Copy(CZMRControl* pControl, BOOL bRecursive)
{
    CZMRControlButton::Copy(pControl, bRecursive);
    if (auto* pItem = dynamic_cast<CZMRRibbonControlSystemPopupBarListItem*>(pControl))
        m_bShowsNumber = pItem->m_bShowsNumber;
}
