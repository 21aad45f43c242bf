// Stand-in hid.dll: the HID functions our programs call, answered for the
// simulated devices of HIDSIM_DEVICES (see SimDeviceList.h). A device handle
// is a client end of the device's named pipe; the device is recognised by the
// pipe's name.
#include <windows.h>
extern "C" {
#include <hidsdi.h>
}

#include "SimDeviceList.h"

using hidsim::DeviceEntry;

namespace {

// The class the system gives to HID interfaces.
const GUID kHidClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

const DWORD kPreparsedTag = 0x44495348;  // "HSID"

struct Preparsed {
    DWORD tag;
    USHORT inputLength;
    USHORT outputLength;
};

bool FindDevice(HANDLE handle, DeviceEntry& found) {
    union {
        FILE_NAME_INFO info;
        BYTE raw[sizeof(FILE_NAME_INFO) + MAX_PATH * sizeof(WCHAR)];
    } name;
    if (!GetFileInformationByHandleEx(handle, FileNameInfo, &name, sizeof(name))) return false;
    std::wstring pipe(name.info.FileName, name.info.FileNameLength / sizeof(WCHAR));
    if (!pipe.empty() && pipe[0] == L'\\') pipe.erase(0, 1);
    for (const DeviceEntry& d : hidsim::DevicesFromEnvironment()) {
        if (CompareStringOrdinal(d.name.c_str(), -1, pipe.c_str(), -1, TRUE) == CSTR_EQUAL) {
            found = d;
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" {

__declspec(dllexport) void NTAPI HidD_GetHidGuid(LPGUID guid) {
    if (guid) *guid = kHidClass;
}

__declspec(dllexport) BOOLEAN NTAPI HidD_GetAttributes(HANDLE device, PHIDD_ATTRIBUTES attributes) {
    if (!attributes || attributes->Size != sizeof(HIDD_ATTRIBUTES)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DeviceEntry d;
    if (!FindDevice(device, d)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    attributes->VendorID = d.vendorId;
    attributes->ProductID = d.productId;
    attributes->VersionNumber = 0x0100;
    return TRUE;
}

__declspec(dllexport) BOOLEAN NTAPI HidD_GetPreparsedData(HANDLE device, PHIDP_PREPARSED_DATA* data) {
    if (!data) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DeviceEntry d;
    if (!FindDevice(device, d)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    Preparsed* p = static_cast<Preparsed*>(HeapAlloc(GetProcessHeap(), 0, sizeof(Preparsed)));
    if (!p) return FALSE;
    p->tag = kPreparsedTag;
    p->inputLength = d.inputLength;
    p->outputLength = d.outputLength;
    *data = reinterpret_cast<PHIDP_PREPARSED_DATA>(p);
    return TRUE;
}

__declspec(dllexport) BOOLEAN NTAPI HidD_FreePreparsedData(PHIDP_PREPARSED_DATA data) {
    Preparsed* p = reinterpret_cast<Preparsed*>(data);
    if (!p || p->tag != kPreparsedTag) return FALSE;
    p->tag = 0;
    return HeapFree(GetProcessHeap(), 0, p) ? TRUE : FALSE;
}

__declspec(dllexport) NTSTATUS NTAPI HidP_GetCaps(PHIDP_PREPARSED_DATA data, PHIDP_CAPS caps) {
    const Preparsed* p = reinterpret_cast<const Preparsed*>(data);
    if (!p || !caps || p->tag != kPreparsedTag) return HIDP_STATUS_INVALID_PREPARSED_DATA;
    ZeroMemory(caps, sizeof(*caps));
    caps->UsagePage = 0xFF00;  // vendor defined
    caps->Usage = 0x01;
    caps->InputReportByteLength = p->inputLength;
    caps->OutputReportByteLength = p->outputLength;
    caps->NumberLinkCollectionNodes = 1;
    return HIDP_STATUS_SUCCESS;
}

}  // extern "C"
