// The grid: grid lengths from text, the layout of auto, pixel and star
// columns and rows with spans, the definition collections' checks, and the
// re-layout when a child's cell changes.
#include "CZMRMarkupColumnDefinitionCollection.h"
#include "CZMRMarkupGrid.h"
#include "CZMRMarkupGridLength.h"
#include "CZMRMarkupRowDefinitionCollection.h"
#include "CZMRMarkupUIElementCollection.h"
#include "MarkupLayoutSupport.h"

namespace
{
const int U = 0x7FFFFFFF;

typedef std::vector<CRect> Rects;

class GridTest : public MarkupLayoutTest
{
protected:
    // A grid of the column and row definitions holding the children.
    CZMRMarkupGrid* BuildGrid(LPCWSTR lpszColumns, LPCWSTR lpszRows, LPCWSTR lpszChildren)
    {
        CString strMarkup = L"<Grid>";
        if (*lpszColumns)
            strMarkup += CString(L"<Grid.ColumnDefinitions>") + lpszColumns + L"</Grid.ColumnDefinitions>";
        if (*lpszRows)
            strMarkup += CString(L"<Grid.RowDefinitions>") + lpszRows + L"</Grid.RowDefinitions>";
        strMarkup += CString(lpszChildren) + L"</Grid>";
        return BuildAs<CZMRMarkupGrid>(strMarkup);
    }
};

}

TEST_F(GridTest, GridLengthsConvertFromText)
{
    struct
    {
        LPCWSTR lpszText;
        BOOL bConverts;
        int nUnit;
        double dValue;
    } cases[] = {
        {L"Auto", TRUE, CZMRMarkupGridLength::unitAuto, 1.0},
        {L"aUTO", TRUE, CZMRMarkupGridLength::unitAuto, 1.0},
        {L"*", TRUE, CZMRMarkupGridLength::unitStar, 1.0},
        {L"2.5*", TRUE, CZMRMarkupGridLength::unitStar, 2.5},
        {L"40", TRUE, CZMRMarkupGridLength::unitPixel, 40.0},
        {L" 40 ", TRUE, CZMRMarkupGridLength::unitPixel, 40.0},
        {L"", FALSE, 0, 0.0},
        {L"Autos", FALSE, 0, 0.0},
        {L"2*3", FALSE, 0, 0.0},
        {L"wide", FALSE, 0, 0.0},
    };
    MarkupRef<CZMRMarkupGridLength> blank(new CZMRMarkupGridLength());
    EXPECT_EQ(CZMRMarkupGridLength::unitPixel, blank->GetUnit());
    EXPECT_EQ(0.0, blank->GetValue());
    for (const auto& c : cases)
    {
        MarkupRef<CZMRMarkupString> text(CZMRMarkupString::CreateValue(c.lpszText));
        MarkupRef<CZMRMarkupGridLength> length(static_cast<CZMRMarkupGridLength*>(blank->ConvertFrom(text)));
        const std::string strCase = CStringA(c.lpszText).GetString();
        ASSERT_EQ(c.bConverts, length.get() != nullptr) << strCase;
        if (!length)
            continue;
        EXPECT_EQ(c.nUnit, length->GetUnit()) << strCase;
        EXPECT_EQ(c.dValue, length->GetValue()) << strCase;
    }
}

