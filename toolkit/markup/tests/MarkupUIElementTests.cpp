// The visual and UI element: measure and arrange that skip clean work,
// visibility, hit testing against bounds and clips, and the render pass into
// a DIB memory DC.
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupSolidColorBrush.h"
#include "MarkupTreeSupport.h"

namespace
{
const COLORREF clrRed = RGB(255, 0, 0);
const COLORREF clrBlue = RGB(0, 0, 255);
const COLORREF clrGreen = RGB(0, 255, 0);

// Root 20 x 20, red; Back (2, 2, 12 x 12, blue) and Front (8, 8, 10 x 10,
// green) overlap; Outside (25, 0, 5 x 5, blue) lies beyond the root's size.
const WCHAR g_szTree[] =
    L"<TestPanel x:Name=\"Root\" Width=\"20\" Height=\"20\" Background=\"Red\">"
    L"  <TestPanel x:Name=\"Back\" TestPanel.Left=\"2\" TestPanel.Top=\"2\" Width=\"12\" Height=\"12\" Background=\"Blue\"/>"
    L"  <TestPanel x:Name=\"Front\" TestPanel.Left=\"8\" TestPanel.Top=\"8\" Width=\"10\" Height=\"10\" "
    L"      Background=\"#00FF00\"/>"
    L"  <TestPanel x:Name=\"Outside\" TestPanel.Left=\"25\" TestPanel.Top=\"0\" Width=\"5\" Height=\"5\" "
    L"      Background=\"Blue\"/>"
    L"</TestPanel>";

class MarkupUIElementTest : public MarkupTreeTest
{
protected:
    void SetUp() override
    {
        MarkupTreeTest::SetUp();
        m_pRoot = MarkupCast<CTestPanel>(Build(g_szTree));
        ASSERT_TRUE(m_pRoot);
    }
    void TearDown() override
    {
        if (m_pRoot)
            m_pRoot->Release();
        MarkupTreeTest::TearDown();
    }
    CTestPanel* Panel(LPCWSTR lpszName) { return MarkupCast<CTestPanel>(Find(m_pRoot, lpszName)); }
    void SetVisibility(CZMRMarkupUIElement* pElement, int nVisibility)
    {
        pElement->SetValue(CZMRMarkupUIElement::m_pVisibilityProperty, CZMRMarkupEnum::CreateValue(nVisibility));
    }
    void Render(DibSurface& surface)
    {
        CZMRMarkupDrawingContext dc(surface.GetDC());
        m_pRoot->Arrange(CRect(0, 0, 20, 20));
        m_pRoot->Render(&dc);
    }

    CTestPanel* m_pRoot = nullptr;
};
}

TEST_F(MarkupUIElementTest, MeasureAndArrangeRunOnlyWhenSomethingChanged)
{
    CZMRMarkupDrawingContext dc;
    m_pRoot->Measure(&dc, 50, 50);
    m_pRoot->Measure(&dc, 50, 50);
    EXPECT_EQ(1, m_pRoot->m_nMeasureCount);
    EXPECT_EQ(CSize(20, 20), m_pRoot->GetDesiredSize());
    m_pRoot->Measure(&dc, 60, 50);
    EXPECT_EQ(2, m_pRoot->m_nMeasureCount);

    // A real measure asks for a new arrange even into the same rectangle.
    m_pRoot->Arrange(CRect(0, 0, 20, 20));
    m_pRoot->Arrange(CRect(0, 0, 20, 20));
    EXPECT_EQ(1, m_pRoot->m_nArrangeCount);
    m_pRoot->Measure(&dc, 70, 50);
    m_pRoot->Arrange(CRect(0, 0, 20, 20));
    EXPECT_EQ(2, m_pRoot->m_nArrangeCount);
    m_pRoot->Arrange(CRect(1, 0, 21, 20));
    EXPECT_EQ(3, m_pRoot->m_nArrangeCount);
    EXPECT_EQ(CRect(1, 0, 21, 20), m_pRoot->GetFinalRect());

    // An element never measured is measured against the rectangle first.
    CTestPanel* pFront = Panel(L"Front");
    MarkupRef<CTestPanel> fresh(static_cast<CTestPanel*>(CTestPanel::Create()));
    fresh->Arrange(CRect(0, 0, 30, 20));
    EXPECT_EQ(1, fresh->m_nMeasureCount);
    fresh->Measure(&dc, 30, 20);
    EXPECT_EQ(1, fresh->m_nMeasureCount);
    EXPECT_EQ(CSize(30, 20), fresh->GetRenderSize());
    EXPECT_EQ(CRect(0, 0, 10, 10), pFront->GetBounds());
    EXPECT_EQ(CPoint(8, 8), pFront->GetVisualOffset());
}

