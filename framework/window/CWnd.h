// CWnd: a window object over an HWND. Messages reach it through the
// framework's window procedure (installed by Create/CreateEx, by the dialog
// creation and by SubclassWindow), which walks the object's message maps and
// passes what no map handles to the previous window procedure.
#pragma once

#include "window/CCmdTarget.h"
#include "window/FrameDefs.h"

class CDC;
class CFont;
class CRgn;
class CMenu;
class CDataExchange;
class CFrameWnd;
class COleControlSite;
struct CCreateContext;

class CWnd : public CCmdTarget
{
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd();
    ~CWnd() override;

    HWND m_hWnd;
    UINT m_nFlags;   // WF_ flags
    HWND m_hWndOwner;   // set by SetOwner; none: GetOwner asks the system
    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }
    BOOL operator==(const CWnd& wnd) const { return wnd.m_hWnd == m_hWnd; }
    BOOL operator!=(const CWnd& wnd) const { return wnd.m_hWnd != m_hWnd; }

    // Handle map of the calling thread. FromHandle gives the permanent object
    // for h or else a temporary one, freed at the next idle time or by
    // DeleteTempMap; do not keep its pointer beyond that.
    static CWnd* PASCAL FromHandle(HWND hWnd);
    static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    // Used by the temporary map when it frees this object.
    void ReleaseTempHandle() { m_hWnd = nullptr; }

    // Subclassing: attach and route the window's messages through our maps.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();
    virtual void PreSubclassWindow();

    // Creation. The object is attached before the window's first message.
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                          LPVOID lpParam = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    // An OLE control of the class (a ProgID, or a class id in braces) as a
    // child of pParentWnd at rect with the id nID; its window becomes this
    // object's. pszWindowName sets its Caption (else Text) property; the
    // state comes from pPersist (the rest of the file: a stream, or with
    // bStorage a compound file) or is new. COM must be initialised on the
    // thread. FALSE, and no window, when the class is unknown or the control
    // cannot be created or activated in a window of its own.
    BOOL CreateControl(LPCTSTR pszClass, LPCTSTR pszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, UINT nID, CFile* pPersist = nullptr, BOOL bStorage = FALSE,
                       BSTR bstrLicKey = nullptr);
    BOOL CreateControl(REFCLSID clsid, LPCTSTR pszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       UINT nID, CFile* pPersist = nullptr, BOOL bStorage = FALSE, BSTR bstrLicKey = nullptr);
    // The control's object for a window made by CreateControl, else null; no reference is added.
    LPUNKNOWN GetControlUnknown() const;
    virtual BOOL DestroyWindow();
    // Runs after the window's last message; the object is already detached.
    virtual void PostNcDestroy();

    // Message handling.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The previous window procedure with the message being handled now.
    LRESULT Default();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Calls PreTranslateMessage of each window object from pMsg->hwnd up to hWndStop.
    static BOOL PASCAL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    // The message the window procedure of this thread is handling now.
    static const MSG* PASCAL GetCurrentMessage();

    // Reflection: a parent hands a child's notification back to the child.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    static BOOL PASCAL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);
    static BOOL PASCAL ReflectMsg(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Command states of the child controls, each asked under its control id:
    // first the control itself (an update entry reflected to it), then this
    // window's maps, then pTarget's routing. With bDisableIfNoHndler, push
    // buttons nobody handles are disabled.
    void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    // Layout of control bars: every child with an id from nIDFirst to nIDLast
    // that is a framework window gets WM_SIZEPARENT and takes its strip of the
    // client area (lpRectClient, or the client rectangle); the child nIDLeftOver
    // fills what is left. reposQuery only computes: lpRectParam receives the
    // room left (bStretch) or the bars' total size. reposExtra: lpRectParam
    // holds borders kept free around the window left over.
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags = reposDefault,
                        LPRECT lpRectParam = nullptr, LPCRECT lpRectClient = nullptr, BOOL bStretch = TRUE);
    enum AdjustType { adjustBorder = 0, adjustOutside = 1 };
    // Turns a client rectangle into the window rectangle that holds it.
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder);

    // Frames around this window.
    virtual BOOL IsFrameWnd() const;
    CFrameWnd* GetParentFrame() const;
    CFrameWnd* GetTopLevelFrame() const;
    CWnd* GetParentOwner() const;
    // The top-level window of this one is the active window or owns it.
    BOOL IsTopParentActive() const;
    // A child at any depth with this id (only framework windows with bOnlyPerm).
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;

    // Tooltips: while enabled, the thread's pre-translation asks the window's
    // OnToolHitTest for the tool under the mouse and shows its tip through the
    // thread's tooltip control. The default hit test answers for child windows
    // with an id; their text is asked of this window with TTN_NEEDTEXT.
    BOOL EnableToolTips(BOOL bEnable = TRUE);
    // Fills pTI (its cbSize says how much of it the caller has) and returns
    // the tool id, or -1 when no tool is at the point.
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const;
    // Hides the tip of the thread's tooltip control.
    static void PASCAL CancelToolTips(BOOL bKeys = FALSE);
    void FilterToolTipMessage(MSG* pMsg);

    // Dialog data exchange.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    // Window state and geometry.
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    static BOOL PASCAL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    static BOOL PASCAL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    void SetWindowText(LPCTSTR lpszString);
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const;
    CWnd* GetParent() const;
    // Moves the window under another parent (none: the desktop); returns
    // the previous parent.
    CWnd* SetParent(CWnd* pWndNewParent);
    // The window that receives this one's commands and notifications: the
    // one set by SetOwner, else the parent of a child window, else the
    // system owner. SetOwner changes only what GetOwner answers, not the
    // system's owner of the window.
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd);
    CWnd* GetTopLevelParent() const;
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    BOOL IsChild(const CWnd* pWnd) const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    // The window's region: the system owns hRgn after a successful call
    // (none removes the region). GetWindowRgn copies it into hRgn.
    int SetWindowRgn(HRGN hRgn, BOOL bRedraw);
    int GetWindowRgn(HRGN hRgn) const;

    // Painting.
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, HRGN hrgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void SetRedraw(BOOL bRedraw = TRUE);
    CDC* GetDC();
    CDC* GetWindowDC();
    CDC* GetDCEx(CRgn* prgnClip, DWORD flags);
    int ReleaseDC(CDC* pDC);
    // Stops drawing into the window (one window at a time, system-wide).
    BOOL LockWindowUpdate();
    static void PASCAL UnlockWindowUpdate();
    static CWnd* PASCAL GetDesktopWindow();
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;

    // Messages, focus, capture, timers, menus.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // bOnlyPerm: only to framework windows, straight to their window procedure.
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
                                  BOOL bOnlyPerm = FALSE);
    static void PASCAL SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                                BOOL bDeep, BOOL bOnlyPerm);
    CWnd* SetFocus();
    static CWnd* PASCAL GetFocus();
    static CWnd* PASCAL GetActiveWindow();
    CWnd* SetActiveWindow();
    BOOL SetForegroundWindow();
    CWnd* SetCapture();
    static CWnd* PASCAL GetCapture();
    static BOOL PASCAL ReleaseCapture();
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);
    CMenu* GetSystemMenu(BOOL bRevert) const;
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);
    void DrawMenuBar();
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);
    BOOL IsWindow() const { return m_hWnd != nullptr && ::IsWindow(m_hWnd); }
    void DragAcceptFiles(BOOL bAccept = TRUE);
    static CWnd* PASCAL WindowFromPoint(POINT point);
    CWnd* ChildWindowFromPoint(POINT point) const;

    // Default handlers (each passes the message on to the previous procedure).
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnNcDestroy();
    void OnClose();
    void OnPaint();
    void OnNcPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSysCommand(UINT nID, LPARAM lParam);
    HCURSOR OnQueryDragIcon();
    void OnSize(UINT nType, int cx, int cy);
    void OnMove(int x, int y);
    void OnTimer(UINT_PTR nIDEvent);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnEnable(BOOL bEnable);
    BOOL OnNcActivate(BOOL bActive);
    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    LRESULT OnNcHitTest(CPoint point);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    void OnCaptureChanged(CWnd* pWnd);
    void OnCancelMode();
    void OnSysColorChange();
    void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    void OnContextMenu(CWnd* pWnd, CPoint pos);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    // The owner-draw and colour messages first go back to the control itself.
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnHScroll(UINT nSBCode, UINT nPos, HWND hScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, HWND hScrollBar);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnRButtonDblClk(UINT nFlags, CPoint point);
    void OnMButtonDown(UINT nFlags, CPoint point);
    void OnMButtonUp(UINT nFlags, CPoint point);
    void OnMouseLeave();
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnNcMouseMove(UINT nHitTest, CPoint point);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();

    // The window procedure every framework window runs.
    static LRESULT CALLBACK StdWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    const AFX_MSGMAP* GetMessageMap() const override;

    WNDPROC m_pfnSuper;   // the procedure our window procedure replaced
    COleControlSite* m_pCtrlSite;   // a control's site (CreateControl), one reference

    friend LRESULT AfxCallWndProc(CWnd*, HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK AfxCbtFilterHook(int, WPARAM, LPARAM);
    friend class CDialog;
};

// Installs the creation hook: the next window this thread creates is attached
// to pWnd before its first message.
void AFXAPI AfxHookWindowCreate(CWnd* pWnd);
BOOL AFXAPI AfxUnhookWindowCreate();

// Calls pWnd->WindowProc with the thread's record of the current message;
// reports a CException that leaves a handler and carries on.
LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
// Shows the report of an exception that left a message handler and returns
// the message's result (-1 for WM_CREATE, else 0).
LRESULT AFXAPI AfxProcessWndProcException(CException* e, const MSG* pMsg);

// The window a window belongs to: the parent of a child window, else the
// owner (null for an unowned top-level window).
HWND AFXAPI AfxGetParentOwner(HWND hWnd);

// Registers the class unless its instance already has a class of that name,
// which counts as success.
BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass);

// A registered window class with these attributes (one per combination),
// whose window procedure is the default one.
LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                                   HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr);

// Places a bar at lpRect (parent client coordinates) during a layout pass:
// through the pass's deferred positioning, not at all while the pass only
// measures (no hDWP), at once without a pass (null lpLayout).
void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);
