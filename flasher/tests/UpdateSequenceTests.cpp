// The CPU update sequences, passes and workers against the simulated board.
#include "FlasherDialogFixture.h"
#include "ProtocolWait.h"

namespace
{
const wchar_t kReflash[] = L"Please Reset Device for Reflash!";

TEST_F(FlasherDialogTest, MasterUpdateWritesTheImageAndLogsEveryExchange)
{
    m_pSim->Inspect(m_nBoard, [](CSimDevice& d) { d.SetEraseBusy(3, 3); return 0; });
    RunUpdate(IDC_BUTTON_UPDATE_MASTER);

    EXPECT_TRUE(m_pDlg->m_bMasterSuccess);
    EXPECT_TRUE(FlashHoldsImage(SimCpu::Master, g_pFlashImage->Master));
    std::vector<std::wstring> rows = Rows();
    const std::vector<std::wstring> expected = {
        L"Master cpu update in progress...", L"Erase Start!", L"Erase End!",
        L"Programming in progress,DO NOT interrupt it!", L"Programming complete,start verify!",
        L"Verify complete!", L"Master cpu update successfully!", L"Reset complete!"};
    std::vector<std::wstring> tail(rows.end() - std::min(rows.size(), expected.size()), rows.end());
    EXPECT_EQ(expected, tail);

    EXPECT_EQ(3, CountLogLines(L"Erase Status Value(3)"));
    EXPECT_EQ(1, CountLogLines(L"Send data for setting baud rate:"));
    EXPECT_EQ(2, CountLogLines(L"5345544241554439363030"));   // "SETBAUD9600", first and closing
    EXPECT_GE(CountLogLines(L"Receive Data:"), 7);

    // 4 chunks, a region, the key chunk, the key region; then the reset
    // frame carries on from the last sequence number.
    std::vector<SimRecord> frames = Frames();
    ASSERT_EQ(9u, frames.size());
    EXPECT_EQ(0x0A, frames[0].command);
    for (size_t i = 1; i <= 7; ++i)
        EXPECT_EQ(i, frames[i].sequence) << i;
    EXPECT_EQ(0x0D, frames[8].command);
    EXPECT_EQ(8, frames[8].sequence);
    // The closing 9600 after the 10 s pause.
    std::vector<SimRecord> bridge = BridgeCommands();
    ASSERT_FALSE(bridge.empty());
    EXPECT_NE(std::string::npos, bridge.back().text.find("SETBAUD9600"));
}

TEST_F(FlasherDialogTest, ProgramFrameIsWrittenInPiecesEndingWithSixtyFourBytes)
{
    m_pDlg->UpdateMasterCpu();
    // A 264-byte program frame: 64, 64, 64, 8 and 64 bytes.
    std::vector<std::wstring> texts = LogFileTexts();
    auto first = std::find(texts.begin(), texts.end(), L"Programming in progress,DO NOT interrupt it!");
    ASSERT_NE(texts.end(), first);
    std::vector<size_t> sizes;
    for (auto it = first; it != texts.end() && sizes.size() < 5; ++it)
        if (*it == L"Send Data:")
            sizes.push_back((it + 1)->size() / 2);
    EXPECT_EQ((std::vector<size_t>{64, 64, 64, 8, 64}), sizes);
}

TEST_F(FlasherDialogTest, SlaveUpdateWritesTheSlaveFlash)
{
    RunUpdate(IDC_BUTTON_UPDATE_SLAVE);
    EXPECT_TRUE(m_pDlg->m_bSlaveSuccess);
    EXPECT_TRUE(FlashHoldsImage(SimCpu::Slave, g_pFlashImage->Slave));
    EXPECT_EQ(1, CountRows(L"Slave cpu update successfully!"));
    EXPECT_EQ(1, CountRows(L"Programming in progress ,DO NOT interrupt it!"));
    // The slave's reset is judged but not written to the file.
    EXPECT_EQ(1, CountRows(L"Reset complete!"));
    EXPECT_EQ(0, CountLogLines(L"Reset complete!"));
}

// Each failure of the sequence, made to happen so that the third attempt
// fails there: its rows appear once, during that attempt, and its file lines
// as the table says.
struct FailureCase
{
    const char* name;
    bool bSlave;
    std::vector<SimFault> faults;   // skips count the target's replies from the start
    int nEraseBusy;                 // busy erase records before "erased"
    int nTimes;                     // rows and file lines in the last attempt
    std::vector<std::wstring> rows;
    std::vector<std::wstring> fileLines;
    std::vector<std::wstring> notInFile;
};

SimFault Fault(SimFaultKind kind, SimTarget target, int skip, int count, int value = 0, std::vector<uint8_t> bytes = {})
{
    SimFault f;
    f.kind = kind;
    f.target = target;
    f.skip = skip;
    f.count = count;
    f.value = value;
    f.bytes = bytes;
    return f;
}

// The same fault in each of the three attempts, when an attempt has
// nPerAttempt replies of the fault's target.
std::vector<SimFault> EveryAttempt(SimFault f, int nPerAttempt)
{
    std::vector<SimFault> faults;
    for (int attempt = 0; attempt < 3; ++attempt, f.skip += nPerAttempt)
        faults.push_back(f);
    return faults;
}

class SequenceFailureTest : public FlasherDialogTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(SequenceFailureTest, FailureRowsOnlyOnTheThirdAttempt)
{
    const FailureCase& c = GetParam();
    for (const SimFault& f : c.faults)
        m_pSim->InjectFault(m_nBoard, f);
    if (c.nEraseBusy)
        m_pSim->Inspect(m_nBoard, [&](CSimDevice& d) { d.SetEraseBusy(c.nEraseBusy, 7); return 0; });

