// The tab strip's input: hit tests, keyboard navigation, hot tracking, the
// mouse-down entry point with its press and reorder loops, and tooltips.
#include "CZMRTabManager.h"
#include "CZMRTabManagerItem.h"
#include "CZMRTabManagerNavigateButton.h"
#include "CZMRTabPaintManager.h"
#include "CZMRTabPaintManagerAppearanceSet.h"
#include "CZMRDrawHelpers.h"
#include "CZMRToolTipContext.h"
#include "ZMRTabCaptureLoop.h"
#include <vector>

// ------------------------------------------------------------ hit tests

CZMRTabManagerItem* CZMRTabManager::HitTest(CPoint point) const
{
    if (!m_rcControl.PtInRect(point))
        return nullptr;
    if (!m_rcHeader.IsRectEmpty() && !m_rcHeader.PtInRect(point))
        return nullptr;
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); i++)
    {
        CZMRTabManagerItem* pItem = m_arrItems[i];
        if (pItem->GetRect().PtInRect(point) && pItem->IsEnabled() && pItem->IsVisible())
            return pItem;
    }
    return nullptr;
}

namespace
{
CZMRTabManagerNavigateButton* HitButtonIn(const CZMRTabManagerNavigateButtonArray& arrButtons, CPoint point,
                                          int* pnIndex, bool& bHit)
{
    for (INT_PTR i = 0; i < arrButtons.GetSize(); i++)
    {
        CZMRTabManagerNavigateButton* pButton = arrButtons[i];
        if (!pButton->GetRect().PtInRect(point))
            continue;
        bHit = true;
        if (!pButton->IsEnabled())
            return nullptr;
        if (pnIndex)
            *pnIndex = (int)i;
        return pButton;
    }
    return nullptr;
}
}

CZMRTabManagerNavigateButton* CZMRTabManager::NavigateButtonHitTest(CPoint point, BOOL bStripButtonsOnly,
                                                                    int* pnIndex) const
{
    bool bHit = false;
    CZMRTabManagerNavigateButton* pButton = HitButtonIn(m_arrNavigateButtons, point, pnIndex, bHit);
    if (bHit || bStripButtonsOnly)
        return pButton;
    CZMRTabManagerItem* pItem = HitTest(point);
    if (!pItem)
        return nullptr;
    return HitButtonIn(pItem->GetNavigateButtons(), point, pnIndex, bHit);
}

// ------------------------------------------------------------ keyboard

BOOL CZMRTabManager::HandleKeyNavigation(CWnd* pWnd, UINT nChar)
{
    if (GetItemCount() == 0)
        return FALSE;
    CZMRDrawHelpers::SwapArrowKeyForRTL(pWnd, nChar);
    const BOOL bHorizontal = IsHorizontal();
    const int nSelected = GetCurSel();
    switch (nChar)
    {
    case VK_HOME:
        ClickItem(StepToUsableItem(-1, +1));
        return TRUE;
    case VK_END:
        ClickItem(StepToUsableItem(GetItemCount(), -1));
        return TRUE;
    case VK_LEFT:
    case VK_UP:
        if ((nChar == VK_LEFT) == (bHorizontal != FALSE) && m_pSelectedItem && nSelected > 0)
            ClickItem(StepToUsableItem(nSelected, -1));
        return TRUE;
    case VK_RIGHT:
    case VK_DOWN:
        if ((nChar == VK_RIGHT) == (bHorizontal != FALSE) && m_pSelectedItem && nSelected < GetItemCount() - 1)
            ClickItem(StepToUsableItem(nSelected, +1));
        return TRUE;
    default:
        return FALSE;
    }
}

// ------------------------------------------------------------ hot tracking

void CZMRTabManager::RedrawItem(CZMRTabManagerItem* pItem, BOOL bNow)
{
    CRect rc = GetPaintManager()->GetAppearanceSet()->GetTabPaintRect(pItem);
    RedrawControl(rc, bNow);
}

namespace
{
void RequestMouseLeave(CWnd* pWnd)
{
    if (!pWnd || !pWnd->GetSafeHwnd())
        return;
    TRACKMOUSEEVENT tme = { sizeof(TRACKMOUSEEVENT), TME_LEAVE, pWnd->GetSafeHwnd(), 0 };
    ::TrackMouseEvent(&tme);
}
}

void CZMRTabManager::TrackHotItem(CWnd* pWnd, CPoint point)
{
    if (!CZMRDrawHelpers::IsTopOwnerForeground(pWnd ? pWnd->GetSafeHwnd() : nullptr) || IsMouseLocked())
    {
        if (m_pHotItem)
        {
            CZMRTabManagerItem* pOld = m_pHotItem;
            m_pHotItem = nullptr;
            RedrawItem(pOld, TRUE);
        }
        return;
    }
    if (GetPaintManager()->m_bHotTracking)
    {
        CZMRTabManagerItem* pItem = HitTest(point);
        if (pItem != m_pHotItem)
        {
            if (m_pHotItem)
                RedrawItem(m_pHotItem, TRUE);
            m_pHotItem = pItem;
            if (pItem)
            {
                RedrawItem(pItem, FALSE);
                RequestMouseLeave(pWnd);
            }
        }
    }
    CZMRTabManagerNavigateButton* pButton = NavigateButtonHitTest(point);
    if (pButton != m_pHotButton)
    {
        if (m_pHotButton)
            RedrawControl(m_pHotButton->GetRect(), TRUE);
        m_pHotButton = pButton;
        if (pButton)
        {
            RedrawControl(pButton->GetRect(), FALSE);
            RequestMouseLeave(pWnd);
        }
    }
}

// ------------------------------------------------------------ mouse-down

