// The main dialog: initialisation, connection, button states, the ways the
// window closes, painting while minimised.
#include "CTarrowindDlg.h"
#include "CAboutDlg.h"

CTarrowindDlg::CTarrowindDlg(CWnd* pParent)
    : CDialog(IDD, pParent),
      m_nConnectionState(0),
      m_hSlaveThread(nullptr),
      m_hMasterThread(nullptr),
      m_hBothThread(nullptr),
      m_hIcon(AfxGetApp() ? AfxGetApp()->LoadIcon(IDR_MAINFRAME)
                          : LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME))),
      m_hLogFile(INVALID_HANDLE_VALUE),
      m_nProgressTotal(0),
      m_bMasterFileValid(false),
      m_bSlaveFileValid(false),
      m_bMasterSuccess(false),
      m_bSlaveSuccess(false),
      m_nSlaveProgressOffset(0),
      m_hWorkerIdle(CreateEventW(nullptr, TRUE, TRUE, nullptr)),
      m_hStopEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      m_lStopRequested(0)
{
    memset(m_ReplyBuffer, 0, sizeof(m_ReplyBuffer));
    memset(m_ResetReplyBuffer, 0, sizeof(m_ResetReplyBuffer));
}

CTarrowindDlg::~CTarrowindDlg()
{
    // Whatever way the dialog ended, no worker may outlive the members it uses.
    if (IsUpdateRunning())
    {
        InterlockedExchange(&m_lStopRequested, 1);
        SetEvent(m_hStopEvent);
        WaitForSingleObject(m_hWorkerIdle, INFINITE);
    }
    CloseHandle(m_hWorkerIdle);
    CloseHandle(m_hStopEvent);
}

void CTarrowindDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BUTTON_SELECT_FILE, m_btnSelectFile);
    DDX_Control(pDX, IDC_BUTTON_UPDATE_MASTER, m_btnUpdateMaster);
    DDX_Control(pDX, IDC_BUTTON_UPDATE_SLAVE, m_btnUpdateSlave);
    DDX_Control(pDX, IDC_BUTTON_UPDATE_BOTH, m_btnUpdateBoth);
    DDX_Control(pDX, IDC_BUTTON_CONNECT, m_btnConnect);
    DDX_Control(pDX, IDC_PROGRESS_UPDATE, m_ctlProgress);
    DDX_Control(pDX, IDC_LIST_LOG, m_listLog);
}

BEGIN_MESSAGE_MAP(CTarrowindDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_BUTTON_UPDATE_MASTER, OnBnClickedUpdateMaster)
    ON_BN_CLICKED(IDC_BUTTON_CLEAR_LOG, OnBnClickedClearLog)
    ON_COMMAND(IDC_UPDATE_BOTH_COMMAND, OnUpdateBoth)
    ON_BN_CLICKED(IDC_BUTTON_CONNECT, OnBnClickedConnect)
    ON_BN_CLICKED(IDC_BUTTON_UPDATE_SLAVE, OnBnClickedUpdateSlave)
    ON_BN_CLICKED(IDC_BUTTON_UPDATE_BOTH, OnBnClickedUpdateBoth)
    ON_BN_CLICKED(IDC_BUTTON_SELECT_FILE, OnBnClickedSelectFile)
    ON_BN_CLICKED(IDC_CHECK_ARM, OnBnClickedArm)
END_MESSAGE_MAP()

BOOL CTarrowindDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    // System menu: Move, Close and the About item are what remain.
    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu != nullptr)
    {
        CString strAbout;
        strAbout.LoadString(IDS_ABOUTBOX);
        if (!strAbout.IsEmpty())
        {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAbout);
        }
        pSysMenu->RemoveMenu(0, MF_BYPOSITION);
        for (int i = 0; i < 4; ++i)
            pSysMenu->RemoveMenu(1, MF_BYPOSITION);
        pSysMenu->RemoveMenu(2, MF_BYPOSITION);
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_listLog.ModifyStyle(0, 0x7);
    m_listLog.InsertColumn(0, L"Time", LVCFMT_LEFT, -1);
    m_listLog.InsertColumn(1, L"Message", LVCFMT_LEFT, -1);
    m_listLog.AddExtendedStyle(LVS_EX_FULLROWSELECT);
    m_listLog.ModifyStyle(LVS_TYPEMASK & 0x3, LVS_REPORT);
    m_listLog.EnableRowColors(TRUE);

    m_ctlProgress.SendMessage(PBM_SETBARCOLOR, 0, RGB(0x32, 0xCD, 0x32));

    AddLog(L"Welcome to use Pyrolet!", LogInfo);
    WriteLog(this, L"Welcome to use Pyrolet!");

    SetDlgItemText(IDC_STATIC_PERCENT, L"");
    m_nConnectionState = 0;

    if (g_pFlashImage == nullptr)
        g_pFlashImage = new CFlashImage;

    CheckDlgButton(IDC_CHECK_ARM, BST_CHECKED);
    m_HidControl.m_bArmMode = 1;

    AutoConnect();

    m_hMasterThread = nullptr;
    m_hSlaveThread = nullptr;
    m_hBothThread = nullptr;
    return TRUE;
}

void CTarrowindDlg::AutoConnect()
{
    UpdateData(TRUE);
    if (OpenBridge())
    {
        m_nConnectionState = 1;
        SetButtonsByConnection(1);
    }
    else
    {
        m_nConnectionState = 0;
        SetButtonsByConnection(0);
    }
}

