// The outlines of the tab styles as pure geometry. Every shape is written for
// a top strip (the client below the tab) in the tab's own rectangle; CTurn
// carries points and rectangles of that upright form to the strip's position
// so that each shape faces the client on every side.
#pragma once
#include "Framework.h"
#include <functional>
#include <vector>

namespace CZMRTabShapes
{
typedef std::vector<CPoint> CPoints;

// The upright form of an item rectangle at a position and back.
class CTurn
{
public:
    CTurn(CRect rcItem, int nPosition);
    // The item's rectangle in the upright form (start, far side, end, client side).
    CRect Upright() const { return m_rcUpright; }
    CPoint Point(CPoint pt) const;
    CPoint Point(int x, int y) const { return Point(CPoint(x, y)); }
    // A rectangle of pixels [left, right) x [top, bottom).
    CRect Rect(CRect rc) const;
    CPoints Points(const CPoints& arr) const;
    // Polygon vertices lie on pixel edges, so they turn without the pixel's width.
    CPoints Edges(const CPoints& arr) const;
    // The upright size turned to the position (width and height swap on the sides).
    CSize Size(CSize sz) const;
    int GetPosition() const { return m_nPosition; }

protected:
    CRect m_rcItem;
    CRect m_rcUpright;
    int m_nPosition;
};

// The slanted tab with its start side at 45 degrees.
struct CSlantedTab
{
    CPoints face;       // filled
    CPoints outline;    // polylines, end points excluded
    CPoints inner1;
    CPoints inner2;
};
CSlantedTab Office2003Tab(CRect rc);
// Slanted on both sides by half the height, bevelled at the far side.
CSlantedTab VisualStudio2005Tab(CRect rc);
// A trapezoid moved back by a quarter of the height and slanted by half of it.
CSlantedTab ExcelTab(CRect rc);
// A rectangle without its two far-side corner pixels, as two bands.
std::vector<CRect> RoundedFlatTab(CRect rc);

// Full-width bars stacked in order: those up to the selected one from the
// top, those after it from the bottom; the client lies between.
struct CStackedBars
{
    std::vector<CRect> bars;
    CRect client;
};
CStackedBars StackBars(CRect rc, int nCount, int nSelected, int nBarHeight);

// Draws through draw(dc, rc) in the upright form of turn and puts the pixels
// in place; what draw leaves untouched keeps the destination's pixels.
void DrawTurned(CDC* pDC, const CTurn& turn, const std::function<void(CDC*, CRect)>& draw);
}
