#include "CZMRImageManager.h"
#include "CZMRDrawHelpers.h"
#include "CZMRSilhouetteCache.h"

#include <commctrl.h>
#include <cstdlib>
#include <cstring>

// ---------------------------------------------------------------- icon

CZMRImageManagerIcon::CZMRImageManagerIcon(UINT nID, int nWidth, int nHeight, CZMRImageManagerIconSet* pIconSet)
    : m_bDrawComposited(FALSE), m_nID(nID), m_nWidth(nWidth), m_nHeight(nHeight), m_pIconSet(pIconSet),
      m_pImageList(nullptr)
{
    if (pIconSet)
    {
        CZMRImageManager* pManager = pIconSet->GetImageManager();
        CZMRIconHandle* handles[] = {&m_hNormal, &m_hFaded, &m_hShadow, &m_hHot,
                                     &m_hChecked, &m_hPressed, &m_hDisabled, &m_hDisabledAuto};
        for (CZMRIconHandle* pHandle : handles)
            pHandle->m_pImageManager = pManager;
    }
}

CZMRImageManagerIcon::~CZMRImageManagerIcon()
{
    ClearImages(TRUE);
}

CSize CZMRImageManagerIcon::GetExtent() const
{
    return m_hNormal.GetExtent();
}

CZMRIconHandle& CZMRImageManagerIcon::GetIcon(int nState)
{
    switch (nState)
    {
    case ZMR_ICONSTATE_DISABLED:
        return GetDisabledIcon(TRUE);
    case ZMR_ICONSTATE_HOT:
        return GetHotIcon();
    case ZMR_ICONSTATE_CHECKED:
        return GetCheckedIcon();
    case ZMR_ICONSTATE_PRESSED:
        return GetPressedIcon();
    }
    return m_hNormal;
}

CZMRIconHandle& CZMRImageManagerIcon::GetHotIcon()
{
    return m_hHot.IsEmpty() ? m_hNormal : m_hHot;
}

CZMRIconHandle& CZMRImageManagerIcon::GetCheckedIcon()
{
    return m_hChecked.IsEmpty() ? GetHotIcon() : m_hChecked;
}

CZMRIconHandle& CZMRImageManagerIcon::GetPressedIcon()
{
    return m_hPressed.IsEmpty() ? GetHotIcon() : m_hPressed;
}

BOOL CZMRImageManagerIcon::HasDisabledIcon() const
{
    return !m_hDisabled.IsEmpty() || !m_hDisabledAuto.IsEmpty();
}

BOOL CZMRImageManagerIcon::SetNormalIcon(const CZMRIconHandle& handle)
{
    ClearImages(TRUE);
    m_hNormal.CopyHandle(handle);
    m_nWidth = handle.m_nWidth;
    m_nHeight = handle.m_nHeight;
    if (m_pIconSet)
        m_pIconSet->ClearGenerated();
    return TRUE;
}

BOOL CZMRImageManagerIcon::SetStateIcon(CZMRIconHandle& hState, const CZMRIconHandle& handle)
{
    ClearGenerated();
    hState.CopyHandle(handle);
    return TRUE;
}

BOOL CZMRImageManagerIcon::SetHotIcon(const CZMRIconHandle& handle)
{
    return SetStateIcon(m_hHot, handle);
}

BOOL CZMRImageManagerIcon::SetCheckedIcon(const CZMRIconHandle& handle)
{
    return SetStateIcon(m_hChecked, handle);
}

BOOL CZMRImageManagerIcon::SetPressedIcon(const CZMRIconHandle& handle)
{
    return SetStateIcon(m_hPressed, handle);
}

BOOL CZMRImageManagerIcon::SetDisabledIcon(const CZMRIconHandle& handle)
{
    return SetStateIcon(m_hDisabled, handle);
}

void CZMRImageManagerIcon::ClearImages(BOOL bAll)
{
    CZMRSilhouetteCache::Drop(this);
    if (bAll)
        m_hNormal.Clear();
    m_hFaded.Clear();
    m_hShadow.Clear();
    m_hHot.Clear();
    m_hChecked.Clear();
    m_hPressed.Clear();
    m_hDisabled.Clear();
    m_hDisabledAuto.Clear();
}

