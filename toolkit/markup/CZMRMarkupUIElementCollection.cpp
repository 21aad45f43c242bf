#include "CZMRMarkupUIElementCollection.h"
#include "CZMRMarkupUIElement.h"

CZMRMarkupUIElementCollection::CZMRMarkupUIElementCollection()
    : CZMRMarkupCollection(CZMRMarkupUIElement::GetMarkupType())
{
}

CZMRMarkupUIElement* CZMRMarkupUIElementCollection::GetElement(int nIndex) const
{
    return static_cast<CZMRMarkupUIElement*>(GetItem(nIndex));
}
