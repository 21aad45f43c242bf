#include "core/Core.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

// A fresh folder under the temporary folder, removed with its files.
class TempFolder
{
public:
    TempFolder()
    {
        WCHAR base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        m_path.Format(L"%score-tests-%lu-%lu", base, GetCurrentProcessId(), GetTickCount());
        CreateDirectoryW(m_path, nullptr);
    }
    ~TempFolder()
    {
        CFileFind finder;
        BOOL more = finder.FindFile(m_path + L"\\*");
        while (more)
        {
            more = finder.FindNextFile();
            if (!finder.IsDots())
                DeleteFileW(finder.GetFilePath());
        }
        finder.Close();
        RemoveDirectoryW(m_path);
    }
    CString Path(LPCWSTR name) const { return m_path + L"\\" + name; }
    const CString& Root() const { return m_path; }

private:
    CString m_path;
};

void WriteBytes(const CString& path, const std::string& bytes)
{
    CFile file(path, CFile::modeCreate | CFile::modeWrite);
    file.Write(bytes.data(), (UINT)bytes.size());
}

std::string ReadBytes(const CString& path)
{
    CFile file(path, CFile::modeRead | CFile::shareDenyNone);
    std::string bytes((size_t)file.GetLength(), '\0');
    if (!bytes.empty())
        file.Read(&bytes[0], (UINT)bytes.size());
    return bytes;
}

TEST(CFileTest, OpenReadWriteSeekAndLength)
{
    TempFolder folder;
    CString path = folder.Path(L"data.bin");
    {
        CFile file;
        ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeReadWrite));
        EXPECT_EQ(file.GetFilePath(), path);
        EXPECT_EQ(file.GetFileName(), L"data.bin");
        file.Write("0123456789", 10);
        EXPECT_EQ(file.GetLength(), 10u);
        EXPECT_EQ(file.GetPosition(), 10u);
        EXPECT_EQ(file.Seek(-4, CFile::current), 6u);
        char buf[8] = {};
        EXPECT_EQ(file.Read(buf, 8), 4u);
        EXPECT_STREQ(buf, "6789");
        EXPECT_EQ(file.Read(buf, 8), 0u);   // at the end
        file.SeekToBegin();
        EXPECT_EQ(file.Read(buf, 3), 3u);
        file.SetLength(5);
        EXPECT_EQ(file.GetLength(), 5u);
        EXPECT_EQ(file.SeekToEnd(), 5u);
        file.Close();
        EXPECT_EQ(file.m_hFile, CFile::hFileNull);
    }
    EXPECT_EQ(ReadBytes(path), "01234");

    // Without modeCreate an existing file is opened as it is; with
    // modeNoTruncate it is kept too.
    {
        CFile file(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        file.SeekToEnd();
        file.Write("X", 1);
    }
    EXPECT_EQ(ReadBytes(path), "01234X");
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
    }
    EXPECT_EQ(ReadBytes(path), "");
}

TEST(CFileTest, FailuresReportTheirCause)
{
    TempFolder folder;
    struct Case { CString path; UINT flags; int cause; };
    WriteBytes(folder.Path(L"held.txt"), "x");
    CFile holder(folder.Path(L"held.txt"), CFile::modeRead | CFile::shareExclusive);
    const Case cases[] = {
        { folder.Path(L"missing.txt"), CFile::modeRead, CFileException::fileNotFound },
        { folder.Path(L"no-such-folder\\x.txt"), CFile::modeCreate | CFile::modeWrite, CFileException::badPath },
        { folder.Path(L"held.txt"), CFile::modeReadWrite | CFile::shareExclusive, CFileException::sharingViolation },
    };
    for (const Case& c : cases)
    {
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(c.path, c.flags, &error)) << (LPCSTR)CStringA(c.path);
        EXPECT_EQ(error.m_cause, c.cause) << (LPCSTR)CStringA(c.path);
        EXPECT_EQ(error.m_strFileName, c.path);
        EXPECT_NE(error.m_lOsError, 0);

        // The opening constructor raises the same as an exception.
        try
        {
            CFile thrown(c.path, c.flags);
            ADD_FAILURE() << "opened";
        }
        catch (CFileException* e)
        {
            EXPECT_EQ(e->m_cause, c.cause);
            e->Delete();
        }
    }

    CFile closed;
    char buf[1];
    EXPECT_THROW(closed.Read(buf, 1), CFileException*);
    EXPECT_THROW(CFile::Remove(folder.Path(L"missing.txt")), CFileException*);
}

TEST(CFileTest, RemoveAndRename)
{
    TempFolder folder;
    WriteBytes(folder.Path(L"a.txt"), "a");
    CFile::Rename(folder.Path(L"a.txt"), folder.Path(L"b.txt"));
    EXPECT_EQ(ReadBytes(folder.Path(L"b.txt")), "a");
    CFile::Remove(folder.Path(L"b.txt"));
    EXPECT_EQ(GetFileAttributesW(folder.Path(L"b.txt")), INVALID_FILE_ATTRIBUTES);
}

