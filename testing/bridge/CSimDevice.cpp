#include "CSimDevice.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

const uint8_t kAck = 0x06;
const uint8_t kNak = 0x15;

std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

std::string Hex(const std::vector<uint8_t>& bytes, size_t max = 16) {
    std::string s;
    char b[4];
    for (size_t i = 0; i < bytes.size() && i < max; ++i) {
        std::snprintf(b, sizeof b, i ? " %02X" : "%02X", bytes[i]);
        s += b;
    }
    if (bytes.size() > max) s += " ...";
    return s;
}

std::string Printable(const std::vector<uint8_t>& bytes) {
    std::string s;
    for (uint8_t c : bytes) {
        if (c >= 0x20 && c < 0x7F) s += static_cast<char>(c);
        else {
            char b[8];
            std::snprintf(b, sizeof b, "\\x%02X", c);
            s += b;
        }
    }
    return s;
}

bool Is(const std::vector<uint8_t>& payload, const char* text) {
    size_t n = std::strlen(text);
    return payload.size() == n && std::memcmp(payload.data(), text, n) == 0;
}

const char* CpuName(SimCpu cpu) { return cpu == SimCpu::Master ? "master" : "slave"; }

const char* CommandName(uint8_t command) {
    switch (command) {
    case 0x0A: return "erase";
    case 0x0B: return "program";
    case 0x0C: return "verify";
    case 0x0D: return "reset";
    default: return "unknown";
    }
}

uint32_t Be32(const uint8_t* p) { return (uint32_t(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3]; }
uint16_t Be16(const uint8_t* p) { return static_cast<uint16_t>((p[0] << 8) | p[1]); }

struct ActiveFault {
    bool active = false;
    SimFault fault;
    bool Is(SimFaultKind k) const { return active && fault.kind == k; }
};

}  // namespace

CSimDevice::CSimDevice(int index, const hidsim::DeviceEntry& entry) : m_Index(index), m_Entry(entry) {}

void CSimDevice::AddRecord(SimRecord r) {
    r.device = m_Index;
    r.text = Narrow(m_Entry.name) + ": " + r.text;
    m_Records.push_back(std::move(r));
}

void CSimDevice::Note(SimRecord::Kind kind, const std::string& text) {
    SimRecord r;
    r.kind = kind;
    r.text = text;
    AddRecord(r);
}

std::vector<SimRecord> CSimDevice::TakeRecords() {
    std::vector<SimRecord> r;
    r.swap(m_Records);
    return r;
}

SimFault* CSimDevice::NextFault(SimTarget target) {
    SimFault* chosen = nullptr;
    for (SimFault& f : m_Faults) {
        if (f.target != SimTarget::Any && f.target != target) continue;
        if (f.skip > 0) {
            --f.skip;
            continue;
        }
        if (!chosen) chosen = &f;
    }
    return chosen;
}

std::vector<std::vector<uint8_t>> CSimDevice::ToReports(const std::vector<uint8_t>& bytes) const {
    const size_t per = m_Entry.inputLength - 1u;
    std::vector<std::vector<uint8_t>> reports;
    for (size_t at = 0; at < bytes.size() || reports.empty(); at += per) {
        std::vector<uint8_t> r(m_Entry.inputLength, 0);
        size_t n = std::min(per, bytes.size() - std::min(at, bytes.size()));
        if (n) std::memcpy(&r[1], &bytes[at], n);
        reports.push_back(std::move(r));
    }
    return reports;
}

SimReply CSimDevice::Receive(const uint8_t* report, size_t length) {
    SimReply out;
    SimRecord r;
    r.kind = SimRecord::Report;
    r.bytes.assign(report, report + length);
    if (length < 4 || report[0] != 0 || report[1] != 0xCC || report[2] != 0x99) {
        r.text = "report without 00 CC 99 framing: " + Hex(r.bytes);
        r.kind = SimRecord::Error;
        AddRecord(r);
        return out;
    }
    const uint8_t declared = report[3];
    const size_t carried = std::min<size_t>(declared, length - 4);
    std::vector<uint8_t> payload(report + 4, report + 4 + carried);
    r.count = declared;
    char line[96];
    std::snprintf(line, sizeof line, "report of %u bytes, payload %u", static_cast<unsigned>(length), declared);
    r.text = line;
    if (carried < declared) {
        std::snprintf(line, sizeof line, " cut to %u by the report length", static_cast<unsigned>(carried));
        r.text += line;
    }
    AddRecord(r);
    if (carried < declared) Note(SimRecord::Error, "payload cut: " + std::to_string(declared - carried) + " bytes lost");

    switch (m_Entry.role) {
    case hidsim::Role::Board: ReceiveBoard(payload, out); break;
    case hidsim::Role::Peer: ReceivePeer(payload, declared, out); break;
    default: break;
    }
    return out;
}

