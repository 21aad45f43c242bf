#include "CZMRMarkupDefinitionCollection.h"
#include "CZMRMarkupDefinitionBase.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupDefinitionCollection)

CZMRMarkupDefinitionCollection::CZMRMarkupDefinitionCollection(CZMRMarkupType* pElementType)
    : CZMRMarkupCollection(pElementType)
{
}

CZMRMarkupDefinitionBase* CZMRMarkupDefinitionCollection::GetDefinition(int nIndex) const
{
    return static_cast<CZMRMarkupDefinitionBase*>(GetItem(nIndex));
}
