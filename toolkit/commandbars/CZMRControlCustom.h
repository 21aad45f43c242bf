// Any child window hosted on a bar as a control: while the window shows, the
// control measures itself from the window's size plus margins and the bar
// moves the window to its rectangle; without a shown window it is a button.
#pragma once
#include "CZMRControlButton.h"
#include "CZMRHookManagerHookAble.h"

class CZMRControlCustom : public CZMRControlButton, public CZMRHookManagerHookAble
{
    DECLARE_SERIAL(CZMRControlCustom)
public:
    // What a vertically docked bar does with the control.
    enum VerticalOptions
    {
        verticalHide = 0,       // the control is hidden
        verticalShow = 1,       // control and window stay
        verticalButton = 2      // the control stays as a button, its window hidden
    };

    CZMRControlCustom();
    ~CZMRControlCustom() override;

    // Hosts the window from now on: it keeps its size as the control's, and
    // the bar follows the mouse over it. The window is not owned.
    void AttachWindow(HWND hWnd);
    HWND GetControlWindow() const { return m_hwndControl; }
    CRect GetBorders() const { return m_rcBorders; }
    void SetBorders(CRect rcBorders) { m_rcBorders = rcBorders; }
    CSize GetControlSize() const { return m_szControl; }
    void SetControlSize(CSize szControl) { m_szControl = szControl; }
    int GetVerticalOptions() const { return m_nVerticalOptions; }
    void SetVerticalOptions(int nOptions) { m_nVerticalOptions = nOptions; }
    int GetControlId() const { return m_nControlId; }
    void SetControlId(int nControlId) { m_nControlId = nControlId; }
    BOOL IsWindowShown() const { return m_bWindowShown; }

    // Shows the window when the control and its bar are shown, else hides it.
    void SyncWindowVisibility();
    // The window of the dialog-control id among the children of the
    // manager's site, then of its bars; none.
    static HWND FindWindowById(CZMRBarManager* pManager, int nControlId);

    void SetEnabled(int bEnabled) override;
    void SetRect(CRect rcControl) override;
    void SetHideFlags(DWORD dwFlags) override;
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    // Applies the vertical options before every layout.
    void ExpandIntoItems(DWORD dwMode) override;
    void DoPropExchange(CZMRPropExchange* pPX) override;
    void Copy(CZMRControl* pControl, BOOL bRecursive = FALSE) override;
    // The window takes its own clicks, except in customize mode.
    void OnClick(BOOL bKeyboard = FALSE, CPoint point = CPoint(0, 0)) override;
    // Only popup bars take it.
    BOOL CanDropOnBar(CZMRCommandBar* pBar, CPoint point, DROPEFFECT& dropEffect) override;
    void OnRemoved() override;
    CZMRControl* Clone(BOOL bRecursive = FALSE) override;

    // Mouse moves over the window hot-track the bar.
    int HandleHookedMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;

protected:
    BOOL HasShownWindow() const;

    HWND m_hwndControl;
    CRect m_rcBorders;
    BOOL m_bWindowShown;
    CSize m_szControl;
    int m_nVerticalOptions;
    int m_nControlId;
};
