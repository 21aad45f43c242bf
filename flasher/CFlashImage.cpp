#include "CFlashImage.h"

#include "Framework.h"
#include "M00LineReader.h"
#include "ProtocolWait.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <unordered_set>

CFlashImage* g_pFlashImage = nullptr;

// A key candidate: the word address a region must start at, and the byte
// pairs its first two bytes may hold.
struct CFlashImage::KeyCandidate
{
    int address;
    int markerCount;
    BYTE markers[4][2];
};

namespace
{
const int kCandidates = 4;
}

const CFlashImage::KeyCandidate* CFlashImage::MasterKeys()
{
    static const KeyCandidate keys[kCandidates] = {
        {0x3F5FFE, 4, {{0xA7, 0xD3}, {0xB7, 0xD4}, {0xC7, 0xD4}, {0xF7, 0xD1}}},
        {0x3F6FFE, 1, {{0xA7, 0xD3}}},
        {0x337FFE, 3, {{0xE8, 0xC4}, {0xE5, 0x67}, {0x72, 0x65}}},
        {0x3F3FFE, 1, {{0x15, 0x73}}},
    };
    return keys;
}

const CFlashImage::KeyCandidate* CFlashImage::SlaveKeys()
{
    static const KeyCandidate keys[kCandidates] = {
        {0x3F5FFE, 2, {{0xA7, 0xD3}, {0x4A, 0x3F}}},
        {0x3F6FFE, 4, {{0xA7, 0xD3}, {0xA7, 0xD4}, {0xA8, 0xD4}, {0xF7, 0xD2}}},
        {0x337FFE, 1, {{0xE8, 0xC4}}},
        {0x3F3FFE, 1, {{0x15, 0x73}}},
    };
    return keys;
}

namespace
{
inline int HexDigit(unsigned c)
{
    return SRecordList::HexDigit(c);
}

// What HexPairToByte gives for the two characters: 0 when either is not a
// hex digit.
inline BYTE PairValue(unsigned high, unsigned low)
{
    const int h = HexDigit(high), l = HexDigit(low);
    return (h < 0 || l < 0) ? 0 : static_cast<BYTE>(h * 16 + l);
}

inline unsigned Code(wchar_t c) { return c; }
inline unsigned Code(char c) { return static_cast<unsigned char>(c); }

// The byte of the pair at iFirst; 0 when the line ends before the pair does.
template <typename C>
inline int PairAt(const C* p, int nLength, int iFirst)
{
    return iFirst + 1 < nLength ? PairValue(Code(p[iFirst]), Code(p[iFirst + 1])) : 0;
}

inline void AssignText(CString& str, const wchar_t* p, int n)
{
    str.SetString(p, n);
}

// Plain ASCII only: each byte is one character in every code page.
inline void AssignText(CString& str, const char* p, int n)
{
    wchar_t* pOut = str.GetBufferSetLength(n);
    for (int i = 0; i < n; ++i)
        pOut[i] = static_cast<unsigned char>(p[i]);
    str.ReleaseBuffer(n);
}

bool IsAscii(const char* p, int n)
{
    for (int i = 0; i < n; ++i)
        if (static_cast<unsigned char>(p[i]) >= 0x80)
            return false;
    return true;
}

// The fields of an S2 line: its count less 4, its address, and how many
// characters of data text it holds (lines shorter than their count give what
// they hold).
template <typename C>
int S2Fields(const C* p, int nLength, int& nCount, int& nAddress)
{
    nCount = PairAt(p, nLength, 2) - 4;
    nAddress = PairAt(p, nLength, 4) * 65536 + PairAt(p, nLength, 6) * 256 + PairAt(p, nLength, 8);
    return nCount > 0 && nLength > 10 ? std::min(2 * nCount, nLength - 10) : 0;
}

// One line into the record, for a wide line or a line of ASCII bytes.
template <typename C>
int ParseLine(SRecordLine& record, const C* p, int nLength)
{
    // Most lines repeat the type of the line before: keep its text then.
    const int nType = std::min(nLength, 2);
    bool bSameType = record.type.GetLength() == nType;
    for (int i = 0; bSameType && i < nType; ++i)
        bSameType = Code(record.type[i]) == Code(p[i]);
    if (!bSameType)
        AssignText(record.type, p, nType);

    const unsigned c0 = nLength > 0 ? Code(p[0]) : 0;
    const unsigned c1 = nLength > 1 ? Code(p[1]) : 0;
    if (c0 != 'S' || (c1 != '0' && c1 != '2' && c1 != '8'))
        return 0;
    if (c1 == '8')
        return 0;
    if (c1 == '2')
    {
        const int nData = S2Fields(p, nLength, record.count, record.address);
        if (nData > 0)
            AssignText(record.data, p + 10, nData);
        else
            record.data.Empty();
    }
    return 1;
}

// The answer to memory running out while the file is read or built on:
// the framework's exception or the standard one.
void ReportParseMemoryError(CMemoryException* e)
{
    if (e != nullptr)
        e->Delete();
    AfxMessageBox(L"m00 File Error (A) !", MB_OK);
}

// Starts the converter hidden, in the folder where its output is looked for.
// Returns its process handle (the caller's), or nullptr with the system's
// error in dwError when it could not be started.
HANDLE StartConverter(const CString& strCommand, const CString& strFolder, DWORD& dwError)
{
    STARTUPINFOW si;
    memset(&si, 0, sizeof(si));
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION pi;
    memset(&pi, 0, sizeof(pi));
    CString strLine(strCommand);  // the system may write into the command line
    dwError = 0;
    HANDLE hProcess = nullptr;
    if (CreateProcessW(nullptr, strLine.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, strFolder, &si, &pi))
    {
        CloseHandle(pi.hThread);
        hProcess = pi.hProcess;
    }
    else
    {
        dwError = GetLastError();
    }
    strLine.ReleaseBuffer();
    return hProcess;
}
}

