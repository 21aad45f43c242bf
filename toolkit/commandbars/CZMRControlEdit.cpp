#include "CZMRControlEdit.h"
#include "CZMRControlEditCtrl.h"
#include "CZMRControlComboBoxAutoCompleteWnd.h"
#include "CZMRBarManager.h"
#include "CZMRCommandBar.h"
#include "CZMRImageManager.h"
#include "CZMRMouseManager.h"
#include "CZMRPaintManager.h"
#include "CZMRPropExchange.h"

IMPLEMENT_SERIAL(CZMRControlEdit, CZMRControl, VERSIONABLE_SCHEMA | 0x21)

CZMRControlEdit::CZMRControlEdit()
    : m_pEdit(nullptr), m_bHasLabel(FALSE), m_bReadOnly(FALSE), m_nLabelWidth(0), m_bRefreshNeeded(FALSE),
      m_bFocused(FALSE), m_bTextStale(TRUE), m_pAutoCompleteWnd(nullptr), m_dwShellAutoCompleteFlags(0),
      m_dwEditStyle(0), m_bShowSpinButtons(FALSE), m_nEditIconId(0)
{
    m_controlType = zmrControlEdit;
    m_nWidth = 100;
}

CZMRControlEdit::~CZMRControlEdit()
{
    delete m_pAutoCompleteWnd;
    m_pAutoCompleteWnd = nullptr;
    if (m_pEdit)
    {
        m_pEdit->m_pControl = nullptr;
        ZMREditWindow::Delete(m_pEdit);
    }
}

BOOL CZMRControlEdit::SetLabelWidth(int nLabelWidth)
{
    if (m_nLabelWidth == nLabelWidth)
        return FALSE;
    m_nLabelWidth = nLabelWidth;
    return TRUE;
}

CRect CZMRControlEdit::GetSpinButtonsRect() const
{
    if (!m_bShowSpinButtons)
        return CRect(0, 0, 0, 0);
    return CRect(m_rcControl.right - 18, m_rcControl.top + 1, m_rcControl.right - 1, m_rcControl.bottom - 1);
}

// ---------------------------------------------------------------- text

CString CZMRControlEdit::GetEditText() const
{
    return ZMREditWindow::ReadText(m_pEdit, m_strText, m_bTextStale);
}

void CZMRControlEdit::SetEditText(LPCTSTR lpszText)
{
    ZMREditWindow::WriteText(m_pEdit, lpszText, m_strText, m_bTextStale);
    ApplyCharFormat();
}

CString CZMRControlEdit::GetDisplayText() const
{
    const CString strText = GetEditText();
    return strText == m_strEditHint ? CString() : strText;
}

void CZMRControlEdit::SetEditHint(LPCTSTR lpszHint)
{
    const CString strDisplay = GetDisplayText();
    m_strEditHint = lpszHint;
    // An empty field shows the new hint at once.
    if (!m_bFocused && strDisplay.IsEmpty())
        SetEditText(m_strEditHint);
}

void CZMRControlEdit::SetReadOnly(BOOL bReadOnly)
{
    m_bReadOnly = bReadOnly;
    if (m_pEdit && m_pEdit->GetSafeHwnd())
        m_pEdit->SetReadOnly(bReadOnly);
}

void CZMRControlEdit::SetShellAutoCompleteFlags(DWORD dwFlags)
{
    m_dwShellAutoCompleteFlags = dwFlags;
    delete m_pAutoCompleteWnd;
    m_pAutoCompleteWnd = ZMREditWindow::CreateAutoComplete(m_pEdit, dwFlags);
}

void CZMRControlEdit::GetEditCharFormat(COLORREF& clrText, COLORREF& clrBack)
{
    ZMREditWindow::GetColours(this, ZMREditWindow::IsHint(GetEditText(), m_strEditHint), clrText, clrBack);
}

