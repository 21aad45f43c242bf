// The paint manager's drawing interface: the fixed order of its operations,
// which of them every theme must supply, dispatch to a theme's overrides,
// and what the base draws itself.
#include "TestTheme.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

// The table of the class's virtual operations; the symbol follows the
// compiler's C++ ABI.
extern "C" void* _ZTV16CZMRPaintManager[];
extern "C" void __cxa_pure_virtual();

namespace
{
// The table slot of a virtual operation: a member pointer to a virtual
// operation holds 1 + its byte offset in the table.
template <class TMember>
ptrdiff_t SlotOf(TMember pmf)
{
    struct
    {
        ptrdiff_t ptr, adj;
    } rep;
    static_assert(sizeof(pmf) == sizeof(rep), "a member pointer of two words");
    std::memcpy(&rep, &pmf, sizeof(rep));
    return (rep.ptr - 1) / ptrdiff_t(sizeof(void*));
}

struct Operation
{
    const char* pszName;
    ptrdiff_t nSlot;
    bool bAbstract;
};

#define ZMR_OPERATION(name, abstract) {#name, SlotOf(&CZMRPaintManager::name), abstract}

// In declaration order; the abstract ones are the ones every theme supplies.
const Operation g_operations[] = {
    ZMR_OPERATION(DrawPopupBarItem, false),
    ZMR_OPERATION(DrawToolBarItem, false),
    ZMR_OPERATION(DrawControlBackdrop, true),
    ZMR_OPERATION(DrawComboBoxItem, false),
    ZMR_OPERATION(GetEditFieldBackColor, false),
    ZMR_OPERATION(DrawEditItem, false),
    ZMR_OPERATION(DrawControlListItem, true),
    ZMR_OPERATION(PaintBarBackground, true),
    ZMR_OPERATION(DrawControlStateRect, false),
    ZMR_OPERATION(GetControlTextColor, false),
    ZMR_OPERATION(GetStateTextColor, true),
    ZMR_OPERATION(DrawStateHighlight, true),
    ZMR_OPERATION(DrawGripper, false),
    ZMR_OPERATION(DrawSeparator, true),
    ZMR_OPERATION(AdjustAvoidRect, true),
    ZMR_OPERATION(PaintStatusPane, false),
    ZMR_OPERATION(PaintStatusPaneButton, false),
    ZMR_OPERATION(PaintStatusPaneSwitches, false),
    ZMR_OPERATION(PaintStatusPaneDivider, false),
    ZMR_OPERATION(PaintStatusPaneEdge, false),
    ZMR_OPERATION(PaintStatusSizeGrip, false),
    ZMR_OPERATION(PaintDockBackground, false),
    ZMR_OPERATION(PaintFloatingCaption, false),
    ZMR_OPERATION(PaintFloatingCaptionButton, false),
    ZMR_OPERATION(PaintStatusBackground, false),
    ZMR_OPERATION(RefreshMetrics, false),
    ZMR_OPERATION(DrawOverflowButton, false),
    ZMR_OPERATION(GetBarBorderWidths, false),
    ZMR_OPERATION(DrawTearOffHandle, true),
    ZMR_OPERATION(DrawPopupSizeGrip, true),
    ZMR_OPERATION(DrawImage, true),
    ZMR_OPERATION(DrawDialogBarGripper, true),
    ZMR_OPERATION(GetSplitMainPartRect, false),
    ZMR_OPERATION(ApplyBarWindowRegion, false),
    ZMR_OPERATION(DrawCheckBoxGlyph, false),
    ZMR_OPERATION(DrawRadioButtonGlyph, false),
    ZMR_OPERATION(FillIconColumn, false),
    ZMR_OPERATION(GetThemeKind, true),
    ZMR_OPERATION(GetControlFont, false),
    ZMR_OPERATION(GetBarFont, false),
    ZMR_OPERATION(GetControlTextDirection, false),
    ZMR_OPERATION(RefreshFonts, false),
    ZMR_OPERATION(RefreshStandardColors, false),
    ZMR_OPERATION(DrawCheckMark, false),
    ZMR_OPERATION(DrawRadioDot, false),
    ZMR_OPERATION(DrawDropDownTriangle, false),
    ZMR_OPERATION(DrawPopupArrow, false),
    ZMR_OPERATION(Animate, false),
    ZMR_OPERATION(AnimateUnfold, false),
    ZMR_OPERATION(AdjustCaptionForRightToLeft, false),
    ZMR_OPERATION(GetPopupIconColumnWidth, false),
    ZMR_OPERATION(PaintMdiWorkspace, false),
    ZMR_OPERATION(PaintKeyboardTipWindow, false),
    ZMR_OPERATION(UsesFlatLook, false),
    ZMR_OPERATION(GetIconColumnSize, false),
    ZMR_OPERATION(DrawItemLabel, false),
};

// A theme that replaces every operation and records which one a call reaches.
class CRecordingTheme : public CTestTheme
{
public:
    std::vector<std::string> m_calls;
    CSize Record(const char* pszName)
    {
        m_calls.push_back(pszName);
        return CSize(0, 0);
    }

