// CPtrArray: the framework's growable array of pointers; the pointed-to objects are never touched.
#pragma once

#include "core/CArray.h"

class CPtrArray : public CArray<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
};
