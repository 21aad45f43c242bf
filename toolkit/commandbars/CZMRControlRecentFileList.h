// Stands for the application's recent files: each time its bar is laid out
// it puts one numbered item per file after itself.
#pragma once
#include "CZMRControlButton.h"

class CRecentFileList;

class CZMRControlRecentFileList : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRControlRecentFileList)
public:
    CZMRControlRecentFileList();
    // Only popup bars take it.
    BOOL CanDropOnBar(CZMRCommandBar* pBar, CPoint point, DROPEFFECT& dropEffect) override;
    // Drops the items of the last layout and lists the files; shows itself
    // in customize mode, and disabled when the list is empty.
    void ExpandIntoItems(DWORD dwMode) override;

    // The application's recent-file list, or none.
    virtual CRecentFileList* GetRecentFileList();
    // The command of the first file; the others follow it.
    virtual int GetFirstCommandId();

    // Whether a control is an item of a recent-file list: its id lies from
    // the first command to the first command plus the list's size.
    static BOOL IsFileItemId(int nId, int nFirstId, const CRecentFileList* pList);
};
