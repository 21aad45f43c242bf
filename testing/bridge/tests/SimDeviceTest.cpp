// The simulator's protocol logic, driven report by report without pipes.
#include <gtest/gtest.h>

#include <cstring>

#include "CSimDevice.h"

namespace {

using Bytes = std::vector<uint8_t>;

hidsim::DeviceEntry Entry(hidsim::Role role, unsigned short out = 69) {
    hidsim::DeviceEntry e;
    e.name = L"dev";
    e.vendorId = 0x0084;
    e.productId = 0x0041;
    e.inputLength = 65;
    e.outputLength = out;
    e.role = role;
    return e;
}

Bytes Report(const Bytes& payload, size_t length = 69) {
    Bytes r(length, 0);
    r[1] = 0xCC;
    r[2] = 0x99;
    r[3] = static_cast<uint8_t>(payload.size());
    std::memcpy(&r[4], payload.data(), std::min(payload.size(), length - 4));
    return r;
}

Bytes Text(const char* s) { return Bytes(s, s + std::strlen(s)); }

// A loader frame as the flasher builds it: outer header, command header, body, data.
Bytes Frame(uint8_t seq, uint8_t command, uint32_t address, uint16_t count, uint16_t checksum, const Bytes& data) {
    const uint16_t length = static_cast<uint16_t>(28 + data.size());
    Bytes f = {0x06, 0x99, 0x66, static_cast<uint8_t>(seq - 1), 0x00, 0x08, 0x00, 0x00,
               0x01, 0x66, 0x99, seq, static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length), 0x00, 0x00};
    Bytes body(20, 0);
    body[1] = command;
    body[2] = static_cast<uint8_t>(address >> 24);
    body[3] = static_cast<uint8_t>(address >> 16);
    body[4] = static_cast<uint8_t>(address >> 8);
    body[5] = static_cast<uint8_t>(address);
    if (command == 0x0B) body[9] = static_cast<uint8_t>(count);
    if (command == 0x0C) {
        body[8] = static_cast<uint8_t>(count >> 8);
        body[9] = static_cast<uint8_t>(count);
        body[16] = static_cast<uint8_t>(checksum >> 8);
        body[17] = static_cast<uint8_t>(checksum);
    }
    body[18] = body[19] = 0xFF;
    f.insert(f.end(), body.begin(), body.end());
    f.insert(f.end(), data.begin(), data.end());
    return f;
}

const Bytes kEraseHeader = {0x01, 0x66, 0x99, 0x00, 0x00, 0x1C, 0x00, 0x00};
const Bytes kEraseBody = {0x00, 0x0A, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFE, 0, 0, 0, 0x03, 0x05, 0x00, 0xFF, 0xFF};

// Drives one device the way the HID link does: one report per write of at most 64 bytes.
struct Link {
    CSimDevice device;
    std::vector<Bytes> replies;  // input reports without their report id byte
    bool unplugged = false;

    explicit Link(hidsim::Role role, unsigned short out = 69) : device(0, Entry(role, out)) {}

    void Send(const Bytes& payload, size_t reportLength = 69) {
        Bytes r = Report(payload, reportLength);
        SimReply reply = device.Receive(r.data(), r.size());
        unplugged = unplugged || reply.unplug;
        for (const Bytes& rep : reply.reports) replies.emplace_back(rep.begin() + (rep.empty() ? 0 : 1), rep.end());
    }
    // Sends a frame as the flasher does: 64-byte blocks, remainder, then the held-back last 64.
    void SendFrame(const Bytes& f) {
        if (f.size() < 64) return Send(f);
        size_t head = f.size() - 64, at = 0;
        for (; at + 64 <= head; at += 64) Send(Bytes(f.begin() + at, f.begin() + at + 64));
        if (at < head) Send(Bytes(f.begin() + at, f.begin() + head));
        Send(Bytes(f.end() - 64, f.end()));
    }
    void IntoFlashMode(const char* command = "FlashUM\r") {
        Send(Text("SETBAUD9600"));
        Send(Text(command));
        Send(Text("SETBAUD19200"));
        replies.clear();
    }
    void Erase() {
        Send(Bytes(8, 0));
        Send(kEraseHeader);
        Send(kEraseBody);
    }
    std::string ReplyText(size_t i) const { return std::string(replies.at(i).begin(), replies.at(i).begin() + 5).c_str(); }
};

