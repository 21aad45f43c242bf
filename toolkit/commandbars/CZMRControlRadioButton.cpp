#include "CZMRControlRadioButton.h"

IMPLEMENT_SERIAL(CZMRControlRadioButton, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRControlRadioButton::CZMRControlRadioButton()
{
    m_controlType = zmrControlRadioButton;
}
