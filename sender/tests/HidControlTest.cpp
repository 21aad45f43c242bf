// The data sender's HID link against the simulated peer, through the
// stand-in HID DLLs. Waits are counted through the link's wait hook.
#include <gtest/gtest.h>

#include <cstring>
#include <mutex>
#include <vector>

#include "CBoardSimulator.h"
#include "CHIDControl.h"

namespace
{
using Bytes = std::vector<uint8_t>;

std::mutex g_WaitLock;
std::vector<DWORD> g_Waits;
DWORD g_WaitCeiling = INFINITE;
HANDLE g_hWaiting = nullptr;

DWORD RecordWait(DWORD dwMilliseconds, HidLink::WaitFor)
{
    std::lock_guard<std::mutex> lock(g_WaitLock);
    g_Waits.push_back(dwMilliseconds);
    if (g_hWaiting != nullptr)
        SetEvent(g_hWaiting);
    return dwMilliseconds < g_WaitCeiling ? dwMilliseconds : g_WaitCeiling;
}

std::vector<DWORD> TakeWaits()
{
    std::lock_guard<std::mutex> lock(g_WaitLock);
    std::vector<DWORD> w;
    w.swap(g_Waits);
    return w;
}

class SenderHidTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        HidLink::SetWaitHook(RecordWait);
        g_WaitCeiling = INFINITE;
        TakeWaits();
    }
    void TearDown() override { HidLink::SetWaitHook(nullptr); }

    int Start(unsigned short nOutput = 69)
    {
        m_Sim.AddDevice(CBoardSimulator::Other(0x046D, 0xC077));
        int peer = m_Sim.AddDevice(CBoardSimulator::Peer(65, nOutput));
        EXPECT_TRUE(m_Sim.Start());
        m_Sim.Publish();
        return peer;
    }

    CBoardSimulator m_Sim;
    CHIDControl m_Hid;
};

Bytes Pattern(size_t n)
{
    Bytes b(n);
    for (size_t i = 0; i < n; ++i)
        b[i] = static_cast<uint8_t>(i + 1);
    return b;
}
}  // namespace

TEST_F(SenderHidTest, OpensTheBridgeOnlyWhenPresent)
{
    SetEnvironmentVariableW(hidsim::kDevicesVariable, L"");
    EXPECT_EQ(0, m_Hid.Open());
    EXPECT_EQ(0, m_Hid.m_bOpened);

    Start();
    ASSERT_EQ(1, m_Hid.Open());
    HANDLE hEvent = m_Hid.m_hEvent;
    ASSERT_EQ(1, m_Hid.Open());
    EXPECT_EQ(hEvent, m_Hid.m_hEvent);
    EXPECT_EQ(hEvent, m_Hid.m_Overlapped.hEvent);
    EXPECT_EQ(65, m_Hid.m_Capabilities.InputReportByteLength);
}

TEST_F(SenderHidTest, PacketAndAcknowledgement)
{
    int peer = Start();
    ASSERT_EQ(1, m_Hid.Open());
    Bytes head = Pattern(32), data = Pattern(64);
    TakeWaits();
    ASSERT_EQ(1, m_Hid.Write(head.data(), 32));
    EXPECT_EQ(std::vector<DWORD>{1000}, TakeWaits());
    Bytes reply(80, 0xEE);
    EXPECT_EQ(1, m_Hid.Read(reply.data()));
    EXPECT_EQ(std::vector<DWORD>{1500}, TakeWaits());
    EXPECT_EQ(0x06, reply[0]);
    EXPECT_EQ(0, reply[63]);
    EXPECT_EQ(0xEE, reply[64]);

    ASSERT_EQ(1, m_Hid.Write(data.data(), 64));
    EXPECT_EQ(1, m_Hid.Read(reply.data()));
    head.insert(head.end(), data.begin(), data.end());
    EXPECT_EQ(head, m_Sim.Inspect(peer, [](CSimDevice& d) { return d.Received(); }));
}

TEST_F(SenderHidTest, APayloadLongerThanTheReportGoesOutCutAndTheAckJudgesIt)
{
    int peer = Start(65);
    ASSERT_EQ(1, m_Hid.Open());
    Bytes data = Pattern(64);
    EXPECT_EQ(1, m_Hid.Write(data.data(), 64));
    // The peer's acknowledgement of the cut packet is the reply.
    Bytes reply(65, 0);
    ASSERT_EQ(1, m_Hid.Read(reply.data()));
    EXPECT_EQ(0x06, reply[0]);
    std::vector<SimRecord> reports = m_Sim.Records(peer, SimRecord::Report);
    ASSERT_EQ(1u, reports.size());
    Bytes expected(65, 0);
    expected[1] = 0xCC;
    expected[2] = 0x99;
    expected[3] = 0x40;
    std::memcpy(&expected[4], data.data(), 61);
    EXPECT_EQ(expected, reports[0].bytes);
}

TEST_F(SenderHidTest, SilenceEndsAReadAtTheSeventhTimeOut)
{
    int peer = Start();
    ASSERT_EQ(1, m_Hid.Open());
    g_WaitCeiling = 200;
    // A message that carries only the report id still is the reply: the
    // caller gets the report length's 64 bytes, all of them the 0x20 fill.
    m_Sim.InjectFault(peer, {SimFaultKind::ShortReports, SimTarget::Peer, 0, 1, 1});
    m_Sim.InjectFault(peer, {SimFaultKind::Silence, SimTarget::Peer, 1, -1});
    Bytes packet = Pattern(4);
    ASSERT_EQ(1, m_Hid.Write(packet.data(), 4));
    TakeWaits();
    Bytes reply(65, 0xEE);
    EXPECT_EQ(1, m_Hid.Read(reply.data()));
    EXPECT_EQ(std::vector<DWORD>{1500}, TakeWaits());
    Bytes filled(64, 0x20);
    filled.push_back(0xEE);
    EXPECT_EQ(filled, reply);

    for (int i = 0; i < 2; ++i)
    {
        ASSERT_EQ(1, m_Hid.Write(packet.data(), 4));
        TakeWaits();
        reply.assign(65, 0xEE);
        EXPECT_EQ(0, m_Hid.Read(reply.data()));
        EXPECT_EQ(std::vector<DWORD>(7, 1500), TakeWaits());
        EXPECT_EQ(Bytes(65, 0xEE), reply);
    }
}

TEST_F(SenderHidTest, CancelPendingEndsAWaitingRead)
{
    int peer = Start();
    ASSERT_EQ(1, m_Hid.Open());
    m_Sim.InjectFault(peer, {SimFaultKind::Silence, SimTarget::Peer, 0, -1});
    Bytes packet = Pattern(4), reply(65, 0xEE);
    ASSERT_EQ(1, m_Hid.Write(packet.data(), 4));
    TakeWaits();
    g_hWaiting = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    struct Job
    {
        CHIDControl* pHid;
        BYTE* pReply;
        int nResult;
    } job = {&m_Hid, reply.data(), -1};
    HANDLE hThread = CreateThread(
        nullptr, 0,
        [](void* p) -> DWORD {
            Job* j = static_cast<Job*>(p);
            j->nResult = j->pHid->Read(j->pReply);
            return 0;
        },
        &job, 0, nullptr);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(g_hWaiting, 10000));
    while (WaitForSingleObject(hThread, 20) == WAIT_TIMEOUT)
        m_Hid.CancelPending();
    CloseHandle(hThread);
    CloseHandle(g_hWaiting);
    g_hWaiting = nullptr;
    EXPECT_EQ(0, job.nResult);
    EXPECT_EQ(1u, TakeWaits().size());
}