Bytes Pattern(size_t n, uint8_t seed) {
    Bytes b(n);
    for (size_t i = 0; i < n; ++i) b[i] = static_cast<uint8_t>(seed + i * 7);
    return b;
}

uint16_t WordSum(const Bytes& b) {
    uint32_t s = 0;
    for (size_t i = 0; i + 1 < b.size(); i += 2) s += (b[i] << 8) | b[i + 1];
    return static_cast<uint16_t>(s);
}

}  // namespace

TEST(SimBridge, AsciiCommandsAndReplies) {
    struct Case {
        const char* sent;
        int baudBefore;
        const char* reply;  // nullptr: no reply
        int baudAfter;
    } cases[] = {
        {"SETBAUD9600", 19200, "9600", 9600},
        {"SETBAUD19200", 9600, "19200", 19200},
        {"FlashUM\r", 9600, "M", 9600},
        {"FlashUS\r", 9600, "S", 9600},
        {"FlashUM\r", 19200, nullptr, 19200},  // the CPU listens at 9600 only
        {"FlashUM", 9600, nullptr, 9600},      // no CR: not the command
        {"HELLO", 9600, nullptr, 9600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sent);
        Link link(hidsim::Role::Board);
        link.Send(Text(c.baudBefore == 9600 ? "SETBAUD9600" : "SETBAUD19200"));
        link.replies.clear();
        link.Send(Text(c.sent));
        if (c.reply) {
            ASSERT_EQ(1u, link.replies.size());
            EXPECT_EQ(c.reply, link.ReplyText(0));
            EXPECT_EQ(64u, link.replies[0].size());
        } else {
            EXPECT_TRUE(link.replies.empty());
        }
        EXPECT_EQ(c.baudAfter, link.device.Baud());
    }
}

TEST(SimLoader, EraseProgramVerifyResetIntoFlash) {
    Link link(hidsim::Role::Board);
    link.device.Flash(SimCpu::Master).Preload(0x3F4000, {0x1234, 0x5678});
    link.device.SetEraseBusy(3, 3);
    link.IntoFlashMode();
    EXPECT_TRUE(link.device.InFlashMode(SimCpu::Master));

    link.Erase();
    // acknowledgement, then three busy records and the erased one, two reports each
    ASSERT_EQ(1u + 4 * 2, link.replies.size());
    EXPECT_EQ(0x06, link.replies[0][0]);
    EXPECT_EQ(0x00, link.replies[0][3]);
    EXPECT_EQ(0x00, link.replies[0][17]);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(1, link.replies[1 + 2 * i][0]);
        EXPECT_EQ(i < 3 ? 3 : 0, link.replies[1 + 2 * i][9]);
    }
    EXPECT_EQ(0xFFFF, link.device.Flash(SimCpu::Master).Word(0x3F4000));

    const Bytes chunk = Pattern(228, 1);
    link.replies.clear();
    link.SendFrame(Frame(1, 0x0B, 0x3F4000, 114, 0, chunk));
    ASSERT_EQ(1u, link.replies.size());
    EXPECT_EQ(0x06, link.replies[0][0]);
    EXPECT_EQ(0x01, link.replies[0][3]);
    EXPECT_EQ(0x00, link.replies[0][17]);
    EXPECT_EQ(chunk, link.device.Flash(SimCpu::Master).Bytes(0x3F4000, 228));

    struct Check {
        uint16_t checksum;
        uint8_t status;
    } checks[] = {{WordSum(chunk), kStatusGood}, {static_cast<uint16_t>(WordSum(chunk) + 1), kStatusVerifyMismatch}};
    uint8_t seq = 2;
    for (const Check& c : checks) {
        link.replies.clear();
        link.SendFrame(Frame(seq, 0x0C, 0x3F4000, 114, c.checksum, {}));
        ASSERT_EQ(2u, link.replies.size());  // the acknowledgement and its second report
        EXPECT_EQ(seq, link.replies[0][3]);
        EXPECT_EQ(c.status, link.replies[0][17]);
        ++seq;
    }

    link.replies.clear();
    link.SendFrame(Frame(seq, 0x0D, 0, 0, 0, {}));
    ASSERT_EQ(1u, link.replies.size());
    EXPECT_EQ(0x0D, link.replies[0][16]);
    EXPECT_FALSE(link.device.InFlashMode(SimCpu::Master));
    EXPECT_EQ(1, link.device.ResetCount());
    // the slave's flash was never touched
    EXPECT_TRUE(link.device.Flash(SimCpu::Slave).Empty());
}

