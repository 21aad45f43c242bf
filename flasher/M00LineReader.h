// Reads the lines of a .m00 file through its text file in large blocks, so
// that a file of many thousands of records is read without a string per line.
#pragma once

#include "core/Core.h"

#include <vector>

class M00LineReader
{
public:
    explicit M00LineReader(CStdioFile& file);

    // The next line as narrow text without its line end (LF, or CR LF);
    // false when no line is left. The line stays valid until the next call.
    bool Next(const char*& pLine, int& nLength);

private:
    CStdioFile& m_file;
    std::vector<char> m_buffer;
    size_t m_nBegin = 0;  // start of the unread text in m_buffer
    size_t m_nEnd = 0;    // end of the text read so far
    bool m_bAtEnd = false;
};
