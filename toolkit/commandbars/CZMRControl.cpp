// The control's values: construction, texts and the rules by which they fall
// back to the action, images and styles, setters, copy and compare.
#include "CZMRControl.h"
#include "CZMRControlAction.h"
#include "CZMRControls.h"
#include "CZMRCommandBar.h"
#include "CZMRBarManager.h"
#include "CZMRPaintManager.h"
#include "CZMRImageManager.h"
#include "CZMRRibbonTheme.h"
#include <algorithm>

IMPLEMENT_SERIAL(CZMRControl, CCmdTarget, VERSIONABLE_SCHEMA | 0x21)

BEGIN_INTERFACE_MAP(CZMRControl, CCmdTarget)
    INTERFACE_PART(CZMRControl, IID_IAccessible, Accessible)
    INTERFACE_PART(CZMRControl, IID_IDispatch, Accessible)
END_INTERFACE_MAP()

CZMRControl::CZMRControl()
    : m_nTag(0), m_nIndex(0), m_nId(0), m_nIconId(0), m_nHelpId(0), m_nCustomIconId(0), m_bWrap(FALSE),
      m_bBeginGroup(FALSE), m_bEnabled(1), m_bChecked(0), m_bSelected(0), m_bPressed(0), m_bTemporary(FALSE),
      m_rcRow(0, 0, 0, 0), m_rcControl(0, 0, 0, 0), m_dwHideFlags(0), m_dwFlags(0), m_pControls(nullptr),
      m_controlType(zmrControlError), m_pParent(nullptr), m_bRarelyUsed(FALSE), m_bDefaultItem(FALSE),
      m_buttonStyle(zmrButtonAutomatic), m_buttonCustomStyle(-1), m_buttonOwnerStyle(zmrButtonAutomatic),
      m_bCloseSubMenuOnClick(TRUE), m_pRibbonGroup(nullptr), m_pAction(nullptr), m_nWidth(0), m_nHeight(0),
      m_nExecuteOnPressInterval(0), m_szIcon(0, 0)
{
    m_mapDocTemplatesAssigned.InitHashTable(10, FALSE);
    m_mapDocTemplatesExcluded.InitHashTable(10, FALSE);
}

CZMRControl::~CZMRControl()
{
    // The action's list must not keep a control that is gone.
    CZMRControl::SetAction(nullptr);
}

// ---------------------------------------------------------------- identity and texts

void CZMRControl::SetID(int nId)
{
    if (m_nId != nId)
    {
        CString strPrompt;
        if (CZMRControlAction::LoadCommandString(nId, strPrompt))
            SetPrompt(strPrompt);
        m_nId = nId;
    }
}

void CZMRControl::SetCaption(LPCTSTR lpszCaption)
{
    CString strCaption(lpszCaption);
    CString strShortcut;
    const int nTab = strCaption.Find(L'\t');
    if (nTab != -1)
    {
        strShortcut = strCaption.Mid(nTab + 1);
        strCaption = strCaption.Left(nTab);
    }

    const BOOL bShortcutChanged = nTab != -1 && m_strShortcutTextAuto != strShortcut;
    if (bShortcutChanged)
        m_strShortcutTextAuto = strShortcut;

    if (m_strCaption != strCaption)
    {
        m_strCaption = strCaption;
        OnCaptionChanged();
        InvalidateParentLayout();
    }
    else if (bShortcutChanged)
    {
        InvalidateParentLayout();
    }
}

void CZMRControl::SetCaption(UINT nIDResource)
{
    CString strCaption;
    if (CZMRControlAction::LoadCommandString(int(nIDResource), strCaption))
        SetCaption(strCaption);
}

void CZMRControl::SetCustomCaption(LPCTSTR lpszCaption)
{
    if (m_strCustomCaption != lpszCaption)
    {
        m_strCustomCaption = lpszCaption;
        InvalidateParentLayout();
    }
}

void CZMRControl::SetPrompt(LPCTSTR lpszPrompt)
{
    CString strPrompt(lpszPrompt);
    if (strPrompt.IsEmpty())
        return;

    if (strPrompt.Find(L'\n') != -1)
    {
        CZMRControlAction::ExtractPromptPart(strPrompt, 1, m_strTooltipText);
        CZMRControlAction::ExtractPromptPart(strPrompt, 0, m_strDescriptionText);
    }
    else
    {
        m_strTooltipText = strPrompt;
        m_strDescriptionText = strPrompt;
    }

    if (m_strCaption.IsEmpty())
    {
        CString strCaption;
        if (!CZMRControlAction::ExtractPromptPart(strPrompt, 2, strCaption) || strCaption.IsEmpty())
            strCaption = m_strTooltipText;
        SetCaption(strCaption);
    }

    if (m_strKeyboardTip.IsEmpty())
        CZMRControlAction::ExtractPromptPart(strPrompt, 3, m_strKeyboardTip);
}

