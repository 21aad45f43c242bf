// Stands for the verbs of the selected OLE item: each time its bar is laid
// out it puts a popup with the item's verbs after itself.
#pragma once
#include "CZMRControlButton.h"

class CZMRControlOleItems : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRControlOleItems)
public:
    CZMRControlOleItems();
    // Only popup bars take it.
    BOOL CanDropOnBar(CZMRCommandBar* pBar, CPoint point, DROPEFFECT& dropEffect) override;
    // Drops the popup of the last layout and makes one for the item selected
    // in the active view of an OLE document; shows itself when there is none.
    void ExpandIntoItems(DWORD dwMode) override;

protected:
    // The primary selected item of the site frame's active view, when its
    // document is an OLE document.
    COleClientItem* FindSelectedItem() const;
};
