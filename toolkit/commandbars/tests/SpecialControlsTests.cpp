// The simple special controls: labels (never lit, moved only in customize
// mode), markup labels, bitmaps, hyperlinks (what they open, how they look)
// and the grid selector (geometry, colours, picking, growing, execution).
#include "BarTestSupport.h"
#include "CZMRControlBitmap.h"
#include "CZMRControlHyperlink.h"
#include "CZMRControlLabel.h"
#include "CZMRControlMarkupLabel.h"
#include "CZMRControlSelector.h"
#include "CZMRImageManager.h"
#include "CTestInput.h"
#include "MemoryPropStore.h"
#include "PixelCanvas.h"
#include "ZMRMarkupFacade.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// A theme whose colour entries used here are all different, and whose state
// text colour is the colour of entry 40.
class CDistinctTheme : public CTestTheme
{
public:
    CDistinctTheme()
    {
        const int indices[] = {COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT, COLOR_WINDOW, 40, 43, 46};
        const COLORREF colors[] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200),
                                   RGB(10, 120, 10), RGB(90, 90, 0), RGB(0, 90, 90)};
        for (int i = 0; i < 6; i++)
            m_arrColors[indices[i]].SetCustomValue(colors[i]);
    }
    COLORREF GetStateTextColor(int, int, BOOL, int, BOOL, int, int) override { return 40; }
};

// Counts the pixels of one colour in a rectangle of a canvas.
int CountPixels(const CPixelCanvas& canvas, CRect rc, COLORREF clr)
{
    int nCount = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            nCount += canvas.Pixel(x, y) == clr ? 1 : 0;
    return nCount;
}

template <class TControl>
class CRecordingMove : public TControl
{
public:
    void BeginControlMove(CPoint) override { m_nMoves++; }
    int m_nMoves = 0;
};
} // namespace

// ---------------------------------------------------------------- labels

TEST_F(BarSiteTest, LabelsNeverLightUpAndMoveOnlyInCustomizeMode)
{
    auto* pBar = new CProbeBar;
    m_pManager->AddBar(pBar);
    ASSERT_TRUE(pBar->Create(m_pSite, CRect(10, 10, 200, 34), 0));
    auto* pLabel = new CRecordingMove<CZMRControlLabel>;
    pBar->GetControls()->AddControl(pLabel, 100);
    EXPECT_EQ(DWORD(0x1A), pLabel->GetFlags());
    EXPECT_EQ(zmrControlLabel, pLabel->GetType());

    pLabel->OnSelectionChange(1);
    EXPECT_EQ(0, pLabel->GetSelected());

    pLabel->OnClick(FALSE, CPoint(5, 5));
    m_pManager->SetCustomizeMode(m_pManager);
    pLabel->OnClick(FALSE, CPoint(5, 5));
    EXPECT_EQ(0, pLabel->m_nMoves) << "a label is not customizable by default";
    pLabel->SetFlags(pLabel->GetFlags() & ~DWORD(zmrFlagNoMovable));
    pLabel->OnClick(FALSE, CPoint(5, 5));
    EXPECT_EQ(1, pLabel->m_nMoves);
    m_pManager->SetCustomizeMode(nullptr);
}

TEST(SpecialControls, MarkupLabelMeasuresAndDrawsItsTreeOrFallsBack)
{
    CThemedBarFixture<CDistinctTheme> fixture(zmrBarTypeNormal, zmrBarTop);
    auto* pLabel = new CZMRControlMarkupLabel;
    fixture.m_pBar->GetControls()->AddControl(pLabel, 100);
    EXPECT_EQ(nullptr, pLabel->GetMarkupElement());

    pLabel->SetCaption(L"<TextBlock>Wide markup text</TextBlock>");
    ASSERT_NE(nullptr, pLabel->GetMarkupElement());
    CPixelCanvas canvas(200, 40, RGB(255, 255, 255));
    const CSize sz = pLabel->GetSize(canvas.DC());
    EXPECT_EQ(CSize(MeasureMarkupTree(pLabel->GetMarkupElement(), INT_MAX, INT_MAX)), sz);
    EXPECT_GT(sz.cx, 40);

    pLabel->SetRect(CRect(CPoint(4, 4), sz));
    pLabel->Draw(canvas.DC());
    EXPECT_GT(CountPixels(canvas, CRect(4, 4, 4 + sz.cx, 4 + sz.cy), RGB(10, 120, 10)), 10)
        << "the text in the state text colour";

    // A copy builds its own tree; markup that does not parse leaves none.
    CZMRControl* pCopy = pLabel->Clone();
    ASSERT_NE(nullptr, static_cast<CZMRControlMarkupLabel*>(pCopy)->GetMarkupElement());
    EXPECT_NE(pLabel->GetMarkupElement(), static_cast<CZMRControlMarkupLabel*>(pCopy)->GetMarkupElement());
    pCopy->InternalRelease();
    pLabel->SetCaption(L"<TextBlock>unclosed");
    EXPECT_EQ(nullptr, pLabel->GetMarkupElement());
    EXPECT_EQ(fixture.m_pTheme->DrawControl(canvas.DC(), pLabel, FALSE), pLabel->GetSize(canvas.DC()));
}

