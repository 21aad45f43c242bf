// The children of a panel: UI elements only, in the order written. It shows
// itself in messages as the plain collection.
#pragma once
#include "CZMRMarkupCollection.h"

class CZMRMarkupUIElement;

class CZMRMarkupUIElementCollection : public CZMRMarkupCollection
{
public:
    CZMRMarkupUIElementCollection();

    CZMRMarkupUIElement* GetElement(int nIndex) const;
};
