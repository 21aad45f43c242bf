// How the bars of a dock row share its length: bars in dock order with their
// sizes and wished places in; the rows, each bar's place and each row's
// thickness out.
#include "CZMRDockRowLayout.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// A bar of a natural length; shorter lengths give a bar that hides controls
// (down to its smallest form) or, when it wraps, one twice as thick.
struct CTestBar
{
    int nNatural;
    int nWished = 0;
    int nSmallest = 20;
    BOOL bHideWrap = TRUE;
    int nThickness = 22;
    BOOL bFill = FALSE;
};

struct CPlaced
{
    int nBar;
    int nLeft;
    int nLength;
};

struct CRowCase
{
    const char* name;
    int nLength;
    std::vector<CTestBar> bars;
    std::vector<std::vector<CPlaced>> rows;   // bars of each row in dock order
    std::vector<int> thickness;
};

CZMRDockRowLayout::CBar MakeBar(const CTestBar& t)
{
    CZMRDockRowLayout::CBar bar;
    bar.fnSize = [t](int nLength) {
        if (nLength >= t.nNatural)
            return CSize(t.nNatural, t.nThickness);
        return CSize(std::max(nLength, t.nSmallest), t.bHideWrap ? t.nThickness : 2 * t.nThickness);
    };
    bar.nWished = t.nWished;
    bar.bHideWrap = t.bHideWrap;
    bar.bFill = t.bFill;
    return bar;
}

CTestBar Bar(int nNatural, int nWished = 0) { return {nNatural, nWished}; }
CTestBar Squeezable(int nNatural, int nSmallest) { return {nNatural, 0, nSmallest}; }

const CRowCase kCases[] = {
    {"bars docked at the end follow each other in dock order", 300, {Bar(100), Bar(80)},
     {{{0, 0, 100}, {1, 100, 80}}}, {22}},
    {"wished places that do not overlap are kept", 300, {Bar(100, 50), Bar(80, 200)},
     {{{0, 50, 100}, {1, 200, 80}}}, {22}},
    {"two bars wishing the same place: the later one moves on", 300, {Bar(100, 50), Bar(80, 50)},
     {{{0, 50, 100}, {1, 150, 80}}}, {22}},
    {"a later bar wished just before an earlier one gives way to the left", 300, {Bar(100, 100), Bar(80, 60)},
     {{{0, 100, 100}, {1, 20, 80}}}, {22}},
    {"the last bar is pulled in from the row end", 300, {Bar(100), Bar(80, 250)},
     {{{0, 0, 100}, {1, 220, 80}}}, {22}},
    {"a bar pulled in from the end pulls the one before it", 300, {Bar(100, 150), Bar(100, 200)},
     {{{0, 100, 100}, {1, 200, 100}}}, {22}},
    {"a short row squeezes the bars, the first giving up length", 150, {Squeezable(100, 40), Squeezable(100, 40)},
     {{{0, 0, 50}, {1, 50, 100}}}, {22}},
    {"what even the smallest forms cannot hold moves to a row below", 70,
     {Squeezable(100, 40), Squeezable(100, 40)}, {{{0, 0, 70}}, {{1, 0, 70}}}, {22, 22}},
    {"the last bar by position moves, the others keep dock order", 100,
     {Squeezable(60, 40), Squeezable(60, 40), Squeezable(60, 40)}, {{{0, 0, 40}, {1, 40, 60}}, {{2, 0, 60}}},
     {22, 22}},
    {"a bar that wraps keeps its whole length and pushes the next one down", 150,
     {{100, 0, 20, FALSE}, Squeezable(100, 40)}, {{{0, 0, 100}}, {{1, 0, 100}}}, {22, 22}},
    {"a bar that fills its row reaches the next bar", 300, {{50, 0, 20, TRUE, 22, TRUE}, Bar(80, 200)},
     {{{0, 0, 200}, {1, 200, 80}}}, {22}},
    {"the last bar filling its row reaches the row end", 300, {Bar(80), {50, 0, 20, TRUE, 22, TRUE}},
     {{{0, 0, 80}, {1, 80, 220}}}, {22}},
    {"a row is as thick as its thickest bar", 300, {Bar(100), {80, 0, 20, TRUE, 30}},
     {{{0, 0, 100}, {1, 100, 80}}}, {30}},
    {"a wrapping bar given less than its length gets thicker", 60, {{100, 0, 20, FALSE}},
     {{{0, 0, 60}}}, {44}},
};

class DockRowLayoutTable : public testing::TestWithParam<CRowCase>
{
};
} // namespace

TEST_P(DockRowLayoutTable, PlacesTheBars)
{
    const CRowCase& c = GetParam();
    std::vector<CZMRDockRowLayout::CBar> bars;
    for (const CTestBar& t : c.bars)
        bars.push_back(MakeBar(t));
    const std::vector<CZMRDockRowLayout::CRow> rows = CZMRDockRowLayout::LayoutRowWithOverflow(bars, c.nLength);
    ASSERT_EQ(rows.size(), c.rows.size());
    for (size_t r = 0; r < rows.size(); r++)
    {
        ASSERT_EQ(rows[r].bars.size(), c.rows[r].size()) << "row " << r;
        for (size_t j = 0; j < rows[r].bars.size(); j++)
        {
            const CPlaced& expected = c.rows[r][j];
            EXPECT_EQ(rows[r].bars[j], expected.nBar) << "row " << r << " entry " << j;
            EXPECT_EQ(rows[r].places[j].nLeft, expected.nLeft) << "row " << r << " bar " << expected.nBar;
            EXPECT_EQ(rows[r].places[j].nLength, expected.nLength) << "row " << r << " bar " << expected.nBar;
        }
        EXPECT_EQ(rows[r].nThickness, c.thickness[r]) << "row " << r;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, DockRowLayoutTable, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CRowCase>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST(DockRowLayout, ARowOfOneBarNeverFails)
{
    std::vector<CZMRDockRowLayout::CBar> bars = {MakeBar(Squeezable(100, 40))};
    std::vector<CZMRDockRowLayout::CPlace> places;
    int nMove = 0;
    EXPECT_EQ(CZMRDockRowLayout::LayoutRow(bars, 30, places, nMove), 22);
    EXPECT_EQ(nMove, -1);
    EXPECT_EQ(places[0].nLength, 40) << "its smallest form, though the row is shorter";
    EXPECT_EQ(places[0].nLeft + places[0].nLength, 30) << "it ends at the row end";
}
