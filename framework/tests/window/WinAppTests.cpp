// The application object's profile settings under its registry key.
#include "WindowTestSupport.h"
#include <gtest/gtest.h>

TEST(WinApp, ProfileSettingsRoundTripUnderTheRegistryKey)
{
    CWinApp app(L"WindowTestsApp");
    EXPECT_EQ(AfxGetApp(), &app);
    app.SetRegistryKey(L"Framework Window Tests");

    EXPECT_EQ(app.GetProfileInt(L"Section", L"Missing", 17), 17u);
    EXPECT_STREQ(app.GetProfileString(L"Section", L"Missing", L"fallback"), L"fallback");

    EXPECT_TRUE(app.WriteProfileInt(L"Section", L"Width", -5));
    EXPECT_EQ((int)app.GetProfileInt(L"Section", L"Width", 0), -5);
    EXPECT_TRUE(app.WriteProfileString(L"Section", L"Name", L"设置 settings"));
    EXPECT_STREQ(app.GetProfileString(L"Section", L"Name"), L"设置 settings");
    BYTE data[] = { 0, 1, 2, 250 };
    EXPECT_TRUE(app.WriteProfileBinary(L"Section", L"Blob", data, sizeof(data)));
    LPBYTE pRead = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(app.GetProfileBinary(L"Section", L"Blob", &pRead, &nBytes));
    ASSERT_EQ(nBytes, sizeof(data));
    EXPECT_EQ(memcmp(pRead, data, sizeof(data)), 0);
    delete[] pRead;

    // The values live at HKCU\Software\<key>\<application>\<section>.
    HKEY hKey = nullptr;
    EXPECT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Framework Window Tests\\WindowTestsApp\\Section", 0,
                              KEY_READ, &hKey),
              ERROR_SUCCESS);
    if (hKey)
        ::RegCloseKey(hKey);

    // A null value removes the entry; a null entry the whole section.
    EXPECT_TRUE(app.WriteProfileString(L"Section", L"Name", nullptr));
    EXPECT_STREQ(app.GetProfileString(L"Section", L"Name", L"gone"), L"gone");
    EXPECT_TRUE(app.WriteProfileString(L"Section", nullptr, nullptr));
    EXPECT_EQ(app.GetProfileInt(L"Section", L"Width", 3), 3u);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Framework Window Tests");
}
