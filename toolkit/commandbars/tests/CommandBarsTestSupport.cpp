#include "CommandBarsTestSupport.h"
#include "CZMRControls.h"
#include "CZMRControl.h"

IMPLEMENT_DYNCREATE(CFixedControl, CZMRControlButton)

BOOL CRecordingWnd::Create()
{
    return CreateEx(0, AfxRegisterWndClass(0), L"recorder", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
}

CRecordingWnd::~CRecordingWnd()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

std::vector<CRecordingWnd::CMessage> CRecordingWnd::Messages(UINT nMessage) const
{
    std::vector<CMessage> result;
    for (const CMessage& m : m_messages)
    {
        if (m.nMessage == nMessage)
            result.push_back(m);
    }
    return result;
}

LRESULT CRecordingWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND || (message >= 10325 && message <= 10343))
    {
        const UINT nCode = message == ZMR_WM_CONTROLNOTIFY ? reinterpret_cast<NMHDR*>(lParam)->code : 0;
        m_messages.push_back({message, wParam, lParam, nCode});
        if (m_answer)
            return m_answer(message, wParam, lParam);
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

CBarFixture::CBarFixture() : m_pBar(new CTestBar), m_pTheme(new CSeparatorTheme)
{
    m_pBar->SetPaintManager(m_pTheme);
    m_pTheme->InternalRelease();
}

CBarFixture::~CBarFixture()
{
    m_pBar->InternalRelease();
}

CFixedControl* CBarFixture::Add(int cx, int cy, BOOL bBeginGroup, DWORD dwFlags)
{
    CFixedControl* pControl = new CFixedControl(CSize(cx, cy));
    m_pBar->GetControls()->AddControl(pControl);
    pControl->SetBeginGroup(bBeginGroup);
    pControl->SetFlags(dwFlags);
    return pControl;
}
