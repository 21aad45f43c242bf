// CMapStringToString: the framework's hash map from string to string, both case-sensitive.
#pragma once

#include "core/CMap.h"

class CMapStringToString : public CMap<CString, LPCTSTR, CString, LPCTSTR>
{
    DECLARE_DYNAMIC(CMapStringToString)
public:
    explicit CMapStringToString(INT_PTR nBlockSize = 10) : CMap<CString, LPCTSTR, CString, LPCTSTR>(nBlockSize) {}
};
