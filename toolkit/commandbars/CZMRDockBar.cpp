#include "CZMRDockBar.h"
#include "CZMRDockContext.h"
#include "CZMRDockRowLayout.h"
#include "CZMRToolBar.h"
#include "CZMRBarManager.h"
#include "CZMRPaintManager.h"
#include "CZMRDrawHelpers.h"
#include <algorithm>
#include <vector>

IMPLEMENT_DYNCREATE(CZMRDockBar, CWnd)

BEGIN_MESSAGE_MAP(CZMRDockBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_WM_RBUTTONDOWN()
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

namespace
{
// Bits of a tool bar's "Flags" the dock bar reads.
const DWORD FlagHideWrap = 0x20;
const DWORD FlagStretched = 0x40;
const DWORD FlagFillRow = 0x100000;
}

CZMRDockBar::CZMRDockBar() : m_dwStyle(0), m_pBarManager(nullptr)
{
    m_arrBars.Add(nullptr);
    CZMRDrawHelpers::RegisterWndClass(AfxGetInstanceHandle(), L"ZMRDockBar", 0);
}

CZMRDockBar::~CZMRDockBar()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CZMRDockBar::Create(CWnd* pParent, DWORD dwAlignStyle, UINT nID)
{
    m_dwStyle = dwAlignStyle;
    return CreateEx(0, L"ZMRDockBar", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | dwAlignStyle,
                    CRect(0, 0, 0, 0), pParent, nID);
}

int CZMRDockBar::GetPosition() const
{
    if (m_dwStyle & (CBRS_ALIGN_TOP | 0x800))
        return 0;
    if (m_dwStyle & (CBRS_ALIGN_BOTTOM | 0x200))
        return 1;
    if (m_dwStyle & (CBRS_ALIGN_LEFT | 0x400))
        return 2;
    return 3;
}

void CZMRDockBar::CheckIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_arrBars.GetSize())
        AfxThrowInvalidArgException();
}

CZMRToolBar* CZMRDockBar::GetArrayAt(int nIndex) const
{
    CheckIndex(nIndex);
    return m_arrBars[nIndex];
}

int CZMRDockBar::FindBar(CZMRToolBar* pBar, int nSkip) const
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
    {
        if (i != nSkip && m_arrBars[i] == pBar)
            return int(i);
    }
    return -1;
}

int CZMRDockBar::GetDockedCount() const
{
    int nCount = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
        nCount += m_arrBars[i] != nullptr;
    return nCount;
}

// ---------------------------------------------------------------- docking and removing

void CZMRDockBar::DockCommandBar(CZMRToolBar* pBar, LPCRECT lpRect)
{
    const BOOL bHere = FindBar(pBar) != -1;
    if (bHere && pBar->GetSafeHwnd())
    {
        CRect rcWindow;
        pBar->GetWindowRect(&rcWindow);
        if (!lpRect || ::EqualRect(lpRect, &rcWindow))
            return;
    }
    else if (bHere && !lpRect)
        return;

    CZMRDockContext* pContext = pBar->GetDockContext();
    int nInserted;
    if (lpRect)
    {
        CRect rc(lpRect);
        ScreenToClient(&rc);
        const CPoint centre = rc.CenterPoint();
        nInserted = FindInsertIndex(pBar, centre.x, centre.y);
        if (pContext)
            pContext->SetDockedRect(rc);
    }
    else
    {
        m_arrBars.Add(pBar);
        m_arrBars.Add(nullptr);
        nInserted = int(m_arrBars.GetSize()) - 2;
        if (pContext)
            pContext->SetDockedRect(CRect());
    }

    if (GetSafeHwnd() && pBar->GetSafeHwnd() && pBar->GetParent() != this)
        pBar->SetParent(this);

    if (bHere)
        RemoveCommandBar(pBar, nInserted);
    else if (CZMRDockBar* pPrevious = pBar->GetDockBar(); pPrevious && pPrevious != this)
        pPrevious->RemoveCommandBar(pBar);
    pBar->SetDockBar(this);
    IsolateStretchedBars();
    if (m_pBarManager)
        m_pBarManager->RecalcFrameLayout(TRUE);
}

