// Keyboard tips: their letters as a table of caption lists, their placement,
// the tip windows of a menu bar and its menus driven by real keys, and what
// the base paint manager draws in them.
#include "BarTestSupport.h"
#include "ToolBarTestSupport.h"
#include "KeyboardTestSupport.h"
#include "CZMRCommandBarKeyboardTip.h"
#include "CZMRKeyboardTipLetters.h"
#include "CZMRMouseManager.h"
#include "ArtifactPng.h"
#include "WindowPixels.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// ---------------------------------------------------------------- letters

struct CLetterCase
{
    const char* name;
    std::vector<const wchar_t*> captions;
    std::vector<const wchar_t*> tips;        // "-": the tip goes
    std::vector<const wchar_t*> explicitTips; // empty: none
    std::vector<const wchar_t*> ownTexts;     // empty: none
};

TEST(KeyboardTipLetters, Table)
{
    const CLetterCase cases[] = {
        {"first letters that clash take the next letter", {L"Print", L"Paste"}, {L"PR", L"PA"}, {}, {}},
        {"a used letter is passed over", {L"Save", L"Save As", L"Send"}, {L"SA", L"SV", L"SE"}, {}, {}},
        {"the letter after a space", {L"Go Back", L"Go Forward"}, {L"GB", L"GF"}, {}, {}},
        {"access letters", {L"E&xit", L"&Edit", L"&View"}, {L"X", L"E", L"V"}, {}, {}},
        {"&& is a plain ampersand", {L"Fish && &Chips", L"A&&B"}, {L"C", L"A"}, {}, {}},
        {"clashing access letters skip their ampersand", {L"&Copy", L"&Cut"}, {L"CO", L"CU"}, {}, {}},
        {"letters run out: digits", {L"A", L"A", L"A"}, {L"A1", L"A2", L"A3"}, {}, {}},
        {"the tenth takes 1 again",
         {L"A", L"A", L"A", L"A", L"A", L"A", L"A", L"A", L"A", L"A"},
         {L"A1", L"A2", L"A3", L"A4", L"A5", L"A6", L"A7", L"A8", L"A9", L"A1"},
         {},
         {}},
        {"an explicit text is kept and its letter is used", {L"Save", L"Send"}, {L"SE", L"SN"}, {L"SE", L""}, {}},
        {"an explicit text wins over the caption", {L"Group", L"Other"}, {L"Z", L"O"}, {L"Z", L""}, {}},
        {"no caption and no text: the tip goes", {L"", L"Open"}, {L"-", L"O"}, {}, {}},
        {"a tip of its own text needs no caption", {L"", L"Open"}, {L"QQ", L"O"}, {}, {L"QQ", L""}},
        {"numbers from ten on", {L"1", L"01", L"02"}, {L"1", L"01", L"02"}, {}, {}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::vector<CZMRKeyboardTipLetters::CTip> tips(c.captions.size());
        for (size_t i = 0; i < tips.size(); i++)
        {
            tips[i].strCaption = c.captions[i];
            if (i < c.explicitTips.size())
                tips[i].strExplicit = c.explicitTips[i];
            if (i < c.ownTexts.size())
                tips[i].strText = c.ownTexts[i];
        }
        CZMRKeyboardTipLetters::Assign(tips);
        for (size_t i = 0; i < tips.size(); i++)
        {
            const CString strExpected = c.tips[i];
            EXPECT_EQ(strExpected, tips[i].bRemoved ? CString(L"-") : tips[i].strText) << i;
        }
    }
}

// ---------------------------------------------------------------- placement

TEST(KeyboardTipPlacement, Table)
{
    using Tip = CZMRCommandBarKeyboardTip;
    const CPoint pt(100, 200);
    const struct
    {
        const char* name;
        CSize szText;
        DWORD dwAlign;
        BOOL bRightToLeft;
        CRect rc;
    } cases[] = {
        {"at the anchor", CSize(10, 13), 0, FALSE, CRect(100, 200, 116, 215)},
        {"text wider and taller than the least size", CSize(20, 16), 0, FALSE, CRect(100, 200, 126, 218)},
        {"centred across", CSize(20, 16), Tip::alignCenterX, FALSE, CRect(87, 200, 113, 218)},
        {"right-aligned", CSize(20, 16), Tip::alignRight, FALSE, CRect(74, 200, 100, 218)},
        {"right to left", CSize(20, 16), 0, TRUE, CRect(74, 200, 100, 218)},
        {"right to left, centred", CSize(20, 16), Tip::alignCenterX, TRUE, CRect(87, 200, 113, 218)},
        {"centred down", CSize(20, 16), Tip::alignCenterY, FALSE, CRect(100, 191, 126, 209)},
        {"bottom-aligned", CSize(20, 16), Tip::alignBottom, FALSE, CRect(100, 182, 126, 200)},
        {"centred both ways", CSize(20, 16), Tip::alignCenterX | Tip::alignCenterY, FALSE,
         CRect(87, 191, 113, 209)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.rc, Tip::CalcRect(pt, c.szText, c.dwAlign, c.bRightToLeft)) << c.name;
}

// ---------------------------------------------------------------- drawing

// The Default theme whose tip colours are each an index of their own.
const COLORREF CLR_INFOBK = RGB(250, 240, 10), CLR_FRAME = RGB(0, 120, 200), CLR_INFOTEXT = RGB(200, 0, 0),
               CLR_GRAYTEXT = RGB(0, 160, 0);
class CTipColoursTheme : public CClassicColoursTheme
{
public:
    CTipColoursTheme()
    {
        const int indices[] = {COLOR_INFOBK, COLOR_3DSHADOW, COLOR_INFOTEXT, COLOR_GRAYTEXT};
        const COLORREF colours[] = {CLR_INFOBK, CLR_FRAME, CLR_INFOTEXT, CLR_GRAYTEXT};
        SetColors(4, indices, colours);
    }
};

// The client pixels of a window as the screen shows them.
struct CWindowPixels
{
    explicit CWindowPixels(HWND hWnd)
    {
        SIZE sz;
        pixels = ReadWindow(hWnd, sz, TRUE);
        cx = sz.cx;
        cy = sz.cy;
    }
    COLORREF At(int x, int y) const { return pixels[size_t(y * cx + x)]; }
    int Count(COLORREF clr) const { return int(std::count(pixels.begin(), pixels.end(), clr)); }
    int cx = 0, cy = 0;
    std::vector<COLORREF> pixels;
};

// A menu bar whose manager shows keyboard tips, drawn in the Default theme
// with the tip colours of their own.
class KeyboardTipsTest : public MenuBarKeysFixture
{
protected:
    void SetUp() override
    {
        MenuBarKeysFixture::SetUp();
        m_pTipTheme = new CTipColoursTheme;
        m_pManager->SetPaintManager(m_pTipTheme);
        m_pTipTheme->InternalRelease();
        m_pManager->GetOptions()->bKeyboardTips = TRUE;
        m_pSite->RecalcLayout();
        PumpKeys();
    }
    // The texts of the shown tips, in list order; "(hidden)" for a tip
    // without a window.
    std::vector<std::string> Tips() const
    {
        std::vector<std::string> tips;
        for (int i = 0; i < m_pManager->GetKeyboardTipCount(); i++)
        {
            CZMRCommandBarKeyboardTip* pTip = m_pManager->GetKeyboardTip(i);
            tips.push_back(pTip->GetSafeHwnd() ? Narrow(pTip->GetTipText()) : "(hidden)");
        }
        return tips;
    }
    CZMRCommandBarKeyboardTip* FindTip(const wchar_t* lpszText) const
    {
        for (int i = 0; i < m_pManager->GetKeyboardTipCount(); i++)
        {
            if (m_pManager->GetKeyboardTip(i)->GetTipText() == lpszText)
                return m_pManager->GetKeyboardTip(i);
        }
        return nullptr;
    }
    // Alt, and the tips of the menu bar once they are shown.
    void EnterWithTips()
    {
        TypeKeys({VK_MENU});
        ASSERT_TRUE(PumpUntil([&] { return m_pManager->AreKeyboardTipsShown(); }, 5000));
    }

    CTipColoursTheme* m_pTipTheme = nullptr;
};

using TipList = std::vector<std::string>;

// Alt shows the menu bar's tips; a letter opens its menu, whose own tips
// replace them; typing narrows them and the last letter runs the command.
TEST_F(KeyboardTipsTest, TipsFollowTheMenusAndRunTheCommand)
{
    EnterWithTips();
    EXPECT_EQ(m_pBar, m_pManager->GetKeyboardTipOwner());
    EXPECT_EQ(1, m_pManager->GetKeyboardTipLevel());
    EXPECT_EQ((TipList{"F", "E", "V"}), Tips());

    TypeKeys({'E'});
    CZMRCommandBar* pEdit = OpenPopupOf(m_pBar);
    ASSERT_NE(nullptr, pEdit);
    ASSERT_TRUE(PumpUntil([&] { return m_pManager->GetKeyboardTipOwner() == pEdit; }, 5000));
    EXPECT_EQ((TipList{"CO", "CU"}), Tips());

    TypeKeys({'C'});
    EXPECT_EQ((TipList{"CO", "CU"}), Tips()) << "both still start with C";
    EXPECT_EQ(0, g_nBeeps);
    TypeKeys({'U'});
    EXPECT_EQ(std::vector<int>{705}, Executed());
    EXPECT_EQ("-", Describe());
    EXPECT_FALSE(m_pManager->AreKeyboardTipsShown()) << "the tips went with the menus";
}

// A letter that starts some tips removes the others; one that starts none
// beeps; a disabled tip beeps when completed and runs nothing.
TEST_F(KeyboardTipsTest, NarrowingBeepsAndDisabledTips)
{
    m_pBar->GetControl(2)->SetEnabled(FALSE);
    EnterWithTips();
    TypeKeys({'Q'});
    EXPECT_EQ(1, g_nBeeps);
    EXPECT_EQ((TipList{"F", "E", "V"}), Tips());
    TypeKeys({'V'});
    EXPECT_EQ(2, g_nBeeps);
    EXPECT_EQ(nullptr, OpenPopupOf(m_pBar));

    // The File menu opened through its tip shows the tips of its items.
    TypeKeys({'F'});
    CZMRCommandBar* pFile = OpenPopupOf(m_pBar);
    ASSERT_NE(nullptr, pFile);
    ASSERT_TRUE(PumpUntil([&] { return m_pManager->GetKeyboardTipOwner() == pFile; }, 5000));
    EXPECT_EQ((TipList{"O", "S", "R", "X"}), Tips());
    TypeKeys({VK_SHIFT});
    EXPECT_EQ(2, g_nBeeps) << "Shift alone never beeps";
}

// The tips of a bar sit at each control's left + 12, bottom - 11 and are
// drawn on the info colour with a shadow frame and the info text colour;
// a picture of the open menu with its tips is saved.
TEST_F(KeyboardTipsTest, TipWindowsArePlacedAndDrawn)
{
    EnterWithTips();
    TypeKeys({'F'});
    CZMRCommandBar* pFile = OpenPopupOf(m_pBar);
    ASSERT_NE(nullptr, pFile);
    ASSERT_TRUE(PumpUntil([&] { return m_pManager->GetKeyboardTipOwner() == pFile; }, 5000));
    ASSERT_EQ(4, m_pManager->GetKeyboardTipCount());
    pFile->UpdateWindow();

    CClientDC dc(pFile);
    CFont* pOld = dc.SelectObject(&m_pTipTheme->m_fntKeyboardTip);
    for (int i = 0; i < 4; i++)
    {
        CZMRCommandBarKeyboardTip* pTip = m_pManager->GetKeyboardTip(i);
        SCOPED_TRACE(Narrow(pTip->GetTipText()));
        ASSERT_NE(nullptr, pTip->GetSafeHwnd());
        EXPECT_TRUE(pTip->IsWindowVisible());
        EXPECT_NE(0u, pTip->GetExStyle() & WS_EX_TOPMOST);
        EXPECT_EQ(LRESULT(HTTRANSPARENT), pTip->SendMessage(WM_NCHITTEST, 0, 0)) << "clicks fall through";
        CRect rcControl = pFile->GetControl(i)->GetRect();
        pFile->ClientToScreen(&rcControl);
        const CSize szText = dc.GetTextExtent(pTip->GetTipText());
        CRect rcTip;
        pTip->GetWindowRect(&rcTip);
        EXPECT_EQ(CRect(CPoint(rcControl.left + 12, rcControl.bottom - 11),
                        CSize(std::max(int(szText.cx) + 6, 16), std::max(int(szText.cy) + 2, 15))),
                  rcTip);
        pTip->UpdateWindow();
        const CWindowPixels tip(pTip->GetSafeHwnd());
        EXPECT_EQ(CLR_FRAME, tip.At(0, 0));
        EXPECT_EQ(CLR_FRAME, tip.At(tip.cx - 1, tip.cy / 2));
        EXPECT_EQ(CLR_FRAME, tip.At(tip.cx / 2, tip.cy - 1));
        EXPECT_EQ(CLR_INFOBK, tip.At(1, 1));
        EXPECT_GT(tip.Count(CLR_INFOTEXT), 3) << "the letters";
        EXPECT_EQ(0, tip.Count(CLR_GRAYTEXT));
    }
    dc.SelectObject(pOld);

    // The picture: the menu with each tip laid over it where it stands.
    const CWindowPixels menu(pFile->GetSafeHwnd());
    std::vector<COLORREF> picture = menu.pixels;
    CRect rcMenu;
    pFile->GetWindowRect(&rcMenu);
    for (int i = 0; i < 4; i++)
    {
        CZMRCommandBarKeyboardTip* pTip = m_pManager->GetKeyboardTip(i);
        CRect rcTip;
        pTip->GetWindowRect(&rcTip);
        const CWindowPixels tip(pTip->GetSafeHwnd());
        for (int y = 0; y < tip.cy; y++)
            for (int x = 0; x < tip.cx; x++)
            {
                const int px = rcTip.left - rcMenu.left + x, py = rcTip.top - rcMenu.top + y;
                if (px >= 0 && py >= 0 && px < menu.cx && py < menu.cy)
                    picture[size_t(py * menu.cx + px)] = tip.At(x, y);
            }
    }
    EXPECT_TRUE(SaveArtifactPng(L"keyboard_tips_popup.png", menu.cx, menu.cy,
                                [&](int x, int y) { return picture[size_t(y * menu.cx + x)]; }));
}

// A disabled tip is translucent where layered windows exist (alpha 150) and
// its letters are grey; without the function it is drawn opaque.
TEST_F(KeyboardTipsTest, DisabledTipsAreGreyAndTranslucent)
{
    struct CLayeredCall
    {
        HWND hWnd;
        BYTE nAlpha;
        DWORD dwFlags;
    };
    static std::vector<CLayeredCall> s_calls;
    s_calls.clear();
    m_pTipTheme->m_pfnSetLayeredWindowAttributes = [](HWND hWnd, COLORREF, BYTE nAlpha, DWORD dwFlags) -> BOOL {
        s_calls.push_back({hWnd, nAlpha, dwFlags});
        return TRUE;
    };
    m_pBar->GetControl(1)->SetEnabled(FALSE);
    EnterWithTips();
    CZMRCommandBarKeyboardTip* pEdit = FindTip(L"E");
    ASSERT_NE(nullptr, pEdit);
    EXPECT_NE(0u, pEdit->GetExStyle() & WS_EX_LAYERED);
    ASSERT_EQ(1u, s_calls.size());
    EXPECT_EQ(pEdit->GetSafeHwnd(), s_calls[0].hWnd);
    EXPECT_EQ(150, s_calls[0].nAlpha);
    EXPECT_EQ(DWORD(LWA_ALPHA), s_calls[0].dwFlags);
    EXPECT_EQ(0u, FindTip(L"F")->GetExStyle() & WS_EX_LAYERED);

    // Drawn into a bitmap: the layered window's own pixels cannot be read.
    CZMRCommandBarKeyboardTip* pFileTip = FindTip(L"F");
    CRect rc;
    pEdit->GetClientRect(&rc);
    for (CZMRCommandBarKeyboardTip* pTip : {pEdit, pFileTip})
    {
        CClientDC dcWindow(pTip);
        CDC dc;
        dc.CreateCompatibleDC(&dcWindow);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dcWindow, rc.Width(), rc.Height());
        CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
        m_pTipTheme->PaintKeyboardTipWindow(&dc, pTip, FALSE);
        int nGrey = 0, nText = 0;
        for (int y = 0; y < rc.Height(); y++)
            for (int x = 0; x < rc.Width(); x++)
            {
                nGrey += dc.GetPixel(x, y) == CLR_GRAYTEXT;
                nText += dc.GetPixel(x, y) == CLR_INFOTEXT;
            }
        EXPECT_EQ(pTip == pEdit, nGrey > 3);
        EXPECT_EQ(pTip != pEdit, nText > 3);
        // Preparing draws nothing.
        dc.FillSolidRect(rc, RGB(1, 2, 3));
        m_pTipTheme->PaintKeyboardTipWindow(&dc, pTip, TRUE);
        EXPECT_EQ(RGB(1, 2, 3), dc.GetPixel(rc.Width() / 2, rc.Height() / 2));
        dc.SelectObject(pOldBitmap);
    }

    m_pManager->HideKeyboardTips();
    m_pTipTheme->m_pfnSetLayeredWindowAttributes = nullptr;
    m_pManager->ShowKeyboardTips(m_pBar, 1);
    EXPECT_EQ(0u, FindTip(L"E")->GetExStyle() & WS_EX_LAYERED);
    EXPECT_EQ(1u, s_calls.size());
}

// The menu bar's tips also name the other shown bars, at their top-left
// corner; completing one moves keyboard mode to that bar.
TEST_F(KeyboardTipsTest, OtherBarsGetATipThatFocusesThem)
{
    CZMRToolBar* pTools = m_pManager->AddToolBar(L"Standard", 2);
    ASSERT_NE(nullptr, pTools);
    pTools->GetControls()->Add(zmrControlButton, 801);
    m_pSite->RecalcLayout();
    PumpKeys();
    EnterWithTips();
    CZMRCommandBarKeyboardTip* pTip = FindTip(L"S");
    ASSERT_NE(nullptr, pTip);
    CRect rcBar, rcTip;
    pTools->GetWindowRect(&rcBar);
    pTip->GetWindowRect(&rcTip);
    EXPECT_EQ(rcBar.TopLeft(), rcTip.TopLeft());
    TypeKeys({'S'});
    EXPECT_FALSE(m_pBar->IsTrackingMode());
    EXPECT_TRUE(pTools->IsTrackingMode());
    EXPECT_EQ(0, pTools->GetHotIndex());
}

// Moving with the arrows and leaving menu mode take the tips away; Escape
// at a second level goes back to the first.
TEST_F(KeyboardTipsTest, TipsGoWithMovesAndLevels)
{
    EnterWithTips();
    TypeKeys({VK_RIGHT});
    EXPECT_FALSE(m_pManager->AreKeyboardTipsShown());
    EXPECT_EQ(0, m_pManager->GetKeyboardTipLevel());

    m_pManager->ShowKeyboardTips(m_pBar, 2);
    ASSERT_EQ(2, m_pBar->GetKeyboardTipLevel());
    TypeKeys({VK_ESCAPE});
    EXPECT_TRUE(m_pBar->IsTrackingMode());
    EXPECT_EQ(1, m_pBar->GetKeyboardTipLevel());
    EXPECT_EQ((TipList{"F", "E", "V"}), Tips());
    TypeKeys({VK_ESCAPE});
    EXPECT_FALSE(m_pBar->IsTrackingMode());
    EXPECT_FALSE(m_pManager->AreKeyboardTipsShown());
}

// Without the manager's option no tips appear; Alt still enters menu mode.
TEST_F(KeyboardTipsTest, TheOptionOffShowsNone)
{
    m_pManager->GetOptions()->bKeyboardTips = FALSE;
    TypeKeys({VK_MENU});
    ASSERT_TRUE(m_pBar->IsTrackingMode());
    PumpUntil([] { return false; }, 100);
    EXPECT_FALSE(m_pManager->AreKeyboardTipsShown());
    m_pManager->ShowKeyboardTips(m_pBar, 1);
    EXPECT_FALSE(m_pManager->AreKeyboardTipsShown());
    EXPECT_EQ(nullptr, m_pManager->GetKeyboardTipOwner());
}
} // namespace