CFlashImage::CFlashImage() = default;

CFlashImage::~CFlashImage()
{
    ClearCpu(Master);
    ClearCpu(Slave);
}

// --- Loading -----------------------------------------------------------------

int CFlashImage::LoadMasterImage(CString strOutPath)
{
    return LoadImage(Master, MasterKeys(), strOutPath);
}

int CFlashImage::LoadSlaveImage(CString strOutPath)
{
    return LoadImage(Slave, SlaveKeys(), strOutPath);
}

int CFlashImage::LoadImage(CpuImage& cpu, const KeyCandidate* keys, const CString& strOutPath)
{
    cpu.KeyAddress = 0;
    cpu.OutPath = strOutPath;
    cpu.Refusal.Empty();

    // The converter names its output after the file name up to the first '.'.
    const CString strName = strOutPath.Mid(strOutPath.ReverseFind(L'\\') + 1);
    const int nDot = strName.Find(L'.');
    cpu.M00Path = (nDot < 0 ? CString() : strName.Left(nDot)) + L".m00";

    wchar_t szExePath[MAX_PATH];
    const DWORD nExePath = GetModuleFileNameW(nullptr, szExePath, MAX_PATH);
    if (nExePath == 0 || nExePath >= MAX_PATH)
    {
        cpu.Refusal = L"The folder of the program cannot be found, so the flash file cannot be converted!";
        return 0;
    }
    CString strFolder(szExePath, static_cast<int>(nExePath));
    strFolder = strFolder.Left(strFolder.ReverseFind(L'\\'));
    cpu.M00Path = strFolder + L"\\" + cpu.M00Path;

    DeleteFileW(cpu.M00Path);

    // The converter takes its argument in the ANSI code page, and the command
    // line has fixed-size buffers: a path that would arrive changed or cut is
    // refused before anything runs.
    CString strCommand;
    strCommand.Format(L"hex2000.exe \"%s\" -m -romwidth 32 ", strOutPath.GetString());
    char szCommand[CommandLineSize];
    LPCWSTR pszRefusal = nullptr;
    if (!FitsAnsiCodePage(strOutPath))
        pszRefusal = L"The path of the firmware file holds characters that the system's code page "
                     L"cannot pass to the converter:\n%s";
    else if (strCommand.GetLength() >= CommandLineSize || ToNarrow(strCommand, szCommand, CommandLineSize) == 0)
        pszRefusal = L"The path of the firmware file is too long to be converted:\n%s";
    HANDLE hConverter = nullptr;
    DWORD dwStartError = 0;
    if (pszRefusal == nullptr)
        hConverter = StartConverter(strCommand, strFolder, dwStartError);

    ClearCpu(cpu);

    if (pszRefusal != nullptr)
    {
        CString strMessage;
        strMessage.Format(pszRefusal, strOutPath.GetString());
        AfxMessageBox(strMessage, MB_OK | MB_ICONSTOP);
        return 0;
    }

    // A converter that could not start, or that has ended with an error,
    // leaves no file or a stale one: say so rather than that the file is
    // missing. One still running is given what it wrote, as always.
    if (hConverter == nullptr)
    {
        cpu.Refusal.Format(L"The converter hex2000.exe could not be started (error %lu), "
                           L"the flash file is not converted!",
                           dwStartError);
        return 0;
    }
    ProtocolWait::WaitForProcess(hConverter, ProtocolWait::ConverterRun);
    DWORD dwExitCode = STILL_ACTIVE;
    if (!GetExitCodeProcess(hConverter, &dwExitCode))
        dwExitCode = STILL_ACTIVE;
    CloseHandle(hConverter);
    if (dwExitCode != STILL_ACTIVE && dwExitCode != 0)
    {
        cpu.Refusal.Format(L"The converter hex2000.exe failed with exit code %lu, "
                           L"the flash file is not converted!",
                           dwExitCode);
        return 0;
    }
    return ReadConvertedFile(cpu, keys);
}

