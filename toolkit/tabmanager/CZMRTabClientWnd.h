// The MDI client of a frame shown as tabs: the client window is subclassed,
// its children are kept as tabs in one or more groups (each a windowless tab
// strip) placed one above the other or side by side, and each child fills
// the client part of its group. Tabs are activated, reordered and dragged
// between groups or into new ones.
#pragma once
#include "Framework.h"
#include "CZMRTabManager.h"
#include "CZMRControlWorkspaceActions.h"
#include "CZMRToolTipContext.h"

class CZMRBarManager;
class CZMRControlTabWorkspace;

class CZMRTabClientWnd : public CWnd, public CZMRWorkspaceCommandSource
{
    DECLARE_DYNAMIC(CZMRTabClientWnd)
public:
    // One tab group: a strip whose items stand for MDI children (item data =
    // the child's window handle).
    class CWorkspace : public CZMRTabManager
    {
    public:
        CWorkspace();
        ~CWorkspace() override;

        void Reposition() override;
        HICON GetItemIcon(const CZMRTabManagerItem* pItem) const override;
        COLORREF GetItemColor(const CZMRTabManagerItem* pItem) const override;
        CString GetItemTooltip(const CZMRTabManagerItem* pItem) const override;
        void SetSelectedItem(CZMRTabManagerItem* pItem) override;
        CZMRTabPaintManager* GetPaintManager() const override;
        void RedrawControl(LPCRECT lpRect, BOOL bNow) override;
        BOOL CanReorderItems() const override;
        void EnableItemReorder(BOOL bAllow) override;
        BOOL IsStaticFrame() const override;
        BOOL DrawIcon(CDC* pDC, CPoint pt, CZMRTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const override;
        void OnItemClick(CZMRTabManagerItem* pItem) override;
        BOOL ConfirmItemClick(CZMRTabManagerItem* pItem) override;
        void DragToNewPosition(CWnd* pWnd, CPoint point, CZMRTabManagerItem* pItem) override;
        void OnNavigateButtonClickEx(CZMRTabManagerNavigateButton* pButton) override;
        BOOL IsMouseLocked() const override;
        virtual CWnd* GetClientWindow() const;
        virtual void ExtraHook3() {}

        CZMRTabClientWnd* GetClient() const { return m_pClient; }
        void SetClient(CZMRTabClientWnd* pClient) { m_pClient = pClient; }
        double GetGroupSize() const { return m_dGroupSize; }
        void SetGroupSize(double dSize) { m_dGroupSize = dSize; }

    protected:
        CZMRTabClientWnd* m_pClient;
        double m_dGroupSize;
    };

    // Drop actions of a tab dragged out of its strip.
    enum
    {
        dropNone = 0,
        dropClient = 1,      // inside the client area, over no target: the group menu
        dropGroup = 2,       // into a group
        dropNewBelow = 3,    // into a new group below
        dropNewRight = 4     // into a new group to the right
    };

    CZMRTabClientWnd();
    ~CZMRTabClientWnd() override;

    // Takes over the MDI client of the frame and shows its children as tabs
    // in one group. The command bars, when given, host the group menu.
    BOOL AttachToFrame(CMDIFrameWnd* pFrame, CZMRBarManager* pCommandBars = nullptr);
    // Gives the MDI client back to the frame as it was.
    void DetachFromFrame();
    CMDIFrameWnd* GetFrame() const { return m_pFrame; }

    // ------------------------------------------------------------ children

    HWND GetActiveChild() const;
    void ActivateChild(HWND hWndChild);
    // Brings the tabs in line with the children: new ones get a tab in the
    // active group, gone ones lose theirs, captions follow the titles, and
    // the active child's tab is selected in the active group.
    void UpdateContents();
    HICON GetChildIcon(HWND hWndChild) const;
    CString GetChildTooltip(HWND hWndChild) const;
    // -1: the strip's own colour rule.
    COLORREF GetChildColor(HWND hWndChild) const;

    // ------------------------------------------------------------ groups

