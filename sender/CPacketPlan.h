// How a .bin file is cut for sending: a 32-byte head, then 64-byte data
// packets, the last of which carries what is left over.
#pragma once

#include <cstddef>

struct SendPacket {
    size_t offset;  // first file byte of the packet
    int length;     // bytes in the packet
};

class CPacketPlan {
public:
    enum { HeadLength = 32, DataLength = 64 };

    // n is the number of bytes read from the file; at least HeadLength.
    explicit CPacketPlan(size_t n);

    // P: data packets after the head, the last one included.
    size_t DataCount() const { return m_nDataCount; }
    // R: bytes of the last packet when it is short, 0 when it is a full one.
    int Remainder() const { return m_nRemainder; }

    SendPacket Head() const { return {0, HeadLength}; }
    // Data packet i, for i = 0 .. DataCount() - 2: always full.
    SendPacket Data(size_t i) const { return {HeadLength + DataLength * i, DataLength}; }
    // The last packet, only when DataCount() >= 1.
    SendPacket Last() const;

private:
    size_t m_nDataCount;
    int m_nRemainder;
};
