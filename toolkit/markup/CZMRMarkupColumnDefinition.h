// One column of a grid: its width as a grid length ("Width", one star by
// default) and its limits ("MinWidth", "MaxWidth").
#pragma once
#include "CZMRMarkupDefinitionBase.h"

class CZMRMarkupColumnDefinition : public CZMRMarkupDefinitionBase
{
    DECLARE_MARKUPCLASS(CZMRMarkupColumnDefinition)
public:
    CZMRMarkupColumnDefinition();

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pWidthProperty;
    static CZMRMarkupDependencyProperty* m_pMinWidthProperty;
    static CZMRMarkupDependencyProperty* m_pMaxWidthProperty;
};
