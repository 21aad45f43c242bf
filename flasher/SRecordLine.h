// One parsed S2 line of a .m00 file.
#pragma once

#include "core/Core.h"

struct SRecordLine
{
    CString type;     // the line's first two characters: "S0", "S2" or "S8"
    int count = 0;    // data bytes: the record's count field minus 4 (may be negative)
    int address = 0;  // 24-bit load address, in 16-bit words
    CString data;     // the data bytes as hex text, two characters per byte, as read
};
