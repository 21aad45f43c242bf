// The protocol's pauses in each update sequence: their values and their
// places among the log lines, for the master and the slave.
#include "FlasherDialogFixture.h"
#include "ProtocolWait.h"

#include <mutex>

namespace
{
// The pauses asked for, each with the number of log file lines written
// before it (the worker writes its lines and asks its pauses in one thread).
std::mutex g_PauseLock;
std::vector<std::pair<DWORD, size_t>> g_Pauses;
std::wstring g_LogPath;

void RecordPause(DWORD dwMilliseconds)
{
    const size_t nLines = testsupport::ReadLogLines(g_LogPath).size();
    std::lock_guard<std::mutex> lock(g_PauseLock);
    g_Pauses.emplace_back(dwMilliseconds, nLines);
}

// "> TEXT" for an ASCII command written, "> bytes" for a run of binary
// writes, "wait N" for a pause (those between the pieces of one frame left
// out), and the log's own messages; received bytes are left out.
std::wstring SentToken(const std::wstring& hex)
{
    std::wstring text;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
    {
        const wchar_t c = static_cast<wchar_t>(std::stoi(hex.substr(i, 2), nullptr, 16));
        if (c == L'\r')
            continue;
        if (c < 0x20 || c > 0x7E)
            return L"> bytes";
        text += c;
    }
    return L"> " + text;
}

class UpdatePauseTest : public FlasherDialogTest
{
protected:
    void SetUp() override
    {
        FlasherDialogTest::SetUp();
        g_LogPath = m_dir + L"\\Pyrolet_D.log";
        g_Pauses.clear();
        ProtocolWait::SetRecorder(RecordPause);
    }
    void TearDown() override
    {
        ProtocolWait::SetRecorder(nullptr);
        FlasherDialogTest::TearDown();
    }

    static int PieceGaps()
    {
        std::lock_guard<std::mutex> lock(g_PauseLock);
        return (int)std::count_if(g_Pauses.begin(), g_Pauses.end(), [](const std::pair<DWORD, size_t>& p) {
            return p.first == ProtocolWait::BetweenWrites;
        });
    }

