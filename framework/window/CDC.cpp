#include "window/CDC.h"
#include "window/AfxThreadState.h"
#include "window/CWnd.h"

IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CDC::~CDC()
{
    if (m_hDC != nullptr)
        ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    return AfxGetThreadState()->m_dcs.FromHandle(hDC, [](HDC h) {
        CDC* p = new CDC;
        p->m_hDC = p->m_hAttribDC = h;
        return p;
    });
}

void PASCAL CDC::DeleteTempMap()
{
    AfxGetThreadState()->m_dcs.DeleteTemp();
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr || m_hDC != nullptr)
        return FALSE;
    m_hDC = m_hAttribDC = hDC;
    AfxGetThreadState()->m_dcs.SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != nullptr)
    {
        auto& map = AfxGetThreadState()->m_dcs;
        if (map.LookupPermanent(hDC) == this)
            map.RemoveHandle(hDC);
    }
    m_hDC = m_hAttribDC = nullptr;
    return hDC;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr));
}
BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    return Attach(::CreateDCW(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODEW*>(lpInitData)));
}
BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(Detach());
}
int CDC::SaveDC() { return ::SaveDC(m_hDC); }
BOOL CDC::RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }
int CDC::GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hAttribDC, nIndex); }
CWnd* CDC::GetWindow() const { return CWnd::FromHandle(::WindowFromDC(m_hDC)); }

CPen* CDC::SelectObject(CPen* pPen)
{
    return CPen::FromHandle(static_cast<HPEN>(::SelectObject(m_hDC, pPen ? pPen->m_hObject : nullptr)));
}
CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, pBrush ? pBrush->m_hObject : nullptr)));
}
CFont* CDC::SelectObject(CFont* pFont)
{
    return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, pFont ? pFont->m_hObject : nullptr)));
}
CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, pBitmap ? pBitmap->m_hObject : nullptr)));
}
int CDC::SelectObject(CRgn* pRgn)
{
    return (int)(INT_PTR)::SelectObject(m_hDC, pRgn ? pRgn->m_hObject : nullptr);
}
CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    return CGdiObject::FromHandle(::SelectObject(m_hDC, pObject ? pObject->m_hObject : nullptr));
}
HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(nIndex)));
}
CPen* CDC::GetCurrentPen() const { return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN))); }
CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}
CFont* CDC::GetCurrentFont() const { return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT))); }
CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

COLORREF CDC::SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
COLORREF CDC::SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
int CDC::SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
int CDC::SetROP2(int nDrawMode) { return ::SetROP2(m_hDC, nDrawMode); }
int CDC::SetStretchBltMode(int nStretchMode) { return ::SetStretchBltMode(m_hDC, nStretchMode); }
int CDC::SetMapMode(int nMapMode) { return ::SetMapMode(m_hDC, nMapMode); }
CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT pt = {};
    ::SetViewportOrgEx(m_hDC, x, y, &pt);
    return CPoint(pt);
}
CPoint CDC::GetViewportOrg() const
{
    POINT pt = {};
    ::GetViewportOrgEx(m_hAttribDC, &pt);
    return CPoint(pt);
}
CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT pt = {};
    ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &pt);
    return CPoint(pt);
}
CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT pt = {};
    ::SetWindowOrgEx(m_hDC, x, y, &pt);
    return CPoint(pt);
}
CPoint CDC::GetWindowOrg() const
{
    POINT pt = {};
    ::GetWindowOrgEx(m_hAttribDC, &pt);
    return CPoint(pt);
}
UINT CDC::SetTextAlign(UINT nFlags) { return ::SetTextAlign(m_hDC, nFlags); }
DWORD CDC::SetLayout(DWORD dwLayout) { return ::SetLayout(m_hDC, dwLayout); }
DWORD CDC::GetLayout() const { return ::GetLayout(m_hDC); }
BOOL CDC::DPtoLP(LPPOINT lpPoints, int nCount) const { return ::DPtoLP(m_hAttribDC, lpPoints, nCount); }
BOOL CDC::LPtoDP(LPPOINT lpPoints, int nCount) const { return ::LPtoDP(m_hAttribDC, lpPoints, nCount); }

int CDC::GetClipBox(LPRECT lpRect) const { return ::GetClipBox(m_hDC, lpRect); }
int CDC::SelectClipRgn(CRgn* pRgn) { return ::SelectClipRgn(m_hDC, pRgn ? static_cast<HRGN>(pRgn->m_hObject) : nullptr); }
int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    return ::ExtSelectClipRgn(m_hDC, pRgn ? static_cast<HRGN>(pRgn->m_hObject) : nullptr, nMode);
}
int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) { return ::ExcludeClipRect(m_hDC, x1, y1, x2, y2); }
int CDC::ExcludeClipRect(LPCRECT r) { return ::ExcludeClipRect(m_hDC, r->left, r->top, r->right, r->bottom); }
int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) { return ::IntersectClipRect(m_hDC, x1, y1, x2, y2); }
int CDC::IntersectClipRect(LPCRECT r) { return ::IntersectClipRect(m_hDC, r->left, r->top, r->right, r->bottom); }
BOOL CDC::PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }
BOOL CDC::RectVisible(LPCRECT lpRect) const { return ::RectVisible(m_hDC, lpRect); }

