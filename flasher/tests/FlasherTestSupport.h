// Small helpers shared by the flasher's tests: temporary folders and files,
// reading the UTF-16 operation log.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport
{
std::wstring MakeTempFolder(const wchar_t* pszTag);
void RemoveFolder(const std::wstring& dir);
std::vector<BYTE> ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::vector<BYTE>& bytes);
// The lines of an operation log file (byte-order mark and CR LF removed).
// bAfterFiller: the file starts with 'x' filler bytes that are not lines.
std::vector<std::wstring> ReadLogLines(const std::wstring& path, bool bAfterFiller = false);
// True when the line is "[ppppp-ttttt] yyyy-mm-dd hh:mm:ss.mmm : text" (process
// and thread id at least five digits); *pText receives the text.
bool SplitLogLine(const std::wstring& line, std::wstring* pText);
// Folder of the running executable, without the trailing backslash.
std::wstring ExeFolder();
}  // namespace testsupport
