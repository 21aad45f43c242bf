// An edit field on a bar.
#pragma once
#include "CZMRControl.h"

class CZMRControlEdit : public CZMRControl
{
    DECLARE_SERIAL(CZMRControlEdit)
public:
    CZMRControlEdit();

    // Set by the paint manager as it measures: the room of the label in
    // front of the field; true when it changed.
    int GetLabelWidth() const { return m_nLabelWidth; }
    BOOL SetLabelWidth(int nLabelWidth);
    BOOL IsSpinButtonsVisible() const { return m_bShowSpinButtons; }
    void SetShowSpinButtons(BOOL bShow) { m_bShowSpinButtons = bShow; }
    // The up and down buttons at the field's right end.
    CRect GetSpinButtonsRect() const;

protected:
    int m_nLabelWidth;
    BOOL m_bShowSpinButtons;
};
