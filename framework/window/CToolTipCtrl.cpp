#include "window/CToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

CToolTipCtrl::CToolTipCtrl() = default;

CToolTipCtrl::~CToolTipCtrl()
{
    DestroyWindow();
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_WIN95_CLASSES };
    ::InitCommonControlsEx(&icc);
    HWND hWndOwner = pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr;
    return CreateEx(WS_EX_TOOLWINDOW, TOOLTIPS_CLASSW, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, hWndOwner, nullptr);
}

void CToolTipCtrl::FillInToolInfo(TOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool) const
{
    ti = {};
    ti.cbSize = sizeof(ti);
    HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
    if (nIDTool == 0)
    {
        // The whole window is the tool; the tooltip's owner gets its notifications.
        ti.hwnd = ::GetParent(hWnd);
        ti.uFlags = TTF_IDISHWND;
        ti.uId = reinterpret_cast<UINT_PTR>(hWnd);
    }
    else
    {
        ti.hwnd = hWnd;
        ti.uId = nIDTool;
    }
}

void CToolTipCtrl::Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, bActivate); }

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    if (pWnd == nullptr)
        return FALSE;
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != nullptr)
        ti.rect = *lpRectTool;
    else if (nIDTool != 0)
        pWnd->GetClientRect(&ti.rect);
    ti.uFlags |= TTF_SUBCLASS;
    ti.lpszText = const_cast<LPTSTR>(lpszText);
    return (BOOL)SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg)); }

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    // Tip texts of the common controls are at most 1024 characters long.
    ti.lpszText = str.GetBufferSetLength(1024);
    ti.lpszText[0] = 0;
    SendMessage(TTM_GETTEXT, 1024 + 1, reinterpret_cast<LPARAM>(&ti));
    str.ReleaseBuffer();
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = const_cast<LPTSTR>(lpszText);
    SendMessage(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool)
{
    CString str;
    str.LoadString(nIDText);
    UpdateTipText(str, pWnd, nIDTool);
}

void CToolTipCtrl::SetDelayTime(UINT nDelay) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, (LPARAM)(INT)nDelay); }
void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime)
{
    SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
}
int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const { return (int)SendMessage(TTM_GETDELAYTIME, dwDuration); }
int CToolTipCtrl::SetMaxTipWidth(int iWidth) { return (int)SendMessage(TTM_SETMAXTIPWIDTH, 0, iWidth); }
void CToolTipCtrl::SetTipBkColor(COLORREF clr) { SendMessage(TTM_SETTIPBKCOLOR, clr); }
void CToolTipCtrl::SetTipTextColor(COLORREF clr) { SendMessage(TTM_SETTIPTEXTCOLOR, clr); }
void CToolTipCtrl::SetMargin(LPRECT lprc) { SendMessage(TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(lprc)); }
BOOL CToolTipCtrl::SetTitle(UINT uIcon, LPCTSTR lpstrTitle)
{
    return (BOOL)SendMessage(TTM_SETTITLEW, uIcon, reinterpret_cast<LPARAM>(lpstrTitle));
}
