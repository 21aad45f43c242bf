// Building, laying out and drawing markup: nesting depth, a document of many
// elements, wrapped words and many runs in one text block. Prints its
// figures; asserts nothing. A document's figures stand beside a plain XML
// parse of the same text where the benchmark was built with pugixml.
//   markup_bench [scale]      (default 1: the sizes below; 0.1 a tenth of them)
#include "BenchSupport.h"
#include "ZMRMarkupFacade.h"

#include <windows.h>

#ifdef MARKUP_BENCH_PUGIXML
#include <pugixml.hpp>
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

// A 32-bit bitmap to draw into.
class Surface
{
public:
    Surface(int cx, int cy) : m_hDC(CreateCompatibleDC(nullptr))
    {
        BITMAPINFO bmi{};
        bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* pBits = nullptr;
        m_hBitmap = CreateDIBSection(m_hDC, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        m_hOld = SelectObject(m_hDC, m_hBitmap);
    }
    ~Surface()
    {
        SelectObject(m_hDC, m_hOld);
        DeleteObject(m_hBitmap);
        DeleteDC(m_hDC);
    }
    HDC GetDC() const { return m_hDC; }

private:
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

struct Timing
{
    double build = 0, layout = 0, draw = 0;
    bool built = false;
};

// Builds the text, measures it within the width and draws it; the best of
// the given runs.
Timing Run(const std::wstring& markup, int nWidth, int runs)
{
    Timing best{1e9, 1e9, 1e9, false};
    Surface surface(nWidth, 600);
    for (int i = 0; i < runs; i++)
    {
        CZMRMarkupContext* pContext = NewMarkupContext(nullptr);
        double t0 = bench::Now();
        CZMRMarkupUIElement* pTree = BuildMarkupTree(pContext, markup.c_str());
        double t1 = bench::Now();
        if (!pTree)
        {
            DropMarkupContext(&pContext);
            return Timing{};
        }
        MeasureMarkupTree(pTree, nWidth, 0x40000000);
        double t2 = bench::Now();
        RECT rc = {0, 0, nWidth, 600};
        DrawMarkupTree(pTree, surface.GetDC(), &rc);
        double t3 = bench::Now();
        DropMarkupTree(&pTree);
        DropMarkupContext(&pContext);
        best.build = std::min(best.build, t1 - t0);
        best.layout = std::min(best.layout, t2 - t1);
        best.draw = std::min(best.draw, t3 - t2);
        best.built = true;
    }
    return best;
}

void Print(const char* pszWhat, const Timing& t)
{
    if (!t.built)
    {
        std::printf("  %-34s not built\n", pszWhat);
        return;
    }
    std::printf("  %-34s build %9.2f ms  layout %9.2f ms  draw %8.2f ms  total %9.2f ms\n", pszWhat, t.build * 1000,
                t.layout * 1000, t.draw * 1000, (t.build + t.layout + t.draw) * 1000);
}

// The best time of a plain XML parse of the same wide text; 0 without the
// parser or when it refuses the text.
double PlainParse(const std::wstring& markup, int runs)
{
#ifdef MARKUP_BENCH_PUGIXML
    double best = 1e9;
    for (int i = 0; i < runs; i++)
    {
        pugi::xml_document doc;
        const double t0 = bench::Now();
        const pugi::xml_parse_result result = doc.load_buffer(markup.data(), markup.size() * sizeof(wchar_t),
                                                              pugi::parse_default, pugi::encoding_wchar);
        const double t1 = bench::Now();
        if (!result)
            return 0;
        best = std::min(best, t1 - t0);
    }
    return best;
#else
    (void)markup;
    (void)runs;
    return 0;
#endif
}

void PrintBesideParse(const Timing& t, double parse)
{
    if (!t.built)
        return;
    if (parse <= 0)
    {
        std::printf("  %-34s not built (scripts/setup.sh builds the parser)\n", "plain XML parse");
        return;
    }
    std::printf("  %-34s %9.3f ms  whole / parse %.0f\n", "plain XML parse of the same text", parse * 1000,
                (t.build + t.layout + t.draw) / parse);
}

// Panels nested n deep, each with a resource of its own and a text at the bottom.
std::wstring Nested(int n)
{
    std::wstring s;
    for (int i = 0; i < n; i++)
        s += L"<StackPanel><StackPanel.Resources><SolidColorBrush x:Key=\"b" + std::to_wstring(i) +
             L"\" Color=\"Red\"/></StackPanel.Resources>";
    s += L"<TextBlock>deep</TextBlock>";
    for (int i = 0; i < n; i++)
        s += L"</StackPanel>";
    return s;
}

// A page of rows: a border holding a panel with two texts, four elements a row.
std::wstring Document(int nElements)
{
    std::wstring s = L"<StackPanel>";
    for (int i = 0; i + 4 <= nElements - 1; i += 4)
        s += L"<Border BorderBrush=\"Gray\" BorderThickness=\"1\"><StackPanel Orientation=\"Horizontal\">"
             L"<TextBlock Foreground=\"Blue\">Row " + std::to_wstring(i / 4) +
             L"</TextBlock><TextBlock Margin=\"4,0,0,0\">a line of plain text</TextBlock></StackPanel></Border>";
    return s + L"</StackPanel>";
}

std::wstring Words(int n)
{
    static const wchar_t* words[] = {L"alpha", L"be", L"gamma", L"delta", L"epsilonic", L"zeta", L"eta", L"theta"};
    std::wstring s = L"<TextBlock TextWrapping=\"Wrap\">";
    for (int i = 0; i < n; i++)
    {
        s += words[i % 8];
        s += L' ';
    }
    return s + L"</TextBlock>";
}

std::wstring Runs(int n)
{
    std::wstring s = L"<TextBlock TextWrapping=\"Wrap\">";
    for (int i = 0; i < n; i++)
        s += (i % 2 ? L"<Run Foreground=\"Red\">run " : L"<Run>run ") + std::to_wstring(i) + L" </Run>";
    return s + L"</TextBlock>";
}

int Scaled(double scale, int n)
{
    return std::max(1, int(n * scale));
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const double scale = argc > 1 ? std::max(0.001, _wtof(argv[1])) : 1.0;
    std::printf("markup (best of the runs; widths 400 px):\n");
    for (int depth : {100, 1000, 3000})
    {
        const int n = Scaled(scale, depth);
        char what[64];
        std::snprintf(what, sizeof what, "nesting depth %d", n);
        Print(what, Run(Nested(n), 400, depth >= 3000 ? 1 : 3));
    }
    for (int count : {2000, 8000})
    {
        const int n = Scaled(scale, count);
        char what[64];
        std::snprintf(what, sizeof what, "document of %d elements", n);
        const std::wstring text = Document(n);
        const Timing t = Run(text, 400, 3);
        Print(what, t);
        PrintBesideParse(t, PlainParse(text, 20));
    }
    {
        const int n = Scaled(scale, 12000);
        char what[64];
        std::snprintf(what, sizeof what, "%d wrapped words", n);
        Print(what, Run(Words(n), 400, 1));
    }
    {
        const int n = Scaled(scale, 5000);
        char what[64];
        std::snprintf(what, sizeof what, "%d runs", n);
        Print(what, Run(Runs(n), 400, 1));
    }
    return 0;
}
