#include "CZMRControlGalleryItem.h"
#include "CZMRCommandBar.h"
#include "CZMRControlGallery.h"
#include "CZMRControlGalleryItems.h"
#include "CZMRControlGalleryPaintManager.h"
#include "CZMRImageManager.h"
#include "CZMRPaintManager.h"

CZMRControlGalleryItem::CZMRControlGalleryItem()
    : m_nId(0), m_nImage(-1), m_bLabel(FALSE), m_szItem(0, 0), m_pItems(nullptr)
{
}

CSize CZMRControlGalleryItem::GetSize(CZMRControlGallery* /*pGallery*/)
{
    if (m_szItem != CSize(0, 0) || !m_pItems)
        return m_szItem;
    return m_pItems->GetItemSize();
}

BOOL CZMRControlGalleryItem::Draw(CDC* pDC, CZMRControlGallery* pGallery, CRect rcItem, BOOL bEnabled, BOOL bHot,
                                  BOOL bPressed, BOOL bChecked)
{
    CZMRPaintManager* pPaintManager = pGallery->GetPaintManager();
    if (!pPaintManager)
        return FALSE;
    if (m_bLabel)
    {
        pPaintManager->m_pGalleryPaintManager->DrawLabel(pDC, this, rcItem);
        return TRUE;
    }
    CZMRCommandBar* pBar = pGallery->GetParent();
    const int nBarType = pBar ? pBar->GetType() : zmrBarTypeNormal;
    const int nPosition = pBar ? pBar->GetPosition() : zmrBarTop;
    if (bHot || bPressed || bChecked)
        pPaintManager->DrawStateHighlight(pDC, rcItem, bHot, bPressed, bEnabled, bChecked, FALSE, nBarType, nPosition);

    CZMRImageManager* pImages = m_pItems && m_pItems->GetImageManager() ? m_pItems->GetImageManager()
                                                                         : pGallery->GetImageManager();
    const int nImage = m_nImage >= 0 ? m_nImage : m_nId;
    CZMRImageManagerIcon* pIcon = pImages && nImage > 0 ? pImages->GetImage(UINT(nImage)) : nullptr;
    if (pIcon)
    {
        const CSize szIcon = pIcon->GetExtent();
        const CPoint pt((rcItem.left + rcItem.right - szIcon.cx) / 2, (rcItem.top + rcItem.bottom - szIcon.cy) / 2);
        pPaintManager->DrawImage(pDC, pt.x, pt.y, szIcon.cx, szIcon.cy, pIcon, bHot, bPressed, bEnabled, bChecked,
                                 FALSE, FALSE);
        return TRUE;
    }
    CFont* pOldFont = pDC->SelectObject(&pPaintManager->m_fntRegular);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(
        pPaintManager->GetStateTextColor(bHot, bPressed, bEnabled, bChecked, FALSE, nBarType, nPosition));
    CRect rcText = rcItem;
    rcText.DeflateRect(2, 0);
    pDC->DrawText(m_strCaption, rcText, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
    return TRUE;
}