    int GetWorkspaceCount() const { return (int)m_arrWorkspaces.GetSize(); }
    CWorkspace* GetWorkspace(int nIndex) const;
    int FindWorkspaceIndex(const CWorkspace* pWorkspace) const;
    CZMRTabManagerItem* FindItem(HWND hWndChild) const;
    CWorkspace* GetActiveWorkspace() const { return m_pActiveWorkspace; }
    void SetActiveWorkspace(CWorkspace* pWorkspace);
    // A new empty group at nIndex (the end when out of range).
    CWorkspace* AddWorkspace(int nIndex);
    // Places the groups and the children in them and redraws; empty groups
    // go, as long as one is left.
    void RepositionWorkspaces();
    void UpdateGroupSizes();
    void MoveItemToGroup(CZMRTabManagerItem* pItem, CWorkspace* pTarget, int nAction);
    BOOL IsGroupCommandEnabled(int nCommand, CZMRTabManagerItem** ppItem) override;
    // Carries out one of the tab-group commands; false for another id.
    BOOL ExecuteGroupCommand(int nCommand);
    void ShowWorkspacePopup(CPoint point);

    // ------------------------------------------------------------ settings

    CZMRTabPaintManager* GetPaintManager() const { return m_pPaintManager; }
    // The client keeps one reference on the paint manager.
    void SetPaintManager(CZMRTabPaintManager* pPaintManager);
    BOOL IsGroupsStacked() const { return m_bGroupsStacked; }
    void SetGroupsStacked(BOOL bStacked);
    BOOL IsGroupsEnabled() const { return m_bGroupsEnabled; }
    void EnableGroups(BOOL bEnable) { m_bGroupsEnabled = bEnable; }
    BOOL IsReorderAllowed() const { return m_bReorderAllowed; }
    void EnableReorder(BOOL bAllow) { m_bReorderAllowed = bAllow; }
    int GetSplitterSize() const { return m_nSplitterSize; }
    void SetSplitterSize(int nSize);
    BOOL IsRedrawSuspended() const { return m_bSuspendRedraw; }
    BOOL IsLayoutPending() const { return m_bLayoutPending; }
    void SetLayoutPending() { m_bLayoutPending = TRUE; }
    CWorkspace* GetHostedWorkspace() const { return m_pHostedWorkspace; }
    // Shows the tabs in the workspace of a bar control instead of the client's
    // own groups (null: back to the own groups).
    void SetHostedWorkspace(CWorkspace* pWorkspace);
    void SetClickState(BOOL bInClick, BOOL bInMove) { m_bInClick = bInClick; m_bInMove = bInMove; }
    // Shows the tabs' tips (the children's titles) over the strips.
    CZMRToolTipContext* GetToolTipContext() { return &m_toolTipContext; }

    // ------------------------------------------------------------ drag feedback

    void UpdateDragTarget(CPoint point, CZMRTabManagerItem* pItem);
    BOOL IsFeedbackShown() const { return m_pFeedbackDC != nullptr; }
    CRect GetFeedbackRect() const { return m_rcFeedback; }
    CWorkspace* GetDropTarget() const { return m_pDropTarget; }
    int GetDropAction() const { return m_nDropAction; }

protected:
    friend class CWorkspace;

    void StartFeedback();
    void DrawFeedback();
    void EndFeedback();
    void RemoveWorkspace(int nIndex);
    // The tab taken out of its group, still alive (the caller holds the reference).
    CZMRTabManagerItem* DetachItem(CZMRTabManagerItem* pItem);
    void PlaceChildren(CWorkspace* pWorkspace);
    void PaintClient(CDC* pDC);
    CWorkspace* WorkspaceAt(CPoint point) const;
    // The child windows of the client in Z order, icon titles left out.
    void GetChildren(CArray<HWND, HWND>& arrChildren) const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

public:
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

protected:
    CMDIFrameWnd* m_pFrame;
    CZMRBarManager* m_pCommandBars;
    CArray<CWorkspace*, CWorkspace*> m_arrWorkspaces;
    CWorkspace* m_pHostedWorkspace;
    CZMRTabPaintManager* m_pPaintManager;
    CWorkspace* m_pActiveWorkspace;
    BOOL m_bGroupsStacked;
    HCURSOR m_hDragCursor;
    HCURSOR m_hNoDropCursor;
    BOOL m_bGroupsEnabled;
    BOOL m_bReorderAllowed;
    int m_nSplitterSize;
    BOOL m_bSuspendRedraw;
    BOOL m_bLayoutPending;
    BOOL m_bInClick;
    BOOL m_bInMove;
    BOOL m_bInLayout;

    CRect m_rcFeedback;          // client coordinates
    CWorkspace* m_pDropTarget;
    int m_nDropAction;
    CRect m_rcLastFeedback;      // screen coordinates
    CSize m_szLastFeedback;
    CDC* m_pFeedbackDC;
    BOOL m_bFeedbackLocked;
    CZMRToolTipContext m_toolTipContext;
};
