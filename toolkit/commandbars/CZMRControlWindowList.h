// Stands for the list of the MDI child windows, which it inserts after
// itself each time its bar is laid out: at most nine, numbered, the active
// one checked.
#pragma once
#include "CZMRControlButton.h"

// The framework's first MDI child command and the help id of the items.
enum
{
    ZMR_ID_FIRST_MDICHILD = 0xFF00,
    ZMR_IDS_MDICHILD_PROMPT = 0xEF1F
};

class CZMRControlWindowList : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRControlWindowList)
public:
    CZMRControlWindowList();
    // Only popup bars take it.
    BOOL CanDropOnBar(CZMRCommandBar* pBar, CPoint point, DROPEFFECT& dropEffect) override;
    // Drops the items of the last layout and lists the visible children of
    // the site frame's MDI client; shows itself without one, in customize
    // mode or when no child shows.
    void ExpandIntoItems(DWORD dwMode) override;

    // The id of the first child of a frame's MDI client: the framework's
    // first child command unless the active child told otherwise. Each frame
    // keeps its own value.
    static int GetFirstMDIChildId(HWND hWndFrame);
    // Adjusts the frame's value to the id of its active child: ids from
    // 32768 to 32814 count from 32768, ids from 1 to 46 from 1.
    static int AdjustFirstMDIChildId(HWND hWndFrame, HWND hWndActiveChild);
};
