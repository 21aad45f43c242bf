// The menu sound player: which system sound each request plays, with which
// flags, and how the worker is ended. A sound function of the test's own
// records every call and can hold the worker inside a "long sound".
#include "CZMRMenuSoundPlayer.h"
#include <gtest/gtest.h>
#include <mmsystem.h>
#include <string>
#include <vector>

namespace
{
struct PlayCall
{
    std::wstring sound; // empty for a call without a sound
    DWORD flags;
};

CRITICAL_SECTION g_lock;
std::vector<PlayCall> g_calls;
HANDLE g_hPlayed = nullptr;  // set after every call with a sound
HANDLE g_hRelease = nullptr; // a long sound ends when this is set
bool g_bLongSound = false;
bool g_bDeaf = false; // the long sound ignores being stopped

BOOL WINAPI FakePlay(LPCWSTR pszSound, HMODULE, DWORD fdwSound)
{
    ::EnterCriticalSection(&g_lock);
    g_calls.push_back({pszSound ? pszSound : L"", fdwSound});
    const bool bLong = g_bLongSound;
    const bool bDeaf = g_bDeaf;
    ::LeaveCriticalSection(&g_lock);
    if (pszSound)
    {
        ::SetEvent(g_hPlayed);
        if (bLong)
            ::WaitForSingleObject(g_hRelease, INFINITE);
    }
    else if (fdwSound == 0 && !bDeaf)
        ::SetEvent(g_hRelease);
    return TRUE;
}

class MenuSoundPlayer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::InitializeCriticalSection(&g_lock);
        g_calls.clear();
        g_bLongSound = g_bDeaf = false;
        g_hPlayed = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
        g_hRelease = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        // A worker that earlier tests started (any executed command asks for
        // a sound) ends before the fake player records anything.
        m_pPlayer = CZMRMenuSoundPlayer::GetInstance();
        m_pPlayer->Stop();
        CZMRMenuSoundPlayer::SetPlayFunction(FakePlay);
        m_pPlayer->SetEnabled(TRUE);
    }
    void TearDown() override
    {
        ::SetEvent(g_hRelease);
        m_pPlayer->Stop();
        m_pPlayer->SetEnabled(TRUE);
        CZMRMenuSoundPlayer::SetPlayFunction(nullptr);
        ::CloseHandle(g_hPlayed);
        ::CloseHandle(g_hRelease);
        ::DeleteCriticalSection(&g_lock);
    }

    // Waits for the worker to play a sound (a bound, not a pause).
    bool WaitPlayed() { return ::WaitForSingleObject(g_hPlayed, 5000) == WAIT_OBJECT_0; }
    // Waits until the worker has also cleared the request it played, so a
    // following request is not lost to that clearing.
    bool WaitTaken()
    {
        if (!WaitPlayed())
            return false;
        for (int i = 0; i < 1000000 && m_pPlayer->GetPendingRequest() != 0; i++)
            ::SwitchToThread();
        return m_pPlayer->GetPendingRequest() == 0;
    }

    std::vector<PlayCall> Calls()
    {
        ::EnterCriticalSection(&g_lock);
        std::vector<PlayCall> calls = g_calls;
        ::LeaveCriticalSection(&g_lock);
        return calls;
    }

    CZMRMenuSoundPlayer* m_pPlayer = nullptr;
};

const DWORD kAliasFlags = SND_ALIAS | SND_NODEFAULT | SND_NOWAIT;

TEST_F(MenuSoundPlayer, EachRequestPlaysItsSystemSoundOnTheWorker)
{
    EXPECT_EQ(0x12002u, kAliasFlags);
    EXPECT_FALSE(m_pPlayer->IsRunning());

    m_pPlayer->Request(CZMRMenuSoundPlayer::soundMenuCommand);
    EXPECT_TRUE(m_pPlayer->IsRunning());
    ASSERT_TRUE(WaitTaken());
    m_pPlayer->Request(CZMRMenuSoundPlayer::soundMenuPopup);
    ASSERT_TRUE(WaitPlayed());
    m_pPlayer->Stop();
    EXPECT_FALSE(m_pPlayer->IsRunning());

    // The worker ends by purging whatever still plays.
    const std::vector<PlayCall> calls = Calls();
    ASSERT_EQ(3u, calls.size());
    EXPECT_EQ(L"MenuCommand", calls[0].sound);
    EXPECT_EQ(kAliasFlags, calls[0].flags);
    EXPECT_EQ(L"MenuPopup", calls[1].sound);
    EXPECT_EQ(kAliasFlags, calls[1].flags);
    EXPECT_EQ(L"", calls[2].sound);
    EXPECT_EQ(static_cast<DWORD>(SND_PURGE), calls[2].flags);
}