    std::vector<std::wstring> Trace() const
    {
        const std::vector<std::wstring> lines = testsupport::ReadLogLines(g_LogPath);
        std::vector<std::pair<DWORD, size_t>> pauses;
        {
            std::lock_guard<std::mutex> lock(g_PauseLock);
            pauses = g_Pauses;
        }
        std::vector<std::wstring> trace;
        size_t nextPause = 0;
        auto add = [&trace](const std::wstring& token) {
            if (!(token == L"> bytes" && !trace.empty() && trace.back() == token))
                trace.push_back(token);
        };
        enum { Message, Sent, Received } next = Message;
        for (size_t i = 0; i <= lines.size(); ++i)
        {
            for (; nextPause < pauses.size() && pauses[nextPause].second <= i; ++nextPause)
                if (pauses[nextPause].first != ProtocolWait::BetweenWrites)
                    add(L"wait " + std::to_wstring(pauses[nextPause].first));
            std::wstring text;
            if (i == lines.size() || !testsupport::SplitLogLine(lines[i], &text))
                continue;
            if (next == Sent)
                add(SentToken(text));
            if (next != Message)
                next = Message;
            else if (text.compare(0, 4, L"Send") == 0)
                next = Sent;
            else if (text.compare(0, 7, L"Receive") == 0)
                next = Received;
            else
                add(text);
        }
        // From the first update line on: the dialog's start is not an update.
        auto first = std::find_if(trace.begin(), trace.end(), [](const std::wstring& t) {
            return t.find(L"update in progress") != std::wstring::npos;
        });
        return std::vector<std::wstring>(first, trace.end());
    }
};

struct PauseCase
{
    const char* name;
    int nButton;
    std::vector<SimFault> faults;
    std::vector<std::wstring> trace;
    int nPieceGaps;
};

void PrintTo(const PauseCase& c, std::ostream* os)
{
    *os << c.name;
}

SimFault SilentBridge(int nReplies)
{
    SimFault f;
    f.kind = SimFaultKind::Silence;
    f.target = SimTarget::Bridge;
    f.count = nReplies;
    return f;
}

// One attempt up to the erase: the master says "Erase Start!" before its
// 9600, the slave after it; 200 ms after each ASCII command; 3 s before the
// erase, 350 ms after its zero bytes, 100 ms after its command.
std::vector<std::wstring> UpToTheErase(bool bSlave)
{
    std::vector<std::wstring> t = {bSlave ? L"Slave cpu update in progress..." : L"Master cpu update in progress..."};
    if (!bSlave)
        t.push_back(L"Erase Start!");
    t.insert(t.end(), {L"> SETBAUD9600", L"wait 200"});
    if (bSlave)
        t.push_back(L"Erase Start!");
    t.insert(t.end(), {bSlave ? L"> FlashUS" : L"> FlashUM", L"wait 200", L"> SETBAUD19200", L"wait 200",
                       L"wait 3000", L"> bytes", L"wait 350", L"> bytes", L"wait 100", L"Erase End!"});
    return t;
}

std::vector<std::wstring> Join(std::initializer_list<std::vector<std::wstring>> parts)
{
    std::vector<std::wstring> all;
    for (const std::vector<std::wstring>& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// The master's reset is logged and followed by 10 s before the closing 9600;
// the slave's is neither.
const std::vector<std::wstring> kMasterTrace = Join({
    UpToTheErase(false),
    {L"Programming in progress,DO NOT interrupt it!", L"> bytes", L"Programming complete,start verify!", L"> bytes",
     L"Verify complete!", L"Master cpu update successfully!", L"> bytes", L"Reset complete!", L"wait 10000",
     L"> SETBAUD9600"},
});
const std::vector<std::wstring> kSlaveTrace = Join({
    UpToTheErase(true),
    {L"Programming in progress ,DO NOT interrupt it!", L"> bytes", L"Programming complete,start verify!", L"> bytes",
     L"Verify complete!", L"Slave cpu update successfully!", L"> SETBAUD9600"},
});
// 10 s between the master's end and the slave's start.
const std::vector<std::wstring> kBothTrace = Join({kMasterTrace, {L"wait 10000"}, kSlaveTrace});
// A minute after each failed attempt but the last.
const std::vector<std::wstring> kFailedAttempt = {L"Master cpu update in progress...", L"Erase Start!",
                                                  L"> SETBAUD9600", L"wait 200"};
const std::vector<std::wstring> kMasterAttemptsTrace = Join({
    kFailedAttempt, {L"wait 60000"}, kFailedAttempt, {L"wait 60000"}, kFailedAttempt,
    {L"Did not receive of ack information set baud9600 !", L"Please Reset Device for Reflash!"},
});

class UpdatePauseTableTest : public UpdatePauseTest, public ::testing::WithParamInterface<PauseCase>
{
};

TEST_P(UpdatePauseTableTest, PausesComeWhereTheSequenceAsksForThem)
{
    const PauseCase& c = GetParam();
    for (const SimFault& f : c.faults)
        m_pSim->InjectFault(m_nBoard, f);
    RunUpdate(c.nButton);
    EXPECT_EQ(c.trace, Trace());
    EXPECT_EQ(c.nPieceGaps, PieceGaps()) << "pauses of 10 ms between the pieces of a frame";
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, UpdatePauseTableTest,
    ::testing::Values(
        // Four master chunks and three slave chunks of 228 bytes: 264-byte
        // frames written as 64, 64, 64, 8 and 64 bytes, four pauses each.
        PauseCase{"master", IDC_BUTTON_UPDATE_MASTER, {}, kMasterTrace, 16},
        PauseCase{"slave", IDC_BUTTON_UPDATE_SLAVE, {}, kSlaveTrace, 12},
        PauseCase{"both", IDC_BUTTON_UPDATE_BOTH, {}, kBothTrace, 16 + 12},
        // A silent bridge: three attempts with the minute between them.
        PauseCase{"masterAttempts", IDC_BUTTON_UPDATE_MASTER, {SilentBridge(3)}, kMasterAttemptsTrace, 0}),
    [](const ::testing::TestParamInfo<PauseCase>& info) { return std::string(info.param.name); });
}  // namespace