TEST(CStdioFileTest, ReadsCrLfAndLfLines)
{
    struct Case { std::string bytes; std::vector<std::wstring> lines; };
    const Case cases[] = {
        { "one\r\ntwo\r\n", { L"one", L"two" } },
        { "one\ntwo\n", { L"one", L"two" } },
        { "one\r\ntwo", { L"one", L"two" } },        // last line without a line end
        { "a\n\nb\r\n\r\n", { L"a", L"", L"b", L"" } },
        { "lone\rcr\n", { L"lone\rcr" } },           // a CR alone is text
        { "", {} },
        { "\n", { L"" } },
        { std::string(1000, 'x') + "\r\nend", { std::wstring(1000, L'x'), L"end" } },
        { "S00E0000\r\nS2140000\r\nS804000000FB\r\n", { L"S00E0000", L"S2140000", L"S804000000FB" } },
    };
    TempFolder folder;
    CString path = folder.Path(L"lines.txt");
    for (const Case& c : cases)
    {
        WriteBytes(path, c.bytes);
        CStdioFile file(path, CFile::modeRead | CFile::typeText);
        std::vector<std::wstring> lines;
        CString line;
        while (file.ReadString(line))
            lines.push_back(line.GetString());
        EXPECT_TRUE(line.IsEmpty());
        EXPECT_EQ(lines, c.lines) << c.bytes.substr(0, 20);
    }

    // The buffer form keeps the LF and stops at the buffer's size.
    WriteBytes(path, "abcdef\r\ngh\n");
    CStdioFile file(path, CFile::modeRead);
    WCHAR buf[5];
    EXPECT_STREQ(file.ReadString(buf, 5), L"abcd");
    EXPECT_STREQ(file.ReadString(buf, 5), L"ef\n");
    EXPECT_STREQ(file.ReadString(buf, 5), L"gh\n");
    EXPECT_EQ(file.ReadString(buf, 5), nullptr);
}

