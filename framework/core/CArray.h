// CArray: a growable array. It grows by the grow-by count given to SetSize,
// or, when that is 0, by an eighth of its size (at least 4, at most 1024).
// Bad indexes and ranges raise the invalid-argument exception.
#pragma once

#include "core/CObject.h"
#include "core/CException.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
public:
    CArray() = default;
    ~CArray() override { RemoveAll(); }

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    // nGrowBy -1 keeps the current grow-by count.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void FreeExtra();
    void RemoveAll() { SetSize(0, -1); }

    const TYPE& GetAt(INT_PTR nIndex) const { CheckIndex(nIndex); return m_pData[nIndex]; }
    TYPE& GetAt(INT_PTR nIndex) { CheckIndex(nIndex); return m_pData[nIndex]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { CheckIndex(nIndex); m_pData[nIndex] = newElement; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& ElementAt(INT_PTR nIndex) { return GetAt(nIndex); }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return GetAt(nIndex); }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    INT_PTR Add(ARG_TYPE newElement);
    // Both return the index of the first element appended.
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

protected:
    TYPE* m_pData = nullptr;
    INT_PTR m_nSize = 0;
    INT_PTR m_nMaxSize = 0;
    INT_PTR m_nGrowBy = 0;

private:
    void CheckIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nSize)
            AfxThrowInvalidArgException();
    }
    static TYPE* Allocate(INT_PTR nCount);
    // Moves nCount constructed elements from pSrc to the raw memory at pDst.
    static void Relocate(TYPE* pDst, TYPE* pSrc, INT_PTR nCount);
    static void ConstructElements(TYPE* p, INT_PTR nCount)
    {
        for (INT_PTR i = 0; i < nCount; i++)
            ::new (static_cast<void*>(p + i)) TYPE();
    }
    static void DestructElements(TYPE* p, INT_PTR nCount)
    {
        for (INT_PTR i = 0; i < nCount; i++)
            p[i].~TYPE();
    }
};

