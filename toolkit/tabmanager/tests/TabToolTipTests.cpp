// The strip's tooltip hit test: navigate buttons with their texts, which
// follow the strip's orientation, and items whose tooltips show always or
// only when their caption is cut.
#include "TabTestSupport.h"
#include "CZMRTabManagerNavigateButton.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>

namespace
{
struct CTipResult
{
    INT_PTR nId;
    std::wstring strText;
    CRect rc;
};

CTipResult HitTip(CTabHostFixture& f, CPoint pt)
{
    TOOLINFO ti = {};
    ti.cbSize = sizeof(TOOLINFO);
    const INT_PTR nId = f.Strip().HitTestForTooltip(f.m_pHost, pt, &ti);
    CTipResult result = {nId, ti.lpszText && ti.lpszText != LPSTR_TEXTCALLBACK ? ti.lpszText : L"", ti.rect};
    if (nId != -1)
    {
        EXPECT_EQ(f.m_pHost->GetSafeHwnd(), ti.hwnd);
        free(ti.lpszText);
    }
    return result;
}

struct CItemTipCase
{
    const char* name;
    int nMode;
    BOOL bCut;        // shrink to fit cuts every item
    BOOL bTooltip;
    INT_PTR nExpected;
};

const CItemTipCase kItemCases[] = {
    {"only when cut, and cut", 2, TRUE, TRUE, 1},
    {"only when cut, not cut", 2, FALSE, TRUE, -1},
    {"always", 1, FALSE, TRUE, 1},
    {"never", 0, TRUE, TRUE, -1},
    {"no tooltip text", 1, TRUE, FALSE, -1},
};

TEST(TabToolTips, ItemsByMode)
{
    for (const CItemTipCase& c : kItemCases)
    {
        CTabHostFixture f(5);
        f.PaintManager()->m_nTooltipMode = c.nMode;
        f.PaintManager()->SetLayout(c.bCut ? zmrTabLayoutSizeToFit : zmrTabLayoutFixed);
        f.SetItemWidth(c.bCut ? 100 : 70);
        if (c.bTooltip)
            f.Item(1)->SetTooltip(L"Second tab");
        const CTipResult tip = HitTip(f, f.Item(1)->GetRect().CenterPoint());
        EXPECT_EQ(c.nExpected, tip.nId) << c.name;
        if (c.nExpected != -1)
        {
            EXPECT_EQ(L"Second tab", tip.strText) << c.name;
            EXPECT_EQ(f.Item(1)->GetRect(), tip.rc) << c.name;
        }
    }
}

TEST(TabToolTips, ArrowTextsFollowTheOrientation)
{
    struct
    {
        int nPosition;
        const wchar_t* szLeft;
        const wchar_t* szRight;
    } cases[] = {
        {zmrTabPositionTop, L"Scroll left", L"Scroll right"},
        {zmrTabPositionLeft, L"Scroll up", L"Scroll down"},
    };
    for (const auto& c : cases)
    {
        CTabHostFixture f(10, CRect(100, 100, 500, 400), c.nPosition);
        f.Strip().SetCurSel(5);
        CZMRTabManagerNavigateButton* pLeft = f.Strip().GetNavigateButton(zmrTabNavigateButtonLeft);
        CZMRTabManagerNavigateButton* pRight = f.Strip().GetNavigateButton(zmrTabNavigateButtonRight);
        const CTipResult left = HitTip(f, pLeft->GetRect().CenterPoint());
        const CTipResult right = HitTip(f, pRight->GetRect().CenterPoint());
        EXPECT_EQ(0, left.nId);
        EXPECT_EQ(c.szLeft, left.strText);
        EXPECT_EQ(pLeft->GetRect(), left.rc);
        EXPECT_EQ(1, right.nId);
        EXPECT_EQ(c.szRight, right.strText);
    }
}

TEST(TabToolTips, TabCloseButtonHasItsOwnTip)
{
    CTabHostFixture f(0);
    f.Strip().SetCloseButtonMode(zmrTabNavigateButtonAlways);
    f.Strip().AddItem(-1);
    CClientDC dc(f.m_pHost);
    f.PaintManager()->DrawTabControl(&f.Strip(), &dc, f.Strip().GetControlRect());
    CZMRTabManagerNavigateButton* pClose = f.Item(0)->GetNavigateButtons()[0];
    const CTipResult tip = HitTip(f, pClose->GetRect().CenterPoint());
    EXPECT_EQ(0, tip.nId);
    EXPECT_EQ(L"Close", tip.strText);
}
}
