#include "CBoardSimulator.h"

#include <atomic>

namespace {

using Clock = std::chrono::steady_clock;

// Listening pipe instances kept ready per device, so that a client opening
// the same device several times in a row never finds them all taken.
const int kListeners = 8;
const DWORD kReadSize = 512;

std::atomic<unsigned> g_NextName{1};

std::wstring UniqueName(const wchar_t* what) {
    return L"hidsim-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(g_NextName++) + L"-" + what;
}

hidsim::DeviceEntry Entry(const wchar_t* what, unsigned short vid, unsigned short pid, unsigned short in,
                          unsigned short out, hidsim::Role role) {
    hidsim::DeviceEntry e;
    e.name = UniqueName(what);
    e.vendorId = vid;
    e.productId = pid;
    e.inputLength = in;
    e.outputLength = out;
    e.role = role;
    return e;
}

}  // namespace

struct CBoardSimulator::Op {
    enum Type { Connect, Read, Write };
    OVERLAPPED ov{};
    Type type;
    unsigned long long conn;
    std::vector<uint8_t> buffer;
    Op(Type t, unsigned long long c) : type(t), conn(c) {}
};

hidsim::DeviceEntry CBoardSimulator::Board(unsigned short inputLength, unsigned short outputLength) {
    return Entry(L"board", 0x0084, 0x0041, inputLength, outputLength, hidsim::Role::Board);
}

hidsim::DeviceEntry CBoardSimulator::Peer(unsigned short inputLength, unsigned short outputLength) {
    return Entry(L"peer", 0x0084, 0x0041, inputLength, outputLength, hidsim::Role::Peer);
}

hidsim::DeviceEntry CBoardSimulator::Other(unsigned short vendorId, unsigned short productId) {
    return Entry(L"other", vendorId, productId, 9, 9, hidsim::Role::Other);
}

CBoardSimulator::CBoardSimulator() {}

CBoardSimulator::~CBoardSimulator() { Stop(); }

int CBoardSimulator::AddDevice(const hidsim::DeviceEntry& entry) {
    std::lock_guard<std::mutex> lock(m_Lock);
    int index = static_cast<int>(m_Devices.size());
    m_Entries.push_back(entry);
    m_Devices.push_back(std::make_unique<CSimDevice>(index, entry));
    m_Unplugged.push_back(false);
    m_LineFree.push_back(Clock::now());
    m_Taken.push_back(0);
    return index;
}

void CBoardSimulator::Publish() const {
    SetEnvironmentVariableW(hidsim::kDevicesVariable, DevicesVariable().c_str());
}

bool CBoardSimulator::Start() {
    if (m_Thread) return true;
    m_Port = CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1);
    if (!m_Port) return false;
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        m_Stopping = false;
        for (int d = 0; d < static_cast<int>(m_Devices.size()); ++d)
            for (int i = 0; i < kListeners; ++i) Listen(d);
    }
    m_Thread = CreateThread(nullptr, 0, ThreadProc, this, 0, nullptr);
    return m_Thread != nullptr;
}

void CBoardSimulator::Stop() {
    if (!m_Thread) return;
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        m_Stopping = true;
    }
    PostQueuedCompletionStatus(m_Port, 0, 0, nullptr);
    WaitForSingleObject(m_Thread, INFINITE);
    CloseHandle(m_Thread);
    CloseHandle(m_Port);
    m_Thread = nullptr;
    m_Port = nullptr;
}

DWORD WINAPI CBoardSimulator::ThreadProc(void* self) {
    static_cast<CBoardSimulator*>(self)->Run();
    return 0;
}

