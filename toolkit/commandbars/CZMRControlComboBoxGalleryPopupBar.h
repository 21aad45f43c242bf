// The drop-down of a combo box that shows a gallery: its first control is the
// gallery, whose hot item is the combo box's selection and whose items are
// searched, scrolled into view and read for it.
#pragma once
#include "CZMRControlComboBoxPopupBar.h"

class CZMRControlGallery;

class CZMRControlComboBoxGalleryPopupBar : public CZMRControlComboBoxPopupBar
{
    DECLARE_SERIAL(CZMRControlComboBoxGalleryPopupBar)
public:
    CZMRControlComboBoxGalleryPopupBar();

    // The gallery: the first control; none when it is something else.
    CZMRControlGallery* GetGallery() const;
    // The combo box that opened the drop-down; none.
    CZMRControlComboBox* GetComboBox() const;

    int GetCurSel() const override;
    int FindString(int nStartAfter, LPCTSTR lpszText) const override;
    int FindStringExact(int nStartAfter, LPCTSTR lpszText) const override;
    int SetTopIndex(int nIndex) override;
    void SetCurSel(int nIndex) override;
    void GetText(int nIndex, CString& strText) const override;
    // Navigation keys move over the gallery; a new hot item is the combo
    // box's new selection.
    BOOL ProcessKey(CZMRControlComboBox* pCombo, UINT nChar, LPARAM lParam) override;

    // Entering selects the gallery, syncs the combo box's selection and
    // tells it the drop-down opened (7); leaving tells it it closed (8).
    BOOL SetMenuLoopActive(int bActive, BOOL bSelectFirst = FALSE, int nCallback = 0) override;
    // Escape closes unless the combo box has the focus; Tab is not taken;
    // Enter on the gallery executes the combo box; the rest is key processing.
    int HandleHookedKeyDown(UINT nChar, LPARAM lParam) override;

protected:
    // Releasing the button over the gallery selects and executes.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
