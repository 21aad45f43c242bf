#include "CZMAuxData.h"
#include "CZMRColorManager.h"
#include "CZMRDrawHelpers.h"
#include "CZMRNonClientMetrics.h"
#include <gtest/gtest.h>

namespace
{
LOGFONTW FontOf(CFont& font)
{
    LOGFONTW lf = {};
    ::GetObjectW(font.GetSafeHandle(), sizeof(lf), &lf);
    return lf;
}
}

TEST(AuxData, FontsDerivedFromTheMenuFont)
{
    CZMAuxData* pData = GetAuxData();
    EXPECT_EQ(pData, GetAuxData());
    CZMRNonClientMetrics ncm;
    const LOGFONTW& menu = ncm.lfMenuFont;

    LOGFONTW lf0 = FontOf(pData->font);
    EXPECT_STREQ(menu.lfFaceName, lf0.lfFaceName);
    EXPECT_EQ(menu.lfHeight, lf0.lfHeight);

    LOGFONTW lf1 = FontOf(pData->fontBold);
    EXPECT_EQ(700, lf1.lfWeight);
    lf1.lfWeight = lf0.lfWeight;
    EXPECT_EQ(0, memcmp(&lf0, &lf1, sizeof(lf0))) << "bold differs only in weight";

    LOGFONTW lf2 = FontOf(pData->fontUnderline);
    EXPECT_EQ(1, lf2.lfUnderline);
    lf2.lfUnderline = lf0.lfUnderline;
    EXPECT_EQ(0, memcmp(&lf0, &lf2, sizeof(lf0))) << "underlined differs only in underline";

    LOGFONTW lf3 = FontOf(pData->fontVert), lf4 = FontOf(pData->fontVertBold);
    EXPECT_EQ(2700, lf3.lfEscapement);
    EXPECT_EQ(900, lf3.lfOrientation);
    EXPECT_EQ(700, lf4.lfWeight);
    const bool bArial = lstrcmpiW(menu.lfFaceName, L"Tahoma") != 0 && CZMRDrawHelpers::HasFontFace(L"Arial");
    EXPECT_STREQ(bArial ? L"Arial" : menu.lfFaceName, lf3.lfFaceName);
    EXPECT_STREQ(lf3.lfFaceName, lf4.lfFaceName);

    LOGFONTW icon = {};
    ::SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(icon), &icon, 0);
    LOGFONTW lf7 = FontOf(pData->fontMarlett);
    EXPECT_STREQ(L"Marlett", lf7.lfFaceName);
    EXPECT_EQ(icon.lfHeight, lf7.lfHeight);
    EXPECT_EQ(DEFAULT_CHARSET, lf7.lfCharSet);
    EXPECT_EQ(700, FontOf(pData->fontIconTitleBold).lfWeight);
    EXPECT_STREQ(ncm.lfStatusFont.lfFaceName, FontOf(pData->fontStatus).lfFaceName);
    EXPECT_STREQ(ncm.lfSmCaptionFont.lfFaceName, FontOf(pData->fontSmCaption).lfFaceName);
}

TEST(AuxData, FaceNamesReplaceOnlyInstalledFaces)
{
    CZMAuxData data;
    CZMRNonClientMetrics ncm;
    EXPECT_TRUE(data.UpdateSysFonts(L"No Such Face At All", nullptr));
    EXPECT_STREQ(ncm.lfMenuFont.lfFaceName, FontOf(data.font).lfFaceName);

    if (CZMRDrawHelpers::HasFontFace(L"Tahoma"))
    {
        EXPECT_TRUE(data.UpdateSysFonts(L"Tahoma", L"Tahoma"));
        EXPECT_STREQ(L"Tahoma", FontOf(data.font).lfFaceName);
        EXPECT_STREQ(L"Tahoma", FontOf(data.fontStatus).lfFaceName);
        EXPECT_STREQ(L"Tahoma", FontOf(data.fontVert).lfFaceName);
    }
}

TEST(AuxData, MissingToolkitCursorsDoNotStopTheSystemCursors)
{
    CZMAuxData* pData = GetAuxData();
    // The program holds none of the toolkit's cursors.
    EXPECT_EQ(nullptr, pData->m_hCursors[0]);
    EXPECT_EQ(nullptr, pData->m_hCursors[2]);
    EXPECT_EQ(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)), pData->m_hCursors[3]);
    EXPECT_EQ(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32646)), pData->m_hCursors[6]);
    EXPECT_NE(nullptr, pData->m_hCursors[6]);
    EXPECT_FALSE(pData->LoadSysCursors()) << "not every cursor could be loaded";
}

TEST(AuxData, ColoursMetricsAndVersions)
{
    CZMAuxData* pData = GetAuxData();
    CZMRColorManager* pColors = GetColorManager();
    EXPECT_EQ(pColors->GetColor(COLOR_BTNFACE), pData->clrBtnFace);
    EXPECT_EQ(pColors->GetColor(COLOR_INACTIVECAPTIONTEXT), pData->clrInactiveCaptionText);
    EXPECT_EQ(pColors->GetColor(22), pData->clr3DLight);
    for (UINT i = 0; i < 20; i++)
        EXPECT_EQ(pColors->GetColor(30 + i), pData->clrDerived[i]) << i;
    EXPECT_EQ(18, pData->m_nIconWidth);
    EXPECT_EQ(::GetSystemMetrics(SM_CYMENU), pData->m_nMenuHeight);
    EXPECT_GE(pData->nComCtlVersion, 0x00040000);
    EXPECT_EQ(1, pData->bWin2K);
    EXPECT_EQ(0, pData->bWin95);
    EXPECT_EQ(0, pData->bUseTahoma);
}
