// The collection's list: creation by type, insertion and binding to actions,
// removal, lookup and navigation, copies and the original-controls snapshot.
#include "CZMRControls.h"
#include "CZMROriginalControls.h"
#include "CZMRControl.h"
#include "CZMRControlAction.h"
#include "CZMRControlActions.h"
#include "CZMRCommandBar.h"
#include "CZMRPopupBar.h"
#include "CZMRBarManager.h"
#include "CZMRControlButton.h"
#include "CZMRControlPopup.h"
#include "CZMRControlLabel.h"
#include "CZMRControlCheckBox.h"
#include "CZMRControlRadioButton.h"
#include "CZMRControlEdit.h"
#include "CZMRControlComboBox.h"
#include "CZMRControlGallery.h"
#include "CZMRControlCustom.h"
#include "CZMRControlWindowList.h"
#include "CZMRControlToolbars.h"
#include "CZMRControlRecentFileList.h"
#include "CZMRControlWorkspaceActions.h"
#include "CZMRControlOleItems.h"
#include "CZMRDrawHelpers.h"
#include "CZMRResourceManager.h"

IMPLEMENT_DYNCREATE(CZMRControls, CCmdTarget)

CZMRControls::CZMRControls()
    : m_pParent(nullptr), m_pBarManager(nullptr), m_pOriginalControls(nullptr), m_bOriginalControls(FALSE)
{
}

CZMRControls::~CZMRControls()
{
    RemoveAll();
    // Controls that vetoed their removal go with the collection all the same.
    while (GetCount() > 0)
    {
        CZMRControl* pControl = m_arrControls[GetCount() - 1];
        m_arrControls.RemoveAt(GetCount() - 1);
        pControl->m_pControls = nullptr;
        pControl->OnRemoved();
        pControl->SetParent(nullptr);
        pControl->InternalRelease();
    }
    SetOriginalControls(nullptr);
}

// ---------------------------------------------------------------- the parents

void CZMRControls::SetParent(CZMRCommandBar* pParent)
{
    m_pParent = pParent;
    if (GetCount() > 0)
        RefreshIndexes();
}

CZMRBarManager* CZMRControls::GetBarManager() const
{
    return m_pParent ? m_pParent->GetBarManager() : m_pBarManager;
}

CWnd* CZMRControls::GetSite() const
{
    CZMRBarManager* pManager = GetBarManager();
    if (pManager && pManager->GetSite() && pManager->GetSite()->GetSafeHwnd())
        return pManager->GetSite();
    CWnd* pOwner = m_pParent ? m_pParent->GetOwnerWindow() : nullptr;
    return pOwner && pOwner->GetSafeHwnd() ? pOwner : nullptr;
}

// ---------------------------------------------------------------- creation and insertion

CZMRCommandBar* CZMRControls::CreatePopupBar(const CString& strCaption, int nId)
{
    if (CWnd* pSite = GetSite())
    {
        ZMR_CREATEBAR_RECORD cs = {};
        cs.bPopup = TRUE;
        cs.strCaption = strCaption;
        cs.nId = nId;
        if (pSite->SendMessage(ZMR_WM_CREATECOMMANDBAR, 0, LPARAM(&cs)) != 0 && cs.pCommandBar)
        {
            if (cs.pCommandBar->IsKindOf(RUNTIME_CLASS(CZMRPopupBar)))
                return cs.pCommandBar;
            // Not a popup bar: the site's object is handed back.
            cs.pCommandBar->InternalRelease();
        }
    }
    return CZMRPopupBar::CreatePopupBar(GetBarManager());
}

