// The Whidbey theme's colours: the Office 2003 values derived from the
// system colours, then a set per system colour scheme (none for royale, aero
// or no scheme).
#include "CZMRWhidbeyTheme.h"
#include "CZMRColorManager.h"
#include "CZMRGradientValue.h"

namespace
{
// A colour-table entry a set replaces.
struct CEntryValue
{
    int nIndex;
    COLORREF clr;
};

// Marks a colour a set leaves alone.
const COLORREF kKeep = CLR_NONE;

struct CWhidbeySet
{
    CZMRGradientValue face, expand, dock;
    COLORREF clrEdge;
    CZMRGradientValue hiddenIconColumn;
    BOOL bExpandImageFromFace; // else expandImage
    CZMRGradientValue expandImage;
    CZMRGradientValue caption;
    COLORREF clrTearOff;         // kKeep: as refreshed
    COLORREF clrFloatingCaption; // kKeep: as refreshed; else also entry 61
    int nEntries;
    CEntryValue entries[12];
};

const CWhidbeySet s_blue = {
    {RGB(250, 249, 245), RGB(192, 192, 168), 0.75f},
    {RGB(238, 237, 234), RGB(152, 152, 126), 0.75f},
    {RGB(229, 229, 215), RGB(244, 241, 231), 0.5f},
    RGB(163, 163, 124),
    {RGB(204, 199, 186), RGB(204, 199, 186), 0.5f},
    TRUE,
    {},
    {RGB(247, 245, 249), RGB(122, 121, 153), 0.5f},
    kKeep,
    kKeep,
    0,
    {},
};

const CWhidbeySet s_olive = {
    {RGB(250, 249, 245), RGB(192, 192, 168), 0.75f},
    {RGB(238, 237, 234), RGB(176, 172, 158), 0.75f},
    {RGB(229, 229, 215), RGB(244, 241, 231), 0.5f},
    RGB(163, 163, 124),
    {RGB(204, 199, 186), RGB(204, 199, 186), 0.5f},
    TRUE,
    {},
    {RGB(236, 233, 216), RGB(172, 168, 153), 0.5f},
    kKeep,
    kKeep,
    4,
    {{31, RGB(182, 198, 141)}, {33, RGB(147, 160, 112)}, {36, RGB(182, 198, 141)}, {47, RGB(255, 255, 255)}},
};

const CWhidbeySet s_silver = {
    {RGB(243, 244, 250), RGB(153, 151, 181), 0.75f},
    {RGB(179, 178, 200), RGB(118, 116, 146), 0.75f},
    {RGB(215, 215, 229), RGB(243, 243, 247), 0.5f},
    RGB(124, 124, 148),
    {RGB(215, 215, 226), RGB(133, 131, 162), 0.5f},
    FALSE,
    {RGB(232, 232, 241), RGB(176, 174, 197), 0.5f},
    {RGB(247, 245, 249), RGB(122, 121, 153), 0.5f},
    RGB(192, 192, 211),
    RGB(122, 121, 153),
    12,
    {{31, RGB(255, 238, 194)},
     {33, RGB(254, 128, 62)},
     {36, RGB(255, 192, 111)},
     {47, RGB(0, 0, 0)},
     {32, RGB(75, 75, 111)},
     {37, RGB(75, 75, 111)},
     {50, RGB(75, 75, 111)},
     {60, RGB(141, 141, 141)},
     {35, RGB(141, 141, 141)},
     {39, RGB(110, 109, 143)},
     {38, RGB(84, 84, 117)},
     {30, RGB(219, 218, 228)}},
};

} // namespace

CZMRWhidbeyTheme::CZMRWhidbeyTheme()
{
    m_nColorScheme = 0;
    m_bPlainSeparators = TRUE;
}

int CZMRWhidbeyTheme::GetThemeKind()
{
    return zmrThemeWhidbey;
}

void CZMRWhidbeyTheme::RefreshMetrics()
{
    // The Office 2003 refresh runs without a colour scheme, whatever the
    // application has put there since: its blue, olive and silver sets are
    // not this theme's.
    const int nColorScheme = m_nColorScheme;
    m_nColorScheme = 0;
    CZMROffice2003Theme::RefreshMetrics();
    m_nColorScheme = nColorScheme;

    if (CZMRColorManager::IsLowColorDepth(nullptr))
        m_grcExpand.SetStandardColor(GetColor(COLOR_3DFACE));
    else
        m_grcExpand.SetStandardPair(CZMRColorManager::MixColors(GetColor(COLOR_WINDOW), GetColor(COLOR_3DFACE), 550),
                                    GetColor(COLOR_3DSHADOW));

    const CWhidbeySet* pSet = CZMRColorManager::PickSystemThemeSet(GetColorManager()->GetEffectiveSystemTheme(),
                                                                   &s_blue, &s_olive, &s_silver);
    if (pSet)
    {
        pSet->face.ApplyTo(m_grcFace);
        pSet->expand.ApplyTo(m_grcExpand);
        pSet->dock.ApplyTo(m_grcDock);
        m_clrEdge.SetStandardValue(pSet->clrEdge);
        pSet->hiddenIconColumn.ApplyTo(m_grcHiddenIconColumn);
        if (pSet->bExpandImageFromFace)
            m_grcExpandImage.SetStandardFrom(m_grcFace);
        else
            pSet->expandImage.ApplyTo(m_grcExpandImage);
        pSet->caption.ApplyTo(m_grcCaption);
        if (pSet->clrTearOff != kKeep)
            m_clrTearOff.SetStandardValue(pSet->clrTearOff);
        if (pSet->clrFloatingCaption != kKeep)
        {
            m_clrFloatingCaption.SetStandardValue(pSet->clrFloatingCaption);
            const int nEntry = 61;
            SetColors(1, &nEntry, &pSet->clrFloatingCaption);
        }
        for (int i = 0; i < pSet->nEntries; i++)
            SetColors(1, &pSet->entries[i].nIndex, &pSet->entries[i].clr);
    }

    m_grcIconColumn.SetStandardFrom(m_grcFace);
    CreateGradientImageList();
}
