// Tracking a popup bar for a caller: the modal loop that runs until the
// popup closes, and the result it hands back.
#include "CZMRCommandBar.h"
#include "CZMRPopupBar.h"
#include "CZMRBarManager.h"
#include "CZMRMouseManager.h"

int CZMRCommandBar::TrackPopupBar(CZMRCommandBar* pPopup, UINT nFlags, int x, int y, CWnd* pOwner,
                                  LPCRECT lprcExclude, CWnd* pCommandReceiver)
{
    if (!pPopup)
        return 0;
    // A context menu asked for from the keyboard shows its access keys. Its
    // point (-1, -1) comes as 32 bits, widened or not, so only those count.
    const MSG* pLastSent = CWnd::GetCurrentMessage();
    if (pLastSent && pLastSent->message == WM_CONTEXTMENU && DWORD(pLastSent->lParam) == 0xFFFFFFFF)
    {
        if (CZMRBarManager* pManager = pPopup->GetBarManager())
            pManager->ShowKeyboardCues(TRUE);
    }
    if (!pOwner)
        pOwner = pPopup->GetSite();
    pPopup->SetSiteOverride(pOwner);
    pPopup->SetCommandReceiver(pCommandReceiver);
    if (pOwner && pOwner->GetSafeHwnd() && (pOwner->GetExStyle() & (WS_EX_LAYOUTRTL | WS_EX_RIGHT)))
        nFlags |= zmrTrackRightAligned;

    int nResult = 1;
    if (nFlags & zmrTrackReturnCmd)
    {
        nResult = 0;
        pPopup->m_pReturnCmd = &nResult;
    }
    pPopup->SetTrackFlags(nFlags);
    CZMRPopupBar* pPopupBar = DYNAMIC_DOWNCAST(CZMRPopupBar, pPopup);
    if (pPopupBar)
        pPopupBar->SetDirection((nFlags & zmrTrackRightAligned) ? 3 : 2);

    CZMRMouseManager* pMouseManager = pPopup->GetMouseManager();
    if (!(nFlags & zmrTrackNested))
    {
        pMouseManager->CloseAllTracked();
        ::ReleaseCapture();
    }
    else
    {
        pMouseManager->LockTrackedBars(TRUE);
    }

    if (pPopupBar)
    {
        pPopupBar->SetAnchor(CPoint(x, y));
        if (lprcExclude)
            pPopupBar->SetExcludeRect(*lprcExclude);
    }
    if (!pPopup->OpenAsPopup(nullptr, FALSE))
    {
        pPopup->m_pReturnCmd = nullptr;
        if (nFlags & zmrTrackNested)
            pMouseManager->LockTrackedBars(FALSE);
        return 0;
    }

    pPopup->RunModalLoop();
    // The slot belongs to this call; the popup may open again later.
    pPopup->m_pReturnCmd = nullptr;
    if (nFlags & zmrTrackNested)
        pMouseManager->LockTrackedBars(FALSE);
    return nResult;
}

void CZMRCommandBar::RunModalLoop()
{
    CZMRMouseManager* pMouseManager = GetMouseManager();
    // The bar may be released by what runs inside the loop.
    InternalAddRef();
    while (m_bTracking)
    {
        MSG msg;
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            ::WaitMessage();
            continue;
        }
        // A press outside every tracked bar ends tracking; the press stays
        // in the queue for the window it belongs to.
        if (pMouseManager->IsClickOutside(this, msg.message))
        {
            SetMenuLoopActive(0, TRUE);
            break;
        }
        if (!::GetMessageW(&msg, nullptr, 0, 0))
        {
            // The application is ending: the popup closes and the quit
            // goes on to the loop outside.
            SetMenuLoopActive(0, TRUE);
            ::PostQuitMessage(int(msg.wParam));
            break;
        }
        if (!m_bTracking)
        {
            // Tracking ended while the message was fetched (a hook closed
            // the menus): it goes back to the window it was meant for.
            if (msg.hwnd)
                ::PostMessageW(msg.hwnd, msg.message, msg.wParam, msg.lParam);
            else
                ::PostThreadMessageW(::GetCurrentThreadId(), msg.message, msg.wParam, msg.lParam);
            break;
        }
        if (msg.message == 0x36A)
            continue;
        if (!AfxPreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    InternalRelease();
}