template <class TYPE, class ARG_TYPE>
TYPE* CArray<TYPE, ARG_TYPE>::Allocate(INT_PTR nCount)
{
    if (nCount < 0 || (size_t)nCount > SIZE_MAX / sizeof(TYPE))
        AfxThrowMemoryException();
    void* p = malloc((size_t)nCount * sizeof(TYPE));
    if (p == nullptr && nCount > 0)
        AfxThrowMemoryException();
    return static_cast<TYPE*>(p);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Relocate(TYPE* pDst, TYPE* pSrc, INT_PTR nCount)
{
    if (nCount <= 0 || pDst == pSrc)
        return;
    if (std::is_trivially_copyable<TYPE>::value)
    {
        memmove(static_cast<void*>(pDst), static_cast<const void*>(pSrc), (size_t)nCount * sizeof(TYPE));
        return;
    }
    // Overlapping moves go in the direction that never overwrites a source
    // element before it has been moved.
    if (pDst < pSrc)
    {
        for (INT_PTR i = 0; i < nCount; i++)
        {
            ::new (static_cast<void*>(pDst + i)) TYPE(std::move(pSrc[i]));
            pSrc[i].~TYPE();
        }
    }
    else
    {
        for (INT_PTR i = nCount - 1; i >= 0; i--)
        {
            ::new (static_cast<void*>(pDst + i)) TYPE(std::move(pSrc[i]));
            pSrc[i].~TYPE();
        }
    }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    if (nNewSize < 0)
        AfxThrowInvalidArgException();
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;

    if (nNewSize == 0)
    {
        DestructElements(m_pData, m_nSize);
        free(m_pData);
        m_pData = nullptr;
        m_nSize = m_nMaxSize = 0;
    }
    else if (m_pData == nullptr)
    {
        // The first block holds the grow-by count when that is larger.
        INT_PTR nAlloc = nNewSize > m_nGrowBy ? nNewSize : m_nGrowBy;
        m_pData = Allocate(nAlloc);
        ConstructElements(m_pData, nNewSize);
        m_nSize = nNewSize;
        m_nMaxSize = nAlloc;
    }
    else if (nNewSize <= m_nMaxSize)
    {
        if (nNewSize > m_nSize)
            ConstructElements(m_pData + m_nSize, nNewSize - m_nSize);
        else if (nNewSize < m_nSize)
            DestructElements(m_pData + nNewSize, m_nSize - nNewSize);
        m_nSize = nNewSize;
    }
    else
    {
        INT_PTR nGrow = m_nGrowBy;
        if (nGrow == 0)
        {
            nGrow = m_nSize / 8;
            nGrow = nGrow < 4 ? 4 : (nGrow > 1024 ? 1024 : nGrow);
        }
        INT_PTR nNewMax = m_nMaxSize + nGrow > nNewSize ? m_nMaxSize + nGrow : nNewSize;
        TYPE* pNewData = Allocate(nNewMax);
        Relocate(pNewData, m_pData, m_nSize);
        ConstructElements(pNewData + m_nSize, nNewSize - m_nSize);
        free(m_pData);
        m_pData = pNewData;
        m_nSize = nNewSize;
        m_nMaxSize = nNewMax;
    }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize == m_nMaxSize)
        return;
    TYPE* pNewData = nullptr;
    if (m_nSize != 0)
    {
        pNewData = Allocate(m_nSize);
        Relocate(pNewData, m_pData, m_nSize);
    }
    free(m_pData);
    m_pData = pNewData;
    m_nMaxSize = m_nSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    if (nIndex < 0)
        AfxThrowInvalidArgException();
    if (nIndex >= m_nSize)
    {
        // newElement may refer into this array, which may move.
        TYPE copy(newElement);
        SetSize(nIndex + 1, -1);
        m_pData[nIndex] = std::move(copy);
        return;
    }
    m_pData[nIndex] = newElement;
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement)
{
    INT_PTR nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    if (this == &src)
        AfxThrowInvalidArgException();
    INT_PTR nOldSize = m_nSize;
    SetSize(m_nSize + src.m_nSize, -1);
    for (INT_PTR i = 0; i < src.m_nSize; i++)
        m_pData[nOldSize + i] = src.m_pData[i];
    return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize, -1);
    for (INT_PTR i = 0; i < src.m_nSize; i++)
        m_pData[i] = src.m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0)
        AfxThrowInvalidArgException();
    TYPE copy(newElement);   // newElement may refer into this array
    if (nIndex >= m_nSize)
    {
        // Past the end: the array grows to hold the new elements there.
        SetSize(nIndex + nCount, -1);
    }
    else
    {
        INT_PTR nOldSize = m_nSize;
        SetSize(m_nSize + nCount, -1);
        // The new tail slots were constructed by SetSize; make them raw again
        // and move the elements after the insertion point into them.
        DestructElements(m_pData + nOldSize, nCount);
        Relocate(m_pData + nIndex + nCount, m_pData + nIndex, nOldSize - nIndex);
        ConstructElements(m_pData + nIndex, nCount);
    }
    for (INT_PTR i = 0; i < nCount; i++)
        m_pData[nIndex + i] = copy;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
{
    if (pNewArray == nullptr || pNewArray == this || nStartIndex < 0)
        AfxThrowInvalidArgException();
    if (pNewArray->GetSize() > 0)
    {
        InsertAt(nStartIndex, pNewArray->GetAt(0), pNewArray->GetSize());
        for (INT_PTR i = 0; i < pNewArray->GetSize(); i++)
            SetAt(nStartIndex + i, pNewArray->GetAt(i));
    }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nCount < 0 || nCount > m_nSize - nIndex || nIndex > m_nSize)
        AfxThrowInvalidArgException();
    if (nCount == 0)
        return;
    INT_PTR nMoveCount = m_nSize - (nIndex + nCount);
    DestructElements(m_pData + nIndex, nCount);
    Relocate(m_pData + nIndex, m_pData + nIndex + nCount, nMoveCount);
    m_nSize -= nCount;
}
