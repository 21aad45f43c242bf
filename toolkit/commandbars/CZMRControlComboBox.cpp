#include "CZMRControlComboBox.h"

IMPLEMENT_SERIAL(CZMRControlComboBox, CZMRControlPopup, VERSIONABLE_SCHEMA | 0x21)

CZMRControlComboBox::CZMRControlComboBox()
{
    m_controlType = zmrControlComboBox;
}
