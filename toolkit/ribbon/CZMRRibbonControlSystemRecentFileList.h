// The right column's recent documents: a list caption that, each time the
// system popup lays out, puts one numbered item per recent file of the
// application under itself.
#pragma once
#include "CZMRRibbonControlSystemPopupBarListCaption.h"
#include "CZMRRibbonControlSystemPopupBarListItem.h"

class CRecentFileList;

class CZMRRibbonControlSystemRecentFileList : public CZMRRibbonControlSystemPopupBarListCaption
{
    DECLARE_SERIAL(CZMRRibbonControlSystemRecentFileList)
public:
    // One recent file: its caption starts with its number. It has no class
    // record of its own, so copies of it are plain list items.
    class CControlFileItem : public CZMRRibbonControlSystemPopupBarListItem
    {
    public:
        CControlFileItem();
    };

    CZMRRibbonControlSystemRecentFileList();

    // Drops the items of the last layout and makes one per file.
    void ExpandIntoItems(DWORD dwMode) override;

    // The application's recent-file list, or none.
    virtual CRecentFileList* GetRecentFileList();
    // The command of the first file; the others follow it.
    virtual int GetFirstCommandId();

    // The caption of file i (from 0): "&n title" up to the ninth, the title
    // alone from the tenth, every '&' of the title doubled.
    static CString FormatFileCaption(int nIndex, const CString& strTitle);
    // The title the file-title function gives for a path, whatever its length;
    // the path's last part when the function fails.
    static CString GetFileTitleOf(const CString& strPath);
};
