// The base of a grid's column and row collections: definitions by index.
#pragma once
#include "CZMRMarkupCollection.h"

class CZMRMarkupDefinitionBase;

class CZMRMarkupDefinitionCollection : public CZMRMarkupCollection
{
    DECLARE_MARKUPCLASS(CZMRMarkupDefinitionCollection)
public:
    explicit CZMRMarkupDefinitionCollection(CZMRMarkupType* pElementType = nullptr);

    CZMRMarkupDefinitionBase* GetDefinition(int nIndex) const;
};
