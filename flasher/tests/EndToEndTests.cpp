// The real Pyrolet_D.exe, driven as an operator would: both images chosen
// through the Select File dialog, Update Both against the simulated board,
// Clear Log, then the Close item. The board's flash must then hold the images.
#include "CBoardSimulator.h"
#include "FlasherTestSupport.h"
#include "OutFile.h"
#include "PngShot.h"
#include "ProgramDriver.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
const wchar_t kCaption[] = L"Pyrolet_D 1.2.5";

int CountRows(const std::vector<std::vector<std::wstring>>& rows, const std::wstring& text)
{
    return (int)std::count_if(rows.begin(), rows.end(),
                              [&](const std::vector<std::wstring>& r) { return r.size() > 1 && r[1] == text; });
}

bool HasRow(HWND list, const std::wstring& text)
{
    return CountRows(ReadListView(list), text) > 0;
}

// The sample's sections that an update writes: loaded data at or below the key.
void ExpectFlashHoldsSample(CBoardSimulator& sim, int board, SimCpu cpu,
                            const std::vector<fixtures::Section>& sections, uint32_t key)
{
    size_t expectedWords = 0;
    for (const fixtures::Section& s : sections)
    {
        if ((s.flags & fixtures::kBss) || s.words.empty() || s.address > key)
            continue;
        expectedWords += s.words.size();
        std::vector<uint16_t> flash = sim.Inspect(board, [&](CSimDevice& d) {
            return d.Flash(cpu).Words(s.address, s.words.size());
        });
        EXPECT_EQ(s.words, flash) << s.name;
    }
    // Nothing else: the block above the key is not written.
    size_t programmed = 0;
    for (const auto& run : sim.Inspect(board, [&](CSimDevice& d) { return d.Flash(cpu).Runs(); }))
        programmed += run.second.size();
    EXPECT_EQ(expectedWords, programmed);
}

TEST(EndToEndTest, OperatorUpdatesBothCpusWithTheSampleImages)
{
    const std::wstring bin = testsupport::ExeFolder();
    const std::wstring exe = bin + L"\\Pyrolet_D.exe";
    const std::wstring log = bin + L"\\Pyrolet_D.log";
    const std::wstring masterOut = bin + L"\\samples\\master.out";
    const std::wstring slaveOut = bin + L"\\samples\\slave.out";
    DeleteFileW(log.c_str());
    for (int n = 1; n <= 16; ++n)
        DeleteFileW((log + L"." + std::to_wstring(n)).c_str());

    CBoardSimulator sim;
    const int board = sim.AddDevice(CBoardSimulator::Board());
    ASSERT_TRUE(sim.Start());
    sim.Publish();   // the program inherits the device list

    ProgramDriver app;
    ASSERT_TRUE(app.Start(exe, bin));
    HWND dlg = app.WaitForWindow(kCaption, 20000);
    ASSERT_NE(nullptr, dlg) << "no main dialog";
    HWND list = GetDlgItem(dlg, IDC_LIST_LOG);

    // A second start ends at once and shows nothing.
    {
        ProgramDriver second;
        ASSERT_TRUE(second.Start(exe, bin));
        EXPECT_TRUE(second.WaitForExit(15000));
        EXPECT_EQ(0u, second.ExitCode());
        EXPECT_EQ(nullptr, second.FindTopWindow(kCaption));
    }

    ASSERT_TRUE(WaitUntil([&] { return HasRow(list, L"Welcome to use Pyrolet!"); }, 10000));
    EXPECT_FALSE(HasRow(list, L"Can not find the HID Device!"));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_BUTTON_UPDATE_BOTH)));

    // Select File, one browse per CPU, each answered in the open-file dialog.
    ClickButton(dlg, IDC_BUTTON_SELECT_FILE);
    HWND select = app.WaitForWindow(L"Select File", 10000);
    ASSERT_NE(nullptr, select);
    ClickButton(select, IDC_BUTTON_BROWSE_MASTER);
    ASSERT_TRUE(app.AnswerOpenDialog(masterOut, 15000));
    ASSERT_TRUE(WaitUntil([&] { return WindowText(GetDlgItem(select, IDC_EDIT_MASTER_FILE)) == masterOut; }, 20000));
    ClickButton(select, IDC_BUTTON_BROWSE_SLAVE);
    ASSERT_TRUE(app.AnswerOpenDialog(slaveOut, 15000));
    ASSERT_TRUE(WaitUntil([&] { return WindowText(GetDlgItem(select, IDC_EDIT_SLAVE_FILE)) == slaveOut; }, 20000));
    ClickButton(select, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return HasRow(list, slaveOut + L" is selected for salve"); }, 10000));
    EXPECT_TRUE(HasRow(list, masterOut + L" is selected for master"));
    EXPECT_FALSE(HasRow(list, L"Can't find the key , Please re-select the flash file!"));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((bin + L"\\master.m00").c_str()));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(dlg, IDC_BUTTON_UPDATE_BOTH)) != FALSE; }, 5000));

    // Update Both, with the protocol's own waits: about half a minute.
    ClickButton(dlg, IDC_BUTTON_UPDATE_BOTH);
    ASSERT_TRUE(WaitUntil([&] { return HasRow(list, L"Slave cpu update successfully!") ||
                                       HasRow(list, L"Master cpu update failure"); }, 180000));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(dlg, IDC_BUTTON_SELECT_FILE)) != FALSE; }, 60000));
    std::vector<std::vector<std::wstring>> rows = ReadListView(list);
    EXPECT_EQ(1, CountRows(rows, L"Master cpu update successfully!"));
    EXPECT_EQ(1, CountRows(rows, L"Slave cpu update successfully!"));
    EXPECT_EQ(0, CountRows(rows, L"Master cpu update failure"));
    EXPECT_EQ(0, CountRows(rows, L"Slave cpu update failure"));

    ExpectFlashHoldsSample(sim, board, SimCpu::Master, fixtures::MasterSample(), 0x3F5FFE);
    ExpectFlashHoldsSample(sim, board, SimCpu::Slave, fixtures::SlaveSample(), 0x3F6FFE);

    // The board's flash as text, for the main job's run to show where it is
    // (FLASHER_FLASH_DUMP names the folder).
    wchar_t dumpDir[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"FLASHER_FLASH_DUMP", dumpDir, MAX_PATH) > 0)
    {
        for (SimCpu cpu : {SimCpu::Master, SimCpu::Slave})
        {
            const std::string text = sim.Inspect(board, [&](CSimDevice& d) { return d.Flash(cpu).Dump(); });
            std::vector<BYTE> bytes(text.begin(), text.end());
            const wchar_t* name = cpu == SimCpu::Master ? L"\\board.master.txt" : L"\\board.slave.txt";
            testsupport::WriteFileBytes(std::wstring(dumpDir) + name, bytes);
        }
    }

    // A picture of the window after the update, where a display shows it
    // (the Xvfb run sets FLASHER_SCREENSHOT to the picture's path).
    wchar_t shot[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"FLASHER_SCREENSHOT", shot, MAX_PATH) > 0)
    {
        SetForegroundWindow(dlg);
        Sleep(500);
        EXPECT_TRUE(pngshot::SaveScreenArea(dlg, shot));
    }

    ClickButton(dlg, IDC_BUTTON_CLEAR_LOG);
    ASSERT_TRUE(WaitUntil([&] { return ReadListView(list).empty(); }, 5000));

    // The Close item closes the link and deletes the converted files.
    PostMessageW(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(app.WaitForExit(20000));
    EXPECT_EQ(0u, app.ExitCode()) << "an error or a crash at exit";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((bin + L"\\master.m00").c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((bin + L"\\slave.m00").c_str()));

    // The log file: the steps, and every exchange with its hex line and an empty line.
    std::vector<std::wstring> lines = testsupport::ReadLogLines(log);
    auto has = [&](const std::wstring& text) {
        return std::any_of(lines.begin(), lines.end(), [&](const std::wstring& l) {
            return l.size() >= text.size() && l.compare(l.size() - text.size(), text.size(), text) == 0;
        });
    };
    for (const wchar_t* text : {L": Welcome to use Pyrolet!", L": Master cpu update in progress...", L": Erase End!",
                                L": Verify complete!", L": Master cpu update successfully!",
                                L": Slave cpu update successfully!", L": Reset complete!",
                                L": Send data for setting baud rate:"})
        EXPECT_TRUE(has(text)) << std::string(text, text + wcslen(text));
    int dumps = 0;
    for (size_t i = 0; i + 2 < lines.size(); ++i)
    {
        if (lines[i].size() > 10 && lines[i].compare(lines[i].size() - 10, 10, L"Send Data:") == 0)
        {
            const std::wstring& hex = lines[i + 1];
            std::wstring digits = hex.substr(hex.rfind(L" : ") + 3);
            EXPECT_FALSE(digits.empty());
            EXPECT_EQ(std::wstring::npos, digits.find_first_not_of(L"0123456789abcdef")) << i;
            EXPECT_EQ(L"", lines[i + 2]);
            ++dumps;
        }
    }
    EXPECT_GT(dumps, 20);
}
}  // namespace

