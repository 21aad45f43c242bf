// Load speed of a large firmware image: parsing the .m00 file and building
// its regions, key and chunk lists. Prints its figures; asserts nothing.
//   flasher_image_bench [records]      (default 60000 records of 16 words)
#include "BenchSupport.h"
#include "CFlashImage.h"
#include "OutFile.h"
#include "ProtocolWait.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

class BenchImage : public CFlashImage
{
public:
    using CFlashImage::ClearMaster;
    using CFlashImage::ReadMasterFile;
};

PROCESS_MEMORY_COUNTERS Memory()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

// Runs the converter in the current folder and waits for it.
bool Convert(const std::wstring& outPath)
{
    std::wstring command = L"\"" + bench::ExeFolder() + L"\\hex2000.exe\" \"" + outPath + L"\" -m -romwidth 32";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi))
        return false;
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return code == 0;
}

// Milliseconds that the first touch of one MB of fresh memory costs here: a
// load keeps its records as text, so this weighs on its figures.
double FreshMemoryCost()
{
    const size_t bytes = 16u << 20;
    const double start = bench::Now();
    char* p = static_cast<char*>(VirtualAlloc(nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (p == nullptr)
        return 0;
    for (size_t i = 0; i < bytes; i += 4096)
        p[i] = 1;
    const double elapsed = bench::Now() - start;
    VirtualFree(p, 0, MEM_RELEASE);
    return elapsed * 1000 / 16;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const int records = argc > 1 ? std::max(1, _wtoi(argv[1])) : 60000;
    SetCurrentDirectoryW(bench::ExeFolder().c_str());

    // Twelve code sections (each longer than one region block, so each is
    // split) and a key block: 13 runs.
    const int sectionsOfCode = 12;
    const int wordsPerSection = (records + sectionsOfCode - 1) / sectionsOfCode * 16;
    std::vector<fixtures::Section> sections;
    for (int i = 0; i < sectionsOfCode; ++i)
        sections.push_back({"code", 0x200000u + uint32_t(i) * 0x20000u,
                            fixtures::PatternWords(wordsPerSection, i + 1), fixtures::kText});
    sections.push_back({"keyblk", 0x3F5FFE, {0xA7D3, 0x1234, 0x5678}, fixtures::kData});

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring outPath = std::wstring(temp) + L"imagebench.out";
    if (!fixtures::WriteOutFile(outPath, sections) || !Convert(outPath))
    {
        std::fprintf(stderr, "could not write and convert %ls\n", outPath.c_str());
        return 1;
    }
    const std::wstring m00 = bench::ExeFolder() + L"\\imagebench.m00";
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    GetFileAttributesExW(m00.c_str(), GetFileExInfoStandard, &attributes);

    const PROCESS_MEMORY_COUNTERS before = Memory();
    BenchImage image;
    std::vector<double> seconds;
    int lines = 0, frames = 0;
    for (int run = 0; run < 7; ++run)
    {
        image.ClearMaster();
        image.Master.M00Path = m00.c_str();
        const double start = bench::Now();
        image.ReadMasterFile();
        seconds.push_back(bench::Now() - start);
        lines = static_cast<int>(sectionsOfCode * (wordsPerSection / 16));
        frames = image.Master.FrameTotal;
    }
    const PROCESS_MEMORY_COUNTERS after = Memory();
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];

    std::printf("image: %d S2 records, .m00 of %.2f MB, key 0x%06X, %d frames\n", lines + 1,
                attributes.nFileSizeLow / 1048576.0, image.Master.KeyAddress, frames);
    std::printf("read and build (7 runs): best %.1f ms, median %.1f ms\n", seconds.front() * 1000, median * 1000);
    std::printf("records per second: %.0f (median), %.0f (best)\n", (lines + 1) / median,
                (lines + 1) / seconds.front());
    std::printf("peak working set: %.1f MB (%.1f MB before loading), peak private bytes: %.1f MB\n",
                after.PeakWorkingSetSize / 1048576.0, before.WorkingSetSize / 1048576.0,
                after.PeakPagefileUsage / 1048576.0);
    // Each run frees its memory and the next one touches it afresh; on a
    // machine where that is slow, it weighs on the figures above.
    const double taken = double(after.PeakWorkingSetSize) - double(before.WorkingSetSize);
    std::printf("memory taken by a load: %.1f MB, %.0f bytes per record at the peak; first touch of fresh memory "
                "here: %.2f ms per MB\n",
                taken / 1048576.0, taken / (lines + 1), FreshMemoryCost());

    // The whole load once, with the converter started by the load itself;
    // the fixed wait after starting it is left out of the figure.
    const double start = bench::Now();
    const int result = image.LoadMasterImage(outPath.c_str());
    const double total = bench::Now() - start;
    const double wait = ProtocolWait::Scaled(ProtocolWait::ConverterRun) / 1000.0;
    std::printf("full load: result %d, %d frames, %.1f ms without the %.0f ms converter wait\n", result,
                image.Master.FrameTotal, (total - wait) * 1000, wait * 1000);

    DeleteFileW(m00.c_str());
    DeleteFileW(outPath.c_str());
    return 0;
}
