#include "CZMRRibbonControlSystemPopupBarButton.h"
#include "CZMRRibbonSystemPopupBar.h"
#include "CZMRPaintManager.h"
#include "CZMROffice2007Image.h"
#include "CZMROffice2007Images.h"

IMPLEMENT_SERIAL(CZMRRibbonControlSystemPopupBarButton, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRRibbonControlSystemPopupBarButton::CZMRRibbonControlSystemPopupBarButton()
{
}

BOOL CZMRRibbonControlSystemPopupBarButton::IsOnSystemPopup() const
{
    return m_pParent && m_pParent->IsKindOf(RUNTIME_CLASS(CZMRRibbonSystemPopupBar));
}

BOOL CZMRRibbonControlSystemPopupBarButton::SuppressesStateFrame() const
{
    return IsOnSystemPopup();
}

CSize CZMRRibbonControlSystemPopupBarButton::GetSize(CDC* pDC)
{
    if (!IsOnSystemPopup())
        return CZMRControlButton::GetSize(pDC);
    return GetPaintManager()->DrawToolBarItem(pDC, this, FALSE);
}

void CZMRRibbonControlSystemPopupBarButton::Draw(CDC* pDC)
{
    if (!IsOnSystemPopup())
    {
        CZMRControlButton::Draw(pDC);
        return;
    }
    if (CZMROffice2007Image* pImage = GetOffice2007Images()->LoadFile(L"RIBBONSYSTEMMENUBUTTON"))
        pImage->DrawImageTransparent(pDC, m_rcControl, pImage->GetSource(GetSelected() ? 1 : 0, 2),
                                     CRect(2, 2, 2, 2), RGB(255, 0, 255));
    GetPaintManager()->DrawToolBarItem(pDC, this, TRUE);
}

CSize CZMRRibbonControlSystemPopupBarButton::GetButtonSize() const
{
    return CSize(22, 22);
}

CSize CZMRRibbonControlSystemPopupBarButton::GetIconSize() const
{
    return CSize(16, 16);
}
