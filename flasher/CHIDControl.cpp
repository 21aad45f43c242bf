#include "CHIDControl.h"

#include <cstdlib>
#include <cstring>

namespace
{
const DWORD WriteWait = 500;
const DWORD ReadWait = 1000;
const DWORD ArmReadWait = 40;
const DWORD ReadBytesWait = 500;
const DWORD ReadNeed = 64;
const DWORD ArmReadNeed = 32;
const DWORD ReadCapacity = 64;  // every caller's reply buffer holds a whole report's payload
const int MissLimit = 4;
const BYTE Padding = 0x20;  // what the report buffer holds where no byte arrived
}  // namespace

CHIDControl::CHIDControl()
    : m_pDetailData(nullptr),
      m_hEvent(INVALID_HANDLE_VALUE),
      m_dwRequiredSize(0),
      m_dwBytesRead(0),
      m_hOverlapped(INVALID_HANDLE_VALUE),
      m_hDevInfo(INVALID_HANDLE_VALUE),
      m_bOpened(0),
      m_hSync(INVALID_HANDLE_VALUE),
      m_bArmMode(1)
{
    std::memset(&m_Capabilities, 0, sizeof(m_Capabilities));
    std::memset(&m_HidGuid, 0, sizeof(m_HidGuid));
    std::memset(&m_Overlapped, 0, sizeof(m_Overlapped));
    std::memset(m_ReportBuffer, 0, sizeof(m_ReportBuffer));
}

CHIDControl::~CHIDControl()
{
    Release();
    if (m_hEvent != INVALID_HANDLE_VALUE && m_hEvent != nullptr)
        CloseHandle(m_hEvent);
}

void CHIDControl::Release()
{
    Close();
    std::free(m_pDetailData);
    m_pDetailData = nullptr;
}

int CHIDControl::Open(int nVendorId, int nProductId)
{
    Release();
    m_dwRequiredSize = 0;
    HidD_GetHidGuid(&m_HidGuid);
    bool bFound = HidLink::FindInterface(m_HidGuid, nVendorId, nProductId, m_hDevInfo, m_pDetailData,
                                         m_dwRequiredSize, m_hSync);
    if (bFound)
    {
        GetCapabilities();
        OpenOverlapped();  // a failure shows in the writes and reads that follow
    }
    m_bOpened = bFound ? 1 : 0;
    return m_bOpened;
}

void CHIDControl::GetCapabilities()
{
    HidLink::QueryCapabilities(m_hSync, m_Capabilities);
}

int CHIDControl::OpenOverlapped()
{
    if (m_pDetailData == nullptr)
        return 0;
    return HidLink::OpenOverlapped(m_pDetailData->DevicePath, m_hOverlapped, m_hEvent, m_Overlapped) ? 1 : 0;
}

void CHIDControl::Close()
{
    HidLink::CloseHandles(m_hSync, m_hOverlapped);
}

int CHIDControl::IsOpen()
{
    return m_bOpened;
}

int CHIDControl::Write(const BYTE* pData, int nLength)
{
    // A cut payload would write wrong bytes into the flash: it never counts
    // as sent (the dialog refuses a bridge whose reports are too short).
    bool bWhole = false;
    const bool bSent = HidLink::SendReport(m_hOverlapped, m_Overlapped, m_Capabilities, pData, nLength, WriteWait,
                                           bWhole);
    return bSent && bWhole ? 1 : 0;
}

CHIDControl::GatherResult CHIDControl::Gather(BYTE* pBuffer, DWORD dwNeed, DWORD dwCapacity, DWORD dwWait)
{
    std::memset(m_ReportBuffer, Padding, sizeof(m_ReportBuffer));
    const int nInput = HidLink::InputLength(m_Capabilities);
    DWORD dwTotal = 0;
    int nMisses = 0;
    for (;;)
    {
        switch (HidLink::ReadCycle(m_hOverlapped, m_Overlapped, m_ReportBuffer, nInput, dwWait, m_dwBytesRead))
        {
        case HidLink::Received:
        {
            // Only bytes that arrived count, the report id not among them,
            // and never more than the caller's buffer holds. The rest of a
            // cut report is stored as padding, as a whole report's bytes
            // would be: a cut acknowledgement then carries the padding where
            // its status belongs, and is refused.
            const DWORD dwRoom = dwCapacity - dwTotal;
            const DWORD dwReport = nInput > 1 ? static_cast<DWORD>(nInput - 1) : 0;
            DWORD dwPayload = m_dwBytesRead > 1 ? m_dwBytesRead - 1 : 0;
            if (dwPayload > dwReport)
                dwPayload = dwReport;
            const DWORD dwCopied = dwPayload < dwRoom ? dwPayload : dwRoom;
            const DWORD dwStored = dwReport < dwRoom ? dwReport : dwRoom;
            std::memcpy(pBuffer + dwTotal, m_ReportBuffer + 1, dwCopied);
            if (dwStored > dwCopied)
                std::memset(pBuffer + dwTotal + dwCopied, Padding, dwStored - dwCopied);
            dwTotal += dwCopied;
            if (dwTotal >= dwNeed)
                return NeedMet;
            nMisses = 1;  // a report that leaves the need unmet is a miss itself
            break;
        }
        case HidLink::TimedOut:
            ++nMisses;
            break;
        default:
            return DeviceFailed;
        }
        if (nMisses >= MissLimit)
            return Missed;
    }
}

int CHIDControl::Read(BYTE* pBuffer)
{
    const DWORD dwNeed = m_bArmMode ? ArmReadNeed : ReadNeed;
    const DWORD dwWait = m_bArmMode ? ArmReadWait : ReadWait;
    return Gather(pBuffer, dwNeed, ReadCapacity, dwWait) == NeedMet ? 1 : 0;
}

int CHIDControl::ReadBytes(BYTE* pBuffer, unsigned int nCount)
{
    return Gather(pBuffer, nCount, nCount, ReadBytesWait) == NeedMet ? 1 : 0;
}
