// The flasher's HID link against the simulated bridge, through the stand-in
// HID DLLs. Waits are counted through the link's wait hook, never timed.
#include <gtest/gtest.h>

#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "CBoardSimulator.h"
#include "CHIDControl.h"

namespace
{
using Bytes = std::vector<uint8_t>;

std::mutex g_WaitLock;
std::vector<DWORD> g_Waits;
DWORD g_WaitGiven = 0;

// Records the time-out asked for and waits g_WaitGiven instead: long where a
// report is coming (a loaded machine may take more than the link's 40 ms to
// deliver it), short where the wait must run out.
DWORD RecordWait(DWORD dwMilliseconds, HidLink::WaitFor)
{
    std::lock_guard<std::mutex> lock(g_WaitLock);
    g_Waits.push_back(dwMilliseconds);
    return g_WaitGiven;
}

class HidControlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        HidLink::SetWaitHook(RecordWait);
        g_WaitGiven = 60000;
        TakeWaits();
    }
    void TearDown() override { HidLink::SetWaitHook(nullptr); }

    static std::vector<DWORD> TakeWaits()
    {
        std::lock_guard<std::mutex> lock(g_WaitLock);
        std::vector<DWORD> w;
        w.swap(g_Waits);
        return w;
    }
    // Waits that must run out are cut short; the time-outs asked for are still recorded.
    static void ShortenWaits() { g_WaitGiven = 250; }

    int StartWithBoard(unsigned short nInput = 65, unsigned short nOutput = 69)
    {
        int board = m_Sim.AddDevice(CBoardSimulator::Board(nInput, nOutput));
        EXPECT_TRUE(m_Sim.Start());
        m_Sim.Publish();
        return board;
    }
    bool Eventually(const std::function<bool()>& done)
    {
        for (int i = 0; i < 6000 && !done(); ++i)
            Sleep(10);
        return done();
    }
    static Bytes Text(const char* psz) { return Bytes(psz, psz + std::strlen(psz)); }

    CBoardSimulator m_Sim;
    CHIDControl m_Hid;
};

const int Vid = 0x0084, Pid = 0x0041;
}  // namespace

TEST_F(HidControlTest, NoHidDeviceOrNoBridge)
{
    SetEnvironmentVariableW(hidsim::kDevicesVariable, L"");
    EXPECT_EQ(0, m_Hid.Open(Vid, Pid));
    EXPECT_EQ(0, m_Hid.IsOpen());

    int other = m_Sim.AddDevice(CBoardSimulator::Other(0x046D, 0xC077));
    ASSERT_TRUE(m_Sim.Start());
    m_Sim.Publish();
    EXPECT_EQ(0, m_Hid.Open(Vid, Pid));
    EXPECT_EQ(0, m_Hid.IsOpen());
    EXPECT_EQ(INVALID_HANDLE_VALUE, m_Hid.m_hSync);
    EXPECT_EQ(nullptr, m_Hid.m_pDetailData);
    // the device that did not match was opened, asked and closed again
    EXPECT_TRUE(Eventually([&] { return m_Sim.Records(other, SimRecord::Connect).size() == 1; }));
    EXPECT_TRUE(Eventually([&] { return m_Sim.OpenCount(other) == 0; }));
}

TEST_F(HidControlTest, FindsTheBridgeListedLast)
{
    int mouse = m_Sim.AddDevice(CBoardSimulator::Other(0x046D, 0xC077));
    int sibling = m_Sim.AddDevice(CBoardSimulator::Other(Vid, 0x0042));
    int board = StartWithBoard();
    // a device with the bridge's ids whose path cannot be opened comes before it
    std::wstring list = m_Sim.DevicesVariable();
    size_t cut = list.rfind(L';');
    list.insert(cut, L";hidsim-nobody-serves-this,0084,0041,65,69");
    SetEnvironmentVariableW(hidsim::kDevicesVariable, list.c_str());

    ASSERT_EQ(1, m_Hid.Open(Vid, Pid));
    EXPECT_EQ(1, m_Hid.IsOpen());
    EXPECT_EQ(m_Sim.Devices()[board].Path(), m_Hid.m_pDetailData->DevicePath);
    EXPECT_GE(m_Hid.m_dwRequiredSize, sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W));
    EXPECT_EQ(65, m_Hid.m_Capabilities.InputReportByteLength);
    EXPECT_EQ(69, m_Hid.m_Capabilities.OutputReportByteLength);
    EXPECT_NE(INVALID_HANDLE_VALUE, m_Hid.m_hOverlapped);
    EXPECT_EQ(m_Hid.m_hEvent, m_Hid.m_Overlapped.hEvent);
    for (int skipped : {mouse, sibling})
    {
        EXPECT_TRUE(Eventually([&] { return m_Sim.Records(skipped, SimRecord::Connect).size() == 1; }));
        EXPECT_TRUE(Eventually([&] { return m_Sim.OpenCount(skipped) == 0; }));
    }
    EXPECT_TRUE(Eventually([&] { return m_Sim.OpenCount(board) == 2; }));
}

