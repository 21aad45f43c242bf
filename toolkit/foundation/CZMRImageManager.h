// The toolkit's store of icons: one icon set per command id, one icon per
// width in a set, eight image handles per icon.
#pragma once

#include "CZMRIconHandle.h"
#include "CZMRImageManagerResource.h"

class CZMRImageManagerIconSet;
class CZMRPropExchange;
class CZMRImageManagerImageList;

// Icon states as the adding and lookup operations number them.
enum
{
    ZMR_ICONSTATE_NORMAL = 0,
    ZMR_ICONSTATE_DISABLED = 1,
    ZMR_ICONSTATE_HOT = 2,
    ZMR_ICONSTATE_CHECKED = 3,
    ZMR_ICONSTATE_PRESSED = 4,
};

class CZMRImageManagerIcon : public CCmdTarget
{
public:
    CZMRImageManagerIcon(UINT nID, int nWidth, int nHeight, CZMRImageManagerIconSet* pIconSet = nullptr);
    virtual ~CZMRImageManagerIcon();

    UINT GetID() const { return m_nID; }
    CSize GetExtent() const;
    BOOL IsAlpha() const { return m_hNormal.IsAlpha(); }
    CZMRIconHandle& GetNormalIcon() { return m_hNormal; }

    // Drawing: a size of 0 takes the icon's width, and the height in
    // proportion. The composited flag draws through a 32-bit buffer.
    void Draw(CDC* pDC, CPoint pt, CZMRIconHandle& handle, CSize sz = CSize(0, 0));
    void DrawNormal(CDC* pDC, CPoint pt, CSize sz);
    void DrawNormalAt(CDC* pDC, CPoint pt);
    // The handle's shape in one colour; nothing for an alpha handle.
    void DrawSilhouette(CDC* pDC, CPoint pt, CZMRIconHandle& handle, CSize sz, COLORREF clr);

    CZMRIconHandle& GetIcon(int nState);
    CZMRIconHandle& GetHotIcon();
    CZMRIconHandle& GetCheckedIcon();
    CZMRIconHandle& GetPressedIcon();
    // The explicit disabled image, else the generated one, built on request.
    CZMRIconHandle& GetDisabledIcon(BOOL bCreate = TRUE);
    BOOL HasDisabledIcon() const;
    // Derived images, built once and kept until ClearGenerated.
    CZMRIconHandle& GetFadedIcon();
    CZMRIconHandle& GetShadowIcon();
    // Grey when either colour is -1, else shades between dark and light.
    void CreateDisabledIcon(COLORREF clrLight = static_cast<COLORREF>(-1),
                            COLORREF clrDark = static_cast<COLORREF>(-1));
    static COLORREF LightenColor(COLORREF clr, double dFactor);

    // Storing and loading: height, schema, then the state images.
    void Serialize(CArchive& ar) override;
    void SerializeHandle(CZMRIconHandle& handle, CArchive& ar, int nSchema);
    static void WriteDib(CArchive& ar, HBITMAP hBitmap);
    static HBITMAP ReadDib(CArchive& ar, LPBYTE* ppBits);

    BOOL SetNormalIcon(const CZMRIconHandle& handle);
    BOOL SetHotIcon(const CZMRIconHandle& handle);
    BOOL SetCheckedIcon(const CZMRIconHandle& handle);
    BOOL SetPressedIcon(const CZMRIconHandle& handle);
    BOOL SetDisabledIcon(const CZMRIconHandle& handle);

    void ClearImages(BOOL bAll);
    void ClearGenerated();

    BOOL m_bDrawComposited;

    // Tuning of the generated grey image.
    static double m_dDisabledGamma;
    static double m_dDisabledAlphaDivisor;

protected:
    // A size of 0 takes the icon's width, and the height in proportion
    // (integer division, as unsigned numbers).
    CSize GetDrawSize(CSize sz) const;
    void CreateFadedIcon();
    void CreateShadowIcon();
    // Puts one state's image in place; the images derived from the old ones
    // go and are built again when asked for.
    BOOL SetStateIcon(CZMRIconHandle& hState, const CZMRIconHandle& handle);

    UINT m_nID;
    int m_nWidth;
    int m_nHeight;
    CZMRIconHandle m_hNormal;
    CZMRIconHandle m_hFaded;
    CZMRIconHandle m_hShadow;
    CZMRIconHandle m_hHot;
    CZMRIconHandle m_hChecked;
    CZMRIconHandle m_hPressed;
    CZMRIconHandle m_hDisabled;
    CZMRIconHandle m_hDisabledAuto;
    CZMRImageManagerIconSet* m_pIconSet;
    CZMRImageManagerImageList* m_pImageList;

    friend class CZMRImageManagerIconSet;
};

class CZMRImageManagerIconSet : public CCmdTarget
{
public:
    CZMRImageManagerIconSet(UINT nID, CZMRImageManager* pImageManager);
    virtual ~CZMRImageManagerIconSet();

    CZMRImageManagerIcon* GetIcon(UINT nWidth, BOOL bScaled = TRUE);
    CZMRImageManagerIcon* CreateIcon(UINT nWidth);

    void SetIcon(const CZMRIconHandle& handle, UINT nWidth);
    void SetDisabledIcon(const CZMRIconHandle& handle, UINT nWidth);
    void SetHotIcon(const CZMRIconHandle& handle, UINT nWidth);
    void SetCheckedIcon(const CZMRIconHandle& handle, UINT nWidth);
    void SetPressedIcon(const CZMRIconHandle& handle, UINT nWidth);

