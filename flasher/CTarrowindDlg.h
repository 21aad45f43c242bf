// CTarrowindDlg: the flasher's main dialog. It owns the HID link, the log list
// and the operation log, the update flags and the worker handles; the update
// sequences, the program and verify passes and the workers are its members
// (CTarrowindDlgUpdate.cpp, CTarrowindDlgProgram.cpp, CTarrowindDlgWorkers.cpp).
#pragma once

#include "Framework.h"
#include "CZMListCtrl.h"
#include "CHIDControl.h"
#include "CFlashImage.h"
#include "CCriticalSectionWrapper.h"
#include "resource.h"

class CTarrowindDlg : public CDialog
{
public:
    explicit CTarrowindDlg(CWnd* pParent = nullptr);
    ~CTarrowindDlg() override;

    enum { IDD = IDD_PYROLET_D_DIALOG };

    // Bridge ids passed to every Open.
    enum { BridgeVendorId = 0x0084, BridgeProductId = 0x0041 };
    // Row kinds of the log list.
    enum { LogInfo = 0, LogError = 1 };

    // --- Operation log (OperationLog.cpp, CTarrowindDlgLog.cpp) -------------
    void AddLog(CString strText, int nKind);
    static int HexDump(const BYTE* pData, unsigned int nLength, char* pOut);

    // --- Buttons and connection ----------------------------------------------
    void UpdateButtonStates();
    void SetButtonsByConnection(int nState);
    void AutoConnect();
    // Opens the bridge for a connection step; false, with the rows that say
    // why, when it is missing or its output report is too short for a block.
    bool OpenBridge();

    // --- File selection (CTarrowindDlgFiles.cpp) ------------------------------
    void SelectMasterFile();
    void SelectSlaveFile();

    // --- Update sequences (CTarrowindDlgUpdate.cpp) ----------------------------
    void UpdateMasterCpu();
    void UpdateSlaveCpu();
    void ResetMasterCpu();
    void ResetSlaveCpu();

    // --- Program and verify passes (CTarrowindDlgProgram.cpp) -----------------
    void ProgramMasterCpu();
    void ProgramSlaveCpu();

    // Frame commands of the CPU's flash loader.
    enum FrameCommand { CmdErase = 0x0A, CmdProgram = 0x0B, CmdVerify = 0x0C, CmdReset = 0x0D };
    enum { OuterHeaderSize = 8, CommandHeaderSize = 8, CommandBodySize = 20,
           FrameHeadSize = OuterHeaderSize + CommandHeaderSize + CommandBodySize };
    // The largest payload of one Write: frames go out in blocks of this size.
    enum { MaxWriteBytes = 64 };
    // Fills pFrame (FrameHeadSize bytes, plus the block's data for a program
    // frame) and advances nSequence by one; returns the frame length.
    static int BuildFrame(BYTE* pFrame, int& nSequence, FrameCommand cmd, const FlashBlock* pBlock);
    // The 20-byte body of a frame of the given command.
    static void BuildCommandBody(BYTE* pBody, FrameCommand cmd, const FlashBlock* pBlock);

    // --- Workers (CTarrowindDlgWorkers.cpp) -------------------------------------
    void BeginUpdateMaster();
    void BeginUpdateSlave();
    void StartMasterThread();
    void StartSlaveThread();
    void StartBothThread();
    int UpdateMasterThread();
    int UpdateSlaveThread();
    int UpdateBothThread();
    static DWORD WINAPI MasterUpdateThreadProc(LPVOID pParam);
    static DWORD WINAPI SlaveUpdateThreadProc(LPVOID pParam);
    static DWORD WINAPI BothUpdateThreadProc(LPVOID pParam);

    // True while a worker runs (between its start and the end of its common end).
    bool IsUpdateRunning() const;
    // Asks a running worker to stop at its next step and waits for it,
    // serving this thread's messages meanwhile (the worker talks to our windows).
    void StopUpdateAndWait();

    // Esc is swallowed: the dialog does not close on it.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Message handlers
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnBnClickedUpdateMaster();
    void OnBnClickedClearLog();
    void OnUpdateBoth();
    void OnBnClickedConnect();
    void OnBnClickedUpdateSlave();
    void OnBnClickedUpdateBoth();
    void OnBnClickedSelectFile();
    void OnBnClickedArm();

