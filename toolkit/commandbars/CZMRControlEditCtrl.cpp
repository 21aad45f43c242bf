#include "CZMRControlEditCtrl.h"
#include "CZMRControlEdit.h"
#include "CZMRBarManager.h"
#include "CZMRCommandBar.h"
#include "CZMRToolTipContext.h"
#include "CZMRControlComboBoxAutoCompleteWnd.h"
#include "CZMRControls.h"
#include "CZMRImageManager.h"
#include "CZMRPaintManager.h"

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

BOOL ZMREditWindow::NeedsNewWindow(CZMREdit* pEdit, HWND hWndBar)
{
    if (!pEdit || !pEdit->GetSafeHwnd())
        return FALSE;
    // A child of a right-to-left bar takes the bar's direction, so only a
    // real difference counts.
    const BOOL bRtl = (pEdit->GetExStyle() & WS_EX_LAYOUTRTL) != 0;
    const BOOL bBarRtl = hWndBar && (::GetWindowLongW(hWndBar, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    return bRtl != bBarRtl || ::GetParent(pEdit->GetSafeHwnd()) != hWndBar;
}

void ZMREditWindow::Show(CZMRControl* pControl, CZMREdit* pEdit)
{
    if (!pEdit || !pEdit->GetSafeHwnd())
        return;
    CZMRCommandBar* pBar = pControl->GetParent();
    const BOOL bShow = pControl->GetControls() && pBar && pControl->IsVisible() && pBar->GetSafeHwnd();
    pEdit->SetWindowPos(nullptr, 0, 0, 0, 0,
                        SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                            (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void ZMREditWindow::ApplyFont(CZMRControl* pControl, CZMREdit* pEdit)
{
    CFont* pFont = pControl->GetPaintManager()->GetControlFont(pControl);
    pEdit->SendMessage(WM_SETFONT, WPARAM(pFont ? pFont->GetSafeHandle() : nullptr), FALSE);
    pEdit->SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
}

CZMRImageManagerIcon* ZMREditWindow::GetEditIcon(CZMRControl* pControl, int nEditIconId)
{
    if (nEditIconId <= 0)
        return nullptr;
    CZMRImageManager* pImageManager = pControl->GetImageManager();
    return pImageManager ? pImageManager->GetImage(UINT(nEditIconId), 0) : nullptr;
}

CZMRControlComboBoxAutoCompleteWnd* ZMREditWindow::CreateAutoComplete(CZMREdit* pEdit, DWORD dwFlags)
{
    if (!dwFlags || !pEdit || !pEdit->GetSafeHwnd())
        return nullptr;
    CZMRControlComboBoxAutoCompleteWnd* pAutoComplete = new CZMRControlComboBoxAutoCompleteWnd;
    if (FAILED(pAutoComplete->Enable(pEdit->GetSafeHwnd(), dwFlags)))
    {
        delete pAutoComplete;
        return nullptr;
    }
    return pAutoComplete;
}

void ZMREditWindow::RememberFocusOrigin(CZMRCommandBar* pBar, CWnd* pWndOld)
{
    if (!pBar || pBar->GetFocusReturnWindow())
        return;
    HWND hWndOld = pWndOld ? pWndOld->GetSafeHwnd() : nullptr;
    if (!hWndOld && pBar->GetSite())
        hWndOld = pBar->GetSite()->GetSafeHwnd();
    pBar->SetFocusReturnWindow(hWndOld);
}

void ZMREditWindow::GiveFocusBack(CZMRCommandBar* pBar)
{
    HWND hWndBack = pBar ? pBar->GetFocusReturnWindow() : nullptr;
    if (!hWndBack && pBar && pBar->GetSite())
        hWndBack = pBar->GetSite()->GetSafeHwnd();
    ::SetFocus(hWndBack);
}

void ZMREditWindow::SelectAllOnFocus(CZMREdit* pEdit)
{
    if (!pEdit || !pEdit->GetSafeHwnd())
        return;
    pEdit->SendMessage(EM_SETSEL, 0, 0);
    pEdit->SendMessage(EM_SCROLLCARET);
    pEdit->PostMessage(EM_SETSEL, 0, -1);
}

void ZMREditWindow::GetColours(CZMRControl* pControl, BOOL bHint, COLORREF& clrText, COLORREF& clrBack)
{
    CZMRPaintManager* pPaintManager = pControl->GetPaintManager();
    clrText = pPaintManager->GetColor(pControl->GetEnabled() && !bHint ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    clrBack = pPaintManager->GetEditFieldBackColor(pControl);
}

BOOL ZMREditWindow::HasFocus(CZMREdit* pEdit)
{
    return pEdit && pEdit->GetSafeHwnd() && ::GetFocus() == pEdit->GetSafeHwnd();
}

void ZMREditWindow::DestroyWindow(CZMREdit* pEdit)
{
    if (pEdit && pEdit->GetSafeHwnd())
        pEdit->DestroyWindow();
}

void ZMREditWindow::Delete(CZMREdit* pEdit)
{
    DestroyWindow(pEdit);
    delete pEdit;
}

BOOL ZMREditWindow::Create(CZMRControl* pControl, CZMREdit* pEdit, DWORD dwEditStyle)
{
    if (!pEdit->CreateEditWindow(dwEditStyle | WS_CHILD | ES_AUTOHSCROLL, pControl->GetParent()))
        return FALSE;
    if (!pControl->GetEnabled())
        pEdit->EnableWindow(FALSE);
    return TRUE;
}

BOOL ZMREditWindow::Enable(CZMRControl* pControl, CZMREdit* pEdit)
{
    if (!pEdit || !pEdit->GetSafeHwnd())
        return FALSE;
    pEdit->EnableWindow(pControl->GetEnabled());
    return TRUE;
}

const CString& ZMREditWindow::ReadText(CZMREdit* pEdit, CString& strKept, BOOL& bStale)
{
    if (bStale && pEdit && pEdit->GetSafeHwnd())
    {
        strKept = pEdit->GetText();
        bStale = FALSE;
    }
    return strKept;
}

void ZMREditWindow::WriteText(CZMREdit* pEdit, const CString& strText, CString& strKept, BOOL& bStale)
{
    if (pEdit && pEdit->GetSafeHwnd() && pEdit->GetText() != strText)
        pEdit->SetText(strText);
    strKept = strText;
    bStale = FALSE;
}

BOOL ZMREditWindow::IsTypedChange(CZMREdit* pEdit)
{
    return pEdit && ::GetFocus() == pEdit->GetSafeHwnd() && !pEdit->IsSettingText();
}

void ZMREditWindow::ClearMargins(CZMREdit* pEdit)
{
    if (pEdit && pEdit->GetSafeHwnd())
        pEdit->SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
}

BOOL ZMREditWindow::IsHint(const CString& strText, const CString& strHint)
{
    return !strHint.IsEmpty() && strText == strHint;
}

CString ZMREditWindow::GetShownText(const CString& strDisplay, const CString& strHint)
{
    return strDisplay.IsEmpty() ? strHint : strDisplay;
}

void ZMREditWindow::MakeRoomForIcon(CZMRControl* pControl, int nEditIconId, CRect& rc)
{
    if (CZMRImageManagerIcon* pImage = GetEditIcon(pControl, nEditIconId))
        rc.left += pImage->GetExtent().cx + 2;
}

BOOL ZMREditWindow::IsCaptionShown(const CZMRControl* pControl, BOOL bLabel)
{
    if (pControl->GetParent() && pControl->GetParent()->GetType() == zmrBarTypePopup)
        return TRUE;
    if (pControl->GetCaption().IsEmpty())
        return FALSE;
    const int nStyle = pControl->GetStyle();
    if (nStyle == zmrButtonCaption || nStyle == zmrButtonIconAndCaption || nStyle == zmrButtonIconAndCaptionBelow)
        return TRUE;
    return bLabel;
}

DWORD ZMREditWindow::GetDockHideFlags(DWORD dwHideFlags, DWORD dwMode)
{
    return (dwMode & LM_VERTDOCK) ? (dwHideFlags | zmrHideDock) : (dwHideFlags & ~DWORD(zmrHideDock));
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
