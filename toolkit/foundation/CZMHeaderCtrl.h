// The toolkit's header control for list views: drawn through a header
// style, with a sort arrow, hot tracking, frozen columns and a context menu.
#pragma once

#include "CZMHeaderCtrlTheme.h"

// Commands of the header's context menu.
enum
{
    ZM_IDR_HEADERMENU = 9316,
    ZM_IDB_HEADERMENU = 9307,
    ZM_ID_SORTASC = 9325,
    ZM_ID_SORTDSC = 9326,
    ZM_ID_ALIGNLEFT = 9327,
    ZM_ID_ALIGNCENTER = 9328,
    ZM_ID_ALIGNRIGHT = 9329,
};

class CZMHeaderCtrl : public CHeaderCtrl, public CZMThemeManagerStyleHost
{
    DECLARE_DYNAMIC(CZMHeaderCtrl)
public:
    CZMHeaderCtrl();
    virtual ~CZMHeaderCtrl();

    CZMHeaderCtrlTheme* GetTheme();
    BOOL HasTheme() const;
    BOOL HasSortArrow();

    int HitTest(int x, int y, UINT* pFlags = nullptr) const;
    int SetSortImage(int nColumn, BOOL bAscending);
    int GetSortImage(BOOL* pbAscending = nullptr) const;

    virtual BOOL IsItemUnderCursor(int nItem);
    virtual void UseBoldFont(BOOL bBold);
    virtual void SetMenuID(UINT nMenuID, int nSubMenu);
    virtual void UpdateFont(BOOL bBold);
    virtual BOOL SetThemeStyleFlag(BOOL bShow);
    virtual int SetColumnAlign(int nAlign);
    virtual BOOL IsRtlReading();
    virtual void SpreadWidth(int nWidth);
    virtual void FitToClient(int nWidth);
    virtual int SumFrozenColumnWidths();

    void RecalcLayout();
    void SendItemClick(int nColumn);
    void OnThemeChanged() override { RecalcLayout(); }

    // The hosts of this system set none of these; they are here for those that do.
    void FreezeColumn(int nColumn) { m_listFrozen.AddTail(nColumn); }
    BOOL IsColumnFrozen(int nColumn) const { return m_listFrozen.Find(nColumn) != nullptr; }
    void SetMinColumnWidth(int nWidth) { m_nMinColumnWidth = nWidth; }
    void SetFitOnResize(bool bFit) { m_bFitOnResize = bFit; }
    void EnableContextMenu(BOOL bEnable) { m_bContextMenu = bEnable; }
    int GetHotItem() const { return m_nHotItem; }

protected:
    BOOL IsParentList() const;

    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnWindowPosChanging(WINDOWPOS* pWndPos);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnLayout(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnSysColorChange();
    afx_msg void OnSortAsc();
    afx_msg void OnSortDsc();
    afx_msg void OnAlignLeft();
    afx_msg void OnAlignCenter();
    afx_msg void OnAlignRight();
    void SortFromMenu(int nAscending);
    DECLARE_MESSAGE_MAP()

public:
    int m_nMinColumnWidth;
    int m_nSubMenu;
    int m_nHotItem;
    int m_nSortColumn;
    bool m_bRTL;
    bool m_bFitOnResize;
    int m_bContextMenu;
    int m_bAscending;
    bool m_bLBtnDown;
    bool m_bHotDrawn;
    int m_nMenuID;
    CPoint m_ptLastRClick;
    CList<int, int> m_listFrozen;
};

class CZMFlatHeaderCtrl : public CZMHeaderCtrl
{
    DECLARE_DYNAMIC(CZMFlatHeaderCtrl)
public:
    CZMFlatHeaderCtrl();
};
