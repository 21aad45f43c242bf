// What the list controls (window list, bar list, recent files, OLE verbs,
// workspace actions) and custom window controls share: they make sense only
// inside a menu, so only popup bars take them when dragged; and each time
// their bar is laid out they drop the items they made last time and put new
// ones after themselves.
#pragma once
#include "Framework.h"
#include <functional>

class CZMRCommandBar;
class CZMRControl;

class CZMRControlListItem
{
public:
    // True for popup bars; any other bar refuses the drop and shows no mark.
    static BOOL CanDropOnBar(CZMRCommandBar* pBar, DROPEFFECT& dropEffect);

    // The caption of the n-th item of a list: every '&' of the text doubled,
    // then "&1 " .. "&9 ", "1&0 ", or a plain number from 11 on; 0 gives the
    // doubled text alone.
    static CString FormatNumberedCaption(LPCTSTR lpszText, int nNumber);

    // Removes the controls that follow pList directly while they are items it
    // made: temporary controls that isItem recognises. Saved controls that
    // happen to match are left alone.
    static void RemoveItemsAfter(CZMRControl* pList, const std::function<BOOL(CZMRControl*)>& isItem);
    // The list control stands in for its items (customize mode, nothing to show).
    static void ShowListControl(CZMRControl* pList);
    // The list control hides itself once it has put its items after itself;
    // the first item takes its new-row flag.
    static void HideListControl(CZMRControl* pList, CZMRControl* pFirstItem);
};
