// The main dialog of Merrowick: choose a .bin file, send it to the board over
// the HID bridge on a worker thread, and log every step to the list and to
// "Halvick.log" beside the executable.
#pragma once

#include "Framework.h"
#include "CHIDControl.h"
#include "SenderMessages.h"
#include "resource.h"

class CHalvickDlg : public CDialog
{
public:
    explicit CHalvickDlg(CWnd* pParent = nullptr);
    ~CHalvickDlg() override;

    enum { IDD = IDD_HALVICK_DIALOG };

    // One row of the log list: the time, then the message.
    void AddListLog(const CString& message);
    // One line of the log file; dropped when the file cannot be opened.
    void WriteLogFile(const CString& message);
    // The log file's full path beside the executable; creates it empty when missing.
    void BuildLogPath(CString& path);
    // Sends one packet and waits for its acknowledgement: 0 acknowledged, -1 not.
    int SendPacket(BYTE* data, int length);

    // A message to the list, the file or both, as the message says.
    void Log(const SenderMessage& message);

    // Asks the running worker to end at its next safe point and waits until it
    // has, keeping the dialog's sent messages served meanwhile. No-op when idle.
    void StopWorker();
    // True once the running worker has been asked to end.
    bool StopRequested() const;
    // Waits up to ms for a stop request; true when one came.
    bool WaitForStop(DWORD ms) const;
    // Called by the worker as it ends by itself: forgets its stored handle.
    void WorkerEnded();

    HANDLE m_hThread;           // the running send worker, null when idle
    CString m_strLogPath;
    CStdioFile m_LogFile;
    CHIDControl m_HIDControl;
    HICON m_hIcon;
    CListCtrl m_ListLog;
    CString m_strPath;          // set only by Choose
    CProgressCtrl m_Progress;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnDestroy();
    void OnBnClickedClear();
    void OnBnClickedSend();
    void OnBnClickedStop();
    void OnBnClickedChoose();

    DECLARE_MESSAGE_MAP()

private:
    // Guards the handoff of m_hThread between the UI thread and the worker.
    CRITICAL_SECTION m_csThread;
    // Set by Stop and by closing; reset when a new worker starts.
    HANDLE m_hStopEvent;
};

// The send worker; the parameter is the dialog.
DWORD WINAPI SendFileThreadProc(LPVOID lpParameter);
