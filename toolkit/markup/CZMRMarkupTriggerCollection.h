// The triggers of a style, in the order written.
#pragma once
#include "CZMRMarkupCollection.h"
#include "CZMRMarkupTrigger.h"

class CZMRMarkupTriggerCollection : public CZMRMarkupCollection
{
    DECLARE_MARKUPCLASS(CZMRMarkupTriggerCollection)
public:
    explicit CZMRMarkupTriggerCollection(BOOL bParentsItems = TRUE)
        : CZMRMarkupCollection(CZMRMarkupTrigger::GetMarkupType(), bParentsItems)
    {
    }

    CZMRMarkupTrigger* GetTrigger(int nIndex) const { return static_cast<CZMRMarkupTrigger*>(GetItem(nIndex)); }
    int Find(const CZMRMarkupObject* pTrigger) const;
};

// The triggers of one element's style that match the element now. The
// triggers stay in their style's tree: this list only holds references.
class CZMRMarkupActiveTriggerCollection : public CZMRMarkupTriggerCollection
{
public:
    CZMRMarkupActiveTriggerCollection() : CZMRMarkupTriggerCollection(FALSE) {}
};
