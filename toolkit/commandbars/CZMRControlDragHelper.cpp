#include "CZMRControlDragHelper.h"
#include "CZMRBarManager.h"
#include "CZMRCommandBar.h"
#include "CZMRControl.h"
#include <windowsx.h>

CZMRControlDragHelper::CZMRControlDragHelper(CZMRBarManager* pBarManager)
    : m_hWndCapture(nullptr), m_pDragged(nullptr), m_bMove(FALSE), m_bCopyCursor(FALSE), m_pDropTarget(nullptr),
      m_hWndCustomize(nullptr), m_ptStart(0, 0), m_pBarManager(pBarManager), m_pContextPopup(nullptr)
{
    // The system's shared cursors: nothing to free.
    m_hcurNoDrop = ::LoadCursor(nullptr, IDC_NO);
    m_hcurMove = ::LoadCursor(nullptr, IDC_ARROW);
    m_hcurCopy = ::LoadCursor(nullptr, IDC_CROSS);
}

CZMRControlDragHelper::~CZMRControlDragHelper()
{
}

int CZMRControlDragHelper::DoDrag(CZMRControl* pControl, BOOL bCopyCursor)
{
    // A drag that cannot start leaves the control where it is: "removed"
    // here would make the caller delete it.
    if (!m_pBarManager)
        return dropCancelled;
    CWnd* pSite = m_pBarManager->GetSite();
    m_hWndCapture = m_hWndCustomize ? m_hWndCustomize : (pSite ? pSite->GetSafeHwnd() : nullptr);
    if (!m_hWndCapture)
        return dropCancelled;

    m_pDragged = pControl;
    ::SetCapture(m_hWndCapture);
    m_bMove = FALSE;
    m_pDropTarget = nullptr;
    m_bCopyCursor = bCopyCursor;
    ::GetCursorPos(&m_ptStart);

    const int nResult = TrackDrag();

    // Cancelled over a bar: its insertion mark goes.
    if (m_pDropTarget)
    {
        m_pDropTarget->OnControlDragLeave();
        m_pDropTarget = nullptr;
    }
    ::ReleaseCapture();
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    m_pDragged = nullptr;
    return nResult;
}

int CZMRControlDragHelper::TrackDrag()
{
    int nResult = dropCancelled;
    BOOL bMoved = FALSE;
    for (;;)
    {
        // Capture taken away (also while a message was dispatched) cancels;
        // it is no drop.
        if (::GetCapture() != m_hWndCapture)
            return dropCancelled;
        // Bars repaint while the drag runs.
        MSG msg;
        // (A quit request passes any filter: it is passed on, not dropped.)
        while (::PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE))
        {
            if (!::GetMessage(&msg, nullptr, WM_PAINT, WM_PAINT))
            {
                AfxPostQuitMessage(int(msg.wParam));
                return dropCancelled;
            }
            ::DispatchMessage(&msg);
        }

        if (!::GetMessage(&msg, nullptr, 0, 0))
        {
            AfxPostQuitMessage(int(msg.wParam));
            return dropCancelled;
        }
        if (::GetCapture() != m_hWndCapture)
            return dropCancelled;

        BOOL bEnd = FALSE;
        switch (msg.message)
        {
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
                return dropCancelled;
            if (msg.wParam == VK_CONTROL && m_bMove)
            {
                m_bMove = FALSE;
                UpdateCursor();
            }
            break;
        case WM_KEYUP:
            if (msg.wParam == VK_CONTROL && !m_bMove)
            {
                m_bMove = TRUE;
                UpdateCursor();
            }
            break;
        case WM_MOUSEMOVE:
        {
            CPoint ptScreen(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
            ::ClientToScreen(msg.hwnd, &ptScreen);
            if (!bMoved)
            {
                bMoved = TRUE;
                // The bar it leaves closes its popup and clears its selection.
                if (CZMRCommandBar* pParent = m_pDragged ? m_pDragged->GetParent() : nullptr)
                {
                    CPoint ptBar = ptScreen;
                    if (pParent->GetSafeHwnd())
                        pParent->ScreenToClient(&ptBar);
                    DROPEFFECT dropEffect = DROPEFFECT(dropCancelled);
                    m_pDragged->OnOtherControlDraggedOver(m_pDragged, ptBar, dropEffect);
                }
            }
            m_bMove = (msg.wParam & MK_CONTROL) == 0;
            FindDropTarget(ptScreen);
            nResult = dropRemoved;
            if (!(msg.wParam & MK_LBUTTON))
                bEnd = TRUE;
            break;
        }
        case WM_LBUTTONUP:
            bEnd = TRUE;
            break;
        case WM_RBUTTONDOWN:
            return dropCancelled;
        default:
            ::DispatchMessage(&msg);
            break;
        }
        if (bEnd)
            break;
    }

    if (!m_pDropTarget)
        return nResult;

    nResult = m_bMove ? dropMoved : dropCopied;
    CZMRCommandBar* pTarget = m_pDropTarget;
    CPoint ptDrop;
    ::GetCursorPos(&ptDrop);
    CPoint ptDrag = m_ptStart;
    pTarget->ScreenToClient(&ptDrop);
    pTarget->ScreenToClient(&ptDrag);
    DROPEFFECT dropEffect = DROPEFFECT(nResult);
    pTarget->OnControlDrop(m_pDragged, dropEffect, ptDrop, ptDrag);
    m_pDropTarget = nullptr;
    return int(dropEffect);
}

