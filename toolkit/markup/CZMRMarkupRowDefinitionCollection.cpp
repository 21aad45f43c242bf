#include "CZMRMarkupRowDefinitionCollection.h"
#include "CZMRMarkupRowDefinition.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupRowDefinitionCollection)

CZMRMarkupRowDefinitionCollection::CZMRMarkupRowDefinitionCollection()
    : CZMRMarkupDefinitionCollection(CZMRMarkupRowDefinition::GetMarkupType())
{
}