namespace
{
TEST(EndToEndTest, AboutBoxEscAndEnter)
{
    const std::wstring bin = testsupport::ExeFolder();
    const std::wstring m00 = bin + L"\\master.m00";
    DeleteFileW(m00.c_str());

    CBoardSimulator sim;
    sim.AddDevice(CBoardSimulator::Board());
    ASSERT_TRUE(sim.Start());
    sim.Publish();

    ProgramDriver app;
    ASSERT_TRUE(app.Start(bin + L"\\Pyrolet_D.exe", bin));
    HWND dlg = app.WaitForWindow(kCaption, 20000);
    ASSERT_NE(nullptr, dlg);

    // The About item of the system menu, closed by its OK button.
    PostMessageW(dlg, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = app.WaitForWindow(L"Pyrolet_D 1.2.4", 10000);
    ASSERT_NE(nullptr, about);
    ClickButton(about, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }, 10000));

    // A master image chosen, so that a converted file lies beside the program.
    ClickButton(dlg, IDC_BUTTON_SELECT_FILE);
    HWND select = app.WaitForWindow(L"Select File", 10000);
    ASSERT_NE(nullptr, select);
    ClickButton(select, IDC_BUTTON_BROWSE_MASTER);
    ASSERT_TRUE(app.AnswerOpenDialog(bin + L"\\samples\\master.out", 15000));
    ASSERT_TRUE(WaitUntil([&] { return !WindowText(GetDlgItem(select, IDC_EDIT_MASTER_FILE)).empty(); }, 20000));
    ClickButton(select, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(select); }, 10000));

    // Esc is ignored; Enter ends the program and leaves the converted file.
    PostMessageW(dlg, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(app.WaitForExit(1000));
    PostMessageW(dlg, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(app.WaitForExit(20000));
    EXPECT_EQ(0u, app.ExitCode()) << "an error or a crash at exit";
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(m00.c_str()));
    DeleteFileW(m00.c_str());
}
}  // namespace
