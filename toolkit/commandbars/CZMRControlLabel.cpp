#include "CZMRControlLabel.h"

IMPLEMENT_SERIAL(CZMRControlLabel, CZMRControl, VERSIONABLE_SCHEMA | 0x21)

CZMRControlLabel::CZMRControlLabel()
{
    m_controlType = zmrControlLabel;
    m_dwFlags = zmrFlagSkipFocus | zmrFlagManualUpdate | zmrFlagNoMovable;
}