TEST(SpecialControls, BitmapShowsTheImageOfItsIdAtItsSize)
{
    CThemedBarFixture<CDistinctTheme> fixture(zmrBarTypeNormal, zmrBarTop);
    auto* pBitmap = new CZMRControlBitmap;
    fixture.m_pBar->GetControls()->AddControl(pBitmap, 700);
    CPixelCanvas canvas(60, 40, RGB(255, 255, 255));
    EXPECT_EQ(CSize(0, 0), pBitmap->GetSize(canvas.DC()));

    CZMRIconHandle handle;
    handle.SetIcon(::LoadIcon(nullptr, IDI_APPLICATION));
    ASSERT_TRUE(fixture.m_pImages->SetIcon(handle, 700, 32, 32, ZMR_ICONSTATE_NORMAL));
    EXPECT_EQ(CSize(32, 32), pBitmap->GetSize(canvas.DC()));
    pBitmap->SetRect(CRect(10, 4, 58, 40));
    pBitmap->Draw(canvas.DC());
    const COLORREF clrWhite = RGB(255, 255, 255);
    EXPECT_LT(CountPixels(canvas, CRect(10, 4, 42, 36), clrWhite), 32 * 32 - 50) << "the image at the corner";
    EXPECT_EQ(4 * 40, CountPixels(canvas, CRect(6, 0, 10, 40), clrWhite)) << "nothing left of it";
    EXPECT_EQ(16 * 40, CountPixels(canvas, CRect(42, 0, 58, 40), clrWhite)) << "drawn at its size, not stretched";
}

// ---------------------------------------------------------------- hyperlinks

namespace
{
std::vector<std::wstring> g_opened;

HINSTANCE WINAPI RecordShellExecute(HWND, LPCWSTR lpszVerb, LPCWSTR lpszFile, LPCWSTR lpszParameters, LPCWSTR,
                                    INT nShow)
{
    g_opened.push_back(std::wstring(lpszVerb ? lpszVerb : L"") + L"|" + lpszFile + L"|" +
                       (lpszParameters ? lpszParameters : L"") + L"|" + std::to_wstring(nShow));
    return HINSTANCE(INT_PTR(33));
}

// Nothing is opened for real while the hyperlink tests run.
class HyperlinkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_opened.clear();
        m_fixture.m_pTheme->RefreshFonts();
        m_pfnOld = CZMRControlHyperlink::s_pfnShellExecute;
        CZMRControlHyperlink::s_pfnShellExecute = RecordShellExecute;
        m_pLink = new CZMRControlHyperlink;
        m_fixture.m_pBar->GetControls()->AddControl(m_pLink, 100);
        m_pLink->SetCaption(L"Visit us");
    }
    void TearDown() override { CZMRControlHyperlink::s_pfnShellExecute = m_pfnOld; }

    CThemedBarFixture<CDistinctTheme> m_fixture{zmrBarTypeNormal, zmrBarTop};
    CZMRControlHyperlink* m_pLink = nullptr;
    CZMRControlHyperlink::PFNSHELLEXECUTE m_pfnOld = nullptr;
};
} // namespace

TEST_F(HyperlinkTest, OpensOnlyWebAndMailAddresses)
{
    struct
    {
        LPCTSTR lpszTarget;
        bool bOpened;
    } cases[] = {
        {L"http://example.com/", true},  {L"HTTPS://example.com/a?b", true}, {L"mailto:someone@example.com", true},
        {L"C:\\Windows\\notepad.exe", false}, {L"file:///C:/x.exe", false}, {L"\\\\server\\share\\run.bat", false},
        {L"javascript:alert(1)", false},  {L" http://example.com", false},   {L"http:", false},
        {L"", false},
    };
    for (const auto& c : cases)
    {
        g_opened.clear();
        m_pLink->SetTooltip(c.lpszTarget);
        m_pLink->OnClick(FALSE, CPoint(2, 2));
        if (c.bOpened)
        {
            ASSERT_EQ(1u, g_opened.size()) << std::wstring(c.lpszTarget).c_str();
            EXPECT_EQ(std::wstring(L"open|") + c.lpszTarget + L"||" + std::to_wstring(SW_SHOW), g_opened[0]);
        }
        else
        {
            EXPECT_TRUE(g_opened.empty()) << "refused: " << std::string(c.lpszTarget, c.lpszTarget + wcslen(c.lpszTarget));
        }
    }

    // Disabled, or in customize mode, a click opens nothing.
    m_pLink->SetTooltip(L"http://example.com/");
    g_opened.clear();
    m_pLink->SetEnabled(FALSE);
    m_pLink->OnClick(FALSE, CPoint(2, 2));
    EXPECT_TRUE(g_opened.empty());
}

