// The stored state of a bar: its keys and its controls, the numbering of the
// bars before saving and the re-linking of popups to their bars after loading.
#include "CZMRCommandBar.h"
#include "CZMRCommandBarAnimation.h"
#include "CZMRCommandBarList.h"
#include "CZMRControl.h"
#include "CZMRControls.h"
#include "CZMROriginalControls.h"
#include "CZMRPropExchange.h"
#include "CZMRSectionScope.h"
#include "CZMRToolBar.h"

void CZMRCommandBar::DoPropExchange(CZMRPropExchange* pPX)
{
    if (!pPX)
        return;
    const BOOL bLoading = pPX->IsLoading();
    const int nSchema = pPX->GetSchema();

    PropExchangeInt(pPX, L"Type", &m_barType, zmrBarTypeNormal);
    PropExchangeInt(pPX, L"Position", &m_barPosition, 0);
    PropExchangeInt(pPX, L"BarID", &m_nBarID, 0);
    int nFlags = int(m_dwFlags);
    PropExchangeInt(pPX, L"Flags", &nFlags, 0);
    int nStyle = int(m_dwStyle);
    PropExchangeInt(pPX, L"Style", &nStyle, 0);
    if (bLoading)
    {
        m_dwFlags = DWORD(nFlags);
        m_dwStyle = DWORD(nStyle);
    }
    PropExchangeString(pPX, L"Title", &m_strTitle, L"");
    PropExchangeBool(pPX, L"Customizable", &m_bCustomizable, TRUE);
    PropExchangeInt(pPX, L"MRUWidth", &m_nMRUWidth, 0);
    if (nSchema > 2)
        PropExchangeSize(pPX, L"IconSize", &m_szIcons, CSize(0, 0));

    const auto* pParam = static_cast<const ZMR_PROPEXCHANGE_PARAM*>(pPX->m_pOwnerContext);
    if (bLoading && pParam && pParam->pBarManager)
        m_pBarManager = pParam->pBarManager;

    if (nSchema > 17)
    {
        PropExchangeSize(pPX, L"ButtonSize", &m_szButtons, CSize(0, 0));
        PropExchangeBool(pPX, L"ShowTextBelowIcons", &m_nTextBelowIcons, 2);
        BOOL bAnimation = m_pAnimation->IsSwitchOn();
        PropExchangeBool(pPX, L"EnableAnimation", &bAnimation, FALSE);
        if (bLoading)
            m_pAnimation->SetEnabled(bAnimation);
    }
    if (nSchema > 18)
        PropExchangeInt(pPX, L"DefaultButtonStyle", &m_nDefaultButtonStyle, 0);

    CZMRSectionScope section(pPX->GetSection(L"Controls"));
    if (section)
        m_pControls->DoPropExchange(section);
}

void CZMRCommandBar::NumberBarsForSave(DWORD& nBarId, CZMRCommandBarList* pBars, ZMR_PROPEXCHANGE_PARAM* pParam)
{
    if (!pBars || pBars->Contains(this))
        return;
    pBars->Add(this);
    // Tool bars keep the ids the program gave them; other bars without a
    // number of the saved range get the next one.
    if (!IsKindOf(RUNTIME_CLASS(CZMRToolBar)) && (m_nBarID == 0 || DWORD(m_nBarID) >= 0x1000000))
        m_nBarID = int(nBarId++);
    m_pControls->NumberBarsForSave(nBarId, pBars, pParam);
}

void CZMRCommandBar::RelinkBarsAfterLoad(CZMRCommandBarList* pBars)
{
    for (int i = 0; i < m_pControls->GetCount(); i++)
        m_pControls->GetAt(i)->RelinkBarsAfterLoad(pBars);
    if (CZMROriginalControls* pOriginal = m_pControls->GetOriginalControls())
    {
        for (int i = 0; i < pOriginal->GetCount(); i++)
            pOriginal->GetAt(i)->RelinkBarsAfterLoad(pBars);
    }
}
