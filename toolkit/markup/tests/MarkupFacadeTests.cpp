// The facade: neutral results for null arguments, a tree that keeps its
// context alive, defaults, measuring and drawing into a DIB, and builds that
// fail without any exception reaching the caller.
#include "CZMRMarkupSolidColorBrush.h"
#include "MarkupTreeSupport.h"

namespace
{
class MarkupFacadeTest : public MarkupTest
{
protected:
    void SetUp() override
    {
        CTestPanel::GetMarkupType();
        CTestThrower::GetMarkupType();
        MarkupTest::SetUp();
    }
};
}

TEST_F(MarkupFacadeTest, NullArgumentsGiveNeutralResults)
{
    CZMRMarkupContext* pContext = NewMarkupContext(nullptr);
    ASSERT_TRUE(pContext);
    EXPECT_EQ(nullptr, pContext->GetHostWindow());
    EXPECT_EQ(nullptr, BuildMarkupTree(nullptr, L"<TestPanel/>"));
    EXPECT_EQ(nullptr, BuildMarkupTree(pContext, nullptr));
    EXPECT_EQ(nullptr, OwningMarkupContext(nullptr));
    SetMarkupDefaults(nullptr, nullptr, RGB(1, 2, 3));
    SIZE sz = MeasureMarkupTree(nullptr, 100, 100);
    EXPECT_EQ(0, sz.cx);
    EXPECT_EQ(0, sz.cy);
    DibSurface surface(8, 8);
    RECT rc = {0, 0, 8, 8};
    EXPECT_EQ(0, DrawMarkupTree(nullptr, surface.GetDC(), &rc));

    CZMRMarkupUIElement* pTree = BuildMarkupTree(pContext, L"<TestPanel Width=\"8\" Height=\"8\" Background=\"Red\"/>");
    ASSERT_TRUE(pTree);
    EXPECT_EQ(0, DrawMarkupTree(pTree, nullptr, &rc));
    EXPECT_EQ(0, DrawMarkupTree(pTree, surface.GetDC(), nullptr));
    EXPECT_EQ(dwSentinel, surface.At(0, 0));

    CZMRMarkupUIElement* pNoTree = nullptr;
    EXPECT_EQ(0, DropMarkupTree(&pNoTree));
    EXPECT_EQ(0, DropMarkupTree(nullptr));
    EXPECT_EQ(0, DropMarkupTree(&pTree));
    EXPECT_EQ(nullptr, pTree);
    DropMarkupContext(&pContext);
    EXPECT_EQ(nullptr, pContext);
    DropMarkupContext(&pContext);
    DropMarkupContext(nullptr);
}

TEST_F(MarkupFacadeTest, TreeKeepsItsContextAfterTheCallerDropsIt)
{
    CZMRMarkupContext* pContext = NewMarkupContext(nullptr);
    CZMRMarkupUIElement* pTree = BuildMarkupTree(
        pContext, L"<TestPanel Width=\"30\" Height=\"20\" Background=\"Red\"><TestPanel Width=\"4\" Height=\"4\" "
                  L"TestPanel.Left=\"1\" TestPanel.Top=\"1\" Background=\"Blue\"/></TestPanel>");
    ASSERT_TRUE(pTree);
    CZMRMarkupContext* pOwner = OwningMarkupContext(pTree);
    EXPECT_EQ(pContext, pOwner);
    DropMarkupContext(&pContext);
    EXPECT_EQ(2, pOwner->GetRefCount());

    SIZE sz = MeasureMarkupTree(pTree, 0x7FFFFFFF, 0x7FFFFFFF);
    EXPECT_EQ(30, sz.cx);
    EXPECT_EQ(20, sz.cy);
    DibSurface surface(40, 30);
    RECT rc = {5, 5, 35, 25};
    EXPECT_EQ(0, DrawMarkupTree(pTree, surface.GetDC(), &rc));
    EXPECT_EQ(dwSentinel, surface.At(4, 4));
    EXPECT_EQ(RGB(255, 0, 0), surface.At(5, 5));
    EXPECT_EQ(RGB(0, 0, 255), surface.At(6, 6));
    EXPECT_EQ(RGB(255, 0, 0), surface.At(34, 24));
    EXPECT_EQ(TRANSPARENT, ::GetBkMode(surface.GetDC()));

    // The last element's release ends the context too.
    EXPECT_EQ(0, DropMarkupTree(&pTree));
}

TEST_F(MarkupFacadeTest, DefaultsChangeOnlyWhatIsGiven)
{
    CZMRMarkupContext* pContext = NewMarkupContext(nullptr);
    EXPECT_EQ(RGB(0, 0, 0), pContext->GetDefaultForeground());
    NONCLIENTMETRICSW ncm = {};
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    EXPECT_STREQ(ncm.lfMessageFont.lfFaceName, pContext->GetDefaultFont().lfFaceName);
    EXPECT_EQ(ncm.lfMessageFont.lfHeight, pContext->GetDefaultFont().lfHeight);

    LOGFONTW lfBefore = pContext->GetDefaultFont();
    SetMarkupDefaults(pContext, nullptr, static_cast<COLORREF>(-1));
    EXPECT_EQ(0, memcmp(&lfBefore, &pContext->GetDefaultFont(), sizeof(LOGFONTW)));
    EXPECT_EQ(RGB(0, 0, 0), pContext->GetDefaultForeground());

    LOGFONTW lf = {};
    lf.lfHeight = -20;
    lf.lfWeight = FW_BOLD;
    wcscpy(lf.lfFaceName, L"Tahoma");
    HFONT hFont = ::CreateFontIndirectW(&lf);
    SetMarkupDefaults(pContext, hFont, RGB(1, 2, 3));
    EXPECT_EQ(-20, pContext->GetDefaultFont().lfHeight);
    EXPECT_EQ(FW_BOLD, pContext->GetDefaultFont().lfWeight);
    EXPECT_STREQ(L"Tahoma", pContext->GetDefaultFont().lfFaceName);
    EXPECT_EQ(RGB(1, 2, 3), pContext->GetDefaultForeground());
    ::DeleteObject(hFont);
    DropMarkupContext(&pContext);
}

TEST_F(MarkupFacadeTest, FailedBuildsGiveNullAndLeaveNothingBehind)
{
    CZMRMarkupContext* pContext = NewMarkupContext(nullptr);
    for (LPCWSTR lpszMarkup : {L"", L"not markup", L"<TestPanel>", L"<SolidColorBrush Color=\"Red\"/>",
                               L"<TestPanel><TestPanel/><TestThrower><TestPanel/></TestThrower></TestPanel>"})
    {
        EXPECT_EQ(nullptr, BuildMarkupTree(pContext, lpszMarkup)) << CStringA(lpszMarkup).GetString();
        EXPECT_EQ(1, pContext->GetRefCount()) << CStringA(lpszMarkup).GetString();
    }

    // A collapsed root measures nothing and draws nothing.
    CZMRMarkupUIElement* pTree =
        BuildMarkupTree(pContext, L"<TestPanel Width=\"5\" Height=\"5\" Background=\"Red\" Visibility=\"Collapsed\"/>");
    ASSERT_TRUE(pTree);
    SIZE sz = MeasureMarkupTree(pTree, 100, 100);
    EXPECT_EQ(0, sz.cx);
    EXPECT_EQ(0, sz.cy);
    DibSurface surface(8, 8);
    RECT rc = {0, 0, 8, 8};
    DrawMarkupTree(pTree, surface.GetDC(), &rc);
    EXPECT_EQ(dwSentinel, surface.At(0, 0));
    DropMarkupTree(&pTree);
    DropMarkupContext(&pContext);
}
