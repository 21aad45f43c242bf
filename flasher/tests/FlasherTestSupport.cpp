#include "FlasherTestSupport.h"

#include <cwctype>

namespace testsupport
{
std::wstring MakeTempFolder(const wchar_t* pszTag)
{
    wchar_t szTemp[MAX_PATH];
    GetTempPathW(MAX_PATH, szTemp);
    static LONG s_counter = 0;
    std::wstring dir = std::wstring(szTemp) + L"flasher-" + pszTag + L"-" + std::to_wstring(GetCurrentProcessId()) +
                       L"-" + std::to_wstring(InterlockedIncrement(&s_counter));
    CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}

void RemoveFolder(const std::wstring& dir)
{
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE)
    {
        do
        {
            std::wstring name = fd.cFileName;
            if (name != L"." && name != L"..")
                DeleteFileW((dir + L"\\" + name).c_str());
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(dir.c_str());
}

std::vector<BYTE> ReadFileBytes(const std::wstring& path)
{
    std::vector<BYTE> bytes;
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return bytes;
    DWORD size = GetFileSize(h, nullptr);
    bytes.resize(size);
    DWORD got = 0;
    if (size > 0)
        ReadFile(h, bytes.data(), size, &got, nullptr);
    bytes.resize(got);
    CloseHandle(h);
    return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::vector<BYTE>& bytes)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    if (!bytes.empty())
        WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
    CloseHandle(h);
}

std::vector<std::wstring> ReadLogLines(const std::wstring& path, bool bAfterFiller)
{
    std::vector<BYTE> bytes = ReadFileBytes(path);
    size_t start = bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE ? 2 : 0;
    std::wstring text((bytes.size() - start) / 2, L'\0');
    if (!text.empty())
        memcpy(&text[0], bytes.data() + start, text.size() * 2);
    if (bAfterFiller)
        text.erase(0, text.find_first_not_of(L'\x7878'));

    std::vector<std::wstring> lines;
    size_t pos = 0;
    for (size_t end; (end = text.find(L"\r\n", pos)) != std::wstring::npos; pos = end + 2)
        lines.push_back(text.substr(pos, end - pos));
    if (pos < text.size())
        lines.push_back(text.substr(pos));
    return lines;
}

bool SplitLogLine(const std::wstring& line, std::wstring* pText)
{
    // 'N': five or more digits, 'd': one digit, anything else: itself.
    static const wchar_t pattern[] = L"[N-N] dddd-dd-dd dd:dd:dd.ddd : ";
    size_t at = 0;
    for (const wchar_t* p = pattern; *p; ++p)
    {
        if (*p == L'N' || *p == L'd')
        {
            size_t digits = 0;
            while (at < line.size() && iswdigit(line[at]) && (*p == L'N' || digits < 1))
                ++at, ++digits;
            if (digits < (*p == L'N' ? 5u : 1u))
                return false;
        }
        else if (at >= line.size() || line[at++] != *p)
        {
            return false;
        }
    }
    if (pText)
        *pText = line.substr(at);
    return true;
}

std::wstring ExeFolder()
{
    wchar_t sz[MAX_PATH];
    GetModuleFileNameW(nullptr, sz, MAX_PATH);
    std::wstring path(sz);
    return path.substr(0, path.rfind(L'\\'));
}
}  // namespace testsupport
