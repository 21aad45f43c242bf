#include "CHalvickDlg.h"

#include "CAboutDlg.h"

#include <commctrl.h>
#include <stdlib.h>

CHalvickDlg::CHalvickDlg(CWnd* pParent)
    : CDialog(CHalvickDlg::IDD, pParent), m_hThread(nullptr)
{
    m_hIcon = AfxGetApp() ? AfxGetApp()->LoadIcon(IDR_MAINFRAME)
                          : ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    InitializeCriticalSection(&m_csThread);
    m_hStopEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

CHalvickDlg::~CHalvickDlg()
{
    // A worker still running when the window has gone is stopped before the
    // dialog it works on disappears.
    StopWorker();
    CloseHandle(m_hStopEvent);
    DeleteCriticalSection(&m_csThread);
}

void CHalvickDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_LOG, m_ListLog);
    DDX_Text(pDX, IDC_EDIT_PATH, m_strPath);
    DDX_Control(pDX, IDC_PROGRESS_SEND, m_Progress);
}

BEGIN_MESSAGE_MAP(CHalvickDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_BUTTON_CLEAR, OnBnClickedClear)
    ON_BN_CLICKED(IDC_BUTTON_SEND, OnBnClickedSend)
    ON_BN_CLICKED(IDC_BUTTON_STOP, OnBnClickedStop)
    ON_BN_CLICKED(IDC_BUTTON_CHOOSE, OnBnClickedChoose)
END_MESSAGE_MAP()

BOOL CHalvickDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu != nullptr) {
        CString strAboutMenu;
        strAboutMenu.LoadString(IDS_ABOUTBOX);
        if (!strAboutMenu.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_ListLog.InsertColumn(0, L"时间", LVCFMT_LEFT);
    m_ListLog.InsertColumn(1, L"信息", LVCFMT_LEFT);
    m_ListLog.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_ListLog.ModifyStyle(LVS_TYPEMASK, LVS_REPORT);
    m_ListLog.SetColumnWidth(0, 50);
    m_ListLog.SetColumnWidth(1, 50);

    BuildLogPath(m_strLogPath);

    if (m_HIDControl.Open()) {
        Log(SenderMsg::OpenUsbSuccess);
        return TRUE;
    }
    // The dialog stays usable: the worker looks for the bridge itself.
    Log(SenderMsg::OpenUsbFail);
    AfxMessageBox(L"Open USB Fail", MB_OK);
    return FALSE;
}

void CHalvickDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CHalvickDlg::OnPaint()
{
    if (IsIconic()) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

        int cxIcon = GetSystemMetrics(SM_CXICON);
        int cyIcon = GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        int x = (rect.Width() - cxIcon + 1) / 2;
        int y = (rect.Height() - cyIcon + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
    } else {
        CDialog::OnPaint();
    }
}

HCURSOR CHalvickDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CHalvickDlg::OnDestroy()
{
    // Stop while the controls the worker writes to still exist.
    StopWorker();
    CDialog::OnDestroy();
}

void CHalvickDlg::Log(const SenderMessage& message)
{
    if (message.list)
        AddListLog(message.list);
    if (message.file)
        WriteLogFile(message.file);
}

void CHalvickDlg::AddListLog(const CString& message)
{
    // Reached from the worker too: only window messages, no temporary objects.
    HWND hList = m_ListLog.GetSafeHwnd();
    if (hList == nullptr)
        return;

    SYSTEMTIME st;
    GetLocalTime(&st);
    CString strTime;
    strTime.Format(L"%02d:%02d:%02d", st.wHour, st.wMinute, st.wSecond);

    int nItem = m_ListLog.GetItemCount();
    nItem = m_ListLog.InsertItem(nItem, strTime);
    m_ListLog.SetItemText(nItem, 1, message);

    HWND hHeader = reinterpret_cast<HWND>(::SendMessageW(hList, LVM_GETHEADER, 0, 0));
    int nColumns = hHeader ? static_cast<int>(::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0)) : 0;
    for (int i = 0; i < nColumns; ++i)
        m_ListLog.SetColumnWidth(i, LVSCW_AUTOSIZE_USEHEADER);

    ::SendMessageW(hList, WM_VSCROLL, SB_BOTTOM, 0);
}

