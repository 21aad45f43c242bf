// The list of simulated HID devices, shared by the stand-in DLLs (which
// present the devices) and the board simulator (which serves them).
//
// It travels in the environment variable HIDSIM_DEVICES, so that a test can
// set it in its own process and a child process inherits it:
//
//   HIDSIM_DEVICES=name,vid,pid,in,out[,role];name,vid,pid,in,out[,role];...
//
//   name  pipe name; the device path is \\.\pipe\<name>
//   vid   vendor id, hex (0084)
//   pid   product id, hex (0041)
//   in    input report length in bytes, report id included (2..65)
//   out   output report length in bytes, report id included (5..255)
//   role  board (bridge with master and slave CPU), peer (data receiver)
//         or other (a foreign device that never answers); default other
//
// Devices are listed in this order by the stand-in setupapi.dll. An unset or
// empty variable means no HID device at all.
#pragma once

#include <string>
#include <vector>

namespace hidsim {

enum class Role { Other, Board, Peer };

struct DeviceEntry {
    std::wstring name;
    unsigned short vendorId = 0;
    unsigned short productId = 0;
    unsigned short inputLength = 65;
    unsigned short outputLength = 69;
    Role role = Role::Other;

    std::wstring Path() const { return L"\\\\.\\pipe\\" + name; }
};

extern const wchar_t kDevicesVariable[];   // L"HIDSIM_DEVICES"

// Parses the variable's text. On a malformed entry returns false and says
// which entry and why in *error; the list is then left empty.
bool ParseDeviceList(const std::wstring& text, std::vector<DeviceEntry>& devices,
                     std::wstring* error);
std::wstring FormatDeviceList(const std::vector<DeviceEntry>& devices);

// The list of this process's environment; empty when unset or malformed.
std::vector<DeviceEntry> DevicesFromEnvironment();

const wchar_t* RoleName(Role role);

}  // namespace hidsim