TEST(SimLoader, BytesThatDoNotMakeAGoodFrame) {
    // Frames at the wrong baud rate are lost; a program frame whose word count
    // disagrees with its data is refused; programming without erase only clears bits.
    Link link(hidsim::Role::Board);
    link.Send(Text("SETBAUD9600"));
    link.Send(Text("FlashUS\r"));
    link.replies.clear();
    link.SendFrame(Frame(1, 0x0B, 0x100, 2, 0, {0xAA, 0xAA, 0xAA, 0xAA}));
    EXPECT_TRUE(link.replies.empty());
    EXPECT_TRUE(link.device.Flash(SimCpu::Slave).Empty());

    link.Send(Text("SETBAUD19200"));
    link.replies.clear();
    link.SendFrame(Frame(1, 0x0B, 0x100, 3, 0, {0xAA, 0xAA, 0xAA, 0xAA}));
    ASSERT_EQ(1u, link.replies.size());
    EXPECT_EQ(kStatusBadLength, link.replies[0][17]);

    link.device.Flash(SimCpu::Slave).Preload(0x100, {0x0F0F});
    link.SendFrame(Frame(2, 0x0B, 0x100, 1, 0, {0xFF, 0x00}));
    EXPECT_EQ(0x0F00, link.device.Flash(SimCpu::Slave).Word(0x100));

    link.SendFrame(Frame(3, 0x2B, 0, 0, 0, {}));
    EXPECT_EQ(kStatusUnknownCommand, link.replies.back()[17]);
}

