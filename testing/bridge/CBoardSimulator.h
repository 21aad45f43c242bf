// The board simulator: serves simulated HID devices on message-mode named
// pipes, one pipe message per report, for the stand-in hid.dll and
// setupapi.dll of testing/hidstub. What each device does is CSimDevice's.
//
// In a test (a thread of the test's own process):
//
//   CBoardSimulator sim;
//   int other = sim.AddDevice(CBoardSimulator::Other(0x046D, 0xC077));
//   int board = sim.AddDevice(CBoardSimulator::Board());   // 0084/0041
//   sim.Start();
//   sim.Publish();            // sets HIDSIM_DEVICES for this process
//   ... CHIDControl::Open(0x0084, 0x0041) now finds the bridge ...
//   sim.InjectFault(board, {SimFaultKind::Status, SimTarget::Loader, 2, 1, 5});
//   std::vector<uint8_t> image = sim.Inspect(board, [](CSimDevice& d) {
//       return d.Flash(SimCpu::Master).Bytes(0x3F4000, 228); });
//   for (const SimRecord& r : sim.Records()) ... r.kind, r.command, r.status, r.text
//
// The test process needs WINEDLLOVERRIDES="hid,setupapi=n" (set by the test's
// ENVIRONMENT property) so that the stand-ins are loaded.
//
// As a program (boardsim.exe, see SimulatorMain.cpp): it serves the devices
// of HIDSIM_DEVICES, prints every record as a line on stdout and takes
// commands (faults, unplugging, dumps of flash and received bytes) on stdin.
//
// Pacing: with SetPacing(true) every reply is held back for the time its
// bytes and the request's take on the serial line at the bridge's current
// baud rate (10 bits a byte). Off by default.
#pragma once

#include <windows.h>

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "CSimDevice.h"

class CBoardSimulator {
public:
    CBoardSimulator();
    ~CBoardSimulator();
    CBoardSimulator(const CBoardSimulator&) = delete;
    CBoardSimulator& operator=(const CBoardSimulator&) = delete;

    // Device entries with a pipe name unique to this process and simulator.
    static hidsim::DeviceEntry Board(unsigned short inputLength = 65, unsigned short outputLength = 69);
    static hidsim::DeviceEntry Peer(unsigned short inputLength = 65, unsigned short outputLength = 69);
    static hidsim::DeviceEntry Other(unsigned short vendorId, unsigned short productId);

    // Before Start. Returns the device's index.
    int AddDevice(const hidsim::DeviceEntry& entry);
    bool Start();
    void Stop();

    std::vector<hidsim::DeviceEntry> Devices() const { return m_Entries; }
    std::wstring DevicesVariable() const { return hidsim::FormatDeviceList(m_Entries); }
    // Sets HIDSIM_DEVICES of this process to these devices.
    void Publish() const;

    // Runs f on the device's state under the simulator's lock.
    template <class F>
    auto Inspect(int device, F&& f) {
        std::lock_guard<std::mutex> lock(m_Lock);
        return f(*m_Devices.at(device));
    }
    void InjectFault(int device, const SimFault& fault);
    void ClearFaults(int device);
    void SetPacing(bool on);
    void Unplug(int device);
    void Replug(int device);
    // Client ends of the device's pipe currently open.
    int OpenCount(int device) const;
    // True when every report the clients have written so far has been taken
    // and answered: nothing waits in a pipe or in the simulator's queue. The
    // simulator works on its own thread, so a client that wrote without
    // waiting for a reply waits for this before it reads the records.
    bool Settled() const;
    // Output reports of the device taken so far, each answered (its reply
    // written into the pipe) by the time it counts.
    size_t ReportsTaken(int device) const;
    bool Unplugged(int device) const;

    std::vector<SimRecord> Records() const;
    std::vector<SimRecord> Records(int device, SimRecord::Kind kind) const;
    void ClearRecords();
    // Called for every record as it is made (on the simulator's thread).
    void SetRecordSink(std::function<void(const SimRecord&)> sink);

private:
    struct Op;
    struct Conn {
        int device = 0;
        HANDLE pipe = INVALID_HANDLE_VALUE;
        bool connected = false;
        Op* waiting = nullptr;  // the connect or read issued on the pipe, until it is handled
    };
    struct Outgoing {
        std::chrono::steady_clock::time_point due;
        unsigned long long conn;
        std::vector<uint8_t> report;
    };

    static DWORD WINAPI ThreadProc(void* self);
    void Run();
    void Listen(int device);
    void OnConnected(unsigned long long id);
    void StartRead(unsigned long long id);
    void CloseConn(unsigned long long id, const char* why);
    void UnplugLocked(int device);
    int OpenCountLocked(int device) const;
    void Deliver(unsigned long long id, const SimReply& reply, size_t requestBytes);
    void Flush();
    bool Issue(Op* op, BOOL result);
    void Collect();

    std::vector<hidsim::DeviceEntry> m_Entries;
    std::vector<std::unique_ptr<CSimDevice>> m_Devices;
    std::vector<bool> m_Unplugged;
    std::vector<std::chrono::steady_clock::time_point> m_LineFree;
    std::vector<size_t> m_Taken;
    std::map<unsigned long long, Conn> m_Conns;
    std::deque<Outgoing> m_Outgoing;
    unsigned long long m_NextConn = 1;
    int m_PendingOps = 0;
    bool m_Pacing = false;
    bool m_Stopping = false;
    HANDLE m_Port = nullptr;
    HANDLE m_Thread = nullptr;
    mutable std::mutex m_Lock;
    mutable std::vector<SimRecord> m_Records;
    std::function<void(const SimRecord&)> m_Sink;
};
