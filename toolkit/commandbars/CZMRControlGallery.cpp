// The gallery's items, layout, drawing, scrolling, persistence and copy.
#include "CZMRControlGallery.h"
#include "CZMRCommandBar.h"
#include "CZMRControlAction.h"
#include "CZMRControlGalleryItem.h"
#include "CZMRControlGalleryItems.h"
#include "CZMRControlGalleryPaintManager.h"
#include "CZMRControls.h"
#include "CZMRPaintManager.h"
#include "CZMRPopupBar.h"
#include "CZMRPropExchange.h"
#include <algorithm>
#include <cmath>

IMPLEMENT_SERIAL(CZMRControlGallery, CZMRControlPopup, VERSIONABLE_SCHEMA | 0x21)

namespace
{
// Label rows: 19 pixels high, the next row 20 pixels lower.
const int kLabelHeight = 19;
const int kLabelAdvance = 20;
const UINT kSmoothScrollPeriod = 40;
} // namespace

CZMRControlGallery::CZMRControlGallery()
    : m_nChecked(-1), m_nHotItem(-1), m_bHideSelection(FALSE), m_bItemPressed(FALSE), m_ptPressed(-1, -1),
      m_nScrollPos(0), m_nScrollPosTarget(0), m_dSmoothScrollStep(0), m_nTotalHeight(0), m_bKeyboardSelected(FALSE),
      m_bShowLabels(TRUE), m_bShowScrollBar(TRUE), m_bShowBorders(FALSE), m_rcMargins(0, 0, 0, 0),
      m_bPreview(FALSE), m_bResizable(FALSE)
{
    m_controlType = zmrControlGallery;
    m_nWidth = 120;
    m_nHeight = 60;
    m_dwFlags = zmrFlagShowTooltip;
}

CZMRControlGallery::~CZMRControlGallery()
{
}

// ---------------------------------------------------------------- items

CZMRControlGalleryItems* CZMRControlGallery::GetItems() const
{
    return m_pAction ? dynamic_cast<CZMRControlGalleryItems*>(m_pAction->GetItems()) : nullptr;
}

int CZMRControlGallery::GetItemCount() const
{
    CZMRControlGalleryItems* pItems = GetItems();
    return pItems ? pItems->GetItemCount() : 0;
}

CZMRControlGalleryItem* CZMRControlGallery::GetItem(int nIndex) const
{
    CZMRControlGalleryItems* pItems = GetItems();
    return pItems ? pItems->GetItem(nIndex) : nullptr;
}

CString CZMRControlGallery::GetItemCaption(int nIndex) const
{
    CZMRControlGalleryItem* pItem = GetItem(nIndex);
    return pItem ? pItem->GetCaption() : CString();
}

CRect CZMRControlGallery::GetItemRect(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_arrRects.GetSize())
        return CRect(0, 0, 0, 0);
    return CRect(m_arrRects[nIndex].rcItem);
}

void CZMRControlGallery::SetCheckedItem(int nId)
{
    if (m_nChecked == nId)
        return;
    m_nChecked = nId;
    RepaintInParentBar(FALSE);
}

int CZMRControlGallery::HitTestItem(CPoint point, LPRECT lpRect) const
{
    if (!GetEnabled() || HasIconLayoutStyle())
        return -1;
    const CRect rcItems = GetItemsRect();
    for (int i = 0; i < m_arrRects.GetSize(); i++)
    {
        const GALLERYITEM_POSITION& pos = m_arrRects[i];
        const CRect rcItem = GetVisibleItemRect(i);
        if (rcItem.top >= rcItems.bottom)
            break;
        if (rcItem.IsRectEmpty() || !rcItem.PtInRect(point) || (pos.pItem && pos.pItem->IsLabel()))
            continue;
        if (lpRect)
            *lpRect = rcItem;
        return i;
    }
    return -1;
}

