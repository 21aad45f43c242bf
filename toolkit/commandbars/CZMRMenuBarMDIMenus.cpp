#include "CZMRMenuBarMDIMenus.h"
#include "CZMRMenuBarMDIMenuInfo.h"

CZMRMenuBarMDIMenus::CZMRMenuBarMDIMenus(CZMRMenuBar* pMenuBar) : m_map(10), m_pMenuBar(pMenuBar)
{
    m_map.InitHashTable(17, FALSE);
}

CZMRMenuBarMDIMenus::~CZMRMenuBarMDIMenus()
{
    RemoveAll();
}

CZMRMenuBarMDIMenuInfo* CZMRMenuBarMDIMenus::Lookup(UINT nIDMenu) const
{
    CZMRMenuBarMDIMenuInfo* pInfo = nullptr;
    return m_map.Lookup(nIDMenu, pInfo) ? pInfo : nullptr;
}

void CZMRMenuBarMDIMenus::SetAt(UINT nIDMenu, CZMRMenuBarMDIMenuInfo* pInfo)
{
    CZMRMenuBarMDIMenuInfo* pOld = Lookup(nIDMenu);
    if (pOld == pInfo)
        return;
    // The entry first: when it cannot be made, no reference has been taken.
    m_map.SetAt(nIDMenu, pInfo);
    if (pInfo)
        pInfo->InternalAddRef();
    if (pOld)
        pOld->InternalRelease();
}

void CZMRMenuBarMDIMenus::Remove(UINT nIDMenu)
{
    CZMRMenuBarMDIMenuInfo* pInfo = Lookup(nIDMenu);
    m_map.RemoveKey(nIDMenu);
    if (pInfo)
        pInfo->InternalRelease();
}

void CZMRMenuBarMDIMenus::RemoveAll()
{
    POSITION pos = m_map.GetStartPosition();
    while (pos)
    {
        UINT nId = 0;
        CZMRMenuBarMDIMenuInfo* pInfo = nullptr;
        m_map.GetNextAssoc(pos, nId, pInfo);
        if (pInfo)
            pInfo->InternalRelease();
    }
    m_map.RemoveAll();
}

CZMRMenuBarMDIMenuInfo* CZMRMenuBarMDIMenus::GetNext(POSITION& pos) const
{
    UINT nId = 0;
    CZMRMenuBarMDIMenuInfo* pInfo = nullptr;
    m_map.GetNextAssoc(pos, nId, pInfo);
    return pInfo;
}
