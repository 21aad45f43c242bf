// The popup opening animations and the unfolding of expanded rows, frame by
// frame: a clock of the test's own stands in for the system's, so nothing
// waits, and each pause between steps takes a picture of the destination.
#include "TestTheme.h"
#include "CZMRCommandBarClock.h"
#include "PixelCanvas.h"
#include <gtest/gtest.h>
#include <functional>
#include <vector>

namespace
{
const COLORREF kOld = RGB(5, 5, 5);

// Time moves only when the animation pauses, or by a fixed amount at each
// reading when a test makes the work between pauses take time.
class CFakeClock : public CZMRCommandBarClock
{
public:
    DWORD GetTickCount() override
    {
        const DWORD dwNow = m_dwNow;
        m_dwNow += m_dwPerReading;
        return dwNow;
    }
    void Sleep(DWORD dwMilliseconds) override
    {
        m_pauses.push_back(dwMilliseconds);
        m_dwNow += dwMilliseconds;
        if (m_onPause)
            m_onPause();
    }

    DWORD m_dwNow = 5000;
    DWORD m_dwPerReading = 0;
    std::vector<DWORD> m_pauses;
    std::function<void()> m_onPause;
};

class CAnimationTheme : public CTestTheme
{
public:
    using CZMRPaintManager::UnfoldRows;
};

typedef std::vector<COLORREF> Picture;

Picture Snapshot(const CPixelCanvas& canvas, int cx, int cy)
{
    Picture picture;
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            picture.push_back(canvas.Pixel(x, y));
    return picture;
}

// Every pixel of the source tells where it came from.
COLORREF SourcePixel(int x, int y) { return RGB(10 * x, 10 * y, 200); }

class PopupAnimation : public ::testing::Test
{
protected:
    static const int W = 20, H = 10;

    PopupAnimation() : m_source(W, H), m_dest(W, H, kOld)
    {
        for (int y = 0; y < H; y++)
            for (int x = 0; x < W; x++)
                m_source.DC()->SetPixel(x, y, SourcePixel(x, y));
    }
    void SetUp() override
    {
        CZMRCommandBarClock::Set(&m_clock);
        m_clock.m_onPause = [this] { m_frames.push_back(Snapshot(m_dest, W, H)); };
    }
    void TearDown() override { CZMRCommandBarClock::Set(nullptr); }

    void Animate(int nKind, int nSteps, int nTime, CRect rc = CRect(0, 0, W, H))
    {
        m_theme.m_nAnimationSteps = nSteps;
        m_theme.m_nAnimationTime = nTime;
        m_theme.Animate(m_dest.DC(), m_source.DC(), rc, nKind);
    }

    // The picture a frame should show: f(x, y) for each pixel.
    static Picture Expected(const std::function<COLORREF(int, int)>& f)
    {
        Picture picture;
        for (int y = 0; y < H; y++)
            for (int x = 0; x < W; x++)
                picture.push_back(f(x, y));
        return picture;
    }

    CFakeClock m_clock;
    CAnimationTheme m_theme;
    CPixelCanvas m_source;
    CPixelCanvas m_dest;
    std::vector<Picture> m_frames;
};
} // namespace

TEST_F(PopupAnimation, UnfoldGrowsFromTheTopLeftShowingTheBottomRightOfThePicture)
{
    Animate(2, 10, 100);
    EXPECT_EQ(std::vector<DWORD>(10, 10), m_clock.m_pauses);
    ASSERT_EQ(10u, m_frames.size());
    for (int i = 1; i <= 10; i++)
    {
        const int cx = i * W / 10, cy = i * H / 10;
        EXPECT_EQ(Expected([&](int x, int y) {
                      return x < cx && y < cy ? SourcePixel(x + W - cx, y + H - cy) : kOld;
                  }),
                  m_frames[i - 1])
            << "frame " << i;
    }
    EXPECT_EQ(Snapshot(m_source, W, H), m_frames.back()) << "the last frame is complete";
}

TEST_F(PopupAnimation, SlideShowsTheBottomRowsFirst)
{
    Animate(3, 10, 100);
    EXPECT_EQ(std::vector<DWORD>(10, 10), m_clock.m_pauses);
    ASSERT_EQ(10u, m_frames.size());
    for (int i = 1; i <= 10; i++)
    {
        const int cy = H * i / 10;
        EXPECT_EQ(Expected([&](int x, int y) { return y < cy ? SourcePixel(x, y + H - cy) : kOld; }),
                  m_frames[i - 1])
            << "frame " << i;
    }
    EXPECT_EQ(Snapshot(m_source, W, H), m_frames.back());
}

