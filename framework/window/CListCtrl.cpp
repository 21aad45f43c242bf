#include "window/CListCtrl.h"
#include "window/CImageList.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

BEGIN_MESSAGE_MAP(CListCtrl, CWnd)
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

// Programs scroll a report list to its end (SB_BOTTOM) to show the newest row,
// or to its start (SB_TOP). Some list views of the common controls ignore
// these two codes; when the list has not moved there, the first or the last
// row is brought into view here, so the result is the same everywhere.
void CListCtrl::OnVScroll(UINT nSBCode, UINT nPos, HWND hScrollBar)
{
    CWnd::OnVScroll(nSBCode, nPos, hScrollBar);
    if (hScrollBar != nullptr || (GetStyle() & LVS_TYPEMASK) != LVS_REPORT)
        return;
    int nCount = GetItemCount();
    if (nCount == 0)
        return;
    if (nSBCode == SB_TOP && GetTopIndex() != 0)
        EnsureVisible(0, FALSE);
    else if (nSBCode == SB_BOTTOM && GetTopIndex() + GetCountPerPage() < nCount)
        EnsureVisible(nCount - 1, FALSE);
}

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_LISTVIEWW, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CListCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::CreateEx(dwExStyle, WC_LISTVIEWW, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* pColumn)
{
    return (int)::SendMessageW(m_hWnd, LVM_INSERTCOLUMNW, (WPARAM)nCol, reinterpret_cast<LPARAM>(pColumn));
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    LVCOLUMN column = {};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = const_cast<LPTSTR>(lpszColumnHeading);
    column.fmt = nFormat;
    if (nWidth != -1)
    {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1)
    {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::DeleteColumn(int nCol) { return (BOOL)::SendMessageW(m_hWnd, LVM_DELETECOLUMN, (WPARAM)nCol, 0); }
BOOL CListCtrl::GetColumn(int nCol, LVCOLUMN* pColumn) const
{
    return (BOOL)::SendMessageW(m_hWnd, LVM_GETCOLUMNW, (WPARAM)nCol, reinterpret_cast<LPARAM>(pColumn));
}
BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMN* pColumn)
{
    return (BOOL)::SendMessageW(m_hWnd, LVM_SETCOLUMNW, (WPARAM)nCol, reinterpret_cast<LPARAM>(pColumn));
}
int CListCtrl::GetColumnWidth(int nCol) const { return (int)::SendMessageW(m_hWnd, LVM_GETCOLUMNWIDTH, (WPARAM)nCol, 0); }
BOOL CListCtrl::SetColumnWidth(int nCol, int cx)
{
    return (BOOL)::SendMessageW(m_hWnd, LVM_SETCOLUMNWIDTH, (WPARAM)nCol, MAKELPARAM(cx, 0));
}
BOOL CListCtrl::GetColumnOrderArray(LPINT piArray, int iCount) const
{
    if (iCount == -1)
    {
        HWND hHeader = reinterpret_cast<HWND>(::SendMessageW(m_hWnd, LVM_GETHEADER, 0, 0));
        iCount = hHeader ? (int)::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0) : 0;
    }
    return (BOOL)::SendMessageW(m_hWnd, LVM_GETCOLUMNORDERARRAY, (WPARAM)iCount, reinterpret_cast<LPARAM>(piArray));
}
CHeaderCtrl* CListCtrl::GetHeaderCtrl() const
{
    return static_cast<CHeaderCtrl*>(CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessageW(m_hWnd, LVM_GETHEADER, 0, 0))));
}