bool CTarrowindDlg::OpenBridge()
{
    if (!m_HidControl.Open(BridgeVendorId, BridgeProductId))
    {
        AddLog(L"Can not find the HID Device!", LogError);
        AddLog(L"Check the connection, and click Connect button", LogInfo);
        return false;
    }
    // Frames go out in blocks of up to 64 bytes, one output report each; a
    // report that cannot carry a whole block would cut them on the way to
    // the flash.
    const int nOutput = m_HidControl.m_Capabilities.OutputReportByteLength;
    if (nOutput < HidLink::ReportHeaderSize + MaxWriteBytes)
    {
        m_HidControl.Close();
        m_HidControl.m_bOpened = 0;
        CString strText;
        strText.Format(L"The HID Device's output report holds %d bytes, too few for the %d-byte blocks of a frame, "
                       L"the device is not used!",
                       nOutput, static_cast<int>(MaxWriteBytes));
        Report(strText, LogError, true);
        AddLog(L"Check the connection, and click Connect button", LogInfo);
        return false;
    }
    return true;
}

void CTarrowindDlg::OnBnClickedConnect()
{
    if (!OpenBridge())
    {
        m_nConnectionState = 0;
        m_btnUpdateMaster.EnableWindow(FALSE);
        m_btnUpdateSlave.EnableWindow(FALSE);
        m_btnUpdateBoth.EnableWindow(FALSE);
        m_btnConnect.EnableWindow(TRUE);
        return;
    }
    AddLog(L"Find the HID Device OK!", LogInfo);
    m_nConnectionState = 1;
    if (m_bMasterFileValid && m_bSlaveFileValid)
    {
        m_btnUpdateMaster.EnableWindow(TRUE);
        m_btnUpdateSlave.EnableWindow(TRUE);
        m_btnUpdateBoth.EnableWindow(TRUE);
        m_btnConnect.EnableWindow(TRUE);
    }
    else if (m_bMasterFileValid)
    {
        m_btnUpdateMaster.EnableWindow(TRUE);
        m_btnConnect.EnableWindow(FALSE);
    }
    else if (m_bSlaveFileValid)
    {
        m_btnUpdateSlave.EnableWindow(TRUE);
        m_btnConnect.EnableWindow(FALSE);
    }
    else
    {
        m_btnUpdateMaster.EnableWindow(FALSE);
        m_btnUpdateSlave.EnableWindow(FALSE);
        m_btnUpdateBoth.EnableWindow(FALSE);
        m_btnConnect.EnableWindow(FALSE);
    }
}

void CTarrowindDlg::UpdateButtonStates()
{
    if (m_nConnectionState == 1)
    {
        if (m_bMasterFileValid && m_bSlaveFileValid)
        {
            m_btnUpdateMaster.EnableWindow(TRUE);
            m_btnUpdateSlave.EnableWindow(TRUE);
            m_btnUpdateBoth.EnableWindow(TRUE);
        }
        else
        {
            m_btnUpdateBoth.EnableWindow(FALSE);
        }
        m_btnUpdateMaster.EnableWindow(m_bMasterFileValid);
        m_btnUpdateSlave.EnableWindow(m_bSlaveFileValid);
    }
    else
    {
        m_btnUpdateMaster.EnableWindow(FALSE);
        m_btnUpdateSlave.EnableWindow(FALSE);
        m_btnUpdateBoth.EnableWindow(FALSE);
        m_btnConnect.EnableWindow(TRUE);
    }
}

void CTarrowindDlg::SetButtonsByConnection(int nState)
{
    if (nState == 0)
    {
        m_btnUpdateMaster.EnableWindow(FALSE);
        m_btnUpdateSlave.EnableWindow(FALSE);
        m_btnUpdateBoth.EnableWindow(FALSE);
        m_btnConnect.EnableWindow(TRUE);
    }
    else if (nState == 1)
    {
        m_btnUpdateBoth.EnableWindow(FALSE);
        m_btnUpdateMaster.EnableWindow(FALSE);
        m_btnUpdateSlave.EnableWindow(FALSE);
        m_btnConnect.EnableWindow(FALSE);
    }
}

void CTarrowindDlg::OnBnClickedArm()
{
    m_HidControl.m_bArmMode = IsDlgButtonChecked(IDC_CHECK_ARM) == BST_CHECKED ? 1 : 0;
}

void CTarrowindDlg::OnBnClickedClearLog()
{
    m_listLog.DeleteAllItems();
}

void CTarrowindDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX)
    {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
        return;
    }
    if ((nID & 0xFFF0) == SC_CLOSE)
    {
        // The item is greyed during an update, but Alt+F4 and the caption
        // button still send it: let the worker stop first.
        StopUpdateAndWait();
        if (m_nConnectionState == 1)
            m_HidControl.Close();
        DeleteFileW(g_pFlashImage->Master.M00Path);
        DeleteFileW(g_pFlashImage->Slave.M00Path);
    }
    CDialog::OnSysCommand(nID, lParam);
}

BOOL CTarrowindDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE)
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

void CTarrowindDlg::OnOK()
{
    StopUpdateAndWait();
    CDialog::OnOK();
}

void CTarrowindDlg::OnPaint()
{
    if (IsIconic())
    {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        int cxIcon = GetSystemMetrics(SM_CXICON);
        int cyIcon = GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        int x = (rect.Width() - cxIcon + 1) / 2;
        int y = (rect.Height() - cyIcon + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
    }
    else
    {
        CDialog::OnPaint();
    }
}

HCURSOR CTarrowindDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}
