#include "CZMREdit.h"
#include "CZMRBarManager.h"
#include "CZMRCommandBar.h"
#include "CZMRControl.h"
#include "CZMRControls.h"
#include "CZMRMouseManager.h"
#include "CZMRPaintManager.h"
#include "CZMRPopupBar.h"
#include <richedit.h>
#include <vector>

IMPLEMENT_DYNAMIC(CZMREdit, CEdit)

namespace
{
// The rich-edit library: loaded on first use, kept until the process ends.
struct CRichEditLoader
{
    CRichEditLoader()
    {
        m_hModule = ::LoadLibraryA("RICHED20.DLL");
        if (m_hModule)
        {
            m_strClass = L"RichEdit20W";
            m_bVersion20 = TRUE;
            return;
        }
        m_hModule = ::LoadLibraryA("RICHED32.DLL");
        if (m_hModule)
            m_strClass = L"RICHEDIT";
    }
    ~CRichEditLoader()
    {
        if (m_hModule)
            ::FreeLibrary(m_hModule);
    }
    HMODULE m_hModule = nullptr;
    CString m_strClass;
    BOOL m_bVersion20 = FALSE;
};

CRichEditLoader& RichEditLoader()
{
    static CRichEditLoader loader;
    return loader;
}
} // namespace

CZMREdit::CZMREdit() : m_bImeComposing(FALSE), m_bInRibbonCaption(FALSE), m_bSettingText(FALSE)
{
}

CString CZMREdit::GetRichEditClass()
{
    return RichEditLoader().m_strClass;
}

BOOL CZMREdit::IsRichEdit20() const
{
    if (!m_hWnd)
        return FALSE;
    wchar_t szClass[32] = {};
    ::GetClassNameW(m_hWnd, szClass, 32);
    return ::lstrcmpiW(szClass, L"RichEdit20W") == 0;
}

BOOL CZMREdit::CreateEditWindow(DWORD dwStyle, CWnd* pParentWnd)
{
    CRichEditLoader& loader = RichEditLoader();
    if (!loader.m_hModule)
        return Create(dwStyle, CRect(0, 0, 0, 0), pParentWnd, 0);
    if (!CreateEx(0, loader.m_strClass, nullptr, dwStyle, CRect(0, 0, 0, 0), pParentWnd, 0))
        return FALSE;
    SendMessage(EM_SETEVENTMASK, 0, ENM_CHANGE);
    SendMessage(EM_SETTEXTMODE, TM_PLAINTEXT | TM_SINGLELEVELUNDO, 0);
    return TRUE;
}

void CZMREdit::SetText(LPCTSTR lpszText)
{
    // Emptied first with the change report held back, so that only the new
    // text reports a change.
    m_bSettingText = TRUE;
    ::SetWindowTextW(m_hWnd, L"");
    m_bSettingText = FALSE;
    ::SetWindowTextW(m_hWnd, lpszText);
}

CString CZMREdit::GetText() const
{
    if (!m_hWnd)
        return CString();
    if (IsRichEdit20())
    {
        GETTEXTLENGTHEX gtl = {GTL_DEFAULT, 1200};
        const LRESULT nLength = ::SendMessageW(m_hWnd, EM_GETTEXTLENGTHEX, WPARAM(&gtl), 0);
        if (nLength <= 0)
            return CString();
        // Room for the text and its terminating wide NUL, counted in bytes.
        std::vector<wchar_t> buffer(size_t(nLength) + 1, L'\0');
        GETTEXTEX gt = {};
        gt.cb = DWORD(buffer.size() * sizeof(wchar_t));
        gt.flags = GT_DEFAULT;
        gt.codepage = 1200;
        ::SendMessageW(m_hWnd, EM_GETTEXTEX, WPARAM(&gt), LPARAM(buffer.data()));
        buffer.back() = L'\0';
        return CString(buffer.data());
    }
    CString str;
    GetWindowText(str);
    return str;
}

void CZMREdit::ApplyCharFormat(COLORREF clrText, COLORREF clrBack)
{
    if (!m_hWnd)
        return;
    CHARFORMAT2W cf = {};
    cf.cbSize = IsRichEdit20() ? sizeof(CHARFORMAT2W) : sizeof(CHARFORMATW);
    cf.dwMask = CFM_COLOR | CFM_BACKCOLOR;
    cf.crTextColor = clrText;
    cf.crBackColor = clrBack;
    SendMessage(EM_SETCHARFORMAT, SCF_ALL, LPARAM(&cf));
    SendMessage(EM_SETBKGNDCOLOR, 0, LPARAM(clrBack));
}

