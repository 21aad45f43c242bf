#include "ProtocolWait.h"

#include <atomic>
#include <cmath>

namespace ProtocolWait
{
namespace
{
std::atomic<double> s_scale{1.0};
std::atomic<Recorder> s_recorder{nullptr};

void Record(DWORD dwMilliseconds)
{
    if (Recorder pfn = s_recorder.load())
        pfn(dwMilliseconds);
}
}

DWORD Scaled(DWORD dwMilliseconds)
{
    const double scaled = std::floor(dwMilliseconds * s_scale.load() + 0.5);
    if (scaled <= 0)
        return 0;
    return scaled >= double(INFINITE - 1) ? INFINITE - 1 : static_cast<DWORD>(scaled);
}

void Wait(DWORD dwMilliseconds)
{
    Record(dwMilliseconds);
    ::Sleep(Scaled(dwMilliseconds));
}

DWORD WaitOrStop(HANDLE hStop, DWORD dwMilliseconds)
{
    Record(dwMilliseconds);
    return ::WaitForSingleObject(hStop, Scaled(dwMilliseconds));
}

void WaitForProcess(HANDLE hProcess, DWORD dwMilliseconds)
{
    Record(dwMilliseconds);
    if (s_scale.load() >= 1 || hProcess == nullptr)
        ::Sleep(Scaled(dwMilliseconds));
    else
        ::WaitForSingleObject(hProcess, ProcessLimit);
}

void SetRecorder(Recorder pfnRecorder)
{
    s_recorder.store(pfnRecorder);
}

double Scale()
{
    return s_scale.load();
}

void SetScale(double scale)
{
    s_scale.store(scale < 0 ? 0 : scale);
}
}
