#include "CZMRControlComboBoxList.h"
#include "CZMRControlComboBox.h"
#include "CZMRControlComboBoxEditCtrl.h"
#include "CZMRBarManager.h"
#include "CZMRImageManager.h"
#include "CZMRMouseManager.h"
#include "CZMRPaintManager.h"
#include "CZMRPropExchange.h"
#include "CZMRSectionScope.h"
#include <algorithm>

IMPLEMENT_SERIAL(CZMRControlComboBoxList, CZMRControlComboBoxPopupBar, VERSIONABLE_SCHEMA | 0x21)

CZMRControlComboBoxList::CZMRControlComboBoxList() : m_nListIconId(-1), m_pCombo(nullptr)
{
    m_barPosition = zmrBarNoDrag;
    m_dwStyle = 0;
    m_nMRUWidth = 0;
}

int CZMRControlComboBoxList::GetRowCount(int nDropDownItemCount, int nItemCount)
{
    // At least one row, also for a drop-down item count of 0 or less.
    return std::max(1, std::min(nDropDownItemCount, nItemCount));
}

BOOL CZMRControlComboBoxList::IsCustomizable() const
{
    return FALSE;
}

// ---------------------------------------------------------------- the list box

BOOL CZMRControlComboBoxList::CreateListBox()
{
    if (GetSafeHwnd())
        return TRUE;
    const DWORD dwStyle = m_dwStyle & ~DWORD(0x400000);
    CWnd* pSite = GetBarManager() ? GetSite() : nullptr;
    // The list and its frame: the client edge holds the two frame lines.
    const DWORD dwExStyle = WS_EX_CLIENTEDGE | WS_EX_TOOLWINDOW;
    BOOL bCreated = FALSE;
    if (pSite && pSite->GetSafeHwnd() && (dwStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)))
    {
        // Made as the site's child so that the site gets the owner-draw
        // messages (and reflects them back), then turned into a popup.
        bCreated = CreateEx(dwExStyle, L"LISTBOX", L"", dwStyle | WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | LBS_NOTIFY,
                            CRect(0, 0, 0, 50), pSite, 0);
        if (bCreated)
        {
            ::SetParent(m_hWnd, nullptr);
            ModifyStyle(WS_CHILD, WS_POPUP);
            ::SetWindowLongPtrW(m_hWnd, GWLP_HWNDPARENT, LONG_PTR(pSite->GetSafeHwnd()));
        }
    }
    else
        bCreated = CreateEx(dwExStyle, L"LISTBOX", L"", dwStyle | WS_POPUP | WS_CLIPCHILDREN | WS_VSCROLL | LBS_NOTIFY,
                            0, 0, 0, 0, nullptr, nullptr);
    if (!bCreated)
        return FALSE;
    CZMRBarManager* pManager = GetBarManager();
    if (pManager && m_nListIconId != -1)
    {
        if (CZMRImageManagerIcon* pImage = pManager->GetImageManager()->GetImage(UINT(m_nListIconId), 0))
            SendMessage(LB_SETITEMHEIGHT, 0, pImage->GetExtent().cy + 4);
    }
    return TRUE;
}

int CZMRControlComboBoxList::AddString(LPCTSTR lpszText)
{
    if (!CreateListBox())
        return LB_ERR;
    return int(SendMessage(LB_ADDSTRING, 0, LPARAM(lpszText)));
}

int CZMRControlComboBoxList::GetCount() const
{
    return m_hWnd ? int(::SendMessageW(m_hWnd, LB_GETCOUNT, 0, 0)) : 0;
}

void CZMRControlComboBoxList::ResetContent()
{
    if (m_hWnd)
        SendMessage(LB_RESETCONTENT);
}

int CZMRControlComboBoxList::GetCurSel() const
{
    return m_hWnd ? int(::SendMessageW(m_hWnd, LB_GETCURSEL, 0, 0)) : -1;
}

int CZMRControlComboBoxList::FindString(int nStartAfter, LPCTSTR lpszText) const
{
    return m_hWnd ? int(::SendMessageW(m_hWnd, LB_FINDSTRING, WPARAM(nStartAfter), LPARAM(lpszText))) : -1;
}