int CZMRDockBar::FindInsertIndex(CZMRToolBar* pBar, int cx, int cy)
{
    const BOOL bHorz = IsHorizontal();
    const int nCentre = bHorz ? cy : cx;
    BOOL bRibbonHere = FALSE;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
        bRibbonHere |= m_arrBars[i] && m_arrBars[i]->IsRibbonBar();

    // Rows one after the other across the dock bar; a row reaches as far as
    // its farthest visible bar.
    int nPreviousEdge = 0;
    int nRow = 0;
    INT_PTR nRowEnd = 0;   // the row end before the row
    while (nRowEnd < m_arrBars.GetSize() - 1)
    {
        int nFarEdge = nPreviousEdge;
        INT_PTR i = nRowEnd + 1;
        for (; i < m_arrBars.GetSize() && m_arrBars[i]; i++)
        {
            CZMRToolBar* pRowBar = m_arrBars[i];
            if (!pRowBar->GetSafeHwnd() || !pRowBar->IsVisible())
                continue;
            CRect rc;
            pRowBar->GetWindowRect(&rc);
            ScreenToClient(&rc);
            nFarEdge = std::max<int>(nFarEdge, bHorz ? rc.bottom : rc.right);
        }
        if (nFarEdge > nCentre && !(nRow == 0 && bRibbonHere))
        {
            const int nIndex = int(nRowEnd) + 1;
            // Right on the border between two rows: a row of its own.
            if (nCentre == nPreviousEdge)
                m_arrBars.InsertAt(nIndex, static_cast<CZMRToolBar*>(nullptr));
            m_arrBars.InsertAt(nIndex, pBar);
            return nIndex;
        }
        nPreviousEdge = nFarEdge;
        nRowEnd = i;
        nRow++;
    }
    m_arrBars.Add(pBar);
    m_arrBars.Add(nullptr);
    return int(m_arrBars.GetSize()) - 2;
}

void CZMRDockBar::IsolateStretchedBars()
{
    for (INT_PTR i = 1; i < m_arrBars.GetSize(); i++)
    {
        CZMRToolBar* pBar = m_arrBars[i];
        if (!pBar || !(pBar->GetFlags() & FlagStretched))
            continue;
        if (m_arrBars[i - 1] != nullptr)
            m_arrBars.InsertAt(i++, static_cast<CZMRToolBar*>(nullptr));
        if (i + 1 < m_arrBars.GetSize() && m_arrBars[i + 1] != nullptr)
            m_arrBars.InsertAt(i + 1, static_cast<CZMRToolBar*>(nullptr));
    }
}

BOOL CZMRDockBar::RemoveCommandBar(CZMRToolBar* pBar, int nSpare)
{
    const int nIndex = FindBar(pBar, nSpare);
    if (nIndex <= 0)
        return FALSE;
    m_arrBars.RemoveAt(nIndex);
    // An emptied row loses one of its two row ends.
    if (nIndex < m_arrBars.GetSize() && m_arrBars[nIndex - 1] == nullptr && m_arrBars[nIndex] == nullptr)
        m_arrBars.RemoveAt(nIndex);
    pBar->SetDockBar(nullptr);
    if (m_pBarManager)
        m_pBarManager->RecalcFrameLayout(TRUE);
    return TRUE;
}

void CZMRDockBar::RestoreRows(const std::vector<CZMRToolBar*>& rows)
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
    {
        if (m_arrBars[i])
            m_arrBars[i]->SetDockBar(nullptr);
    }
    m_arrBars.RemoveAll();
    m_arrBars.Add(nullptr);
    for (CZMRToolBar* pBar : rows)
    {
        // Empty rows are dropped.
        if (!pBar && m_arrBars[m_arrBars.GetSize() - 1] == nullptr)
            continue;
        m_arrBars.Add(pBar);
        if (!pBar)
            continue;
        if (GetSafeHwnd() && pBar->GetSafeHwnd() && pBar->GetParent() != this)
            pBar->SetParent(this);
        pBar->SetDockBar(this);
    }
    if (m_arrBars[m_arrBars.GetSize() - 1] != nullptr)
        m_arrBars.Add(nullptr);
    IsolateStretchedBars();
    if (m_pBarManager)
        m_pBarManager->RecalcFrameLayout(TRUE);
}

// ---------------------------------------------------------------- layout

