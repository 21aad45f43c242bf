// CFrameHost: a framework MDI frame for toolkit tests, with a menu (File and
// Window popups), a status bar and MDI children that show a plain view. Tests
// create their bars in it and lay them out through the frame's layout pass.
// The frame is made on the heap and deletes itself when its window goes.
#pragma once

#include "Framework.h"

#include <functional>

class CFrameHost : public CMDIFrameWnd
{
    DECLARE_DYNCREATE(CFrameHost)
public:
    // Menu commands of the host's File popup.
    enum { ID_HOST_FIRST = 0x8000, ID_HOST_EXIT = ID_HOST_FIRST };

    // A visible frame at rc (screen coordinates); null when it cannot be made.
    static CFrameHost* Create(const RECT& rc = { 0, 0, 800, 600 }, LPCTSTR lpszTitle = L"Frame host");

    // A new MDI child with its view, activated; maximized when asked.
    CMDIChildWnd* AddChild(LPCTSTR lpszTitle, BOOL bMaximized = FALSE);
    int GetChildCount() const;
    // The room the bars leave for the MDI client, in client coordinates.
    CRect GetClientRoom() const;
    // The idle-time pass of a message loop whose main window is the host:
    // command states of every framework window in it, delayed layout, status text.
    void IdleUpdate();
    // How often the MDI client of this thread's host was asked for its
    // active child (WM_MDIGETACTIVE) while the step ran.
    int CountActiveChildQueries(const std::function<void()>& step);

    CStatusBar m_wndStatusBar;

protected:
    // Makes the window of a host made by a derived class; null when it cannot.
    static CFrameHost* CreateHost(CFrameHost* pHost, const RECT& rc, LPCTSTR lpszTitle);
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnExit();

    DECLARE_MESSAGE_MAP()
};

// The view of the host's children: paints its background, nothing more.
class CFrameHostView : public CView
{
    DECLARE_DYNCREATE(CFrameHostView)
public:
    void OnDraw(CDC* pDC) override;
};
