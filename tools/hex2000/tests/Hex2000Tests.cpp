#include "CoffImage.h"
#include "Hex2000.h"
#include "OutFile.h"
#include "SRecordFile.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <sstream>

using namespace hex2000;

namespace {

struct Record {
    char type;
    uint32_t address;
    std::vector<uint8_t> data;
};

int HexByte(const std::string& s, size_t at)
{
    return std::stoi(s.substr(at, 2), nullptr, 16);
}

// Reads S-record text back, checking each record's count and checksum.
std::vector<Record> ParseRecords(const std::string& text)
{
    std::vector<Record> records;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        EXPECT_FALSE(line.empty());
        EXPECT_EQ('\r', line.back()) << "lines end with CR LF";
        line.pop_back();
        EXPECT_EQ('S', line[0]);
        const char type = line[1];
        const int count = HexByte(line, 2);
        EXPECT_EQ(size_t(4 + 2 * count), line.size()) << line;
        unsigned sum = 0;
        for (int i = 0; i < count + 1; ++i)
            sum += HexByte(line, 2 + 2 * i);
        EXPECT_EQ(0xFFu, sum & 0xFF) << "checksum of " << line;
        const int addressBytes = type == '0' ? 2 : 3;
        Record r{type, 0, {}};
        for (int i = 0; i < addressBytes; ++i)
            r.address = (r.address << 8) | HexByte(line, 4 + 2 * i);
        for (int i = addressBytes; i < count - 1; ++i)
            r.data.push_back(static_cast<uint8_t>(HexByte(line, 4 + 2 * i)));
        records.push_back(r);
    }
    return records;
}

std::string Convert(const std::vector<fixtures::Section>& sections, uint32_t entry = 0)
{
    CoffImage image;
    std::string error;
    EXPECT_TRUE(ReadCoffImage(fixtures::BuildOutFile(sections, entry), image, error)) << error;
    return WriteSRecords(image, "x.m00");
}

}  // namespace

TEST(Hex2000, RecordsCarryLoadedSectionsInAddressOrder)
{
    using fixtures::Section;
    const std::vector<uint16_t> seventeen = fixtures::PatternWords(17, 5);
    const std::vector<Section> sections = {
        {"late", 0x3F0000, {0x1234, 0xABCD}, fixtures::kData},
        {"bss", 0x000400, std::vector<uint16_t>(8), fixtures::kBss},
        {"noload", 0x000500, {1, 2}, fixtures::kText | fixtures::kNoLoad},
        {"copy", 0x000600, {1, 2}, fixtures::kCopy},
        {"dummy", 0x000700, {1, 2}, fixtures::kDummy},
        {"empty", 0x000800, {}, fixtures::kText},
        {"early", 0x000010, seventeen, fixtures::kText},
    };
    const std::vector<Record> r = ParseRecords(Convert(sections, 0x3F0000));
    ASSERT_EQ(5u, r.size());
    EXPECT_EQ('0', r[0].type);
    EXPECT_EQ("x.m00", std::string(r[0].data.begin(), r[0].data.end()));

    // 17 words: one full record of 16 words, then one of 1 word.
    EXPECT_EQ('2', r[1].type);
    EXPECT_EQ(0x10u, r[1].address);
    ASSERT_EQ(32u, r[1].data.size());
    for (size_t w = 0; w < 16; ++w) {
        EXPECT_EQ(seventeen[w] >> 8, r[1].data[2 * w]) << "high byte first";
        EXPECT_EQ(seventeen[w] & 0xFF, r[1].data[2 * w + 1]);
    }
    EXPECT_EQ(0x20u, r[2].address);
    EXPECT_EQ((std::vector<uint8_t>{uint8_t(seventeen[16] >> 8), uint8_t(seventeen[16])}), r[2].data);

    EXPECT_EQ(0x3F0000u, r[3].address);
    EXPECT_EQ((std::vector<uint8_t>{0x12, 0x34, 0xAB, 0xCD}), r[3].data);

    EXPECT_EQ('8', r[4].type);
    EXPECT_EQ(0x3F0000u, r[4].address) << "the end record carries the entry point";
    EXPECT_TRUE(r[4].data.empty());
}

