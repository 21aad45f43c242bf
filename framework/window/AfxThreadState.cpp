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

AFX_THREAD_STATE* AfxGetThreadState()
{
    static thread_local AFX_THREAD_STATE state;
    return &state;
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
