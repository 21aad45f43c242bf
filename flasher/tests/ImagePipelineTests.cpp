// Parsing, region walk, checksums, key search and chunk lists, on records
// and .m00 files made by the tests (no converter involved).
#include "AllocationFaults.h"
#include "ImageTestSupport.h"

#include <gtest/gtest.h>

namespace
{

struct RegionSeen
{
    int address;
    int length;
};

std::vector<RegionSeen> RegionsOf(const CFlashImage::CpuImage& cpu)
{
    std::vector<RegionSeen> seen;
    for (const auto& region : cpu.RegionMap)
        seen.push_back({region.first, region.second->length});
    return seen;
}

// Runs the region walk of the master on the given records and returns the
// blocks it built, then discards them through the list building.
std::vector<RegionSeen> MasterRegions(TestFlashImage& image, const std::vector<SRecordLine>& records)
{
    for (const SRecordLine& r : records)
        image.Master.Records.Add(r);
    image.BuildMasterRegions();
    const std::vector<RegionSeen> seen = RegionsOf(image.Master);
    image.FindMasterKeyAndBuildLists();
    return seen;
}

// The bytes as contiguous records of 32 bytes (the last one shorter).
void AddRun(CFlashImage::CpuImage& cpu, int address, const std::vector<BYTE>& bytes)
{
    for (size_t at = 0; at < bytes.size(); at += 32)
    {
        const size_t n = std::min<size_t>(32, bytes.size() - at);
        cpu.Records.Add(S2Record(address + static_cast<int>(at / 2),
                                 std::vector<BYTE>(bytes.begin() + at, bytes.begin() + at + n)));
    }
}

bool operator==(const RegionSeen& a, const RegionSeen& b)
{
    return a.address == b.address && a.length == b.length;
}

std::ostream& operator<<(std::ostream& out, const RegionSeen& r)
{
    return out << std::hex << "{0x" << r.address << ", " << std::dec << r.length << "}";
}

std::vector<BYTE> KeyBytes(BYTE first, BYTE second, size_t count = 8)
{
    std::vector<BYTE> bytes = PatternBytes(count, first);
    bytes[0] = first;
    bytes[1] = second;
    return bytes;
}

}  // namespace

TEST(SRecordParse, LinesFillTheWorkingRecord)
{
    struct Case
    {
        const wchar_t* line;
        int result;
        const wchar_t* type;
        int count;
        int address;
        const wchar_t* data;
    } cases[] = {
        // S0 sets only the type; the other fields keep the previous line's.
        {L"S00600004844521B", 1, L"S0", 99, 0x123456, L"prev"},
        {L"S2083F5FFEA7D3000050", 1, L"S2", 4, 0x3F5FFE, L"A7D30000"},
        {L"S2083f5ffea7d30000xx", 1, L"S2", 4, 0x3F5FFE, L"a7d30000"},
        {L"S204000100FA", 1, L"S2", 0, 0x000100, L""},
        {L"S203000100FB", 1, L"S2", -1, 0x000100, L""},
        {L"S200000100", 1, L"S2", -4, 0x000100, L""},
        // A line shorter than its count gives what it holds.
        {L"S20C000100AABB", 1, L"S2", 8, 0x000100, L"AABB"},
        {L"S20C000100AAB", 1, L"S2", 8, 0x000100, L"AAB"},
        {L"S2140001", 1, L"S2", 16, 0x000100, L""},
        {L"S2", 1, L"S2", -4, 0, L""},
        // Pairs holding other characters read as 0.
        {L"S2 8ZZ0100AABB", 1, L"S2", -4, 0x000100, L""},
        {L"S208G00100AABBCCDD", 1, L"S2", 4, 0x000100, L"AABBCCDD"},
        {L"S804000000FB", 0, L"S8", 99, 0x123456, L"prev"},
        {L"S1050000AABB", 0, L"S1", 99, 0x123456, L"prev"},
        {L"S3090000000011223344", 0, L"S3", 99, 0x123456, L"prev"},
        {L"S9030000FC", 0, L"S9", 99, 0x123456, L"prev"},
        {L"s2083F5FFEA7D3000050", 0, L"s2", 99, 0x123456, L"prev"},
        {L"", 0, L"", 99, 0x123456, L"prev"},
        {L"S", 0, L"S", 99, 0x123456, L"prev"},
    };
    for (const Case& c : cases)
    {
        SRecordLine record;
        record.type = L"S2";
        record.count = 99;
        record.address = 0x123456;
        record.data = L"prev";
        EXPECT_EQ(c.result, CFlashImage::ParseSRecord(record, c.line)) << c.line;
        EXPECT_STREQ(c.type, record.type) << c.line;
        EXPECT_EQ(c.count, record.count) << c.line;
        EXPECT_EQ(c.address, record.address) << c.line;
        EXPECT_STREQ(c.data, record.data) << c.line;
    }
}

