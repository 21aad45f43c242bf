#include "CZMRTabShapes.h"
#include "CZMRTabManager.h"
#include <algorithm>

namespace CZMRTabShapes
{
CTurn::CTurn(CRect rcItem, int nPosition) : m_rcItem(rcItem), m_rcUpright(rcItem), m_nPosition(nPosition)
{
    if (nPosition == zmrTabPositionLeft || nPosition == zmrTabPositionRight)
        m_rcUpright = CRect(rcItem.top, rcItem.left, rcItem.bottom, rcItem.right);
}

CPoint CTurn::Point(CPoint pt) const
{
    switch (m_nPosition)
    {
    case zmrTabPositionBottom:
        return CPoint(pt.x, m_rcItem.top + m_rcItem.bottom - 1 - pt.y);
    case zmrTabPositionLeft:
        return CPoint(pt.y, pt.x);
    case zmrTabPositionRight:
        return CPoint(m_rcItem.left + m_rcItem.right - 1 - pt.y, pt.x);
    default:
        return pt;
    }
}

CRect CTurn::Rect(CRect rc) const
{
    if (rc.IsRectEmpty())
        return CRect(0, 0, 0, 0);
    const CPoint a = Point(rc.TopLeft());
    const CPoint b = Point(CPoint(rc.right - 1, rc.bottom - 1));
    return CRect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1);
}

CPoints CTurn::Points(const CPoints& arr) const
{
    CPoints arrTurned;
    for (const CPoint& pt : arr)
        arrTurned.push_back(Point(pt));
    return arrTurned;
}

CPoints CTurn::Edges(const CPoints& arr) const
{
    CPoints arrTurned;
    for (const CPoint& pt : arr)
    {
        switch (m_nPosition)
        {
        case zmrTabPositionBottom:
            arrTurned.push_back(CPoint(pt.x, m_rcItem.top + m_rcItem.bottom - pt.y));
            break;
        case zmrTabPositionLeft:
            arrTurned.push_back(CPoint(pt.y, pt.x));
            break;
        case zmrTabPositionRight:
            arrTurned.push_back(CPoint(m_rcItem.left + m_rcItem.right - pt.y, pt.x));
            break;
        default:
            arrTurned.push_back(pt);
            break;
        }
    }
    return arrTurned;
}

CSize CTurn::Size(CSize sz) const
{
    if (m_nPosition == zmrTabPositionLeft || m_nPosition == zmrTabPositionRight)
        return CSize(sz.cy, sz.cx);
    return sz;
}

CSlantedTab Office2003Tab(CRect rc)
{
    const int L = rc.left, T = rc.top, R = rc.right, B = rc.bottom, H = rc.Height();
    CSlantedTab tab;
    tab.face = { { R - 1, B - 1 }, { R - 1, T + 2 }, { L + 4, T + 2 }, { L + 8 - H, B - 2 } };
    tab.outline = { { R, B - 2 }, { R, T + 2 }, { R - 2, T }, { L + 7, T }, { L + 2, T + 2 }, { L + 6 - H, B - 2 },
                    { L + 4 - H, B - 2 } };
    tab.inner1 = { { R - 1, B - 2 }, { R - 1, T + 2 }, { R - 3, T } };
    tab.inner2 = { { R - 3, T + 1 }, { L + 6, T + 1 }, { L + 1, T + 4 }, { L + 6 - H, B - 1 } };
    return tab;
}

CSlantedTab VisualStudio2005Tab(CRect rc)
{
    // Written for a bottom strip (the client above), then turned upright.
    // The start side mirrors the end side: it rises from the far corner's
    // bevel back to the client edge h - 2 pixels before the tab's start.
    const int L = rc.left, T = rc.top, R = rc.right, B = rc.bottom, h = rc.Height() / 2;
    CSlantedTab bottom;
    bottom.outline = { { R + h - 4, T + 1 }, { R + 1, T + 2 * h - 5 }, { R - 3, B - 1 }, { R - 5, B },
                       { L + 9, B },         { L + 7, B - 1 },         { L + 4, B - 4 }, { L + 6 - h, T + 1 } };
    bottom.face = bottom.outline;
    // One pixel inside: the end side, then the far side and the start side.
    bottom.inner1 = { { R + h - 5, T + 1 }, { R, T + 2 * h - 5 }, { R - 4, B - 1 }, { R - 6, B - 1 } };
    bottom.inner2 = { { R - 6, B - 1 }, { L + 9, B - 1 }, { L + 5, B - 4 }, { L + 7 - h, T + 1 } };

    const CTurn turn(rc, zmrTabPositionBottom);
    CSlantedTab tab;
    tab.face = turn.Edges(bottom.face);
    tab.outline = turn.Points(bottom.outline);
    tab.inner1 = turn.Points(bottom.inner1);
    tab.inner2 = turn.Points(bottom.inner2);
    return tab;
}