void CBoardSimulator::Run() {
    for (;;) {
        DWORD timeout = INFINITE;
        {
            std::lock_guard<std::mutex> lock(m_Lock);
            if (m_Stopping) break;
            auto now = Clock::now();
            for (const Outgoing& o : m_Outgoing) {
                auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(o.due - now).count();
                DWORD wait = ms <= 0 ? 0 : static_cast<DWORD>(ms);
                if (wait < timeout) timeout = wait;
            }
        }
        DWORD bytes = 0;
        ULONG_PTR key = 0;
        OVERLAPPED* ov = nullptr;
        BOOL ok = GetQueuedCompletionStatus(m_Port, &bytes, &key, &ov, timeout);
        DWORD error = ok ? 0 : GetLastError();
        std::lock_guard<std::mutex> lock(m_Lock);
        if (ov) {
            std::unique_ptr<Op> op(CONTAINING_RECORD(ov, Op, ov));
            --m_PendingOps;
            auto it = m_Conns.find(op->conn);
            if (it != m_Conns.end()) {
                if (it->second.waiting == op.get()) it->second.waiting = nullptr;
                if (!ok && error != ERROR_MORE_DATA) {
                    if (op->type != Op::Write) CloseConn(op->conn, "closed");
                } else if (op->type == Op::Connect) {
                    OnConnected(op->conn);
                } else if (op->type == Op::Read) {
                    const int device = it->second.device;
                    ++m_Taken[device];
                    SimReply reply = m_Devices[device]->Receive(op->buffer.data(), bytes);
                    Deliver(op->conn, reply, bytes);
                    if (m_Conns.count(op->conn)) StartRead(op->conn);
                }
            }
        }
        Flush();
        Collect();
    }
    // Close every pipe and wait for the operations they had pending.
    std::unique_lock<std::mutex> lock(m_Lock);
    while (!m_Conns.empty()) CloseConn(m_Conns.begin()->first, "closed, simulator stopped");
    Collect();
    m_Outgoing.clear();
    while (m_PendingOps > 0) {
        lock.unlock();
        DWORD bytes;
        ULONG_PTR key;
        OVERLAPPED* ov = nullptr;
        GetQueuedCompletionStatus(m_Port, &bytes, &key, &ov, 2000);
        lock.lock();
        if (!ov) break;
        delete CONTAINING_RECORD(ov, Op, ov);
        --m_PendingOps;
    }
}

bool CBoardSimulator::Issue(Op* op, BOOL result) {
    if (result || GetLastError() == ERROR_IO_PENDING) {
        ++m_PendingOps;
        return true;
    }
    delete op;
    return false;
}

void CBoardSimulator::Listen(int device) {
    if (m_Unplugged[device] || m_Stopping) return;
    HANDLE pipe = CreateNamedPipeW(m_Entries[device].Path().c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                                   PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, PIPE_UNLIMITED_INSTANCES,
                                   4096, 4096, 0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE) {
        m_Devices[device]->Note(SimRecord::Error, "cannot create pipe, error " + std::to_string(GetLastError()));
        return;
    }
    CreateIoCompletionPort(pipe, m_Port, 0, 0);
    const unsigned long long id = m_NextConn++;
    Conn& c = m_Conns[id];
    c.device = device;
    c.pipe = pipe;
    Op* op = new Op(Op::Connect, id);
    BOOL done = ConnectNamedPipe(pipe, &op->ov);
    if (!done && GetLastError() == ERROR_PIPE_CONNECTED) {
        delete op;
        OnConnected(id);
    } else if (Issue(op, done)) {
        c.waiting = op;
    } else {
        CloseConn(id, "cannot listen");
    }
}

void CBoardSimulator::OnConnected(unsigned long long id) {
    Conn& c = m_Conns[id];
    c.connected = true;
    const int device = c.device;
    m_Devices[device]->Note(SimRecord::Connect, "opened (" + std::to_string(OpenCountLocked(device)) + " open)");
    Listen(device);
    StartRead(id);
}

int CBoardSimulator::OpenCountLocked(int device) const {
    int n = 0;
    for (const auto& c : m_Conns)
        if (c.second.device == device && c.second.connected) ++n;
    return n;
}

void CBoardSimulator::StartRead(unsigned long long id) {
    Op* op = new Op(Op::Read, id);
    op->buffer.resize(kReadSize);
    if (Issue(op, ReadFile(m_Conns[id].pipe, op->buffer.data(), kReadSize, nullptr, &op->ov)))
        m_Conns[id].waiting = op;
    else
        CloseConn(id, "closed");
}

void CBoardSimulator::CloseConn(unsigned long long id, const char* why) {
    auto it = m_Conns.find(id);
    if (it == m_Conns.end()) return;
    Conn c = it->second;
    m_Conns.erase(it);
    CloseHandle(c.pipe);
    if (c.connected)
        m_Devices[c.device]->Note(SimRecord::Disconnect,
                                  std::string(why) + " (" + std::to_string(OpenCountLocked(c.device)) + " open)");
}

void CBoardSimulator::UnplugLocked(int device) {
    if (m_Unplugged[device]) return;
    m_Unplugged[device] = true;
    std::vector<unsigned long long> ids;
    for (const auto& c : m_Conns)
        if (c.second.device == device) ids.push_back(c.first);
    for (auto id : ids) CloseConn(id, "unplugged");
    m_Devices[device]->Note(SimRecord::Unplugged, "unplugged");
}

