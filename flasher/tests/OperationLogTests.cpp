// The operation log: line format, hex dumps, rotation, and two writers at once;
// the log list's rows.
#include "CTarrowindDlg.h"
#include "FlasherDialogFixture.h"
#include "FlasherTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace
{
class OperationLogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = testsupport::MakeTempFolder(L"oplog");
        m_path = m_dir + L"\\Pyrolet_D.log";
        m_dlg.m_strLogPath = m_path.c_str();
    }
    void TearDown() override
    {
        if (m_dlg.m_hLogFile != INVALID_HANDLE_VALUE)
            CloseHandle(m_dlg.m_hLogFile);
        m_dlg.m_hLogFile = INVALID_HANDLE_VALUE;
        testsupport::RemoveFolder(m_dir);
    }
    std::wstring Numbered(int n) const { return m_path + L"." + std::to_wstring(n); }

    CTarrowindDlg m_dlg;
    std::wstring m_dir;
    std::wstring m_path;
};


TEST(HexDumpTest, LowercasePairsAndNullArguments)
{
    const BYTE data[] = {0x06, 0x99, 0xCC, 0xFF};
    char out[9] = "xxxxxxxx";
    EXPECT_EQ(8, CTarrowindDlg::HexDump(data, 4, out));
    EXPECT_STREQ("0699ccff", out);

    char untouched[4] = "abc";
    EXPECT_EQ(0, CTarrowindDlg::HexDump(nullptr, 1, untouched));
    EXPECT_EQ(0, CTarrowindDlg::HexDump(data, 1, nullptr));
    EXPECT_STREQ("abc", untouched);
}

TEST_F(OperationLogTest, FirstLineHasMarkPrefixAndLineEnd)
{
    WriteLog(&m_dlg, L"Erase Status Value(%d)", 3);
    std::vector<BYTE> bytes = testsupport::ReadFileBytes(m_path);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(0xFF, bytes[0]);
    EXPECT_EQ(0xFE, bytes[1]);

    std::vector<std::wstring> lines = testsupport::ReadLogLines(m_path);
    ASSERT_EQ(1u, lines.size());
    std::wstring text;
    ASSERT_TRUE(testsupport::SplitLogLine(lines[0], &text)) << std::string(lines[0].begin(), lines[0].end());
    EXPECT_EQ(L"Erase Status Value(3)", text);
    wchar_t pid[16];
    swprintf(pid, 16, L"[%05lu-", GetCurrentProcessId());
    EXPECT_EQ(0u, lines[0].find(pid));
}

TEST_F(OperationLogTest, NarrowTextIsFollowedByAnEmptyLine)
{
    WriteLogA(&m_dlg, "0699ccff");
    WriteLog(&m_dlg, L"next");
    std::vector<std::wstring> lines = testsupport::ReadLogLines(m_path);
    ASSERT_EQ(3u, lines.size());
    std::wstring text;
    ASSERT_TRUE(testsupport::SplitLogLine(lines[0], &text));
    EXPECT_EQ(L"0699ccff", text);
    EXPECT_EQ(L"", lines[1]);
    EXPECT_TRUE(testsupport::SplitLogLine(lines[2], nullptr));
}

TEST_F(OperationLogTest, OverlongMessageIsCutAndStillEndsTheLine)
{
    std::wstring longText(20000, L'a');
    WriteLog(&m_dlg, L"%s", longText.c_str());
    WriteLog(&m_dlg, L"after");
    std::vector<std::wstring> lines = testsupport::ReadLogLines(m_path);
    ASSERT_EQ(2u, lines.size());
    EXPECT_LT(lines[0].size(), 8192u);
    EXPECT_NE(std::wstring::npos, lines[1].find(L": after"));
}

TEST_F(OperationLogTest, RotationAtFourMegabytesShiftsOlderFiles)
{
    // A full log and older files .1 to .16: .16 goes, each moves up by one.
    testsupport::WriteFileBytes(m_path, std::vector<BYTE>(0x400000, 'x'));
    for (int n = 1; n <= 16; ++n)
        testsupport::WriteFileBytes(Numbered(n), std::vector<BYTE>(n, 'o'));

    WriteLog(&m_dlg, L"first after rotation");

    EXPECT_EQ(0x400000u, testsupport::ReadFileBytes(Numbered(1)).size());
    for (int n = 2; n <= 16; ++n)
        EXPECT_EQ((size_t)(n - 1), testsupport::ReadFileBytes(Numbered(n)).size()) << n;
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(Numbered(17).c_str()));
    std::vector<BYTE> fresh = testsupport::ReadFileBytes(m_path);
    ASSERT_GE(fresh.size(), 2u);
    EXPECT_EQ(0xFF, fresh[0]);
    EXPECT_EQ(0xFE, fresh[1]);
    ASSERT_EQ(1u, testsupport::ReadLogLines(m_path).size());
}

