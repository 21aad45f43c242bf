#include "CZMListBase.h"
#include "CZMAuxData.h"
#include "CZMRegistryManager.h"

#include <commctrl.h>
#include <cwchar>

namespace
{
const COLORREF kUnset = static_cast<COLORREF>(-1);

// Holds the row-colour lock for a scope.
class CRowColorLock
{
public:
    explicit CRowColorLock(CRITICAL_SECTION& cs) : m_cs(cs) { ::EnterCriticalSection(&m_cs); }
    ~CRowColorLock() { ::LeaveCriticalSection(&m_cs); }

private:
    CRITICAL_SECTION& m_cs;
};

int ClampChannel(int n)
{
    return n < 0 ? 0 : n > 255 ? 255 : n;
}

COLORREF BlendColors(COLORREF a, COLORREF b, int nPercent)
{
    auto mix = [nPercent](int x, int y) { return ClampChannel((x * (100 - nPercent) + y * nPercent) / 100); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

// The n-th comma-separated field of the text, or an empty string.
CString Field(const CString& strText, int n)
{
    int nStart = 0;
    for (int i = 0; i < n; i++)
    {
        int nComma = strText.Find(L',', nStart);
        if (nComma < 0)
            return CString();
        nStart = nComma + 1;
    }
    int nEnd = strText.Find(L',', nStart);
    return nEnd < 0 ? strText.Mid(nStart) : strText.Mid(nStart, nEnd - nStart);
}
} // namespace

CZMListBase::CZMListBase()
    : m_nMinColumnWidth(0), m_nMaxColumnWidth(::GetSystemMetrics(SM_CXFULLSCREEN)), m_nSortColumn(-1),
      m_bUseSharedFont(false), m_bSaveWidths(false), m_bCustomColors(false), m_bRowColors(false),
      m_bSortTint(false), m_bAscending(true), m_bLockWidths(false), m_clrText(kUnset), m_clrBack(kUnset),
      m_clrSortText(kUnset), m_clrSortBack(kUnset), m_listRowColors(10), m_pListCtrl(nullptr),
      m_bInitOnSubclass(true)
{
    ::InitializeCriticalSection(&m_csRowColors);
    RefreshMetrics();
}

CZMListBase::~CZMListBase()
{
    ::DeleteCriticalSection(&m_csRowColors);
}

void CZMListBase::RefreshMetrics()
{
    m_nMaxColumnWidth = ::GetSystemMetrics(SM_CXFULLSCREEN);
    COLORREF clrBack = GetBackColor();
    m_clrSortBack = RGB(ClampChannel(GetRValue(clrBack) - 8), ClampChannel(GetGValue(clrBack) - 8),
                        ClampChannel(GetBValue(clrBack) - 8));
    m_clrSortText = GetTextColor();
}

void CZMListBase::SetCustomColors(COLORREF clrText, COLORREF clrBack)
{
    m_bCustomColors = true;
    m_clrText = clrText;
    m_clrBack = clrBack;
}

COLORREF CZMListBase::GetTextColor() const
{
    return m_bCustomColors && m_clrText != kUnset ? m_clrText : ::GetSysColor(COLOR_WINDOWTEXT);
}

COLORREF CZMListBase::GetBackColor() const
{
    return m_bCustomColors && m_clrBack != kUnset ? m_clrBack : ::GetSysColor(COLOR_WINDOW);
}

COLORREF CZMListBase::GetSortTextColor() const
{
    return m_clrSortText != kUnset ? m_clrSortText : GetTextColor();
}

COLORREF CZMListBase::GetSortBackColor() const
{
    return m_clrSortBack != kUnset ? m_clrSortBack : GetBackColor();
}

// ---------------------------------------------------------------- row colours

void CZMListBase::SetRowColor(int nRow, COLORREF clrText, COLORREF clrBack, bool bRedraw)
{
    {
        CRowColorLock lock(m_csRowColors);
        ROWCOLOR* pRecord = FindRowColor(nRow);
        if (pRecord)
        {
            pRecord->clrText = clrText;
            pRecord->clrBack = clrBack;
        }
        else
        {
            ROWCOLOR record = {nRow, clrBack, clrText};
            m_listRowColors.AddHead(record);
        }
    }
    if (!bRedraw || !m_pListCtrl || !::IsWindow(m_pListCtrl->GetSafeHwnd()))
        return;

    HWND hList = m_pListCtrl->GetSafeHwnd();
    int nTop = static_cast<int>(::SendMessageW(hList, LVM_GETTOPINDEX, 0, 0));
    int nPerPage = static_cast<int>(::SendMessageW(hList, LVM_GETCOUNTPERPAGE, 0, 0));
    if (nRow < nTop || nRow > nTop + nPerPage)
        return;
    // Another thread only invalidates: making the window paint at once would
    // wait for the window's own thread while it may be waiting for us.
    UINT nFlags = RDW_INVALIDATE | RDW_ERASE;
    if (::GetWindowThreadProcessId(hList, nullptr) == ::GetCurrentThreadId())
        nFlags |= RDW_UPDATENOW;
    ::RedrawWindow(hList, nullptr, nullptr, nFlags);
}

CZMListBase::ROWCOLOR* CZMListBase::FindRowColor(int nRow)
{
    CRowColorLock lock(m_csRowColors);
    for (POSITION pos = m_listRowColors.GetHeadPosition(); pos;)
    {
        ROWCOLOR& record = m_listRowColors.GetNext(pos);
        if (record.nRow == nRow)
            return &record;
    }
    return nullptr;
}

bool CZMListBase::GetRowColor(int nRow, ROWCOLOR* pRecord)
{
    CRowColorLock lock(m_csRowColors);
    ROWCOLOR* pFound = FindRowColor(nRow);
    if (pFound && pRecord)
        *pRecord = *pFound;
    return pFound != nullptr;
}

// ---------------------------------------------------------------- styles

bool CZMListBase::IsReportView() const
{
    return m_pListCtrl && ::IsWindow(m_pListCtrl->GetSafeHwnd())
        && (::GetWindowLongW(m_pListCtrl->GetSafeHwnd(), GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT;
}

HWND CZMListBase::GetHeaderHwnd() const
{
    if (!m_pListCtrl || !::IsWindow(m_pListCtrl->GetSafeHwnd()))
        return nullptr;
    return ::GetDlgItem(m_pListCtrl->GetSafeHwnd(), 0);
}

CZMHeaderCtrl* CZMListBase::GetZMHeader() const
{
    HWND hHeader = GetHeaderHwnd();
    CWnd* pWnd = hHeader ? CWnd::FromHandlePermanent(hHeader) : nullptr;
    return pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CZMHeaderCtrl)) ? static_cast<CZMHeaderCtrl*>(pWnd) : nullptr;
}

DWORD CZMListBase::AddExtendedStyle(DWORD dwStyle)
{
    HWND hList = m_pListCtrl ? m_pListCtrl->GetSafeHwnd() : nullptr;
    DWORD dwCurrent = static_cast<DWORD>(::SendMessageW(hList, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    return static_cast<DWORD>(::SendMessageW(hList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwStyle | dwCurrent));
}

DWORD CZMListBase::GetExtendedStyle()
{
    HWND hList = m_pListCtrl ? m_pListCtrl->GetSafeHwnd() : nullptr;
    return static_cast<DWORD>(::SendMessageW(hList, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

BOOL CZMListBase::ModifyExtendedStyle(DWORD dwRemove, DWORD dwAdd)
{
    if (!m_pListCtrl)
        return FALSE;
    DWORD dwCurrent = GetExtendedStyle();
    DWORD dwNew = (dwCurrent & ~dwRemove) | dwAdd;
    if (dwNew == dwCurrent)
        return FALSE;
    ::SendMessageW(m_pListCtrl->GetSafeHwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNew);
    return TRUE;
}

// ---------------------------------------------------------------- columns

int CZMListBase::GetColumnCount()
{
    HWND hHeader = GetHeaderHwnd();
    if (!IsReportView() || !hHeader)
        return -1;
    return static_cast<int>(::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0));
}

int CZMListBase::AddColumn(LPCWSTR lpszHeading, int nWidth, int nFormat)
{
    HWND hHeader = GetHeaderHwnd();
    if (!IsReportView() || !hHeader)
        return -1;
    const int nCount = static_cast<int>(::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0));
    if (nWidth == -1)
    {
        HDITEMW item = {};
        item.mask = HDI_WIDTH;
        nWidth = nCount > 0 && ::SendMessageW(hHeader, HDM_GETITEMW, nCount - 1, reinterpret_cast<LPARAM>(&item))
            ? item.cxy : 0;
    }
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = nFormat;
    column.cx = nWidth;
    column.pszText = const_cast<LPWSTR>(lpszHeading);
    column.iSubItem = nCount;
    return static_cast<int>(::SendMessageW(m_pListCtrl->GetSafeHwnd(), LVM_INSERTCOLUMNW, nCount,
                                           reinterpret_cast<LPARAM>(&column)));
}

BOOL CZMListBase::InsertColumnsFromArrays(int nCount, const int* pWidths, LPCWSTR* ppHeadings)
{
    for (int i = 0; i < nCount; i++)
    {
        if (m_pListCtrl->InsertColumn(i, ppHeadings[i], LVCFMT_LEFT, pWidths[i], i) == -1)
            return FALSE;
    }
    return TRUE;
}

BOOL CZMListBase::InsertColumnsFromStringIds(int nCount, const int* pWidths, const UINT* pIDs)
{
    for (int i = 0; i < nCount; i++)
    {
        CString strHeading;
        strHeading.LoadString(pIDs[i]);
        if (m_pListCtrl->InsertColumn(i, strHeading, LVCFMT_LEFT, pWidths[i], i) == -1)
            return FALSE;
    }
    return TRUE;
}

int CZMListBase::SetSortIndicator(int nColumn, int nAscending)
{
    int nPrevious = m_nSortColumn;
    m_nSortColumn = nColumn;
    m_bAscending = nAscending == 1;
    CZMHeaderCtrl* pHeader = GetZMHeader();
    if (pHeader)
        return pHeader->SetSortImage(nColumn, nAscending);
    return nPrevious;
}

bool CZMListBase::SortList(int, bool)
{
    return true;
}

BOOL CZMListBase::AttachFlatHeader(bool bBold)
{
    HWND hHeader = GetHeaderHwnd();
    if (!IsReportView() || !hHeader || m_wndHeader.GetSafeHwnd())
        return FALSE;
    if (!m_wndHeader.SubclassWindow(hHeader))
        return FALSE;
    m_wndHeader.UseBoldFont(bBold);
    return TRUE;
}

BOOL CZMListBase::SizeColumnToHeaderText(int nColumn)
{
    HWND hHeader = GetHeaderHwnd();
    if (!hHeader)
        return FALSE;
    HWND hList = m_pListCtrl->GetSafeHwnd();
    ::SendMessageW(hList, WM_SETREDRAW, FALSE, 0);

    int nFirst = nColumn, nLast = nColumn;
    if (nColumn < 0)
    {
        nFirst = 0;
        nLast = GetColumnCount() - 1;
    }
    CZMHeaderCtrl* pHeader = GetZMHeader();
    const bool bArrowRoom = pHeader && pHeader->IsKindOf(RUNTIME_CLASS(CZMFlatHeaderCtrl)) && pHeader->HasSortArrow();
    HFONT hFont = reinterpret_cast<HFONT>(::SendMessageW(hHeader, WM_GETFONT, 0, 0));

    // With reordered columns, the column shown at each position is measured
    // and sized as a whole: its contents, its heading and its width.
    for (int i = nFirst; i <= nLast; i++)
    {
        const int nAtPosition = static_cast<int>(::SendMessageW(hHeader, HDM_ORDERTOINDEX, i, 0));
        ::SendMessageW(hList, LVM_SETCOLUMNWIDTH, nAtPosition, MAKELPARAM(LVSCW_AUTOSIZE, 0));
        const int nContent = static_cast<int>(::SendMessageW(hList, LVM_GETCOLUMNWIDTH, nAtPosition, 0));

        wchar_t szText[256] = {};
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT;
        column.pszText = szText;
        column.cchTextMax = 256;
        ::SendMessageW(hList, LVM_GETCOLUMNW, nAtPosition, reinterpret_cast<LPARAM>(&column));
        HDC hDC = ::GetDC(nullptr);
        HGDIOBJ hOld = ::SelectObject(hDC, hFont);
        SIZE sz = {0, 0};
        ::GetTextExtentPoint32W(hDC, szText, lstrlenW(szText), &sz);
        ::SelectObject(hDC, hOld);
        ::ReleaseDC(nullptr, hDC);

        int nWidth = sz.cx + 12;
        if (bArrowRoom && nAtPosition == m_nSortColumn)
            nWidth += 24;
        if (nContent > nWidth)
            nWidth = nContent;
        if (m_nMinColumnWidth > nWidth)
            nWidth = m_nMinColumnWidth;
        if (nWidth > m_nMaxColumnWidth)
            nWidth = m_nMaxColumnWidth;
        ::SendMessageW(hList, LVM_SETCOLUMNWIDTH, nAtPosition, MAKELPARAM(nWidth, 0));
    }

    ::SendMessageW(hList, WM_SETREDRAW, TRUE, 0);
    return ::InvalidateRect(hList, nullptr, TRUE);
}

// ---------------------------------------------------------------- stored widths

void CZMListBase::RememberColumnWidths(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszDefault)
{
    m_bSaveWidths = true;
    m_strSection = lpszSection ? lpszSection : L"Settings";
    m_strEntry = lpszEntry ? lpszEntry : L"Column Info";
    if (lpszDefault)
        m_strDefault = lpszDefault;
    LoadColumnWidths();
}

void CZMListBase::SaveColumnWidths()
{
    HWND hHeader = GetHeaderHwnd();
    if (!IsReportView() || !hHeader)
        return;
    const int nCount = static_cast<int>(::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0));
    CString strText;
    for (int i = 0; i < nCount; i++)
    {
        const int nColumn = static_cast<int>(::SendMessageW(hHeader, HDM_ORDERTOINDEX, i, 0));
        CString strWidth;
        strWidth.Format(L"%d,", static_cast<int>(::SendMessageW(m_pListCtrl->GetSafeHwnd(), LVM_GETCOLUMNWIDTH,
                                                               nColumn, 0)));
        strText += strWidth;
    }
    CZMRegistryManager registry(HKEY_CURRENT_USER);
    registry.WriteProfileString(m_strSection, m_strEntry, strText);
}

CString CZMListBase::GetStoredField(int n)
{
    CZMRegistryManager registry(HKEY_CURRENT_USER);
    CString strField = Field(registry.GetProfileString(m_strSection, m_strEntry, m_strDefault), n);
    strField.Trim();
    return strField;
}

int CZMListBase::GetStoredColumnWidth(int n)
{
    CString strField = GetStoredField(n);
    return strField.IsEmpty() ? 0 : static_cast<int>(wcstol(strField, nullptr, 10));
}

void CZMListBase::RestoreColumnWidth(int nColumn)
{
    // The stored list is in display order: the column's own position picks its number.
    int nPosition = nColumn;
    HWND hHeader = GetHeaderHwnd();
    if (hHeader)
    {
        HDITEMW item = {};
        item.mask = HDI_ORDER;
        if (::SendMessageW(hHeader, HDM_GETITEMW, nColumn, reinterpret_cast<LPARAM>(&item)))
            nPosition = item.iOrder;
    }
    // A missing or empty number (a first start) keeps the column's width.
    if (GetStoredField(nPosition).IsEmpty())
        return;
    const int nWidth = GetStoredColumnWidth(nPosition);
    ::SendMessageW(m_pListCtrl->GetSafeHwnd(), LVM_SETCOLUMNWIDTH, nColumn, MAKELPARAM(nWidth, 0));
}

void CZMListBase::LoadColumnWidths()
{
    HWND hHeader = GetHeaderHwnd();
    if (!IsReportView() || !hHeader)
        return;
    const int nCount = static_cast<int>(::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < nCount; i++)
        RestoreColumnWidth(static_cast<int>(::SendMessageW(hHeader, HDM_ORDERTOINDEX, i, 0)));
}

// ---------------------------------------------------------------- rows

int CZMListBase::HitTestCell(POINT pt, int* pnColumn)
{
    int nRow = m_pListCtrl->HitTest(pt);
    if (pnColumn)
        *pnColumn = 0;
    if (!IsReportView())
        return nRow;

    HWND hHeader = GetHeaderHwnd();
    if (!hHeader)
        return -1;
    HWND hList = m_pListCtrl->GetSafeHwnd();
    const int nTop = static_cast<int>(::SendMessageW(hList, LVM_GETTOPINDEX, 0, 0));
    int nLastRow = nTop + static_cast<int>(::SendMessageW(hList, LVM_GETCOUNTPERPAGE, 0, 0));
    const int nRows = static_cast<int>(::SendMessageW(hList, LVM_GETITEMCOUNT, 0, 0));
    if (nLastRow > nRows - 1)
        nLastRow = nRows - 1;
    const int nColumns = static_cast<int>(::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0));

    for (int nItem = nTop; nItem <= nLastRow; nItem++)
    {
        RECT rc = {};
        rc.left = LVIR_BOUNDS;
        if (!::SendMessageW(hList, LVM_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(&rc)) || !::PtInRect(&rc, pt))
            continue;
        int nLeft = rc.left;
        for (int nPos = 0; nPos < nColumns; nPos++)
        {
            const int nColumn = static_cast<int>(::SendMessageW(hHeader, HDM_ORDERTOINDEX, nPos, 0));
            const int nWidth = static_cast<int>(::SendMessageW(hList, LVM_GETCOLUMNWIDTH, nColumn, 0));
            if (nLeft <= pt.x && pt.x <= nLeft + nWidth)
            {
                if (pnColumn)
                    *pnColumn = nPos;
                return nItem;
            }
            nLeft += nWidth;
        }
    }
    return -1;
}

int CZMListBase::CopyRow(int nFrom, int nTo)
{
    if (nFrom == nTo || nFrom < 0 || nTo < 0)
        return -1;
    HWND hList = m_pListCtrl->GetSafeHwnd();
    wchar_t szText[256] = {};
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = nFrom;
    item.pszText = szText;
    item.cchTextMax = 256;
    if (!::SendMessageW(hList, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return -1;
    item.iItem = nTo;
    // The copy must exist before anyone may delete the source. A row past the
    // end is appended, so the sub-items go where the list really put it.
    const int nNew = static_cast<int>(::SendMessageW(hList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (nNew == -1)
        return -1;
    if (nNew <= nFrom)
        nFrom++;

    const int nColumns = GetColumnCount();
    for (int nSub = 1; nSub < nColumns; nSub++)
    {
        wchar_t szSub[256] = {};
        LVITEMW sub = {};
        sub.iSubItem = nSub;
        sub.pszText = szSub;
        sub.cchTextMax = 256;
        ::SendMessageW(hList, LVM_GETITEMTEXTW, nFrom, reinterpret_cast<LPARAM>(&sub));
        if (szSub[0])
        {
            sub.pszText = szSub;
            ::SendMessageW(hList, LVM_SETITEMTEXTW, nNew, reinterpret_cast<LPARAM>(&sub));
        }
    }
    return nFrom;
}

BOOL CZMListBase::MoveRow(int nFrom, int nTo)
{
    if (nFrom == nTo || nFrom < 0 || nTo < 0)
        return FALSE;
    int nSource = CopyRow(nFrom, nTo);
    if (nSource < 0)
        return FALSE;
    return static_cast<BOOL>(::SendMessageW(m_pListCtrl->GetSafeHwnd(), LVM_DELETEITEM, nSource, 0));
}

// ---------------------------------------------------------------- window

BOOL CZMListBase::InitializeList()
{
    if (!m_pListCtrl || !::IsWindow(m_pListCtrl->GetSafeHwnd()))
        return FALSE;
    if (m_bUseSharedFont)
    {
        HGDIOBJ hFont = GetAuxData()->font.GetSafeHandle();
        ::SendMessageW(m_pListCtrl->GetSafeHwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
    }
    return TRUE;
}

BOOL CZMListBase::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pHdr = reinterpret_cast<NMHDR*>(lParam);
    HWND hHeader = GetHeaderHwnd();
    if (pHdr && hHeader && pHdr->hwndFrom == hHeader)
    {
        NMHEADERW* pHeader = reinterpret_cast<NMHEADERW*>(lParam);
        switch (pHdr->code)
        {
        case HDN_ITEMCHANGINGA:
        case HDN_ITEMCHANGINGW:
        case HDN_ENDTRACKW:
            if (pHeader->pitem && (pHeader->pitem->mask & HDI_WIDTH) && pHeader->pitem->cxy < m_nMinColumnWidth)
                pHeader->pitem->cxy = m_nMinColumnWidth;
            break;
        case HDN_BEGINTRACKA:
        case HDN_BEGINTRACKW:
        case HDN_DIVIDERDBLCLICKA:
        case HDN_DIVIDERDBLCLICKW:
            if (m_bLockWidths)
            {
                *pResult = 1;
                return TRUE;
            }
            break;
        case HDN_ITEMCLICKA:
        case HDN_ITEMCLICKW:
        {
            CWnd* pWnd = CWnd::FromHandlePermanent(hHeader);
            if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CZMFlatHeaderCtrl)))
            {
                CZMHeaderCtrl* pZMHeader = static_cast<CZMHeaderCtrl*>(pWnd);
                bool bChanged = true;
                if (pHeader->iButton == 0)
                    m_bAscending = pHeader->iItem != m_nSortColumn ? true : !m_bAscending;
                else if (pHeader->iButton == 1)
                    m_bAscending = pZMHeader->m_bAscending != 0;
                else
                    bChanged = false;
                if (bChanged)
                {
                    m_nSortColumn = pHeader->iItem;
                    pZMHeader->SetSortImage(m_nSortColumn, m_bAscending);
                    SortList(m_nSortColumn, m_bAscending);
                }
            }
            break;
        }
        }
    }
    return BaseOnNotify(wParam, lParam, pResult);
}

void CZMListBase::ColorCell(NMLVCUSTOMDRAW* pDraw)
{
    HWND hList = m_pListCtrl->GetSafeHwnd();
    const int nRow = static_cast<int>(pDraw->nmcd.dwItemSpec);
    ROWCOLOR record;
    const bool bRecord = GetRowColor(nRow, &record);
    const bool bSortCell = m_bSortTint && pDraw->iSubItem == m_nSortColumn;
    const bool bRowCell = m_bRowColors && bRecord
        && !(::SendMessageW(hList, LVM_GETITEMSTATE, nRow, LVIS_SELECTED) & LVIS_SELECTED);

    if (!::IsWindowEnabled(hList))
    {
        pDraw->clrText = ::GetSysColor(COLOR_WINDOWTEXT);
        pDraw->clrTextBk = ::GetSysColor(COLOR_BTNFACE);
    }
    else if (bRowCell)
    {
        pDraw->clrText = record.clrText;
        pDraw->clrTextBk = bSortCell ? BlendColors(record.clrBack, GetSortBackColor(), 50) : record.clrBack;
    }
    else if (bSortCell)
    {
        pDraw->clrText = GetSortTextColor();
        pDraw->clrTextBk = GetSortBackColor();
    }
    else if (m_bCustomColors)
    {
        pDraw->clrText = GetTextColor();
        pDraw->clrTextBk = GetBackColor();
    }
    else
    {
        pDraw->clrText = ::GetSysColor(COLOR_WINDOWTEXT);
        pDraw->clrTextBk = ::GetSysColor(COLOR_WINDOW);
    }
}
