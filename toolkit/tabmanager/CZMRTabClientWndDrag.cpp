// Where a tab dragged out of its strip would go, the outline that shows it,
// and the group menu of a drop that hit no target.
#include "CZMRTabClientWnd.h"
#include "CZMRTabManagerItem.h"
#include "CZMRControls.h"
#include "CZMRPopupBar.h"

namespace
{
// How near the bottom or right edge of a group the pointer must come to
// offer a new group there.
const int NewGroupEdge = 30;
}

void CZMRTabClientWnd::UpdateDragTarget(CPoint point, CZMRTabManagerItem* pItem)
{
    m_pDropTarget = nullptr;
    m_nDropAction = dropNone;
    CRect rcFeedback(0, 0, 0, 0);

    CRect rcClient;
    ::GetClientRect(m_hWnd, rcClient);
    if (!rcClient.PtInRect(point))
    {
        ::SetCursor(m_hNoDropCursor);
    }
    else
    {
        ::SetCursor(m_hDragCursor);
        m_nDropAction = dropClient;
        const int nCount = GetWorkspaceCount();
        for (int i = 0; i < nCount; i++)
        {
            CWorkspace* pWorkspace = m_arrWorkspaces[i];
            const BOOL bMovable = !(pWorkspace == pItem->GetTabManager() && pWorkspace->GetItemCount() == 1);
            const CRect rcControl = pWorkspace->GetControlRect();
            const BOOL bInGroup = rcControl.PtInRect(point);
            if (pWorkspace->GetHeaderRect().PtInRect(point))
            {
                rcFeedback = pWorkspace->GetClientRect();
                m_nDropAction = dropGroup;
            }
            else if ((nCount == 1 || m_bGroupsStacked) && bMovable && bInGroup && rcControl.bottom - point.y > 0 &&
                     rcControl.bottom - point.y < NewGroupEdge)
            {
                rcFeedback = rcControl;
                rcFeedback.top = rcControl.top + rcControl.Height() / 2;
                m_nDropAction = dropNewBelow;
            }
            else if ((nCount == 1 || !m_bGroupsStacked) && bMovable && bInGroup && rcControl.right - point.x > 0 &&
                     rcControl.right - point.x < NewGroupEdge)
            {
                rcFeedback = rcControl;
                rcFeedback.left = rcControl.left + rcControl.Width() / 2;
                m_nDropAction = dropNewRight;
            }
            else
            {
                continue;
            }
            m_pDropTarget = pWorkspace;
            break;
        }
    }

    if (rcFeedback != m_rcFeedback)
    {
        m_rcFeedback = rcFeedback;
        DrawFeedback();
    }
}

void CZMRTabClientWnd::StartFeedback()
{
    if (m_pFeedbackDC)
        return;
    // What is still to be painted goes first, or the outline would be drawn over.
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessageW(&msg);
    m_rcFeedback.SetRectEmpty();
    m_rcLastFeedback.SetRectEmpty();
    m_szLastFeedback = CSize(0, 0);
    m_pDropTarget = nullptr;
    m_nDropAction = dropNone;

    CWnd* pDesktop = CWnd::GetDesktopWindow();
    m_bFeedbackLocked = pDesktop->LockWindowUpdate();
    m_pFeedbackDC = pDesktop->GetDCEx(nullptr, DCX_WINDOW | DCX_CACHE | (m_bFeedbackLocked ? DCX_LOCKWINDOWUPDATE : 0));
}

void CZMRTabClientWnd::DrawFeedback()
{
    if (!m_pFeedbackDC)
        return;
    CRect rcScreen = m_rcFeedback;
    ClientToScreen(rcScreen);
    const CSize szBorder = m_rcFeedback.IsRectEmpty()
        ? CSize(0, 0)
        : CSize(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
    m_pFeedbackDC->DrawDragRect(rcScreen, szBorder, m_rcLastFeedback, m_szLastFeedback);
    m_rcLastFeedback = rcScreen;
    m_szLastFeedback = szBorder;
}

void CZMRTabClientWnd::EndFeedback()
{
    if (!m_pFeedbackDC)
        return;
    m_pFeedbackDC->DrawDragRect(m_rcLastFeedback, CSize(0, 0), m_rcLastFeedback, m_szLastFeedback);
    if (m_bFeedbackLocked)
        CWnd::UnlockWindowUpdate();
    CWnd::GetDesktopWindow()->ReleaseDC(m_pFeedbackDC);
    m_pFeedbackDC = nullptr;
    m_bFeedbackLocked = FALSE;
    m_rcFeedback.SetRectEmpty();
    m_pDropTarget = nullptr;
    m_nDropAction = dropNone;
}

void CZMRTabClientWnd::ShowWorkspacePopup(CPoint point)
{
    CZMRPopupBar* pPopup = CZMRPopupBar::CreatePopupBar(m_pCommandBars);
    if (!pPopup)
        return;
    CZMRControls* pControls = pPopup->GetControls();
    pControls->AddControl(new CZMRControlWorkspaceActions, ZMR_ID_WORKSPACE_ACTIONS);
    CZMRControl* pCancel = pControls->Add(zmrControlButton, ZMR_ID_WORKSPACE_CANCEL);
    pCancel->SetBeginGroup(TRUE);
    pCancel->SetFlags(pCancel->GetFlags() | zmrFlagManualUpdate);
    ClientToScreen(&point);
    // The chosen command comes back here, where the groups are.
    CZMRCommandBar::TrackPopupBar(pPopup, 0, point.x, point.y, m_pFrame, nullptr, this);
    pPopup->InternalRelease();
}
