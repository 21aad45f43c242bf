#include "CoffImage.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace hex2000 {
namespace {

uint16_t Get16(const std::vector<uint8_t>& f, size_t at)
{
    return static_cast<uint16_t>(f[at] | (f[at + 1] << 8));
}

uint32_t Get32(const std::vector<uint8_t>& f, size_t at)
{
    return static_cast<uint32_t>(f[at]) | (static_cast<uint32_t>(f[at + 1]) << 8) |
           (static_cast<uint32_t>(f[at + 2]) << 16) | (static_cast<uint32_t>(f[at + 3]) << 24);
}

std::string Format(const char* format, ...)
{
    char text[256];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

// Long names live in the string table; the inline form is enough for messages.
std::string SectionName(const std::vector<uint8_t>& f, size_t header, unsigned index)
{
    if (f[header] == 0)
        return Format("#%u", index);
    std::string name;
    for (size_t i = 0; i < 8 && f[header + i] != 0; ++i) {
        const char c = static_cast<char>(f[header + i]);
        name += (c >= 0x20 && c < 0x7F) ? c : '?';
    }
    return name;
}

}  // namespace

bool ReadCoffImage(const std::vector<uint8_t>& f, CoffImage& image, std::string& error)
{
    image = CoffImage();
    if (f.size() < kFileHeaderSize) {
        error = Format("the file is too short for a file header (%zu bytes)", f.size());
        return false;
    }
    const uint16_t version = Get16(f, 0);
    if (version != kFileVersion) {
        error = Format("not an object file of the supported kind (version id 0x%04X, expected 0x%04X)",
                       version, kFileVersion);
        return false;
    }
    const uint16_t target = Get16(f, 20);
    if (target != kTargetId) {
        error = Format("the object file is for another target (target id 0x%04X, expected 0x%04X)",
                       target, kTargetId);
        return false;
    }
    const unsigned sectionCount = Get16(f, 2);
    const size_t optionalSize = Get16(f, 16);
    if (optionalSize != 0 && optionalSize != kOptionalHeaderSize) {
        error = Format("the optional header has an unknown size (%zu bytes)", optionalSize);
        return false;
    }
    const size_t headersEnd = kFileHeaderSize + optionalSize + sectionCount * kSectionHeaderSize;
    if (headersEnd > f.size()) {
        error = Format("the file ends inside its headers (%u sections need %zu bytes, the file has %zu)",
                       sectionCount, headersEnd, f.size());
        return false;
    }
    if (optionalSize == kOptionalHeaderSize)
        image.entry = Get32(f, kFileHeaderSize + 16) & (kAddressLimit - 1);

    for (unsigned i = 0; i < sectionCount; ++i) {
        const size_t h = kFileHeaderSize + optionalSize + i * kSectionHeaderSize;
        const uint32_t address = Get32(f, h + 8);  // load (physical) address
        const uint32_t words = Get32(f, h + 16);
        const uint32_t dataOffset = Get32(f, h + 20);
        const uint32_t flags = Get32(f, h + 40);
        if (flags & (kSectionDummy | kSectionNoLoad | kSectionCopy | kSectionBss))
            continue;
        if (words == 0 || dataOffset == 0)
            continue;
        const std::string name = SectionName(f, h, i);
        const uint64_t dataEnd = uint64_t(dataOffset) + uint64_t(words) * 2;
        if (dataOffset < headersEnd || dataEnd > f.size()) {
            error = Format("section %s: its data (%u words at file offset %u) lies outside the file (%zu bytes)",
                           name.c_str(), words, dataOffset, f.size());
            return false;
        }
        if (uint64_t(address) + words > kAddressLimit) {
            error = Format("section %s: address 0x%X and size 0x%X words exceed the 24-bit address range",
                           name.c_str(), address, words);
            return false;
        }
        LoadedSection s;
        s.name = name;
        s.address = address;
        s.words.resize(words);
        for (uint32_t w = 0; w < words; ++w)
            s.words[w] = Get16(f, dataOffset + size_t(w) * 2);
        image.sections.push_back(std::move(s));
    }

    std::stable_sort(image.sections.begin(), image.sections.end(),
                     [](const LoadedSection& a, const LoadedSection& b) { return a.address < b.address; });
    // Two sections loaded into the same words would give records that repeat
    // addresses, which the flasher cannot place.
    for (size_t i = 1; i < image.sections.size(); ++i) {
        const LoadedSection& a = image.sections[i - 1];
        const LoadedSection& b = image.sections[i];
        if (b.address < a.address + a.words.size()) {
            error = Format("sections %s (0x%06X, 0x%zX words) and %s (0x%06X) overlap",
                           a.name.c_str(), a.address, a.words.size(), b.name.c_str(), b.address);
            return false;
        }
    }
    return true;
}

}  // namespace hex2000