int CZMRControlComboBoxList::FindStringExact(int nStartAfter, LPCTSTR lpszText) const
{
    return m_hWnd ? int(::SendMessageW(m_hWnd, LB_FINDSTRINGEXACT, WPARAM(nStartAfter), LPARAM(lpszText))) : -1;
}

int CZMRControlComboBoxList::SetTopIndex(int nIndex)
{
    return m_hWnd ? int(::SendMessageW(m_hWnd, LB_SETTOPINDEX, WPARAM(nIndex), 0)) : -1;
}

void CZMRControlComboBoxList::SetCurSel(int nIndex)
{
    if (m_hWnd)
        ::SendMessageW(m_hWnd, LB_SETCURSEL, WPARAM(nIndex), 0);
}

void CZMRControlComboBoxList::GetText(int nIndex, CString& strText) const
{
    strText.Empty();
    if (!m_hWnd)
        return;
    const LRESULT nLength = ::SendMessageW(m_hWnd, LB_GETTEXTLEN, WPARAM(nIndex), 0);
    if (nLength == LB_ERR)
        return;
    std::vector<wchar_t> buffer(size_t(nLength) + 1, L'\0');
    ::SendMessageW(m_hWnd, LB_GETTEXT, WPARAM(nIndex), LPARAM(buffer.data()));
    strText = buffer.data();
}

// ---------------------------------------------------------------- opening and the menu loop

BOOL CZMRControlComboBoxList::OpenAsPopup(CZMRControl* pControlPopup, BOOL bSelectFirst)
{
    m_pCombo = DYNAMIC_DOWNCAST(CZMRControlComboBox, pControlPopup);
    m_pControlPopup = pControlPopup;
    if (!m_pCombo || !CreateListBox())
        return FALSE;
    CZMRPaintManager* pPaintManager = GetPaintManager();
    SendMessage(WM_SETFONT, WPARAM(pPaintManager->m_fntRegular.GetSafeHandle()), TRUE);
    if (CWnd* pOwner = GetOwnerWindow(); pOwner && pOwner->GetSafeHwnd())
        pOwner->SendMessage(ZMR_WM_POPUPOPENING, 0, LPARAM(this));
    CZMRBarManager* pManager = GetBarManager();
    if (pManager && pManager->IsRightToLeft())
        ModifyStyleEx(WS_EX_LAYOUTRTL, WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR);
    else
        ModifyStyleEx(WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR, 0);

    if (!SetMenuLoopActive(TRUE, bSelectFirst, 0))
        return FALSE;
    ComputeAnchorFromControl();
    const int nRows = GetRowCount(m_pCombo->GetDropDownItemCount(), GetCount());
    const int nHeight = int(SendMessage(LB_GETITEMHEIGHT, 0, 0)) * nRows + 4;
    const int nWidth = m_nMRUWidth > 0 ? m_nMRUWidth : pControlPopup->GetRect().Width();
    Reposition(CSize(nWidth, nHeight));
    EnableWindow(TRUE);
    return TRUE;
}

BOOL CZMRControlComboBoxList::SetMenuLoopActive(int bActive, BOOL bSelectFirst, int nCallback)
{
    CZMRMouseManager* pMouseManager = CZMRMouseManager::GetThreadMouseManager();
    if (bActive)
    {
        // The popup bar's own entering, without its window work.
        if (!CZMRCommandBar::SetMenuLoopActive(bActive, bSelectFirst, nCallback))
            return FALSE;
        pMouseManager->m_nFocusCount++;
        if (m_pCombo)
        {
            m_pCombo->SyncListSelection();
            m_pCombo->NotifySite(ZMR_CBN_DROPDOWN);
        }
        return TRUE;
    }
    // Leaving keeps the list box: it is the list's only window.
    if (!CZMRCommandBar::SetMenuLoopActive(FALSE, bSelectFirst, nCallback))
        return FALSE;
    m_pReturnCmd = nullptr;
    CZMRControlComboBox* pCombo = m_pCombo;
    if (pCombo)
        pCombo->NotifySite(ZMR_CBN_CLOSEUP);
    pMouseManager->m_nFocusCount--;
    if (GetSafeHwnd())
        ShowWindow(SW_HIDE);
    if (CZMRCommandBar* pParent = GetParentBar())
        pParent->SetPoppedControl(-1);
    m_pCombo = nullptr;
    m_pControlPopup = nullptr;
    return TRUE;
}

