// What the dock bar and dock context tests share: a tool bar of a fixed size
// that records the layout flags it was committed with, and the rows of a
// dock bar written as text.
#pragma once
#include "CZMRToolBar.h"
#include "CZMRDockBar.h"
#include <algorithm>
#include <string>
#include "ArtifactPng.h"

// Along its dock bar the bar is m_sz.cx long and m_sz.cy thick; it shrinks
// down to m_nSmallest when it may hide what does not fit, and stretches when
// asked to.
class CSizedToolBar : public CZMRToolBar
{
public:
    explicit CSizedToolBar(CSize sz) : m_sz(sz) {}
    CSize CalcFixedLayout(int nLength, DWORD dwMode, int /*nThickness*/ = 0) override
    {
        if (dwMode & LM_COMMIT)
            m_dwLastCommitMode = dwMode;
        int nAlong = m_sz.cx;
        if (dwMode & LM_STRETCH)
            nAlong = nLength;
        else if ((dwMode & zmrLayoutHideWrap) && nLength < nAlong)
            nAlong = std::max(nLength, m_nSmallest);
        return (dwMode & LM_VERTDOCK) ? CSize(m_sz.cy, nAlong) : CSize(nAlong, m_sz.cy);
    }
    // Floating: m_szFloating, or the remembered width, or a width asked for.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override
    {
        if (dwMode & LM_LENGTHY)
            return CSize(m_szFloating.cx, std::max(nLength, 20));
        if (nLength > 0)
            return CSize(std::max(nLength, 40), m_szFloating.cy);
        // 32767: no width remembered yet.
        if ((dwMode & LM_MRUWIDTH) && GetMRUWidth() > 0 && GetMRUWidth() < 32767)
            return CSize(GetMRUWidth(), m_szFloating.cy);
        return m_szFloating;
    }
    CSize m_sz;
    CSize m_szFloating = CSize(120, 40);
    int m_nSmallest = 20;
    DWORD m_dwLastCommitMode = 0;
};

// "|A B|C|": the titles of the bars, a bar per name, a row end as "|".
inline std::string DockRows(const CZMRDockBar* pDock)
{
    std::string s;
    for (int i = 0; i < pDock->GetArrayCount(); i++)
    {
        const CZMRToolBar* pBar = pDock->GetArrayAt(i);
        if (!pBar)
            s += "|";
        else
        {
            if (!s.empty() && s.back() != '|')
                s += " ";
            s += CStringA(pBar->GetTitle()).GetString();
        }
    }
    return s;
}

// A window's rectangle in the client coordinates of another.
inline CRect ClientRectIn(const CWnd* pWnd, const CWnd* pIn)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    pIn->ScreenToClient(&rc);
    return rc;
}

// What a window shows now, children included, read back from its DC.
class CWindowPixels
{
public:
    explicit CWindowPixels(HWND hWnd)
    {
        CRect rc;
        ::GetClientRect(hWnd, &rc);
        m_cx = rc.Width();
        m_cy = rc.Height();
        HDC hdcWindow = ::GetDC(hWnd);
        m_hdc = ::CreateCompatibleDC(hdcWindow);
        m_hbm = ::CreateCompatibleBitmap(hdcWindow, m_cx, m_cy);
        m_hOld = ::SelectObject(m_hdc, m_hbm);
        ::BitBlt(m_hdc, 0, 0, m_cx, m_cy, hdcWindow, 0, 0, SRCCOPY);
        ::ReleaseDC(hWnd, hdcWindow);
    }
    ~CWindowPixels()
    {
        ::SelectObject(m_hdc, m_hOld);
        ::DeleteObject(m_hbm);
        ::DeleteDC(m_hdc);
    }
    CWindowPixels(const CWindowPixels&) = delete;
    CWindowPixels& operator=(const CWindowPixels&) = delete;
    COLORREF At(int x, int y) const { return ::GetPixel(m_hdc, x, y); }
    bool Save(const wchar_t* lpszName) const
    {
        return SaveArtifactPng(lpszName, m_cx, m_cy, [this](int x, int y) { return At(x, y); });
    }

private:
    int m_cx, m_cy;
    HDC m_hdc;
    HBITMAP m_hbm;
    HGDIOBJ m_hOld;
};
