// A condition of a style: while the element's "Property" has the trigger's
// "Value", the trigger's "Setters" give their values to the element.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupSetterColection;

class CZMRMarkupTrigger : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupTrigger)
public:
    static void AFXAPI RegisterMarkupProperties();
    // The setter's two properties, shared with this type.
    static CZMRMarkupDependencyProperty* m_pPropertyProperty;
    static CZMRMarkupDependencyProperty* m_pValueProperty;
    static CZMRMarkupDependencyProperty* m_pSettersProperty;

    CZMRMarkupSetterColection* GetSetters() const;
};
