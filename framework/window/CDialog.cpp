#include "window/CDialog.h"
#include "window/AfxThreadState.h"
#include "window/CWinApp.h"
#include "window/FrameDefs.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog()
    : m_lpszTemplateName(nullptr), m_nIDHelp(0), m_pParentWnd(nullptr), m_nModalResult(-1), m_bContinueModal(FALSE)
{
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog()
{
    m_lpszTemplateName = MAKEINTRESOURCE(nIDTemplate);
    m_nIDHelp = nIDTemplate;
    m_pParentWnd = pParentWnd;
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd) : CDialog()
{
    m_lpszTemplateName = lpszTemplateName;
    m_pParentWnd = pParentWnd;
}

CDialog::~CDialog()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT, WPARAM, LPARAM)
{
    // Every message reaches the object through its window procedure first;
    // what it leaves goes to the dialog manager's default handling.
    return FALSE;
}

static LPCDLGTEMPLATE LoadTemplate(LPCTSTR lpszTemplateName, HINSTANCE& hInst)
{
    if (lpszTemplateName == nullptr)
        return nullptr;
    hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceW(hInst, lpszTemplateName, RT_DIALOG);
    if (hResource == nullptr)
        return nullptr;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    return hTemplate != nullptr ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : nullptr;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;   // the user has been told which value is wrong
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int nResult)
{
    if (m_bContinueModal)
        EndModalLoop(nResult);
    else if (m_hWnd != nullptr)
        ::EndDialog(m_hWnd, nResult);   // modeless: hidden, kept
}

void CDialog::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    m_bContinueModal = FALSE;
    if (m_hWnd != nullptr)
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0);   // wake the loop
}

HWND CDialog::PreModal()
{
    HWND hWndOwner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    BOOL bExplicit = hWndOwner != nullptr;
    if (hWndOwner == nullptr)
    {
        CWnd* pMain = AfxGetMainWnd();
        if (pMain != nullptr && pMain != this)
            hWndOwner = pMain->m_hWnd;
    }
    // A popup cannot be owned by a child window.
    while (hWndOwner != nullptr && (::GetWindowLongW(hWndOwner, GWL_STYLE) & WS_CHILD))
        hWndOwner = ::GetParent(hWndOwner);
    if (!bExplicit && hWndOwner != nullptr)
        hWndOwner = ::GetLastActivePopup(hWndOwner);
    return hWndOwner;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATE lpTemplate = LoadTemplate(m_lpszTemplateName, hInst);
    if (lpTemplate == nullptr || m_hWnd != nullptr)
        return -1;

    HWND hWndOwner = PreModal();
    BOOL bEnableOwner = FALSE;
    if (hWndOwner != nullptr && ::IsWindowEnabled(hWndOwner))
    {
        ::EnableWindow(hWndOwner, FALSE);
        bEnableOwner = TRUE;
    }

    m_nModalResult = -1;
    m_bContinueModal = TRUE;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamW(hInst, lpTemplate, hWndOwner, &CDialog::DialogProc, 0);
    AfxUnhookWindowCreate();

    if (hWnd != nullptr && m_bContinueModal)
    {
        if (!(::GetWindowLongW(hWnd, GWL_STYLE) & WS_VISIBLE))
            ::ShowWindow(hWnd, SW_SHOWNORMAL);
        RunModalLoop();
    }
    m_bContinueModal = FALSE;

    // Hide first, so that re-enabling the owner does not flash.
    if (m_hWnd != nullptr)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (bEnableOwner)
        ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndOwner);
    if (m_hWnd != nullptr)
        DestroyWindow();
    return hWnd != nullptr ? m_nModalResult : -1;
}

int CDialog::RunModalLoop()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    CWinThread* pThread = AfxGetThread();
    ++pState->m_nLoopDepth;
    HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    MSG msg;
    while (m_bContinueModal)
    {
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (bIdle)
            {
                // Idle time of the dialog: the owner learns that the dialog
                // waits, and the dialog may update its controls (WM_KICKIDLE
                // with the idle count; non-zero asks for another call).
                if (lIdleCount == 0 && hWndOwner != nullptr)
                    ::SendMessageW(hWndOwner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(m_hWnd));
                if (m_hWnd == nullptr || !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                    bIdle = FALSE;
                continue;
            }
            if (pState->m_nLoopDepth == 1)
                AfxDeleteTempMaps();
            ::WaitMessage();
            continue;
        }
        if (::GetMessageW(&msg, nullptr, 0, 0) <= 0)
        {
            // WM_QUIT ends this loop and is passed on to the outer one.
            AfxPostQuitMessage((int)msg.wParam);
            m_nModalResult = IDABORT;
            break;
        }
        if (!WalkPreTranslateTree(m_hWnd, &msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        BOOL bIdleMessage = pThread != nullptr ? pThread->IsIdleMessage(&msg)
                                               : (msg.message != WM_PAINT && msg.message != 0x0118);
        if (bIdleMessage)
        {
            bIdle = TRUE;
            lIdleCount = 0;
        }
    }
    --pState->m_nLoopDepth;
    return m_nModalResult;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (m_hWnd == nullptr)
        return FALSE;
    // Tooltips of the dialog see the mouse first.
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    return ::IsDialogMessageW(m_hWnd, pMsg);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDHelp = nIDTemplate;
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (pParentWnd != nullptr)
        m_pParentWnd = pParentWnd;
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATE lpTemplate = LoadTemplate(lpszTemplateName, hInst);
    if (lpTemplate == nullptr || m_hWnd != nullptr)
        return FALSE;
    HWND hWndParent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamW(hInst, lpTemplate, hWndParent, &CDialog::DialogProc, 0);
    AfxUnhookWindowCreate();
    if (hWnd == nullptr)
    {
        if (m_hWnd != nullptr)
            Detach();
        return FALSE;
    }
    return TRUE;
}

void CDialog::NextDlgCtrl() const { ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl != nullptr)
        ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), 1);
}
