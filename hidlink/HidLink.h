// What the HID links of both programs share: the output report framing,
// finding a HID interface by vendor and product id, the overlapped open, and
// one overlapped write or read of a report with a bounded wait.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <setupapi.h>
extern "C" {
#include <hidsdi.h>
}

namespace HidLink
{
const int StagingSize = 255;      // output report staging buffer
const int ReportHeaderSize = 4;   // report id, CC, 99, payload length
const int ReportBufferSize = 65;  // input report buffer

// Stages one output report: 00 (report id), CC, 99, the low byte of nLength,
// the payload, zeros up to the buffer's end. Only the payload bytes that fit
// into nOutputLength are copied. Returns false when the payload does not fit
// whole, so that a caller never takes a cut report for a sent one.
bool StageReport(BYTE (&staging)[StagingSize], const BYTE* pData, int nLength, int nOutputLength);

// Looks through the present HID interfaces for vendor and product id. On a
// match returns true with the interface's detail record (malloc'ed, the
// caller's) and the device opened without overlapped I/O; interfaces that did
// not match leave nothing open or allocated. The device set lives only
// during the call.
bool FindInterface(const GUID& hidClass, int nVendorId, int nProductId, HDEVINFO& hDevInfo,
                   PSP_DEVICE_INTERFACE_DETAIL_DATA_W& pDetail, DWORD& dwRequiredSize, HANDLE& hSync);

// The device's report capabilities; left zeroed when they cannot be read.
void QueryCapabilities(HANDLE hSync, HIDP_CAPS& caps);

// Opens pszPath for overlapped I/O and, the first time, creates the link's
// manual-reset event (initially signalled, name "") and puts it into the
// overlapped record with offsets 0.
bool OpenOverlapped(const wchar_t* pszPath, HANDLE& hOverlapped, HANDLE& hEvent, OVERLAPPED& ov);

// Writes the staged report (nOutputLength bytes) and waits up to dwWait for
// it to complete. A write that fails at once or completes with an error is a
// failure; a timed-out one is cancelled. The event is reset afterwards.
bool WriteReport(HANDLE hDevice, OVERLAPPED& ov, const BYTE* pReport, int nOutputLength, DWORD dwWait);

// Stages and writes one output report of the device's output report length
// (at most the staging buffer); true when the write completed. bWhole tells
// whether the whole payload fitted into the report.
bool SendReport(HANDLE hDevice, OVERLAPPED& ov, const HIDP_CAPS& caps, const BYTE* pData, int nLength,
                DWORD dwWait, bool& bWhole);

// Closes the link's two device handles that are open and marks them closed.
void CloseHandles(HANDLE& hSync, HANDLE& hOverlapped);

enum CycleResult
{
    Received,  // a report arrived; dwBytesRead says how many bytes
    TimedOut,  // nothing within the wait; the read was cancelled
    Failed,    // the read or the wait failed outright (device gone, cancelled)
};

// The device's input report length, at most the input report buffer.
int InputLength(const HIDP_CAPS& caps);

// One read cycle: reads one report of nInputLength bytes into pReport and
// waits up to dwWait. The event is reset afterwards.
CycleResult ReadCycle(HANDLE hDevice, OVERLAPPED& ov, BYTE* pReport, int nInputLength, DWORD dwWait,
                      DWORD& dwBytesRead);

// Every wait of a link goes through this hook when one is set: it is given
// the time-out the link asks for and what is waited for, and returns the time
// to wait. Tests use it to count the waits and to shorten those that must run
// out. A transfer that completes while its wait times out is kept, so a wait
// of 0 loses no report that has already arrived.
enum WaitFor
{
    WriteDone,     // a report written, its wait begins after the write
    ReportArrived, // a read issued, its wait begins after the read
};
typedef DWORD (*WaitHook)(DWORD dwMilliseconds, WaitFor what);
void SetWaitHook(WaitHook pfnHook);
}  // namespace HidLink
