#include "toolkit/PointerCollections.h"

void AFXAPI PtrArrayRemoveAt(CPtrArray& arr, INT_PTR nIndex, INT_PTR nCount)
{
    arr.RemoveAt(nIndex, nCount);
}

void AFXAPI PtrMapRemoveAll(CMapPtrToPtr& map)
{
    map.RemoveAll();
}

void AFXAPI PtrMapRemoveAll(CMapStringToPtr& map)
{
    map.RemoveAll();
}

POSITION AFXAPI PointerListAddTail(CPtrList& list, void* p)
{
    return list.AddTail(p);
}
