// An edit field on a bar (control type 6): an optional label, a single-line
// edit window inside the control's rectangle, optional spin buttons with an
// accelerating repeat, an optional icon, hint text and shell completion.
#pragma once
#include "CZMRControl.h"

class CZMRControlEditCtrl;
class CZMRControlComboBoxAutoCompleteWnd;

// Notifications of the edit control to its site.
enum
{
    ZMR_EN_VALUECHANGED = 100,    // the spin buttons changed the value
    ZMR_EN_SETFOCUS = 0x100,
    ZMR_EN_KILLFOCUS = 0x200,
    ZMR_EN_CHANGE = 0x300,
    ZMR_EN_SPINUP = 0x1010,
    ZMR_EN_SPINDOWN = 0x1011
};

// The record of the spin notifications: the step the buttons ask for.
struct NMZMRSPIN
{
    NMZMRCONTROL hdr;
    int nDelta;
};

// The spin repeat timer, on the bar window.
enum
{
    ZMR_TIMER_SPIN = 435
};

class CZMRControlEdit : public CZMRControl
{
    DECLARE_SERIAL(CZMRControlEdit)
public:
    CZMRControlEdit();
    ~CZMRControlEdit() override;

    // Set by the paint manager as it measures: the room of the label in
    // front of the field; true when it changed.
    int GetLabelWidth() const { return m_nLabelWidth; }
    BOOL SetLabelWidth(int nLabelWidth);
    BOOL IsSpinButtonsVisible() const { return m_bShowSpinButtons; }
    void SetShowSpinButtons(BOOL bShow) { m_bShowSpinButtons = bShow; }
    // The up and down buttons at the field's right end; empty without them.
    CRect GetSpinButtonsRect() const;

    // The text, re-read from the window when it changed there.
    CString GetEditText() const;
    void SetEditText(LPCTSTR lpszText);
    CString GetEditHint() const { return m_strEditHint; }
    void SetEditHint(LPCTSTR lpszHint);
    BOOL IsReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(BOOL bReadOnly);
    BOOL HasLabel() const { return m_bHasLabel; }
    void ShowLabel(BOOL bShow) { m_bHasLabel = bShow; }
    DWORD GetEditStyle() const { return m_dwEditStyle; }
    void SetEditStyle(DWORD dwStyle) { m_dwEditStyle = dwStyle; }
    int GetEditIconId() const { return m_nEditIconId; }
    void SetEditIconId(int nIconId) { m_nEditIconId = nIconId; }
    DWORD GetShellAutoCompleteFlags() const { return m_dwShellAutoCompleteFlags; }
    // Attaches the shell's completion to the window (0: none).
    void SetShellAutoCompleteFlags(DWORD dwFlags);
    CZMRControlComboBoxAutoCompleteWnd* GetAutoCompleteWnd() const { return m_pAutoCompleteWnd; }
    // The text, or empty while it is the hint.
    CString GetDisplayText() const;
    CZMRControlEditCtrl* GetEditCtrl() const { return m_pEdit; }

    // ------------------------------------------------------------ control operations

    void SetEnabled(int bEnabled) override;
    void SetFocused(BOOL bFocused) override;
    BOOL IsFocused() const override;
    void SetRect(CRect rcControl) override;
    BOOL IsCaptionVisible() const override;
    void SetHideFlags(DWORD dwFlags) override;
    void OnExecute() override;
    // Hidden in vertically docked bars.
    void ExpandIntoItems(DWORD dwMode) override;
    void DoPropExchange(CZMRPropExchange* pPX) override;
    void OnAccessKeyPressed() override;
    void SetRefreshNeeded() override;
    void Copy(CZMRControl* pControl, BOOL bRecursive = FALSE) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint point = CPoint(0, 0)) override;
    BOOL IsFocusable() const override;
    // 0 not handled, 1 handled, 2 left to the edit window.
    BOOL HandleHookedKeyDown(UINT nChar) override;
    void SetParent(CZMRCommandBar* pParent) override;
    void OnMouseMove(CPoint point) override;
    void OnMouseHover() override;
    BOOL OnSelectionChange(int bSelected) override;
    BOOL IsWidthAdjustable() const override;
    int GetResizeMinWidth() const override;
    void OnRemoved() override;
    void OnActionChanged(int nProperty) override;
    void OnActionChanging(int nProperty) override;
    CZMRControl* Clone(BOOL bRecursive = FALSE) override;

    // ------------------------------------------------------------ the edit's own operations

    // Makes the edit window object.
    virtual CZMRControlEditCtrl* CreateEditCtrl();
    // The edit icon at the left edge of rc, vertically centred.
    virtual void DrawEditIcon(CDC* pDC, CRect rc);
    // The window took the focus from pWndOld.
    virtual void OnEditSetFocus(CWnd* pWndOld);
    virtual void OnEditKillFocus();
    // Room for the edit icon in front of the window.
    virtual void AdjustEditRectForIcon(CRect& rc);
    // The user changed the text.
    virtual void OnEditChanged();
    // Text and background colours of the window.
    virtual void GetEditCharFormat(COLORREF& clrText, COLORREF& clrBack);
    // One step of the spin buttons: nDirection +1 up, -1 down.
    virtual void OnSpin(int nStep, int nDirection);

    // The value the spin buttons make of the text's value for one step:
    // moved by step x direction, then back to the multiple of the step it
    // passed.
    static int StepSpinValue(int nValue, int nStep, int nDirection);
    // The step of a held spin button after that many milliseconds: 1, then
    // 5 after about 2 s, 20 after about 5 s.
    static int GetSpinStep(DWORD dwElapsed);

    // Used by the edit window.
    void OnWindowTextChanged();
    void OnWindowDestroyed(const CString& strText);
    // Sets the colours of the window again.
    void ApplyCharFormat();
    // The whole text of the window selected, the selection scrolled into view.
    void SelectWholeText();

protected:
    // The spin buttons' press loop from a point over them.
    void TrackSpin(CPoint point);
    // Shows or hides the window after the control's state.
    void ShowEditWindow();
    void DestroyEditWindow();
    BOOL IsEditWindowFocused() const;

    CZMRControlEditCtrl* m_pEdit;
    BOOL m_bHasLabel;
    BOOL m_bReadOnly;
    int m_nLabelWidth;
    BOOL m_bRefreshNeeded;
    CString m_strEditHint;
    BOOL m_bFocused;
    CString m_strTextAtFocus;
    mutable CString m_strText;
    mutable BOOL m_bTextStale;
    CZMRControlComboBoxAutoCompleteWnd* m_pAutoCompleteWnd;
    DWORD m_dwShellAutoCompleteFlags;
    DWORD m_dwEditStyle;
    BOOL m_bShowSpinButtons;
    int m_nEditIconId;
};
