// The whole load: an object file through the converter beside this test
// executable into the image object.
#include "ImageTestSupport.h"
#include "OutFile.h"
#include "ProtocolWait.h"

#include <gtest/gtest.h>

namespace
{

// The converter is a process of its own, and a busy machine can be slow to
// start one: with the waits scaled down, a load waits for it to end instead
// of sleeping its two seconds.
const double kWaitScale = 0;

// The converter writes its .m00 beside the executable, which every test
// process shares: each process converts files of names of its own.
std::wstring Own(const wchar_t* pszName)
{
    return pszName + (L"-" + std::to_wstring(GetCurrentProcessId()));
}

// The protocol's waits asked during a test (loads run on the test's thread).
std::vector<DWORD> g_Waits;

void RecordWait(DWORD dwMilliseconds)
{
    g_Waits.push_back(dwMilliseconds);
}

class ImageRoundTrip : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The converted file lies beside the executable wherever the
        // program was started from: the loads run in another folder.
        GetCurrentDirectoryW(MAX_PATH, m_oldFolder);
        SetCurrentDirectoryW(m_elsewhere.Path().c_str());
        m_oldScale = ProtocolWait::Scale();
        ProtocolWait::SetScale(kWaitScale);
        g_Waits.clear();
        ProtocolWait::SetRecorder(RecordWait);
    }
    void TearDown() override
    {
        ProtocolWait::SetRecorder(nullptr);
        m_converted.push_back(m_image.Master.M00Path);
        m_converted.push_back(m_image.Slave.M00Path);
        for (const CString& path : m_converted)
            if (!path.IsEmpty())
                DeleteFileW(path);
        ProtocolWait::SetScale(m_oldScale);
        SetCurrentDirectoryW(m_oldFolder);
    }

    // Every byte of the sections that lie at or below the key, as the
    // chunks of both program lists carry them.
    void ExpectChunksHoldSections(const CFlashImage::CpuImage& cpu, const std::vector<fixtures::Section>& sections)
    {
        size_t expectedBytes = 0;
        for (const fixtures::Section& s : sections)
            if (!(s.flags & fixtures::kBss) && static_cast<int>(s.address) <= cpu.KeyAddress)
                expectedBytes += s.words.size() * 2;
        size_t seenBytes = 0;
        for (const CArray<FlashBlock*>* list : {&cpu.ProgramChunks, &cpu.KeyProgramChunks})
        {
            for (INT_PTR i = 0; i < list->GetSize(); ++i)
            {
                const FlashBlock* chunk = (*list)[i];
                const fixtures::Section* home = nullptr;
                for (const fixtures::Section& s : sections)
                    if (!(s.flags & fixtures::kBss) && chunk->address >= static_cast<int>(s.address) &&
                        chunk->address < static_cast<int>(s.address + s.words.size()))
                        home = &s;
                ASSERT_NE(nullptr, home) << std::hex << chunk->address;
                const size_t firstWord = chunk->address - home->address;
                for (int k = 0; k < chunk->length; ++k)
                {
                    const uint16_t word = home->words.at(firstWord + k / 2);
                    ASSERT_EQ(k % 2 == 0 ? word >> 8 : word & 0xFF, chunk->data[k])
                        << std::hex << chunk->address << " byte " << k;
                }
                seenBytes += chunk->length;
            }
        }
        EXPECT_EQ(expectedBytes, seenBytes);
    }

    // Nothing of a load lands in the current folder.
    bool ElsewhereIsEmpty() const
    {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((m_elsewhere.Path() + L"\\*").c_str(), &data);
        bool bEmpty = true;
        if (find != INVALID_HANDLE_VALUE)
        {
            do
                bEmpty = bEmpty && (wcscmp(data.cFileName, L".") == 0 || wcscmp(data.cFileName, L"..") == 0);
            while (FindNextFileW(find, &data));
            FindClose(find);
        }
        return bEmpty;
    }

    TempFolder m_elsewhere{L"image_elsewhere"};
    TestFlashImage m_image;
    std::vector<CString> m_converted;  // .m00 files to remove besides the last ones
    wchar_t m_oldFolder[MAX_PATH] = {};
    double m_oldScale = 1;
};

}  // namespace

