// The shapes: point lists from text, the extents shapes desire, what they
// draw (read back by pixel) and where the mouse hits them.
#include "CZMRMarkupEllipse.h"
#include "CZMRMarkupLine.h"
#include "CZMRMarkupPointCollection.h"
#include "CZMRMarkupPolygon.h"
#include "CZMRMarkupPolyline.h"
#include "CZMRMarkupRectangle.h"
#include "MarkupLayoutSupport.h"

namespace
{
const COLORREF clrWhite = RGB(255, 255, 255);
const COLORREF clrRed = RGB(255, 0, 0);
const COLORREF clrBlue = RGB(0, 0, 255);

typedef std::vector<CPoint> Points;

Points PointsOf(const CZMRMarkupPointCollection* pPoints)
{
    return Points(pPoints->GetData(), pPoints->GetData() + pPoints->GetCount());
}

class ShapeTest : public MarkupLayoutTest
{
protected:
    // The shape built from markup and drawn into a white surface in a box
    // of the given size at the origin.
    template <class T>
    T* Draw(LPCWSTR lpszMarkup, WhiteSurface& surface, CSize sz)
    {
        T* pShape = BuildAs<T>(lpszMarkup);
        if (pShape)
        {
            const CRect rc(CPoint(0, 0), sz);
            DrawMarkupTree(pShape, surface.GetDC(), rc);
        }
        return pShape;
    }
};
}

TEST_F(ShapeTest, PointListsReadIntegerPairs)
{
    const Points square = {{0, 0}, {10, 0}, {10, 10}};
    struct
    {
        LPCWSTR lpszText;
        BOOL bParses;
        Points points;
    } cases[] = {
        {L"0,0 10,0 10,10", TRUE, square},
        {L"0 0 10 0 10 10", TRUE, square},
        {L"0,0,10,0,10,10", TRUE, square},
        {L"  0,0   10,0 10,10  ", TRUE, square},
        {L"", TRUE, {}},
        {L"-3,-4", TRUE, {{-3, -4}}},
        // A lone minus before a separator reads as 0.
        {L"-,5", TRUE, {{0, 5}}},
        {L"0 ,0", FALSE, {}},
        {L"0,0,10", FALSE, {}},
        {L"0,0 1x,2", FALSE, {}},
        {L" ", FALSE, {}},
        {L"5 -", FALSE, {}},
        // Numbers that do not fit a coordinate fail instead of wrapping.
        {L"2147483647,0", TRUE, {{2147483647, 0}}},
        {L"2147483648,0", FALSE, {}},
        {L"0,99999999999999999999", FALSE, {}},
    };
    MarkupRef<CZMRMarkupPointCollection> blank(new CZMRMarkupPointCollection());
    for (const auto& c : cases)
    {
        const std::string strCase = CStringA(c.lpszText).GetString();
        MarkupRef<CZMRMarkupString> text(CZMRMarkupString::CreateValue(c.lpszText));
        MarkupRef<CZMRMarkupPointCollection> points(
            static_cast<CZMRMarkupPointCollection*>(blank->ConvertFrom(text)));
        ASSERT_EQ(c.bParses, points.get() != nullptr) << strCase;
        if (points)
        {
            EXPECT_TRUE(c.points == PointsOf(points)) << strCase;
        }
    }
    EXPECT_EQ(nullptr, blank->ConvertFrom(MarkupRef<CZMRMarkupInt>(new CZMRMarkupInt(3))));
    EXPECT_FALSE(blank->ParsePoints(nullptr));

    // The bounds reach back to the origin: negative points do not widen them.
    MarkupRef<CZMRMarkupPointCollection> points(static_cast<CZMRMarkupPointCollection*>(
        blank->ConvertFrom(MarkupRef<CZMRMarkupString>(CZMRMarkupString::CreateValue(L"-5,-5 10,10")))));
    EXPECT_EQ(CRect(0, 0, 10, 10), CRect(points->GetBounds()));

    // In markup a bad list fails the attribute.
    EXPECT_NE(-1, BuildError(L"<Polygon Points=\"0 ,0\"/>").Find(L"'Points'"));
}