TEST_F(HidControlTest, OpenTwiceReachesTheSameBridgeWithTheSameEvent)
{
    int board = StartWithBoard();
    ASSERT_EQ(1, m_Hid.Open(Vid, Pid));
    HANDLE hEvent = m_Hid.m_hEvent;
    ASSERT_NE(INVALID_HANDLE_VALUE, hEvent);
    ASSERT_EQ(1, m_Hid.Open(Vid, Pid));
    EXPECT_EQ(hEvent, m_Hid.m_hEvent);
    EXPECT_EQ(hEvent, m_Hid.m_Overlapped.hEvent);
    // the first open's handles were closed, not left behind
    EXPECT_TRUE(Eventually([&] { return m_Sim.Records(board, SimRecord::Connect).size() == 4; }));
    EXPECT_TRUE(Eventually([&] { return m_Sim.OpenCount(board) == 2; }));

    Bytes reply(65, 0);
    ASSERT_EQ(1, m_Hid.Write(Text("SETBAUD9600").data(), 11));
    EXPECT_EQ(1, m_Hid.Read(reply.data()));
    EXPECT_EQ("9600", std::string(reply.begin(), reply.begin() + 4));

    m_Hid.Close();
    EXPECT_EQ(INVALID_HANDLE_VALUE, m_Hid.m_hSync);
    EXPECT_EQ(INVALID_HANDLE_VALUE, m_Hid.m_hOverlapped);
    EXPECT_EQ(1, m_Hid.IsOpen());
    m_Hid.Close();
    EXPECT_TRUE(Eventually([&] { return m_Sim.OpenCount(board) == 0; }));
}

TEST_F(HidControlTest, FramesOneOutputReport)
{
    int board = StartWithBoard(65, 65);
    ASSERT_EQ(1, m_Hid.Open(Vid, Pid));
    Bytes payload(70);
    for (size_t i = 0; i < payload.size(); ++i)
        payload[i] = static_cast<uint8_t>(0xA0 + i);

    struct Case
    {
        int nLength;
        int nSent;  // payload bytes that fit the 65-byte report
        int nResult;
    } cases[] = {{11, 11, 1}, {61, 61, 1}, {64, 61, 0}, {0, 0, 1}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nLength);
        m_Sim.ClearRecords();
        EXPECT_EQ(c.nResult, m_Hid.Write(payload.data(), c.nLength));
        std::vector<SimRecord> reports;
        ASSERT_TRUE(Eventually([&] { return !(reports = m_Sim.Records(board, SimRecord::Report)).empty(); }));
        Bytes expected(65, 0);
        expected[1] = 0xCC;
        expected[2] = 0x99;
        expected[3] = static_cast<uint8_t>(c.nLength);
        std::memcpy(&expected[4], payload.data(), c.nSent);
        EXPECT_EQ(expected, reports[0].bytes);
    }
}

TEST_F(HidControlTest, ReadCompletesWithOneReport)
{
    StartWithBoard();
    ASSERT_EQ(1, m_Hid.Open(Vid, Pid));
    for (int bArm : {1, 0})
    {
        SCOPED_TRACE(bArm);
        m_Hid.m_bArmMode = bArm;
        ASSERT_EQ(1, m_Hid.Write(Text("SETBAUD19200").data(), 12));
        TakeWaits();
        Bytes reply(80, 0xEE);
        EXPECT_EQ(1, m_Hid.Read(reply.data()));
        EXPECT_EQ(std::vector<DWORD>{bArm ? 40u : 1000u}, TakeWaits());
        EXPECT_EQ("19200", std::string(reply.begin(), reply.begin() + 5));
        EXPECT_EQ(0, reply[63]);      // the whole 64-byte payload
        EXPECT_EQ(0xEE, reply[64]);   // and nothing beyond it
    }
}

