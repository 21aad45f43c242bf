// CStringArray: the framework's growable array of strings.
#pragma once

#include "core/CArray.h"
#include "core/CString.h"

class CStringArray : public CArray<CString, const CString&>
{
    DECLARE_DYNAMIC(CStringArray)
};
