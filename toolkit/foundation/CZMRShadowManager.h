// Soft drop shadows of popup menus and popup bars: small layered tool windows
// to the right of and below a popup, filled with an alpha gradient, that
// follow the popup's visibility and die with it.
#pragma once
#include "CZMRHookManager.h"

// Option bits of the shadow manager.
enum
{
    ZMR_SHADOW_ALWAYS = 1,    // show shadows whatever the system setting and the alpha ability, lighter
    ZMR_SHADOW_EXCLUDE = 2,   // cut the caller's exclusion rectangle out of new shadows
};

class CZMRShadowManager : public CCmdTarget
{
public:
    typedef BOOL (WINAPI* PFNUPDATELAYEREDWINDOW)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF,
                                                  BLENDFUNCTION*, DWORD);

    enum ShadowKind
    {
        shadowRight = 0,
        shadowBottom = 1,
        shadowCorner = 2,
    };

    // One shadow window; it watches its owner through the hook manager.
    class CShadowWnd : public CWnd, public CZMRHookManagerHookAble
    {
    public:
        explicit CShadowWnd(CZMRShadowManager* pManager);
        ~CShadowWnd() override;

        BOOL Create(int nKind, const CRect& rcOwner);
        void AdjustToNeighbours(CShadowWnd* pOther);
        void ExcludeRect(CRect rcExclude);
        // The colour bytes of one pixel: each channel of the shadow colour
        // times the factor, the alpha in the top byte.
        DWORD ShadowPixel(int nAlpha, double dFactor) const;

        int HandleHookedMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;

        int m_nKind;
        BOOL m_bHasRegion;
        CWnd* m_pOwner;
        BOOL m_bRectBased;
        CZMRShadowManager* m_pManager;

    protected:
        void OnPaint();
        void OnSize(UINT nType, int cx, int cy);
        // Fills a layered bitmap of the window's size and hands it over.
        void UpdateShadowBitmap(int cx, int cy);
        DECLARE_MESSAGE_MAP()
    };

    class CShadowList : public CList<CShadowWnd*, CShadowWnd*>
    {
    public:
        CShadowList() : CList<CShadowWnd*, CShadowWnd*>(10) {}
    };

    CZMRShadowManager();
    ~CZMRShadowManager() override;

    // The popup's shadows; rcExclude (screen) is left uncovered with option 2.
    void SetShadow(CWnd* pPopup, const CRect& rcExclude);
    // Shadows of a rectangle (screen) owned by a window; only with options 1 and 2.
    void SetShadowRect(int nLeft, int nTop, int nRight, int nBottom, CWnd* pOwner);
    void RemoveShadows(CWnd* pOwner);
    // Follows a change of the owner's size by dx, dy.
    void OffsetShadows(CWnd* pOwner, int dx, int dy);
    void DestroyShadow(CShadowWnd* pShadow);
    CShadowWnd* CreateShadow(int nKind, const CRect& rcOwner, const CRect& rcExclude, CWnd* pOwner, BOOL bRectBased);
    BOOL IsAlphaShadowAvailable() const;

    // Set by the themes (options, colour); the rest is filled at construction.
    BOOL m_bUseClassStyle;
    PFNUPDATELAYEREDWINDOW m_pfnUpdateLayeredWindow;
    // Where the system's drop-shadow setting is read (tests put their own
    // answer here instead of changing the setting for the whole desktop).
    BOOL(WINAPI* m_pfnSystemParametersInfo)(UINT, UINT, PVOID, UINT);
    CShadowList* m_pShadows;
    BOOL m_bAlphaShadow;
    DWORD m_dwOptions;
    COLORREF m_clrShadow;
};