TEST(Hex2000, MalformedFilesAreRefusedWithAReason)
{
    using fixtures::Section;
    const std::vector<uint8_t> good = fixtures::BuildOutFile({{"a", 0x100, {1, 2, 3}}});
    auto patched = [&](size_t at, std::vector<uint8_t> bytes) {
        std::vector<uint8_t> f = good;
        std::copy(bytes.begin(), bytes.end(), f.begin() + at);
        return f;
    };
    const size_t section = 22 + 28;
    struct Case {
        const char* what;
        std::vector<uint8_t> file;
        const char* reason;
    } cases[] = {
        {"empty file", {}, "too short"},
        {"header cut short", std::vector<uint8_t>(good.begin(), good.begin() + 21), "too short"},
        {"other version id", patched(0, {0xC1, 0x00}), "version id 0x00C1"},
        {"other target", patched(20, {0x99, 0x00}), "target id 0x0099"},
        {"odd optional header", patched(16, {0x10, 0x00}), "optional header"},
        {"headers past the end", patched(2, {0x40, 0x00}), "ends inside its headers"},
        {"data past the end", patched(section + 16, {0x04, 0x00, 0x00, 0x00}), "outside the file"},
        {"data inside the headers", patched(section + 20, {0x08, 0x00, 0x00, 0x00}), "outside the file"},
        {"huge size", patched(section + 16, {0xFF, 0xFF, 0xFF, 0x7F}), "outside the file"},
        {"beyond 24-bit addresses", patched(section + 8, {0xFF, 0xFF, 0xFF, 0x00}), "24-bit"},
        {"overlapping sections",
         fixtures::BuildOutFile({{"one", 0x100, {1, 2, 3}}, {"two", 0x102, {4}}}), "overlap"},
    };
    for (const Case& c : cases) {
        CoffImage image;
        std::string error;
        EXPECT_FALSE(ReadCoffImage(c.file, image, error)) << c.what;
        EXPECT_NE(std::string::npos, error.find(c.reason)) << c.what << ": " << error;
    }

    // Adjacent sections do not overlap.
    CoffImage image;
    std::string error;
    EXPECT_TRUE(ReadCoffImage(fixtures::BuildOutFile({{"one", 0x100, {1, 2}}, {"two", 0x102, {4}}}), image, error))
        << error;
}

TEST(Hex2000, CommandLineAndOutputName)
{
    struct Case {
        std::vector<std::wstring> args;
        bool ok;
        const char* error;
    } cases[] = {
        {{L"C:\\fw\\ctrl.out", L"-m", L"-romwidth", L"32"}, true, ""},
        {{L"ctrl.out"}, true, ""},
        {{L"-m", L"-romwidth", L"32"}, false, "no input file"},
        {{L"a.out", L"b.out"}, false, "more than one"},
        {{L"a.out", L"-x"}, false, "unknown option -x"},
        {{L"a.out", L"-romwidth"}, false, "needs a width"},
        {{L"a.out", L"-romwidth", L"24"}, false, "16 or 32"},
    };
    for (const Case& c : cases) {
        Options options;
        std::string error;
        EXPECT_EQ(c.ok, ParseCommandLine(c.args, options, error)) << c.args[0].size();
        if (!c.ok) {
            EXPECT_NE(std::string::npos, error.find(c.error)) << error;
        }
    }

    EXPECT_EQ(L"ctrl.m00", OutputNameFor(L"C:\\fw.v2\\ctrl.old.out"));
    EXPECT_EQ(L"inv.m00", OutputNameFor(L"D:/images/inv.rel.out"));
    EXPECT_EQ(L".m00", OutputNameFor(L"C:\\fw\\noext"));
}

namespace {

struct RunResult {
    DWORD exitCode = 0;
    std::string output;
};

std::wstring ExeFolder()
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p = path;
    return p.substr(0, p.find_last_of(L'\\'));
}

// Runs hex2000.exe from this executable's folder in the folder cwd and
// collects what it prints.
RunResult RunConverter(const std::wstring& arguments, const std::wstring& cwd)
{
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    EXPECT_TRUE(CreatePipe(&read, &write, &sa, 0));
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = write;
    si.hStdError = write;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::wstring command = L"\"" + ExeFolder() + L"\\hex2000.exe\" " + arguments;
    PROCESS_INFORMATION pi{};
    RunResult result;
    const BOOL started = CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                        cwd.c_str(), &si, &pi);
    CloseHandle(write);
    EXPECT_TRUE(started);
    if (!started) {
        CloseHandle(read);
        return result;
    }
    char buffer[512];
    DWORD got = 0;
    while (ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got)
        result.output.append(buffer, got);
    WaitForSingleObject(pi.hProcess, INFINITE);
    GetExitCodeProcess(pi.hProcess, &result.exitCode);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    CloseHandle(read);
    return result;
}

