// Property values that elements get without setting them: setters, triggers
// that change values while a property has a given value, and resources. A
// style is built from markup unsealed and sealed at its first use into one
// table of values, its BasedOn style's values overridden by its own.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupInputElement;
class CZMRMarkupResourceDictionary;
class CZMRMarkupSetterColection;
class CZMRMarkupTrigger;
class CZMRMarkupTriggerCollection;

class CZMRMarkupStyle : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupStyle)
public:
    CZMRMarkupStyle();
    ~CZMRMarkupStyle() override;

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pResourcesProperty;
    static CZMRMarkupDependencyProperty* m_pTargetTypeProperty;
    static CZMRMarkupDependencyProperty* m_pBasedOnProperty;
    static CZMRMarkupDependencyProperty* m_pTriggersProperty;

    // Takes setters only, each resolved against the target type first.
    void AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent) override;
    // Resolves every trigger of a Triggers value before it is set.
    void AssignPropertyValue(CZMRMarkupBuilder* pBuilder, CZMRMarkupDependencyProperty* pProperty,
                             CZMRMarkupObject* pValue) override;

    // Turns a setter's (or trigger's) Property text into the property and
    // converts its Value to the property's value type; raises the builder's
    // errors.
    void ResolveSetter(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pSetter);
    void ResolveTrigger(CZMRMarkupBuilder* pBuilder, CZMRMarkupTrigger* pTrigger);

    // Builds the value table once; a sealed style belongs to no tree.
    void Seal();
    BOOL IsSealed() const { return m_bSealed; }
    // The sealed value of the property, or null (also before sealing).
    CZMRMarkupObject* GetSetterValue(CZMRMarkupDependencyProperty* pProperty) const;

    CZMRMarkupSetterColection* GetSetters() const { return m_pSetters; }
    CZMRMarkupType* GetTargetType() const;
    CZMRMarkupStyle* GetBasedOn() const;
    CZMRMarkupTriggerCollection* GetTriggers() const;
    CZMRMarkupResourceDictionary* GetResources() const;

protected:
    CZMRMarkupSetterColection* m_pSetters;   // owned, the style is its parent
    BOOL m_bSealed;
    CZMRMarkupProperties* m_pValues;         // owned, made at sealing
};