int CFlashImage::ReadMasterFile() { return ReadConvertedFile(Master, MasterKeys()); }
int CFlashImage::ReadSlaveFile() { return ReadConvertedFile(Slave, SlaveKeys()); }

int CFlashImage::ReadConvertedFile(CpuImage& cpu, const KeyCandidate* keys)
{
    cpu.Refusal.Empty();
    CStdioFile file(cpu.M00Path, CFile::modeRead | CFile::shareExclusive | CFile::typeText);
    // Memory running out ends the reading; the records read before it stay.
    try
    {
        ReadRecords(cpu, file);
    }
    catch (CMemoryException* e)
    {
        ReportParseMemoryError(e);
    }
    catch (const std::bad_alloc&)
    {
        ReportParseMemoryError(nullptr);
    }
    file.Close();

    // Memory running out while the regions and lists are built leaves
    // nothing half made: the image is refused.
    bool bRepeated = false;
    int nRepeated = 0;
    bool bOutOfMemory = false;
    try
    {
        // Two records at one address would make the region walk rebuild an
        // earlier run and drop the later records without a word.
        bRepeated = FindRepeatedAddress(cpu, nRepeated);
        if (!bRepeated)
        {
            BuildRegions(cpu);
            FindKeyAndBuildLists(cpu, keys);
        }
    }
    catch (CMemoryException* e)
    {
        e->Delete();
        bOutOfMemory = true;
    }
    catch (const std::bad_alloc&)
    {
        bOutOfMemory = true;
    }
    if (bRepeated || bOutOfMemory || !cpu.Refusal.IsEmpty())
    {
        ClearCpu(cpu);
        cpu.KeyAddress = 0;
    }
    if (bOutOfMemory)
    {
        ReportParseMemoryError(nullptr);
        return 0;
    }
    if (bRepeated)
    {
        CString strMessage;
        strMessage.Format(L"m00 File Error: more than one record at address 0x%06X, the file is not loaded.\n%s",
                          nRepeated, cpu.M00Path.GetString());
        AfxMessageBox(strMessage, MB_OK | MB_ICONSTOP);
        return 0;
    }
    return cpu.Refusal.IsEmpty() ? 1 : 0;
}

