// Update workers: the UI-thread begin steps, the worker threads with their
// three attempts 60 s apart, the percentage and the common end.
#include "CTarrowindDlg.h"
#include "ProtocolWait.h"

namespace
{
const int kAttempts = 3;
}

CFlashImage::CpuImage& CTarrowindDlg::Image(const CpuTraits& cpu) const
{
    return cpu.bSlave ? g_pFlashImage->Slave : g_pFlashImage->Master;
}

bool& CTarrowindDlg::SuccessFlag(const CpuTraits& cpu)
{
    return cpu.bSlave ? m_bSlaveSuccess : m_bMasterSuccess;
}

bool CTarrowindDlg::StopRequested() const
{
    return m_lStopRequested != 0;
}

void CTarrowindDlg::Pause(DWORD dwMilliseconds)
{
    if (!StopRequested())
        ProtocolWait::WaitOrStop(m_hStopEvent, dwMilliseconds);
}

bool CTarrowindDlg::IsUpdateRunning() const
{
    return WaitForSingleObject(m_hWorkerIdle, 0) == WAIT_TIMEOUT;
}

// --- Button handlers ---------------------------------------------------------

void CTarrowindDlg::OnBnClickedUpdateMaster()
{
    if (m_bMasterFileValid)
        BeginUpdateMaster();
}

void CTarrowindDlg::OnBnClickedUpdateSlave()
{
    m_nSlaveProgressOffset = 0;
    if (m_bSlaveFileValid)
        BeginUpdateSlave();
}

void CTarrowindDlg::OnBnClickedUpdateBoth()
{
    if (m_bMasterFileValid && m_bSlaveFileValid)
        OnUpdateBoth();
}

bool CTarrowindDlg::RefuseEmptyImage(const CpuTraits& cpu)
{
    // An image without frames (no key found) would be erased and then
    // reported updated, or divide the percentage by zero: refuse it.
    if (Image(cpu).FrameTotal > 0)
        return false;
    CString strText;
    strText.Format(L"The %s image holds nothing to program, update refused! Please re-select the flash file!",
                   cpu.bSlave ? L"slave" : L"master");
    Report(strText, LogError, true);
    return true;
}

// --- Begin steps (UI thread) -----------------------------------------------------

void CTarrowindDlg::BeginUpdateMaster() { BeginUpdate(s_Master); }
void CTarrowindDlg::BeginUpdateSlave() { BeginUpdate(s_Slave); }

void CTarrowindDlg::BeginUpdate(const CpuTraits& cpu)
{
    if (RefuseEmptyImage(cpu))
        return;
    CFlashImage::CpuImage& image = Image(cpu);
    image.SequenceNumber = 0;
    m_nProgressTotal = image.FrameTotal;
    SuccessFlag(cpu) = true;
    if (!OpenBridge())
    {
        ShowBridgeNotOpened(false);
        return;
    }
    LockControlsForUpdate();
    if (cpu.bSlave)
        StartSlaveThread();
    else
        StartMasterThread();
}

// The bridge could not be opened: disconnected, Connect and Select File on
// offer, the update buttons off (and with bEnableClose the Close item back).
void CTarrowindDlg::ShowBridgeNotOpened(bool bEnableClose)
{
    m_nConnectionState = 0;
    m_btnConnect.EnableWindow(TRUE);
    m_btnUpdateBoth.EnableWindow(FALSE);
    m_btnUpdateMaster.EnableWindow(FALSE);
    m_btnUpdateSlave.EnableWindow(FALSE);
    m_btnSelectFile.EnableWindow(TRUE);
    if (bEnableClose)
        GetSystemMenu(FALSE)->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
    UpdateButtonStates();
}

// The bridge is open and an update starts: connected, the Close item greyed
// and every button that starts device work off until the common end.
void CTarrowindDlg::LockControlsForUpdate()
{
    m_nConnectionState = 1;
    GetSystemMenu(FALSE)->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    m_btnConnect.EnableWindow(FALSE);
    m_btnUpdateBoth.EnableWindow(FALSE);
    m_btnUpdateMaster.EnableWindow(FALSE);
    m_btnUpdateSlave.EnableWindow(FALSE);
    m_btnSelectFile.EnableWindow(FALSE);
}

void CTarrowindDlg::OnUpdateBoth()
{
    if (RefuseEmptyImage(s_Master) || RefuseEmptyImage(s_Slave))
        return;
    m_bMasterSuccess = true;
    m_bSlaveSuccess = true;
    if (!OpenBridge())
    {
        m_nConnectionState = 0;
        m_btnConnect.EnableWindow(TRUE);
        UpdateButtonStates();
        return;
    }
    LockControlsForUpdate();
    StartBothThread();
}

void CTarrowindDlg::StartBothThread()
{
    g_pFlashImage->Master.SequenceNumber = 0;
    g_pFlashImage->Slave.SequenceNumber = 0;
    m_nProgressTotal = g_pFlashImage->Master.FrameTotal + g_pFlashImage->Slave.FrameTotal;
    if (!OpenBridge())
    {
        ShowBridgeNotOpened(true);
        return;
    }
    m_nConnectionState = 1;
    GetSystemMenu(FALSE)->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    StartWorker(m_hBothThread, BothUpdateThreadProc);
}

void CTarrowindDlg::StartMasterThread() { StartWorker(m_hMasterThread, MasterUpdateThreadProc); }
void CTarrowindDlg::StartSlaveThread() { StartWorker(m_hSlaveThread, SlaveUpdateThreadProc); }

