// The menu bar's records of the menus of an MDI program, one per menu id, so
// that each kind of document keeps its own (customized) menu.
#pragma once
#include "Framework.h"

class CZMRMenuBar;
class CZMRMenuBarMDIMenuInfo;

class CZMRMenuBarMDIMenus : public CCmdTarget
{
public:
    explicit CZMRMenuBarMDIMenus(CZMRMenuBar* pMenuBar);
    ~CZMRMenuBarMDIMenus() override;

    // The record of the id, or none.
    CZMRMenuBarMDIMenuInfo* Lookup(UINT nIDMenu) const;
    // Stores the record under the id (one reference taken; a record held
    // there before is released).
    void SetAt(UINT nIDMenu, CZMRMenuBarMDIMenuInfo* pInfo);
    // Releases the record of the id.
    void Remove(UINT nIDMenu);
    void RemoveAll();
    int GetCount() const { return int(m_map.GetCount()); }
    POSITION GetStartPosition() const { return m_map.GetStartPosition(); }
    CZMRMenuBarMDIMenuInfo* GetNext(POSITION& pos) const;

    CZMRMenuBar* GetMenuBar() const { return m_pMenuBar; }

protected:
    CMap<UINT, UINT, CZMRMenuBarMDIMenuInfo*, CZMRMenuBarMDIMenuInfo*> m_map;
    CZMRMenuBar* m_pMenuBar;
};