void CFlashImage::ReadRecords(CpuImage& cpu, CStdioFile& file)
{
    M00LineReader reader(file);
    // Room for every line of a well-formed file (16 bytes or more per S2
    // line, two characters per data byte) in one step; memory past the
    // records in use is never touched.
    const ULONGLONG nFileLength = file.GetLength();
    cpu.Records.Reserve(static_cast<size_t>(std::min<ULONGLONG>(nFileLength / 16 + 16, 1u << 24)),
                        static_cast<size_t>(std::min<ULONGLONG>(nFileLength / 2 + 16, 1u << 28)));
    SRecordLine record;
    const char* pLine = nullptr;
    int nLength = 0;
    while (reader.Next(pLine, nLength))
    {
        int nResult = 0;
        if (!IsAscii(pLine, nLength))
        {
            // Other bytes depend on the code page: read them as the text file would.
            nResult = ParseSRecord(record, CString(pLine, nLength));
            if (nResult && !(record.type.GetLength() == 2 && record.type[1] == L'0'))
                cpu.Records.Add(record);
        }
        else if (nLength >= 2 && pLine[0] == 'S' && pLine[1] == '2')
        {
            // An S2 line fills every field: straight into the list.
            int nCount = 0, nAddress = 0;
            const int nData = S2Fields(pLine, nLength, nCount, nAddress);
            cpu.Records.Add(nAddress, nCount, pLine + 10, nData);
            nResult = 1;
        }
        else
        {
            nResult = ParseLine(record, pLine, nLength);
        }
        if (!nResult)
            break;
    }
}

void CFlashImage::ClearCpu(CpuImage& cpu)
{
    cpu.SequenceNumber = 0;
    cpu.FrameTotal = 0;
    cpu.Records.RemoveAll();
    cpu.RegionMap.clear();
    cpu.ChunkMap.clear();
    cpu.KeyChunkMap.clear();
    DestroyBlocks(cpu.ProgramChunks);
    DestroyBlocks(cpu.KeyProgramChunks);
    DestroyBlocks(cpu.VerifyRegions);
    DestroyBlocks(cpu.KeyVerifyRegions);
}

void CFlashImage::DestroyBlocks(CArray<FlashBlock*>& list)
{
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        delete list[i];
    list.RemoveAll();
}

bool CFlashImage::FindRepeatedAddress(const CpuImage& cpu, int& nAddress)
{
    const int nRecords = static_cast<int>(cpu.Records.GetSize());
    // Converted images run in ascending order; only others need the set.
    bool bAscending = true;
    for (int i = 1; i < nRecords && bAscending; ++i)
        bAscending = cpu.Records[i - 1].address < cpu.Records[i].address;
    if (bAscending)
        return false;
    std::unordered_set<int> seen;
    seen.reserve(nRecords);
    for (int i = 0; i < nRecords; ++i)
    {
        if (!seen.insert(cpu.Records[i].address).second)
        {
            nAddress = cpu.Records[i].address;
            return true;
        }
    }
    return false;
}

int CFlashImage::ToNarrow(LPCWSTR pszWide, char* pBuffer, int nBufferSize)
{
    if (pszWide == nullptr || pBuffer == nullptr || nBufferSize <= 0)
        return 0;
    pBuffer[0] = '\0';
    const size_t nWide = wcslen(pszWide) + 1;
    const int nAllowed = static_cast<int>(std::min<size_t>(2 * nWide, static_cast<size_t>(nBufferSize)));
    const int nWritten = WideCharToMultiByte(CP_ACP, 0, pszWide, static_cast<int>(nWide), pBuffer, nAllowed,
                                             nullptr, nullptr);
    if (nWritten == 0)
        pBuffer[0] = '\0';
    return nWritten;
}

bool CFlashImage::FitsAnsiCodePage(LPCWSTR pszWide)
{
    if (pszWide == nullptr || *pszWide == L'\0')
        return true;
    const UINT nCodePage = GetACP();
    if (nCodePage == CP_UTF8)
        return WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, pszWide, -1, nullptr, 0, nullptr, nullptr) != 0;
    // No best-fit stand-ins: a character either has its own form or is lost.
    BOOL bLost = FALSE;
    const int nBytes = WideCharToMultiByte(nCodePage, WC_NO_BEST_FIT_CHARS, pszWide, -1, nullptr, 0, nullptr, &bLost);
    return nBytes != 0 && !bLost;
}

