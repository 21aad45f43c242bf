// Stands for the list of the manager's bars: each time its bar is laid out it
// puts a show-or-hide item for every listed bar after itself.
#pragma once
#include "CZMRControlButton.h"

class CZMRControlToolbars : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRControlToolbars)
public:
    CZMRControlToolbars();
    // Only popup bars take it.
    BOOL CanDropOnBar(CZMRCommandBar* pBar, CPoint point, DROPEFFECT& dropEffect) override;

    // One item of the list: checked while its bar shows; executing it shows
    // or hides the bar whose index in the manager is the item's tag.
    class CZMRControlToolbar : public CZMRControlButton
    {
    public:
        void OnExecute() override;
    };

    // Drops the items of the last layout, then lists the manager's closeable
    // tool bars that go into its menu, or shows itself in customize mode or
    // when there is none.
    void ExpandIntoItems(DWORD dwMode) override;
    // The manager's bars that the list shows, in the manager's order.
    static int GetListedBarCount(const CZMRBarManager* pManager);

protected:
    static BOOL IsListed(const CZMRCommandBar* pBar);
};
