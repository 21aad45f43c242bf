#include "ZMRRibbonPopup.h"
#include "CZMRControlPopup.h"
#include "CZMRPopupToolBar.h"

BOOL OpenRibbonPopupToolBar(CZMRControlPopup* pControl, CZMRBarManager* pBarManager)
{
    pControl->SetCommandBar(nullptr);
    CZMRPopupToolBar* pPopup = CZMRPopupToolBar::CreatePopupToolBar(pBarManager);
    if (!pPopup)
        return FALSE;
    pPopup->SetCustomizable(FALSE);
    pControl->SetCommandBar(pPopup);
    pPopup->InternalRelease();
    const int nSelected = pControl->GetSelected();
    return pPopup->OpenAsPopup(pControl, nSelected == 2 || nSelected == 3);
}
