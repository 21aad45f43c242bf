// Motorola S-record text of an image: an S0 header, S2 records with 24-bit
// word addresses and up to 16 words each (every word high byte first), and an
// S8 end record carrying the entry point.
#pragma once

#include "CoffImage.h"

#include <string>

namespace hex2000 {

constexpr size_t kWordsPerRecord = 16;

// One record: type digit, address of addressBytes bytes, data bytes; the count
// and the checksum are computed. Ends with CR LF.
std::string FormatSRecord(char type, uint32_t address, int addressBytes,
                          const uint8_t* data, size_t length);

// The whole file; header is the S0 record's text.
std::string WriteSRecords(const CoffImage& image, const std::string& header);

}  // namespace hex2000
