#include "CDemoDlg.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CDemoDlg, CDialog)
    ON_BN_CLICKED(IDC_GREET, OnGreet)
END_MESSAGE_MAP()

CDemoDlg::CDemoDlg() : CDialog(IDD_DEMO), m_strName(L"World") {}

void CDemoDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NAME, m_strName);
}

void CDemoDlg::OnGreet()
{
    if (!UpdateData(TRUE))
        return;
    CString greeting;
    greeting.Format(L"Hello, %s!", m_strName.GetString());
    SetDlgItemText(IDC_GREETING, greeting);
}