int CZMRControlGallery::FindItem(int nStart, LPCTSTR lpszText, BOOL bExact) const
{
    const int nCount = GetItemCount();
    const int nText = lpszText ? int(wcslen(lpszText)) : 0;
    if (nCount == 0 || nText == 0)
        return -1;
    const int nFirst = nStart >= 0 && nStart < nCount ? nStart + 1 : 0;
    for (int k = 0; k < nCount; k++)
    {
        const int i = (nFirst + k) % nCount;
        const CString strCaption = GetItemCaption(i);
        if (bExact)
        {
            if (_wcsicmp(strCaption, lpszText) == 0)
                return i;
        }
        else if (strCaption.GetLength() >= nText &&
                 ::CompareString(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, strCaption, nText, lpszText, nText) ==
                     CSTR_EQUAL)
        {
            return i;
        }
    }
    return -1;
}

// ---------------------------------------------------------------- borders and layout

BOOL CZMRControlGallery::IsFollowedByVisibleControl() const
{
    if (!m_pParent || m_pParent->GetType() != zmrBarTypePopup || m_bShowBorders)
        return FALSE;
    for (int i = m_nIndex + 1; i < m_pParent->GetControlCount(); i++)
        if (m_pParent->GetControl(i)->IsVisible())
            return TRUE;
    return FALSE;
}

void CZMRControlGallery::GetBorders(CRect& rcBorders) const
{
    rcBorders.SetRect(0, 0, 0, 0);
    if (m_bShowBorders)
        rcBorders.SetRect(1, 1, 1, 1);
    if (m_pParent && m_bShowScrollBar)
    {
        CZMRControlGalleryPaintManager* pPaintManager = GetGalleryPaintManager();
        if (HasPopupBar())
            rcBorders.right += pPaintManager ? pPaintManager->m_cxScrollColumn : 16;
        else
            rcBorders.right += pPaintManager ? pPaintManager->m_cxVScroll : ::GetSystemMetrics(SM_CXVSCROLL);
    }
    if (IsFollowedByVisibleControl())
        rcBorders.bottom += 2;
    rcBorders.left += m_rcMargins.left;
    rcBorders.top += m_rcMargins.top;
    rcBorders.right += m_rcMargins.right;
    rcBorders.bottom += m_rcMargins.bottom;
}

CRect CZMRControlGallery::GetItemsRect() const
{
    CRect rcBorders;
    GetBorders(rcBorders);
    CRect rc = m_rcControl;
    rc.left += rcBorders.left;
    rc.top += rcBorders.top;
    rc.right -= rcBorders.right;
    rc.bottom -= rcBorders.bottom;
    return rc;
}

void CZMRControlGallery::RecalcLayout()
{
    if (HasIconLayoutStyle() || !m_pParent)
        return;
    CZMRControlGalleryItems* pItems = GetItems();
    const int nCount = pItems ? pItems->GetItemCount() : 0;
    m_arrRects.SetSize(nCount);
    const CRect rcItems = GetItemsRect();

    int x = rcItems.left, y = rcItems.top;
    int nRowHeight = 0;
    int nBottom = rcItems.top;
    BOOL bRowOpen = FALSE;
    for (int i = 0; i < nCount; i++)
    {
        GALLERYITEM_POSITION& pos = m_arrRects[i];
        pos.pItem = pItems->GetItem(i);
        pos.bBeginRow = FALSE;
        if (pos.pItem->IsLabel())
        {
            if (!m_bShowLabels)
            {
                ::SetRectEmpty(&pos.rcItem);
                continue;
            }
            if (bRowOpen)
                y += nRowHeight;
            ::SetRect(&pos.rcItem, rcItems.left, y, rcItems.right, y + kLabelHeight);
            pos.bBeginRow = TRUE;
            nBottom = y + kLabelHeight;
            y += kLabelAdvance;
            x = rcItems.left;
            nRowHeight = 0;
            bRowOpen = FALSE;
            continue;
        }
        CSize sz = pos.pItem->GetSize(this);
        if (sz.cx == 0)
            sz.cx = rcItems.Width();
        if (bRowOpen && x + sz.cx > rcItems.right)
        {
            y += nRowHeight;
            x = rcItems.left;
            nRowHeight = 0;
            bRowOpen = FALSE;
        }
        pos.bBeginRow = !bRowOpen;
        ::SetRect(&pos.rcItem, x, y, x + sz.cx, y + sz.cy);
        x += sz.cx;
        nRowHeight = std::max(nRowHeight, int(sz.cy));
        nBottom = std::max(nBottom, y + nRowHeight);
        bRowOpen = TRUE;
    }
    m_nTotalHeight = nBottom - rcItems.top;
    if (m_nScrollPos > m_nTotalHeight - rcItems.Height())
        m_nScrollPos = std::max(0, m_nTotalHeight - rcItems.Height());
    UpdateScrollBar();
}

