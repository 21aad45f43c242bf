#include "FlasherDialogFixture.h"
#include "ProtocolWait.h"

#include <commctrl.h>

#include <atomic>


namespace
{
const UINT_PTR kSubclassId = 0x464C;

LRESULT CALLBACK RecordPercent(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR dwRef)
{
    if (uMsg == WM_SETTEXT)
        reinterpret_cast<std::vector<std::wstring>*>(dwRef)->push_back(reinterpret_cast<LPCWSTR>(lParam));
    return DefSubclassProc(hWnd, uMsg, wParam, lParam);
}

struct BarRecord
{
    std::vector<int>* positions;
    std::vector<COLORREF>* backgrounds;
};

LRESULT CALLBACK RecordBar(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR dwRef)
{
    BarRecord* rec = reinterpret_cast<BarRecord*>(dwRef);
    if (uMsg == PBM_SETPOS)
        rec->positions->push_back((int)wParam);
    else if (uMsg == PBM_SETBKCOLOR)
        rec->backgrounds->push_back((COLORREF)lParam);
    return DefSubclassProc(hWnd, uMsg, wParam, lParam);
}

BarRecord g_barRecord;

// The link's waits are taken as asked, never slept through. A write is in
// the pipe before its wait begins. A read waits until the simulator has
// taken and answered every report written so far: its answer is then in the
// pipe, or none will come, and the wait itself would decide nothing. So it
// waits 0 ms; a report already there is kept (HidLink keeps a transfer that
// completed when its wait ran out).
std::atomic<CBoardSimulator*> g_pLinkSim{nullptr};
int g_nLinkBoard = 0;
std::atomic<size_t> g_nWritten{0};

DWORD AnswerInsteadOfWaiting(DWORD dwMilliseconds, HidLink::WaitFor what)
{
    CBoardSimulator* pSim = g_pLinkSim.load();
    if (pSim == nullptr)
        return dwMilliseconds;
    if (what == HidLink::WriteDone)
    {
        ++g_nWritten;
        return dwMilliseconds;
    }
    // A report lost on the way (the device was unplugged) is never taken:
    // the link then waits as it would.
    for (DWORD dwStart = GetTickCount(); GetTickCount() - dwStart < 30000; Sleep(1))
    {
        if (pSim->Unplugged(g_nLinkBoard))
            return dwMilliseconds;
        if (pSim->ReportsTaken(g_nLinkBoard) >= g_nWritten.load())
            return 0;
    }
    return dwMilliseconds;
}
}  // namespace

void FlasherDialogTest::SetUp()
{
    ProtocolWait::SetScale(0);
    if (g_pFlashImage == nullptr)
        g_pFlashImage = new CFlashImage;
    g_pFlashImage->LastAttempt = false;
    MakeImage(g_pFlashImage->Master, MasterBase, MasterKey, 4, 1);
    MakeImage(g_pFlashImage->Slave, SlaveBase, SlaveKey, 3, 2);

    m_pSim = new CBoardSimulator;
    m_nBoard = m_pSim->AddDevice(CBoardSimulator::Board());
    ASSERT_TRUE(m_pSim->Start());
    m_pSim->Publish();
    g_nLinkBoard = m_nBoard;
    g_nWritten = 0;
    g_pLinkSim = m_pSim;
    HidLink::SetWaitHook(AnswerInsteadOfWaiting);

    m_dir = testsupport::MakeTempFolder(L"dlg");
    m_pDlg = new CTarrowindDlg;
    m_pDlg->m_strLogPath = (m_dir + L"\\Pyrolet_D.log").c_str();
    ASSERT_TRUE(m_pDlg->Create(CTarrowindDlg::IDD));
    m_pDlg->m_bMasterFileValid = true;
    m_pDlg->m_bSlaveFileValid = true;
    m_pDlg->UpdateButtonStates();

    SetWindowSubclass(::GetDlgItem(m_pDlg->GetSafeHwnd(), IDC_STATIC_PERCENT), RecordPercent, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(&m_percentTexts));
    g_barRecord = {&m_barPositions, &m_barBackgrounds};
    SetWindowSubclass(m_pDlg->m_ctlProgress.GetSafeHwnd(), RecordBar, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(&g_barRecord));
}

