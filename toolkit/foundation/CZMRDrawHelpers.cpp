#include "CZMRDrawHelpers.h"
#include "CZMRColorManager.h"
#include "CZMROSVersionInfo.h"
#include "CZMRPaintManagerColorGradient.h"
#include <vector>

namespace
{
typedef DWORD (WINAPI* PFNGETLAYOUT)(HDC);
typedef DWORD (WINAPI* PFNSETLAYOUT)(HDC, DWORD);

// All bits set: not looked up yet.
FARPROC const kNotBound = reinterpret_cast<FARPROC>(~UINT_PTR(0));
FARPROC s_pfnGetLayout = kNotBound;
FARPROC s_pfnSetLayout = kNotBound;

FARPROC BindGdi(FARPROC& pfn, LPCSTR lpszName)
{
    if (pfn == kNotBound)
    {
        HMODULE hGdi = ::GetModuleHandleA("GDI32.DLL");
        pfn = hGdi ? ::GetProcAddress(hGdi, lpszName) : nullptr;
    }
    return pfn;
}

template <class TFn>
TFn FunctionCast(FARPROC pfn)
{
    // One function pointer type to another: no detour through a data pointer.
    return reinterpret_cast<TFn>(pfn);
}

int Clamp255(double d)
{
    if (!(d > 0.0))
        return 0;
    return d >= 255.0 ? 255 : int(d);
}

int HueValue(int m1, int m2, int x)
{
    if (x < 0)
        x += 255;
    if (x > 255)
        x -= 255;
    if (6 * x < 255)
        return m1 + ((m2 - m1) / 255) * x * 6;
    if (2 * x < 255)
        return m2;
    if (3 * x < 510)
        return m1 + ((m2 - m1) / 255) * (170 - x) * 6;
    return m1;
}

int ToByte(int n)
{
    return n < 0 ? 0 : (n > 255 ? 255 : n);
}

struct FontSearch
{
    LPCWSTR lpszFaceName;
    bool bFound;
};

int CALLBACK EnumFontFace(const LOGFONTW* plf, const TEXTMETRICW*, DWORD, LPARAM lParam)
{
    FontSearch* pSearch = reinterpret_cast<FontSearch*>(lParam);
    if (::lstrcmpiW(plf->lfFaceName, pSearch->lpszFaceName) == 0)
    {
        pSearch->bFound = true;
        return 0;
    }
    return 1;
}
}

CZMRDrawHelpers::CZMRDrawHelpers(LPCWSTR lpszModule)
    : m_pfnAlphaBlend(nullptr), m_pfnTransparentBlt(nullptr), m_pfnGradientFill(nullptr)
{
    m_hMsImg32 = ::LoadLibraryW(lpszModule);
    if (m_hMsImg32)
    {
        m_pfnGradientFill = FunctionCast<PFNGRADIENTFILL>(::GetProcAddress(m_hMsImg32, "GradientFill"));
        m_pfnAlphaBlend = FunctionCast<PFNALPHABLEND>(::GetProcAddress(m_hMsImg32, "AlphaBlend"));
        m_pfnTransparentBlt = FunctionCast<PFNTRANSPARENTBLT>(::GetProcAddress(m_hMsImg32, "TransparentBlt"));
    }
}

CZMRDrawHelpers::~CZMRDrawHelpers()
{
}

CZMRDrawHelpers* GetDrawHelpers()
{
    static CZMRDrawHelpers s_helpers;
    return &s_helpers;
}

// Gradients --------------------------------------------------------------

void CZMRDrawHelpers::GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz)
{
    if (!lpRect || ::IsRectEmpty(lpRect))
        return;
    if (IsLowColorDisplay(pDC->GetSafeHdc()) || crFrom == crTo)
    {
        pDC->FillSolidRect(lpRect, crFrom);
        return;
    }
    if (!m_pfnGradientFill || (IsDCRightToLeft(pDC) && GetOSVersionInfo()->IsWin9x()))
        GradientFillStepped(pDC, lpRect, crFrom, crTo, bHorz);
    else
        GradientFillSystem(pDC, lpRect, crFrom, crTo, bHorz);
}

