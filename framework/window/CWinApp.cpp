#include "window/CWinApp.h"
#include "window/CWnd.h"
#include "window/AfxThreadState.h"
#include "window/CDocTemplate.h"
#include "window/FrameDefs.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()

static CWinApp* g_pApp = nullptr;

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_hInstance(nullptr), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL), m_pszAppName(nullptr),
      m_pszRegistryKey(nullptr), m_pszProfileName(nullptr), m_pRecentFileList(nullptr)
{
    g_pApp = this;
    if (lpszAppName != nullptr)
    {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
}

CWinApp::~CWinApp()
{
    while (!m_templateList.IsEmpty())
        delete static_cast<CDocTemplate*>(m_templateList.RemoveHead());
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return CWinThread::ExitInstance();
}

int CWinApp::Run()
{
    return CWinThread::Run();
}

void CWinApp::OnHelp() {}

void CWinApp::WinHelp(DWORD_PTR, UINT) {}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate == nullptr)
        return;
    pTemplate->LoadTemplate();
    m_templateList.AddTail(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_templateList.GetHeadPosition();
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const
{
    return static_cast<CDocTemplate*>(m_templateList.GetNext(pos));
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    if (m_pRecentFileList != nullptr || nMaxMRU == 0)
        return;
    // At most as many entries as there are recent-file commands.
    const UINT nCommands = ID_FILE_MRU_FILE16 - ID_FILE_MRU_FILE1 + 1;
    m_pRecentFileList = new CRecentFileList(1, L"Recent File List", L"File%d", (int)std::min(nMaxMRU, nCommands));
    m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->WriteList();
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->Add(lpszPathName);
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey;
    m_pszRegistryKey = m_strRegistryKey;
    m_strProfileName = AfxGetAppName();
    m_pszProfileName = m_strProfileName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString str;
    str.LoadString(nIDRegistryKey);
    SetRegistryKey(str);
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == nullptr || m_pszProfileName == nullptr)
        return nullptr;
    HKEY hSoftKey = nullptr, hCompanyKey = nullptr, hAppKey = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_WRITE | KEY_READ, &hSoftKey) == ERROR_SUCCESS)
    {
        DWORD dw;
        if (::RegCreateKeyExW(hSoftKey, m_pszRegistryKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ,
                              nullptr, &hCompanyKey, &dw) == ERROR_SUCCESS)
        {
            ::RegCreateKeyExW(hCompanyKey, m_pszProfileName, 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_WRITE | KEY_READ, nullptr, &hAppKey, &dw);
        }
    }
    if (hSoftKey != nullptr)
        ::RegCloseKey(hSoftKey);
    if (hCompanyKey != nullptr)
        ::RegCloseKey(hCompanyKey);
    return hAppKey;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == nullptr)
        return nullptr;
    HKEY hSectionKey = nullptr;
    DWORD dw;
    ::RegCreateKeyExW(hAppKey, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ, nullptr,
                      &hSectionKey, &dw);
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

