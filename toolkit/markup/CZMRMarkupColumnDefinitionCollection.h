// The columns of a grid: a collection that takes only column definitions.
#pragma once
#include "CZMRMarkupDefinitionCollection.h"

class CZMRMarkupColumnDefinitionCollection : public CZMRMarkupDefinitionCollection
{
    DECLARE_MARKUPCLASS(CZMRMarkupColumnDefinitionCollection)
public:
    CZMRMarkupColumnDefinitionCollection();
};