void CZMRImageManagerIcon::ClearGenerated()
{
    CZMRSilhouetteCache::Drop(this);
    m_hFaded.Clear();
    m_hShadow.Clear();
    m_hDisabledAuto.Clear();
}

// ---------------------------------------------------------------- icon set

CZMRImageManagerIconSet::CZMRImageManagerIconSet(UINT nID, CZMRImageManager* pImageManager)
    : m_nID(nID), m_pImageManager(pImageManager)
{
    m_mapIcons.InitHashTable(17, FALSE);
}

CZMRImageManagerIconSet::~CZMRImageManagerIconSet()
{
    RemoveAll();
}

CZMRImageManagerIcon* CZMRImageManagerIconSet::GetIcon(UINT nWidth, BOOL bScaled)
{
    if (m_mapIcons.IsEmpty())
        return nullptr;

    CZMRImageManagerIcon* pBest = nullptr;
    UINT nBestWidth = 0;
    UINT nKey;
    CZMRImageManagerIcon* pIcon;
    POSITION pos = m_mapIcons.GetStartPosition();

    // Width 0 asks for the smallest icon, width 1 for the largest.
    if (nWidth == 0 || nWidth == 1)
    {
        while (pos)
        {
            m_mapIcons.GetNextAssoc(pos, nKey, pIcon);
            if (!pBest || (nWidth == 0 ? nKey < nBestWidth : nKey > nBestWidth))
            {
                pBest = pIcon;
                nBestWidth = nKey;
            }
        }
        return pBest;
    }

    if (m_mapIcons.Lookup(nWidth, pIcon))
        return pIcon;
    if (!bScaled)
        return nullptr;

    UINT nBestDiff = 0;
    while (pos)
    {
        m_mapIcons.GetNextAssoc(pos, nKey, pIcon);
        UINT nDiff = nKey > nWidth ? nKey - nWidth : nWidth - nKey;
        if (!pBest || nDiff < nBestDiff)
        {
            pBest = pIcon;
            nBestDiff = nDiff;
        }
    }
    return pBest;
}

CZMRImageManagerIcon* CZMRImageManagerIconSet::CreateIcon(UINT nWidth)
{
    CZMRImageManagerIcon* pIcon = nullptr;
    if (m_mapIcons.Lookup(nWidth, pIcon))
        return pIcon;
    pIcon = new CZMRImageManagerIcon(m_nID, static_cast<int>(nWidth), 15, this);
    try
    {
        m_mapIcons.SetAt(nWidth, pIcon);
    }
    catch (...)
    {
        pIcon->InternalRelease();
        throw;
    }
    return pIcon;
}

void CZMRImageManagerIconSet::SetIconAt(UINT nWidth, CZMRImageManagerIcon* pIcon)
{
    // The entry first: when it cannot be made, the set is as it was.
    CZMRImageManagerIcon* pOld = nullptr;
    const BOOL bOld = m_mapIcons.Lookup(nWidth, pOld) && pOld != pIcon;
    m_mapIcons.SetAt(nWidth, pIcon);
    if (bOld)
    {
        pOld->ClearImages(TRUE);
        pOld->InternalRelease();
    }
}

void CZMRImageManagerIconSet::SetIcon(const CZMRIconHandle& handle, UINT nWidth)
{
    CreateIcon(nWidth)->SetNormalIcon(handle);
}

void CZMRImageManagerIconSet::SetDisabledIcon(const CZMRIconHandle& handle, UINT nWidth)
{
    CreateIcon(nWidth)->SetDisabledIcon(handle);
}

void CZMRImageManagerIconSet::SetHotIcon(const CZMRIconHandle& handle, UINT nWidth)
{
    CreateIcon(nWidth)->SetHotIcon(handle);
}

void CZMRImageManagerIconSet::SetCheckedIcon(const CZMRIconHandle& handle, UINT nWidth)
{
    CreateIcon(nWidth)->SetCheckedIcon(handle);
}

void CZMRImageManagerIconSet::SetPressedIcon(const CZMRIconHandle& handle, UINT nWidth)
{
    CreateIcon(nWidth)->SetPressedIcon(handle);
}

