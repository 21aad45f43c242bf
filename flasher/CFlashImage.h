// The firmware images of the master and the slave CPU: the chosen .out file,
// the converted .m00 file, its S2 records, the validity key, and the lists of
// flash blocks that an update programs and verifies.
#pragma once

#include "core/Core.h"
#include "FlashBlock.h"
#include "SRecordList.h"

#include <map>
#include <memory>
#include <vector>

class CFlashImage
{
public:
    // The working maps own their blocks until the lists take them over.
    typedef std::unique_ptr<FlashBlock> BlockPtr;
    typedef std::vector<BlockPtr> ChunkArray;

    enum
    {
        RunCount = 15,              // runs per CPU (size of RunStarts)
        RunEndBytes = 32,           // a record with fewer data bytes ends a run
        LargestRegion = 0x1FFFE,    // bytes; a longer region is split once
        SplitOffset = 0xFFFF,       // words from a split region to its second block
        MaxVerifyWords = 0xFFFF,    // the verify frame counts a region's words in 16 bits
        ChunkBytes = 228,
        CommandLineSize = 512,      // converter command line, wide and ANSI
    };

    // One CPU's half of the image.
    struct CpuImage
    {
        CString OutPath;            // the .out path last given to the load
        CString M00Path;            // full path of the converted file
        SRecordList Records;        // the S2 lines in file order
        int KeyAddress = 0;         // word address of the key region, 0 without key
        // Working storage of a load; empty after it.
        std::map<int, BlockPtr> RegionMap;
        std::map<int, ChunkArray> ChunkMap;
        std::map<int, ChunkArray> KeyChunkMap;
        int SequenceNumber = 0;     // frames sent in the current attempt
        int FrameTotal = 0;         // entries of the four lists together
        // The lists own their blocks.
        CArray<FlashBlock*> ProgramChunks;
        CArray<FlashBlock*> VerifyRegions;
        CArray<FlashBlock*> KeyProgramChunks;
        CArray<FlashBlock*> KeyVerifyRegions;
        int RunStarts[RunCount] = {};
        // Why the last load refused the image, for the log list; empty when
        // it was taken or when a message box has already said why.
        CString Refusal;
    };

    CFlashImage();
    ~CFlashImage();
    CFlashImage(const CFlashImage&) = delete;
    CFlashImage& operator=(const CFlashImage&) = delete;

    // Converts the .out file and loads the result into one CPU's half.
    // 1 when the file was read and the lists were built, also without a key.
    // 0 when the image is refused: a message box has said why (a path the
    // converter's command line cannot carry, repeated addresses, memory
    // ran out), or Refusal holds the reason (no folder of the executable, the
    // converter could not start or ended with an error, a region the board
    // cannot take). A refused CPU has no key, no lists and a frame total of 0.
    // A .m00 file that cannot be opened leaves as a CFileException.
    int LoadMasterImage(CString strOutPath);
    int LoadSlaveImage(CString strOutPath);

    // Converts with the ANSI code page into a buffer of nBufferSize bytes;
    // returns the bytes written with the terminator, 0 when it does not fit.
    static int ToNarrow(LPCWSTR pszWide, char* pBuffer, int nBufferSize);
    // True when every character of the text has a form in the ANSI code page.
    static bool FitsAnsiCodePage(LPCWSTR pszWide);
    static BYTE HexPairToByte(CString& strPair);
    static int ParseSRecord(SRecordLine& record, const CString& strLine);

    // The region walk, and the key search with the lists. The latter also
    // sets the CPU's Refusal when the board could not take the lists: a key
    // region too long to be written whole, or a region whose word count does
    // not fit the verify frame.
    void BuildMasterRegions();
    int BuildMasterRegion(int nStart, int& nNext);
    int FindMasterKeyAndBuildLists();
    void SplitMasterRegion(int nAddress);
    void SplitMasterKeyRegion(int nAddress);
    FlashBlock* FindMasterRegion(int nAddress);
    ChunkArray* FindMasterChunks(int nAddress);
    ChunkArray* FindMasterKeyChunks(int nAddress);

    void BuildSlaveRegions();
    int BuildSlaveRegion(int nStart, int& nNext);
    int FindSlaveKeyAndBuildLists();
    void SplitSlaveRegion(int nAddress);
    void SplitSlaveKeyRegion(int nAddress);
    FlashBlock* FindSlaveRegion(int nAddress);
    ChunkArray* FindSlaveChunks(int nAddress);
    ChunkArray* FindSlaveKeyChunks(int nAddress);

    CpuImage Master;
    CpuImage Slave;
    bool LastAttempt = false;       // set by the worker for the third attempt; shared

protected:
    // The second half of a load: reads the CPU's M00Path into a cleared CPU
    // and builds its regions, key and lists; 1, or 0 when the file is refused.
    int ReadMasterFile();
    int ReadSlaveFile();
    void ClearMaster() { ClearCpu(Master); }
    void ClearSlave() { ClearCpu(Slave); }

private:
    struct KeyCandidate;
    static const KeyCandidate* MasterKeys();
    static const KeyCandidate* SlaveKeys();

    int LoadImage(CpuImage& cpu, const KeyCandidate* keys, const CString& strOutPath);
    int ReadConvertedFile(CpuImage& cpu, const KeyCandidate* keys);
    static void ReadRecords(CpuImage& cpu, CStdioFile& file);
    void ClearCpu(CpuImage& cpu);
    static void BuildRegions(CpuImage& cpu);
    static int BuildRegion(CpuImage& cpu, int nStart, int& nNext);
    static int FindKeyAndBuildLists(CpuImage& cpu, const KeyCandidate* keys);
    static void SplitRegion(CpuImage& cpu, std::map<int, ChunkArray>& chunkMap, int nAddress);
    static FlashBlock* FindRegion(CpuImage& cpu, int nAddress);
    static ChunkArray* FindChunks(std::map<int, ChunkArray>& chunkMap, int nAddress);
    static void DestroyBlocks(CArray<FlashBlock*>& list);
    // Hands the block over to the list; the pointer keeps it when that fails.
    static void AddToList(CArray<FlashBlock*>& list, BlockPtr& pBlock);
    static bool FindRepeatedAddress(const CpuImage& cpu, int& nAddress);
};

// The one image object, created by the main dialog and kept for the process.
extern CFlashImage* g_pFlashImage;