CZMRControl* CZMRControls::CreateControl(int controlType, int nId, BOOL bFromMenu, const CString& strCaption)
{
    switch (controlType)
    {
    case zmrControlButton:
        if (nId == ZMR_ID_WINDOWLIST)
            return new CZMRControlWindowList;
        if (nId == ZMR_ID_WORKSPACE_ACTIONS)
            return new CZMRControlWorkspaceActions;
        if (nId == ZMR_ID_TOOLBARLIST)
            return new CZMRControlToolbars;
        // Menus name the recent files by the framework's first recent-file
        // command, bars by the list control's own id.
        if (nId == (bFromMenu ? ZMR_ID_FILE_MRU_FIRST : ZMR_ID_FILE_MRU))
            return new CZMRControlRecentFileList;
        if (bFromMenu && nId == ZMR_ID_OLE_VERB_FIRST && strCaption == ZMR_OLE_VERBS_TEXT)
            return new CZMRControlOleItems;
        return new CZMRControlButton;

    case zmrControlPopup:
    case zmrControlButtonPopup:
    case zmrControlSplitButtonPopup:
    {
        CZMRControlPopup* pPopup = new CZMRControlPopup;
        CZMRCommandBar* pPopupBar = nullptr;
        try
        {
            pPopupBar = bFromMenu || nId > 0 ? CreatePopupBar(strCaption, nId)
                                             : CZMRPopupBar::CreatePopupBar(GetBarManager());
        }
        catch (...)
        {
            pPopup->InternalRelease();
            throw;
        }
        if (pPopupBar)
        {
            pPopup->SetCommandBar(pPopupBar);
            pPopupBar->InternalRelease();
        }
        return pPopup;
    }

    case zmrControlComboBox:
        return new CZMRControlComboBox;
    case zmrControlEdit:
        return new CZMRControlEdit;
    case zmrControlLabel:
        return new CZMRControlLabel;
    case zmrControlCheckBox:
        return new CZMRControlCheckBox;
    case zmrControlGallery:
        return new CZMRControlGallery;
    case zmrControlRadioButton:
        return new CZMRControlRadioButton;
    }
    return nullptr;
}

BOOL CZMRControls::LoadMenuResource(CMenu& menu, int nId)
{
    // Menu resources have 16-bit ids.
    return nId >= 1 && nId <= 0xFFFF && GetResourceManager()->LoadMenu(&menu, UINT(nId)) &&
           ::IsMenu(menu.GetSafeHmenu());
}

CZMRControl* CZMRControls::Add(int controlType, int nId, LPCTSTR lpszParameter, int nBefore, BOOL bTemporary)
{
    if (controlType == zmrControlCustom)
        return AddControl(new CZMRControlCustom, nId, lpszParameter, nBefore, bTemporary);

    // A popup made for a menu resource of its id shows that menu's first
    // popup, under the text of its first item.
    CMenu menu;
    BOOL bMenuLoaded = FALSE;
    CString strCaption;
    if (IsPopupType(controlType) && LoadMenuResource(menu, nId) && menu.GetMenuItemCount() > 0)
    {
        bMenuLoaded = TRUE;
        menu.GetMenuString(0, strCaption, MF_BYPOSITION);
    }

    CZMRControl* pControl = CreateControl(controlType, nId, FALSE, strCaption);
    if (!pControl)
        return nullptr;

    if (bMenuLoaded)
    {
        pControl->SetCaption(strCaption);
        CMenu* pSubMenu = menu.GetSubMenu(0);
        CZMRCommandBar* pPopupBar = pControl->GetCommandBar();
        if (pSubMenu && pPopupBar)
            pPopupBar->LoadMenu(pSubMenu, TRUE);
    }
    pControl->m_controlType = controlType;
    return AddControl(pControl, nId, lpszParameter, nBefore, bTemporary);
}

