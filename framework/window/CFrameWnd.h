// CFrameWnd: a top-level window that hosts control bars around a view. It
// lays the bars out (RecalcLayout, through WM_SIZEPARENT to each bar, at once
// or at the next idle time), routes commands to the active view, itself and
// the application, updates menu items when a menu opens, shows status texts
// on its status bar, keeps its floating windows in step with its activation,
// and runs context-help mode. Frames delete themselves when their window goes.
#pragma once

#include "window/CWnd.h"
#include "window/CCreateContext.h"

class CView;
class CDocument;
class CMenu;

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    static const RECT rectDefault;

    // Creation. lpszMenuName names a menu resource; pContext says which view
    // to make (none when null).
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Creation from the resources of nIDResource: menu, accelerators, icon,
    // and the title (the string's text up to its first newline).
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL LoadAccelTable(LPCTSTR lpszResourceName);

    // Layout: the bars take their strips, the view (AFX_IDW_PANE_FIRST) the rest.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Layout at the next idle time: however often it is asked for, it runs once.
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    // Work left for the next idle time (m_nIdleFlags).
    enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };
    UINT m_nIdleFlags;
    BOOL m_bInRecalcLayout;
    RECT m_rectBorder;   // room kept free around the view

    // Status texts: the status bar (AFX_IDW_STATUS_BAR) shows the prompt of a
    // command (its string resource up to the first newline), a text, or the
    // idle prompt (AFX_IDS_IDLEMESSAGE).
    virtual CWnd* GetMessageBar();
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    UINT m_nIDTracking;      // the prompt to show at the next idle time
    UINT m_nIDLastMessage;   // the prompt shown now

    // Views and documents.
    virtual CFrameWnd* GetActiveFrame();
    CView* GetActiveView() const;
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    // Makes the view the context asks for, as a child with id nID.
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    // After the document is ready: WM_INITIALUPDATE to the views, then the frame is shown.
    virtual void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);

    // Title: the frame's own title, with the active document's name added
    // when the frame has FWS_ADDTOTITLE (before it with FWS_PREFIXTITLE).
    CString GetTitle() const { return m_strTitle; }
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    // The menu to show: the frame's own (hMenuAlt when given).
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    virtual HACCEL GetDefaultAccelerator();
    HMENU m_hMenuDefault;
    HACCEL m_hAccelTable;
    // Commands nobody handles are disabled in the frame's menus.
    BOOL m_bAutoMenuEnable;

    // Floating windows owned by the frame get WM_FLOATSTATUS with these flags.
    void NotifyFloatingWindows(DWORD dwFlags);

    // Context help: the next click names a window, whose help id is asked
    // with WM_HELPHITTEST and shown through the application's WinHelp.
    int m_bHelpMode;   // HELP_INACTIVE, HELP_ACTIVE or HELP_ENTERING
    virtual BOOL CanEnterHelpMode();
    void OnContextHelp();
    void ExitHelpMode();

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL IsFrameWnd() const override;
    void PostNcDestroy() override;

protected:
    // Makes the frame's client: the view the context asks for.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    int OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    // The help id of the window at a screen point (0 when none answers).
    DWORD HitTestHelp(POINT ptScreen) const;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    LRESULT OnActivateTopLevel(WPARAM wParam, LPARAM lParam);
    // The frame stays active while hWndActive, the window that now has the
    // activation, is the frame or a floating window of it that says so.
    void SyncActivation(HWND hWndActive, BOOL bFrameItself);
    BOOL OnNcActivate(BOOL bActive);
    void OnEnable(BOOL bEnable);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    void OnUpdateContextHelp(CCmdUI* pCmdUI);

    CString m_strTitle;
    CView* m_pViewActive;
    CString m_strToolTip;   // the text of the tooltip shown now

    DECLARE_MESSAGE_MAP()
};
