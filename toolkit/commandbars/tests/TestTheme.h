// A theme for tests: it supplies the operations every theme must, draws
// nothing, counts the live instances and can run a check as it goes.
#pragma once
#include "CZMRPaintManager.h"
#include <algorithm>
#include <functional>

class CTestTheme : public CZMRPaintManager
{
public:
    CTestTheme() { s_nLive++; }
    ~CTestTheme() override
    {
        s_nLive--;
        if (m_onDestroy)
            m_onDestroy();
    }

    void DrawControlBackdrop(CDC*, CZMRControl*, CRect) override {}
    CSize DrawControlListItem(CDC*, CZMRControl*, CRect, BOOL, BOOL, CWnd*) override { return CSize(0, 0); }
    void PaintBarBackground(CDC*, CZMRCommandBar*) override {}
    COLORREF GetStateTextColor(int, int, BOOL, int, BOOL, int, int) override { return 0; }
    void DrawStateHighlight(CDC*, CRect, int, int, BOOL, int, BOOL, int, int) override {}
    CSize DrawSeparator(CDC*, CZMRCommandBar*, CZMRControl*, BOOL) override { return CSize(0, 0); }
    void AdjustAvoidRect(CRect&, CZMRControl*, BOOL) override {}
    CSize DrawTearOffHandle(CDC*, CRect, BOOL, BOOL) override { return CSize(0, 0); }
    void DrawPopupSizeGrip(CDC*, CRect, int) override {}
    void DrawImage(CDC*, int, int, int, int, CZMRImageManagerIcon*, int, int, BOOL, int, BOOL, BOOL) override {}
    CSize DrawDialogBarGripper(CDC*, CZMRCommandBar*, BOOL) override { return CSize(0, 0); }
    int GetThemeKind() override { return 99; }

    // The protected helpers, for the tests that reach them.
    using CZMRPaintManager::GetBarLogFont;

    std::function<void()> m_onDestroy;
    static inline int s_nLive = 0;
};