TEST_F(ImageRoundTrip, SectionsComeBackAsChunksAndRegions)
{
    const std::vector<fixtures::Section> sections = {
        {".text", 0x3E8000, fixtures::PatternWords(700, 21), fixtures::kText},
        {".ebss", 0x00C000, fixtures::PatternWords(64, 0), fixtures::kBss},
        {"econst", 0x3E9000, fixtures::PatternWords(40, 22), fixtures::kData},
        {"keyblk", 0x3F5FFE, {0xA7D3, 0x0102, 0x0304}, fixtures::kData},
        {"vectors", 0x3FFFC0, fixtures::PatternWords(2, 23), fixtures::kData},
    };
    TempFolder folder(L"image_roundtrip");
    ASSERT_TRUE(fixtures::WriteOutFile(folder.File((Own(L"ctrl") + L".old.out").c_str()), sections));

    const CString outPath = folder.File((Own(L"ctrl") + L".old.out").c_str()).c_str();
    ASSERT_EQ(1, m_image.LoadMasterImage(outPath));
    const CFlashImage::CpuImage& m = m_image.Master;
    EXPECT_STREQ(outPath, m.OutPath);
    EXPECT_STREQ((ExeFolder() + L"\\" + Own(L"ctrl") + L".m00").c_str(), m.M00Path);
    EXPECT_EQ(0x3F5FFE, m.KeyAddress);

    ExpectChunksHoldSections(m, sections);
    ASSERT_EQ(2, m.VerifyRegions.GetSize());
    EXPECT_EQ(0x3E8000, m.VerifyRegions[0]->address);
    EXPECT_EQ(1400, m.VerifyRegions[0]->length);
    EXPECT_EQ(0x3E9000, m.VerifyRegions[1]->address);
    EXPECT_EQ(80, m.VerifyRegions[1]->length);
    ASSERT_EQ(1, m.KeyVerifyRegions.GetSize());
    EXPECT_EQ(6, m.KeyVerifyRegions[0]->length);
    // 1400 bytes: 7 chunks; 80 bytes: 1; the key: 1; regions 2 and the key.
    EXPECT_EQ(7 + 1 + 1 + 2 + 1, m.FrameTotal);
    EXPECT_EQ(0, m_image.Slave.FrameTotal);
    EXPECT_TRUE(ElsewhereIsEmpty());
}

TEST_F(ImageRoundTrip, EachLoadRebuildsOnlyItsOwnCpu)
{
    // Master and slave files of one name share one .m00; each load rewrites
    // it, and the CPU loaded first keeps what it parsed.
    TempFolder one(L"image_reload_1"), two(L"image_reload_2");
    const auto master = fixtures::MasterSample(), slave = fixtures::SlaveSample();
    const std::wstring fw = one.File((Own(L"fw") + L".out").c_str());
    const std::wstring fw2 = two.File((Own(L"fw") + L".v2.out").c_str());
    ASSERT_TRUE(fixtures::WriteOutFile(fw, master));
    ASSERT_TRUE(fixtures::WriteOutFile(fw2, slave));
    m_image.LastAttempt = true;

    ASSERT_EQ(1, m_image.LoadMasterImage(fw.c_str()));
    ASSERT_EQ(1, m_image.LoadSlaveImage(fw2.c_str()));
    EXPECT_STREQ(m_image.Master.M00Path, m_image.Slave.M00Path);
    EXPECT_EQ(0x3F5FFE, m_image.Master.KeyAddress);
    EXPECT_EQ(0x3F6FFE, m_image.Slave.KeyAddress);
    ExpectChunksHoldSections(m_image.Master, master);
    ExpectChunksHoldSections(m_image.Slave, slave);
    m_converted.push_back(m_image.Slave.M00Path);

    const std::vector<BYTE> slaveBytes = JoinBlocks(m_image.Slave.ProgramChunks);
    const FlashBlock* slaveFirst = m_image.Slave.ProgramChunks[0];
    const int slaveTotal = m_image.Slave.FrameTotal;
    m_image.Slave.SequenceNumber = 17;

    // A smaller master image: only its own runs remain.
    const std::vector<fixtures::Section> small = {
        {".text", 0x3E0000, fixtures::PatternWords(20, 31), fixtures::kText},
        {"keyblk", 0x3F3FFE, {0x1573, 0xAAAA}, fixtures::kData},
    };
    const std::wstring smallOut = one.File((Own(L"small") + L".out").c_str());
    ASSERT_TRUE(fixtures::WriteOutFile(smallOut, small));
    m_image.Master.SequenceNumber = 5;
    ASSERT_EQ(1, m_image.LoadMasterImage(smallOut.c_str()));
    EXPECT_EQ(0x3F3FFE, m_image.Master.KeyAddress);
    EXPECT_EQ(0, m_image.Master.SequenceNumber);
    EXPECT_EQ(1, m_image.Master.VerifyRegions.GetSize());
    EXPECT_EQ(1 + 1 + 1 + 1, m_image.Master.FrameTotal);
    ExpectChunksHoldSections(m_image.Master, small);

    EXPECT_EQ(slaveFirst, m_image.Slave.ProgramChunks[0]);
    EXPECT_EQ(slaveBytes, JoinBlocks(m_image.Slave.ProgramChunks));
    EXPECT_EQ(slaveTotal, m_image.Slave.FrameTotal);
    EXPECT_EQ(17, m_image.Slave.SequenceNumber);
    EXPECT_TRUE(m_image.LastAttempt);
}

