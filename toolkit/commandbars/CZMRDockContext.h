// Moves a tool bar with the mouse between the dock bars of its manager and
// floating, resizes it while it floats, toggles it between docked and
// floating on a double click, and remembers where it was docked and where
// it floated so that the toggle takes it back there.
#pragma once
#include "Framework.h"

class CZMRToolBar;
class CZMRDockBar;

class CZMRDockContext
{
public:
    explicit CZMRDockContext(CZMRToolBar* pBar);
    virtual ~CZMRDockContext();

    // A drag from the screen point: the bar follows the pointer, docked while
    // it is near a dock bar whose side the bar allows, floating elsewhere.
    virtual void StartDrag(CPoint pt);
    // A floating bar's border (hit code 10-17) follows the pointer.
    virtual void StartResize(int nHitTest, CPoint pt);
    // Floating to where it was docked, docked to where it floated; false when
    // the bar's flags or the manager's options do not allow it.
    virtual BOOL ToggleDocking();
    // The capture loop of a drag or resize; ends on the button's release,
    // Escape, the loss of the capture and WM_QUIT (posted again).
    virtual void Track();

    CZMRToolBar* GetBar() const { return m_pBar; }
    // Where the bar last sat in the dock bar of its last side (client
    // coordinates of that dock bar); empty when it was docked at the end.
    const CRect& GetDockedRect() const { return m_rcDocked; }
    void SetDockedRect(const CRect& rc) { m_rcDocked = rc; }
    int GetLastSide() const { return m_nLastSide; }
    void SetLastSide(int nSide) { m_nLastSide = nSide; }
    // Screen top-left where the bar last floated; (0, 0) when it never did.
    CPoint GetFloatingPosition() const { return m_ptFloating; }
    void SetFloatingPosition(CPoint pt) { m_ptFloating = pt; }
    int GetMode() const { return m_nMode; }

    // Moves the rectangle so that at least 10 px of it stay inside the work
    // area on each axis.
    static CRect KeepOnScreen(const CRect& rc, const CRect& rcWork);

protected:
    // One step of a drag to the screen point.
    void Move(CPoint pt);
    // One step of a resize by the bar's own floating layout.
    void ResizeByLayout(CPoint pt);
    // One step of a resize that moves the dragged edges (dialog bars).
    void ResizeByEdges(CPoint pt);
    CRect GetWorkArea(const CRect& rc) const;

    CZMRToolBar* m_pBar;
    int m_nMode;             // 1 dragging; a hit code 10-17 while resizing
    CPoint m_ptLast;
    int m_nLastSide;
    CRect m_rcDocked;
    CPoint m_ptFloating;
    CRect m_rcDrag;
    CRect m_rcWindow;
};
