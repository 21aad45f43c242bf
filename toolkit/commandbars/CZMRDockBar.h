// A child window of the site frame along one of its sides that holds the
// docked tool bars in rows; a null entry ends a row. The frame's layout pass
// (WM_SIZEPARENT) gives it its strip of the frame, and it places its bars,
// squeezing them and moving what still does not fit into a further row.
#pragma once
#include "Framework.h"
#include <vector>

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

    // Puts the bar where it was dropped (lpRect, screen coordinates): into
    // the row under the rectangle's centre; without a rectangle into a new
    // last row. The dock bar becomes the bar's parent window.
    virtual void DockCommandBar(CZMRToolBar* pBar, LPCRECT lpRect = nullptr);
    // Takes the bar out (the entry at nSpare is left alone); false when it
    // was not there.
    virtual BOOL RemoveCommandBar(CZMRToolBar* pBar, int nSpare = -1);
    // The index of the bar, skipping nSkip; -1 when absent.
    int FindBar(CZMRToolBar* pBar, int nSkip = -1) const;
    // The bars that are docked here (row ends left out).
    int GetDockedCount() const;
    // The bar array: null entries end rows, the first entry is always null.
    int GetArrayCount() const { return int(m_arrBars.GetSize()); }
    CZMRToolBar* GetArrayAt(int nIndex) const;

    // Takes the bars of a stored layout: its rows with null row ends, in
    // place of its own.
    void RestoreRows(const std::vector<CZMRToolBar*>& rows);

    // The layout flags (LM_...) a bar gets in a dock bar of that orientation.
    DWORD GetLayoutFlags(BOOL bHorz, CZMRToolBar* pBar) const;
    // Lays the rows out for the length; places the bars through the
    // deferred positioning of the layout parameters, when they have one.
    CSize CalcDockLayout(int nLength, DWORD dwFlags, AFX_SIZEPARENTPARAMS* pLayout);

protected:
    // The thickness of the row of bars at the offset across the rows; bars
    // that do not fit go into further rows.
    int LayoutRowWithOverflow(const CArray<CZMRToolBar*, CZMRToolBar*>& bars, int nOffset, int nLength,
                              BOOL bHorz, HDWP& hDWP);
    // Where a bar dropped with its centre at the point (client coordinates)
    // goes in; the index of the inserted bar.
    int FindInsertIndex(CZMRToolBar* pBar, int cx, int cy);
    // Every stretched bar gets a row of its own.
    void IsolateStretchedBars();
    void CheckIndex(INT_PTR nIndex) const;

    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnRButtonDown(UINT nFlags, CPoint point);
    LRESULT OnNcHitTest(CPoint point);

    DWORD m_dwStyle;
    CArray<CZMRToolBar*, CZMRToolBar*> m_arrBars;
    CZMRBarManager* m_pBarManager;

    DECLARE_MESSAGE_MAP()
};