TEST(SRecordParse, HexPairs)
{
    struct Case
    {
        const wchar_t* pair;
        BYTE value;
        const wchar_t* after;
    } cases[] = {
        {L"00", 0x00, L"00"}, {L"7f", 0x7F, L"7F"}, {L"FF", 0xFF, L"FF"}, {L"a0", 0xA0, L"A0"},
        {L"G1", 0x00, L"G1"}, {L"1g", 0x00, L"1G"}, {L" 1", 0x00, L" 1"},
        {L"1", 0x00, L"1"},   {L"123", 0x00, L"123"}, {L"", 0x00, L""},
    };
    for (const Case& c : cases)
    {
        CString pair = c.pair;
        EXPECT_EQ(c.value, CFlashImage::HexPairToByte(pair)) << c.pair;
        EXPECT_STREQ(c.after, pair) << c.pair;
    }
}

TEST(SRecordParse, ToNarrowNeverWritesPastItsBuffer)
{
    char buffer[8];
    memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(0, CFlashImage::ToNarrow(nullptr, buffer, sizeof buffer));
    EXPECT_EQ('x', buffer[0]);
    EXPECT_EQ(0, CFlashImage::ToNarrow(L"abc", nullptr, 8));

    EXPECT_EQ(4, CFlashImage::ToNarrow(L"abc", buffer, sizeof buffer));
    EXPECT_STREQ("abc", buffer);

    char small[6];
    memset(small, 'x', sizeof small);
    char guard = 'g';
    EXPECT_EQ(0, CFlashImage::ToNarrow(L"abcdefgh", small, 4));
    EXPECT_EQ('\0', small[0]);
    EXPECT_EQ('x', small[4]);
    EXPECT_EQ('g', guard);
}

TEST(SRecordParse, ReadingKeepsS2LinesUntilTheFirstOtherLine)
{
    TempFolder folder(L"image_read");
    const std::string s0 = "S00600004844521B\r\n";
    const std::string a = S2Line(0x100, PatternBytes(32, 1)), b = S2Line(0x110, PatternBytes(8, 2)),
                      c = S2Line(0x200, PatternBytes(4, 3));
    struct Case
    {
        const char* what;
        std::string text;
        std::vector<int> addresses;
    } cases[] = {
        {"S0, S2 lines, S8", s0 + a + "\r\n" + b + "\r\n" + c + "\r\nS804000000FB\r\n", {0x100, 0x110, 0x200}},
        {"no end record", s0 + a + "\n" + b + "\n", {0x100, 0x110}},
        {"S1 stops", s0 + a + "\r\nS1050000AABBFF\r\n" + c + "\r\n", {0x100}},
        {"S9 stops", a + "\r\nS9030000FC\r\n" + c + "\r\n", {0x100}},
        {"empty line stops", a + "\r\n\r\n" + c + "\r\n", {0x100}},
        {"S8 stops", a + "\r\nS804000000FB\r\n" + c + "\r\n", {0x100}},
        {"empty file", "", {}},
    };
    for (const Case& k : cases)
    {
        TestFlashImage image;
        image.Master.M00Path = folder.File(L"read.m00").c_str();
        ASSERT_TRUE(WriteTextFile(image.Master.M00Path.GetString(), k.text));
        EXPECT_EQ(1, image.ReadMasterFile()) << k.what;
        std::vector<int> addresses;
        for (INT_PTR i = 0; i < image.Master.Records.GetSize(); ++i)
            addresses.push_back(image.Master.Records[i].address);
        EXPECT_EQ(k.addresses, addresses) << k.what;
        EXPECT_TRUE(image.Master.RegionMap.empty());
    }
}

