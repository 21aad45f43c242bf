// The element that shows formatted text: it flows its inlines into lines for
// the width it gets, wraps at spaces or trims with "...", aligns or justifies
// each line, puts the parts of a line on a common baseline, and draws them
// with their colours, backgrounds and decorations.
#pragma once
#include "CZMRMarkupFrameworkElement.h"

class CZMRMarkupInline;
class CZMRMarkupInlineCollection;
class CZMRMarkupRun;

class CZMRMarkupTextBlock : public CZMRMarkupFrameworkElement
{
    DECLARE_MARKUPCLASS(CZMRMarkupTextBlock)
public:
    enum { wrapNone = 0, wrapWrap = 1 };
    enum { trimNone = 0, trimCharacterEllipsis = 1, trimWordEllipsis = 2 };
    enum { textLeft = 0, textRight = 1, textCenter = 2, textJustify = 3 };

    class CLine;

    // One part of one inline on one line, owned by its line (or, before it is
    // placed, by the build).
    class CLinePart
    {
    public:
        // Holds one reference of the inline.
        CLinePart(CZMRMarkupInline* pInline, int nFirst, int nEnd, BOOL bLineFeed = FALSE);
        ~CLinePart();

        BOOL IsEmpty() const { return nFirst == nEnd; }
        // Where the part is drawn, in the text block's coordinates.
        CRect GetRect() const;
        // Width, height and descent from the inline.
        void Measure(CZMRMarkupDrawingContext* pDC);

        CZMRMarkupInline* pInline;
        int nFirst;          // positions of the inline; the part ends before nEnd
        int nEnd;
        int x;               // left within the line and top of the line,
        int y;               // without the padding
        int nOffsetX;        // added by arrange
        int nOffsetY;
        CLine* pLine;        // not owned
        int cx;
        int cy;
        int nDescent;
        CLinePart* pNext;
        BOOL bLineFeed;      // starts right after a forced line end

    private:
        CLinePart(const CLinePart&) = delete;
        CLinePart& operator=(const CLinePart&) = delete;
    };

    class CLine
    {
    public:
        CLine();
        ~CLine();
        void Append(CLinePart* pPart);
        // Frees every part after this one.
        void TruncateAfter(CLinePart* pPart);

        CLinePart* pFirst;   // owned, with the parts they link
        CLinePart* pLast;
        int cx;              // the sum of the parts' widths
        int cy;
        int nDescent;        // the largest descent of its parts
        CLine* pNext;
        BOOL bWrapped;       // ended because the next part did not fit

    private:
        CLine(const CLine&) = delete;
        CLine& operator=(const CLine&) = delete;
    };

    CZMRMarkupTextBlock();
    ~CZMRMarkupTextBlock() override;

    static void AFXAPI RegisterMarkupProperties();
    // The text element's properties, added to this owner.
    static CZMRMarkupDependencyProperty* m_pBackgroundProperty;
    static CZMRMarkupDependencyProperty* m_pForegroundProperty;
    static CZMRMarkupDependencyProperty* m_pFontSizeProperty;
    static CZMRMarkupDependencyProperty* m_pFontWeightProperty;
    static CZMRMarkupDependencyProperty* m_pFontQualityProperty;
    static CZMRMarkupDependencyProperty* m_pFontFamilyProperty;
    static CZMRMarkupDependencyProperty* m_pFontStyleProperty;
    static CZMRMarkupDependencyProperty* m_pTextDecorationsProperty;
    // Its own.
    static CZMRMarkupDependencyProperty* m_pTextWrappingProperty;
    static CZMRMarkupDependencyProperty* m_pTextTrimmingProperty;
    static CZMRMarkupDependencyProperty* m_pTextAlignmentProperty;
    static CZMRMarkupDependencyProperty* m_pPaddingProperty;
    static CZMRMarkupDependencyProperty* m_pTextProperty;

    // The inline collection is the only logical child; there are no visual
    // children (elements in the text are drawn through their parts).
    int GetLogicalChildrenCount() const override { return 1; }
    CZMRMarkupObject* GetLogicalChild(int nIndex) const override;
    void AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent) override;
    BOOL HoldsContent() const override;
    BOOL KeepsWhitespaceContent() const override { return TRUE; }
    // "Text" replaces every inline by one run of the new text.
    void OnPropertyChanged(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pOldValue,
                           CZMRMarkupObject* pNewValue) override;
    void OnRender(CZMRMarkupDrawingContext* pDC) override;
    // The inline of the part at the point, else the text block.
    CZMRMarkupInputElement* HitTestCore(CPoint pt) override;
    // The lines are built again at the next measure.
    void InvalidateMeasureCore(CZMRMarkupDrawingContext* pDC) override;
    CSize MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override;
    CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;

    CZMRMarkupInlineCollection* GetInlines() const { return m_pInlines; }
    const CLine* GetFirstLine() const { return m_pFirstLine; }
    int GetLineCount() const;
    CSize GetContentSize() const { return CSize(m_nContentWidth, m_nContentHeight); }
    // The width the lines were built for; -1 when they are to be rebuilt.
    int GetLastMeasuredWidth() const { return m_nLastMeasuredWidth; }

protected:
    // What one build of the lines works with.
    struct CBuildState
    {
        CZMRMarkupDrawingContext* pDC;
        int nWidth;
        int x;                    // width used on the current line
        int y;                    // top of the current line
        int nWidest;
        CLine* pLine;             // the current line, not yet appended
        CLinePart* pPart;         // the part being extended
        CLinePart* pPendingFirst; // measured parts not yet placed, in order
        CLinePart* pPendingLast;
        BOOL bWrapping;
        int nTrimming;
        BOOL bJustify;
    };

    // The lines for the width, kept while the width and the content stay.
    void BuildLines(CZMRMarkupDrawingContext* pDC, int nWidth);
    void FlushPendingParts(CBuildState& state);
    void FinishLine(CBuildState& state);
    void TrimLine(CBuildState& state);
    void AppendPending(CBuildState& state, CLinePart* pPart);
    // A part of width 0 and the height of a space in the block's font.
    void AddEmptyPart(CBuildState& state);
    // A helper run of the block (the empty part, the ellipsis), made through
    // the context and taking the block's text properties.
    CZMRMarkupRun* CreateHelperRun(LPCWSTR lpszText);
    void FreeLines();
    void ArrangeLines(int nFinalWidth);
    void RenderDecorations(CZMRMarkupDrawingContext* pDC, const CLinePart* pPart);

    int GetEnumValue(CZMRMarkupDependencyProperty* pProperty) const;
    CRect GetPadding() const { return GetThicknessValue(this, m_pPaddingProperty); }

    CZMRMarkupInlineCollection* m_pInlines;   // owned
    CLine* m_pFirstLine;                      // owned
    CLine* m_pLastLine;
    int m_nLastMeasuredWidth;
    int m_nContentWidth;
    int m_nContentHeight;
};
