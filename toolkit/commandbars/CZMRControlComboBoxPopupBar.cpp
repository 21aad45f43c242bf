#include "CZMRControlComboBoxPopupBar.h"

IMPLEMENT_SERIAL(CZMRControlComboBoxPopupBar, CZMRPopupBar, VERSIONABLE_SCHEMA | 0x21)

CZMRControlComboBoxPopupBar::CZMRControlComboBoxPopupBar()
{
    // The bar hot-tracks while the combo box's edit window holds the focus,
    // and opening it leaves the edit's caret alone.
    SetMouseLockExempt(TRUE);
    SetHideCaret(FALSE);
}

int CZMRControlComboBoxPopupBar::GetCurSel() const
{
    return -1;
}

int CZMRControlComboBoxPopupBar::FindString(int /*nStartAfter*/, LPCTSTR /*lpszText*/) const
{
    return -1;
}

int CZMRControlComboBoxPopupBar::FindStringExact(int /*nStartAfter*/, LPCTSTR /*lpszText*/) const
{
    return -1;
}

int CZMRControlComboBoxPopupBar::SetTopIndex(int /*nIndex*/)
{
    return -1;
}

void CZMRControlComboBoxPopupBar::SetCurSel(int /*nIndex*/)
{
}

void CZMRControlComboBoxPopupBar::GetText(int /*nIndex*/, CString& /*strText*/) const
{
}

BOOL CZMRControlComboBoxPopupBar::ProcessKey(CZMRControlComboBox* /*pCombo*/, UINT /*nChar*/, LPARAM /*lParam*/)
{
    return FALSE;
}

CZMRCommandBar* CZMRControlComboBoxPopupBar::Clone(BOOL bRecursive)
{
    CZMRCommandBar* pBar = static_cast<CZMRCommandBar*>(GetRuntimeClass()->CreateObject());
    if (pBar)
        pBar->Copy(this, bRecursive);
    return pBar;
}