    void RemoveAll();
    void ClearGenerated();
    // Enters an icon under a width, releasing one that was there before.
    void SetIconAt(UINT nWidth, CZMRImageManagerIcon* pIcon);

    UINT GetID() const { return m_nID; }
    CZMRImageManager* GetImageManager() const { return m_pImageManager; }
    CMap<UINT, UINT, CZMRImageManagerIcon*, CZMRImageManagerIcon*>& GetIcons() { return m_mapIcons; }

protected:
    CMap<UINT, UINT, CZMRImageManagerIcon*, CZMRImageManagerIcon*> m_mapIcons;
    UINT m_nID;
    CZMRImageManager* m_pImageManager;
};

class CZMRImageManager : public CCmdTarget
{
public:
    CZMRImageManager();
    virtual ~CZMRImageManager();

    BOOL SetIcon(const CZMRIconHandle& handle, UINT nCommand, int nWidth, int nHeight, int nState);
    BOOL SetIcons(CBitmap& bmpIcons, const UINT* pCommands, int nCount, int nWidth, int nHeight,
                  int nState, BOOL bAlpha);
    BOOL SetIconsFromImageList(CImageList& imlIcons, const UINT* pCommands, int nCount, int nWidth,
                               int nHeight, int nState);

    BOOL AddIconFromResource(LPCWSTR lpszName, UINT nCommand, int nWidth, int nHeight, int nState);
    BOOL SetIconsFromResource(LPCWSTR lpszName, const UINT* pCommands, int nCount, int nWidth,
                              int nHeight, int nState);
    BOOL SetIconsFromResourceId(UINT nIDResource, const UINT* pCommands, int nCount, int nWidth,
                                int nHeight, int nState);
    BOOL LoadToolBarIds(UINT nIDToolBar, UINT** ppCommands, int* pnCount, CSize* pszButton);
    BOOL SetIconsFromToolBar(UINT nIDToolBar, UINT nIDBitmap, int nState);
    BOOL LoadToolBarIcons(UINT nID, int nState = ZMR_ICONSTATE_NORMAL);

    CZMRImageManagerIcon* GetImage(UINT nCommand, int nWidth = 0);
    BOOL ContainsIcon(UINT nCommand, int nWidth);
    COLORREF SetMaskColor(COLORREF clrMask);
    void RefreshAll();
    void RemoveAll();

    CZMRImageManagerIconSet* GetIconSet(UINT nCommand) const;
    CZMRImageManagerResource* GetResource(int nWidth, int nHeight);
    BOOL IsRTLDrawing(CDC* pDC) const;

    // Saving and loading every icon set, or one.
    void Serialize(CArchive& ar) override;
    void DoPropExchange(CZMRPropExchange* pPX);
    void DoPropExchangeIconSet(UINT nCommand, CZMRPropExchange* pPX);

    // Blits that use no manager state. AlphaBlend draws premultiplied
    // pixels with per-pixel alpha; TransparentBlt leaves out one colour.
    BOOL AlphaBlend(HDC hdcDest, const CRect& rcDest, HDC hdcSrc, const CRect& rcSrc);
    BOOL TransparentBlt(HDC hdcDest, const CRect& rcDest, HDC hdcSrc, const CRect& rcSrc, UINT crTransparent);
    static BOOL AlphaBlendFallback(HDC hdcDest, int nXDest, int nYDest, int nWidth, int nHeight, HDC hdcSrc,
                                   int nXSrc, int nYSrc, int nWidthSrc, int nHeightSrc);
    static BOOL TransparentBltFallback(HDC hdcDest, int nXDest, int nYDest, int nWidth, int nHeight, HDC hdcSrc,
                                       int nXSrc, int nYSrc, int nWidthSrc, int nHeightSrc, UINT crTransparent);
    // Result = source + destination x (255 - source alpha) / 255, per channel.
    static BOOL BlendBitmaps(HBITMAP hbmSrc, BOOL bSrcMirrored, HBITMAP hbmDest, BOOL bDestMirrored,
                             HBITMAP hbmResult);

    static BOOL SplitBitmap(HBITMAP hBitmap, int nCount, HBITMAP* pBitmaps);

    BOOL m_bUseResources;
    COLORREF m_clrMask;
    int m_nDrawReverted;

protected:
    CMap<UINT, UINT, CZMRImageManagerIconSet*, CZMRImageManagerIconSet*> m_mapImages;
    CMap<DWORD, DWORD, CZMRImageManagerResource*, CZMRImageManagerResource*> m_mapResources;
    UINT m_nCustomID;
};

CZMRImageManager* GetImageManager();

// Draws a bitmap of premultiplied pixels; a source size of 0, 0 is the
// destination size.
BOOL AlphaBlendBitmap(CDC* pDC, HBITMAP hBitmap, int x, int y, int cx, int cy, int xSrc, int ySrc, int cxSrc,
                      int cySrc);
COLORREF GetBitmapPixel(CBitmap* pBitmap, int x, int y);
// An icon drawn through a 32-bit buffer; a negative width mirrors it into
// the rectangle left of x.
void DrawIconComposited(CDC* pDC, int x, int y, int cx, int cy, HICON hIcon);

BOOL IsVerticalBarPosition(int nPosition);
BOOL IsSideDockPosition(int nPosition);
