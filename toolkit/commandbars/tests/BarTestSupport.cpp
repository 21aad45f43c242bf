#include "BarTestSupport.h"
#include "CZMRControls.h"

void CFillTheme::PaintBarBackground(CDC* pDC, CZMRCommandBar* pBar)
{
    CRect rc;
    pBar->GetClientRect(&rc);
    pDC->FillSolidRect(rc, m_clrBack);
}

CSize CFillTheme::DrawSeparator(CDC* pDC, CZMRCommandBar*, CZMRControl* pControl, BOOL bDraw)
{
    if (bDraw)
    {
        const CRect rc = pControl->GetRect();
        pDC->FillSolidRect(rc.left - 2, rc.top, 1, rc.Height(), m_clrSeparator);
    }
    return CSize(4, 4);
}

BOOL CProbeBar::Create(CWnd* pParent, CRect rc, int nControls)
{
    for (int i = 0; i < nControls; i++)
    {
        auto* pControl = new CProbeControl;
        GetControls()->AddControl(pControl, 100 + i);
        pControl->SetRect(Slot(i));
    }
    return CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW)), L"bar",
                    WS_CHILD | WS_VISIBLE, rc, pParent, 0);
}

void PumpPendingMessages()
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& condition, DWORD dwSafetyMs)
{
    const DWORD dwStart = ::GetTickCount();
    while (!condition())
    {
        if (::GetTickCount() - dwStart > dwSafetyMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpPendingMessages();
    }
    return true;
}
