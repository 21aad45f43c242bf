#include "SRecordList.h"

#include <algorithm>
#include <cstring>

namespace
{
struct HexDigits
{
    signed char value[256];
    HexDigits()
    {
        for (int c = 0; c < 256; ++c)
            value[c] = -1;
        for (int c = 0; c < 10; ++c)
            value['0' + c] = static_cast<signed char>(c);
        for (int c = 0; c < 6; ++c)
        {
            value['A' + c] = static_cast<signed char>(10 + c);
            value['a' + c] = static_cast<signed char>(10 + c);
        }
    }
};
const HexDigits s_hexDigits;

inline unsigned Code(wchar_t c) { return c; }
inline unsigned Code(char c) { return static_cast<unsigned char>(c); }

// A character that is not a hex digit, in the per-character form.
const BYTE kNotHex = 0xFF;
} // namespace

int SRecordList::HexDigit(unsigned c)
{
    return c < 256 ? s_hexDigits.value[c] : -1;
}

void SRecordList::RemoveAll()
{
    // The memory goes too: an image keeps its records until the next load.
    std::vector<Item>().swap(m_entries);
    std::vector<BYTE>().swap(m_store);
}

void SRecordList::Reserve(size_t nRecords, size_t nDataChars)
{
    m_entries.reserve(nRecords);
    m_store.reserve(nDataChars);
}

void SRecordList::Add(const SRecordLine& record)
{
    Add(record.address, record.count, record.data.GetString(), record.data.GetLength());
}

void SRecordList::Add(int address, int count, const char* pData, int nLength)
{
    AddText(address, count, pData, nLength);
}

void SRecordList::Add(int address, int count, const wchar_t* pData, int nLength)
{
    AddText(address, count, pData, nLength);
}

template <typename C>
void SRecordList::AddText(int address, int count, const C* pData, int nLength)
{
    if (nLength < 0)
        nLength = 0;
    // Whole hex pairs are kept as their bytes, which is what nearly every
    // record holds; anything else keeps one digit value per character.
    bool bPacked = nLength % 2 == 0;
    for (int i = 0; bPacked && i < nLength; ++i)
        bPacked = HexDigit(Code(pData[i])) >= 0;

    Item item{address, count, static_cast<uint32_t>(m_store.size()), static_cast<uint32_t>(nLength), bPacked};
    const size_t nStored = bPacked ? size_t(nLength) / 2 : size_t(nLength);
    m_store.resize(m_store.size() + nStored);
    BYTE* pOut = m_store.data() + item.offset;
    if (bPacked)
    {
        for (int i = 0; i < nLength; i += 2)
            *pOut++ = static_cast<BYTE>(HexDigit(Code(pData[i])) * 16 + HexDigit(Code(pData[i + 1])));
    }
    else
    {
        for (int i = 0; i < nLength; ++i)
        {
            const int nDigit = HexDigit(Code(pData[i]));
            *pOut++ = nDigit < 0 ? kNotHex : static_cast<BYTE>(nDigit);
        }
    }
    try
    {
        m_entries.push_back(item);
    }
    catch (...)
    {
        m_store.resize(item.offset);
        throw;
    }
}

void SRecordList::CopyBytes(INT_PTR nFirst, INT_PTR nLast, BYTE* pBuffer, int nLength) const
{
    int nByte = 0;
    int nHigh = 0;
    bool bHaveHigh = false;
    // One character's digit value at a time; -1 for a character that is not one.
    auto pair = [](int nHighDigit, int nLowDigit) {
        return (nHighDigit < 0 || nLowDigit < 0) ? BYTE(0) : static_cast<BYTE>(nHighDigit * 16 + nLowDigit);
    };
    for (INT_PTR i = nFirst; i <= nLast && nByte < nLength; ++i)
    {
        const Item& item = m_entries[static_cast<size_t>(i)];
        const BYTE* p = m_store.data() + item.offset;
        const int nChars = static_cast<int>(item.chars);
        if (item.packed && !bHaveHigh)
        {
            // The usual case: the record's bytes, as they are.
            const int nBytes = std::min(nChars / 2, nLength - nByte);
            memcpy(pBuffer + nByte, p, static_cast<size_t>(nBytes));
            nByte += nBytes;
            continue;
        }
        for (int c = 0; c < nChars && nByte < nLength; ++c)
        {
            int nDigit;
            if (item.packed)
                nDigit = c % 2 == 0 ? p[c / 2] >> 4 : p[c / 2] & 0x0F;
            else
                nDigit = p[c] == kNotHex ? -1 : p[c];
            if (bHaveHigh)
            {
                pBuffer[nByte++] = pair(nHigh, nDigit);
                bHaveHigh = false;
            }
            else
            {
                nHigh = nDigit;
                bHaveHigh = true;
            }
        }
    }
}