TEST(FlashImageRegions, RunsFollowContiguousFullRecords)
{
    const int S = 0x3E8000;
    const std::vector<BYTE> b32 = PatternBytes(32, 1), b8 = PatternBytes(8, 2), b31 = PatternBytes(31, 3);
    auto many = [&](int count, int stride) {
        std::vector<SRecordLine> records;
        for (int i = 0; i < count; ++i)
            records.push_back(S2Record(S + i * stride, b8));
        return records;
    };
    struct Case
    {
        const char* what;
        std::vector<SRecordLine> records;
        std::vector<RegionSeen> regions;
    } cases[] = {
        {"three full records and a short one, then the next run",
         {S2Record(S, b32), S2Record(S + 16, b32), S2Record(S + 32, b32), S2Record(S + 48, b8),
          S2Record(S + 52, b32)},
         {{S, 104}, {S + 52, 32}}},
        {"a record of 31 bytes ends its run", {S2Record(S, b31), S2Record(S + 15, b32)}, {{S, 31}, {S + 15, 32}}},
        {"a gap ends a run", {S2Record(S, b32), S2Record(S + 17, b32)}, {{S, 32}, {S + 17, 32}}},
        {"the last record ends a run", {S2Record(S, b32), S2Record(S + 16, b32)}, {{S, 64}}},
        {"records out of address order", {S2Record(S + 100, b8), S2Record(S, b8)}, {{S, 8}, {S + 100, 8}}},
        {"a first record at address 0 builds nothing", {S2Record(0, b8), S2Record(S, b8)}, {}},
        {"a record at address 0 ends the walk", {S2Record(S, b8), S2Record(0, b8), S2Record(S + 8, b8)}, {{S, 8}}},
        {"no records", {}, {}},
        {"at most 15 runs", many(16, 100), {}},
    };
    for (int i = 0; i < 15; ++i)
        cases[8].regions.push_back({S + i * 100, 8});
    for (const Case& c : cases)
    {
        TestFlashImage image;
        EXPECT_EQ(c.regions, MasterRegions(image, c.records)) << c.what;
    }
}

TEST(FlashImageRegions, LongRegionsSplitOnceAtTheLargestBlock)
{
    const int S = 0x300000;
    struct Case
    {
        int bytes;
        std::vector<RegionSeen> regions;
    } cases[] = {
        {0x1FFFE, {{S, 0x1FFFE}}},
        {0x1FFFF, {{S, 0x1FFFE}, {S + 0xFFFF, 1}}},
        {0x40000, {{S, 0x1FFFE}, {S + 0xFFFF, 0x40000 - 0x1FFFE}}},  // still one split
    };
    for (const Case& c : cases)
    {
        const std::vector<BYTE> bytes = PatternBytes(c.bytes, 7);
        TestFlashImage image;
        AddRun(image.Master, S, bytes);
        image.BuildMasterRegions();
        for (const auto& region : image.Master.RegionMap)
        {
            // Each block holds its own part of the bytes and sums only those.
            const FlashBlock* block = region.second.get();
            const int offset = (region.first - S) * 2;
            EXPECT_EQ(0, memcmp(block->data, bytes.data() + offset, block->length));
            unsigned sum = 0;
            for (int i = 0; i < block->length; i += 2)
                sum += bytes[offset + i] << 8 | (i + 1 < block->length ? bytes[offset + i + 1] : 0);
            EXPECT_EQ(sum >> 8 & 0xFF, block->checksum[0]);
            EXPECT_EQ(sum & 0xFF, block->checksum[1]);
        }
        EXPECT_EQ(c.regions, RegionsOf(image.Master)) << c.bytes;
        image.FindMasterKeyAndBuildLists();
    }
}

