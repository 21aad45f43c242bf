#include "CZMRScrollBarPaintManager.h"
#include "CZMRColorManager.h"
#include "CZMRScrollBase.h"
#include <vssym32.h>
#include <algorithm>

CZMRScrollBarPaintManager::CZMRScrollBarPaintManager(CZMRPaintManager* pPaintManager)
    : m_nThumbSize(0), m_pPaintManager(pPaintManager)
{
    ReadSystemMetrics();
}

CZMRScrollBarPaintManager::~CZMRScrollBarPaintManager()
{
    m_themeScrollBar.CloseThemeData();
}

void CZMRScrollBarPaintManager::ReadSystemMetrics()
{
    m_cxHScroll = ::GetSystemMetrics(SM_CXHSCROLL);
    m_cyHScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    m_cyVScroll = ::GetSystemMetrics(SM_CYVSCROLL);
    m_cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
}

void CZMRScrollBarPaintManager::RefreshMetrics()
{
    ReadSystemMetrics();
    m_themeScrollBar.OpenThemeData(nullptr, L"SCROLLBAR");
}

CZMRScrollBarPaintManager::CParts CZMRScrollBarPaintManager::GetParts(CZMRScrollBase* pScrollBar)
{
    const CZMRScrollBase::SCROLLBARPOSINFO* pSBInfo = pScrollBar->GetScrollBarPosInfo();
    const CZMRScrollBase::SCROLLBARTRACKINFO* pTrack = pScrollBar->GetScrollBarTrackInfo();
    CParts parts;
    parts.nPressed = 0;
    parts.nHot = 0;
    if (pTrack)
    {
        // Pressed while dragging or while the pointer is on the held part.
        if (pTrack->fTrackThumb || pTrack->fHitOld)
            parts.nPressed = pSBInfo->ht;
    }
    else
    {
        parts.nHot = pSBInfo->ht;
    }
    parts.bEnabled = pSBInfo->nMax - pSBInfo->nPage - pSBInfo->nMin + 1 > 0 && pScrollBar->IsScrollBarEnabled();

    auto part = [pSBInfo](int nFrom, int nTo) {
        return pSBInfo->fVert ? CRect(pSBInfo->pxLeft, nFrom, pSBInfo->pxRight, nTo)
                              : CRect(nFrom, pSBInfo->pxLeft, nTo, pSBInfo->pxRight);
    };
    parts.rcArrowFirst = part(pSBInfo->pxTop, pSBInfo->pxUpArrow);
    parts.rcArrowSecond = part(pSBInfo->pxDownArrow, pSBInfo->pxPopup > 0 ? pSBInfo->pxPopup : pSBInfo->pxBottom);
    parts.rcTrack = part(pSBInfo->pxUpArrow, pSBInfo->pxDownArrow);
    if (!parts.bEnabled || pSBInfo->pxThumbBottom > pSBInfo->pxDownArrow)
    {
        parts.rcPageBefore.SetRectEmpty();
        parts.rcThumb.SetRectEmpty();
        parts.rcPageAfter = parts.rcTrack;
    }
    else
    {
        parts.rcPageBefore = part(pSBInfo->pxUpArrow, pSBInfo->pxThumbTop);
        parts.rcThumb = part(pSBInfo->pxThumbTop, pSBInfo->pxThumbBottom);
        parts.rcPageAfter = part(pSBInfo->pxThumbBottom, pSBInfo->pxDownArrow);
    }
    return parts;
}

void CZMRScrollBarPaintManager::DrawArrowGlyph(CDC* pDC, CRect rc, BOOL bHorz, BOOL bFirst, BOOL bEnabled)
{
    const int m = std::min(rc.Width(), rc.Height());
    if (m < 6)
        return;
    CFont font;
    font.CreateFont(m - 4, 0, 0, 0, FW_NORMAL, 0, 0, 0, SYMBOL_CHARSET, 0, 0, 0, 0, L"MARLETT");
    CFont* pOldFont = pDC->SelectObject(&font);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld =
        pDC->SetTextColor(bEnabled ? RGB(0, 0, 0) : GetColorManager()->GetColor(COLOR_BTNSHADOW));
    const LPCWSTR lpszGlyph = bHorz ? (bFirst ? L"3" : L"4") : (bFirst ? L"5" : L"6");
    pDC->TextOut((rc.Width() - m) / 2 + rc.left + 2, (rc.Height() - m) / 2 + rc.top + 2, lpszGlyph, 1);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
}