BYTE CFlashImage::HexPairToByte(CString& strPair)
{
    if (strPair.GetLength() != 2)
        return 0;
    strPair.MakeUpper();
    return PairValue(Code(strPair[0]), Code(strPair[1]));
}

int CFlashImage::ParseSRecord(SRecordLine& record, const CString& strLine)
{
    try
    {
        return ParseLine(record, strLine.GetString(), strLine.GetLength());
    }
    catch (CMemoryException* e)
    {
        ReportParseMemoryError(e);
        return 0;
    }
    catch (const std::bad_alloc&)
    {
        ReportParseMemoryError(nullptr);
        return 0;
    }
}

// --- Regions -----------------------------------------------------------------

void CFlashImage::BuildMasterRegions() { BuildRegions(Master); }
void CFlashImage::BuildSlaveRegions() { BuildRegions(Slave); }
int CFlashImage::BuildMasterRegion(int nStart, int& nNext) { return BuildRegion(Master, nStart, nNext); }
int CFlashImage::BuildSlaveRegion(int nStart, int& nNext) { return BuildRegion(Slave, nStart, nNext); }

void CFlashImage::BuildRegions(CpuImage& cpu)
{
    std::fill(cpu.RunStarts, cpu.RunStarts + RunCount, 0);
    if (cpu.Records.GetSize() == 0)
        return;
    cpu.RunStarts[0] = cpu.Records[0].address;
    for (int i = 0; i < RunCount && cpu.RunStarts[i] != 0; ++i)
    {
        int nNext = 0;
        BuildRegion(cpu, cpu.RunStarts[i], nNext);
        if (nNext != 0 && i < RunCount - 1)
            cpu.RunStarts[i + 1] = nNext;
    }
}

int CFlashImage::BuildRegion(CpuImage& cpu, int nStart, int& nNext)
{
    const SRecordList& records = cpu.Records;
    const int nRecords = static_cast<int>(records.GetSize());
    int nFirst = 0;
    while (nFirst < nRecords && records[nFirst].address != nStart)
        ++nFirst;
    if (nFirst == nRecords)
        return 0;

    int nLast = nFirst;
    long long nRunLength = 0;
    for (int i = nFirst;; ++i)
    {
        const SRecordList::Entry r = records[i];
        nRunLength += r.count;
        nLast = i;
        if (r.count < RunEndBytes || i + 1 == nRecords || records[i + 1].address != r.address + r.count / 2)
            break;
    }
    nNext = nLast + 1 < nRecords ? records[nLast + 1].address : 0;

    // Malformed counts can make the sum negative: such a run has no bytes.
    const int nLength = static_cast<int>(std::max(0LL, std::min(nRunLength, 0x7FFFFFFFLL)));
    std::unique_ptr<BYTE[]> buffer(nLength > 0 ? new BYTE[nLength]() : nullptr);
    BYTE* const pBuffer = buffer.get();

    // Byte k is the pair at character 2k of the run's data texts joined
    // together; bytes the text does not supply stay 0.
    records.CopyBytes(nFirst, nLast, pBuffer, nLength);

    BlockPtr pFirst(new FlashBlock);
    pFirst->address = nStart;
    pFirst->data = buffer.release();
    pFirst->length = std::min(nLength, static_cast<int>(LargestRegion));
    pFirst->ComputeChecksum();
    BlockPtr pSecond;
    if (nLength > LargestRegion)
    {
        pSecond.reset(new FlashBlock);
        pSecond->address = nStart + SplitOffset;
        pSecond->data = pFirst->data + LargestRegion;
        pSecond->length = nLength - LargestRegion;
        pSecond->ownsData = false;
        pSecond->ComputeChecksum();
    }

    // An address already present keeps the block it has.
    const bool bFirstIn = cpu.RegionMap.count(nStart) == 0;
    const bool bSecondIn = pSecond && cpu.RegionMap.count(pSecond->address) == 0;
    if (bSecondIn && !bFirstIn)
    {
        // The second block outlives the buffer it shared: give it its own.
        BYTE* pOwn = new BYTE[pSecond->length];
        memcpy(pOwn, pSecond->data, pSecond->length);
        pSecond->data = pOwn;
        pSecond->ownsData = true;
    }
    if (bFirstIn)
        cpu.RegionMap.emplace(nStart, std::move(pFirst));
    if (bSecondIn)
    {
        const int nSecond = pSecond->address;
        cpu.RegionMap.emplace(nSecond, std::move(pSecond));
    }
    return 0;
}

