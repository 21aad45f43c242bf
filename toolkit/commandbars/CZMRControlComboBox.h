// A combo box on a bar: an edit part and a drop-down list.
#pragma once
#include "CZMRControlPopup.h"

class CZMRControlComboBox : public CZMRControlPopup
{
    DECLARE_SERIAL(CZMRControlComboBox)
public:
    CZMRControlComboBox();
};
