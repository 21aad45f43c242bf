// The stored keys of a control. Keys that later versions added are read only
// from states whose schema has them, so older states load with defaults.
#include "CZMRControl.h"
#include "CZMRBarManager.h"
#include "CZMRImageManager.h"
#include "CZMRPropExchange.h"
#include "CZMRSectionScope.h"

void CZMRControl::DoPropExchange(CZMRPropExchange* pPX)
{
    if (!pPX)
        return;
    const BOOL bLoading = pPX->IsLoading();
    const int nSchema = pPX->GetSchema();
    const auto* pParam = static_cast<const ZMR_PROPEXCHANGE_PARAM*>(pPX->m_pOwnerContext);
    CZMRBarManager* pManager = pParam ? pParam->pBarManager : nullptr;

    PropExchangeInt(pPX, L"Type", &m_controlType, zmrControlButton);
    int nId = m_nId;
    PropExchangeInt(pPX, L"Id", &nId, -1);
    if (bLoading)
    {
        m_nId = nId;
        if (CZMRControlAction* pAction = pManager ? pManager->FindAction(nId) : nullptr)
            SetAction(pAction);
    }
    PropExchangeInt(pPX, L"IconId", &m_nIconId, 0);
    PropExchangeBool(pPX, L"BeginGroup", &m_bBeginGroup, FALSE);
    int nTag = int(m_nTag);
    PropExchangeInt(pPX, L"Tag", &nTag, 0);
    int nFlags = int(m_dwFlags);
    PropExchangeInt(pPX, L"Flags", &nFlags, 0);
    int nHideFlags = int(m_dwHideFlags);
    PropExchangeInt(pPX, L"HideFlags", &nHideFlags, 0);
    if (bLoading)
    {
        m_nTag = DWORD_PTR(nTag);
        m_dwFlags = DWORD(nFlags);
        m_dwHideFlags = DWORD(nHideFlags);
    }
    PropExchangeString(pPX, L"Caption", &m_strCaption, L"");
    PropExchangeString(pPX, L"ShortcutText", &m_strShortcutText, L"");
    PropExchangeString(pPX, L"TooltipText", &m_strTooltipText, L"");
    PropExchangeString(pPX, L"DescriptionText", &m_strDescriptionText, L"");
    PropExchangeString(pPX, L"Parameter", &m_strParameter, L"");
    PropExchangeInt(pPX, L"CustomIconId", &m_nCustomIconId, 0);
    PropExchangeString(pPX, L"CustomCaption", &m_strCustomCaption, L"");
    if (nSchema > 1)
        PropExchangeString(pPX, L"Category", &m_strCategory, L"");

    if (m_nCustomIconId > 0)
    {
        // The user's own picture travels with the control.
        CZMRImageManager* pImageManager = pManager ? pManager->GetImageManager() : GetImageManager();
        CZMRSectionScope section(pPX->GetSection(L"CustomIcon"));
        if (pImageManager && section)
            pImageManager->DoPropExchangeIconSet(UINT(m_nCustomIconId), section);
    }

    if (nSchema > 3)
    {
        // Named stores leave empty maps out; the archive keeps every value in step.
        if (bLoading)
        {
            m_mapDocTemplatesExcluded.RemoveAll();
            m_mapDocTemplatesAssigned.RemoveAll();
        }
        if (bLoading || !pPX->IsNamedStore() || !m_mapDocTemplatesExcluded.IsEmpty())
            PropExchangeSerialize(pPX, L"DocTemplatesExcluded", &m_mapDocTemplatesExcluded);
        if (bLoading || !pPX->IsNamedStore() || !m_mapDocTemplatesAssigned.IsEmpty())
            PropExchangeSerialize(pPX, L"DocTemplatesAssigned", &m_mapDocTemplatesAssigned);
        PropExchangeBool(pPX, L"DefaultItem", &m_bDefaultItem, FALSE);
    }
    if (nSchema > 6)
        PropExchangeBool(pPX, L"CloseSubMenuOnClick", &m_bCloseSubMenuOnClick, TRUE);
    if (nSchema > 7)
    {
        PropExchangeInt(pPX, L"CustomStyle", &m_buttonCustomStyle, -1);
        // Before the custom style could say "none", 0 meant it.
        if (bLoading && nSchema < 18 && m_buttonCustomStyle == 0)
            m_buttonCustomStyle = -1;
    }
    if (nSchema > 16)
        PropExchangeInt(pPX, L"HelpId", &m_nHelpId, 0);
    if (nSchema > 17)
        PropExchangeInt(pPX, L"Style", &m_buttonStyle, 0);
    if (nSchema > 18)
    {
        PropExchangeInt(pPX, L"Width", &m_nWidth, 0);
        PropExchangeInt(pPX, L"Height", &m_nHeight, 0);
        PropExchangeInt(pPX, L"ExecuteOnPressInterval", &m_nExecuteOnPressInterval, 0);
    }
    if (nSchema > 22)
        PropExchangeString(pPX, L"ShortcutTextAuto", &m_strShortcutTextAuto, L"");
    if (nSchema > 23)
        PropExchangeString(pPX, L"KeyboardTip", &m_strKeyboardTip, L"");
    if (nSchema > 25)
        PropExchangeSize(pPX, L"IconSize", &m_szIcon, CSize(0, 0));

    if (bLoading)
        OnCaptionChanged();
}
