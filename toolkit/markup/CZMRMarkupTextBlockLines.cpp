// The text block's line building: the inlines' positions are cut into parts
// at break positions, the parts placed on lines for the width, lines wrapped
// or trimmed with "...", and parts of one inline side by side merged back.
#include "CZMRMarkupTextBlock.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupInlineCollection.h"
#include "CZMRMarkupRun.h"

#include <algorithm>

void CZMRMarkupTextBlock::BuildLines(CZMRMarkupDrawingContext* pDC, int nWidth)
{
    CBuildState state = {};
    state.pDC = pDC;
    state.nWidth = nWidth;
    state.bWrapping = GetEnumValue(m_pTextWrappingProperty) != wrapNone;
    state.nTrimming = state.bWrapping ? trimNone : GetEnumValue(m_pTextTrimmingProperty);
    state.bJustify = state.bWrapping && GetEnumValue(m_pTextAlignmentProperty) == textJustify;

    // Lines that neither wrap nor trim do not depend on the width.
    if (!pDC->IsScaledOutput() &&
        (nWidth == m_nLastMeasuredWidth ||
         (!state.bWrapping && state.nTrimming == trimNone && m_nLastMeasuredWidth != -1)))
    {
        return;
    }
    m_nLastMeasuredWidth = nWidth;
    FreeLines();
    state.pLine = new CLine();

    CZMRMarkupInline* pLeaf = m_pInlines->GetCount() > 0 ? m_pInlines->GetInline(0)->GetFirstLeaf() : nullptr;
    if (!pLeaf)
        AddEmptyPart(state);
    for (; pLeaf; pLeaf = pLeaf->GetNextLeaf())
    {
        pLeaf->PrepareFont(pDC);
        int nPosition = pLeaf->GetFirstPosition();
        state.pPart = new CLinePart(pLeaf, nPosition, nPosition);
        while (nPosition != -1)
        {
            state.pPart->nEnd = nPosition;
            if (state.bWrapping && pLeaf->IsBreakPosition(nPosition))
            {
                state.pPart->Measure(pDC);
                FlushPendingParts(state);
            }
            if (pLeaf->IsLineFeedPosition(nPosition))
            {
                state.pPart->Measure(pDC);
                FlushPendingParts(state);
                if (!state.pLine->pFirst)
                {
                    AddEmptyPart(state);
                    FlushPendingParts(state);
                }
                FinishLine(state);
                // The line feed itself belongs to no part.
                pLeaf->NextPosition(nPosition);
                state.pPart->nFirst = state.pPart->nEnd = nPosition;
                state.pPart->bLineFeed = TRUE;
            }
            else
            {
                pLeaf->NextPosition(nPosition);
            }
        }
        CLinePart* pPart = state.pPart;
        state.pPart = nullptr;
        if (!pPart->IsEmpty() || pPart->bLineFeed)
        {
            pPart->Measure(pDC);
            AppendPending(state, pPart);
        }
        else
        {
            delete pPart;
        }
    }
    FlushPendingParts(state);
    FinishLine(state);
    delete state.pLine;

    if (pDC->IsScaledOutput())
        m_nLastMeasuredWidth = -1;
    m_nContentWidth = state.nWidest;
    m_nContentHeight = state.y;
}

void CZMRMarkupTextBlock::AppendPending(CBuildState& state, CLinePart* pPart)
{
    pPart->pNext = nullptr;
    if (state.pPendingLast)
        state.pPendingLast->pNext = pPart;
    else
        state.pPendingFirst = pPart;
    state.pPendingLast = pPart;
}

void CZMRMarkupTextBlock::AddEmptyPart(CBuildState& state)
{
    CZMRMarkupRun* pRun = CreateHelperRun(L" ");
    pRun->PrepareFont(state.pDC);
    int nFirst = pRun->GetFirstPosition();
    CLinePart* pPart = new CLinePart(pRun, nFirst, nFirst);
    pRun->Release();
    pPart->Measure(state.pDC);
    AppendPending(state, pPart);
}