void CZMRControlDragHelper::FindDropTarget(CPoint ptScreen)
{
    const HWND hWndUnder = ::WindowFromPoint(ptScreen);
    // Bars registered later (popups opened over others) win.
    CZMRCommandBar* pFound = nullptr;
    for (INT_PTR i = m_arrBars.GetSize() - 1; i >= 0 && !pFound; i--)
    {
        CZMRCommandBar* pBar = m_arrBars[i];
        const HWND hWndBar = pBar->GetSafeHwnd();
        if (!hWndBar || !pBar->IsVisible())
            continue;
        CRect rcBar;
        ::GetWindowRect(hWndBar, &rcBar);
        if (rcBar.PtInRect(ptScreen) && (hWndUnder == hWndBar || ::IsChild(hWndBar, hWndUnder)))
            pFound = pBar;
    }

    if (pFound && pFound == m_pDropTarget)
    {
        CPoint ptClient = ptScreen;
        pFound->ScreenToClient(&ptClient);
        pFound->OnControlDragOver(m_pDragged, ptClient);
    }
    else
    {
        if (m_pDropTarget)
        {
            m_pDropTarget->OnControlDragLeave();
            m_pDropTarget = nullptr;
        }
        if (pFound)
        {
            CPoint ptClient = ptScreen;
            pFound->ScreenToClient(&ptClient);
            if (pFound->OnControlDragEnter(m_pDragged, ptClient) != DROPEFFECT_NONE)
                m_pDropTarget = pFound;
        }
    }
    UpdateCursor();
}

void CZMRControlDragHelper::UpdateCursor()
{
    if (!m_pDropTarget)
        ::SetCursor(m_hcurNoDrop);
    else if (!m_bMove || m_bCopyCursor)
        ::SetCursor(m_hcurCopy);
    else
        ::SetCursor(m_hcurMove);
}

void CZMRControlDragHelper::RegisterBar(CZMRCommandBar* pBar)
{
    m_arrBars.Add(pBar);
}

void CZMRControlDragHelper::UnregisterBar(CZMRCommandBar* pBar)
{
    for (INT_PTR i = m_arrBars.GetSize() - 1; i >= 0; i--)
    {
        if (m_arrBars[i] == pBar)
            m_arrBars.RemoveAt(i);
    }
    // A bar whose window goes during the drag (a popup closing) is no target.
    if (m_pDropTarget == pBar)
        m_pDropTarget = nullptr;
}

void CZMRControlDragHelper::ShowContextMenu(CPoint ptScreen)
{
    if (!m_hWndCustomize || !m_pContextPopup || !m_pBarManager)
        return;
    UINT nFlags = 1;
    if (m_pBarManager->IsRightToLeft())
        nFlags |= 8;
    CZMRCommandBar::TrackPopupBar(m_pContextPopup, nFlags, ptScreen.x, ptScreen.y, m_pBarManager->GetSite(), nullptr,
                                  CWnd::FromHandle(m_hWndCustomize));
}
