#include <gtest/gtest.h>
#include <windows.h>
TEST(Smoke, Window) {
  HWND h = CreateWindowExW(0, L"STATIC", L"x", WS_OVERLAPPEDWINDOW, 0,0,100,100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(h, nullptr);
  DestroyWindow(h);
}
