// The tool bar that takes the place of a frame window's Windows menu: its
// controls come from a menu resource, Alt or F10 alone puts it into keyboard
// menu mode, and in an MDI frame it shows the active child's menu, with the
// child's system menu and its minimize, restore and close buttons while the
// child is maximized.
#pragma once
#include "CZMRToolBar.h"
#include "CZMRControlButton.h"
#include "CZMRControlPopup.h"
#include "CZMRPopupBar.h"

class CZMRMenuBarMDIMenus;

// Bar flags the menu bar reads.
enum ZMRMenuBarFlags
{
    zmrMenuBarNoMinimize = 0x100,     // no minimize button for a maximized child
    zmrMenuBarNoRestore = 0x200,      // no restore button
    zmrMenuBarKeepControls = 0x400,   // the menu of WM_MDISETMENU is ignored
    zmrMenuBarNoClose = 0x1000,       // no close button
    zmrMenuBarSysMenuPopup = 0x2000   // the maximized child's system menu at the left end
};

// Ids of the controls a maximized MDI child puts on the menu bar, and the
// timer that refreshes them after the frame has done its own work.
enum
{
    ZMR_ID_MDI_CLOSE = 9151,
    ZMR_ID_MDI_RESTORE = 9152,
    ZMR_ID_MDI_MINIMIZE = 9153,
    ZMR_ID_MDI_SYSMENU = 9154,
    ZMR_IDB_SYSCOMMANDS = 9102,          // toolkit bitmap: the four system-command icons
    ZMR_TIMER_MDIREFRESH = 12223,
    ZMR_WM_GETCHILDICON = 10336          // asked of an MDI child for its icon
};

class CZMRMenuBar : public CZMRToolBar
{
    DECLARE_SERIAL(CZMRMenuBar)
public:
    CZMRMenuBar();
    ~CZMRMenuBar() override;

    // Switches back to the default menu before its state is stored.
    void DoPropExchange(CZMRPropExchange* pPX) override;
    // The tool bar's copy, the default menu id, and the other bar's menu
    // records, shared rather than duplicated.
    void Copy(CZMRCommandBar* pCommandBar, BOOL bRecursive = FALSE) override;
    // Numbers and re-links the bars of every menu record as well.
    void NumberBarsForSave(DWORD& nBarId, CZMRCommandBarList* pBars, ZMR_PROPEXCHANGE_PARAM* pParam) override;
    void RelinkBarsAfterLoad(CZMRCommandBarList* pBars) override;
    CZMRCommandBar* Clone(BOOL bRecursive = FALSE) override;
    // Without a snapshot, reloads the menu shown now (after the user agreed
    // when bAsk); a menu that cannot be loaded changes nothing.
    void Reset(BOOL bAsk) override;
    // Some menu record, or the bar's own controls, differ from their snapshot.
    BOOL HasCustomizedControls() const override;

    // Builds the controls from the menu resource (0: keeps the controls),
    // hooks the site and takes its Windows menu away.
    virtual BOOL LoadMenuBar(UINT nIDMenu);
    // Shows the controls of another menu id, kept per id when the manager
    // allows customizing.
    virtual void SwitchMdiMenu(UINT nIDMenu, CMenu* pMenu);
    // The maximized child's system-menu popup and buttons come or go.
    virtual void UpdateMdiChildButtons();

    // The site frame, its MDI client and the hooked child: Alt alone,
    // WM_MDISETMENU and the changes that refresh the child buttons.
    int HandleHookedMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;

    void HookSiteWindows();
    // The active MDI child and whether it is maximized; none outside an MDI frame.
    HWND GetActiveMdiChild(BOOL* pbMaximized = nullptr) const;
    // The child shows an in-place active document object; there are no
    // such documents in this framework.
    BOOL IsDocObjectActive(HWND hWndChild) const;
    void HookActiveMdiChild();
    void RefreshMdiState();
    // The frame was given a menu to show.
    void OnFrameMenuSet(HMENU hMenu);
    // Updates each record's changed flag; whether any changed.
    BOOL UpdateMdiMenusChanged();
    void ClearMdiMenus();
    CZMRControl* AddTemporaryControl(CZMRControl* pControl, int nId, LPCTSTR lpszParameter, int nBefore);

    UINT GetDefaultMenuId() const { return m_nIDResource; }
    UINT GetCurrentMenuId() const { return m_nIDResourceCurrent; }
    HWND GetHookedChild() const { return m_hWndHookedChild; }
    HMENU GetFrameMenu() const { return m_hMenuFrame; }
    CZMRMenuBarMDIMenus* GetMDIMenus() const { return m_pMDIMenus; }

    // The minimize, restore and close buttons of a maximized child.
    class CControlMDIButton : public CZMRControlButton
    {
    public:
        CControlMDIButton();
        void SetBeginGroup(BOOL bBeginGroup) override;
        // Posts the system command to the active child.
        void OnExecute() override;
        CSize GetSize(CDC* pDC) override;
        // The state rectangle, then the glyph of the symbol font.
        void Draw(CDC* pDC) override;
        // The same for any button: the glyph is a character of "Marlett".
        static void DrawGlyph(CDC* pDC, CZMRControl* pControl, LPCTSTR lpszGlyph);
    };

    // The maximized child's system menu, behind its icon.
    class CControlMDISysMenuPopup : public CZMRControlPopup
    {
    public:
        CControlMDISysMenuPopup(HWND hWndChild, HMENU hSystemMenu);
        ~CControlMDISysMenuPopup() override;

        // The popup of the system menu: its items keep the states the system
        // menu gave them, and the user may not customize it.
        class CZMRSysMenuPopupBar : public CZMRPopupBar
        {
        public:
            CZMRSysMenuPopupBar();
            void OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam) override;
        };

        CSize GetSize(CDC* pDC) override;
        void Draw(CDC* pDC) override;
        // The control rectangle with one pixel around it.
        void AdjustAvoidRect(CRect& rcAvoid, BOOL bVertical) override;
        // No shadow next to the control.
        void AddControlShadow() override;

        // Takes the child's icon and rebuilds the popup from the system menu.
        void SetSystemMenu(HWND hWndChild, HMENU hSystemMenu);
        HMENU GetSystemMenu() const { return m_hSystemMenu; }
        HICON GetIcon() const { return m_hIcon; }

    protected:
        HMENU m_hSystemMenu;   // the child's; not owned
        HICON m_hIcon;         // owned
    };

protected:
    void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

    // The manager allows each menu its own customized controls.
    BOOL IsMdiCustomizationAvailable() const;
    // The site frame's window, kept for the end of the bar's life.
    HWND GetSiteHwnd() const;

    BOOL m_bMdiApp;                  // the site is an MDI frame
    HWND m_hWndHookedChild;
    HMENU m_hMenuFrame;              // the site's Windows menu; destroyed with the bar
    UINT m_nIDResource;              // the menu the bar was loaded from
    UINT m_nIDResourceCurrent;       // the menu shown now; 0 until one is loaded
    CZMRMenuBarMDIMenus* m_pMDIMenus;
    HWND m_hWndSite;                 // the hooked site frame
};
