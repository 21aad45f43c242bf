// The edit window of a combo box in drop-down mode: focus, changes, the
// drop-down closing when the shell's suggestions appear, and the context menu.
#pragma once
#include "CZMREdit.h"

class CZMRControlComboBox;

class CZMRControlComboBoxEditCtrl : public CZMREdit
{
    DECLARE_DYNAMIC(CZMRControlComboBoxEditCtrl)
public:
    CZMRControlComboBoxEditCtrl() : m_pCombo(nullptr) {}

    CZMRControlComboBox* m_pCombo;   // cleared before the combo box goes

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
