// CFileDialog: the system's open and save dialogs. With m_bVistaStyle the
// newer item-based dialog is used where the system offers it, otherwise the
// classic one; both take the same filter, flags and initial values (m_ofn).
#pragma once

#include "window/CDialog.h"
#include <commdlg.h>

class CFileDialog : public CDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    // lpszFilter: "Name|pattern|Name|pattern||" (the final bar may be missing).
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr, DWORD dwSize = 0, BOOL bVistaStyle = TRUE);
    ~CFileDialog() override;

    // IDOK with a chosen file, IDCANCEL otherwise.
    INT_PTR DoModal() override;

    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    CString GetFolderPath() const;

    OPENFILENAME m_ofn;
    BOOL m_bOpenFileDialog;
    BOOL m_bVistaStyle;

protected:
    // The newer dialog: IDOK, IDCANCEL, or -1 when the system does not offer it.
    INT_PTR DoModalVista(HWND hWndOwner);

    TCHAR m_szFileName[MAX_PATH * 4];
    TCHAR m_szFileTitle[MAX_PATH];
    CString m_strFilter;   // with the bars replaced by zeros
};
