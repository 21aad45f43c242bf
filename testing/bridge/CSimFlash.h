// Word-addressed flash memory of one simulated CPU. Every address holds a
// 16-bit word; an erased word reads 0xFFFF. Programming can only clear bits,
// as on the real part, so a word programmed twice without an erase holds the
// AND of both values.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CSimFlash {
public:
    void Erase() { m_Words.clear(); ++m_EraseCount; }
    // Bytes are taken as big-endian words (byte 2i high, 2i + 1 low); an odd
    // last byte is ignored.
    void Program(uint32_t address, const uint8_t* bytes, size_t length);
    // Sets words directly (an earlier firmware, say), without the AND rule.
    void Preload(uint32_t address, const std::vector<uint16_t>& words);

    uint16_t Word(uint32_t address) const;
    std::vector<uint16_t> Words(uint32_t address, size_t count) const;
    // The words as bytes, high byte first: what an image's data looks like.
    std::vector<uint8_t> Bytes(uint32_t address, size_t byteCount) const;
    // Sum modulo 65536 of count words from address.
    uint16_t Checksum(uint32_t address, uint32_t count) const;

    // Words that are not erased, as runs of consecutive addresses.
    std::map<uint32_t, std::vector<uint16_t>> Runs() const;
    // Runs() as text: "3F4000: 0102 0304 ...", 16 words per line.
    std::string Dump() const;

    bool Empty() const { return m_Words.empty(); }
    int EraseCount() const { return m_EraseCount; }

private:
    std::map<uint32_t, uint16_t> m_Words;  // only words that differ from 0xFFFF
    int m_EraseCount = 0;
};
