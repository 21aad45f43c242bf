// boardsim.exe: the board simulator as a console program, for end-to-end runs
// of the real programs and for the demo.
//
//   boardsim.exe [--no-pacing] [--dump-dir DIR]
//
// It serves the devices of HIDSIM_DEVICES (see SimDeviceList.h); start the
// program under test with the same variable and WINEDLLOVERRIDES=
// "hid,setupapi=n". Once the pipes are up it prints "ready", then one line
// per record (what each device received and did). Pacing is on unless
// --no-pacing. Commands, one per line on stdin (a device is its index in the
// list or its name):
//
//   fault DEV KIND [target=any|bridge|loader|peer] [skip=N] [count=N] [value=N] [bytes=HEX]
//        KIND: silence noack wrongseq status short reply unplug
//   clear DEV                 drop the faults not yet used up
//   erase-busy DEV N VALUE    every erase reports N busy records first
//   unplug DEV | replug DEV
//   pacing on|off
//   dump DEV master|slave FILE    the CPU's flash, "ADDR: WORD WORD ..." lines
//   dump DEV received FILE        the bytes the peer received, raw
//   quit                          (also at the end of stdin)
//
// Each command is answered by "ok" or "error: ...". With --dump-dir the
// dumps of every device are written there at exit: NAME.master.txt,
// NAME.slave.txt, NAME.received.bin.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <sstream>
#include <string>

#include "CBoardSimulator.h"

