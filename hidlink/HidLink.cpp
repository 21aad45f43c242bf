#include "HidLink.h"

#include <cstdlib>
#include <cstring>

namespace HidLink
{
namespace
{
WaitHook g_pfnWaitHook = nullptr;

DWORD WaitForEvent(HANDLE hEvent, DWORD dwWait, WaitFor what)
{
    WaitHook pfnHook = g_pfnWaitHook;
    if (pfnHook != nullptr)
        dwWait = pfnHook(dwWait, what);
    return WaitForSingleObject(hEvent, dwWait);
}

// After a time-out: cancel the pending transfer and wait until it has really
// ended, so that the overlapped record and the buffer are free again. A
// transfer that completed meanwhile keeps its result.
bool CancelAndFinish(HANDLE hDevice, OVERLAPPED& ov, DWORD& dwBytes)
{
    CancelIo(hDevice);
    return GetOverlappedResult(hDevice, &ov, &dwBytes, TRUE) != FALSE;
}
}  // namespace

void SetWaitHook(WaitHook pfnHook)
{
    g_pfnWaitHook = pfnHook;
}

bool StageReport(BYTE (&staging)[StagingSize], const BYTE* pData, int nLength, int nOutputLength)
{
    std::memset(staging, 0, sizeof(staging));
    staging[1] = 0xCC;
    staging[2] = 0x99;
    staging[3] = static_cast<BYTE>(nLength);
    int nRoom = (nOutputLength < StagingSize ? nOutputLength : StagingSize) - ReportHeaderSize;
    if (nRoom < 0)
        nRoom = 0;
    int nCopy = nLength < nRoom ? nLength : nRoom;
    if (nCopy > 0 && pData != nullptr)
        std::memcpy(staging + ReportHeaderSize, pData, nCopy);
    return nLength >= 0 && nLength <= nRoom;
}

bool FindInterface(const GUID& hidClass, int nVendorId, int nProductId, HDEVINFO& hDevInfo,
                   PSP_DEVICE_INTERFACE_DETAIL_DATA_W& pDetail, DWORD& dwRequiredSize, HANDLE& hSync)
{
    hDevInfo = SetupDiGetClassDevsW(&hidClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (hDevInfo == INVALID_HANDLE_VALUE)
        return false;  // there is nothing to enumerate; asking on would never end

    bool bFound = false;
    for (DWORD dwIndex = 0;; ++dwIndex)
    {
        SP_DEVICE_INTERFACE_DATA data;
        std::memset(&data, 0, sizeof(data));
        data.cbSize = sizeof(data);
        if (!SetupDiEnumDeviceInterfaces(hDevInfo, nullptr, &hidClass, dwIndex, &data))
        {
            if (GetLastError() == ERROR_NO_MORE_ITEMS)
                break;
            continue;
        }

        DWORD dwSize = 0;
        SetupDiGetDeviceInterfaceDetailW(hDevInfo, &data, nullptr, 0, &dwSize, nullptr);
        if (dwSize < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W))
            continue;  // no record to fill in
        pDetail = static_cast<PSP_DEVICE_INTERFACE_DETAIL_DATA_W>(std::malloc(dwSize));
        if (pDetail == nullptr)
            continue;
        dwRequiredSize = dwSize;
        pDetail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (SetupDiGetDeviceInterfaceDetailW(hDevInfo, &data, pDetail, dwSize, nullptr, nullptr))
        {
            hSync = CreateFileW(pDetail->DevicePath, GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
            if (hSync != INVALID_HANDLE_VALUE)
            {
                HIDD_ATTRIBUTES attributes;
                std::memset(&attributes, 0, sizeof(attributes));
                attributes.Size = sizeof(attributes);
                if (HidD_GetAttributes(hSync, &attributes) && attributes.VendorID == nVendorId &&
                    attributes.ProductID == nProductId)
                {
                    bFound = true;
                    break;
                }
                CloseHandle(hSync);
                hSync = INVALID_HANDLE_VALUE;
            }
        }
        std::free(pDetail);
        pDetail = nullptr;
    }
    SetupDiDestroyDeviceInfoList(hDevInfo);
    hDevInfo = INVALID_HANDLE_VALUE;
    return bFound;
}

void QueryCapabilities(HANDLE hSync, HIDP_CAPS& caps)
{
    std::memset(&caps, 0, sizeof(caps));
    PHIDP_PREPARSED_DATA pPreparsed = nullptr;
    if (HidD_GetPreparsedData(hSync, &pPreparsed))
    {
        HidP_GetCaps(pPreparsed, &caps);
        HidD_FreePreparsedData(pPreparsed);
    }
}

bool OpenOverlapped(const wchar_t* pszPath, HANDLE& hOverlapped, HANDLE& hEvent, OVERLAPPED& ov)
{
    hOverlapped = CreateFileW(pszPath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (hOverlapped == INVALID_HANDLE_VALUE)
        return false;
    if (hEvent == INVALID_HANDLE_VALUE || hEvent == nullptr)
    {
        hEvent = CreateEventW(nullptr, TRUE, TRUE, L"");
        std::memset(&ov, 0, sizeof(ov));
        ov.hEvent = hEvent;
    }
    return true;
}

bool WriteReport(HANDLE hDevice, OVERLAPPED& ov, const BYTE* pReport, int nOutputLength, DWORD dwWait)
{
    DWORD dwBytes = 0;
    bool bDone = false;
    if (nOutputLength > 0 && (WriteFile(hDevice, pReport, nOutputLength, nullptr, &ov) ||
                              GetLastError() == ERROR_IO_PENDING))
    {
        DWORD dwResult = WaitForEvent(ov.hEvent, dwWait, WriteDone);
        if (dwResult == WAIT_OBJECT_0)
            bDone = GetOverlappedResult(hDevice, &ov, &dwBytes, FALSE) != FALSE;
        else if (dwResult == WAIT_TIMEOUT)
            bDone = CancelAndFinish(hDevice, ov, dwBytes);
        else
            CancelAndFinish(hDevice, ov, dwBytes);
    }
    ResetEvent(ov.hEvent);
    return bDone;
}

bool SendReport(HANDLE hDevice, OVERLAPPED& ov, const HIDP_CAPS& caps, const BYTE* pData, int nLength,
                DWORD dwWait, bool& bWhole)
{
    BYTE staging[StagingSize];
    const int nOutput = caps.OutputReportByteLength < StagingSize ? caps.OutputReportByteLength : StagingSize;
    bWhole = StageReport(staging, pData, nLength, nOutput);
    return WriteReport(hDevice, ov, staging, nOutput, dwWait);
}

void CloseHandles(HANDLE& hSync, HANDLE& hOverlapped)
{
    if (hSync != INVALID_HANDLE_VALUE)
        CloseHandle(hSync);
    hSync = INVALID_HANDLE_VALUE;
    if (hOverlapped != INVALID_HANDLE_VALUE)
        CloseHandle(hOverlapped);
    hOverlapped = INVALID_HANDLE_VALUE;
}

int InputLength(const HIDP_CAPS& caps)
{
    return caps.InputReportByteLength < ReportBufferSize ? caps.InputReportByteLength : ReportBufferSize;
}

CycleResult ReadCycle(HANDLE hDevice, OVERLAPPED& ov, BYTE* pReport, int nInputLength, DWORD dwWait,
                      DWORD& dwBytesRead)
{
    dwBytesRead = 0;
    CycleResult result = Failed;
    // A message longer than the report is no failure, also when it was
    // already waiting: the wait below finds the report filled.
    if (ReadFile(hDevice, pReport, nInputLength, nullptr, &ov) || GetLastError() == ERROR_IO_PENDING ||
        GetLastError() == ERROR_MORE_DATA)
    {
        DWORD dwResult = WaitForEvent(ov.hEvent, dwWait, ReportArrived);
        if (dwResult == WAIT_OBJECT_0)
        {
            // A message longer than the report still fills the report.
            if (GetOverlappedResult(hDevice, &ov, &dwBytesRead, FALSE) || GetLastError() == ERROR_MORE_DATA)
                result = Received;
        }
        else if (dwResult == WAIT_TIMEOUT)
        {
            result = CancelAndFinish(hDevice, ov, dwBytesRead) ? Received : TimedOut;
        }
        else
        {
            CancelAndFinish(hDevice, ov, dwBytesRead);
        }
    }
    ResetEvent(ov.hEvent);
    return result;
}
}  // namespace HidLink
