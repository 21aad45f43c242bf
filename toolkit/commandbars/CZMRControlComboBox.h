// A combo box on a bar: an edit part and a drop-down list.
#pragma once
#include "CZMRControlPopup.h"

class CZMRControlComboBox : public CZMRControlPopup
{
    DECLARE_SERIAL(CZMRControlComboBox)
public:
    CZMRControlComboBox();

    // Set by the paint manager as it measures: the room of the label in
    // front of the field and the width of the drop-down button; true when
    // they changed.
    int GetLabelWidth() const { return m_nLabelWidth; }
    BOOL SetLabelWidth(int nLabelWidth);
    int GetDropDownWidth() const { return m_nDropDownWidth; }
    BOOL SetDropDownWidth(int nDropDownWidth);

protected:
    int m_nLabelWidth;
    int m_nDropDownWidth;
};
