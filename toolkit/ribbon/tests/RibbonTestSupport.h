// Shared pieces of the ribbon tests: the ribbon test skin bound for one
// scope, and a ribbon host on the test's desktop.
#pragma once
#include "CRibbonHost.h"
#include "CZMROffice2007Images.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonTheme.h"

#include <gtest/gtest.h>

// The ribbon test skin (or one of its other tables) bound to the image set
// for one scope; the previous binding is put back after.
class CRibbonSkinBound
{
public:
    explicit CRibbonSkinBound(LPCWSTR lpszTable = nullptr) : m_hOld(GetOffice2007Images()->GetHandle())
    {
        GetOffice2007Images()->SetHandle(::LoadLibraryW(L"zm_ribbonskin.dll"), lpszTable, TRUE);
    }
    ~CRibbonSkinBound() { GetOffice2007Images()->SetHandle(m_hOld); }

private:
    HMODULE m_hOld;
};

// The colour a key of the test skin's "Ribbon" section holds.
inline COLORREF SkinColor(int nRed, int nGreen, int nBlue)
{
    return RGB(nRed, nGreen, nBlue);
}