TEST_F(GridTest, CellsAreSizedByAutoPixelAndStarDefinitions)
{
    const LPCWSTR lpszStar = L"<ColumnDefinition/>";
    struct
    {
        const char* pszCase;
        CString strColumns;
        CString strRows;
        CString strChildren;
        CSize szAvailable;
        CSize szDesired;
        Rects rects;   // of A, B and C, arranged in the available size
    } cases[] = {
        {"auto and star", L"<ColumnDefinition Width=\"Auto\"/><ColumnDefinition Width=\"*\"/>", L"",
         Box(L"A", 100, 20) + Box(L"B", 50, 20, L"Grid.Column=\"1\"") + Box(L"C", 10, 10, L"Grid.Column=\"1\""),
         {300, 100}, {150, 20}, {{0, 0, 100, 100}, {100, 0, 300, 100}, {100, 0, 300, 100}}},
        {"one and two stars", L"<ColumnDefinition Width=\"1*\"/><ColumnDefinition Width=\"2*\"/>", L"",
         Box(L"A", 10, 10) + Box(L"B", 10, 10, L"Grid.Column=\"1\"") + Box(L"C", 10, 10, L"Grid.ColumnSpan=\"2\""),
         {300, 60}, {20, 10}, {{0, 0, 100, 60}, {100, 0, 300, 60}, {0, 0, 300, 60}}},
        {"pixel column", L"<ColumnDefinition Width=\"40\"/>" + CString(lpszStar), L"",
         Box(L"A", 20, 10) + Box(L"B", 10, 10, L"Grid.Column=\"1\"") + Box(L"C", 10, 10, L"Grid.Column=\"1\""),
         {300, 60}, {50, 10}, {{0, 0, 40, 60}, {40, 0, 300, 60}, {40, 0, 300, 60}}},
        // Limited stars: the limit over the star value orders the stars, an
        // unlimited one counting its min size (10, its child) as its limit;
        // each takes its share of the stars not yet resolved. The unlimited
        // one goes first and takes half; the limited one stops at 50, and
        // the rest of the room stays empty.
        {"star limits", L"<ColumnDefinition MaxWidth=\"50\"/><ColumnDefinition/>", L"",
         Box(L"A", 10, 10) + Box(L"B", 10, 10, L"Grid.Column=\"1\"") + Box(L"C", 10, 10, L"Grid.Column=\"1\""),
         {300, 60}, {20, 10}, {{0, 0, 50, 60}, {50, 0, 200, 60}, {50, 0, 200, 60}}},
        // Both limited: the smaller ratio (40 / 2) first takes 2/3 of 300,
        // stops at 40; the other takes all that is left, 260, up to its 280.
        {"two limited stars", L"<ColumnDefinition Width=\"2*\" MaxWidth=\"40\"/><ColumnDefinition MaxWidth=\"280\"/>",
         L"", Box(L"A", 10, 10) + Box(L"B", 10, 10, L"Grid.Column=\"1\"") + Box(L"C", 10, 10, L"Grid.Column=\"1\""),
         {300, 60}, {20, 10}, {{0, 0, 40, 60}, {40, 0, 300, 60}, {40, 0, 300, 60}}},
        // A limited star whose min size is above its limit counts the min
        // size; rows follow the same rule: the unlimited row (min 10) goes
        // first with half of 100, the limited one stops at 20.
        {"limit below the min size",
         L"<ColumnDefinition MinWidth=\"50\" MaxWidth=\"30\"/><ColumnDefinition Width=\"Auto\"/>",
         L"<RowDefinition MaxHeight=\"20\"/><RowDefinition/>",
         Box(L"A", 70, 10) + Box(L"B", 10, 10, L"Grid.Column=\"1\" Grid.Row=\"1\"") + Box(L"C", 5, 5, L"Grid.Row=\"1\""),
         {300, 100}, {60, 20}, {{0, 0, 50, 20}, {50, 20, 60, 70}, {0, 20, 50, 70}}},
        // Spans and cells beyond the grid are cut back to its last column.
        {"span beyond the grid", CString(lpszStar) + lpszStar, L"",
         Box(L"A", 10, 10, L"Grid.ColumnSpan=\"5\"") + Box(L"B", 10, 10, L"Grid.Column=\"1\" Grid.ColumnSpan=\"0\"") +
             Box(L"C", 10, 10, L"Grid.Column=\"7\""),
         {300, 60}, {10, 10}, {{0, 0, 300, 60}, {150, 0, 300, 60}, {150, 0, 300, 60}}},
        {"negative cells", CString(lpszStar) + lpszStar + lpszStar, L"<RowDefinition/><RowDefinition/>",
         Box(L"A", 10, 10, L"Grid.Column=\"-2\" Grid.Row=\"-1\"") + Box(L"B", 10, 10, L"Grid.Column=\"2\" Grid.Row=\"3\"") +
             Box(L"C", 10, 10, L"Grid.ColumnSpan=\"-4\" Grid.RowSpan=\"9\""),
         {300, 60}, {20, 20}, {{0, 0, 100, 30}, {200, 30, 300, 60}, {0, 0, 100, 60}}},
        // A spanning child 300 wide over two auto columns holding 50 and 100
        // raises both to 150.
        {"span over auto columns", L"<ColumnDefinition Width=\"Auto\"/><ColumnDefinition Width=\"Auto\"/>", L"",
         Box(L"A", 50, 10) + Box(L"B", 100, 10, L"Grid.Column=\"1\"") + Box(L"C", 300, 10, L"Grid.ColumnSpan=\"2\""),
         {400, 60}, {300, 10}, {{0, 0, 150, 60}, {150, 0, 300, 60}, {0, 0, 300, 60}}},
        {"span over auto columns that need less", L"<ColumnDefinition Width=\"Auto\"/><ColumnDefinition Width=\"Auto\"/>",
         L"", Box(L"A", 50, 10) + Box(L"B", 100, 10, L"Grid.Column=\"1\"") + Box(L"C", 180, 10, L"Grid.ColumnSpan=\"2\""),
         {400, 60}, {180, 10}, {{0, 0, 80, 60}, {80, 0, 180, 60}, {0, 0, 180, 60}}},
        // A span request within what the columns prefer: shared out evenly
        // up to each column's preferred (its resolved star) size; the grid
        // then desires the shares.
        {"span within the preferred sizes", CString(lpszStar) + lpszStar, L"",
         Box(L"A", 10, 10) + Box(L"B", 10, 10, L"Grid.Column=\"1\"") + Box(L"C", 120, 10, L"Grid.ColumnSpan=\"2\""),
         {300, 60}, {120, 10}, {{0, 0, 150, 60}, {150, 0, 300, 60}, {0, 0, 300, 60}}},
        // Beyond the preferred sizes but within the limits: the rest is
        // shared out up to each column's MaxWidth.
        {"span within the limits", L"<ColumnDefinition Width=\"Auto\" MaxWidth=\"200\"/>"
                                   L"<ColumnDefinition Width=\"Auto\" MaxWidth=\"200\"/>",
         L"", Box(L"A", 10, 10) + Box(L"B", 10, 10, L"Grid.Column=\"1\"") + Box(L"C", 100, 10, L"Grid.ColumnSpan=\"2\""),
         {300, 60}, {100, 10}, {{0, 0, 50, 60}, {50, 0, 100, 60}, {0, 0, 100, 60}}},
        // The same with a fixed column first: it takes from its preferred 20
        // all it may up to its limit (100), the auto column the rest.
        {"span within the limits, fixed first", L"<ColumnDefinition Width=\"20\" MaxWidth=\"100\"/>"
                                                L"<ColumnDefinition Width=\"Auto\" MaxWidth=\"200\"/>",
         L"", Box(L"A", 10, 10) + Box(L"B", 10, 10, L"Grid.Column=\"1\"") + Box(L"C", 150, 10, L"Grid.ColumnSpan=\"2\""),
         {300, 60}, {150, 10}, {{0, 0, 100, 60}, {100, 0, 150, 60}, {0, 0, 150, 60}}},
        {"auto and star rows", L"", L"<RowDefinition Height=\"Auto\"/><RowDefinition/>",
         Box(L"A", 10, 30) + Box(L"B", 10, 10, L"Grid.Row=\"1\"") + Box(L"C", 10, 45, L"Grid.RowSpan=\"2\""),
         {300, 100}, {10, 45}, {{0, 0, 300, 30}, {0, 30, 300, 100}, {0, 0, 300, 100}}},
        // Too little room: the fixed columns keep their size, the star gets none.
        {"fixed columns beyond the room", L"<ColumnDefinition Width=\"100\"/><ColumnDefinition Width=\"100\"/>" +
                                              CString(lpszStar),
         L"", Box(L"A", 10, 10) + Box(L"B", 10, 10, L"Grid.Column=\"1\"") + Box(L"C", 10, 10, L"Grid.Column=\"2\""),
         {150, 60}, {150, 10}, {{0, 0, 100, 60}, {100, 0, 200, 60}, {200, 0, 200, 60}}},
        // Measured without a width limit, star columns size to their content.
        {"unbounded stars", L"<ColumnDefinition Width=\"1*\"/><ColumnDefinition Width=\"2*\"/>", L"",
         Box(L"A", 30, 10) + Box(L"B", 50, 10, L"Grid.Column=\"1\"") + Box(L"C", 10, 10, L"Grid.Column=\"1\""),
         {U, 60}, {80, 10}, {}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszCase);
        MarkupRef<CZMRMarkupGrid> grid(BuildGrid(c.strColumns, c.strRows, c.strChildren));
        ASSERT_TRUE(grid.get());
        CZMRMarkupDrawingContext dc;
        grid->Measure(&dc, c.szAvailable.cx, c.szAvailable.cy);
        EXPECT_EQ(c.szDesired, grid->GetDesiredSize());
        if (c.rects.empty())
        {
            EXPECT_EQ(U, Named<CTestBox>(grid, L"B")->m_szMeasuredWith.cx);
            continue;
        }
        grid->Arrange(CRect(CPoint(0, 0), c.szAvailable));
        EXPECT_EQ(c.rects, FinalRects(grid, {L"A", L"B", L"C"}));
    }
}

