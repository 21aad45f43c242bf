#include "CHIDControl.h"

#include <cstdlib>
#include <cstring>

namespace
{
const int BridgeVendorId = 0x0084;
const int BridgeProductId = 0x0041;
const DWORD WriteWait = 1000;
const DWORD ReadWait = 1500;
const int TimeOutLimit = 7;
}  // namespace

CHIDControl::CHIDControl()
    : m_pDetailData(nullptr),
      m_hEvent(INVALID_HANDLE_VALUE),
      m_dwRequiredSize(0),
      m_dwBytesRead(0),
      m_hOverlapped(INVALID_HANDLE_VALUE),
      m_hDevInfo(INVALID_HANDLE_VALUE),
      m_bOpened(0),
      m_hSync(INVALID_HANDLE_VALUE)
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
    HidLink::CloseHandles(m_hSync, m_hOverlapped);
    std::free(m_pDetailData);
    m_pDetailData = nullptr;
}

int CHIDControl::Open()
{
    Release();
    m_dwRequiredSize = 0;
    HidD_GetHidGuid(&m_HidGuid);
    bool bFound = HidLink::FindInterface(m_HidGuid, BridgeVendorId, BridgeProductId, m_hDevInfo, m_pDetailData,
                                         m_dwRequiredSize, m_hSync);
    if (bFound)
    {
        HidLink::QueryCapabilities(m_hSync, m_Capabilities);
        OpenOverlapped();  // a failure shows in the writes and reads that follow
    }
    m_bOpened = bFound ? 1 : 0;
    return m_bOpened;
}

int CHIDControl::OpenOverlapped()
{
    if (m_pDetailData == nullptr)
        return 0;
    return HidLink::OpenOverlapped(m_pDetailData->DevicePath, m_hOverlapped, m_hEvent, m_Overlapped) ? 1 : 0;
}

int CHIDControl::Write(const BYTE* pData, int nLength)
{
    // A payload longer than the report goes out cut; the peer's
    // acknowledgement judges the packet, not the write.
    bool bWhole = false;
    return HidLink::SendReport(m_hOverlapped, m_Overlapped, m_Capabilities, pData, nLength, WriteWait, bWhole) ? 1
                                                                                                              : 0;
}

int CHIDControl::Read(BYTE* pBuffer)
{
    std::memset(m_ReportBuffer, 0x20, sizeof(m_ReportBuffer));
    const int nInput = HidLink::InputLength(m_Capabilities);
    int nTimeOuts = 0;
    for (;;)
    {
        switch (HidLink::ReadCycle(m_hOverlapped, m_Overlapped, m_ReportBuffer, nInput, ReadWait, m_dwBytesRead))
        {
        case HidLink::Received:
            // The caller gets the whole report after its id, as long as the
            // device declares it; what a short message left unfilled still
            // holds the 0x20 fill, which is never an acknowledgement.
            if (nInput > 1)
            {
                std::memcpy(pBuffer, m_ReportBuffer + 1, nInput - 1);
                return 1;
            }
            break;  // reports without payload count as time-outs
        case HidLink::TimedOut:
            break;
        default:
            return 0;
        }
        if (++nTimeOuts >= TimeOutLimit)
            return 0;
    }
}

void CHIDControl::CancelPending()
{
    HANDLE hDevice = m_hOverlapped;
    if (hDevice != INVALID_HANDLE_VALUE)
        CancelIoEx(hDevice, nullptr);
}
