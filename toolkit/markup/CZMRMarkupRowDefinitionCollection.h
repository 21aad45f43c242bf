// The rows of a grid: a collection that takes only row definitions.
#pragma once
#include "CZMRMarkupDefinitionCollection.h"

class CZMRMarkupRowDefinitionCollection : public CZMRMarkupDefinitionCollection
{
    DECLARE_MARKUPCLASS(CZMRMarkupRowDefinitionCollection)
public:
    CZMRMarkupRowDefinitionCollection();
};
