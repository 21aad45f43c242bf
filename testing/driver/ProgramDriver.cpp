#include "ProgramDriver.h"

#include <commctrl.h>

namespace {

struct FindArgs {
    DWORD pid;
    std::function<bool(HWND)> match;
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND wnd, LPARAM lp)
{
    FindArgs* args = reinterpret_cast<FindArgs*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid == args->pid && IsWindowVisible(wnd) && args->match(wnd)) {
        args->found = wnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindTopLevelOf(DWORD pid, std::function<bool(HWND)> match)
{
    FindArgs args{pid, std::move(match), nullptr};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&args));
    return args.found;
}

std::wstring ClassOf(HWND wnd)
{
    wchar_t name[256] = {};
    GetClassNameW(wnd, name, 256);
    return name;
}

struct ChildArgs {
    std::function<bool(HWND)> match;
    HWND found;
};

BOOL CALLBACK FindChildProc(HWND wnd, LPARAM lp)
{
    ChildArgs* args = reinterpret_cast<ChildArgs*>(lp);
    if (args->match(wnd)) {
        args->found = wnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindDescendant(HWND parent, std::function<bool(HWND)> match)
{
    ChildArgs args{std::move(match), nullptr};
    EnumChildWindows(parent, FindChildProc, reinterpret_cast<LPARAM>(&args));
    return args.found;
}

HWND WaitFor(const std::function<HWND()>& find, DWORD ms)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = find()) != nullptr; }, ms);
    return found;
}

}  // namespace

ProgramDriver::~ProgramDriver()
{
    if (m_pi.hProcess) {
        Kill();
        CloseHandle(m_pi.hThread);
        CloseHandle(m_pi.hProcess);
    }
}

bool ProgramDriver::Start(const std::wstring& exe, const std::wstring& workDir)
{
    if (m_pi.hProcess) {
        // A driver can start the program again once the earlier run has ended.
        Kill();
        CloseHandle(m_pi.hThread);
        CloseHandle(m_pi.hProcess);
        m_pi = PROCESS_INFORMATION{};
    }
    m_bKilled = false;
    std::wstring cmd = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    if (!CreateProcessW(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr,
                        workDir.empty() ? nullptr : workDir.c_str(), &si, &m_pi))
        return false;
    WaitForInputIdle(m_pi.hProcess, 10000);
    return true;
}

bool ProgramDriver::Running() const
{
    return m_pi.hProcess && WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT;
}

bool ProgramDriver::WaitForExit(DWORD ms)
{
    return !m_pi.hProcess || WaitForSingleObject(m_pi.hProcess, ms) == WAIT_OBJECT_0;
}

DWORD ProgramDriver::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (m_pi.hProcess && !GetExitCodeProcess(m_pi.hProcess, &code))
        code = STILL_ACTIVE;
    return code;
}

void ProgramDriver::Kill()
{
    if (Running()) {
        TerminateProcess(m_pi.hProcess, 1);
        WaitForSingleObject(m_pi.hProcess, 5000);
        m_bKilled = true;
    }
}

HWND ProgramDriver::FindTopWindow(const wchar_t* caption, const wchar_t* className) const
{
    return FindTopLevelOf(m_pi.dwProcessId, [&](HWND wnd) {
        return WindowText(wnd) == caption && (!className || ClassOf(wnd) == className);
    });
}

HWND ProgramDriver::WaitForWindow(const wchar_t* caption, DWORD ms, const wchar_t* className) const
{
    return WaitFor([&] { return FindTopWindow(caption, className); }, ms);
}

HWND ProgramDriver::FindDialogWithText(const wchar_t* text) const
{
    return FindTopLevelOf(m_pi.dwProcessId, [&](HWND wnd) {
        return ClassOf(wnd) == L"#32770" &&
               FindDescendant(wnd, [&](HWND child) { return WindowText(child) == text; }) != nullptr;
    });
}

HWND ProgramDriver::WaitForDialogWithText(const wchar_t* text, DWORD ms) const
{
    return WaitFor([&] { return FindDialogWithText(text); }, ms);
}

bool ProgramDriver::AnswerOpenDialog(const std::wstring& path, DWORD ms) const
{
    // Both dialog styles are a "#32770" titled "Open" whose first edit
    // control takes the file name.
    HWND dlg = nullptr;
    HWND edit = nullptr;
    bool ready = WaitUntil([&] {
        dlg = FindTopWindow(L"Open");
        edit = dlg ? FindDescendant(dlg, [](HWND w) { return ClassOf(w) == L"Edit" && IsWindowVisible(w); })
                   : nullptr;
        return edit != nullptr;
    }, ms);
    if (!ready)
        return false;
    SetWindowTextRemote(edit, path);
    PostCommand(dlg, IDOK);
    return WaitUntil([&] { return !IsWindow(dlg) || !IsWindowVisible(dlg); }, ms);
}

void ClickButton(HWND dlg, int id)
{
    PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}

void PostCommand(HWND wnd, int id)
{
    PostMessageW(wnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(wnd, id)));
}

std::wstring WindowText(HWND wnd)
{
    // WM_GETTEXT is carried across processes by the system; a bounded wait
    // keeps a hung program from hanging the driver.
    wchar_t text[1024] = {};
    DWORD_PTR result = 0;
    SendMessageTimeoutW(wnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &result);
    return text;
}

void SetWindowTextRemote(HWND wnd, const std::wstring& text)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000, &result);
}

std::vector<std::vector<std::wstring>> ReadListView(HWND list)
{
    std::vector<std::vector<std::wstring>> rows;
    DWORD pid = 0;
    GetWindowThreadProcessId(list, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process)
        return rows;

    // List-view messages carry pointers that the system does not marshal:
    // the item record and its text buffer live in the list's own process.
    const int kTextMax = 1024;
    const SIZE_T size = sizeof(LVITEMW) + kTextMax * sizeof(wchar_t);
    BYTE* remote = static_cast<BYTE*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    if (remote) {
        HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
        int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
        int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            std::vector<std::wstring> cells;
            for (int col = 0; col < columns; ++col) {
                LVITEMW item{};
                item.iSubItem = col;
                item.cchTextMax = kTextMax;
                item.pszText = reinterpret_cast<LPWSTR>(remote + sizeof(LVITEMW));
                WriteProcessMemory(process, remote, &item, sizeof(item), nullptr);
                int len = static_cast<int>(SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote)));
                std::wstring text(kTextMax, L'\0');
                ReadProcessMemory(process, remote + sizeof(LVITEMW), &text[0], kTextMax * sizeof(wchar_t), nullptr);
                text.resize(len > 0 && len < kTextMax ? len : 0);
                cells.push_back(text);
            }
            rows.push_back(cells);
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return rows;
}

bool WaitUntil(const std::function<bool()>& cond, DWORD ms)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (cond())
            return true;
        if (GetTickCount() - start >= ms)
            return cond();
        Sleep(20);
    }
}