DWORD CZMRDockBar::GetLayoutFlags(BOOL bHorz, CZMRToolBar* pBar) const
{
    DWORD dwFlags = bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
    const DWORD dwBarFlags = pBar->GetFlags();
    if (dwBarFlags & FlagStretched)
        dwFlags |= LM_STRETCH;
    // While the user customizes bars from a dialog every control shows.
    const BOOL bCustomizing = m_pBarManager && m_pBarManager->IsCustomizeMode() && !m_pBarManager->GetCustomizeOwner();
    if ((dwBarFlags & FlagHideWrap) && !bCustomizing)
        dwFlags |= zmrLayoutHideWrap;
    return dwFlags;
}

LRESULT CZMRDockBar::OnSizeParent(WPARAM /*wParam*/, LPARAM lParam)
{
    auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!pLayout || !(GetStyle() & WS_VISIBLE))
        return 0;
    const BOOL bHorz = IsHorizontal();
    DWORD dwFlags = pLayout->bStretch ? LM_STRETCH : 0;
    if ((m_dwStyle & 1) && (m_dwStyle & 4))
        dwFlags |= LM_HORZ | LM_MRUWIDTH;
    else
        dwFlags |= bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;

    const CRect rcFree(pLayout->rect);
    const int nLength = bHorz ? rcFree.Width() : rcFree.Height();
    CSize sz = CalcDockLayout(nLength, dwFlags, pLayout);
    sz.cx = std::min<int>(sz.cx, rcFree.Width());
    sz.cy = std::min<int>(sz.cy, rcFree.Height());

    CRect rc;
    switch (GetPosition())
    {
    case 0:
        rc = CRect(rcFree.left, rcFree.top, rcFree.left + sz.cx, rcFree.top + sz.cy);
        pLayout->rect.top += sz.cy;
        break;
    case 1:
        rc = CRect(rcFree.left, rcFree.bottom - sz.cy, rcFree.left + sz.cx, rcFree.bottom);
        pLayout->rect.bottom -= sz.cy;
        break;
    case 2:
        rc = CRect(rcFree.left, rcFree.top, rcFree.left + sz.cx, rcFree.top + sz.cy);
        pLayout->rect.left += sz.cx;
        break;
    default:
        rc = CRect(rcFree.right - sz.cx, rcFree.top, rcFree.right, rcFree.top + sz.cy);
        pLayout->rect.right -= sz.cx;
        break;
    }
    if (bHorz)
    {
        pLayout->sizeTotal.cy += sz.cy;
        pLayout->sizeTotal.cx = std::max<int>(pLayout->sizeTotal.cx, sz.cx);
    }
    else
    {
        pLayout->sizeTotal.cx += sz.cx;
        pLayout->sizeTotal.cy = std::max<int>(pLayout->sizeTotal.cy, sz.cy);
    }
    if (pLayout->hDWP)
        AfxRepositionWindow(pLayout, m_hWnd, &rc);
    Invalidate(FALSE);
    return 0;
}

CSize CZMRDockBar::CalcDockLayout(int nLength, DWORD dwFlags, AFX_SIZEPARENTPARAMS* pLayout)
{
    const BOOL bHorz = (dwFlags & LM_HORZ) != 0;
    CSize sz(0, 0);
    if (dwFlags & LM_STRETCH)
        sz = bHorz ? CSize(0x7FFF, 0) : CSize(0, 0x7FFF);

    HDWP hDWP = pLayout && pLayout->hDWP ? ::BeginDeferWindowPos(int(m_arrBars.GetSize())) : nullptr;
    int nOffset = 0;
    CArray<CZMRToolBar*, CZMRToolBar*> row;
    for (INT_PTR i = 1; i < m_arrBars.GetSize(); i++)
    {
        CZMRToolBar* pBar = m_arrBars[i];
        if (pBar)
        {
            if (pBar->IsVisible())
                row.Add(pBar);
            if (i + 1 < m_arrBars.GetSize())
                continue;
        }
        if (row.GetSize() > 0)
        {
            nOffset += LayoutRowWithOverflow(row, nOffset, nLength, bHorz, hDWP);
            row.RemoveAll();
        }
        if (bHorz)
            sz.cy = std::max<int>(sz.cy, nOffset);
        else
            sz.cx = std::max<int>(sz.cx, nOffset);
    }
    if (hDWP)
        ::EndDeferWindowPos(hDWP);
    return sz;
}

