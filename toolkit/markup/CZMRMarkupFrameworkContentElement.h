// The base of the content inside a text block (runs, spans, hyperlinks): an
// input element without a place of its own in layout, which asks its nearest
// framework element to re-measure, re-arrange or repaint when one of its
// properties changes.
#pragma once
#include "CZMRMarkupInputElement.h"

class CZMRMarkupFrameworkElement;

class CZMRMarkupFrameworkContentElement : public CZMRMarkupInputElement
{
    DECLARE_MARKUPCLASS(CZMRMarkupFrameworkContentElement)
public:
    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pTagProperty;   // the framework element's

    // Triggers first, then the invalidations the metadata asks of the
    // framework element that hosts this content.
    void OnPropertyChanged(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pOldValue,
                           CZMRMarkupObject* pNewValue) override;

    // The nearest logical ancestor that is a framework element, or null.
    CZMRMarkupFrameworkElement* GetFrameworkParent() const;
};
