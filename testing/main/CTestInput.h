// Mouse and keyboard input for tests, sent with SendInput on the test's own
// desktop so that it takes the system's whole path: hooks, key state, the
// cursor position and the messages a real user's input makes.
#pragma once
#include <windows.h>
#include <vector>

class CTestInput
{
public:
    // Moves the cursor to a screen point (an absolute move: relative moves
    // are accelerated). Pump messages afterwards: unpumped moves merge.
    static bool MoveTo(POINT ptScreen);
    static bool MoveTo(HWND hWnd, POINT ptClient);

    // Presses or releases a mouse button where the cursor is.
    static bool Button(UINT nButton, bool bDown); // nButton: VK_LBUTTON, VK_RBUTTON or VK_MBUTTON

    // Turns the mouse wheel where the cursor is: a positive delta away from
    // the user, 120 a notch.
    static bool Wheel(int nDelta);

    // Presses or releases a key.
    static bool Key(WORD wVirtualKey, bool bDown);
};

// Keys pressed through it are released when it goes, also when the test
// stops half-way on a failed assertion: a key left down would reach every
// later test of the program.
class CHeldKeys
{
public:
    CHeldKeys() = default;
    CHeldKeys(const CHeldKeys&) = delete;
    CHeldKeys& operator=(const CHeldKeys&) = delete;
    ~CHeldKeys();

    bool Press(WORD wVirtualKey);
    bool Release(WORD wVirtualKey);
    // Presses and releases the key.
    bool Type(WORD wVirtualKey);

private:
    std::vector<WORD> m_held;
};
