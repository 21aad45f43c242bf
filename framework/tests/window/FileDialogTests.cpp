// Open-file dialogs of both styles, answered by another thread as a user
// would: type the path into the dialog's edit box and press Open.
#include "WindowTestSupport.h"
#include <gtest/gtest.h>
#include <shobjidl.h>

namespace
{
BOOL CALLBACK FindEdit(HWND hWnd, LPARAM lParam)
{
    WCHAR szClass[32] = {};
    ::GetClassNameW(hWnd, szClass, 32);
    if (lstrcmpiW(szClass, L"Edit") == 0 && ::IsWindowVisible(hWnd))
    {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

// Waits for the "Open" dialog, then types the path (or cancels when null).
// A dialog it cannot answer in time is still closed, once *pDone is not
// set, so that the test fails rather than waits forever in DoModal.
void AnswerOpenDialog(const std::wstring* pPath, std::atomic<bool>* pFound, const std::atomic<bool>* pDone)
{
    const DWORD dwStart = ::GetTickCount();
    while (::GetTickCount() - dwStart < kPumpSafetyMs)
    {
        HWND hDlg = FindProcessWindow(L"#32770", L"Open");
        HWND hEdit = nullptr;
        if (hDlg != nullptr)
            ::EnumChildWindows(hDlg, FindEdit, reinterpret_cast<LPARAM>(&hEdit));
        if (hEdit != nullptr)
        {
            *pFound = true;
            ::Sleep(100);   // let the dialog finish setting itself up
            if (pPath != nullptr)
            {
                ::SendMessageW(hEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pPath->c_str()));
                ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            }
            else
                ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return;
        }
        ::Sleep(20);
    }
    while (!*pDone)
    {
        if (HWND hDlg = FindProcessWindow(L"#32770", nullptr))
            ::PostMessageW(hDlg, WM_CLOSE, 0, 0);
        ::Sleep(100);
    }
}
} // namespace

TEST(FileDialog, BothStylesCanBeAnsweredAndCancelled)
{
    WCHAR szDir[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szDir);
    std::wstring path = std::wstring(szDir) + L"fw_dialog_test.out";
    HANDLE hFile = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
    ::CloseHandle(hFile);

    // The newer style is really on offer here, so its cases do not fall back.
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IFileOpenDialog* pProbe = nullptr;
    ASSERT_TRUE(SUCCEEDED(::CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                                             reinterpret_cast<void**>(&pProbe))));
    pProbe->Release();
    ::CoUninitialize();

    struct Case
    {
        const char* name;
        BOOL bVistaStyle;
        bool bCancel;
    };
    const Case cases[] = {
        { "newer style, Open", TRUE, false },
        { "classic style, Open", FALSE, false },
        { "newer style, Cancel", TRUE, true },
        { "classic style, Cancel", FALSE, true },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CFileDialog dlg(TRUE, L"*.out", L"*.out", OFN_CREATEPROMPT, L"FirmWare Files (*.out)|*.out|", nullptr, 0,
                        c.bVistaStyle);
        dlg.m_ofn.lpstrInitialDir = szDir;
        std::atomic<bool> bFound{ false };
        std::atomic<bool> bDone{ false };
        std::thread answer(AnswerOpenDialog, c.bCancel ? nullptr : &path, &bFound, &bDone);
        INT_PTR nResult = dlg.DoModal();
        bDone = true;
        answer.join();
        ASSERT_TRUE(bFound);
        if (c.bCancel)
            EXPECT_EQ(nResult, IDCANCEL);
        else
        {
            EXPECT_EQ(nResult, IDOK);
            EXPECT_EQ(std::wstring(dlg.GetPathName()), path);
            EXPECT_STREQ(dlg.GetFileName(), L"fw_dialog_test.out");
            EXPECT_STREQ(dlg.GetFileExt(), L"out");
            EXPECT_STREQ(dlg.GetFileTitle(), L"fw_dialog_test");
        }
    }
    ::DeleteFileW(path.c_str());
}