void CZMRMarkupTextBlock::FlushPendingParts(CBuildState& state)
{
    CLinePart* pCurrent = state.pPart;
    if (pCurrent && (!pCurrent->IsEmpty() || pCurrent->bLineFeed))
    {
        AppendPending(state, pCurrent);
        state.pPart = new CLinePart(pCurrent->pInline, pCurrent->nEnd, pCurrent->nEnd);
    }

    while (state.pPendingFirst)
    {
        if (state.bWrapping && state.x > 0)
        {
            int nPending = 0;
            for (CLinePart* pPart = state.pPendingFirst; pPart; pPart = pPart->pNext)
                nPending = AddLengths(nPending, pPart->cx);
            if (state.nWidth < AddLengths(state.x, nPending))
            {
                state.pLine->bWrapped = TRUE;
                FinishLine(state);
            }
        }

        CLinePart* pPart = state.pPendingFirst;
        state.pPendingFirst = pPart->pNext;
        if (!state.pPendingFirst)
            state.pPendingLast = nullptr;
        pPart->pNext = nullptr;

        // Every line but the first starts without its leading spaces.
        if (state.x == 0 && state.y > 0)
        {
            BOOL bShrank = FALSE;
            while (!pPart->IsEmpty() && pPart->pInline->IsSpacePosition(pPart->nFirst))
            {
                pPart->pInline->NextPosition(pPart->nFirst);
                bShrank = TRUE;
                if (pPart->nFirst == -1)
                    pPart->nFirst = pPart->nEnd;
            }
            if (bShrank && pPart->IsEmpty())
            {
                delete pPart;
                continue;
            }
            if (bShrank)
                pPart->Measure(state.pDC);
        }

        CLinePart* pLast = state.pLine->pLast;
        if (!state.bJustify && pLast && pLast->pInline == pPart->pInline && pLast->nEnd == pPart->nFirst &&
            !pPart->bLineFeed)
        {
            const int nOldWidth = pLast->cx;
            pLast->nEnd = pPart->nEnd;
            pLast->Measure(state.pDC);
            state.x = AddLengths(state.x, pLast->cx - nOldWidth);
            delete pPart;
            continue;
        }

        pPart->x = state.x;
        pPart->y = state.y;
        state.pLine->Append(pPart);
        state.x = AddLengths(state.x, pPart->cx);
    }
}

void CZMRMarkupTextBlock::FinishLine(CBuildState& state)
{
    CLine* pLine = state.pLine;
    if (!pLine->pFirst)
        return;
    if (state.nTrimming != trimNone && state.x > state.nWidth)
        TrimLine(state);

    pLine->cx = 0;
    pLine->nDescent = 0;
    pLine->cy = 0;
    for (CLinePart* pPart = pLine->pFirst; pPart; pPart = pPart->pNext)
    {
        pLine->cx = AddLengths(pLine->cx, pPart->cx);
        pLine->nDescent = std::max(pLine->nDescent, pPart->nDescent);
    }
    for (CLinePart* pPart = pLine->pFirst; pPart; pPart = pPart->pNext)
        pLine->cy = std::max(pLine->cy, pLine->nDescent + pPart->cy - pPart->nDescent);

    state.nWidest = std::max(state.nWidest, pLine->cx);
    state.x = 0;
    state.y = AddLengths(state.y, pLine->cy);
    if (m_pLastLine)
        m_pLastLine->pNext = pLine;
    else
        m_pFirstLine = pLine;
    m_pLastLine = pLine;
    state.pLine = new CLine();
}

void CZMRMarkupTextBlock::TrimLine(CBuildState& state)
{
    CLine* pLine = state.pLine;
    const int nWidth = state.nWidth;
    CZMRMarkupRun* pRun = CreateHelperRun(L"...");
    pRun->PrepareFont(state.pDC);
    CLinePart* pEllipsis = new CLinePart(pRun, 0, pRun->GetTextLength());
    pRun->Release();
    pEllipsis->Measure(state.pDC);
    const int nRoom = nWidth - pEllipsis->cx;

    int c = 0;
    for (CLinePart* pPart = pLine->pFirst; pPart; pPart = pPart->pNext)
    {
        if (nRoom >= AddLengths(c, pPart->cx))
        {
            c = AddLengths(c, pPart->cx);
            continue;
        }
        // A word cut falls back to dropping the whole part, except for the
        // line's first part, which is cut by characters.
        const int nNoCut = -2;
        int nWordCut = c > 0 ? pPart->nFirst : nNoCut;
        int nCharacterCut = pPart->nFirst;
        CZMRMarkupInline* pInline = pPart->pInline;
        for (int nEnd = pPart->nFirst; nEnd != -1; pInline->NextPosition(nEnd))
        {
            if (nRoom < AddLengths(c, pInline->MeasurePart(state.pDC, pPart->nFirst, nEnd).cx))
                break;
            nCharacterCut = nEnd;
            if (state.nTrimming == trimWordEllipsis && pInline->IsBreakPosition(nEnd))
                nWordCut = nEnd;
            if (nEnd == pPart->nEnd)
                break;
        }
        pPart->nEnd = state.nTrimming == trimWordEllipsis && nWordCut != nNoCut ? nWordCut : nCharacterCut;
        pPart->Measure(state.pDC);
        pLine->TruncateAfter(pPart);
        c = AddLengths(c, pPart->cx);
        break;
    }
    pEllipsis->x = c;
    pEllipsis->y = state.y;
    pLine->Append(pEllipsis);
}
