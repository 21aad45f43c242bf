#include "CZMListCtrl.h"
#include "CZMRBufferDC.h"

#include <commctrl.h>

// ---------------------------------------------------------------- window base

BOOL CZMListCtrlBase::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CListCtrl::PreCreateWindow(cs))
        return FALSE;
    m_bInitOnSubclass = false;
    return TRUE;
}

void CZMListCtrlBase::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    if (m_bInitOnSubclass)
        InitializeList();
}

BOOL CZMListCtrlBase::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return CZMListBase::OnNotify(wParam, lParam, pResult);
}

BOOL CZMListCtrlBase::BaseOnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return CListCtrl::OnNotify(wParam, lParam, pResult);
}

// ---------------------------------------------------------------- list control

IMPLEMENT_DYNAMIC(CZMListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(CZMListCtrl, CListCtrl)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_SETTINGCHANGE()
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()

CZMListCtrl::CZMListCtrl()
{
    m_bInitOnSubclass = true;
    SetOwner(this);
}

CZMListCtrl::~CZMListCtrl()
{
}

int CZMListCtrl::OnCreate(LPCREATESTRUCT)
{
    if (Default() == -1)
        return -1;
    InitializeList();
    return 0;
}

void CZMListCtrl::OnDestroy()
{
    if (m_bSaveWidths)
        SaveColumnWidths();
    CListCtrl::OnDestroy();
}

BOOL CZMListCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CZMListCtrl::OnPaint()
{
    CPaintDC dc(this);
    HWND hHeader = GetHeaderHwnd();
    const bool bReport = IsReportView();
    if (bReport && hHeader)
    {
        CRect rcHeader;
        ::GetWindowRect(hHeader, &rcHeader);
        ScreenToClient(&rcHeader);
        dc.ExcludeClipRect(&rcHeader);
    }

    const COLORREF clrBack = IsWindowEnabled() ? GetBackColor() : ::GetSysColor(COLOR_BTNFACE);
    CRect rcClient;
    GetClientRect(&rcClient);
    {
        CZMRBufferDC buffer(dc);
        buffer.FillSolidRect(&rcClient, clrBack);

        if (hHeader)
        {
            SCROLLINFO si = {};
            si.cbSize = sizeof(si);
            si.fMask = SIF_POS;
            ::GetScrollInfo(m_hWnd, SB_HORZ, &si);
            int x = rcClient.left - si.nPos;
            const int nCount = static_cast<int>(::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0));
            for (int nPos = 0; nPos < nCount; nPos++)
            {
                const int nColumn = static_cast<int>(::SendMessageW(hHeader, HDM_ORDERTOINDEX, nPos, 0));
                const int nWidth = GetColumnWidth(nColumn);
                if (m_bSortTint && nColumn == m_nSortColumn)
                {
                    buffer.FillSolidRect(x, rcClient.top, nWidth, rcClient.Height(), GetSortBackColor());
                    break;
                }
                x += nWidth;
            }
        }
        DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(buffer.GetSafeHdc()), 0);
        if (hHeader)
        {
            ::InvalidateRect(hHeader, nullptr, TRUE);
            ::UpdateWindow(hHeader);
        }
    }
}

LRESULT CZMListCtrl::OnPrintClient(WPARAM wParam, LPARAM lParam)
{
    DefWindowProc(WM_ERASEBKGND, wParam, 0);
    return DefWindowProc(WM_PRINTCLIENT, wParam, lParam);
}

void CZMListCtrl::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CListCtrl::OnSettingChange(uFlags, lpszSection);
    RefreshMetrics();
}

void CZMListCtrl::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVCUSTOMDRAW* pDraw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    *pResult = CDRF_DODEFAULT;
    switch (pDraw->nmcd.dwDrawStage)
    {
    case CDDS_PREPAINT:
    case CDDS_ITEMPREPAINT:
        *pResult = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYSUBITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        ColorCell(pDraw);
        break;
    }
}