// Without a registry key the settings go to an INI file named after the program.
static CString ProfileFileName()
{
    TCHAR szPath[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    CString path(szPath);
    int nDot = path.ReverseFind(L'.');
    if (nDot > path.ReverseFind(L'\\'))
        path = path.Left(nDot);
    return path + L".INI";
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey == nullptr)
        return ::GetPrivateProfileIntW(lpszSection, lpszEntry, nDefault, ProfileFileName());
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return (UINT)nDefault;
    DWORD dwValue = 0, dwType = 0, dwCount = sizeof(DWORD);
    LONG lResult = ::RegQueryValueExW(hKey, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(&dwValue), &dwCount);
    ::RegCloseKey(hKey);
    if (lResult == ERROR_SUCCESS && dwType == REG_DWORD && dwCount == sizeof(DWORD))
        return (UINT)dwValue;
    return (UINT)nDefault;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey == nullptr)
    {
        TCHAR sz[16];
        wsprintfW(sz, L"%d", nValue);
        return ::WritePrivateProfileStringW(lpszSection, lpszEntry, sz, ProfileFileName());
    }
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return FALSE;
    DWORD dwValue = (DWORD)nValue;
    LONG lResult = ::RegSetValueExW(hKey, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    CString strDefault(lpszDefault != nullptr ? lpszDefault : L"");
    if (m_pszRegistryKey == nullptr)
    {
        TCHAR szBuf[4096];
        ::GetPrivateProfileStringW(lpszSection, lpszEntry, strDefault, szBuf, _countof(szBuf), ProfileFileName());
        return CString(szBuf);
    }
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return strDefault;
    CString strValue = strDefault;
    DWORD dwType = 0, dwCount = 0;
    if (::RegQueryValueExW(hKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount) == ERROR_SUCCESS && dwType == REG_SZ)
    {
        int nChars = (int)(dwCount / sizeof(TCHAR));
        LPTSTR pBuf = strValue.GetBufferSetLength(nChars);
        if (::RegQueryValueExW(hKey, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(pBuf), &dwCount) ==
            ERROR_SUCCESS)
            strValue.ReleaseBuffer();   // up to the terminating zero
        else
        {
            strValue.ReleaseBuffer(0);
            strValue = strDefault;
        }
    }
    ::RegCloseKey(hKey);
    return strValue;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (m_pszRegistryKey == nullptr)
        return ::WritePrivateProfileStringW(lpszSection, lpszEntry, lpszValue, ProfileFileName());
    LONG lResult;
    if (lpszEntry == nullptr)
    {
        // No entry: remove the whole section.
        HKEY hAppKey = GetAppRegistryKey();
        if (hAppKey == nullptr)
            return FALSE;
        lResult = ::RegDeleteKeyW(hAppKey, lpszSection);
        ::RegCloseKey(hAppKey);
        return lResult == ERROR_SUCCESS;
    }
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return FALSE;
    if (lpszValue == nullptr)
        lResult = ::RegDeleteValueW(hKey, lpszEntry);
    else
        lResult = ::RegSetValueExW(hKey, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                                   (DWORD)((lstrlenW(lpszValue) + 1) * sizeof(TCHAR)));
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = nullptr;
    *pBytes = 0;
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return FALSE;
    DWORD dwType = 0, dwCount = 0;
    BOOL bOk = FALSE;
    if (::RegQueryValueExW(hKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount) == ERROR_SUCCESS &&
        dwType == REG_BINARY)
    {
        *ppData = new BYTE[dwCount ? dwCount : 1];
        if (::RegQueryValueExW(hKey, lpszEntry, nullptr, &dwType, *ppData, &dwCount) == ERROR_SUCCESS)
        {
            *pBytes = dwCount;
            bOk = TRUE;
        }
        else
        {
            delete[] *ppData;
            *ppData = nullptr;
        }
    }
    ::RegCloseKey(hKey);
    return bOk;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return FALSE;
    LONG lResult = ::RegSetValueExW(hKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIconW(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}
HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const { return ::LoadIconW(nullptr, lpszIconName); }
HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    LPCTSTR name = MAKEINTRESOURCE(nIDResource);
    return ::LoadCursorW(AfxFindResourceHandle(name, RT_GROUP_CURSOR), name);
}
HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const { return ::LoadCursorW(nullptr, lpszCursorName); }

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    (void)nIDPrompt;
    HWND hWndOwner = nullptr;
    if (CWnd* pMain = AfxGetMainWnd())
        hWndOwner = pMain->m_hWnd;
    if (hWndOwner == nullptr)
        hWndOwner = ::GetActiveWindow();
    if (hWndOwner != nullptr && !::IsWindowEnabled(hWndOwner))
        hWndOwner = nullptr;   // a disabled owner (under a modal dialog) would block the box
    return ::MessageBoxW(hWndOwner, lpszPrompt, AfxGetAppName(), nType);
}

CWinApp* AFXAPI AfxGetApp()
{
    return g_pApp;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}

LPCTSTR AFXAPI AfxGetAppName()
{
    if (g_pApp != nullptr && g_pApp->m_pszAppName != nullptr)
        return g_pApp->m_pszAppName;
    // No application object (tests, tools): the executable's name.
    static TCHAR szName[MAX_PATH];
    if (szName[0] == 0)
    {
        TCHAR szPath[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
        LPTSTR pName = szPath;
        for (LPTSTR p = szPath; *p; ++p)
            if (*p == L'\\' || *p == L'/')
                pName = p + 1;
        lstrcpynW(szName, pName, MAX_PATH);
        for (LPTSTR p = szName + lstrlenW(szName); p > szName; --p)
            if (*p == L'.')
            {
                *p = 0;
                break;
            }
    }
    return szName;
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (CWinApp* pApp = AfxGetApp())
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    HWND hWndOwner = ::GetActiveWindow();
    if (hWndOwner != nullptr && !::IsWindowEnabled(hWndOwner))
        hWndOwner = nullptr;
    return ::MessageBoxW(hWndOwner, lpszText, AfxGetAppName(), nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString str;
    str.LoadString(nIDPrompt);
    return AfxMessageBox(str, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}

void AFXAPI AfxEnableControlContainer() {}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    (void)hPrevInstance;
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    AfxSetInstanceHandle(hInstance);
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    pApp->m_hThread = ::GetCurrentThread();
    pApp->m_nThreadID = ::GetCurrentThreadId();
    if (pApp->m_pszAppName == nullptr)
        pApp->m_pszAppName = AfxGetAppName();

    int nReturnCode = -1;
    if (!pApp->InitApplication())
        return nReturnCode;
    if (!pApp->InitInstance())
    {
        // The program did its work in InitInstance (a modal main dialog).
        if (pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->m_hWnd != nullptr)
            pApp->m_pMainWnd->DestroyWindow();
        nReturnCode = pApp->ExitInstance();
    }
    else
        nReturnCode = pApp->Run();
    AfxDeleteTempMaps();
    return nReturnCode;
}

// The entry point of every framework program (linked with -municode). It
// lives with the application class so that linking a program that has an
// application object brings it in.
extern "C" int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