void CBoardSimulator::Deliver(unsigned long long id, const SimReply& reply, size_t requestBytes) {
    const int device = m_Conns[id].device;
    if (reply.unplug) {
        UnplugLocked(device);
        return;
    }
    auto now = Clock::now();
    auto& line = m_LineFree[device];
    const double msPerByte = 10000.0 / m_Devices[device]->Baud();
    if (m_Pacing) {
        // The request's payload crosses the line first, then each reply report.
        if (line < now) line = now;
        line += std::chrono::microseconds(static_cast<long long>(requestBytes * msPerByte * 1000));
    }
    for (const auto& report : reply.reports) {
        Outgoing o;
        if (m_Pacing) {
            line += std::chrono::microseconds(static_cast<long long>((report.size() - 1) * msPerByte * 1000));
            o.due = line;
        } else {
            o.due = now;
        }
        o.conn = id;
        o.report = report;
        m_Outgoing.push_back(std::move(o));
    }
}

void CBoardSimulator::Flush() {
    auto now = Clock::now();
    for (auto it = m_Outgoing.begin(); it != m_Outgoing.end();) {
        if (it->due > now) {
            ++it;
            continue;
        }
        auto c = m_Conns.find(it->conn);
        if (c != m_Conns.end() && c->second.connected) {
            Op* op = new Op(Op::Write, it->conn);
            op->buffer = it->report;
            Issue(op, WriteFile(c->second.pipe, op->buffer.data(), static_cast<DWORD>(op->buffer.size()), nullptr,
                                &op->ov));
        }
        it = m_Outgoing.erase(it);
    }
}

void CBoardSimulator::Collect() {
    for (auto& d : m_Devices) {
        for (SimRecord& r : d->TakeRecords()) {
            if (m_Sink) m_Sink(r);
            m_Records.push_back(std::move(r));
        }
    }
}

void CBoardSimulator::InjectFault(int device, const SimFault& fault) {
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Devices.at(device)->AddFault(fault);
}

void CBoardSimulator::ClearFaults(int device) {
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Devices.at(device)->ClearFaults();
}

void CBoardSimulator::SetPacing(bool on) {
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Pacing = on;
}

void CBoardSimulator::Unplug(int device) {
    std::lock_guard<std::mutex> lock(m_Lock);
    UnplugLocked(device);
    Collect();
}

void CBoardSimulator::Replug(int device) {
    std::lock_guard<std::mutex> lock(m_Lock);
    if (!m_Unplugged.at(device)) return;
    m_Unplugged[device] = false;
    m_Devices[device]->Note(SimRecord::Connect, "plugged in again");
    if (m_Port)
        for (int i = 0; i < kListeners; ++i) Listen(device);
    Collect();
}

bool CBoardSimulator::Settled() const {
    std::lock_guard<std::mutex> lock(m_Lock);
    if (!m_Outgoing.empty()) return false;
    for (const auto& entry : m_Conns) {
        const Conn& c = entry.second;
        // A finished connect or read whose completion the thread has not
        // handled yet holds a report, or a client about to write one.
        const Op* op = c.waiting;
        if (op && static_cast<DWORD>(reinterpret_cast<const volatile OVERLAPPED&>(op->ov).Internal) != STATUS_PENDING)
            return false;
        DWORD available = 0;
        if (c.connected && PeekNamedPipe(c.pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0)
            return false;
    }
    return true;
}

size_t CBoardSimulator::ReportsTaken(int device) const {
    std::lock_guard<std::mutex> lock(m_Lock);
    return m_Taken.at(device);
}

bool CBoardSimulator::Unplugged(int device) const {
    std::lock_guard<std::mutex> lock(m_Lock);
    return m_Unplugged.at(device);
}

int CBoardSimulator::OpenCount(int device) const {
    std::lock_guard<std::mutex> lock(m_Lock);
    return OpenCountLocked(device);
}

std::vector<SimRecord> CBoardSimulator::Records() const {
    std::lock_guard<std::mutex> lock(m_Lock);
    const_cast<CBoardSimulator*>(this)->Collect();
    return m_Records;
}

std::vector<SimRecord> CBoardSimulator::Records(int device, SimRecord::Kind kind) const {
    std::vector<SimRecord> out;
    for (SimRecord& r : Records())
        if (r.device == device && r.kind == kind) out.push_back(std::move(r));
    return out;
}

void CBoardSimulator::ClearRecords() {
    std::lock_guard<std::mutex> lock(m_Lock);
    Collect();
    m_Records.clear();
}

void CBoardSimulator::SetRecordSink(std::function<void(const SimRecord&)> sink) {
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Sink = std::move(sink);
}
