#include "CZMRControlEdit.h"

IMPLEMENT_SERIAL(CZMRControlEdit, CZMRControl, VERSIONABLE_SCHEMA | 0x21)

CZMRControlEdit::CZMRControlEdit()
{
    m_controlType = zmrControlEdit;
}
