// Helpers of the header and list control tests: the dialog that holds the
// list, pictures of windows read back into memory, and pictures saved as PNG
// beside the build for people to look at.
#pragma once

#include "CZMListCtrl.h"

#include <functional>
#include <vector>

// A 32-bit top-down copy of what a window shows, read back pixel by pixel.
class CWindowPicture
{
public:
    CWindowPicture() : m_nWidth(0), m_nHeight(0) {}
    // Copies the window's client area as it is on the screen now.
    void Capture(HWND hWnd);
    // Lets the window paint itself into a memory DC (WM_PRINTCLIENT).
    void Print(HWND hWnd);
    COLORREF At(int x, int y) const;
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // Writes the picture as an RGB PNG into the build's artefacts folder.
    bool SavePng(const wchar_t* lpszName) const;

private:
    void Take(HWND hWnd, const std::function<void(HDC)>& draw);
    int m_nWidth, m_nHeight;
    std::vector<DWORD> m_pixels;   // 0x00RRGGBB
};

// Runs this thread's messages until pred() holds or the time is up.
bool PumpMessagesUntil(const std::function<bool()>& pred, DWORD dwTimeoutMs = 3000);
void PumpPendingMessages();

// The list of the test dialog: counts its paints and records the sorts that
// header clicks ask for.
class CTestListCtrl : public CZMListCtrl
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool SortList(int nColumn, bool bAscending) override;

    int m_nPaints = 0;
    int m_nSorts = 0;
    int m_nSortedColumn = -1;
    bool m_bSortedAscending = false;
};

// A modeless dialog with one report list subclassed as a CTestListCtrl, sized
// to a fixed pixel size.
class CListTestDlg : public CDialog
{
public:
    CListTestDlg();
    BOOL OnInitDialog() override;
    // Creates the dialog with the list at width x height pixels.
    bool Open(int nWidth = 320, int nHeight = 200);
    // Paints the list now and reads back what it shows.
    CWindowPicture PaintList();

    CTestListCtrl m_list;
};