BOOL CZMREdit::FilterKey(UINT nChar, LPARAM lParam)
{
    if (!m_hWnd)
        return FALSE;
    const BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    const BOOL bEditKey = (bCtrl && (nChar == 'C' || nChar == 'V' || nChar == 'X' || nChar == 'Z')) ||
                          nChar == VK_BACK || (nChar >= VK_PRIOR && nChar <= VK_DELETE);
    if (!bEditKey)
        return FALSE;
    MSG msg = {m_hWnd, WM_KEYDOWN, WPARAM(nChar), lParam, 0, {}};
    return ::IsDialogMessageW(m_hWnd, &msg);
}

BOOL CZMREdit::IsClipboardCommandEnabled(UINT nID) const
{
    if (!m_hWnd)
        return FALSE;
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessageW(m_hWnd, EM_GETSEL, WPARAM(&dwStart), LPARAM(&dwEnd));
    const BOOL bSelection = dwStart != dwEnd;
    const DWORD dwStyle = DWORD(::GetWindowLongW(m_hWnd, GWL_STYLE));
    const BOOL bWritable = !(dwStyle & (ES_READONLY | WS_DISABLED));
    switch (nID)
    {
    case ID_EDIT_COPY:
        return bSelection;
    case ID_EDIT_CUT:
        return bSelection && bWritable;
    case ID_EDIT_PASTE:
        return bWritable && ::IsClipboardFormatAvailable(CF_TEXT);
    default:
        return FALSE;
    }
}

void CZMREdit::OnClipboardCommand(UINT nID)
{
    switch (nID)
    {
    case ID_EDIT_COPY:
        SendMessage(WM_COPY);
        break;
    case ID_EDIT_CUT:
        SendMessage(WM_CUT);
        break;
    case ID_EDIT_PASTE:
        SendMessage(WM_PASTE);
        break;
    }
}

BOOL CZMREdit::ShowContextMenu(CZMRControl* pControl, CPoint point)
{
    CString strCut;
    if (!strCut.LoadString(ID_EDIT_CUT))
        return FALSE;

    CZMRCommandBar* pBar = pControl ? pControl->GetParent() : nullptr;
    CZMRBarManager* pManager = pControl ? pControl->GetBarManager() : nullptr;
    CZMRMouseManager* pMouseManager =
        pManager ? pManager->GetMouseManager() : CZMRMouseManager::GetThreadMouseManager();
    // The bars under the menu hot-track again while it is up.
    pMouseManager->m_nFocusCount--;
    ClientToScreen(&point);
    MSG msg;
    if (::PeekMessageW(&msg, m_hWnd, EM_SETSEL, EM_SETSEL, PM_NOREMOVE))
        SetSel(0, -1);

    CZMRPopupBar* pPopup = CZMRPopupBar::CreatePopupBar(pManager);
    pPopup->SetHideCaret(FALSE);
    const UINT ids[] = {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE};
    for (UINT nID : ids)
    {
        CZMRControl* pItem = pPopup->GetControls()->Add(zmrControlButton, int(nID));
        pItem->SetEnabled(IsClipboardCommandEnabled(nID));
    }
    UINT nFlags = zmrTrackNested | zmrTrackNoNotify | zmrTrackReturnCmd;
    if (pBar && pBar->GetSafeHwnd() && (pBar->GetExStyle() & (WS_EX_LAYOUTRTL | WS_EX_RIGHT)))
        nFlags |= zmrTrackRightAligned;
    const int nCmd = CZMRCommandBar::TrackPopupBar(pPopup, nFlags, point.x, point.y);
    if (nCmd > 0 && ::IsWindow(m_hWnd))
        OnClipboardCommand(UINT(nCmd));

    pMouseManager->m_nFocusCount++;
    pPopup->InternalRelease();
    if (pBar && pBar->GetSafeHwnd())
        pBar->UpdateWindow();
    return TRUE;
}

LRESULT CZMREdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_IME_STARTCOMPOSITION:
    {
        const LRESULT lResult = CEdit::WindowProc(message, wParam, lParam);
        m_bImeComposing = TRUE;
        return lResult;
    }
    case WM_IME_ENDCOMPOSITION:
    {
        const LRESULT lResult = CEdit::WindowProc(message, wParam, lParam);
        m_bImeComposing = FALSE;
        return lResult;
    }
    case WM_KILLFOCUS:
        m_bImeComposing = FALSE;
        break;
    case WM_PAINT:
        if (m_bInRibbonCaption)
        {
            const LRESULT lResult = CEdit::WindowProc(message, wParam, lParam);
            // On the glass frame the field would show through.
            CClientDC dc(this);
            CRect rc;
            GetClientRect(rc);
            CZMRPaintManager::MakeRectOpaque(&dc, rc);
            return lResult;
        }
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}