void CZMRControl::SetShortcutTextAuto(LPCTSTR lpszShortcutText)
{
    if (m_strShortcutTextAuto != lpszShortcutText)
    {
        m_strShortcutTextAuto = lpszShortcutText;
        InvalidateParentLayout();
    }
}

CString CZMRControl::GetCaption() const
{
    if (!m_strCustomCaption.IsEmpty())
        return m_strCustomCaption;
    if (!m_strCaption.IsEmpty())
        return m_strCaption;
    if (m_pAction)
        return m_pAction->GetCaption();
    return CString();
}

CString CZMRControl::GetDescription() const
{
    if (!m_strDescriptionText.IsEmpty() || !m_pAction)
        return m_strDescriptionText;
    return m_pAction->GetDescription();
}

CString CZMRControl::GetTooltip() const
{
    if (!m_strTooltipText.IsEmpty() || !m_pAction)
        return m_strTooltipText;
    return m_pAction->GetTooltip();
}

CString CZMRControl::GetKeyboardTip() const
{
    if (!m_strKeyboardTip.IsEmpty() || !m_pAction)
        return m_strKeyboardTip;
    return m_pAction->GetKeyboardTip();
}

CString CZMRControl::GetShortcutText() const
{
    if (!m_strShortcutText.IsEmpty())
        return m_strShortcutText;
    if (m_pAction && !m_pAction->GetShortcutText().IsEmpty())
        return m_pAction->GetShortcutText();
    return m_strShortcutTextAuto;
}

// ---------------------------------------------------------------- images and styles

int CZMRControl::GetIconId() const
{
    if (m_nCustomIconId != 0)
        return m_nCustomIconId;
    if (m_nIconId > 0)
        return m_nIconId;
    if (m_pAction)
        return m_pAction->GetIconId() > 0 ? m_pAction->GetIconId() : m_pAction->GetID();
    return m_nId;
}

CZMRImageManagerIcon* CZMRControl::GetImage(int nWidth) const
{
    const int nIconId = GetIconId();
    if (nIconId == 0)
        return nullptr;
    return GetImageManager()->GetImage(UINT(nIconId), nWidth);
}

int CZMRControl::GetStyle() const
{
    if (m_buttonCustomStyle != -1)
        return m_buttonCustomStyle;
    if (m_buttonStyle != zmrButtonAutomatic)
        return m_buttonStyle;
    if (m_buttonOwnerStyle != zmrButtonAutomatic)
        return m_buttonOwnerStyle;
    if (m_pParent)
        return m_pParent->GetDefaultButtonStyle();
    return zmrButtonAutomatic;
}

void CZMRControl::SetStyle(int buttonStyle)
{
    if (m_buttonStyle != buttonStyle)
    {
        m_buttonStyle = buttonStyle;
        InvalidateParentLayout();
    }
}

void CZMRControl::SetCustomStyle(int buttonStyle)
{
    if (m_buttonCustomStyle != buttonStyle)
    {
        m_buttonCustomStyle = buttonStyle;
        InvalidateParentLayout();
    }
}

BOOL CZMRControl::HasIconLayoutStyle() const
{
    const int nStyle = GetStyle();
    return nStyle == zmrButtonIcon || nStyle == zmrButtonIconAndCaptionBelow;
}

BOOL CZMRControl::IsCaptionVisible() const
{
    if (m_pParent && m_pParent->GetType() == zmrBarTypePopup)
        return TRUE;
    if (GetCaption().IsEmpty())
        return FALSE;

    switch (GetStyle())
    {
    case zmrButtonCaption:
    case zmrButtonIconAndCaption:
    case zmrButtonIconAndCaptionBelow:
        return TRUE;
    case zmrButtonIcon:
        return FALSE;
    }

    switch (m_controlType)
    {
    case zmrControlButton:
    case zmrControlButtonPopup:
    case zmrControlSplitButtonPopup:
        return GetImage(0) == nullptr;
    case zmrControlPopup:
    case zmrControlLabel:
    case zmrControlCheckBox:
    case zmrControlRadioButton:
        return TRUE;
    }
    return FALSE;
}

CSize CZMRControl::GetIconSize() const
{
    if (m_szIcon.cx != 0 || m_szIcon.cy != 0)
        return m_szIcon;
    return m_pParent ? m_pParent->GetIconSize() : CSize(16, 16);
}

