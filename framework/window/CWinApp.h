// CWinApp: the one application object of a program. The framework's entry
// point (wWinMain) finds it, calls InitInstance, runs the message loop when
// InitInstance returns TRUE and ends with ExitInstance.
#pragma once

#include "window/CWinThread.h"
#include "window/CRecentFileList.h"

class CDocTemplate;

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    HINSTANCE m_hInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;
    LPCTSTR m_pszAppName;      // defaults to the executable's name without extension
    LPCTSTR m_pszRegistryKey;  // set by SetRegistryKey
    LPCTSTR m_pszProfileName;  // the application's key below the registry key

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int ExitInstance() override;
    int Run() override;

    // Profile settings under HKCU\Software\<key>\<profile>\<section>.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR lpszSection);
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // pData receives a block allocated with new[] that the caller frees with delete[].
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);

    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCE(nIDResource)); }
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;

    // Message box owned by the main window, with the application name as caption.
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    // Help command: the program has no help file, so there is nothing to show.
    void OnHelp();
    // Shows help for a context (context-help mode ends here); without a help
    // file there is nothing to show.
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

    // Document templates, owned by the application from AddDocTemplate on.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;

    // The recent-file list: made and read from the profile by
    // LoadStdProfileSettings (nMaxMRU entries, none when 0), saved by ExitInstance.
    CRecentFileList* m_pRecentFileList;
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);

    DECLARE_MESSAGE_MAP()

private:
    CPtrList m_templateList;
    CString m_strAppName;
    CString m_strRegistryKey;
    CString m_strProfileName;
};

// The standard Help command.
#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

CWinApp* AFXAPI AfxGetApp();
CWnd* AFXAPI AfxGetMainWnd();
LPCTSTR AFXAPI AfxGetAppName();
int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
// Nothing to do for dialog-based programs without hosted controls; kept so
// that programs can say that they allow them.
void AFXAPI AfxEnableControlContainer();
// The framework's main function, called by wWinMain.
int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