TEST_F(OperationLogTest, RotationWithoutOlderFilesMakesOnlyTheFirst)
{
    testsupport::WriteFileBytes(m_path, std::vector<BYTE>(0x400000, 'x'));
    WriteLog(&m_dlg, L"line");
    EXPECT_EQ(0x400000u, testsupport::ReadFileBytes(Numbered(1)).size());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(Numbered(2).c_str()));
    EXPECT_EQ(1u, testsupport::ReadLogLines(m_path).size());
}

TEST_F(OperationLogTest, TwoWritersAcrossARotationLoseAndMixNothing)
{
    // Just below the limit, so that the rotation falls among the writers' lines.
    testsupport::WriteFileBytes(m_path, std::vector<BYTE>(0x400000 - 3000, 'x'));
    const int kLines = 400;
    auto writer = [this](const wchar_t* who) {
        for (int i = 0; i < kLines; ++i)
        {
            if (i % 2)
                WriteLog(&m_dlg, L"%s line %d", who, i);
            else
            {
                char text[64];
                snprintf(text, sizeof(text), "%ls line %d", who, i);
                WriteLogA(&m_dlg, text);
            }
        }
    };
    std::thread a(writer, L"ui"), b(writer, L"worker");
    a.join();
    b.join();

    std::vector<std::wstring> lines = testsupport::ReadLogLines(Numbered(1), true);
    std::vector<std::wstring> current = testsupport::ReadLogLines(m_path);
    lines.insert(lines.end(), current.begin(), current.end());
    std::vector<int> seen[2] = {std::vector<int>(kLines, 0), std::vector<int>(kLines, 0)};
    for (const std::wstring& line : lines)
    {
        if (line.empty())
            continue;
        std::wstring text;
        ASSERT_TRUE(testsupport::SplitLogLine(line, &text)) << "mixed line";
        int who = text.compare(0, 3, L"ui ") == 0 ? 0 : 1;
        int n = _wtoi(text.c_str() + text.find(L"line ") + 5);
        ASSERT_TRUE(n >= 0 && n < kLines);
        ++seen[who][n];
    }
    for (int who = 0; who < 2; ++who)
        for (int i = 0; i < kLines; ++i)
            EXPECT_EQ(1, seen[who][i]) << who << " " << i;
}
}  // namespace

TEST_F(FlasherDialogTest, LogRowsTakeTheirKindsColoursAndTheNewestStaysInView)
{
    CZMListCtrl& list = m_pDlg->m_listLog;
    list.DeleteAllItems();
    m_pDlg->AddLog(L"progress", CTarrowindDlg::LogInfo);
    m_pDlg->AddLog(L"failure", CTarrowindDlg::LogError);
    m_pDlg->AddLog(L"no row for another kind", 2);
    ASSERT_EQ(2, list.GetItemCount());
    const struct { int nRow; const wchar_t* text; COLORREF clrText; } rows[] = {
        {0, L"progress", RGB(0, 0, 255)},
        {1, L"failure", RGB(255, 0, 0)},
    };
    for (const auto& r : rows)
    {
        EXPECT_EQ(std::wstring(r.text), (LPCWSTR)list.GetItemText(r.nRow, 1));
        EXPECT_EQ(8, list.GetItemText(r.nRow, 0).GetLength());   // hh:mm:ss
        CZMListBase::ROWCOLOR colour{};
        ASSERT_TRUE(list.GetRowColor(r.nRow, &colour));
        EXPECT_EQ(r.clrText, colour.clrText);
        EXPECT_EQ(RGB(255, 255, 255), colour.clrBack);
    }

    // Many more rows than the list shows: each new one is in view when added.
    for (int i = 0; i < 40; ++i)
    {
        m_pDlg->AddLog((L"step " + std::to_wstring(i)).c_str(), CTarrowindDlg::LogInfo);
        int nLast = list.GetItemCount() - 1;
        ASSERT_GE(list.GetTopIndex() + list.GetCountPerPage(), nLast + 1) << "row " << nLast << " out of view";
    }
    EXPECT_GT(list.GetTopIndex(), 0);
}
