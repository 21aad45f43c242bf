// A popup bar of 20 items with icons, opened, painted and closed, beside the
// system's popup menu of the same items, in a plain frame and in an MDI frame
// with an active child; and the same popup with every item disabled. Prints
// its figures; asserts nothing.
//   commandbars_popup_bench [rounds]      (default 400)
#include "BenchSupport.h"
#include "CFrameHost.h"
#include "CZMRBarManager.h"
#include "CZMRImageManager.h"
#include "CZMRPopupBar.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
const int kItems = 20;
const UINT kHandledFirst = 0x9000;     // commands the frames handle: enabled
const UINT kUnhandledFirst = 0x9100;   // commands nobody handles: disabled

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// A plain frame that handles the first set of commands.
class CBenchFrame : public CFrameWnd
{
public:
    void OnItem(UINT) {}
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CBenchFrame, CFrameWnd)
    ON_COMMAND_RANGE(kHandledFirst, kHandledFirst + kItems - 1, OnItem)
END_MESSAGE_MAP()

// The MDI frame of the tests with the same handlers.
class CBenchMdiFrame : public CFrameHost
{
public:
    void OnItem(UINT) {}
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CBenchMdiFrame, CFrameHost)
    ON_COMMAND_RANGE(kHandledFirst, kHandledFirst + kItems - 1, OnItem)
END_MESSAGE_MAP()

// One 16 x 16 picture per command on a magenta mask colour.
void LoadIcons(UINT nFirst)
{
    HDC hScreen = GetDC(nullptr);
    HDC hDC = CreateCompatibleDC(hScreen);
    HBITMAP hStrip = CreateCompatibleBitmap(hScreen, 16 * kItems, 16);
    ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = SelectObject(hDC, hStrip);
    RECT rcAll = {0, 0, 16 * kItems, 16};
    HBRUSH hMask = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(hDC, &rcAll, hMask);
    DeleteObject(hMask);
    std::vector<UINT> ids;
    for (int i = 0; i < kItems; i++)
    {
        HBRUSH hBrush = CreateSolidBrush(RGB(40 + i * 10, 120, 200 - i * 8));
        HGDIOBJ hOldBrush = SelectObject(hDC, hBrush);
        Ellipse(hDC, i * 16 + 1, 1, i * 16 + 15, 15);
        Rectangle(hDC, i * 16 + 4, 6, i * 16 + 12, 10);
        SelectObject(hDC, hOldBrush);
        DeleteObject(hBrush);
        ids.push_back(nFirst + UINT(i));
    }
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    CBitmap strip;
    strip.Attach(hStrip);
    GetImageManager()->SetIcons(strip, ids.data(), kItems, 16, 16, ZMR_ICONSTATE_NORMAL, FALSE);
}

HMENU MakeMenu(UINT nFirst)
{
    HMENU hMenu = CreatePopupMenu();
    for (int i = 0; i < kItems; i++)
    {
        wchar_t text[32];
        swprintf(text, 32, L"Command &%c number %d", L'A' + i, i + 1);
        AppendMenuW(hMenu, MF_STRING, nFirst + UINT(i), text);
    }
    return hMenu;
}

struct BarTime
{
    double whole;   // opened, painted and closed
    double paint;   // the paint alone
};

// Opens the popup at a point, paints it and closes it.
BarTime TimeBar(CZMRPopupBar* pPopup)
{
    const double start = bench::Now();
    pPopup->SetAnchor(CPoint(100, 100));
    pPopup->OpenAsPopup(nullptr);
    const double opened = bench::Now();
    pPopup->UpdateWindow();
    const double painted = bench::Now();
    pPopup->SetMenuLoopActive(FALSE);
    Pump();
    return {bench::Now() - start, painted - opened};
}

// The system's menu ends as soon as it first waits for input, shown and
// painted. The hook is there only while the menu is timed: a hook on every
// sent message would weigh on the popup bar, which sends many more.
class CMenuEnder
{
public:
    static LRESULT CALLBACK Proc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const auto* pMsg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (nCode == HC_ACTION && pMsg->message == WM_ENTERIDLE && pMsg->wParam == MSGF_MENU)
            EndMenu();
        return CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
};

