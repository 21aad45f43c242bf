// The markup context: mouse messages of a hidden host window routed to the
// elements of a tree (enter and leave, capture, cursors, buttons, a second
// root), routed events, tooltips of the hovered element, the font cache and
// the context's lifetime through its elements.
#include "CZMRMarkupFont.h"
#include "CZMRMarkupKeyboardNavigation.h"
#include "CZMRMarkupMouseEventArgs.h"
#include "CZMRMarkupRoutedEvent.h"
#include "CZMRMarkupSolidColorBrush.h"
#include "MarkupTreeSupport.h"

namespace
{
// Root (0, 0, 100, 100) holding Left (10, 10, 40, 40) and Right (50, 10, 80,
// 40); Left holds Inner (5, 5, 15, 15) in its own coordinates.
const WCHAR g_szTree[] = L"<TestPanel x:Name=\"Root\" Width=\"100\" Height=\"100\">"
                         L"  <TestPanel x:Name=\"Left\" TestPanel.Left=\"10\" TestPanel.Top=\"10\" Width=\"30\""
                         L"      Height=\"30\" ToolTip=\"left tip\">"
                         L"    <TestPanel x:Name=\"Inner\" TestPanel.Left=\"5\" TestPanel.Top=\"5\" Width=\"10\""
                         L"        Height=\"10\"/>"
                         L"  </TestPanel>"
                         L"  <TestPanel x:Name=\"Right\" TestPanel.Left=\"50\" TestPanel.Top=\"10\" Width=\"30\""
                         L"      Height=\"30\" Cursor=\"Hand\"/>"
                         L"</TestPanel>";

class MarkupContextTest : public MarkupTreeTest
{
protected:
    void SetUp() override
    {
        MarkupTreeTest::SetUp();
        m_pContext->SetHostWindow(m_host.m_hWnd);
        m_host.m_pContext = m_pContext;
        m_pRoot = MarkupCast<CZMRMarkupUIElement>(Build(g_szTree));
        ASSERT_TRUE(m_pRoot);
        m_host.m_pRoot = m_pRoot;
        m_pRoot->Arrange(CRect(0, 0, 100, 100));
        for (LPCWSTR lpszName : {L"Root", L"Left", L"Inner", L"Right"})
        {
            CZMRMarkupInputElement* pElement = Element(lpszName);
            for (CZMRMarkupRoutedEvent* pEvent :
                 {CZMRMarkupInputElement::m_pMouseEnterEvent, CZMRMarkupInputElement::m_pMouseLeaveEvent,
                  CZMRMarkupInputElement::m_pMouseLeftButtonUpEvent, CZMRMarkupInputElement::m_pLostMouseCaptureEvent})
            {
                pElement->AddHandler(pEvent, new CRecordingDelegate(&m_log, pEvent->GetName()));
            }
        }
    }
    void TearDown() override
    {
        // The host's end clears the hover, which holds a reference.
        m_host.Send(WM_DESTROY);
        m_host.m_pContext = nullptr;
        if (m_pRoot)
            m_pRoot->Release();
        MarkupTreeTest::TearDown();
    }

    CZMRMarkupInputElement* Element(LPCWSTR lpszName)
    {
        return MarkupCast<CZMRMarkupInputElement>(Find(m_pRoot, lpszName));
    }
    std::vector<std::wstring> TakeLog()
    {
        std::vector<std::wstring> log;
        log.swap(m_log);
        return log;
    }

    MarkupHostWindow m_host;
    CZMRMarkupUIElement* m_pRoot = nullptr;
    std::vector<std::wstring> m_log;
};

typedef std::vector<std::wstring> Log;
}