void CZMRScrollBarPaintManager::DrawScrollBar(CDC* pDC, CZMRScrollBase* pScrollBar)
{
    const CZMRScrollBase::SCROLLBARPOSINFO* pSBInfo = pScrollBar->GetScrollBarPosInfo();
    if (pSBInfo->pxRight - pSBInfo->pxLeft < 1)
        return;
    const CParts parts = GetParts(pScrollBar);
    const BOOL bHorz = !pSBInfo->fVert;
    const int nStyle = pScrollBar->GetScrollBarStyle();
    const HDC hDC = pDC->GetSafeHdc();

    if (nStyle == 3 && m_themeScrollBar.IsThemeOpenAndActive())
    {
        // Arrow states: up 1-4, down 5-8, left 9-12, right 13-16.
        auto arrowState = [&](int nHit, int nBase) {
            if (!parts.bEnabled)
                return nBase + 3;
            if (parts.nPressed == nHit)
                return nBase + 2;
            if (parts.nHot == nHit)
                return nBase + 1;
            return nBase;
        };
        m_themeScrollBar.DrawThemeBackground(hDC, SBP_ARROWBTN,
                                             arrowState(zmrHitScrollUp, bHorz ? ABS_LEFTNORMAL : ABS_UPNORMAL),
                                             parts.rcArrowFirst, nullptr);
        m_themeScrollBar.DrawThemeBackground(hDC, SBP_ARROWBTN,
                                             arrowState(zmrHitScrollDown, bHorz ? ABS_RIGHTNORMAL : ABS_DOWNNORMAL),
                                             parts.rcArrowSecond, nullptr);
        if (parts.rcTrack.IsRectEmpty())
            return;
        auto state = [&](int nHit) {
            if (!parts.bEnabled)
                return 4;
            if (parts.nPressed == nHit)
                return 3;
            if (parts.nHot == nHit)
                return 2;
            return 1;
        };
        const int nPageBefore = bHorz ? SBP_LOWERTRACKHORZ : SBP_LOWERTRACKVERT;
        const int nPageAfter = bHorz ? SBP_UPPERTRACKHORZ : SBP_UPPERTRACKVERT;
        if (!parts.rcPageBefore.IsRectEmpty())
            m_themeScrollBar.DrawThemeBackground(hDC, nPageBefore, state(zmrHitScrollPageUp), parts.rcPageBefore,
                                                 nullptr);
        if (!parts.rcThumb.IsRectEmpty())
        {
            const int nThumbState = state(zmrHitScrollThumb);
            m_themeScrollBar.DrawThemeBackground(hDC, bHorz ? SBP_THUMBBTNHORZ : SBP_THUMBBTNVERT, nThumbState,
                                                 parts.rcThumb, nullptr);
            const int cpxThumb = bHorz ? parts.rcThumb.Width() : parts.rcThumb.Height();
            if (cpxThumb > 13)
                m_themeScrollBar.DrawThemeBackground(hDC, bHorz ? SBP_GRIPPERHORZ : SBP_GRIPPERVERT, nThumbState,
                                                     parts.rcThumb, nullptr);
        }
        if (!parts.rcPageAfter.IsRectEmpty())
            m_themeScrollBar.DrawThemeBackground(hDC, nPageAfter, state(zmrHitScrollPageDown), parts.rcPageAfter,
                                                 nullptr);
        return;
    }

    CZMRColorManager* pColors = GetColorManager();
    const COLORREF clrFace = pColors->GetColor(COLOR_BTNFACE);
    const COLORREF clrShadow = pColors->GetColor(COLOR_BTNSHADOW);
    const COLORREF clrLight = pColors->GetColor(COLOR_BTNHIGHLIGHT);
    const CRect rcArrows[2] = {parts.rcArrowFirst, parts.rcArrowSecond};
    const int nArrowHits[2] = {zmrHitScrollUp, zmrHitScrollDown};
    for (int i = 0; i < 2; i++)
    {
        const BOOL bPressed = parts.nPressed == nArrowHits[i];
        if (nStyle == 2)
        {
            pDC->FillSolidRect(rcArrows[i], clrFace);
            if (bPressed && parts.bEnabled)
                pDC->Draw3dRect(rcArrows[i], clrShadow, clrLight);
            else
                pDC->Draw3dRect(rcArrows[i], clrLight, clrShadow);
            DrawArrowGlyph(pDC, rcArrows[i], bHorz, i == 0, parts.bEnabled);
        }
        else
        {
            const UINT nKind = bHorz ? (i == 0 ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT)
                                     : (i == 0 ? DFCS_SCROLLUP : DFCS_SCROLLDOWN);
            CRect rcArrow = rcArrows[i];
            ::DrawFrameControl(hDC, rcArrow, DFC_SCROLL,
                               nKind | (bPressed ? DFCS_PUSHED : 0) | (parts.bEnabled ? 0 : DFCS_INACTIVE));
        }
    }

    // The track in the window's scroll-bar brush.
    CWnd* pWnd = pScrollBar->GetScrollParentWindow();
    const HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    HBRUSH hBrush = hWnd ? reinterpret_cast<HBRUSH>(::DefWindowProc(hWnd, WM_CTLCOLORSCROLLBAR, WPARAM(hDC),
                                                                    LPARAM(hWnd)))
                         : nullptr;
    if (!hBrush)
        hBrush = ::GetSysColorBrush(COLOR_SCROLLBAR);
    ::FillRect(hDC, parts.rcTrack, hBrush);
    if (parts.nPressed == zmrHitScrollPageUp && !parts.rcPageBefore.IsRectEmpty())
        pDC->InvertRect(parts.rcPageBefore);
    if (!parts.rcTrack.IsRectEmpty() && !parts.rcThumb.IsRectEmpty())
    {
        pDC->FillSolidRect(parts.rcThumb, clrFace);
        if (nStyle == 2)
            pDC->Draw3dRect(parts.rcThumb, clrLight, clrShadow);
        else
        {
            CRect rcThumb = parts.rcThumb;
            ::DrawEdge(hDC, rcThumb, EDGE_RAISED, BF_RECT);
        }
    }
    if (parts.nPressed == zmrHitScrollPageDown && !parts.rcPageAfter.IsRectEmpty())
        pDC->InvertRect(parts.rcPageAfter);
}