// --- Key, chunks and lists ---------------------------------------------------

int CFlashImage::FindMasterKeyAndBuildLists() { return FindKeyAndBuildLists(Master, MasterKeys()); }
int CFlashImage::FindSlaveKeyAndBuildLists() { return FindKeyAndBuildLists(Slave, SlaveKeys()); }
void CFlashImage::SplitMasterRegion(int nAddress) { SplitRegion(Master, Master.ChunkMap, nAddress); }
void CFlashImage::SplitSlaveRegion(int nAddress) { SplitRegion(Slave, Slave.ChunkMap, nAddress); }
void CFlashImage::SplitMasterKeyRegion(int nAddress) { SplitRegion(Master, Master.KeyChunkMap, nAddress); }
void CFlashImage::SplitSlaveKeyRegion(int nAddress) { SplitRegion(Slave, Slave.KeyChunkMap, nAddress); }
FlashBlock* CFlashImage::FindMasterRegion(int nAddress) { return FindRegion(Master, nAddress); }
FlashBlock* CFlashImage::FindSlaveRegion(int nAddress) { return FindRegion(Slave, nAddress); }
CFlashImage::ChunkArray* CFlashImage::FindMasterChunks(int nAddress) { return FindChunks(Master.ChunkMap, nAddress); }
CFlashImage::ChunkArray* CFlashImage::FindSlaveChunks(int nAddress) { return FindChunks(Slave.ChunkMap, nAddress); }
CFlashImage::ChunkArray* CFlashImage::FindMasterKeyChunks(int nAddress) { return FindChunks(Master.KeyChunkMap, nAddress); }
CFlashImage::ChunkArray* CFlashImage::FindSlaveKeyChunks(int nAddress) { return FindChunks(Slave.KeyChunkMap, nAddress); }

FlashBlock* CFlashImage::FindRegion(CpuImage& cpu, int nAddress)
{
    const auto it = cpu.RegionMap.find(nAddress);
    return it == cpu.RegionMap.end() ? nullptr : it->second.get();
}

CFlashImage::ChunkArray* CFlashImage::FindChunks(std::map<int, ChunkArray>& chunkMap, int nAddress)
{
    const auto it = chunkMap.find(nAddress);
    return it == chunkMap.end() ? nullptr : &it->second;
}

void CFlashImage::AddToList(CArray<FlashBlock*>& list, BlockPtr& pBlock)
{
    list.Add(pBlock.get());
    pBlock.release();
}