CSize CZMRControl::GetButtonSize() const
{
    return m_pParent ? m_pParent->GetButtonSize() : CSize(22, 22);
}

// ---------------------------------------------------------------- state

int CZMRControl::GetEnabled() const
{
    if (m_bEnabled != -1 || !m_pAction)
        return m_bEnabled;
    return IsCustomizeMode() ? TRUE : m_pAction->GetEnabled();
}

int CZMRControl::GetChecked() const
{
    if (m_bChecked != -1 || !m_pAction)
        return m_bChecked;
    return m_pAction->GetChecked();
}

int CZMRControl::GetSelected() const
{
    return m_bSelected;
}

int CZMRControl::GetPressed() const
{
    return m_bPressed;
}

BOOL CZMRControl::IsVisible(DWORD dwSkipFlags) const
{
    if (m_pAction && !m_pAction->IsVisible())
        return FALSE;
    return (m_dwHideFlags & ~dwSkipFlags) == 0;
}

void CZMRControl::SetEnabled(int bEnabled)
{
    if (m_bEnabled != bEnabled)
    {
        m_bEnabled = bEnabled;
        RepaintInParentBar();
    }
}

void CZMRControl::SetChecked(int bChecked)
{
    if (m_bChecked != bChecked)
    {
        m_bChecked = bChecked;
        RepaintInParentBar();
    }
}

void CZMRControl::SetBeginGroup(BOOL bBeginGroup)
{
    if (m_bBeginGroup != bBeginGroup)
    {
        m_bBeginGroup = bBeginGroup;
        InvalidateParentLayout();
    }
}

void CZMRControl::SetWidth(int nWidth)
{
    if (m_nWidth != nWidth)
    {
        m_nWidth = nWidth;
        InvalidateParentLayout();
    }
}

void CZMRControl::SetHeight(int nHeight)
{
    if (m_nHeight != nHeight)
    {
        m_nHeight = nHeight;
        InvalidateParentLayout();
    }
}

void CZMRControl::SetDefaultItem(BOOL bDefaultItem)
{
    if (m_bDefaultItem != bDefaultItem)
    {
        m_bDefaultItem = bDefaultItem;
        InvalidateParentLayout();
    }
}

void CZMRControl::SetVisible(BOOL bVisible)
{
    const DWORD dwHideFlags = bVisible ? (m_dwHideFlags & ~DWORD(zmrHideGeneric)) : (m_dwHideFlags | zmrHideGeneric);
    if (dwHideFlags != m_dwHideFlags)
    {
        SetHideFlags(dwHideFlags);
        InvalidateParentLayout();
    }
}

void CZMRControl::SetHideFlags(DWORD dwFlags)
{
    m_dwHideFlags = dwFlags;
}

void CZMRControl::SetRarelyUsed(BOOL bRarelyUsed)
{
    m_bRarelyUsed = bRarelyUsed;
    if (!bRarelyUsed)
        m_dwHideFlags &= ~DWORD(zmrHideExpand);
}

void CZMRControl::SetRect(CRect rcControl)
{
    m_rcControl = rcControl;
}

void CZMRControl::SetParent(CZMRCommandBar* pParent)
{
    m_pParent = pParent;
}

void CZMRControl::SetAction(CZMRControlAction* pAction)
{
    if (m_pAction)
    {
        m_pAction->DetachControl(this);
        m_bEnabled = 1;
        m_bChecked = 0;
        m_pAction = nullptr;
    }
    if (pAction)
    {
        m_pAction = pAction;
        pAction->AttachControl(this);
        m_bEnabled = -1;
        m_bChecked = -1;
        m_nId = pAction->GetID();
        // The texts now come from the action.
        m_strCaption.Empty();
        m_strTooltipText.Empty();
        m_strDescriptionText.Empty();
        m_strCategory.Empty();
        m_strShortcutText.Empty();
        m_strKeyboardTip.Empty();
    }
}

void CZMRControl::OnRemoved()
{
    SetAction(nullptr);
}

void CZMRControl::OnActionChanged(int nProperty)
{
    if (nProperty == zmrActionCaption)
        OnCaptionChanged();
}

void CZMRControl::OnActionChanging(int /*nProperty*/)
{
}

void CZMRControl::OnCaptionChanged()
{
}

// ---------------------------------------------------------------- services of the bar

CZMRBarManager* CZMRControl::GetBarManager() const
{
    if (m_pParent)
        return m_pParent->GetBarManager();
    return m_pControls ? m_pControls->GetBarManager() : nullptr;
}

