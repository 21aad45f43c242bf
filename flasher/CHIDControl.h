// The flasher's link to the USB HID bridge of the board (vendor 0x0084,
// product 0x0041): finds it among the present HID interfaces, opens it once
// for the attribute and capability queries and once for overlapped report
// I/O, writes one framed output report per call and gathers input reports
// with time-outs.
#pragma once

#include "HidLink.h"

class CHIDControl
{
public:
    CHIDControl();
    virtual ~CHIDControl();

    // 1 when the device was found and opened, else 0. The handles and detail
    // record of an earlier open are released first; the event stays.
    int Open(int nVendorId, int nProductId);
    void GetCapabilities();
    int OpenOverlapped();
    // Closes both device handles (they read INVALID_HANDLE_VALUE afterwards).
    // The opened flag stays as it is.
    void Close();
    int IsOpen();

    // Sends one output report: 1 when it went out whole within 500 ms.
    int Write(const BYTE* pData, int nLength);
    // Gathers input reports until 64 bytes (ARM mode: 32) have arrived, 1000 ms
    // (ARM mode: 40 ms) per wait; 0 at the fourth consecutive miss or when the
    // device fails. At most 64 bytes are stored into pBuffer; where a report
    // came cut, the bytes it lacks are stored as the padding 0x20.
    int Read(BYTE* pBuffer);
    // Gathers input reports until nCount bytes have arrived, 500 ms per wait;
    // 0 when they did not (fourth consecutive miss, device failed). At most
    // nCount bytes are stored.
    int ReadBytes(BYTE* pBuffer, unsigned int nCount);

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
    int m_bArmMode;  // set by the main dialog from its "ARM" check box

private:
    enum GatherResult
    {
        NeedMet,
        Missed,   // the fourth consecutive miss
        DeviceFailed,
    };
    GatherResult Gather(BYTE* pBuffer, DWORD dwNeed, DWORD dwCapacity, DWORD dwWait);
    void Release();

    CHIDControl(const CHIDControl&) = delete;
    CHIDControl& operator=(const CHIDControl&) = delete;
};