TEST_F(ShapeTest, FiguresDesireTheExtentOfTheirCoordinates)
{
    struct
    {
        LPCWSTR lpszMarkup;
        CSize szDesired;
    } cases[] = {
        {L"<Polygon Points=\"-5,-5 10,10\"/>", {10, 10}},
        {L"<Polygon Points=\"-5,-5 10,10\" Stroke=\"Red\"/>", {10, 10}},
        {L"<Polygon/>", {0, 0}},
        {L"<Polyline Points=\"0,0 30,20\"/>", {30, 20}},
        {L"<Polyline Points=\"0,0 30,20\" Stroke=\"Red\"/>", {31, 21}},
        {L"<Polyline Points=\"0,0 30,20\" Stroke=\"Red\" StrokeThickness=\"3\"/>", {33, 23}},
        {L"<Polyline Stroke=\"Red\"/>", {0, 0}},
        {L"<Line X1=\"10\" Y1=\"10\" X2=\"20\" Y2=\"20\"/>", {20, 20}},
        {L"<Line X1=\"10\" Y1=\"10\" X2=\"20\" Y2=\"20\" Stroke=\"Red\"/>", {21, 21}},
        {L"<Line X1=\"30\" Y1=\"5\" X2=\"0\" Y2=\"0\" Stroke=\"Red\" StrokeThickness=\"4\"/>", {34, 9}},
        // Extents stay in the range of lengths.
        {L"<Line X1=\"-20\" Y1=\"-20\" Stroke=\"Red\"/>", {1, 1}},
        {L"<Polyline Points=\"2147483647,2147483647\" Stroke=\"Red\" StrokeThickness=\"5\"/>", {0x7FFFFFFF, 0x7FFFFFFF}},
        {L"<Rectangle Fill=\"Red\" Stroke=\"Blue\" StrokeThickness=\"9\"/>", {0, 0}},
        {L"<Ellipse Fill=\"Red\"/>", {0, 0}},
    };
    for (const auto& c : cases)
    {
        MarkupRef<CZMRMarkupShape> shape(BuildAs<CZMRMarkupShape>(c.lpszMarkup));
        ASSERT_TRUE(shape.get());
        CZMRMarkupDrawingContext dc;
        shape->Measure(&dc, 0x7FFFFFFF, 0x7FFFFFFF);
        EXPECT_EQ(c.szDesired, shape->GetDesiredSize()) << CStringA(c.lpszMarkup).GetString();
    }
}

TEST_F(ShapeTest, HitTestsFollowTheFigure)
{
    struct
    {
        LPCWSTR lpszMarkup;
        CSize szBox;
        CPoint pt;
        bool bHit;
    } cases[] = {
        {L"<Ellipse Fill=\"Red\"/>", {100, 50}, {1, 1}, false},
        {L"<Ellipse Fill=\"Red\"/>", {100, 50}, {50, 25}, true},
        {L"<Ellipse Fill=\"Red\"/>", {100, 50}, {99, 25}, true},
        {L"<Ellipse Fill=\"Red\"/>", {100, 50}, {50, 1}, true},
        {L"<Ellipse Fill=\"Red\"/>", {100, 50}, {90, 45}, false},
        // One pixel wide or high: the whole box hits, without a division by 0.
        {L"<Ellipse Fill=\"Red\"/>", {1, 10}, {0, 0}, true},
        {L"<Ellipse Fill=\"Red\"/>", {10, 1}, {9, 0}, true},
        // A horizontal line of width 4 hits within 2 pixels of it.
        {L"<Line X1=\"10\" Y1=\"10\" X2=\"50\" Y2=\"10\" Stroke=\"Red\" StrokeThickness=\"4\"/>", {60, 20}, {30, 8}, true},
        {L"<Line X1=\"10\" Y1=\"10\" X2=\"50\" Y2=\"10\" Stroke=\"Red\" StrokeThickness=\"4\"/>", {60, 20}, {30, 12}, true},
        {L"<Line X1=\"10\" Y1=\"10\" X2=\"50\" Y2=\"10\" Stroke=\"Red\" StrokeThickness=\"4\"/>", {60, 20}, {30, 13}, false},
        {L"<Line X1=\"10\" Y1=\"10\" X2=\"50\" Y2=\"10\" Stroke=\"Red\" StrokeThickness=\"4\"/>", {60, 20}, {52, 10}, true},
        {L"<Line X1=\"10\" Y1=\"10\" X2=\"50\" Y2=\"10\" Stroke=\"Red\" StrokeThickness=\"4\"/>", {60, 20}, {53, 10}, false},
        {L"<Line X1=\"10\" Y1=\"10\" X2=\"50\" Y2=\"10\" Stroke=\"Red\" StrokeThickness=\"4\"/>", {60, 20}, {8, 10}, true},
        {L"<Line X1=\"10\" Y1=\"10\" X2=\"50\" Y2=\"10\"/>", {60, 20}, {30, 10}, false},
        {L"<Line X1=\"10\" Y1=\"10\" X2=\"50\" Y2=\"10\" Stroke=\"Red\" StrokeThickness=\"0\"/>", {60, 20}, {30, 10}, false},
        // Vertical and diagonal lines.
        {L"<Line X1=\"10\" Y1=\"0\" X2=\"10\" Y2=\"40\" Stroke=\"Red\" StrokeThickness=\"2\"/>", {20, 40}, {11, 20}, true},
        {L"<Line X1=\"10\" Y1=\"0\" X2=\"10\" Y2=\"40\" Stroke=\"Red\" StrokeThickness=\"2\"/>", {20, 40}, {12, 20}, false},
        {L"<Line X2=\"40\" Y2=\"40\" Stroke=\"Red\"/>", {41, 41}, {20, 20}, true},
        {L"<Line X2=\"40\" Y2=\"40\" Stroke=\"Red\"/>", {41, 41}, {20, 23}, false},
        // The other figures answer for their whole box.
        {L"<Rectangle/>", {20, 20}, {0, 19}, true},
        {L"<Polygon Points=\"0,0 10,0 0,10\"/>", {20, 20}, {19, 19}, true},
        {L"<Polyline Points=\"0,0 10,0\"/>", {20, 20}, {19, 19}, true},
    };
    for (const auto& c : cases)
    {
        MarkupRef<CZMRMarkupShape> shape(BuildAs<CZMRMarkupShape>(c.lpszMarkup));
        ASSERT_TRUE(shape.get());
        Layout(shape, c.szBox.cx, c.szBox.cy, c.szBox);
        CZMRMarkupInputElement* pHit = shape->InputHitTest(c.pt);
        EXPECT_EQ(c.bHit ? static_cast<CZMRMarkupInputElement*>(shape.get()) : nullptr, pHit)
            << CStringA(c.lpszMarkup).GetString() << " at " << c.pt.x << "," << c.pt.y;
    }
}

