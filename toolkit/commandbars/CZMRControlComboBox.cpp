#include "CZMRControlComboBox.h"
#include "CZMRControlComboBoxEditCtrl.h"
#include "CZMRControlEditCtrl.h"
#include "CZMRControlComboBoxList.h"
#include "CZMRControlComboBoxAutoCompleteWnd.h"
#include "CZMRBarManager.h"
#include "CZMRCommandBar.h"
#include "CZMRImageManager.h"
#include "CZMRMouseManager.h"
#include "CZMRPaintManager.h"
#include "CZMRPropExchange.h"

IMPLEMENT_SERIAL(CZMRControlComboBox, CZMRControlPopup, VERSIONABLE_SCHEMA | 0x21)

CZMRControlComboBox::CZMRControlComboBox(CZMRBarManager* pBarManager)
    : m_pEdit(nullptr), m_bDropDown(FALSE), m_nComboStyle(0), m_nSelectionAtFocus(-1), m_bRefreshNeeded(FALSE),
      m_nLabelWidth(0), m_nDropDownWidth(0), m_bAutoComplete(FALSE), m_bSuppressCompletion(FALSE),
      m_dwShellAutoCompleteFlags(0), m_bFocused(FALSE), m_nEditIconId(0), m_bExecuted(FALSE),
      m_nDropDownItemCount(12), m_bTextStale(TRUE), m_pAutoCompleteWnd(nullptr), m_dwEditStyle(0), m_nCurSel(-1),
      m_bSelecting(FALSE)
{
    m_controlType = zmrControlComboBox;
    m_nWidth = 100;
    CZMRControlComboBoxList* pList = new CZMRControlComboBoxList;
    pList->SetBarManager(pBarManager);
    pList->CreateListBox();
    SetCommandBar(pList);
    pList->InternalRelease();
}

CZMRControlComboBox::~CZMRControlComboBox()
{
    delete m_pAutoCompleteWnd;
    m_pAutoCompleteWnd = nullptr;
    if (m_pEdit)
    {
        m_pEdit->m_pCombo = nullptr;
        ZMREditWindow::Delete(m_pEdit);
    }
}

BOOL CZMRControlComboBox::SetLabelWidth(int nLabelWidth)
{
    if (m_nLabelWidth == nLabelWidth)
        return FALSE;
    m_nLabelWidth = nLabelWidth;
    return TRUE;
}

BOOL CZMRControlComboBox::SetDropDownWidth(int nDropDownWidth)
{
    if (m_nDropDownWidth == nDropDownWidth)
        return FALSE;
    m_nDropDownWidth = nDropDownWidth;
    return TRUE;
}

CZMRControlComboBoxPopupBar* CZMRControlComboBox::GetPopupBar() const
{
    return DYNAMIC_DOWNCAST(CZMRControlComboBoxPopupBar, m_pCommandBar);
}

BOOL CZMRControlComboBox::IsListPopup() const
{
    return DYNAMIC_DOWNCAST(CZMRControlComboBoxList, m_pCommandBar) != nullptr;
}

int CZMRControlComboBox::GetListIconId() const
{
    CZMRControlComboBoxList* pList = DYNAMIC_DOWNCAST(CZMRControlComboBoxList, m_pCommandBar);
    return pList ? pList->GetListIconId() : -1;
}

void CZMRControlComboBox::SetDropDownMode(BOOL bDropDown)
{
    m_bDropDown = bDropDown;
    if (bDropDown && !m_pEdit)
    {
        m_pEdit = CreateEditCtrl();
        m_pEdit->m_pCombo = this;
        m_bRefreshNeeded = TRUE;
    }
    else if (!bDropDown && m_pEdit)
    {
        delete m_pAutoCompleteWnd;
        m_pAutoCompleteWnd = nullptr;
        m_pEdit->m_pCombo = nullptr;
        ZMREditWindow::Delete(m_pEdit);
        m_pEdit = nullptr;
    }
}

CZMRControlComboBoxEditCtrl* CZMRControlComboBox::CreateEditCtrl()
{
    return new CZMRControlComboBoxEditCtrl;
}

// ---------------------------------------------------------------- selection and text

int CZMRControlComboBox::GetCurSel() const
{
    if (CZMRControlComboBoxPopupBar* pPopup = IsListPopup() ? GetPopupBar() : nullptr)
        return pPopup->GetCurSel();
    return m_nCurSel;
}