TEST_F(PopupAnimation, FadeShowsNineMixedFramesAndLeavesTheLastPictureToTheCaller)
{
    // Mixed into the destination at the rectangle's own position.
    const CRect rc(2, 1, 18, 9);
    Animate(4, 10, 100, rc);
    EXPECT_EQ(std::vector<DWORD>(9, 10), m_clock.m_pauses);
    ASSERT_EQ(9u, m_frames.size());
    const int weights[] = {25, 51, 76, 102, 127, 153, 178, 204, 229};
    for (int i = 0; i < 9; i++)
    {
        const int w = weights[i];
        auto mix = [w](int nNew, int nOld) { return (nNew * w + nOld * (255 - w)) >> 8; };
        EXPECT_EQ(Expected([&](int x, int y) {
                      if (!rc.PtInRect(CPoint(x, y)))
                          return kOld;
                      const COLORREF clr = SourcePixel(x, y);
                      return RGB(mix(GetRValue(clr), 5), mix(GetGValue(clr), 5), mix(GetBValue(clr), 5));
                  }),
                  m_frames[i])
            << "weight " << w;
    }
    EXPECT_EQ(m_frames.back(), Snapshot(m_dest, W, H)) << "the full picture is not drawn";
}

TEST_F(PopupAnimation, StepCountsAndKinds)
{
    struct Case
    {
        int nKind, nSteps, nTime;
        std::vector<DWORD> pauses;
        bool bLastComplete;
    } cases[] = {
        {2, 1, 100, {100}, true},   // one step: the complete picture once
        {3, 1, 100, {100}, true},
        {4, 1, 100, {}, false},     // one step: no mixed frame at all
        {2, 3, 100, {33, 33, 33}, true},
        {4, 3, 100, {33, 33}, false},
        {2, 0, 100, {}, false},
        {4, -1, 100, {}, false},
        {1, 10, 100, {}, false},    // kinds without an animation
        {5, 10, 100, {}, false},
    };
    for (const Case& c : cases)
    {
        m_clock.m_pauses.clear();
        m_frames.clear();
        m_dest.DC()->FillSolidRect(0, 0, W, H, kOld);
        Animate(c.nKind, c.nSteps, c.nTime);
        EXPECT_EQ(c.pauses, m_clock.m_pauses) << c.nKind << "/" << c.nSteps;
        if (c.bLastComplete)
        {
            EXPECT_EQ(Snapshot(m_source, W, H), Snapshot(m_dest, W, H)) << c.nKind << "/" << c.nSteps;
        }
        if (c.pauses.empty())
        {
            EXPECT_EQ(Picture(W * H, kOld), Snapshot(m_dest, W, H)) << c.nKind << "/" << c.nSteps;
        }
    }
}

TEST_F(PopupAnimation, FadePausesOnlyForWhatIsLeftOfEachStep)
{
    struct Case
    {
        DWORD dwPerReading;
        std::vector<DWORD> pauses;
    } cases[] = {
        {4, std::vector<DWORD>(9, 6)},   // a blend that takes 4 ms leaves 6 of the 10
        {10, {}},                         // a step that takes all its time does not pause
        {25, {}},
    };
    for (const Case& c : cases)
    {
        m_clock.m_pauses.clear();
        m_clock.m_dwPerReading = c.dwPerReading;
        Animate(4, 10, 100);
        EXPECT_EQ(c.pauses, m_clock.m_pauses) << c.dwPerReading;
    }
}

TEST_F(PopupAnimation, FadeOverAScreenThatCannotBeReadStillRunsEveryStep)
{
    // The null display driver cannot read the screen back; the fade then
    // mixes over whatever it got and still paces every step.
    CDC screen;
    screen.Attach(::GetDC(nullptr));
    ASSERT_TRUE(screen.GetSafeHdc());
    m_theme.m_nAnimationSteps = 10;
    m_theme.m_nAnimationTime = 100;
    m_theme.Animate(&screen, m_source.DC(), CRect(0, 0, W, H), 4);
    m_theme.Animate(&screen, m_source.DC(), CRect(0, 0, W, H), 2);
    ::ReleaseDC(nullptr, screen.Detach());
    EXPECT_EQ(19u, m_clock.m_pauses.size());
}

TEST_F(PopupAnimation, FadeOfAnEmptyRectangleDrawsNothing)
{
    Animate(4, 10, 100, CRect(3, 3, 3, 8));
    EXPECT_EQ(9u, m_clock.m_pauses.size());
    for (const Picture& frame : m_frames)
        EXPECT_EQ(Picture(W * H, kOld), frame);
}

// ---------------------------------------------------------------- unfolding expanded rows

