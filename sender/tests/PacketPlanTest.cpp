#include "CPacketPlan.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The packets in sending order, as the worker walks them.
std::vector<SendPacket> Walk(const CPacketPlan& plan)
{
    std::vector<SendPacket> out{plan.Head()};
    for (size_t i = 0; i + 1 < plan.DataCount(); ++i)
        out.push_back(plan.Data(i));
    if (plan.DataCount() >= 1)
        out.push_back(plan.Last());
    return out;
}

struct PlanCase {
    size_t n;
    size_t count;
    int remainder;
    int lastLength;  // 0: no last packet
};

class PacketPlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PacketPlanTest, CutsTheFileIntoHeadAndDataPackets)
{
    const PlanCase& c = GetParam();
    CPacketPlan plan(c.n);
    EXPECT_EQ(c.count, plan.DataCount());
    EXPECT_EQ(c.remainder, plan.Remainder());
    if (c.lastLength) {
        EXPECT_EQ(c.lastLength, plan.Last().length);
    }

    // The packets cover every byte once, in order, none longer than 64.
    size_t next = 0;
    for (const SendPacket& p : Walk(plan)) {
        EXPECT_EQ(next, p.offset);
        EXPECT_GT(p.length, 0);
        EXPECT_LE(p.length, 64);
        next += p.length;
    }
    EXPECT_EQ(c.n, next);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PacketPlanTest, ::testing::Values(
    PlanCase{32, 0, 0, 0},            // head only
    PlanCase{33, 1, 1, 1},            // one byte after the head
    PlanCase{96, 1, 0, 64},           // one full last packet
    PlanCase{97, 2, 1, 1},
    PlanCase{100, 2, 4, 4},           // one data packet and 4 bytes
    PlanCase{32 + 64 * 5, 5, 0, 64},
    PlanCase{32 + 64 * 70000 + 9, 70001, 9, 9}));  // past a 16-bit count

}  // namespace
