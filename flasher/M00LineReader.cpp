#include "M00LineReader.h"

#include <cstring>

namespace
{
const size_t kBlockSize = 64 * 1024;
}

M00LineReader::M00LineReader(CStdioFile& file) : m_file(file), m_buffer(kBlockSize) {}

bool M00LineReader::Next(const char*& pLine, int& nLength)
{
    for (;;)
    {
        char* const pBegin = m_buffer.data() + m_nBegin;
        const size_t nAvailable = m_nEnd - m_nBegin;
        const char* pNewLine = static_cast<const char*>(memchr(pBegin, '\n', nAvailable));
        size_t nLine = 0;
        if (pNewLine != nullptr)
        {
            nLine = pNewLine - pBegin;
            m_nBegin += nLine + 1;
        }
        else if (m_bAtEnd)
        {
            // The last line may end without a line end.
            if (nAvailable == 0)
                return false;
            nLine = nAvailable;
            m_nBegin = m_nEnd;
        }
        else
        {
            // Keep the started line and read the next block behind it.
            memmove(m_buffer.data(), pBegin, nAvailable);
            m_nBegin = 0;
            m_nEnd = nAvailable;
            if (m_buffer.size() - m_nEnd < kBlockSize)
                m_buffer.resize(m_nEnd + kBlockSize);
            const UINT nRead = m_file.Read(m_buffer.data() + m_nEnd, static_cast<UINT>(kBlockSize));
            m_nEnd += nRead;
            m_bAtEnd = nRead == 0;
            continue;
        }
        if (nLine > 0 && pBegin[nLine - 1] == '\r')
            --nLine;
        pLine = pBegin;
        nLength = static_cast<int>(nLine);
        return true;
    }
}
