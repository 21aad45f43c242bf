// What one simulated HID device does with the output reports it receives:
// the protocol logic of the board simulator, free of pipes and threads so
// that it can be driven directly.
//
// Roles (hidsim::Role):
//  - Board: the USB bridge with the board behind it. The bridge answers its
//    ASCII commands "SETBAUD9600" ("9600") and "SETBAUD19200" ("19200"); at
//    9600 baud the CPUs answer "FlashUM"CR ("M", master) and "FlashUS"CR ("S",
//    slave) and enter their flash loader. The loader takes the bytes of the
//    reports as a serial stream (only at 19200 baud; zero bytes between frames
//    are idle) made of frames: an optional outer header 06 99 66 s 00 08 00 00,
//    then a command header 01 66 99 s' Lh Ll 00 00, a 20-byte body and
//    L - 28 data bytes. Commands: 0A erase, 0B program, 0C verify (big-endian
//    word checksum), 0D reset (leaves flash mode). Every frame is answered by
//    an acknowledgement, one report: 06 99 66 s' then zeros, byte 16 the
//    command and byte 17 the status (0 good). An erase is followed by its
//    128-byte status records (byte 0 = 1, byte 9 the erase status, 0 when
//    erased); a verify by a second report of the same form as its
//    acknowledgement.
//  - Peer: the data sender's receiver: keeps the payload of every report and
//    answers each with one report whose first payload byte is 0x06.
//  - Other: a foreign HID device that never answers.
//
// Output reports must be framed 00 CC 99 length payload; a report whose
// payload was cut by a short output report is logged as such and used as far
// as it goes.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "CSimFlash.h"
#include "SimDeviceList.h"

enum class SimCpu { Master = 0, Slave = 1 };

// Loader statuses this simulator reports on its own.
enum SimStatus : uint8_t {
    kStatusGood = 0,
    kStatusUnknownCommand = 1,
    kStatusVerifyMismatch = 2,
    kStatusBadLength = 3,
};

// Which replies a fault counts and acts on.
enum class SimTarget { Any, Bridge, Loader, Peer };

enum class SimFaultKind {
    Silence,        // no reply at all (the command is still carried out)
    NoAck,          // the reply's acknowledgement byte becomes 0x15
    WrongSequence,  // loader: byte 3 of the acknowledgement is s' - 1
    Status,         // loader: the frame is refused with status `value`
    ShortReports,   // the reply's reports are sent as messages of `value` bytes
    Reply,          // the reply is `bytes` instead (one report, zero padded)
    Unplug,         // the device is unplugged instead of answering
};

struct SimFault {
    SimFaultKind kind = SimFaultKind::Silence;
    SimTarget target = SimTarget::Any;
    int skip = 0;    // replies of the target that pass untouched first
    int count = 1;   // replies affected; -1 until the faults are cleared
    int value = 0;
    std::vector<uint8_t> bytes;
};

// One line of what a device received and did.
struct SimRecord {
    enum Kind { Connect, Disconnect, Report, BridgeCommand, CpuCommand, Frame, Packet, Error, Unplugged };
    int device = 0;
    Kind kind = Report;
    SimCpu cpu = SimCpu::Master;
    uint8_t command = 0;    // Frame: 0A..0D
    uint8_t sequence = 0;   // Frame: s'
    uint32_t address = 0;   // Frame: word address
    uint32_t count = 0;     // Frame: words; Packet and Report: declared length
    int status = -1;        // Frame: status sent (-1 none was sent)
    std::vector<uint8_t> bytes;  // Report: the whole report; Packet: bytes carried; Frame: data
    std::string text;       // the line as logged
};

// A reply: whole input reports (report id 0 first) to deliver in order.
struct SimReply {
    std::vector<std::vector<uint8_t>> reports;
    bool unplug = false;
};

class CSimDevice {
public:
    CSimDevice(int index, const hidsim::DeviceEntry& entry);

    // Handles one output report as it came through the pipe.
    SimReply Receive(const uint8_t* report, size_t length);

    const hidsim::DeviceEntry& Entry() const { return m_Entry; }
    int Baud() const { return m_Baud; }
    bool InFlashMode(SimCpu cpu) const { return m_FlashMode && m_Cpu == cpu; }
    int ResetCount() const { return m_ResetCount; }
    CSimFlash& Flash(SimCpu cpu) { return m_Flash[static_cast<int>(cpu)]; }
    const CSimFlash& Flash(SimCpu cpu) const { return m_Flash[static_cast<int>(cpu)]; }
    // Peer: every payload byte carried, in order of arrival.
    const std::vector<uint8_t>& Received() const { return m_Received; }
    void ClearReceived() { m_Received.clear(); }

    // Every erase reports `records` busy status records with byte 9 =
    // `value` before the one that says erased (none by default).
    void SetEraseBusy(int records, int value) { m_EraseBusyRecords = records; m_EraseBusyValue = value; }
    void AddFault(const SimFault& fault) { m_Faults.push_back(fault); }
    void ClearFaults() { m_Faults.clear(); }

    // Records since the last call, then forgotten here.
    std::vector<SimRecord> TakeRecords();
    void Note(SimRecord::Kind kind, const std::string& text);

private:
    SimFault* NextFault(SimTarget target);
    void ReceiveBoard(const std::vector<uint8_t>& payload, SimReply& out);
    void ReceivePeer(const std::vector<uint8_t>& payload, uint8_t declared, SimReply& out);
    void RunLoader(SimReply& out);
    void Execute(const std::vector<uint8_t>& frame, SimReply& out);
    void AddRecord(SimRecord r);
    std::vector<std::vector<uint8_t>> ToReports(const std::vector<uint8_t>& bytes) const;

    int m_Index;
    hidsim::DeviceEntry m_Entry;
    int m_Baud = 9600;
    bool m_FlashMode = false;
    SimCpu m_Cpu = SimCpu::Master;
    int m_ResetCount = 0;
    CSimFlash m_Flash[2];
    std::vector<uint8_t> m_Stream;   // loader bytes not yet parsed
    int m_OuterSequence = -1;        // s of the outer header before this frame
    std::vector<uint8_t> m_Received;
    int m_EraseBusyRecords = 0;
    int m_EraseBusyValue = 3;
    std::deque<SimFault> m_Faults;
    std::vector<SimRecord> m_Records;
};