TEST_F(MarkupContextTest, EnterAndLeaveReachOnlyTheElementsThatChange)
{
    m_host.Mouse(WM_MOUSEMOVE, 12, 12);
    EXPECT_EQ((Log{L"MouseEnter:Left", L"MouseEnter:Root"}), TakeLog());
    EXPECT_EQ(Element(L"Left"), m_pContext->GetMouseOverElement());
    EXPECT_EQ(m_pRoot, m_pContext->GetActiveRoot());
    EXPECT_TRUE(Element(L"Left")->IsMouseOver());
    EXPECT_TRUE(Element(L"Root")->IsMouseOver());

    // From a child to its sibling: the panel they share gets neither.
    m_host.Mouse(WM_MOUSEMOVE, 60, 20);
    EXPECT_EQ((Log{L"MouseLeave:Left", L"MouseEnter:Right"}), TakeLog());
    EXPECT_FALSE(Element(L"Left")->IsMouseOver());

    // Into a nested child and out to its parent.
    m_host.Mouse(WM_MOUSEMOVE, 12, 12);
    m_host.Mouse(WM_MOUSEMOVE, 18, 18);
    EXPECT_EQ((Log{L"MouseLeave:Right", L"MouseEnter:Left", L"MouseEnter:Inner"}), TakeLog());
    m_host.Mouse(WM_MOUSEMOVE, 30, 30);
    EXPECT_EQ((Log{L"MouseLeave:Inner"}), TakeLog());
    // Straight from the inner child to the sibling.
    m_host.Mouse(WM_MOUSEMOVE, 18, 18);
    m_host.Mouse(WM_MOUSEMOVE, 60, 20);
    EXPECT_EQ((Log{L"MouseEnter:Inner", L"MouseLeave:Inner", L"MouseLeave:Left", L"MouseEnter:Right"}), TakeLog());

    // Out of the window: every element of the chain, innermost first.
    m_host.Mouse(WM_MOUSEMOVE, 18, 18);
    TakeLog();
    m_host.Send(WM_MOUSELEAVE);
    EXPECT_EQ((Log{L"MouseLeave:Inner", L"MouseLeave:Left", L"MouseLeave:Root"}), TakeLog());
    EXPECT_EQ(nullptr, m_pContext->GetMouseOverElement());
    EXPECT_EQ(nullptr, m_pContext->GetActiveRoot());
    EXPECT_FALSE(Element(L"Root")->IsMouseOver());
}

TEST_F(MarkupContextTest, CaptureKeepsButtonsWithTheCapturingElement)
{
    m_host.Mouse(WM_MOUSEMOVE, 12, 12);
    TakeLog();
    CZMRMarkupInputElement* pLeft = Element(L"Left");
    pLeft->CaptureMouse();
    EXPECT_EQ(pLeft, m_pContext->GetMouseCaptureElement());
    EXPECT_EQ(m_host.m_hWnd, ::GetCapture());

    // Over another element nothing is hovered while the capture holds.
    m_host.Mouse(WM_MOUSEMOVE, 60, 20);
    EXPECT_EQ((Log{L"MouseLeave:Left", L"MouseLeave:Root"}), TakeLog());
    EXPECT_EQ(nullptr, m_pContext->GetMouseOverElement());
    // Inside the capturing element's own child, the capturing element is hovered.
    m_host.Mouse(WM_MOUSEMOVE, 18, 18);
    EXPECT_EQ(pLeft, m_pContext->GetMouseOverElement());
    TakeLog();

    m_host.Mouse(WM_MOUSEMOVE, 60, 20);
    TakeLog();
    m_host.Mouse(WM_LBUTTONUP, 60, 20);
    EXPECT_EQ((Log{L"MouseLeftButtonUp:Left", L"MouseLeftButtonUp:Root"}), TakeLog());

    // Giving the capture back raises no lost-capture event.
    pLeft->ReleaseMouseCapture();
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(nullptr, m_pContext->GetMouseCaptureElement());
    EXPECT_EQ(Log{}, TakeLog());
    m_host.Mouse(WM_MOUSEMOVE, 60, 20);
    m_host.Mouse(WM_LBUTTONUP, 60, 20);
    EXPECT_EQ((Log{L"MouseEnter:Right", L"MouseEnter:Root", L"MouseLeftButtonUp:Right", L"MouseLeftButtonUp:Root"}),
              TakeLog());

    // A capture taken away raises the event once and is forgotten.
    m_host.Send(WM_CAPTURECHANGED);
    EXPECT_EQ(Log{}, TakeLog());
    Element(L"Right")->CaptureMouse();
    m_host.Send(WM_CAPTURECHANGED);
    m_host.Send(WM_CAPTURECHANGED);
    EXPECT_EQ((Log{L"pLostMouseCapture:Right"}), TakeLog());
    EXPECT_EQ(nullptr, m_pContext->GetMouseCaptureElement());
    ::ReleaseCapture();
}

TEST_F(MarkupContextTest, CursorComesFromTheHoveredChain)
{
    EXPECT_FALSE(m_host.Send(WM_SETCURSOR)) << "nothing hovered";
    m_host.Mouse(WM_MOUSEMOVE, 12, 12);
    EXPECT_FALSE(m_host.Send(WM_SETCURSOR)) << "no Cursor on the chain";
    EXPECT_EQ(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)), ::GetCursor()) << "the move shows the arrow";

    m_host.Mouse(WM_MOUSEMOVE, 60, 20);
    EXPECT_EQ(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)), ::GetCursor()) << "the move asks the element";
    ::SetCursor(nullptr);
    EXPECT_TRUE(m_host.Send(WM_SETCURSOR));
    EXPECT_EQ(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)), ::GetCursor());
}