    CSize DrawPopupBarItem(CDC*, CZMRControl*, BOOL) override { return Record("DrawPopupBarItem"); }
    CSize DrawToolBarItem(CDC*, CZMRControl*, BOOL) override { return Record("DrawToolBarItem"); }
    void DrawControlBackdrop(CDC*, CZMRControl*, CRect) override { Record("DrawControlBackdrop"); }
    CSize DrawComboBoxItem(CDC*, CZMRControl*, BOOL) override { return Record("DrawComboBoxItem"); }
    COLORREF GetEditFieldBackColor(CZMRControl*) override { return Record("GetEditFieldBackColor").cx; }
    CSize DrawEditItem(CDC*, CZMRControl*, BOOL) override { return Record("DrawEditItem"); }
    CSize DrawControlListItem(CDC*, CZMRControl*, CRect, BOOL, BOOL, CWnd*) override
    {
        return Record("DrawControlListItem");
    }
    void PaintBarBackground(CDC*, CZMRCommandBar*) override { Record("PaintBarBackground"); }
    void DrawControlStateRect(CDC*, CZMRControl*) override { Record("DrawControlStateRect"); }
    COLORREF GetControlTextColor(CZMRControl*) override { return Record("GetControlTextColor").cx; }
    COLORREF GetStateTextColor(int, int, BOOL, int, BOOL, int, int) override
    {
        return Record("GetStateTextColor").cx;
    }
    void DrawStateHighlight(CDC*, CRect, int, int, BOOL, int, BOOL, int, int) override
    {
        Record("DrawStateHighlight");
    }
    CSize DrawGripper(CDC*, CZMRCommandBar*, BOOL) override { return Record("DrawGripper"); }
    CSize DrawSeparator(CDC*, CZMRCommandBar*, CZMRControl*, BOOL) override { return Record("DrawSeparator"); }
    void AdjustAvoidRect(CRect&, CZMRControl*, BOOL) override { Record("AdjustAvoidRect"); }
    void PaintStatusPane(CDC*, CZMRStatusBarPane*, CRect) override { Record("PaintStatusPane"); }
    void PaintStatusPaneButton(CDC*, CRect, CZMRStatusBarPane*) override { Record("PaintStatusPaneButton"); }
    int PaintStatusPaneSwitches(CDC*, CRect, CZMRStatusBarPane*) override
    {
        return Record("PaintStatusPaneSwitches").cx;
    }
    void PaintStatusPaneDivider(CDC*, CRect, CZMRStatusBarPane*, BOOL) override
    {
        Record("PaintStatusPaneDivider");
    }
    void PaintStatusPaneEdge(CDC*, CRect, CZMRStatusBarPane*) override { Record("PaintStatusPaneEdge"); }
    void PaintStatusSizeGrip(CDC*, CRect) override { Record("PaintStatusSizeGrip"); }
    void PaintDockBackground(CDC*, CWnd*) override { Record("PaintDockBackground"); }
    void PaintFloatingCaption(CDC*, CZMRToolBar*) override { Record("PaintFloatingCaption"); }
    void PaintFloatingCaptionButton(CDC*, CZMRCaptionButton*) override { Record("PaintFloatingCaptionButton"); }
    void PaintStatusBackground(CDC*, CZMRStatusBar*) override { Record("PaintStatusBackground"); }
    void RefreshMetrics() override { Record("RefreshMetrics"); }
    CSize DrawOverflowButton(CDC*, int, CZMRControl*, CZMRCommandBar*, BOOL, LPARAM) override
    {
        return Record("DrawOverflowButton");
    }
    CRect GetBarBorderWidths(CZMRCommandBar*) override
    {
        Record("GetBarBorderWidths");
        return CRect();
    }
    CSize DrawTearOffHandle(CDC*, CRect, BOOL, BOOL) override { return Record("DrawTearOffHandle"); }
    void DrawPopupSizeGrip(CDC*, CRect, int) override { Record("DrawPopupSizeGrip"); }
    void DrawImage(CDC*, int, int, int, int, CZMRImageManagerIcon*, int, int, BOOL, int, BOOL, BOOL) override
    {
        Record("DrawImage");
    }
    CSize DrawDialogBarGripper(CDC*, CZMRCommandBar*, BOOL) override { return Record("DrawDialogBarGripper"); }
    CRect GetSplitMainPartRect(CZMRControl*) override
    {
        Record("GetSplitMainPartRect");
        return CRect();
    }
    void ApplyBarWindowRegion(CZMRCommandBar*) override { Record("ApplyBarWindowRegion"); }
    CSize DrawCheckBoxGlyph(CDC*, CRect, BOOL, int, int, int, BOOL) override { return Record("DrawCheckBoxGlyph"); }
    CSize DrawRadioButtonGlyph(CDC*, CRect, BOOL, int, int, int, BOOL) override
    {
        return Record("DrawRadioButtonGlyph");
    }
    void FillIconColumn(CDC*, int, int, int, int, BOOL) override { Record("FillIconColumn"); }
    int GetThemeKind() override { return Record("GetThemeKind").cx; }
    CFont* GetControlFont(CZMRControl*) override
    {
        Record("GetControlFont");
        return nullptr;
    }
    CFont* GetBarFont(CZMRCommandBar*) override
    {
        Record("GetBarFont");
        return nullptr;
    }
    int GetControlTextDirection(CZMRControl*) override { return Record("GetControlTextDirection").cx; }
    void RefreshFonts() override { Record("RefreshFonts"); }
    void RefreshStandardColors() override { Record("RefreshStandardColors"); }
    void DrawCheckMark(CDC*, CRect, BOOL, COLORREF) override { Record("DrawCheckMark"); }
    void DrawRadioDot(CDC*, CRect, BOOL, COLORREF) override { Record("DrawRadioDot"); }
    void DrawDropDownTriangle(CDC*, CRect, COLORREF) override { Record("DrawDropDownTriangle"); }
    void DrawPopupArrow(CDC*, CZMRControl*, int, int, int, BOOL, BOOL, BOOL) override { Record("DrawPopupArrow"); }
    void Animate(CDC*, CDC*, CRect, int) override { Record("Animate"); }
    void AnimateUnfold(CZMRPopupBar*, CDC*, CDC*, BOOL) override { Record("AnimateUnfold"); }
    void AdjustCaptionForRightToLeft(CString&) override { Record("AdjustCaptionForRightToLeft"); }
    int GetPopupIconColumnWidth(CZMRCommandBar*) override { return Record("GetPopupIconColumnWidth").cx; }
    void PaintMdiWorkspace(CDC*, CRect) override { Record("PaintMdiWorkspace"); }
    void PaintKeyboardTipWindow(CDC*, CZMRCommandBarKeyboardTip*, BOOL) override
    {
        Record("PaintKeyboardTipWindow");
    }
    BOOL UsesFlatLook(CZMRCommandBar*) override { return Record("UsesFlatLook").cx; }
    CSize GetIconColumnSize(CZMRCommandBar*) override { return Record("GetIconColumnSize"); }
    int DrawItemLabel(CDC*, const CString&, CRect, UINT, BOOL, int, BOOL) override
    {
        return Record("DrawItemLabel").cx;
    }
};

// A memory device context over a bitmap filled with one colour.
class CTestBitmapDC : public CDC
{
public:
    CTestBitmapDC(int cx, int cy, COLORREF clrFill) : m_cx(cx), m_cy(cy)
    {
        HDC hScreen = ::GetDC(nullptr);
        Attach(::CreateCompatibleDC(hScreen));
        m_hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
        ::ReleaseDC(nullptr, hScreen);
        m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
        FillSolidRect(0, 0, cx, cy, clrFill);
    }
    ~CTestBitmapDC() override
    {
        ::SelectObject(m_hDC, m_hOldBitmap);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(Detach());
    }
    // How many pixels differ from the colour.
    int CountOtherThan(COLORREF clr) const
    {
        int n = 0;
        for (int y = 0; y < m_cy; y++)
            for (int x = 0; x < m_cx; x++)
                n += GetPixel(x, y) != clr;
        return n;
    }

