// CPtrList: the framework's list of pointers; the pointed-to objects are never touched.
#pragma once

#include "core/CList.h"

class CPtrList : public CList<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(INT_PTR nBlockSize = 10) : CList<void*, void*>(nBlockSize) {}
};