void FlasherDialogTest::TearDown()
{
    if (m_pDlg != nullptr)
    {
        m_pDlg->StopUpdateAndWait();
        RemoveWindowSubclass(::GetDlgItem(m_pDlg->GetSafeHwnd(), IDC_STATIC_PERCENT), RecordPercent, kSubclassId);
        RemoveWindowSubclass(m_pDlg->m_ctlProgress.GetSafeHwnd(), RecordBar, kSubclassId);
        m_pDlg->DestroyWindow();
        if (m_pDlg->m_hLogFile != INVALID_HANDLE_VALUE)
            CloseHandle(m_pDlg->m_hLogFile);
        m_pDlg->m_hLogFile = INVALID_HANDLE_VALUE;
        m_pDlg->m_HidControl.Close();
        delete m_pDlg;
        m_pDlg = nullptr;
    }
    HidLink::SetWaitHook(nullptr);
    g_pLinkSim = nullptr;
    delete m_pSim;
    m_pSim = nullptr;
    testsupport::RemoveFolder(m_dir);
}

void FlasherDialogTest::ClearImage(CFlashImage::CpuImage& cpu)
{
    // The region owns the bytes; chunks own copies.
    for (CArray<FlashBlock*>* list : {&cpu.ProgramChunks, &cpu.VerifyRegions, &cpu.KeyProgramChunks, &cpu.KeyVerifyRegions})
    {
        for (INT_PTR i = 0; i < list->GetSize(); ++i)
            delete (*list)[i];
        list->RemoveAll();
    }
    cpu.FrameTotal = 0;
    cpu.SequenceNumber = 0;
    cpu.KeyAddress = 0;
}

namespace
{
FlashBlock* NewBlock(int nAddress, const std::vector<BYTE>& bytes, size_t from, size_t length, bool bChecksum)
{
    FlashBlock* p = new FlashBlock;
    p->address = nAddress;
    p->length = (int)length;
    p->data = new BYTE[length];
    memcpy(p->data, bytes.data() + from, length);
    if (bChecksum)
        p->ComputeChecksum();
    return p;
}
}  // namespace

void FlasherDialogTest::MakeImage(CFlashImage::CpuImage& cpu, int nBase, int nKey, int nChunks, int nSeed)
{
    ClearImage(cpu);
    const size_t kChunk = 228;
    std::vector<BYTE> bytes(kChunk * nChunks);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = (BYTE)(i * 7 + nSeed * 31 + (i >> 8));
    for (int k = 0; k < nChunks; ++k)
        cpu.ProgramChunks.Add(NewBlock(nBase + (int)(k * kChunk / 2), bytes, k * kChunk, kChunk, false));
    cpu.VerifyRegions.Add(NewBlock(nBase, bytes, 0, bytes.size(), true));

    const std::vector<BYTE> key = {0xA7, 0xD3, 0x12, 0x34, 0x56, 0x78};
    cpu.KeyProgramChunks.Add(NewBlock(nKey, key, 0, key.size(), false));
    cpu.KeyVerifyRegions.Add(NewBlock(nKey, key, 0, key.size(), true));
    cpu.KeyAddress = nKey;
    cpu.FrameTotal = nChunks + 3;
}

