// One attempt at updating one CPU: bridge baud rate and flash mode in ASCII,
// then erase, the program and verify passes, reset and back to 9600 baud.
#include "CTarrowindDlg.h"
#include "ProtocolWait.h"

#include <cstring>

const CTarrowindDlg::CpuTraits CTarrowindDlg::s_Master = {
    false,
    L"Master cpu update in progress...",
    "FlashUM\r", 'M',
    L"Did not receive erase ack information M, Erase FAILED!",
    true,
    L"Programming in progress,DO NOT interrupt it!",
    {true, true, false, true},
    L"Master cpu update successfully!",
    L"Master cpu update failure",
};

const CTarrowindDlg::CpuTraits CTarrowindDlg::s_Slave = {
    true,
    L"Slave cpu update in progress...",
    "FlashUS\r", 'S',
    L"Did not receive erase ack information S, Erase FAILED!",
    false,
    L"Programming in progress ,DO NOT interrupt it!",
    {true, true, true, false},
    L"Slave cpu update successfully!",
    L"Slave cpu update failure",
};

namespace
{
const char kBaud9600[] = "SETBAUD9600";
const char kBaud19200[] = "SETBAUD19200";
const BYTE kEraseZeros[8] = {0, 0, 0, 0, 0, 0, 0, 0};
const BYTE kEraseHeader[8] = {0x01, 0x66, 0x99, 0x00, 0x00, 0x1C, 0x00, 0x00};
const int kErasePolls = 30;
const unsigned int kEraseStatusSize = 128;
const int kDrainReads = 10;
const LPCWSTR kReflash = L"Please Reset Device for Reflash!";
}  // namespace

void CTarrowindDlg::UpdateMasterCpu() { UpdateCpu(s_Master); }
void CTarrowindDlg::UpdateSlaveCpu() { UpdateCpu(s_Slave); }
void CTarrowindDlg::ResetMasterCpu() { ResetCpu(s_Master); }
void CTarrowindDlg::ResetSlaveCpu() { ResetCpu(s_Slave); }