TEST(FlashImageRegions, SecondBlockOutlivesAFirstBlockThatIsNotKept)
{
    // The first run's second block takes the address where the second run
    // starts, so that run keeps only its own second block, which must not
    // point into the dropped first block's buffer.
    const int S = 0x300000;
    const std::vector<BYTE> one = PatternBytes(0x20000, 1), two = PatternBytes(0x20000, 2);
    {
        TestFlashImage image;
        AddRun(image.Master, S, one);
        AddRun(image.Master, S + 0xFFFF, two);
        image.Master.Records.Add(S2Record(0x3F5FFE, KeyBytes(0xA7, 0xD3)));
        image.BuildMasterRegions();
        const std::vector<RegionSeen> expected = {
            {S, 0x1FFFE}, {S + 0xFFFF, 2}, {S + 0x1FFFE, 2}, {0x3F5FFE, 8}};
        EXPECT_EQ(expected, RegionsOf(image.Master));
        image.FindMasterKeyAndBuildLists();
        // Fresh allocations of the freed buffer's size reuse its memory.
        std::vector<std::vector<BYTE>> noise(4, std::vector<BYTE>(0x20000, 0xEE));
        const CFlashImage::CpuImage& m = image.Master;
        ASSERT_EQ(3, m.VerifyRegions.GetSize());
        EXPECT_EQ(std::vector<BYTE>(two.begin() + 0x1FFFE, two.end()), BlockBytes(m.VerifyRegions[2]));
        EXPECT_EQ(BlockBytes(m.VerifyRegions[2]), BlockBytes(m.ProgramChunks[m.ProgramChunks.GetSize() - 1]));
    }  // the image frees every block once
}

TEST(FlashImageRegions, ChecksumIsTheSumOfBigEndianWords)
{
    struct Case
    {
        std::vector<BYTE> bytes;
        BYTE high, low;
    } cases[] = {
        {{0x12, 0x34, 0x56, 0x78}, 0x68, 0xAC},
        {{0xFF, 0xFF, 0x00, 0x02}, 0x00, 0x01},  // modulo 65,536
        {{0x12, 0x34, 0x56}, 0x68, 0x34},        // odd: the last byte is a high byte
        {{0x80}, 0x80, 0x00},
        {{}, 0x00, 0x00},
    };
    for (const Case& c : cases)
    {
        // The block is exactly as long as its bytes, so a read past it would
        // be a read past the allocation.
        FlashBlock block;
        block.length = static_cast<int>(c.bytes.size());
        block.data = c.bytes.empty() ? nullptr : new BYTE[c.bytes.size()];
        if (!c.bytes.empty())
            memcpy(block.data, c.bytes.data(), c.bytes.size());
        block.ComputeChecksum();
        EXPECT_EQ(c.high, block.checksum[0]);
        EXPECT_EQ(c.low, block.checksum[1]);
    }
}

