// Drives a real GUI program in another process as an operator would: starts
// it, finds its windows, clicks buttons, answers its open-file dialog, closes
// its message boxes and reads its controls (list views included).
//
//     ProgramDriver app;
//     app.Start(L"C:\\dir\\Prog.exe", L"C:\\dir");
//     HWND dlg = app.WaitForWindow(L"Caption", 10000);
//     ClickButton(dlg, 1010);                 // opens the file dialog
//     app.AnswerOpenDialog(L"C:\\data\\a.bin", 10000);
//     auto rows = ReadListView(GetDlgItem(dlg, 1003));
//
// Clicks are posted, so a click that opens a modal dialog does not block the
// driver. All waits poll every 20 ms up to the given limit.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class ProgramDriver
{
public:
    ProgramDriver() = default;
    ~ProgramDriver();
    ProgramDriver(const ProgramDriver&) = delete;
    ProgramDriver& operator=(const ProgramDriver&) = delete;

    // Starts the program with the given working folder (ending an earlier run
    // of this driver first); false when it cannot.
    bool Start(const std::wstring& exe, const std::wstring& workDir);
    DWORD Pid() const { return m_pi.dwProcessId; }
    bool Running() const;
    // Waits for the process to end; false when it is still running after ms.
    bool WaitForExit(DWORD ms);
    // The exit code of the ended program (0 for a clean end; a crash gives
    // its exception code); STILL_ACTIVE while it runs or before any start.
    DWORD ExitCode() const;
    // Ends the process at once (when a test has failed and left it open).
    void Kill();
    // True when this run was ended by Kill rather than by the program.
    bool Killed() const { return m_bKilled; }

    // A visible top-level window of the process with this caption and class.
    HWND FindTopWindow(const wchar_t* caption, const wchar_t* className = L"#32770") const;
    HWND WaitForWindow(const wchar_t* caption, DWORD ms, const wchar_t* className = L"#32770") const;
    // A dialog of the process (a message box, say) showing this text in a child.
    HWND FindDialogWithText(const wchar_t* text) const;
    HWND WaitForDialogWithText(const wchar_t* text, DWORD ms) const;

    // Waits for the process's "Open" dialog, types the path into its file name
    // edit and presses OK. False when no such dialog came within ms.
    bool AnswerOpenDialog(const std::wstring& path, DWORD ms) const;

private:
    PROCESS_INFORMATION m_pi{};
    bool m_bKilled = false;
};

// Posts a click of button id to its dialog (WM_COMMAND with BN_CLICKED).
void ClickButton(HWND dlg, int id);
// Posts a command to a window (IDOK, IDCANCEL, a system command...).
void PostCommand(HWND wnd, int id);

std::wstring WindowText(HWND wnd);
void SetWindowTextRemote(HWND wnd, const std::wstring& text);

// Every row of a report-view list view in any process: the text of each
// column, row by row.
std::vector<std::vector<std::wstring>> ReadListView(HWND list);

// Polls cond every 20 ms until it holds or ms have passed; returns its last value.
bool WaitUntil(const std::function<bool()>& cond, DWORD ms);