void CZMRImageManagerIconSet::RemoveAll()
{
    POSITION pos = m_mapIcons.GetStartPosition();
    while (pos)
    {
        UINT nKey;
        CZMRImageManagerIcon* pIcon;
        m_mapIcons.GetNextAssoc(pos, nKey, pIcon);
        pIcon->ClearImages(TRUE);
        pIcon->InternalRelease();
    }
    m_mapIcons.RemoveAll();
}

void CZMRImageManagerIconSet::ClearGenerated()
{
    POSITION pos = m_mapIcons.GetStartPosition();
    while (pos)
    {
        UINT nKey;
        CZMRImageManagerIcon* pIcon;
        m_mapIcons.GetNextAssoc(pos, nKey, pIcon);
        pIcon->ClearGenerated();
    }
}

// ---------------------------------------------------------------- manager

CZMRImageManager::CZMRImageManager()
    : m_bUseResources(TRUE), m_clrMask(static_cast<COLORREF>(-1)), m_nDrawReverted(2), m_nCustomID(0x10AAA)
{
    m_mapImages.InitHashTable(127, FALSE);
}

CZMRImageManager::~CZMRImageManager()
{
    RemoveAll();
}

CZMRImageManager* GetImageManager()
{
    static CZMRImageManager s_manager;
    return &s_manager;
}

BOOL CZMRImageManager::SetIcon(const CZMRIconHandle& handle, UINT nCommand, int nWidth, int nHeight, int nState)
{
    if (handle.IsEmpty())
        return FALSE;
    if (nWidth == 0 && nHeight == 0)
    {
        nWidth = handle.m_nWidth;
        nHeight = handle.m_nHeight;
        if (nWidth == 0 && nHeight == 0)
            return FALSE;
    }

    CZMRImageManagerIconSet* pIconSet = nullptr;
    if (m_mapImages.Lookup(nCommand, pIconSet))
    {
        switch (nState)
        {
        case ZMR_ICONSTATE_NORMAL: pIconSet->SetIcon(handle, nWidth); break;
        case ZMR_ICONSTATE_DISABLED: pIconSet->SetDisabledIcon(handle, nWidth); break;
        case ZMR_ICONSTATE_HOT: pIconSet->SetHotIcon(handle, nWidth); break;
        case ZMR_ICONSTATE_CHECKED: pIconSet->SetCheckedIcon(handle, nWidth); break;
        case ZMR_ICONSTATE_PRESSED: pIconSet->SetPressedIcon(handle, nWidth); break;
        }
        return TRUE;
    }
    if (nState != ZMR_ICONSTATE_NORMAL)
        return FALSE;

    // Memory running out gives back the new set and what it holds.
    pIconSet = new CZMRImageManagerIconSet(nCommand, this);
    try
    {
        pIconSet->SetIcon(handle, nWidth);
        m_mapImages.SetAt(nCommand, pIconSet);
    }
    catch (...)
    {
        pIconSet->RemoveAll();
        pIconSet->InternalRelease();
        throw;
    }
    return TRUE;
}

