#include "CZMRControlActions.h"
#include "CZMRControlAction.h"

CZMRControlActions::CZMRControlActions(CZMRBarManager* pBarManager) : m_pBarManager(pBarManager)
{
}

CZMRControlActions::~CZMRControlActions()
{
    RemoveAll();
}

void CZMRControlActions::RemoveAll()
{
    for (INT_PTR i = 0; i < m_arrActions.GetSize(); i++)
        m_arrActions[i]->InternalRelease();
    m_arrActions.RemoveAll();
}

CZMRControlAction* CZMRControlActions::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_arrActions.GetSize() ? m_arrActions[nIndex] : nullptr;
}

int CZMRControlActions::LowerBound(int nId) const
{
    int nLow = 0, nHigh = int(m_arrActions.GetSize());
    while (nLow < nHigh)
    {
        const int nMid = nLow + (nHigh - nLow) / 2;
        if (m_arrActions[nMid]->GetID() < nId)
            nLow = nMid + 1;
        else
            nHigh = nMid;
    }
    return nLow;
}

CZMRControlAction* CZMRControlActions::FindById(int nId) const
{
    if (!IsActionId(nId))
        return nullptr;
    const int nIndex = LowerBound(nId);
    if (nIndex < m_arrActions.GetSize() && m_arrActions[nIndex]->GetID() == nId)
        return m_arrActions[nIndex];
    return nullptr;
}

CZMRControlAction* CZMRControlActions::FindOrAdd(int nId)
{
    if (!IsActionId(nId))
        return nullptr;
    if (CZMRControlAction* pAction = FindById(nId))
        return pAction;

    CZMRControlAction* pAction = new CZMRControlAction(this);
    pAction->SetID(nId);
    CString strPrompt;
    if (CZMRControlAction::LoadCommandString(nId, strPrompt))
        pAction->SetPrompt(strPrompt);
    m_arrActions.InsertAt(LowerBound(nId), pAction);
    return pAction;
}
