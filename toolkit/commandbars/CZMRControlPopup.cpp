#include "CZMRControlPopup.h"
#include "CZMRCommandBar.h"
#include "CZMRControls.h"

IMPLEMENT_SERIAL(CZMRControlPopup, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRControlPopup::CZMRControlPopup()
    : m_bPopup(FALSE), m_pCommandBar(nullptr), m_nSavedBarId(0), m_bShadowUnderControl(TRUE)
{
    m_controlType = zmrControlPopup;
}

CZMRControlPopup::~CZMRControlPopup()
{
    SetCommandBar(nullptr);
}

void CZMRControlPopup::SetCommandBar(CZMRCommandBar* pCommandBar)
{
    ZMRReplaceReference(m_pCommandBar, pCommandBar);
}

CZMRCommandBar* CZMRControlPopup::GetCommandBar() const
{
    return m_pCommandBar;
}

BOOL CZMRControlPopup::IsPopupOpen() const
{
    return m_bPopup;
}

void CZMRControlPopup::Copy(CZMRControl* pControl, BOOL bRecursive)
{
    CZMRControlButton::Copy(pControl, bRecursive);

    CZMRCommandBar* pSourceBar = pControl->GetCommandBar();
    if (bRecursive && pSourceBar)
    {
        CZMRCommandBar* pClone = pSourceBar->Clone(TRUE);
        SetCommandBar(pClone);
        if (pClone)
            pClone->InternalRelease();
    }
    else
    {
        SetCommandBar(pSourceBar);
    }
}

BOOL CZMRControlPopup::Compare(CZMRControl* pOther)
{
    if (!CZMRControlButton::Compare(pOther) || !pOther->IsKindOf(RUNTIME_CLASS(CZMRControlPopup)))
        return FALSE;
    CZMRCommandBar* pOtherBar = pOther->GetCommandBar();
    if (m_pCommandBar && pOtherBar)
        return m_pCommandBar->GetControls()->IsEqual(pOtherBar->GetControls());
    return TRUE;
}