void CTarrowindDlg::UpdateCpu(const CpuTraits& cpu)
{
    bool& bSuccess = SuccessFlag(cpu);
    auto sendAscii = [this](const char* psz, LPCWSTR pszHeading) {
        WriteAndLog(reinterpret_cast<const BYTE*>(psz), (int)strlen(psz), pszHeading);
    };
    auto readReply = [this](LPCWSTR pszHeading) {
        memset(m_ReplyBuffer, 0x20, sizeof(m_ReplyBuffer));
        m_HidControl.Read(m_ReplyBuffer);
        LogReceived(m_ReplyBuffer, sizeof(m_ReplyBuffer), pszHeading);
    };
    auto fail = [&]() {
        memset(m_ReplyBuffer, 0x20, sizeof(m_ReplyBuffer));
        bSuccess = false;
    };

    m_HidControl.Open(BridgeVendorId, BridgeProductId);
    Report(cpu.pszInProgress, LogInfo, true);

    for (int i = 0; i < kDrainReads && !StopRequested(); ++i)
        m_HidControl.Read(m_ReplyBuffer);
    if (StopRequested())
    {
        bSuccess = false;
        return;
    }

    if (!cpu.bSlave)
        Report(L"Erase Start!", LogInfo, true);

    sendAscii(kBaud9600, L"Send data for setting baud rate:");
    Pause(ProtocolWait::AsciiReply);
    readReply(L"Receive data for setting baud rate:");
    if (memcmp(m_ReplyBuffer, "9600", 4) != 0)
    {
        ReportFailure(L"Did not receive of ack information set baud9600 !", false);
        ReportFailure(kReflash, false);
        if (g_pFlashImage->LastAttempt)
        {
            WriteLog(this, L"Did not receive of ack information set baud9600 !");
            WriteLog(this, L"%s", kReflash);
        }
        fail();
        return;
    }

    if (cpu.bSlave)
        Report(L"Erase Start!", LogInfo, true);

    sendAscii(cpu.pszFlashCommand, L"Send Data:");
    Pause(ProtocolWait::AsciiReply);
    readReply(L"Receive Data:");
    if (m_ReplyBuffer[0] != (BYTE)cpu.chFlashReply)
    {
        ReportFailure(cpu.pszFlashFailure, true);
        fail();
        return;
    }

    sendAscii(kBaud19200, L"Send Data:");
    Pause(ProtocolWait::AsciiReply);
    readReply(L"Receive Data:");
    if (memcmp(m_ReplyBuffer, "1920", 4) != 0)
    {
        ReportFailure(L"Did not receive of ack information set baud19200 !", false);
        ReportFailure(kReflash, false);
        if (g_pFlashImage->LastAttempt)
        {
            WriteLog(this, L"Did not receive of ack information set baud19200 !");
            if (cpu.bBaud19200BothToFile)
                WriteLog(this, L"%s", kReflash);
        }
        fail();
        return;
    }

    // From here on every outcome ends with the CPU reset and the bridge at 9600.
    Pause(ProtocolWait::BeforeErase);
    WriteAndLog(kEraseZeros, sizeof(kEraseZeros));
    Pause(ProtocolWait::EraseHeader);
    WriteAndLog(kEraseHeader, sizeof(kEraseHeader));
    BYTE body[CommandBodySize];
    BuildCommandBody(body, CmdErase, nullptr);
    WriteAndLog(body, sizeof(body));
    Pause(ProtocolWait::AfterEraseBody);
    memset(m_ReplyBuffer, 0, sizeof(m_ReplyBuffer));
    m_HidControl.Read(m_ReplyBuffer);
    LogReceived(m_ReplyBuffer, sizeof(m_ReplyBuffer));

    auto resetAndReturnTo9600 = [&]() {
        bSuccess = false;
        ResetCpu(cpu);
        sendAscii(kBaud9600, L"Send Data:");
    };

    if (m_ReplyBuffer[0] != 0x06)
    {
        ReportFailure(L"Did not receive erase ack information1, Erase FAILED!", true);
        memset(m_ReplyBuffer, 0x20, sizeof(m_ReplyBuffer));
        resetAndReturnTo9600();
        return;
    }

    bool bErased = false;
    for (int nPoll = 0; nPoll < kErasePolls && !StopRequested(); ++nPoll)
    {
        BYTE status[kEraseStatusSize] = {};
        m_HidControl.ReadBytes(status, kEraseStatusSize);
        LogReceived(status, kEraseStatusSize);
        if (status[0] == 1 && status[9] == 0)
        {
            bErased = true;
            break;
        }
        WriteLog(this, L"Erase Status Value(%d)", status[9]);
    }
    if (!bErased)
    {
        ReportFailure(L"Did not receive erase ack information2, Erase FAILED!", true);
        resetAndReturnTo9600();
        return;
    }

    Report(L"Erase End!", LogInfo, true);
    ProgramCpu(cpu);
    ResetCpu(cpu);
    if (!cpu.bSlave)
        Pause(ProtocolWait::AfterMasterReset);
    sendAscii(kBaud9600, L"Send Data:");
}

void CTarrowindDlg::ResetCpu(const CpuTraits& cpu)
{
    BYTE frame[FrameHeadSize];
    int nLength = BuildFrame(frame, Image(cpu).SequenceNumber, CmdReset, nullptr);
    if (cpu.bSlave)
    {
        // The slave's reset is not logged to the file, but its reply is judged.
        m_HidControl.Write(frame, nLength);
        m_HidControl.Read(m_ResetReplyBuffer);
        if (m_ResetReplyBuffer[0] == 0x06)
        {
            AddLog(L"Reset complete!", LogInfo);
        }
        else
        {
            // The file carries the failure that the list shows.
            ReportFailure(L"Did not receive reset ack information, reset FAILED!", true);
            memset(m_ResetReplyBuffer, 0x20, sizeof(m_ResetReplyBuffer));
            m_bSlaveSuccess = false;
        }
        return;
    }
    WriteAndLog(frame, nLength);
    m_HidControl.Read(m_ResetReplyBuffer);
    LogReceived(m_ResetReplyBuffer, 64);
    Report(L"Reset complete!", LogInfo, true);
}