void CZMRControlEdit::ApplyCharFormat()
{
    if (!m_pEdit || !m_pEdit->GetSafeHwnd())
        return;
    COLORREF clrText = 0, clrBack = 0;
    GetEditCharFormat(clrText, clrBack);
    m_pEdit->ApplyCharFormat(clrText, clrBack);
}

void CZMRControlEdit::OnWindowTextChanged()
{
    m_bTextStale = TRUE;
    if (ZMREditWindow::IsTypedChange(m_pEdit))
        OnEditChanged();
    ZMREditWindow::ClearMargins(m_pEdit);
    ApplyCharFormat();
}

void CZMRControlEdit::OnWindowDestroyed(const CString& strText)
{
    m_strText = strText;
    m_bTextStale = FALSE;
}

void CZMRControlEdit::OnEditChanged()
{
    NotifySite(ZMR_EN_CHANGE);
}

void CZMRControlEdit::SelectWholeText()
{
    if (!m_pEdit || !m_pEdit->GetSafeHwnd())
        return;
    m_pEdit->SendMessage(EM_SETSEL, 0, -1);
    m_pEdit->SendMessage(EM_SCROLLCARET);
}

// ---------------------------------------------------------------- the window on the bar

CZMRControlEditCtrl* CZMRControlEdit::CreateEditCtrl()
{
    return new CZMRControlEditCtrl;
}

BOOL CZMRControlEdit::IsEditWindowFocused() const
{
    return ZMREditWindow::HasFocus(m_pEdit);
}

void CZMRControlEdit::DestroyEditWindow()
{
    ZMREditWindow::DestroyWindow(m_pEdit);
}

void CZMRControlEdit::ShowEditWindow()
{
    ZMREditWindow::Show(this, m_pEdit);
}

void CZMRControlEdit::AdjustEditRectForIcon(CRect& rc)
{
    ZMREditWindow::MakeRoomForIcon(this, m_nEditIconId, rc);
}

void CZMRControlEdit::DrawEditIcon(CDC* pDC, CRect rc)
{
    CZMRImageManagerIcon* pImage = ZMREditWindow::GetEditIcon(this, m_nEditIconId);
    if (!pImage || !pDC)
        return;
    const CSize sz = pImage->GetExtent();
    GetPaintManager()->DrawImage(pDC, rc.left, (rc.top + rc.bottom - sz.cy) / 2, sz.cx, sz.cy, pImage, 0, 0,
                                 GetEnabled(), 0, FALSE, FALSE);
}

void CZMRControlEdit::SetRect(CRect rcControl)
{
    if (!m_pEdit)
    {
        m_pEdit = CreateEditCtrl();
        m_pEdit->m_pControl = this;
    }
    HWND hWndBar = m_pParent ? m_pParent->GetSafeHwnd() : nullptr;
    // A window of another layout direction than its bar, or on another bar,
    // is made anew.
    if (ZMREditWindow::NeedsNewWindow(m_pEdit, hWndBar))
        DestroyEditWindow();
    if (rcControl == m_rcControl && m_pEdit->GetSafeHwnd() && !m_bRefreshNeeded)
        return;

    m_rcControl = rcControl;
    if (!hWndBar)
        return;
    if (!m_pEdit->GetSafeHwnd())
    {
        if (!ZMREditWindow::Create(this, m_pEdit, m_dwEditStyle))
            return;
        if (m_dwShellAutoCompleteFlags)
            SetShellAutoCompleteFlags(m_dwShellAutoCompleteFlags);
    }
    ZMREditWindow::ApplyFont(this, m_pEdit);
    if (!IsEditWindowFocused())
        ZMREditWindow::WriteText(m_pEdit, ZMREditWindow::GetShownText(GetDisplayText(), m_strEditHint), m_strText,
                                 m_bTextStale);
    ApplyCharFormat();
    m_pEdit->SetInRibbonCaption(IsInRibbonCaption());
    m_pEdit->SetReadOnly(m_bReadOnly);

    CRect rcEdit(rcControl.left + m_nLabelWidth + 4, rcControl.top + 3,
                 rcControl.right - (m_bShowSpinButtons ? 20 : 3), rcControl.bottom - 3);
    AdjustEditRectForIcon(rcEdit);
    m_pEdit->MoveWindow(rcEdit, TRUE);
    ShowEditWindow();
    m_bRefreshNeeded = FALSE;
}