CSlantedTab ExcelTab(CRect rc)
{
    const int L = rc.left, T = rc.top, R = rc.right, B = rc.bottom, H = rc.Height();
    const int q = H / 4, h = H / 2;
    CSlantedTab tab;
    tab.face = { { L - q, B }, { L - q + h, T }, { R + q - h, T }, { R + q, B } };
    tab.outline = { { L - q, B - 1 }, { L - q + h, T }, { R + q - h - 1, T }, { R + q - 1, B - 1 } };
    tab.inner1 = { { L - q + 2, B - 1 }, { L - q + h + 1, T + 1 } };
    tab.inner2 = { { R + q - h - 2, T + 1 }, { R + q - 2, B - 1 } };
    return tab;
}

std::vector<CRect> RoundedFlatTab(CRect rc)
{
    return { CRect(rc.left + 1, rc.top, rc.right - 1, rc.top + 1), CRect(rc.left, rc.top + 1, rc.right, rc.bottom) };
}

CStackedBars StackBars(CRect rc, int nCount, int nSelected, int nBarHeight)
{
    CStackedBars stack;
    int yTop = rc.top;
    int yBottom = rc.bottom - std::max(0, nCount - 1 - nSelected) * nBarHeight;
    for (int i = 0; i < nCount; i++)
    {
        if (i <= nSelected)
        {
            stack.bars.push_back(CRect(rc.left, yTop, rc.right, yTop + nBarHeight));
            yTop += nBarHeight;
        }
        else
        {
            stack.bars.push_back(CRect(rc.left, yBottom, rc.right, yBottom + nBarHeight));
            yBottom += nBarHeight;
        }
    }
    stack.client = CRect(rc.left, yTop, rc.right, rc.bottom - std::max(0, nCount - 1 - nSelected) * nBarHeight);
    return stack;
}

void DrawTurned(CDC* pDC, const CTurn& turn, const std::function<void(CDC*, CRect)>& draw)
{
    const CRect rcUpright = turn.Upright();
    if (turn.GetPosition() == zmrTabPositionTop)
    {
        draw(pDC, rcUpright);
        return;
    }
    const CRect rcDevice = turn.Rect(rcUpright);
    const int cxUp = rcUpright.Width(), cyUp = rcUpright.Height();
    const int cxDev = rcDevice.Width(), cyDev = rcDevice.Height();
    if (cxUp <= 0 || cyUp <= 0)
        return;

    auto makeDib = [](int cx, int cy, DWORD** ppBits) {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy;   // rows from the top, for the index arithmetic
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        return ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(ppBits), nullptr, 0);
    };
    DWORD* pDev = nullptr;
    DWORD* pUp = nullptr;
    HBITMAP hDev = makeDib(cxDev, cyDev, &pDev);
    HBITMAP hUp = makeDib(cxUp, cyUp, &pUp);
    CDC dcMem;
    if (hDev && hUp && dcMem.CreateCompatibleDC(pDC))
    {
        HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), hDev);
        dcMem.BitBlt(0, 0, cxDev, cyDev, pDC, rcDevice.left, rcDevice.top, SRCCOPY);
        ::GdiFlush();
        auto devIndex = [&](int u, int v) {
            const CPoint pt = turn.Point(rcUpright.left + u, rcUpright.top + v);
            return (pt.y - rcDevice.top) * cxDev + (pt.x - rcDevice.left);
        };
        for (int v = 0; v < cyUp; v++)
            for (int u = 0; u < cxUp; u++)
                pUp[v * cxUp + u] = pDev[devIndex(u, v)];
        ::SelectObject(dcMem.GetSafeHdc(), hUp);
        draw(&dcMem, CRect(0, 0, cxUp, cyUp));
        ::GdiFlush();
        for (int v = 0; v < cyUp; v++)
            for (int u = 0; u < cxUp; u++)
                pDev[devIndex(u, v)] = pUp[v * cxUp + u];
        ::SelectObject(dcMem.GetSafeHdc(), hDev);
        pDC->BitBlt(rcDevice.left, rcDevice.top, cxDev, cyDev, &dcMem, 0, 0, SRCCOPY);
        ::SelectObject(dcMem.GetSafeHdc(), hOld);
    }
    if (hDev)
        ::DeleteObject(hDev);
    if (hUp)
        ::DeleteObject(hUp);
}
}