namespace {

// Applies the fault chosen for one reply to its reports.
void Shape(SimReply& out, const ActiveFault& f, std::vector<std::vector<uint8_t>> reports, size_t inputLength) {
    if (f.Is(SimFaultKind::Silence)) return;
    if (f.Is(SimFaultKind::Unplug)) {
        out.unplug = true;
        return;
    }
    if (f.Is(SimFaultKind::Reply)) {
        std::vector<uint8_t> r(inputLength, 0);
        std::memcpy(&r[1], f.fault.bytes.data(), std::min(f.fault.bytes.size(), inputLength - 1));
        reports.assign(1, r);
    }
    if (f.Is(SimFaultKind::NoAck) && !reports.empty()) reports[0][1] = kNak;
    if (f.Is(SimFaultKind::ShortReports))
        for (auto& r : reports) r.resize(std::min(r.size(), static_cast<size_t>(std::max(0, f.fault.value))));
    for (auto& r : reports) out.reports.push_back(std::move(r));
}

ActiveFault Take(SimFault* f, std::deque<SimFault>& faults) {
    ActiveFault a;
    if (!f) return a;
    a.active = true;
    a.fault = *f;
    if (f->count > 0 && --f->count == 0) {
        for (auto it = faults.begin(); it != faults.end(); ++it)
            if (&*it == f) {
                faults.erase(it);
                break;
            }
    }
    return a;
}

}  // namespace

void CSimDevice::ReceivePeer(const std::vector<uint8_t>& payload, uint8_t declared, SimReply& out) {
    m_Received.insert(m_Received.end(), payload.begin(), payload.end());
    ActiveFault f = Take(NextFault(SimTarget::Peer), m_Faults);
    SimRecord r;
    r.kind = SimRecord::Packet;
    r.count = declared;
    r.bytes = payload;
    r.text = "packet of " + std::to_string(payload.size()) + " bytes: " + Hex(payload);
    AddRecord(r);
    Shape(out, f, ToReports({kAck}), m_Entry.inputLength);
}

void CSimDevice::ReceiveBoard(const std::vector<uint8_t>& payload, SimReply& out) {
    auto bridgeReply = [&](const char* text, const char* reply) {
        ActiveFault f = Take(NextFault(SimTarget::Bridge), m_Faults);
        SimRecord r;
        r.kind = SimRecord::BridgeCommand;
        r.bytes = payload;
        r.text = std::string("bridge command ") + text + ", now " + std::to_string(m_Baud) + " baud";
        AddRecord(r);
        Shape(out, f, ToReports(std::vector<uint8_t>(reply, reply + std::strlen(reply))), m_Entry.inputLength);
    };
    if (Is(payload, "SETBAUD9600")) {
        m_Baud = 9600;
        m_Stream.clear();
        bridgeReply("SETBAUD9600", "9600");
        return;
    }
    if (Is(payload, "SETBAUD19200")) {
        m_Baud = 19200;
        m_Stream.clear();
        bridgeReply("SETBAUD19200", "19200");
        return;
    }
    const bool master = Is(payload, "FlashUM\r"), slave = Is(payload, "FlashUS\r");
    if ((master || slave) && !m_FlashMode) {
        if (m_Baud != 9600) {
            Note(SimRecord::Error, "flash command at " + std::to_string(m_Baud) + " baud, the CPU does not hear it");
            return;
        }
        ActiveFault f = Take(NextFault(SimTarget::Bridge), m_Faults);
        m_FlashMode = true;
        m_Cpu = master ? SimCpu::Master : SimCpu::Slave;
        m_Stream.clear();
        m_OuterSequence = -1;
        SimRecord r;
        r.kind = SimRecord::CpuCommand;
        r.cpu = m_Cpu;
        r.bytes = payload;
        r.text = std::string(CpuName(m_Cpu)) + " enters its flash loader";
        AddRecord(r);
        Shape(out, f, ToReports({static_cast<uint8_t>(master ? 'M' : 'S')}), m_Entry.inputLength);
        return;
    }
    if (!m_FlashMode) {
        Note(SimRecord::Error, "ignored outside flash mode: " + Printable(payload));
        return;
    }
    if (m_Baud != 19200) {
        Note(SimRecord::Error, "loader bytes at " + std::to_string(m_Baud) + " baud lost: " + Hex(payload));
        return;
    }
    m_Stream.insert(m_Stream.end(), payload.begin(), payload.end());
    RunLoader(out);
}

void CSimDevice::RunLoader(SimReply& out) {
    size_t at = 0;
    while (at < m_Stream.size()) {
        const uint8_t* p = &m_Stream[at];
        const size_t left = m_Stream.size() - at;
        if (p[0] == 0x00) {  // idle between frames
            ++at;
            continue;
        }
        if (p[0] == 0x06) {
            if (left < 8) break;
            if (p[1] != 0x99 || p[2] != 0x66 || p[4] != 0 || p[5] != 8 || p[6] != 0 || p[7] != 0) {
                Note(SimRecord::Error, "bad outer header " + Hex(std::vector<uint8_t>(p, p + 8)));
                ++at;
                continue;
            }
            m_OuterSequence = p[3];
            at += 8;
            continue;
        }
        if (p[0] == 0x01) {
            if (left < 8) break;
            if (p[1] != 0x66 || p[2] != 0x99 || p[6] != 0 || p[7] != 0 || Be16(p + 4) < 28) {
                Note(SimRecord::Error, "bad command header " + Hex(std::vector<uint8_t>(p, p + 8)));
                ++at;
                continue;
            }
            const size_t total = Be16(p + 4);  // counts from the command header on
            if (left < total) break;
            std::vector<uint8_t> frame(p, p + total);
            at += total;
            Execute(frame, out);
            if (!m_FlashMode) {  // reset: the loader is gone, whatever follows is lost
                at = m_Stream.size();
            }
            continue;
        }
        char b[64];
        std::snprintf(b, sizeof b, "loader skips stray byte %02X", p[0]);
        Note(SimRecord::Error, b);
        ++at;
    }
    m_Stream.erase(m_Stream.begin(), m_Stream.begin() + std::min(at, m_Stream.size()));
}

