// CCmdUI: one request for the state of a command (enabled, checked, text),
// handed to the ON_UPDATE_COMMAND_UI handler that answers for its id. The
// item it updates is a menu item (m_pMenu, m_nIndex) or a window (m_pOther);
// classes of other libraries derive from it to update their own items.
#pragma once

#include "window/CCmdTarget.h"

class CMenu;
class CWnd;

class CCmdUI
{
public:
    CCmdUI();
    virtual ~CCmdUI() = default;

    UINT m_nID;
    UINT m_nIndex;          // position of the item in m_pMenu
    CMenu* m_pMenu;         // the menu of the item, or null
    CMenu* m_pSubMenu;      // the submenu when the item opens one
    CMenu* m_pParentMenu;   // the menu holding m_pMenu, when known
    CWnd* m_pOther;         // the window of the item, when it is not a menu item
    UINT m_nIndexMax;       // number of items in m_pMenu
    BOOL m_bEnableChanged;  // a handler called Enable
    BOOL m_bContinueRouting;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);   // 0 clear, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);

    // A handler that only takes part lets the next target answer as well.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks pTarget's routing for the state. When nobody answers and
    // bDisableIfNoHndler is set, the item is enabled exactly when some target
    // handles the command itself. Returns TRUE when a handler answered.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};