CZMRControl* CZMRControls::AddControl(CZMRControl* pControl, int nId, LPCTSTR lpszParameter, int nBefore,
                                      BOOL bTemporary)
{
    if (!pControl)
        return nullptr;
    pControl->m_strParameter = lpszParameter ? lpszParameter : L"";
    pControl->m_bTemporary = bTemporary;

    if (!pControl->GetAction())
    {
        // The toolkit's own commands and the list controls never get actions
        // of their own.
        CZMRBarManager* pManager = GetBarManager();
        CZMRControlAction* pAction = pManager ? pManager->FindAction(nId) : nullptr;
        if (!pAction && pManager && pManager->IsActionsEnabled() && CZMRControlActions::IsActionId(nId) &&
            !(nId >= ZMR_ID_TOOLKIT_FIRST && nId <= ZMR_ID_TOOLKIT_LAST) &&
            !(nId >= ZMR_ID_LISTCONTROLS_FIRST && nId <= ZMR_ID_LISTCONTROLS_LAST))
            pAction = pManager->GetAction(nId);

        if (pAction)
            pControl->SetAction(pAction);
        else
            pControl->SetID(nId);
    }
    return InsertAt(pControl, nBefore);
}

CZMRControl* CZMRControls::InsertAt(CZMRControl* pControl, int nIndex)
{
    if (!pControl)
        return nullptr;
    if (nIndex < 0 || nIndex >= GetCount())
        m_arrControls.Add(pControl);
    else
        m_arrControls.InsertAt(nIndex, pControl);
    OnControlAdded(pControl);
    return pControl;
}

CZMRControl* CZMRControls::FindCopyOf(CZMRControl* pControl) const
{
    if (!pControl)
        return nullptr;
    for (int i = 0; i < GetCount(); i++)
    {
        CZMRControl* pCopy = m_arrControls[i];
        if (pCopy->GetID() == pControl->GetID() && pCopy->GetType() == pControl->GetType() &&
            pCopy->IsVisible(zmrHideWrap) && pCopy->GetRuntimeClass() == pControl->GetRuntimeClass())
            return pCopy;
    }
    return nullptr;
}

CZMRControl* CZMRControls::AddCopy(CZMRControl* pControl, int nBefore, BOOL bRecursive)
{
    if (!pControl)
        return nullptr;
    CZMRControl* pCopy = static_cast<CZMRControl*>(pControl->GetRuntimeClass()->CreateObject());
    if (!pCopy)
        return nullptr;
    InsertAt(pCopy, nBefore);
    pCopy->Copy(pControl, bRecursive);
    return pCopy;
}

CZMRControl* CZMRControls::ChangeControlType(CZMRControl* pControl, int controlType)
{
    if (!pControl || pControl->GetControls() != this)
        return nullptr;
    if (IsPopupType(pControl->GetType()) && IsPopupType(controlType))
    {
        pControl->m_controlType = controlType;
        return pControl;
    }

    CZMRControl* pNew = Add(controlType, 0, L"", pControl->GetIndex() + 1, FALSE);
    if (!pNew)
        return nullptr;
    pNew->Copy(pControl, FALSE);
    pNew->m_controlType = controlType;
    Remove(pControl);
    return pNew;
}

CZMRControl* CZMRControls::SetControlType(int nIndex, int controlType)
{
    return ChangeControlType(GetAt(nIndex), controlType);
}

void CZMRControls::BindToAction(CZMRControl* pControl, int nId, const CString& strCaption)
{
    CZMRBarManager* pManager = GetBarManager();
    if (CZMRControlAction* pAction = pManager ? pManager->FindAction(nId) : nullptr)
    {
        pControl->SetAction(pAction);
        if (pAction->GetCaption().IsEmpty())
            pAction->SetCaption(strCaption);
    }
    else if (pManager && pManager->IsActionsEnabled() && nId != 0 && UINT(nId) < 0xFFFFFFF &&
             (pAction = pManager->GetAction(nId)) != nullptr)
    {
        pControl->SetAction(pAction);
        pAction->SetCaption(strCaption);
    }
    else
    {
        pControl->SetID(nId);
        pControl->SetCaption(strCaption);
    }
}

// ---------------------------------------------------------------- removal