void CZMRControlGallery::SetRect(CRect rcControl)
{
    if (rcControl == m_rcControl)
        return;
    CZMRControlPopup::SetRect(rcControl);
    RecalcLayout();
}

void CZMRControlGallery::SetAction(CZMRControlAction* pAction)
{
    CZMRControlPopup::SetAction(pAction);
    RecalcLayout();
}

// ---------------------------------------------------------------- size

CSize CZMRControlGallery::GetSize(CDC* pDC)
{
    if (HasIconLayoutStyle())
    {
        // As a button: its own size stands aside.
        const int nWidth = m_nWidth, nHeight = m_nHeight;
        m_nWidth = m_nHeight = 0;
        const CSize sz = CZMRControlPopup::GetSize(pDC);
        m_nWidth = nWidth;
        m_nHeight = nHeight;
        return sz;
    }
    const int cx = m_bResizable ? std::max(m_nWidth, GetResizeMinWidth()) : m_nWidth;
    return CSize(cx, m_nHeight);
}

BOOL CZMRControlGallery::IsWidthAdjustable() const
{
    if (HasIconLayoutStyle() || !GetItems())
        return FALSE;
    return m_bResizable;
}

int CZMRControlGallery::GetResizeMinWidth() const
{
    CZMRControlGalleryItems* pItems = GetItems();
    if (!pItems)
        return 0;
    CZMRPopupBar* pPopup = DYNAMIC_DOWNCAST(CZMRPopupBar, m_pParent);
    CZMRControl* pOpener = pPopup ? pPopup->GetControlPopup() : nullptr;
    if (pOpener && pOpener->GetType() == zmrControlGallery)
        return pOpener->GetRect().Width();
    CRect rcBorders;
    GetBorders(rcBorders);
    return std::max(16, int(pItems->GetItemSize().cx)) + int(rcBorders.left + rcBorders.right);
}

int CZMRControlGallery::GetResizeMinHeight() const
{
    CZMRControlGalleryItems* pItems = GetItems();
    if (!pItems)
        return 0;
    CRect rcBorders;
    GetBorders(rcBorders);
    return std::max(32, int(pItems->GetItemSize().cy + rcBorders.top + rcBorders.bottom));
}

void CZMRControlGallery::AdjustAvoidRect(CRect& rcAvoid, BOOL bVertical)
{
    if (HasIconLayoutStyle())
    {
        CZMRControlPopup::AdjustAvoidRect(rcAvoid, bVertical);
        return;
    }
    // The popup of an in-place gallery covers it from its corner.
    rcAvoid.SetRect(m_rcControl.left - 1, m_rcControl.top - 1, m_rcControl.left - 1, m_rcControl.top - 1);
}

// ---------------------------------------------------------------- drawing

CZMRControlGalleryPaintManager* CZMRControlGallery::GetGalleryPaintManager() const
{
    CZMRPaintManager* pPaintManager = GetPaintManager();
    return pPaintManager ? pPaintManager->m_pGalleryPaintManager : nullptr;
}

CZMRScrollBarPaintManager* CZMRControlGallery::GetScrollBarPaintManager() const
{
    return GetGalleryPaintManager();
}

void CZMRControlGallery::DrawBackground(CDC* pDC)
{
    if (CZMRControlGalleryPaintManager* pPaintManager = GetGalleryPaintManager())
        pPaintManager->FillControl(pDC, this, m_rcControl);
}

