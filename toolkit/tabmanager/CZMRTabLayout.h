// The arithmetic of tab layouts, apart from any window or device context, so
// that each rule is checked by a table of cases: shrinking widths to fit,
// splitting items into rows and widening them to fill each row, and how many
// characters a middle-ellipsis caption keeps.
#pragma once
#include "Framework.h"
#include <functional>
#include <vector>

class CZMRTabLayout
{
public:
    // Shrinks widths whose sum passes nAvailable: a single item gets all of
    // it; otherwise, smallest first, items keep their width while every item
    // left could still have it, and the rest share what remains equally.
    static void ShrinkToFit(std::vector<int>& widths, int nAvailable);

    // The number of rows that a greedy fill of rows nRowLength long needs.
    static int CountRows(const std::vector<int>& widths, int nRowLength);

    // The first item index of each row, splitting items into nRows rows of at
    // most nRowLength; with bJustify each row aims at its share of the width
    // still to place. Returns false when the split fails; firstIndexes then
    // holds what the last attempt left.
    static bool SplitRows(const std::vector<int>& widths, int nRows, int nRowLength, bool bJustify,
                          std::vector<int>& firstIndexes);

    // Widens the widths of one row to fill nRowLength, the spare pixels
    // shared out one item after the other.
    static void JustifyRow(std::vector<int>& widths, int nRowLength);

    // The corrected scroll offset: items that would end before the end of
    // the room nRoom are moved back so that they end at its end.
    static int CorrectScrollOffset(int nOffset, int nTotal, int nRoom);

    // The scroll offset that brings [nItemStart, nItemEnd) into the header
    // [nHeaderStart, nHeaderEnd) with nMargin after its start; the old
    // offset when nothing must move.
    static int EnsureVisibleOffset(int nOffset, int nItemStart, int nItemEnd, int nHeaderStart, int nHeaderEnd,
                                   int nMargin);

    // How a caption too long for nRoom is cut in the middle: nHead characters
    // from its start, "...", nTail from its end. Both 0 with bOnlyEllipsis
    // when "..." alone is wider than the room; the caption whole when it fits.
    struct CMiddleCut
    {
        int nHead;
        int nTail;
        bool bOnlyEllipsis;
    };
    // fnWidth(head, tail) measures the text of a cut (with "..." between
    // them when the cut is not the whole caption). The search is bounded by
    // the caption's length.
    static CMiddleCut CutInMiddle(int nLength, int nRoom, int nEllipsisWidth,
                                  const std::function<int(int nHead, int nTail)>& fnWidth);
};
