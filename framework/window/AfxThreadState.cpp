#include "window/AfxThreadState.h"
#include "window/CWnd.h"
#include "window/CDC.h"
#include "window/CGdiObject.h"
#include "window/CMenu.h"
#include "window/CImageList.h"
#include "window/CToolTipCtrl.h"

AFX_THREAD_STATE::~AFX_THREAD_STATE()
{
    // The tooltip control is a window of this thread: it goes while the thread can still destroy it.
    delete m_pToolTip;
    m_pToolTip = nullptr;
    if (m_hHookOldCbtFilter != nullptr)
        ::UnhookWindowsHookEx(m_hHookOldCbtFilter);
}

namespace
{
// A thread's state is a heap object held in a fiber-local slot, deleted by the
// slot's callback when the thread ends. Not a C++ thread_local: this runtime
// frees a thread's thread_local storage before it runs their destructors, so
// the destructor would read and write freed memory.
void WINAPI DeleteThreadState(void* pState);

DWORD StateSlot()
{
    static const DWORD s_dwSlot = ::FlsAlloc(&DeleteThreadState);
    return s_dwSlot;
}

void WINAPI DeleteThreadState(void* pState)
{
    // The state stays the thread's own while it is destroyed: windows it
    // destroys still reach their maps through AfxGetThreadState.
    ::FlsSetValue(StateSlot(), pState);
    delete static_cast<AFX_THREAD_STATE*>(pState);
    ::FlsSetValue(StateSlot(), nullptr);
}
} // namespace

AFX_THREAD_STATE* AfxGetThreadState()
{
    const DWORD dwSlot = StateSlot();
    auto* pState = static_cast<AFX_THREAD_STATE*>(::FlsGetValue(dwSlot));
    if (pState == nullptr)
    {
        pState = new AFX_THREAD_STATE;
        ::FlsSetValue(dwSlot, pState);
    }
    return pState;
}

void AFXAPI AfxDeleteTempMaps()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    pState->m_windows.DeleteTemp();
    pState->m_dcs.DeleteTemp();
    pState->m_gdiObjects.DeleteTemp();
    pState->m_menus.DeleteTemp();
    pState->m_imageLists.DeleteTemp();
}
