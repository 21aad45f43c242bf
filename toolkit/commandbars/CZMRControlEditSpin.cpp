// The spin buttons of the edit control: one step at a press or an arrow key,
// and the accelerating repeat while a button is held.
#include "CZMRControlEdit.h"
#include "CZMRControlEditCtrl.h"
#include "CZMRCommandBar.h"
#include "CZMRCommandBarClock.h"

int CZMRControlEdit::StepSpinValue(int nValue, int nStep, int nDirection)
{
    if (nStep <= 0)
        return nValue;
    int nResult = nValue + nStep * nDirection;
    // Back to the multiple passed on the way: 7 + 5 gives 10, 7 - 5 gives 5.
    while (nResult % nStep != 0)
        nResult -= nDirection;
    return nResult;
}

int CZMRControlEdit::GetSpinStep(DWORD dwElapsed)
{
    if (dwElapsed < 2048)
        return 1;
    if (dwElapsed < 5120)
        return 5;
    return 20;
}

void CZMRControlEdit::OnSpin(int nStep, int nDirection)
{
    NMZMRSPIN nm = {};
    nm.nDelta = nStep * nDirection;
    if (NotifySiteWithRecord(nDirection > 0 ? ZMR_EN_SPINUP : ZMR_EN_SPINDOWN, &nm.hdr))
        return;
    const int nValue = _wtoi(GetDisplayText());
    CString strValue;
    strValue.Format(L"%i", StepSpinValue(nValue, nStep, nDirection));
    SetEditText(strValue);
    NotifySite(ZMR_EN_VALUECHANGED);
}

void CZMRControlEdit::TrackSpin(CPoint point)
{
    CZMRCommandBar* pBar = m_pParent;
    if (!pBar || !pBar->GetSafeHwnd())
        return;
    const CRect rcSpin = GetSpinButtonsRect();
    const int nMiddle = (rcSpin.top + rcSpin.bottom) / 2;
    const BOOL bUp = point.y < nMiddle;
    const int nDirection = bUp ? +1 : -1;
    const int nState = bUp ? 4 : 5;
    const CRect rcHalf = bUp ? CRect(rcSpin.left, rcSpin.top, rcSpin.right, nMiddle)
                             : CRect(rcSpin.left, nMiddle, rcSpin.right, rcSpin.bottom);

    pBar->SetHotControl(-1);
    pBar->SetHotControl(m_nIndex);
    m_bPressed = nState;
    m_bSelected = nState;
    RepaintInParentBar();
    OnSpin(1, nDirection);

    CZMRCommandBarClock* pClock = CZMRCommandBarClock::Get();
    const HWND hWndBar = pBar->GetSafeHwnd();
    ::SetCapture(hWndBar);
    ::SetTimer(hWndBar, ZMR_TIMER_SPIN, 530, nullptr);
    DWORD dwStart = pClock->GetTickCount();
    BOOL bFirstTick = TRUE;

    // The control may be removed by what a step runs; it stays readable.
    InternalAddRef();
    MSG msg;
    while (::GetCapture() == hWndBar && ::GetMessageW(&msg, nullptr, 0, 0))
    {
        if (msg.message == WM_LBUTTONUP)
        {
            ::DispatchMessageW(&msg);
            break;
        }
        if (msg.message == WM_MOUSEMOVE && msg.hwnd == hWndBar)
        {
            const CPoint pt(short(LOWORD(msg.lParam)), short(HIWORD(msg.lParam)));
            const int nSelected = rcHalf.PtInRect(pt) ? nState : 1;
            if (nSelected != m_bSelected)
            {
                m_bSelected = nSelected;
                dwStart = pClock->GetTickCount();
                RepaintInParentBar();
            }
            continue;
        }
        if (msg.message == WM_TIMER && msg.hwnd == hWndBar && msg.wParam == ZMR_TIMER_SPIN)
        {
            if (m_bSelected == nState)
                OnSpin(GetSpinStep(pClock->GetTickCount() - dwStart), nDirection);
            if (bFirstTick)
            {
                bFirstTick = FALSE;
                ::SetTimer(hWndBar, ZMR_TIMER_SPIN, 100, nullptr);
            }
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    if (msg.message == WM_QUIT)
        ::PostQuitMessage(int(msg.wParam));

    if (::IsWindow(hWndBar))
        ::KillTimer(hWndBar, ZMR_TIMER_SPIN);
    m_bPressed = 0;
    if (::GetCapture() == hWndBar)
        ::ReleaseCapture();
    RepaintInParentBar();
    if (m_pParent && m_pParent->GetPosition() != zmrBarPopup)
        m_pParent->SetMenuLoopActive(FALSE);
    InternalRelease();
}
