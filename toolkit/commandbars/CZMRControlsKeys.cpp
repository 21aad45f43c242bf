// The typed-character test of the bars' accelerator lookups.
#include "CZMRControls.h"
#include <vector>

ZMR_KEYBOARD_LAYOUT_CALLS g_zmrKeyboardLayoutCalls = {&::MapVirtualKeyW, &::GetKeyboardLayoutList,
                                                      &::ToUnicodeEx};

namespace
{
WCHAR UpperChar(WCHAR ch)
{
    return WCHAR(UINT_PTR(::CharUpperW(reinterpret_cast<LPWSTR>(UINT_PTR(ch)))));
}
}

BOOL IsCharMatchingVirtualKey(TCHAR chAccel, UINT nVirtualKey)
{
    const ZMR_KEYBOARD_LAYOUT_CALLS& calls = g_zmrKeyboardLayoutCalls;

    if (nVirtualKey >= VK_NUMPAD0 && nVirtualKey <= VK_NUMPAD9)
        return nVirtualKey == UINT(chAccel) + 48;
    if (calls.pfnMapVirtualKey(nVirtualKey, MAPVK_VK_TO_CHAR) == 0)
        return FALSE;
    if (UINT(chAccel) == nVirtualKey || UINT(UpperChar(chAccel)) == nVirtualKey)
        return TRUE;

    // Another installed layout may type the character with this key.
    const int nLayouts = calls.pfnGetKeyboardLayoutList(0, nullptr);
    if (nLayouts <= 1)
        return FALSE;
    std::vector<HKL> layouts(static_cast<size_t>(nLayouts));
    const int nRead = calls.pfnGetKeyboardLayoutList(nLayouts, layouts.data());
    BYTE state[256] = {};
    if (!::GetKeyboardState(state))
        std::fill(std::begin(state), std::end(state), BYTE(0));

    const WCHAR chUpper = UpperChar(chAccel);
    for (int i = 0; i < nRead && i < nLayouts; i++)
    {
        const HKL hkl = layouts[size_t(i)];
        const UINT nScanCode = ::MapVirtualKeyExW(nVirtualKey, MAPVK_VK_TO_VSC, hkl);
        for (BOOL bShift : {FALSE, TRUE})
        {
            const BYTE nShiftState = state[VK_SHIFT];
            if (bShift)
                state[VK_SHIFT] = 0x81;
            WCHAR szChars[4] = {};
            const int nChars = calls.pfnToUnicodeEx(nVirtualKey, nScanCode, state, szChars, 4, 0, hkl);
            state[VK_SHIFT] = nShiftState;
            if (nChars == 1 && (szChars[0] == chAccel || UpperChar(szChars[0]) == chUpper))
                return TRUE;
        }
    }
    return FALSE;
}

TCHAR GetMnemonicChar(const CString& strCaption, BOOL& bAmpersand)
{
    const int nAmpersand = strCaption.Find(L'&');
    bAmpersand = nAmpersand != -1 && nAmpersand < strCaption.GetLength() - 1;
    if (bAmpersand)
        return strCaption[nAmpersand + 1];
    return strCaption.IsEmpty() ? 0 : strCaption[0];
}
