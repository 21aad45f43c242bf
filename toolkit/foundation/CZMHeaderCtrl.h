// The toolkit's header control for list views: drawn through a header
// style, with a sort arrow, hot tracking, frozen columns and a context menu.
#pragma once

#include "CZMHeaderCtrlTheme.h"

class CZMRImageManager;

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
    // Icons for items with an image index; the header takes over the caller's reference.
    void SetImageManager(CZMRImageManager* pImageManager);
    CZMRImageManager* GetImageManager() const { return m_pImageManager; }

protected:
    BOOL IsParentList() const;

    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnWindowPosChanging(WINDOWPOS* pWndPos);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnDestroy();
    LRESULT OnLayout(WPARAM wParam, LPARAM lParam);
    BOOL OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    void OnSysColorChange();
    void OnSortAsc();
    void OnSortDsc();
    void OnAlignLeft();
    void OnAlignCenter();
    void OnAlignRight();
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
    CZMRImageManager* m_pImageManager;
};

class CZMFlatHeaderCtrl : public CZMHeaderCtrl
{
    DECLARE_DYNAMIC(CZMFlatHeaderCtrl)
public:
    CZMFlatHeaderCtrl();
};
