#include "CZMRControlButton.h"

IMPLEMENT_SERIAL(CZMRControlButton, CZMRControl, VERSIONABLE_SCHEMA | 0x21)

CZMRControlButton::CZMRControlButton()
{
    m_controlType = zmrControlButton;
}
