// The base of every element that takes part in layout: it wraps the element's
// own measure and arrange (MeasureOverride, ArrangeOverride) in its margin,
// alignment and size limits, and hides by its layout clip whatever does not
// fit. It also keeps the one rule by which every layout length saturates.
#pragma once
#include "CZMRMarkupUIElement.h"

class CZMRMarkupThickness;

class CZMRMarkupFrameworkElement : public CZMRMarkupUIElement
{
    DECLARE_MARKUPCLASS(CZMRMarkupFrameworkElement)
public:
    // "HorizontalAlignment" and "VerticalAlignment" share the numbers: Left
    // or Top 0, Center 1, Right or Bottom 2, Stretch 3.
    enum { alignStart = 0, alignCenter = 1, alignEnd = 2, alignStretch = 3 };

    // Recomputed at the start of every measure.
    struct SizeLimits
    {
        int nMaxHeight;
        int nMinHeight;
        int nMaxWidth;
        int nMinWidth;
    };

    // The length that stands for unbounded; any length above 0x3FFFFFFF
    // counts as unbounded.
    static const int lengthUnbounded = 0x7FFFFFFF;

    CZMRMarkupFrameworkElement();

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pMarginProperty;
    static CZMRMarkupDependencyProperty* m_pHorizontalAlignmentProperty;
    static CZMRMarkupDependencyProperty* m_pVerticalAlignmentProperty;
    static CZMRMarkupDependencyProperty* m_pWidthProperty;
    static CZMRMarkupDependencyProperty* m_pHeightProperty;
    static CZMRMarkupDependencyProperty* m_pMinWidthProperty;
    static CZMRMarkupDependencyProperty* m_pMinHeightProperty;
    static CZMRMarkupDependencyProperty* m_pMaxWidthProperty;
    static CZMRMarkupDependencyProperty* m_pMaxHeightProperty;
    static CZMRMarkupDependencyProperty* m_pTagProperty;

    // Triggers first, then the invalidations the property's metadata asks for.
    void OnPropertyChanged(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pOldValue,
                           CZMRMarkupObject* pNewValue) override;
    // The layout clip, in the element's coordinates.
    BOOL GetClipRect(CRect& rc) const override;
    CSize ArrangeCore(CRect rcFinal) override;
    CSize MeasureCore(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override;

    // Slot 38: the content's size for a size without margins, already within
    // the size limits; either length may be unbounded.
    virtual CSize MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight);
    // Slot 39: arranges the content in the final size; returns the render size.
    virtual CSize ArrangeOverride(int nFinalWidth, int nFinalHeight);

    // Stretch (3) when unset.
    int GetHorizontalAlignment() const;
    int GetVerticalAlignment() const;
    // Left, top, right and bottom; 0 each when unset.
    CRect GetMargin() const { return GetThicknessValue(this, m_pMarginProperty); }
    BOOL IsClipToBounds() const;
    const SizeLimits& GetSizeLimits() const { return m_limits; }
    BOOL NeedsClip() const { return m_bNeedsClip; }

    // The layout lengths. Every sum and difference of lengths, margins,
    // paddings and borders goes through these, so an unbounded length or a
    // negative or huge thickness never overflows.
    static BOOL AFXAPI IsUnbounded(int nLength) { return nLength > 0x3FFFFFFF; }
    // a + b: unbounded when either is or the sum is; never below -0x7FFFFFFF.
    static int AFXAPI AddLengths(int a, int b);
    // The available length less an amount: unbounded when the length is
    // unbounded or the amount is hugely negative; else the difference, never
    // below 0.
    static int AFXAPI SubtractLength(int nAvailable, int nAmount);
    // A 64-bit result brought back into the range of lengths.
    static int AFXAPI SaturateLength(long long nLength);
    // A thickness property's value as left, top, right and bottom; 0 each
    // when it has none.
    static CRect AFXAPI GetThicknessValue(const CZMRMarkupObject* pObject, CZMRMarkupDependencyProperty* pProperty);
    // left + right and top + bottom of a thickness.
    static CSize AFXAPI GetThicknessSize(const CRect& rcThickness);
    // Where content of the ink size sits in a client area by the alignments.
    static CPoint AFXAPI GetAlignmentOffset(int nHorizontal, int nVertical, CSize szClient, CSize szInk);
    // The invalidations that the property's metadata flags ask of an element.
    static void AFXAPI InvalidateByMetadata(CZMRMarkupUIElement* pElement, CZMRMarkupDependencyProperty* pProperty);
    // A length property's value, or nDefault when it is unset, "Auto" or
    // another unbounded value; negative values count as 0.
    int GetLengthValue(CZMRMarkupDependencyProperty* pProperty, int nDefault) const;

protected:
    void UpdateSizeLimits();

    BOOL m_bNeedsClip;
    CSize m_szUnclipped;        // the content's size before the limits cut it
    BOOL m_bUnclippedKept;
    SizeLimits m_limits;
};
