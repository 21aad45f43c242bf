// CMapStringToPtr: the framework's hash map from string (case-sensitive) to pointer; the values are never touched.
#pragma once

#include "core/CMap.h"

class CMapStringToPtr : public CMap<CString, LPCTSTR, void*, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    explicit CMapStringToPtr(INT_PTR nBlockSize = 10) : CMap<CString, LPCTSTR, void*, void*>(nBlockSize) {}
};
