#include "CZMRNarrowString.h"
#include "CZMRResourceHandleScope.h"
#include "CZMRResourceManager.h"
#include <gtest/gtest.h>

namespace
{
// Puts the manager back on English whatever a test chose.
class ResourceManagerTest : public ::testing::Test
{
protected:
    void TearDown() override { GetResourceManager()->SetResourceLanguage(1033); }
};
}

TEST(LanguageTable, LookupsGiveTheFullRecord)
{
    struct Case
    {
        WORD wLanguage;
        UINT nCodePage;
        const wchar_t* lpszEncoding;
        const wchar_t* lpszCaption;
        UINT nCharSet;
    } cases[] = {
        {1049, 1251, L"windows-1251", L"Russian", 204},
        {1033, 0, L"windows-1252", L"English (United States)", 0},
        {1025, 1256, L"windows-1256", L"Arabic (Saudi Arabia)", 178},
        {1037, 1255, L"windows-1255", L"Hebrew", 177},
        {1058, 1251, L"windows-1251", L"Ukrainian ", 204},
        {2052, 936, L"gb2312", L"Chinese (PRC)", 134},
        {1028, 950, L"big5", L"Chinese (Taiwan)", 136},
        {1042, 949, L"ks_c_5601", L"Korean", 129},
        {1054, 874, L"windows-874", L"Thai", 222},
    };
    for (const Case& c : cases)
    {
        const ZMR_LANGUAGE_INFO* pInfo = LookupLanguageInfo(c.wLanguage);
        ASSERT_NE(nullptr, pInfo) << c.wLanguage;
        EXPECT_EQ(c.wLanguage, pInfo->wLanguage);
        EXPECT_EQ(c.nCodePage, pInfo->nCodePage);
        EXPECT_STREQ(c.lpszEncoding, pInfo->lpszEncoding);
        EXPECT_STREQ(c.lpszCaption, pInfo->lpszCaption);
        EXPECT_EQ(c.nCharSet, pInfo->nFontCharSet);
    }
    EXPECT_STREQ(L"SUBLANG_PORTUGUESE_BRAZILIAN", LookupLanguageInfo(1046)->lpszSubLang);
    EXPECT_STREQ(L"LANG_CHINESE", LookupLanguageInfo(1028)->lpszLang);
    EXPECT_EQ(nullptr, LookupLanguageInfo(1034));
    EXPECT_EQ(nullptr, LookupLanguageInfo(0));
}

TEST_F(ResourceManagerTest, UnknownLanguageSelectsEnglish)
{
    CZMRResourceManager* pManager = GetResourceManager();
    EXPECT_EQ(pManager, GetResourceManager());
    EXPECT_EQ(1033, pManager->GetResourceLanguage());
    pManager->SetResourceLanguage(1041);
    EXPECT_EQ(1041, pManager->GetResourceLanguage());
    EXPECT_EQ(128u, pManager->GetLanguageInfo()->nFontCharSet);
    pManager->SetResourceLanguage(1034);
    EXPECT_EQ(1033, pManager->GetResourceLanguage());
    // The test program's resources are all in the neutral or English language
    // of the resource compiler.
    pManager->ChooseResourceLanguage();
    EXPECT_NE(nullptr, LookupLanguageInfo(pManager->GetResourceLanguage()));
}

TEST_F(ResourceManagerTest, StringsComeFromTheirBlockAndEntry)
{
    HMODULE hModule = ::GetModuleHandleW(nullptr);
    CString str;
    EXPECT_EQ(7, CZMRResourceManager::LoadStringFromModule(hModule, 16, str));
    EXPECT_STREQ(L"sixteen", str);
    // 17 is entry 1 of block 2, which holds no text: missing, not empty.
    str = L"stale";
    EXPECT_EQ(0, CZMRResourceManager::LoadStringFromModule(hModule, 17, str));
    EXPECT_TRUE(str.IsEmpty());
    EXPECT_EQ(8, CZMRResourceManager::LoadStringFromModule(hModule, 18, str));
    EXPECT_STREQ(L"block three, entry one", (CZMRResourceManager::LoadStringFromModule(hModule, 33, str), str));
    EXPECT_EQ(0, CZMRResourceManager::LoadStringFromModule(hModule, 4000, str));

    CZMRResourceManager* pManager = GetResourceManager();
    EXPECT_TRUE(pManager->LoadString(&str, 18));
    EXPECT_STREQ(L"eighteen", str);
    BOOL bError = FALSE;
    EXPECT_TRUE(pManager->LoadStringResult(17, &bError).IsEmpty());
    EXPECT_TRUE(bError);
    bError = FALSE;
    EXPECT_STREQ(L"sixteen", pManager->LoadStringResult(16, &bError));
    EXPECT_FALSE(bError);
}

