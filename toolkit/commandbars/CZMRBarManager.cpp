#include "CZMRBarManager.h"
#include "CZMRControl.h"
#include "CZMRControlActions.h"
#include "CZMRControlDragHelper.h"
#include "CZMRCommandBar.h"
#include "CZMRPopupBar.h"
#include "CZMRPopupToolBar.h"
#include "CZMRMouseManager.h"
#include "CZMRPaintManager.h"
#include "CZMRImageManager.h"

ZMR_BAR_CLASSES CZMRBarManager::m_classes = {RUNTIME_CLASS(CZMRPopupBar), RUNTIME_CLASS(CZMRPopupToolBar)};

CZMRBarManager::CZMRBarManager()
    : m_pDragHelper(nullptr), m_pPaintManager(nullptr), m_pImageManager(nullptr), m_pCustomizeSelection(nullptr),
      m_pCustomizeMode(nullptr), m_pSite(nullptr), m_pActions(nullptr), m_bEnableActions(FALSE),
      m_bCustomizeAll(FALSE)
{
    m_pDragHelper = new CZMRControlDragHelper(this);
    m_pActions = new CZMRControlActions(this);
}

CZMRBarManager::~CZMRBarManager()
{
    SetCustomizeSelection(nullptr);
    delete m_pDragHelper;
    m_pActions->InternalRelease();
    SetPaintManager(nullptr);
    SetImageManager(nullptr);
}

CZMRPaintManager* CZMRBarManager::GetGlobalPaintManager()
{
    if (!CZMRPaintManager::GetCurrent())
        CZMRPaintManager::SetTheme(zmrThemeDefault);
    return CZMRPaintManager::GetCurrent();
}

CZMRPaintManager* CZMRBarManager::GetPaintManager() const
{
    return m_pPaintManager ? m_pPaintManager : GetGlobalPaintManager();
}

CZMRImageManager* CZMRBarManager::GetImageManager() const
{
    return m_pImageManager ? m_pImageManager : ::GetImageManager();
}

void CZMRBarManager::SetPaintManager(CZMRPaintManager* pPaintManager)
{
    ZMRReplaceReference(m_pPaintManager, pPaintManager);
}

void CZMRBarManager::SetImageManager(CZMRImageManager* pImageManager)
{
    ZMRReplaceReference(m_pImageManager, pImageManager);
}

CZMRControlAction* CZMRBarManager::GetAction(int nId)
{
    return m_pActions->FindOrAdd(nId);
}

CZMRControlAction* CZMRBarManager::FindAction(int nId) const
{
    return m_pActions->FindById(nId);
}

void CZMRBarManager::SetCustomizeMode(CCmdTarget* pCustomizeMode)
{
    m_options.bDirtyState = TRUE;
    m_pCustomizeMode = pCustomizeMode;
    SetCustomizeSelection(nullptr);
}

void CZMRBarManager::SetCustomizeSelection(CZMRControl* pControl)
{
    if (pControl == m_pCustomizeSelection)
        return;
    if (CZMRControl* pOld = m_pCustomizeSelection)
    {
        m_pCustomizeSelection = nullptr;
        pOld->RepaintInParentBar();
        pOld->InternalRelease();
    }
    m_pCustomizeSelection = pControl;
    if (pControl)
    {
        pControl->InternalAddRef();
        pControl->RepaintInParentBar();
    }
    NotifyCustomizeSelection();
}

void CZMRBarManager::NotifyCustomizeSelection()
{
    HWND hWnd = m_pDragHelper->GetCustomizeWindow();
    if (!hWnd && m_pSite)
        hWnd = m_pSite->GetSafeHwnd();
    if (hWnd)
        ::SendMessage(hWnd, ZMR_WM_CUSTOMIZESELECTION, 0, 0);
}

void CZMRBarManager::SetDragHelper(CZMRControlDragHelper* pDragHelper)
{
    delete m_pDragHelper;
    m_pDragHelper = pDragHelper;
}

void CZMRBarManager::CancelTracking()
{
    CZMRMouseManager::GetThreadMouseManager()->CloseAllTracked();
}

void CZMRBarManager::RecordCommandUse(int nId)
{
    if (!IsCommandTracked(nId))
        return;
    m_options.mapUsedCommands.SetAt(UINT(nId), TRUE);
    m_options.bDirtyState = TRUE;
}

BOOL CZMRBarManager::IsCommandTracked(int nId) const
{
    // The toolkit's own commands are not the user's.
    return nId > 0 && !(nId >= ZMR_ID_TOOLKIT_FIRST && nId <= ZMR_ID_TOOLKIT_LAST);
}

CZMRCommandBar* CZMRBarManager::CreateBar(CRuntimeClass* pClass, CRuntimeClass* pRequired,
                                          CZMRBarManager* pBarManager)
{
    CObject* pObject = pClass ? pClass->CreateObject() : nullptr;
    CZMRCommandBar* pBar = static_cast<CZMRCommandBar*>(AfxDynamicDownCast(pRequired, pObject));
    if (!pBar)
    {
        delete pObject;
        AfxThrowMemoryException();
    }
    pBar->SetBarManager(pBarManager);
    return pBar;
}
