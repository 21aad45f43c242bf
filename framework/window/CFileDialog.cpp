#include "window/CFileDialog.h"
#include "window/CWinApp.h"
#include <shobjidl.h>
#include <vector>

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd, DWORD dwSize, BOOL bVistaStyle)
    : m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_bVistaStyle(bVistaStyle), m_szFileName(), m_szFileTitle()
{
    m_pParentWnd = pParentWnd;
    m_ofn.lStructSize = dwSize != 0 && dwSize <= sizeof(OPENFILENAME) ? dwSize : sizeof(OPENFILENAME);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = _countof(m_szFileName);
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = _countof(m_szFileTitle);
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLESIZING;
    m_ofn.lpstrDefExt = lpszDefExt;
    m_ofn.hInstance = AfxGetInstanceHandle();
    if (lpszFileName != nullptr)
        lstrcpynW(m_szFileName, lpszFileName, _countof(m_szFileName));
    if (lpszFilter != nullptr)
    {
        m_strFilter = lpszFilter;
        // The list ends with two zeros: one for the last entry, one for the list.
        if (m_strFilter.IsEmpty() || m_strFilter[m_strFilter.GetLength() - 1] != L'|')
            m_strFilter += L'|';
        m_strFilter += L'|';
        LPTSTR p = m_strFilter.GetBuffer();
        int n = m_strFilter.GetLength();
        for (int i = 0; i < n; ++i)
            if (p[i] == L'|')
                p[i] = 0;
        m_strFilter.ReleaseBuffer(n);
        m_ofn.lpstrFilter = m_strFilter;
    }
}

CFileDialog::~CFileDialog() = default;

// "*.out" and ".out" name the extension "out".
static LPCTSTR BareExtension(LPCTSTR lpszDefExt)
{
    if (lpszDefExt == nullptr)
        return nullptr;
    while (*lpszDefExt == L'*' || *lpszDefExt == L'.')
        ++lpszDefExt;
    return *lpszDefExt ? lpszDefExt : nullptr;
}

INT_PTR CFileDialog::DoModalVista(HWND hWndOwner)
{
    HRESULT hrInit = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IFileDialog* pDialog = nullptr;
    HRESULT hr = ::CoCreateInstance(m_bOpenFileDialog ? CLSID_FileOpenDialog : CLSID_FileSaveDialog, nullptr,
                                    CLSCTX_INPROC_SERVER,
                                    m_bOpenFileDialog ? IID_IFileOpenDialog : IID_IFileSaveDialog,
                                    reinterpret_cast<void**>(&pDialog));
    if (FAILED(hr) || pDialog == nullptr)
    {
        if (SUCCEEDED(hrInit))
            ::CoUninitialize();
        return -1;
    }

    FILEOPENDIALOGOPTIONS options = 0;
    pDialog->GetOptions(&options);
    options |= FOS_FORCEFILESYSTEM;
    const struct { DWORD ofn; FILEOPENDIALOGOPTIONS fos; } flagMap[] = {
        { OFN_FILEMUSTEXIST, FOS_FILEMUSTEXIST }, { OFN_PATHMUSTEXIST, FOS_PATHMUSTEXIST },
        { OFN_OVERWRITEPROMPT, FOS_OVERWRITEPROMPT }, { OFN_CREATEPROMPT, FOS_CREATEPROMPT },
        { OFN_NOCHANGEDIR, FOS_NOCHANGEDIR }, { OFN_NOVALIDATE, FOS_NOVALIDATE },
        { OFN_NOREADONLYRETURN, FOS_NOREADONLYRETURN }, { OFN_NOTESTFILECREATE, FOS_NOTESTFILECREATE },
        { OFN_SHAREAWARE, FOS_SHAREAWARE }, { OFN_DONTADDTORECENT, FOS_DONTADDTORECENT },
    };
    for (const auto& f : flagMap)
        if (m_ofn.Flags & f.ofn)
            options |= f.fos;
    pDialog->SetOptions(options);

    // File types from the zero-separated filter pairs.
    std::vector<COMDLG_FILTERSPEC> specs;
    for (LPCTSTR p = m_ofn.lpstrFilter; p != nullptr && *p;)
    {
        LPCTSTR name = p;
        p += lstrlenW(p) + 1;
        if (*p == 0)
            break;
        specs.push_back({ name, p });
        p += lstrlenW(p) + 1;
    }
    if (!specs.empty())
    {
        pDialog->SetFileTypes((UINT)specs.size(), specs.data());
        pDialog->SetFileTypeIndex(m_ofn.nFilterIndex != 0 ? m_ofn.nFilterIndex : 1);
    }
    if (LPCTSTR ext = BareExtension(m_ofn.lpstrDefExt))
        pDialog->SetDefaultExtension(ext);
    if (m_szFileName[0] != 0)
        pDialog->SetFileName(m_szFileName);
    if (m_ofn.lpstrTitle != nullptr)
        pDialog->SetTitle(m_ofn.lpstrTitle);
    if (m_ofn.lpstrInitialDir != nullptr && *m_ofn.lpstrInitialDir)
    {
        IShellItem* pFolder = nullptr;
        if (SUCCEEDED(::SHCreateItemFromParsingName(m_ofn.lpstrInitialDir, nullptr, IID_IShellItem,
                                                    reinterpret_cast<void**>(&pFolder))))
        {
            pDialog->SetFolder(pFolder);
            pFolder->Release();
        }
    }

    INT_PTR nResult = IDCANCEL;
    if (SUCCEEDED(pDialog->Show(hWndOwner)))
    {
        IShellItem* pItem = nullptr;
        if (SUCCEEDED(pDialog->GetResult(&pItem)))
        {
            LPWSTR pszPath = nullptr;
            if (SUCCEEDED(pItem->GetDisplayName(SIGDN_FILESYSPATH, &pszPath)))
            {
                lstrcpynW(m_szFileName, pszPath, _countof(m_szFileName));
                ::CoTaskMemFree(pszPath);
                nResult = IDOK;
            }
            pItem->Release();
        }
        UINT nIndex = 0;
        if (SUCCEEDED(pDialog->GetFileTypeIndex(&nIndex)))
            m_ofn.nFilterIndex = nIndex;
    }
    pDialog->Release();
    if (SUCCEEDED(hrInit))
        ::CoUninitialize();
    return nResult;
}

INT_PTR CFileDialog::DoModal()
{
    HWND hWndOwner = PreModal();
    m_ofn.hwndOwner = hWndOwner;
    if (m_bVistaStyle)
    {
        INT_PTR nResult = DoModalVista(hWndOwner);
        if (nResult != -1)
            return nResult;
    }
    BOOL bOk = m_bOpenFileDialog ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
    return bOk ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    return CString(m_szFileName);
}

CString CFileDialog::GetFileName() const
{
    CString path(m_szFileName);
    return path.Mid(path.ReverseFind(L'\\') + 1);
}

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    int nDot = name.ReverseFind(L'.');
    return nDot < 0 ? CString() : name.Mid(nDot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString name = GetFileName();
    int nDot = name.ReverseFind(L'.');
    return nDot < 0 ? name : name.Left(nDot);
}

CString CFileDialog::GetFolderPath() const
{
    CString path(m_szFileName);
    int nSlash = path.ReverseFind(L'\\');
    return nSlash < 0 ? CString() : path.Left(nSlash);
}
