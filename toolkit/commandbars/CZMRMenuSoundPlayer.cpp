#include "CZMRMenuSoundPlayer.h"
#include <mmsystem.h>

namespace
{
std::atomic<CZMRMenuSoundPlayer::PLAYSOUNDPROC> g_pfnPlay{nullptr};

// The platform's sound function, from the system's multimedia library loaded
// at the first sound: a program pays for loading the library and its sound
// drivers only when it plays something, not at every start.
BOOL PlatformPlay(LPCWSTR pszSound, DWORD fdwSound)
{
    static const CZMRMenuSoundPlayer::PLAYSOUNDPROC pfnPlatform = [] {
        HMODULE hModule = ::LoadLibraryExW(L"winmm.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        return hModule ? reinterpret_cast<CZMRMenuSoundPlayer::PLAYSOUNDPROC>(::GetProcAddress(hModule, "PlaySoundW"))
                       : nullptr;
    }();
    return pfnPlatform ? pfnPlatform(pszSound, nullptr, fdwSound) : FALSE;
}

BOOL Play(LPCWSTR pszSound, DWORD fdwSound)
{
    CZMRMenuSoundPlayer::PLAYSOUNDPROC pfnPlay = g_pfnPlay.load();
    return pfnPlay ? pfnPlay(pszSound, nullptr, fdwSound) : PlatformPlay(pszSound, fdwSound);
}

// How long Stop waits for the worker, in steps of 100 ms, before it stops
// the sound and, failing that, terminates the thread.
const int kStopWaits = 10;
const DWORD kStopWaitStep = 100;
}

CZMRMenuSoundPlayer* CZMRMenuSoundPlayer::GetInstance()
{
    static CZMRMenuSoundPlayer s_player;
    return &s_player;
}

void CZMRMenuSoundPlayer::SetPlayFunction(PLAYSOUNDPROC pfnPlay)
{
    g_pfnPlay.store(pfnPlay);
}

CZMRMenuSoundPlayer::CZMRMenuSoundPlayer() : m_nRequest(0), m_bEnabled(TRUE), m_hThread(nullptr), m_bStop(FALSE)
{
}

CZMRMenuSoundPlayer::~CZMRMenuSoundPlayer()
{
    Stop();
}

void CZMRMenuSoundPlayer::Request(int nSound)
{
    if (!m_bEnabled.load())
        return;
    if (!m_hThread)
        Start();
    m_nRequest.store(nSound);
}

void CZMRMenuSoundPlayer::Start()
{
    m_nRequest.store(0);
    m_bStop.store(FALSE);
    m_hThread = ::CreateThread(nullptr, 0, ThreadProc, this, CREATE_SUSPENDED, nullptr);
    if (!m_hThread)
        return;
    ::SetThreadPriority(m_hThread, THREAD_PRIORITY_BELOW_NORMAL);
    ::ResumeThread(m_hThread);
}

DWORD WINAPI CZMRMenuSoundPlayer::ThreadProc(LPVOID pParam)
{
    static_cast<CZMRMenuSoundPlayer*>(pParam)->Run();
    return 0;
}

void CZMRMenuSoundPlayer::Run()
{
    while (!m_bStop.load())
    {
        const int nRequest = m_nRequest.load();
        if (nRequest == soundMenuCommand || nRequest == soundMenuPopup)
        {
            Play(nRequest == soundMenuCommand ? L"MenuCommand" : L"MenuPopup", SND_ALIAS | SND_NODEFAULT | SND_NOWAIT);
            m_nRequest.store(0);
        }
        ::Sleep(5);
    }
    Play(nullptr, SND_PURGE);
}

void CZMRMenuSoundPlayer::Stop()
{
    if (!m_hThread)
        return;
    m_bStop.store(TRUE);
    int nWaits = 0;
    BOOL bSoundStopped = FALSE;
    DWORD dwExitCode = 0;
    while (::GetExitCodeThread(m_hThread, &dwExitCode) && dwExitCode == STILL_ACTIVE)
    {
        if (++nWaits > kStopWaits)
        {
            // A sound still holds the worker. Stop it and give the worker
            // one more wait: a thread terminated inside the sound library
            // can leave the library's locks held for the whole process.
            if (bSoundStopped)
            {
                ::TerminateThread(m_hThread, 0);
                break;
            }
            bSoundStopped = TRUE;
            Play(nullptr, 0);
            nWaits = kStopWaits;
        }
        ::WaitForSingleObject(m_hThread, kStopWaitStep);
    }
    ::CloseHandle(m_hThread);
    m_hThread = nullptr;
}