TEST_F(MarkupContextTest, HandledButtonStopsTheChainAndOthersAreNotHandled)
{
    m_host.Mouse(WM_MOUSEMOVE, 18, 18);
    TakeLog();
    EXPECT_FALSE(m_host.Mouse(WM_LBUTTONUP, 18, 18));
    EXPECT_EQ((Log{L"MouseLeftButtonUp:Inner", L"MouseLeftButtonUp:Left", L"MouseLeftButtonUp:Root"}), TakeLog());

    Element(L"Left")->AddHandler(CZMRMarkupInputElement::m_pMouseLeftButtonUpEvent,
                                 new CRecordingDelegate(&m_log, L"handled", TRUE));
    EXPECT_TRUE(m_host.Mouse(WM_LBUTTONUP, 18, 18));
    EXPECT_EQ((Log{L"MouseLeftButtonUp:Inner", L"MouseLeftButtonUp:Left", L"handled:Left"}), TakeLog());

    // Messages that no element takes are not handled.
    EXPECT_FALSE(m_host.Mouse(WM_MBUTTONDOWN, 18, 18));
    EXPECT_FALSE(m_host.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA)));
    EXPECT_FALSE(m_host.Send(WM_KEYDOWN, VK_TAB));
    EXPECT_EQ(Log{}, TakeLog());

    // A context without a host handles nothing.
    m_pContext->SetHostWindow(nullptr);
    EXPECT_FALSE(m_host.Mouse(WM_LBUTTONUP, 18, 18));
    m_pContext->SetHostWindow(m_host.m_hWnd);
}

TEST_F(MarkupContextTest, SecondRootWaitsWhileTheFirstHoldsTheHover)
{
    MarkupRef<CZMRMarkupUIElement> second(MarkupCast<CZMRMarkupUIElement>(
        Build(L"<TestPanel x:Name=\"Second\" Width=\"100\" Height=\"100\"/>")));
    ASSERT_TRUE(second.get());
    second->Arrange(CRect(0, 0, 100, 100));
    m_host.Mouse(WM_MOUSEMOVE, 12, 12);
    LRESULT lResult = 0;
    EXPECT_FALSE(m_pContext->OnWndMsg(second, WM_MOUSEMOVE, 0, MAKELPARAM(90, 90), &lResult));
    EXPECT_EQ(Element(L"Left"), m_pContext->GetMouseOverElement());

    m_host.Send(WM_MOUSELEAVE);
    m_pContext->OnWndMsg(second, WM_MOUSEMOVE, 0, MAKELPARAM(90, 90), &lResult);
    EXPECT_EQ(second.get(), m_pContext->GetMouseOverElement());
    EXPECT_EQ(second.get(), m_pContext->GetActiveRoot());
    m_pContext->OnWndMsg(second, WM_MOUSELEAVE, 0, 0, &lResult);
}

TEST_F(MarkupContextTest, BubblingEventsClimbUntilHandledThenReachTheContext)
{
    CZMRMarkupRoutedEvent* pBubble = CTestPanel::s_pBubbleEvent;
    EXPECT_TRUE(pBubble->IsBubbling());
    EXPECT_TRUE(pBubble->IsEvent());
    EXPECT_EQ(-1, pBubble->GetIndex());
    EXPECT_FALSE(CZMRMarkupInputElement::m_pMouseEnterEvent->IsBubbling());

    for (LPCWSTR lpszName : {L"Inner", L"Left", L"Root"})
        Element(lpszName)->AddHandler(pBubble, new CRecordingDelegate(&m_log, L"bubble"));
    m_pContext->AddHandler(pBubble, new CRecordingDelegate(&m_log, L"context"));

    CZMRMarkupRoutedEventArgs args(pBubble, Element(L"Inner"));
    Element(L"Inner")->RaiseEvent(&args);
    EXPECT_EQ((Log{L"bubble:Inner", L"bubble:Left", L"bubble:Root", L"context:Inner"}), TakeLog());

    Element(L"Left")->AddHandler(pBubble, new CRecordingDelegate(&m_log, L"stop", TRUE));
    CZMRMarkupRoutedEventArgs stopped(pBubble, Element(L"Inner"));
    Element(L"Inner")->RaiseEvent(&stopped);
    EXPECT_EQ((Log{L"bubble:Inner", L"bubble:Left", L"stop:Left"}), TakeLog());

    // A direct event runs the element's own handlers only.
    CZMRMarkupMouseEventArgs direct(CZMRMarkupInputElement::m_pMouseEnterEvent, Element(L"Inner"));
    Element(L"Inner")->RaiseEvent(&direct);
    EXPECT_EQ((Log{L"MouseEnter:Inner"}), TakeLog());
}