int CZMRDockBar::LayoutRowWithOverflow(const CArray<CZMRToolBar*, CZMRToolBar*>& bars, int nOffset, int nLength,
                                       BOOL bHorz, HDWP& hDWP)
{
    // The row layout works along x: a vertical dock bar swaps the axes.
    auto swap = [bHorz](CSize sz) { return bHorz ? sz : CSize(sz.cy, sz.cx); };
    std::vector<CZMRDockRowLayout::CBar> rowBars;
    for (INT_PTR i = 0; i < bars.GetSize(); i++)
    {
        CZMRToolBar* pBar = bars[i];
        const DWORD dwFlags = GetLayoutFlags(bHorz, pBar);
        CZMRDockRowLayout::CBar bar;
        bar.fnSize = [pBar, dwFlags, swap](int nBarLength) { return swap(pBar->CalcFixedLayout(nBarLength, dwFlags)); };
        if (CZMRDockContext* pContext = pBar->GetDockContext())
            bar.nWished = bHorz ? pContext->GetDockedRect().left : pContext->GetDockedRect().top;
        bar.bHideWrap = (dwFlags & zmrLayoutHideWrap) != 0;
        bar.bFill = (pBar->GetFlags() & FlagFillRow) != 0;
        rowBars.push_back(bar);
    }

    int nThickness = 0;
    for (const CZMRDockRowLayout::CRow& row : CZMRDockRowLayout::LayoutRowWithOverflow(rowBars, nLength))
    {
        if (hDWP)
        {
            for (size_t j = 0; j < row.bars.size(); j++)
            {
                CZMRToolBar* pBar = bars[row.bars[j]];
                const CZMRDockRowLayout::CPlace& place = row.places[j];
                DWORD dwFlags = GetLayoutFlags(bHorz, pBar) | LM_COMMIT;
                if (rowBars[row.bars[j]].bFill)
                    dwFlags |= LM_STRETCH;
                const CSize szBar = pBar->CalcFixedLayout(place.nLength, dwFlags, row.nThickness);
                const int nAcross = nOffset + nThickness;
                const CRect rc = bHorz ? CRect(CPoint(place.nLeft, nAcross), szBar)
                                       : CRect(CPoint(nAcross, place.nLeft), szBar);
                if (CZMRDockContext* pContext = pBar->GetDockContext())
                    pContext->SetLastSide(GetPosition());
                CRect rcWindow;
                pBar->GetWindowRect(&rcWindow);
                ScreenToClient(&rcWindow);
                if (rcWindow != rc)
                {
                    hDWP = ::DeferWindowPos(hDWP, pBar->GetSafeHwnd(), nullptr, rc.left, rc.top, rc.Width(),
                                            rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
                    pBar->Invalidate(FALSE);
                }
            }
        }
        nThickness += row.nThickness;
    }
    return nThickness;
}

// ---------------------------------------------------------------- window

void CZMRDockBar::OnPaint()
{
    CPaintDC dc(this);
    CZMRPaintManager* pPaintManager =
        m_pBarManager ? m_pBarManager->GetPaintManager() : CZMRBarManager::GetGlobalPaintManager();
    pPaintManager->PaintDockBackground(&dc, this);
}

LRESULT CZMRDockBar::OnPrintClient(WPARAM wParam, LPARAM /*lParam*/)
{
    CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
    CZMRPaintManager* pPaintManager =
        m_pBarManager ? m_pBarManager->GetPaintManager() : CZMRBarManager::GetGlobalPaintManager();
    pPaintManager->PaintDockBackground(pDC, this);
    return 0;
}

BOOL CZMRDockBar::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CZMRDockBar::OnRButtonDown(UINT /*nFlags*/, CPoint point)
{
    if (!m_pBarManager)
        return;
    ClientToScreen(&point);
    m_pBarManager->ShowToolBarContextMenu(point, nullptr);
}

LRESULT CZMRDockBar::OnNcHitTest(CPoint point)
{
    // The ribbon draws into the frame's caption: the top dock bar lets the
    // frame answer there.
    if (GetPosition() == 0 && m_pBarManager)
    {
        CZMRCommandBar* pMenuBar = m_pBarManager->GetMenuBar();
        if (pMenuBar && pMenuBar->IsRibbonBar() && pMenuBar->IsKindOf(RUNTIME_CLASS(CZMRToolBar)) &&
            FindBar(static_cast<CZMRToolBar*>(pMenuBar)) != -1)
            return HTTRANSPARENT;
    }
    return CWnd::OnNcHitTest(point);
}
