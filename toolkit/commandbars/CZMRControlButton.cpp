#include "CZMRControlButton.h"
#include "CZMRCommandBar.h"
#include "CZMRPropExchange.h"

IMPLEMENT_SERIAL(CZMRControlButton, CZMRControl, VERSIONABLE_SCHEMA | 0x21)

CZMRControlButton::CZMRControlButton()
{
    m_controlType = zmrControlButton;
}

BOOL CZMRControlButton::CanStayPressed() const
{
    return !(m_pParent && m_pParent->GetPosition() == zmrBarPopup);
}

void CZMRControlButton::OnClick(BOOL bKeyboard, CPoint point)
{
    if (!GetEnabled())
        return;
    if (IsCustomizeMode())
    {
        BeginCustomizeMove(point);
        return;
    }
    if (bKeyboard)
        OnExecute();
    else if (m_pParent && m_pParent->GetType() != zmrBarTypePopup)
        TrackPress();
}

void CZMRControlButton::OnLButtonUp(CPoint /*point*/)
{
    if (GetEnabled() && m_pParent &&
        (m_pParent->GetType() == zmrBarTypePopup || m_pParent->GetPosition() == zmrBarPopup))
        OnExecute();
}

void CZMRControlButton::TrackPress(CRect rcPress)
{
    if (!m_pParent || !m_pParent->GetSafeHwnd())
        return;
    if (rcPress.IsRectEmpty())
        rcPress = m_rcControl;
    CZMRCommandBar* pBar = m_pParent;
    pBar->SetPoppedControl(-1);
    pBar->SetHotControl(m_nIndex, 0);
    m_bPressed = 1;
    RepaintInParentBar(TRUE);
    InternalAddRef();

    const BOOL bRepeat = m_nExecuteOnPressInterval > 0;
    HWND hWndBar = pBar->GetSafeHwnd();
    ::SetCapture(hWndBar);
    if (bRepeat)
    {
        ::SetTimer(hWndBar, ZMR_TIMER_EXECUTEONPRESS, UINT(m_nExecuteOnPressInterval), nullptr);
        ExecuteCommand();
    }

    BOOL bReleasedInside = FALSE;
    BOOL bMoved = FALSE;
    CPoint ptLast(0, 0);
    while (::IsWindow(hWndBar) && ::GetCapture() == hWndBar)
    {
        MSG msg;
        if (!::GetMessageW(&msg, nullptr, 0, 0))
        {
            ::PostQuitMessage(int(msg.wParam));
            break;
        }
        if (msg.message == WM_LBUTTONUP)
        {
            bReleasedInside = m_bSelected && (!bMoved || rcPress.PtInRect(ptLast));
            break;
        }
        if (m_pParent != pBar)
            break;
        if (msg.message == WM_TIMER && msg.hwnd == hWndBar && msg.wParam == ZMR_TIMER_EXECUTEONPRESS)
        {
            if (m_bSelected)
                ExecuteCommand();
        }
        else if (msg.message == WM_MOUSEMOVE && msg.hwnd == hWndBar)
        {
            ptLast = CPoint(short(LOWORD(msg.lParam)), short(HIWORD(msg.lParam)));
            bMoved = TRUE;
            if (OnSelectionChange(rcPress.PtInRect(ptLast) ? 1 : 0))
                RepaintInParentBar(TRUE);
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }

    if (bRepeat && ::IsWindow(hWndBar))
        ::KillTimer(hWndBar, ZMR_TIMER_EXECUTEONPRESS);
    m_bPressed = (bReleasedInside && !bRepeat && CanStayPressed()) ? 2 : 0;
    // The capture goes with the loop, also when the control lost its bar
    // meanwhile; the selection is undone only on the bar it still has.
    if (::GetCapture() == hWndBar)
        ::ReleaseCapture();
    if (m_pParent != pBar)
        bReleasedInside = FALSE;
    else if (m_bSelected)
    {
        pBar->SetHotControl(-1);
        m_bSelected = 0;
        pBar->SetLastReleasedIndex(m_nIndex);
    }

    if (bReleasedInside && !bRepeat)
    {
        OnExecute();
        if (m_bPressed != 0)
        {
            m_bPressed = 0;
            RepaintInParentBar(TRUE);
        }
    }
    else
    {
        RepaintInParentBar(TRUE);
    }
    InternalRelease();
}

void CZMRControlButton::DoPropExchange(CZMRPropExchange* pPX)
{
    CZMRControl::DoPropExchange(pPX);
    if (pPX && pPX->GetSchema() < 18)
        PropExchangeInt(pPX, L"Style", &m_buttonStyle, 0);
}
