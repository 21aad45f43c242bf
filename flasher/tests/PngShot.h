// Saves what the screen shows of a window as a PNG file (for the pictures of
// end-to-end runs under a real display).
#pragma once

#include <windows.h>

#include <string>

namespace pngshot
{
bool SaveScreenArea(HWND wnd, const std::wstring& path);
}