TEST_F(MarkupContextTest, PositionIsThePointInTheElementsCoordinates)
{
    CZMRMarkupMouseEventArgs args(nullptr, nullptr, m_host.m_hWnd, 130, 70);
    // Inner sits at (5, 5) in Left, which sits at (10, 10) in Root at (0, 0).
    EXPECT_EQ(CPoint(115, 55), args.GetPosition(Element(L"Inner")));
    EXPECT_EQ(CPoint(130, 70), args.GetPosition(nullptr));
    EXPECT_EQ(CRect(15, 15, 25, 25), m_pContext->GetHostRectOfElement(Element(L"Inner")));
    EXPECT_EQ(CRect(0, 0, 100, 100), m_pContext->GetHostRectOfElement(m_pRoot));
    EXPECT_TRUE(m_pContext->GetHostRectOfElement(nullptr).IsRectNull());
}

TEST_F(MarkupContextTest, ToolTipOfTheHoveredChainFillsTheToolRecord)
{
    TOOLINFO info = {};
    info.cbSize = TTTOOLINFOW_V1_SIZE;
    EXPECT_EQ(-1, m_pContext->FillToolTipInfo(&info)) << "nothing hovered";
    EXPECT_EQ(zmrToolTipMarkup, m_pContext->GetToolTipContext()->GetStyle());

    // The inner element has no tip; its parent's is shown, with the parent's
    // address as the pointer-sized tool id.
    m_host.Mouse(WM_MOUSEMOVE, 18, 18);
    CZMRMarkupInputElement* pLeft = Element(L"Left");
    INT_PTR nId = m_pContext->GetToolTipContext()->HitTestTool(CWnd::FromHandle(m_host.m_hWnd), CPoint(18, 18), &info);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(pLeft), nId);
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(pLeft), info.uId);
    EXPECT_EQ(m_host.m_hWnd, info.hwnd);
    EXPECT_EQ(CRect(10, 10, 40, 40), CRect(info.rect));
    ASSERT_TRUE(info.lpszText);
    EXPECT_STREQ(L"left tip", info.lpszText);
    free(info.lpszText);

    m_host.Mouse(WM_MOUSEMOVE, 60, 20);
    EXPECT_EQ(-1, m_pContext->FillToolTipInfo(&info));
}

TEST_F(MarkupContextTest, RepaintsGoToTheHostWindow)
{
    // Only a visible window keeps an area to repaint.
    ::ShowWindow(m_host.m_hWnd, SW_SHOWNOACTIVATE);
    ::ValidateRect(m_host.m_hWnd, nullptr);
    CTestPanel* pInner = MarkupCast<CTestPanel>(Element(L"Inner"));
    pInner->InvalidateVisual();
    RECT rcUpdate;
    ASSERT_TRUE(::GetUpdateRect(m_host.m_hWnd, &rcUpdate, FALSE));
    EXPECT_EQ(CRect(15, 15, 25, 25), CRect(rcUpdate));

    // A change that keeps the desired size repaints the element; a new
    // desired size goes up to the first parent whose size holds, and from
    // the root to the whole window.
    ::ValidateRect(m_host.m_hWnd, nullptr);
    pInner->SetValue(CTestPanel::s_pBackground, new CZMRMarkupSolidColorBrush(RGB(1, 2, 3)));
    ASSERT_TRUE(::GetUpdateRect(m_host.m_hWnd, &rcUpdate, FALSE));
    EXPECT_EQ(CRect(15, 15, 25, 25), CRect(rcUpdate));
    ::ValidateRect(m_host.m_hWnd, nullptr);
    pInner->SetSize(12, 12);
    ASSERT_TRUE(::GetUpdateRect(m_host.m_hWnd, &rcUpdate, FALSE));
    EXPECT_EQ(CRect(10, 10, 40, 40), CRect(rcUpdate)) << "the parent keeps its size";
    EXPECT_EQ(CSize(12, 12), pInner->GetRenderSize());
    ::ValidateRect(m_host.m_hWnd, nullptr);
    MarkupCast<CTestPanel>(m_pRoot)->SetSize(120, 100);
    ASSERT_TRUE(::GetUpdateRect(m_host.m_hWnd, &rcUpdate, FALSE));
    CRect rcClient;
    ::GetClientRect(m_host.m_hWnd, &rcClient);
    EXPECT_EQ(rcClient, CRect(rcUpdate));
}

