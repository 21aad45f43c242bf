#include "QMUpdateBothDlg.h"
#include "CTarrowindDlg.h"

CString g_strLastChosenFile;

IMPLEMENT_DYNAMIC(QMUpdateBothDlg, CDialog)

QMUpdateBothDlg::QMUpdateBothDlg(CWnd* pParent)
    : CDialog(IDD, pParent), m_pMainDlg(nullptr)
{
}

QMUpdateBothDlg::~QMUpdateBothDlg() = default;

BEGIN_MESSAGE_MAP(QMUpdateBothDlg, CDialog)
    ON_BN_CLICKED(IDC_BUTTON_BROWSE_MASTER, OnBnClickedBrowseMaster)
    ON_BN_CLICKED(IDC_BUTTON_BROWSE_SLAVE, OnBnClickedBrowseSlave)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

BOOL QMUpdateBothDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_EDIT_MASTER_FILE, g_pFlashImage->Master.OutPath);
    SetDlgItemText(IDC_EDIT_SLAVE_FILE, g_pFlashImage->Slave.OutPath);
    return TRUE;
}

void QMUpdateBothDlg::OnBnClickedBrowseMaster()
{
    m_pMainDlg->SelectMasterFile();
    SetDlgItemText(IDC_EDIT_MASTER_FILE, g_pFlashImage->Master.OutPath);
    m_pMainDlg->UpdateButtonStates();
}

void QMUpdateBothDlg::OnBnClickedBrowseSlave()
{
    m_pMainDlg->SelectSlaveFile();
    SetDlgItemText(IDC_EDIT_SLAVE_FILE, g_pFlashImage->Slave.OutPath);
    m_pMainDlg->UpdateButtonStates();
}

void QMUpdateBothDlg::OnOK()
{
    if (!m_pMainDlg->m_bMasterFileValid && !m_pMainDlg->m_bSlaveFileValid)
        m_pMainDlg->AddLog(L"Please select flash file !", CTarrowindDlg::LogError);
    CDialog::OnOK();
}

void QMUpdateBothDlg::OnCancel()
{
    CDialog::OnCancel();
}
