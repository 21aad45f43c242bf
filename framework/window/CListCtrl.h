// CListCtrl: a list-view control of the common controls.
#pragma once

#include "window/CWnd.h"
#include "window/CHeaderCtrl.h"

class CImageList;

class CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Columns.
    int InsertColumn(int nCol, const LVCOLUMN* pColumn);
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
    BOOL DeleteColumn(int nCol);
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const;
    BOOL SetColumn(int nCol, const LVCOLUMN* pColumn);
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);
    BOOL GetColumnOrderArray(LPINT piArray, int iCount = -1) const;
    CHeaderCtrl* GetHeaderCtrl() const;

    // Items.
    int GetItemCount() const;
    int InsertItem(const LVITEM* pItem);
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    BOOL GetItem(LVITEM* pItem) const;
    BOOL SetItem(const LVITEM* pItem);
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    UINT GetItemState(int nItem, UINT nMask) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    int GetNextItem(int nItem, int nFlags) const;
    UINT GetSelectedCount() const;
    int GetSelectionMark() const;
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int HitTest(LVHITTESTINFO* pHitTestInfo) const;
    int SubItemHitTest(LVHITTESTINFO* pInfo);
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    int GetTopIndex() const;
    int GetCountPerPage() const;
    BOOL RedrawItems(int nFirst, int nLast);
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);

    // Looks.
    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    COLORREF GetBkColor() const;
    BOOL SetBkColor(COLORREF cr);
    COLORREF GetTextColor() const;
    BOOL SetTextColor(COLORREF cr);
    COLORREF GetTextBkColor() const;
    BOOL SetTextBkColor(COLORREF cr);
    CImageList* GetImageList(int nImageList) const;
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);

protected:
    void OnVScroll(UINT nSBCode, UINT nPos, HWND hScrollBar);
    DECLARE_MESSAGE_MAP()
};
