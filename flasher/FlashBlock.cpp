#include "FlashBlock.h"

FlashBlock::~FlashBlock()
{
    if (ownsData)
        delete[] data;
}

void FlashBlock::ComputeChecksum()
{
    unsigned sum = 0;
    int i = 0;
    for (; i + 1 < length; i += 2)
        sum += (data[i] << 8) | data[i + 1];
    if (i < length)
        sum += data[i] << 8;
    checksum[0] = static_cast<BYTE>(sum >> 8);
    checksum[1] = static_cast<BYTE>(sum);
}