void CTarrowindDlg::StartWorker(HANDLE& hThread, LPTHREAD_START_ROUTINE pfn)
{
    if (hThread != nullptr || IsUpdateRunning())
        return;
    InterlockedExchange(&m_lStopRequested, 0);
    ResetEvent(m_hStopEvent);
    ResetEvent(m_hWorkerIdle);
    hThread = CreateThread(nullptr, 0, pfn, this, 0, nullptr);
    if (hThread == nullptr)
    {
        // Back to the full idle state: buttons, Select File and the Close item.
        SetEvent(m_hWorkerIdle);
        m_btnSelectFile.EnableWindow(TRUE);
        GetSystemMenu(FALSE)->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
        UpdateButtonStates();
    }
}

// --- Worker threads -----------------------------------------------------------------

DWORD WINAPI CTarrowindDlg::MasterUpdateThreadProc(LPVOID pParam)
{
    return (DWORD)static_cast<CTarrowindDlg*>(pParam)->UpdateMasterThread();
}

DWORD WINAPI CTarrowindDlg::SlaveUpdateThreadProc(LPVOID pParam)
{
    return (DWORD)static_cast<CTarrowindDlg*>(pParam)->UpdateSlaveThread();
}

DWORD WINAPI CTarrowindDlg::BothUpdateThreadProc(LPVOID pParam)
{
    return (DWORD)static_cast<CTarrowindDlg*>(pParam)->UpdateBothThread();
}

bool CTarrowindDlg::RunAttempts(const CpuTraits& cpu, bool bResetTotal)
{
    CFlashImage::CpuImage& image = Image(cpu);
    bool& bSuccess = SuccessFlag(cpu);
    bool bTried = false;
    for (int nAttempt = 0; nAttempt < kAttempts && !StopRequested(); ++nAttempt)
    {
        bTried = true;
        image.SequenceNumber = 0;
        if (cpu.bSlave)
            m_nSlaveProgressOffset = bResetTotal ? 0 : g_pFlashImage->Master.FrameTotal;
        if (bResetTotal)
            m_nProgressTotal = image.FrameTotal;
        bSuccess = true;
        // The slave attempts of Update Both show no percentage before they start.
        if (bResetTotal || !cpu.bSlave)
            ShowPercent(cpu.bSlave ? m_nSlaveProgressOffset : 0);
        g_pFlashImage->LastAttempt = nAttempt == kAttempts - 1;

        UpdateCpu(cpu);
        if (bSuccess)
            break;

        image.SequenceNumber = 0;
        if (cpu.bSlave && bResetTotal)
            m_nSlaveProgressOffset = 0;
        ShowPercent(cpu.bSlave ? m_nSlaveProgressOffset : 0);
        if (nAttempt < kAttempts - 1)
            Pause(ProtocolWait::BetweenAttempts);
    }
    // Stopped before any attempt: nothing was updated.
    if (!bTried)
        bSuccess = false;
    return bSuccess;
}

bool CTarrowindDlg::CheckConnected()
{
    if (m_nConnectionState == 1 && m_HidControl.IsOpen() == 1)
        return true;
    AddLog(L"Please connect device first!", LogError);
    return false;
}

int CTarrowindDlg::UpdateOneCpuThread(const CpuTraits& cpu, HANDLE& hThread)
{
    if (CheckConnected() && !RunAttempts(cpu, true))
        AddLog(cpu.pszFailed, LogError);
    FinishWorker(hThread);
    return 0;
}

int CTarrowindDlg::UpdateMasterThread()
{
    return UpdateOneCpuThread(s_Master, m_hMasterThread);
}

int CTarrowindDlg::UpdateSlaveThread()
{
    return UpdateOneCpuThread(s_Slave, m_hSlaveThread);
}

int CTarrowindDlg::UpdateBothThread()
{
    if (CheckConnected())
    {
        m_nProgressTotal = g_pFlashImage->Master.FrameTotal + g_pFlashImage->Slave.FrameTotal;
        if (!RunAttempts(s_Master, false))
        {
            AddLog(s_Master.pszFailed, LogError);
        }
        else
        {
            Pause(ProtocolWait::BeforeSlave);
            if (!RunAttempts(s_Slave, false))
                AddLog(s_Slave.pszFailed, LogError);
        }
    }
    FinishWorker(m_hBothThread);
    return 0;
}

void CTarrowindDlg::FinishWorker(HANDLE& hThread)
{
    m_btnConnect.EnableWindow(FALSE);
    m_btnUpdateBoth.EnableWindow(TRUE);
    m_btnUpdateMaster.EnableWindow(TRUE);
    m_btnUpdateSlave.EnableWindow(TRUE);
    m_btnSelectFile.EnableWindow(TRUE);
    SetDlgItemText(IDC_STATIC_PROGRESS_INFO, L"");
    m_ctlProgress.SetPos(0);
    SetDlgItemText(IDC_STATIC_PERCENT, L"");
    GetSystemMenu(FALSE)->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
    // Our own handle: nobody else waits on it (a stop waits on the idle event).
    HANDLE hOld = hThread;
    hThread = nullptr;
    if (hOld != nullptr)
        CloseHandle(hOld);
    m_ctlProgress.SendMessage(PBM_SETBKCOLOR, 0, RGB(0xEC, 0xE9, 0xD8));
    UpdateButtonStates();
    SetEvent(m_hWorkerIdle);
}

void CTarrowindDlg::StopUpdateAndWait()
{
    if (!IsUpdateRunning())
        return;
    InterlockedExchange(&m_lStopRequested, 1);
    SetEvent(m_hStopEvent);
    // The worker sends messages to our windows: keep serving them while waiting.
    while (MsgWaitForMultipleObjects(1, &m_hWorkerIdle, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
    {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }
}