BOOL CZMRImageManager::SetIcons(CBitmap& bmpIcons, const UINT* pCommands, int nCount, int nWidth, int nHeight,
                                int nState, BOOL bAlpha)
{
    BITMAP bm;
    if (!bmpIcons.GetSafeHandle() || !::GetObject(bmpIcons.GetSafeHandle(), sizeof(bm), &bm))
        return FALSE;
    const int nBitmapHeight = bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight;

    if (nWidth == 0 && nHeight == 0 && nCount > 0)
    {
        nWidth = bm.bmWidth / nCount;
        nHeight = nBitmapHeight;
    }
    if (nCount == 0 && nWidth > 0)
        nCount = bm.bmWidth / nWidth;
    if (nWidth <= 0)
        return FALSE;

    if (!bAlpha)
    {
        HIMAGELIST hList = ::ImageList_Create(nWidth, nHeight, ILC_COLOR24 | ILC_MASK, 0, 1);
        if (!hList)
            return FALSE;
        COLORREF clrMask = m_clrMask;
        if (clrMask == static_cast<COLORREF>(-1))
        {
            HDC hDC = ::CreateCompatibleDC(nullptr);
            HGDIOBJ hOld = ::SelectObject(hDC, bmpIcons.GetSafeHandle());
            clrMask = ::GetPixel(hDC, 0, 0);
            ::SelectObject(hDC, hOld);
            ::DeleteDC(hDC);
        }
        ImageListAddActCtx(hList, static_cast<HBITMAP>(bmpIcons.GetSafeHandle()), clrMask);
        CImageList imageList;
        imageList.Attach(hList);
        BOOL bResult = SetIconsFromImageList(imageList, pCommands, nCount, nWidth, nHeight, nState);
        imageList.DeleteImageList();
        return bResult;
    }

    if (bm.bmWidth % nWidth != 0)
        return FALSE;
    const int nPieces = bm.bmWidth / nWidth;
    HBITMAP* pPieces = new HBITMAP[nPieces];
    if (!SplitBitmap(static_cast<HBITMAP>(bmpIcons.GetSafeHandle()), nPieces, pPieces))
    {
        delete[] pPieces;
        return FALSE;
    }

    // The pieces go whether the icons could be added or memory ran out.
    auto freePieces = [&]() {
        for (int k = 0; k < nPieces; k++)
            ::DeleteObject(pPieces[k]);
        delete[] pPieces;
    };
    try
    {
        int i = 0;
        for (int j = 0; j < nCount; j++)
        {
            if ((pCommands && nCount != nPieces && pCommands[j] == 0) || i >= nPieces)
                continue;
            CZMRIconHandle handle;
            handle.SetBitmap(pPieces[i]);
            SetIcon(handle, pCommands ? pCommands[j] : static_cast<UINT>(j), nWidth, nHeight, nState);
            i++;
        }
    }
    catch (...)
    {
        freePieces();
        throw;
    }
    freePieces();
    return TRUE;
}

BOOL CZMRImageManager::SplitBitmap(HBITMAP hBitmap, int nCount, HBITMAP* pBitmaps)
{
    if (nCount <= 0)
        return FALSE;
    PBITMAPINFO pInfo = nullptr;
    LPBYTE pSrc = nullptr;
    UINT nSize = 0;
    // The pixels are dealt out 4 bytes at a time: anything but a 32-bit
    // bitmap is refused here rather than read past its end.
    if (!ReadDib32(nullptr, hBitmap, &pInfo, &pSrc, &nSize))
        return FALSE;

    const int nSrcWidth = pInfo->bmiHeader.biWidth;
    const int nHeight = pInfo->bmiHeader.biHeight;
    const int nPieceWidth = nSrcWidth / nCount;
    BOOL bResult = nPieceWidth > 0;
    int nMade = 0;
    if (bResult)
    {
        BITMAPINFO bmi;
        memset(&bmi, 0, sizeof(bmi));
        bmi.bmiHeader = pInfo->bmiHeader;
        bmi.bmiHeader.biWidth = nPieceWidth;
        bmi.bmiHeader.biSizeImage = pInfo->bmiHeader.biSizeImage / nCount;
        for (; nMade < nCount; nMade++)
        {
            LPBYTE pDest = nullptr;
            pBitmaps[nMade] = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&pDest), nullptr, 0);
            if (!pBitmaps[nMade])
            {
                bResult = FALSE;
                break;
            }
            for (int y = 0; y < nHeight; y++)
                memcpy(pDest + static_cast<size_t>(y) * nPieceWidth * 4,
                       pSrc + (static_cast<size_t>(y) * nSrcWidth + static_cast<size_t>(nMade) * nPieceWidth) * 4,
                       static_cast<size_t>(nPieceWidth) * 4);
        }
    }
    if (!bResult)
    {
        for (int k = 0; k < nMade; k++)
            ::DeleteObject(pBitmaps[k]);
    }
    free(pSrc);
    free(pInfo);
    return bResult;
}

