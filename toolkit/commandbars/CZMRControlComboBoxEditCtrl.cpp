#include "CZMRControlComboBoxEditCtrl.h"
#include "CZMRControlComboBox.h"
#include "CZMRControlEditCtrl.h"
#include "CZMRCommandBar.h"
#include "CZMRKeyboardManager.h"

IMPLEMENT_DYNAMIC(CZMRControlComboBoxEditCtrl, CZMREdit)

LRESULT CZMRControlComboBoxEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CZMRControlComboBox* pCombo = m_pCombo;
    ZMREditWindow::RelayToToolTips(pCombo, this, message, wParam, lParam);
    if (!pCombo)
        return CZMREdit::WindowProc(message, wParam, lParam);

    CZMRCommandBar* pBar = pCombo->GetParent();
    switch (message)
    {
    case WM_SETFOCUS:
    {
        if (pCombo->IsCustomizeMode())
            break;
        pCombo->OnEditSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
        return CZMREdit::WindowProc(message, wParam, lParam);
    }
    case WM_KILLFOCUS:
    {
        m_bImeComposing = FALSE;
        const LRESULT lResult = CZMREdit::WindowProc(message, wParam, lParam);
        pCombo->OnEditKillFocus();
        return lResult;
    }
    case WM_DESTROY:
        pCombo->OnWindowDestroyed(GetText());
        break;
    case WM_LBUTTONDOWN:
        if (pCombo->IsCustomizeMode())
        {
            pCombo->OnClick(FALSE, ZMREditWindow::ToBar(pCombo, this, lParam));
            return 0;
        }
        break;
    case WM_RBUTTONDOWN:
        if (pCombo->IsCustomizeMode())
        {
            if (pBar && pBar->GetSafeHwnd())
            {
                const CPoint pt = ZMREditWindow::ToBar(pCombo, this, lParam);
                pBar->SendMessage(message, wParam, MAKELPARAM(pt.x, pt.y));
            }
            return 0;
        }
        if (pCombo->IsPopupOpen() && pBar)
            pBar->SetPoppedControl(-1);
        pCombo->SetFocused(TRUE);
        if (ShowContextMenu(pCombo, CPoint(short(LOWORD(lParam)), short(HIWORD(lParam)))))
            return 0;
        break;
    case WM_MOUSEMOVE:
    {
        const LRESULT lResult = CZMREdit::WindowProc(message, wParam, lParam);
        if (pBar && pBar->GetSafeHwnd())
        {
            const CPoint pt = ZMREditWindow::ToBar(pCombo, this, lParam);
            pBar->SendMessage(message, wParam, MAKELPARAM(pt.x, pt.y));
        }
        return lResult;
    }
    case WM_KEYDOWN:
        if (wParam == VK_RETURN && ::GetFocus() == m_hWnd)
        {
            pCombo->OnExecute();
            return 0;
        }
        break;
    case WM_MOUSEWHEEL:
    {
        // The wheel comes to the window that has the focus; the bars that
        // take the keys take it too (the open list scrolls, a focused combo
        // box steps through its list), unless one of them lets it through.
        CZMRKeyboardManager* pKeyboardManager = CZMRKeyboardManager::GetThreadKeyboardManager();
        if (pKeyboardManager->GetSinkCount() > 0 && pKeyboardManager->DispatchKeyToSinks(message, wParam, lParam))
            return 0;
        break;
    }
    case ZMR_WM_TOOLTIPEDITWINDOW:
        return 1;
    case ZMR_WM_CLOSEDROPDOWN:
        if (pCombo->IsPopupOpen() && pCombo->GetCommandBar())
            pCombo->GetCommandBar()->SetMenuLoopActive(FALSE);
        return 0;
    }
    return CZMREdit::WindowProc(message, wParam, lParam);
}

BOOL CZMRControlComboBoxEditCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && m_pCombo)
    {
        m_pCombo->OnWindowTextChanged();
        return TRUE;
    }
    return CZMREdit::OnChildNotify(message, wParam, lParam, pResult);
}