TEST_F(MarkupContextTest, KeyboardNavigationMovesNoFocus)
{
    CZMRMarkupInputElement* pLeft = Element(L"Left");
    pLeft->Focus();
    EXPECT_FALSE(pLeft->IsKeyboardFocused());
    EXPECT_EQ(m_pContext, m_pContext->GetKeyboardNavigation()->GetContext());
    EXPECT_FALSE(m_host.Send(WM_SETFOCUS));
    EXPECT_FALSE(m_host.Send(WM_KILLFOCUS));
}

TEST_F(MarkupTreeTest, FontCacheSharesOneFontPerHeightWeightStyleQualityAndFace)
{
    LOGFONTW lf = {};
    lf.lfHeight = -12;
    lf.lfWeight = FW_NORMAL;
    wcscpy(lf.lfFaceName, L"Tahoma");
    MarkupRef<CZMRMarkupFont> first(m_pContext->GetFont(lf));
    LOGFONTW underlined = lf;
    underlined.lfUnderline = TRUE;
    underlined.lfStrikeOut = TRUE;
    MarkupRef<CZMRMarkupFont> second(m_pContext->GetFont(underlined));
    EXPECT_EQ(first.get(), second.get());
    EXPECT_EQ(2, first->GetRefCount());

    // A font of another quality would draw ClearType text without it.
    LOGFONTW other[4] = {lf, lf, lf, lf};
    other[0].lfWeight = FW_BOLD;
    other[1].lfItalic = TRUE;
    wcscpy(other[2].lfFaceName, L"tahoma");
    other[3].lfQuality = CLEARTYPE_QUALITY;
    for (const LOGFONTW& lfOther : other)
    {
        MarkupRef<CZMRMarkupFont> font(m_pContext->GetFont(lfOther));
        EXPECT_NE(first.get(), font.get());
        EXPECT_EQ(1, font->GetRefCount());
    }
    // The fonts released above left the cache: asking again makes new ones.
    MarkupRef<CZMRMarkupFont> bold(m_pContext->GetFont(other[0]));
    EXPECT_EQ(1, bold->GetRefCount());
    EXPECT_NE(nullptr, first->GetFontHandle());
}

TEST_F(MarkupTreeTest, LastElementOfATreeEndsItsContextAfterItself)
{
    // A tree holds its context; the creator's reference can go first.
    CZMRMarkupContext* pContext = new CZMRMarkupContext();
    CZMRMarkupObject* pRoot = nullptr;
    {
        CZMRMarkupParser parser;
        LPCWSTR lpszMarkup = L"<TestPanel><TestPanel/></TestPanel>";
        parser.SetBuffer(lpszMarkup, lpszMarkup + wcslen(lpszMarkup));
        CZMRMarkupBuilder builder(pContext);
        pRoot = builder.Parse(&parser);
    }
    ASSERT_TRUE(pRoot);
    EXPECT_EQ(3, pContext->GetRefCount());
    // The root holds a font of the context's cache until it is destroyed.
    class CFontHolder : public CZMRMarkupDelegate
    {
    public:
        explicit CFontHolder(CZMRMarkupFont* pFont) : m_pFont(pFont) {}
        ~CFontHolder() override { m_pFont->Release(); }
        void OnEvent(CZMRMarkupObject*, CZMRMarkupRoutedEventArgs*) override {}
        CZMRMarkupFont* m_pFont;
    };
    CZMRMarkupFont* pFont = pContext->GetFont(pContext->GetDefaultFont());
    MarkupCast<CZMRMarkupInputElement>(pRoot)->AddHandler(CZMRMarkupInputElement::m_pMouseMoveEvent,
                                                         new CFontHolder(pFont));
    pContext->Release();
    EXPECT_EQ(2, pContext->GetRefCount());
    EXPECT_EQ(0, pRoot->Release());

    // A font that outlives its context's end keeps working on its own.
    CZMRMarkupContext* pShortLived = new CZMRMarkupContext();
    CZMRMarkupFont* pOrphan = pShortLived->GetFont(pShortLived->GetDefaultFont());
    pShortLived->Release();
    EXPECT_EQ(nullptr, pOrphan->GetContext());
    EXPECT_EQ(0, pOrphan->Release());
}