    RunUpdate(c.bSlave ? IDC_BUTTON_UPDATE_SLAVE : IDC_BUTTON_UPDATE_MASTER);

    EXPECT_FALSE(c.bSlave ? m_pDlg->m_bSlaveSuccess : m_pDlg->m_bMasterSuccess);
    for (const std::wstring& row : c.rows)
        EXPECT_EQ(c.nTimes, CountRows(row)) << std::string(row.begin(), row.end());
    EXPECT_EQ(1, CountRows(c.bSlave ? L"Slave cpu update failure" : L"Master cpu update failure"));
    for (const std::wstring& line : c.fileLines)
        EXPECT_EQ(c.nTimes, CountLogLines(line)) << std::string(line.begin(), line.end());
    for (const std::wstring& line : c.notInFile)
        EXPECT_EQ(0, CountLogLines(line)) << std::string(line.begin(), line.end());
    // Three attempts, each beginning with the 9600 command.
    EXPECT_EQ(3, CountLogLines(L"Send data for setting baud rate:"));
}

const std::wstring kNo9600 = L"Did not receive of ack information set baud9600 !";
const std::wstring kNo19200 = L"Did not receive of ack information set baud19200 !";
const std::wstring kNoAck1 = L"Did not receive erase ack information1, Erase FAILED!";
const std::wstring kNoAck2 = L"Did not receive erase ack information2, Erase FAILED!";
const std::wstring kRejected = L"Receive Error Ack Information !";
const std::wstring kNoM = L"Did not receive erase ack information M, Erase FAILED!";
const std::wstring kNoS = L"Did not receive erase ack information S, Erase FAILED!";

const SimTarget kBridge = SimTarget::Bridge;
const SimTarget kLoader = SimTarget::Loader;
// A CPU whose flash command was answered stays in its loader until a reset,
// so the later attempts find no flash-mode reply either; to fail the third
// attempt at 19200, the first two fail at 9600.
const std::vector<SimFault> k19200Third = {Fault(SimFaultKind::Silence, kBridge, 0, 2),
                                           Fault(SimFaultKind::Silence, kBridge, 4, 1)};
// The slave's key verify answered by one report only, so that the reset
// reply is not preceded by the verify's second report; then the reset refused.
std::vector<SimFault> SlaveResetRefused()
{
    std::vector<uint8_t> ack(18, 0);
    ack[0] = 0x06, ack[1] = 0x99, ack[2] = 0x66, ack[3] = 6, ack[16] = 0x0C;
    std::vector<SimFault> faults = EveryAttempt(Fault(SimFaultKind::Reply, kLoader, 6, 1, 0, ack), 8);
    std::vector<SimFault> resets = EveryAttempt(Fault(SimFaultKind::NoAck, kLoader, 7, 1), 8);
    faults.insert(faults.end(), resets.begin(), resets.end());
    return faults;
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SequenceFailureTest,
    ::testing::Values(
        // Bridge replies of an attempt: 9600, M or S, 19200; loader replies:
        // erase, the frames, reset.
        FailureCase{"no9600", false, {Fault(SimFaultKind::Silence, kBridge, 0, 3)}, 0, 1,
                    {kNo9600, kReflash}, {kNo9600, kReflash}, {}},
        FailureCase{"leadingSpace", true, {Fault(SimFaultKind::Reply, kBridge, 0, 3, 0, {' ', '9', '6', '0', '0'})}, 0, 1,
                    {kNo9600, kReflash}, {kNo9600, kReflash}, {}},
        FailureCase{"noM", false, {Fault(SimFaultKind::Reply, kBridge, 1, 1, 0, {'S'})}, 0, 1, {kNoM}, {kNoM}, {}},
        FailureCase{"slaveGetsM", true, {Fault(SimFaultKind::Reply, kBridge, 1, 1, 0, {'M'})}, 0, 1, {kNoS}, {kNoS}, {}},
        FailureCase{"master19200", false, k19200Third, 0, 1, {kNo19200, kReflash}, {kNo19200, kReflash}, {}},
        FailureCase{"slave19200", true, k19200Third, 0, 1, {kNo19200, kReflash}, {kNo19200}, {kReflash}},
        FailureCase{"eraseAck", false, EveryAttempt(Fault(SimFaultKind::Silence, kLoader, 0, 1), 2), 0, 1,
                    {kNoAck1}, {kNoAck1}, {}},
        FailureCase{"notErased", false, {}, 30, 1, {kNoAck2}, {kNoAck2}, {}},
        // 4 master chunks: erase, 3 rejections of the first chunk, reset.
        // Each rejection shows its rows.
        FailureCase{"masterProgram", false, EveryAttempt(Fault(SimFaultKind::Status, kLoader, 1, 3, 5), 5), 0, 3,
                    {kRejected, kReflash}, {kRejected}, {L"Verify complete!"}},
        // The key's verify frame of the master (pass 4: file lines) and of
        // the slave (pass 4: none); the key chunk of the slave (pass 3: file lines).
        FailureCase{"masterKeyVerify", false, EveryAttempt(Fault(SimFaultKind::Silence, kLoader, 7, 3), 11), 0, 3,
                    {kRejected, kReflash}, {kRejected}, {}},
        FailureCase{"slaveKeyVerify", true, EveryAttempt(Fault(SimFaultKind::Silence, kLoader, 6, 3), 10), 0, 3,
                    {kRejected, kReflash}, {}, {kRejected}},
        FailureCase{"slaveKeyProgram", true, EveryAttempt(Fault(SimFaultKind::Status, kLoader, 5, 3, 9), 9), 0, 3,
                    {kRejected, kReflash}, {kRejected}, {}},
        // Slave reset not acknowledged after a good verify: the file carries
        // the failure the list shows.
        FailureCase{"slaveReset", true, SlaveResetRefused(), 0, 1,
                    {L"Did not receive reset ack information, reset FAILED!"},
                    {L"Did not receive reset ack information, reset FAILED!"}, {}}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST_F(FlasherDialogTest, RejectionFileLinesFollowThePass)
{
    // Master pass 3 (the key chunk): rows, but no file lines. Slave pass 3: both.
    for (const SimFault& f : EveryAttempt(Fault(SimFaultKind::Status, kLoader, 6, 3, 4), 10))
        m_pSim->InjectFault(m_nBoard, f);
    RunUpdate(IDC_BUTTON_UPDATE_MASTER);
    EXPECT_EQ(3, CountRows(kRejected));
    EXPECT_EQ(0, CountLogLines(kRejected));
    EXPECT_EQ(9, CountLogLines(L"Program Status Value(4)"));
}

TEST_F(FlasherDialogTest, RejectedFramesAreSentAgainWithTheSameSequenceBytes)
{
    struct Rejection
    {
        SimFault fault;
        const wchar_t* statusLine;
    };
    const Rejection cases[] = {
        // The last master chunk refused twice, then taken.
        {Fault(SimFaultKind::Status, kLoader, 4, 2, 5), L"Program Status Value(5)"},
        {Fault(SimFaultKind::WrongSequence, kLoader, 4, 2), L"Program Status Value(0)"},
        {Fault(SimFaultKind::NoAck, kLoader, 4, 2), L"Program Status Value(0)"},
        {Fault(SimFaultKind::Silence, kLoader, 4, 2), L"Program Status Value(0)"},
        // Cut before its status byte: the status is the padding that stands
        // for the missing bytes, never the zero the reply was cleared to.
        {Fault(SimFaultKind::ShortReports, kLoader, 4, 2, 10), L"Program Status Value(32)"},
    };
    for (const Rejection& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "fault kind " << (int)c.fault.kind);
        m_pSim->ClearRecords();
        m_pSim->InjectFault(m_nBoard, c.fault);
        const int nLinesBefore = CountLogLines(c.statusLine);

        m_pDlg->m_bMasterSuccess = true;
        g_pFlashImage->Master.SequenceNumber = 0;
        m_pDlg->UpdateMasterCpu();

        // The sequence does not wait for every reply (the reset's may come
        // after its read gave up): before the next case injects its fault,
        // the simulator must have taken this case's last report, the closing
        // 9600, or that fault would land on this case's reset.
        ASSERT_TRUE(PumpUntil([&] { return EndedWithResetAnd9600(); })) << "the closing reports did not arrive";

        EXPECT_TRUE(m_pDlg->m_bMasterSuccess);
        EXPECT_TRUE(FlashHoldsImage(SimCpu::Master, g_pFlashImage->Master));
        EXPECT_EQ(2, CountLogLines(c.statusLine) - nLinesBefore);
        std::vector<SimRecord> program = Frames(0x0B);
        ASSERT_EQ(7u, program.size());   // 3 good, the last one 3 times, the key chunk
        EXPECT_EQ(4, program[3].sequence);
        EXPECT_EQ(4, program[4].sequence);
        EXPECT_EQ(4, program[5].sequence);
        // Pass 2 begins afresh: its frame follows at 5, key chunk 6.
        EXPECT_EQ(6, program[6].sequence);
        EXPECT_EQ(5, Frames(0x0C).front().sequence);
    }
    // Failures before the last attempt show no rows.
    EXPECT_EQ(0, CountRows(kRejected));
}

TEST_F(FlasherDialogTest, FailureBeforeThePassesResetsWithTheFirstSequenceBytes)
{
    m_pSim->Inspect(m_nBoard, [](CSimDevice& d) { d.SetEraseBusy(30, 1); return 0; });
    m_pDlg->UpdateMasterCpu();
    // The reset is not acknowledged here, so the simulator may still be
    // recording it when the sequence returns.
    std::vector<SimRecord> frames;
    PumpUntil([&] { frames = Frames(); return frames.size() >= 2; });
    ASSERT_EQ(2u, frames.size());
    EXPECT_EQ(0x0D, frames[1].command);
    EXPECT_EQ(1, frames[1].sequence);
    EXPECT_EQ(30, CountLogLines(L"Erase Status Value(1)"));
}

TEST_F(FlasherDialogTest, UpdateBothSharesOneProgressScale)
{
    // 300 master frames and 100 slave frames: the slave starts at 75 %.
    MakeImage(g_pFlashImage->Master, MasterBase, MasterKey, 297, 3);
    MakeImage(g_pFlashImage->Slave, SlaveBase, SlaveKey, 97, 4);
    // The slave's first attempt fails at its first chunk, the second succeeds.
    m_pSim->InjectFault(m_nBoard, Fault(SimFaultKind::Status, kLoader, 302 + 1, 3, 5));

    RunUpdate(IDC_BUTTON_UPDATE_BOTH);

    EXPECT_TRUE(m_pDlg->m_bMasterSuccess);
    EXPECT_TRUE(m_pDlg->m_bSlaveSuccess);
    EXPECT_TRUE(FlashHoldsImage(SimCpu::Master, g_pFlashImage->Master));
    EXPECT_TRUE(FlashHoldsImage(SimCpu::Slave, g_pFlashImage->Slave));

    // Master: 0 % at its start, rising to 75; slave attempt 1 goes on from
    // 75, falls back to 75 after its failure; attempt 2 reaches 100.
    std::vector<std::wstring>& t = m_percentTexts;
    ASSERT_GE(t.size(), 4u);
    EXPECT_EQ(L"0 %", t.front());
    auto first75 = std::find(t.begin(), t.end(), L"75 %");
    ASSERT_NE(t.end(), first75);
    for (auto it = first75; it != t.end() - 1; ++it)
        EXPECT_GE(_wtoi(it->c_str()), 75) << std::string(it->begin(), it->end());
    EXPECT_EQ(L"100 %", *(t.end() - 2));
    EXPECT_EQ(L"", t.back());
    EXPECT_EQ(0, m_barPositions.back());
    EXPECT_EQ(0, CountRows(L"Slave cpu update failure"));
}

TEST_F(FlasherDialogTest, PercentageRestartsWithEveryAttempt)
{
    // First attempt: three rejections of the third chunk.
    m_pSim->InjectFault(m_nBoard, Fault(SimFaultKind::Status, kLoader, 3, 3, 5));
    RunUpdate(IDC_BUTTON_UPDATE_MASTER);
    EXPECT_TRUE(m_pDlg->m_bMasterSuccess);
    // 7 frames: 14 %, 28 %, 42 % (three times), then 0 % and again from 14 %.
    const std::vector<std::wstring> expected = {L"0 %", L"14 %", L"28 %", L"42 %", L"42 %", L"42 %", L"0 %",
                                                L"0 %", L"14 %", L"28 %", L"42 %", L"57 %", L"71 %", L"85 %",
                                                L"100 %", L""};
    EXPECT_EQ(expected, m_percentTexts);
}

TEST_F(FlasherDialogTest, CommonEndRestoresTheControls)
{
    m_pDlg->m_bSlaveFileValid = false;
    m_pDlg->UpdateButtonStates();
    Click(IDC_BUTTON_UPDATE_MASTER);
    // During the update: everything that starts device work is off, Close greyed.
    EXPECT_FALSE(m_pDlg->m_btnSelectFile.IsWindowEnabled());
    EXPECT_FALSE(m_pDlg->m_btnUpdateMaster.IsWindowEnabled());
    EXPECT_FALSE(m_pDlg->m_btnConnect.IsWindowEnabled());
    EXPECT_FALSE(CloseItemEnabled());
    HANDLE hWorker = m_pDlg->m_hMasterThread;
    ASSERT_NE(nullptr, hWorker);
    ASSERT_TRUE(PumpUntil([this] { return !m_pDlg->IsUpdateRunning(); }));
    // The stored handle is cleared and closed.
    DWORD dwFlags = 0;
    EXPECT_FALSE(GetHandleInformation(hWorker, &dwFlags));

    EXPECT_TRUE(m_pDlg->m_btnSelectFile.IsWindowEnabled());
    EXPECT_TRUE(m_pDlg->m_btnUpdateMaster.IsWindowEnabled());
    EXPECT_FALSE(m_pDlg->m_btnUpdateSlave.IsWindowEnabled());
    EXPECT_FALSE(m_pDlg->m_btnUpdateBoth.IsWindowEnabled());
    EXPECT_FALSE(m_pDlg->m_btnConnect.IsWindowEnabled());
    EXPECT_TRUE(CloseItemEnabled());
    EXPECT_EQ(CString(), [this] { CString s; m_pDlg->GetDlgItemText(IDC_STATIC_PERCENT, s); return s; }());
    EXPECT_EQ(0, m_pDlg->m_ctlProgress.GetPos());
    ASSERT_FALSE(m_barBackgrounds.empty());
    EXPECT_EQ(RGB(255, 255, 255), m_barBackgrounds.front());
    EXPECT_EQ((COLORREF)0xD8E9EC, m_barBackgrounds.back());
    EXPECT_EQ(nullptr, m_pDlg->m_hMasterThread);
}

TEST_F(FlasherDialogTest, UpdateBothStopsWhenTheMasterFails)
{
    m_pSim->InjectFault(m_nBoard, Fault(SimFaultKind::Silence, kBridge, 0, 3));
    RunUpdate(IDC_BUTTON_UPDATE_BOTH);
    EXPECT_EQ(1, CountRows(L"Master cpu update failure"));
    EXPECT_EQ(0, CountRows(L"Slave cpu update in progress..."));
    EXPECT_TRUE(m_pSim->Records(m_nBoard, SimRecord::CpuCommand).empty());
}

TEST_F(FlasherDialogTest, ImageWithoutFramesIsRefused)
{
    ClearImage(g_pFlashImage->Master);
    const size_t nRows = Rows().size();
    m_pSim->ClearRecords();
    for (int button : {IDC_BUTTON_UPDATE_MASTER, IDC_BUTTON_UPDATE_BOTH})
    {
        m_pDlg->m_btnUpdateBoth.EnableWindow(TRUE);
        Click(button);
        EXPECT_FALSE(m_pDlg->IsUpdateRunning());
    }
    std::vector<std::wstring> rows = Rows();
    ASSERT_EQ(nRows + 2, rows.size());
    EXPECT_NE(std::wstring::npos, rows.back().find(L"update refused"));
    EXPECT_TRUE(m_pSim->Records(m_nBoard, SimRecord::Report).empty());
    EXPECT_TRUE(CloseItemEnabled());
}

TEST_F(FlasherDialogTest, NoBridgeAtTheBeginStep)
{
    m_pSim->Unplug(m_nBoard);
    SetEnvironmentVariableW(L"HIDSIM_DEVICES", L"");
    Click(IDC_BUTTON_UPDATE_MASTER);
    EXPECT_FALSE(m_pDlg->IsUpdateRunning());
    std::vector<std::wstring> rows = Rows();
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(L"Can not find the HID Device!", rows[rows.size() - 2]);
    EXPECT_EQ(L"Check the connection, and click Connect button", rows.back());
    EXPECT_EQ(0, m_pDlg->m_nConnectionState);
    EXPECT_TRUE(m_pDlg->m_btnConnect.IsWindowEnabled());
    EXPECT_FALSE(m_pDlg->m_btnUpdateMaster.IsWindowEnabled());
}

TEST_F(FlasherDialogTest, BridgeWhoseOutputReportCannotCarryABlockIsRefused)
{
    // 65-byte output reports carry 61 payload bytes: every 64-byte block of
    // a frame would reach the flash cut.
    CBoardSimulator shortSim;
    const int nShort = shortSim.AddDevice(CBoardSimulator::Board(65, 65));
    ASSERT_TRUE(shortSim.Start());
    shortSim.Publish();
    const std::wstring refusal = L"The HID Device's output report holds 65 bytes, too few for the 64-byte blocks "
                                 L"of a frame, the device is not used!";

    Click(IDC_BUTTON_CONNECT);
    EXPECT_EQ(0, m_pDlg->m_nConnectionState);
    EXPECT_FALSE(m_pDlg->m_btnUpdateMaster.IsWindowEnabled());
    EXPECT_TRUE(m_pDlg->m_btnConnect.IsWindowEnabled());
    for (int button : {IDC_BUTTON_UPDATE_MASTER, IDC_BUTTON_UPDATE_SLAVE, IDC_BUTTON_UPDATE_BOTH})
    {
        Click(button);
        EXPECT_FALSE(m_pDlg->IsUpdateRunning());
    }
    EXPECT_EQ(4, CountRows(refusal));
    EXPECT_EQ(4, CountLogLines(refusal));
    EXPECT_EQ(0, CountRows(L"Can not find the HID Device!"));
    EXPECT_EQ(L"Check the connection, and click Connect button", Rows().back());
    // Nothing reached the board.
    EXPECT_TRUE(shortSim.Records(nShort, SimRecord::Report).empty());

    // A bridge with whole reports is taken again.
    m_pSim->Publish();
    Click(IDC_BUTTON_CONNECT);
    EXPECT_EQ(L"Find the HID Device OK!", Rows().back());
    EXPECT_EQ(1, m_pDlg->m_nConnectionState);
}

TEST_F(FlasherDialogTest, EnterDuringAnUpdateStopsTheWorkerFirst)
{
    // A silent bridge and the real pause between attempts: Enter must not
    // wait the minute out, nor leave the worker running.
    m_pSim->InjectFault(m_nBoard, Fault(SimFaultKind::Silence, kBridge, 0, 3));
    ProtocolWait::SetScale(1);
    Click(IDC_BUTTON_UPDATE_MASTER);
    ASSERT_TRUE(m_pDlg->IsUpdateRunning());
    ASSERT_TRUE(PumpUntil([this] { return CountLogLines(L"Send data for setting baud rate:") == 1 &&
                                          !m_percentTexts.empty() && m_percentTexts.size() >= 2; }, 30000));
    DWORD start = GetTickCount();
    m_pDlg->SendMessage(WM_COMMAND, IDOK, 0);
    DWORD elapsed = GetTickCount() - start;
    ProtocolWait::SetScale(0);

    EXPECT_FALSE(m_pDlg->IsUpdateRunning());
    EXPECT_EQ(nullptr, m_pDlg->m_hMasterThread);
    EXPECT_LT(elapsed, 30000u) << "the pause between attempts was not cut short";
    EXPECT_EQ(1, CountLogLines(L"Send data for setting baud rate:"));
}
}  // namespace

namespace
{
TEST_F(FlasherDialogTest, StartWithTheBridgeAttached)
{
    // Of the standard window menu, Move and Close remain, then the About item.
    // (Wine's menu carries an item of its own after Close, which stays.)
    CMenu* pMenu = m_pDlg->GetSystemMenu(FALSE);
    std::vector<UINT> ids;
    for (int i = 0; i < pMenu->GetMenuItemCount(); ++i)
        ids.push_back(pMenu->GetMenuItemID(i));
    ASSERT_GE(ids.size(), 3u);
    EXPECT_EQ((UINT)SC_MOVE, ids[0]);
    EXPECT_EQ((UINT)SC_CLOSE, ids[1]);
    EXPECT_EQ((UINT)IDM_ABOUTBOX, ids.back());
    for (UINT gone : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE})
        EXPECT_EQ(ids.end(), std::find(ids.begin(), ids.end(), gone)) << gone;

