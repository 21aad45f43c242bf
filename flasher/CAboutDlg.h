// The About box of the system menu.
#pragma once

#include "Framework.h"
#include "resource.h"

class CAboutDlg : public CDialog
{
public:
    CAboutDlg();
    enum { IDD = IDD_ABOUTBOX };

    void OnBnClickedOk();

protected:
    DECLARE_MESSAGE_MAP()
};
