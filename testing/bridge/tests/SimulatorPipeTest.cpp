// The simulator serving its pipes, reached through the stand-in setupapi.dll
// and hid.dll the way a program finds and opens a HID device.
#include <gtest/gtest.h>

#include <windows.h>
extern "C" {
#include <hidsdi.h>
}
#include <setupapi.h>

#include <cstring>
#include <string>
#include <thread>

#include "CBoardSimulator.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Found {
    std::wstring path;
    HIDD_ATTRIBUTES attributes{};
    HIDP_CAPS caps{};
};

std::vector<Found> Enumerate() {
    std::vector<Found> found;
    GUID hid;
    HidD_GetHidGuid(&hid);
    HDEVINFO set = SetupDiGetClassDevsW(&hid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) return found;
    for (DWORD i = 0;; ++i) {
        SP_DEVICE_INTERFACE_DATA data{};
        data.cbSize = sizeof(data);
        if (!SetupDiEnumDeviceInterfaces(set, nullptr, &hid, i, &data)) {
            EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_ITEMS), GetLastError());
            break;
        }
        DWORD size = 0;
        EXPECT_FALSE(SetupDiGetDeviceInterfaceDetailW(set, &data, nullptr, 0, &size, nullptr));
        std::vector<BYTE> buffer(size);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
        detail->cbSize = sizeof(*detail);
        EXPECT_TRUE(SetupDiGetDeviceInterfaceDetailW(set, &data, detail, size, nullptr, nullptr));
        Found f;
        f.path = detail->DevicePath;
        HANDLE h = CreateFileW(detail->DevicePath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            f.attributes.Size = sizeof(f.attributes);
            EXPECT_TRUE(HidD_GetAttributes(h, &f.attributes));
            PHIDP_PREPARSED_DATA pre = nullptr;
            EXPECT_TRUE(HidD_GetPreparsedData(h, &pre));
            EXPECT_EQ(HIDP_STATUS_SUCCESS, HidP_GetCaps(pre, &f.caps));
            HidD_FreePreparsedData(pre);
            CloseHandle(h);
        }
        found.push_back(f);
    }
    SetupDiDestroyDeviceInfoList(set);
    return found;
}

// A client end of a device, with overlapped report I/O as the programs do it.
struct Client {
    HANDLE h = INVALID_HANDLE_VALUE;
    explicit Client(const std::wstring& path) {
        h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    }
    ~Client() {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
    bool Write(const char* text, size_t length = 69) {
        Bytes r(length, 0);
        r[1] = 0xCC;
        r[2] = 0x99;
        r[3] = static_cast<uint8_t>(std::strlen(text));
        std::memcpy(&r[4], text, std::strlen(text));
        OVERLAPPED ov{};
        DWORD n = 0;
        if (!WriteFile(h, r.data(), static_cast<DWORD>(r.size()), nullptr, &ov) && GetLastError() != ERROR_IO_PENDING)
            return false;
        return GetOverlappedResult(h, &ov, &n, TRUE) && n == r.size();
    }
    // One report, or empty when none came within the wait (or the device is gone).
    Bytes Read(DWORD wait = 5000) {
        Bytes r(65);
        OVERLAPPED ov{};
        ov.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        DWORD n = 0;
        BOOL ok = ReadFile(h, r.data(), 65, nullptr, &ov) || GetLastError() == ERROR_IO_PENDING;
        if (ok && WaitForSingleObject(ov.hEvent, wait) != WAIT_OBJECT_0) CancelIo(h);
        ok = ok && GetOverlappedResult(h, &ov, &n, TRUE);
        CloseHandle(ov.hEvent);
        r.resize(ok ? n : 0);
        return r;
    }
};

bool WaitUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 500; ++i) {
        if (done()) return true;
        Sleep(10);
    }
    return done();
}

}  // namespace

TEST(SimDeviceList, ParsesAndRejects) {
    std::vector<hidsim::DeviceEntry> d;
    std::wstring error;
    ASSERT_TRUE(hidsim::ParseDeviceList(L"m,046D,C077,9,9;b,84,41,65,69,board", d, &error));
    ASSERT_EQ(2u, d.size());
    EXPECT_EQ(hidsim::Role::Other, d[0].role);
    EXPECT_EQ(0x0084, d[1].vendorId);
    EXPECT_EQ(L"\\\\.\\pipe\\b", d[1].Path());
    std::vector<hidsim::DeviceEntry> again;
    ASSERT_TRUE(hidsim::ParseDeviceList(hidsim::FormatDeviceList(d), again, nullptr));
    EXPECT_EQ(hidsim::FormatDeviceList(d), hidsim::FormatDeviceList(again));

    for (const wchar_t* bad : {L"b,84,41,65", L"b,84,41,66,69", L"b,84,41,65,4", L"b,XYZ,41,65,69",
                               L"b,84,41,65,69,bridge", L"a\\b,84,41,65,69", L"ok,84,41,65,69;,84,41,65,69"}) {
        SCOPED_TRACE(bad);
        d.assign(1, hidsim::DeviceEntry());
        error.clear();
        EXPECT_FALSE(hidsim::ParseDeviceList(bad, d, &error));
        EXPECT_TRUE(d.empty());
        EXPECT_FALSE(error.empty());
    }
}