void CHalvickDlg::WriteLogFile(const CString& message)
{
    SYSTEMTIME st;
    GetLocalTime(&st);

    // The file is opened for each line so that other programs can read it
    // between lines. When it cannot be opened (deleted or held elsewhere)
    // the line is dropped.
    if (!m_LogFile.Open(m_strLogPath, CFile::modeReadWrite | CFile::typeText))
        return;

    CString strLine;
    strLine.Format(L"%04d-%02d-%02d %02d:%02d:%02d.%03d : ", st.wYear, st.wMonth, st.wDay,
                   st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
    strLine += message;
    strLine += L"\n";
    try {
        m_LogFile.SeekToEnd();
        m_LogFile.WriteString(strLine);
        m_LogFile.Close();
    } catch (CFileException* e) {
        // A full disk or a failing device loses this line, not the program.
        e->Delete();
        m_LogFile.Abort();
    }
}

void CHalvickDlg::BuildLogPath(CString& path)
{
    wchar_t szModule[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, szModule, MAX_PATH);
    wchar_t szDrive[_MAX_DRIVE] = {};
    wchar_t szDir[_MAX_DIR] = {};
    _wsplitpath_s(szModule, szDrive, _MAX_DRIVE, szDir, _MAX_DIR, nullptr, 0, nullptr, 0);
    path = szDrive;
    path += szDir;
    path += L"Halvick.log";

    CFileFind finder;
    if (!finder.FindFile(path)) {
        CFile file;
        if (file.Open(path, CFile::modeCreate | CFile::modeWrite))
            file.Close();
    }
}

void CHalvickDlg::OnBnClickedClear()
{
    m_ListLog.DeleteAllItems();
}

void CHalvickDlg::OnBnClickedSend()
{
    EnterCriticalSection(&m_csThread);
    if (m_hThread == nullptr) {
        ResetEvent(m_hStopEvent);
        // Stored under the lock, so that a worker that ends at once finds
        // its own handle to forget.
        m_hThread = CreateThread(nullptr, 0, SendFileThreadProc, this, 0, nullptr);
    }
    LeaveCriticalSection(&m_csThread);
}

void CHalvickDlg::OnBnClickedStop()
{
    StopWorker();
    ::SetDlgItemTextW(m_hWnd, IDC_BUTTON_SEND, SendCaptionAfterStop);
    Log(SenderMsg::StopTest);
}

void CHalvickDlg::OnBnClickedChoose()
{
    CFileDialog dlg(TRUE, L"bin", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, L"(*.bin)|*.bin||");
    if (dlg.DoModal() == IDOK) {
        m_strPath = dlg.GetPathName();
        UpdateData(FALSE);
    }
}

bool CHalvickDlg::StopRequested() const
{
    return WaitForSingleObject(m_hStopEvent, 0) == WAIT_OBJECT_0;
}

bool CHalvickDlg::WaitForStop(DWORD ms) const
{
    return WaitForSingleObject(m_hStopEvent, ms) == WAIT_OBJECT_0;
}

void CHalvickDlg::StopWorker()
{
    EnterCriticalSection(&m_csThread);
    HANDLE hThread = m_hThread;
    m_hThread = nullptr;
    if (hThread)
        SetEvent(m_hStopEvent);
    LeaveCriticalSection(&m_csThread);
    if (hThread == nullptr)
        return;

    // The worker may be inside a packet's write or read: cancelling the
    // link's pending transfer cuts those waits short, and the worker sends
    // nothing once the stop is set. The list and progress updates it may be
    // sending to this thread are served while waiting.
    for (;;) {
        m_HIDControl.CancelPending();
        DWORD r = MsgWaitForMultipleObjects(1, &hThread, FALSE, 100, QS_SENDMESSAGE);
        if (r == WAIT_OBJECT_0 || r == WAIT_FAILED)
            break;
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    CloseHandle(hThread);
}

void CHalvickDlg::WorkerEnded()
{
    EnterCriticalSection(&m_csThread);
    // After a Stop the handle belongs to StopWorker, which closes it.
    if (m_hThread != nullptr && GetThreadId(m_hThread) == GetCurrentThreadId()) {
        CloseHandle(m_hThread);
        m_hThread = nullptr;
    }
    LeaveCriticalSection(&m_csThread);
}