void CZMRControlEdit::SetRefreshNeeded()
{
    m_bRefreshNeeded = TRUE;
}

void CZMRControlEdit::SetParent(CZMRCommandBar* pParent)
{
    CZMRControl::SetParent(pParent);
    if (!pParent)
        DestroyEditWindow();
}

void CZMRControlEdit::OnRemoved()
{
    ShowEditWindow();
    if (!m_pControls)
        DestroyEditWindow();
    CZMRControl::OnRemoved();
}

void CZMRControlEdit::SetHideFlags(DWORD dwFlags)
{
    if (m_dwHideFlags == dwFlags)
        return;
    CZMRControl::SetHideFlags(dwFlags);
    ShowEditWindow();
}

void CZMRControlEdit::ExpandIntoItems(DWORD dwMode)
{
    SetHideFlags(ZMREditWindow::GetDockHideFlags(m_dwHideFlags, dwMode));
}

void CZMRControlEdit::SetEnabled(int bEnabled)
{
    if (m_bEnabled == bEnabled)
        return;
    CZMRControl::SetEnabled(bEnabled);
    if (ZMREditWindow::Enable(this, m_pEdit))
        ApplyCharFormat();
}

BOOL CZMRControlEdit::IsCaptionVisible() const
{
    return ZMREditWindow::IsCaptionShown(this, m_bHasLabel);
}

BOOL CZMRControlEdit::IsWidthAdjustable() const
{
    return TRUE;
}

int CZMRControlEdit::GetResizeMinWidth() const
{
    return m_nLabelWidth + 10;
}

BOOL CZMRControlEdit::IsFocusable() const
{
    return m_pEdit && m_pEdit->GetSafeHwnd();
}

// ---------------------------------------------------------------- focus

BOOL CZMRControlEdit::IsFocused() const
{
    return m_bFocused;
}

void CZMRControlEdit::SetFocused(BOOL bFocused)
{
    if (bFocused == m_bFocused)
        return;
    CZMRMouseManager* pMouseManager = CZMRMouseManager::GetThreadMouseManager();
    m_bFocused = bFocused;
    if (bFocused)
    {
        if (m_pEdit && m_pEdit->GetSafeHwnd() && !IsEditWindowFocused())
            m_pEdit->SetFocus();
        if (m_pParent)
        {
            m_pParent->SetMenuLoopActive(TRUE);
            m_pParent->SetHotControl(m_nIndex, 2);
        }
        pMouseManager->m_nFocusCount++;
        NotifySite(ZMR_EN_SETFOCUS);
    }
    else
    {
        if (IsEditWindowFocused())
            ZMREditWindow::GiveFocusBack(m_pParent);
        pMouseManager->m_nFocusCount--;
        // A tool bar whose edit gave the focus up stops taking the keys.
        if (m_pParent && m_pParent->IsTrackingMode() && !m_pParent->IsPopupBar())
            m_pParent->SetMenuLoopActive(FALSE);
        NotifySite(ZMR_EN_KILLFOCUS);
    }
    RepaintInParentBar();
}

void CZMRControlEdit::OnEditSetFocus(CWnd* pWndOld)
{
    if (ZMREditWindow::IsHint(GetEditText(), m_strEditHint))
        SetEditText(L"");
    m_strTextAtFocus = GetDisplayText();
    if (m_pParent)
    {
        ZMREditWindow::RememberFocusOrigin(m_pParent, pWndOld);
        m_pParent->SetPoppedControl(-1);
    }
    SetFocused(TRUE);
    if (m_pAutoCompleteWnd)
        m_pAutoCompleteWnd->SetHookActive(TRUE);
    ZMREditWindow::SelectAllOnFocus(m_pEdit);
}

