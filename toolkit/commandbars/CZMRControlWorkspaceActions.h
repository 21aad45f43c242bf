// Stands for the tab-group commands of the MDI tab workspace: each time its
// bar is laid out it puts the commands that apply now after itself.
#pragma once
#include "CZMRControlButton.h"

class CZMRTabManagerItem;

// The tab-group commands: move the active tab to the previous or next group,
// or into a new group below or to the right; 9159 closes the group menu.
enum
{
    ZMR_ID_WORKSPACE_PREVIOUS_GROUP = 9155,
    ZMR_ID_WORKSPACE_NEXT_GROUP = 9156,
    ZMR_ID_WORKSPACE_NEW_GROUP_BELOW = 9157,
    ZMR_ID_WORKSPACE_NEW_GROUP_RIGHT = 9158,
    ZMR_ID_WORKSPACE_CANCEL = 9159
};

// What the list asks of the frame's MDI client. The tab client window of the
// tab manager answers it; the command bars know no more of it than this.
class CZMRWorkspaceCommandSource
{
public:
    // Whether the command applies to the active child's tab, given in ppItem.
    virtual BOOL IsGroupCommandEnabled(int nCommand, CZMRTabManagerItem** ppItem) = 0;

protected:
    ~CZMRWorkspaceCommandSource() = default;
};

class CZMRControlWorkspaceActions : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRControlWorkspaceActions)
public:
    CZMRControlWorkspaceActions();

    void ExpandIntoItems(DWORD dwMode) override;
    // The tab client behind the MDI client of the bar's site frame; null when
    // the site is no MDI frame or its client shows no tabs.
    CZMRWorkspaceCommandSource* FindCommandSource() const;

protected:
    // Inserts the command before nBefore when the source enables it; whether it did.
    BOOL AddWorkspaceActionIfEnabled(CZMRWorkspaceCommandSource* pSource, int nCommand, int nBefore);
};
