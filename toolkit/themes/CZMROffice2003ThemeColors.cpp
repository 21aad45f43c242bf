// The Office 2003 theme's colours: the values derived from the system
// colours, the blue, olive and silver sets that replace them, the fixed
// highlight gradients, and the intensity map of the popup expand image.
#include "CZMROffice2003Theme.h"
#include "CZMRColorManager.h"
#include "CZMRGradientValue.h"
#include "CZMRShadowManager.h"

namespace
{
// The colour-table entries a scheme sets, in the order of CSchemeSet::entries.
const int s_arrSchemeEntries[] = {53, 51, 52, 12, 56, 38, 39, 40, 41, 43, 31, 32, 37, 50, 33, 36, 30, 47};
const int kSchemeEntryCount = sizeof(s_arrSchemeEntries) / sizeof(s_arrSchemeEntries[0]);

struct CSchemeSet
{
    CZMRGradientValue dock, face;
    COLORREF clrEdge;
    CZMRGradientValue popped;
    COLORREF clrFloatingCaption;
    CZMRGradientValue expand, hiddenIconColumn, expandImage;
    COLORREF clrPaneFrame, clrShadow;
    CZMRGradientValue caption;
    COLORREF clrTearOff;
    COLORREF entries[kSchemeEntryCount];
};

const CSchemeSet s_blue = {
    {RGB(158, 190, 245), RGB(196, 218, 250), 0.5f},
    {RGB(221, 236, 254), RGB(129, 169, 226), 0.75f},
    RGB(59, 97, 156),
    {RGB(227, 239, 255), RGB(147, 181, 231), 0.5f},
    RGB(42, 102, 201),
    {RGB(117, 166, 241), RGB(0, 53, 145), 0.75f},
    {RGB(203, 221, 246), RGB(121, 161, 220), 0.5f},
    {RGB(227, 239, 254), RGB(129, 169, 226), 0.5f},
    RGB(211, 211, 211),
    RGB(22, 30, 54),
    {RGB(233, 236, 242), RGB(97, 122, 172), 0.5f},
    RGB(169, 199, 240),
    {RGB(203, 225, 252), RGB(216, 231, 252), RGB(158, 190, 245), RGB(144, 153, 174), RGB(189, 211, 247),
     RGB(39, 65, 118), RGB(106, 140, 203), RGB(109, 150, 208), RGB(246, 246, 246), RGB(0, 45, 150),
     RGB(255, 238, 194), RGB(0, 0, 128), RGB(0, 0, 128), RGB(0, 0, 128), RGB(254, 128, 62), RGB(255, 192, 111),
     RGB(196, 219, 249), RGB(0, 0, 0)},
};

const CSchemeSet s_olive = {
    {RGB(217, 217, 167), RGB(242, 241, 228), 0.5f},
    {RGB(244, 247, 222), RGB(183, 198, 145), 0.3f},
    RGB(96, 128, 88),
    {RGB(236, 240, 213), RGB(194, 206, 159), 0.5f},
    RGB(116, 134, 94),
    {RGB(176, 194, 140), RGB(96, 119, 107), 0.3f},
    {RGB(230, 230, 209), RGB(164, 180, 120), 0.3f},
    {RGB(236, 240, 213), RGB(184, 198, 147), 0.5f},
    RGB(211, 211, 211),
    RGB(31, 34, 25),
    {RGB(243, 244, 240), RGB(131, 144, 113), 0.5f},
    RGB(197, 212, 159),
    {RGB(216, 227, 182), RGB(226, 231, 191), RGB(171, 192, 138), RGB(151, 160, 123), RGB(222, 227, 189),
     RGB(81, 94, 51), RGB(96, 128, 88), RGB(159, 174, 122), RGB(244, 244, 238), RGB(117, 141, 94),
     RGB(255, 238, 194), RGB(63, 93, 56), RGB(63, 93, 56), RGB(63, 93, 56), RGB(254, 128, 62), RGB(255, 192, 111),
     RGB(209, 222, 173), RGB(0, 0, 0)},
};

const CSchemeSet s_silver = {
    {RGB(215, 215, 229), RGB(243, 243, 247), 0.5f},
    {RGB(249, 249, 255), RGB(156, 155, 183), 0.75f},
    RGB(124, 124, 148),
    {RGB(233, 231, 241), RGB(186, 185, 205), 0.5f},
    RGB(122, 121, 153),
    {RGB(179, 178, 200), RGB(118, 116, 146), 0.75f},
    {RGB(215, 215, 226), RGB(133, 131, 162), 0.5f},
    {RGB(232, 232, 241), RGB(176, 174, 197), 0.5f},
    RGB(236, 234, 218),
    RGB(36, 32, 41),
    {RGB(247, 245, 249), RGB(122, 121, 153), 0.5f},
    RGB(192, 192, 211),
    {RGB(214, 211, 231), RGB(223, 223, 234), RGB(177, 176, 195), RGB(155, 154, 179), RGB(214, 215, 231),
     RGB(84, 84, 117), RGB(110, 109, 143), RGB(168, 167, 190), RGB(253, 250, 255), RGB(124, 124, 148),
     RGB(255, 238, 194), RGB(75, 75, 111), RGB(75, 75, 111), RGB(75, 75, 111), RGB(254, 128, 62), RGB(255, 192, 111),
     RGB(219, 218, 228), RGB(0, 0, 0)},
};

// Disabled text and frames once a scheme is applied.
const COLORREF kSchemeDisabled = RGB(141, 141, 141);

// The fixed highlight gradients, never changed by a refresh.
const CZMRGradientValue s_checked = {RGB(255, 213, 140), RGB(255, 173, 85), 0.5f};
const CZMRGradientValue s_pressed = {RGB(254, 142, 75), RGB(255, 207, 139), 0.5f};
const CZMRGradientValue s_hot = {RGB(255, 242, 200), RGB(255, 212, 151), 0.5f};

// The expand image's intensities, one column of 16 after another: pixel
// (x, y) takes entry 16 x + y. 255 is the transparent colour.
const BYTE s_arrExpandIntensity[256] = {
    255, 255, 255, 255, 252, 234, 198, 180, 180, 180, 198, 252, 255, 255, 255, 255, //
    255, 255, 255, 234, 234, 234, 234, 198, 180, 144, 126, 126, 198, 255, 255, 255, //
    255, 255, 234, 252, 252, 234, 234, 198, 180, 144, 126, 108, 90, 144, 255, 255,  //
    255, 234, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 90, 54, 126, 255,   //
    234, 252, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 90, 54, 36, 234,    //
    234, 252, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 72, 54, 36, 90,     //
    234, 234, 234, 234, 234, 234, 198, 180, 144, 144, 126, 108, 72, 36, 18, 36,     //
    198, 234, 234, 234, 198, 198, 198, 180, 144, 126, 126, 72, 54, 36, 18, 18,      //
    198, 198, 198, 198, 198, 180, 180, 144, 126, 126, 108, 72, 54, 18, 18, 0,       //
    198, 180, 180, 180, 180, 180, 144, 126, 126, 108, 90, 54, 36, 18, 0, 0,         //
    198, 144, 144, 144, 144, 144, 126, 126, 108, 108, 72, 54, 36, 18, 0, 54,        //
    252, 144, 126, 126, 126, 126, 108, 108, 90, 90, 54, 36, 18, 0, 0, 180,          //
    255, 198, 108, 108, 108, 108, 90, 90, 90, 72, 54, 36, 18, 0, 72, 255,           //
    255, 255, 180, 108, 90, 90, 90, 72, 72, 54, 36, 18, 0, 54, 255, 255,            //
    255, 255, 255, 198, 90, 72, 72, 72, 54, 36, 36, 18, 108, 255, 255, 255,         //
    255, 255, 255, 255, 252, 180, 108, 72, 54, 90, 126, 234, 255, 255, 255, 255,    //
};
const COLORREF kExpandTransparent = RGB(0, 255, 0);

// One channel of the expand image: intensity 255 gives the first colour, 0
// the second.
int ExpandChannel(int nFirst, int nSecond, int nIntensity)
{
    return nSecond - (nSecond - nFirst) * nIntensity / 255;
}
} // namespace

