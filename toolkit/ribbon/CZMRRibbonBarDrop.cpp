// Customize-mode drops on the ribbon: a control dropped beside a grouped
// control joins that group; a control dropped on its own place toggles its
// begin-group flag.
#include "CZMRRibbonBar.h"
#include "CZMRRibbonGroup.h"
#include "CZMRBarManager.h"
#include "CZMRControlDragHelper.h"
#include "CZMRControls.h"

#include <cstdlib>

BOOL CZMRRibbonBar::OnControlDrop(CZMRControl* pDataObject, DROPEFFECT& dropEffect, CPoint ptDrop, CPoint ptDrag)
{
    if (!pDataObject)
        return FALSE;
    DROPEFFECT dropCheck = dropEffect;
    if (!pDataObject->CanDropOnBar(this, ptDrop, dropCheck))
    {
        dropEffect = CZMRControlDragHelper::dropCancelled;
        OnControlDragLeave();
        return FALSE;
    }

    CRect rcMark;
    BOOL bVertical;
    const int nIndex = FindInsertionPoint(ptDrop, rcMark, bVertical, nullptr);
    const int nOwn = pDataObject->GetIndex();
    const BOOL bOwnPlace = pDataObject->GetParent() == this && (nIndex == nOwn || nIndex == nOwn + 1);
    CZMRBarManager* pManager = GetBarManager();

    if (bOwnPlace)
    {
        const CSize szMove = ptDrop - ptDrag;
        if (std::abs(szMove.cx) > 4 || std::abs(szMove.cy) > 4)
            pDataObject->SetBeginGroup(!pDataObject->GetBeginGroup());
        dropEffect = CZMRControlDragHelper::dropCancelled;
        OnRecalcLayout();
        if (pManager)
            pManager->SetCustomizeSelection(pDataObject);
    }
    else
    {
        if (pManager)
            pManager->SetCustomizeSelection(nullptr);
        CZMRControl* pFollowing = GetControl(nIndex);
        const BOOL bBeginGroup = pFollowing ? pFollowing->GetBeginGroup() : FALSE;
        if (pFollowing)
            pFollowing->SetBeginGroup(FALSE);

        // Beside a grouped control the copy joins that group.
        CZMRControl* pNeighbour = pFollowing && pFollowing->GetRibbonGroup() ? pFollowing : GetControl(nIndex - 1);
        CZMRRibbonGroup* pGroup = pNeighbour ? pNeighbour->GetRibbonGroup() : nullptr;
        CZMRControl* pCopy = nullptr;
        if (pGroup)
        {
            int nAt = pGroup->IndexOf(pNeighbour);
            if (pNeighbour != pFollowing)
                nAt++;
            pCopy = pGroup->InsertControl(pDataObject, nAt, dropEffect == DROPEFFECT_COPY);
        }
        else
        {
            pCopy = m_pControls->AddCopy(pDataObject, nIndex, dropEffect == DROPEFFECT_COPY);
        }
        if (pCopy)
        {
            pCopy->SetBeginGroup(bBeginGroup);
            if (pManager)
                pManager->SetCustomizeSelection(pCopy);
        }
        OnRecalcLayout();
    }
    m_rcMarker.SetRectEmpty();
    Redraw();
    return TRUE;
}