TEST_F(GridTest, WithoutDefinitionsEveryChildFillsTheGrid)
{
    MarkupRef<CZMRMarkupGrid> grid(BuildGrid(L"", L"", Box(L"A", 30, 10) + Box(L"B", 10, 40, L"Grid.Column=\"3\"")));
    Layout(grid, 200, 100, CSize(200, 100));
    EXPECT_EQ(CSize(30, 40), grid->GetDesiredSize());
    EXPECT_EQ(Rects({{0, 0, 200, 100}, {0, 0, 200, 100}}), FinalRects(grid, {L"A", L"B"}));
}

TEST_F(GridTest, CellChangesAndNewChildrenAreLaidOutAgain)
{
    MarkupRef<CZMRMarkupGrid> grid(
        BuildGrid(L"<ColumnDefinition/><ColumnDefinition/>", L"<RowDefinition Height=\"Auto\"/><RowDefinition Height=\"Auto\"/>",
                  Box(L"A", 10, 20) + Box(L"B", 10, 30, L"Grid.Row=\"1\"")));
    Layout(grid, 200, 100, CSize(200, 100));
    EXPECT_EQ(CSize(10, 50), grid->GetDesiredSize());
    CTestBox* pB = Named<CTestBox>(grid, L"B");
    EXPECT_EQ(CRect(0, 20, 100, 50), pB->GetFinalRect());

    // Moving B into row 0 in code measures the grid again.
    pB->SetValue(CZMRMarkupGrid::m_pRowProperty, new CZMRMarkupInt(0));
    EXPECT_EQ(CSize(10, 30), grid->GetDesiredSize());
    grid->Arrange(CRect(0, 0, 200, 100));
    EXPECT_EQ(CRect(0, 0, 100, 30), pB->GetFinalRect());

    // A child added in code after the measure is placed in its own cell,
    // not read from the cells of the old children.
    CTestBox* pC = static_cast<CTestBox*>(m_pContext->CreateMarkupObject(CTestBox::GetMarkupType()));
    pC->SetValue(CZMRMarkupGrid::m_pColumnProperty, new CZMRMarkupInt(1));
    pC->SetValue(CZMRMarkupGrid::m_pRowProperty, new CZMRMarkupInt(1));
    pC->SetValue(CTestBox::s_pContentHeight, new CZMRMarkupInt(15));
    ASSERT_TRUE(grid->GetChildren()->Add(pC));
    grid->Arrange(CRect(0, 0, 240, 100));
    EXPECT_EQ(CRect(120, 30, 240, 45), pC->GetFinalRect());
}

