// One row of a grid: its height as a grid length ("Height", one star by
// default) and its limits ("MinHeight", "MaxHeight").
#pragma once
#include "CZMRMarkupDefinitionBase.h"

class CZMRMarkupRowDefinition : public CZMRMarkupDefinitionBase
{
    DECLARE_MARKUPCLASS(CZMRMarkupRowDefinition)
public:
    CZMRMarkupRowDefinition();

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pHeightProperty;
    static CZMRMarkupDependencyProperty* m_pMinHeightProperty;
    static CZMRMarkupDependencyProperty* m_pMaxHeightProperty;
};
