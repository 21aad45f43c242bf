#include "CZMRImageManagerResource.h"
#include "CZMRImageManager.h"
#include "CZMRLockGuard.h"
#include "CZMROSVersionInfo.h"

#include <cstring>
#include <memory>
#include <new>

CZMRImageManagerResource::CBitmapDC::CBitmapDC()
    : m_hDC(nullptr), m_hOldBitmap(nullptr)
{
    HDC hScreen = ::GetDC(nullptr);
    m_hDC = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(nullptr, hScreen);
}

CZMRImageManagerResource::CBitmapDC::~CBitmapDC()
{
    Select(nullptr);
    if (m_hDC)
        ::DeleteDC(m_hDC);
}

void CZMRImageManagerResource::CBitmapDC::Select(HBITMAP hBitmap)
{
    if (!m_hDC)
        return;
    if (!hBitmap)
    {
        if (m_hOldBitmap)
            ::SelectObject(m_hDC, m_hOldBitmap);
        m_hOldBitmap = nullptr;
        return;
    }
    HGDIOBJ hOld = ::SelectObject(m_hDC, hBitmap);
    if (!m_hOldBitmap)
        m_hOldBitmap = hOld;
}

CZMRImageManagerResource::CZMRImageManagerResource(CZMRImageManager* pImageManager, int nWidth, int nHeight)
    : m_hbmStrip(nullptr), m_hbmMask(nullptr), m_pBits(nullptr), m_pImageManager(pImageManager),
      m_nWidth(nWidth), m_nHeight(nHeight), m_nUsedWidth(0)
{
    ::InitializeCriticalSection(&m_cs);
}

CZMRImageManagerResource::~CZMRImageManagerResource()
{
    Clear();
    ::DeleteCriticalSection(&m_cs);
}

void CZMRImageManagerResource::Clear()
{
    for (INT_PTR i = 0; i < m_arrUsed.GetSize(); i++)
        delete m_arrUsed[i];
    for (INT_PTR i = 0; i < m_arrFree.GetSize(); i++)
        delete m_arrFree[i];
    m_arrUsed.RemoveAll();
    m_arrFree.RemoveAll();
    m_dc.Select(nullptr);
    if (m_hbmStrip)
        ::DeleteObject(m_hbmStrip);
    if (m_hbmMask)
        ::DeleteObject(m_hbmMask);
    m_hbmStrip = nullptr;
    m_hbmMask = nullptr;
    m_pBits = nullptr;
    m_nUsedWidth = 0;
}

ZMR_IMAGERESOURCE_INFO* CZMRImageManagerResource::AllocImage()
{
    // Memory running out is one more failure to make a slot: the strip is
    // left as it was and the caller gets null.
    try
    {
        return AllocSlot();
    }
    catch (CMemoryException* e)
    {
        e->Delete();
    }
    catch (const std::bad_alloc&)
    {
    }
    return nullptr;
}

