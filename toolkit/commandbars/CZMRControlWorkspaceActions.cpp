#include "CZMRControlWorkspaceActions.h"
#include "CZMRBarManager.h"
#include "CZMRCommandBar.h"
#include "CZMRControls.h"

IMPLEMENT_SERIAL(CZMRControlWorkspaceActions, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

namespace
{
BOOL IsWorkspaceActionId(int nId)
{
    return nId >= ZMR_ID_WORKSPACE_PREVIOUS_GROUP && nId <= ZMR_ID_WORKSPACE_NEW_GROUP_RIGHT;
}
}

CZMRControlWorkspaceActions::CZMRControlWorkspaceActions()
{
}

CZMRWorkspaceCommandSource* CZMRControlWorkspaceActions::FindCommandSource() const
{
    CZMRCommandBar* pBar = GetParent();
    CMDIFrameWnd* pFrame = pBar ? DYNAMIC_DOWNCAST(CMDIFrameWnd, pBar->GetSite()) : nullptr;
    if (!pFrame || !pFrame->m_hWndMDIClient)
        return nullptr;
    return dynamic_cast<CZMRWorkspaceCommandSource*>(CWnd::FromHandlePermanent(pFrame->m_hWndMDIClient));
}

BOOL CZMRControlWorkspaceActions::AddWorkspaceActionIfEnabled(CZMRWorkspaceCommandSource* pSource, int nCommand,
                                                              int nBefore)
{
    CZMRTabManagerItem* pItem = nullptr;
    if (!pSource->IsGroupCommandEnabled(nCommand, &pItem))
        return FALSE;
    CZMRControl* pControl = GetControls()->Add(zmrControlButton, nCommand, L"", nBefore, TRUE);
    if (!pControl)
        return FALSE;
    pControl->SetFlags(zmrFlagManualUpdate);
    return TRUE;
}

void CZMRControlWorkspaceActions::ExpandIntoItems(DWORD /*dwMode*/)
{
    CZMRControls* pControls = GetControls();
    if (!pControls || !GetParent())
        return;
    while (CZMRControl* pNext = pControls->GetAt(GetIndex() + 1))
    {
        if (!IsWorkspaceActionId(pNext->GetID()))
            break;
        pControls->RemoveAt(pNext->GetIndex());
    }

    CZMRBarManager* pManager = GetBarManager();
    CZMRWorkspaceCommandSource* pSource = FindCommandSource();
    if (!pSource || (pManager && pManager->IsCustomizeMode()))
    {
        SetHideFlags(0);
        return;
    }
    static const int commands[] = { ZMR_ID_WORKSPACE_NEW_GROUP_BELOW, ZMR_ID_WORKSPACE_NEW_GROUP_RIGHT,
                                    ZMR_ID_WORKSPACE_PREVIOUS_GROUP, ZMR_ID_WORKSPACE_NEXT_GROUP };
    int nBefore = GetIndex() + 1;
    for (int nCommand : commands)
    {
        if (AddWorkspaceActionIfEnabled(pSource, nCommand, nBefore))
            nBefore++;
    }
    if (nBefore == GetIndex() + 1)
    {
        SetHideFlags(0);
        return;
    }
    SetHideFlags(GetHideFlags() | zmrHideGeneric);
    CZMRControl* pFirst = pControls->GetAt(GetIndex() + 1);
    pFirst->SetBeginGroup(GetBeginGroup());
    pFirst->SetFlags(pFirst->GetFlags() | (GetFlags() & zmrFlagWrapRow));
}
