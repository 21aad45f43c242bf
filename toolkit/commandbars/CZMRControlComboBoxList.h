// The standard drop-down of a combo box: a Windows list box that the bar
// creates at once and shows as its popup window, as many rows high as it
// has items, up to the combo box's drop-down item count.
#pragma once
#include "CZMRControlComboBoxPopupBar.h"

class CZMRControlComboBoxList : public CZMRControlComboBoxPopupBar
{
    DECLARE_SERIAL(CZMRControlComboBoxList)
public:
    CZMRControlComboBoxList();

    int GetListIconId() const { return m_nListIconId; }
    void SetListIconId(int nIconId) { m_nListIconId = nIconId; }
    // The combo box the list is open for; none while closed.
    CZMRControlComboBox* GetComboBox() const { return m_pCombo; }
    // Rows the open list shows for its item count.
    static int GetRowCount(int nDropDownItemCount, int nItemCount);

    // Items, as the list box keeps them.
    int AddString(LPCTSTR lpszText);
    int GetCount() const;
    void ResetContent();

    int GetCurSel() const override;
    int FindString(int nStartAfter, LPCTSTR lpszText) const override;
    int FindStringExact(int nStartAfter, LPCTSTR lpszText) const override;
    int SetTopIndex(int nIndex) override;
    void SetCurSel(int nIndex) override;
    void GetText(int nIndex, CString& strText) const override;
    BOOL ProcessKey(CZMRControlComboBox* pCombo, UINT nChar, LPARAM lParam) override;

    BOOL OpenAsPopup(CZMRControl* pControlPopup, BOOL bSelectFirst = FALSE) override;
    BOOL SetMenuLoopActive(int bActive, BOOL bSelectFirst = FALSE, int nCallback = 0) override;
    int HandleHookedKeyDown(UINT nChar, LPARAM lParam) override;
    int HandleHookedMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;
    void DoPropExchange(CZMRPropExchange* pPX) override;
    void Copy(CZMRCommandBar* pCommandBar, BOOL bRecursive = FALSE) override;
    BOOL IsCustomizable() const override;

    // Makes the list box window when there is none.
    virtual BOOL CreateListBox();
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    int m_nListIconId;
    CZMRControlComboBox* m_pCombo;
};