void CZMRControls::Remove(CZMRControl* pControl)
{
    if (!pControl || pControl->GetControls() != this)
        return;
    if (pControl->GetSelected() && m_pParent)
        m_pParent->SetHotControl(-1);

    const int nIndex = pControl->GetIndex();
    if (nIndex < 0 || nIndex >= GetCount() || m_arrControls[nIndex] != pControl || IsRemoveVetoed(pControl))
        return;

    m_arrControls.RemoveAt(nIndex);
    OnControlRemoved(pControl);
    pControl->SetParent(nullptr);
    pControl->InternalRelease();
}

void CZMRControls::RemoveAt(int nIndex)
{
    Remove(GetAt(nIndex));
}

void CZMRControls::RemoveAll()
{
    for (int i = GetCount() - 1; i >= 0; i--)
        Remove(GetAt(i));
}

void CZMRControls::OnControlAdded(CZMRControl* /*pControl*/)
{
    RefreshIndexes();
}

void CZMRControls::OnControlRemoved(CZMRControl* pControl)
{
    pControl->m_pControls = nullptr;
    pControl->OnRemoved();
    pControl->SetParent(nullptr);
    RefreshIndexes();
}

BOOL CZMRControls::IsRemoveVetoed(CZMRControl* /*pControl*/) const
{
    return FALSE;
}

void CZMRControls::RefreshIndexes()
{
    for (int i = 0; i < GetCount(); i++)
    {
        CZMRControl* pControl = m_arrControls[i];
        pControl->m_nIndex = i;
        pControl->m_pControls = this;
        pControl->SetParent(m_pParent);
    }
    if (m_pParent)
        m_pParent->ResetSelection();
}

// ---------------------------------------------------------------- lookup and navigation

CZMRControl* CZMRControls::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrControls[nIndex] : nullptr;
}

CZMRControl* CZMRControls::FindControl(int controlType, int nId, BOOL bVisible, BOOL bRecursive) const
{
    for (int i = 0; i < GetCount(); i++)
    {
        CZMRControl* pControl = m_arrControls[i];
        if ((controlType == zmrControlError || pControl->GetType() == controlType) &&
            (nId == -1 || pControl->GetID() == nId) && (!bVisible || pControl->IsVisible()))
            return pControl;

        if (bRecursive)
        {
            CZMRCommandBar* pPopupBar = pControl->GetCommandBar();
            if (pPopupBar && pPopupBar->GetControls() != this)
            {
                if (CZMRControl* pFound = pPopupBar->GetControls()->FindControl(controlType, nId, bVisible, TRUE))
                    return pFound;
            }
        }
    }
    return nullptr;
}

CZMRControl* CZMRControls::HitTest(CPoint point) const
{
    for (int i = 0; i < GetCount(); i++)
    {
        CZMRControl* pControl = m_arrControls[i];
        if (pControl->IsVisible() && pControl->GetRect().PtInRect(point))
            return pControl;
    }
    return nullptr;
}

int CZMRControls::GetVisibleCount(BOOL bStrict) const
{
    int nCount = 0;
    for (int i = 0; i < GetCount(); i++)
    {
        if (m_arrControls[i]->IsVisible(bStrict ? 0 : zmrHideWrap))
            nCount++;
    }
    return nCount;
}

CZMRControl* CZMRControls::GetVisibleAt(int nIndex, BOOL bStrict) const
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (m_arrControls[i]->IsVisible(bStrict ? 0 : zmrHideWrap) && nIndex-- == 0)
            return m_arrControls[i];
    }
    return nullptr;
}