TEST_F(HyperlinkTest, BlueRedWhenSelectedGreyWhenDisabledInTheBarFont)
{
    CPixelCanvas canvas(120, 30, RGB(255, 255, 255));
    CSize szText;
    {
        CFont* pOld = canvas.DC()->SelectObject(&m_fixture.m_pTheme->m_fntRegular);
        szText = canvas.DC()->GetTextExtent(CString(L"Visit us"));
        canvas.DC()->SelectObject(pOld);
    }
    EXPECT_EQ(szText, m_pLink->GetSize(canvas.DC()));
    m_pLink->SetRect(CRect(CPoint(2, 2), szText));

    struct
    {
        const char* name;
        int bSelected;
        int bEnabled;
        COLORREF clr;
    } cases[] = {
        {"normal", 0, 1, RGB(0, 0, 255)},
        {"selected", 1, 1, RGB(255, 0, 0)},
        {"disabled", 0, 0, ::GetSysColor(COLOR_GRAYTEXT)},
    };
    for (const auto& c : cases)
    {
        m_pLink->SetEnabled(c.bEnabled);
        m_pLink->OnSelectionChange(c.bSelected);
        canvas.DC()->FillSolidRect(0, 0, 120, 30, RGB(255, 255, 255));
        m_pLink->Draw(canvas.DC());
        EXPECT_GT(CountPixels(canvas, m_pLink->GetRect(), c.clr), 10) << c.name;
    }
    m_pLink->OnSelectionChange(0);

    // The hand shows over the link.
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    m_pLink->OnMouseMove(CPoint(4, 4));
    EXPECT_EQ(::LoadCursor(nullptr, IDC_HAND), ::GetCursor());
}

// ---------------------------------------------------------------- selector

TEST(SpecialControls, SelectorCellsPickAndExecute)
{
    CThemedBarFixture<CDistinctTheme> fixture(zmrBarTypeNormal, zmrBarTop);
    CRecordingWnd owner;
    ASSERT_TRUE(owner.Create());
    fixture.m_pBar->SetCommandReceiver(&owner);
    auto* pSelector = new CZMRControlSelector;
    fixture.m_pBar->GetControls()->AddControl(pSelector, 300);
    pSelector->ExpandIntoItems(0);
    EXPECT_EQ(CSize(5 * 28, 4 * 28), pSelector->GetSize(nullptr));
    ASSERT_EQ(1u, owner.Messages(ZMR_WM_CONTROLNOTIFY).size()) << "each layout tells the owner";
    EXPECT_EQ(UINT(ZMR_CN_SELECTORCHANGED), owner.Messages(ZMR_WM_CONTROLNOTIFY)[0].nCode);

    pSelector->SetRect(CRect(10, 10, 150, 122));
    struct
    {
        CPoint pt;
        CSize szSelected;
    } moves[] = {
        {CPoint(11, 11), CSize(1, 1)},   {CPoint(38, 11), CSize(1, 1)},   {CPoint(39, 11), CSize(2, 1)},
        {CPoint(100, 70), CSize(4, 3)},  {CPoint(149, 121), CSize(5, 4)}, {CPoint(10, 10), CSize(0, 0)},
    };
    for (const auto& m : moves)
    {
        pSelector->OnMouseMove(m.pt);
        EXPECT_EQ(m.szSelected, pSelector->GetSelectedExtent()) << m.pt.x << ", " << m.pt.y;
    }
    // Only changes are told.
    owner.m_messages.clear();
    pSelector->OnMouseMove(CPoint(70, 40));
    pSelector->OnMouseMove(CPoint(71, 41));
    EXPECT_EQ(1u, owner.Messages(ZMR_WM_CONTROLNOTIFY).size());

    // Cells: frame in entry 43, selected ones filled with entry 13, others with 5.
    CPixelCanvas canvas(170, 140, RGB(255, 255, 255));
    pSelector->Draw(canvas.DC());
    EXPECT_EQ(RGB(90, 90, 0), canvas.Pixel(11, 11)) << "frame of the first cell";
    EXPECT_EQ(RGB(90, 90, 0), canvas.Pixel(36, 36));
    EXPECT_EQ(RGB(200, 0, 0), canvas.Pixel(20, 20)) << "selected cell";
    EXPECT_EQ(RGB(200, 0, 0), canvas.Pixel(76, 20)) << "third column, first row";
    EXPECT_EQ(RGB(0, 0, 200), canvas.Pixel(104, 20)) << "fourth column is not selected";
    EXPECT_EQ(RGB(0, 0, 200), canvas.Pixel(20, 76)) << "third row is not selected";
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(10, 10)) << "the gap between cells";
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(38, 20));

    // The release executes with the selected extent; nothing selected, nothing runs.
    owner.m_messages.clear();
    pSelector->OnLButtonUp(CPoint(70, 40));
    EXPECT_EQ(CSize(3, 2), pSelector->GetChosenExtent());
    EXPECT_EQ(1u, owner.Messages(WM_COMMAND).size());
    pSelector->OnMouseMove(CPoint(5, 5));
    owner.m_messages.clear();
    pSelector->OnLButtonUp(CPoint(5, 5));
    EXPECT_TRUE(owner.Messages(WM_COMMAND).empty());

    // A copy keeps the sizes; the saved ones are the grid's start, largest and cell size.
    pSelector->SetItemsCount(CSize(3, 2));
    pSelector->SetItemSize(CSize(20, 18));
    CZMRControlSelector* pCopy = static_cast<CZMRControlSelector*>(pSelector->Clone());
    EXPECT_EQ(CSize(3, 2), pCopy->GetItemsCount());
    EXPECT_EQ(CSize(20, 18), pCopy->GetItemSize());
    EXPECT_EQ(CSize(12, 12), pCopy->GetItemsMax());
    pCopy->InternalRelease();

    pSelector->SetItemsMax(CSize(9, 6));
    CMemoryPropStore::Data data;
    CMemoryPropStore saver(&data, FALSE, ZMR_PX_SCHEMA_CURRENT);
    pSelector->DoPropExchange(&saver);
    CZMRControlSelector loaded;
    CMemoryPropStore loader(&data, TRUE, ZMR_PX_SCHEMA_CURRENT);
    loaded.DoPropExchange(&loader);
    EXPECT_EQ(CSize(3, 2), loaded.GetItemsCount());
    EXPECT_EQ(CSize(9, 6), loaded.GetItemsMax());
    EXPECT_EQ(CSize(20, 18), loaded.GetItemSize());
    EXPECT_EQ(CSize(3, 2), loaded.GetGrid());
}