void CZMRControlEdit::OnEditKillFocus()
{
    if (GetEditText().IsEmpty() && !m_strEditHint.IsEmpty())
        SetEditText(m_strEditHint);
    SetFocused(FALSE);
    if (m_pAutoCompleteWnd)
        m_pAutoCompleteWnd->SetHookActive(FALSE);
}

BOOL CZMRControlEdit::OnSelectionChange(int bSelected)
{
    if (!bSelected && m_bFocused && IsEditWindowFocused())
        SetFocused(FALSE);
    return CZMRControl::OnSelectionChange(bSelected);
}

void CZMRControlEdit::OnAccessKeyPressed()
{
    if (m_pEdit && m_pEdit->GetSafeHwnd() && GetEnabled())
        m_pEdit->SetFocus();
}

void CZMRControlEdit::OnExecute()
{
    InternalAddRef();
    CZMRControl::OnExecute();
    // The command closed the menus: the keys go back where they came from.
    if (m_bFocused && m_pParent && !m_pParent->IsTrackingMode())
        SetFocused(FALSE);
    InternalRelease();
}

// ---------------------------------------------------------------- mouse and keys

void CZMRControlEdit::OnMouseMove(CPoint point)
{
    CZMRControl::OnMouseMove(point);
    if (!m_bShowSpinButtons || !GetEnabled() || !m_bSelected)
        return;
    const CRect rcSpin = GetSpinButtonsRect();
    int nSelected = 1;
    if (rcSpin.PtInRect(point))
        nSelected = point.y < (rcSpin.top + rcSpin.bottom) / 2 ? 4 : 5;
    if (nSelected != m_bSelected)
    {
        m_bSelected = nSelected;
        RepaintInParentBar();
    }
}

void CZMRControlEdit::OnMouseHover()
{
    CZMRMouseManager* pMouseManager = CZMRMouseManager::FindThreadMouseManager();
    if (pMouseManager && pMouseManager->m_nFocusCount > 0)
        return;
    CZMRControl::OnMouseHover();
}

void CZMRControlEdit::OnClick(BOOL bKeyboard, CPoint point)
{
    if (IsCustomizeMode())
    {
        BeginCustomizeMove(point);
        return;
    }
    if (!m_pEdit || !m_pEdit->GetSafeHwnd())
        return;
    if (bKeyboard)
    {
        if (IsEditWindowFocused())
            OnExecute();
        else
            m_pEdit->SetFocus();
        return;
    }
    if (GetEnabled() && !m_bReadOnly && GetSpinButtonsRect().PtInRect(point))
        TrackSpin(point);
    else
        m_pEdit->SetFocus();
}

BOOL CZMRControlEdit::HandleHookedKeyDown(UINT nChar)
{
    if (!m_bFocused || !m_pEdit || !m_pEdit->GetSafeHwnd())
        return 0;
    if (m_pEdit->IsImeComposing())
        return 2;
    switch (nChar)
    {
    case VK_TAB:
    case VK_RETURN:
        return 0;
    case VK_ESCAPE:
    {
        const BOOL bPopup = m_pParent && m_pParent->GetType() == zmrBarTypePopup;
        SetEditText(m_strTextAtFocus);
        SetFocused(FALSE);
        return bPopup ? 1 : 0;
    }
    }
    // An accelerator of the bars takes the key; Alt+F4 and the like go on.
    CZMRBarManager* pManager = GetBarManager();
    if (::GetKeyState(VK_MENU) < 0 && ::GetKeyState(VK_CONTROL) >= 0 && pManager && pManager->HandleMnemonicKey(nChar))
        return 1;
    if ((nChar == VK_UP || nChar == VK_DOWN) && GetEnabled() && !m_bReadOnly && m_bShowSpinButtons)
    {
        OnSpin(1, nChar == VK_UP ? +1 : -1);
        if (IsEditWindowFocused())
            SelectWholeText();
        return 1;
    }
    if (m_pAutoCompleteWnd && m_pAutoCompleteWnd->FilterKey(nChar, 0))
        return 1;
    return m_pEdit->FilterKey(nChar, 0) ? 1 : 2;
}