TEST_F(MarkupUIElementTest, BoundsCoverEveryDescendantAndHitsFollowThem)
{
    m_pRoot->Arrange(CRect(0, 0, 20, 20));
    EXPECT_EQ(CRect(0, 0, 30, 20), m_pRoot->GetBounds());
    struct
    {
        CPoint pt;
        LPCWSTR lpszHit;
    } hits[] = {
        {CPoint(0, 0), L"Root"},        {CPoint(19, 19), L"Root"},
        {CPoint(20, 10), nullptr},      // right edge: outside
        {CPoint(10, 20), nullptr},      // bottom edge: outside
        {CPoint(5, 5), L"Back"},        {CPoint(10, 10), L"Front"},   // the later child is on top
        {CPoint(13, 13), L"Front"},     {CPoint(26, 2), L"Outside"},  // beyond the root's size, inside its bounds
        {CPoint(26, 7), nullptr},       {CPoint(-1, 0), nullptr},
    };
    for (const auto& h : hits)
    {
        CZMRMarkupInputElement* pHit = m_pRoot->InputHitTest(h.pt);
        EXPECT_EQ(h.lpszHit ? Find(m_pRoot, h.lpszHit) : nullptr, pHit) << h.pt.x << "," << h.pt.y;
    }
    // The point is taken in the parent's coordinates.
    m_pRoot->Arrange(CRect(100, 100, 120, 120));
    EXPECT_EQ(Panel(L"Back"), m_pRoot->InputHitTest(CPoint(105, 105)));
    EXPECT_EQ(nullptr, m_pRoot->InputHitTest(CPoint(5, 5)));
}

TEST_F(MarkupUIElementTest, HiddenTakesItsSpaceCollapsedTakesNone)
{
    CTestPanel* pFront = Panel(L"Front");
    CZMRMarkupDrawingContext dc;
    SetVisibility(pFront, CZMRMarkupUIElement::visibilityHidden);
    m_pRoot->Measure(&dc, 50, 50);
    m_pRoot->Arrange(CRect(0, 0, 20, 20));
    EXPECT_EQ(CSize(10, 10), pFront->GetDesiredSize());
    EXPECT_EQ(CSize(10, 10), pFront->GetRenderSize());
    EXPECT_EQ(Panel(L"Back"), m_pRoot->InputHitTest(CPoint(10, 10)));
    CRect rcClip(1, 1, 2, 2);
    EXPECT_TRUE(pFront->GetClipRect(rcClip));
    EXPECT_TRUE(rcClip.IsRectEmpty());

    SetVisibility(pFront, CZMRMarkupUIElement::visibilityCollapsed);
    int nMeasured = pFront->m_nMeasureCount;
    int nArranged = pFront->m_nArrangeCount;
    pFront->Measure(&dc, 50, 50);
    pFront->Arrange(CRect(0, 0, 40, 40));
    EXPECT_EQ(CSize(0, 0), pFront->GetDesiredSize());
    EXPECT_EQ(nMeasured, pFront->m_nMeasureCount);
    EXPECT_EQ(nArranged, pFront->m_nArrangeCount);
    EXPECT_EQ(CRect(0, 0, 40, 40), pFront->GetFinalRect());
    EXPECT_EQ(Panel(L"Back"), m_pRoot->InputHitTest(CPoint(10, 10)));

    // Visible again, it is measured again for the same size.
    pFront->SetValue(CZMRMarkupUIElement::m_pVisibilityProperty, nullptr);
    pFront->Measure(&dc, 50, 50);
    EXPECT_LT(nMeasured, pFront->m_nMeasureCount);
    EXPECT_EQ(CSize(10, 10), pFront->GetDesiredSize());
}

TEST_F(MarkupUIElementTest, RenderDrawsTheTreeAtItsOffsetsAndSkipsWhatIsNotVisible)
{
    DibSurface surface(32, 24);
    Render(surface);
    EXPECT_EQ(clrRed, surface.At(0, 0));
    EXPECT_EQ(clrRed, surface.At(19, 19));
    EXPECT_EQ(dwSentinel, surface.At(20, 19));
    EXPECT_EQ(clrBlue, surface.At(2, 2));
    EXPECT_EQ(clrBlue, surface.At(7, 7));
    EXPECT_EQ(clrGreen, surface.At(8, 8));
    EXPECT_EQ(clrGreen, surface.At(17, 17));
    EXPECT_EQ(clrRed, surface.At(18, 18));
    EXPECT_EQ(clrBlue, surface.At(25, 0)) << "drawn beyond the parent's size";
    EXPECT_EQ(dwSentinel, surface.At(25, 5));

    // A hidden element draws nothing, and the DC's state comes back.
    SetVisibility(Panel(L"Front"), CZMRMarkupUIElement::visibilityHidden);
    DibSurface hidden(32, 24);
    Render(hidden);
    EXPECT_EQ(clrBlue, hidden.At(10, 10));
    EXPECT_EQ(clrRed, hidden.At(17, 17));
    POINT ptOrigin;
    ::GetViewportOrgEx(hidden.GetDC(), &ptOrigin);
    EXPECT_EQ(CPoint(0, 0), CPoint(ptOrigin));

    // Subtrees outside the visible area are not visited.
    DibSurface clipped(32, 24);
    HRGN hRegion = ::CreateRectRgn(0, 15, 32, 24);
    ::SelectClipRgn(clipped.GetDC(), hRegion);
    ::DeleteObject(hRegion);
    int nBack = Panel(L"Back")->m_nRenderCount;
    int nOutside = Panel(L"Outside")->m_nRenderCount;
    int nRoot = m_pRoot->m_nRenderCount;
    Render(clipped);
    EXPECT_EQ(nBack, Panel(L"Back")->m_nRenderCount);
    EXPECT_EQ(nOutside, Panel(L"Outside")->m_nRenderCount);
    EXPECT_EQ(nRoot + 1, m_pRoot->m_nRenderCount);
    EXPECT_EQ(dwSentinel, clipped.At(0, 0));
    EXPECT_EQ(clrRed, clipped.At(0, 15));
}

