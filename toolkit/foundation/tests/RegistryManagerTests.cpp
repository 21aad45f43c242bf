#include "CZMRegistryManager.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
const wchar_t kCompany[] = L"ZMR Services Tests";
const wchar_t kProfile[] = L"Profile";

// A registry manager that names the application key itself, as the
// application object would.
struct CTestRegistry : CZMRegistryManager
{
    explicit CTestRegistry(HKEY hKeyBase = HKEY_CURRENT_USER) : CZMRegistryManager(hKeyBase)
    {
        m_pszRegistryKey = kCompany;
        m_pszProfileName = kProfile;
    }
};

class RegistryManagerTest : public ::testing::Test
{
protected:
    void SetUp() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ZMR Services Tests"); }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ZMR Services Tests"); }

    static bool KeyExists(LPCWSTR lpszSection)
    {
        std::wstring path = std::wstring(L"Software\\ZMR Services Tests\\Profile\\") + lpszSection;
        HKEY hKey = nullptr;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return false;
        ::RegCloseKey(hKey);
        return true;
    }
    static void SetRaw(LPCWSTR lpszEntry, DWORD dwType, const void* pData, DWORD cbData)
    {
        HKEY hKey = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CURRENT_USER,
                                                   L"Software\\ZMR Services Tests\\Profile\\Settings", 0, nullptr,
                                                   0, KEY_WRITE, nullptr, &hKey, nullptr));
        ::RegSetValueExW(hKey, lpszEntry, 0, dwType, static_cast<const BYTE*>(pData), cbData);
        ::RegCloseKey(hKey);
    }
};
}

TEST_F(RegistryManagerTest, WriteStoresTextWithItsTerminator)
{
    CTestRegistry registry;
    ASSERT_TRUE(registry.WriteProfileString(L"Settings", L"Column Info", L"120,80,"));
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\ZMR Services Tests\\Profile\\Settings",
                                             0, KEY_READ, &hKey));
    DWORD dwType = 0, cbData = 0;
    ASSERT_EQ(ERROR_SUCCESS, ::RegQueryValueExW(hKey, L"Column Info", nullptr, &dwType, nullptr, &cbData));
    ::RegCloseKey(hKey);
    EXPECT_EQ(DWORD(REG_SZ), dwType);
    EXPECT_EQ(16u, cbData);

    EXPECT_STREQ(L"120,80,", CTestRegistry().GetProfileString(L"Settings", L"Column Info", L"x"));
}

TEST_F(RegistryManagerTest, ReadsOfMissingValuesGiveTheDefault)
{
    CTestRegistry registry;
    EXPECT_STREQ(L"dflt", registry.GetProfileString(L"Other", L"Nothing", L"dflt"));
    EXPECT_TRUE(KeyExists(L"Other")) << "the read leaves the section key created";
    EXPECT_NE(0, registry.GetLastError());
    EXPECT_STREQ(L"", registry.GetProfileString(L"Other", L"Nothing", nullptr));
    EXPECT_STREQ(L"dflt", registry.GetProfileString(nullptr, L"Nothing", L"dflt"));
    EXPECT_FALSE(registry.WriteProfileString(nullptr, L"Entry", L"value"));
}

TEST_F(RegistryManagerTest, NullValueDeletesTheEntryAndNullEntryTheSection)
{
    CTestRegistry registry;
    ASSERT_TRUE(registry.WriteProfileString(L"Settings", L"A", L"1"));
    ASSERT_TRUE(registry.WriteProfileString(L"Settings", L"B", L"2"));
    EXPECT_TRUE(registry.WriteProfileString(L"Settings", L"A", nullptr));
    EXPECT_STREQ(L"gone", registry.GetProfileString(L"Settings", L"A", L"gone"));
    EXPECT_STREQ(L"2", registry.GetProfileString(L"Settings", L"B", L"gone"));
    EXPECT_TRUE(registry.WriteProfileString(L"Settings", nullptr, nullptr));
    EXPECT_FALSE(KeyExists(L"Settings"));
}

TEST_F(RegistryManagerTest, StoredDataOfAnyShapeReadsBackSafely)
{
    const wchar_t embedded[] = L"left\0right";
    SetRaw(L"Embedded", REG_SZ, embedded, sizeof(embedded));
    // Odd sizes, no terminator: the buffer must not be overrun.
    SetRaw(L"Odd", REG_BINARY, "abcde", 5);
    SetRaw(L"One", REG_BINARY, "a", 1);
    const wchar_t unterminated[] = {L'x', L'y', L'z'};
    SetRaw(L"Unterminated", REG_SZ, unterminated, sizeof(unterminated));

    CTestRegistry registry;
    EXPECT_STREQ(L"left", registry.GetProfileString(L"Settings", L"Embedded", L"d"));
    CString strOdd = registry.GetProfileString(L"Settings", L"Odd", L"d");
    EXPECT_EQ(3, strOdd.GetLength());
    EXPECT_EQ(WCHAR('a' | ('b' << 8)), strOdd[0]);
    EXPECT_EQ(WCHAR('e'), strOdd[2]);
    EXPECT_EQ(1, registry.GetProfileString(L"Settings", L"One", L"d").GetLength());
    EXPECT_STREQ(L"xyz", registry.GetProfileString(L"Settings", L"Unterminated", L"d"));
}

