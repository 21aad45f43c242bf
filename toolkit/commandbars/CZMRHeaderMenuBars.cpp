#include "CZMRHeaderMenuBars.h"
#include "CZMRCommandBar.h"
#include "CZMRImageManager.h"
#include "CZMRPaintManager.h"
#include "CZMRPopupBar.h"

void CZMRHeaderMenuBars::Install()
{
    static CZMRHeaderMenuBars s_bars;
    SetHeaderMenuBars(&s_bars);
}

BOOL CZMRHeaderMenuBars::EnsurePaintManager()
{
    if (!CZMRPaintManager::GetCurrent())
        CZMRPaintManager::SetTheme(0);
    return CZMRPaintManager::GetCurrent() != nullptr;
}

int CZMRHeaderMenuBars::TrackPopupBar(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pOwner, UINT nBitmapID)
{
    CZMRPopupBar* pPopup = CZMRPopupBar::CreatePopupBar(nullptr);
    if (!pPopup)
        return 0;
    if (nBitmapID > 0)
    {
        CZMRImageManager* pImages = new CZMRImageManager;
        pImages->LoadToolBarIcons(nBitmapID);
        pPopup->SetImageManager(pImages);
        pImages->InternalRelease();
    }
    if (!pPopup->LoadMenu(pMenu))
    {
        pPopup->InternalRelease();
        return 0;
    }
    const int nResult = CZMRCommandBar::TrackPopupBar(pPopup, nFlags, x, y, pOwner);
    pPopup->InternalRelease();
    return nResult;
}
