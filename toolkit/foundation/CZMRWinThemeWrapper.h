// Visual styles without linking the visual-style library: each function is
// bound by name on first use, and a missing library or function answers with
// a fixed failure value, so the same drawing code runs with or without styles.
#pragma once
#include "core/Core.h"
#include <uxtheme.h>

// Entry points of one process-wide table. Wrappers without the recheck flag
// share one table, wrappers with it share the other.
class CZMRThemeFunctionTable
{
public:
    enum Function
    {
        fnOpenThemeData, fnCloseThemeData, fnDrawThemeBackground, fnDrawThemeTextEx,
        fnGetThemeColor, fnGetThemeInt, fnGetThemeSysBool, fnGetCurrentThemeName,
        fnIsThemeActive, fnIsAppThemed, fnBeginBufferedPaint, fnEndBufferedPaint,
        fnCount
    };

    CZMRThemeFunctionTable();

    // The entry, looked up when the module is there and it is not bound yet.
    FARPROC GetEntry(Function function);
    void ResetEntries();

    static LPCSTR GetFunctionName(Function function);

    FARPROC m_rgEntries[fnCount];
    HMODULE m_hModule;          // never freed
    DWORD m_dwComCtlVersion;    // major << 16 | minor

    // The two system calls the table binds through. A test puts its own in
    // place to stand in a visual-style library that Wine does not show.
    static FARPROC (WINAPI* s_pfnGetProcAddress)(HMODULE, LPCSTR);
    static HMODULE (WINAPI* s_pfnGetModuleHandleA)(LPCSTR);
};

class CZMRWinThemeWrapper
{
public:
    explicit CZMRWinThemeWrapper(BOOL bRecheck = FALSE);
    virtual ~CZMRWinThemeWrapper();

    void OpenThemeData(HWND hWnd, LPCWSTR lpszClassList);
    void CloseThemeData();
    HTHEME GetThemeHandle() const { return m_hTheme; }

    BOOL IsThemeOpen() const { return m_hTheme != nullptr; }
    BOOL IsThemeOpenAndActive();
    BOOL IsThemeActive();
    BOOL IsThemeActiveWithComCtl6();

    HRESULT GetThemeColor(int iPartId, int iStateId, int iPropId, COLORREF* pColor);
    HRESULT GetThemeInt(int iPartId, int iStateId, int iPropId, int* piVal);
    BOOL GetThemeSysBool(int iBoolId);
    HRESULT GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars,
                                LPWSTR pszColorBuff, int cchMaxColorChars,
                                LPWSTR pszSizeBuff, int cchMaxSizeChars);

    HRESULT DrawThemeBackground(HDC hDC, int iPartId, int iStateId, LPCRECT pRect, LPCRECT pClipRect);
    HRESULT DrawThemeTextEx(HDC hDC, int iPartId, int iStateId, LPCWSTR pszText, int cchText,
                            DWORD dwTextFlags, LPRECT pRect, const DTTOPTS* pOptions);
    HPAINTBUFFER BeginBufferedPaint(HDC hdcTarget, const RECT* prcTarget, BP_BUFFERFORMAT dwFormat,
                                    BP_PAINTPARAMS* pPaintParams, HDC* phdc);
    void EndBufferedPaint(HPAINTBUFFER hBufferedPaint, BOOL fUpdateTarget);

    // Follows a change of the loaded library (recheck wrappers only).
    void RefreshModule();

    CZMRThemeFunctionTable& GetFunctions() const;
    static CZMRThemeFunctionTable& GetFunctionTable(BOOL bRecheck);

protected:
    template <class TFn, class TResult, class... TArgs>
    TResult Call(CZMRThemeFunctionTable::Function function, TResult failure, TArgs... args) const
    {
        TFn pfn = reinterpret_cast<TFn>(reinterpret_cast<void*>(GetFunctions().GetEntry(function)));
        if (!pfn)
            return failure;
        try
        {
            return static_cast<TResult>(pfn(args...));
        }
        catch (...)
        {
            return failure;
        }
    }

    HTHEME m_hTheme;
    BOOL m_bRecheck;
};
