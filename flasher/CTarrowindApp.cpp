#include "CTarrowindApp.h"
#include "CTarrowindDlg.h"
#include "CZMRHeaderMenuBars.h"

CTarrowindApp theApp;

BEGIN_MESSAGE_MAP(CTarrowindApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CTarrowindApp::CTarrowindApp() = default;

BOOL CTarrowindApp::InitInstance()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    CWinApp::InitInstance();

    // One flasher per session: a second start ends silently. The handle stays
    // open until the process ends.
    HANDLE hMutex = CreateMutexW(nullptr, FALSE, L"报警事件配置互斥量pyrolet_D");
    if (hMutex == nullptr)
        return FALSE;
    if (GetLastError() == ERROR_ALREADY_EXISTS)
    {
        CloseHandle(hMutex);
        return FALSE;
    }

    AfxEnableControlContainer();
    // The log list's header shows its column menu as a command-bar popup.
    CZMRHeaderMenuBars::Install();
    SetRegistryKey(L"Local AppWizard-Generated Applications");

    CTarrowindDlg* pDlg = new CTarrowindDlg;
    m_pMainWnd = pDlg;
    pDlg->DoModal();
    m_pMainWnd = nullptr;
    delete pDlg;
    return FALSE;
}
