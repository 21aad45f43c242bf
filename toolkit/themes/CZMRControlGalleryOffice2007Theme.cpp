#include "CZMRControlGalleryOffice2007Theme.h"
#include "CZMRControlGallery.h"
#include "CZMRCommandBar.h"
#include "CZMRControlGalleryItem.h"
#include "CZMROffice2007Image.h"
#include "CZMROffice2007Images.h"
#include "CZMROffice2007Theme.h"
#include "CZMRScrollBase.h"
#include <algorithm>

namespace
{
// The line under label rows and above a control that follows the gallery.
const COLORREF kSeparator = RGB(197, 197, 197);
const int kButtonColumn = 15;
const COLORREF kNoColor = COLORREF(-1);
} // namespace

CZMRControlGalleryOffice2007Theme::CZMRControlGalleryOffice2007Theme(CZMROffice2007Theme* pTheme)
    : CZMRControlGalleryPaintManager(pTheme), m_clrControlGallerySelected(kNoColor),
      m_clrControlGalleryNormal(kNoColor), m_clrControlGalleryBorder(kNoColor), m_pTheme(pTheme)
{
}

void CZMRControlGalleryOffice2007Theme::RefreshMetrics()
{
    CZMRControlGalleryPaintManager::RefreshMetrics();
    ReadSystemMetrics();
    m_cyUpButton = 21;
    m_cyDownButton = 19;
    CZMROffice2007Images* pImages = m_pTheme ? m_pTheme->GetImages() : nullptr;
    m_clrControlGallerySelected = pImages ? pImages->LookupIniColor(L"Toolbar", L"ControlGallerySelected") : kNoColor;
    m_clrControlGalleryNormal = pImages ? pImages->LookupIniColor(L"Toolbar", L"ControlGalleryNormal") : kNoColor;
    m_clrControlGalleryBorder = pImages ? pImages->LookupIniColor(L"Toolbar", L"ControlGalleryBorder") : kNoColor;
}

void CZMRControlGalleryOffice2007Theme::FillControl(CDC* pDC, CZMRControlGallery* pGallery, CRect rc)
{
    CZMRCommandBar* pBar = pGallery->GetParent();
    const BOOL bPopup = pBar && pBar->GetType() == zmrBarTypePopup && pBar->GetPosition() == zmrBarPopup;
    const COLORREF clrFill = bPopup ? m_pTheme->GetColor(41)
                                    : (pGallery->GetSelected() && pGallery->GetEnabled() ? m_clrControlGallerySelected
                                                                                         : m_clrControlGalleryNormal);
    const BOOL bBorder = pGallery->IsShowBorders();
    // Colours the skin lacks are never drawn: the plain gallery's look.
    if (clrFill == kNoColor || (bBorder && m_clrControlGalleryBorder == kNoColor))
    {
        CZMRControlGalleryPaintManager::FillControl(pDC, pGallery, rc);
        return;
    }
    pDC->FillSolidRect(rc, clrFill);
    if (bBorder)
        pDC->Draw3dRect(rc, m_clrControlGalleryBorder, m_clrControlGalleryBorder);
    if (pGallery->IsFollowedByVisibleControl())
        pDC->FillSolidRect(rc.left, rc.bottom - 2, rc.Width(), 1, kSeparator);
}

void CZMRControlGalleryOffice2007Theme::DrawLabel(CDC* pDC, CZMRControlGalleryItem* pLabel, CRect rc)
{
    DrawLabelRow(pDC, pLabel, rc, kSeparator);
}

int CZMRControlGalleryOffice2007Theme::GetButtonState(BOOL bEnabled, int nHit, int nTracked, BOOL bTrackedPressed)
{
    if (!bEnabled)
        return 4;
    if (nTracked == nHit)
        return bTrackedPressed ? 3 : 2;
    return nTracked != 0 ? 1 : 0;
}

