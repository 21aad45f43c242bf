// The one-bit shapes that DrawSilhouette draws icon pictures with, kept
// between paints: a disabled icon draws its shape twice on every paint. An
// entry holds what its shape was made from; an icon whose pictures change
// drops its entries.
#pragma once

#include "core/Core.h"

struct CZMRIconHandle;

class CZMRSilhouetteCache
{
public:
    // What a shape was made from: the icon and its picture, the size, the
    // drawing options that change pixels and the target's colour depth.
    struct CKey
    {
        const void* pOwner;
        const CZMRIconHandle* pHandle;
        HICON hIcon;
        HBITMAP hBitmap;
        const void* pRInfo;
        int cx;
        int cy;
        BOOL bComposited;
        BOOL bRTL;
        int nBitsPixel;
        bool operator==(const CKey& other) const;
    };

    // The kept shape, or null.
    static HBITMAP Find(const CKey& key);
    // Keeps the shape (taken over); an owner keeps its two latest.
    static void Add(const CKey& key, HBITMAP hMask);
    // Deletes every shape of the owner.
    static void Drop(const void* pOwner);
};
