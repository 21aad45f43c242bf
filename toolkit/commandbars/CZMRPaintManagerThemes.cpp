// The theme factory: one paint manager class per theme number. A number
// whose theme is not built in is served by the Default theme.
#include "CZMRPaintManager.h"

namespace
{
// Stands in for the Default theme until its drawing is in: it answers the
// Default theme's kind and text colours, measures nothing and draws nothing.
class CDefaultThemeStandIn : public CZMRPaintManager
{
public:
    void DrawControlBackdrop(CDC*, CZMRControl*, CRect) override {}
    CSize DrawControlListItem(CDC*, CZMRControl*, CRect, BOOL, BOOL, CWnd*) override { return CSize(0, 0); }
    void PaintBarBackground(CDC*, CZMRCommandBar*) override {}
    COLORREF GetStateTextColor(int, int, BOOL bEnabled, int, BOOL, int, int) override
    {
        return GetColor(bEnabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    }
    void DrawStateHighlight(CDC*, CRect, int, int, BOOL, int, BOOL, int, int) override {}
    CSize DrawSeparator(CDC*, CZMRCommandBar*, CZMRControl*, BOOL) override { return CSize(0, 0); }
    void AdjustAvoidRect(CRect&, CZMRControl*, BOOL) override {}
    CSize DrawTearOffHandle(CDC*, CRect, BOOL, BOOL) override { return CSize(0, 0); }
    void DrawPopupSizeGrip(CDC*, CRect, int) override {}
    void DrawImage(CDC*, int, int, int, int, CZMRImageManagerIcon*, int, int, BOOL, int, BOOL, BOOL) override {}
    CSize DrawDialogBarGripper(CDC*, CZMRCommandBar*, BOOL) override { return CSize(0, 0); }
    int GetThemeKind() override { return zmrThemeDefault; }
};
}

CZMRPaintManager* CZMRPaintManager::CreateTheme(int nTheme)
{
    CZMRPaintManager* pPaintManager = nullptr;
    switch (nTheme)
    {
    default:
        pPaintManager = new CDefaultThemeStandIn;
        break;
    }
    pPaintManager->m_nTheme = nTheme;
    return pPaintManager;
}