void CZMRControlGallery::Draw(CDC* pDC)
{
    if (HasIconLayoutStyle())
    {
        CZMRControlPopup::Draw(pDC);
        return;
    }
    DrawBackground(pDC);
    CZMRControlGalleryItems* pItems = GetItems();
    const CRect rcItems = GetItemsRect();
    if (pItems)
    {
        const int nSaved = pDC->SaveDC();
        pDC->IntersectClipRect(rcItems);
        const BOOL bEnabled = GetEnabled();
        for (int i = 0; i < m_arrRects.GetSize(); i++)
        {
            const GALLERYITEM_POSITION& pos = m_arrRects[i];
            const CRect rcItem = GetVisibleItemRect(i);
            if (rcItem.top >= rcItems.bottom)
                break;
            if (rcItem.IsRectEmpty() || rcItem.bottom <= rcItems.top)
                continue;
            const BOOL bHot = i == m_nHotItem && !m_bHideSelection;
            const BOOL bPressed = bHot && m_bItemPressed;
            const BOOL bChecked = pos.pItem->GetID() == m_nChecked;
            if (!pItems->DrawItem(pDC, this, pos.pItem, rcItem, bEnabled, bHot, bPressed, bChecked))
                pos.pItem->Draw(pDC, this, rcItem, bEnabled, bHot, bPressed, bChecked);
        }
        pDC->RestoreDC(nSaved);
    }
    if (m_bShowScrollBar && m_pParent)
    {
        CZMRControlGalleryPaintManager* pPaintManager = GetGalleryPaintManager();
        if (pPaintManager && HasPopupBar())
            pPaintManager->DrawScrollButtons(pDC, this);
        else if (pPaintManager)
            pPaintManager->DrawScrollBar(pDC, this);
    }
}

// ---------------------------------------------------------------- the scroll bar

BOOL CZMRControlGallery::IsScrollBarEnabled() const
{
    return GetEnabled();
}

CWnd* CZMRControlGallery::GetScrollParentWindow() const
{
    return m_pParent;
}

CRect CZMRControlGallery::GetScrollBarRect()
{
    if (!m_bShowScrollBar || !m_pParent)
        return CRect(0, 0, 0, 0);
    CZMRControlGalleryPaintManager* pPaintManager = GetGalleryPaintManager();
    const int cx = HasPopupBar() ? (pPaintManager ? pPaintManager->m_cxScrollColumn : 16)
                                 : (pPaintManager ? pPaintManager->m_cxVScroll : ::GetSystemMetrics(SM_CXVSCROLL));
    CRect rc = m_rcControl;
    if (m_bShowBorders)
        rc.DeflateRect(1, 1);
    rc.left = rc.right - cx;
    return rc;
}

void CZMRControlGallery::GetScrollInfo(SCROLLINFO* psi)
{
    psi->nMin = 0;
    psi->nMax = m_nTotalHeight - 1;
    psi->nPage = UINT(std::max(0, GetItemsRect().Height()));
    psi->nPos = m_nScrollPos;
    psi->nTrackPos = m_nScrollPos;
}

void CZMRControlGallery::CalcScrollBarLayout(CRect rc, SCROLLBARPOSINFO* pSBInfo, SCROLLINFO* pSI)
{
    if (!HasPopupBar())
    {
        CZMRScrollBase::CalcScrollBarLayout(rc, pSBInfo, pSI);
        return;
    }
    // Up and down buttons on top of the popup button, no thumb.
    CZMRControlGalleryPaintManager* pPaintManager = GetGalleryPaintManager();
    const int cyUp = pPaintManager ? pPaintManager->m_cyUpButton : 19;
    const int cyDown = pPaintManager ? pPaintManager->m_cyDownButton : 19;
    pSBInfo->rc = rc;
    pSBInfo->fVert = TRUE;
    pSBInfo->nMin = pSI->nMin;
    pSBInfo->nMax = pSI->nMax;
    pSBInfo->nPage = int(pSI->nPage);
    pSBInfo->nPos = pSI->nPos;
    pSBInfo->pxTop = rc.top;
    pSBInfo->pxBottom = rc.bottom;
    pSBInfo->pxLeft = rc.left;
    pSBInfo->pxRight = rc.right;
    pSBInfo->pxUpArrow = std::min(int(rc.bottom), int(rc.top) + cyUp);
    pSBInfo->pxDownArrow = pSBInfo->pxUpArrow;
    pSBInfo->pxPopup = std::min(int(rc.bottom), pSBInfo->pxUpArrow + cyDown);
    pSBInfo->pxMin = pSBInfo->pxThumbTop = pSBInfo->pxThumbBottom = pSBInfo->pxUpArrow;
    pSBInfo->cpx = 0;
    pSBInfo->cpxThumb = 0;
}