void CZMRControlGalleryOffice2007Theme::DrawScrollButtons(CDC* pDC, CZMRControlGallery* pGallery)
{
    // Without the skin's buttons the plain ones, never an empty column.
    if (!m_pTheme->LoadImage(L"CONTROLGALLERYUP"))
    {
        CZMRControlGalleryPaintManager::DrawScrollButtons(pDC, pGallery);
        return;
    }
    CRect rcColumn = pGallery->GetScrollBarRect();
    if (rcColumn.IsRectEmpty())
        return;
    rcColumn.left = rcColumn.right - kButtonColumn;
    const CParts parts = GetParts(pGallery);
    const BOOL bPressed = parts.nPressed != 0;
    int nTracked = bPressed ? parts.nPressed : parts.nHot;
    const BOOL bEnabled = pGallery->GetEnabled();
    const int nSelected = pGallery->GetSelected();
    if (nTracked == 0 && bEnabled && (nSelected == 2 || nSelected == 3) && pGallery->GetScrollPos() == -1)
        nTracked = zmrHitScrollPopup;

    const int yUp = std::min(int(rcColumn.bottom), int(rcColumn.top) + m_cyUpButton);
    const int yDown = std::min(int(rcColumn.bottom), yUp + m_cyDownButton);
    const struct
    {
        LPCWSTR lpszPart;
        CRect rc;
        int nHit;
        BOOL bEnabled;
    } buttons[] = {
        {L"CONTROLGALLERYUP", CRect(rcColumn.left, rcColumn.top, rcColumn.right, yUp), zmrHitScrollUp,
         bEnabled && pGallery->IsScrollButtonEnabled(TRUE)},
        {L"CONTROLGALLERYDOWN", CRect(rcColumn.left, yUp, rcColumn.right, yDown), zmrHitScrollDown,
         bEnabled && pGallery->IsScrollButtonEnabled(FALSE)},
        {L"CONTROLGALLERYPOPUP", CRect(rcColumn.left, yDown, rcColumn.right, rcColumn.bottom), zmrHitScrollPopup,
         bEnabled},
    };
    for (const auto& button : buttons)
    {
        if (button.rc.IsRectEmpty())
            continue;
        m_pTheme->DrawPart(pDC, button.lpszPart, button.rc,
                           GetButtonState(button.bEnabled, button.nHit, nTracked, bPressed), 5, CRect(3, 3, 3, 3));
    }
}