namespace {

std::mutex g_Print;

void Print(const std::string& line) {
    std::lock_guard<std::mutex> lock(g_Print);
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

bool WriteFileBytes(const std::string& path, const void* data, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

bool Dump(CBoardSimulator& sim, int device, const std::string& what, const std::string& path) {
    if (what == "master" || what == "slave") {
        SimCpu cpu = what == "master" ? SimCpu::Master : SimCpu::Slave;
        std::string text = sim.Inspect(device, [&](CSimDevice& d) { return d.Flash(cpu).Dump(); });
        return WriteFileBytes(path, text.data(), text.size());
    }
    if (what == "received") {
        std::vector<uint8_t> bytes = sim.Inspect(device, [](CSimDevice& d) { return d.Received(); });
        return WriteFileBytes(path, bytes.data(), bytes.size());
    }
    return false;
}

int FindDevice(const CBoardSimulator& sim, const std::string& word) {
    std::vector<hidsim::DeviceEntry> devices = sim.Devices();
    for (size_t i = 0; i < devices.size(); ++i)
        if (Narrow(devices[i].name) == word) return static_cast<int>(i);
    char* end = nullptr;
    long n = std::strtol(word.c_str(), &end, 10);
    if (!word.empty() && *end == 0 && n >= 0 && n < static_cast<long>(devices.size())) return static_cast<int>(n);
    return -1;
}

bool ParseHex(const std::string& text, std::vector<uint8_t>& bytes) {
    std::string digits;
    for (char c : text)
        if (c != ' ' && c != ':') digits += c;
    if (digits.size() % 2) return false;
    for (size_t i = 0; i < digits.size(); i += 2) {
        char* end = nullptr;
        std::string pair = digits.substr(i, 2);
        long v = std::strtol(pair.c_str(), &end, 16);
        if (*end) return false;
        bytes.push_back(static_cast<uint8_t>(v));
    }
    return true;
}

// Runs one command line; returns an error text, empty when it worked.
std::string Command(CBoardSimulator& sim, const std::string& line, bool& quit) {
    std::istringstream in(line);
    std::string verb, dev;
    in >> verb;
    if (verb.empty()) return "";
    if (verb == "quit") {
        quit = true;
        return "";
    }
    if (verb == "pacing") {
        std::string how;
        in >> how;
        if (how != "on" && how != "off") return "pacing on|off";
        sim.SetPacing(how == "on");
        return "";
    }
    in >> dev;
    int device = FindDevice(sim, dev);
    if (device < 0) return "no device \"" + dev + "\"";
    if (verb == "clear") {
        sim.ClearFaults(device);
    } else if (verb == "unplug") {
        sim.Unplug(device);
    } else if (verb == "replug") {
        sim.Replug(device);
    } else if (verb == "erase-busy") {
        int n = -1, value = -1;
        in >> n >> value;
        if (!in || n < 0 || value < 0 || value > 255) return "erase-busy DEV N VALUE";
        sim.Inspect(device, [&](CSimDevice& d) { d.SetEraseBusy(n, value); return 0; });
    } else if (verb == "dump") {
        std::string what, path;
        in >> what;
        std::getline(in >> std::ws, path);
        if (path.empty() || !Dump(sim, device, what, path)) return "cannot dump " + what + " to \"" + path + "\"";
    } else if (verb == "fault") {
        static const struct { const char* name; SimFaultKind kind; } kinds[] = {
            {"silence", SimFaultKind::Silence}, {"noack", SimFaultKind::NoAck},
            {"wrongseq", SimFaultKind::WrongSequence}, {"status", SimFaultKind::Status},
            {"short", SimFaultKind::ShortReports}, {"reply", SimFaultKind::Reply},
            {"unplug", SimFaultKind::Unplug}};
        std::string kind;
        in >> kind;
        SimFault f;
        bool known = false;
        for (const auto& k : kinds)
            if (kind == k.name) {
                f.kind = k.kind;
                known = true;
            }
        if (!known) return "unknown fault \"" + kind + "\"";
        std::string option;
        while (in >> option) {
            size_t eq = option.find('=');
            std::string key = option.substr(0, eq), value = eq == std::string::npos ? "" : option.substr(eq + 1);
            char* end = nullptr;
            long n = std::strtol(value.c_str(), &end, 0);
            bool number = !value.empty() && *end == 0;
            if (key == "skip" && number && n >= 0) f.skip = static_cast<int>(n);
            else if (key == "count" && number && n >= -1 && n != 0) f.count = static_cast<int>(n);
            else if (key == "value" && number && n >= 0) f.value = static_cast<int>(n);
            else if (key == "bytes" && ParseHex(value, f.bytes)) {}
            else if (key == "target" && value == "any") f.target = SimTarget::Any;
            else if (key == "target" && value == "bridge") f.target = SimTarget::Bridge;
            else if (key == "target" && value == "loader") f.target = SimTarget::Loader;
            else if (key == "target" && value == "peer") f.target = SimTarget::Peer;
            else return "bad option \"" + option + "\"";
        }
        sim.InjectFault(device, f);
    } else {
        return "unknown command \"" + verb + "\"";
    }
    return "";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    bool pacing = true;
    std::string dumpDir;
    for (int i = 1; i < argc; ++i) {
        std::wstring a = argv[i];
        if (a == L"--no-pacing") pacing = false;
        else if (a == L"--dump-dir" && i + 1 < argc) dumpDir = Narrow(argv[++i]);
        else {
            std::fprintf(stderr, "usage: boardsim [--no-pacing] [--dump-dir DIR]\n");
            return 2;
        }
    }
    std::wstring text;
    if (DWORD n = GetEnvironmentVariableW(hidsim::kDevicesVariable, nullptr, 0)) {
        text.resize(n);
        text.resize(GetEnvironmentVariableW(hidsim::kDevicesVariable, &text[0], n));
    }
    std::vector<hidsim::DeviceEntry> devices;
    std::wstring error;
    if (!hidsim::ParseDeviceList(text, devices, &error)) {
        std::fprintf(stderr, "boardsim: HIDSIM_DEVICES: %s\n", Narrow(error).c_str());
        return 2;
    }
    if (devices.empty()) {
        std::fprintf(stderr, "boardsim: HIDSIM_DEVICES names no device\n");
        return 2;
    }

    CBoardSimulator sim;
    for (const auto& d : devices) sim.AddDevice(d);
    sim.SetPacing(pacing);
    sim.SetRecordSink([](const SimRecord& r) { Print(r.text); });
    if (!sim.Start()) {
        std::fprintf(stderr, "boardsim: cannot start\n");
        return 1;
    }
    Print("ready");

    char buffer[1024];
    bool quit = false;
    while (!quit && std::fgets(buffer, sizeof buffer, stdin)) {
        std::string line = buffer;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        std::string problem = Command(sim, line, quit);
        if (!line.empty()) Print(problem.empty() ? "ok" : "error: " + problem);
    }
    sim.Stop();
    if (!dumpDir.empty()) {
        for (size_t i = 0; i < devices.size(); ++i) {
            std::string base = dumpDir + "\\" + Narrow(devices[i].name);
            int d = static_cast<int>(i);
            if (devices[i].role == hidsim::Role::Board) {
                Dump(sim, d, "master", base + ".master.txt");
                Dump(sim, d, "slave", base + ".slave.txt");
            } else if (devices[i].role == hidsim::Role::Peer) {
                Dump(sim, d, "received", base + ".received.bin");
            }
        }
    }
    return 0;
}