void CZMRControlComboBox::SetCurSel(int nIndex)
{
    if (nIndex == GetCurSel() && nIndex == m_nCurSel)
        return;
    m_nCurSel = nIndex;
    if (CZMRControlComboBoxPopupBar* pPopup = GetPopupBar())
        pPopup->SetCurSel(nIndex);
    OnSelectionChanged();
}

CString CZMRControlComboBox::GetListSelectionText()
{
    CString strText;
    CZMRControlComboBoxPopupBar* pPopup = GetPopupBar();
    const int nSel = GetCurSel();
    if (pPopup && nSel >= 0)
        pPopup->GetText(nSel, strText);
    return strText;
}

CString CZMRControlComboBox::GetSelectionText()
{
    return GetListSelectionText();
}

CString CZMRControlComboBox::GetEditText() const
{
    return ZMREditWindow::ReadText(m_pEdit, m_strText, m_bTextStale);
}

void CZMRControlComboBox::SetEditText(LPCTSTR lpszText)
{
    ZMREditWindow::WriteText(m_pEdit, lpszText, m_strText, m_bTextStale);
    ApplyCharFormat();
}

CString CZMRControlComboBox::GetDisplayText() const
{
    const CString strText = GetEditText();
    return strText == m_strEditHint ? CString() : strText;
}

void CZMRControlComboBox::SetEditHint(LPCTSTR lpszHint)
{
    const CString strDisplay = GetDisplayText();
    m_strEditHint = lpszHint;
    if (!m_bFocused && strDisplay.IsEmpty())
        SetEditText(m_strEditHint);
    RepaintInParentBar();
}

void CZMRControlComboBox::SetShellAutoCompleteFlags(DWORD dwFlags)
{
    m_dwShellAutoCompleteFlags = dwFlags;
    delete m_pAutoCompleteWnd;
    m_pAutoCompleteWnd = ZMREditWindow::CreateAutoComplete(m_pEdit, dwFlags);
}

BOOL CZMRControlComboBox::IsAutoSuggestShown() const
{
    return m_pAutoCompleteWnd && m_pAutoCompleteWnd->IsSuggestWindowShown();
}

void CZMRControlComboBox::SyncListSelection()
{
    CZMRControlComboBoxPopupBar* pPopup = IsListPopup() ? GetPopupBar() : nullptr;
    if (!pPopup)
        return;
    const CString strText = GetDisplayText();
    const int nExact = strText.IsEmpty() ? -1 : pPopup->FindStringExact(-1, strText);
    if (nExact >= 0)
    {
        pPopup->SetCurSel(nExact);
        return;
    }
    const int nPrefix = strText.IsEmpty() ? -1 : pPopup->FindString(-1, strText);
    if (nPrefix >= 0)
        pPopup->SetTopIndex(nPrefix);
    pPopup->SetCurSel(-1);
}

void CZMRControlComboBox::OnSelectionChanged()
{
    m_bSelecting = TRUE;
    SetEditText(GetSelectionText());
    m_bSelecting = FALSE;
    RepaintInParentBar();
    NotifySite(ZMR_CBN_SELCHANGE);
}

void CZMRControlComboBox::OnWindowTextChanged()
{
    m_bTextStale = TRUE;
    if (ZMREditWindow::IsTypedChange(m_pEdit))
        OnEditChanged();
    ZMREditWindow::ClearMargins(m_pEdit);
    ApplyCharFormat();
}

void CZMRControlComboBox::OnWindowDestroyed(const CString& strText)
{
    m_strText = strText;
    m_bTextStale = FALSE;
}

