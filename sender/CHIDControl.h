// Merrowick's link to the USB HID bridge (vendor 0x0084, product 0x0041):
// found and opened as the flasher's link does it, one framed output report
// per Write, and a Read that is satisfied by one report with payload.
#pragma once

#include "HidLink.h"

class CHIDControl
{
public:
    CHIDControl();
    virtual ~CHIDControl();

    // 1 when the bridge was found and opened, else 0. The handles and detail
    // record of an earlier open are released first; the event stays.
    int Open();
    int OpenOverlapped();

    // Sends one output report: 1 when the write completed within 1000 ms. A
    // payload longer than the report goes out cut and still counts as sent.
    int Write(const BYTE* pData, int nLength);
    // Waits for one input report, 1500 ms per wait, and stores the input
    // report length minus one bytes after its id (at most 64) into pBuffer:
    // 1. 0 at the seventh consecutive time-out, or when the device fails or
    // the read is cancelled.
    int Read(BYTE* pBuffer);
    // Cancels a write or read in progress on another thread (Stop).
    void CancelPending();

    HIDP_CAPS m_Capabilities;
    PSP_DEVICE_INTERFACE_DETAIL_DATA_W m_pDetailData;
    HANDLE m_hEvent;
    GUID m_HidGuid;
    OVERLAPPED m_Overlapped;
    BYTE m_ReportBuffer[HidLink::ReportBufferSize];
    DWORD m_dwRequiredSize;
    DWORD m_dwBytesRead;
    HANDLE m_hOverlapped;
    HDEVINFO m_hDevInfo;
    int m_bOpened;
    HANDLE m_hSync;

private:
    void Release();

    CHIDControl(const CHIDControl&) = delete;
    CHIDControl& operator=(const CHIDControl&) = delete;
};
