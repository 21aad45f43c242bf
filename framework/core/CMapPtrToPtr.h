// CMapPtrToPtr: the framework's hash map from pointer to pointer; neither keys nor values are touched.
#pragma once

#include "core/CMap.h"

class CMapPtrToPtr : public CMap<void*, void*, void*, void*>
{
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    explicit CMapPtrToPtr(INT_PTR nBlockSize = 10) : CMap<void*, void*, void*, void*>(nBlockSize) {}
};