CZMRPaintManager* CZMRControl::GetPaintManager() const
{
    if (m_pParent)
        return m_pParent->GetPaintManager();
    if (CZMRBarManager* pManager = m_pControls ? m_pControls->GetBarManager() : nullptr)
        return pManager->GetPaintManager();
    return CZMRBarManager::GetGlobalPaintManager();
}

CZMRImageManager* CZMRControl::GetImageManager() const
{
    if (m_pParent)
        return m_pParent->GetImageManager();
    if (CZMRBarManager* pManager = m_pControls ? m_pControls->GetBarManager() : nullptr)
        return pManager->GetImageManager();
    return ::GetImageManager();
}

BOOL CZMRControl::IsCustomizeMode() const
{
    return m_pParent ? m_pParent->IsCustomizeMode() : FALSE;
}

BOOL CZMRControl::IsInRibbonCaption() const
{
    return CZMRRibbonTheme::IsRectInRibbonCaption(m_pParent, m_rcControl);
}

BOOL CZMRControl::IsCustomizable() const
{
    if (m_pParent && m_pParent->IsCustomizable() && !(m_dwFlags & zmrFlagNoMovable))
        return TRUE;
    CZMRBarManager* pManager = GetBarManager();
    return pManager && pManager->IsCustomizeAll();
}

BOOL CZMRControl::IsCursorOver() const
{
    if (!m_pParent || !m_pParent->GetSafeHwnd())
        return FALSE;
    CPoint point;
    ::GetCursorPos(&point);
    m_pParent->ScreenToClient(&point);
    return m_rcControl.PtInRect(point);
}

void CZMRControl::InvalidateParentLayout()
{
    if (m_pParent)
        m_pParent->DelayLayout();
}

void CZMRControl::RepaintInParentBar(BOOL bAnimate)
{
    if (m_pParent && IsVisible())
        m_pParent->Redraw(&m_rcControl, bAnimate);
}

CSize CZMRControl::GetSize(CDC* pDC)
{
    return GetPaintManager()->DrawControl(pDC, this, FALSE);
}

void CZMRControl::Draw(CDC* pDC)
{
    GetPaintManager()->DrawControl(pDC, this, TRUE);
}

// ---------------------------------------------------------------- copy and compare

void CZMRControl::Copy(CZMRControl* pControl, BOOL /*bRecursive*/)
{
    m_nId = pControl->m_nId;
    SetAction(pControl->m_pAction);

    m_nTag = pControl->m_nTag;
    m_dwFlags = pControl->m_dwFlags;
    m_controlType = pControl->m_controlType;
    m_strCaption = pControl->m_strCaption;
    m_strShortcutText = pControl->m_strShortcutText;
    m_strShortcutTextAuto = pControl->m_strShortcutTextAuto;
    m_strTooltipText = pControl->m_strTooltipText;
    m_strDescriptionText = pControl->m_strDescriptionText;
    m_strParameter = pControl->m_strParameter;
    m_strKeyboardTip = pControl->m_strKeyboardTip;
    m_nCustomIconId = pControl->m_nCustomIconId;
    m_nIconId = pControl->m_nIconId;
    m_nHelpId = pControl->m_nHelpId;
    m_bTemporary = pControl->m_bTemporary;
    m_strCustomCaption = pControl->m_strCustomCaption;
    m_strCategory = pControl->m_strCategory;
    m_dwHideFlags = pControl->m_dwHideFlags;
    m_bDefaultItem = pControl->m_bDefaultItem;
    m_bEnabled = pControl->m_bEnabled;
    m_bChecked = pControl->m_bChecked;
    m_buttonCustomStyle = pControl->m_buttonCustomStyle;
    m_buttonStyle = pControl->m_buttonStyle;
    m_nWidth = std::max(pControl->m_nWidth, GetResizeMinWidth());
    m_nHeight = pControl->m_nHeight;
    m_nExecuteOnPressInterval = pControl->m_nExecuteOnPressInterval;
    m_szIcon = pControl->m_szIcon;
    m_bBeginGroup = pControl->m_bBeginGroup;
    m_bCloseSubMenuOnClick = pControl->m_bCloseSubMenuOnClick;

    auto copyMap = [](CMap<UINT, UINT, BOOL, BOOL>& mapTo, const CMap<UINT, UINT, BOOL, BOOL>& mapFrom) {
        mapTo.RemoveAll();
        for (POSITION pos = mapFrom.GetStartPosition(); pos;)
        {
            UINT nTemplate = 0;
            BOOL bValue = FALSE;
            mapFrom.GetNextAssoc(pos, nTemplate, bValue);
            mapTo.SetAt(nTemplate, bValue);
        }
    };
    copyMap(m_mapDocTemplatesAssigned, pControl->m_mapDocTemplatesAssigned);
    copyMap(m_mapDocTemplatesExcluded, pControl->m_mapDocTemplatesExcluded);

    OnCaptionChanged();
}

