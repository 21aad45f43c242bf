#include "ImageTestSupport.h"

#include <cstdio>

MessageBoxCatcher::MessageBoxCatcher() : m_thread(&MessageBoxCatcher::Watch, this) {}

MessageBoxCatcher::~MessageBoxCatcher()
{
    m_stop = true;
    m_thread.join();
}

std::vector<std::wstring> MessageBoxCatcher::Texts()
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_texts;
}

void MessageBoxCatcher::Watch()
{
    while (!m_stop)
    {
        EnumWindows(
            [](HWND hWnd, LPARAM lParam) -> BOOL {
                auto* self = reinterpret_cast<MessageBoxCatcher*>(lParam);
                DWORD pid = 0;
                GetWindowThreadProcessId(hWnd, &pid);
                wchar_t cls[32] = {};
                GetClassNameW(hWnd, cls, 32);
                // A box is answered once it shows, so that its text is there.
                if (pid != GetCurrentProcessId() || wcscmp(cls, L"#32770") != 0 || !IsWindowVisible(hWnd))
                    return TRUE;
                std::lock_guard<std::mutex> guard(self->m_lock);
                for (HWND answered : self->m_answered)
                    if (answered == hWnd)
                        return TRUE;
                std::wstring text;
                EnumChildWindows(
                    hWnd,
                    [](HWND hChild, LPARAM lText) -> BOOL {
                        wchar_t childClass[32] = {};
                        GetClassNameW(hChild, childClass, 32);
                        if (_wcsicmp(childClass, L"Static") == 0)
                        {
                            wchar_t buffer[1024] = {};
                            GetWindowTextW(hChild, buffer, 1024);
                            *reinterpret_cast<std::wstring*>(lText) += buffer;
                        }
                        return TRUE;
                    },
                    reinterpret_cast<LPARAM>(&text));
                if (text.empty())
                    return TRUE;
                self->m_texts.push_back(text);
                self->m_answered.push_back(hWnd);
                PostMessageW(hWnd, WM_COMMAND, IDOK, 0);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(this));
        Sleep(10);
    }
}

std::string S2Line(int address, const std::vector<BYTE>& bytes)
{
    char pair[3];
    const unsigned count = static_cast<unsigned>(bytes.size() + 4);
    std::string line = "S2";
    unsigned sum = count + (address >> 16 & 0xFF) + (address >> 8 & 0xFF) + (address & 0xFF);
    snprintf(pair, sizeof pair, "%02X", count & 0xFF);
    line += pair;
    char addr[7];
    snprintf(addr, sizeof addr, "%06X", address & 0xFFFFFF);
    line += addr;
    for (BYTE b : bytes)
    {
        snprintf(pair, sizeof pair, "%02X", b);
        line += pair;
        sum += b;
    }
    snprintf(pair, sizeof pair, "%02X", ~sum & 0xFF);
    return line + pair;
}

SRecordLine S2Record(int address, const std::vector<BYTE>& bytes)
{
    SRecordLine record;
    record.type = L"S2";
    record.count = static_cast<int>(bytes.size());
    record.address = address;
    for (BYTE b : bytes)
        record.data.AppendFormat(L"%02X", b);
    return record;
}

std::vector<BYTE> PatternBytes(size_t count, unsigned seed)
{
    std::vector<BYTE> bytes(count);
    unsigned x = seed * 2654435761u + 12345;
    for (BYTE& b : bytes)
    {
        x = x * 1103515245u + 12345;
        b = static_cast<BYTE>(x >> 16);
    }
    return bytes;
}

std::vector<BYTE> BlockBytes(const FlashBlock* block)
{
    return std::vector<BYTE>(block->data, block->data + block->length);
}

std::vector<BYTE> JoinBlocks(const CArray<FlashBlock*>& list)
{
    std::vector<BYTE> bytes;
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        bytes.insert(bytes.end(), list[i]->data, list[i]->data + list[i]->length);
    return bytes;
}

std::wstring ExeFolder()
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p = path;
    return p.substr(0, p.find_last_of(L'\\'));
}

wchar_t CharOutsideAnsiCodePage()
{
    if (GetACP() == CP_UTF8)
        return 0;
    for (wchar_t c : {L'\x4E2D', L'\x0416', L'\x03A9', L'\x0101', L'\xAC00'})
    {
        const wchar_t text[2] = {c, 0};
        BOOL bLost = FALSE;
        char narrow[8];
        WideCharToMultiByte(GetACP(), WC_NO_BEST_FIT_CHARS, text, -1, narrow, sizeof narrow, nullptr, &bLost);
        if (bLost)
            return c;
    }
    return 0;
}

TempFolder::TempFolder(const wchar_t* name)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    m_path = std::wstring(temp) + name + L"_" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(m_path.c_str(), nullptr);
}

TempFolder::~TempFolder()
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((m_path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE)
    {
        do
        {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW((m_path + L"\\" + data.cFileName).c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(m_path.c_str());
}

bool WriteTextFile(const std::wstring& path, const std::string& text)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                    written == text.size();
    CloseHandle(file);
    return ok;
}
