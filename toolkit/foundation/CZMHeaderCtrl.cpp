#include "CZMHeaderCtrl.h"
#include "CZMAuxData.h"
#include "CZMRResourceManager.h"
#include "CZMRBufferDC.h"
#include "CZMRImageManager.h"

#include <commctrl.h>

namespace
{
const UINT_PTR kHotTimer = 1;
const UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
} // namespace

IMPLEMENT_DYNAMIC(CZMHeaderCtrl, CHeaderCtrl)

BEGIN_MESSAGE_MAP(CZMHeaderCtrl, CHeaderCtrl)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_SETCURSOR()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_RBUTTONDOWN()
    ON_WM_DESTROY()
    ON_MESSAGE(HDM_LAYOUT, OnLayout)
    ON_NOTIFY_REFLECT_EX(HDN_ITEMCHANGINGW, OnItemChanging)
    ON_WM_SETTINGCHANGE()
    ON_WM_SYSCOLORCHANGE()
    ON_COMMAND(ZM_ID_SORTASC, OnSortAsc)
    ON_COMMAND(ZM_ID_SORTDSC, OnSortDsc)
    ON_COMMAND(ZM_ID_ALIGNLEFT, OnAlignLeft)
    ON_COMMAND(ZM_ID_ALIGNCENTER, OnAlignCenter)
    ON_COMMAND(ZM_ID_ALIGNRIGHT, OnAlignRight)
END_MESSAGE_MAP()

CZMHeaderCtrl::CZMHeaderCtrl()
    : CZMThemeManagerStyleHost(RUNTIME_CLASS(CZMHeaderCtrlThemeFactory)), m_nMinColumnWidth(0), m_nSubMenu(0),
      m_nHotItem(-1), m_nSortColumn(-1), m_bRTL(false), m_bFitOnResize(false), m_bContextMenu(1), m_bAscending(1),
      m_bLBtnDown(false), m_bHotDrawn(false), m_nMenuID(0), m_ptLastRClick(0, 0), m_pImageManager(nullptr)
{
    m_bRTL = IsRtlReading() != FALSE;
}

CZMHeaderCtrl::~CZMHeaderCtrl()
{
    if (m_pImageManager)
        m_pImageManager->InternalRelease();
}

void CZMHeaderCtrl::SetImageManager(CZMRImageManager* pImageManager)
{
    if (m_pImageManager)
        m_pImageManager->InternalRelease();
    m_pImageManager = pImageManager;
}

CZMHeaderCtrlTheme* CZMHeaderCtrl::GetTheme()
{
    CZMThemeManagerStyleFactory* pFactory = GetFactory();
    if (!pFactory)
        return nullptr;
    if (!pFactory->GetStyle())
        pFactory->SetStyle(pFactory->CreateTheme(GetThemeManager()->GetCurrentTheme()));
    return static_cast<CZMHeaderCtrlTheme*>(pFactory->GetStyle());
}

BOOL CZMHeaderCtrl::HasTheme() const
{
    CZMThemeManagerStyleFactory* pFactory = GetFactory();
    return pFactory && pFactory->GetStyle();
}

BOOL CZMHeaderCtrl::HasSortArrow()
{
    CZMHeaderCtrlTheme* pTheme = GetTheme();
    return pTheme && (pTheme->GetDrawStyle() & ZM_HEADER_SORTARROW);
}

