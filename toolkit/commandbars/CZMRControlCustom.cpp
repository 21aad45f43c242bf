#include "CZMRControlCustom.h"
#include "CZMRControlListItem.h"
#include "CZMRControls.h"
#include "CZMRCommandBar.h"
#include "CZMRBarManager.h"
#include "CZMRHookManager.h"
#include "CZMRPropExchange.h"

IMPLEMENT_SERIAL(CZMRControlCustom, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRControlCustom::CZMRControlCustom()
    : m_hwndControl(nullptr), m_rcBorders(0, 0, 0, 0), m_bWindowShown(TRUE), m_szControl(0, 0),
      m_nVerticalOptions(verticalHide), m_nControlId(0)
{
    m_dwFlags |= zmrFlagNoMovable;
}

CZMRControlCustom::~CZMRControlCustom()
{
    GetHookManager()->RemoveAll(this);
}

void CZMRControlCustom::AttachWindow(HWND hWnd)
{
    GetHookManager()->RemoveAll(this);
    m_hwndControl = hWnd;
    if (hWnd && ::IsWindow(hWnd))
    {
        CRect rc;
        ::GetWindowRect(hWnd, &rc);
        m_szControl = rc.Size();
        GetHookManager()->SetHook(hWnd, this);
    }
    InvalidateParentLayout();
}

BOOL CZMRControlCustom::HasShownWindow() const
{
    return m_hwndControl && ::IsWindow(m_hwndControl) && ::IsWindowVisible(m_hwndControl);
}

void CZMRControlCustom::SyncWindowVisibility()
{
    if ((m_pControls && m_pControls->IsOriginalControls()) || !m_pParent || !m_hwndControl)
        return;
    if (::GetParent(m_hwndControl) != m_pParent->GetSafeHwnd())
        return;
    const BOOL bShow = m_bWindowShown && IsVisible(0) && m_pParent->GetSafeHwnd();
    ::SetWindowPos(m_hwndControl, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                       (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void CZMRControlCustom::SetEnabled(int bEnabled)
{
    if (m_bEnabled == bEnabled)
        return;
    m_bEnabled = bEnabled;
    if (m_hwndControl && ::IsWindow(m_hwndControl))
        ::EnableWindow(m_hwndControl, bEnabled);
    RepaintInParentBar();
}

void CZMRControlCustom::SetRect(CRect rcControl)
{
    HWND hWndBar = m_pParent ? m_pParent->GetSafeHwnd() : nullptr;
    if (rcControl == m_rcControl && (!m_hwndControl || (hWndBar && ::GetParent(m_hwndControl) == hWndBar)))
        return;
    m_rcControl = rcControl;
    // A stale handle is never moved or re-parented. Any window qualifies,
    // also one that no framework object wraps (attached by its handle).
    if (!m_hwndControl || !::IsWindow(m_hwndControl) || !hWndBar)
        return;
    ::SetParent(m_hwndControl, hWndBar);
    const LONG lStyle = ::GetWindowLongW(m_hwndControl, GWL_STYLE);
    ::SetWindowLongW(m_hwndControl, GWL_STYLE, (lStyle & ~WS_POPUP) | WS_CHILD);
    const int x = rcControl.left + m_rcBorders.left;
    const int y = rcControl.top + m_rcBorders.top;
    ::MoveWindow(m_hwndControl, x, y, rcControl.right - m_rcBorders.right - x, rcControl.bottom - m_rcBorders.bottom - y,
                 TRUE);
    SyncWindowVisibility();
}

void CZMRControlCustom::SetHideFlags(DWORD dwFlags)
{
    if (m_dwHideFlags == dwFlags)
        return;
    m_dwHideFlags = dwFlags;
    SyncWindowVisibility();
    InvalidateParentLayout();
}

CSize CZMRControlCustom::GetSize(CDC* pDC)
{
    if (m_hwndControl && m_bWindowShown)
        return CSize(m_szControl.cx + m_rcBorders.left + m_rcBorders.right,
                     m_szControl.cy + m_rcBorders.top + m_rcBorders.bottom);
    return CZMRControlButton::GetSize(pDC);
}

void CZMRControlCustom::Draw(CDC* pDC)
{
    if (HasShownWindow())
        return;
    CZMRControlButton::Draw(pDC);
}

void CZMRControlCustom::ExpandIntoItems(DWORD dwMode)
{
    const BOOL bVertical = (dwMode & LM_VERTDOCK) != 0;
    switch (m_nVerticalOptions)
    {
    case verticalHide:
        SetHideFlags(bVertical ? (m_dwHideFlags | zmrHideDock) : (m_dwHideFlags & ~DWORD(zmrHideDock)));
        break;
    case verticalButton:
        m_bWindowShown = !bVertical;
        SyncWindowVisibility();
        break;
    default:
        break;
    }
}

void CZMRControlCustom::OnClick(BOOL bKeyboard, CPoint point)
{
    if (!m_hwndControl || !::IsWindowVisible(m_hwndControl) || IsCustomizeMode())
        CZMRControlButton::OnClick(bKeyboard, point);
}

BOOL CZMRControlCustom::CanDropOnBar(CZMRCommandBar* pBar, CPoint /*point*/, DROPEFFECT& dropEffect)
{
    return CZMRControlListItem::CanDropOnBar(pBar, dropEffect);
}

void CZMRControlCustom::OnRemoved()
{
    m_bWindowShown = FALSE;
    SyncWindowVisibility();
    CZMRControlButton::OnRemoved();
}

void CZMRControlCustom::Copy(CZMRControl* pControl, BOOL bRecursive)
{
    if (CZMRControlCustom* pOther = DYNAMIC_DOWNCAST(CZMRControlCustom, pControl))
    {
        m_rcBorders = pOther->m_rcBorders;
        m_nVerticalOptions = pOther->m_nVerticalOptions;
        m_szControl = pOther->m_szControl;
        m_hwndControl = pOther->m_hwndControl;
        m_nControlId = pOther->m_nControlId;
    }
    CZMRControlButton::Copy(pControl, bRecursive);
}

CZMRControl* CZMRControlCustom::Clone(BOOL bRecursive)
{
    CZMRControlCustom* pClone = new CZMRControlCustom;
    pClone->Copy(this, bRecursive);
    return pClone;
}

HWND CZMRControlCustom::FindWindowById(CZMRBarManager* pManager, int nControlId)
{
    if (!pManager || nControlId == 0)
        return nullptr;
    CWnd* pSite = pManager->GetSite();
    if (HWND hWnd = pSite && pSite->GetSafeHwnd() ? ::GetDlgItem(pSite->GetSafeHwnd(), nControlId) : nullptr)
        return hWnd;
    for (int i = 0; i < pManager->GetCount(); i++)
    {
        CZMRCommandBar* pBar = pManager->GetBar(i);
        if (HWND hWnd = pBar && pBar->GetSafeHwnd() ? ::GetDlgItem(pBar->GetSafeHwnd(), nControlId) : nullptr)
            return hWnd;
    }
    return nullptr;
}

void CZMRControlCustom::DoPropExchange(CZMRPropExchange* pPX)
{
    CZMRControlButton::DoPropExchange(pPX);
    if (!pPX)
        return;
    PropExchangeRect(pPX, L"Borders", &m_rcBorders, CRect(0, 0, 0, 0));
    PropExchangeSize(pPX, L"ControlSize", &m_szControl, CSize(0, 0));
    PropExchangeInt(pPX, L"VerticalOptions", &m_nVerticalOptions, 0);
    if (pPX->GetSchema() > 5)
        PropExchangeInt(pPX, L"ControlId", &m_nControlId, 0);
    if (pPX->IsLoading() && m_nControlId != 0)
    {
        const auto* pParam = static_cast<const ZMR_PROPEXCHANGE_PARAM*>(pPX->m_pOwnerContext);
        if (HWND hWnd = FindWindowById(pParam ? pParam->pBarManager : nullptr, m_nControlId))
            m_hwndControl = hWnd;
    }
}

int CZMRControlCustom::HandleHookedMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT&)
{
    if (nMessage == WM_MOUSEMOVE && hWnd == m_hwndControl && m_pParent && m_pParent->GetSafeHwnd())
    {
        CPoint pt(short(LOWORD(lParam)), short(HIWORD(lParam)));
        ::MapWindowPoints(hWnd, m_pParent->GetSafeHwnd(), &pt, 1);
        m_pParent->SendMessage(WM_MOUSEMOVE, wParam, MAKELPARAM(pt.x, pt.y));
    }
    return ZMR_HOOK_NOTHANDLED;
}