// ---------------------------------------------------------------- action

void CZMRControlEdit::OnActionChanging(int nProperty)
{
    if (nProperty == zmrActionCaption && ZMREditWindow::IsHint(GetEditText(), m_strEditHint))
        SetEditText(L"");
    CZMRControl::OnActionChanging(nProperty);
}

void CZMRControlEdit::OnActionChanged(int nProperty)
{
    CZMRControl::OnActionChanged(nProperty);
    if (nProperty == zmrActionCaption)
    {
        if (GetEditText().IsEmpty() && !m_bFocused)
            SetEditText(m_strEditHint);
    }
    else if (nProperty == zmrActionVisible)
        ShowEditWindow();
    else if (nProperty == zmrActionEnabled && ZMREditWindow::Enable(this, m_pEdit))
        ApplyCharFormat();
}

// ---------------------------------------------------------------- copies and persistence

void CZMRControlEdit::Copy(CZMRControl* pControl, BOOL bRecursive)
{
    CZMRControl::Copy(pControl, bRecursive);
    CZMRControlEdit* pOther = DYNAMIC_DOWNCAST(CZMRControlEdit, pControl);
    if (!pOther)
        return;
    m_dwEditStyle = pOther->m_dwEditStyle;
    SetEditText(pOther->GetDisplayText());
    m_bHasLabel = pOther->m_bHasLabel;
    m_bReadOnly = pOther->m_bReadOnly;
    m_strEditHint = pOther->m_strEditHint;
    SetShellAutoCompleteFlags(pOther->m_dwShellAutoCompleteFlags);
    m_bShowSpinButtons = pOther->m_bShowSpinButtons;
}

CZMRControl* CZMRControlEdit::Clone(BOOL bRecursive)
{
    CZMRControlEdit* pClone = new CZMRControlEdit;
    pClone->Copy(this, bRecursive);
    return pClone;
}

void CZMRControlEdit::DoPropExchange(CZMRPropExchange* pPX)
{
    CZMRControl::DoPropExchange(pPX);
    if (!pPX)
        return;
    const int nSchema = pPX->GetSchema();
    if (nSchema > 5)
    {
        PropExchangeBool(pPX, L"HasLabel", &m_bHasLabel, FALSE);
        PropExchangeInt(pPX, L"Width", &m_nWidth, 0);
    }
    if (nSchema > 7)
        PropExchangeBool(pPX, L"ReadOnly", &m_bReadOnly, FALSE);
    if (nSchema > 8)
    {
        PropExchangeString(pPX, L"EditHint", &m_strEditHint, L"");
        int nFlags = int(m_dwShellAutoCompleteFlags);
        PropExchangeInt(pPX, L"ShellAutoCompleteFlags", &nFlags, 0);
        m_dwShellAutoCompleteFlags = DWORD(nFlags);
    }
    if (nSchema > 16)
    {
        int nStyle = int(m_dwEditStyle);
        PropExchangeInt(pPX, L"EditStyle", &nStyle, 0);
        m_dwEditStyle = DWORD(nStyle);
    }
    if (nSchema > 18)
        PropExchangeBool(pPX, L"ShowSpinButtons", &m_bShowSpinButtons, FALSE);
    if (pPX->IsLoading())
        SetShellAutoCompleteFlags(m_dwShellAutoCompleteFlags);
}