void CZMRControlComboBox::OnEditChanged()
{
    CZMRControlComboBoxPopupBar* pPopup = IsListPopup() ? GetPopupBar() : nullptr;
    if (!m_bSelecting && m_bAutoComplete && !m_bSuppressCompletion && pPopup && m_pEdit && m_pEdit->GetSafeHwnd())
    {
        const CString strTyped = GetEditText();
        int nStart = 0, nEnd = 0;
        m_pEdit->GetSel(nStart, nEnd);
        if (!strTyped.IsEmpty() && nStart == nEnd && nEnd == strTyped.GetLength())
        {
            // From -1 the search starts at the first item.
            const int nFound = pPopup->FindString(-1, strTyped);
            if (nFound >= 0)
            {
                CString strItem;
                pPopup->GetText(nFound, strItem);
                SetEditText(strItem);
                m_pEdit->SendMessage(EM_SETSEL, strItem.GetLength(), strTyped.GetLength());
                m_pEdit->SendMessage(EM_SCROLLCARET);
            }
        }
    }
    m_bSuppressCompletion = TRUE;
    SyncListSelection();
    NotifySite(ZMR_CBN_EDITCHANGE);
}

// ---------------------------------------------------------------- colours and drawing

void CZMRControlComboBox::GetEditCharFormat(COLORREF& clrText, COLORREF& clrBack)
{
    ZMREditWindow::GetColours(this, ZMREditWindow::IsHint(GetEditText(), m_strEditHint), clrText, clrBack);
}

void CZMRControlComboBox::ApplyCharFormat()
{
    if (!m_pEdit || !m_pEdit->GetSafeHwnd())
        return;
    COLORREF clrText = 0, clrBack = 0;
    GetEditCharFormat(clrText, clrBack);
    m_pEdit->ApplyCharFormat(clrText, clrBack);
}

