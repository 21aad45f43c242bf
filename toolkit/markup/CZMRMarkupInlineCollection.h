// The inlines of a text block or a span, in document order. What the builder
// adds is turned into inlines: a string into a run, a UI element into an
// inline UI container.
#pragma once
#include "CZMRMarkupCollection.h"
#include "CZMRMarkupInline.h"

class CZMRMarkupInlineCollection : public CZMRMarkupCollection
{
    DECLARE_MARKUPCLASS(CZMRMarkupInlineCollection)
public:
    CZMRMarkupInlineCollection();

    // The owner (the logical parent) must be an input element; its context
    // makes the new runs and containers.
    void AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent) override;
    // Tells the inline its index.
    void OnItemAdded(CZMRMarkupObject* pItem, int nIndex) override;

    CZMRMarkupInline* GetInline(int nIndex) const { return static_cast<CZMRMarkupInline*>(GetItem(nIndex)); }
    // The inline's index in this collection, or -1.
    int IndexOf(const CZMRMarkupInline* pInline) const;
};
