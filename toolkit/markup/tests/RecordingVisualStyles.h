// A stand-in visual style that is active and themed, opens a theme for every
// class and records what the drawing tests need to see: the part and state of
// every background it is asked to draw, and how many theme handles are open.
#pragma once
#include "StandInVisualStyles.h"
#include <utility>
#include <vector>

class CRecordingVisualStyles : public CStandInVisualStyles
{
public:
    typedef std::vector<std::pair<int, int>> Backgrounds;

    CRecordingVisualStyles()
        : CStandInVisualStyles({{"OpenThemeData", reinterpret_cast<void*>(OpenThemeData)},
                                {"CloseThemeData", reinterpret_cast<void*>(CloseThemeData)},
                                {"IsThemeActive", reinterpret_cast<void*>(True)},
                                {"IsAppThemed", reinterpret_cast<void*>(True)},
                                {"DrawThemeBackground", reinterpret_cast<void*>(DrawThemeBackground)}})
    {
    }

    // (part, state) of each background drawn, in order; tests clear it.
    static inline Backgrounds s_backgrounds;
    // Opened minus closed theme handles, over the whole run.
    static inline int s_nOpenThemes = 0;

private:
    static HTHEME WINAPI OpenThemeData(HWND, LPCWSTR)
    {
        s_nOpenThemes++;
        return reinterpret_cast<HTHEME>(0x77);
    }
    static HRESULT WINAPI CloseThemeData(HTHEME)
    {
        s_nOpenThemes--;
        return S_OK;
    }
    static BOOL WINAPI True() { return TRUE; }
    static HRESULT WINAPI DrawThemeBackground(HTHEME, HDC, int nPart, int nState, LPCRECT, LPCRECT)
    {
        s_backgrounds.push_back({nPart, nState});
        return S_OK;
    }
};
