// A command bar as the target of customize-mode drags: where a dragged
// control would land, the mark that shows it, and the drop itself.
#include "CZMRCommandBar.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMRControlDragHelper.h"
#include "CZMRBarManager.h"
#include "CZMRColorManager.h"
#include <climits>

namespace
{
const int kMarkThickness = 6;

// How far a value lies outside [nLow, nHigh).
int OutsideBy(int nValue, int nLow, int nHigh)
{
    return nValue < nLow ? nLow - nValue : (nValue >= nHigh ? nValue - nHigh + 1 : 0);
}
}

CZMRControl* CZMRCommandBar::GetVisibleNeighbour(int nIndex, int nDirection) const
{
    for (int i = nIndex + nDirection; i >= 0 && i < GetControlCount(); i += nDirection)
    {
        if (GetControl(i)->IsVisible())
            return GetControl(i);
    }
    return nullptr;
}

int CZMRCommandBar::FindInsertionPoint(CPoint point, CRect& rcMark, BOOL& bVerticalMark, int* pNearest) const
{
    rcMark.SetRectEmpty();
    bVerticalMark = TRUE;
    if (pNearest)
        *pNearest = -1;

    // Controls stand in a column on popups and on bars docked at a side.
    const BOOL bColumn = m_barType == zmrBarTypePopup || m_barPosition == zmrBarLeft || m_barPosition == zmrBarRight;

    // The nearest control along the bar among those whose row (or column)
    // holds the point, else those of the nearest row.
    int nNearest = -1;
    int nBestCross = INT_MAX, nBestMain = INT_MAX;
    for (int i = 0; i < GetControlCount(); i++)
    {
        CZMRControl* pControl = GetControl(i);
        if (!pControl->IsVisible() || !pControl->IsCustomizable())
            continue;
        if (m_bRowBoundLayout && !pControl->GetRowRect().PtInRect(point))
            continue;
        const CRect rc = pControl->GetRect();
        const CPoint ptMiddle = rc.CenterPoint();
        const int nMain = bColumn ? abs(point.y - ptMiddle.y) : abs(point.x - ptMiddle.x);
        const int nCross = bColumn ? OutsideBy(point.x, rc.left, rc.right) : OutsideBy(point.y, rc.top, rc.bottom);
        if (nCross < nBestCross || (nCross == nBestCross && nMain < nBestMain))
        {
            nNearest = i;
            nBestCross = nCross;
            nBestMain = nMain;
        }
    }

    if (nNearest == -1)
    {
        // An empty bar takes the control at its start.
        if (!IsRibbonBar() && GetSafeHwnd())
        {
            CRect rcClient;
            GetClientRect(&rcClient);
            rcMark.SetRect(rcClient.left + 2, rcClient.top + 2, rcClient.left + 2 + kMarkThickness,
                           rcClient.bottom - 2);
            if (rcMark.IsRectEmpty())
                rcMark.SetRectEmpty();
        }
        return 0;
    }
    if (pNearest)
        *pNearest = nNearest;

    CZMRControl* pNearestControl = GetControl(nNearest);
    const CRect rc = pNearestControl->GetRect();
    const CPoint ptMiddle = rc.CenterPoint();
    const BOOL bAfter = bColumn ? point.y >= ptMiddle.y : point.x >= ptMiddle.x;

    // Between two controls of a group the mark straddles the gap; at the end
    // of the controls, or at the start of a group or row, it keeps inside.
    BOOL bNearEdge;
    if (bAfter)
    {
        CZMRControl* pNext = GetVisibleNeighbour(nNearest, +1);
        bNearEdge = !pNext || pNext->GetBeginGroup() || pNext->GetWrap();
    }
    else
    {
        bNearEdge = !GetVisibleNeighbour(nNearest, -1) || pNearestControl->GetBeginGroup() ||
                    pNearestControl->GetWrap();
    }

    const int nEdge = bColumn ? (bAfter ? rc.bottom : rc.top) : (bAfter ? rc.right : rc.left);
    int nStart = nEdge - kMarkThickness / 2;
    if (bNearEdge)
        nStart = bAfter ? nEdge - kMarkThickness : nEdge;
    if (bColumn)
        rcMark.SetRect(rc.left, nStart, rc.right, nStart + kMarkThickness);
    else
        rcMark.SetRect(nStart, rc.top, nStart + kMarkThickness, rc.bottom);
    bVerticalMark = !bColumn;
    return bAfter ? nNearest + 1 : nNearest;
}

DROPEFFECT CZMRCommandBar::OnControlDragEnter(CZMRControl* pDataObject, CPoint point)
{
    m_rcMarker.SetRectEmpty();
    return OnControlDragOver(pDataObject, point);
}

void CZMRCommandBar::OnControlDragLeave()
{
    const BOOL bShown = !m_rcMarker.IsRectEmpty();
    m_rcMarker.SetRectEmpty();
    if (bShown)
        Redraw();
}

