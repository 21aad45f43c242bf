// The foundation's test skin (built from skin/zm_testskin.rc) bound to the
// Office 2007 image set for one scope, the previous binding put back after.
// Tests of other folders that draw from the skin use it.
#pragma once
#include "CZMROffice2007Images.h"

class CSkinBound
{
public:
    CSkinBound() : m_hOld(GetOffice2007Images()->GetHandle())
    {
        GetOffice2007Images()->SetHandle(::LoadLibraryW(L"zm_testskin.dll"), nullptr, TRUE);
    }
    ~CSkinBound() { GetOffice2007Images()->SetHandle(m_hOld); }
    CSkinBound(const CSkinBound&) = delete;
    CSkinBound& operator=(const CSkinBound&) = delete;

private:
    HMODULE m_hOld;
};
