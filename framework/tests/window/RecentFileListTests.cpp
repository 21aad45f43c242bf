// The recent-file list: order, duplicates and overflow, the names shown for
// its entries, and its profile section.
#include "WindowTestSupport.h"
#include <gtest/gtest.h>

TEST(RecentFileList, NewestFirstWithoutDuplicatesAndTheOldestDropped)
{
    CRecentFileList list(1, L"Recent File List", L"File%d", 3);
    EXPECT_EQ(3, list.GetSize());
    list.Add(L"C:\\data\\a.txt");
    list.Add(L"C:\\data\\b.txt");
    list.Add(L"C:\\DATA\\A.TXT");   // the same file moves up, as given now
    EXPECT_STREQ(L"C:\\DATA\\A.TXT", list[0]);
    EXPECT_STREQ(L"C:\\data\\b.txt", list[1]);
    EXPECT_TRUE(list[2].IsEmpty());
    list.Add(L"C:\\data\\c.txt");
    list.Add(L"C:\\data\\d.txt");
    EXPECT_STREQ(L"C:\\data\\d.txt", list[0]);
    EXPECT_STREQ(L"C:\\data\\c.txt", list[1]);
    EXPECT_STREQ(L"C:\\DATA\\A.TXT", list[2]);
    list.Remove(0);
    EXPECT_STREQ(L"C:\\data\\c.txt", list[0]);
    EXPECT_TRUE(list[2].IsEmpty());
    EXPECT_THROW(list[3], CInvalidArgException*);
}

TEST(RecentFileList, DisplayNamesAreShortForTheCurrentFolderAndLongPaths)
{
    CRecentFileList list(1, L"Recent File List", L"File%d", 4, 30);
    list.Add(L"C:\\projects\\deep\\folder\\tree\\report.txt");
    list.Add(L"C:\\work\\notes.txt");
    list.Add(L"C:\\a\\averyveryverylongfilenamethatisneverfitting.txt");
    struct Case
    {
        const char* name;
        int nIndex;
        LPCWSTR lpszCurDir;
        BOOL bAtLeastName;
        LPCWSTR lpszShown;
    };
    const Case cases[] = {
        { "a file of the current folder", 1, L"C:\\work\\", TRUE, L"notes.txt" },
        { "another folder's file", 1, L"C:\\other\\", TRUE, L"C:\\work\\notes.txt" },
        { "a long path keeps its end", 2, L"C:\\work\\", TRUE, L"C:\\...\\folder\\tree\\report.txt" },
        { "a long name stays whole", 0, L"C:\\work\\", TRUE, L"averyveryverylongfilenamethatisneverfitting.txt" },
        { "or is cut when asked", 0, L"C:\\work\\", FALSE, L"averyveryverylongfilenamethati" },
    };
    for (const Case& c : cases)
    {
        CString strName;
        EXPECT_TRUE(list.GetDisplayName(strName, c.nIndex, c.lpszCurDir, lstrlenW(c.lpszCurDir), c.bAtLeastName))
            << c.name;
        EXPECT_STREQ(c.lpszShown, strName) << c.name;
    }
    CString strName;
    EXPECT_FALSE(list.GetDisplayName(strName, 3, L"C:\\", 3));
    EXPECT_FALSE(list.GetDisplayName(strName, 9, L"C:\\", 3));
}

TEST(RecentFileList, ApplicationKeepsItInItsProfile)
{
    {
        CWinApp app(L"RecentTests");
        app.SetRegistryKey(L"Framework Window Tests");
        app.LoadStdProfileSettings(20);
        ASSERT_NE(nullptr, app.m_pRecentFileList);
        EXPECT_EQ(16, app.m_pRecentFileList->GetSize());   // one per recent-file command
        // A document's path goes onto the list.
        CDocument doc;
        doc.m_bAutoDelete = FALSE;
        doc.SetPathName(L"C:\\data\\first.dat");
        app.AddToRecentFileList(L"C:\\data\\second.dat");
        app.SaveStdProfileSettings();
    }
    CWinApp app(L"RecentTests");
    app.SetRegistryKey(L"Framework Window Tests");
    app.LoadStdProfileSettings(4);
    EXPECT_STREQ(L"C:\\data\\second.dat", (*app.m_pRecentFileList)[0]);
    EXPECT_STREQ(L"C:\\data\\first.dat", (*app.m_pRecentFileList)[1]);
    EXPECT_STREQ(L"C:\\data\\first.dat",
                 app.GetProfileString(L"Recent File List", L"File2"));
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Framework Window Tests");
}
