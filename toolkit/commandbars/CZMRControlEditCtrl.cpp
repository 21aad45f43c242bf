#include "CZMRControlEditCtrl.h"
#include "CZMRControlEdit.h"
#include "CZMRBarManager.h"
#include "CZMRCommandBar.h"
#include "CZMRToolTipContext.h"

IMPLEMENT_DYNAMIC(CZMRControlEditCtrl, CZMREdit)

void ZMREditWindow::RelayToToolTips(CZMRControl* pControl, CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CZMRBarManager* pManager = pControl ? pControl->GetBarManager() : nullptr;
    if (CZMRToolTipContext* pContext = pManager ? pManager->GetToolTipContext() : nullptr)
        pContext->FilterMouseMessage(pWnd, message, wParam, lParam);
}

CPoint ZMREditWindow::ToBar(CZMRControl* pControl, CWnd* pWnd, LPARAM lParam)
{
    CPoint point(short(LOWORD(lParam)), short(HIWORD(lParam)));
    if (CZMRCommandBar* pBar = pControl ? pControl->GetParent() : nullptr)
        ::MapWindowPoints(pWnd->GetSafeHwnd(), pBar->GetSafeHwnd(), &point, 1);
    return point;
}

LRESULT CZMRControlEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CZMRControlEdit* pControl = m_pControl;
    ZMREditWindow::RelayToToolTips(pControl, this, message, wParam, lParam);
    if (!pControl)
        return CZMREdit::WindowProc(message, wParam, lParam);

    CZMRCommandBar* pBar = pControl->GetParent();
    switch (message)
    {
    case WM_SETFOCUS:
    {
        const LRESULT lResult = CZMREdit::WindowProc(message, wParam, lParam);
        if (!pControl->IsCustomizeMode())
            pControl->OnEditSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
        return lResult;
    }
    case WM_KILLFOCUS:
    {
        m_bImeComposing = FALSE;
        const LRESULT lResult = CZMREdit::WindowProc(message, wParam, lParam);
        pControl->OnEditKillFocus();
        return lResult;
    }
    case WM_DESTROY:
        pControl->OnWindowDestroyed(GetText());
        break;
    case WM_LBUTTONDOWN:
        if (pControl->IsCustomizeMode())
        {
            pControl->OnClick(FALSE, ZMREditWindow::ToBar(pControl, this, lParam));
            return 0;
        }
        break;
    case WM_RBUTTONDOWN:
        if (pControl->IsCustomizeMode())
        {
            if (pBar && pBar->GetSafeHwnd())
            {
                const CPoint pt = ZMREditWindow::ToBar(pControl, this, lParam);
                pBar->SendMessage(message, wParam, MAKELPARAM(pt.x, pt.y));
            }
            return 0;
        }
        pControl->SetFocused(TRUE);
        if (ShowContextMenu(pControl, CPoint(short(LOWORD(lParam)), short(HIWORD(lParam)))))
            return 0;
        break;
    case WM_MOUSEMOVE:
        if (pBar && pBar->GetSafeHwnd())
        {
            const CPoint pt = ZMREditWindow::ToBar(pControl, this, lParam);
            pBar->SendMessage(message, wParam, MAKELPARAM(pt.x, pt.y));
        }
        break;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN && ::GetFocus() == m_hWnd)
        {
            pControl->OnExecute();
            return 0;
        }
        break;
    case ZMR_WM_TOOLTIPEDITWINDOW:
        return 1;
    }
    return CZMREdit::WindowProc(message, wParam, lParam);
}

BOOL CZMRControlEditCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && m_pControl)
    {
        m_pControl->OnWindowTextChanged();
        return TRUE;
    }
    return CZMREdit::OnChildNotify(message, wParam, lParam, pResult);
}
