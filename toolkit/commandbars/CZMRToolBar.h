// A command bar that docks along a side of its site frame or floats in a
// window of its own, and shows or hides at the program's or the user's wish.
#pragma once
#include "CZMRCommandBar.h"
#include "CZMRCaptionButton.h"
#include "CZMRControlPopup.h"
#include <memory>
#include <vector>

class CZMRDockBar;
class CZMRDockContext;

class CZMRToolBar : public CZMRCommandBar
{
    DECLARE_SERIAL(CZMRToolBar)
public:
    CZMRToolBar();
    ~CZMRToolBar() override;

    // The dock bar the bar lies in; none while floating or hidden.
    CZMRDockBar* GetDockBar() const { return m_pDockBar; }
    void SetDockBar(CZMRDockBar* pDockBar) { m_pDockBar = pDockBar; }

    // The visibility switch: the window shows or hides with it, and the site
    // hears of it (ZMR_WM_TOOLBARVISIBLECHANGED).
    void SetVisible(BOOL bVisible) override;
    BOOL IsVisible() const override;
    // 0-3 dock at that side, 4 float; anything else (or no manager) fails.
    BOOL SetPosition(int barPosition) override;
    void OnRecalcLayout() override;
    // Floating: 3 on every side; docked: the theme's borders plus the gripper.
    CRect GetBorders() const override;
    // The floating form: caption strip on top, hide and expand buttons in it.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;

    // Remembers the id as "BarID"; a loaded bar keeps its controls as its
    // built-in set.
    BOOL LoadToolBar(UINT nIDResource, BOOL bLoadIcons = TRUE) override;

    // The tool bar's own operations, in this order.
    // The docked form: a row (or column) of nLength, with the expand button
    // at its end when controls are hidden for lack of room.
    virtual CSize CalcFixedLayout(int nLength, DWORD dwMode, int nThickness = 0);
    // Back to the built-in controls, after the user agreed when bAsk.
    virtual void Reset(BOOL bAsk);
    // Makes the window when there is none: a child of pParent when docked, a
    // popup owned by it when floating; false when it cannot be made.
    virtual BOOL SetDockState(CWnd* pParent, BOOL bFloating);
    // The user changed the controls since the built-in set.
    virtual BOOL HasCustomizedControls() const;
    BOOL IsBuiltIn() const { return m_bBuiltIn; }
    void SetBuiltIn(BOOL bBuiltIn) { m_bBuiltIn = bBuiltIn; }

    // The bar's keys, then the tool bar's own.
    void DoPropExchange(CZMRPropExchange* pPX) override;
    // Takes a state loaded for this bar, unless the program changed the bar
    // since that state was saved: then the program's controls stay, except
    // when the user had customised the bar and (asked, unless bSilent)
    // chooses to keep those changes.
    virtual void ApplyLoadedState(CZMRCommandBar* pLoadedBar, BOOL bSilent);

    // Also copies "BuiltIn", "TearOff" and "Closeable" from another tool bar.
    void Copy(CZMRCommandBar* pCommandBar, BOOL bRecursive = FALSE) override;

    BOOL IsShowExpandButton() const { return m_bShowExpandButton; }
    void ShowExpandButton(BOOL bShow) { m_bShowExpandButton = bShow; }
    BOOL IsTearOff() const { return m_bTearOff; }
    void SetTearOff(BOOL bTearOff) { m_bTearOff = bTearOff; }
    // "ContextMenuPresent": the bar is listed in the manager's tool-bar menu.
    BOOL IsContextMenuPresent() const { return m_bContextMenuPresent; }
    void SetContextMenuPresent(BOOL bPresent) { m_bContextMenuPresent = bPresent; }
    // "Closeable": the user may hide the bar (its caption button, the
    // manager's tool-bar menu).
    BOOL IsCloseable() const { return m_bCloseable > 0; }
    void SetCloseable(BOOL bCloseable) { m_bCloseable = bCloseable; }
    // The caption buttons of the bar's floating frame, in their order; the
    // bar owns them.
    CZMRCaptionButton* AddCaptionButton(UINT nCommand);
    int GetCaptionButtonCount() const { return int(m_captionButtons.size()); }
    CZMRCaptionButton* GetCaptionButton(int nIndex) const { return m_captionButtons[size_t(nIndex)].get(); }
    // The first caption button that sends that system command, or none.
    CZMRCaptionButton* FindCaptionButton(UINT nCommand) const;
    // The caption area of the floating frame: the client area inside the
    // bar's borders, less 18 pixels on the right for a close button.
    CRect GetFloatingCaptionRect() const;

    // Moves and sizes the bar with the mouse; every bar has one, except a
    // bar embedded in a dialog, which the keyboard drives instead.
    CZMRDockContext* GetDockContext() const { return m_pDockContext; }
    // Takes over the context; none ends dragging and docking by the mouse.
    void SetDockContext(CZMRDockContext* pDockContext);

    // Without a dock context, Tab and Shift+Tab move the focus on to the
    // parent's next or previous tab item and leave tracking.
    int HandleHookedKeyDown(UINT nChar, LPARAM lParam) override;

    // The button at the end of a bar that hides controls; its popup lists them.
    class CControlButtonExpand : public CZMRControlPopup
    {
    public:
        CControlButtonExpand();
        // Some control of the bar is hidden for lack of room (and only for that).
        BOOL HasHiddenControls() const;
        void Draw(CDC* pDC) override;
        // Opens a popup of the controls the bar has no room for.
        BOOL ShowPopup(BOOL bPopup) override;
    };
    // The button in a floating bar's caption that hides the bar.
    class CControlButtonHide : public CZMRControlButton
    {
    public:
        CControlButtonHide();
        void Draw(CDC* pDC) override;
        void OnExecute() override;
    };

protected:
    // A bar placed straight in a frame takes its strip off the top of the
    // frame's free room in the frame's layout pass.
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    // A floating bar's sizing frame: 3 px along each edge.
    LRESULT OnNcHitTest(CPoint point);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    // A floating bar comes to the top of the z-order first; outside every
    // control the bar leaves tracking.
    void OnLButtonDown(UINT nFlags, CPoint point);
    // A floating bar follows its frame's activation, visibility and enabling.
    LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    void OnClose();
    // Remembers where the focus came from; a bar without dock context enters
    // tracking with its first control hot.
    void OnSetFocus(CWnd* pOldWnd);
    // Outside customize mode the manager's tool-bar menu, unless the control
    // under the mouse takes the press.
    void OnRButtonDown(UINT nFlags, CPoint point);
    // A press on a floating bar's sizing border resizes it.
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    // Outside every control the bar toggles between docked and floating.
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    // The size-all cursor over the gripper of a docked bar that may move.
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

    DECLARE_MESSAGE_MAP()

    // The temporary button of that id, made (hidden) on first use.
    CZMRControl* FindOrAddButton(int nId);

    CZMRDockBar* m_pDockBar;
    CZMRDockContext* m_pDockContext;
    BOOL m_bBuiltIn;             // has a tool-bar resource or snapshot to reset to
    BOOL m_bTearOff;             // made by tearing off a popup
    BOOL m_bShowExpandButton;
    BOOL m_bContextMenuPresent;
    BOOL m_bInRecalcLayout;
    std::vector<std::unique_ptr<CZMRCaptionButton>> m_captionButtons;
};
