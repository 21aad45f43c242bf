#include "SRecordFile.h"

#include <algorithm>

namespace hex2000 {
namespace {

void AppendHex(std::string& out, uint8_t byte)
{
    static const char digits[] = "0123456789ABCDEF";
    out += digits[byte >> 4];
    out += digits[byte & 0x0F];
}

}  // namespace

std::string FormatSRecord(char type, uint32_t address, int addressBytes,
                          const uint8_t* data, size_t length)
{
    const uint8_t count = static_cast<uint8_t>(addressBytes + length + 1);
    std::string line = "S";
    line += type;
    AppendHex(line, count);
    unsigned sum = count;
    for (int i = addressBytes - 1; i >= 0; --i) {
        const uint8_t b = static_cast<uint8_t>(address >> (8 * i));
        AppendHex(line, b);
        sum += b;
    }
    for (size_t i = 0; i < length; ++i) {
        AppendHex(line, data[i]);
        sum += data[i];
    }
    AppendHex(line, static_cast<uint8_t>(~sum));
    line += "\r\n";
    return line;
}

std::string WriteSRecords(const CoffImage& image, const std::string& header)
{
    std::string out;
    const std::string title = header.substr(0, 64);
    out += FormatSRecord('0', 0, 2, reinterpret_cast<const uint8_t*>(title.data()), title.size());

    uint8_t bytes[kWordsPerRecord * 2];
    for (const LoadedSection& s : image.sections) {
        for (size_t first = 0; first < s.words.size(); first += kWordsPerRecord) {
            const size_t n = std::min(kWordsPerRecord, s.words.size() - first);
            for (size_t w = 0; w < n; ++w) {
                bytes[2 * w] = static_cast<uint8_t>(s.words[first + w] >> 8);
                bytes[2 * w + 1] = static_cast<uint8_t>(s.words[first + w]);
            }
            out += FormatSRecord('2', s.address + static_cast<uint32_t>(first), 3, bytes, 2 * n);
        }
    }
    out += FormatSRecord('8', image.entry, 3, nullptr, 0);
    return out;
}

}  // namespace hex2000