TEST_F(ResourceManagerTest, MissingResourcesAreReportedByTheirResults)
{
    CZMRResourceManager* pManager = GetResourceManager();
    CMenu menu;
    EXPECT_FALSE(pManager->LoadMenu(&menu, 4999));
    CBitmap bitmap;
    EXPECT_FALSE(pManager->LoadBitmap(&bitmap, 4999));
    EXPECT_EQ(nullptr, pManager->LoadCursor(9308));
    EXPECT_EQ(nullptr, pManager->LoadDialogTemplateById(4999));
    EXPECT_EQ(nullptr, pManager->LoadIconById(4999, 16, 16));
    EXPECT_EQ(nullptr, pManager->CreateIconFromResource(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(4999), 16, 16));
    CString str;
    EXPECT_FALSE(pManager->LoadHTML(&str, 4999));
    EXPECT_FALSE(pManager->LoadHTML(nullptr, 4104));
    EXPECT_FALSE(pManager->Close());
    EXPECT_EQ(nullptr, CZMRResourceManager::GetResourceHandle());
}

TEST_F(ResourceManagerTest, EachKindOfResourceLoadsFromTheApplication)
{
    CZMRResourceManager* pManager = GetResourceManager();
    auto iconInfo = [](HICON hIcon, BITMAP* pBitmap) {
        ICONINFO info = {};
        EXPECT_TRUE(::GetIconInfo(hIcon, &info));
        ::GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(BITMAP), pBitmap);
        if (info.hbmColor)
            ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        return info.fIcon;
    };
    BITMAP bm = {};

    // The icon group holds one 4 x 4 member; both loads size it as asked.
    HICON hIcon = pManager->LoadIconById(4105, 16, 16);
    ASSERT_NE(nullptr, hIcon);
    EXPECT_TRUE(iconInfo(hIcon, &bm));
    EXPECT_EQ(16, bm.bmWidth);
    ::DestroyIcon(hIcon);
    hIcon = pManager->CreateIconFromResource(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(4105), 8, 8);
    ASSERT_NE(nullptr, hIcon);
    EXPECT_TRUE(iconInfo(hIcon, &bm));
    EXPECT_EQ(8, bm.bmWidth);
    ::DestroyIcon(hIcon);
    EXPECT_EQ(nullptr, pManager->LoadIconById(4106, 16, 16)) << "a cursor is not an icon";

    HCURSOR hCursor = pManager->LoadCursor(4106);
    ASSERT_NE(nullptr, hCursor);
    EXPECT_FALSE(iconInfo(hCursor, &bm));
    EXPECT_EQ(nullptr, pManager->LoadCursor(4105)) << "an icon is not a cursor";

    CBitmap bitmap;
    ASSERT_TRUE(pManager->LoadBitmap(&bitmap, 4107));
    ::GetObjectW(bitmap.GetSafeHandle(), sizeof(bm), &bm);
    EXPECT_EQ(4, bm.bmWidth);
    EXPECT_EQ(4, bm.bmHeight);

    // An extended template: version 1, signature 0xFFFF, then its size in
    // dialog units at bytes 22 and 24.
    const BYTE* pTemplate = reinterpret_cast<const BYTE*>(pManager->LoadDialogTemplateById(4108));
    ASSERT_NE(nullptr, pTemplate);
    EXPECT_EQ(0xFFFF, *reinterpret_cast<const WORD*>(pTemplate + 2));
    EXPECT_EQ(120, *reinterpret_cast<const short*>(pTemplate + 22));
    EXPECT_EQ(60, *reinterpret_cast<const short*>(pTemplate + 24));
    EXPECT_NE(nullptr, pManager->LoadDialogTemplate(MAKEINTRESOURCEW(4108)));
}

