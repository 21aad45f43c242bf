// A stand-in visual-style library for the drawing tests (Wine's own styles
// do not answer every part a test needs to see): while the object lives, both
// function tables of the visual-style wrapper bind the test's functions by
// name, and names the test leaves out are missing from the library.
#pragma once
#include "CZMRWinThemeWrapper.h"
#include <cstring>
#include <initializer_list>
#include <vector>

class CStandInVisualStyles
{
public:
    struct Entry
    {
        const char* pszName;
        void* pfn;
    };

    explicit CStandInVisualStyles(std::initializer_list<Entry> entries)
    {
        s_entries.assign(entries);
        for (int i = 0; i < 2; i++)
        {
            m_saved[i] = CZMRWinThemeWrapper::GetFunctionTable(i);
            CZMRWinThemeWrapper::GetFunctionTable(i).m_hModule = Module();
            CZMRWinThemeWrapper::GetFunctionTable(i).ResetEntries();
        }
        CZMRThemeFunctionTable::s_pfnGetProcAddress = GetProcAddress;
        CZMRThemeFunctionTable::s_pfnGetModuleHandleA = GetModuleHandleA;
    }
    ~CStandInVisualStyles()
    {
        CZMRThemeFunctionTable::s_pfnGetProcAddress = ::GetProcAddress;
        CZMRThemeFunctionTable::s_pfnGetModuleHandleA = ::GetModuleHandleA;
        for (int i = 0; i < 2; i++)
            CZMRWinThemeWrapper::GetFunctionTable(i) = m_saved[i];
        s_entries.clear();
    }

    // The handle the stand-in library goes by; nothing is loaded there.
    static HMODULE Module() { return reinterpret_cast<HMODULE>(0x3000); }

private:
    static FARPROC WINAPI GetProcAddress(HMODULE, LPCSTR lpszName)
    {
        for (const Entry& entry : s_entries)
        {
            if (std::strcmp(entry.pszName, lpszName) == 0)
                return reinterpret_cast<FARPROC>(entry.pfn);
        }
        return nullptr;
    }
    static HMODULE WINAPI GetModuleHandleA(LPCSTR) { return Module(); }

    CZMRThemeFunctionTable m_saved[2];
    static inline std::vector<Entry> s_entries;
};
