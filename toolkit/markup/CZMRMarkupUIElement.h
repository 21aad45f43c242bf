// A visual with the two-pass layout: Measure finds the desired size for an
// available size and skips the work when nothing changed, Arrange places the
// element in a rectangle, and the invalidations re-run the least layout a
// change needs, up to asking the context for a repaint. Registers the basic
// element properties, "Visibility" among them.
#pragma once
#include "CZMRMarkupVisual.h"

class CZMRMarkupUIElement : public CZMRMarkupVisual
{
    DECLARE_MARKUPCLASS(CZMRMarkupUIElement)
public:
    enum { visibilityVisible = 0, visibilityHidden = 1, visibilityCollapsed = 2 };

    CZMRMarkupUIElement();

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pClipToBoundsProperty;
    static CZMRMarkupDependencyProperty* m_pVisibilityProperty;
    static CZMRMarkupDependencyProperty* m_pFocusableProperty;
    static CZMRMarkupDependencyProperty* m_pIsEnabledProperty;

    // A hidden or collapsed element clips everything.
    BOOL GetClipRect(CRect& rc) const override;

    // Slots 32 to 37, in this order.
    virtual void InvalidateArrange();
    virtual void InvalidateVisual();
    virtual void InvalidateMeasure();
    // Sets the render size from the final rectangle (in the parent's
    // coordinates) and returns it.
    virtual CSize ArrangeCore(CRect rcFinal);
    // The desired size for the available size; sizes above 0x3FFFFFFF are
    // unbounded.
    virtual CSize MeasureCore(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight);
    virtual void InvalidateMeasureCore(CZMRMarkupDrawingContext* pDC);

    void Measure(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight);
    // Measures first, against the rectangle's size, an element never measured.
    void Arrange(CRect rcFinal);
    // Draws the element and its visual subtree; the viewport origin and clip
    // box are the parent's when it is called.
    void Render(CZMRMarkupDrawingContext* pDC);

    CSize GetDesiredSize() const { return m_szDesired; }
    const CRect& GetFinalRect() const { return m_rcFinal; }
    int GetVisibility() const;

protected:
    CSize m_szDesired;
    CRect m_rcFinal;
    BOOL m_bMeasureDirty;
    BOOL m_bNeverMeasured;
    CSize m_szLastAvailable;
    BOOL m_bArrangeDirty;
    BOOL m_bNeverArranged;
    BOOL m_bArranging;
    BOOL m_bMeasuring;
};
