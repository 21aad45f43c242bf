// A stand-in visual-style library for the native theme's tests (Wine draws
// its own styles, which a test cannot tell apart by part and state): while
// the object lives, the chosen classes open and are active, and every
// background the theme asks for is recorded with its class, part, state,
// rectangle and clip. Colours and the flat-menu Boolean answer from tables
// the test fills; drawing can be made to fail for one part.
#pragma once
#include "StandInVisualStyles.h"
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

class CRecordingThemeStyles : public CStandInVisualStyles
{
public:
    struct CDraw
    {
        std::wstring strClass;
        int nPart, nState;
        CRect rc;
        CRect rcClip;   // empty without a clip
    };
    typedef std::tuple<std::wstring, int, int, int> ColorKey;   // class, part, state, property

    // The classes that open; any other class fails to open.
    explicit CRecordingThemeStyles(std::set<std::wstring> classes = AllClasses(), BOOL bActive = TRUE)
        : CStandInVisualStyles({{"OpenThemeData", reinterpret_cast<void*>(OpenThemeData)},
                                {"CloseThemeData", reinterpret_cast<void*>(CloseThemeData)},
                                {"IsThemeActive", reinterpret_cast<void*>(IsActive)},
                                {"IsAppThemed", reinterpret_cast<void*>(IsActive)},
                                {"DrawThemeBackground", reinterpret_cast<void*>(DrawThemeBackground)},
                                {"GetThemeColor", reinterpret_cast<void*>(GetThemeColor)},
                                {"GetThemeSysBool", reinterpret_cast<void*>(GetThemeSysBool)}})
    {
        s_classes = std::move(classes);
        s_bActive = bActive;
        s_draws.clear();
        s_opened.clear();
        s_colors.clear();
        s_nOpen = 0;
        s_bFlatMenus = FALSE;
        s_nFailingPart = -1;
    }
    ~CRecordingThemeStyles() { s_handles.clear(); }

    static std::set<std::wstring> AllClasses()
    {
        return {L"TOOLBAR", L"REBAR", L"COMBOBOX", L"WINDOW", L"SPIN", L"MENU", L"STATUS", L"BUTTON"};
    }

    // The draws of one class, in order.
    static std::vector<CDraw> DrawsOf(const std::wstring& strClass)
    {
        std::vector<CDraw> draws;
        for (const CDraw& draw : s_draws)
        {
            if (draw.strClass == strClass)
                draws.push_back(draw);
        }
        return draws;
    }

    static inline std::vector<CDraw> s_draws;
    static inline std::vector<std::wstring> s_opened;   // every class asked for, in order
    static inline std::map<ColorKey, COLORREF> s_colors;
    static inline int s_nOpen = 0;                      // handles open now
    static inline BOOL s_bFlatMenus = FALSE;
    static inline int s_nFailingPart = -1;              // drawing this part fails

private:
    static HTHEME WINAPI OpenThemeData(HWND, LPCWSTR lpszClass)
    {
        s_opened.push_back(lpszClass);
        if (!s_classes.count(lpszClass))
            return nullptr;
        s_handles.push_back(lpszClass);
        s_nOpen++;
        return reinterpret_cast<HTHEME>(s_handles.size());
    }
    static HRESULT WINAPI CloseThemeData(HTHEME)
    {
        s_nOpen--;
        return S_OK;
    }
    static BOOL WINAPI IsActive() { return s_bActive; }
    static std::wstring ClassOf(HTHEME hTheme)
    {
        const size_t n = reinterpret_cast<size_t>(hTheme);
        return n >= 1 && n <= s_handles.size() ? s_handles[n - 1] : std::wstring();
    }
    static HRESULT WINAPI DrawThemeBackground(HTHEME hTheme, HDC, int nPart, int nState, LPCRECT pRect,
                                              LPCRECT pClip)
    {
        s_draws.push_back({ClassOf(hTheme), nPart, nState, CRect(*pRect), pClip ? CRect(*pClip) : CRect()});
        return nPart == s_nFailingPart ? E_FAIL : S_OK;
    }
    static HRESULT WINAPI GetThemeColor(HTHEME hTheme, int nPart, int nState, int nProperty, COLORREF* pColor)
    {
        auto it = s_colors.find(ColorKey(ClassOf(hTheme), nPart, nState, nProperty));
        if (it == s_colors.end())
            return E_FAIL;
        *pColor = it->second;
        return S_OK;
    }
    static BOOL WINAPI GetThemeSysBool(HTHEME, int nBool) { return nBool == 1001 ? s_bFlatMenus : FALSE; }

    static inline std::set<std::wstring> s_classes;
    static inline std::vector<std::wstring> s_handles;
    static inline BOOL s_bActive = TRUE;
};
