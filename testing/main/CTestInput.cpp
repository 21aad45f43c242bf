// Mouse and keyboard input for tests, sent with SendInput.
#include "CTestInput.h"
#include <iterator>

namespace
{
// The absolute range 0..65535 spans the primary screen; a pixel is reached by
// the smallest value that maps onto it, value * extent / 65536 rounded down.
LONG ToAbsolute(LONG nPixel, int nExtent)
{
    return static_cast<LONG>((static_cast<LONGLONG>(nPixel) * 65536 + nExtent - 1) / nExtent);
}

bool Send(INPUT& input)
{
    return ::SendInput(1, &input, sizeof(input)) == 1;
}
} // namespace

bool CTestInput::MoveTo(POINT ptScreen)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = ToAbsolute(ptScreen.x, ::GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = ToAbsolute(ptScreen.y, ::GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return Send(input);
}

bool CTestInput::MoveTo(HWND hWnd, POINT ptClient)
{
    ::ClientToScreen(hWnd, &ptClient);
    return MoveTo(ptClient);
}

bool CTestInput::Button(UINT nButton, bool bDown)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    switch (nButton)
    {
    case VK_LBUTTON: input.mi.dwFlags = bDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP; break;
    case VK_RBUTTON: input.mi.dwFlags = bDown ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP; break;
    case VK_MBUTTON: input.mi.dwFlags = bDown ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP; break;
    default: return false;
    }
    return Send(input);
}

bool CTestInput::Wheel(int nDelta)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.mouseData = static_cast<DWORD>(nDelta);
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    return Send(input);
}

bool CTestInput::Key(WORD wVirtualKey, bool bDown)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = wVirtualKey;
    input.ki.dwFlags = bDown ? 0 : KEYEVENTF_KEYUP;
    return Send(input);
}

CHeldKeys::~CHeldKeys()
{
    while (!m_held.empty())
        Release(m_held.back());
}

bool CHeldKeys::Press(WORD wVirtualKey)
{
    if (!CTestInput::Key(wVirtualKey, true))
        return false;
    m_held.push_back(wVirtualKey);
    return true;
}

bool CHeldKeys::Release(WORD wVirtualKey)
{
    for (auto it = m_held.rbegin(); it != m_held.rend(); ++it)
    {
        if (*it == wVirtualKey)
        {
            m_held.erase(std::next(it).base());
            break;
        }
    }
    return CTestInput::Key(wVirtualKey, false);
}

bool CHeldKeys::Type(WORD wVirtualKey)
{
    return Press(wVirtualKey) && Release(wVirtualKey);
}