TEST(FlashImageRegions, MalformedRecordsStayInsideTheirBuffers)
{
    // Hand-made lines: negative counts, lines shorter than their count, odd
    // data texts and characters that are not hex digits.
    const int S = 0x3E8000;
    struct Case
    {
        const char* what;
        std::vector<std::string> lines;
        std::vector<RegionSeen> regions;
        std::vector<BYTE> firstRegion;
    } cases[] = {
        {"count field below 4", {"S2003E8000AABB"}, {{S, 0}}, {}},
        {"negative count inside a run", {"S2243E8000" + std::string(64, '1'), "S2023E8010AABB"}, {{S, 30}},
         std::vector<BYTE>(30, 0x11)},
        {"line shorter than its count", {"S2243E8000A1A2"}, {{S, 32}},
         {0xA1, 0xA2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"odd data text joins the next record's text",
         {"S2243E8000" + std::string(63, '2'), "S2063E8010345"}, {{S, 34}},
         [] {
             std::vector<BYTE> v(31, 0x22);
             v.push_back(0x23);
             v.push_back(0x45);
             v.push_back(0x00);
             return v;
         }()},
        {"odd data text shifts the pairs of the whole-pair record after it",
         {"S2243E8000" + std::string(63, '2'), "S2063E80103456"}, {{S, 34}},
         [] {
             std::vector<BYTE> v(31, 0x22);
             v.push_back(0x23);
             v.push_back(0x45);
             v.push_back(0x00);
             return v;
         }()},
        {"not hex digits read as 0", {"S2063E8000G1zz"}, {{S, 2}}, {0x00, 0x00}},
    };
    TempFolder folder(L"image_malformed");
    for (const Case& c : cases)
    {
        std::string text;
        for (const std::string& line : c.lines)
            text += line + "\r\n";
        TestFlashImage image;
        image.Master.M00Path = folder.File(L"bad.m00").c_str();
        ASSERT_TRUE(WriteTextFile(image.Master.M00Path.GetString(), text));
        ASSERT_EQ(1, image.ReadMasterFile()) << c.what;
        // Rebuild the walk to look at the regions themselves.
        image.BuildMasterRegions();
        const std::vector<RegionSeen> seen = RegionsOf(image.Master);
        EXPECT_EQ(c.regions, seen) << c.what;
        if (!seen.empty()) {
            EXPECT_EQ(c.firstRegion, BlockBytes(image.Master.RegionMap.begin()->second.get())) << c.what;
        }
        image.FindMasterKeyAndBuildLists();
        EXPECT_EQ(0, image.Master.FrameTotal);
    }
}

TEST(FlashImageRegions, RepeatedAddressesAreRefused)
{
    const int S = 0x3E8000;
    const std::string text = S2Line(S, PatternBytes(32, 1)) + "\r\n" + S2Line(S + 16, PatternBytes(8, 2)) + "\r\n" +
                             S2Line(S, PatternBytes(32, 3)) + "\r\n" + S2Line(0x3F5FFE, KeyBytes(0xA7, 0xD3)) +
                             "\r\n";
    TempFolder folder(L"image_repeat");
    TestFlashImage image;
    image.Master.M00Path = folder.File(L"repeat.m00").c_str();
    ASSERT_TRUE(WriteTextFile(image.Master.M00Path.GetString(), text));
    MessageBoxCatcher boxes;
    EXPECT_EQ(0, image.ReadMasterFile());
    ASSERT_EQ(1u, boxes.Texts().size());
    EXPECT_NE(std::wstring::npos, boxes.Texts()[0].find(L"0x3E8000")) << boxes.Texts()[0];
    EXPECT_EQ(0, image.Master.KeyAddress);
    EXPECT_EQ(0, image.Master.FrameTotal);
    EXPECT_EQ(0, image.Master.Records.GetSize());
    EXPECT_EQ(0, image.Master.VerifyRegions.GetSize());
}

TEST(FlashImageKey, CandidatesAndMarkersPerCpu)
{
    struct Region
    {
        int address;
        BYTE first, second;
    };
    struct Case
    {
        const char* what;
        bool slave;
        std::vector<Region> regions;
        int key;
    } cases[] = {
        {"master A7 D3 at 3F5FFE", false, {{0x3F5FFE, 0xA7, 0xD3}}, 0x3F5FFE},
        {"master F7 D1 at 3F5FFE", false, {{0x3F5FFE, 0xF7, 0xD1}}, 0x3F5FFE},
        {"master C7 D4 at 3F5FFE", false, {{0x3F5FFE, 0xC7, 0xD4}}, 0x3F5FFE},
        {"master A7 D3 at 3F6FFE", false, {{0x3F6FFE, 0xA7, 0xD3}}, 0x3F6FFE},
        {"master E8 C4 at 337FFE", false, {{0x337FFE, 0xE8, 0xC4}}, 0x337FFE},
        {"master E5 67 at 337FFE", false, {{0x337FFE, 0xE5, 0x67}}, 0x337FFE},
        {"master 72 65 at 337FFE", false, {{0x337FFE, 0x72, 0x65}}, 0x337FFE},
        {"master 15 73 at 3F3FFE", false, {{0x3F3FFE, 0x15, 0x73}}, 0x3F3FFE},
        {"master: the last matching row wins", false, {{0x3F5FFE, 0xB7, 0xD4}, {0x3F3FFE, 0x15, 0x73}}, 0x3F3FFE},
        {"master: slave-only marker", false, {{0x3F5FFE, 0x4A, 0x3F}}, 0},
        {"master A7 D4 at 3F6FFE is a slave marker", false, {{0x3F6FFE, 0xA7, 0xD4}}, 0},
        {"master: marker off the candidate", false, {{0x3F5FFF, 0xA7, 0xD3}}, 0},
        {"master: marker in the wrong row", false, {{0x3F3FFE, 0xA7, 0xD3}}, 0},
        {"slave 4A 3F at 3F5FFE", true, {{0x3F5FFE, 0x4A, 0x3F}}, 0x3F5FFE},
        {"slave B7 D4 at 3F5FFE is a master marker", true, {{0x3F5FFE, 0xB7, 0xD4}}, 0},
        {"slave A7 D3 at 3F6FFE", true, {{0x3F6FFE, 0xA7, 0xD3}}, 0x3F6FFE},
        {"slave A8 D4 at 3F6FFE", true, {{0x3F6FFE, 0xA8, 0xD4}}, 0x3F6FFE},
        {"slave F7 D2 at 3F6FFE", true, {{0x3F6FFE, 0xF7, 0xD2}}, 0x3F6FFE},
        {"slave E8 C4 at 337FFE", true, {{0x337FFE, 0xE8, 0xC4}}, 0x337FFE},
        {"slave E5 67 at 337FFE is a master marker", true, {{0x337FFE, 0xE5, 0x67}}, 0},
        {"slave 15 73 at 3F3FFE", true, {{0x3F3FFE, 0x15, 0x73}}, 0x3F3FFE},
        {"slave: the last matching row wins", true, {{0x3F5FFE, 0xA7, 0xD3}, {0x3F6FFE, 0xA7, 0xD4}}, 0x3F6FFE},
    };
    for (const Case& c : cases)
    {
        TestFlashImage image;
        CFlashImage::CpuImage& cpu = c.slave ? image.Slave : image.Master;
        // Records in ascending order, each region separate.
        std::vector<Region> regions = c.regions;
        std::sort(regions.begin(), regions.end(), [](const Region& a, const Region& b) { return a.address < b.address; });
        for (const Region& r : regions)
            cpu.Records.Add(S2Record(r.address, KeyBytes(r.first, r.second)));
        if (c.slave)
        {
            image.BuildSlaveRegions();
            image.FindSlaveKeyAndBuildLists();
        }
        else
        {
            image.BuildMasterRegions();
            image.FindMasterKeyAndBuildLists();
        }
        EXPECT_EQ(c.key, cpu.KeyAddress) << c.what;
        EXPECT_EQ(c.key == 0, cpu.FrameTotal == 0) << c.what;
        const CFlashImage::CpuImage& other = c.slave ? image.Master : image.Slave;
        EXPECT_EQ(0, other.FrameTotal) << c.what;
    }
}

TEST(FlashImageKey, OneByteRegionAtACandidateIsNoKey)
{
    TestFlashImage image;
    image.Master.Records.Add(S2Record(0x3F5FFE, {0xA7}));
    image.BuildMasterRegions();
    image.FindMasterKeyAndBuildLists();
    EXPECT_EQ(0, image.Master.KeyAddress);
}

TEST(FlashImageLists, ChunksAndRegionsBelowTheKeyThenTheKey)
{
    const int A = 0x3E8000, B = 0x3F0000, K = 0x3F5FFE, Above = 0x3F8000;
    const std::vector<BYTE> a = PatternBytes(500, 1), b = PatternBytes(228, 2), key = KeyBytes(0xA7, 0xD3, 20),
                            above = PatternBytes(64, 4);
    TestFlashImage image;
    // File order differs from address order: the lists follow addresses.
    AddRun(image.Master, B, b);
    AddRun(image.Master, Above, above);
    AddRun(image.Master, K, key);
    AddRun(image.Master, A, a);
    image.BuildMasterRegions();
    image.FindMasterKeyAndBuildLists();
    CFlashImage::CpuImage& m = image.Master;

    EXPECT_EQ(K, m.KeyAddress);
    struct Expected
    {
        int address, length;
    };
    const std::vector<Expected> chunks = {{A, 228}, {A + 114, 228}, {A + 228, 44}, {B, 228}};
    ASSERT_EQ(chunks.size(), static_cast<size_t>(m.ProgramChunks.GetSize()));
    for (size_t i = 0; i < chunks.size(); ++i)
    {
        EXPECT_EQ(chunks[i].address, m.ProgramChunks[i]->address) << i;
        EXPECT_EQ(chunks[i].length, m.ProgramChunks[i]->length) << i;
        EXPECT_EQ(0, m.ProgramChunks[i]->checksum[0] | m.ProgramChunks[i]->checksum[1]);
    }
    std::vector<BYTE> below = a;
    below.insert(below.end(), b.begin(), b.end());
    EXPECT_EQ(below, JoinBlocks(m.ProgramChunks));

    ASSERT_EQ(2, m.VerifyRegions.GetSize());
    EXPECT_EQ(A, m.VerifyRegions[0]->address);
    EXPECT_EQ(a, BlockBytes(m.VerifyRegions[0]));
    EXPECT_EQ(B, m.VerifyRegions[1]->address);

    ASSERT_EQ(1, m.KeyProgramChunks.GetSize());
    EXPECT_EQ(key, BlockBytes(m.KeyProgramChunks[0]));
    ASSERT_EQ(1, m.KeyVerifyRegions.GetSize());
    EXPECT_EQ(K, m.KeyVerifyRegions[0]->address);

    // Chunks below the key, the key's chunks, regions below the key, the key.
    EXPECT_EQ(4 + 1 + 2 + 1, m.FrameTotal);
    EXPECT_TRUE(m.RegionMap.empty());
    EXPECT_TRUE(m.ChunkMap.empty());
    EXPECT_TRUE(m.KeyChunkMap.empty());
}

TEST(FlashImageLists, SplitRegionBelowTheKeyIsTwoRegions)
{
    const int S = 0x300000;
    const std::vector<BYTE> bytes = PatternBytes(0x1FFFE + 300, 9);
    TestFlashImage image;
    AddRun(image.Master, S, bytes);
    image.Master.Records.Add(S2Record(0x3F5FFE, KeyBytes(0xA7, 0xD3)));
    image.BuildMasterRegions();
    image.FindMasterKeyAndBuildLists();
    CFlashImage::CpuImage& m = image.Master;
    ASSERT_EQ(2, m.VerifyRegions.GetSize());
    EXPECT_EQ(S + 0xFFFF, m.VerifyRegions[1]->address);
    EXPECT_EQ(300, m.VerifyRegions[1]->length);
    // Each part is cut by itself: 574 chunks of 228 and one of 198, then 228 and 72.
    const int firstChunks = 0x1FFFE / 228 + 1;
    ASSERT_EQ(firstChunks + 2, m.ProgramChunks.GetSize());
    EXPECT_EQ(0x1FFFE % 228, m.ProgramChunks[firstChunks - 1]->length);
    EXPECT_EQ(S + 0xFFFF, m.ProgramChunks[firstChunks]->address);
    EXPECT_EQ(bytes, JoinBlocks(m.ProgramChunks));
    EXPECT_EQ(firstChunks + 2 + 1 + 2 + 1, m.FrameTotal);
}

namespace
{
// The .m00 text of runs of bytes, as records of 32 bytes (the last one shorter).
std::string M00Text(const std::vector<std::pair<int, std::vector<BYTE>>>& runs)
{
    std::string text = "S00600004844521B\r\n";
    for (const auto& run : runs)
        for (size_t at = 0; at < run.second.size(); at += 32)
        {
            const size_t n = std::min<size_t>(32, run.second.size() - at);
            text += S2Line(run.first + static_cast<int>(at / 2),
                           std::vector<BYTE>(run.second.begin() + at, run.second.begin() + at + n)) +
                    "\r\n";
        }
    return text + "S804000000FB\r\n";
}
}  // namespace

TEST(FlashImageRefusal, ImagesTheBoardCannotTakeAreRefusedWhenLoaded)
{
    const int S = 0x300000;
    struct Case
    {
        const char* what;
        std::vector<std::pair<int, std::vector<BYTE>>> runs;
        const wchar_t* reason;  // empty: the image is taken
    } cases[] = {
        // Split once into 0x1FFFE and 0x20002 bytes: the second block's 0x10001
        // words do not fit the verify frame's 16-bit count.
        {"region too long to verify", {{S, PatternBytes(0x40000, 1)}, {0x3F5FFE, KeyBytes(0xA7, 0xD3)}},
         L"0x30FFFF holds 65537 words"},
        // The key region's second block starts above the key and is never written.
        {"key region split", {{0x337FFE, KeyBytes(0xE8, 0xC4, 0x1FFFE + 100)}}, L"key region at 0x337FFE"},
        {"largest key region", {{0x337FFE, KeyBytes(0xE8, 0xC4, 0x1FFFE)}}, L""},
        {"largest verify count", {{S, PatternBytes(0x1FFFE + 0x1FFFF, 2)}, {0x3F5FFE, KeyBytes(0xA7, 0xD3)}}, L""},
    };
    TempFolder folder(L"image_refused");
    MessageBoxCatcher boxes;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        TestFlashImage image;
        image.Master.M00Path = folder.File(L"refused.m00").c_str();
        ASSERT_TRUE(WriteTextFile(image.Master.M00Path.GetString(), M00Text(c.runs)));
        const CFlashImage::CpuImage& m = image.Master;
        if (*c.reason == 0)
        {
            EXPECT_EQ(1, image.ReadMasterFile());
            EXPECT_STREQ(L"", m.Refusal);
            EXPECT_GT(m.FrameTotal, 0);
            continue;
        }
        EXPECT_EQ(0, image.ReadMasterFile());
        EXPECT_NE(std::wstring::npos, std::wstring(m.Refusal).find(c.reason)) << std::wstring(m.Refusal);
        // Nothing is left that an update could send.
        EXPECT_EQ(0, m.KeyAddress);
        EXPECT_EQ(0, m.FrameTotal);
        EXPECT_EQ(0, m.ProgramChunks.GetSize() + m.VerifyRegions.GetSize() + m.KeyProgramChunks.GetSize() +
                         m.KeyVerifyRegions.GetSize());
        EXPECT_EQ(0, m.Records.GetSize());
    }
    // The reason is for the log list: no message box.
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST(FlashImageRefusal, MemoryRunningOutAnywhereInALoadLeaksNothing)
{
    // Two regions below the key, and the key: every allocation of the load
    // is made to fail in turn.
    const std::string text = M00Text({{0x300000, PatternBytes(300, 3)},
                                      {0x3E8000, PatternBytes(500, 4)},
                                      {0x3F5FFE, KeyBytes(0xA7, 0xD3, 20)}});
    TempFolder folder(L"image_memory");
    const std::wstring path = folder.File(L"memory.m00");
    ASSERT_TRUE(WriteTextFile(path, text));
    MessageBoxCatcher boxes;
    TestFlashImage image;
    image.Master.M00Path = path.c_str();
    int nFailures = 0;
    for (int nth = 0;; ++nth)
    {
        SCOPED_TRACE(nth);
        const long nLiveBefore = AllocationFaults::Live();
        AllocationFaults::Arm(nth);
        const int nResult = image.ReadMasterFile();
        const bool bFailed = AllocationFaults::Disarm();
        if (!bFailed)
        {
            // Every allocation has been failed once; this load went through.
            EXPECT_EQ(1, nResult);
            EXPECT_EQ(0x3F5FFE, image.Master.KeyAddress);
            break;
        }
        ++nFailures;
        // The failure is reported, and a refused load leaves nothing half made.
        EXPECT_EQ(static_cast<size_t>(nFailures), boxes.Texts().size());
        if (nResult == 0)
        {
            EXPECT_EQ(0, image.Master.FrameTotal);
            EXPECT_EQ(0, image.Master.ProgramChunks.GetSize() + image.Master.VerifyRegions.GetSize());
        }
        image.ClearMaster();
        EXPECT_EQ(nLiveBefore, AllocationFaults::Live()) << "blocks of the failed load are still alive";
    }
    EXPECT_GT(nFailures, 10);
    for (const std::wstring& box : boxes.Texts())
        EXPECT_EQ(L"m00 File Error (A) !", box);
}