double TimeMenu(CWnd* pOwner, HMENU hMenu)
{
    HHOOK hHook = SetWindowsHookExW(WH_CALLWNDPROCRET, CMenuEnder::Proc, nullptr, GetCurrentThreadId());
    const double start = bench::Now();
    TrackPopupMenu(hMenu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, 100, 100, 0, pOwner->GetSafeHwnd(), nullptr);
    Pump();
    const double elapsed = bench::Now() - start;
    UnhookWindowsHookEx(hHook);
    return elapsed;
}

struct Figures
{
    double bar, menu, disabled, barPaint, disabledPaint;
    double barByMenu;   // the median of the rounds' own ratios
};

// Each round times the three in turn, so a drift of the machine's speed
// weighs on all of them alike.
Figures Measure(CFrameWnd* pFrame, int rounds)
{
    CZMRBarManager manager;
    manager.Attach(pFrame);
    manager.GetOptions()->bAlwaysShowFullMenus = TRUE;
    CZMRPopupBar* pEnabled = CZMRPopupBar::CreatePopupBar(&manager);
    CZMRPopupBar* pDisabled = CZMRPopupBar::CreatePopupBar(&manager);
    CMenu enabledMenu, disabledMenu;
    enabledMenu.Attach(MakeMenu(kHandledFirst));
    disabledMenu.Attach(MakeMenu(kUnhandledFirst));
    pEnabled->LoadMenu(&enabledMenu);
    pDisabled->LoadMenu(&disabledMenu);

    std::vector<double> bar, menu, disabled, barPaint, disabledPaint, barByMenu;
    for (int i = 0; i < rounds + 5; i++)
    {
        const BarTime b = TimeBar(pEnabled);
        const double m = TimeMenu(pFrame, enabledMenu.GetSafeHmenu());
        const BarTime d = TimeBar(pDisabled);
        if (i < 5)
            continue;   // warm-up
        bar.push_back(b.whole);
        barPaint.push_back(b.paint);
        menu.push_back(m);
        barByMenu.push_back(b.whole / m);
        disabled.push_back(d.whole);
        disabledPaint.push_back(d.paint);
    }
    pEnabled->InternalRelease();
    pDisabled->InternalRelease();
    return {bench::Median(bar),      bench::Median(menu),          bench::Median(disabled),
            bench::Median(barPaint), bench::Median(disabledPaint), bench::Median(barByMenu)};
}

void Print(const char* pszFrame, const Figures& f)
{
    std::printf("%s: popup bar %.3f ms, system menu %.3f ms, bar / menu %.2f (round by round: median %.2f)\n",
                pszFrame, f.bar * 1000, f.menu * 1000, f.bar / f.menu, f.barByMenu);
    std::printf("%s  paint of the popup: enabled %.3f ms, disabled %.3f ms, disabled / enabled %.2f "
                "(whole: disabled %.3f ms, %.2f)\n",
                pszFrame, f.barPaint * 1000, f.disabledPaint * 1000, f.disabledPaint / f.barPaint,
                f.disabled * 1000, f.disabled / f.bar);
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 400;
    CWinApp app(L"PopupBench");
    LoadIcons(kHandledFirst);
    LoadIcons(kUnhandledFirst);

    std::printf("20 items with icons, opened, painted and closed (median of %d rounds):\n", rounds);
    auto* pPlain = new CBenchFrame;
    pPlain->CreateEx(0, nullptr, L"Plain frame", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr);
    pPlain->ShowWindow(SW_SHOW);
    pPlain->UpdateWindow();
    Print("plain frame", Measure(pPlain, rounds));
    pPlain->DestroyWindow();

    auto* pMdi = new CBenchMdiFrame;
    HMENU hFrameMenu = CreateMenu();
    AppendMenuW(hFrameMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"&Window");
    pMdi->CreateEx(0, nullptr, L"MDI frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 800, 600, nullptr,
                   hFrameMenu);
    pMdi->ShowWindow(SW_SHOW);
    pMdi->AddChild(L"Child");
    pMdi->UpdateWindow();
    Pump();
    Print("MDI frame  ", Measure(pMdi, rounds));
    pMdi->DestroyWindow();

    return 0;
}