int CListCtrl::GetItemCount() const { return (int)::SendMessageW(m_hWnd, LVM_GETITEMCOUNT, 0, 0); }
int CListCtrl::InsertItem(const LVITEM* pItem)
{
    return (int)::SendMessageW(m_hWnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(pItem));
}
int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    LVITEM item = {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    return InsertItem(&item);
}
int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
{
    LVITEM item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = nItem;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    item.iImage = nImage;
    return InsertItem(&item);
}
BOOL CListCtrl::DeleteItem(int nItem) { return (BOOL)::SendMessageW(m_hWnd, LVM_DELETEITEM, (WPARAM)nItem, 0); }
BOOL CListCtrl::DeleteAllItems() { return (BOOL)::SendMessageW(m_hWnd, LVM_DELETEALLITEMS, 0, 0); }
BOOL CListCtrl::GetItem(LVITEM* pItem) const
{
    return (BOOL)::SendMessageW(m_hWnd, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(pItem));
}
BOOL CListCtrl::SetItem(const LVITEM* pItem)
{
    return (BOOL)::SendMessageW(m_hWnd, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(pItem));
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    // The control copies at most the buffer size; grow until the text fits.
    CString str;
    LVITEM item = {};
    item.iSubItem = nSubItem;
    for (int nLen = 256;; nLen *= 2)
    {
        item.cchTextMax = nLen;
        item.pszText = str.GetBufferSetLength(nLen);
        int nRes = (int)::SendMessageW(m_hWnd, LVM_GETITEMTEXTW, (WPARAM)nItem, reinterpret_cast<LPARAM>(&item));
        if (nRes < nLen - 1)
        {
            str.ReleaseBuffer(nRes);
            return str;
        }
        str.ReleaseBuffer(0);
    }
}
int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const
{
    LVITEM item = {};
    item.iSubItem = nSubItem;
    item.cchTextMax = nLen;
    item.pszText = lpszText;
    return (int)::SendMessageW(m_hWnd, LVM_GETITEMTEXTW, (WPARAM)nItem, reinterpret_cast<LPARAM>(&item));
}
BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    LVITEM item = {};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPTSTR>(lpszText);
    return (BOOL)::SendMessageW(m_hWnd, LVM_SETITEMTEXTW, (WPARAM)nItem, reinterpret_cast<LPARAM>(&item));
}
DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEM item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    GetItem(&item);
    return (DWORD_PTR)item.lParam;
}
BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    LVITEM item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    item.lParam = (LPARAM)dwData;
    return SetItem(&item);
}
UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
    return (UINT)::SendMessageW(m_hWnd, LVM_GETITEMSTATE, (WPARAM)nItem, nMask);
}
BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEM item = {};
    item.state = nState;
    item.stateMask = nMask;
    return (BOOL)::SendMessageW(m_hWnd, LVM_SETITEMSTATE, (WPARAM)nItem, reinterpret_cast<LPARAM>(&item));
}
int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    return (int)::SendMessageW(m_hWnd, LVM_GETNEXTITEM, (WPARAM)nItem, MAKELPARAM(nFlags, 0));
}
UINT CListCtrl::GetSelectedCount() const { return (UINT)::SendMessageW(m_hWnd, LVM_GETSELECTEDCOUNT, 0, 0); }
int CListCtrl::GetSelectionMark() const { return (int)::SendMessageW(m_hWnd, LVM_GETSELECTIONMARK, 0, 0); }
BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
    lpRect->left = (LONG)nCode;
    return (BOOL)::SendMessageW(m_hWnd, LVM_GETITEMRECT, (WPARAM)nItem, reinterpret_cast<LPARAM>(lpRect));
}
BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const
{
    RECT rect = {};
    rect.top = iSubItem;
    rect.left = nArea;
    BOOL bRet = (BOOL)::SendMessageW(m_hWnd, LVM_GETSUBITEMRECT, (WPARAM)iItem, reinterpret_cast<LPARAM>(&rect));
    if (bRet)
        ref = rect;
    return bRet;
}
int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    LVHITTESTINFO info = {};
    info.pt = pt;
    int nRes = (int)::SendMessageW(m_hWnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
    if (pFlags != nullptr)
        *pFlags = info.flags;
    return nRes;
}
int CListCtrl::HitTest(LVHITTESTINFO* pHitTestInfo) const
{
    return (int)::SendMessageW(m_hWnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo));
}
int CListCtrl::SubItemHitTest(LVHITTESTINFO* pInfo)
{
    return (int)::SendMessageW(m_hWnd, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(pInfo));
}
BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK)
{
    return (BOOL)::SendMessageW(m_hWnd, LVM_ENSUREVISIBLE, (WPARAM)nItem, MAKELPARAM(bPartialOK, 0));
}
int CListCtrl::GetTopIndex() const { return (int)::SendMessageW(m_hWnd, LVM_GETTOPINDEX, 0, 0); }
int CListCtrl::GetCountPerPage() const { return (int)::SendMessageW(m_hWnd, LVM_GETCOUNTPERPAGE, 0, 0); }
BOOL CListCtrl::RedrawItems(int nFirst, int nLast)
{
    return (BOOL)::SendMessageW(m_hWnd, LVM_REDRAWITEMS, (WPARAM)nFirst, nLast);
}
BOOL CListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
{
    return (BOOL)::SendMessageW(m_hWnd, LVM_SORTITEMS, dwData, reinterpret_cast<LPARAM>(pfnCompare));
}

DWORD CListCtrl::GetExtendedStyle() const { return (DWORD)::SendMessageW(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0); }
DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    return (DWORD)::SendMessageW(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle);
}
COLORREF CListCtrl::GetBkColor() const { return (COLORREF)::SendMessageW(m_hWnd, LVM_GETBKCOLOR, 0, 0); }
BOOL CListCtrl::SetBkColor(COLORREF cr) { return (BOOL)::SendMessageW(m_hWnd, LVM_SETBKCOLOR, 0, cr); }
COLORREF CListCtrl::GetTextColor() const { return (COLORREF)::SendMessageW(m_hWnd, LVM_GETTEXTCOLOR, 0, 0); }
BOOL CListCtrl::SetTextColor(COLORREF cr) { return (BOOL)::SendMessageW(m_hWnd, LVM_SETTEXTCOLOR, 0, cr); }
COLORREF CListCtrl::GetTextBkColor() const { return (COLORREF)::SendMessageW(m_hWnd, LVM_GETTEXTBKCOLOR, 0, 0); }
BOOL CListCtrl::SetTextBkColor(COLORREF cr) { return (BOOL)::SendMessageW(m_hWnd, LVM_SETTEXTBKCOLOR, 0, cr); }
CImageList* CListCtrl::GetImageList(int nImageList) const
{
    return CImageList::FromHandle(
        reinterpret_cast<HIMAGELIST>(::SendMessageW(m_hWnd, LVM_GETIMAGELIST, (WPARAM)nImageList, 0)));
}
CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(::SendMessageW(
        m_hWnd, LVM_SETIMAGELIST, (WPARAM)nImageListType,
        reinterpret_cast<LPARAM>(pImageList ? pImageList->m_hImageList : nullptr))));
}
