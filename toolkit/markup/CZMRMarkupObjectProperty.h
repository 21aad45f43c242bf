// Stands on the builder's stack for an open property element (Owner.Name):
// gathers the element's content into the property's value, which the
// builder assigns to the owner at the end tag.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupObjectProperty : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupObjectProperty)
public:
    explicit CZMRMarkupObjectProperty(CZMRMarkupDependencyProperty* pProperty = nullptr);
    ~CZMRMarkupObjectProperty() override;

    // Content of the value type, or text, becomes the value; other content
    // goes into the value, which is made of the value type when there is
    // none yet (so items gather into an implicit collection).
    void AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent) override;
    BOOL HoldsContent() const override;

    CZMRMarkupDependencyProperty* GetProperty() const { return m_pProperty; }
    // Borrowed; null until content arrived.
    CZMRMarkupObject* GetPropertyValue() const { return m_pValue; }

protected:
    CZMRMarkupObject* m_pValue;              // one reference
    CZMRMarkupObject* m_pValueUnderConstruction;
    CZMRMarkupDependencyProperty* m_pProperty;
};
