// The root element of a markup page: one child over the whole page. The page
// itself is never hit, so only its child receives the mouse.
#pragma once
#include "CZMRMarkupFrameworkElement.h"

class CZMRMarkupPage : public CZMRMarkupFrameworkElement
{
    DECLARE_MARKUPCLASS(CZMRMarkupPage)
public:
    CZMRMarkupPage();
    ~CZMRMarkupPage() override;

    // The single-child rule: a UI element, and only one.
    void AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent) override;
    BOOL HoldsContent() const override { return m_pChild != nullptr; }
    int GetVisualChildrenCount() const override { return m_pChild ? 1 : 0; }
    CZMRMarkupVisual* GetVisualChild(int nIndex) const override;
    CZMRMarkupInputElement* HitTestCore(CPoint pt) override;
    CSize MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override;
    CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;

    CZMRMarkupUIElement* GetChild() const { return m_pChild; }

protected:
    CZMRMarkupUIElement* m_pChild;   // owned
};
