// What the menu bar keeps for one menu of an MDI program: the controls the
// user sees while a document of that kind is active, the names of the kind
// from its document template, and its icon.
#pragma once
#include "Framework.h"

class CZMRControls;
class CZMRBarManager;

class CZMRMenuBarMDIMenuInfo : public CCmdTarget
{
public:
    // An empty collection bound to the manager; the template whose resource
    // id is the menu id gives the names, the module's icon of that id the icon.
    CZMRMenuBarMDIMenuInfo(CZMRBarManager* pBarManager, UINT nIDMenu);
    ~CZMRMenuBarMDIMenuInfo() override;

    CZMRControls* GetControls() const { return m_pControls; }
    // Holds one reference on the new collection and drops the old one.
    void SetControls(CZMRControls* pControls);

    CZMRControls* m_pControls;
    CString m_strDocName;        // document string: the document name
    CString m_strFileTypeName;   // document string: the registered file type name
    HICON m_hIcon;
    UINT m_nIDResource;
    BOOL m_bChanged;             // the controls differ from their snapshot
};