DROPEFFECT CZMRCommandBar::OnControlDragOver(CZMRControl* pDataObject, CPoint point)
{
    if (!pDataObject || !IsCustomizable() || !GetSafeHwnd() || !(GetStyle() & WS_VISIBLE))
        return DROPEFFECT_NONE;

    CRect rcMark;
    BOOL bVertical;
    int nNearest;
    FindInsertionPoint(point, rcMark, bVertical, &nNearest);
    if (nNearest != -1 && GetControl(nNearest) == pDataObject)
        rcMark.SetRectEmpty();

    DROPEFFECT dropEffect = DROPEFFECT_MOVE;
    if (CZMRControl* pHit = HitTest(point))
        pHit->OnOtherControlDraggedOver(pDataObject, point, dropEffect);
    if (!pDataObject->CanDropOnBar(this, point, dropEffect))
    {
        // No mark where the control may not go.
        dropEffect = DROPEFFECT_NONE;
        rcMark.SetRectEmpty();
    }

    m_rcMarker = rcMark;
    m_bVerticalMarker = bVertical;
    Redraw();
    return dropEffect;
}

BOOL CZMRCommandBar::FindDropPlace(CZMRControl* pDataObject, DROPEFFECT& dropEffect, CPoint ptDrop, int& nIndex,
                                   BOOL& bOwnPlace)
{
    if (!pDataObject)
        return FALSE;
    // A control that may not go here (a popup into its own menu) stays
    // where it was.
    DROPEFFECT dropCheck = dropEffect;
    if (!pDataObject->CanDropOnBar(this, ptDrop, dropCheck))
    {
        dropEffect = CZMRControlDragHelper::dropCancelled;
        OnControlDragLeave();
        return FALSE;
    }

    CRect rcMark;
    BOOL bVertical;
    nIndex = FindInsertionPoint(ptDrop, rcMark, bVertical, nullptr);
    const int nOwn = pDataObject->GetIndex();
    bOwnPlace = pDataObject->GetParent() == this && (nIndex == nOwn || nIndex == nOwn + 1);
    return TRUE;
}

BOOL CZMRCommandBar::OnControlDrop(CZMRControl* pDataObject, DROPEFFECT& dropEffect, CPoint ptDrop, CPoint ptDrag)
{
    int nIndex = 0;
    BOOL bOwnPlace = FALSE;
    if (!FindDropPlace(pDataObject, dropEffect, ptDrop, nIndex, bOwnPlace))
        return FALSE;

    if (bOwnPlace)
    {
        // Dragged a little forward the control starts a group; back, it joins
        // the one before.
        const CSize szMove = ptDrop - ptDrag;
        if (abs(szMove.cx) > 4 || abs(szMove.cy) > 4)
        {
            const BOOL bColumn =
                m_barType == zmrBarTypePopup || m_barPosition == zmrBarLeft || m_barPosition == zmrBarRight;
            pDataObject->SetBeginGroup((bColumn ? szMove.cy : szMove.cx) > 0);
        }
        dropEffect = CZMRControlDragHelper::dropCancelled;
    }
    else
    {
        SetPoppedControl(-1);
        SetHotControl(-1);
        CZMRControl* pFollowing = GetControl(nIndex);
        const BOOL bBeginGroup = pFollowing ? pFollowing->GetBeginGroup() : FALSE;
        CZMRControl* pCopy = m_pControls->AddCopy(pDataObject, nIndex, dropEffect == DROPEFFECT_COPY);
        if (pCopy)
        {
            if (pFollowing)
                pFollowing->SetBeginGroup(FALSE);
            pCopy->SetBeginGroup(bBeginGroup);
            if (CZMRBarManager* pManager = GetBarManager())
                pManager->SetCustomizeSelection(pCopy);
        }
    }

    OnRecalcLayout();
    m_rcMarker.SetRectEmpty();
    Redraw();
    return TRUE;
}

void CZMRCommandBar::DrawInsertionMark(CDC* pDC)
{
    // An I-beam of inverted strokes: a 2-px stem along the mark, capped at
    // both ends by 2-px bars across it.
    CBrush brush(GetColorManager()->GetColor(COLOR_3DFACE));
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    const CRect rc = m_rcMarker;
    if (m_bVerticalMarker)
    {
        const int xStem = rc.left + (rc.Width() - 2) / 2;
        pDC->PatBlt(rc.left, rc.top, rc.Width(), 2, PATINVERT);
        pDC->PatBlt(xStem, rc.top + 2, 2, rc.Height() - 4, PATINVERT);
        pDC->PatBlt(rc.left, rc.bottom - 2, rc.Width(), 2, PATINVERT);
    }
    else
    {
        const int yStem = rc.top + (rc.Height() - 2) / 2;
        pDC->PatBlt(rc.left, rc.top, 2, rc.Height(), PATINVERT);
        pDC->PatBlt(rc.left + 2, yStem, rc.Width() - 4, 2, PATINVERT);
        pDC->PatBlt(rc.right - 2, rc.top, 2, rc.Height(), PATINVERT);
    }
    pDC->SelectObject(pOldBrush);
}
