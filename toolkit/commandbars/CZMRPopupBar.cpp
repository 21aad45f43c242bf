#include "CZMRPopupBar.h"
#include "CZMRBarManager.h"
#include "CZMRControl.h"

IMPLEMENT_SERIAL(CZMRPopupBar, CZMRCommandBar, VERSIONABLE_SCHEMA | 0x21)

CZMRPopupBar::CZMRPopupBar() : m_pControlPopup(nullptr)
{
    m_barType = zmrBarTypePopup;
    m_barPosition = zmrBarPopup;
}

CZMRPopupBar* CZMRPopupBar::CreatePopupBar(CZMRBarManager* pBarManager)
{
    return static_cast<CZMRPopupBar*>(
        CZMRBarManager::CreateBar(CZMRBarManager::m_classes.pPopupBarClass, RUNTIME_CLASS(CZMRPopupBar), pBarManager));
}

BOOL CZMRPopupBar::IsVisible() const
{
    return GetSafeHwnd() && ::IsWindowVisible(m_hWnd);
}

CZMRCommandBar* CZMRPopupBar::GetParentBar() const
{
    return m_pControlPopup ? m_pControlPopup->GetParent() : nullptr;
}

BOOL CZMRPopupBar::IsPopupBar() const
{
    return TRUE;
}

void CZMRPopupBar::Expand()
{
}
