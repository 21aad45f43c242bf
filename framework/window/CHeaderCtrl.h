// CHeaderCtrl: a header control (the column headings of a report list).
#pragma once

#include "window/CWnd.h"

class CImageList;

class CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    CHeaderCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(WC_HEADERW, nullptr, dwStyle, rect, pParentWnd, nID);
    }
    int GetItemCount() const { return (int)::SendMessageW(m_hWnd, HDM_GETITEMCOUNT, 0, 0); }
    int InsertItem(int nPos, HDITEM* phdi)
    {
        return (int)::SendMessageW(m_hWnd, HDM_INSERTITEMW, (WPARAM)nPos, reinterpret_cast<LPARAM>(phdi));
    }
    BOOL DeleteItem(int nPos) { return (BOOL)::SendMessageW(m_hWnd, HDM_DELETEITEM, (WPARAM)nPos, 0); }
    BOOL GetItem(int nPos, HDITEM* pHeaderItem) const
    {
        return (BOOL)::SendMessageW(m_hWnd, HDM_GETITEMW, (WPARAM)nPos, reinterpret_cast<LPARAM>(pHeaderItem));
    }
    BOOL SetItem(int nPos, HDITEM* pHeaderItem)
    {
        return (BOOL)::SendMessageW(m_hWnd, HDM_SETITEMW, (WPARAM)nPos, reinterpret_cast<LPARAM>(pHeaderItem));
    }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return (BOOL)::SendMessageW(m_hWnd, HDM_GETITEMRECT, (WPARAM)nIndex, reinterpret_cast<LPARAM>(lpRect));
    }
    BOOL Layout(HDLAYOUT* pHeaderLayout)
    {
        return (BOOL)::SendMessageW(m_hWnd, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(pHeaderLayout));
    }
    int HitTest(LPHDHITTESTINFO pHeaderHitTestInfo)
    {
        return (int)::SendMessageW(m_hWnd, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(pHeaderHitTestInfo));
    }
    int OrderToIndex(int nOrder) const { return (int)::SendMessageW(m_hWnd, HDM_ORDERTOINDEX, (WPARAM)nOrder, 0); }
    BOOL GetOrderArray(LPINT piArray, int iCount) const
    {
        return (BOOL)::SendMessageW(m_hWnd, HDM_GETORDERARRAY, (WPARAM)iCount, reinterpret_cast<LPARAM>(piArray));
    }
    CImageList* GetImageList() const;
    CImageList* SetImageList(CImageList* pImageList);
};