TEST_F(GridTest, DefinitionCollectionsTakeOnlyTheirOwnKind)
{
    EXPECT_NE(-1, BuildError(L"<Grid><Grid.ColumnDefinitions><RowDefinition/></Grid.ColumnDefinitions></Grid>")
                      .Find(L"'CZMRMarkupRowDefinition' object cannot be added to "
                            L"'CZMRMarkupColumnDefinitionCollection'"));

    MarkupRef<CZMRMarkupGrid> grid(BuildGrid(L"<ColumnDefinition/>", L"", L""));
    MarkupRef<CZMRMarkupRowDefinitionCollection> rows(new CZMRMarkupRowDefinitionCollection());
    MarkupRef<CZMRMarkupColumnDefinitionCollection> columns(new CZMRMarkupColumnDefinitionCollection());
    EXPECT_EQ(L"CZMRMarkupColumnDefinitionCollection class expected", CaptureMarkupError([&] {
                  grid->AssignPropertyValue(nullptr, CZMRMarkupGrid::m_pColumnDefinitionsProperty, rows);
              }));
    EXPECT_EQ(L"CZMRMarkupRowDefinitionCollection class expected", CaptureMarkupError([&] {
                  grid->AssignPropertyValue(nullptr, CZMRMarkupGrid::m_pRowDefinitionsProperty, columns);
              }));
    // Given the right kind, the collection replaces the grid's.
    rows->AddRef();
    grid->AssignPropertyValue(nullptr, CZMRMarkupGrid::m_pRowDefinitionsProperty, rows);
    EXPECT_EQ(rows.get(), static_cast<CZMRMarkupObject*>(grid->GetRowDefinitions()));
    EXPECT_EQ(grid.get(), rows->GetLogicalParent());
    EXPECT_EQ(1, grid->GetColumnDefinitions()->GetCount());
}
