#include "CZMRSilhouetteCache.h"
#include "CZMRLockGuard.h"

#include <unordered_map>
#include <vector>

namespace
{
// An icon draws the shapes of its normal and its checked picture.
const size_t kPerOwner = 2;

struct CEntry
{
    CZMRSilhouetteCache::CKey key;
    HBITMAP hMask;
};

// Icons may be drawn from more than one thread.
class CStore
{
public:
    CStore() { ::InitializeCriticalSection(&m_cs); }
    CRITICAL_SECTION m_cs;
    std::unordered_map<const void*, std::vector<CEntry>> m_owners;
};

// Never destroyed: icons released at exit still drop their shapes.
CStore& Store()
{
    static CStore* pStore = new CStore;
    return *pStore;
}
} // namespace

bool CZMRSilhouetteCache::CKey::operator==(const CKey& other) const
{
    return pOwner == other.pOwner && pHandle == other.pHandle && hIcon == other.hIcon && hBitmap == other.hBitmap &&
           pRInfo == other.pRInfo && cx == other.cx && cy == other.cy && bComposited == other.bComposited &&
           bRTL == other.bRTL && nBitsPixel == other.nBitsPixel;
}

HBITMAP CZMRSilhouetteCache::Find(const CKey& key)
{
    CStore& store = Store();
    CZMRLockGuard lock(&store.m_cs);
    auto it = store.m_owners.find(key.pOwner);
    if (it == store.m_owners.end())
        return nullptr;
    for (const CEntry& entry : it->second)
        if (entry.key == key)
            return entry.hMask;
    return nullptr;
}

void CZMRSilhouetteCache::Add(const CKey& key, HBITMAP hMask)
{
    CStore& store = Store();
    CZMRLockGuard lock(&store.m_cs);
    std::vector<CEntry>& entries = store.m_owners[key.pOwner];
    if (entries.size() >= kPerOwner)
    {
        ::DeleteObject(entries.front().hMask);
        entries.erase(entries.begin());
    }
    entries.push_back(CEntry{key, hMask});
}

void CZMRSilhouetteCache::Drop(const void* pOwner)
{
    CStore& store = Store();
    CZMRLockGuard lock(&store.m_cs);
    auto it = store.m_owners.find(pOwner);
    if (it == store.m_owners.end())
        return;
    for (CEntry& entry : it->second)
        ::DeleteObject(entry.hMask);
    store.m_owners.erase(it);
}
