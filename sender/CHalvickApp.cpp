#include "CHalvickApp.h"

#include "CHalvickDlg.h"

#include <commctrl.h>

CHalvickApp theApp;

BEGIN_MESSAGE_MAP(CHalvickApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CHalvickApp::CHalvickApp()
{
}

BOOL CHalvickApp::InitInstance()
{
    INITCOMMONCONTROLSEX InitCtrls;
    InitCtrls.dwSize = sizeof(InitCtrls);
    InitCtrls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&InitCtrls);

    CWinApp::InitInstance();
    AfxEnableControlContainer();

    SetRegistryKey(L"应用程序向导生成的本地应用程序");

    CHalvickDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();

    // The dialog has closed: end the program rather than run a message loop.
    return FALSE;
}