    int m_cx, m_cy;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
};

const COLORREF kBackground = RGB(1, 2, 3);

// The last operation of the command target, which the paint manager's follow.
struct CCmdTargetSlots : CCmdTarget
{
    static ptrdiff_t Last() { return SlotOf(&CCmdTargetSlots::GetInterfaceMap); }
};
}

TEST(PaintManagerInterface, OperationsInTheirFixedOrder)
{
    static_assert(std::is_abstract<CZMRPaintManager>::value, "themes supply the abstract operations");
    static_assert(!std::is_abstract<CTestTheme>::value, "those twelve are all a theme must supply");
    static_assert(std::has_virtual_destructor<CZMRPaintManager>::value, "released through the base");

    // The first operation follows the command target's own, then one slot
    // after the other in the listed order.
    const ptrdiff_t nFirst = CCmdTargetSlots::Last() + 1;
    for (size_t i = 0; i < sizeof(g_operations) / sizeof(g_operations[0]); i++)
    {
        const Operation& op = g_operations[i];
        EXPECT_EQ(nFirst + ptrdiff_t(i), op.nSlot) << op.pszName;
        // The table entry of an abstract operation is the runtime's handler
        // for a call of a pure operation.
        const bool bPure = _ZTV16CZMRPaintManager[2 + op.nSlot] == reinterpret_cast<void*>(&__cxa_pure_virtual);
        EXPECT_EQ(op.bAbstract, bPure) << op.pszName;
    }
}

