// An input element with a place on the screen: an offset in its visual
// parent, a render size, bounds that cover it and all its visual
// descendants, and its visual children. It hit-tests itself and its children
// and defines the render pass that concrete elements fill.
#pragma once
#include "CZMRMarkupInputElement.h"

class CZMRMarkupDrawingContext;

class CZMRMarkupVisual : public CZMRMarkupInputElement
{
    DECLARE_MARKUPCLASS(CZMRMarkupVisual)
public:
    CZMRMarkupVisual();

    // The logical children are the visual children.
    int GetLogicalChildrenCount() const override;
    CZMRMarkupObject* GetLogicalChild(int nIndex) const override;
    // The topmost visual child at the point, else this element when the point
    // lies in its render area; pt is in the parent's coordinates.
    CZMRMarkupInputElement* InputHitTest(CPoint pt) override;

    // Slots 26 to 31, in this order.
    virtual int GetVisualChildrenCount() const;
    virtual CZMRMarkupVisual* GetVisualChild(int nIndex) const;
    // Non-zero when rc (in the element's coordinates) clips its drawing and
    // hit testing.
    virtual BOOL GetClipRect(CRect& rc) const;
    virtual void OnRender(CZMRMarkupDrawingContext* pDC);
    // Drawn after the children while the element has the keyboard focus.
    virtual void OnRenderFocusVisual(CZMRMarkupDrawingContext* pDC);
    // The element hit at the point (in the element's coordinates).
    virtual CZMRMarkupInputElement* HitTestCore(CPoint pt);

    // Bounds = the render area joined with every child's bounds, each child's
    // worked out again.
    void UpdateBounds();
    // The same, taking as they are the bounds of children worked out after
    // the stamp (in the arrange pass that just placed them).
    void UpdateBoundsSince(ULONGLONG nStamp);
    // The stamp the next bounds worked out will be later than.
    static ULONGLONG GetBoundsStamp();
    // The nearest logical ancestor that is a visual.
    CZMRMarkupVisual* GetVisualParent() const;

    CPoint GetVisualOffset() const { return m_ptOffset; }
    CSize GetRenderSize() const { return m_szRender; }
    const CRect& GetBounds() const { return m_rcBounds; }

protected:
    // Set by the arrange pass.
    void SetVisualOffset(CPoint ptOffset) { m_ptOffset = ptOffset; }

    CPoint m_ptOffset;
    CSize m_szRender;
    CRect m_rcBounds;
    ULONGLONG m_nBoundsStamp;   // when m_rcBounds was worked out
};