void CZMRControlGalleryOffice2007Theme::DrawScrollBar(CDC* pDC, CZMRScrollBase* pScrollBar)
{
    const int nStyle = pScrollBar->GetScrollBarStyle();
    const CZMRScrollBase::SCROLLBARPOSINFO* pSBInfo = pScrollBar->GetScrollBarPosInfo();
    const BOOL bHorz = !pSBInfo->fVert;
    const BOOL bDark = nStyle == 6;
    LPCWSTR lpszBackground = bHorz ? (bDark ? L"CONTROLGALLERYSCROLLHORIZONTALDARK" : L"CONTROLGALLERYSCROLLHORIZONTALLIGHT")
                                   : (bDark ? L"CONTROLGALLERYSCROLLVERTICALDARK" : L"CONTROLGALLERYSCROLLVERTICALLIGHT");
    if ((nStyle != 5 && nStyle != 6) || (bHorz && !m_pTheme->LoadImage(lpszBackground)))
    {
        CZMRControlGalleryPaintManager::DrawScrollBar(pDC, pScrollBar);
        return;
    }
    const CParts parts = GetParts(pScrollBar);
    CZMROffice2007Image* pGlyphs = m_pTheme->LoadImage(L"CONTROLGALLERYSCROLLARROWGLYPHS");
    if (parts.rcTrack.IsRectEmpty() || !pGlyphs || !m_pTheme->LoadImage(lpszBackground))
        return;

    const CRect rcBar(pSBInfo->rc);
    const CRect rcBackgroundMargins = bHorz ? CRect(0, 1, 0, 1) : CRect(1, 0, 1, 0);
    m_pTheme->DrawPart(pDC, lpszBackground, rcBar, 0, 2, rcBackgroundMargins);

    const int nTracked = parts.nPressed ? parts.nPressed : parts.nHot;
    const BOOL bPressed = parts.nPressed != 0;
    LPCWSTR lpszArrows =
        bHorz ? (bDark ? L"CONTROLGALLERYSCROLLARROWSHORIZONTALDARK" : L"CONTROLGALLERYSCROLLARROWSHORIZONTALLIGHT")
              : (bDark ? L"CONTROLGALLERYSCROLLARROWSVERTICALDARK" : L"CONTROLGALLERYSCROLLARROWSVERTICALLIGHT");
    const CRect rcArrows[2] = {parts.rcArrowFirst, parts.rcArrowSecond};
    const int nArrowHits[2] = {zmrHitScrollUp, zmrHitScrollDown};
    // Glyph cells: up 1, down 5, left 9, right 13; +1 for a lit button, +3 disabled.
    const int nFirstCell[2] = {bHorz ? 9 : 1, bHorz ? 13 : 5};
    for (int i = 0; i < 2; i++)
    {
        int nState = 0;
        if (parts.bEnabled)
        {
            if (nTracked == nArrowHits[i])
                nState = bPressed ? 3 : 2;
            else if (nTracked != 0)
                nState = 1;
            if (!m_pTheme->DrawPart(pDC, lpszArrows, rcArrows[i], nState, 4, CRect(3, 3, 3, 3)))
                return;
        }
        const int nCell = nFirstCell[i] + (!parts.bEnabled ? 3 : (nState > 0 ? 1 : 0));
        const CRect rcCell(0, (nCell - 1) * 9, 9, nCell * 9);
        const CPoint pt((rcArrows[i].left + rcArrows[i].right - 9) / 2, (rcArrows[i].top + rcArrows[i].bottom - 9) / 2);
        pGlyphs->DrawImageTransparent(pDC, CRect(pt, CSize(9, 9)), rcCell, CRect(0, 0, 0, 0), RGB(255, 0, 255));
    }

    if (parts.bEnabled && parts.nPressed == zmrHitScrollPageUp && !parts.rcPageBefore.IsRectEmpty())
        m_pTheme->DrawPart(pDC, lpszBackground, parts.rcPageBefore, 1, 2, rcBackgroundMargins);
    if (parts.bEnabled && parts.nPressed == zmrHitScrollPageDown && !parts.rcPageAfter.IsRectEmpty())
        m_pTheme->DrawPart(pDC, lpszBackground, parts.rcPageAfter, 1, 2, rcBackgroundMargins);

    if (parts.rcThumb.IsRectEmpty())
        return;
    int nThumbState = 0;
    if (parts.bEnabled && nTracked == zmrHitScrollThumb)
        nThumbState = bPressed ? 2 : 1;
    m_pTheme->DrawPart(pDC, bHorz ? L"CONTROLGALLERYSCROLLTHUMBHORIZONTAL" : L"CONTROLGALLERYSCROLLTHUMBVERTICAL",
                       parts.rcThumb, nThumbState, 3, CRect(5, 5, 5, 5));
    const int cpxThumb = bHorz ? parts.rcThumb.Width() : parts.rcThumb.Height();
    if (cpxThumb > 10)
    {
        CZMROffice2007Image* pGripper = m_pTheme->LoadImage(bHorz ? L"CONTROLGALLERYSCROLLTHUMBGRIPPERHORIZONTAL"
                                                                  : L"CONTROLGALLERYSCROLLTHUMBGRIPPERVERTICAL");
        if (pGripper)
        {
            const CPoint ptCentre = parts.rcThumb.CenterPoint();
            const CRect rcSrc = pGripper->GetSource(nThumbState, 3);
            const CRect rcDest(CPoint(ptCentre.x - 3, ptCentre.y - 4), CSize(8, 8));
            pGripper->DrawImageTransparent(pDC, rcDest, CRect(rcSrc.TopLeft(), CSize(8, 8)), CRect(0, 0, 0, 0),
                                           RGB(255, 0, 255));
        }
    }
}