int CZMRControls::GetNext(int nIndex, int nDirection, BOOL bSkipUnnavigable, BOOL bSkipTemporary,
                          BOOL bIncludeCollapsed) const
{
    const int nCount = GetCount();
    if (nCount == 0 || nDirection == 0)
        return -1;
    nDirection = nDirection > 0 ? +1 : -1;

    const DWORD dwSkipFlags = zmrHideInternal | (bIncludeCollapsed ? zmrHideExpand : 0);
    auto isAcceptable = [&](int i) {
        const CZMRControl* pControl = m_arrControls[i];
        return pControl->IsVisible(dwSkipFlags) && !(bSkipUnnavigable && (pControl->GetFlags() & zmrFlagSkipFocus)) &&
               !(bSkipTemporary && pControl->IsTemporary());
    };

    // From -1 the walk runs once over the collection; from a control it
    // wraps once and stops when it comes back.
    BOOL bMayWrap = nIndex != -1;
    int i = (nIndex == -1 && nDirection < 0) ? nCount - 1 : nIndex + nDirection;
    for (;;)
    {
        if (i >= nCount || i < 0)
        {
            if (!bMayWrap)
                return -1;
            bMayWrap = FALSE;
            i = i < 0 ? nCount - 1 : 0;
        }
        if (i == nIndex)
            return nIndex;
        if (isAcceptable(i))
            return i;
        i += nDirection;
    }
}

BOOL CZMRControls::IsEqual(CZMRControls* pOther) const
{
    if (!pOther)
        return FALSE;
    int i = 0, j = 0;
    for (;;)
    {
        while (i < GetCount() && m_arrControls[i]->IsTemporary())
            i++;
        while (j < pOther->GetCount() && pOther->GetAt(j)->IsTemporary())
            j++;
        if (i >= GetCount() || j >= pOther->GetCount())
            return i >= GetCount() && j >= pOther->GetCount();
        if (!m_arrControls[i]->Compare(pOther->GetAt(j)))
            return FALSE;
        i++;
        j++;
    }
}

BOOL CZMRControls::IsChanged() const
{
    return !m_pOriginalControls || !m_pOriginalControls->IsEqual(const_cast<CZMRControls*>(this));
}

// ---------------------------------------------------------------- copies and the snapshot

BOOL CZMRControls::ShouldSaveControl(CZMRControl* pControl) const
{
    return !pControl->IsTemporary();
}

void CZMRControls::SetOriginalControls(CZMROriginalControls* pOriginalControls)
{
    if (m_pOriginalControls)
        m_pOriginalControls->InternalRelease();
    m_pOriginalControls = pOriginalControls;
}

void CZMRControls::CreateOriginalControls()
{
    CZMROriginalControls* pOriginal = new CZMROriginalControls;
    pOriginal->SetBarManager(GetBarManager());
    for (int i = 0; i < GetCount(); i++)
    {
        if (!m_arrControls[i]->IsTemporary())
            pOriginal->AddCopy(m_arrControls[i], -1, TRUE);
    }
    SetOriginalControls(pOriginal);
}

CZMRControls* CZMRControls::Duplicate(BOOL bRecursive) const
{
    CZMRControls* pDuplicate = static_cast<CZMRControls*>(GetRuntimeClass()->CreateObject());
    if (!pDuplicate)
        AfxThrowMemoryException();
    pDuplicate->SetBarManager(GetBarManager());
    for (int i = 0; i < GetCount(); i++)
    {
        if (!m_arrControls[i]->IsTemporary())
            pDuplicate->AddCopy(m_arrControls[i], -1, bRecursive);
    }
    if (m_pOriginalControls)
        pDuplicate->SetOriginalControls(static_cast<CZMROriginalControls*>(m_pOriginalControls->Duplicate(bRecursive)));
    return pDuplicate;
}

void CZMRControls::Copy(CZMRControls* pOther, BOOL bRecursive)
{
    if (!pOther || pOther == this)
        return;
    RemoveAll();
    for (int i = 0; i < pOther->GetCount(); i++)
    {
        if (!pOther->GetAt(i)->IsTemporary())
            AddCopy(pOther->GetAt(i), -1, bRecursive);
    }
    CZMROriginalControls* pOriginal = pOther->m_pOriginalControls;
    SetOriginalControls(pOriginal ? static_cast<CZMROriginalControls*>(pOriginal->Duplicate(bRecursive)) : nullptr);
}

