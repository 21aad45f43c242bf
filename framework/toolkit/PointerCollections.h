// The toolkit's helpers over the framework's pointer collections: they touch
// only the collections, never the objects the pointers lead to.
#pragma once
#include "core/Core.h"

// Removes nCount entries from nIndex on and moves the later ones down; a
// negative index or count, or a range past the end, raises the framework's
// invalid-argument exception.
void AFXAPI PtrArrayRemoveAt(CPtrArray& arr, INT_PTR nIndex, INT_PTR nCount = 1);

// Frees the bucket table and every block of entries; the values are not
// released (their holders release them first).
void AFXAPI PtrMapRemoveAll(CMapPtrToPtr& map);
void AFXAPI PtrMapRemoveAll(CMapStringToPtr& map);

// Appends the pointer at the tail and returns the new node's position.
POSITION AFXAPI PointerListAddTail(CPtrList& list, void* p);
