// An inline that holds other inlines and gives them its text properties:
// the base of bold, italic, underline and hyperlink.
#pragma once
#include "CZMRMarkupInline.h"

class CZMRMarkupInlineCollection;

class CZMRMarkupSpan : public CZMRMarkupInline
{
    DECLARE_MARKUPCLASS(CZMRMarkupSpan)
public:
    CZMRMarkupSpan();
    ~CZMRMarkupSpan() override;

    // The inline collection is the only logical child.
    int GetLogicalChildrenCount() const override { return 1; }
    CZMRMarkupObject* GetLogicalChild(int nIndex) const override;
    void AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent) override;
    BOOL HoldsContent() const override;
    BOOL KeepsWhitespaceContent() const override { return TRUE; }

    // The first leaf of the first inline, or the span itself when empty.
    CZMRMarkupInline* GetFirstLeaf() override;

    CZMRMarkupInlineCollection* GetInlines() const { return m_pInlines; }

protected:
    CZMRMarkupInlineCollection* m_pInlines;   // owned
};