BOOL CZMRControl::Compare(CZMRControl* pOther)
{
    return pOther != nullptr && GetStyle() == pOther->GetStyle() && m_controlType == pOther->m_controlType &&
           m_nId == pOther->m_nId && m_dwFlags == pOther->m_dwFlags && m_bBeginGroup == pOther->m_bBeginGroup &&
           GetIconId() == pOther->GetIconId() && m_strCaption == pOther->m_strCaption &&
           m_strTooltipText == pOther->m_strTooltipText && m_strDescriptionText == pOther->m_strDescriptionText &&
           m_strCustomCaption == pOther->m_strCustomCaption &&
           m_buttonCustomStyle == pOther->m_buttonCustomStyle && m_strParameter == pOther->m_strParameter &&
           (m_dwHideFlags & zmrHideCustomize) == (pOther->m_dwHideFlags & zmrHideCustomize) &&
           m_nWidth == pOther->m_nWidth;
}

CZMRControl* CZMRControl::Clone(BOOL bRecursive)
{
    CZMRControl* pControl = static_cast<CZMRControl*>(GetRuntimeClass()->CreateObject());
    if (pControl)
        pControl->Copy(this, bRecursive);
    return pControl;
}

// ---------------------------------------------------------------- what the kinds of controls replace

void CZMRControl::SetFocused(BOOL /*bFocused*/)
{
}

BOOL CZMRControl::IsFocused() const
{
    return FALSE;
}

CZMRCommandBar* CZMRControl::GetCommandBar() const
{
    return nullptr;
}

BOOL CZMRControl::SuppressesStateFrame() const
{
    return FALSE;
}

void CZMRControl::ExpandIntoItems(DWORD /*dwMode*/)
{
}

void CZMRControl::OnAccessKeyPressed()
{
    OnExecute();
}

BOOL CZMRControl::IsPopupOpen() const
{
    return FALSE;
}

void CZMRControl::SetRefreshNeeded()
{
}

void CZMRControl::OnClick(BOOL /*bKeyboard*/, CPoint /*point*/)
{
}

BOOL CZMRControl::IsFocusable() const
{
    return FALSE;
}

BOOL CZMRControl::HandleHookedKeyDown(UINT /*nChar*/)
{
    return FALSE;
}

BOOL CZMRControl::HandleHookedMouseWheel(UINT /*nFlags*/, short /*zDelta*/, CPoint /*point*/)
{
    return FALSE;
}

BOOL CZMRControl::ShowPopup(BOOL /*bPopup*/)
{
    return FALSE;
}

void CZMRControl::OnLButtonUp(CPoint /*point*/)
{
}

BOOL CZMRControl::OnRButtonDown(CPoint /*point*/)
{
    return FALSE;
}

BOOL CZMRControl::OnRButtonUp(CPoint /*point*/)
{
    return FALSE;
}

BOOL CZMRControl::OnLButtonDblClk(CPoint point)
{
    OnClick(FALSE, point);
    return TRUE;
}

void CZMRControl::OnMouseMove(CPoint /*point*/)
{
}

BOOL CZMRControl::CanDropOnBar(CZMRCommandBar* /*pBar*/, CPoint /*point*/, DROPEFFECT& /*dropEffect*/)
{
    return TRUE;
}

BOOL CZMRControl::IsWidthAdjustable() const
{
    return FALSE;
}

int CZMRControl::GetResizeMinWidth() const
{
    return 0;
}

int CZMRControl::GetResizeMinHeight() const
{
    return 0;
}

void CZMRControl::OnBeforeStateUpdate()
{
}

INT_PTR CZMRControl::OnToolHitTest(CPoint /*point*/, TOOLINFO* /*pTI*/)
{
    return -1;
}

void CZMRControl::RelinkBarsAfterLoad(CZMRCommandBarList* /*pBars*/)
{
}

void CZMRControl::NumberBarsForSave(DWORD& nBarId, CZMRCommandBarList* pBars, ZMR_PROPEXCHANGE_PARAM* pParam)
{
    if (CZMRCommandBar* pCommandBar = GetCommandBar())
        pCommandBar->NumberBarsForSave(nBarId, pBars, pParam);
}
