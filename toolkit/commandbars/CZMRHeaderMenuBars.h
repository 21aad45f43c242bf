// The command bars behind the header control's context menu: once
// installed, the header's menu is a popup bar drawn by the theme in force.
#pragma once
#include "CZMHeaderCtrlTheme.h"

class CZMRHeaderMenuBars : public CZMHeaderMenuBars
{
public:
    // Makes the header's menus popup bars for the rest of the process.
    static void Install();

    BOOL EnsurePaintManager() override;
    int TrackPopupBar(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pOwner, UINT nBitmapID) override;
};
