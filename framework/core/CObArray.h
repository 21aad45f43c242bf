// CObArray: the framework's growable array of object pointers; the objects are not owned.
#pragma once

#include "core/CArray.h"

class CObArray : public CArray<CObject*, CObject*>
{
    DECLARE_DYNAMIC(CObArray)
};
