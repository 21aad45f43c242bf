// Merrowick.exe driven as an operator would drive it: the real program runs
// in its own process with the stand-in HID DLLs, against the board
// simulator's data receiver running in this process. Each test works in a
// folder of its own holding a copy of the program, so that "Halvick.log"
// starts empty and the .bin files can be checked afterwards.
#include "CBoardSimulator.h"
#include "ProgramDriver.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const wchar_t kCaption[] = L"Merrowick V1.0.1_beta5";
const int IDC_LIST_LOG = 1003;
const int IDC_BUTTON_CLEAR = 1004;
const int IDC_BUTTON_SEND = 1005;
const int IDC_BUTTON_STOP = 1007;
const int IDC_EDIT_PATH = 1009;
const int IDC_BUTTON_CHOOSE = 1010;
const int IDC_PROGRESS_SEND = 1011;

// A .bin file takes much less than this to send; the waits of the program's
// own (50 bridge tries, seven read waits) are longer and are given their own.
const DWORD kStep = 20000;

using Lines = std::vector<std::wstring>;

std::wstring ExeFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring s = path;
    return s.substr(0, s.find_last_of(L"\\/"));
}

// What the program's text-mode log holds for a message: narrow text in the
// ANSI code page (both processes share it).
std::string Ansi(const std::wstring& w)
{
    int n = WideCharToMultiByte(CP_ACP, 0, w.c_str(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(n, '\0');
    WideCharToMultiByte(CP_ACP, 0, w.c_str(), static_cast<int>(w.size()), &s[0], n, nullptr, nullptr);
    return s;
}

std::vector<std::string> Ansi(const Lines& lines)
{
    std::vector<std::string> out;
    for (const auto& l : lines)
        out.push_back(Ansi(l));
    return out;
}

Lines operator+(Lines a, const Lines& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Lines Repeat(const Lines& block, size_t times)
{
    Lines out;
    for (size_t i = 0; i < times; ++i)
        out = out + block;
    return out;
}

// Log lines of one acknowledged packet, followed by its own message.
Lines FilePacket(const std::wstring& message)
{
    return {L"End Write", L"Begin Read", L"End Read", message};
}

// Rows and file lines of one clean attempt that sends n bytes.
struct Expected {
    Lines rows;
    Lines file;
};

Expected CleanAttempt(size_t n)
{
    const size_t d = n - 32;
    const int r = static_cast<int>(d % 64);
    const size_t p = d / 64 + (r ? 1 : 0);
    Expected e;
    e.rows = {L"开始检测USB...", L"Open USB Success", L"DataHead Send Success"};
    e.file = {L"开始检测USB...", L"Open USB Success"};
    e.file = e.file + FilePacket(L"DataHead Send Success");
    if (p >= 1) {
        e.rows = e.rows + Repeat({L"Send Data Success!"}, p - 1);
        e.file = e.file + Repeat(FilePacket(L"Send Data Success!"), p - 1);
        e.rows.push_back(r ? L"Send The Last Data Success" : L"Send The Last Data Success!");
        e.file = e.file + FilePacket(r ? L"Send The Last Data Sucesss" : L"Send The Last Data Success!");
    }
    e.rows.push_back(L"Send Data Complete!");
    e.file.push_back(L"Send Data Complete!");
    e.file.push_back(L"Num:" + std::to_wstring(r) + L" TotalCount:" + std::to_wstring(p));
    return e;
}

class MerrowickTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::wstring(temp) + L"merrowick-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::wstring(info->name(), info->name() + strlen(info->name()));
        CreateDirectoryW(m_dir.c_str(), nullptr);
        for (const wchar_t* f : {L"Merrowick.exe", L"hid.dll", L"setupapi.dll"})
            ASSERT_TRUE(CopyFileW((ExeFolder() + L"\\" + f).c_str(), (m_dir + L"\\" + f).c_str(), FALSE))
                << "missing beside the test: " << std::string(f, f + wcslen(f));
        m_peer = m_sim.AddDevice(CBoardSimulator::Peer());
        ASSERT_TRUE(m_sim.Start());
        m_sim.Publish();   // the program inherits the device list
    }

    void TearDown() override
    {
        if (m_app.Running()) {
            if (m_dlg)
                PostMessageW(m_dlg, WM_CLOSE, 0, 0);
            if (!m_app.WaitForExit(15000))
                m_app.Kill();
        }
        // The program's own end (not the driver's) must be clean: a crash
        // while closing shows only here.
        if (m_app.Pid() != 0 && !m_app.Killed()) {
            EXPECT_EQ(0u, m_app.ExitCode()) << "Merrowick ended with an error or crashed at exit";
        }
        m_sim.Stop();
        WIN32_FIND_DATAW fd;
        HANDLE h = FindFirstFileW((m_dir + L"\\*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do
                DeleteFileW((m_dir + L"\\" + fd.cFileName).c_str());
            while (FindNextFileW(h, &fd));
            FindClose(h);
        }
        RemoveDirectoryW(m_dir.c_str());
    }

    // Starts the program and waits for its dialog; with the bridge missing
    // the start-up message box is answered first.
    void Launch(bool expectBridge = true)
    {
        ASSERT_TRUE(m_app.Start(m_dir + L"\\Merrowick.exe", m_dir));
        if (!expectBridge) {
            HWND box = m_app.WaitForDialogWithText(L"Open USB Fail", kStep);
            ASSERT_NE(nullptr, box) << "no start-up message box";
            PostCommand(box, IDOK);
        }
        m_dlg = m_app.WaitForWindow(kCaption, kStep);
        ASSERT_NE(nullptr, m_dlg);
        // The dialog is up once its first row is there.
        ASSERT_TRUE(WaitUntil([&] { return !Rows().empty(); }, kStep));
    }

    // Column 1 of every row; column 0 is checked to hold the time.
    Lines Rows() const
    {
        Lines out;
        for (const auto& row : ReadListView(GetDlgItem(m_dlg, IDC_LIST_LOG))) {
            EXPECT_EQ(2u, row.size());
            if (row.size() < 2)
                continue;
            EXPECT_EQ(8u, row[0].size()) << "time column: " << std::string(row[0].begin(), row[0].end());
            out.push_back(row[1]);
        }
        return out;
    }

    // Waits until the list holds exactly the expected rows; when it does not
    // within ms, the failure shows what the list held.
    ::testing::AssertionResult WaitForRows(const Lines& expected, DWORD ms = kStep) const
    {
        Lines seen;
        if (WaitUntil([&] { return (seen = Rows()) == expected; }, ms))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the list held " << seen.size() << " rows, " << expected.size()
                                             << " expected:\n" << Utf8(seen) << "expected:\n" << Utf8(expected)
                                             << Describe(GetDlgItem(m_dlg, IDC_LIST_LOG));
    }

    // Which window the test talks to, whose it is, whether it answers, and
    // the ids of the dialog's controls (another process once renumbered them).
    std::string Describe(HWND wnd) const
    {
        DWORD pid = 0;
        GetWindowThreadProcessId(wnd, &pid);
        DWORD_PTR count = 0;
        LRESULT answered = SendMessageTimeoutW(wnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
        DWORD error = answered ? 0 : GetLastError();
        std::string ids;
        for (HWND c = GetWindow(m_dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            ids += " " + std::to_string(GetDlgCtrlID(c));
        char text[256];
        snprintf(text, sizeof text, "dialog %p (alive %d), control %p of process %lu (the program is %lu), "
                 "answered %d (error %lu); control ids:",
                 (void*)m_dlg, IsWindow(m_dlg), (void*)wnd, pid, m_app.Pid(), (int)answered, error);
        return text + ids + "\n";
    }

    static std::string Utf8(const Lines& lines)
    {
        std::string out;
        for (const auto& l : lines) {
            int n = WideCharToMultiByte(CP_UTF8, 0, l.c_str(), static_cast<int>(l.size()), nullptr, 0, nullptr, nullptr);
            std::string s(n, '\0');
            WideCharToMultiByte(CP_UTF8, 0, l.c_str(), static_cast<int>(l.size()), &s[0], n, nullptr, nullptr);
            out += "  " + s + "\n";
        }
        return out;
    }

    bool WaitForRow(const std::wstring& text, DWORD ms = kStep) const
    {
        return WaitUntil([&] {
            Lines rows = Rows();
            return std::find(rows.begin(), rows.end(), text) != rows.end();
        }, ms);
    }

    // The lines of Halvick.log without their time stamps; each line must
    // carry a well-formed one and end in CR LF.
    std::vector<std::string> LogLines() const
    {
        std::ifstream in(Path(L"Halvick.log"), std::ios::binary);
        std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<std::string> out;
        size_t pos = 0;
        while (pos < all.size()) {
            size_t end = all.find("\r\n", pos);
            EXPECT_NE(std::string::npos, end) << "unterminated last line";
            if (end == std::string::npos)
                end = all.size();
            std::string line = all.substr(pos, end - pos);
            pos = end + 2;
            // "2024-05-01 12:34:56.789 : "
            bool stamped = line.size() >= 26 && line[4] == '-' && line[7] == '-' && line[10] == ' ' &&
                           line[13] == ':' && line[16] == ':' && line[19] == '.' &&
                           line.compare(23, 3, " : ") == 0;
            EXPECT_TRUE(stamped) << line;
            out.push_back(stamped ? line.substr(26) : line);
        }
        return out;
    }

    std::string Path(const std::wstring& name) const
    {
        std::wstring w = m_dir + L"\\" + name;
        return std::string(w.begin(), w.end());
    }

    // A file of n bytes that differ from packet to packet.
    std::vector<uint8_t> WriteBin(const std::wstring& name, size_t n) const
    {
        std::vector<uint8_t> bytes(n);
        for (size_t i = 0; i < n; ++i)
            bytes[i] = static_cast<uint8_t>(i * 7 + i / 64);
        std::ofstream(Path(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), n);
        return bytes;
    }

    void Choose(const std::wstring& name)
    {
        std::wstring path = m_dir + L"\\" + name;
        ClickButton(m_dlg, IDC_BUTTON_CHOOSE);
        ASSERT_TRUE(m_app.AnswerOpenDialog(path, kStep));
        std::wstring seen;
        ASSERT_TRUE(WaitUntil([&] { return (seen = WindowText(GetDlgItem(m_dlg, IDC_EDIT_PATH))) == path; }, kStep))
            << "the path field shows \"" << Utf8({seen}) << "\"" << Describe(GetDlgItem(m_dlg, IDC_EDIT_PATH));
    }

    // The receiver's replies: the first `skip` pass, then `count` of them
    // (-1: all that follow) are spoilt by `kind`.
    void PeerFault(SimFaultKind kind, int skip, int count = 1)
    {
        SimFault fault;
        fault.kind = kind;
        fault.target = SimTarget::Peer;
        fault.skip = skip;
        fault.count = count;
        m_sim.InjectFault(m_peer, fault);
    }

    // Chooses the file and presses Send.
    void SendFile(const std::wstring& name)
    {
        Choose(name);
        ClickButton(m_dlg, IDC_BUTTON_SEND);
    }

    std::vector<uint8_t> Received()
    {
        return m_sim.Inspect(m_peer, [](CSimDevice& d) { return d.Received(); });
    }

    // Declared lengths of the packets the receiver got, in order.
    std::vector<int> PacketLengths() const
    {
        std::vector<int> out;
        for (const SimRecord& r : m_sim.Records(m_peer, SimRecord::Packet))
            out.push_back(static_cast<int>(r.count));
        return out;
    }

    // The bar's upper limit or position; -1 (and a failure) when the bar
    // cannot be asked, so that a lost query never reads as a value of 0.
    int Progress(bool high) const
    {
        HWND bar = GetDlgItem(m_dlg, IDC_PROGRESS_SEND);
        if (!bar) {
            ADD_FAILURE() << "no progress bar in the dialog: " << Describe(bar);
            return -1;
        }
        DWORD_PTR value = 0;
        if (!SendMessageTimeoutW(bar, high ? PBM_GETRANGE : PBM_GETPOS, high ? FALSE : 0, 0, SMTO_ABORTIFHUNG,
                                 5000, &value)) {
            ADD_FAILURE() << "the progress bar did not answer, error " << GetLastError();
            return -1;
        }
        return static_cast<int>(value);
    }

    std::wstring SendCaption() const { return WindowText(GetDlgItem(m_dlg, IDC_BUTTON_SEND)); }

    CBoardSimulator m_sim;
    int m_peer = 0;
    std::wstring m_dir;
    ProgramDriver m_app;
    HWND m_dlg = nullptr;
};

// Packet lengths of a clean send of n bytes.
std::vector<int> Packets(size_t n)
{
    std::vector<int> out{32};
    for (size_t left = n - 32; left > 0; left -= std::min<size_t>(left, 64))
        out.push_back(static_cast<int>(std::min<size_t>(left, 64)));
    return out;
}

TEST_F(MerrowickTest, SendsFilesOfEveryShapeInAcknowledgedPackets)
{
    Launch();
    // The start-up connection is in list and file; the log file starts empty.
    EXPECT_EQ(Lines{L"Open USB Success"}, Rows());
    EXPECT_EQ(Ansi(Lines{L"Open USB Success"}), LogLines());

    Lines rows{L"Open USB Success"};
    Lines file{L"Open USB Success"};
    // Head only, one full last packet, a short last packet after data, more.
    for (size_t n : {32u, 96u, 100u, 32u + 64u * 6u + 17u}) {
        SCOPED_TRACE(n);
        std::wstring name = L"f" + std::to_wstring(n) + L".bin";
        std::vector<uint8_t> bytes = WriteBin(name, n);
        m_sim.ClearRecords();
        m_sim.Inspect(m_peer, [](CSimDevice& d) { d.ClearReceived(); return 0; });

        Choose(name);
        ClickButton(m_dlg, IDC_BUTTON_SEND);
        Expected e = CleanAttempt(n);
        rows = rows + Lines{L"Start Halvick"} + e.rows;
        file = file + Lines{L"Start Halvick"} + e.file;
        ASSERT_TRUE(WaitForRows(rows));
        // The worker has ended once Send starts another (checked by the next round).
        ASSERT_TRUE(WaitUntil([&] { return LogLines().size() == file.size(); }, kStep));

        EXPECT_EQ(Ansi(file), LogLines());
        EXPECT_EQ(bytes, Received());
        EXPECT_EQ(Packets(n), PacketLengths());
        const int p = static_cast<int>(Packets(n).size()) - 1;
        EXPECT_EQ(p, Progress(true));
        EXPECT_EQ(p, Progress(false));
    }

    // Clear empties the list; the file keeps every line.
    ClickButton(m_dlg, IDC_BUTTON_CLEAR);
    ASSERT_TRUE(WaitUntil([&] { return Rows().empty(); }, kStep));
    EXPECT_EQ(Ansi(file), LogLines());
}

TEST_F(MerrowickTest, HeadWithoutAcknowledgementStartsOverFromTheBridge)
{
    Launch();
    std::vector<uint8_t> bytes = WriteBin(L"a.bin", 100);
    // The reply to the head carries no 0x06.
    PeerFault(SimFaultKind::NoAck, 0);

    SendFile(L"a.bin");
    ASSERT_TRUE(WaitForRow(L"Send Data Complete!"));

    Expected e = CleanAttempt(100);
    Lines failed{L"开始检测USB...", L"Open USB Success", L"Error:Recv Data Error1", L"DataHead Fail"};
    EXPECT_EQ((Lines{L"Open USB Success", L"Start Halvick"} + failed + e.rows), Rows());
    Lines failedFile{L"开始检测USB...", L"Open USB Success", L"End Write", L"Begin Read", L"End Read",
                     L"Error:Recv Data Error1", L"DataHead Fail"};
    ASSERT_TRUE(WaitUntil([&] { return LogLines().size() == 2 + failedFile.size() + e.file.size(); }, kStep));
    EXPECT_EQ(Ansi(Lines{L"Open USB Success", L"Start Halvick"} + failedFile + e.file), LogLines());

    // The head went twice, the data once.
    std::vector<uint8_t> expected(bytes.begin(), bytes.begin() + 32);
    expected.insert(expected.end(), bytes.begin(), bytes.end());
    EXPECT_EQ(expected, Received());
}

TEST_F(MerrowickTest, AnAcknowledgementByteAnywhereInTheReplyAcceptsThePacket)
{
    Launch();
    std::vector<uint8_t> bytes = WriteBin(L"a.bin", 100);
    // Head, a full packet and the last one, each answered with its 0x06 at
    // another place of the report's payload: second, last, among other bytes.
    std::vector<uint8_t> last(64, 0);
    last[63] = 0x06;
    const std::vector<std::vector<uint8_t>> replies = {{0x00, 0x06}, last, {0x15, 0x99, 0x66, 0x06, 0x15}};
    for (size_t i = 0; i < replies.size(); ++i) {
        SimFault fault;
        fault.kind = SimFaultKind::Reply;
        fault.target = SimTarget::Peer;
        fault.skip = static_cast<int>(i);
        fault.bytes = replies[i];
        m_sim.InjectFault(m_peer, fault);
    }

    SendFile(L"a.bin");
    ASSERT_TRUE(WaitForRow(L"Send Data Complete!"));
    Expected e = CleanAttempt(100);
    EXPECT_EQ((Lines{L"Open USB Success", L"Start Halvick"} + e.rows), Rows());
    EXPECT_EQ(bytes, Received());
    EXPECT_EQ(Packets(100), PacketLengths());
}

TEST_F(MerrowickTest, FailureInTheMiddleRestartsFromTheHead)
{
    Launch();
    const size_t n = 32 + 64 * 8;
    std::vector<uint8_t> bytes = WriteBin(L"a.bin", n);
    // Data packet 5 (after the head and five good ones) is not acknowledged.
    PeerFault(SimFaultKind::NoAck, 6);

    SendFile(L"a.bin");
    ASSERT_TRUE(WaitForRow(L"Send Data Complete!"));

    Lines rows = Rows();
    Lines firstAttempt = Lines{L"开始检测USB...", L"Open USB Success", L"DataHead Send Success"} +
                         Repeat({L"Send Data Success!"}, 5) + Lines{L"Error:Recv Data Error1", L"Send Data Fail!"};
    EXPECT_EQ((Lines{L"Open USB Success", L"Start Halvick"} + firstAttempt + CleanAttempt(n).rows), rows);

    // Head and packets 0 to 5 of the failed attempt, then everything again.
    std::vector<uint8_t> expected(bytes.begin(), bytes.begin() + 32 + 64 * 6);
    expected.insert(expected.end(), bytes.begin(), bytes.end());
    EXPECT_EQ(expected, Received());
    // The count restarted: the bar ends at the file's packet count.
    EXPECT_EQ(8, Progress(false));
}

TEST_F(MerrowickTest, ShortOutputReportsCarryCutPacketsJudgedByTheirAcknowledgements)
{
    // Output reports of 40 bytes carry 36 payload bytes: the head and the
    // last packet go whole, the data packet cut, and the peer's
    // acknowledgement of each decides.
    m_sim.Stop();
    CBoardSimulator shortSim;
    const int peer = shortSim.AddDevice(CBoardSimulator::Peer(65, 40));
    ASSERT_TRUE(shortSim.Start());
    shortSim.Publish();
    Launch();
    std::vector<uint8_t> bytes = WriteBin(L"a.bin", 100);

    SendFile(L"a.bin");
    ASSERT_TRUE(WaitForRow(L"Send Data Complete!"));
    EXPECT_EQ((Lines{L"Open USB Success", L"Start Halvick"} + CleanAttempt(100).rows), Rows());

    std::vector<int> declared;
    std::vector<uint8_t> carried;
    for (const SimRecord& r : shortSim.Records(peer, SimRecord::Packet)) {
        declared.push_back(static_cast<int>(r.count));
        carried.insert(carried.end(), r.bytes.begin(), r.bytes.end());
    }
    EXPECT_EQ((std::vector<int>{32, 64, 4}), declared);
    std::vector<uint8_t> expected(bytes.begin(), bytes.begin() + 32 + 36);
    expected.insert(expected.end(), bytes.end() - 4, bytes.end());
    EXPECT_EQ(expected, carried);

    // The program ends before the bridge it talks to goes away.
    PostMessageW(m_dlg, WM_CLOSE, 0, 0);
    EXPECT_TRUE(m_app.WaitForExit(kStep));
}

TEST_F(MerrowickTest, LastPacketFailureLogsTheCounts)
{
    Launch();
    WriteBin(L"a.bin", 100);
    // The last 4-byte packet fails in the first attempt.
    PeerFault(SimFaultKind::NoAck, 2);

    SendFile(L"a.bin");
    ASSERT_TRUE(WaitForRow(L"Send Data Complete!"));
    ASSERT_TRUE(WaitUntil([&] { return !LogLines().empty() && LogLines().back() == "Num:4 TotalCount:2"; }, kStep));

    std::vector<std::string> lines = LogLines();
    auto fail = std::find(lines.begin(), lines.end(), "Send The Last Data Fail");
    ASSERT_NE(lines.end(), fail);
    ASSERT_NE(lines.end(), fail + 1);
    EXPECT_EQ("Num:4 TotalCount:1", *(fail + 1));
}

TEST_F(MerrowickTest, UnpluggedBridgeIsLookedForAgainAndFoundWhenBack)
{
    // Started without the bridge: list, file and message box say so.
    m_sim.Unplug(m_peer);
    Launch(false);
    EXPECT_EQ(Lines{L"Open USB Fail"}, Rows());
    EXPECT_EQ(Ansi(Lines{L"Open USB Fail"}), LogLines());

    const size_t n = 32 + 64 * 3;
    std::vector<uint8_t> bytes = WriteBin(L"a.bin", n);
    SendFile(L"a.bin");
    // Fifty tries 500 ms apart, then the next attempt, during which the
    // bridge comes back.
    ASSERT_TRUE(WaitUntil([&] { return Rows().size() >= 5; }, 40000));
    Lines first = Rows();
    first.resize(5);
    EXPECT_EQ((Lines{L"Open USB Fail", L"Start Halvick", L"开始检测USB...", L"Open USB Fail", L"开始检测USB..."}), first);
    m_sim.Replug(m_peer);
    ASSERT_TRUE(WaitForRow(L"Send Data Complete!"));
    EXPECT_EQ(bytes, Received());

    // Unplugged in the middle of a send: the packet fails and the bridge is
    // looked for again from the head.
    m_sim.ClearRecords();
    m_sim.Inspect(m_peer, [](CSimDevice& d) { d.ClearReceived(); return 0; });
    PeerFault(SimFaultKind::Unplug, 2);
    ClickButton(m_dlg, IDC_BUTTON_CLEAR);
    ASSERT_TRUE(WaitUntil([&] { return Rows().empty(); }, kStep));
    ClickButton(m_dlg, IDC_BUTTON_SEND);
    ASSERT_TRUE(WaitUntil([&] {
        Lines rows = Rows();
        return std::count(rows.begin(), rows.end(), L"开始检测USB...") == 2;
    }, 40000));
    m_sim.Replug(m_peer);
    ASSERT_TRUE(WaitForRow(L"Send Data Complete!", 60000));
    Lines rows = Rows();
    auto failed = std::find(rows.begin(), rows.end(), L"Send Data Fail!");
    EXPECT_NE(rows.end(), failed);
    // After the failure the head and all data went again.
    std::vector<uint8_t> received = Received();
    ASSERT_GE(received.size(), n);
    EXPECT_EQ(bytes, std::vector<uint8_t>(received.end() - n, received.end()));
}

TEST_F(MerrowickTest, TooShortFileSendsNothingAndSendWorksAgain)
{
    Launch();
    WriteBin(L"short.bin", 31);
    std::vector<uint8_t> bytes = WriteBin(L"ok.bin", 40);
    SendFile(L"short.bin");
    ASSERT_TRUE(WaitForRow(L"Open File Fail!"));
    Sleep(1000);
    EXPECT_EQ((Lines{L"Open USB Success", L"Start Halvick", L"Open File Fail!"}), Rows());
    // Only in the list; the file has no line for it.
    EXPECT_EQ(Ansi(Lines{L"Open USB Success", L"Start Halvick"}), LogLines());
    EXPECT_TRUE(Received().empty());

    // The worker has ended and released the file: Send starts a new one.
    SendFile(L"ok.bin");
    ASSERT_TRUE(WaitForRow(L"Send Data Complete!"));
    EXPECT_EQ(bytes, Received());
}

TEST_F(MerrowickTest, FileThatCannotBeOpenedIsReported)
{
    Launch();
    // A typed path is never read back: Send opens the empty path.
    WriteBin(L"typed.bin", 100);
    SetWindowTextRemote(GetDlgItem(m_dlg, IDC_EDIT_PATH), m_dir + L"\\typed.bin");
    ClickButton(m_dlg, IDC_BUTTON_SEND);
    ASSERT_TRUE(WaitForRow(L"打开文件失败"));
    EXPECT_EQ(L"发送", SendCaption());

    // A chosen file held by another program.
    WriteBin(L"held.bin", 100);
    Choose(L"held.bin");
    std::wstring held = m_dir + L"\\held.bin";
    HANDLE h = CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    ClickButton(m_dlg, IDC_BUTTON_SEND);
    ASSERT_TRUE(WaitUntil([&] {
        Lines rows = Rows();
        return std::count(rows.begin(), rows.end(), L"打开文件失败") == 2;
    }, kStep));
    CloseHandle(h);

    EXPECT_EQ((Lines{L"Open USB Success", L"Start Halvick", L"打开文件失败", L"Start Halvick", L"打开文件失败"}), Rows());
    ASSERT_TRUE(WaitUntil([&] { return LogLines().size() == 5; }, kStep));
    EXPECT_EQ(Ansi(Lines{L"Open USB Success", L"Start Halvick", L"打开文件失败", L"Start Halvick", L"打开文件失败"}),
              LogLines());
    EXPECT_TRUE(Received().empty());
}

TEST_F(MerrowickTest, StopEndsASendAndNothingIsSentAfterIt)
{
    Launch();
    // Stop while idle: only the caption and the message.
    ClickButton(m_dlg, IDC_BUTTON_STOP);
    ASSERT_TRUE(WaitForRow(L"Stop Test!!!!!!!!"));
    EXPECT_EQ(L"发送数据", SendCaption());

    // More than 65,535 packets: the bar's range holds the whole count.
    const size_t packets = 70000;
    WriteBin(L"big.bin", 32 + 64 * packets);
    // The receiver goes silent after the head and three packets, so the
    // worker sits in a read when Stop comes.
    PeerFault(SimFaultKind::Silence, 4, -1);

    SendFile(L"big.bin");
    ASSERT_TRUE(WaitUntil([&] { return PacketLengths().size() == 5; }, kStep));
    EXPECT_EQ(static_cast<int>(packets), Progress(true));
    EXPECT_EQ(3, Progress(false));
    // A second Send while the worker runs does nothing.
    ClickButton(m_dlg, IDC_BUTTON_SEND);
    Sleep(300);

    ClickButton(m_dlg, IDC_BUTTON_STOP);
    ASSERT_TRUE(WaitUntil([&] {
        Lines rows = Rows();
        return std::count(rows.begin(), rows.end(), L"Stop Test!!!!!!!!") == 2;
    }, kStep));
    EXPECT_EQ(L"发送数据", SendCaption());
    Lines rows = Rows();
    EXPECT_EQ(L"Stop Test!!!!!!!!", rows.back());
    EXPECT_EQ(1, std::count(rows.begin(), rows.end(), L"Start Halvick"));
    EXPECT_EQ("Stop Test!!!!!!!!", LogLines().back());

    // Well past the read's 10.5 s: nothing more was sent, written or shown.
    size_t sent = PacketLengths().size();
    size_t lines = LogLines().size();
    Sleep(12000);
    EXPECT_EQ(sent, PacketLengths().size());
    EXPECT_EQ(lines, LogLines().size());
    EXPECT_EQ(rows, Rows());

    // The stopped worker let go of the file: it can be opened exclusively,
    // and a new send of it goes through.
    HANDLE h = CreateFileW((m_dir + L"\\big.bin").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, h);
    CloseHandle(h);
    m_sim.ClearFaults(m_peer);
    std::vector<uint8_t> small = WriteBin(L"big.bin", 100);
    m_sim.Inspect(m_peer, [](CSimDevice& d) { d.ClearReceived(); return 0; });
    ClickButton(m_dlg, IDC_BUTTON_SEND);
    ASSERT_TRUE(WaitForRow(L"Send Data Complete!"));
    EXPECT_EQ(small, Received());
}

TEST_F(MerrowickTest, ClosingDuringASendEndsTheProgramWithWholeLogLines)
{
    Launch();
    WriteBin(L"a.bin", 32 + 64 * 4);
    PeerFault(SimFaultKind::Silence, 2, -1);
    SendFile(L"a.bin");
    ASSERT_TRUE(WaitUntil([&] { return PacketLengths().size() == 3; }, kStep));

    // Esc closes the dialog like the Close command.
    PostCommand(m_dlg, IDCANCEL);
    ASSERT_TRUE(m_app.WaitForExit(kStep));
    EXPECT_EQ(0u, m_app.ExitCode());
    m_dlg = nullptr;
    EXPECT_EQ(3u, PacketLengths().size());
    // Every line whole (LogLines checks the stamps and line ends).
    std::vector<std::string> lines = LogLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ("Begin Read", lines.back());

    // A later run appends to the same file.
    m_sim.ClearFaults(m_peer);
    Launch();
    std::vector<std::string> after = LogLines();
    ASSERT_EQ(lines.size() + 1, after.size());
    EXPECT_EQ("Open USB Success", after.back());
}

TEST_F(MerrowickTest, LogLineIsDroppedWhileTheFileIsHeld)
{
    Launch();
    std::wstring log = m_dir + L"\\Halvick.log";
    HANDLE h = CreateFileW(log.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    ClickButton(m_dlg, IDC_BUTTON_STOP);
    ASSERT_TRUE(WaitForRow(L"Stop Test!!!!!!!!"));
    CloseHandle(h);

    // The program goes on, and the next line is written.
    WriteBin(L"a.bin", 32);
    SendFile(L"a.bin");
    ASSERT_TRUE(WaitForRow(L"Send Data Complete!"));
    ASSERT_TRUE(WaitUntil([&] { return LogLines().size() >= 3; }, kStep));
    std::vector<std::string> lines = LogLines();
    EXPECT_EQ("Open USB Success", lines[0]);
    EXPECT_EQ("Start Halvick", lines[1]);
    EXPECT_EQ(lines.end(), std::find(lines.begin(), lines.end(), "Stop Test!!!!!!!!"));
}

TEST_F(MerrowickTest, AboutBoxFromTheSystemMenuAndEnterCloses)
{
    Launch();
    // The system menu's About item (low four bits of the id are ignored).
    PostMessageW(m_dlg, WM_SYSCOMMAND, 0x10 | 0x3, 0);
    HWND about = m_app.WaitForWindow(L"关于 Merrowick", kStep);
    ASSERT_NE(nullptr, about);
    EXPECT_NE(nullptr, m_app.FindDialogWithText(L"Merrowick，V1.0 版"));
    EXPECT_EQ(L"确定", WindowText(GetDlgItem(about, IDOK)));
    PostCommand(about, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }, kStep));

    // Enter ends the program like the Close command.
    EXPECT_TRUE(m_app.Running());
    PostCommand(m_dlg, IDOK);
    EXPECT_TRUE(m_app.WaitForExit(kStep));
}

}  // namespace

namespace {

// Not a check: the picture for people to look at. tests/screenshot.sh runs
// this case on a display (MERROWICK_SCREENSHOT names a folder); it writes the
// dialog's screen rectangle to "ready" and waits for "done" while the script
// takes the picture.
class MerrowickPicture : public MerrowickTest {};

TEST_F(MerrowickPicture, DialogAfterASend)
{
    wchar_t folder[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"MERROWICK_SCREENSHOT", folder, MAX_PATH))
        GTEST_SKIP() << "taken by screenshot.sh on a display";
    std::wstring marker = folder;

    Launch();
    WriteBin(L"firmware-data.bin", 32 + 64 * 3 + 5);
    Choose(L"firmware-data.bin");
    ClickButton(m_dlg, IDC_BUTTON_SEND);
    ASSERT_TRUE(WaitForRow(L"Send Data Complete!"));
    Sleep(500);   // let the last row and the bar paint
    for (const std::wstring& row : Rows()) {
        int n = WideCharToMultiByte(CP_UTF8, 0, row.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string utf8(n, '\0');
        WideCharToMultiByte(CP_UTF8, 0, row.c_str(), -1, &utf8[0], n, nullptr, nullptr);
        printf("row: %s\n", utf8.c_str());
    }

    RECT rc;
    GetWindowRect(m_dlg, &rc);
    std::string rect = std::to_string(rc.left) + " " + std::to_string(rc.top) + " " +
                       std::to_string(rc.right - rc.left) + " " + std::to_string(rc.bottom - rc.top) + "\n";
    std::string ready(marker.begin(), marker.end());
    std::ofstream(ready + "\\ready.tmp") << rect;
    MoveFileW((marker + L"\\ready.tmp").c_str(), (marker + L"\\ready").c_str());
    EXPECT_TRUE(WaitUntil([&] { return GetFileAttributesW((marker + L"\\done").c_str()) != INVALID_FILE_ATTRIBUTES; },
                          60000));
}

}  // namespace