TEST_F(BarSiteTest, SelectorGrowsWhenDraggedPastItsEdge)
{
    auto* pBar = new CProbeBar;
    m_pManager->AddBar(pBar);
    ASSERT_TRUE(pBar->Create(m_pSite, CRect(0, 0, 500, 350), 0));
    auto* pSelector = new CZMRControlSelector;
    pSelector->SetItemsMax(CSize(7, 12));
    pBar->GetControls()->AddControl(pSelector, 300);
    pSelector->ExpandIntoItems(0);
    pSelector->SetRect(CRect(0, 0, 140, 112));
    pSelector->OnSelectionChange(1);
    m_pSite->Clear();

    // Leaving without the button changes nothing.
    ASSERT_TRUE(CTestInput::MoveTo(pBar->GetSafeHwnd(), CPoint(150, 50)));
    PumpPendingMessages();
    pSelector->OnSelectionChange(0);
    EXPECT_EQ(CSize(5, 4), pSelector->GetGrid());

    struct
    {
        const char* name;
        CPoint pt;
        CSize szGrid;
        CSize szSelected;
    } cases[] = {
        {"one column more", CPoint(150, 50), CSize(6, 4), CSize(6, 2)},
        {"right and below", CPoint(160, 130), CSize(6, 5), CSize(6, 5)},
        {"no further than the largest grid", CPoint(400, 20), CSize(7, 5), CSize(7, 1)},
        {"left of the control: unchanged, nothing selected", CPoint(150, 20), CSize(7, 5), CSize(0, 0)},
    };
    for (const auto& c : cases)
    {
        pSelector->OnSelectionChange(1);
        ASSERT_TRUE(CTestInput::MoveTo(pBar->GetSafeHwnd(), c.pt));
        ASSERT_TRUE(CTestInput::Button(VK_LBUTTON, true));
        PumpPendingMessages();
        pSelector->OnSelectionChange(0);
        ASSERT_TRUE(CTestInput::Button(VK_LBUTTON, false));
        PumpPendingMessages();
        EXPECT_EQ(c.szGrid, pSelector->GetGrid()) << c.name;
        EXPECT_EQ(c.szSelected, pSelector->GetSelectedExtent()) << c.name;
        pSelector->SetRect(CRect(0, 0, 28 * pSelector->GetGrid().cx, 28 * pSelector->GetGrid().cy));
    }
    EXPECT_FALSE(m_pSite->Messages(ZMR_WM_CONTROLNOTIFY).empty());
    // The next layout starts again from the first grid.
    pSelector->ExpandIntoItems(0);
    EXPECT_EQ(CSize(5, 4), pSelector->GetGrid());
    EXPECT_EQ(CSize(0, 0), pSelector->GetSelectedExtent());
}
