#include "CZMRControlCheckBox.h"

IMPLEMENT_SERIAL(CZMRControlCheckBox, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRControlCheckBox::CZMRControlCheckBox()
{
    m_controlType = zmrControlCheckBox;
}
