#include "CZMRWinThemeWrapper.h"
#include "CZMROSVersionInfo.h"

namespace
{
typedef HTHEME (WINAPI* PFNOPENTHEMEDATA)(HWND, LPCWSTR);
typedef HRESULT (WINAPI* PFNCLOSETHEMEDATA)(HTHEME);
typedef HRESULT (WINAPI* PFNDRAWTHEMEBACKGROUND)(HTHEME, HDC, int, int, LPCRECT, LPCRECT);
typedef HRESULT (WINAPI* PFNDRAWTHEMETEXTEX)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, LPRECT, const DTTOPTS*);
typedef HRESULT (WINAPI* PFNGETTHEMECOLOR)(HTHEME, int, int, int, COLORREF*);
typedef HRESULT (WINAPI* PFNGETTHEMEINT)(HTHEME, int, int, int, int*);
typedef BOOL (WINAPI* PFNGETTHEMESYSBOOL)(HTHEME, int);
typedef HRESULT (WINAPI* PFNGETCURRENTTHEMENAME)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
typedef BOOL (WINAPI* PFNISTHEMEACTIVE)();
typedef BOOL (WINAPI* PFNISAPPTHEMED)();
typedef HPAINTBUFFER (WINAPI* PFNBEGINBUFFEREDPAINT)(HDC, const RECT*, BP_BUFFERFORMAT, BP_PAINTPARAMS*, HDC*);
typedef HRESULT (WINAPI* PFNENDBUFFEREDPAINT)(HPAINTBUFFER, BOOL);

const LPCSTR s_rgNames[CZMRThemeFunctionTable::fnCount] = {
    "OpenThemeData", "CloseThemeData", "DrawThemeBackground", "DrawThemeTextEx",
    "GetThemeColor", "GetThemeInt", "GetThemeSysBool", "GetCurrentThemeName",
    "IsThemeActive", "IsAppThemed", "BeginBufferedPaint", "EndBufferedPaint",
};
}

FARPROC (WINAPI* CZMRThemeFunctionTable::s_pfnGetProcAddress)(HMODULE, LPCSTR) = ::GetProcAddress;
HMODULE (WINAPI* CZMRThemeFunctionTable::s_pfnGetModuleHandleA)(LPCSTR) = ::GetModuleHandleA;

CZMRThemeFunctionTable::CZMRThemeFunctionTable()
{
    ResetEntries();
    m_dwComCtlVersion = CZMROSVersionInfo::GetComCtlVersion();
    m_hModule = ::LoadLibraryW(L"UXTHEME.DLL");
}

void CZMRThemeFunctionTable::ResetEntries()
{
    for (FARPROC& entry : m_rgEntries)
        entry = nullptr;
}

LPCSTR CZMRThemeFunctionTable::GetFunctionName(Function function)
{
    return s_rgNames[function];
}

FARPROC CZMRThemeFunctionTable::GetEntry(Function function)
{
    // A name the library does not export is looked up again on every call.
    if (m_hModule && !m_rgEntries[function])
        m_rgEntries[function] = s_pfnGetProcAddress(m_hModule, s_rgNames[function]);
    return m_rgEntries[function];
}

CZMRWinThemeWrapper::CZMRWinThemeWrapper(BOOL bRecheck)
    : m_hTheme(nullptr), m_bRecheck(bRecheck)
{
}

CZMRWinThemeWrapper::~CZMRWinThemeWrapper()
{
    CloseThemeData();
}

CZMRThemeFunctionTable& CZMRWinThemeWrapper::GetFunctionTable(BOOL bRecheck)
{
    static CZMRThemeFunctionTable* s_pTables[2] = {nullptr, nullptr};
    CZMRThemeFunctionTable*& pTable = s_pTables[bRecheck ? 1 : 0];
    if (!pTable)
        pTable = new CZMRThemeFunctionTable;   // lives until the process ends
    return *pTable;
}

CZMRThemeFunctionTable& CZMRWinThemeWrapper::GetFunctions() const
{
    return GetFunctionTable(m_bRecheck);
}

void CZMRWinThemeWrapper::RefreshModule()
{
    if (!m_bRecheck)
        return;
    CZMRThemeFunctionTable& table = GetFunctions();
    HMODULE hModule = CZMRThemeFunctionTable::s_pfnGetModuleHandleA("UXTHEME.DLL");
    if (hModule != table.m_hModule)
    {
        table.m_hModule = hModule;
        table.ResetEntries();
    }
}

void CZMRWinThemeWrapper::OpenThemeData(HWND hWnd, LPCWSTR lpszClassList)
{
    RefreshModule();
    CloseThemeData();
    m_hTheme = Call<PFNOPENTHEMEDATA>(CZMRThemeFunctionTable::fnOpenThemeData, HTHEME(nullptr), hWnd, lpszClassList);
}

