#include "CZMRControlComboBox.h"

IMPLEMENT_SERIAL(CZMRControlComboBox, CZMRControlPopup, VERSIONABLE_SCHEMA | 0x21)

CZMRControlComboBox::CZMRControlComboBox() : m_nLabelWidth(0), m_nDropDownWidth(0)
{
    m_controlType = zmrControlComboBox;
}

BOOL CZMRControlComboBox::SetLabelWidth(int nLabelWidth)
{
    if (m_nLabelWidth == nLabelWidth)
        return FALSE;
    m_nLabelWidth = nLabelWidth;
    return TRUE;
}

BOOL CZMRControlComboBox::SetDropDownWidth(int nDropDownWidth)
{
    if (m_nDropDownWidth == nDropDownWidth)
        return FALSE;
    m_nDropDownWidth = nDropDownWidth;
    return TRUE;
}