    // --- Members, in the order of the dialog's design ---------------------------
    CButton m_btnSelectFile;
    CButton m_btnUpdateMaster;
    CButton m_btnUpdateSlave;
    CButton m_btnUpdateBoth;
    CButton m_btnConnect;
    CProgressCtrl m_ctlProgress;
    CZMListCtrl m_listLog;
    BYTE m_ReplyBuffer[65];
    BYTE m_ResetReplyBuffer[65];
    int m_nConnectionState;
    CHIDControl m_HidControl;
    HANDLE m_hSlaveThread;
    HANDLE m_hMasterThread;
    HANDLE m_hBothThread;
    HICON m_hIcon;
    CCriticalSectionWrapper m_LogLock;
    CString m_strLogPath;
    HANDLE m_hLogFile;
    int m_nProgressTotal;
    bool m_bMasterFileValid;
    bool m_bSlaveFileValid;
    bool m_bMasterSuccess;
    bool m_bSlaveSuccess;
    int m_nSlaveProgressOffset;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter during an update first stops the worker, so that it never works
    // on members that the end of the modal loop destroys.
    void OnOK() override;

    DECLARE_MESSAGE_MAP()

private:
    friend class CUpdateCpu;

    // What tells the two CPUs apart in the shared sequence code.
    struct CpuTraits
    {
        bool bSlave;
        LPCWSTR pszInProgress;       // "Master cpu update in progress..."
        const char* pszFlashCommand; // "FlashUM\r"
        char chFlashReply;           // 'M'
        LPCWSTR pszFlashFailure;
        bool bBaud19200BothToFile;   // the master writes both 19200 failure lines
        LPCWSTR pszProgramming;
        bool bPassFailureToFile[4];  // which passes write the rejection lines
        LPCWSTR pszSucceeded;
        LPCWSTR pszFailed;           // the worker's final row
    };
    static const CpuTraits s_Master;
    static const CpuTraits s_Slave;
    CFlashImage::CpuImage& Image(const CpuTraits& cpu) const;
    bool& SuccessFlag(const CpuTraits& cpu);

    void UpdateCpu(const CpuTraits& cpu);
    void ResetCpu(const CpuTraits& cpu);
    void ProgramCpu(const CpuTraits& cpu);
    // One pass over a list; false when a frame was rejected three times in a row.
    bool RunPass(const CpuTraits& cpu, const CArray<FlashBlock*>& list, FrameCommand cmd, int nPass);
    void SendFrame(const BYTE* pFrame, int nLength);
    bool RunAttempts(const CpuTraits& cpu, bool bResetTotal);
    // Logs the "connect first" row when the bridge is not open.
    bool CheckConnected();
    int UpdateOneCpuThread(const CpuTraits& cpu, HANDLE& hThread);
    void BeginUpdate(const CpuTraits& cpu);
    void ShowBridgeNotOpened(bool bEnableClose);
    void LockControlsForUpdate();
    void StartWorker(HANDLE& hThread, LPTHREAD_START_ROUTINE pfn);
    void FinishWorker(HANDLE& hThread);
    // Refuses an update of an image that yields no frames; true when refused.
    bool RefuseEmptyImage(const CpuTraits& cpu);
    void ShowPercent(int nSequence);
    void SelectFile(const CpuTraits& cpu);

    // Device exchange with its log lines: heading, then the hex dump.
    void WriteAndLog(const BYTE* pData, int nLength, LPCWSTR pszHeading = L"Send Data:");
    void LogReceived(const BYTE* pData, unsigned int nLength, LPCWSTR pszHeading = L"Receive Data:");
    void LogDump(LPCWSTR pszHeading, const BYTE* pData, unsigned int nLength);
    // A message row, and the same text as a log file line when bToFile.
    void Report(LPCWSTR pszText, int nKind, bool bToFile);
    // A failure message: shown only during the last attempt.
    void ReportFailure(LPCWSTR pszText, bool bToFile);
    // The protocol's waits; they end early when the update is being stopped.
    void Pause(DWORD dwMilliseconds);
    bool StopRequested() const;

    HANDLE m_hWorkerIdle;        // manual-reset, signalled while no worker runs
    HANDLE m_hStopEvent;         // manual-reset, set to cut the worker's waits short
    volatile LONG m_lStopRequested;
};

// The operation log file beside the executable (OperationLog.cpp).
void WriteLog(CTarrowindDlg* pDlg, LPCWSTR pszFormat, ...);
void WriteLogA(CTarrowindDlg* pDlg, LPCSTR pszFormat, ...);