TEST_F(ImageRoundTrip, SamplesLoadAndAFailedLoadEmptiesOnlyItsCpu)
{
    // Copies of the samples under names of this process's own.
    TempFolder copies(L"image_samples");
    const std::wstring samples = ExeFolder() + L"\\samples\\";
    const std::wstring master = copies.File((Own(L"master") + L".out").c_str());
    const std::wstring slave = copies.File((Own(L"slave") + L".out").c_str());
    ASSERT_TRUE(CopyFileW((samples + L"master.out").c_str(), master.c_str(), FALSE));
    ASSERT_TRUE(CopyFileW((samples + L"slave.out").c_str(), slave.c_str(), FALSE));
    ASSERT_EQ(1, m_image.LoadMasterImage(master.c_str()));
    ASSERT_EQ(1, m_image.LoadSlaveImage(slave.c_str()));
    EXPECT_EQ(0x3F5FFE, m_image.Master.KeyAddress);
    EXPECT_EQ(0x3F6FFE, m_image.Slave.KeyAddress);
    ExpectChunksHoldSections(m_image.Master, fixtures::MasterSample());
    ExpectChunksHoldSections(m_image.Slave, fixtures::SlaveSample());
    const int masterTotal = m_image.Master.FrameTotal;
    m_converted.push_back(m_image.Master.M00Path);
    m_converted.push_back(m_image.Slave.M00Path);

    // The converter finds no input and ends with its error: the load says
    // so, with the exit code, instead of that the .m00 file is missing.
    TempFolder folder(L"image_missing");
    const CString missing = folder.File((Own(L"missing") + L".out").c_str()).c_str();
    EXPECT_EQ(0, m_image.LoadSlaveImage(missing));
    EXPECT_STREQ(L"The converter hex2000.exe failed with exit code 2, the flash file is not converted!",
                 m_image.Slave.Refusal);
    EXPECT_STREQ(missing, m_image.Slave.OutPath);
    EXPECT_EQ(0, m_image.Slave.KeyAddress);
    EXPECT_EQ(0, m_image.Slave.FrameTotal);
    EXPECT_EQ(0, m_image.Slave.ProgramChunks.GetSize() + m_image.Slave.VerifyRegions.GetSize() +
                     m_image.Slave.KeyProgramChunks.GetSize() + m_image.Slave.KeyVerifyRegions.GetSize());
    EXPECT_EQ(masterTotal, m_image.Master.FrameTotal);

    // A path too long for the command line is refused before anything runs.
    const CString longPath = (L"C:\\" + std::wstring(600, L'd') + L"\\fw.out").c_str();
    MessageBoxCatcher boxes;
    EXPECT_EQ(0, m_image.LoadMasterImage(longPath));
    ASSERT_EQ(1u, boxes.Texts().size());
    EXPECT_NE(std::wstring::npos, boxes.Texts()[0].find(L"too long")) << boxes.Texts()[0];
    EXPECT_STREQ(longPath, m_image.Master.OutPath);
    // 2 s for the converter after each load that started it, none for the refused one.
    EXPECT_EQ((std::vector<DWORD>{2000, 2000, 2000}), g_Waits);
    EXPECT_EQ(0, m_image.Master.KeyAddress);
    EXPECT_EQ(0, m_image.Master.FrameTotal);
    EXPECT_EQ(0, m_image.Master.ProgramChunks.GetSize());
}

TEST_F(ImageRoundTrip, PathTheCodePageCannotHoldIsNamedAsTheCause)
{
    const wchar_t c = CharOutsideAnsiCodePage();
    if (c == 0)
        GTEST_SKIP() << "the ANSI code page holds every character";
    // The file is there: the converter would only have been given a changed path.
    const std::wstring name = std::wstring(L"image_") + c;
    TempFolder folder(name.c_str());
    const std::wstring out = folder.File(L"fw.out");
    ASSERT_TRUE(fixtures::WriteOutFile(out, fixtures::MasterSample()));

    MessageBoxCatcher boxes;
    EXPECT_EQ(0, m_image.LoadMasterImage(out.c_str()));
    ASSERT_EQ(1u, boxes.Texts().size());
    const std::wstring text = boxes.Texts()[0];
    EXPECT_NE(std::wstring::npos, text.find(L"code page")) << text;
    EXPECT_NE(std::wstring::npos, text.find(out)) << text;
    EXPECT_EQ(std::wstring::npos, text.find(L"not found")) << text;
    EXPECT_STREQ(L"", m_image.Master.Refusal);
    EXPECT_EQ(0, m_image.Master.KeyAddress);
    EXPECT_EQ(0, m_image.Master.FrameTotal);
}
