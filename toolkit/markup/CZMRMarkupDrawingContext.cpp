#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupBrush.h"
#include "CZMRMarkupFont.h"
#include "CZMRMarkupSolidColorBrush.h"

#include <cstdlib>

CZMRMarkupDrawingContext::CZMRMarkupDrawingContext()
    : m_hDC(::CreateCompatibleDC(nullptr)), m_bOwnsDC(TRUE)
{
    Init();
}

CZMRMarkupDrawingContext::CZMRMarkupDrawingContext(HDC hDC) : m_hDC(hDC), m_bOwnsDC(FALSE)
{
    Init();
}

void CZMRMarkupDrawingContext::Init()
{
    m_hAttribDC = m_hDC;
    m_pFont = nullptr;
    m_hSavedFont = nullptr;
    m_szWindowExt = {1, 1};
    m_szViewportExt = {1, 1};
    m_ptViewportOrigin = {0, 0};
    m_rcClipBox = {0, 0, 0, 0};
    if (!m_hDC)
        return;
    ::GetWindowExtEx(m_hDC, &m_szWindowExt);
    ::GetViewportExtEx(m_hDC, &m_szViewportExt);
    ::GetViewportOrgEx(m_hDC, &m_ptViewportOrigin);
    RefreshClipBox();
    ::SetBkMode(m_hDC, TRANSPARENT);
}

CZMRMarkupDrawingContext::~CZMRMarkupDrawingContext()
{
    SetFont(nullptr);
    if (m_bOwnsDC && m_hDC)
        ::DeleteDC(m_hDC);
}

BOOL CZMRMarkupDrawingContext::IsScaledOutput() const
{
    return FALSE;
}

void CZMRMarkupDrawingContext::DrawTextLine(LPCWSTR lpszText, int nCount, LPCRECT lpRect)
{
    ::ExtTextOutW(m_hDC, lpRect->left, lpRect->top, 0, lpRect, lpszText, static_cast<UINT>(nCount), nullptr);
}

HGDIOBJ CZMRMarkupDrawingContext::SelectFontHandle(HGDIOBJ hObject)
{
    HGDIOBJ hOld = nullptr;
    if (m_hDC && m_hDC != m_hAttribDC)
        hOld = ::SelectObject(m_hDC, hObject);
    if (m_hAttribDC)
        hOld = ::SelectObject(m_hAttribDC, hObject);
    return hOld;
}

void CZMRMarkupDrawingContext::SetViewportOrigin(POINT pt)
{
    ::SetViewportOrgEx(m_hDC, pt.x, pt.y, nullptr);
}

void CZMRMarkupDrawingContext::SetFont(CZMRMarkupFont* pFont)
{
    if (!m_hDC || pFont == m_pFont)
        return;
    if (pFont)
    {
        HGDIOBJ hOld = SelectFontHandle(pFont->GetFontHandle());
        if (!m_hSavedFont)
            m_hSavedFont = static_cast<HFONT>(hOld);
        pFont->AddRef();
    }
    else if (m_hSavedFont)
    {
        SelectFontHandle(m_hSavedFont);
        m_hSavedFont = nullptr;
    }
    if (m_pFont)
        m_pFont->Release();
    m_pFont = pFont;
}

SIZE CZMRMarkupDrawingContext::GetTextExtent(LPCWSTR lpszText, int nCount) const
{
    SIZE sz = {0, 0};
    ::GetTextExtentPoint32W(m_hAttribDC, lpszText, nCount, &sz);
    return sz;
}

POINT CZMRMarkupDrawingContext::LogicalToDevice(POINT ptOffset) const
{
    POINT pt;
    pt.x = ::MulDiv(ptOffset.x, abs(m_szViewportExt.cx), abs(m_szWindowExt.cx));
    pt.y = ::MulDiv(ptOffset.y, abs(m_szViewportExt.cy), abs(m_szWindowExt.cy));
    return pt;
}

POINT CZMRMarkupDrawingContext::OffsetViewport(POINT ptOffset)
{
    POINT ptSaved = m_ptViewportOrigin;
    POINT ptDevice = LogicalToDevice(ptOffset);
    m_ptViewportOrigin.x += ptDevice.x;
    m_ptViewportOrigin.y += ptDevice.y;
    SetViewportOrigin(m_ptViewportOrigin);
    RefreshClipBox();
    return ptSaved;
}

void CZMRMarkupDrawingContext::RestoreViewport(POINT ptSaved)
{
    m_ptViewportOrigin = ptSaved;
    SetViewportOrigin(m_ptViewportOrigin);
    RefreshClipBox();
}

HRGN CZMRMarkupDrawingContext::SaveClipRegion()
{
    HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
    if (!hRegion)
        return nullptr;
    if (::GetClipRgn(m_hDC, hRegion) != 1)
    {
        ::DeleteObject(hRegion);
        return reinterpret_cast<HRGN>(-1);
    }
    return hRegion;
}

void CZMRMarkupDrawingContext::IntersectClipRect(LPCRECT lpRect)
{
    ::IntersectClipRect(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    RefreshClipBox();
}

void CZMRMarkupDrawingContext::RestoreClipRegion(HRGN hSaved)
{
    if (!hSaved)
        return;
    if (hSaved == reinterpret_cast<HRGN>(-1))
    {
        ::ExtSelectClipRgn(m_hDC, nullptr, RGN_COPY);
    }
    else
    {
        ::ExtSelectClipRgn(m_hDC, hSaved, RGN_COPY);
        ::DeleteObject(hSaved);
    }
    RefreshClipBox();
}

void CZMRMarkupDrawingContext::RefreshClipBox()
{
    if (::GetClipBox(m_hDC, &m_rcClipBox) == ERROR)
        ::SetRectEmpty(&m_rcClipBox);
}

void CZMRMarkupDrawingContext::FillRect(CZMRMarkupBrush* pBrush, int nLeft, int nTop, int nRight, int nBottom)
{
    if (pBrush)
        pBrush->FillRect(this, nLeft, nTop, nRight, nBottom);
}

void CZMRMarkupDrawingContext::FrameRect(CZMRMarkupBrush* pBrush, int nLeft, int nTop, int nRight, int nBottom)
{
    FillRect(pBrush, nLeft, nTop, nRight, nTop + 1);
    FillRect(pBrush, nLeft, nTop, nLeft + 1, nBottom);
    FillRect(pBrush, nLeft, nBottom - 1, nRight, nBottom);
    FillRect(pBrush, nRight - 1, nTop, nRight, nBottom);
}

void CZMRMarkupDrawingContext::FillSolidRect(int nLeft, int nTop, int nRight, int nBottom, COLORREF clr)
{
    CZMRMarkupSolidColorBrush* pBrush = new CZMRMarkupSolidColorBrush(clr);
    FillRect(pBrush, nLeft, nTop, nRight, nBottom);
    pBrush->Release();
}
