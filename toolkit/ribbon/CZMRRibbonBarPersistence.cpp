// The ribbon's stored state and its copies: its own keys, the system
// button, the tabs (of a customizable ribbon) and the quick-access
// controls, which are saved always.
#include "CZMRRibbonBar.h"
#include "CZMRRibbonControlSystemButton.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRRibbonQuickAccessControls.h"
#include "CZMRControls.h"
#include "CZMRPropExchange.h"
#include "CZMRSectionScope.h"

void CZMRRibbonBar::DoPropExchange(CZMRPropExchange* pPX)
{
    if (!pPX)
        return;
    const BOOL bLoading = pPX->IsLoading();
    const auto* pParam = static_cast<const ZMR_PROPEXCHANGE_PARAM*>(pPX->m_pOwnerContext);
    if (bLoading && pParam && pParam->pBarManager)
        m_pBarManager = pParam->pBarManager;

    PropExchangeBool(pPX, L"ShowQuickAccessBelow", &m_bQuickAccessBelow, FALSE);
    if (pPX->GetSchema() > 18)
        PropExchangeBool(pPX, L"Minimized", &m_bMinimized, FALSE);
    if (pPX->GetSchema() > 23)
        PropExchangeBool(pPX, L"Customizable", &m_bCustomizable, FALSE);

    if (m_bCustomizable)
    {
        // Loading the bar's controls empties them; the system button stays
        // unless the state brings one of its own.
        CZMRRibbonControlSystemButton* pKept = bLoading ? m_pControlSystemButton : nullptr;
        if (pKept)
            pKept->InternalAddRef();
        auto restoreKept = [&]() {
            if (pKept && !m_pControlSystemButton)
            {
                m_pControls->InsertAt(pKept, 0);
                m_pControlSystemButton = pKept;
            }
            else if (pKept)
            {
                pKept->InternalRelease();
            }
        };
        try
        {
            CZMRMenuBar::DoPropExchange(pPX);
        }
        catch (...)
        {
            restoreKept();
            throw;
        }
        restoreKept();

        {
            CZMRSectionScope section(pPX->GetSection(L"SystemButton"));
            if (section)
            {
                BOOL bSystemButton = m_pControlSystemButton != nullptr;
                PropExchangeBool(section, L"SystemButton", &bSystemButton, TRUE);
                if (!bLoading && m_pControlSystemButton)
                {
                    CObject* pObject = m_pControlSystemButton;
                    if (section->ExchangeCreatedObject(&pObject, RUNTIME_CLASS(CZMRRibbonControlSystemButton)))
                        m_pControlSystemButton->DoPropExchange(section);
                }
                else if (bLoading && bSystemButton)
                {
                    // A loaded value of 0 keeps the current button; a stored
                    // button replaces it.
                    CObject* pObject = nullptr;
                    if (!section->ExchangeCreatedObject(&pObject, RUNTIME_CLASS(CZMRRibbonControlSystemButton)) ||
                        !pObject)
                        AfxThrowArchiveException(CArchiveException::badClass);
                    auto* pButton = static_cast<CZMRRibbonControlSystemButton*>(pObject);
                    AddSystemButton(-1);
                    m_pControls->InsertAt(pButton, 0);
                    m_pControlSystemButton = pButton;
                    pButton->DoPropExchange(section);
                }
            }
        }
        CZMRSectionScope section(pPX->GetSection(L"Tabs"));
        if (section)
        {
            section->m_pSectionOwner = m_pControlTab;
            m_pControlTab->DoPropExchange(section);
        }
    }

    CZMRSectionScope section(pPX->GetSection(L"QuickAccessControls"));
    if (section)
    {
        m_pQuickAccessControls->DoPropExchange(section);
        if (bLoading)
        {
            // Loaded controls join the ribbon's controls behind the system button.
            const int nFirst = m_pControlSystemButton ? 1 : 0;
            for (int i = 0; i < m_pQuickAccessControls->GetCount(); i++)
            {
                CZMRControl* pControl = m_pQuickAccessControls->GetAt(i);
                if (pControl->GetControls() == m_pControls)
                    continue;
                pControl->InternalAddRef();
                m_pControls->InsertAt(pControl, nFirst + i);
            }
            m_pQuickAccessControls->RefreshIndexes();
        }
    }
    if (bLoading)
        ShowGroupControls();
}

void CZMRRibbonBar::Copy(CZMRCommandBar* pCommandBar, BOOL bRecursive)
{
    CZMRRibbonBar* pSource = dynamic_cast<CZMRRibbonBar*>(pCommandBar);
    if (!pSource)
    {
        CZMRMenuBar::Copy(pCommandBar, bRecursive);
        return;
    }
    m_bQuickAccessBelow = pSource->m_bQuickAccessBelow;
    m_bMinimized = pSource->m_bMinimized;

    if (pSource->IsCustomizable())
    {
        CZMRMenuBar::Copy(pCommandBar, bRecursive);
        m_pControlTab->Copy(pSource->m_pControlTab, bRecursive);
        AddSystemButton(-1);
        if (pSource->m_pControlSystemButton)
        {
            auto* pButton = static_cast<CZMRRibbonControlSystemButton*>(
                pSource->m_pControlSystemButton->Clone(bRecursive));
            m_pControls->InsertAt(pButton, 0);
            m_pControlSystemButton = pButton;
        }
        ShowGroupControls();
    }

    m_pQuickAccessControls->RemoveAll();
    for (int i = 0; i < pSource->m_pQuickAccessControls->GetCount(); i++)
        m_pQuickAccessControls->AddCopy(pSource->m_pQuickAccessControls->GetAt(i), -1, bRecursive);
}