std::string ReadText(const std::wstring& path)
{
    std::string text;
    HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got)
        text.append(buffer, got);
    CloseHandle(f);
    return text;
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class Hex2000Program : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        dir_ = std::wstring(temp) + L"hex2000_test_" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(dir_.c_str(), nullptr);
        out_ = dir_ + L"\\out";  // the current folder of the converter
        CreateDirectoryW(out_.c_str(), nullptr);
    }
    void TearDown() override
    {
        for (const wchar_t* name : {L"\\out\\ctrl.m00", L"\\out\\bad.m00", L"\\ctrl.old.out", L"\\bad.out"})
            DeleteFileW((dir_ + name).c_str());
        RemoveDirectoryW(out_.c_str());
        RemoveDirectoryW(dir_.c_str());
    }
    std::wstring dir_, out_;
};

}  // namespace

TEST_F(Hex2000Program, WritesTheM00IntoItsCurrentFolder)
{
    const auto sections = fixtures::MasterSample();
    ASSERT_TRUE(fixtures::WriteOutFile(dir_ + L"\\ctrl.old.out", sections, fixtures::kSampleEntry));
    const RunResult r = RunConverter(L"\"" + dir_ + L"\\ctrl.old.out\" -m -romwidth 32 ", out_);
    EXPECT_EQ(0u, r.exitCode) << r.output;
    EXPECT_FALSE(Exists(out_ + L"\\ctrl.m00.tmp"));
    EXPECT_FALSE(Exists(dir_ + L"\\ctrl.m00"));

    CoffImage image;
    std::string error;
    ASSERT_TRUE(ReadCoffImage(fixtures::BuildOutFile(sections, fixtures::kSampleEntry), image, error));
    EXPECT_EQ(WriteSRecords(image, "ctrl.m00"), ReadText(out_ + L"\\ctrl.m00"));
}

TEST_F(Hex2000Program, BadInputExitsNonZeroWithAMessage)
{
    std::vector<uint8_t> bad = fixtures::BuildOutFile({{"a", 0x100, {1, 2, 3}}});
    bad.resize(bad.size() - 1);  // last word cut in half
    HANDLE f = CreateFileW((dir_ + L"\\bad.out").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, bad.data(), static_cast<DWORD>(bad.size()), &written, nullptr);
    CloseHandle(f);

    struct Case {
        std::wstring args;
        DWORD exitCode;
        const char* message;
    } cases[] = {
        {L"\"" + dir_ + L"\\missing.out\" -m -romwidth 32", kExitInput, "missing.out: cannot open the input file"},
        {L"\"" + dir_ + L"\\bad.out\" -m -romwidth 32", kExitMalformed, "bad.out: section a"},
        {L"-m -romwidth 32", kExitUsage, "no input file"},
    };
    for (const Case& c : cases) {
        const RunResult r = RunConverter(c.args, out_);
        EXPECT_EQ(c.exitCode, r.exitCode) << r.output;
        EXPECT_NE(std::string::npos, r.output.find(c.message)) << r.output;
    }
    EXPECT_FALSE(Exists(out_ + L"\\bad.m00"));
    EXPECT_FALSE(Exists(out_ + L"\\missing.m00"));
}

TEST(Hex2000, SampleImagesMatchTheGenerator)
{
    // The committed samples must be what the generator writes today.
    struct Case {
        const wchar_t* file;
        std::vector<fixtures::Section> sections;
    } cases[] = {
        {L"\\samples\\master.out", fixtures::MasterSample()},
        {L"\\samples\\slave.out", fixtures::SlaveSample()},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> expected = fixtures::BuildOutFile(c.sections, fixtures::kSampleEntry);
        EXPECT_EQ(std::string(expected.begin(), expected.end()), ReadText(ExeFolder() + c.file));
    }
}
