// Lets any number of toolkit objects watch the messages of a window they do
// not own: the window's procedure is replaced once, and every hookable of the
// window is asked about each message, the one added last first.
#pragma once
#include "CZMRHookManagerHookAble.h"

// The index of a pointer in a pointer array, or -1.
template <class TYPE, class ARG_TYPE>
INT_PTR PtrArrayFind(const CArray<TYPE, ARG_TYPE>& arr, const void* p)
{
    for (INT_PTR i = 0; i < arr.GetSize(); i++)
    {
        if (static_cast<const void*>(arr[i]) == p)
            return i;
    }
    return -1;
}

class CZMRHookManager
{
public:
    // The hookables of one window, in the order they were added, and the
    // procedure the hook replaced.
    class CHookSink : public CArray<CZMRHookManagerHookAble*, CZMRHookManagerHookAble*>
    {
    public:
        CHookSink(HWND hWnd, CZMRHookManager* pManager);
        ~CHookSink() override;

        // bDelete FALSE leaves a marked hookable alive (it is on other windows too).
        void RemoveHookable(CZMRHookManagerHookAble* pHookAble, BOOL bDelete = TRUE);
        // Asks the hookables, the last added first; TRUE when one handled the
        // message (lResult is then its result).
        BOOL OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult);
        LRESULT CallPrevious(UINT nMessage, WPARAM wParam, LPARAM lParam) const;

        WNDPROC m_pOldWndProc;
        HWND m_hWnd;
        BOOL m_bUnicode;

    protected:
        // Puts the previous procedure back unless another one has been
        // installed over ours since.
        void Unhook();
        // Takes every hookable off, deleting those that carry the marker.
        void DetachHookables();

        CZMRHookManager* m_pManager;
        // Messages of the window being dispatched now. A sink that leaves the
        // map meanwhile is deleted only when the outermost one is through.
        int m_nDispatch;
        BOOL m_bRemoved;
        BOOL m_bHooked;

        friend class CZMRHookManager;
    };

    CZMRHookManager();
    virtual ~CZMRHookManager();

    void SetHook(HWND hWnd, CZMRHookManagerHookAble* pHookAble);
    void RemoveHook(HWND hWnd, CZMRHookManagerHookAble* pHookAble);
    void RemoveAll(CZMRHookManagerHookAble* pHookAble);
    CHookSink* Lookup(HWND hWnd) const;
    void RemoveSink(HWND hWnd);

    static LRESULT CALLBACK HookWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);

protected:
    // The sink of a window whose last hookable left: it goes when the
    // window's procedure could be put back, else it stays to pass messages on.
    void ReleaseSink(CHookSink* pSink);
    // The window ends: its sink leaves both maps.
    void ForgetWindow(CHookSink* pSink);
    static void DropSink(CHookSink* pSink);
    CHookSink* LookupPassOn(HWND hWnd) const;

    CMapPtrToPtr m_mapSinks;   // HWND -> CHookSink*
    // Windows that got a procedure of someone else's over ours after we
    // hooked them: ours cannot be taken out without cutting theirs off, so
    // their empty sinks stay here and pass every message on to the
    // procedure we replaced.
    CMapPtrToPtr m_mapPassOn;   // HWND -> CHookSink*
};

CZMRHookManager* GetHookManager();
