#include "CDemoApp.h"
#include "CDemoDlg.h"

CDemoApp theApp;

BOOL CDemoApp::InitInstance()
{
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_WIN95_CLASSES };
    ::InitCommonControlsEx(&icc);
    CWinApp::InitInstance();

    CDemoDlg dlg;
    m_pMainWnd = &dlg;
    m_nResult = dlg.DoModal();
    return FALSE;
}

int CDemoApp::ExitInstance()
{
    CWinApp::ExitInstance();
    return (int)m_nResult;
}
