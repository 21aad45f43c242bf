// How the bars of one dock row share its length: a function of each bar's
// size for a given length, the place it wishes and the row's length, with no
// window, so that the rules can be checked by tables of cases. Everything
// runs along x; a vertical dock bar swaps x and y before and after.
#pragma once
#include "Framework.h"
#include <functional>
#include <vector>

class CZMRDockRowLayout
{
public:
    struct CBar
    {
        // The bar's size laid out for a length along the row (cx along, cy across).
        std::function<CSize(int nLength)> fnSize;
        int nWished = 0;             // left edge it had when docked or last laid out
        BOOL bHideWrap = FALSE;      // hides what does not fit, so it may shrink to its smallest form
        BOOL bFill = FALSE;          // fills the room up to the next bar
    };

    // Where a bar of the row goes: left edge and length along the row.
    struct CPlace
    {
        int nLeft = 0;
        int nLength = 0;
    };

    struct CRow
    {
        std::vector<int> bars;       // indexes into the input, in input order
        std::vector<CPlace> places;  // one per entry of bars
        int nThickness = 0;
    };

    // One row: the places of the bars in input order and the thickness; -1
    // with nMove set to the input index of the bar that must leave the row
    // when even the smallest forms do not fit.
    static int LayoutRow(const std::vector<CBar>& bars, int nLength, std::vector<CPlace>& places, int& nMove);

    // The row and, when bars do not fit, the further rows they move to.
    static std::vector<CRow> LayoutRowWithOverflow(const std::vector<CBar>& bars, int nLength);
};
