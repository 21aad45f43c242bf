#include "CZMRPopupToolBar.h"
#include "CZMRBarManager.h"

IMPLEMENT_SERIAL(CZMRPopupToolBar, CZMRPopupBar, VERSIONABLE_SCHEMA | 0x21)

CZMRPopupToolBar::CZMRPopupToolBar()
{
    m_barType = zmrBarTypeNormal;
}

CZMRPopupToolBar* CZMRPopupToolBar::CreatePopupToolBar(CZMRBarManager* pBarManager)
{
    return static_cast<CZMRPopupToolBar*>(
        CZMRBarManager::CreateBar(CZMRBarManager::m_classes.pPopupToolBarClass, RUNTIME_CLASS(CZMRPopupToolBar),
                                  pBarManager));
}
