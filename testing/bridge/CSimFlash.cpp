#include "CSimFlash.h"

#include <cstdio>

void CSimFlash::Program(uint32_t address, const uint8_t* bytes, size_t length) {
    for (size_t i = 0; i + 1 < length; i += 2) {
        uint32_t a = address + static_cast<uint32_t>(i / 2);
        uint16_t v = static_cast<uint16_t>(Word(a) & ((bytes[i] << 8) | bytes[i + 1]));
        if (v == 0xFFFF) m_Words.erase(a);
        else m_Words[a] = v;
    }
}

void CSimFlash::Preload(uint32_t address, const std::vector<uint16_t>& words) {
    for (size_t i = 0; i < words.size(); ++i) {
        uint32_t a = address + static_cast<uint32_t>(i);
        if (words[i] == 0xFFFF) m_Words.erase(a);
        else m_Words[a] = words[i];
    }
}

uint16_t CSimFlash::Word(uint32_t address) const {
    auto it = m_Words.find(address);
    return it == m_Words.end() ? 0xFFFF : it->second;
}

std::vector<uint16_t> CSimFlash::Words(uint32_t address, size_t count) const {
    std::vector<uint16_t> words(count);
    for (size_t i = 0; i < count; ++i) words[i] = Word(address + static_cast<uint32_t>(i));
    return words;
}

std::vector<uint8_t> CSimFlash::Bytes(uint32_t address, size_t byteCount) const {
    std::vector<uint8_t> bytes(byteCount);
    for (size_t i = 0; i < byteCount; ++i) {
        uint16_t w = Word(address + static_cast<uint32_t>(i / 2));
        bytes[i] = static_cast<uint8_t>(i % 2 ? w : w >> 8);
    }
    return bytes;
}

uint16_t CSimFlash::Checksum(uint32_t address, uint32_t count) const {
    uint32_t sum = 0;
    for (uint32_t i = 0; i < count; ++i) sum += Word(address + i);
    return static_cast<uint16_t>(sum);
}

std::map<uint32_t, std::vector<uint16_t>> CSimFlash::Runs() const {
    std::map<uint32_t, std::vector<uint16_t>> runs;
    uint32_t start = 0, next = 0;
    bool open = false;
    for (const auto& w : m_Words) {
        if (!open || w.first != next) {
            start = w.first;
            open = true;
        }
        runs[start].push_back(w.second);
        next = w.first + 1;
    }
    return runs;
}

std::string CSimFlash::Dump() const {
    std::string text;
    char line[16];
    for (const auto& run : Runs()) {
        for (size_t i = 0; i < run.second.size(); ++i) {
            if (i % 16 == 0) {
                if (i) text += '\n';
                std::snprintf(line, sizeof line, "%06X:", static_cast<unsigned>(run.first + i));
                text += line;
            }
            std::snprintf(line, sizeof line, " %04X", run.second[i]);
            text += line;
        }
        text += '\n';
    }
    return text;
}