int CFlashImage::FindKeyAndBuildLists(CpuImage& cpu, const KeyCandidate* keys)
{
    // The last matching candidate is the key.
    for (int c = 0; c < kCandidates; ++c)
    {
        const FlashBlock* pRegion = FindRegion(cpu, keys[c].address);
        if (pRegion == nullptr || pRegion->data == nullptr || pRegion->length < 2)
            continue;
        for (int m = 0; m < keys[c].markerCount; ++m)
        {
            if (pRegion->data[0] == keys[c].markers[m][0] && pRegion->data[1] == keys[c].markers[m][1])
                cpu.KeyAddress = keys[c].address;
        }
    }

    // A key region longer than the largest block was split, and its second
    // block starts above the key, so it would never be written while the
    // update reports success.
    FlashBlock* pKeyRegion = FindRegion(cpu, cpu.KeyAddress);
    if (pKeyRegion != nullptr)
    {
        const FlashBlock* pTail = FindRegion(cpu, cpu.KeyAddress + SplitOffset);
        if (pTail != nullptr && !pTail->ownsData && pTail->data == pKeyRegion->data + LargestRegion)
            cpu.Refusal.Format(L"The key region at 0x%06X is longer than %d bytes and cannot be written whole, "
                               L"Please re-select the flash file!",
                               cpu.KeyAddress, static_cast<int>(LargestRegion));
    }

    std::vector<int> collected;
    collected.reserve(cpu.RegionMap.size());
    for (const auto& region : cpu.RegionMap)
        if (region.first != cpu.KeyAddress)
            collected.push_back(region.first);

    for (int nAddress : collected)
        if (nAddress < cpu.KeyAddress)
            SplitRegion(cpu, cpu.ChunkMap, nAddress);
    if (pKeyRegion != nullptr)
        SplitRegion(cpu, cpu.KeyChunkMap, cpu.KeyAddress);

    for (int nAddress : collected)
    {
        if (nAddress >= cpu.KeyAddress || FindRegion(cpu, nAddress) == nullptr)
            continue;
        for (BlockPtr& pChunk : *FindChunks(cpu.ChunkMap, nAddress))
        {
            AddToList(cpu.ProgramChunks, pChunk);
            ++cpu.FrameTotal;
        }
    }
    if (pKeyRegion != nullptr)
    {
        for (BlockPtr& pChunk : *FindChunks(cpu.KeyChunkMap, cpu.KeyAddress))
        {
            AddToList(cpu.KeyProgramChunks, pChunk);
            ++cpu.FrameTotal;
        }
    }
    cpu.ChunkMap.clear();
    cpu.KeyChunkMap.clear();

    for (int nAddress : collected)
    {
        if (nAddress >= cpu.KeyAddress || FindRegion(cpu, nAddress) == nullptr)
            continue;
        AddToList(cpu.VerifyRegions, cpu.RegionMap[nAddress]);
        ++cpu.FrameTotal;
    }
    if (pKeyRegion != nullptr)
    {
        AddToList(cpu.KeyVerifyRegions, cpu.RegionMap[cpu.KeyAddress]);
        ++cpu.FrameTotal;
    }

    // Regions above the key go nowhere. A split region's first block lies
    // below its second, so a kept second block always has its owner kept.
    cpu.RegionMap.clear();

    // The verify frame counts a region's words in 16 bits: a longer region
    // would fail its verification on every attempt.
    for (const CArray<FlashBlock*>* pList : {&cpu.VerifyRegions, &cpu.KeyVerifyRegions})
    {
        for (INT_PTR i = 0; i < pList->GetSize() && cpu.Refusal.IsEmpty(); ++i)
        {
            const FlashBlock* pRegion = (*pList)[i];
            if (pRegion->length / 2 > MaxVerifyWords)
                cpu.Refusal.Format(L"The region at 0x%06X holds %d words, more than one verify can check, "
                                   L"Please re-select the flash file!",
                                   pRegion->address, pRegion->length / 2);
        }
    }
    return 0;
}

void CFlashImage::SplitRegion(CpuImage& cpu, std::map<int, ChunkArray>& chunkMap, int nAddress)
{
    const FlashBlock* pRegion = FindRegion(cpu, nAddress);
    if (pRegion == nullptr)
        return;
    ChunkArray chunks;
    chunks.reserve(pRegion->length / ChunkBytes + 1);
    for (int nOffset = 0; nOffset < pRegion->length; nOffset += ChunkBytes)
    {
        const int nBytes = std::min(static_cast<int>(ChunkBytes), pRegion->length - nOffset);
        BlockPtr pChunk(new FlashBlock);
        pChunk->length = nBytes;
        pChunk->address = pRegion->address + nOffset / 2;
        // The chunk's bytes stay in its region: the verify lists keep every
        // region that has chunks for as long as the chunk lists live.
        pChunk->data = pRegion->data + nOffset;
        pChunk->ownsData = false;
        chunks.push_back(std::move(pChunk));
    }
    chunkMap[nAddress] = std::move(chunks);
}