int CZMRControlComboBoxList::HandleHookedKeyDown(UINT nChar, LPARAM lParam)
{
    if (!m_pCombo)
        return CZMRCommandBar::HandleHookedKeyDown(nChar, lParam);
    switch (nChar)
    {
    case VK_ESCAPE:
        if (m_pCombo->IsFocused())
            return 0;
        SetMenuLoopActive(FALSE);
        return 1;
    case VK_TAB:
        return 0;
    case VK_RETURN:
        m_pCombo->OnExecute();
        return 1;
    default:
        return ProcessKey(m_pCombo, nChar, lParam) ? 1 : 0;
    }
}

int CZMRControlComboBoxList::HandleHookedMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                                                 LRESULT& lResult)
{
    // The wheel scrolls the open list.
    if (m_bTracking && nMessage == WM_MOUSEWHEEL && GetSafeHwnd())
    {
        lResult = DefWindowProc(nMessage, wParam, lParam);
        return ZMR_HOOK_HANDLED;
    }
    return CZMRControlComboBoxPopupBar::HandleHookedMessage(hWnd, nMessage, wParam, lParam, lResult);
}

BOOL CZMRControlComboBoxList::ProcessKey(CZMRControlComboBox* pCombo, UINT nChar, LPARAM lParam)
{
    if (!pCombo || !GetSafeHwnd())
        return FALSE;
    const BOOL bAlt = ::GetKeyState(VK_MENU) < 0;
    const int nOldSel = GetCurSel();
    if (pCombo->GetEditCtrl())
    {
        if (bAlt || (nChar != VK_PRIOR && nChar != VK_NEXT && nChar != VK_UP && nChar != VK_DOWN))
            return FALSE;
        DefWindowProc(WM_KEYDOWN, nChar, lParam);
    }
    else
    {
        if (((nChar == VK_UP || nChar == VK_DOWN) && bAlt) || (nChar == VK_F4 && !bAlt))
            return FALSE;
        MSG msg = {m_hWnd, WM_KEYDOWN, WPARAM(nChar), lParam, 0, {}};
        ::IsDialogMessageW(m_hWnd, &msg);
        MSG msgChar;
        if (::PeekMessageW(&msgChar, m_hWnd, WM_CHAR, WM_CHAR, PM_REMOVE))
            DefWindowProc(WM_CHAR, msgChar.wParam, msgChar.lParam);
    }
    if (GetCurSel() != nOldSel)
    {
        pCombo->OnSelectionChanged();
        if (CZMRControlComboBoxEditCtrl* pEdit = pCombo->GetEditCtrl(); pEdit && pEdit->GetSafeHwnd())
        {
            pEdit->SendMessage(EM_SETSEL, 0, -1);
            pEdit->SendMessage(EM_SCROLLCARET);
        }
    }
    return TRUE;
}

// ---------------------------------------------------------------- drawing and the mouse

void CZMRControlComboBoxList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (m_pCombo)
        m_pCombo->DrawListItem(lpDrawItemStruct);
}

void CZMRControlComboBoxList::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (m_pCombo)
        m_pCombo->MeasureListItem(lpMeasureItemStruct);
}

BOOL CZMRControlComboBoxList::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_DRAWITEM)
    {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        if (pResult)
            *pResult = TRUE;
        return TRUE;
    }
    if (message == WM_MEASUREITEM)
    {
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        if (pResult)
            *pResult = TRUE;
        return TRUE;
    }
    return CZMRControlComboBoxPopupBar::OnChildNotify(message, wParam, lParam, pResult);
}