TEST_F(ResourceManagerTest, MenusHtmlAndMenuStrings)
{
    CZMRResourceManager* pManager = GetResourceManager();
    CMenu menu;
    ASSERT_TRUE(pManager->LoadMenu(&menu, 4101));
    CMenu popup;
    popup.Attach(::GetSubMenu(menu.GetSafeHmenu(), 0));
    CString str;
    EXPECT_EQ(5, pManager->GetMenuString(&popup, 4102, str, MF_BYCOMMAND));
    EXPECT_STREQ(L"&Open", str);
    str = L"stale";
    EXPECT_EQ(0, pManager->GetMenuString(&popup, 4103, str, MF_BYCOMMAND));
    EXPECT_TRUE(str.IsEmpty());
    popup.Detach();
    CMenu empty;
    EXPECT_EQ(0, pManager->GetMenuString(&empty, 4102, str, MF_BYCOMMAND));
    EXPECT_EQ(0, pManager->GetMenuString(nullptr, 4102, str, MF_BYCOMMAND));

    ASSERT_TRUE(pManager->LoadHTML(&str, 4104));
    CString expected;
    const char bytes[] = "<html>caf\xe9</html>";
    WCHAR wide[64] = {};
    ::MultiByteToWideChar(CP_ACP, 0, bytes, -1, wide, 64);
    EXPECT_STREQ(wide, str);
}

TEST_F(ResourceManagerTest, ToolBarsLoadThroughTheFrameworksResourceHandle)
{
    HWND hHost = ::CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
    HINSTANCE hBefore = AfxGetResourceHandle();
    CZMRResourceManager* pManager = GetResourceManager();
    {
        CToolBar bar;
        ASSERT_TRUE(bar.Create(CWnd::FromHandle(hHost)));
        EXPECT_FALSE(pManager->LoadToolBar(&bar, 4999));
        EXPECT_EQ(0, bar.SendMessage(TB_BUTTONCOUNT, 0, 0));
        ASSERT_TRUE(pManager->LoadToolBar(&bar, 4107));
        ASSERT_EQ(2, bar.SendMessage(TB_BUTTONCOUNT, 0, 0));
        TBBUTTON button = {};
        bar.SendMessage(TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(4110, button.idCommand);
        EXPECT_EQ(hBefore, AfxGetResourceHandle());
    }
    EXPECT_FALSE(pManager->LoadToolBar(nullptr, 4107));
    ::DestroyWindow(hHost);
}

TEST_F(ResourceManagerTest, NarrowTextUsesTheLanguagesCodePage)
{
    const wchar_t* lpszText = L"\x0416\x0436 abc";   // Cyrillic, then ASCII
    GetResourceManager()->SetResourceLanguage(1049);
    {
        CZMRNarrowString narrow(lpszText);
        EXPECT_STREQ("\xC6\xE6 abc", narrow.GetText());
    }
    GetResourceManager()->SetResourceLanguage(1033);   // code page 0: the ANSI code page
    {
        CZMRNarrowString narrow(L"plain");
        EXPECT_STREQ("plain", narrow.GetText());
        char expected[32] = {};
        ::WideCharToMultiByte(CP_ACP, 0, lpszText, -1, expected, 32, nullptr, nullptr);
        CZMRNarrowString converted(lpszText);
        EXPECT_STREQ(expected, converted.GetText());
    }
    CZMRNarrowString empty(nullptr);
    EXPECT_STREQ("", empty.GetText());
}

TEST_F(ResourceManagerTest, ResourceHandleScopeChangesNothingWithoutAModule)
{
    HINSTANCE hBefore = AfxGetResourceHandle();
    {
        CZMRResourceHandleScope scope;
        EXPECT_EQ(hBefore, AfxGetResourceHandle());
    }
    EXPECT_EQ(hBefore, AfxGetResourceHandle());
}

namespace
{
// An application object that answers message boxes itself and notes the
// style it was asked for, as the framework routes every message box through
// the application.
class CBoxApp : public CWinApp
{
public:
    int DoMessageBox(LPCTSTR, UINT nType, UINT) override
    {
        m_nType = nType;
        return IDOK;
    }
    UINT m_nType = 0;
};

UINT TypeShownFor(WORD wLanguage)
{
    CBoxApp app;
    GetResourceManager()->SetResourceLanguage(wLanguage);
    EXPECT_EQ(IDOK, GetResourceManager()->ShowMessageBox(L"text", MB_OKCANCEL | MB_ICONSTOP));
    EXPECT_EQ(UINT(MB_OKCANCEL | MB_ICONSTOP), app.m_nType & ~UINT(MB_RTLREADING));
    return app.m_nType;
}
}

TEST_F(ResourceManagerTest, HebrewAndArabicMessageBoxesReadRightToLeft)
{
    EXPECT_TRUE(TypeShownFor(1037) & MB_RTLREADING);
    EXPECT_TRUE(TypeShownFor(1025) & MB_RTLREADING);
    EXPECT_FALSE(TypeShownFor(1049) & MB_RTLREADING);
    EXPECT_FALSE(TypeShownFor(1033) & MB_RTLREADING);
}
