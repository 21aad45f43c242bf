// The base of the layout containers that hold any number of UI elements:
// the children collection, the background, and hit testing that lets the
// mouse through where the panel has no background.
#pragma once
#include "CZMRMarkupFrameworkElement.h"

class CZMRMarkupUIElementCollection;

class CZMRMarkupPanel : public CZMRMarkupFrameworkElement
{
    DECLARE_MARKUPCLASS(CZMRMarkupPanel)
public:
    CZMRMarkupPanel();
    ~CZMRMarkupPanel() override;

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pBackgroundProperty;

    // Only UI elements are accepted.
    void AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent) override;
    BOOL HoldsContent() const override;
    int GetVisualChildrenCount() const override;
    CZMRMarkupVisual* GetVisualChild(int nIndex) const override;
    void OnRender(CZMRMarkupDrawingContext* pDC) override;
    // The panel itself only where it has a background.
    CZMRMarkupInputElement* HitTestCore(CPoint pt) override;

    CZMRMarkupUIElementCollection* GetChildren() const { return m_pChildren; }

protected:
    CZMRMarkupUIElementCollection* m_pChildren;   // owned
};
