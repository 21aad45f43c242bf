#include "SimDeviceList.h"

#include <windows.h>
#include <cwchar>

namespace hidsim {

const wchar_t kDevicesVariable[] = L"HIDSIM_DEVICES";

namespace {

std::vector<std::wstring> Split(const std::wstring& text, wchar_t sep) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(sep, start);
        parts.push_back(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        if (end == std::wstring::npos) break;
        start = end + 1;
    }
    return parts;
}

bool ParseNumber(const std::wstring& s, int base, unsigned long max, unsigned short& out) {
    if (s.empty()) return false;
    wchar_t* end = nullptr;
    unsigned long v = std::wcstoul(s.c_str(), &end, base);
    if (*end != 0 || v > max) return false;
    out = static_cast<unsigned short>(v);
    return true;
}

}  // namespace

const wchar_t* RoleName(Role role) {
    switch (role) {
    case Role::Board: return L"board";
    case Role::Peer: return L"peer";
    default: return L"other";
    }
}

bool ParseDeviceList(const std::wstring& text, std::vector<DeviceEntry>& devices,
                     std::wstring* error) {
    devices.clear();
    if (text.empty()) return true;
    std::vector<DeviceEntry> parsed;
    int index = 0;
    for (const std::wstring& item : Split(text, L';')) {
        ++index;
        if (item.empty()) continue;
        auto fail = [&](const wchar_t* why) {
            if (error) *error = L"device " + std::to_wstring(index) + L" (\"" + item + L"\"): " + why;
            return false;
        };
        std::vector<std::wstring> f = Split(item, L',');
        if (f.size() < 5 || f.size() > 6) return fail(L"expected name,vid,pid,in,out[,role]");
        DeviceEntry d;
        d.name = f[0];
        if (d.name.empty() || d.name.find_first_of(L"\\/") != std::wstring::npos)
            return fail(L"bad pipe name");
        if (!ParseNumber(f[1], 16, 0xFFFF, d.vendorId)) return fail(L"bad vendor id");
        if (!ParseNumber(f[2], 16, 0xFFFF, d.productId)) return fail(L"bad product id");
        if (!ParseNumber(f[3], 10, 65, d.inputLength) || d.inputLength < 2)
            return fail(L"input report length must be 2..65");
        if (!ParseNumber(f[4], 10, 255, d.outputLength) || d.outputLength < 5)
            return fail(L"output report length must be 5..255");
        if (f.size() == 6) {
            if (f[5] == L"board") d.role = Role::Board;
            else if (f[5] == L"peer") d.role = Role::Peer;
            else if (f[5] == L"other") d.role = Role::Other;
            else return fail(L"role must be board, peer or other");
        }
        parsed.push_back(d);
    }
    devices.swap(parsed);
    return true;
}

std::wstring FormatDeviceList(const std::vector<DeviceEntry>& devices) {
    std::wstring text;
    for (const DeviceEntry& d : devices) {
        wchar_t ids[32];
        std::swprintf(ids, 32, L"%04X,%04X,%u,%u,", d.vendorId, d.productId,
                      d.inputLength, d.outputLength);
        if (!text.empty()) text += L';';
        text += d.name + L',' + ids + RoleName(d.role);
    }
    return text;
}

std::vector<DeviceEntry> DevicesFromEnvironment() {
    std::vector<DeviceEntry> devices;
    DWORD n = GetEnvironmentVariableW(kDevicesVariable, nullptr, 0);
    if (n == 0) return devices;
    std::wstring text(n, L'\0');
    n = GetEnvironmentVariableW(kDevicesVariable, &text[0], n);
    text.resize(n);
    ParseDeviceList(text, devices, nullptr);
    return devices;
}

}  // namespace hidsim
