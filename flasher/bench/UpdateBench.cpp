// Wall time of one Update Both of the sample images against the simulated
// board pacing its line at the bridge's baud rate, next to the time the
// protocol itself takes: its waits, the time-outs of the draining reads and
// the line time of every byte sent and received. Prints its figures; the
// target is at most 5 % above that sum.
#include "CTarrowindDlg.h"
#include "CBoardSimulator.h"
#include "ProtocolWait.h"

#include <cstdio>
#include <string>

namespace
{
const double kMsPerByte9600 = 10000.0 / 9600;
const double kMsPerByte19200 = 10000.0 / 19200;
const double kReportPayload = 64;   // what the simulator sends per input report

void Pump(const std::function<bool()>& done)
{
    while (!done())
    {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

struct Budget
{
    double waits = 0;      // the protocol's pauses
    double drains = 0;     // draining reads that find nothing
    double line = 0;       // bytes on the serial line, both ways
};

int FramePauses(int nLength)
{
    return nLength < 64 ? 0 : (nLength - 64) / 64 + 1;
}

// One successful attempt of one CPU.
// A read that finds nothing ends at its fourth 1000 ms wait (the ARM box off:
// its 40 ms waits are shorter than a program frame's time on this line).
const double kSilentRead = 4 * 1000.0;

void AddAttempt(Budget& b, const CFlashImage::CpuImage& cpu, bool bMaster, int nPendingAtStart)
{
    b.drains += (10 - nPendingAtStart) * kSilentRead;
    b.waits += 3 * ProtocolWait::AsciiReply + ProtocolWait::BeforeErase + ProtocolWait::EraseHeader +
               ProtocolWait::AfterEraseBody;
    if (bMaster)
        b.waits += ProtocolWait::AfterMasterReset;
    // ASCII: 9600 out and back at 9600, flash command likewise, 19200 at 19200,
    // the closing 9600 and its unread reply.
    b.line += (11 + kReportPayload) * kMsPerByte9600 * 2 + (8 + kReportPayload) * kMsPerByte9600;
    b.line += (12 + kReportPayload) * kMsPerByte19200;
    // Erase: zeros, header, body; its acknowledgement and one status record.
    b.line += (8 + 8 + 20 + kReportPayload + 2 * kReportPayload) * kMsPerByte19200;
    auto frames = [&](const CArray<FlashBlock*>& list, bool bData, int nReplies) {
        for (INT_PTR i = 0; i < list.GetSize(); ++i)
        {
            int nLength = CTarrowindDlg::FrameHeadSize + (bData ? list[i]->length : 0);
            b.waits += FramePauses(nLength) * ProtocolWait::BetweenWrites;
            b.line += (nLength + nReplies * kReportPayload) * kMsPerByte19200;
        }
    };
    frames(cpu.ProgramChunks, true, 1);
    frames(cpu.VerifyRegions, false, 2);
    frames(cpu.KeyProgramChunks, true, 1);
    frames(cpu.KeyVerifyRegions, false, 2);
    b.line += (36 + kReportPayload) * kMsPerByte19200;   // reset
}
}  // namespace

int wmain()
{
    ProtocolWait::SetScale(1);
    CBoardSimulator sim;
    int board = sim.AddDevice(CBoardSimulator::Board());
    if (!sim.Start())
    {
        fprintf(stderr, "the simulator did not start\n");
        return 1;
    }
    sim.Publish();

    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring bin(exe);
    bin.resize(bin.rfind(L'\\'));
    SetCurrentDirectoryW(bin.c_str());

    g_pFlashImage = new CFlashImage;
    if (!g_pFlashImage->LoadMasterImage((bin + L"\\samples\\master.out").c_str()) ||
        !g_pFlashImage->LoadSlaveImage((bin + L"\\samples\\slave.out").c_str()) ||
        g_pFlashImage->Master.FrameTotal == 0 || g_pFlashImage->Slave.FrameTotal == 0)
    {
        fprintf(stderr, "the sample images did not load\n");
        return 1;
    }

    CTarrowindDlg dlg;
    dlg.m_strLogPath = (bin + L"\\update-bench.log").c_str();
    DeleteFileW(dlg.m_strLogPath);
    if (!dlg.Create(CTarrowindDlg::IDD))
        return 1;
    dlg.m_bMasterFileValid = dlg.m_bSlaveFileValid = true;
    dlg.UpdateButtonStates();
    dlg.CheckDlgButton(IDC_CHECK_ARM, BST_UNCHECKED);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CHECK_ARM, BN_CLICKED),
                    reinterpret_cast<LPARAM>(dlg.GetDlgItem(IDC_CHECK_ARM)->GetSafeHwnd()));
    sim.SetPacing(true);

    DWORD start = GetTickCount();
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON_UPDATE_BOTH, BN_CLICKED),
                    reinterpret_cast<LPARAM>(dlg.GetDlgItem(IDC_BUTTON_UPDATE_BOTH)->GetSafeHwnd()));
    Pump([&] { return !dlg.IsUpdateRunning(); });
    double wall = GetTickCount() - start;

    Budget b;
    AddAttempt(b, g_pFlashImage->Master, true, 0);
    b.waits += ProtocolWait::BeforeSlave;
    AddAttempt(b, g_pFlashImage->Slave, false, 1);   // the master's closing reply waits there
    const double sum = b.waits + b.drains + b.line;

    printf("Update Both of the sample images (%d + %d frames), ARM off, line paced at the bridge's baud rate\n",
           g_pFlashImage->Master.FrameTotal, g_pFlashImage->Slave.FrameTotal);
    printf("  result: master %s, slave %s\n", dlg.m_bMasterSuccess ? "updated" : "FAILED",
           dlg.m_bSlaveSuccess ? "updated" : "FAILED");
    printf("  protocol waits         %9.0f ms\n", b.waits);
    printf("  draining read time-outs%9.0f ms\n", b.drains);
    printf("  line time              %9.0f ms\n", b.line);
    printf("  sum                    %9.0f ms\n", sum);
    printf("  wall time              %9.0f ms\n", wall);
    printf("  above the sum          %9.1f %%  (target: at most 5 %%)\n", (wall - sum) * 100.0 / sum);

    dlg.DestroyWindow();
    dlg.m_HidControl.Close();
    (void)board;
    return dlg.m_bMasterSuccess && dlg.m_bSlaveSuccess ? 0 : 1;
}