CPoint CDC::MoveTo(int x, int y)
{
    POINT pt = {};
    ::MoveToEx(m_hDC, x, y, &pt);
    return CPoint(pt);
}
BOOL CDC::LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
BOOL CDC::Polyline(const POINT* lpPoints, int nCount) { return ::Polyline(m_hDC, lpPoints, nCount); }
BOOL CDC::Polygon(const POINT* lpPoints, int nCount) { return ::Polygon(m_hDC, lpPoints, nCount); }
BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
BOOL CDC::Rectangle(LPCRECT r) { return ::Rectangle(m_hDC, r->left, r->top, r->right, r->bottom); }
BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) { return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3); }
BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) { return ::Ellipse(m_hDC, x1, y1, x2, y2); }
BOOL CDC::Ellipse(LPCRECT r) { return ::Ellipse(m_hDC, r->left, r->top, r->right, r->bottom); }
void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) { ::FillRect(m_hDC, lpRect, static_cast<HBRUSH>(pBrush->m_hObject)); }
void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush) { ::FrameRect(m_hDC, lpRect, static_cast<HBRUSH>(pBrush->m_hObject)); }
void CDC::InvertRect(LPCRECT lpRect) { ::InvertRect(m_hDC, lpRect); }
BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    return ::FillRgn(m_hDC, static_cast<HRGN>(pRgn->m_hObject), static_cast<HBRUSH>(pBrush->m_hObject));
}
BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    return ::FrameRgn(m_hDC, static_cast<HRGN>(pRgn->m_hObject), static_cast<HBRUSH>(pBrush->m_hObject), nWidth,
                      nHeight);
}

// Solid fills go through the background colour and an opaque empty text
// output, which needs no brush; the background colour is put back after.
void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    COLORREF clrOld = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, clrOld);
}
void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rect = { x, y, x + cx, y + cy };
    FillSolidRect(&rect, clr);
}
void CDC::Draw3dRect(LPCRECT r, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(r->left, r->top, r->right - r->left, r->bottom - r->top, clrTopLeft, clrBottomRight);
}
void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}
BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags) { return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags); }
BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
{
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}
void CDC::DrawFocusRect(LPCRECT lpRect) { ::DrawFocusRect(m_hDC, lpRect); }
BOOL CDC::DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }

namespace
{
HBRUSH BrushHandle(CBrush* pBrush) { return pBrush ? static_cast<HBRUSH>(pBrush->m_hObject) : nullptr; }
}

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateW(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hBitmap), 0, pt.x, pt.y, size.cx, size.cy,
                        nFlags | DST_BITMAP);
}
BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, pBitmap ? static_cast<HBITMAP>(pBitmap->m_hObject) : nullptr, nFlags,
                     BrushHandle(pBrush));
}
BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateW(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, pt.x, pt.y, size.cx, size.cy,
                        nFlags | DST_ICON);
}
BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, hIcon, nFlags, BrushHandle(pBrush));
}
BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    HBRUSH hBrush)
{
    return ::DrawStateW(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(lpszText), WPARAM(nTextLen), pt.x, pt.y,
                        size.cx, size.cy, nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}
BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    CBrush* pBrush)
{
    return DrawState(pt, size, lpszText, nFlags, bPrefixText, nTextLen, BrushHandle(pBrush));
}

CBrush* PASCAL CDC::GetHalftoneBrush()
{
    // One brush for the whole process, in no thread's handle map: the pattern
    // takes its colours from the device context it fills, so every thread
    // and caller shares it. It is deleted at process exit.
    struct CHalftone
    {
        CBrush brush;
        CHalftone()
        {
            WORD pattern[8];
            for (int i = 0; i < 8; i++)
                pattern[i] = WORD(0x5555 << (i & 1));
            if (HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, pattern))
            {
                brush.m_hObject = ::CreatePatternBrush(hBitmap);
                ::DeleteObject(hBitmap);
            }
        }
        ~CHalftone()
        {
            if (brush.m_hObject)
                ::DeleteObject(brush.m_hObject);
            brush.m_hObject = nullptr;
        }
    };
    static CHalftone halftone;
    return halftone.brush.m_hObject ? &halftone.brush : nullptr;
}

