// What a status bar offers the paint managers that draw it: its panes, the
// pane under the mouse, the divider between the left and right groups, the
// markup context of pane markup and the manager it belongs to. Creating,
// laying out and hit-testing the bar is its host's business.
#pragma once
#include "Framework.h"

class CZMRStatusBarPane;
class CZMRBarManager;
class CZMRImageManager;
class CZMRMarkupContext;

class CZMRStatusBar : public CWnd
{
public:
    CZMRStatusBar();
    ~CZMRStatusBar() override;

    int GetPaneCount() const { return int(m_arrPanes.GetSize()); }
    // None outside the list.
    CZMRStatusBarPane* GetPane(int nIndex) const;
    // A new pane at the end, owned by the bar.
    CZMRStatusBarPane* AddPane();

    // Pane texts set from now on are parsed as markup.
    void EnableMarkup(BOOL bEnable = TRUE);
    CZMRMarkupContext* GetMarkupContext() const { return m_pMarkupContext; }

    CZMRBarManager* GetBarManager() const { return m_pBarManager; }
    void SetBarManager(CZMRBarManager* pBarManager) { m_pBarManager = pBarManager; }
    // The manager's image manager, else the global one.
    CZMRImageManager* GetImageManager() const;

    BOOL m_bDrawDisabledText;           // text of disabled panes is still drawn
    CZMRStatusBarPane* m_pHotPane;      // its button face is drawn selected
    int m_nDividerIndex;                // last pane of the left-hand group

protected:
    CArray<CZMRStatusBarPane*, CZMRStatusBarPane*> m_arrPanes;
    CZMRMarkupContext* m_pMarkupContext;
    CZMRBarManager* m_pBarManager;
};