LRESULT CZMRControlComboBoxList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_MOUSEACTIVATE:
        // The edit keeps the focus and the frame stays active.
        return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
    {
        const LRESULT lResult = DefWindowProc(message, wParam, lParam);
        const LRESULT nItem = SendMessage(LB_ITEMFROMPOINT, 0, lParam);
        if (HIWORD(nItem) == 0 && int(LOWORD(nItem)) != GetCurSel())
            SetCurSel(int(LOWORD(nItem)));
        return lResult;
    }
    case WM_LBUTTONDOWN:
    {
        // The list box would take the focus from the combo box's edit
        // window, which closes the drop-down: the press only selects.
        const LRESULT nItem = SendMessage(LB_ITEMFROMPOINT, 0, lParam);
        if (HIWORD(nItem) == 0)
            SetCurSel(int(LOWORD(nItem)));
        SetCapture();
        return 0;
    }
    case WM_LBUTTONUP:
    {
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        const LRESULT nItem = SendMessage(LB_ITEMFROMPOINT, 0, lParam);
        CZMRControlComboBox* pCombo = m_pCombo;
        if (pCombo && HIWORD(nItem) == 0)
        {
            pCombo->OnSelectionChanged();
            pCombo->OnExecute();
        }
        return 0;
    }
    case WM_NCPAINT:
    {
        DefWindowProc(message, wParam, lParam);
        CWindowDC dc(this);
        CRect rc;
        GetWindowRect(rc);
        rc.OffsetRect(-rc.left, -rc.top);
        CZMRPaintManager* pPaintManager = GetPaintManager();
        pPaintManager->Draw3dRectByIndex(&dc, rc, 43, 43);
        rc.DeflateRect(1, 1);
        pPaintManager->Draw3dRectByIndex(&dc, rc, COLOR_WINDOW, COLOR_WINDOW);
        return 0;
    }
    case WM_PAINT:
    {
        PAINTSTRUCT ps;
        CDC* pDC = CDC::FromHandle(::BeginPaint(m_hWnd, &ps));
        CRect rcClient;
        GetClientRect(rcClient);
        pDC->FillSolidRect(rcClient, GetPaintManager()->GetColor(COLOR_WINDOW));
        DefWindowProc(WM_PAINT, WPARAM(pDC->GetSafeHdc()), 0);
        ::EndPaint(m_hWnd, &ps);
        return 0;
    }
    case WM_CREATE:
    case WM_DESTROY:
    case WM_NCDESTROY:
        return CZMRControlComboBoxPopupBar::WindowProc(message, wParam, lParam);
    default:
        // Everything else is the list box's own.
        return DefWindowProc(message, wParam, lParam);
    }
}

// ---------------------------------------------------------------- copies and persistence

void CZMRControlComboBoxList::Copy(CZMRCommandBar* pCommandBar, BOOL bRecursive)
{
    CZMRControlComboBoxPopupBar::Copy(pCommandBar, bRecursive);
    CZMRControlComboBoxList* pOther = DYNAMIC_DOWNCAST(CZMRControlComboBoxList, pCommandBar);
    if (!pOther)
        return;
    m_nListIconId = pOther->m_nListIconId;
    if (!CreateListBox())
        return;
    CString strItem;
    for (int i = 0; i < pOther->GetCount(); i++)
    {
        pOther->GetText(i, strItem);
        AddString(strItem);
    }
}

void CZMRControlComboBoxList::DoPropExchange(CZMRPropExchange* pPX)
{
    CZMRControlComboBoxPopupBar::DoPropExchange(pPX);
    if (!pPX)
        return;
    if (pPX->GetSchema() > 23)
        PropExchangeInt(pPX, L"ListIconId", &m_nListIconId, -1);
    CZMRSectionScope section(pPX->GetSection(L"Items"));
    if (!section)
        return;
    if (pPX->IsLoading())
    {
        if (!CreateListBox())
            return;
        int nCount = 0;
        PropExchangeInt(section, L"Count", &nCount, 0);
        for (int i = 0; i < nCount; i++)
        {
            CString strKey, strItem;
            strKey.Format(L"Item%i", i);
            PropExchangeString(section, strKey, &strItem, L"");
            AddString(strItem);
        }
        return;
    }
    int nCount = GetCount();
    PropExchangeInt(section, L"Count", &nCount, 0);
    for (int i = 0; i < nCount; i++)
    {
        CString strKey, strItem;
        strKey.Format(L"Item%i", i);
        GetText(i, strItem);
        PropExchangeString(section, strKey, &strItem, L"");
    }
}
