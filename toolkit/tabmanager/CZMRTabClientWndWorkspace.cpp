// One tab group of the tab client: its strip answers through the client
// (paint manager, redraw, icons of the children), activates children and
// drags its tabs within the strip, into other groups or into new ones.
#include "CZMRTabClientWnd.h"
#include "CZMRTabManagerItem.h"
#include "CZMRTabManagerNavigateButton.h"
#include "CZMRTabPaintManager.h"
#include "CZMRMouseManager.h"
#include "ZMRTabCaptureLoop.h"
#include <vector>

CZMRTabClientWnd::CWorkspace::CWorkspace() : m_pClient(nullptr), m_dGroupSize(100.0)
{
}

CZMRTabClientWnd::CWorkspace::~CWorkspace()
{
}

void CZMRTabClientWnd::CWorkspace::Reposition()
{
    if (!m_pClient)
        return;
    if (m_pClient->m_bSuspendRedraw)
        m_pClient->m_bLayoutPending = TRUE;
    else
        m_pClient->RepositionWorkspaces();
}

HICON CZMRTabClientWnd::CWorkspace::GetItemIcon(const CZMRTabManagerItem* pItem) const
{
    if (!m_pClient)
        return CZMRTabManager::GetItemIcon(pItem);
    return m_pClient->GetChildIcon(reinterpret_cast<HWND>(pItem->GetData()));
}

COLORREF CZMRTabClientWnd::CWorkspace::GetItemColor(const CZMRTabManagerItem* pItem) const
{
    const COLORREF clr = m_pClient ? m_pClient->GetChildColor(reinterpret_cast<HWND>(pItem->GetData())) : COLORREF(-1);
    return clr != COLORREF(-1) ? clr : CZMRTabManager::GetItemColor(pItem);
}

CString CZMRTabClientWnd::CWorkspace::GetItemTooltip(const CZMRTabManagerItem* pItem) const
{
    if (!m_pClient)
        return CZMRTabManager::GetItemTooltip(pItem);
    return m_pClient->GetChildTooltip(reinterpret_cast<HWND>(pItem->GetData()));
}

void CZMRTabClientWnd::CWorkspace::SetSelectedItem(CZMRTabManagerItem* pItem)
{
    CZMRTabManager::SetSelectedItem(pItem);
}

CZMRTabPaintManager* CZMRTabClientWnd::CWorkspace::GetPaintManager() const
{
    return m_pClient ? m_pClient->m_pPaintManager : nullptr;
}

void CZMRTabClientWnd::CWorkspace::RedrawControl(LPCRECT lpRect, BOOL /*bNow*/)
{
    if (m_pClient && !m_pClient->m_bSuspendRedraw && m_pClient->GetSafeHwnd())
        ::InvalidateRect(m_pClient->GetSafeHwnd(), lpRect, FALSE);
}

BOOL CZMRTabClientWnd::CWorkspace::CanReorderItems() const
{
    return m_pClient ? m_pClient->m_bReorderAllowed : CZMRTabManager::CanReorderItems();
}

void CZMRTabClientWnd::CWorkspace::EnableItemReorder(BOOL bAllow)
{
    if (m_pClient)
        m_pClient->m_bReorderAllowed = bAllow;
    else
        CZMRTabManager::EnableItemReorder(bAllow);
}

BOOL CZMRTabClientWnd::CWorkspace::IsStaticFrame() const
{
    if (m_pClient && m_pClient->m_bGroupsEnabled)
        return FALSE;
    const CZMRTabPaintManager* pPaintManager = GetPaintManager();
    return pPaintManager && pPaintManager->m_bStaticFrame;
}

BOOL CZMRTabClientWnd::CWorkspace::DrawIcon(CDC* pDC, CPoint pt, CZMRTabManagerItem* pItem, BOOL bDraw,
                                            CSize& szIcon) const
{
    const CZMRTabPaintManager* pPaintManager = GetPaintManager();
    if (!pPaintManager || !pPaintManager->m_bShowIcons)
        return FALSE;
    if (bDraw && pItem)
    {
        if (HICON hIcon = GetItemIcon(pItem))
            ::DrawIconEx(pDC->GetSafeHdc(), pt.x, pt.y, hIcon, szIcon.cx, szIcon.cy, 0, nullptr, DI_NORMAL);
    }
    return TRUE;
}