// The frame of lpRect (border size) is inverted with the brush, and the
// frame drawn last (lpRectLast) is inverted back, so only the difference flickers.
void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush,
                       CBrush* pBrushLast)
{
    static const WORD pattern[8] = { 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA };
    HBITMAP hHalftoneBitmap = nullptr;
    HBRUSH hHalftone = nullptr;
    auto halftone = [&]() {
        if (hHalftone == nullptr)
        {
            hHalftoneBitmap = ::CreateBitmap(8, 8, 1, 1, pattern);
            hHalftone = ::CreatePatternBrush(hHalftoneBitmap);
        }
        return hHalftone;
    };
    HBRUSH hBrush = pBrush ? static_cast<HBRUSH>(pBrush->m_hObject) : halftone();
    HBRUSH hBrushLast = pBrushLast ? static_cast<HBRUSH>(pBrushLast->m_hObject) : hBrush;

    auto frame = [&](LPCRECT r, SIZE s, HBRUSH hbr) {
        HRGN hOuter = ::CreateRectRgnIndirect(r);
        RECT inner = { r->left + s.cx, r->top + s.cy, r->right - s.cx, r->bottom - s.cy };
        HRGN hInner = ::CreateRectRgnIndirect(&inner);
        ::CombineRgn(hOuter, hOuter, hInner, RGN_XOR);
        ::DeleteObject(hInner);
        return hOuter;
    };
    HRGN hNew = lpRect ? frame(lpRect, size, hBrush) : ::CreateRectRgn(0, 0, 0, 0);
    HRGN hOld = lpRectLast ? frame(lpRectLast, sizeLast, hBrushLast) : nullptr;

    HGDIOBJ hOldBrush = nullptr;
    RECT box;
    if (hOld != nullptr && hBrush == hBrushLast)
    {
        // Same brush: one pass over the symmetric difference.
        ::CombineRgn(hNew, hNew, hOld, RGN_XOR);
        ::SelectClipRgn(m_hDC, hNew);
        ::GetClipBox(m_hDC, &box);
        hOldBrush = ::SelectObject(m_hDC, hBrush);
        ::PatBlt(m_hDC, box.left, box.top, box.right - box.left, box.bottom - box.top, PATINVERT);
    }
    else
    {
        if (hOld != nullptr)
        {
            ::SelectClipRgn(m_hDC, hOld);
            ::GetClipBox(m_hDC, &box);
            hOldBrush = ::SelectObject(m_hDC, hBrushLast);
            ::PatBlt(m_hDC, box.left, box.top, box.right - box.left, box.bottom - box.top, PATINVERT);
        }
        ::SelectClipRgn(m_hDC, hNew);
        ::GetClipBox(m_hDC, &box);
        HGDIOBJ hPrev = ::SelectObject(m_hDC, hBrush);
        if (hOldBrush == nullptr)
            hOldBrush = hPrev;
        ::PatBlt(m_hDC, box.left, box.top, box.right - box.left, box.bottom - box.top, PATINVERT);
    }
    ::SelectObject(m_hDC, hOldBrush);
    ::SelectClipRgn(m_hDC, nullptr);
    ::DeleteObject(hNew);
    if (hOld != nullptr)
        ::DeleteObject(hOld);
    if (hHalftone != nullptr)
    {
        ::DeleteObject(hHalftone);
        ::DeleteObject(hHalftoneBitmap);
    }
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) { return ::SetPixel(m_hDC, x, y, crColor); }
COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop) { return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop); }
BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, dwRop);
}
BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, nSrcWidth,
                        nSrcHeight, dwRop);
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount) { return ::TextOutW(m_hDC, x, y, lpszString, nCount); }
BOOL CDC::TextOut(int x, int y, const CString& str) { return ::TextOutW(m_hDC, x, y, str, str.GetLength()); }
BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount, LPINT lpDxWidths)
{
    return ::ExtTextOutW(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}
int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    return ::DrawTextW(m_hDC, lpszString, nCount, lpRect, nFormat);
}
int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return ::DrawTextW(m_hDC, str, str.GetLength(), lpRect, nFormat);
}
CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {};
    ::GetTextExtentPoint32W(m_hAttribDC, lpszString, nCount, &size);
    return CSize(size);
}
CSize CDC::GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }
BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const { return ::GetTextMetricsW(m_hAttribDC, lpMetrics); }

CPaintDC::CPaintDC(CWnd* pWnd) : m_ps(), m_hWnd(pWnd->m_hWnd)
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}
CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr)
{
    Attach(::GetDC(m_hWnd));
}
CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr)
{
    Attach(::GetWindowDC(m_hWnd));
}
CWindowDC::~CWindowDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}
