// A control that holds one content element, its "Content": written as the
// element's content or as the attribute, where a plain string becomes a text
// block of one run. The base of the buttons and the scroll viewer.
#pragma once
#include "CZMRMarkupControl.h"

class CZMRMarkupContentControl : public CZMRMarkupControl
{
    DECLARE_MARKUPCLASS(CZMRMarkupContentControl)
public:
    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pContentProperty;

    // One content only; a string becomes a text block; anything else must
    // be a UI element.
    void AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent) override;
    BOOL HoldsContent() const override;
    int GetVisualChildrenCount() const override;
    CZMRMarkupVisual* GetVisualChild(int nIndex) const override;
    // The content element gets this control as its logical parent.
    void OnPropertyChanged(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pOldValue,
                           CZMRMarkupObject* pNewValue) override;

    CZMRMarkupUIElement* GetContent() const;
};