BOOL CZMRImageManager::SetIconsFromImageList(CImageList& imlIcons, const UINT* pCommands, int nCount, int nWidth,
                                             int nHeight, int nState)
{
    HIMAGELIST hList = imlIcons.GetSafeHandle();
    if (!hList)
        return FALSE;

    const int nImages = ::ImageList_GetImageCount(hList);
    if (nCount == 0 && !pCommands)
        nCount = nImages;
    if (nWidth == 0 && nHeight == 0 && nCount > 0)
    {
        IMAGEINFO info;
        if (::ImageList_GetImageInfo(hList, 0, &info))
        {
            nWidth = info.rcImage.right - info.rcImage.left;
            nHeight = info.rcImage.bottom - info.rcImage.top;
        }
    }

    const BOOL bWhole = nCount == nImages;
    int i = 0;
    for (int j = 0; j < nCount; j++)
    {
        if (pCommands && !bWhole && pCommands[j] == 0)
            continue;
        HICON hIcon = AfxImageListGetIcon(hList, i, 0);
        if (!hIcon)
            return FALSE;
        CZMRIconHandle handle;
        handle.SetIcon(hIcon, TRUE);
        SetIcon(handle, pCommands ? pCommands[j] : static_cast<UINT>(j), nWidth, nHeight, nState);
        handle.Clear();
        ::DestroyIcon(hIcon);
        i++;
    }
    return TRUE;
}

CZMRImageManagerIcon* CZMRImageManager::GetImage(UINT nCommand, int nWidth)
{
    CZMRImageManagerIconSet* pIconSet = nullptr;
    if (m_mapImages.Lookup(nCommand, pIconSet))
        return pIconSet->GetIcon(static_cast<UINT>(nWidth), TRUE);
    return nullptr;
}

BOOL CZMRImageManager::ContainsIcon(UINT nCommand, int nWidth)
{
    CZMRImageManagerIconSet* pIconSet = nullptr;
    if (m_mapImages.Lookup(nCommand, pIconSet))
        return pIconSet->GetIcon(static_cast<UINT>(nWidth), FALSE) != nullptr;
    return FALSE;
}

COLORREF CZMRImageManager::SetMaskColor(COLORREF clrMask)
{
    COLORREF clrOld = m_clrMask;
    m_clrMask = clrMask;
    return clrOld;
}

void CZMRImageManager::RefreshAll()
{
    POSITION pos = m_mapImages.GetStartPosition();
    while (pos)
    {
        UINT nKey;
        CZMRImageManagerIconSet* pIconSet;
        m_mapImages.GetNextAssoc(pos, nKey, pIconSet);
        pIconSet->ClearGenerated();
    }
}

void CZMRImageManager::RemoveAll()
{
    POSITION pos = m_mapImages.GetStartPosition();
    while (pos)
    {
        UINT nKey;
        CZMRImageManagerIconSet* pIconSet;
        m_mapImages.GetNextAssoc(pos, nKey, pIconSet);
        pIconSet->RemoveAll();
        pIconSet->InternalRelease();
    }
    m_mapImages.RemoveAll();

    pos = m_mapResources.GetStartPosition();
    while (pos)
    {
        DWORD nKey;
        CZMRImageManagerResource* pResource;
        m_mapResources.GetNextAssoc(pos, nKey, pResource);
        delete pResource;
    }
    m_mapResources.RemoveAll();
}

CZMRImageManagerIconSet* CZMRImageManager::GetIconSet(UINT nCommand) const
{
    CZMRImageManagerIconSet* pIconSet = nullptr;
    return m_mapImages.Lookup(nCommand, pIconSet) ? pIconSet : nullptr;
}

CZMRImageManagerResource* CZMRImageManager::GetResource(int nWidth, int nHeight)
{
    DWORD nKey = (static_cast<DWORD>(nHeight) << 16) | (static_cast<DWORD>(nWidth) & 0xFFFF);
    CZMRImageManagerResource* pResource = nullptr;
    if (!m_mapResources.Lookup(nKey, pResource))
    {
        pResource = new CZMRImageManagerResource(this, nWidth, nHeight);
        try
        {
            m_mapResources.SetAt(nKey, pResource);
        }
        catch (...)
        {
            delete pResource;
            throw;
        }
    }
    return pResource;
}

BOOL CZMRImageManager::IsRTLDrawing(CDC* pDC) const
{
    if (m_nDrawReverted == 2)
        return pDC && CZMRDrawHelpers::IsDCRightToLeft(pDC);
    return m_nDrawReverted == 1;
}

BOOL IsVerticalBarPosition(int nPosition)
{
    return nPosition == 2 || nPosition == 3 || nPosition == 5;
}

BOOL IsSideDockPosition(int nPosition)
{
    return nPosition == 2 || nPosition == 3;
}
