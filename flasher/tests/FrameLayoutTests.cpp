// Byte layout of the loader frames.
#include "CTarrowindDlg.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
std::vector<BYTE> Frame(CTarrowindDlg::FrameCommand cmd, FlashBlock* pBlock, int& nSequence)
{
    std::vector<BYTE> frame(CTarrowindDlg::FrameHeadSize + (pBlock ? pBlock->length : 0));
    int n = CTarrowindDlg::BuildFrame(frame.data(), nSequence, cmd, pBlock);
    frame.resize(n);
    return frame;
}

TEST(FrameLayoutTest, ProgramFrameOfAFullChunk)
{
    std::vector<BYTE> data(228);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = (BYTE)i;
    FlashBlock chunk;
    chunk.length = 228;
    chunk.address = 0x3F4000;
    chunk.data = data.data();
    chunk.ownsData = false;

    int nSequence = 0x1FF;   // only the low byte travels
    std::vector<BYTE> frame = Frame(CTarrowindDlg::CmdProgram, &chunk, nSequence);
    ASSERT_EQ(264u, frame.size());
    const std::vector<BYTE> head = {0x06, 0x99, 0x66, 0xFF, 0x00, 0x08, 0x00, 0x00,
                                    0x01, 0x66, 0x99, 0x00, 0x01, 0x00, 0x00, 0x00,
                                    0x00, 0x0B, 0x00, 0x3F, 0x40, 0x00, 0x00, 0x00, 0x00, 0x72,
                                    0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF};
    EXPECT_EQ(head, std::vector<BYTE>(frame.begin(), frame.begin() + 36));
    EXPECT_EQ(data, std::vector<BYTE>(frame.begin() + 36, frame.end()));
    EXPECT_EQ(0x200, nSequence);
}

TEST(FrameLayoutTest, VerifyFrameCarriesWordCountAndChecksum)
{
    FlashBlock region;
    region.length = 0x1FFFE;
    region.address = 0x3F0000;
    region.checksum[0] = 0xAB;
    region.checksum[1] = 0xCD;
    int nSequence = 5;
    std::vector<BYTE> frame = Frame(CTarrowindDlg::CmdVerify, &region, nSequence);
    ASSERT_EQ(36u, frame.size());
    EXPECT_EQ(5, frame[3]);
    EXPECT_EQ(6, frame[11]);
    EXPECT_EQ(0x00, frame[12]);
    EXPECT_EQ(0x1C, frame[13]);
    const std::vector<BYTE> body = {0x00, 0x0C, 0x00, 0x3F, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF,
                                    0, 0, 0, 0, 0, 0, 0xAB, 0xCD, 0xFF, 0xFF};
    EXPECT_EQ(body, std::vector<BYTE>(frame.begin() + 16, frame.end()));
}

TEST(FrameLayoutTest, EraseAndResetBodies)
{
    BYTE body[CTarrowindDlg::CommandBodySize];
    CTarrowindDlg::BuildCommandBody(body, CTarrowindDlg::CmdErase, nullptr);
    const std::vector<BYTE> erase = {0x00, 0x0A, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0xFE, 0, 0, 0, 0x03, 0x05, 0x00, 0xFF, 0xFF};
    EXPECT_EQ(erase, std::vector<BYTE>(body, body + sizeof(body)));

    int nSequence = 0;
    std::vector<BYTE> reset = Frame(CTarrowindDlg::CmdReset, nullptr, nSequence);
    const std::vector<BYTE> expected = {0x06, 0x99, 0x66, 0x00, 0x00, 0x08, 0x00, 0x00,
                                        0x01, 0x66, 0x99, 0x01, 0x00, 0x1C, 0x00, 0x00,
                                        0x00, 0x0D, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0xFF, 0, 0, 0, 0x03, 0x05, 0x00, 0xFF, 0xFF};
    EXPECT_EQ(expected, reset);
}
}  // namespace