TEST(PaintManagerInterface, CallsReachTheThemesOperations)
{
    CRecordingTheme theme;
    CZMRPaintManager* pm = &theme;
    CRect rc(0, 0, 10, 10);
    CString str;

    pm->DrawPopupBarItem(nullptr, nullptr, FALSE);
    pm->DrawToolBarItem(nullptr, nullptr, FALSE);
    pm->DrawControlBackdrop(nullptr, nullptr, rc);
    pm->DrawComboBoxItem(nullptr, nullptr, FALSE);
    pm->GetEditFieldBackColor(nullptr);
    pm->DrawEditItem(nullptr, nullptr, FALSE);
    pm->DrawControlListItem(nullptr, nullptr, rc, FALSE, FALSE, nullptr);
    pm->PaintBarBackground(nullptr, nullptr);
    pm->DrawControlStateRect(nullptr, nullptr);
    pm->GetControlTextColor(nullptr);
    pm->GetStateTextColor(0, 0, TRUE, 0, FALSE, 1, 0);
    pm->DrawStateHighlight(nullptr, rc, 0, 0, TRUE, 0, FALSE, 1, 0);
    pm->DrawGripper(nullptr, nullptr, FALSE);
    pm->DrawSeparator(nullptr, nullptr, nullptr, FALSE);
    pm->AdjustAvoidRect(rc, nullptr, FALSE);
    pm->PaintStatusPane(nullptr, nullptr, rc);
    pm->PaintStatusPaneButton(nullptr, rc, nullptr);
    pm->PaintStatusPaneSwitches(nullptr, rc, nullptr);
    pm->PaintStatusPaneDivider(nullptr, rc, nullptr, FALSE);
    pm->PaintStatusPaneEdge(nullptr, rc, nullptr);
    pm->PaintStatusSizeGrip(nullptr, rc);
    pm->PaintDockBackground(nullptr, nullptr);
    pm->PaintFloatingCaption(nullptr, nullptr);
    pm->PaintFloatingCaptionButton(nullptr, nullptr);
    pm->PaintStatusBackground(nullptr, nullptr);
    pm->RefreshMetrics();
    pm->DrawOverflowButton(nullptr, 0, nullptr, nullptr, FALSE, 0);
    pm->GetBarBorderWidths(nullptr);
    pm->DrawTearOffHandle(nullptr, rc, FALSE, FALSE);
    pm->DrawPopupSizeGrip(nullptr, rc, 2);
    pm->DrawImage(nullptr, 0, 0, 16, 16, nullptr, 0, 0, TRUE, 0, FALSE, TRUE);
    pm->DrawDialogBarGripper(nullptr, nullptr, FALSE);
    pm->GetSplitMainPartRect(nullptr);
    pm->ApplyBarWindowRegion(nullptr);
    pm->DrawCheckBoxGlyph(nullptr, rc, FALSE, 0, 0, 0, TRUE);
    pm->DrawRadioButtonGlyph(nullptr, rc, FALSE, 0, 0, 0, TRUE);
    pm->FillIconColumn(nullptr, 0, 0, 1, 1, FALSE);
    pm->GetThemeKind();
    pm->GetControlFont(nullptr);
    pm->GetBarFont(nullptr);
    pm->GetControlTextDirection(nullptr);
    pm->RefreshFonts();
    pm->RefreshStandardColors();
    pm->DrawCheckMark(nullptr, rc, TRUE, 0);
    pm->DrawRadioDot(nullptr, rc, TRUE, 0);
    pm->DrawDropDownTriangle(nullptr, rc, 0);
    pm->DrawPopupArrow(nullptr, nullptr, 0, 0, 0, FALSE, TRUE, FALSE);
    pm->Animate(nullptr, nullptr, rc, 4);
    pm->AnimateUnfold(nullptr, nullptr, nullptr, TRUE);
    pm->AdjustCaptionForRightToLeft(str);
    pm->GetPopupIconColumnWidth(nullptr);
    pm->PaintMdiWorkspace(nullptr, rc);
    pm->PaintKeyboardTipWindow(nullptr, nullptr, FALSE);
    pm->UsesFlatLook(nullptr);
    pm->GetIconColumnSize(nullptr);
    pm->DrawItemLabel(nullptr, str, rc, 0, FALSE, 0, TRUE);

    std::vector<std::string> expected;
    for (const Operation& op : g_operations)
        expected.push_back(op.pszName);
    EXPECT_EQ(expected, theme.m_calls);
}

