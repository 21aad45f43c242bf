// Idle updates of a command bar: the controls follow the state their owner
// window's update handlers give their commands, the document-template filter
// and the automatic shortcut texts.
#include "CZMRCommandBar.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMRBarManager.h"
#include "window/CMDIActiveChildScope.h"

// ---------------------------------------------------------------- the command-state request

void CZMRCommandBar::CCommandBarCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    if (!m_pControl)
        return;
    m_pControl->SetEnabled(bOn ? (m_pControl->GetAction() ? -1 : TRUE) : FALSE);
    if (!bOn && !m_bCheckedChanged)
        m_pControl->SetChecked(FALSE);
}

void CZMRCommandBar::CCommandBarCmdUI::SetCheck(int nCheck)
{
    m_bCheckedChanged = TRUE;
    if (m_pControl)
        m_pControl->SetChecked(nCheck);
}

void CZMRCommandBar::CCommandBarCmdUI::SetText(LPCTSTR lpszText)
{
    if (m_pControl)
        m_pControl->SetCaption(lpszText ? lpszText : L"");
}

// ---------------------------------------------------------------- the bar

void CZMRCommandBar::OnIdleUpdateCmdUI(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (!GetSafeHwnd() || !(GetStyle() & WS_VISIBLE))
        return;
    // The document template and every control's request ask for the
    // owner's active document child: find it once for the whole pass.
    CMDIActiveChildScope activeChild(GetOwnerWindow());
    UpdateDocTemplateVisibility();
    UpdateControlsState();
    if (m_nPending & zmrPendingRedraw)
        Redraw();
    if (m_nPending & zmrPendingLayout)
    {
        OnRecalcLayout();
        m_nPending &= ~zmrPendingLayout;
    }
}

void CZMRCommandBar::UpdateControlsState()
{
    CWnd* pOwner = GetOwnerWindow();
    if (GetTrackFlags() & zmrTrackNoNotify)
        return;
    CZMRBarManager* pManager = GetBarManager();
    const BOOL bDisableIfNoHandler = pManager && pManager->GetOptions()->bDisableWithoutHandler;
    const BOOL bCustomize = IsCustomizeMode();

    CMDIActiveChildScope activeChild(pOwner);
    CCommandBarCmdUI state;
    state.m_nIndexMax = UINT(GetControlCount());
    for (int i = 0; i < GetControlCount(); i++)
    {
        CZMRControl* pControl = GetControl(i);
        if (!pControl->IsVisible(zmrHideGeneric | zmrHideInternal | zmrHideExpand) ||
            (pControl->GetFlags() & zmrFlagManualUpdate))
            continue;
        pControl->OnBeforeStateUpdate();

        state.m_pControl = pControl;
        state.m_nID = UINT(pControl->GetID());
        state.m_nIndex = UINT(i);
        state.m_bCheckedChanged = FALSE;
        state.m_bEnableChanged = FALSE;

        // The bar's own maps answer first: the reflected request for any
        // control, then the request under the control's id.
        if (OnCmdMsg(0, CN_NOTIFY_CODE(WM_REFLECT_BASE + WM_COMMAND, CN_UPDATE_COMMAND_UI), &state, nullptr))
            continue;
        if (OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr))
            continue;
        if (!bCustomize)
            state.DoUpdate(pOwner, bDisableIfNoHandler);
        else if (pControl->GetEnabled() != -1)
            state.Enable(TRUE);
    }

    // Windows the controls put on the bar (edits, custom windows) by their ids.
    UpdateDialogControls(pOwner, bDisableIfNoHandler);
}

void CZMRCommandBar::UpdateDocTemplateVisibility()
{
    CZMRBarManager* pManager = GetBarManager();
    CDocTemplate* pTemplate = pManager ? pManager->GetActiveDocTemplate() : nullptr;
    if (!pTemplate)
        return;
    const UINT nTemplate = pTemplate->m_nIDResource;

    BOOL bChanged = FALSE;
    for (int i = 0; i < GetControlCount(); i++)
    {
        CZMRControl* pControl = GetControl(i);
        BOOL bValue;
        BOOL bHide = FALSE;
        CMap<UINT, UINT, BOOL, BOOL>& assigned = pControl->GetAssignedDocTemplates();
        CMap<UINT, UINT, BOOL, BOOL>& excluded = pControl->GetExcludedDocTemplates();
        if (!assigned.IsEmpty() && !assigned.Lookup(nTemplate, bValue))
            bHide = TRUE;
        if (!excluded.IsEmpty() && excluded.Lookup(nTemplate, bValue))
            bHide = TRUE;

        const DWORD dwOld = pControl->GetHideFlags();
        const DWORD dwNew = bHide ? (dwOld | zmrHideDocTemplate) : (dwOld & ~DWORD(zmrHideDocTemplate));
        if (dwNew != dwOld)
        {
            pControl->SetHideFlags(dwNew);
            bChanged = TRUE;
        }
    }
    if (bChanged)
        m_nPending |= zmrPendingLayout;
}

void CZMRCommandBar::UpdateShortcutTexts()
{
    // Without a source of keys the texts a menu gave its items stay.
    CZMRBarManager* pManager = GetBarManager();
    if (!pManager || !pManager->GetOptions()->bAutoUpdateShortcuts || !pManager->GetShortcutSource())
        return;
    for (int i = 0; i < GetControlCount(); i++)
    {
        CZMRControl* pControl = GetControl(i);
        if (!pControl->IsVisible())
            continue;
        const int nId = pControl->GetID();
        pControl->SetShortcutTextAuto(nId ? pManager->GetShortcutText(nId) : CString());
    }
}
