// The drop-down of a combo box: what a combo box needs of any drop-down
// (selection, searching, scrolling an item into view, item text and key
// processing). The list box drop-down and the gallery drop-down implement it.
#pragma once
#include "CZMRPopupBar.h"

class CZMRControlComboBox;

class CZMRControlComboBoxPopupBar : public CZMRPopupBar
{
    DECLARE_SERIAL(CZMRControlComboBoxPopupBar)
public:
    CZMRControlComboBoxPopupBar();

    // The selected item; -1 none.
    virtual int GetCurSel() const;
    // The first item from after nStartAfter on (wrapping) that begins with
    // the text; -1 none.
    virtual int FindString(int nStartAfter, LPCTSTR lpszText) const;
    // The first item that is the text; -1 none.
    virtual int FindStringExact(int nStartAfter, LPCTSTR lpszText) const;
    virtual int SetTopIndex(int nIndex);
    virtual void SetCurSel(int nIndex);
    virtual void GetText(int nIndex, CString& strText) const;
    // A key for the combo box while it has the focus; true when taken.
    virtual BOOL ProcessKey(CZMRControlComboBox* pCombo, UINT nChar, LPARAM lParam);

    CZMRCommandBar* Clone(BOOL bRecursive = FALSE) override;
};