TEST_F(MarkupUIElementTest, FocusVisualIsDrawnAfterTheChildren)
{
    m_pRoot->SetValue(CZMRMarkupInputElement::m_pIsKeyboardFocusedProperty, CZMRMarkupBool::CreateTrueValue());
    DibSurface surface(32, 24);
    Render(surface);
    EXPECT_EQ(1, m_pRoot->m_nFocusVisualCount);
    EXPECT_EQ(0, Panel(L"Back")->m_nFocusVisualCount);
    EXPECT_EQ(RGB(0, 0, 0), surface.At(0, 0));
}

namespace
{
using MarkupBoundsTest = MarkupTreeTest;

// Every visual's bounds, parents before their children.
void CollectBounds(const CZMRMarkupVisual* pVisual, std::vector<CRect>& bounds)
{
    bounds.push_back(pVisual->GetBounds());
    for (int i = 0; i < pVisual->GetVisualChildrenCount(); i++)
        CollectBounds(pVisual->GetVisualChild(i), bounds);
}

// The bounds the arrange pass kept beside the bounds worked out afresh.
void ExpectKeptBoundsFresh(CZMRMarkupVisual* pRoot, const char* pszWhen)
{
    std::vector<CRect> kept, fresh;
    CollectBounds(pRoot, kept);
    pRoot->UpdateBounds();
    CollectBounds(pRoot, fresh);
    EXPECT_EQ(fresh, kept) << pszWhen;
}
} // namespace

TEST_F(MarkupBoundsTest, BoundsKeptByTheArrangePassEqualFreshBoundsAfterChangesInside)
{
    // D sits in P, P in A, A in the root; P keeps its size whatever D does,
    // so a change of D is arranged inside P alone.
    MarkupRef<CTestPanel> root(MarkupCast<CTestPanel>(Build(
        L"<TestPanel Width=\"20\" Height=\"20\">"
        L"  <TestPanel x:Name=\"A\" TestPanel.Left=\"2\" Width=\"10\" Height=\"10\">"
        L"    <TestPanel x:Name=\"P\" TestPanel.Left=\"1\" Width=\"5\" Height=\"5\">"
        L"      <TestPanel x:Name=\"D\" TestPanel.Left=\"1\" Width=\"2\" Height=\"2\"/>"
        L"    </TestPanel>"
        L"  </TestPanel>"
        L"  <TestPanel x:Name=\"B\" TestPanel.Top=\"12\" Width=\"3\" Height=\"3\"/>"
        L"</TestPanel>")));
    ASSERT_TRUE(root);
    CZMRMarkupDrawingContext dc;
    root->Measure(&dc, 100, 100);
    root->Arrange(CRect(0, 0, 20, 20));
    EXPECT_EQ(CRect(0, 0, 20, 20), root->GetBounds());
    ExpectKeptBoundsFresh(root, "first arrange");

    // D grows past everything; then the root moves, its children stay where
    // they are and are not placed again.
    static_cast<CTestPanel*>(Find(root, L"D"))->SetSize(40, 2);
    root->Arrange(CRect(1, 0, 21, 20));
    EXPECT_EQ(CRect(0, 0, 44, 20), root->GetBounds());
    ExpectKeptBoundsFresh(root, "after D grew inside P");

    // A moves: it is placed again, with what is inside it.
    Find(root, L"A")->SetValue(CTestPanel::s_pLeft, new CZMRMarkupInt(5));
    root->Arrange(CRect(0, 0, 20, 20));
    EXPECT_EQ(CRect(0, 0, 47, 20), root->GetBounds());
    ExpectKeptBoundsFresh(root, "after A moved");
}
