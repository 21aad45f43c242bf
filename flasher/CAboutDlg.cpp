#include "CAboutDlg.h"

CAboutDlg::CAboutDlg() : CDialog(IDD)
{
}

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_BN_CLICKED(IDOK, OnBnClickedOk)
END_MESSAGE_MAP()

void CAboutDlg::OnBnClickedOk()
{
    CDialog::OnOK();
}