BOOL CZMRTabManager::HandleHeaderClick(CWnd* pWnd, CPoint point, BOOL bButtonsOnly)
{
    if (CZMRTabManagerNavigateButton* pButton = NavigateButtonHitTest(point))
    {
        pButton->RunClickLoop(pWnd, point);
        return TRUE;
    }
    if (bButtonsOnly)
        return FALSE;
    CZMRTabManagerItem* pItem = HitTest(point);
    if (!pItem || !ConfirmItemClick(pItem))
        return FALSE;
    if (CanReorderItems())
        DragToNewPosition(pWnd, point, pItem);
    else if (GetPaintManager()->m_bSelectOnPress)
        OnItemClick(pItem);
    else
        TrackItemPress(pWnd, point, pItem);
    return TRUE;
}

void CZMRTabManager::TrackItemPress(CWnd* pWnd, CPoint point, CZMRTabManagerItem* pItem)
{
    const BOOL bHotTracking = GetPaintManager()->m_bHotTracking;
    if (bHotTracking)
        m_pHotItem = pItem;
    m_pPressedItem = pItem;
    Reposition();
    pWnd->SetCapture();

    const HWND hWnd = pWnd->GetSafeHwnd();
    BOOL bClick = FALSE;
    BOOL bInside = pItem->GetRect().PtInRect(point);
    MSG msg;
    bool bLoop = true;
    while (bLoop && ::GetCapture() == hWnd && TakeTabLoopMessage(msg))
    {
        switch (SortTabLoopMessage(msg, hWnd))
        {
        case tabLoopCancel:
            bLoop = false;
            break;
        case tabLoopRelease:
            point = TabLoopPoint(msg);
            bInside = pItem->GetRect().PtInRect(point);
            bClick = TRUE;
            bLoop = false;
            break;
        case tabLoopMove:
        {
            point = TabLoopPoint(msg);
            const BOOL bNowInside = pItem->GetRect().PtInRect(point);
            if (bNowInside != bInside)
            {
                bInside = bNowInside;
                if (bHotTracking)
                {
                    m_pHotItem = bInside ? pItem : nullptr;
                    RedrawItem(pItem, TRUE);
                }
            }
            break;
        }
        default:
            break;
        }
    }

    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    m_pPressedItem = nullptr;
    TrackHotItem(pWnd, point);
    RedrawControl(nullptr, FALSE);
    if (bClick && bInside)
        OnItemClick(pItem);
}

// ------------------------------------------------------------ reorder

void CZMRTabManager::DragToNewPosition(CWnd* pWnd, CPoint point, CZMRTabManagerItem* pItem)
{
    CZMRTabManagerItem* pOldSelected = m_pSelectedItem;
    m_pSelectedItem = pItem;
    if (GetPaintManager()->m_bHotTracking)
        m_pHotItem = pItem;
    Reposition();

    // The places as they stand now stay the drop targets for the whole drag.
    std::vector<CRect> places;
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); i++)
        places.push_back(m_arrItems[i]->GetRect());

    pWnd->SetCapture();
    const HWND hWnd = pWnd->GetSafeHwnd();
    MSG msg;
    bool bLoop = true;
    while (bLoop && ::GetCapture() == hWnd && TakeTabLoopMessage(msg))
    {
        switch (SortTabLoopMessage(msg, hWnd))
        {
        case tabLoopRelease:
            point = TabLoopPoint(msg);
            bLoop = false;
            break;
        case tabLoopCancel:
            bLoop = false;
            break;
        case tabLoopMove:
        {
            point = TabLoopPoint(msg);
            ExchangeAtPlace(places.data(), (int)places.size(), pItem, point);
            break;
        }
        default:
            break;
        }
    }

    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    TrackHotItem(pWnd, point);
    m_pSelectedItem = pOldSelected;
    OnItemClick(pItem);
}

void CZMRTabManager::ExchangeAtPlace(const CRect* pPlaces, int nPlaces, CZMRTabManagerItem* pItem, CPoint point)
{
    const int nCurrent = pItem->GetIndex();
    for (int i = 0; i < nPlaces && i < GetItemCount(); i++)
    {
        if (i == nCurrent || !pPlaces[i].PtInRect(point))
            continue;
        m_arrItems[nCurrent] = m_arrItems[i];
        m_arrItems[i] = pItem;
        OnItemsChanged();
        break;
    }
}

// ------------------------------------------------------------ tooltips

INT_PTR CZMRTabManager::HitTestForTooltip(CWnd* pWnd, CPoint point, TOOLINFO* pToolInfo)
{
    if (IsMouseLocked())
        return -1;
    const HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    int nIndex = -1;
    CZMRTabManagerNavigateButton* pButton = NavigateButtonHitTest(point, FALSE, &nIndex);
    if (pButton && !pButton->GetTooltip().IsEmpty())
    {
        const CRect rc = pButton->GetRect();
        CZMRToolTipContext::FillInToolInfo(pToolInfo, hWnd, rc.left, rc.top, rc.right, rc.bottom, nIndex,
                                           pButton->GetTooltip());
        return nIndex;
    }
    CZMRTabManagerItem* pItem = HitTest(point);
    if (!pItem)
        return -1;
    const int nMode = GetPaintManager()->m_nTooltipMode;
    if (nMode == 0 || (nMode == 2 && pItem->GetWidth() >= pItem->GetContentWidth()))
        return -1;
    const CString strTooltip = GetItemTooltip(pItem);
    if (strTooltip.IsEmpty())
        return -1;
    const CRect rc = pItem->GetRect();
    CZMRToolTipContext::FillInToolInfoEx(pToolInfo, hWnd, rc, pItem->GetIndex(), strTooltip, GetItemCaption(pItem),
                                         strTooltip, nullptr);
    return pItem->GetIndex();
}
