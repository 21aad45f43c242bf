// A child window of the site frame along one of its sides that holds the
// docked tool bars in rows; a null entry ends a row. The frame's layout pass
// (WM_SIZEPARENT) gives it its strip of the frame.
#pragma once
#include "Framework.h"

class CZMRBarManager;
class CZMRToolBar;

class CZMRDockBar : public CWnd
{
    DECLARE_DYNCREATE(CZMRDockBar)
public:
    CZMRDockBar();
    ~CZMRDockBar() override;

    // A child of the site with the control-bar style of its side
    // (CBRS_ALIGN_TOP, ...) and the frame's dock-bar id of that side.
    BOOL Create(CWnd* pParent, DWORD dwAlignStyle, UINT nID);
    void SetBarManager(CZMRBarManager* pBarManager) { m_pBarManager = pBarManager; }
    CZMRBarManager* GetBarManager() const { return m_pBarManager; }
    DWORD GetBarStyle() const { return m_dwStyle; }

    // 0 top, 1 bottom, 2 left, 3 right.
    int GetPosition() const;
    BOOL IsHorizontal() const { return GetPosition() < 2; }

    // Adds the bar (at the end for now); lpRect, in screen coordinates, is
    // where it was dropped.
    virtual void DockCommandBar(CZMRToolBar* pBar, LPCRECT lpRect = nullptr);
    // Takes the bar out (the entry at nSpare is left alone); false when it
    // was not there.
    virtual BOOL RemoveCommandBar(CZMRToolBar* pBar, int nSpare = -1);
    // The index of the bar, skipping nSkip; -1 when absent.
    int FindBar(CZMRToolBar* pBar, int nSkip = -1) const;
    // The bars that are docked here (row ends left out).
    int GetDockedCount() const;

protected:
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);

    DWORD m_dwStyle;
    CArray<CZMRToolBar*, CZMRToolBar*> m_arrBars;
    CZMRBarManager* m_pBarManager;

    DECLARE_MESSAGE_MAP()
};