void CZMRTabClientWnd::CWorkspace::OnItemClick(CZMRTabManagerItem* pItem)
{
    const HWND hWndChild = pItem ? reinterpret_cast<HWND>(pItem->GetData()) : nullptr;
    if (!hWndChild || !m_pClient)
        return;
    m_pClient->ActivateChild(hWndChild);
    const HWND hWndFocus = ::GetFocus();
    const BOOL bFocusInChild = hWndFocus &&
        (hWndFocus == hWndChild || ::IsChild(hWndChild, hWndFocus) || ::GetWindow(hWndFocus, GW_OWNER) == hWndChild);
    if (!bFocusInChild && ::IsWindow(hWndChild))
        ::SetFocus(hWndChild);
}

BOOL CZMRTabClientWnd::CWorkspace::ConfirmItemClick(CZMRTabManagerItem* /*pItem*/)
{
    return TRUE;
}

void CZMRTabClientWnd::CWorkspace::OnNavigateButtonClickEx(CZMRTabManagerNavigateButton* pButton)
{
    if (!pButton || pButton->GetID() != zmrTabNavigateButtonClose || !m_pClient)
        return;
    // The strip's own close button closes the selected tab; with none
    // selected there is nothing to close.
    CZMRTabManagerItem* pItem = pButton->GetItem() ? pButton->GetItem() : GetSelectedItem();
    const HWND hWndChild = pItem ? reinterpret_cast<HWND>(pItem->GetData()) : nullptr;
    if (!hWndChild || !::IsWindow(hWndChild))
        return;
    ::PostMessageW(m_pClient->GetSafeHwnd(), WM_IDLEUPDATECMDUI, 0, 0);
    ::SendMessageW(hWndChild, WM_CLOSE, 0, 0);
}

BOOL CZMRTabClientWnd::CWorkspace::IsMouseLocked() const
{
    return CZMRMouseManager::GetThreadMouseManager()->IsMouseLocked(nullptr);
}

CWnd* CZMRTabClientWnd::CWorkspace::GetClientWindow() const
{
    return m_pClient;
}

void CZMRTabClientWnd::CWorkspace::DragToNewPosition(CWnd* pWnd, CPoint point, CZMRTabManagerItem* pItem)
{
    CZMRTabClientWnd* pClient = m_pClient;
    if (!pClient || !pWnd)
        return;
    if (pClient->GetWorkspaceCount() == 1 && GetItemCount() == 1)
    {
        OnItemClick(pItem);
        return;
    }

    m_pSelectedItem = pItem;
    pClient->m_bSuspendRedraw = TRUE;
    pClient->SetActiveWorkspace(this);
    pClient->m_bSuspendRedraw = FALSE;
    if (GetPaintManager()->m_bHotTracking)
        m_pHotItem = pItem;
    pWnd->SetCapture();
    Reposition();

    std::vector<CRect> places;
    for (int i = 0; i < GetItemCount(); i++)
        places.push_back(GetItem(i)->GetRect());

    const HWND hWnd = pWnd->GetSafeHwnd();
    BOOL bRelease = FALSE;
    MSG msg;
    bool bLoop = true;
    // A WM_QUIT met here is posted again for the outer loop and ends the drag.
    while (bLoop && ::GetCapture() == hWnd && TakeTabLoopMessage(msg))
    {
        switch (SortTabLoopMessage(msg, hWnd))
        {
        case tabLoopCancel:
            bLoop = false;
            break;
        case tabLoopRelease:
            point = TabLoopPoint(msg);
            bRelease = TRUE;
            bLoop = false;
            break;
        case tabLoopMove:
            point = TabLoopPoint(msg);
            if (m_rcHeader.IsRectEmpty() || m_rcHeader.PtInRect(point))
            {
                if (pClient->IsFeedbackShown())
                    pClient->EndFeedback();
                ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
                ExchangeAtPlace(places.data(), (int)places.size(), pItem, point);
            }
            else if (pClient->m_bGroupsEnabled)
            {
                if (!pClient->IsFeedbackShown())
                    pClient->StartFeedback();
                pClient->UpdateDragTarget(point, pItem);
            }
            break;
        default:
            break;
        }
    }

    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    TrackHotItem(pWnd, point);
    OnItemClick(pItem);
    if (pClient->IsFeedbackShown())
    {
        CWorkspace* pTarget = pClient->m_pDropTarget;
        const int nAction = pClient->m_nDropAction;
        pClient->EndFeedback();
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        if (bRelease && nAction == dropClient)
            pClient->ShowWorkspacePopup(point);
        else if (bRelease && nAction >= dropGroup)
            pClient->MoveItemToGroup(pItem, pTarget, nAction);
    }
    if (CZMRTabManager* pStrip = pItem->GetTabManager())
        pStrip->EnsureVisible(pItem);
}