void CZMRControlComboBox::DrawEditText(CDC* pDC, CRect rc)
{
    if (!pDC)
        return;
    CZMRPaintManager* pPaintManager = GetPaintManager();
    const BOOL bEnabled = GetEnabled();
    const BOOL bHasWindow = m_pEdit && m_pEdit->GetSafeHwnd();
    if (!bHasWindow && bEnabled && m_bFocused)
        pDC->FillSolidRect(CRect(rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1),
                           pPaintManager->GetColor(COLOR_HIGHLIGHT));
    {
        if (CZMRImageManagerIcon* pImage = ZMREditWindow::GetEditIcon(this, m_nEditIconId))
        {
            const CSize sz = pImage->GetExtent();
            pPaintManager->DrawImage(pDC, rc.left, (rc.top + rc.bottom - sz.cy) / 2, sz.cx, sz.cy, pImage, 0, 0,
                                     bEnabled, 0, FALSE, FALSE);
            rc.left += sz.cx + 2;
        }
    }
    if (bHasWindow)
        return;
    CString strText = GetListSelectionText();
    int nColour = m_bFocused && bEnabled ? COLOR_HIGHLIGHTTEXT : bEnabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT;
    if (strText.IsEmpty() && !m_strEditHint.IsEmpty())
    {
        if (bEnabled && m_bFocused)
            return;
        strText = m_strEditHint;
        nColour = COLOR_GRAYTEXT;
    }
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(pPaintManager->GetColor(nColour));
    CFont* pOldFont = pDC->SelectObject(pPaintManager->GetControlFont(this));
    pDC->DrawText(strText, rc, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    pDC->SelectObject(pOldFont);
}

void CZMRControlComboBox::DrawListItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (!lpDrawItemStruct || int(lpDrawItemStruct->itemID) < 0)
        return;
    CZMRControlComboBoxPopupBar* pPopup = GetPopupBar();
    CZMRPaintManager* pPaintManager = GetPaintManager();
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rc(lpDrawItemStruct->rcItem);
    const BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    CString strText;
    if (pPopup)
        pPopup->GetText(int(lpDrawItemStruct->itemID), strText);
    if (bSelected)
        pPaintManager->DrawStateHighlight(pDC, rc, 1, 0, TRUE, 0, FALSE, zmrBarTypePopup, zmrBarPopup);
    else
        pDC->FillSolidRect(rc, pPaintManager->GetColor(COLOR_WINDOW));
    pDC->SetTextColor(pPaintManager->GetStateTextColor(bSelected, 0, TRUE, 0, FALSE, zmrBarTypePopup, zmrBarPopup));
    const int nListIconId = GetListIconId();
    if (nListIconId != -1)
    {
        CZMRImageManager* pImageManager = GetImageManager();
        const UINT nIcon = UINT(nListIconId + int(lpDrawItemStruct->itemID));
        if (CZMRImageManagerIcon* pImage = pImageManager ? pImageManager->GetImage(nIcon, 0) : nullptr)
        {
            const CSize sz = pImage->GetExtent();
            pPaintManager->DrawImage(pDC, rc.left + 2, (rc.top + rc.bottom - sz.cy) / 2, sz.cx, sz.cy, pImage,
                                     bSelected ? 2 : 0, 0, TRUE, 0, FALSE, FALSE);
            rc.left += sz.cx + 2;
        }
    }
    CFont* pOldFont = pDC->SelectObject(&pPaintManager->m_fntRegular);
    pDC->SetBkMode(TRANSPARENT);
    rc.left += 3;
    pDC->DrawText(strText, rc, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    pDC->SelectObject(pOldFont);
}

void CZMRControlComboBox::MeasureListItem(LPMEASUREITEMSTRUCT /*lpMeasureItemStruct*/)
{
}

// ---------------------------------------------------------------- the window on the bar

BOOL CZMRControlComboBox::IsEditWindowFocused() const
{
    return ZMREditWindow::HasFocus(m_pEdit);
}

void CZMRControlComboBox::DestroyEditWindow()
{
    ZMREditWindow::DestroyWindow(m_pEdit);
}

void CZMRControlComboBox::ShowEditWindow()
{
    ZMREditWindow::Show(this, m_pEdit);
}

void CZMRControlComboBox::AdjustEditRectForIcon(CRect& rc)
{
    ZMREditWindow::MakeRoomForIcon(this, m_nEditIconId, rc);
}

void CZMRControlComboBox::SetRect(CRect rcControl)
{
    HWND hWndBar = m_pParent ? m_pParent->GetSafeHwnd() : nullptr;
    // A window of another layout direction than its bar, or on another bar,
    // is made anew.
    if (ZMREditWindow::NeedsNewWindow(m_pEdit, hWndBar))
        DestroyEditWindow();
    if (rcControl == m_rcControl && (!m_pEdit || m_pEdit->GetSafeHwnd()) && !m_bRefreshNeeded)
        return;
    m_rcControl = rcControl;
    if (!m_pEdit || !hWndBar)
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
    CRect rcEdit(rcControl.left + m_nLabelWidth + 4, rcControl.top + 3, rcControl.right - (m_nDropDownWidth + 3),
                 rcControl.bottom - 3);
    AdjustEditRectForIcon(rcEdit);
    m_pEdit->MoveWindow(rcEdit, TRUE);
    ShowEditWindow();
    m_bRefreshNeeded = FALSE;
}

void CZMRControlComboBox::SetRefreshNeeded()
{
    m_bRefreshNeeded = TRUE;
}

void CZMRControlComboBox::SetParent(CZMRCommandBar* pParent)
{
    if (pParent)
    {
        if (CZMRControlComboBoxPopupBar* pPopup = GetPopupBar())
        {
            if (!pPopup->GetBarManager())
                pPopup->SetBarManager(pParent->GetBarManager());
            CWnd* pSite = pParent->GetSite();
            if (pPopup->GetSafeHwnd() && pSite && pSite->GetSafeHwnd())
                ::SetWindowLongPtrW(pPopup->GetSafeHwnd(), GWLP_HWNDPARENT, LONG_PTR(pSite->GetSafeHwnd()));
        }
    }
    else
        DestroyEditWindow();
    CZMRControlPopup::SetParent(pParent);
}

void CZMRControlComboBox::OnRemoved()
{
    ShowEditWindow();
    if (!m_pControls)
        DestroyEditWindow();
    CZMRControlPopup::OnRemoved();
}

void CZMRControlComboBox::SetHideFlags(DWORD dwFlags)
{
    if (m_dwHideFlags == dwFlags)
        return;
    CZMRControlPopup::SetHideFlags(dwFlags);
    ShowEditWindow();
}

void CZMRControlComboBox::ExpandIntoItems(DWORD dwMode)
{
    SetHideFlags(ZMREditWindow::GetDockHideFlags(m_dwHideFlags, dwMode));
}

void CZMRControlComboBox::SetEnabled(int bEnabled)
{
    if (m_bEnabled == bEnabled)
        return;
    CZMRControlPopup::SetEnabled(bEnabled);
    if (ZMREditWindow::Enable(this, m_pEdit))
        ApplyCharFormat();
}

BOOL CZMRControlComboBox::IsCaptionVisible() const
{
    return ZMREditWindow::IsCaptionShown(this, m_nComboStyle == 1);
}

BOOL CZMRControlComboBox::IsWidthAdjustable() const
{
    return TRUE;
}

int CZMRControlComboBox::GetResizeMinWidth() const
{
    return m_nLabelWidth + m_nDropDownWidth + 5;
}

BOOL CZMRControlComboBox::IsFocusable() const
{
    return TRUE;
}

// ---------------------------------------------------------------- focus

BOOL CZMRControlComboBox::IsFocused() const
{
    return m_bFocused;
}

void CZMRControlComboBox::SetFocused(BOOL bFocused)
{
    if (bFocused == m_bFocused)
        return;
    CZMRMouseManager* pMouseManager = CZMRMouseManager::GetThreadMouseManager();
    m_bFocused = bFocused;
    if (bFocused)
    {
        m_nSelectionAtFocus = GetCurSel();
        m_bExecuted = FALSE;
        if (m_pEdit && m_pEdit->GetSafeHwnd() && !IsEditWindowFocused())
            m_pEdit->SetFocus();
        if (m_pParent)
        {
            m_pParent->SetMenuLoopActive(TRUE);
            m_pParent->SetHotControl(m_nIndex, 2);
        }
        pMouseManager->m_nFocusCount++;
        NotifySite(ZMR_CBN_SETFOCUS);
    }
    else
    {
        if (!m_bExecuted && !IsPopupOpen() && !m_pEdit)
        {
            SetCurSel(m_nSelectionAtFocus);
            NotifySite(ZMR_CBN_SELENDCANCEL);
        }
        if (IsEditWindowFocused())
            ZMREditWindow::GiveFocusBack(m_pParent);
        pMouseManager->m_nFocusCount--;
        // A tool bar whose combo box gave the focus up stops taking the keys.
        if (m_pParent && m_pParent->IsTrackingMode() && !m_pParent->IsPopupBar() && !IsPopupOpen())
            m_pParent->SetMenuLoopActive(FALSE);
        NotifySite(ZMR_CBN_KILLFOCUS);
    }
    RepaintInParentBar();
}

void CZMRControlComboBox::OnEditSetFocus(CWnd* pWndOld)
{
    if (ZMREditWindow::IsHint(GetEditText(), m_strEditHint))
        SetEditText(L"");
    m_strTextAtFocus = GetDisplayText();
    m_bSuppressCompletion = TRUE;
    SyncListSelection();
    if (m_pParent)
    {
        ZMREditWindow::RememberFocusOrigin(m_pParent, pWndOld);
        // While the drop-down opens, the bar already has this control popped.
        if (!IsPopupOpen() && m_pParent->GetPoppedIndex() != m_nIndex)
            m_pParent->SetPoppedControl(-1);
    }
    SetFocused(TRUE);
    if (m_pAutoCompleteWnd)
        m_pAutoCompleteWnd->SetHookActive(TRUE);
    ZMREditWindow::SelectAllOnFocus(m_pEdit);
}

void CZMRControlComboBox::OnEditKillFocus()
{
    if (GetEditText().IsEmpty() && !m_strEditHint.IsEmpty())
        SetEditText(m_strEditHint);
    SetFocused(FALSE);
    if (IsPopupOpen() && m_pParent)
        m_pParent->SetPoppedControl(-1);
    if (m_pAutoCompleteWnd)
        m_pAutoCompleteWnd->SetHookActive(FALSE);
}

BOOL CZMRControlComboBox::OnSelectionChange(int bSelected)
{
    if (!bSelected && m_bFocused && IsEditWindowFocused() && !IsPopupOpen())
        SetFocused(FALSE);
    return CZMRControlPopup::OnSelectionChange(bSelected);
}

void CZMRControlComboBox::OnAccessKeyPressed()
{
    if (!GetEnabled())
        return;
    if (m_pEdit && m_pEdit->GetSafeHwnd())
        m_pEdit->SetFocus();
    else
        SetFocused(TRUE);
}

// ---------------------------------------------------------------- mouse, keys and the drop-down

void CZMRControlComboBox::OnMouseMove(CPoint point)
{
    CZMRControlPopup::OnMouseMove(point);
    if (!GetEnabled() || !m_bSelected)
        return;
    const CRect rcButton(m_rcControl.right - m_nDropDownWidth, m_rcControl.top, m_rcControl.right,
                         m_rcControl.bottom);
    const int nSelected = rcButton.PtInRect(point) ? 5 : (m_bSelected == 5 ? 1 : m_bSelected);
    if (nSelected != m_bSelected)
    {
        m_bSelected = nSelected;
        RepaintInParentBar();
    }
}

void CZMRControlComboBox::OnMouseHover()
{
}

void CZMRControlComboBox::OnClick(BOOL bKeyboard, CPoint point)
{
    if (m_pEdit && m_pEdit->IsImeComposing())
        return;
    if (IsCustomizeMode())
    {
        BeginCustomizeMove(point);
        return;
    }
    if (bKeyboard && GetEnabled())
    {
        if (m_bFocused)
            OnExecute();
        else if (m_pEdit && m_pEdit->GetSafeHwnd())
            m_pEdit->SetFocus();
        else
            SetFocused(TRUE);
        return;
    }
    if (IsPopupOpen() && m_bFocused)
    {
        if (m_pParent)
            m_pParent->SetPoppedControl(-1);
        return;
    }
    CZMRControlPopup::OnClick(bKeyboard, point);
}

BOOL CZMRControlComboBox::ShowPopup(BOOL bPopup)
{
    if (bPopup)
    {
        m_bExecuted = FALSE;
        m_nSelectionAtFocus = GetCurSel();
        if (m_pAutoCompleteWnd)
            m_pAutoCompleteWnd->HideSuggestWindow();
        if (m_pEdit && m_pEdit->GetSafeHwnd() && !IsEditWindowFocused())
            m_pEdit->SetFocus();
    }
    else if (m_bPopup && !m_bExecuted)
    {
        if (!m_pEdit && !m_bFocused)
            SetCurSel(m_nSelectionAtFocus);
        NotifySite(ZMR_CBN_SELENDCANCEL);
    }
    return CZMRControlPopup::ShowPopup(bPopup);
}

void CZMRControlComboBox::OnExecute()
{
    const BOOL bHasWindow = m_pEdit && m_pEdit->GetSafeHwnd();
    if (GetCurSel() != -1 && (IsPopupOpen() || (!bHasWindow && m_bFocused)))
        NotifySite(ZMR_CBN_SELENDOK);
    m_bExecuted = TRUE;
    m_nSelectionAtFocus = GetCurSel();
    InternalAddRef();
    CZMRControlPopup::OnExecute();
    // The command closed the menus: the keys go back where they came from.
    if (m_bFocused && m_pParent && !m_pParent->IsTrackingMode())
        SetFocused(FALSE);
    InternalRelease();
}

BOOL CZMRControlComboBox::HandleHookedKeyDown(UINT nChar)
{
    if (!m_bFocused)
        return 0;
    m_bSuppressCompletion = nChar == VK_DELETE || nChar == VK_BACK;
    if (m_pEdit && m_pEdit->IsImeComposing())
        return 2;
    const BOOL bAlt = ::GetKeyState(VK_MENU) < 0;
    const BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    CZMRControlComboBoxPopupBar* pList = IsListPopup() ? GetPopupBar() : nullptr;
    switch (nChar)
    {
    case VK_TAB:
        if (!(m_pAutoCompleteWnd && (m_dwShellAutoCompleteFlags & SHACF_USETAB)))
            return 0;
        break;
    case VK_RETURN:
        return 0;
    case VK_ESCAPE:
    {
        const BOOL bPopupBar = m_pParent && m_pParent->GetType() == zmrBarTypePopup;
        if (IsPopupOpen() && m_pParent)
            m_pParent->SetPoppedControl(-1);
        SetCurSel(m_nSelectionAtFocus);
        SetEditText(m_strTextAtFocus);
        SetFocused(FALSE);
        return bPopupBar ? 1 : 0;
    }
    }
    // An accelerator of the bars takes the key; Alt+F4 and the like go on.
    CZMRBarManager* pManager = GetBarManager();
    if (m_pEdit && bAlt && !bCtrl && pManager && pManager->HandleMnemonicKey(nChar))
        return 1;
    if (((nChar == VK_UP || nChar == VK_DOWN) && bAlt) || (nChar == VK_F4 && !bAlt))
    {
        OnClick(FALSE, CPoint(m_rcControl.right - 1, m_rcControl.top + 1));
        return 1;
    }
    if (m_pAutoCompleteWnd && m_pAutoCompleteWnd->FilterKey(nChar, 0))
        return 1;
    if (pList)
    {
        const BOOL bListKey = !bAlt && (nChar == VK_PRIOR || nChar == VK_NEXT || nChar == VK_UP || nChar == VK_DOWN);
        if ((!m_pEdit || bListKey) && pList->ProcessKey(this, nChar, 0))
            return 1;
    }
    if (m_pEdit && m_pEdit->FilterKey(nChar, 0))
        return 1;
    return 2;
}

BOOL CZMRControlComboBox::HandleHookedMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*point*/)
{
    CZMRControlComboBoxPopupBar* pList = IsListPopup() ? GetPopupBar() : nullptr;
    if (!m_bFocused || IsAutoSuggestShown() || !pList)
        return FALSE;
    pList->ProcessKey(this, zDelta < 0 ? VK_DOWN : VK_UP, 0);
    return TRUE;
}