void CZMRWinThemeWrapper::CloseThemeData()
{
    if (m_hTheme)
        Call<PFNCLOSETHEMEDATA>(CZMRThemeFunctionTable::fnCloseThemeData, E_FAIL, m_hTheme);
    m_hTheme = nullptr;
}

BOOL CZMRWinThemeWrapper::IsThemeOpenAndActive()
{
    if (!m_hTheme)
        return FALSE;
    return Call<PFNISAPPTHEMED>(CZMRThemeFunctionTable::fnIsAppThemed, BOOL(FALSE));
}

BOOL CZMRWinThemeWrapper::IsThemeActive()
{
    if (!m_hTheme)
        RefreshModule();
    return Call<PFNISTHEMEACTIVE>(CZMRThemeFunctionTable::fnIsThemeActive, BOOL(FALSE));
}

BOOL CZMRWinThemeWrapper::IsThemeActiveWithComCtl6()
{
    return IsThemeActive() && HIWORD(GetFunctions().m_dwComCtlVersion) >= 6;
}

HRESULT CZMRWinThemeWrapper::GetThemeColor(int iPartId, int iStateId, int iPropId, COLORREF* pColor)
{
    return Call<PFNGETTHEMECOLOR>(CZMRThemeFunctionTable::fnGetThemeColor, HRESULT(E_FAIL),
                                  m_hTheme, iPartId, iStateId, iPropId, pColor);
}

HRESULT CZMRWinThemeWrapper::GetThemeInt(int iPartId, int iStateId, int iPropId, int* piVal)
{
    return Call<PFNGETTHEMEINT>(CZMRThemeFunctionTable::fnGetThemeInt, HRESULT(E_FAIL),
                                m_hTheme, iPartId, iStateId, iPropId, piVal);
}

BOOL CZMRWinThemeWrapper::GetThemeSysBool(int iBoolId)
{
    return Call<PFNGETTHEMESYSBOOL>(CZMRThemeFunctionTable::fnGetThemeSysBool, BOOL(FALSE), m_hTheme, iBoolId);
}

HRESULT CZMRWinThemeWrapper::GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars,
                                                 LPWSTR pszColorBuff, int cchMaxColorChars,
                                                 LPWSTR pszSizeBuff, int cchMaxSizeChars)
{
    RefreshModule();
    return Call<PFNGETCURRENTTHEMENAME>(CZMRThemeFunctionTable::fnGetCurrentThemeName, HRESULT(E_FAIL),
                                        pszThemeFileName, cchMaxNameChars, pszColorBuff, cchMaxColorChars,
                                        pszSizeBuff, cchMaxSizeChars);
}

HRESULT CZMRWinThemeWrapper::DrawThemeBackground(HDC hDC, int iPartId, int iStateId, LPCRECT pRect, LPCRECT pClipRect)
{
    return Call<PFNDRAWTHEMEBACKGROUND>(CZMRThemeFunctionTable::fnDrawThemeBackground, HRESULT(E_FAIL),
                                        m_hTheme, hDC, iPartId, iStateId, pRect, pClipRect);
}

HRESULT CZMRWinThemeWrapper::DrawThemeTextEx(HDC hDC, int iPartId, int iStateId, LPCWSTR pszText, int cchText,
                                             DWORD dwTextFlags, LPRECT pRect, const DTTOPTS* pOptions)
{
    return Call<PFNDRAWTHEMETEXTEX>(CZMRThemeFunctionTable::fnDrawThemeTextEx, HRESULT(E_FAIL),
                                    m_hTheme, hDC, iPartId, iStateId, pszText, cchText, dwTextFlags, pRect, pOptions);
}

HPAINTBUFFER CZMRWinThemeWrapper::BeginBufferedPaint(HDC hdcTarget, const RECT* prcTarget, BP_BUFFERFORMAT dwFormat,
                                                     BP_PAINTPARAMS* pPaintParams, HDC* phdc)
{
    return Call<PFNBEGINBUFFEREDPAINT>(CZMRThemeFunctionTable::fnBeginBufferedPaint, HPAINTBUFFER(nullptr),
                                       hdcTarget, prcTarget, dwFormat, pPaintParams, phdc);
}

void CZMRWinThemeWrapper::EndBufferedPaint(HPAINTBUFFER hBufferedPaint, BOOL fUpdateTarget)
{
    Call<PFNENDBUFFEREDPAINT>(CZMRThemeFunctionTable::fnEndBufferedPaint, HRESULT(E_FAIL),
                              hBufferedPaint, fUpdateTarget);
}