void CZMRControlGallery::RedrawScrollBar()
{
    if (m_pParent)
        m_pParent->Redraw(&m_rcControl, FALSE);
}

BOOL CZMRControlGallery::IsScrollButtonEnabled(BOOL bUp) const
{
    if (!GetEnabled())
        return FALSE;
    if (bUp)
        return m_nScrollPos > 0;
    return m_nScrollPos < m_nTotalHeight - GetItemsRect().Height();
}

// ---------------------------------------------------------------- scrolling

void CZMRControlGallery::ScrollTo(int nPos)
{
    const int nVisible = GetItemsRect().Height();
    nPos = std::max(0, std::min(nPos, m_nTotalHeight - nVisible));
    if (m_bSmoothScrolling)
    {
        m_bSmoothScrolling = FALSE;
        if (m_pParent && m_pParent->GetSafeHwnd())
            m_pParent->KillTimer(ZMR_TIMER_SMOOTHSCROLL);
    }
    if (nPos == m_nScrollPos)
        return;
    m_nScrollPos = nPos;
    RecalcLayout();
    RepaintInParentBar(FALSE);
}

void CZMRControlGallery::SmoothScrollTo(int nPos)
{
    const int nVisible = GetItemsRect().Height();
    nPos = std::max(0, std::min(nPos, m_nTotalHeight - nVisible));
    if (m_bSmoothScrolling && m_nScrollPosTarget == nPos)
        return;
    if (!m_bSmoothScrolling && nPos == m_nScrollPos)
        return;
    m_nScrollPosTarget = nPos;
    double dStep = (nPos - m_nScrollPos) / (m_nRepeatDelay > 200 ? 8.0 : 3.0);
    if (dStep > -1 && dStep < 1)
        dStep = nPos >= m_nScrollPos ? 1 : -1;
    m_dSmoothScrollStep = dStep;
    m_bSmoothScrolling = TRUE;
    if (m_pParent && m_pParent->GetSafeHwnd())
        m_pParent->SetTimer(ZMR_TIMER_SMOOTHSCROLL, kSmoothScrollPeriod, nullptr);
    UpdateScrollBar();
}

void CZMRControlGallery::OnSmoothScrollTimer()
{
    if (!m_bSmoothScrolling)
    {
        if (m_pParent && m_pParent->GetSafeHwnd())
            m_pParent->KillTimer(ZMR_TIMER_SMOOTHSCROLL);
        return;
    }
    // Both ways: the step is compared by its size, so a scroll up does not
    // jump to its end at once.
    const int nRemaining = m_nScrollPosTarget - m_nScrollPos;
    if (abs(nRemaining) > std::fabs(m_dSmoothScrollStep))
    {
        m_nScrollPos += int(m_dSmoothScrollStep);
    }
    else
    {
        m_nScrollPos = m_nScrollPosTarget;
        m_bSmoothScrolling = FALSE;
        if (m_pParent && m_pParent->GetSafeHwnd())
            m_pParent->KillTimer(ZMR_TIMER_SMOOTHSCROLL);
    }
    RecalcLayout();
    RepaintInParentBar(FALSE);
    if (m_pParent && m_pParent->GetSafeHwnd())
        m_pParent->UpdateWindow();
}

