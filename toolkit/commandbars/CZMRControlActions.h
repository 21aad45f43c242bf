// The bar manager's actions, one per command id, sorted by ascending id.
#pragma once
#include "Framework.h"

class CZMRControlAction;
class CZMRBarManager;

class CZMRControlActions : public CCmdTarget
{
public:
    explicit CZMRControlActions(CZMRBarManager* pBarManager = nullptr);
    ~CZMRControlActions() override;

    // The action of an id, or none (always none outside 1..0xFFFFFFE).
    CZMRControlAction* FindById(int nId) const;
    // The action of an id, created with the prompt of the id's string
    // resource when missing; none for an id outside 1..0xFFFFFFE.
    CZMRControlAction* FindOrAdd(int nId);
    void RemoveAll();

    int GetCount() const { return int(m_arrActions.GetSize()); }
    CZMRControlAction* GetAt(int nIndex) const;
    CZMRBarManager* GetBarManager() const { return m_pBarManager; }

    static BOOL IsActionId(int nId) { return nId >= 1 && nId <= 0xFFFFFFE; }

protected:
    // The index of the first action whose id is not below nId.
    int LowerBound(int nId) const;

    CArray<CZMRControlAction*, CZMRControlAction*> m_arrActions;
    CZMRBarManager* m_pBarManager;
};