void CSimDevice::Execute(const std::vector<uint8_t>& frame, SimReply& out) {
    const uint8_t seq = frame[3];
    const uint8_t* body = &frame[8];
    const uint8_t command = body[1];
    const size_t dataLength = frame.size() - 28;
    const uint8_t* data = frame.data() + 28;
    SimCpu cpu = m_Cpu;

    SimRecord r;
    r.kind = SimRecord::Frame;
    r.cpu = cpu;
    r.command = command;
    r.sequence = seq;
    r.bytes.assign(data, data + dataLength);
    if (m_OuterSequence >= 0 && static_cast<uint8_t>(m_OuterSequence + 1) != seq)
        Note(SimRecord::Error, "outer header sequence " + std::to_string(m_OuterSequence) +
                                   " does not precede " + std::to_string(seq));
    m_OuterSequence = -1;

    ActiveFault f = Take(NextFault(SimTarget::Loader), m_Faults);
    int status = kStatusGood;
    int eraseRecords = 0;
    char detail[96] = "";
    if (f.Is(SimFaultKind::Status)) {
        status = f.fault.value;
    } else if (f.Is(SimFaultKind::Unplug)) {
        // the cable is pulled before the command is carried out
    } else {
        switch (command) {
        case 0x0A:
            Flash(cpu).Erase();
            eraseRecords = 1;
            break;
        case 0x0B: {
            r.address = Be32(body + 2);
            r.count = static_cast<uint32_t>(dataLength / 2);
            std::snprintf(detail, sizeof detail, " %06X, %u words", r.address, r.count);
            if (dataLength % 2 || body[9] != static_cast<uint8_t>(dataLength / 2)) status = kStatusBadLength;
            else Flash(cpu).Program(r.address, data, dataLength);
            break;
        }
        case 0x0C: {
            r.address = Be32(body + 2);
            r.count = Be16(body + 8);
            const uint16_t expected = Be16(body + 16);
            const uint16_t actual = Flash(cpu).Checksum(r.address, r.count);
            std::snprintf(detail, sizeof detail, " %06X, %u words, checksum %04X, flash %04X", r.address, r.count,
                          expected, actual);
            if (dataLength) status = kStatusBadLength;
            else if (expected != actual) status = kStatusVerifyMismatch;
            break;
        }
        case 0x0D:
            m_FlashMode = false;
            ++m_ResetCount;
            break;
        default:
            status = kStatusUnknownCommand;
        }
    }
    r.status = (f.Is(SimFaultKind::Silence) || f.Is(SimFaultKind::Unplug)) ? -1 : status;
    char line[192];
    std::snprintf(line, sizeof line, "%s %s seq %02X%s: %s", CpuName(cpu), CommandName(command), seq, detail,
                  r.status < 0 ? "no reply" : ("status " + std::to_string(status)).c_str());
    r.text = line;
    AddRecord(r);

    std::vector<uint8_t> ack(18, 0);
    ack[0] = kAck;
    ack[1] = 0x99;
    ack[2] = 0x66;
    ack[3] = f.Is(SimFaultKind::WrongSequence) ? static_cast<uint8_t>(seq - 1) : seq;
    ack[16] = command;
    ack[17] = static_cast<uint8_t>(status);
    std::vector<std::vector<uint8_t>> reports = ToReports(ack);
    if (command == 0x0C) {
        auto second = ToReports(ack);
        reports.insert(reports.end(), second.begin(), second.end());
    }
    if (eraseRecords) {
        for (int i = 0; i <= m_EraseBusyRecords; ++i) {
            std::vector<uint8_t> record(128, 0);
            record[0] = 1;
            record[9] = static_cast<uint8_t>(i < m_EraseBusyRecords ? m_EraseBusyValue : 0);
            auto rs = ToReports(record);
            reports.insert(reports.end(), rs.begin(), rs.end());
        }
    } else if (command == 0x0A && status != kStatusGood) {
        std::vector<uint8_t> record(128, 0);
        record[0] = 1;
        record[9] = static_cast<uint8_t>(status);
        auto rs = ToReports(record);
        reports.insert(reports.end(), rs.begin(), rs.end());
    }
    Shape(out, f, std::move(reports), m_Entry.inputLength);
}
