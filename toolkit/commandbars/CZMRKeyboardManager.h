// The per-thread object that hands the thread's keys to the command bars in
// menu mode: a keyboard hook and a call-window-procedure hook, held while at
// least one bar listens, and the listening bars, asked last-added first.
#pragma once
#include "Framework.h"
#include "toolkit/ThreadLocal.h"
#include "CZMRHookManagerHookAble.h"

class CZMRKeyboardManager : public CNoTrackObject
{
public:
    CZMRKeyboardManager();
    ~CZMRKeyboardManager() override;

    // The calling thread's keyboard manager, made on its first use.
    static CZMRKeyboardManager* GetThreadKeyboardManager();

    // Installs the hooks when missing and lists the sink once.
    void AddSink(CZMRHookManagerHookAble* pHookAble);
    // Unlists the sink; the hooks go with the last one.
    void RemoveSink(CZMRHookManagerHookAble* pHookAble);
    int GetSinkCount() const { return int(m_lstSinks.GetCount()); }
    // The sinks in the order they were added; none outside the list.
    CZMRHookManagerHookAble* GetSinkAt(int nIndex) const;
    BOOL IsHooked() const { return m_hHookKeyboard != nullptr && m_hHookCallWndProc != nullptr; }

    // Offers a key to the sinks, last added first. 1: swallow the key (a sink
    // handled it, or nobody answered), 0: a sink let it through.
    LRESULT DispatchKeyToSinks(UINT nMessage, WPARAM wParam, LPARAM lParam);

    // The work of the hooks on their own arguments, apart from the hook chain.
    // TRUE: the key is swallowed.
    BOOL OnKeyboardHook(int nCode, WPARAM wParam, LPARAM lParam);
    void OnCallWndProcHook(int nCode, WPARAM wParam, LPARAM lParam);

protected:
    static LRESULT CALLBACK KeyboardHook(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CallWndProcHook(int nCode, WPARAM wParam, LPARAM lParam);
    void InstallHooks();
    void RemoveHooks();

    HHOOK m_hHookKeyboard;
    HHOOK m_hHookCallWndProc;
    CList<CZMRHookManagerHookAble*, CZMRHookManagerHookAble*> m_lstSinks;
};
