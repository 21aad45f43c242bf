#include "CZMRControlEdit.h"

IMPLEMENT_SERIAL(CZMRControlEdit, CZMRControl, VERSIONABLE_SCHEMA | 0x21)

CZMRControlEdit::CZMRControlEdit() : m_nLabelWidth(0), m_bShowSpinButtons(FALSE)
{
    m_controlType = zmrControlEdit;
}

BOOL CZMRControlEdit::SetLabelWidth(int nLabelWidth)
{
    if (m_nLabelWidth == nLabelWidth)
        return FALSE;
    m_nLabelWidth = nLabelWidth;
    return TRUE;
}

CRect CZMRControlEdit::GetSpinButtonsRect() const
{
    // Inside the field's frame, where the edit window leaves 20 pixels.
    return CRect(m_rcControl.right - 19, m_rcControl.top + 2, m_rcControl.right - 2, m_rcControl.bottom - 2);
}