TEST_F(ShapeTest, RectanglesFillAndFrameTheirBox)
{
    WhiteSurface filled(30, 20);
    MarkupRef<CZMRMarkupRectangle> fill(Draw<CZMRMarkupRectangle>(L"<Rectangle Fill=\"Red\"/>", filled, {20, 10}));
    EXPECT_EQ(200, filled.CountOf(CRect(0, 0, 20, 10), clrRed)) << "no outline";
    EXPECT_EQ(0, filled.CountNot(CRect(20, 0, 30, 20), clrWhite));

    WhiteSurface framed(30, 20);
    MarkupRef<CZMRMarkupRectangle> frame(
        Draw<CZMRMarkupRectangle>(L"<Rectangle Fill=\"Red\" Stroke=\"Blue\"/>", framed, {20, 10}));
    EXPECT_EQ(2 * 20 + 2 * 8, framed.CountOf(CRect(0, 0, 20, 10), clrBlue)) << "a 1-pixel frame inside the box";
    EXPECT_EQ(18 * 8, framed.CountOf(CRect(1, 1, 19, 9), clrRed));

    WhiteSurface thick(30, 20);
    MarkupRef<CZMRMarkupRectangle> stroke(
        Draw<CZMRMarkupRectangle>(L"<Rectangle Stroke=\"Blue\" StrokeThickness=\"3\"/>", thick, {20, 10}));
    EXPECT_EQ(20 * 10 - 14 * 4, thick.CountOf(CRect(0, 0, 20, 10), clrBlue));
    EXPECT_EQ(14 * 4, thick.CountOf(CRect(3, 3, 17, 7), clrWhite));

    // A gradient paints the rectangle as a gradient; the ellipse's GDI brush
    // takes the colour a gradient has as one colour: black.
    LPCWSTR lpszGradient = L"<LinearGradientBrush StartPoint=\"0,0\" EndPoint=\"1,0\">"
                           L"<GradientStop Color=\"#FF0000\" Offset=\"0\"/><GradientStop Color=\"#0000FF\" Offset=\"1\"/>"
                           L"</LinearGradientBrush>";
    WhiteSurface gradient(100, 20);
    MarkupRef<CZMRMarkupRectangle> rectangle(Draw<CZMRMarkupRectangle>(
        CString(L"<Rectangle><Rectangle.Fill>") + lpszGradient + L"</Rectangle.Fill></Rectangle>", gradient,
        {100, 20}));
    EXPECT_GT(GetRValue(gradient.At(5, 10)), GetRValue(gradient.At(95, 10)));
    EXPECT_LT(GetBValue(gradient.At(5, 10)), GetBValue(gradient.At(95, 10)));
    WhiteSurface black(100, 20);
    MarkupRef<CZMRMarkupEllipse> ellipse(Draw<CZMRMarkupEllipse>(
        CString(L"<Ellipse><Ellipse.Fill>") + lpszGradient + L"</Ellipse.Fill></Ellipse>", black, {100, 20}));
    EXPECT_EQ(RGB(0, 0, 0), black.At(50, 10));
    EXPECT_EQ(clrWhite, black.At(1, 1));
}

