// The one place for the long waits of the device protocol and of the image
// conversion. The programs always wait the full times; in-process tests scale
// them down with SetScale.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace ProtocolWait
{
// Milliseconds, as the protocol fixes them.
const DWORD BetweenWrites = 10;          // between the 64-byte writes of a frame
const DWORD EraseHeader = 350;           // zero bytes to erase command header
const DWORD AfterEraseBody = 100;
const DWORD AsciiReply = 200;            // after each ASCII bridge command
const DWORD ConverterRun = 2000;         // after starting the converter
const DWORD BeforeErase = 3000;
const DWORD AfterMasterReset = 10000;
const DWORD BeforeSlave = 10000;         // master done, slave next
const DWORD BetweenAttempts = 60000;

// dwMilliseconds times the current scale, rounded to the nearest millisecond.
DWORD Scaled(DWORD dwMilliseconds);

// Sleeps Scaled(dwMilliseconds) on the calling thread.
void Wait(DWORD dwMilliseconds);

// Waits Scaled(dwMilliseconds) for hStop; returns what the wait returned.
DWORD WaitOrStop(HANDLE hStop, DWORD dwMilliseconds);

// Waits for a process the program started, as Wait does. While a test has
// the waits scaled down, the process is given up to ProcessLimit to end
// instead, so that the test neither sleeps the full time nor outruns the
// process on a busy machine.
const DWORD ProcessLimit = 60000;
void WaitForProcess(HANDLE hProcess, DWORD dwMilliseconds);

// Called on the waiting thread with every wait asked of Wait and WaitOrStop,
// in milliseconds as the protocol fixes them, before it begins. Tests use it
// to pin which pauses come where; nullptr (the default) records nothing.
typedef void (*Recorder)(DWORD dwMilliseconds);
void SetRecorder(Recorder pfnRecorder);

// 1 unless a test changed it; 0 makes every wait return at once.
double Scale();
void SetScale(double scale);
}
