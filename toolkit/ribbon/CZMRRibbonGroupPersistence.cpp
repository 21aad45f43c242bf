// The stored form of a ribbon group: its values, its controls under their
// run-time classes, and its two buttons.
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonGroupOption.h"
#include "CZMRRibbonGroupControlPopup.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonBar.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "ZMRRibbonElements.h"

void CZMRRibbonGroup::DoPropExchange(CZMRPropExchange* pPX)
{
    if (!pPX)
        return;
    PropExchangeInt(pPX, L"Id", &m_nId, 0);
    PropExchangeInt(pPX, L"IconId", &m_nIconId, 0);
    PropExchangeBool(pPX, L"ShowOptionButton", &m_bShowOptionButton, FALSE);
    PropExchangeString(pPX, L"Caption", &m_strCaption, L"");
    PropExchangeBool(pPX, L"ControlsGrouping", &m_state.bControlsGrouping, FALSE);
    PropExchangeBool(pPX, L"ControlsCentering", &m_state.bControlsCentering, FALSE);
    PropExchangeBool(pPX, L"Visible", &m_bVisible, TRUE);

    if (!pPX->IsLoading())
    {
        ExchangeControls(pPX);
        ExchangeButtons(pPX);
        return;
    }
    m_pGroups = static_cast<CZMRRibbonGroups*>(pPX->m_pSectionOwner);
    CZMRRibbonTab* pTab = GetTab();
    m_pRibbonBar = pTab ? pTab->GetParentRibbon() : nullptr;
    m_pHostBar = m_pRibbonBar;
    OnAdded();
    try
    {
        ExchangeControls(pPX);
        ExchangeButtons(pPX);
    }
    catch (...)
    {
        // The buttons and controls already on the host leave with the group.
        OnRemoved();
        throw;
    }
}

void CZMRRibbonGroup::ExchangeControls(CZMRPropExchange* pPX)
{
    CZMRSectionScope section(pPX->GetSection(L"Controls"));
    if (!section)
        return;
    CArray<CZMRControl*, CZMRControl*> arrSaved;
    for (int i = 0; i < GetCount(); i++)
    {
        if (!m_arrControls[i]->IsTemporary())
            arrSaved.Add(m_arrControls[i]);
    }
    ExchangeRibbonList<CZMRControl>(
        section, L"Control", RUNTIME_CLASS(CZMRControl), this, int(arrSaved.GetSize()),
        [&](int i) { return arrSaved[i]; }, [&] { RemoveAll(); },
        [&](CZMRControl* pControl) {
            // The host's collection takes the loaded reference and the group
            // one more; without a host the group keeps the loaded one.
            if (m_pHostBar && m_pOptionButton->GetControls() == m_pHostBar->GetControls())
            {
                m_pHostBar->GetControls()->InsertAt(pControl, m_pOptionButton->GetIndex());
                AdoptControl(pControl, GetCount());
            }
            else
            {
                m_arrControls.Add(pControl);
                pControl->SetRibbonGroup(this);
            }
            UpdateTabHideFlag(pControl);
        });
}

void CZMRRibbonGroup::ExchangeButtons(CZMRPropExchange* pPX)
{
    {
        CZMRSectionScope section(pPX->GetSection(L"ControlGroupOption"));
        m_pOptionButton->DoPropExchange(section);
    }
    CZMRSectionScope section(pPX->GetSection(L"ControlGroupPopup"));
    m_pPopupButton->DoPropExchange(section);
}
