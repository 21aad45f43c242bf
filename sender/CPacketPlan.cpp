#include "CPacketPlan.h"

CPacketPlan::CPacketPlan(size_t n)
{
    size_t d = n > HeadLength ? n - HeadLength : 0;
    m_nRemainder = static_cast<int>(d % DataLength);
    m_nDataCount = d / DataLength + (m_nRemainder != 0 ? 1 : 0);
}

SendPacket CPacketPlan::Last() const
{
    return {HeadLength + DataLength * (m_nDataCount - 1), m_nRemainder != 0 ? m_nRemainder : int(DataLength)};
}