TEST_F(ShapeTest, FiguresDrawWithTheirPenAndGiveItBack)
{
    // A polyline with a stretch is scaled to its render size; a polygon is not.
    WhiteSurface stretched(120, 60);
    MarkupRef<CZMRMarkupPolyline> polyline(Draw<CZMRMarkupPolyline>(
        L"<Polyline Points=\"0,0 20,10\" Stretch=\"Fill\" Stroke=\"Red\"/>", stretched, {100, 50}));
    EXPECT_EQ(CSize(100, 50), polyline->GetRenderSize());
    EXPECT_EQ(clrRed, stretched.At(50, 25));
    EXPECT_EQ(clrRed, stretched.At(98, 49));
    WhiteSurface unscaled(120, 60);
    MarkupRef<CZMRMarkupPolyline> plain(
        Draw<CZMRMarkupPolyline>(L"<Polyline Points=\"0,0 20,10\" Stroke=\"Red\"/>", unscaled, {100, 50}));
    EXPECT_EQ(clrRed, unscaled.At(10, 5));
    EXPECT_EQ(0, unscaled.CountOf(CRect(21, 0, 120, 60), clrRed));
    WhiteSurface polygonSurface(120, 60);
    MarkupRef<CZMRMarkupPolygon> polygon(Draw<CZMRMarkupPolygon>(
        L"<Polygon Points=\"0,0 20,0 0,20\" Stretch=\"Fill\" Fill=\"Blue\"/>", polygonSurface, {100, 50}));
    EXPECT_EQ(clrBlue, polygonSurface.At(5, 5));
    EXPECT_EQ(clrWhite, polygonSurface.At(30, 30)) << "drawn unscaled";

    // Every figure draws in its colours, then selects back what the DC held
    // and deletes what it made.
    struct
    {
        LPCWSTR lpszMarkup;
        CPoint pt;
        COLORREF clr;
    } figures[] = {
        {L"<Line X1=\"5\" Y1=\"5\" X2=\"50\" Y2=\"5\" Stroke=\"Blue\" StrokeThickness=\"3\"/>", {30, 6}, clrBlue},
        {L"<Ellipse Fill=\"Red\" Stroke=\"Blue\" StrokeThickness=\"2\"/>", {30, 30}, clrRed},
        {L"<Ellipse Fill=\"Red\" Stroke=\"Blue\" StrokeThickness=\"2\"/>", {30, 0}, clrBlue},
        {L"<Ellipse Stroke=\"Blue\"/>", {30, 30}, clrWhite},
        {L"<Polygon Points=\"0,0 50,0 0,50\" Fill=\"Red\" Stroke=\"Blue\"/>", {10, 10}, clrRed},
        {L"<Polyline Points=\"0,0 50,50\" Stroke=\"Blue\"/>", {30, 30}, clrBlue},
    };
    const DWORD dwObjects = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (const auto& f : figures)
    {
        WhiteSurface surface(60, 60);
        const HDC hDC = surface.GetDC();
        const HGDIOBJ hPen = ::GetCurrentObject(hDC, OBJ_PEN);
        const HGDIOBJ hBrush = ::GetCurrentObject(hDC, OBJ_BRUSH);
        MarkupRef<CZMRMarkupShape> shape(BuildAs<CZMRMarkupShape>(f.lpszMarkup));
        DrawMarkupTree(shape, hDC, CRect(0, 0, 60, 60));
        const std::string strCase = CStringA(f.lpszMarkup).GetString();
        EXPECT_EQ(f.clr, surface.At(f.pt.x, f.pt.y)) << strCase;
        EXPECT_EQ(hPen, ::GetCurrentObject(hDC, OBJ_PEN)) << strCase;
        EXPECT_EQ(hBrush, ::GetCurrentObject(hDC, OBJ_BRUSH)) << strCase;
    }
    EXPECT_EQ(dwObjects, ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));

    // A line without a stroke, at the origin or of width 0 draws nothing;
    // nor do figures without brushes.
    LPCWSTR nothing[] = {L"<Line X1=\"5\" Y1=\"5\" X2=\"50\" Y2=\"5\"/>", L"<Line Stroke=\"Red\"/>",
                         L"<Line X2=\"50\" Stroke=\"Red\" StrokeThickness=\"0\"/>",
                         L"<Ellipse/>", L"<Rectangle/>", L"<Polygon Points=\"0,0 9,0 0,9\"/>"};
    for (LPCWSTR lpszFigure : nothing)
    {
        WhiteSurface empty(60, 60);
        MarkupRef<CZMRMarkupShape> shape(Draw<CZMRMarkupShape>(lpszFigure, empty, {60, 60}));
        EXPECT_EQ(0, empty.CountNot(CRect(0, 0, 60, 60), clrWhite)) << CStringA(lpszFigure).GetString();
    }
}
