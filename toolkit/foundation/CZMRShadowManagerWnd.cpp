// The shadow windows of the shadow manager: placement, exclusion, the
// layered gradient bitmap and following the owner.
#include "CZMRShadowManager.h"
#include "CZMRColorManager.h"
#include "CZMRDrawHelpers.h"
#include "CZMRIconHandle.h"

namespace
{
const LPCWSTR kShadowClass = L"ZMRShadow";
}

BEGIN_MESSAGE_MAP(CZMRShadowManager::CShadowWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CZMRShadowManager::CShadowWnd::CShadowWnd(CZMRShadowManager* pManager)
    : m_nKind(shadowRight), m_bHasRegion(FALSE), m_pOwner(nullptr), m_bRectBased(FALSE), m_pManager(pManager)
{
    m_pManager->InternalAddRef();
}

CZMRShadowManager::CShadowWnd::~CShadowWnd()
{
    if (GetSafeHwnd())
        DestroyWindow();
    m_pManager->InternalRelease();
}

BOOL CZMRShadowManager::CShadowWnd::Create(int nKind, const CRect& rcOwner)
{
    m_nKind = nKind;
    if (!m_hWnd)
    {
        CZMRDrawHelpers::RegisterWndClass(nullptr, kShadowClass, m_pManager->m_bUseClassStyle ? CS_SAVEBITS | CS_OWNDC : 0);
        const DWORD dwExStyle = m_pManager->m_bAlphaShadow ? WS_EX_LAYERED | WS_EX_TOOLWINDOW : WS_EX_TOOLWINDOW;
        HWND hWndParent = m_pOwner ? ::GetParent(m_pOwner->m_hWnd) : nullptr;
        if (!CreateEx(dwExStyle, kShadowClass, nullptr, WS_POPUP, 0, 0, 0, 0, hWndParent, nullptr))
            return FALSE;
    }
    SetWindowRgn(nullptr, FALSE);
    m_bHasRegion = FALSE;

    const int t = m_pManager->m_bAlphaShadow ? 4 : 2;
    CRect rc;
    switch (nKind)
    {
    case shadowRight:
        rc.SetRect(rcOwner.right, rcOwner.top + t, rcOwner.right + t, rcOwner.bottom);
        break;
    case shadowBottom:
        rc.SetRect(rcOwner.left + t, rcOwner.bottom, rcOwner.right + t, rcOwner.bottom + t);
        break;
    default:
        rc.SetRect(rcOwner.right - 1, rcOwner.bottom - 1, rcOwner.right, rcOwner.bottom);
        break;
    }
    ::SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CZMRShadowManager::CShadowWnd::AdjustToNeighbours(CShadowWnd* pOther)
{
    if (!m_hWnd || !pOther->m_hWnd || m_nKind == shadowCorner)
        return;
    CRect rc, rcOther;
    GetWindowRect(rc);
    pOther->GetWindowRect(rcOther);

    if (m_nKind == shadowRight && pOther->m_nKind != shadowRight && rc.top == rcOther.bottom - 1
        && rc.right > rcOther.left && rc.right < rcOther.right)
    {
        rc.top -= 2 * rcOther.Height();
    }
    else if (m_nKind == shadowBottom && pOther->m_nKind == shadowRight && rc.left == rcOther.right - 1
             && rcOther.top < rc.top && rc.bottom < rcOther.bottom)
    {
        rc.left -= 2 * rcOther.Width() + 1;
    }
    else
    {
        return;
    }
    ::SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void CZMRShadowManager::CShadowWnd::ExcludeRect(CRect rcExclude)
{
    if (!m_hWnd)
        return;
    CRect rcWindow, rcCut;
    GetWindowRect(rcWindow);
    if (!rcCut.IntersectRect(rcWindow, rcExclude))
        return;
    rcCut.OffsetRect(-rcWindow.left, -rcWindow.top);

    // Each cut replaces the one before: the region is the whole shadow less
    // this rectangle only.
    HRGN hRgn = ::CreateRectRgn(0, 0, rcWindow.Width(), rcWindow.Height());
    HRGN hCut = ::CreateRectRgnIndirect(rcCut);
    ::CombineRgn(hRgn, hRgn, hCut, RGN_DIFF);
    ::DeleteObject(hCut);
    if (SetWindowRgn(hRgn, TRUE))
        m_bHasRegion = TRUE;
    else
        ::DeleteObject(hRgn);
}

DWORD CZMRShadowManager::CShadowWnd::ShadowPixel(int nAlpha, double dFactor) const
{
    const COLORREF clr = m_pManager->m_clrShadow;
    const DWORD r = DWORD(GetRValue(clr) * dFactor);
    const DWORD g = DWORD(GetGValue(clr) * dFactor);
    const DWORD b = DWORD(GetBValue(clr) * dFactor);
    return (DWORD(nAlpha) << 24) | (r << 16) | (g << 8) | b;
}

void CZMRShadowManager::CShadowWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(rc);
    // With alpha the layered bitmap is what shows.
    dc.FillSolidRect(rc, m_pManager->m_bAlphaShadow ? RGB(0, 0, 0) : GetColorManager()->GetColor(COLOR_BTNSHADOW));
}

void CZMRShadowManager::CShadowWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (cx > 0 && cy > 0 && m_pManager->m_bAlphaShadow && m_pManager->m_pfnUpdateLayeredWindow && m_pOwner)
        UpdateShadowBitmap(cx, cy);
}

void CZMRShadowManager::CShadowWnd::UpdateShadowBitmap(int cx, int cy)
{
    // Bottom-up: memory row 0 is the bottom row.
    LPBYTE pvBits = nullptr;
    HBITMAP hBitmap = CreateArgbDibSection(nullptr, cx, cy, &pvBits);
    if (!hBitmap)
        return;   // the window stays without content
    DWORD* pBits = reinterpret_cast<DWORD*>(pvBits);
    memset(pBits, 0, size_t(cx) * size_t(cy) * 4);
    // Pixels of a stretch outside the bitmap are left out.
    auto put = [&](int x, int yFromTop, DWORD dwPixel) {
        if (x >= 0 && x < cx && yFromTop >= 0 && yFromTop < cy)
            pBits[size_t(cy - 1 - yFromTop) * size_t(cx) + size_t(x)] = dwPixel;
    };

    const int k = (m_pManager->m_dwOptions & ZMR_SHADOW_ALWAYS) ? 1 : 2;
    switch (m_nKind)
    {
    case shadowRight:
        for (int x = 0; x < 4; x++)
        {
            for (int s = 0; s < 4; s++)
            {
                const int L = (s + 1) * (4 - x);
                put(x, s, ShadowPixel(3 * k * L, L / 20.0));
            }
            const int n = 4 - x;
            for (int y = 4; y < cy; y++)
                put(x, y, ShadowPixel(15 * k * n, n / 4.0));
        }
        break;
    case shadowBottom:
        for (int s = 0; s < 4; s++)
        {
            const int n = 4 - s;
            for (int x = 4; x < cx - 4; x++)
                put(x, s, ShadowPixel(15 * k * n, n / 4.0));
            for (int x = 0; x < 4; x++)
            {
                const int L = (4 - s) * (x + 1);
                put(x, s, ShadowPixel(3 * k * L, L / 20.0));
            }
            for (int x = cx - 4; x < cx; x++)
            {
                const int L = (4 - s) * (cx - x);
                put(x, s, ShadowPixel(3 * k * L, L / 20.0));
            }
        }
        break;
    default:
        put(0, 0, ShadowPixel(0x3C * k, 1.0));
        break;
    }

    HDC hWindowDC = ::GetDC(m_hWnd);
    HDC hMemDC = ::CreateCompatibleDC(hWindowDC);
    HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
    SIZE size = {cx, cy};
    POINT ptSrc = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    m_pManager->m_pfnUpdateLayeredWindow(m_hWnd, nullptr, nullptr, &size, hMemDC, &ptSrc, 0, &blend, ULW_ALPHA);
    ::SelectObject(hMemDC, hOld);
    ::DeleteDC(hMemDC);
    ::ReleaseDC(m_hWnd, hWindowDC);
    ::DeleteObject(hBitmap);
}

int CZMRShadowManager::CShadowWnd::HandleHookedMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM&, LRESULT&)
{
    if (nMessage == WM_SHOWWINDOW)
    {
        if (m_hWnd)
            ::ShowWindow(m_hWnd, wParam ? SW_SHOWNA : SW_HIDE);
    }
    else if (nMessage == WM_DESTROY)
    {
        GetHookManager()->RemoveHook(hWnd, this);
        m_pManager->DestroyShadow(this);   // deletes this
    }
    return ZMR_HOOK_NOTHANDLED;   // the owner's own procedure still runs
}
