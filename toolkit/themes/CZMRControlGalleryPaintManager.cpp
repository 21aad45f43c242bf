#include "CZMRControlGalleryPaintManager.h"
#include "CZMRControlGallery.h"
#include "CZMRControlGalleryItem.h"
#include "CZMRPaintManager.h"
#include <algorithm>

CZMRControlGalleryPaintManager::CZMRControlGalleryPaintManager(CZMRPaintManager* pPaintManager)
    : CZMRScrollBarPaintManager(pPaintManager)
{
    SetButtonSizes();
}

void CZMRControlGalleryPaintManager::SetButtonSizes()
{
    m_cyUpButton = 19;
    m_cyDownButton = 19;
    m_cxScrollColumn = 16;
}

void CZMRControlGalleryPaintManager::RefreshMetrics()
{
    CZMRScrollBarPaintManager::RefreshMetrics();
    SetButtonSizes();
}

void CZMRControlGalleryPaintManager::FillControl(CDC* pDC, CZMRControlGallery* pGallery, CRect rc)
{
    CZMRPaintManager* pOwner = m_pPaintManager;
    pDC->FillSolidRect(rc, pOwner->GetColor(41));
    if (pGallery->IsShowBorders())
        pDC->Draw3dRect(rc, pOwner->GetColor(52), pOwner->GetColor(52));
    if (pGallery->IsFollowedByVisibleControl())
        pOwner->HorizontalLine(pDC, rc.left, rc.bottom - 2, rc.right, 39);
}

void CZMRControlGalleryPaintManager::DrawLabel(CDC* pDC, CZMRControlGalleryItem* pLabel, CRect rc)
{
    DrawLabelRow(pDC, pLabel, rc, 52);
}

void CZMRControlGalleryPaintManager::DrawLabelRow(CDC* pDC, CZMRControlGalleryItem* pLabel, CRect rc, COLORREF clrLine)
{
    CZMRPaintManager* pOwner = m_pPaintManager;
    pDC->FillSolidRect(rc, pOwner->GetColor(56));
    pOwner->HorizontalLine(pDC, rc.left, rc.bottom - 1, rc.right, clrLine);
    CFont* pOldFont = pDC->SelectObject(&pOwner->m_fntRegularBold);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(pOwner->GetColor(44));
    CRect rcText = rc;
    rcText.DeflateRect(10, 0);
    pDC->DrawText(pLabel->GetCaption(), rcText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
}

void CZMRControlGalleryPaintManager::DrawScrollButtons(CDC* pDC, CZMRControlGallery* pGallery)
{
    CZMRPaintManager* pOwner = m_pPaintManager;
    const CRect rcBar = pGallery->GetScrollBarRect();
    if (rcBar.IsRectEmpty())
        return;
    pDC->FillSolidRect(rcBar, pOwner->GetColor(30));
    const CParts parts = GetParts(pGallery);
    const BOOL bEnabled = pGallery->GetEnabled();

    const int yUp = std::min(int(rcBar.bottom), int(rcBar.top) + m_cyUpButton);
    const int yDown = std::min(int(rcBar.bottom), yUp + m_cyDownButton);
    const CRect rcButtons[3] = {CRect(rcBar.left, rcBar.top, rcBar.right, yUp),
                                CRect(rcBar.left, yUp, rcBar.right, yDown),
                                CRect(rcBar.left, yDown, rcBar.right, rcBar.bottom)};
    const int nHits[3] = {zmrHitScrollUp, zmrHitScrollDown, zmrHitScrollPopup};
    for (int i = 0; i < 3; i++)
    {
        const CRect& rc = rcButtons[i];
        if (rc.IsRectEmpty())
            continue;
        const BOOL bButtonEnabled = bEnabled && (i == 2 || pGallery->IsScrollButtonEnabled(i == 0));
        const BOOL bPressed = bButtonEnabled && parts.nPressed == nHits[i];
        const BOOL bHot = bButtonEnabled && parts.nHot == nHits[i];
        pOwner->DrawStateHighlight(pDC, rc, bHot || bPressed, bPressed, bButtonEnabled, 0, FALSE, zmrBarTypeNormal,
                                   zmrBarPopup);
        const COLORREF clrGlyph =
            pOwner->GetStateTextColor(bHot, bPressed, bButtonEnabled, 0, FALSE, zmrBarTypeNormal, zmrBarPopup);
        const CPoint c = rc.CenterPoint();
        if (i == 0)
            CZMRPaintManager::DrawTriangle(pDC, CPoint(c.x - 4, c.y + 2), CPoint(c.x + 4, c.y + 2),
                                           CPoint(c.x, c.y - 2), clrGlyph);
        else if (i == 1)
            CZMRPaintManager::DrawTriangle(pDC, CPoint(c.x - 4, c.y - 2), CPoint(c.x + 4, c.y - 2),
                                           CPoint(c.x, c.y + 2), clrGlyph);
        else
        {
            CZMRPaintManager::DrawTriangle(pDC, CPoint(c.x - 4, c.y - 1), CPoint(c.x + 4, c.y - 1),
                                           CPoint(c.x, c.y + 3), clrGlyph);
            pDC->FillSolidRect(c.x - 4, c.y - 4, 9, 2, clrGlyph);
        }
    }
}