TEST_F(HidControlTest, MissesEndAReadAtTheFourth)
{
    int board = StartWithBoard();
    ASSERT_EQ(1, m_Hid.Open(Vid, Pid));
    ShortenWaits();

    struct Case
    {
        const char* name;
        int bArm;
        bool bBytes;           // ReadBytes(128) instead of Read
        int nShortReport;      // > 0: the reply comes as one report of this many bytes
        int nResult;
        std::vector<DWORD> waits;
        int nStored;           // bytes that arrived, stored into the buffer
        int nPadded;           // then the padding 0x20 for the rest of the cut report
    } cases[] = {
        {"silent, ARM", 1, false, 0, 0, {40, 40, 40, 40}, 0, 0},
        {"silent", 0, false, 0, 0, {1000, 1000, 1000, 1000}, 0, 0},
        {"silent, ReadBytes", 0, true, 0, 0, {500, 500, 500, 500}, 0, 0},
        {"32 bytes meet the ARM need", 1, false, 33, 1, {40}, 32, 32},
        {"32 bytes are a miss", 0, false, 33, 0, {1000, 1000, 1000, 1000}, 32, 32},
        {"a cut status record", 0, true, 18, 0, {500, 500, 500, 500}, 17, 47},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_Hid.m_bArmMode = c.bArm;
        if (c.nShortReport)
            m_Sim.InjectFault(board, {SimFaultKind::ShortReports, SimTarget::Bridge, 0, 1, c.nShortReport});
        else
            m_Sim.InjectFault(board, {SimFaultKind::Silence, SimTarget::Bridge});
        const size_t nCommands = m_Sim.Records(board, SimRecord::BridgeCommand).size();
        ASSERT_EQ(1, m_Hid.Write(Text("SETBAUD9600").data(), 11));
        // The simulator has handled the command, so a reply is in the pipe
        // before the first short wait begins.
        ASSERT_TRUE(Eventually([&] { return m_Sim.Records(board, SimRecord::BridgeCommand).size() > nCommands; }));
        TakeWaits();
        Bytes buffer(130, 0xEE);
        int nResult = c.bBytes ? m_Hid.ReadBytes(buffer.data(), 128) : m_Hid.Read(buffer.data());
        EXPECT_EQ(c.nResult, nResult);
        EXPECT_EQ(c.waits, TakeWaits());
        Bytes expected(130, 0xEE);
        for (int i = 0; i < c.nStored; ++i)
            expected[i] = i < 4 ? "9600"[i] : 0;
        for (int i = c.nStored; i < c.nStored + c.nPadded; ++i)
            expected[i] = 0x20;
        EXPECT_EQ(expected, buffer);
    }
}

TEST_F(HidControlTest, AGoneDeviceFailsAtOnce)
{
    int board = StartWithBoard();
    ASSERT_EQ(1, m_Hid.Open(Vid, Pid));
    m_Sim.Unplug(board);
    Bytes buffer(130, 0xEE);
    EXPECT_EQ(0, m_Hid.Write(Text("SETBAUD9600").data(), 11));
    EXPECT_EQ(0, m_Hid.Read(buffer.data()));
    EXPECT_EQ(0, m_Hid.ReadBytes(buffer.data(), 128));
    EXPECT_TRUE(TakeWaits().empty());  // nothing was waited for
    EXPECT_EQ(Bytes(130, 0xEE), buffer);
    EXPECT_EQ(0, m_Hid.Open(Vid, Pid));
}

namespace
{
HANDLE g_hLongServer = INVALID_HANDLE_VALUE;
Bytes g_LongMessage;

// Sends the pending message just before the link starts waiting.
DWORD SendLongMessage(DWORD dwMilliseconds, HidLink::WaitFor)
{
    if (g_hLongServer != INVALID_HANDLE_VALUE && !g_LongMessage.empty())
    {
        DWORD dwWritten = 0;
        WriteFile(g_hLongServer, g_LongMessage.data(), static_cast<DWORD>(g_LongMessage.size()), &dwWritten,
                  nullptr);
        g_LongMessage.clear();
    }
    return dwMilliseconds;
}
}  // namespace

// A device message longer than the input report still fills the report,
// whether it was waiting before the read or arrives during the wait.
TEST_F(HidControlTest, AMessageLongerThanTheReportFillsIt)
{
    Bytes message(100);
    for (size_t i = 0; i < message.size(); ++i)
        message[i] = static_cast<uint8_t>(i);
    for (bool bWaiting : {true, false})
    {
        SCOPED_TRACE(bWaiting ? "waiting before the read" : "arriving during the wait");
        std::wstring name = L"\\\\.\\pipe\\hidlink-long-" + std::to_wstring(GetCurrentProcessId());
        HANDLE hServer = CreateNamedPipeW(name.c_str(), PIPE_ACCESS_DUPLEX,
                                          PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, 1, 4096, 4096, 0,
                                          nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, hServer);
        CHIDControl hid;
        hid.m_hOverlapped = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_OVERLAPPED, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, hid.m_hOverlapped);
        hid.m_hEvent = CreateEventW(nullptr, TRUE, TRUE, nullptr);
        hid.m_Overlapped.hEvent = hid.m_hEvent;
        hid.m_Capabilities.InputReportByteLength = 65;
        hid.m_bArmMode = 0;

        g_hLongServer = hServer;
        g_LongMessage = message;
        if (bWaiting)
            SendLongMessage(0, HidLink::ReportArrived);
        HidLink::SetWaitHook(SendLongMessage);
        Bytes buffer(80, 0xEE);
        EXPECT_EQ(1, hid.Read(buffer.data()));
        HidLink::SetWaitHook(RecordWait);
        g_hLongServer = INVALID_HANDLE_VALUE;

        Bytes expected(80, 0xEE);
        std::copy(message.begin() + 1, message.begin() + 65, expected.begin());
        EXPECT_EQ(expected, buffer);
        EXPECT_EQ(65u, hid.m_dwBytesRead);
        CloseHandle(hServer);
    }
}
