// The send worker: reads the chosen .bin file and sends it as a head packet
// and data packets, each acknowledged, restarting from the bridge detection
// and the head on any failure, for at most three attempts.
#include "CHalvickDlg.h"

#include "CPacketPlan.h"

#include <algorithm>
#include <climits>
#include <commctrl.h>
#include <new>
#include <vector>

namespace {

const int kAttempts = 3;
const int kBridgeTries = 50;
const DWORD kBridgeRetryWait = 500;  // before each try
const int kReplyBufferSize = 256;   // more than one input report delivers

class SendJob
{
public:
    explicit SendJob(CHalvickDlg& dlg) : m_dlg(dlg) {}

    void Run();

private:
    // Once Stop has been pressed the worker says and sends nothing more.
    void Log(const SenderMessage& message)
    {
        if (!m_dlg.StopRequested())
            m_dlg.Log(message);
    }
    void LogCount(int remainder, size_t sent)
    {
        if (m_dlg.StopRequested())
            return;
        CString line;
        line.Format(SenderMsg::CountFormat, remainder, static_cast<int>(sent));
        m_dlg.WriteLogFile(line);
    }
    void SetProgress(size_t pos)
    {
        if (!m_dlg.StopRequested())
            ::SendMessageW(m_dlg.m_Progress.GetSafeHwnd(), PBM_SETPOS, static_cast<WPARAM>(pos), 0);
    }
    int Send(const SendPacket& packet)
    {
        return m_dlg.SendPacket(m_buffer.data() + packet.offset, packet.length);
    }
    bool FindBridge();
    void SendFile(size_t n);

    CHalvickDlg& m_dlg;
    std::vector<BYTE> m_buffer;
};

void SendJob::Run()
{
    SetProgress(0);
    Log(SenderMsg::WorkerStart);

    try {
        CFile file(m_dlg.m_strPath, CFile::modeReadWrite | CFile::shareExclusive);
        ULONGLONG length = file.GetLength();
        if (length < CPacketPlan::HeadLength) {
            Log(SenderMsg::FileTooShort);
            return;
        }
        size_t n = 0;
        try {
            // One read call takes at most UINT_MAX bytes; larger files are
            // read in steps.
            m_buffer.assign(static_cast<size_t>(length), 0);
            while (n < m_buffer.size()) {
                UINT step = static_cast<UINT>(std::min<size_t>(m_buffer.size() - n, UINT_MAX));
                UINT got = file.Read(m_buffer.data() + n, step);
                if (got == 0)
                    break;
                n += got;
            }
        } catch (const std::bad_alloc&) {
            n = 0;   // too big to hold: reported as a failed read
        }
        if (n < CPacketPlan::HeadLength) {
            Log(SenderMsg::ReadTooShort);
            return;
        }
        SendFile(n);
    } catch (CFileException* e) {
        e->Delete();
        if (m_dlg.StopRequested())
            return;
        Log(SenderMsg::FileException);
        ::SetDlgItemTextW(m_dlg.GetSafeHwnd(), IDC_BUTTON_SEND, SendCaption);
    }
}

bool SendJob::FindBridge()
{
    for (int i = 0; i < kBridgeTries; ++i) {
        if (m_dlg.WaitForStop(kBridgeRetryWait))
            return false;
        if (m_dlg.m_HIDControl.Open())
            return true;
    }
    return false;
}

void SendJob::SendFile(size_t n)
{
    CPacketPlan plan(n);
    const size_t count = plan.DataCount();
    // The 32-bit range: a file of more than 65,535 packets still fills the bar.
    ::SendMessageW(m_dlg.m_Progress.GetSafeHwnd(), PBM_SETRANGE32, 0,
                   static_cast<LPARAM>(std::min<size_t>(count, INT_MAX)));

    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (m_dlg.StopRequested())
            return;
        Log(SenderMsg::AttemptStart);
        if (!FindBridge()) {
            Log(SenderMsg::OpenUsbFail);
            continue;
        }
        Log(SenderMsg::OpenUsbSuccess);

        if (Send(plan.Head()) != 0) {
            Log(SenderMsg::HeadFail);
            continue;
        }
        Log(SenderMsg::HeadSuccess);

        size_t sent = 0;
        bool failed = false;
        for (size_t i = 0; i + 1 < count; ++i) {
            if (Send(plan.Data(i)) != 0) {
                Log(SenderMsg::DataFail);
                failed = true;
                break;
            }
            ++sent;
            Log(SenderMsg::DataSuccess);
            SetProgress(sent);
        }
        if (failed)
            continue;

        if (count >= 1) {
            if (Send(plan.Last()) != 0) {
                Log(SenderMsg::LastFail);
                LogCount(plan.Remainder(), sent);
                continue;
            }
            ++sent;
            Log(plan.Remainder() != 0 ? SenderMsg::LastShortSuccess : SenderMsg::LastFullSuccess);
        }

        SetProgress(count);
        Log(SenderMsg::Complete);
        LogCount(plan.Remainder(), count);
        return;
    }
}

}  // namespace

int CHalvickDlg::SendPacket(BYTE* data, int length)
{
    // No packet goes out after Stop.
    if (StopRequested())
        return -1;
    if (!m_HIDControl.Write(data, length)) {
        if (!StopRequested())
            Log(SenderMsg::WriteFail);
        return -1;
    }
    if (StopRequested())
        return -1;
    Log(SenderMsg::EndWrite);
    Log(SenderMsg::BeginRead);

    // Zero-filled, so that bytes the reply did not deliver never count as
    // an acknowledgement.
    BYTE reply[kReplyBufferSize] = {};
    if (!m_HIDControl.Read(reply)) {
        if (!StopRequested())
            Log(SenderMsg::ReadFail);
        return -1;
    }
    if (StopRequested())
        return -1;
    Log(SenderMsg::EndRead);

    for (BYTE b : reply) {
        if (b == 0x06)
            return 0;
    }
    Log(SenderMsg::NoAck);
    return -1;
}

DWORD WINAPI SendFileThreadProc(LPVOID lpParameter)
{
    CHalvickDlg* pDlg = static_cast<CHalvickDlg*>(lpParameter);
    {
        SendJob job(*pDlg);
        job.Run();
        // The .bin file is closed and the buffer freed here, before the
        // dialog learns that the worker is gone.
    }
    pDlg->WorkerEnded();
    return 0;
}
