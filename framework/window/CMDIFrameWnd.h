// CMDIFrameWnd: the frame of a program with many documents. Its MDI client
// (id AFX_IDW_PANE_FIRST) fills the room the bars leave and holds the child
// frames; their window-menu commands start at AFX_IDM_FIRST_MDICHILD. The
// active child sees commands first, and the frame shows its menu.
#pragma once

#include "window/CFrameWnd.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();

    HWND m_hWndMDIClient;

    // Makes the MDI client; pWindowMenu is the popup the client lists the children in.
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    // The popup of a menu bar that holds the window commands (ID_WINDOW_...), or null.
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDIMaximize(CWnd* pWnd);
    void MDIRestore(CWnd* pWnd);
    void MDINext();
    void MDIPrev();
    void MDICascade();
    void MDITile(int nType = MDITILE_HORIZONTAL);
    void MDIIconArrange();
    // The frame menu and the window popup the client shows from now on;
    // returns the frame menu shown before.
    CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);

    CFrameWnd* GetActiveFrame() override;
    // The document of the active child.
    CDocument* GetActiveDocument() override;
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void OnSize(UINT nType, int cx, int cy);
    void OnDestroy();
    BOOL OnWindowCommand(UINT nID);
    void OnUpdateWindowCommand(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
