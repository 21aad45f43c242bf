// QMUpdateBothDlg: the Select File dialog, one browse button per CPU.
#pragma once

#include "Framework.h"
#include "resource.h"

class CTarrowindDlg;

// Full path of the file chosen last in an open-file dialog.
extern CString g_strLastChosenFile;

class QMUpdateBothDlg : public CDialog
{
    DECLARE_DYNAMIC(QMUpdateBothDlg)
public:
    explicit QMUpdateBothDlg(CWnd* pParent = nullptr);
    ~QMUpdateBothDlg() override;

    enum { IDD = IDD_UPDATE_BOTH_DIALOG };

    CTarrowindDlg* m_pMainDlg;

    void OnBnClickedBrowseMaster();
    void OnBnClickedBrowseSlave();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    DECLARE_MESSAGE_MAP()
};