int CZMHeaderCtrl::HitTest(int x, int y, UINT* pFlags) const
{
    HDHITTESTINFO info = {};
    info.pt.x = x;
    info.pt.y = y;
    int nItem = static_cast<int>(::SendMessageW(m_hWnd, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    if (pFlags)
        *pFlags = info.flags;
    return nItem;
}

int CZMHeaderCtrl::SetSortImage(int nColumn, BOOL bAscending)
{
    int nPrevious = m_nSortColumn;
    m_nSortColumn = nColumn;
    m_bAscending = bAscending;
    if (::IsWindow(m_hWnd))
        RedrawWindow(nullptr, nullptr, kRedrawNow);
    return nPrevious;
}

int CZMHeaderCtrl::GetSortImage(BOOL* pbAscending) const
{
    if (pbAscending)
        *pbAscending = m_bAscending;
    return m_nSortColumn;
}

BOOL CZMHeaderCtrl::IsItemUnderCursor(int nItem)
{
    if (!m_bLBtnDown)
        return FALSE;
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    UINT nFlags = 0;
    return HitTest(pt.x, pt.y, &nFlags) == nItem && (nFlags & HHT_ONHEADER);
}

void CZMHeaderCtrl::UseBoldFont(BOOL bBold)
{
    UpdateFont(bBold);
    RedrawWindow(nullptr, nullptr, kRedrawNow);
}

void CZMHeaderCtrl::UpdateFont(BOOL bBold)
{
    CFont* pFont = bBold ? &GetAuxData()->fontBold : &GetAuxData()->font;
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(pFont->GetSafeHandle()), TRUE);
}

void CZMHeaderCtrl::SetMenuID(UINT nMenuID, int nSubMenu)
{
    m_nMenuID = static_cast<int>(nMenuID);
    m_nSubMenu = nSubMenu;
}

BOOL CZMHeaderCtrl::SetThemeStyleFlag(BOOL bShow)
{
    CZMHeaderCtrlTheme* pTheme = GetTheme();
    if (!pTheme)
        return FALSE;
    int nStyle = pTheme->GetDrawStyle();
    nStyle = bShow ? (nStyle | ZM_HEADER_SORTARROW) : (nStyle & ~ZM_HEADER_SORTARROW);
    return pTheme->SetDrawStyle(nStyle, this);
}

BOOL CZMHeaderCtrl::IsParentList() const
{
    HWND hParent = ::GetParent(m_hWnd);
    wchar_t szClass[64] = {};
    // A list view is a list view whatever object wraps it.
    return hParent && ::GetClassNameW(hParent, szClass, 64) && lstrcmpiW(szClass, WC_LISTVIEWW) == 0;
}

int CZMHeaderCtrl::SetColumnAlign(int nAlign)
{
    int nColumn = HitTest(m_ptLastRClick.x, m_ptLastRClick.y);
    if (nColumn == -1 || !IsParentList())
        return 0;
    HWND hList = ::GetParent(m_hWnd);
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT;
    if (!::SendMessageW(hList, LVM_GETCOLUMNW, nColumn, reinterpret_cast<LPARAM>(&column)))
        return 0;
    column.fmt = (column.fmt & ~LVCFMT_JUSTIFYMASK) | nAlign;
    ::SendMessageW(hList, LVM_SETCOLUMNW, nColumn, reinterpret_cast<LPARAM>(&column));
    ::SendMessageW(hList, LVM_SETWORKAREAS, 0, 0);
    return 0;
}

BOOL CZMHeaderCtrl::IsRtlReading()
{
    HDC hDC = ::GetDC(nullptr);
    UINT nAlign = ::GetTextAlign(hDC);
    ::ReleaseDC(nullptr, hDC);
    return (nAlign != GDI_ERROR) && (nAlign & TA_RTLREADING);
}

int CZMHeaderCtrl::SumFrozenColumnWidths()
{
    int nSum = 0;
    for (POSITION pos = m_listFrozen.GetHeadPosition(); pos;)
    {
        CRect rc;
        if (::SendMessageW(m_hWnd, HDM_GETITEMRECT, m_listFrozen.GetNext(pos), reinterpret_cast<LPARAM>(&rc)))
            nSum += rc.Width();
    }
    return nSum;
}

void CZMHeaderCtrl::SpreadWidth(int nWidth)
{
    const int nCount = GetItemCount();
    const int n = nCount - static_cast<int>(m_listFrozen.GetCount());
    if (n <= 0)
        return;
    const int nPer = nWidth / n;
    if (m_nMinColumnWidth >= nPer)
        return;
    HWND hList = ::GetParent(m_hWnd);
    for (int i = 0; i < nCount; i++)
    {
        if (!IsColumnFrozen(i))
            ::SendMessageW(hList, LVM_SETCOLUMNWIDTH, i, MAKELPARAM(nPer, 0));
    }
}

void CZMHeaderCtrl::FitToClient(int nWidth)
{
    if (nWidth <= 0)
    {
        CRect rc;
        GetWindowRect(&rc);
        nWidth = rc.Width();
    }
    if (::GetWindowLongW(::GetParent(m_hWnd), GWL_STYLE) & WS_VSCROLL)
        nWidth -= ::GetSystemMetrics(SM_CXVSCROLL);
    SpreadWidth(nWidth - SumFrozenColumnWidths());
}

void CZMHeaderCtrl::RecalcLayout()
{
    if (!::IsWindow(m_hWnd))
        return;
    CRect rc;
    GetClientRect(&rc);
    WINDOWPOS wp = {};
    HDLAYOUT layout = {&rc, &wp};
    ::SendMessageW(m_hWnd, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
    ::SetWindowPos(m_hWnd, wp.hwndInsertAfter, wp.x, wp.y, wp.cx, wp.cy, wp.flags | SWP_FRAMECHANGED);

    // Nudge the parent so that it lays its header out again.
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent)
    {
        CRect rcParent;
        ::GetWindowRect(hParent, &rcParent);
        ::SetWindowPos(hParent, nullptr, 0, 0, rcParent.Width(), rcParent.Height() + 1,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
        ::SetWindowPos(hParent, nullptr, 0, 0, rcParent.Width(), rcParent.Height(),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
}

void CZMHeaderCtrl::SendItemClick(int nColumn)
{
    if (!IsParentList())
        return;
    wchar_t szText[256] = {};
    HDITEMW item = {};
    item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_BITMAP | HDI_IMAGE | HDI_ORDER;
    item.pszText = szText;
    item.cchTextMax = 256;
    GetItem(nColumn, &item);

    NMHEADERW nm = {};
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = ::GetDlgCtrlID(m_hWnd);
    nm.hdr.code = HDN_ITEMCLICKW;
    nm.iItem = nColumn;
    nm.iButton = 1;
    nm.pitem = &item;
    CWnd* pParent = GetParent();
    pParent->SendMessage(WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
    pParent->SendMessageToDescendants(WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm), TRUE);
}

// ---------------------------------------------------------------- messages

void CZMHeaderCtrl::OnPaint()
{
    CPaintDC dc(this);
    CZMHeaderCtrlTheme* pTheme = GetTheme();
    if (!pTheme)
    {
        DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        return;
    }
    CZMRBufferDC buffer(dc);
    pTheme->DrawHeader(&buffer, this);
}

LRESULT CZMHeaderCtrl::OnPrintClient(WPARAM wParam, LPARAM lParam)
{
    HDC hDC = reinterpret_cast<HDC>(wParam);
    CZMHeaderCtrlTheme* pTheme = GetTheme();
    if (hDC && ::GetObjectType(hDC) && pTheme)
    {
        pTheme->DrawHeader(CDC::FromHandle(hDC), this);
        return 1;
    }
    return Default();
}

BOOL CZMHeaderCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CZMHeaderCtrl::OnLButtonDown(UINT, CPoint)
{
    m_bLBtnDown = true;
    Default();
}

void CZMHeaderCtrl::OnLButtonUp(UINT, CPoint)
{
    m_bLBtnDown = false;
    Default();
}

void CZMHeaderCtrl::OnMouseMove(UINT, CPoint)
{
    CZMHeaderCtrlTheme* pTheme = GetTheme();
    if (pTheme && pTheme->OpenVisualTheme(this))
        SetTimer(kHotTimer, 10);
    Default();
}

void CZMHeaderCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kHotTimer)
    {
        Default();
        return;
    }
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    int nItem = HitTest(pt.x, pt.y);
    if (nItem == -1)
    {
        KillTimer(kHotTimer);
        if (m_bHotDrawn)
            RedrawWindow(nullptr, nullptr, kRedrawNow);
        m_bHotDrawn = false;
        return;
    }
    if (nItem != m_nHotItem)
    {
        m_nHotItem = nItem;
        m_bHotDrawn = false;
    }
    if (!m_bHotDrawn)
    {
        RedrawWindow(nullptr, nullptr, kRedrawNow);
        m_bHotDrawn = true;
    }
    Default();
}

BOOL CZMHeaderCtrl::OnSetCursor(CWnd*, UINT, UINT)
{
    if (!m_listFrozen.IsEmpty())
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        int nItem = HitTest(pt.x, pt.y);
        if (nItem != -1)
        {
            if (IsColumnFrozen(nItem))
            {
                ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
                return TRUE;
            }
            CRect rc;
            ::SendMessageW(m_hWnd, HDM_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(&rc));
            const int nMiddle = rc.left + rc.Width() / 2;
            const int nNeighbour = m_bRTL ? nItem + 1 : nItem - 1;
            if (IsColumnFrozen(nNeighbour) && (m_bRTL ? pt.x >= nMiddle : pt.x <= nMiddle))
            {
                ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
                return TRUE;
            }
        }
    }
    return static_cast<BOOL>(Default());
}

void CZMHeaderCtrl::OnWindowPosChanging(WINDOWPOS* pWndPos)
{
    if (!m_bFitOnResize)
    {
        Default();
        return;
    }
    if (GetItemCount() == 0 || ::GetCapture() == ::GetParent(m_hWnd))
        return;
    CRect rc;
    GetWindowRect(&rc);
    if (!(pWndPos->flags & SWP_NOSIZE) && pWndPos->cx != rc.Width())
        FitToClient(pWndPos->cx);
}

void CZMHeaderCtrl::OnRButtonDown(UINT, CPoint point)
{
    m_ptLastRClick = point;
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);

    if ((::GetWindowLongW(::GetParent(m_hWnd), GWL_STYLE) & LVS_NOSORTHEADER) || !m_bContextMenu)
    {
        Default();
        return;
    }

    if (m_nMenuID != 0)
    {
        HMENU hMenu = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nMenuID));
        if (!hMenu)
            return;
        HWND hTarget = ::GetWindow(m_hWnd, GW_OWNER);
        if (!hTarget)
            hTarget = ::GetParent(m_hWnd);
        HMENU hSub = ::GetSubMenu(hMenu, m_nSubMenu);
        if (hSub)
            ::TrackPopupMenu(hSub, TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, 0, hTarget, nullptr);
        ::DestroyMenu(hMenu);
        return;
    }

    int nItem = HitTest(point.x, point.y);
    if (nItem == -1)
        return;

    CMenu menu;
    if (!GetResourceManager()->LoadMenu(&menu, ZM_IDR_HEADERMENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(2);
    if (pPopup)
    {
        if (nItem == m_nSortColumn)
            pPopup->CheckMenuItem(m_bAscending ? ZM_ID_SORTASC : ZM_ID_SORTDSC, MF_BYCOMMAND | MF_CHECKED);
        if (IsParentList())
        {
            LVCOLUMNW column = {};
            column.mask = LVCF_FMT;
            ::SendMessageW(::GetParent(m_hWnd), LVM_GETCOLUMNW, nItem, reinterpret_cast<LPARAM>(&column));
            UINT nCheck = ZM_ID_ALIGNLEFT;
            if ((column.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT)
                nCheck = ZM_ID_ALIGNRIGHT;
            else if ((column.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER)
                nCheck = ZM_ID_ALIGNCENTER;
            pPopup->CheckMenuItem(nCheck, MF_BYCOMMAND | MF_CHECKED);
        }
        TrackHeaderMenu(pPopup, TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, this, ZM_IDB_HEADERMENU, TRUE);
    }
    menu.DestroyMenu();
}

void CZMHeaderCtrl::OnDestroy()
{
    if (HasTheme())
        GetTheme()->ReleaseItemImages(this);
    CHeaderCtrl::OnDestroy();
}

LRESULT CZMHeaderCtrl::OnLayout(WPARAM, LPARAM lParam)
{
    CZMHeaderCtrlTheme* pTheme = GetTheme();
    if (pTheme)
        return pTheme->Layout(reinterpret_cast<LPHDLAYOUT>(lParam), this);
    return DefWindowProc(HDM_LAYOUT, 0, lParam);
}

BOOL CZMHeaderCtrl::OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMHEADERW* pHeader = reinterpret_cast<const NMHEADERW*>(pNMHDR);
    *pResult = 0;
    if (pHeader->pitem && (pHeader->pitem->mask & HDI_WIDTH))
    {
        if (IsColumnFrozen(pHeader->iItem) || pHeader->pitem->cxy < m_nMinColumnWidth)
            *pResult = 1;
    }
    return static_cast<BOOL>(*pResult);
}

void CZMHeaderCtrl::OnSettingChange(UINT, LPCTSTR)
{
    if (CZMHeaderCtrlTheme* pTheme = GetTheme())
        pTheme->RefreshMetrics();
    Invalidate(FALSE);
    Default();
}

void CZMHeaderCtrl::OnSysColorChange()
{
    if (CZMHeaderCtrlTheme* pTheme = GetTheme())
        pTheme->RefreshMetrics();
    Invalidate(FALSE);
    Default();
}

void CZMHeaderCtrl::SortFromMenu(int nAscending)
{
    int nColumn = HitTest(m_ptLastRClick.x, m_ptLastRClick.y);
    if (nColumn == -1 || (nColumn == m_nSortColumn && m_bAscending == nAscending))
        return;
    m_bAscending = nAscending;
    m_nSortColumn = nColumn;
    SendItemClick(nColumn);
}

void CZMHeaderCtrl::OnSortAsc()
{
    SortFromMenu(1);
}

void CZMHeaderCtrl::OnSortDsc()
{
    SortFromMenu(0);
}

void CZMHeaderCtrl::OnAlignLeft()
{
    SetColumnAlign(LVCFMT_LEFT);
}

void CZMHeaderCtrl::OnAlignCenter()
{
    SetColumnAlign(LVCFMT_CENTER);
}

void CZMHeaderCtrl::OnAlignRight()
{
    SetColumnAlign(LVCFMT_RIGHT);
}

// ---------------------------------------------------------------- flat header

IMPLEMENT_DYNAMIC(CZMFlatHeaderCtrl, CZMHeaderCtrl)

CZMFlatHeaderCtrl::CZMFlatHeaderCtrl()
{
    SetTheme(new CZMHeaderCtrlThemeOfficeXP);
}
