#include "Hex2000.h"

#include "CoffImage.h"
#include "SRecordFile.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace hex2000 {
namespace {

const char kUsage[] = "usage: hex2000 \"file.out\" -m -romwidth 32";
// An image of 24-bit word addresses holds at most 32 MB of data.
constexpr ULONGLONG kLargestInput = 64ull << 20;

std::string Narrow(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], n,
                        nullptr, nullptr);
    return out;
}

std::string SystemMessage(DWORD code)
{
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = text ? text : "";
    if (text)
        LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == '.'))
        message.pop_back();
    if (message.empty())
        message = "system error " + std::to_string(code);
    return message;
}

bool ReadWholeFile(const std::wstring& path, std::vector<uint8_t>& bytes, std::string& error)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = "cannot open the input file: " + SystemMessage(GetLastError());
        return false;
    }
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) != 0;
    if (!ok) {
        error = "cannot read the input file: " + SystemMessage(GetLastError());
    } else if (static_cast<ULONGLONG>(size.QuadPart) > kLargestInput) {
        error = "the input file is too large for an image (" + std::to_string(size.QuadPart) + " bytes)";
        ok = false;
    } else {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        if (!bytes.empty() &&
            (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) ||
             got != bytes.size())) {
            error = "cannot read the input file: " + SystemMessage(GetLastError());
            ok = false;
        }
    }
    CloseHandle(file);
    return ok;
}

// Written beside the final name and then renamed, so that a reader never
// sees a half-written file.
bool WriteWholeFile(const std::wstring& path, const std::string& text, std::string& error)
{
    const std::wstring temporary = path + L".tmp";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = "cannot create " + Narrow(temporary) + ": " + SystemMessage(GetLastError());
        return false;
    }
    DWORD written = 0;
    const BOOL wrote = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    const DWORD writeError = GetLastError();
    CloseHandle(file);
    if (!wrote || written != text.size()) {
        DeleteFileW(temporary.c_str());
        error = "cannot write " + Narrow(temporary) + ": " + SystemMessage(writeError);
        return false;
    }
    if (!MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        const DWORD moveError = GetLastError();
        DeleteFileW(temporary.c_str());
        error = "cannot replace " + Narrow(path) + ": " + SystemMessage(moveError);
        return false;
    }
    return true;
}

}  // namespace

bool ParseCommandLine(const std::vector<std::wstring>& args, Options& options, std::string& error)
{
    options = Options();
    for (size_t i = 0; i < args.size(); ++i) {
        const std::wstring& a = args[i];
        if (a == L"-m") {
            options.motorola = true;
        } else if (a == L"-romwidth") {
            if (i + 1 >= args.size()) {
                error = "-romwidth needs a width";
                return false;
            }
            const std::wstring& w = args[++i];
            if (w != L"16" && w != L"32") {
                error = "-romwidth must be 16 or 32, not " + Narrow(w);
                return false;
            }
            options.romWidth = std::stoi(w);
        } else if (!a.empty() && a[0] == L'-') {
            error = "unknown option " + Narrow(a);
            return false;
        } else if (!options.input.empty()) {
            error = "more than one input file";
            return false;
        } else if (a.empty()) {
            error = "the input file name is empty";
            return false;
        } else {
            options.input = a;
        }
    }
    if (options.input.empty()) {
        error = "no input file";
        return false;
    }
    return true;
}

std::wstring OutputNameFor(const std::wstring& inputPath)
{
    const size_t slash = inputPath.find_last_of(L"\\/");
    const std::wstring name = slash == std::wstring::npos ? inputPath : inputPath.substr(slash + 1);
    // A name without '.' gives just ".m00": that is where the flasher looks.
    const size_t dot = name.find(L'.');
    return (dot == std::wstring::npos ? std::wstring() : name.substr(0, dot)) + L".m00";
}

int Convert(const std::vector<std::wstring>& args, std::string& message)
{
    Options options;
    std::string error;
    if (!ParseCommandLine(args, options, error)) {
        message = "hex2000: " + error + "\n" + kUsage;
        return kExitUsage;
    }
    const std::string input = Narrow(options.input);
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(options.input, bytes, error)) {
        message = "hex2000: " + input + ": " + error;
        return kExitInput;
    }
    CoffImage image;
    if (!ReadCoffImage(bytes, image, error)) {
        message = "hex2000: " + input + ": " + error;
        return kExitMalformed;
    }
    const std::wstring output = OutputNameFor(options.input);
    if (!WriteWholeFile(output, WriteSRecords(image, Narrow(output)), error)) {
        message = "hex2000: " + error;
        return kExitOutput;
    }
    size_t words = 0;
    for (const LoadedSection& s : image.sections)
        words += s.words.size();
    message = "hex2000: " + input + " -> " + Narrow(output) + " (" + std::to_string(image.sections.size()) +
              " sections, " + std::to_string(words) + " words)";
    return kExitOk;
}

}  // namespace hex2000