TEST_F(MenuSoundPlayer, SoundsOffIgnoresRequestsAndStartsNoWorker)
{
    m_pPlayer->SetEnabled(FALSE);
    m_pPlayer->Request(CZMRMenuSoundPlayer::soundMenuCommand);
    m_pPlayer->Request(CZMRMenuSoundPlayer::soundMenuPopup);
    EXPECT_FALSE(m_pPlayer->IsRunning());
    EXPECT_EQ(0, m_pPlayer->GetPendingRequest());
    m_pPlayer->Stop();
    EXPECT_TRUE(Calls().empty());
}

TEST_F(MenuSoundPlayer, UnknownRequestStaysUnplayedUntilReplaced)
{
    m_pPlayer->Request(7);
    EXPECT_EQ(7, m_pPlayer->GetPendingRequest());
    m_pPlayer->Request(CZMRMenuSoundPlayer::soundMenuPopup);
    ASSERT_TRUE(WaitPlayed());
    m_pPlayer->Stop();
    const std::vector<PlayCall> calls = Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(L"MenuPopup", calls[0].sound);
    for (size_t i = 1; i < calls.size(); i++)
        EXPECT_EQ(L"", calls[i].sound);
}

TEST_F(MenuSoundPlayer, LaterRequestReplacesOneNotYetTakenAndStopRestarts)
{
    g_bLongSound = true;
    m_pPlayer->Request(CZMRMenuSoundPlayer::soundMenuCommand);
    ASSERT_TRUE(WaitPlayed());
    // While the worker plays, the word holds the request it took; what is
    // asked meanwhile is replaced by the later request and then cleared.
    m_pPlayer->Request(CZMRMenuSoundPlayer::soundMenuPopup);
    m_pPlayer->Request(CZMRMenuSoundPlayer::soundMenuCommand);
    EXPECT_EQ(CZMRMenuSoundPlayer::soundMenuCommand, m_pPlayer->GetPendingRequest());
    ::SetEvent(g_hRelease);
    m_pPlayer->Stop();

    // A request after Stop starts a new worker.
    g_bLongSound = false;
    m_pPlayer->Request(CZMRMenuSoundPlayer::soundMenuPopup);
    EXPECT_TRUE(m_pPlayer->IsRunning());
    ASSERT_TRUE(WaitPlayed());
    m_pPlayer->Stop();

    std::vector<std::wstring> sounds;
    for (const PlayCall& call : Calls())
        if (!call.sound.empty())
            sounds.push_back(call.sound);
    const std::vector<std::wstring> expected = {L"MenuCommand", L"MenuPopup"};
    EXPECT_EQ(expected, sounds);
}

// A sound that outlasts the waits is stopped through the sound function
// before the thread is touched; only a sound that ignores that is ended by
// terminating the worker.
TEST_F(MenuSoundPlayer, StopDuringLongSoundStopsTheSoundBeforeTerminating)
{
    struct Case
    {
        bool bDeaf;
        bool bPurgedByWorker;
    } cases[] = {{false, true}, {true, false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.bDeaf ? "sound ignores stop" : "sound stops");
        ::EnterCriticalSection(&g_lock);
        g_calls.clear();
        g_bLongSound = true;
        g_bDeaf = c.bDeaf;
        ::LeaveCriticalSection(&g_lock);
        ::ResetEvent(g_hRelease);

        m_pPlayer->Request(CZMRMenuSoundPlayer::soundMenuCommand);
        ASSERT_TRUE(WaitPlayed());
        m_pPlayer->Stop();
        EXPECT_FALSE(m_pPlayer->IsRunning());

        const std::vector<PlayCall> calls = Calls();
        ASSERT_GE(calls.size(), 2u);
        EXPECT_EQ(L"MenuCommand", calls[0].sound);
        EXPECT_EQ(L"", calls[1].sound);
        EXPECT_EQ(0u, calls[1].flags);
        // A worker that finished on its own purged on its way out.
        EXPECT_EQ(c.bPurgedByWorker, calls.size() == 3u && calls[2].flags == SND_PURGE);
        ::SetEvent(g_hRelease);
    }
}
} // namespace
