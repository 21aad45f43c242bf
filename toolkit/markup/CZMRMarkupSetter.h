// One property value of a style or a trigger: "Property" names the property
// (text at first, the property object once the style has resolved it) and
// "Value" holds the value.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupSetter : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupSetter)
public:
    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pPropertyProperty;
    static CZMRMarkupDependencyProperty* m_pValueProperty;

    // The resolved "Property" of a setter or a trigger, or null.
    static CZMRMarkupDependencyProperty* AFXAPI GetPropertyOf(const CZMRMarkupObject* pSetter);
    // The "Value" of a setter or a trigger, or null.
    static CZMRMarkupObject* AFXAPI GetValueOf(const CZMRMarkupObject* pSetter);
};
