// Program and verify passes: every frame acknowledged by the CPU's flash
// loader, a rejected frame sent again with the same sequence bytes, three
// rejections in a row end the attempt.
#include "CTarrowindDlg.h"
#include "ProtocolWait.h"

#include <cstring>
#include <vector>

namespace
{
const int kWriteBlock = CTarrowindDlg::MaxWriteBytes;
const int kMaxRejections = 3;

void PutBigEndian32(BYTE* p, DWORD dw)
{
    p[0] = (BYTE)(dw >> 24);
    p[1] = (BYTE)(dw >> 16);
    p[2] = (BYTE)(dw >> 8);
    p[3] = (BYTE)dw;
}
}  // namespace

void CTarrowindDlg::BuildCommandBody(BYTE* pBody, FrameCommand cmd, const FlashBlock* pBlock)
{
    memset(pBody, 0, CommandBodySize);
    pBody[1] = (BYTE)cmd;
    switch (cmd)
    {
    case CmdErase:
    case CmdReset:
        pBody[11] = cmd == CmdErase ? 0xFE : 0xFF;
        pBody[15] = 0x03;
        pBody[16] = 0x05;
        break;
    case CmdProgram:
        PutBigEndian32(pBody + 2, (DWORD)pBlock->address);
        pBody[9] = (BYTE)(pBlock->length / 2);
        break;
    case CmdVerify:
        PutBigEndian32(pBody + 2, (DWORD)pBlock->address);
        pBody[8] = (BYTE)((pBlock->length / 2) >> 8);
        pBody[9] = (BYTE)(pBlock->length / 2);
        pBody[16] = pBlock->checksum[0];
        pBody[17] = pBlock->checksum[1];
        break;
    }
    pBody[18] = 0xFF;
    pBody[19] = 0xFF;
}

int CTarrowindDlg::BuildFrame(BYTE* pFrame, int& nSequence, FrameCommand cmd, const FlashBlock* pBlock)
{
    int nData = cmd == CmdProgram ? pBlock->length : 0;
    const BYTE outer[OuterHeaderSize] = {0x06, 0x99, 0x66, (BYTE)nSequence, 0x00, 0x08, 0x00, 0x00};
    memcpy(pFrame, outer, sizeof(outer));
    ++nSequence;
    int nCommandLength = CommandHeaderSize + CommandBodySize + nData;
    const BYTE command[CommandHeaderSize] = {0x01, 0x66, 0x99, (BYTE)nSequence,
                                             (BYTE)(nCommandLength >> 8), (BYTE)nCommandLength, 0x00, 0x00};
    memcpy(pFrame + OuterHeaderSize, command, sizeof(command));
    BuildCommandBody(pFrame + OuterHeaderSize + CommandHeaderSize, cmd, pBlock);
    if (nData > 0)
        memcpy(pFrame + FrameHeadSize, pBlock->data, nData);
    return FrameHeadSize + nData;
}

void CTarrowindDlg::SendFrame(const BYTE* pFrame, int nLength)
{
    if (nLength < kWriteBlock)
    {
        WriteAndLog(pFrame, nLength);
        return;
    }
    // The last 64 bytes go out on their own, after the rest and a short pause.
    int nHead = nLength - kWriteBlock;
    int nOffset = 0;
    for (; nOffset + kWriteBlock <= nHead; nOffset += kWriteBlock)
    {
        WriteAndLog(pFrame + nOffset, kWriteBlock);
        Pause(ProtocolWait::BetweenWrites);
    }
    if (nOffset < nHead)
        WriteAndLog(pFrame + nOffset, nHead - nOffset);
    Pause(ProtocolWait::BetweenWrites);
    WriteAndLog(pFrame + nHead, kWriteBlock);
}

void CTarrowindDlg::ShowPercent(int nSequence)
{
    // A total of 0 cannot occur in an update (such images are refused), but
    // the display must never divide by it.
    int nPercent = m_nProgressTotal > 0 ? nSequence * 100 / m_nProgressTotal : 0;
    CString strText;
    strText.Format(L"%d %%", nPercent);
    SetDlgItemText(IDC_STATIC_PERCENT, strText);
    m_ctlProgress.SetPos(nPercent);
}

bool CTarrowindDlg::RunPass(const CpuTraits& cpu, const CArray<FlashBlock*>& list, FrameCommand cmd, int nPass)
{
    int& nSequence = Image(cpu).SequenceNumber;
    int nFailures = 0;
    for (INT_PTR i = 0; i < list.GetSize();)
    {
        if (StopRequested())
            return false;
        const FlashBlock* pBlock = list[i];
        int nData = cmd == CmdProgram ? pBlock->length : 0;
        std::vector<BYTE> frame;
        try
        {
            frame.resize(FrameHeadSize + (size_t)(nData > 0 ? nData : 0));
        }
        catch (const std::bad_alloc&)
        {
            return false;
        }
        int nLength = BuildFrame(frame.data(), nSequence, cmd, pBlock);
        BYTE nExpected = (BYTE)nSequence;
        SendFrame(frame.data(), nLength);

        ShowPercent(nSequence + (cpu.bSlave ? m_nSlaveProgressOffset : 0));

        BYTE reply[65] = {};
        m_HidControl.Read(reply);
        LogReceived(reply, sizeof(reply));

        if (reply[0] == 0x06 && reply[3] == nExpected && reply[17] == 0)
        {
            nFailures = 0;
            if (nPass == 2)
            {
                memset(reply, 0, sizeof(reply));
                m_HidControl.Read(reply);
            }
            ++i;
            continue;
        }

        WriteLog(this, cmd == CmdProgram ? L"Program Status Value(%d)" : L"Verify Status Value(%d)", reply[17]);
        if (g_pFlashImage->LastAttempt)
        {
            AddLog(L"Receive Error Ack Information !", LogError);
            AddLog(L"Please Reset Device for Reflash!", LogError);
            if (cpu.bPassFailureToFile[nPass - 1])
            {
                WriteLog(this, L"Receive Error Ack Information !");
                WriteLog(this, L"Please Reset Device for Reflash!");
            }
        }
        if (++nFailures >= kMaxRejections)
            return false;
        --nSequence;   // the same entry again, with the same sequence bytes
    }
    return true;
}

void CTarrowindDlg::ProgramMasterCpu() { ProgramCpu(s_Master); }
void CTarrowindDlg::ProgramSlaveCpu() { ProgramCpu(s_Slave); }

void CTarrowindDlg::ProgramCpu(const CpuTraits& cpu)
{
    CFlashImage::CpuImage& image = Image(cpu);
    bool& bSuccess = SuccessFlag(cpu);

    Report(cpu.pszProgramming, LogError, true);
    m_ctlProgress.SendMessage(PBM_SETBKCOLOR, 0, RGB(255, 255, 255));

    if (!RunPass(cpu, image.ProgramChunks, CmdProgram, 1))
    {
        bSuccess = false;
        return;
    }
    Report(L"Programming complete,start verify!", LogInfo, true);
    if (!RunPass(cpu, image.VerifyRegions, CmdVerify, 2) ||
        !RunPass(cpu, image.KeyProgramChunks, CmdProgram, 3) ||
        !RunPass(cpu, image.KeyVerifyRegions, CmdVerify, 4))
    {
        bSuccess = false;
        return;
    }
    Report(L"Verify complete!", LogInfo, true);
    Report(cpu.pszSucceeded, LogInfo, true);
    bSuccess = true;
}
