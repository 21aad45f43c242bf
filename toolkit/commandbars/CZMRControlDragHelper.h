// Moves, copies and removes controls by drag and drop in customize mode.
// Each bar manager owns one.
#pragma once
#include "Framework.h"

class CZMRControl;
class CZMRBarManager;
class CZMRCommandBar;

class CZMRControlDragHelper
{
public:
    // How a drag ended.
    enum DropResult
    {
        dropRemoved = 0,     // released outside every bar that accepts it
        dropCopied = 1,
        dropMoved = 2,
        dropCancelled = 5    // also: released without a move, or dropped where it was
    };

    explicit CZMRControlDragHelper(CZMRBarManager* pBarManager);
    virtual ~CZMRControlDragHelper();

    // Runs the drag of a control under mouse capture until the left button
    // is released or the drag is cancelled; bCopyCursor shows the copy
    // cursor whatever the drop would do.
    virtual int DoDrag(CZMRControl* pControl, BOOL bCopyCursor);

    // The window of a customize user interface, which hears of the
    // customize selection in the site's place; none.
    HWND GetCustomizeWindow() const { return m_hWndCustomize; }
    void SetCustomizeWindow(HWND hWnd) { m_hWndCustomize = hWnd; }
    // The customize window's context menu (not owned); none.
    CZMRCommandBar* GetContextPopupBar() const { return m_pContextPopup; }
    void SetContextPopupBar(CZMRCommandBar* pPopup) { m_pContextPopup = pPopup; }

    // The bars that take part in drags, in the order their windows were made.
    void RegisterBar(CZMRCommandBar* pBar);
    // Removes every entry of the bar.
    void UnregisterBar(CZMRCommandBar* pBar);
    int GetRegisteredCount() const { return int(m_arrBars.GetSize()); }
    CZMRCommandBar* GetRegisteredAt(int nIndex) const { return m_arrBars[nIndex]; }
    // The customize context menu at a screen point, for the selected control.
    virtual void ShowContextMenu(CPoint ptScreen);

    // The bar that takes the drop at the pointer, during a drag; none.
    CZMRCommandBar* GetDropTarget() const { return m_pDropTarget; }
    HCURSOR GetNoDropCursor() const { return m_hcurNoDrop; }
    HCURSOR GetMoveCursor() const { return m_hcurMove; }
    HCURSOR GetCopyCursor() const { return m_hcurCopy; }

protected:
    // The capture loop.
    virtual int TrackDrag();
    // Finds the bar under a screen point and drives its drag operations.
    virtual void FindDropTarget(CPoint ptScreen);
    virtual void UpdateCursor();

    HWND m_hWndCapture;
    CZMRControl* m_pDragged;               // not owned
    BOOL m_bMove;
    BOOL m_bCopyCursor;
    CZMRCommandBar* m_pDropTarget;         // not owned
    HWND m_hWndCustomize;
    CPoint m_ptStart;
    CArray<CZMRCommandBar*, CZMRCommandBar*> m_arrBars;
    CZMRBarManager* m_pBarManager;
    HCURSOR m_hcurNoDrop;
    HCURSOR m_hcurMove;
    HCURSOR m_hcurCopy;
    CZMRCommandBar* m_pContextPopup;       // not owned
};