bool FlasherDialogTest::FlashHoldsImage(SimCpu which, const CFlashImage::CpuImage& cpu)
{
    for (const CArray<FlashBlock*>* list : {&cpu.VerifyRegions, &cpu.KeyVerifyRegions})
    {
        for (INT_PTR i = 0; i < list->GetSize(); ++i)
        {
            const FlashBlock* p = (*list)[i];
            std::vector<uint8_t> flash = m_pSim->Inspect(m_nBoard, [&](CSimDevice& d) {
                return d.Flash(which).Bytes((uint32_t)p->address, (size_t)p->length);
            });
            if (flash != std::vector<uint8_t>(p->data, p->data + p->length))
                return false;
        }
    }
    return true;
}

bool FlasherDialogTest::PumpUntil(const std::function<bool()>& done, DWORD ms)
{
    DWORD start = GetTickCount();
    for (;;)
    {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        if (done())
            return true;
        if (GetTickCount() - start > ms)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void FlasherDialogTest::Click(int nId)
{
    m_pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED),
                        reinterpret_cast<LPARAM>(m_pDlg->GetDlgItem(nId)->GetSafeHwnd()));
}

void FlasherDialogTest::RunUpdate(int nButton)
{
    Click(nButton);
    ASSERT_TRUE(PumpUntil([this] { return !m_pDlg->IsUpdateRunning(); })) << "the update did not end";
    // The last reports (the reset frame, the closing 9600) need no answer the
    // update waits for: the simulator may still be taking them on its thread.
    ASSERT_TRUE(PumpUntil([this] { return m_pSim->Settled(); })) << "the simulator did not take every report";
    // Rows the worker added last are already in; give the list its paint.
    PumpUntil([] { return true; }, 0);
}

std::vector<std::wstring> FlasherDialogTest::Rows() const
{
    std::vector<std::wstring> rows;
    int n = m_pDlg->m_listLog.GetItemCount();
    for (int i = 0; i < n; ++i)
        rows.push_back((LPCWSTR)m_pDlg->m_listLog.GetItemText(i, 1));
    return rows;
}

int FlasherDialogTest::CountRows(const std::wstring& text) const
{
    int n = 0;
    for (const std::wstring& row : Rows())
        n += row == text;
    return n;
}

std::vector<std::wstring> FlasherDialogTest::LogFileTexts() const
{
    std::vector<std::wstring> texts;
    std::wstring text;
    for (const std::wstring& s : testsupport::ReadLogLines(m_dir + L"\\Pyrolet_D.log"))
        if (testsupport::SplitLogLine(s, &text))
            texts.push_back(text);
    return texts;
}

int FlasherDialogTest::CountLogLines(const std::wstring& text) const
{
    int n = 0;
    for (const std::wstring& s : LogFileTexts())
        n += s == text;
    return n;
}

std::vector<SimRecord> FlasherDialogTest::Frames(uint8_t command) const
{
    std::vector<SimRecord> frames;
    for (const SimRecord& r : m_pSim->Records(m_nBoard, SimRecord::Frame))
        if (command == 0 || r.command == command)
            frames.push_back(r);
    return frames;
}

std::vector<SimRecord> FlasherDialogTest::BridgeCommands() const
{
    return m_pSim->Records(m_nBoard, SimRecord::BridgeCommand);
}

bool FlasherDialogTest::EndedWithResetAnd9600() const
{
    bool bReset = false;
    for (const SimRecord& r : m_pSim->Records())
    {
        if (r.device != m_nBoard)
            continue;
        if (r.kind == SimRecord::Frame)
            bReset = r.command == 0x0D;
        else if (r.kind == SimRecord::BridgeCommand && bReset &&
                 r.bytes == std::vector<uint8_t>{'S', 'E', 'T', 'B', 'A', 'U', 'D', '9', '6', '0', '0'})
            return true;
    }
    return false;
}

bool FlasherDialogTest::CloseItemEnabled()
{
    CMenu* pMenu = m_pDlg->GetSystemMenu(FALSE);
    UINT state = pMenu->GetMenuState(SC_CLOSE, MF_BYCOMMAND);
    return (state & (MF_GRAYED | MF_DISABLED)) == 0;
}
