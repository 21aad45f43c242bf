// The arithmetic of tab layouts: shrinking to fit, rows, justification,
// scroll corrections and the middle-ellipsis cut.
#include "CZMRTabLayout.h"
#include <gtest/gtest.h>
#include <numeric>
#include <string>

namespace
{
struct CShrinkCase
{
    const char* name;
    std::vector<int> widths;
    int nAvailable;
    std::vector<int> expected;
};

const CShrinkCase kShrinkCases[] = {
    {"small items keep their width, the rest share", {30, 50, 100, 120}, 200, {30, 50, 60, 60}},
    {"order of the list is kept", {120, 30, 100, 50}, 200, {60, 30, 60, 50}},
    {"everything fits: unchanged", {30, 50}, 100, {30, 50}},
    {"a single item gets the whole room", {300}, 120, {120}},
    {"equal shares with the remainder to the later items", {100, 100, 100}, 200, {66, 67, 67}},
    {"no room at all", {40, 40}, 0, {0, 0}},
};

TEST(TabLayout, ShrinkToFit)
{
    for (const CShrinkCase& c : kShrinkCases)
    {
        std::vector<int> widths = c.widths;
        CZMRTabLayout::ShrinkToFit(widths, c.nAvailable);
        EXPECT_EQ(c.expected, widths) << c.name;
    }
}

struct CRowCase
{
    const char* name;
    std::vector<int> widths;
    int nRowLength;
    bool bJustify;
    int nExpectedRows;
    std::vector<int> expectedFirsts;
};

const CRowCase kRowCases[] = {
    {"one row when everything fits", {50, 50, 50}, 200, true, 1, {0}},
    {"greedy count, balanced split", {60, 60, 60, 60, 60}, 200, true, 2, {0, 2}},
    {"without justification rows fill up to the length", {60, 60, 60, 60, 60}, 200, false, 2, {0, 3}},
    {"balanced: five items of 50 split two and three", {50, 50, 50, 50, 50}, 200, true, 2, {0, 2}},
    {"an item wider than the row stands alone", {250, 50, 50}, 200, true, 2, {0, 1}},
    {"three rows, each aiming at its share", {90, 90, 90, 90, 90}, 200, true, 3, {0, 1, 3}},
};

TEST(TabLayout, RowsAreCountedGreedilyAndSplitFromRowZero)
{
    for (const CRowCase& c : kRowCases)
    {
        const int nRows = CZMRTabLayout::CountRows(c.widths, c.nRowLength);
        EXPECT_EQ(c.nExpectedRows, nRows) << c.name;
        std::vector<int> firsts;
        EXPECT_TRUE(CZMRTabLayout::SplitRows(c.widths, nRows, c.nRowLength, c.bJustify, firsts)) << c.name;
        EXPECT_EQ(c.expectedFirsts, firsts) << c.name;
        // Every row but a lone over-long item stays within the row length.
        for (size_t r = 0; r < firsts.size(); r++)
        {
            const size_t nEnd = r + 1 < firsts.size() ? firsts[r + 1] : c.widths.size();
            const int nSum = std::accumulate(c.widths.begin() + firsts[r], c.widths.begin() + nEnd, 0);
            if (nEnd - firsts[r] > 1)
            {
                EXPECT_LE(nSum, c.nRowLength) << c.name << " row " << r;
            }
        }
    }
}

TEST(TabLayout, JustifiedRowsFillTheRowLength)
{
    std::vector<int> widths = {30, 40, 50};
    CZMRTabLayout::JustifyRow(widths, 200);
    // 80 spare pixels: 80/3 = 26, then 54/2 = 27, then 27.
    EXPECT_EQ((std::vector<int>{56, 67, 77}), widths);
}

struct COffsetCase
{
    const char* name;
    int nOffset, nTotal, nRoom;
    int nExpected;
};

const COffsetCase kOffsetCases[] = {
    {"at the start: unchanged", 0, 500, 200, 0},
    {"scrolled, items still reach the end", -100, 500, 200, -100},
    {"scrolled too far: items end at the end", -400, 500, 200, -300},
    {"everything fits again: back to 0", -50, 150, 200, 0},
};

TEST(TabLayout, ScrollOffsetCorrection)
{
    for (const COffsetCase& c : kOffsetCases)
        EXPECT_EQ(c.nExpected, CZMRTabLayout::CorrectScrollOffset(c.nOffset, c.nTotal, c.nRoom)) << c.name;
}

struct CEnsureCase
{
    const char* name;
    int nOffset, nItemStart, nItemEnd, nHeaderStart, nHeaderEnd, nMargin;
    int nExpected;
};

const CEnsureCase kEnsureCases[] = {
    {"inside: unchanged", -40, 50, 100, 0, 200, 2, -40},
    {"before the start: right after the margin", -100, -30, 20, 0, 200, 2, -68},
    {"after the end: two pixels inside the end", 0, 180, 260, 0, 200, 2, -62},
};

TEST(TabLayout, EnsureVisibleOffset)
{
    for (const CEnsureCase& c : kEnsureCases)
        EXPECT_EQ(c.nExpected, CZMRTabLayout::EnsureVisibleOffset(c.nOffset, c.nItemStart, c.nItemEnd, c.nHeaderStart,
                                                                  c.nHeaderEnd, c.nMargin))
            << c.name;
}

// Every character 10 wide, "..." 12 wide.
int FixedWidth(int nHead, int nTail, int nLength)
{
    return nHead + nTail >= nLength ? nLength * 10 : (nHead + nTail) * 10 + 12;
}

struct CCutCase
{
    const char* name;
    int nLength, nRoom;
    int nHead, nTail;
    bool bOnlyEllipsis;
};

const CCutCase kCutCases[] = {
    {"fits whole", 8, 80, 8, 0, false},
    {"cut in the middle", 20, 100, 4, 4, false},
    {"odd count: the extra character at the start", 20, 82, 4, 3, false},
    {"room for one character", 20, 25, 1, 0, false},
    {"room for the ellipsis alone", 20, 12, 0, 0, false},
    {"narrower than the ellipsis", 20, 8, 0, 0, true},
    {"a one-character caption too wide", 1, 9, 0, 0, true},
};

TEST(TabLayout, MiddleEllipsisCut)
{
    for (const CCutCase& c : kCutCases)
    {
        int nCalls = 0;
        const CZMRTabLayout::CMiddleCut cut = CZMRTabLayout::CutInMiddle(c.nLength, c.nRoom, 12, [&](int h, int t) {
            nCalls++;
            EXPECT_LE(h + t, c.nLength) << c.name;
            return FixedWidth(h, t, c.nLength);
        });
        EXPECT_EQ(c.nHead, cut.nHead) << c.name;
        EXPECT_EQ(c.nTail, cut.nTail) << c.name;
        EXPECT_EQ(c.bOnlyEllipsis, cut.bOnlyEllipsis) << c.name;
        EXPECT_LE(nCalls, c.nLength + 3) << c.name;
    }
}

TEST(TabLayout, MiddleEllipsisSearchStaysWithinTheCaption)
{
    // A measure that claims everything fits once cut: the search must stop at
    // the caption's length instead of growing without end.
    int nMaxAsked = 0;
    const CZMRTabLayout::CMiddleCut cut = CZMRTabLayout::CutInMiddle(5, 40, 12, [&](int h, int t) {
        nMaxAsked = std::max(nMaxAsked, h + t);
        return h + t >= 5 ? 1000 : 0;
    });
    EXPECT_LE(nMaxAsked, 5);
    EXPECT_EQ(4, cut.nHead + cut.nTail);
}
}