    EXPECT_EQ(std::vector<std::wstring>{L"Welcome to use Pyrolet!"}, Rows());
    EXPECT_EQ(1, m_pDlg->m_nConnectionState);
    EXPECT_EQ(1, CountLogLines(L"Welcome to use Pyrolet!"));

    // Esc does nothing.
    MSG msg = {m_pDlg->GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0};
    EXPECT_TRUE(m_pDlg->PreTranslateMessage(&msg));
}

TEST_F(FlasherDialogTest, StartAndConnectWithoutTheBridge)
{
    SetEnvironmentVariableW(L"HIDSIM_DEVICES", L"");
    CTarrowindDlg dlg;
    dlg.m_strLogPath = (m_dir + L"\\second.log").c_str();
    ASSERT_TRUE(dlg.Create(CTarrowindDlg::IDD));
    auto rows = [&dlg] {
        std::vector<std::wstring> r;
        for (int i = 0; i < dlg.m_listLog.GetItemCount(); ++i)
            r.push_back((LPCWSTR)dlg.m_listLog.GetItemText(i, 1));
        return r;
    };
    const std::vector<std::wstring> start = {L"Welcome to use Pyrolet!", L"Can not find the HID Device!",
                                             L"Check the connection, and click Connect button"};
    EXPECT_EQ(start, rows());
    EXPECT_TRUE(dlg.m_btnConnect.IsWindowEnabled());
    EXPECT_FALSE(dlg.m_btnUpdateMaster.IsWindowEnabled());

    // The bridge comes back: Connect with both files valid enables all four.
    m_pSim->Publish();
    dlg.m_bMasterFileValid = dlg.m_bSlaveFileValid = true;
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON_CONNECT, BN_CLICKED),
                    reinterpret_cast<LPARAM>(dlg.m_btnConnect.GetSafeHwnd()));
    EXPECT_EQ(L"Find the HID Device OK!", rows().back());
    EXPECT_TRUE(dlg.m_btnConnect.IsWindowEnabled());
    EXPECT_TRUE(dlg.m_btnUpdateMaster.IsWindowEnabled());
    EXPECT_TRUE(dlg.m_btnUpdateSlave.IsWindowEnabled());
    EXPECT_TRUE(dlg.m_btnUpdateBoth.IsWindowEnabled());

    dlg.DestroyWindow();
    CloseHandle(dlg.m_hLogFile);
    dlg.m_hLogFile = INVALID_HANDLE_VALUE;
    dlg.m_HidControl.Close();
}
}  // namespace
