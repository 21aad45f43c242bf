// One piece of the content of a text block. The text block walks an inline's
// content through positions (32-bit indexes ending with -1), cuts it into
// parts at break positions, and asks the inline to measure, arrange and draw
// each part; inlines themselves take no part in layout.
#pragma once
#include "CZMRMarkupTextElement.h"

class CZMRMarkupDrawingContext;

class CZMRMarkupInline : public CZMRMarkupTextElement
{
    DECLARE_MARKUPCLASS(CZMRMarkupInline)
public:
    enum
    {
        baselineTop = 0,
        baselineCenter = 1,
        baselineBottom = 2,
        baselineBaseline = 3,
        baselineTextTop = 4,
        baselineTextBottom = 5,
        baselineSubscript = 6,
        baselineSuperscript = 7
    };

    CZMRMarkupInline();

    static void AFXAPI RegisterMarkupProperties();
    static CZMRMarkupDependencyProperty* m_pBaselineAlignmentProperty;

    // An inline is hit as a whole; events route on from it to its ancestors.
    CZMRMarkupInputElement* InputHitTest(CPoint pt) override;

    // Slots 26 to 36, in this order.
    // The first inline at or below this one that holds positions.
    virtual CZMRMarkupInline* GetFirstLeaf();
    // -1 when the inline holds no positions.
    virtual int GetFirstPosition() const;
    // Moves to the next position; -1 after the last.
    virtual void NextPosition(int& nPosition) const;
    // Lines may break before this position.
    virtual BOOL IsBreakPosition(int nPosition) const;
    virtual BOOL IsLineFeedPosition(int nPosition) const;
    // Dropped at the start of a line.
    virtual BOOL IsSpacePosition(int nPosition) const;
    // The part first..end (end not included) was placed at the rectangle,
    // in the text block's coordinates.
    virtual void ArrangePart(const CRect& rc, int nFirst, int nEnd);
    virtual CSize MeasurePart(CZMRMarkupDrawingContext* pDC, int nFirst, int nEnd);
    virtual void RenderPart(CZMRMarkupDrawingContext* pDC, const CRect& rc, int nFirst, int nEnd);
    // Makes the inline's font ready before its parts are measured.
    virtual void PrepareFont(CZMRMarkupDrawingContext* pDC);
    virtual int GetDescent() const;

    // The leaf that follows this one in document order, or null.
    CZMRMarkupInline* GetNextLeaf();
    int GetBaselineAlignment() const;

    // The position in the inline collection that holds it; -1 until added.
    int GetIndex() const { return m_nIndex; }
    void SetIndex(int nIndex) { m_nIndex = nIndex; }

protected:
    int m_nIndex;
};