TEST(SimFaults, ShapeTheRepliesTheyTarget) {
    struct Case {
        const char* name;
        SimFault fault;
        size_t reports;     // reports of the program frame's reply
        int ackByte;        // byte 0, -1 not checked
        int seqByte;        // byte 3
        int status;         // byte 17
        bool programmed;
    } cases[] = {
        {"silence", {SimFaultKind::Silence, SimTarget::Loader}, 0, -1, -1, -1, true},
        {"no ack", {SimFaultKind::NoAck, SimTarget::Loader}, 1, 0x15, 5, 0, true},
        {"wrong sequence", {SimFaultKind::WrongSequence, SimTarget::Loader}, 1, 0x06, 4, 0, true},
        {"status 7", {SimFaultKind::Status, SimTarget::Loader, 0, 1, 7}, 1, 0x06, 5, 7, false},
        {"reply", {SimFaultKind::Reply, SimTarget::Loader, 0, 1, 0, {0x20, 0x39}}, 1, 0x20, 0, 0, true},
        {"bridge only", {SimFaultKind::Silence, SimTarget::Bridge}, 1, 0x06, 5, 0, true},
        {"skipped", {SimFaultKind::Silence, SimTarget::Loader, 1}, 1, 0x06, 5, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Link link(hidsim::Role::Board);
        link.IntoFlashMode();
        link.device.AddFault(c.fault);
        link.SendFrame(Frame(5, 0x0B, 0x200, 2, 0, {0x12, 0x34, 0x56, 0x78}));
        ASSERT_EQ(c.reports, link.replies.size());
        if (c.reports) {
            EXPECT_EQ(c.ackByte, link.replies[0][0]);
            EXPECT_EQ(c.seqByte, link.replies[0][3]);
            EXPECT_EQ(c.status, link.replies[0][17]);
        }
        EXPECT_EQ(c.programmed ? 0x1234 : 0xFFFF, link.device.Flash(SimCpu::Master).Word(0x200));
    }
}

TEST(SimFaults, CountsShortReportsAndUnplug) {
    Link link(hidsim::Role::Board);
    link.device.AddFault({SimFaultKind::Status, SimTarget::Loader, 1, 2, 9});
    link.IntoFlashMode();
    for (uint8_t seq = 1; seq <= 4; ++seq) link.SendFrame(Frame(seq, 0x0B, 0x300 + seq, 1, 0, {0, seq}));
    ASSERT_EQ(4u, link.replies.size());
    EXPECT_EQ(0, link.replies[0][17]);  // skipped
    EXPECT_EQ(9, link.replies[1][17]);
    EXPECT_EQ(9, link.replies[2][17]);
    EXPECT_EQ(0, link.replies[3][17]);  // the fault is used up

    link.replies.clear();
    link.device.AddFault({SimFaultKind::ShortReports, SimTarget::Any, 0, 1, 10});
    link.Send(Text("SETBAUD19200"));
    ASSERT_EQ(1u, link.replies.size());
    EXPECT_EQ(9u, link.replies[0].size());  // ten bytes with the report id

    link.device.AddFault({SimFaultKind::Unplug, SimTarget::Loader});
    link.replies.clear();
    link.SendFrame(Frame(5, 0x0B, 0x400, 1, 0, {0x11, 0x22}));
    EXPECT_TRUE(link.unplugged);
    EXPECT_TRUE(link.replies.empty());
}

TEST(SimPeer, KeepsPayloadsAndAcknowledgesEach) {
    Link link(hidsim::Role::Peer, 65);
    link.Send(Pattern(32, 1), 65);
    link.Send(Pattern(64, 2), 65);  // a 65-byte report carries only 61 of them
    ASSERT_EQ(2u, link.replies.size());
    for (const Bytes& r : link.replies) EXPECT_EQ(0x06, r[0]);

    Bytes expected = Pattern(32, 1);
    Bytes second = Pattern(64, 2);
    expected.insert(expected.end(), second.begin(), second.begin() + 61);
    EXPECT_EQ(expected, link.device.Received());
    std::vector<SimRecord> records = link.device.TakeRecords();
    int cut = 0, packets = 0;
    for (const SimRecord& r : records) {
        cut += r.kind == SimRecord::Error && r.text.find("payload cut") != std::string::npos;
        packets += r.kind == SimRecord::Packet;
    }
    EXPECT_EQ(1, cut);
    EXPECT_EQ(2, packets);

    link.device.AddFault({SimFaultKind::NoAck, SimTarget::Peer});
    link.Send(Pattern(4, 3), 65);
    EXPECT_EQ(0x15, link.replies.back()[0]);
}

TEST(SimDevice, IgnoresReportsWithoutFraming) {
    for (hidsim::Role role : {hidsim::Role::Board, hidsim::Role::Peer, hidsim::Role::Other}) {
        CSimDevice d(0, Entry(role));
        Bytes bad = Report(Text("SETBAUD9600"));
        bad[1] = 0xCD;
        EXPECT_TRUE(d.Receive(bad.data(), bad.size()).reports.empty());
        ASSERT_FALSE(d.TakeRecords().empty());
        EXPECT_TRUE(d.Received().empty());
    }
}
