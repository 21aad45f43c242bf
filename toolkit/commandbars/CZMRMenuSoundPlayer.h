// Plays the system's menu sounds without holding up the user interface: the
// interface thread only posts a request into a shared word, and a worker
// thread, started on the first request, plays it.
#pragma once
#include "Framework.h"
#include <atomic>

class CZMRMenuSoundPlayer
{
public:
    enum Sound
    {
        soundMenuCommand = 1,
        soundMenuPopup = 2
    };

    // The platform's sound function: sound, module, flags.
    typedef BOOL(WINAPI* PLAYSOUNDPROC)(LPCWSTR pszSound, HMODULE hModule, DWORD fdwSound);

    // The one player of the process, made on the first call.
    static CZMRMenuSoundPlayer* GetInstance();

    // Asks for a sound; a later request replaces one not yet taken.
    void Request(int nSound);
    // Ends the worker: the sound is stopped first, the thread is terminated
    // only when it still does not finish.
    void Stop();

    // While off, requests are ignored.
    void SetEnabled(BOOL bEnabled) { m_bEnabled.store(bEnabled); }
    BOOL IsEnabled() const { return m_bEnabled.load(); }
    int GetPendingRequest() const { return m_nRequest.load(); }
    BOOL IsRunning() const { return m_hThread != nullptr; }

    // Puts another sound function in place (null: the platform's again).
    static void SetPlayFunction(PLAYSOUNDPROC pfnPlay);

    ~CZMRMenuSoundPlayer();

private:
    CZMRMenuSoundPlayer();
    void Start();
    static DWORD WINAPI ThreadProc(LPVOID pParam);
    void Run();

    std::atomic<int> m_nRequest;
    std::atomic<BOOL> m_bEnabled;
    HANDLE m_hThread;
    std::atomic<BOOL> m_bStop;
};