TEST_F(RegistryManagerTest, MissingSoftwareKeyUnderTheRootIsAFailureAndIsNotCreated)
{
    HKEY hRoot = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\ZMR Services Tests\\Root", 0, nullptr, 0,
                                               KEY_ALL_ACCESS, nullptr, &hRoot, nullptr));
    CTestRegistry registry(hRoot);
    EXPECT_FALSE(registry.WriteProfileString(L"Settings", L"A", L"1"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, registry.GetLastError());
    EXPECT_FALSE(registry.WriteProfileString(L"Settings", nullptr, nullptr));
    EXPECT_STREQ(L"dflt", registry.GetProfileString(L"Settings", L"A", L"dflt"));
    HKEY hSoftware = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, ::RegOpenKeyExW(hRoot, L"Software", 0, KEY_READ, &hSoftware));
    ::RegCloseKey(hRoot);
}

TEST_F(RegistryManagerTest, WithoutApplicationNamesNothingIsReadOrWritten)
{
    CZMRegistryManager registry;   // this test program has no application object
    EXPECT_FALSE(registry.GetAppNames());
    EXPECT_FALSE(registry.WriteProfileString(L"Settings", L"A", L"1"));
    EXPECT_STREQ(L"dflt", registry.GetProfileString(L"Settings", L"A", L"dflt"));
}

namespace
{
class IniFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WCHAR szDir[MAX_PATH];
        ::GetTempPathW(MAX_PATH, szDir);
        m_strPath = CString(szDir) + L"zmr-services-test.ini";
        ::DeleteFileW(m_strPath);
        CZMRegistryManager::SetINIFileName(m_strPath);
    }
    void TearDown() override
    {
        CZMRegistryManager::SetINIFileName(nullptr);
        ::DeleteFileW(m_strPath);
    }
    CString m_strPath;
};
}

TEST_F(IniFileTest, RoundTripAndRemoval)
{
    CZMRegistryManager registry;
    ASSERT_TRUE(registry.WriteProfileString(L"Settings", L"Column Info", L"120,80,"));
    ASSERT_TRUE(registry.WriteProfileString(L"Settings", L"Other", L"x"));
    EXPECT_STREQ(L"120,80,", registry.GetProfileString(L"Settings", L"Column Info", L"d"));
    EXPECT_STREQ(L"d", registry.GetProfileString(L"Settings", L"Missing", L"d"));
    EXPECT_STREQ(L"", registry.GetProfileString(L"Settings", L"Missing", nullptr));

    EXPECT_TRUE(registry.WriteProfileString(L"Settings", L"Other", nullptr));
    EXPECT_STREQ(L"d", registry.GetProfileString(L"Settings", L"Other", L"d"));
    EXPECT_TRUE(registry.WriteProfileString(L"Settings", nullptr, nullptr));
    EXPECT_STREQ(L"d", registry.GetProfileString(L"Settings", L"Column Info", L"d"));
    EXPECT_FALSE(registry.WriteProfileString(nullptr, L"A", L"1"));
}

TEST_F(IniFileTest, NullSectionOrEntryReadsTheDefaultNotAListOfNames)
{
    CZMRegistryManager registry;
    ASSERT_TRUE(registry.WriteProfileString(L"Settings", L"Column Info", L"1"));
    EXPECT_STREQ(L"dflt", registry.GetProfileString(L"Settings", nullptr, L"dflt"));
    EXPECT_STREQ(L"dflt", registry.GetProfileString(nullptr, L"Column Info", L"dflt"));
}

TEST_F(IniFileTest, LongValuesAreCutToTheBuffer)
{
    CString strLong;
    for (int i = 0; i < 5000; i++)
        strLong.AppendChar(WCHAR(L'a' + i % 26));
    CZMRegistryManager registry;
    ASSERT_TRUE(registry.WriteProfileString(L"Settings", L"Long", strLong));
    CString strRead = registry.GetProfileString(L"Settings", L"Long", L"d");
    EXPECT_EQ(4095, strRead.GetLength());
    EXPECT_STREQ(strLong.Left(4095), strRead);
}
