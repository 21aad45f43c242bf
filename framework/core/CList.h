// CList: a doubly linked list walked by POSITION. Nodes come from blocks of
// the list's block size; a removed node goes back to the list's free nodes,
// and all blocks are freed when the list becomes empty.
#pragma once

#include "core/CObject.h"
#include "core/CException.h"
#include "core/CPlex.h"

#include <new>
#include <utility>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject
{
protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    explicit CList(INT_PTR nBlockSize = 10) : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    // Head and tail of an empty list raise the invalid-argument exception.
    TYPE& GetHead() { CheckNotEmpty(); return m_pNodeHead->data; }
    const TYPE& GetHead() const { CheckNotEmpty(); return m_pNodeHead->data; }
    TYPE& GetTail() { CheckNotEmpty(); return m_pNodeTail->data; }
    const TYPE& GetTail() const { CheckNotEmpty(); return m_pNodeTail->data; }
    TYPE RemoveHead();
    TYPE RemoveTail();
    POSITION AddHead(ARG_TYPE newElement);
    POSITION AddTail(ARG_TYPE newElement);
    void AddHead(const CList* pNewList);
    void AddTail(const CList* pNewList);
    void RemoveAll();

    POSITION GetHeadPosition() const { return reinterpret_cast<POSITION>(m_pNodeHead); }
    POSITION GetTailPosition() const { return reinterpret_cast<POSITION>(m_pNodeTail); }
    // Return the element at rPosition and move rPosition on (null after the end).
    TYPE& GetNext(POSITION& rPosition) { CNode* p = Node(rPosition); rPosition = reinterpret_cast<POSITION>(p->pNext); return p->data; }
    const TYPE& GetNext(POSITION& rPosition) const { CNode* p = Node(rPosition); rPosition = reinterpret_cast<POSITION>(p->pNext); return p->data; }
    TYPE& GetPrev(POSITION& rPosition) { CNode* p = Node(rPosition); rPosition = reinterpret_cast<POSITION>(p->pPrev); return p->data; }
    const TYPE& GetPrev(POSITION& rPosition) const { CNode* p = Node(rPosition); rPosition = reinterpret_cast<POSITION>(p->pPrev); return p->data; }
    TYPE& GetAt(POSITION position) { return Node(position)->data; }
    const TYPE& GetAt(POSITION position) const { return Node(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { Node(pos)->data = newElement; }
    void RemoveAt(POSITION position);
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    // Null when not found; the search starts after startAfter when given.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const;
    POSITION FindIndex(INT_PTR nIndex) const;

protected:
    CNode* NewNode(CNode* pPrev, CNode* pNext, ARG_TYPE value);
    void FreeNode(CNode* pNode);

    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
    CNode* m_pNodeFree = nullptr;
    CPlex* m_pBlocks = nullptr;
    INT_PTR m_nBlockSize;

private:
    static CNode* Node(POSITION position)
    {
        if (position == nullptr)
            AfxThrowInvalidArgException();
        return reinterpret_cast<CNode*>(position);
    }
    void CheckNotEmpty() const
    {
        if (m_pNodeHead == nullptr)
            AfxThrowInvalidArgException();
    }
};

template <class TYPE, class ARG_TYPE>
typename CList<TYPE, ARG_TYPE>::CNode* CList<TYPE, ARG_TYPE>::NewNode(CNode* pPrev, CNode* pNext, ARG_TYPE value)
{
    if (m_pNodeFree == nullptr)
    {
        // A new block: its nodes join the free list, the first one on top.
        CPlex* pBlock = CPlex::Create(m_pBlocks, (UINT_PTR)m_nBlockSize, sizeof(CNode));
        CNode* pNode = static_cast<CNode*>(pBlock->data()) + m_nBlockSize - 1;
        for (INT_PTR i = m_nBlockSize - 1; i >= 0; i--, pNode--)
        {
            pNode->pNext = m_pNodeFree;
            m_pNodeFree = pNode;
        }
    }
    CNode* pNode = m_pNodeFree;
    ::new (static_cast<void*>(&pNode->data)) TYPE(value);
    m_pNodeFree = m_pNodeFree->pNext;
    pNode->pPrev = pPrev;
    pNode->pNext = pNext;
    m_nCount++;
    return pNode;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::FreeNode(CNode* pNode)
{
    pNode->data.~TYPE();
    pNode->pNext = m_pNodeFree;
    m_pNodeFree = pNode;
    m_nCount--;
    if (m_nCount == 0)
        RemoveAll();
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll()
{
    for (CNode* pNode = m_pNodeHead; pNode != nullptr; pNode = pNode->pNext)
        pNode->data.~TYPE();
    m_nCount = 0;
    m_pNodeHead = m_pNodeTail = m_pNodeFree = nullptr;
    if (m_pBlocks != nullptr)
        m_pBlocks->FreeDataChain();
    m_pBlocks = nullptr;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::AddHead(ARG_TYPE newElement)
{
    CNode* pNode = NewNode(nullptr, m_pNodeHead, newElement);
    if (m_pNodeHead != nullptr)
        m_pNodeHead->pPrev = pNode;
    else
        m_pNodeTail = pNode;
    m_pNodeHead = pNode;
    return reinterpret_cast<POSITION>(pNode);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::AddTail(ARG_TYPE newElement)
{
    CNode* pNode = NewNode(m_pNodeTail, nullptr, newElement);
    if (m_pNodeTail != nullptr)
        m_pNodeTail->pNext = pNode;
    else
        m_pNodeHead = pNode;
    m_pNodeTail = pNode;
    return reinterpret_cast<POSITION>(pNode);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddHead(const CList* pNewList)
{
    if (pNewList == nullptr || pNewList == this)
        AfxThrowInvalidArgException();
    // Walk from the tail so that the other list's order is kept.
    for (CNode* p = pNewList->m_pNodeTail; p != nullptr; p = p->pPrev)
        AddHead(p->data);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddTail(const CList* pNewList)
{
    if (pNewList == nullptr || pNewList == this)
        AfxThrowInvalidArgException();
    for (CNode* p = pNewList->m_pNodeHead; p != nullptr; p = p->pNext)
        AddTail(p->data);
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveHead()
{
    CheckNotEmpty();
    CNode* pOld = m_pNodeHead;
    TYPE value(std::move(pOld->data));
    m_pNodeHead = pOld->pNext;
    if (m_pNodeHead != nullptr)
        m_pNodeHead->pPrev = nullptr;
    else
        m_pNodeTail = nullptr;
    FreeNode(pOld);
    return value;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveTail()
{
    CheckNotEmpty();
    CNode* pOld = m_pNodeTail;
    TYPE value(std::move(pOld->data));
    m_pNodeTail = pOld->pPrev;
    if (m_pNodeTail != nullptr)
        m_pNodeTail->pNext = nullptr;
    else
        m_pNodeHead = nullptr;
    FreeNode(pOld);
    return value;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    CNode* pOld = Node(position);
    if (pOld == m_pNodeHead)
        m_pNodeHead = pOld->pNext;
    else
        pOld->pPrev->pNext = pOld->pNext;
    if (pOld == m_pNodeTail)
        m_pNodeTail = pOld->pPrev;
    else
        pOld->pNext->pPrev = pOld->pPrev;
    FreeNode(pOld);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    if (position == nullptr)
        return AddHead(newElement);
    CNode* pOld = Node(position);
    CNode* pNew = NewNode(pOld->pPrev, pOld, newElement);
    if (pOld->pPrev != nullptr)
        pOld->pPrev->pNext = pNew;
    else
        m_pNodeHead = pNew;
    pOld->pPrev = pNew;
    return reinterpret_cast<POSITION>(pNew);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    if (position == nullptr)
        return AddTail(newElement);
    CNode* pOld = Node(position);
    CNode* pNew = NewNode(pOld, pOld->pNext, newElement);
    if (pOld->pNext != nullptr)
        pOld->pNext->pPrev = pNew;
    else
        m_pNodeTail = pNew;
    pOld->pNext = pNew;
    return reinterpret_cast<POSITION>(pNew);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode* pNode = startAfter == nullptr ? m_pNodeHead : reinterpret_cast<CNode*>(startAfter)->pNext;
    for (; pNode != nullptr; pNode = pNode->pNext)
        if (pNode->data == searchValue)
            return reinterpret_cast<POSITION>(pNode);
    return nullptr;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return nullptr;
    CNode* pNode = m_pNodeHead;
    while (nIndex-- > 0)
        pNode = pNode->pNext;
    return reinterpret_cast<POSITION>(pNode);
}