ZMR_IMAGERESOURCE_INFO* CZMRImageManagerResource::AllocSlot()
{
    // The most recently freed slot is reused before the strip grows. The
    // used list takes it before the free list lets it go.
    if (m_arrFree.GetSize() > 0)
    {
        ZMR_IMAGERESOURCE_INFO* pRInfo = m_arrFree[m_arrFree.GetSize() - 1];
        m_arrUsed.Add(pRInfo);
        m_arrFree.RemoveAt(m_arrFree.GetSize() - 1);
        return pRInfo;
    }
    if (m_nWidth <= 0 || m_nHeight <= 0)
        return nullptr;

    // The record and its place in the used list come first: once the strip
    // has grown, nothing can fail any more.
    std::unique_ptr<ZMR_IMAGERESOURCE_INFO> pNew(new ZMR_IMAGERESOURCE_INFO);
    const INT_PTR nUsed = m_arrUsed.GetSize();
    m_arrUsed.SetSize(nUsed + 1);

    CRect rcSlot;
    if (!m_hbmStrip)
    {
        LPBYTE pBits = nullptr;
        HBITMAP hStrip = CreateArgbDibSection(nullptr, m_nWidth, m_nHeight, &pBits);
        HBITMAP hMask = hStrip ? ::CreateBitmap(m_nWidth, m_nHeight, 1, 1, nullptr) : nullptr;
        if (!hStrip || !hMask)
        {
            if (hStrip)
                ::DeleteObject(hStrip);
            m_arrUsed.SetSize(nUsed);
            return nullptr;
        }
        m_hbmStrip = hStrip;
        m_hbmMask = hMask;
        m_pBits = pBits;
        m_nUsedWidth = m_nWidth;
        rcSlot.SetRect(0, 0, m_nWidth, m_nHeight);
    }
    else
    {
        const int nNewWidth = m_nUsedWidth + m_nWidth;
        LPBYTE pBits = nullptr;
        HBITMAP hStrip = CreateArgbDibSection(nullptr, nNewWidth, m_nHeight, &pBits);
        HBITMAP hMask = hStrip ? ::CreateBitmap(nNewWidth, m_nHeight, 1, 1, nullptr) : nullptr;
        if (!hStrip || !hMask)
        {
            if (hStrip)
                ::DeleteObject(hStrip);
            m_arrUsed.SetSize(nUsed);
            return nullptr;
        }
        for (int y = 0; y < m_nHeight; y++)
            memcpy(pBits + static_cast<size_t>(y) * nNewWidth * 4,
                   m_pBits + static_cast<size_t>(y) * m_nUsedWidth * 4, static_cast<size_t>(m_nUsedWidth) * 4);

        m_dc.Select(hMask);
        // A DC object over the borrowed handle, kept out of the handle map:
        // entering it there could fail for memory half way through the growth.
        CDC dcStrip;
        dcStrip.m_hDC = dcStrip.m_hAttribDC = m_dc.GetSafeHdc();
        dcStrip.DrawState(CPoint(0, 0), CSize(0, 0), m_hbmMask, DSS_NORMAL);
        dcStrip.m_hDC = dcStrip.m_hAttribDC = nullptr;
        m_dc.Select(nullptr);

        ::DeleteObject(m_hbmStrip);
        ::DeleteObject(m_hbmMask);
        m_hbmStrip = hStrip;
        m_hbmMask = hMask;
        m_pBits = pBits;
        rcSlot.SetRect(m_nUsedWidth, 0, m_nUsedWidth + m_nWidth, m_nHeight);
        m_nUsedWidth = nNewWidth;
    }

    ZMR_IMAGERESOURCE_INFO* pRInfo = pNew.release();
    pRInfo->bAlpha = FALSE;
    pRInfo->rc = rcSlot;
    pRInfo->pResource = this;
    m_arrUsed[nUsed] = pRInfo;
    return pRInfo;
}

void CZMRImageManagerResource::CopyRowsIn(const BYTE* pBits, const CRect& rc)
{
    for (int y = 0; y < m_nHeight; y++)
        memcpy(m_pBits + (static_cast<size_t>(y) * m_nUsedWidth + rc.left) * 4,
               pBits + static_cast<size_t>(y) * m_nWidth * 4, static_cast<size_t>(m_nWidth) * 4);
}

ZMR_IMAGERESOURCE_INFO* CZMRImageManagerResource::AddImage(const CZMRIconHandle& handle)
{
    if (handle.IsEmpty() || handle.m_nWidth != m_nWidth || handle.m_nHeight != m_nHeight)
        return nullptr;
    if (!handle.m_hIcon && !handle.m_hBitmap)
        return nullptr;

    CZMRLockGuard lock(&m_cs);
    ZMR_IMAGERESOURCE_INFO* pRInfo = nullptr;
    if (handle.m_hIcon)
    {
        pRInfo = AllocImage();
        if (pRInfo)
        {
            BOOL bDone = FALSE;
            ICONINFO info;
            if (CZMROSVersionInfo::GetComCtlVersion() >= MAKELONG(0, 6) && ::GetIconInfo(handle.m_hIcon, &info))
            {
                int nAlpha = -1;
                LPBYTE pBits = nullptr;
                HBITMAP hPremultiplied = info.hbmColor ? PremultiplyBitmap(info.hbmColor, &nAlpha, &pBits) : nullptr;
                if (hPremultiplied)
                {
                    BITMAP bm;
                    ::GetObject(hPremultiplied, sizeof(bm), &bm);
                    if (nAlpha == 1 && bm.bmWidth == m_nWidth && bm.bmHeight == m_nHeight)
                    {
                        CopyRowsIn(pBits, pRInfo->rc);
                        pRInfo->bAlpha = TRUE;
                        bDone = TRUE;
                    }
                    ::DeleteObject(hPremultiplied);
                }
                // GetIconInfo made both bitmaps for us; they are ours to delete.
                if (info.hbmColor)
                    ::DeleteObject(info.hbmColor);
                if (info.hbmMask)
                    ::DeleteObject(info.hbmMask);
            }
            if (!bDone)
            {
                const CRect& rc = pRInfo->rc;
                HDC hDC = m_dc.GetSafeHdc();
                m_dc.Select(m_hbmStrip);
                ::PatBlt(hDC, rc.left, rc.top, rc.Width(), rc.Height(), BLACKNESS);
                ::DrawIconEx(hDC, rc.left, rc.top, handle.m_hIcon, 0, 0, 0, nullptr, DI_NORMAL);
                m_dc.Select(m_hbmMask);
                ::PatBlt(hDC, rc.left, rc.top, rc.Width(), rc.Height(), BLACKNESS);
                ::DrawIconEx(hDC, rc.left, rc.top, handle.m_hIcon, 0, 0, 0, nullptr, DI_MASK);
                m_dc.Select(nullptr);
                ::GdiFlush();
                pRInfo->bAlpha = FALSE;
            }
        }
    }
    else
    {
        // The premultiplied pixels are taken from a copy, so the caller's
        // handle stays as it was.
        LPBYTE pBits = handle.m_pBits;
        HBITMAP hPremultiplied = nullptr;
        if (!pBits)
            hPremultiplied = PremultiplyBitmap(handle.m_hBitmap, nullptr, &pBits);
        // The rows are read at the strip's size: a bitmap of another size
        // than the handle states is refused rather than read past its end.
        BITMAP bm;
        if (!::GetObject(hPremultiplied ? hPremultiplied : handle.m_hBitmap, sizeof(bm), &bm)
            || bm.bmWidth != m_nWidth || (bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight) != m_nHeight)
            pBits = nullptr;
        if (pBits)
        {
            pRInfo = AllocImage();
            if (pRInfo)
            {
                CopyRowsIn(pBits, pRInfo->rc);
                pRInfo->bAlpha = TRUE;
            }
        }
        if (hPremultiplied)
            ::DeleteObject(hPremultiplied);
    }
    return pRInfo;
}

