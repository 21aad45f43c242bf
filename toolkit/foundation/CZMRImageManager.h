// The toolkit's store of icons: one icon set per command id, one icon per
// width in a set, eight image handles per icon.
#pragma once

#include "CZMRIconHandle.h"
#include "CZMRImageManagerResource.h"

class CZMRImageManagerIconSet;
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

    CZMRIconHandle& GetIcon(int nState);
    CZMRIconHandle& GetHotIcon();
    CZMRIconHandle& GetCheckedIcon();
    CZMRIconHandle& GetPressedIcon();
    // The explicit disabled image, else the generated one (built elsewhere).
    CZMRIconHandle& GetDisabledIcon(BOOL bCreate = TRUE);
    BOOL HasDisabledIcon() const;

    BOOL SetNormalIcon(const CZMRIconHandle& handle);
    BOOL SetHotIcon(const CZMRIconHandle& handle);
    BOOL SetCheckedIcon(const CZMRIconHandle& handle);
    BOOL SetPressedIcon(const CZMRIconHandle& handle);
    BOOL SetDisabledIcon(const CZMRIconHandle& handle);

    void ClearImages(BOOL bAll);
    void ClearGenerated();

    BOOL m_bDrawComposited;

protected:
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

BOOL IsVerticalBarPosition(int nPosition);
BOOL IsSideDockPosition(int nPosition);
