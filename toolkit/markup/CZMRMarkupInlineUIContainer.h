// A UI element placed in the flow of text: one part of its own, measured,
// arranged and drawn through the element.
#pragma once
#include "CZMRMarkupInline.h"

class CZMRMarkupUIElement;

class CZMRMarkupInlineUIContainer : public CZMRMarkupInline
{
    DECLARE_MARKUPCLASS(CZMRMarkupInlineUIContainer)
public:
    // What an element in text is measured with.
    enum { childMeasureLength = 32000 };

    CZMRMarkupInlineUIContainer();
    ~CZMRMarkupInlineUIContainer() override;

    int GetLogicalChildrenCount() const override { return m_pChild ? 1 : 0; }
    CZMRMarkupObject* GetLogicalChild(int nIndex) const override;
    // Takes a UI element as the child; anything else is refused.
    void AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent) override;
    BOOL HoldsContent() const override { return m_pChild != nullptr; }
    // The child's hit, else the container.
    CZMRMarkupInputElement* InputHitTest(CPoint pt) override;

    int GetFirstPosition() const override;
    void NextPosition(int& nPosition) const override;
    BOOL IsBreakPosition(int nPosition) const override;
    void ArrangePart(const CRect& rc, int nFirst, int nEnd) override;
    CSize MeasurePart(CZMRMarkupDrawingContext* pDC, int nFirst, int nEnd) override;
    void RenderPart(CZMRMarkupDrawingContext* pDC, const CRect& rc, int nFirst, int nEnd) override;

    // Takes over the caller's reference; the previous child is released.
    void SetChild(CZMRMarkupUIElement* pChild);
    CZMRMarkupUIElement* GetChild() const { return m_pChild; }

protected:
    CZMRMarkupUIElement* m_pChild;   // owned
};
