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

    // Runs the drag of a control; bCopyCursor shows the copy cursor whatever
    // the drop would do.
    virtual int DoDrag(CZMRControl* pControl, BOOL bCopyCursor);

    // The window of a customize user interface, which hears of the
    // customize selection in the site's place; none.
    HWND GetCustomizeWindow() const { return m_hWndCustomize; }
    void SetCustomizeWindow(HWND hWnd) { m_hWndCustomize = hWnd; }

    // The bars that take part in drags, in the order their windows were made.
    void RegisterBar(CZMRCommandBar* pBar);
    // Removes every entry of the bar.
    void UnregisterBar(CZMRCommandBar* pBar);
    int GetRegisteredCount() const { return int(m_arrBars.GetSize()); }
    CZMRCommandBar* GetRegisteredAt(int nIndex) const { return m_arrBars[nIndex]; }
    // The customize context menu at a screen point, for the selected control.
    virtual void ShowContextMenu(CPoint ptScreen);

protected:
    HWND m_hWndCustomize;
    CArray<CZMRCommandBar*, CZMRCommandBar*> m_arrBars;
    CZMRBarManager* m_pBarManager;
};