namespace
{
// What a destination row of the first frame shows.
struct Segment
{
    int nFrom, nTo;   // destination rows
    char kind;        // 'c' copied from nSource on, 's' squeezed from source rows, 'o' old
    int nSource;
};

COLORREF RowPixel(int y) { return RGB(50, 10 * y, 100); }
} // namespace

TEST(PopupUnfold, RarelyUsedRowsGrowWhileTheOthersKeepTheirHeight)
{
    const int W = 4, H = 20;
    typedef CZMRPaintManager::CUnfoldRow Row;
    struct Case
    {
        const char* pszName;
        std::vector<Row> rows;
        BOOL bTopDown;
        std::vector<Segment> firstFrame;
    } cases[] = {
        {"top-down",
         {{0, 5, FALSE}, {5, 10, TRUE}, {10, 15, TRUE}, {15, 20, FALSE}},
         TRUE,
         {{0, 5, 'c', 0}, {5, 10, 's', 0}, {10, 15, 'c', 15}, {15, 20, 'o', 0}}},
        {"bottom-up",
         {{0, 5, FALSE}, {5, 10, TRUE}, {10, 15, TRUE}, {15, 20, FALSE}},
         FALSE,
         {{0, 5, 'o', 0}, {5, 10, 'c', 0}, {10, 15, 's', 0}, {15, 20, 'c', 15}}},
        {"top-down, rarely used first",
         {{0, 8, TRUE}, {8, 20, FALSE}},
         TRUE,
         {{0, 4, 's', 0}, {4, 16, 'c', 8}, {16, 20, 'o', 0}}},
        {"bottom-up, rarely used last",
         {{0, 12, FALSE}, {12, 20, TRUE}},
         FALSE,
         {{0, 4, 'o', 0}, {4, 16, 'c', 0}, {16, 20, 's', 0}}},
        {"nothing rarely used", {{0, 10, FALSE}, {10, 20, FALSE}}, TRUE, {{0, 20, 'c', 0}}},
        {"nothing rarely used, bottom-up", {{0, 10, FALSE}, {10, 20, FALSE}}, FALSE, {{0, 20, 'c', 0}}},
    };

    for (const Case& c : cases)
    {
        CPixelCanvas source(W, H), dest(W, H, kOld);
        for (int y = 0; y < H; y++)
            source.DC()->FillSolidRect(0, y, W, 1, RowPixel(y));

        CFakeClock clock;
        std::vector<Picture> frames;
        clock.m_onPause = [&] { frames.push_back(Snapshot(dest, W, H)); };
        CZMRCommandBarClock::Set(&clock);
        CAnimationTheme theme;
        theme.m_nAnimationSteps = 2;
        theme.m_nAnimationTime = 100;
        theme.UnfoldRows(dest.DC(), source.DC(), CSize(W, H), c.rows.data(), int(c.rows.size()), c.bTopDown);
        CZMRCommandBarClock::Set(nullptr);

        EXPECT_EQ((std::vector<DWORD>{50, 50}), clock.m_pauses) << c.pszName;
        ASSERT_EQ(2u, frames.size()) << c.pszName;
        for (const Segment& s : c.firstFrame)
        {
            for (int y = s.nFrom; y < s.nTo; y++)
            {
                const COLORREF clr = frames[0][y * W];
                if (s.kind == 'c')
                    EXPECT_EQ(RowPixel(s.nSource + y - s.nFrom), clr) << c.pszName << ", row " << y;
                else if (s.kind == 'o')
                    EXPECT_EQ(kOld, clr) << c.pszName << ", row " << y;
                else
                    EXPECT_TRUE(GetRValue(clr) == 50 && GetBValue(clr) == 100) << c.pszName << ", row " << y;
            }
        }
        EXPECT_EQ(Snapshot(source, W, H), frames[1]) << c.pszName << ": the last step shows every row";
    }
}

TEST(PopupUnfold, NoStepsNoUnfolding)
{
    CPixelCanvas source(4, 4, RGB(9, 9, 9)), dest(4, 4, kOld);
    CFakeClock clock;
    CZMRCommandBarClock::Set(&clock);
    CAnimationTheme theme;
    theme.m_nAnimationSteps = 0;
    const CZMRPaintManager::CUnfoldRow rows[] = {{0, 4, TRUE}};
    theme.UnfoldRows(dest.DC(), source.DC(), CSize(4, 4), rows, 1, TRUE);
    CZMRCommandBarClock::Set(nullptr);
    EXPECT_TRUE(clock.m_pauses.empty());
    EXPECT_EQ(Picture(16, kOld), Snapshot(dest, 4, 4));
}
