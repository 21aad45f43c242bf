// Reader for object files of the 16-bit-word kind that the converter accepts:
// a file header, an optional header, 48-byte section headers with word
// addresses and word sizes, and raw section data with each word stored low
// byte first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hex2000 {

// Section header flags that keep a section out of the image.
enum : uint32_t {
    kSectionDummy  = 0x01,  // DSECT: described, never loaded
    kSectionNoLoad = 0x02,
    kSectionCopy   = 0x10,  // copied by the loader, not placed in memory
    kSectionText   = 0x20,
    kSectionData   = 0x40,
    kSectionBss    = 0x80,  // uninitialized: no raw data
};

constexpr uint16_t kFileVersion = 0x00C2;
constexpr uint16_t kTargetId = 0x009D;
constexpr size_t kFileHeaderSize = 22;
constexpr size_t kOptionalHeaderSize = 28;
constexpr size_t kSectionHeaderSize = 48;
// Word addresses must fit the 24-bit address field of an S2 record.
constexpr uint32_t kAddressLimit = 0x1000000;

// One initialized, loaded section: its load address and its words.
struct LoadedSection {
    std::string name;
    uint32_t address = 0;
    std::vector<uint16_t> words;
};

struct CoffImage {
    uint32_t entry = 0;                   // from the optional header, 0 without one
    std::vector<LoadedSection> sections;  // ascending address
};

// Parses a whole file held in memory. On failure returns false and sets
// error to a sentence that names what is wrong.
bool ReadCoffImage(const std::vector<uint8_t>& file, CoffImage& image, std::string& error);

}  // namespace hex2000