TEST(PaintManagerInterface, OperationsLeftToTheThemesDoNothing)
{
    CTestTheme theme;
    theme.RefreshMetrics();
    CTestBitmapDC dc(40, 30, kBackground);

    CString strCaption(L"&File");
    theme.AdjustCaptionForRightToLeft(strCaption);
    theme.FillIconColumn(&dc, 0, 0, 40, 30, TRUE);
    theme.ApplyBarWindowRegion(nullptr);
    EXPECT_EQ(CString(L"&File"), strCaption);
    EXPECT_EQ(0, dc.CountOtherThan(kBackground));
    EXPECT_EQ(CRect(2, 2, 2, 2), theme.GetBarBorderWidths(nullptr));
}

TEST(PaintManagerInterface, BackgroundsInTheirIndexColours)
{
    CTestTheme theme;
    theme.RefreshMetrics();
    theme.m_arrColors[COLOR_APPWORKSPACE].SetCustomValue(RGB(10, 20, 30));
    theme.m_arrColors[COLOR_3DFACE].SetCustomValue(RGB(40, 50, 60));

    CTestBitmapDC dc(40, 30, kBackground);
    theme.PaintMdiWorkspace(&dc, CRect(5, 5, 15, 10));
    EXPECT_EQ(RGB(10, 20, 30), dc.GetPixel(5, 5));
    EXPECT_EQ(RGB(10, 20, 30), dc.GetPixel(14, 9));
    EXPECT_EQ(kBackground, dc.GetPixel(15, 10));
    EXPECT_EQ(50, dc.CountOtherThan(kBackground));

    // A dock bar is filled over its client area.
    HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 25, 12, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hWnd);
    CWnd wnd;
    wnd.Attach(hWnd);
    CRect rcClient;
    wnd.GetClientRect(rcClient);
    CTestBitmapDC dock(40, 30, kBackground);
    theme.PaintDockBackground(&dock, &wnd);
    EXPECT_EQ(RGB(40, 50, 60), dock.GetPixel(0, 0));
    EXPECT_EQ(RGB(40, 50, 60), dock.GetPixel(rcClient.right - 1, rcClient.bottom - 1));
    EXPECT_EQ(rcClient.Width() * rcClient.Height(), dock.CountOtherThan(kBackground));
    wnd.Detach();
    ::DestroyWindow(hWnd);
}

