// CMap: a hash map with a fixed number of buckets (17 unless InitHashTable
// says otherwise). A new entry goes to the head of its bucket's chain, and
// iteration walks the buckets from 0 upwards, each chain from its head, so
// the order is the table order. Entries come from blocks of the block size;
// the bucket table and all blocks are freed when the map becomes empty.
#pragma once

#include "core/CObject.h"
#include "core/CArchive.h"
#include "core/CException.h"
#include "core/CPlex.h"
#include "core/CString.h"

#include <cstdlib>
#include <new>
#include <type_traits>

// Hash of a key: integral and pointer keys use the value divided by 16;
// strings use h = h * 33 + character. Other key types add an overload.
template <class ARG_KEY>
inline UINT AFXAPI HashKey(ARG_KEY key)
{
    return (UINT)(((DWORD_PTR)key) >> 4);
}
UINT AFXAPI HashKey(LPCWSTR key);
UINT AFXAPI HashKey(LPCSTR key);
inline UINT AFXAPI HashKey(const CStringW& key) { return HashKey(key.GetString()); }
inline UINT AFXAPI HashKey(const CStringA& key) { return HashKey(key.GetString()); }

template <class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// Elements of a collection in an archive: plain values as the bytes they
// occupy in memory, strings as the archive writes strings. Other types have
// no stored form and raise the archive exception. Short data raises it too.
template <class TYPE>
inline void AFXAPI SerializeElements(CArchive& ar, TYPE* pElements, INT_PTR nCount)
{
    if constexpr (std::is_same<TYPE, CStringW>::value || std::is_same<TYPE, CStringA>::value)
    {
        for (INT_PTR i = 0; i < nCount; i++)
        {
            if (ar.IsStoring())
                ar << pElements[i];
            else
                ar >> pElements[i];
        }
    }
    else if constexpr (std::is_trivially_copyable<TYPE>::value)
    {
        if (nCount <= 0)
            return;
        const UINT cb = UINT(nCount * INT_PTR(sizeof(TYPE)));
        if (ar.IsStoring())
            ar.Write(pElements, cb);
        else if (ar.Read(pElements, cb) != cb)
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    }
    else
    {
        AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
    }
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject
{
public:
    class CPair
    {
    public:
        const KEY key;
        VALUE value;
    protected:
        explicit CPair(ARG_KEY keyval) : key(keyval), value() {}
    };

protected:
    class CAssoc : public CPair
    {
        friend class CMap;
        CAssoc* pNext;
        UINT nHashValue;   // the full hash, kept for re-bucketing
    public:
        explicit CAssoc(ARG_KEY key) : CPair(key), pNext(nullptr), nHashValue(0) {}
    };

public:
    explicit CMap(INT_PTR nBlockSize = 10) : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const;
    const CPair* PLookup(ARG_KEY key) const;
    CPair* PLookup(ARG_KEY key);
    // Adds the key with a default value when it is not there yet.
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    // GetNextAssoc moves to the next entry before it returns the current
    // one, so the entry just returned may be removed while iterating.
    POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;
    const CPair* PGetFirstAssoc() const;
    CPair* PGetFirstAssoc();
    const CPair* PGetNextAssoc(const CPair* pAssoc) const;
    CPair* PGetNextAssoc(const CPair* pAssoc);

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    // Sets the number of buckets; the entries already held move to their new buckets.
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);

    // The count, then each key and value in table order; loading adds the
    // entries to those already held.
    void Serialize(CArchive& ar) override;

protected:
    CAssoc* NewAssoc(ARG_KEY key);
    void FreeAssoc(CAssoc* pAssoc);
    CAssoc* GetAssocAt(ARG_KEY key, UINT& nHashBucket, UINT& nHashValue) const;
    CAssoc* NextAfter(const CAssoc* pAssoc) const;
    void AllocTable(UINT hashSize);

    CAssoc** m_pHashTable = nullptr;
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
    CAssoc* m_pFreeList = nullptr;
    CPlex* m_pBlocks = nullptr;
    INT_PTR m_nBlockSize;
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::AllocTable(UINT hashSize)
{
    CAssoc** pTable = static_cast<CAssoc**>(calloc(hashSize, sizeof(CAssoc*)));
    if (pTable == nullptr)
        AfxThrowMemoryException();
    m_pHashTable = pTable;
    m_nHashTableSize = hashSize;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT hashSize, BOOL bAllocNow)
{
    if (hashSize == 0)
        AfxThrowInvalidArgException();
    CAssoc** pOldTable = m_pHashTable;
    UINT nOldSize = m_nHashTableSize;
    m_pHashTable = nullptr;
    m_nHashTableSize = hashSize;
    if (bAllocNow || pOldTable != nullptr)
    {
        try
        {
            AllocTable(hashSize);
        }
        catch (...)
        {
            m_pHashTable = pOldTable;
            m_nHashTableSize = nOldSize;
            throw;
        }
    }
    if (pOldTable == nullptr)
        return;
    // Keep what the map already holds: each entry goes to the head of its new bucket.
    for (UINT nBucket = 0; nBucket < nOldSize; nBucket++)
    {
        CAssoc* pAssoc = pOldTable[nBucket];
        while (pAssoc != nullptr)
        {
            CAssoc* pNext = pAssoc->pNext;
            UINT nNewBucket = pAssoc->nHashValue % m_nHashTableSize;
            pAssoc->pNext = m_pHashTable[nNewBucket];
            m_pHashTable[nNewBucket] = pAssoc;
            pAssoc = pNext;
        }
    }
    free(pOldTable);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    if (m_pHashTable != nullptr)
    {
        for (UINT nBucket = 0; nBucket < m_nHashTableSize; nBucket++)
            for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc != nullptr; pAssoc = pAssoc->pNext)
                pAssoc->CAssoc::~CAssoc();
        free(m_pHashTable);
        m_pHashTable = nullptr;
    }
    m_nCount = 0;
    m_pFreeList = nullptr;
    if (m_pBlocks != nullptr)
        m_pBlocks->FreeDataChain();
    m_pBlocks = nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::NewAssoc(ARG_KEY key)
{
    if (m_pFreeList == nullptr)
    {
        CPlex* pBlock = CPlex::Create(m_pBlocks, (UINT_PTR)m_nBlockSize, sizeof(CAssoc));
        // The block's entries join the free list, the last one on top.
        CAssoc* pAssoc = static_cast<CAssoc*>(pBlock->data());
        for (INT_PTR i = 0; i < m_nBlockSize; i++, pAssoc++)
        {
            pAssoc->pNext = m_pFreeList;
            m_pFreeList = pAssoc;
        }
    }
    CAssoc* pAssoc = m_pFreeList;
    CAssoc* pNextFree = pAssoc->pNext;
    ::new (static_cast<void*>(pAssoc)) CAssoc(key);
    m_pFreeList = pNextFree;
    m_nCount++;
    return pAssoc;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FreeAssoc(CAssoc* pAssoc)
{
    pAssoc->CAssoc::~CAssoc();
    pAssoc->pNext = m_pFreeList;
    m_pFreeList = pAssoc;
    m_nCount--;
    if (m_nCount == 0)
        RemoveAll();
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetAssocAt(ARG_KEY key, UINT& nHashBucket, UINT& nHashValue) const
{
    nHashValue = HashKey(key);
    nHashBucket = nHashValue % m_nHashTableSize;
    if (m_pHashTable == nullptr)
        return nullptr;
    for (CAssoc* pAssoc = m_pHashTable[nHashBucket]; pAssoc != nullptr; pAssoc = pAssoc->pNext)
        if (pAssoc->nHashValue == nHashValue && CompareElements(&pAssoc->key, &key))
            return pAssoc;
    return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const
{
    UINT nBucket, nHash;
    CAssoc* pAssoc = GetAssocAt(key, nBucket, nHash);
    if (pAssoc == nullptr)
        return FALSE;
    rValue = pAssoc->value;
    return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
const typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CPair* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::PLookup(ARG_KEY key) const
{
    UINT nBucket, nHash;
    return GetAssocAt(key, nBucket, nHash);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CPair* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::PLookup(ARG_KEY key)
{
    UINT nBucket, nHash;
    return GetAssocAt(key, nBucket, nHash);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT nBucket, nHash;
    CAssoc* pAssoc = GetAssocAt(key, nBucket, nHash);
    if (pAssoc != nullptr)
        return pAssoc->value;
    if (m_pHashTable == nullptr)
        AllocTable(m_nHashTableSize);
    pAssoc = NewAssoc(key);
    pAssoc->nHashValue = nHash;
    pAssoc->pNext = m_pHashTable[nBucket];
    m_pHashTable[nBucket] = pAssoc;
    return pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    if (m_pHashTable == nullptr)
        return FALSE;
    UINT nHash = HashKey(key);
    CAssoc** ppPrev = &m_pHashTable[nHash % m_nHashTableSize];
    for (CAssoc* pAssoc = *ppPrev; pAssoc != nullptr; pAssoc = pAssoc->pNext)
    {
        if (pAssoc->nHashValue == nHash && CompareElements(&pAssoc->key, &key))
        {
            *ppPrev = pAssoc->pNext;
            FreeAssoc(pAssoc);
            return TRUE;
        }
        ppPrev = &pAssoc->pNext;
    }
    return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::NextAfter(const CAssoc* pAssoc) const
{
    if (m_pHashTable == nullptr)
        return nullptr;
    UINT nBucket = 0;
    if (pAssoc != nullptr)
    {
        if (pAssoc->pNext != nullptr)
            return pAssoc->pNext;
        nBucket = pAssoc->nHashValue % m_nHashTableSize + 1;
    }
    for (; nBucket < m_nHashTableSize; nBucket++)
        if (m_pHashTable[nBucket] != nullptr)
            return m_pHashTable[nBucket];
    return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
{
    if (rNextPosition == nullptr || m_pHashTable == nullptr)
        AfxThrowInvalidArgException();
    const CAssoc* pAssoc = rNextPosition == BEFORE_START_POSITION
        ? NextAfter(nullptr)
        : reinterpret_cast<const CAssoc*>(rNextPosition);
    if (pAssoc == nullptr)
        AfxThrowInvalidArgException();
    rNextPosition = reinterpret_cast<POSITION>(NextAfter(pAssoc));
    rKey = pAssoc->key;
    rValue = pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
const typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CPair* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::PGetFirstAssoc() const
{
    return m_nCount == 0 ? nullptr : NextAfter(nullptr);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CPair* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::PGetFirstAssoc()
{
    return m_nCount == 0 ? nullptr : NextAfter(nullptr);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
const typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CPair* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::PGetNextAssoc(const CPair* pAssoc) const
{
    if (pAssoc == nullptr)
        AfxThrowInvalidArgException();
    return NextAfter(static_cast<const CAssoc*>(pAssoc));
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CPair* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::PGetNextAssoc(const CPair* pAssoc)
{
    if (pAssoc == nullptr)
        AfxThrowInvalidArgException();
    return NextAfter(static_cast<const CAssoc*>(pAssoc));
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount(DWORD_PTR(m_nCount));
        for (CAssoc* pAssoc = NextAfter(nullptr); pAssoc != nullptr; pAssoc = NextAfter(pAssoc))
        {
            SerializeElements<KEY>(ar, const_cast<KEY*>(&pAssoc->key), 1);
            SerializeElements<VALUE>(ar, &pAssoc->value, 1);
        }
        return;
    }
    for (DWORD_PTR nCount = ar.ReadCount(); nCount > 0; nCount--)
    {
        KEY newKey = KEY();
        VALUE newValue = VALUE();
        SerializeElements<KEY>(ar, &newKey, 1);
        SerializeElements<VALUE>(ar, &newValue, 1);
        SetAt(newKey, newValue);
    }
}
