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
    int nIndex = 0;
    BOOL bOwnPlace = FALSE;
    if (!FindDropPlace(pDataObject, dropEffect, ptDrop, nIndex, bOwnPlace))
        return FALSE;
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