CZMROffice2003Theme::CZMROffice2003Theme() : m_bSchemeColors(FALSE), m_bPlainSeparators(FALSE)
{
    s_checked.ApplyTo(m_grcChecked);
    s_pressed.ApplyTo(m_grcPressed);
    s_hot.ApplyTo(m_grcHot);
    m_bFadeIcons = FALSE;
    m_bHotIconShadow = FALSE;
}

CZMROffice2003Theme::~CZMROffice2003Theme()
{
    m_ilExpand.DeleteImageList();
}

int CZMROffice2003Theme::GetThemeKind()
{
    return zmrThemeOffice2003;
}

void CZMROffice2003Theme::RefreshMetrics()
{
    CZMROfficeTheme::RefreshMetrics();

    // The status bar's visual style is opened whatever the switch says: the
    // size gripper uses it whenever it is active.
    m_themeStatusBar.CloseThemeData();
    CWnd* pMainWnd = AfxGetMainWnd();
    m_themeStatusBar.OpenThemeData(pMainWnd ? pMainWnd->GetSafeHwnd() : nullptr, L"STATUS");

    // From the system colours.
    auto mix = [this](int a, int b, int w) { return CZMRColorManager::MixColors(GetColor(a), GetColor(b), w); };
    m_grcHiddenIconColumn.SetStandardPair(mix(COLOR_WINDOW, 42, 550), GetColor(42));
    m_grcFace.SetStandardPair(mix(COLOR_3DFACE, COLOR_WINDOW, 205), GetColor(COLOR_3DFACE));
    m_grcDock.SetStandardPair(GetColor(COLOR_3DFACE), mix(COLOR_3DFACE, COLOR_WINDOW, 205));
    m_clrTearOff.SetStandardValue(GetColor(30));
    m_clrEdge.SetStandardValue(GetColor(30));
    m_clrFloatingCaption.SetStandardValue(GetColor(COLOR_3DSHADOW));
    m_grcPopped.SetStandardPair(GetColor(41), mix(COLOR_WINDOW, COLOR_3DFACE, 550));
    m_grcExpand.SetStandardPair(mix(51, COLOR_3DSHADOW, 51), GetColor(COLOR_3DSHADOW));
    m_bSchemeColors = FALSE;
    m_grcExpandImage.SetStandardPair(GetColor(41), mix(COLOR_WINDOW, COLOR_3DFACE, 550));
    m_clrPaneFrame.SetStandardValue(mix(COLOR_3DFACE, COLOR_WINDOW, 70));
    const int nEntry55 = 55;
    const COLORREF clr55 = GetColorManager()->m_arrGradients[1].clrDark.GetColor();
    SetColors(1, &nEntry55, &clr55);

    if (CZMRColorManager::IsLowColorDepth(nullptr))
    {
        for (CZMRPaintManagerColorGradient* pGradient : {&m_grcFace, &m_grcDock, &m_grcPopped, &m_grcExpand})
            pGradient->SetStandardColor(GetColor(COLOR_3DFACE));
    }

    // Royale and Aero take the blue set.
    const CSchemeSet* pSet =
        CZMRColorManager::PickSystemThemeSet(GetThemeColorScheme(), &s_blue, &s_olive, &s_silver, &s_blue, &s_blue);
    if (pSet)
    {
        pSet->dock.ApplyTo(m_grcDock);
        pSet->face.ApplyTo(m_grcFace);
        m_clrEdge.SetStandardValue(pSet->clrEdge);
        pSet->popped.ApplyTo(m_grcPopped);
        m_clrFloatingCaption.SetStandardValue(pSet->clrFloatingCaption);
        pSet->expand.ApplyTo(m_grcExpand);
        pSet->hiddenIconColumn.ApplyTo(m_grcHiddenIconColumn);
        pSet->expandImage.ApplyTo(m_grcExpandImage);
        m_clrPaneFrame.SetStandardValue(pSet->clrPaneFrame);
        m_pShadowManager->m_clrShadow = pSet->clrShadow;
        pSet->caption.ApplyTo(m_grcCaption);
        m_clrTearOff.SetStandardValue(pSet->clrTearOff);
        SetColors(kSchemeEntryCount, s_arrSchemeEntries, pSet->entries);

        m_bSchemeColors = TRUE;
        const int disabled[] = {58, 60, 35, 61};
        const COLORREF colors[] = {kSchemeDisabled, kSchemeDisabled, kSchemeDisabled,
                                   m_clrFloatingCaption.GetColor()};
        SetColors(4, disabled, colors);
    }

    m_grcIconColumn.SetStandardFrom(m_grcFace);
    CreateGradientImageList();
}

void CZMROffice2003Theme::CreateGradientImageList()
{
    m_ilExpand.DeleteImageList();
    const COLORREF clrFirst = m_grcExpandImage.clrLight.GetColor();
    const COLORREF clrSecond = m_grcExpandImage.clrDark.GetColor();

    HDC hScreen = ::GetDC(nullptr);
    CBitmap bitmap;
    bitmap.Attach(::CreateCompatibleBitmap(hScreen, 16, 16));
    HDC hMem = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, bitmap.GetSafeHandle());
    for (int x = 0; x < 16; x++)
    {
        for (int y = 0; y < 16; y++)
        {
            const int n = s_arrExpandIntensity[16 * x + y];
            const COLORREF clr =
                n == 255 ? kExpandTransparent
                         : RGB(ExpandChannel(GetRValue(clrFirst), GetRValue(clrSecond), n),
                               ExpandChannel(GetGValue(clrFirst), GetGValue(clrSecond), n),
                               ExpandChannel(GetBValue(clrFirst), GetBValue(clrSecond), n));
            ::SetPixel(hMem, x, y, clr);
        }
    }
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);

    m_ilExpand.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 1);
    m_ilExpand.Add(&bitmap, kExpandTransparent);
}
