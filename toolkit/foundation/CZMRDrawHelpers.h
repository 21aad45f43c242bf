// The toolkit's shared drawing routines: gradient fills, colour mixing and
// hue/saturation/lightness conversions, right-to-left layout of device
// contexts, triangles, corner clipping, pixel averaging, mnemonic removal,
// window-class registration and the choice of the interface font face.
#pragma once
#include "Framework.h"

class CZMRPaintManagerColorGradient;

class CZMRDrawHelpers
{
public:
    typedef BOOL (WINAPI* PFNALPHABLEND)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
    typedef BOOL (WINAPI* PFNTRANSPARENTBLT)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);
    typedef BOOL (WINAPI* PFNGRADIENTFILL)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

    // "msimg32.dll" in the product; a test may name a module that is missing.
    explicit CZMRDrawHelpers(LPCWSTR lpszModule = L"msimg32.dll");
    virtual ~CZMRDrawHelpers();

    void GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz);
    void GradientFillClipped(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz, LPCRECT lpRectClip);
    void DrawColorGradient(CDC* pDC, LPCRECT lpRect, const CZMRPaintManagerColorGradient& grc, BOOL bHorz,
                           LPCRECT lpRectClip = nullptr);
    void GradientFillSystem(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz);
    void GradientFillStepped(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz);

    static COLORREF MixColors(COLORREF clrFirst, COLORREF clrSecond, double dRatio);
    static DWORD RGBToHSL(COLORREF clr);
    static COLORREF HSLToRGB(DWORD dwHSL);
    static BOOL IsLowColorDisplay(HDC hDC = nullptr);

    static DWORD GetDCLayout(HDC hDC);
    static void SetDCLayout(HDC hDC, DWORD dwLayout);
    static BOOL IsDCRightToLeft(CDC* pDC);
    static void SetDCRightToLeft(CDC* pDC, DWORD dwLayout);
    static void SwapArrowKeyForRTL(CWnd* pWnd, UINT& nChar);
    static BOOL IsTopOwnerForeground(HWND hWnd);
    static BOOL RegisterWndClass(HINSTANCE hInstance, LPCWSTR lpszClassName, UINT nStyle, HICON hIcon = nullptr);

    static void Triangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2);
    static void ClipOutCornerPixels(CDC* pDC, CRect rc);
    // Pairs of (pixel, offset): each pixel becomes the average of itself and
    // the pixel at pixel + offset.
    static void AveragePixels(CDC* pDC, const POINT* pPoints, int nCount);

    static void RemoveMnemonicMarkers(CString& strCaption);
    static void RemoveMnemonicMarkersInPlace(LPWSTR lpszCaption);
    static BOOL HasFontFace(LPCWSTR lpszFaceName);
    static void PickUiFontFace(CString& strFaceName, BOOL bPreferTahoma);

    PFNALPHABLEND m_pfnAlphaBlend;
    PFNTRANSPARENTBLT m_pfnTransparentBlt;
    PFNGRADIENTFILL m_pfnGradientFill;

protected:
    HMODULE m_hMsImg32;   // never freed
};

CZMRDrawHelpers* GetDrawHelpers();

// The window text as the default window procedure reports it, bypassing a
// window procedure that answers WM_GETTEXT itself.
void GetDefaultWindowText(HWND hWnd, CString& rString);

// Sets one pixel; nothing without a device context.
void DCSetPixel(HDC hDC, int x, int y, COLORREF clr);
void DCSetPixel(CDC* pDC, int x, int y, COLORREF clr);

// Adds the bitmap to the image list masked by the colour, inside the
// activation context of the program's manifest; the new image's index, -1
// on failure.
int ImageListAddActCtx(HIMAGELIST hImageList, HBITMAP hBitmap, COLORREF clrMask);
