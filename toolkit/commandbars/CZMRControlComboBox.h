// A combo box on a bar (control type 5): an optional label, an edit part and
// a drop-down button. The drop-down is a popup bar holding a list box (or a
// gallery); in drop-down mode the edit part is a real edit window with a
// hint, an icon, completion from the list and the shell's completion.
#pragma once
#include "CZMRControlPopup.h"

class CZMRControlComboBoxEditCtrl;
class CZMRControlComboBoxPopupBar;
class CZMRControlComboBoxAutoCompleteWnd;

// Notifications of the combo box to its site.
enum
{
    ZMR_CBN_SELCHANGE = 1,
    ZMR_CBN_SETFOCUS = 3,
    ZMR_CBN_KILLFOCUS = 4,
    ZMR_CBN_EDITCHANGE = 5,
    ZMR_CBN_DROPDOWN = 7,
    ZMR_CBN_CLOSEUP = 8,
    ZMR_CBN_SELENDOK = 9,
    ZMR_CBN_SELENDCANCEL = 10
};

class CZMRControlComboBox : public CZMRControlPopup
{
    DECLARE_SERIAL(CZMRControlComboBox)
public:
    explicit CZMRControlComboBox(CZMRBarManager* pBarManager = nullptr);
    ~CZMRControlComboBox() override;

    // Set by the paint manager as it measures: the room of the label in
    // front of the field and the width of the drop-down button; true when
    // they changed.
    int GetLabelWidth() const { return m_nLabelWidth; }
    BOOL SetLabelWidth(int nLabelWidth);
    int GetDropDownWidth() const { return m_nDropDownWidth; }
    BOOL SetDropDownWidth(int nDropDownWidth);

    // On: the combo box gets an edit window; off: it draws its text itself.
    void SetDropDownMode(BOOL bDropDown);
    BOOL GetDropDownMode() const { return m_bDropDown; }
    // The list's selection, else the one the control keeps.
    int GetCurSel() const;
    void SetCurSel(int nIndex);
    // The text, re-read from the edit window when it changed there.
    CString GetEditText() const;
    void SetEditText(LPCTSTR lpszText);
    CString GetEditHint() const { return m_strEditHint; }
    void SetEditHint(LPCTSTR lpszHint);
    DWORD GetShellAutoCompleteFlags() const { return m_dwShellAutoCompleteFlags; }
    void SetShellAutoCompleteFlags(DWORD dwFlags);
    // The text, or empty while it is the hint.
    CString GetDisplayText() const;
    // The drop-down is a list box popup.
    BOOL IsListPopup() const;
    // The list's icon id; -1 without a list.
    int GetListIconId() const;
    CZMRControlComboBoxPopupBar* GetPopupBar() const;
    CZMRControlComboBoxEditCtrl* GetEditCtrl() const { return m_pEdit; }
    CZMRControlComboBoxAutoCompleteWnd* GetAutoCompleteWnd() const { return m_pAutoCompleteWnd; }

    BOOL GetAutoComplete() const { return m_bAutoComplete; }
    void SetAutoComplete(BOOL bAutoComplete) { m_bAutoComplete = bAutoComplete; }
    int GetComboStyle() const { return m_nComboStyle; }
    void SetComboStyle(int nStyle) { m_nComboStyle = nStyle; }
    DWORD GetEditStyle() const { return m_dwEditStyle; }
    void SetEditStyle(DWORD dwStyle) { m_dwEditStyle = dwStyle; }
    int GetEditIconId() const { return m_nEditIconId; }
    void SetEditIconId(int nIconId) { m_nEditIconId = nIconId; }
    int GetDropDownItemCount() const { return m_nDropDownItemCount; }
    void SetDropDownItemCount(int nCount) { m_nDropDownItemCount = nCount; }

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
    BOOL HandleHookedMouseWheel(UINT nFlags, short zDelta, CPoint point) override;
    void SetParent(CZMRCommandBar* pParent) override;
    BOOL ShowPopup(BOOL bPopup) override;
    void OnMouseMove(CPoint point) override;
    void OnMouseHover() override;
    BOOL OnSelectionChange(int bSelected) override;
    BOOL IsWidthAdjustable() const override;
    int GetResizeMinWidth() const override;
    void OnRemoved() override;
    void OnActionChanged(int nProperty) override;
    void OnActionChanging(int nProperty) override;
    CZMRControl* Clone(BOOL bRecursive = FALSE) override;

    // ------------------------------------------------------------ the combo box's own operations

    // The text of the list's selection; empty when none.
    virtual CString GetListSelectionText();
    // Text and background colours of the edit window.
    virtual void GetEditCharFormat(COLORREF& clrText, COLORREF& clrBack);
    // The text part without an edit window (and the icon in any case).
    virtual void DrawEditText(CDC* pDC, CRect rc);
    virtual CString GetSelectionText();
    // The user changed the text: completion from the list.
    virtual void OnEditChanged();
    // The list's selection changed: its text becomes the edit text.
    virtual void OnSelectionChanged();
    // Makes the edit window object.
    virtual CZMRControlComboBoxEditCtrl* CreateEditCtrl();
    virtual void OnEditSetFocus(CWnd* pWndOld);
    virtual void OnEditKillFocus();
    virtual void AdjustEditRectForIcon(CRect& rc);
    // The owner drawing of the list's items.
    virtual void DrawListItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureListItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

    // Used by the edit window and the list.
    void OnWindowTextChanged();
    void OnWindowDestroyed(const CString& strText);
    void ApplyCharFormat();
    // Selects the list item that is the text, or scrolls to the first one
    // that begins with it.
    void SyncListSelection();
    BOOL IsSelecting() const { return m_bSelecting; }

protected:
    void ShowEditWindow();
    void DestroyEditWindow();
    BOOL IsEditWindowFocused() const;
    BOOL IsAutoSuggestShown() const;

    CZMRControlComboBoxEditCtrl* m_pEdit;
    BOOL m_bDropDown;
    int m_nComboStyle;
    int m_nSelectionAtFocus;
    CString m_strTextAtFocus;
    BOOL m_bRefreshNeeded;
    int m_nLabelWidth;
    int m_nDropDownWidth;
    CString m_strEditHint;
    BOOL m_bAutoComplete;
    BOOL m_bSuppressCompletion;
    DWORD m_dwShellAutoCompleteFlags;
    BOOL m_bFocused;
    int m_nEditIconId;
    BOOL m_bExecuted;
    int m_nDropDownItemCount;
    mutable CString m_strText;
    mutable BOOL m_bTextStale;
    CZMRControlComboBoxAutoCompleteWnd* m_pAutoCompleteWnd;
    DWORD m_dwEditStyle;
    int m_nCurSel;
    BOOL m_bSelecting;
};
