// CTypedPtrArray: a pointer array (CPtrArray or CObArray underneath) whose
// members take and give pointers of one type, so callers need no casts.
#pragma once

#include "core/CPtrArray.h"
#include "core/CObArray.h"

template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS
{
    using Base = BASE_CLASS;
    // The base keeps the pointers as its own element type; an element of
    // TYPE is read through a reference to that slot.
    using Element = typename std::remove_reference<decltype(std::declval<Base&>().ElementAt(0))>::type;
    static_assert(sizeof(TYPE) == sizeof(Element), "CTypedPtrArray holds pointers");

public:
    TYPE GetAt(INT_PTR nIndex) const { return static_cast<TYPE>(Base::GetAt(nIndex)); }
    TYPE& ElementAt(INT_PTR nIndex) { return reinterpret_cast<TYPE&>(Base::ElementAt(nIndex)); }
    void SetAt(INT_PTR nIndex, TYPE ptr) { Base::SetAt(nIndex, ptr); }
    void SetAtGrow(INT_PTR nIndex, TYPE newElement) { Base::SetAtGrow(nIndex, newElement); }
    INT_PTR Add(TYPE newElement) { return Base::Add(newElement); }
    INT_PTR Append(const CTypedPtrArray& src) { return Base::Append(src); }
    void Copy(const CTypedPtrArray& src) { Base::Copy(src); }
    void InsertAt(INT_PTR nIndex, TYPE newElement, INT_PTR nCount = 1) { Base::InsertAt(nIndex, newElement, nCount); }
    void InsertAt(INT_PTR nStartIndex, CTypedPtrArray* pNewArray) { Base::InsertAt(nStartIndex, pNewArray); }
    TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
    TYPE* GetData() { return reinterpret_cast<TYPE*>(Base::GetData()); }
    const TYPE* GetData() const { return reinterpret_cast<const TYPE*>(Base::GetData()); }
};
