#include "CZMRMarkupColumnDefinitionCollection.h"
#include "CZMRMarkupColumnDefinition.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupColumnDefinitionCollection)

CZMRMarkupColumnDefinitionCollection::CZMRMarkupColumnDefinitionCollection()
    : CZMRMarkupDefinitionCollection(CZMRMarkupColumnDefinition::GetMarkupType())
{
}