void CZMRControlGallery::DoScroll(int cmd, int pos)
{
    CZMRControlGalleryItems* pItems = GetItems();
    const int cyItem = pItems ? pItems->GetItemSize().cy : 0;
    const int nVisible = GetItemsRect().Height();
    // Line steps of a gallery with scroll buttons glide; they start from
    // where a glide already heads.
    const int nFrom = m_bSmoothScrolling ? m_nScrollPosTarget : m_nScrollPos;
    switch (cmd)
    {
    case SB_LINEUP:
    case SB_LINEDOWN:
    {
        const int nTo = cmd == SB_LINEUP ? nFrom - cyItem : nFrom + cyItem;
        if (HasPopupBar())
            SmoothScrollTo(nTo);
        else
            ScrollTo(nTo);
        return;
    }
    case SB_PAGEUP:
        ScrollTo(m_nScrollPos - nVisible);
        return;
    case SB_PAGEDOWN:
        ScrollTo(m_nScrollPos + nVisible);
        return;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        ScrollTo(pos);
        return;
    case SB_TOP:
        ScrollTo(0);
        return;
    case SB_BOTTOM:
        ScrollTo(m_nTotalHeight);
        return;
    case SB_ENDSCROLL:
        // A glide runs on to its target.
        if (!m_bSmoothScrolling)
            ScrollTo(m_nScrollPos);
        return;
    }
}

void CZMRControlGallery::EnsureVisible(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_arrRects.GetSize())
        return;
    const CRect rcItems = GetItemsRect();
    const CRect rcItem(m_arrRects[nIndex].rcItem);
    const int nTop = rcItem.top - rcItems.top;
    const int nBottom = rcItem.bottom - rcItems.top;
    const int nVisible = rcItems.Height();
    if (nTop < m_nScrollPos)
    {
        int nTo = nTop;
        if (m_bShowLabels)
        {
            // The label of the item's group too, when the group fits.
            for (int i = nIndex - 1; i >= 0; i--)
            {
                const GALLERYITEM_POSITION& pos = m_arrRects[i];
                if (!pos.pItem->IsLabel())
                    continue;
                const int nLabelTop = pos.rcItem.top - rcItems.top;
                if (nBottom - nLabelTop <= nVisible)
                    nTo = nLabelTop;
                break;
            }
        }
        ScrollTo(nTo);
    }
    else if (nBottom > m_nScrollPos + nVisible)
    {
        ScrollTo(nBottom - nVisible);
    }
}

void CZMRControlGallery::ScrollToItem(int nIndex)
{
    EnsureVisible(nIndex);
}

// ---------------------------------------------------------------- persistence and copy

void CZMRControlGallery::DoPropExchange(CZMRPropExchange* pPX)
{
    CZMRControlPopup::DoPropExchange(pPX);
    if (!pPX)
        return;
    PropExchangeBool(pPX, L"ShowLabels", &m_bShowLabels, TRUE);
    PropExchangeBool(pPX, L"ShowBorders", &m_bShowBorders, TRUE);
    PropExchangeBool(pPX, L"ShowScrollBar", &m_bShowScrollBar, TRUE);
    PropExchangeRect(pPX, L"GalleryMargin", &m_rcMargins, CRect(0, 0, 0, 0));
    if (pPX->GetSchema() > 23)
        PropExchangeInt(pPX, L"Resizable", &m_bResizable, 0);
}

void CZMRControlGallery::Copy(CZMRControl* pControl, BOOL bRecursive)
{
    CZMRControlPopup::Copy(pControl, bRecursive);
    CZMRControlGallery* pOther = DYNAMIC_DOWNCAST(CZMRControlGallery, pControl);
    if (!pOther)
        return;
    m_bShowLabels = pOther->m_bShowLabels;
    m_bShowBorders = pOther->m_bShowBorders;
    m_bShowScrollBar = pOther->m_bShowScrollBar;
    m_rcMargins = pOther->m_rcMargins;
    m_bResizable = pOther->m_bResizable;
}
