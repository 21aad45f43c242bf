#include "CZMRMarkupTriggerCollection.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupTriggerCollection)

int CZMRMarkupTriggerCollection::Find(const CZMRMarkupObject* pTrigger) const
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (GetItem(i) == pTrigger)
            return i;
    }
    return -1;
}
