#include "CTabClientHost.h"

CTabClientHost* CTabClientHost::Create(const RECT& rc, LPCTSTR lpszTitle)
{
    auto* pHost = static_cast<CTabClientHost*>(CreateHost(new CTabClientHost, rc, lpszTitle));
    if (!pHost)
        return nullptr;
    if (!pHost->m_wndTabClient.AttachToFrame(pHost))
    {
        pHost->DestroyWindow();
        return nullptr;
    }
    Pump();
    return pHost;
}

void CTabClientHost::Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

BOOL CTabClientHost::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nCode == CN_COMMAND && !pHandlerInfo && m_wndTabClient.ExecuteGroupCommand(int(nID)))
        return TRUE;
    return CFrameHost::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
