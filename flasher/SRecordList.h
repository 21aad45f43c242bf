// The S2 records of a loaded image, kept compact: a small entry per record
// and the data in one shared store, as bytes when the record's text is whole
// hex pairs, else as one digit value per character, so that a run's bytes
// come out exactly as from the joined texts.
#pragma once

#include "SRecordLine.h"

#include <cstdint>
#include <vector>

class SRecordList
{
public:
    struct Entry
    {
        int address = 0;  // 24-bit load address, in 16-bit words
        int count = 0;    // data bytes: the record's count field minus 4 (may be negative)
    };

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_entries.size()); }
    Entry operator[](INT_PTR nIndex) const
    {
        const Item& item = m_entries[static_cast<size_t>(nIndex)];
        return Entry{item.address, item.count};
    }
    void RemoveAll();
    // Room for this many records and data characters, taken up front so
    // that the store does not grow by copying.
    void Reserve(size_t nRecords, size_t nDataChars);

    // The record's type is not kept: only S2 records are listed.
    void Add(const SRecordLine& record);
    // A record from its fields and the data as read, characters or wide characters.
    void Add(int address, int count, const char* pData, int nLength);
    void Add(int address, int count, const wchar_t* pData, int nLength);

    // The bytes of records nFirst..nLast: byte k is the hex pair at
    // character 2k of their data texts joined together (0 for a pair that
    // is not two hex digits); bytes the text does not supply stay as they are.
    void CopyBytes(INT_PTR nFirst, INT_PTR nLast, BYTE* pBuffer, int nLength) const;

    // The value of a hex digit, either case; -1 for every other character.
    static int HexDigit(unsigned c);

private:
    struct Item
    {
        int address;
        int count;
        uint32_t offset;   // into m_store
        uint32_t chars;    // characters of the data text
        bool packed;       // whole hex pairs, stored as bytes
    };
    template <typename C>
    void AddText(int address, int count, const C* pData, int nLength);

    std::vector<Item> m_entries;
    std::vector<BYTE> m_store;
};
