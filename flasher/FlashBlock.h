// One flash region or one transfer chunk: byte length, word address, the
// bytes, and (for a region) its 16-bit checksum, high byte first.
#pragma once

#include "core/Core.h"

struct FlashBlock
{
    FlashBlock() = default;
    ~FlashBlock();
    FlashBlock(const FlashBlock&) = delete;
    FlashBlock& operator=(const FlashBlock&) = delete;

    // Sets checksum to the sum of the bytes taken as big-endian words. An odd
    // last byte counts as a high byte with a low byte of 0.
    void ComputeChecksum();

    int length = 0;
    int address = 0;           // byte k lies in word address + k / 2
    BYTE* data = nullptr;
    BYTE checksum[2] = {0, 0};
    // The second block of a split region lies inside the first block's
    // buffer: only the first one frees it.
    bool ownsData = true;
};
