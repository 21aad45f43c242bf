#include "CZMRControlLabel.h"
#include "CZMRCommandBar.h"

IMPLEMENT_SERIAL(CZMRControlLabel, CZMRControl, VERSIONABLE_SCHEMA | 0x21)

CZMRControlLabel::CZMRControlLabel()
{
    m_controlType = zmrControlLabel;
    m_dwFlags = zmrFlagSkipFocus | zmrFlagManualUpdate | zmrFlagNoMovable;
}

int CZMRControlLabel::GetSelected() const
{
    return 0;
}

void CZMRControlLabel::OnClick(BOOL bKeyboard, CPoint point)
{
    if (bKeyboard || !IsCustomizeMode() || !IsCustomizable())
        return;
    if (m_pParent)
    {
        m_pParent->SetPoppedControl(-1);
        m_pParent->SetHotControl(-1);
    }
    BeginControlMove(point);
}