TEST(PaintManagerInterface, StatusPaneEdgeAndSizeGripper)
{
    CTestTheme theme;
    theme.RefreshMetrics();
    const COLORREF clrShadow = RGB(100, 0, 0), clrLight = RGB(0, 200, 0);
    theme.m_arrColors[COLOR_3DSHADOW].SetCustomValue(clrShadow);
    theme.m_arrColors[COLOR_3DHIGHLIGHT].SetCustomValue(clrLight);

    // The edge: two columns just left of the pane, shadow at the top left,
    // light at the bottom right.
    CTestBitmapDC edge(40, 30, kBackground);
    theme.PaintStatusPaneEdge(&edge, CRect(10, 5, 30, 25), nullptr);
    EXPECT_EQ(clrShadow, edge.GetPixel(8, 5));
    EXPECT_EQ(clrShadow, edge.GetPixel(8, 23));
    EXPECT_EQ(clrLight, edge.GetPixel(9, 24));
    EXPECT_EQ(clrLight, edge.GetPixel(9, 6));
    EXPECT_EQ(kBackground, edge.GetPixel(10, 5)) << "the pane itself is not touched";
    EXPECT_EQ(40, edge.CountOtherThan(kBackground));

    // The gripper's grooves sit in the corner of its rectangle, wherever the
    // rectangle lies.
    for (CRect rc : {CRect(0, 0, 20, 20), CRect(30, 15, 50, 35)})
    {
        CTestBitmapDC grip(60, 40, kBackground);
        theme.PaintStatusSizeGrip(&grip, rc);
        EXPECT_EQ(clrShadow, grip.GetPixel(rc.right - 1, rc.bottom - 1)) << rc.left;
        EXPECT_EQ(clrShadow, grip.GetPixel(rc.right - 2, rc.bottom - 1));
        EXPECT_EQ(clrShadow, grip.GetPixel(rc.right - 1, rc.bottom - 2));
        EXPECT_EQ(clrLight, grip.GetPixel(rc.right - 1, rc.bottom - 3));
        EXPECT_EQ(clrLight, grip.GetPixel(rc.right - 3, rc.bottom - 1));
        EXPECT_EQ(clrShadow, grip.GetPixel(rc.right - 1, rc.bottom - 12)) << "the third groove";
        EXPECT_EQ(clrLight, grip.GetPixel(rc.right - 1, rc.bottom - 13));
        EXPECT_EQ(kBackground, grip.GetPixel(rc.right - 1, rc.bottom - 14));
        EXPECT_EQ(kBackground, grip.GetPixel(rc.right, rc.bottom - 1));
        EXPECT_EQ(kBackground, grip.GetPixel(rc.right - 2, rc.bottom - 3)) << "between the grooves";
        EXPECT_EQ(kBackground, grip.GetPixel(rc.right - 5, rc.bottom - 5));
    }
}