TEST(CStdioFileTest, WritesLfAsCrLfInTheAnsiCodePage)
{
    TempFolder folder;
    CString path = folder.Path(L"log.txt");
    {
        CStdioFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString(L"first\nsecond");
        file.WriteString(L"\r\n");
        file.WriteString(L"");
    }
    EXPECT_EQ(ReadBytes(path), "first\r\nsecond\r\r\n");

    // A kept file is appended to, wherever the position is.
    {
        CStdioFile file(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        file.SeekToBegin();
        file.WriteString(L"more\n");
        EXPECT_EQ(file.GetLength(), 22u);
    }
    EXPECT_EQ(ReadBytes(path), "first\r\nsecond\r\r\nmore\r\n");

    // Read and write without creating: read a line, go to the end, add one.
    {
        CStdioFile file(path, CFile::modeReadWrite | CFile::typeText);
        CString line;
        EXPECT_TRUE(file.ReadString(line));
        EXPECT_EQ(line, L"first");
        file.SeekToEnd();
        file.WriteString(L"last\n");
    }
    EXPECT_EQ(ReadBytes(path), "first\r\nsecond\r\r\nmore\r\nlast\r\n");

    // Binary mode writes the text as it is.
    {
        CStdioFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        file.WriteString(L"a\nb");
    }
    EXPECT_EQ(ReadBytes(path), "a\nb");

    if (GetACP() == 1252)
    {
        {
            CStdioFile file(path, CFile::modeCreate | CFile::modeWrite);
            file.WriteString(L"caf\u00E9\n");
        }
        EXPECT_EQ(ReadBytes(path), "caf\xE9\r\n");
        CStdioFile file(path, CFile::modeRead);
        CString line;
        EXPECT_TRUE(file.ReadString(line));
        EXPECT_EQ(line, L"caf\u00E9");
    }

    CStdioFile missing;
    CFileException error;
    EXPECT_FALSE(missing.Open(folder.Path(L"missing.txt"), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
}

struct MemFileProbe : CMemFile
{
    using CMemFile::CMemFile;
    SIZE_T BufferSize() const { return m_nBufferSize; }
};

TEST(CMemFileTest, GrowsInStepsAndKeepsGapsZero)
{
    MemFileProbe file(16);
    file.Write("abc", 3);
    EXPECT_EQ(file.BufferSize(), 16u);
    file.Write(std::string(20, 'x').data(), 20);
    EXPECT_EQ(file.BufferSize(), 32u);
    EXPECT_EQ(file.GetLength(), 23u);

    // Writing after a seek past the end fills the gap with zeros.
    file.Seek(30, CFile::begin);
    file.Write("z", 1);
    EXPECT_EQ(file.GetLength(), 31u);
    file.Seek(23, CFile::begin);
    char gap[8];
    EXPECT_EQ(file.Read(gap, 8), 8u);
    EXPECT_EQ(std::string(gap, 8), std::string(7, '\0') + "z");
    EXPECT_EQ(file.Read(gap, 8), 0u);
    EXPECT_THROW(file.Seek(-1, CFile::begin), CFileException*);

    file.SetLength(2);
    EXPECT_EQ(file.GetPosition(), 2u);
    ULONGLONG length = file.GetLength();
    BYTE* data = file.Detach();
    EXPECT_EQ(length, 2u);
    EXPECT_EQ(std::string((char*)data, 2), "ab");
    free(data);
    EXPECT_EQ(file.GetLength(), 0u);
}

TEST(CMemFileTest, AttachedBuffers)
{
    // A fixed buffer is read as it is and cannot grow.
    BYTE fixed[4] = { 1, 2, 3, 4 };
    CMemFile file(fixed, sizeof(fixed));
    EXPECT_EQ(file.GetLength(), 4u);
    BYTE b[4] = {};
    EXPECT_EQ(file.Read(b, 4), 4u);
    EXPECT_EQ(b[3], 4);
    file.SeekToBegin();
    file.Write("\x09", 1);
    EXPECT_EQ(fixed[0], 9);
    file.SeekToEnd();
    EXPECT_THROW(file.Write("x", 1), CMemoryException*);
    EXPECT_EQ(file.GetLength(), 4u);

    // A growable attached buffer starts empty and moves to the file's own
    // memory when it outgrows the caller's, which stays untouched.
    BYTE callers[2] = { 7, 7 };
    CMemFile grow;
    grow.Attach(callers, sizeof(callers), 8);
    EXPECT_EQ(grow.GetLength(), 0u);
    grow.Write("abcdef", 6);
    EXPECT_EQ(callers[0], 7);
    EXPECT_EQ(grow.GetLength(), 6u);
    BYTE* data = grow.Detach();
    EXPECT_NE(data, callers);
    EXPECT_EQ(std::string((char*)data, 6), "abcdef");
    free(data);
}

TEST(CFileFindTest, WalksMatchingFiles)
{
    TempFolder folder;
    WriteBytes(folder.Path(L"one.m00"), "1");
    WriteBytes(folder.Path(L"two.m00"), "22");
    WriteBytes(folder.Path(L"other.txt"), "");

    CFileFind finder;
    std::vector<std::wstring> names;
    BOOL more = finder.FindFile(folder.Path(L"*.m00"));
    EXPECT_TRUE(more);
    while (more)
    {
        more = finder.FindNextFile();
        names.push_back(finder.GetFileName().GetString());
        EXPECT_EQ(finder.GetFilePath(), folder.Path(finder.GetFileName()));
        EXPECT_EQ(finder.GetLength(), finder.GetFileName() == L"one.m00" ? 1u : 2u);
        EXPECT_FALSE(finder.IsDirectory());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{ L"one.m00", L"two.m00" }));
    EXPECT_EQ(finder.GetFileTitle().Left(3).GetLength(), 3);
    EXPECT_EQ(finder.GetRoot(), folder.Root());

    EXPECT_FALSE(finder.FindFile(folder.Path(L"*.none")));
    EXPECT_FALSE(finder.FindNextFile());
    EXPECT_THROW(finder.GetFileName(), CInvalidArgException*);
}

TEST(CCriticalSectionTest, SingleLockHoldsForItsScope)
{
    CCriticalSection section;
    volatile LONG counter = 0;
    auto worker = [](LPVOID p) -> DWORD {
        auto* args = static_cast<std::pair<CCriticalSection*, volatile LONG*>*>(p);
        for (int i = 0; i < 2000; i++)
        {
            CSingleLock lock(args->first, TRUE);
            LONG v = *args->second;
            Sleep(0);
            *args->second = v + 1;
        }
        return 0;
    };
    std::pair<CCriticalSection*, volatile LONG*> args(&section, &counter);
    HANDLE threads[2];
    for (HANDLE& h : threads)
        h = CreateThread(nullptr, 0, worker, &args, 0, nullptr);
    WaitForMultipleObjects(2, threads, TRUE, INFINITE);
    for (HANDLE h : threads)
        CloseHandle(h);
    EXPECT_EQ(counter, 4000);

    CSingleLock lock(&section);
    EXPECT_FALSE(lock.IsLocked());
    EXPECT_TRUE(lock.Lock());
    EXPECT_TRUE(lock.IsLocked());
    EXPECT_TRUE(lock.Unlock());
    EXPECT_FALSE(lock.IsLocked());
}

} // namespace
