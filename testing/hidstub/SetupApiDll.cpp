// Stand-in setupapi.dll: enumeration of the simulated HID interfaces of
// HIDSIM_DEVICES (see SimDeviceList.h), in the order listed. Only the HID
// interface class with DIGCF_DEVICEINTERFACE lists anything.
#include <windows.h>
#define _SETUPAPI_
#include <setupapi.h>

#include <cstddef>
#include <new>

#include "SimDeviceList.h"

namespace {

const GUID kHidClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
const DWORD kSetTag = 0x54455344;  // "DSET"

// A device set is a snapshot of the device list taken when it was made.
struct DeviceSet {
    DWORD tag = kSetTag;
    GUID interfaceClass{};
    std::vector<hidsim::DeviceEntry> devices;
};

DeviceSet* ToSet(HDEVINFO h) {
    DeviceSet* s = static_cast<DeviceSet*>(h);
    if (!s || h == INVALID_HANDLE_VALUE || s->tag != kSetTag) return nullptr;
    return s;
}

}  // namespace

extern "C" {

WINSETUPAPI HDEVINFO WINAPI SetupDiGetClassDevsW(const GUID* classGuid, PCWSTR enumerator,
                                                HWND parent, DWORD flags) {
    DeviceSet* s = new (std::nothrow) DeviceSet;
    if (!s) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return INVALID_HANDLE_VALUE;
    }
    if (classGuid) s->interfaceClass = *classGuid;
    if (classGuid && IsEqualGUID(*classGuid, kHidClass) && (flags & DIGCF_DEVICEINTERFACE) && !enumerator)
        s->devices = hidsim::DevicesFromEnvironment();
    return s;
}

WINSETUPAPI WINBOOL WINAPI SetupDiEnumDeviceInterfaces(HDEVINFO set, PSP_DEVINFO_DATA deviceInfo,
                                                      const GUID* interfaceClass, DWORD index,
                                                      PSP_DEVICE_INTERFACE_DATA data) {
    DeviceSet* s = ToSet(set);
    if (!s) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!data || data->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA) || !interfaceClass) {
        SetLastError(ERROR_INVALID_USER_BUFFER);
        return FALSE;
    }
    if (!IsEqualGUID(*interfaceClass, s->interfaceClass) || index >= s->devices.size()) {
        SetLastError(ERROR_NO_MORE_ITEMS);
        return FALSE;
    }
    data->InterfaceClassGuid = *interfaceClass;
    data->Flags = SPINT_ACTIVE;
    data->Reserved = index + 1;  // which device of the set
    return TRUE;
}

WINSETUPAPI WINBOOL WINAPI SetupDiGetDeviceInterfaceDetailW(HDEVINFO set, PSP_DEVICE_INTERFACE_DATA data,
                                                           PSP_DEVICE_INTERFACE_DETAIL_DATA_W detail,
                                                           DWORD detailSize, PDWORD requiredSize,
                                                           PSP_DEVINFO_DATA deviceInfo) {
    DeviceSet* s = ToSet(set);
    if (!s) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!data || data->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA) || data->Reserved == 0 ||
        data->Reserved > s->devices.size()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::wstring path = s->devices[data->Reserved - 1].Path();
    DWORD needed = static_cast<DWORD>(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath) +
                                      (path.size() + 1) * sizeof(WCHAR));
    if (requiredSize) *requiredSize = needed;
    if (!detail) {
        if (detailSize != 0) {
            SetLastError(ERROR_INVALID_USER_BUFFER);
            return FALSE;
        }
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    if (detail->cbSize != sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) {
        SetLastError(ERROR_INVALID_USER_BUFFER);
        return FALSE;
    }
    if (detailSize < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    CopyMemory(detail->DevicePath, path.c_str(), (path.size() + 1) * sizeof(WCHAR));
    return TRUE;
}

WINSETUPAPI WINBOOL WINAPI SetupDiDestroyDeviceInfoList(HDEVINFO set) {
    DeviceSet* s = ToSet(set);
    if (!s) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    s->tag = 0;
    delete s;
    return TRUE;
}

}  // extern "C"