void CZMRImageManagerResource::FreeImage(ZMR_IMAGERESOURCE_INFO* pRInfo)
{
    // Handles free their slots from destructors, so nothing may leave here.
    CZMRLockGuard lock(&m_cs);
    for (INT_PTR i = 0; i < m_arrUsed.GetSize(); i++)
    {
        if (m_arrUsed[i] == pRInfo)
        {
            // A free list that cannot grow leaves the slot taken until the
            // strip is cleared.
            try
            {
                m_arrFree.Add(pRInfo);
            }
            catch (CMemoryException* e)
            {
                e->Delete();
                return;
            }
            m_arrUsed.RemoveAt(i);
            break;
        }
    }
    if (m_arrFree.GetSize() * m_nWidth == m_nUsedWidth)
        Clear();
}

void CZMRImageManagerResource::ExtractImage(CZMRIconHandle& target, ZMR_IMAGERESOURCE_INFO* pRInfo)
{
    target.Clear();
    if (!pRInfo)
        return;

    CZMRLockGuard lock(&m_cs);
    LPBYTE pBits = nullptr;
    HBITMAP hColor = m_pBits ? CreateArgbDibSection(nullptr, m_nWidth, m_nHeight, &pBits) : nullptr;
    if (hColor)
    {
        for (int y = 0; y < m_nHeight; y++)
            memcpy(pBits + static_cast<size_t>(y) * m_nWidth * 4,
                   m_pBits + (static_cast<size_t>(y) * m_nUsedWidth + pRInfo->rc.left) * 4,
                   static_cast<size_t>(m_nWidth) * 4);
        if (pRInfo->bAlpha)
        {
            target.m_hBitmap = hColor;
            target.m_pBits = pBits;
        }
        else
        {
            HBITMAP hMask = ::CreateBitmap(m_nWidth, m_nHeight, 1, 1, nullptr);
            if (hMask)
            {
                HDC hDC = ::CreateCompatibleDC(m_dc.GetSafeHdc());
                HGDIOBJ hOld = ::SelectObject(hDC, hMask);
                m_dc.Select(m_hbmMask);
                ::BitBlt(hDC, 0, 0, m_nWidth, m_nHeight, m_dc.GetSafeHdc(), pRInfo->rc.left, 0, SRCCOPY);
                m_dc.Select(nullptr);
                ::SelectObject(hDC, hOld);
                ::DeleteDC(hDC);

                ICONINFO info = {};
                info.fIcon = TRUE;
                info.hbmMask = hMask;
                info.hbmColor = hColor;
                target.m_hIcon = ::CreateIconIndirect(&info);
                ::DeleteObject(hMask);
            }
            ::DeleteObject(hColor);
        }
        target.m_bOwns = TRUE;
    }
}
