// CTabClientHost: the test MDI frame with its client shown as tab groups.
// The group commands that reach the frame (from its menus or bars) are
// carried out by the tab client, as a program's frame would route them.
#pragma once
#include "CFrameHost.h"
#include "CZMRTabClientWnd.h"

class CTabClientHost : public CFrameHost
{
public:
    // A visible frame at rc (screen coordinates) with the tab client
    // attached; null when it cannot be made. Deleted with its window.
    static CTabClientHost* Create(const RECT& rc = { 0, 0, 800, 600 }, LPCTSTR lpszTitle = L"Tab client host");

    CZMRTabClientWnd& TabClient() { return m_wndTabClient; }
    // Pumps this thread's messages until the queue is empty.
    static void Pump();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    CZMRTabClientWnd m_wndTabClient;
};