// ---------------------------------------------------------------- action

void CZMRControlComboBox::OnActionChanging(int nProperty)
{
    if (nProperty == zmrActionCaption && ZMREditWindow::IsHint(GetEditText(), m_strEditHint))
        SetEditText(L"");
    CZMRControlPopup::OnActionChanging(nProperty);
}

void CZMRControlComboBox::OnActionChanged(int nProperty)
{
    CZMRControlPopup::OnActionChanged(nProperty);
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

void CZMRControlComboBox::Copy(CZMRControl* pControl, BOOL bRecursive)
{
    if (CZMRControlComboBox* pOther = DYNAMIC_DOWNCAST(CZMRControlComboBox, pControl))
    {
        m_dwEditStyle = pOther->m_dwEditStyle;
        m_nComboStyle = pOther->m_nComboStyle;
        SetEditText(pOther->GetDisplayText());
        m_strEditHint = pOther->m_strEditHint;
        SetDropDownMode(pOther->m_bDropDown);
        m_bAutoComplete = pOther->m_bAutoComplete;
        SetShellAutoCompleteFlags(pOther->m_dwShellAutoCompleteFlags);
        m_nEditIconId = pOther->m_nEditIconId;
        m_nDropDownItemCount = pOther->m_nDropDownItemCount;
    }
    // Each combo box keeps a list of its own.
    CZMRControlPopup::Copy(pControl, TRUE);
}

CZMRControl* CZMRControlComboBox::Clone(BOOL bRecursive)
{
    CZMRControlComboBox* pClone = new CZMRControlComboBox;
    pClone->Copy(this, bRecursive);
    return pClone;
}

void CZMRControlComboBox::DoPropExchange(CZMRPropExchange* pPX)
{
    CZMRControlPopup::DoPropExchange(pPX);
    if (!pPX)
        return;
    const int nSchema = pPX->GetSchema();
    PropExchangeBool(pPX, L"DropDown", &m_bDropDown, TRUE);
    PropExchangeInt(pPX, L"Width", &m_nWidth, 0);
    PropExchangeInt(pPX, L"ComboStyle", &m_nComboStyle, 0);
    if (nSchema > 8)
    {
        PropExchangeString(pPX, L"EditHint", &m_strEditHint, L"");
        int nFlags = int(m_dwShellAutoCompleteFlags);
        PropExchangeInt(pPX, L"ShellAutoCompleteFlags", &nFlags, 0);
        m_dwShellAutoCompleteFlags = DWORD(nFlags);
        PropExchangeBool(pPX, L"AutoComplete", &m_bAutoComplete, FALSE);
        PropExchangeInt(pPX, L"EditIconId", &m_nEditIconId, 0);
        PropExchangeInt(pPX, L"DropDownItemCount", &m_nDropDownItemCount, 12);
    }
    if (nSchema > 16)
    {
        int nStyle = int(m_dwEditStyle);
        PropExchangeInt(pPX, L"EditStyle", &nStyle, 0);
        m_dwEditStyle = DWORD(nStyle);
    }
    if (pPX->IsLoading())
    {
        SetDropDownMode(m_bDropDown);
        SetShellAutoCompleteFlags(m_dwShellAutoCompleteFlags);
    }
}
