// What the benchmark programs share: a clock, their own folder and the
// median of a set of figures.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace bench
{
// Seconds on the performance counter.
inline double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) / double(frequency.QuadPart);
}

// The folder of the running program, without a trailing backslash.
inline std::wstring ExeFolder()
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p = path;
    return p.substr(0, p.find_last_of(L'\\'));
}

// 0 for no figures.
inline double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace bench