void CZMRDrawHelpers::GradientFillSystem(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz)
{
    TRIVERTEX vertices[2] = {
        {lpRect->left, lpRect->top, COLOR16(GetRValue(crFrom) << 8), COLOR16(GetGValue(crFrom) << 8),
         COLOR16(GetBValue(crFrom) << 8), 0},
        {lpRect->right, lpRect->bottom, COLOR16(GetRValue(crTo) << 8), COLOR16(GetGValue(crTo) << 8),
         COLOR16(GetBValue(crTo) << 8), 0},
    };
    GRADIENT_RECT gradientRect = {0, 1};
    m_pfnGradientFill(pDC->GetSafeHdc(), vertices, 2, &gradientRect, 1,
                      bHorz ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

void CZMRDrawHelpers::GradientFillStepped(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz)
{
    const CRect rect(lpRect);
    const int nWidth = std::max(rect.Width(), 1);
    const int nHeight = std::max(rect.Height(), 1);

    CRect rcArea;
    pDC->GetClipBox(&rcArea);
    if (rcArea.IsRectEmpty())
        rcArea = rect;
    else if (!rcArea.IntersectRect(&rcArea, &rect))
        return;

    if (bHorz)
    {
        for (int x = rcArea.left; x < rcArea.right; x++)
        {
            COLORREF clr = MixColors(crFrom, crTo, 1.0 - double(x - rect.left) / nWidth);
            pDC->FillSolidRect(x, rcArea.top, 1, rcArea.Height(), clr);
        }
    }
    else
    {
        for (int y = rcArea.top; y < rcArea.bottom; y++)
        {
            COLORREF clr = MixColors(crFrom, crTo, 1.0 - double(y - rect.top) / nHeight);
            pDC->FillSolidRect(rcArea.left, y, rcArea.Width(), 1, clr);
        }
    }
}

void CZMRDrawHelpers::GradientFillClipped(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz,
                                          LPCRECT lpRectClip)
{
    if (!lpRectClip)
    {
        GradientFill(pDC, lpRect, crFrom, crTo, bHorz);
        return;
    }
    // An empty rectangle draws nothing, and its width or height would divide
    // the edge colours by zero.
    if (!lpRect || ::IsRectEmpty(lpRect))
        return;

    const CRect rect(lpRect);
    const CRect& clip = *lpRectClip;
    CRect rc(rect);
    COLORREF clrFrom = crFrom, clrTo = crTo;

    // The edges along the gradient and across it.
    LONG RECT::*const pNear = bHorz ? &RECT::left : &RECT::top;
    LONG RECT::*const pFar = bHorz ? &RECT::right : &RECT::bottom;
    LONG RECT::*const pSideNear = bHorz ? &RECT::top : &RECT::left;
    LONG RECT::*const pSideFar = bHorz ? &RECT::bottom : &RECT::right;

    rc.*pSideNear = std::max(rc.*pSideNear, clip.*pSideNear);
    rc.*pSideFar = std::min(rc.*pSideFar, clip.*pSideFar);
    if (clip.*pFar < rc.*pNear || rc.*pFar < clip.*pNear)
        return;
    const double dLength = rect.*pFar - rect.*pNear;
    if (rc.*pNear < clip.*pNear)
    {
        rc.*pNear = clip.*pNear;
        clrFrom = MixColors(crFrom, crTo, (rect.*pFar - clip.*pNear) / dLength);
    }
    if (clip.*pFar < rc.*pFar)
    {
        rc.*pFar = clip.*pFar;
        clrTo = MixColors(crFrom, crTo, (rect.*pFar - clip.*pFar) / dLength);
    }
    GradientFill(pDC, rc, clrFrom, clrTo, bHorz);
}

void CZMRDrawHelpers::DrawColorGradient(CDC* pDC, LPCRECT lpRect, const CZMRPaintManagerColorGradient& grc,
                                        BOOL bHorz, LPCRECT lpRectClip)
{
    const COLORREF clrFirst = grc.clrLight.GetColor();
    const COLORREF clrSecond = grc.clrDark.GetColor();
    const float fFactor = grc.fGradientFactor;

    if (fFactor == 0.5f)
    {
        GradientFillClipped(pDC, lpRect, clrFirst, clrSecond, bHorz, lpRectClip);
        return;
    }

    const COLORREF clrMiddle = MixColors(clrFirst, clrSecond, fFactor);
    CRect rcFirst(lpRect), rcSecond(lpRect);
    if (bHorz)
        rcFirst.right = rcSecond.left = lpRect->right - (lpRect->right - lpRect->left) / 2;
    else
        rcFirst.bottom = rcSecond.top = lpRect->bottom - (lpRect->bottom - lpRect->top) / 2;
    GradientFillClipped(pDC, rcFirst, clrFirst, clrMiddle, bHorz, lpRectClip);
    GradientFillClipped(pDC, rcSecond, clrMiddle, clrSecond, bHorz, lpRectClip);
}

// Colours ----------------------------------------------------------------

COLORREF CZMRDrawHelpers::MixColors(COLORREF clrFirst, COLORREF clrSecond, double dRatio)
{
    auto mix = [dRatio](int a, int b) { return Clamp255(dRatio * a + (1.0 - dRatio) * b); };
    return RGB(mix(GetRValue(clrFirst), GetRValue(clrSecond)), mix(GetGValue(clrFirst), GetGValue(clrSecond)),
               mix(GetBValue(clrFirst), GetBValue(clrSecond)));
}

DWORD CZMRDrawHelpers::RGBToHSL(COLORREF clr)
{
    const int r = GetRValue(clr), g = GetGValue(clr), b = GetBValue(clr);
    const int nMax = std::max(std::max(r, g), b);
    const int nMin = std::min(std::min(r, g), b);
    const int nSum = nMax + nMin;
    const int L = (nSum + 1) / 2;
    int H, S;

    if (nMax == nMin)
    {
        H = 255;
        S = 0;
    }
    else
    {
        const int d = nMax - nMin;
        S = L < 127 ? ((d + 1) * 256) / nSum : (d * 256) / (512 - nSum);
        int nHue;
        if (r == nMax)
            nHue = (g - b) * 256 / d;
        else if (g == nMax)
            nHue = (b - r) * 256 / d + 512;
        else
            nHue = (r - g) * 256 / d + 1024;
        H = nHue / 6;
        if (H < 0)
            H += 256;
    }

    const DWORD dwHue = DWORD(std::min(H * 239 / 255, 239));
    const DWORD dwSat = DWORD(std::min(S * 240 / 255, 240));
    const DWORD dwLight = DWORD(std::min(L * 240 / 255, 240));
    return dwHue | (dwSat << 8) | (dwLight << 16);
}

COLORREF CZMRDrawHelpers::HSLToRGB(DWORD dwHSL)
{
    const int h = int(dwHSL & 0xFF) * 255 / 239;
    const int s = int((dwHSL >> 8) & 0xFF) * 255 / 240;
    const int l = int((dwHSL >> 16) & 0xFF) * 255 / 240;

    if (s == 0)
    {
        const int n = ToByte(l);
        return RGB(n, n, n);
    }
    const int m2 = l <= 127 ? l * (255 + s) : (l + s - l * s / 255) * 255;
    const int m1 = 510 * l - m2;
    return RGB(ToByte(HueValue(m1, m2, h + 85) / 255), ToByte(HueValue(m1, m2, h) / 255),
               ToByte(HueValue(m1, m2, h - 85) / 255));
}

BOOL CZMRDrawHelpers::IsLowColorDisplay(HDC hDC)
{
    return CZMRColorManager::IsLowColorDepth(hDC);
}

// Windows and layout -----------------------------------------------------

DWORD CZMRDrawHelpers::GetDCLayout(HDC hDC)
{
    FARPROC pfn = BindGdi(s_pfnGetLayout, "GetLayout");
    return pfn ? FunctionCast<PFNGETLAYOUT>(pfn)(hDC) : 0;
}

void CZMRDrawHelpers::SetDCLayout(HDC hDC, DWORD dwLayout)
{
    FARPROC pfn = BindGdi(s_pfnSetLayout, "SetLayout");
    if (pfn)
        FunctionCast<PFNSETLAYOUT>(pfn)(hDC, dwLayout);
}

BOOL CZMRDrawHelpers::IsDCRightToLeft(CDC* pDC)
{
    if (!pDC)
        return FALSE;
    const DWORD dwLayout = GetDCLayout(pDC->GetSafeHdc());
    return dwLayout != 0 && dwLayout != GDI_ERROR;
}

void CZMRDrawHelpers::SetDCRightToLeft(CDC* pDC, DWORD dwLayout)
{
    if (pDC)
        SetDCLayout(pDC->GetSafeHdc(), dwLayout);
}

void CZMRDrawHelpers::SwapArrowKeyForRTL(CWnd* pWnd, UINT& nChar)
{
    if (!pWnd || !pWnd->GetSafeHwnd())
        return;
    if (!(::GetWindowLongW(pWnd->GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL))
        return;
    if (nChar == VK_LEFT)
        nChar = VK_RIGHT;
    else if (nChar == VK_RIGHT)
        nChar = VK_LEFT;
}

BOOL CZMRDrawHelpers::IsTopOwnerForeground(HWND hWnd)
{
    HWND hTop = hWnd;
    for (HWND hNext = AfxGetParentOwner(hTop); hNext; hNext = AfxGetParentOwner(hTop))
        hTop = hNext;
    return ::GetForegroundWindow() == ::GetLastActivePopup(hTop);
}

BOOL CZMRDrawHelpers::RegisterWndClass(HINSTANCE hInstance, LPCWSTR lpszClassName, UINT nStyle, HICON hIcon)
{
    WNDCLASSW wc = {};
    wc.style = nStyle;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = hInstance ? hInstance : AfxGetInstanceHandle();
    wc.hIcon = hIcon;
    wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));   // IDC_ARROW
    wc.lpszClassName = lpszClassName;
    return AfxRegisterClass(&wc);
}

void GetDefaultWindowText(HWND hWnd, CString& rString)
{
    const int nLength = int(::DefWindowProcW(hWnd, WM_GETTEXTLENGTH, 0, 0));
    std::vector<WCHAR> buffer(size_t(std::max(nLength, 0)) + 1, 0);
    ::DefWindowProcW(hWnd, WM_GETTEXT, WPARAM(buffer.size()), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = 0;
    rString = buffer.data();
}

void DCSetPixel(HDC hDC, int x, int y, COLORREF clr)
{
    if (hDC)
        ::SetPixelV(hDC, x, y, clr);
}

void DCSetPixel(CDC* pDC, int x, int y, COLORREF clr) { DCSetPixel(pDC ? pDC->GetSafeHdc() : nullptr, x, y, clr); }

int ImageListAddActCtx(HIMAGELIST hImageList, HBITMAP hBitmap, COLORREF clrMask)
{
    return AfxImageListAddMasked(hImageList, hBitmap, clrMask);
}

// Shapes and pixels ------------------------------------------------------

void CZMRDrawHelpers::Triangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2)
{
    POINT points[3] = {pt0, pt1, pt2};
    ::Polygon(pDC->GetSafeHdc(), points, 3);
}

void CZMRDrawHelpers::ClipOutCornerPixels(CDC* pDC, CRect rc)
{
    HDC hDC = pDC->GetSafeHdc();
    ::ExcludeClipRect(hDC, rc.left, rc.top, rc.left + 1, rc.top + 1);
    ::ExcludeClipRect(hDC, rc.right - 1, rc.top, rc.right, rc.top + 1);
    ::ExcludeClipRect(hDC, rc.left, rc.bottom - 1, rc.left + 1, rc.bottom);
    ::ExcludeClipRect(hDC, rc.right - 1, rc.bottom - 1, rc.right, rc.bottom);
}

void CZMRDrawHelpers::AveragePixels(CDC* pDC, const POINT* pPoints, int nCount)
{
    if (!pPoints)
        return;
    HDC hDC = pDC->GetSafeHdc();
    // Whole pairs only: an odd count leaves the last point alone instead of
    // reading an offset past the array.
    for (int i = 0; i + 1 < nCount; i += 2)
    {
        const POINT pt = pPoints[i];
        const POINT offset = pPoints[i + 1];
        const COLORREF clr1 = ::GetPixel(hDC, pt.x, pt.y);
        const COLORREF clr2 = ::GetPixel(hDC, pt.x + offset.x, pt.y + offset.y);
        DCSetPixel(hDC, pt.x, pt.y,
           RGB((GetRValue(clr1) + GetRValue(clr2)) / 2, (GetGValue(clr1) + GetGValue(clr2)) / 2,
               (GetBValue(clr1) + GetBValue(clr2)) / 2));
    }
}

// Text -------------------------------------------------------------------

void CZMRDrawHelpers::RemoveMnemonicMarkers(CString& strCaption)
{
    const int nLength = strCaption.GetLength();
    CString strResult;
    for (int i = 0; i < nLength; i++)
    {
        WCHAR ch = strCaption[i];
        if (ch == L'&')
        {
            if (i + 1 < nLength && strCaption[i + 1] == L'&')
            {
                strResult.AppendChar(L'&');
                i++;
            }
            continue;
        }
        strResult.AppendChar(ch);
    }
    strCaption = strResult;
}

void CZMRDrawHelpers::RemoveMnemonicMarkersInPlace(LPWSTR lpszCaption)
{
    if (!lpszCaption || lpszCaption == reinterpret_cast<LPWSTR>(-1))
        return;
    LPWSTR pWrite = lpszCaption;
    for (LPCWSTR pRead = lpszCaption; *pRead; pRead++)
    {
        if (*pRead == L'&')
        {
            if (pRead[1] != L'&')
                continue;
            pRead++;
        }
        *pWrite++ = *pRead;
    }
    *pWrite = 0;
}

BOOL CZMRDrawHelpers::HasFontFace(LPCWSTR lpszFaceName)
{
    if (!lpszFaceName)
        return FALSE;
    FontSearch search = {lpszFaceName, false};
    HWND hWndDesktop = ::GetDesktopWindow();
    HDC hDC = ::GetWindowDC(hWndDesktop);
    if (!hDC)
        return FALSE;
    LOGFONTW lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExW(hDC, &lf, EnumFontFace, reinterpret_cast<LPARAM>(&search), 0);
    ::ReleaseDC(hWndDesktop, hDC);
    return search.bFound;
}

void CZMRDrawHelpers::PickUiFontFace(CString& strFaceName, BOOL bPreferTahoma)
{
    LOGFONTW lf = {};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);

    const BOOL bUseSystemFace = lf.lfCharSet > SYMBOL_CHARSET && GetOSVersionInfo()->IsWin2KOrLater()
        && ::lstrcmpiW(lf.lfFaceName, L"MS Shell Dlg") != 0;

    strFaceName = L"Arial";
    if (bUseSystemFace || !HasFontFace(L"Arial"))
        strFaceName = lf.lfFaceName;
    else if (bPreferTahoma && HasFontFace(L"Tahoma"))
        strFaceName = L"Tahoma";
}