TEST(SimulatorPipes, DevicesAreListedOpenedAndAnswer) {
    CBoardSimulator sim;
    sim.AddDevice(CBoardSimulator::Other(0x046D, 0xC077));
    int board = sim.AddDevice(CBoardSimulator::Board(65, 69));
    ASSERT_TRUE(sim.Start());
    sim.Publish();

    std::vector<Found> found = Enumerate();
    ASSERT_EQ(2u, found.size());
    EXPECT_EQ(0x046D, found[0].attributes.VendorID);
    EXPECT_EQ(0x0084, found[1].attributes.VendorID);
    EXPECT_EQ(0x0041, found[1].attributes.ProductID);
    EXPECT_EQ(65, found[1].caps.InputReportByteLength);
    EXPECT_EQ(69, found[1].caps.OutputReportByteLength);

    Client sync(found[1].path), io(found[1].path);
    ASSERT_NE(INVALID_HANDLE_VALUE, sync.h);
    ASSERT_NE(INVALID_HANDLE_VALUE, io.h);
    EXPECT_TRUE(WaitUntil([&] { return sim.OpenCount(board) == 2; }));

    ASSERT_TRUE(io.Write("SETBAUD19200"));
    Bytes reply = io.Read();
    ASSERT_EQ(65u, reply.size());
    EXPECT_EQ(0, reply[0]);
    EXPECT_EQ("19200", std::string(reply.begin() + 1, reply.begin() + 6));
    EXPECT_EQ(1u, sim.Records(board, SimRecord::BridgeCommand).size());

    // silence: nothing arrives; then the device is pulled and the handle fails
    sim.InjectFault(board, {SimFaultKind::Silence});
    ASSERT_TRUE(io.Write("SETBAUD9600"));
    EXPECT_TRUE(io.Read(200).empty());
    sim.Unplug(board);
    EXPECT_TRUE(io.Read().empty());
    EXPECT_FALSE(io.Write("SETBAUD9600"));
    EXPECT_EQ(INVALID_HANDLE_VALUE, Client(found[1].path).h);
    sim.Replug(board);
    Client again(found[1].path);
    ASSERT_NE(INVALID_HANDLE_VALUE, again.h);
    ASSERT_TRUE(again.Write("SETBAUD9600"));
    EXPECT_EQ(65u, again.Read().size());
}

TEST(SimulatorPipes, RepliesKeepTheirOrderWithPacing) {
    CBoardSimulator sim;
    int board = sim.AddDevice(CBoardSimulator::Board());
    sim.SetPacing(true);
    ASSERT_TRUE(sim.Start());
    Client io(sim.Devices()[board].Path());
    ASSERT_NE(INVALID_HANDLE_VALUE, io.h);
    ASSERT_TRUE(io.Write("SETBAUD19200"));
    ASSERT_TRUE(io.Write("SETBAUD9600"));
    EXPECT_EQ('1', io.Read()[1]);
    EXPECT_EQ('9', io.Read()[1]);
}

// Reports written while the simulator's thread is held up are all in its
// records by the time it says it has settled, and not before.
TEST(SimulatorPipes, SettledOnceEveryWrittenReportIsTaken) {
    CBoardSimulator sim;
    int board = sim.AddDevice(CBoardSimulator::Board());
    ASSERT_TRUE(sim.Start());
    Client io(sim.Devices()[board].Path());
    ASSERT_NE(INVALID_HANDLE_VALUE, io.h);
    ASSERT_TRUE(WaitUntil([&] { return sim.OpenCount(board) == 1; }));
    EXPECT_TRUE(sim.Settled());

    const int kReports = 20;
    HANDLE hHeld = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE hRelease = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        sim.Inspect(board, [&](CSimDevice&) {
            SetEvent(hHeld);
            WaitForSingleObject(hRelease, INFINITE);
            return 0;
        });
    });
    WaitForSingleObject(hHeld, INFINITE);
    for (int i = 0; i < kReports; ++i)
        ASSERT_TRUE(io.Write(i % 2 ? "SETBAUD9600" : "SETBAUD19200")) << i;
    SetEvent(hRelease);
    holder.join();
    CloseHandle(hHeld);
    CloseHandle(hRelease);

    ASSERT_TRUE(WaitUntil([&] { return sim.Settled(); }));
    EXPECT_EQ(static_cast<size_t>(kReports), sim.Records(board, SimRecord::BridgeCommand).size());
}

TEST(SimulatorPipes, NoDevicesWhenTheListIsEmpty) {
    SetEnvironmentVariableW(hidsim::kDevicesVariable, L"");
    EXPECT_TRUE(Enumerate().empty());
    SetEnvironmentVariableW(hidsim::kDevicesVariable, nullptr);
    EXPECT_TRUE(Enumerate().empty());
}
