// Helpers of the image pipeline tests.
#pragma once

#include "CFlashImage.h"

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Opens the protected second half of a load to the tests.
class TestFlashImage : public CFlashImage
{
public:
    using CFlashImage::ClearMaster;
    using CFlashImage::ClearSlave;
    using CFlashImage::ReadMasterFile;
    using CFlashImage::ReadSlaveFile;
};

// Answers every message box of this process with OK while it lives, and
// keeps the texts they showed.
class MessageBoxCatcher
{
public:
    MessageBoxCatcher();
    ~MessageBoxCatcher();
    std::vector<std::wstring> Texts();

private:
    void Watch();
    std::atomic<bool> m_stop{false};
    std::mutex m_lock;
    std::vector<std::wstring> m_texts;
    std::vector<HWND> m_answered;
    std::thread m_thread;
};

// A well-formed S2 line with its checksum.
std::string S2Line(int address, const std::vector<BYTE>& bytes);
// An S2 record as the parser would have read it.
SRecordLine S2Record(int address, const std::vector<BYTE>& bytes);

std::vector<BYTE> PatternBytes(size_t count, unsigned seed);
// The bytes of a list's blocks, in list order, joined.
std::vector<BYTE> JoinBlocks(const CArray<FlashBlock*>& list);
std::vector<BYTE> BlockBytes(const FlashBlock* block);

std::wstring ExeFolder();
// A character that the ANSI code page has no form of (none when it is UTF-8).
wchar_t CharOutsideAnsiCodePage();
// A fresh folder under the temporary folder, removed with its files by the
// destructor.
class TempFolder
{
public:
    explicit TempFolder(const wchar_t* name);
    ~TempFolder();
    const std::wstring& Path() const { return m_path; }
    std::wstring File(const wchar_t* name) const { return m_path + L"\\" + name; }

private:
    std::wstring m_path;
};

bool WriteTextFile(const std::wstring& path, const std::string& text);
