// The tab client window: attaching to the MDI frame, keeping the tabs in line
// with the children, laying out the groups, painting and input, and the
// moves of tabs between groups with the group commands.
#include "CZMRTabClientWnd.h"
#include "CZMRTabManagerItem.h"
#include "CZMRTabPaintManager.h"
#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CZMRTabClientWnd, CWnd)

CZMRTabClientWnd::CZMRTabClientWnd()
    : m_pFrame(nullptr), m_pCommandBars(nullptr), m_pHostedWorkspace(nullptr), m_pPaintManager(new CZMRTabPaintManager()),
      m_pActiveWorkspace(nullptr), m_bGroupsStacked(FALSE),
      // The toolkit's own drag cursors live in a resource module the program
      // does not carry; the system's stand in for them.
      m_hDragCursor(::LoadCursorW(nullptr, IDC_ARROW)), m_hNoDropCursor(::LoadCursorW(nullptr, IDC_NO)),
      m_bGroupsEnabled(TRUE), m_bReorderAllowed(TRUE), m_nSplitterSize(4), m_bSuspendRedraw(FALSE),
      m_bLayoutPending(FALSE), m_bInClick(FALSE), m_bInMove(FALSE), m_bInLayout(FALSE), m_rcFeedback(0, 0, 0, 0),
      m_pDropTarget(nullptr), m_nDropAction(dropNone), m_rcLastFeedback(0, 0, 0, 0), m_szLastFeedback(0, 0),
      m_pFeedbackDC(nullptr), m_bFeedbackLocked(FALSE)
{
}

CZMRTabClientWnd::~CZMRTabClientWnd()
{
    EndFeedback();
    if (GetSafeHwnd())
        UnsubclassWindow();
    while (GetWorkspaceCount() > 0)
        RemoveWorkspace(GetWorkspaceCount() - 1);
    m_pPaintManager->InternalRelease();
}

// ------------------------------------------------------------ attaching

BOOL CZMRTabClientWnd::AttachToFrame(CMDIFrameWnd* pFrame, CZMRBarManager* pCommandBars)
{
    if (GetSafeHwnd() || !pFrame || !pFrame->m_hWndMDIClient)
        return FALSE;
    if (!SubclassWindow(pFrame->m_hWndMDIClient))
        return FALSE;
    m_pFrame = pFrame;
    m_pCommandBars = pCommandBars;
    UpdateContents();
    return TRUE;
}

void CZMRTabClientWnd::DetachFromFrame()
{
    if (!GetSafeHwnd())
        return;
    EndFeedback();
    const HWND hWnd = UnsubclassWindow();
    while (GetWorkspaceCount() > 0)
        RemoveWorkspace(GetWorkspaceCount() - 1);
    m_pFrame = nullptr;
    m_pCommandBars = nullptr;
    // The plain client arranges its children again as it likes.
    ::InvalidateRect(hWnd, nullptr, TRUE);
}

// ------------------------------------------------------------ children

HWND CZMRTabClientWnd::GetActiveChild() const
{
    if (!GetSafeHwnd())
        return nullptr;
    return reinterpret_cast<HWND>(::SendMessageW(m_hWnd, WM_MDIGETACTIVE, 0, 0));
}

void CZMRTabClientWnd::ActivateChild(HWND hWndChild)
{
    if (!hWndChild || !::IsWindow(hWndChild) || !GetSafeHwnd())
        return;
    ::SendMessageW(m_hWnd, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hWndChild), 0);
    if (::GetWindowLongW(hWndChild, GWL_STYLE) & WS_MINIMIZE)
        ::SendMessageW(hWndChild, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void CZMRTabClientWnd::GetChildren(CArray<HWND, HWND>& arrChildren) const
{
    arrChildren.RemoveAll();
    for (HWND hWnd = ::GetWindow(m_hWnd, GW_CHILD); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        // Icon titles of minimised children are owned by them.
        if (!::GetWindow(hWnd, GW_OWNER))
            arrChildren.Add(hWnd);
    }
}

HICON CZMRTabClientWnd::GetChildIcon(HWND hWndChild) const
{
    if (!hWndChild || !::IsWindow(hWndChild))
        return nullptr;
    HICON hIcon = reinterpret_cast<HICON>(::SendMessageW(hWndChild, WM_GETICON, ICON_SMALL, 0));
    if (!hIcon)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtrW(hWndChild, GCLP_HICONSM));
    if (!hIcon)
        hIcon = reinterpret_cast<HICON>(::SendMessageW(hWndChild, WM_GETICON, ICON_BIG, 0));
    if (!hIcon)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtrW(hWndChild, GCLP_HICON));
    return hIcon;
}

CString CZMRTabClientWnd::GetChildTooltip(HWND hWndChild) const
{
    CString strText;
    if (hWndChild && ::IsWindow(hWndChild))
    {
        const int nLength = ::GetWindowTextLengthW(hWndChild);
        ::GetWindowTextW(hWndChild, strText.GetBuffer(nLength + 1), nLength + 1);
        strText.ReleaseBuffer();
    }
    return strText;
}

COLORREF CZMRTabClientWnd::GetChildColor(HWND /*hWndChild*/) const
{
    return COLORREF(-1);
}

void CZMRTabClientWnd::UpdateContents()
{
    // A tab on its way between groups is in none for a moment.
    if (!GetSafeHwnd() || m_bInMove)
        return;
    if (GetWorkspaceCount() == 0)
        SetActiveWorkspace(AddWorkspace(-1));

    const BOOL bSuspended = m_bSuspendRedraw;
    m_bSuspendRedraw = TRUE;

    for (int nGroup = 0; nGroup < GetWorkspaceCount(); nGroup++)
    {
        CWorkspace* pWorkspace = GetWorkspace(nGroup);
        for (int i = pWorkspace->GetItemCount() - 1; i >= 0; i--)
        {
            const HWND hWndChild = reinterpret_cast<HWND>(pWorkspace->GetItem(i)->GetData());
            if (!::IsWindow(hWndChild) || ::GetParent(hWndChild) != m_hWnd)
                pWorkspace->DeleteItem(i);
        }
    }

    // New children in the order they were made: the client numbers them so.
    CArray<HWND, HWND> arrChildren;
    GetChildren(arrChildren);
    std::vector<HWND> children(arrChildren.GetData(), arrChildren.GetData() + arrChildren.GetSize());
    std::stable_sort(children.begin(), children.end(),
                     [](HWND a, HWND b) { return ::GetDlgCtrlID(a) < ::GetDlgCtrlID(b); });
    CWorkspace* pTarget = m_pActiveWorkspace ? m_pActiveWorkspace : GetWorkspace(0);
    for (HWND hWndChild : children)
    {
        if (!FindItem(hWndChild))
            pTarget->AddItem(-1)->SetData(reinterpret_cast<DWORD_PTR>(hWndChild));
    }

    for (int nGroup = 0; nGroup < GetWorkspaceCount(); nGroup++)
    {
        CWorkspace* pWorkspace = GetWorkspace(nGroup);
        for (int i = 0; i < pWorkspace->GetItemCount(); i++)
        {
            CZMRTabManagerItem* pItem = pWorkspace->GetItem(i);
            pItem->SetCaption(GetChildTooltip(reinterpret_cast<HWND>(pItem->GetData())));
        }
    }

    if (CZMRTabManagerItem* pActive = FindItem(GetActiveChild()))
    {
        CWorkspace* pWorkspace = static_cast<CWorkspace*>(pActive->GetTabManager());
        SetActiveWorkspace(pWorkspace);
        pWorkspace->SetSelectedItem(pActive);
    }

    m_bSuspendRedraw = bSuspended;
    if (m_bLayoutPending && !m_bSuspendRedraw)
        RepositionWorkspaces();
}

// ------------------------------------------------------------ groups

CZMRTabClientWnd::CWorkspace* CZMRTabClientWnd::GetWorkspace(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetWorkspaceCount())
        return nullptr;
    return m_arrWorkspaces[nIndex];
}

int CZMRTabClientWnd::FindWorkspaceIndex(const CWorkspace* pWorkspace) const
{
    for (int i = 0; i < GetWorkspaceCount(); i++)
    {
        if (m_arrWorkspaces[i] == pWorkspace)
            return i;
    }
    return -1;
}

CZMRTabManagerItem* CZMRTabClientWnd::FindItem(HWND hWndChild) const
{
    if (!hWndChild)
        return nullptr;
    for (int nGroup = 0; nGroup < GetWorkspaceCount(); nGroup++)
    {
        CWorkspace* pWorkspace = m_arrWorkspaces[nGroup];
        for (int i = 0; i < pWorkspace->GetItemCount(); i++)
        {
            if (reinterpret_cast<HWND>(pWorkspace->GetItem(i)->GetData()) == hWndChild)
                return pWorkspace->GetItem(i);
        }
    }
    return nullptr;
}

void CZMRTabClientWnd::SetActiveWorkspace(CWorkspace* pWorkspace)
{
    if (pWorkspace == m_pActiveWorkspace)
        return;
    CWorkspace* pOld = m_pActiveWorkspace;
    m_pActiveWorkspace = pWorkspace;
    if (pOld)
        pOld->SetActive(FALSE);
    if (pWorkspace)
        pWorkspace->SetActive(TRUE);
}

CZMRTabClientWnd::CWorkspace* CZMRTabClientWnd::AddWorkspace(int nIndex)
{
    CWorkspace* pWorkspace = new CWorkspace();
    pWorkspace->SetClient(this);
    m_pPaintManager->AddAtom(pWorkspace);
    // Only the group of the active child shows as active.
    const BOOL bSuspended = m_bSuspendRedraw;
    m_bSuspendRedraw = TRUE;
    pWorkspace->SetActive(FALSE);
    m_bSuspendRedraw = bSuspended;
    if (nIndex < 0 || nIndex > GetWorkspaceCount())
        nIndex = GetWorkspaceCount();
    m_arrWorkspaces.InsertAt(nIndex, pWorkspace);
    return pWorkspace;
}

void CZMRTabClientWnd::RemoveWorkspace(int nIndex)
{
    CWorkspace* pWorkspace = GetWorkspace(nIndex);
    if (!pWorkspace)
        return;
    m_arrWorkspaces.RemoveAt(nIndex);
    if (m_pActiveWorkspace == pWorkspace)
        m_pActiveWorkspace = nullptr;
    if (m_pDropTarget == pWorkspace)
        m_pDropTarget = nullptr;
    m_pPaintManager->RemoveAtom(pWorkspace);
    if (pWorkspace == m_pHostedWorkspace)
    {
        // The bar control owns it; it no longer shows this client.
        pWorkspace->SetClient(nullptr);
        m_pHostedWorkspace = nullptr;
        return;
    }
    delete pWorkspace;
}

void CZMRTabClientWnd::SetHostedWorkspace(CWorkspace* pWorkspace)
{
    if (pWorkspace == m_pHostedWorkspace)
        return;
    while (GetWorkspaceCount() > 0)
        RemoveWorkspace(GetWorkspaceCount() - 1);
    m_pHostedWorkspace = pWorkspace;
    if (pWorkspace)
    {
        pWorkspace->SetClient(this);
        m_pPaintManager->AddAtom(pWorkspace);
        m_arrWorkspaces.Add(pWorkspace);
    }
    UpdateContents();
    m_bLayoutPending = TRUE;
    RepositionWorkspaces();
}

void CZMRTabClientWnd::SetPaintManager(CZMRTabPaintManager* pPaintManager)
{
    if (!pPaintManager || pPaintManager == m_pPaintManager)
        return;
    pPaintManager->InternalAddRef();
    for (int i = 0; i < GetWorkspaceCount(); i++)
    {
        m_pPaintManager->RemoveAtom(m_arrWorkspaces[i]);
        pPaintManager->AddAtom(m_arrWorkspaces[i]);
    }
    m_pPaintManager->InternalRelease();
    m_pPaintManager = pPaintManager;
    RepositionWorkspaces();
}

void CZMRTabClientWnd::SetGroupsStacked(BOOL bStacked)
{
    m_bGroupsStacked = bStacked;
    RepositionWorkspaces();
}

void CZMRTabClientWnd::SetSplitterSize(int nSize)
{
    m_nSplitterSize = std::max(0, nSize);
    RepositionWorkspaces();
}

void CZMRTabClientWnd::RepositionWorkspaces()
{
    if (!GetSafeHwnd() || m_bInLayout || m_bSuspendRedraw)
    {
        m_bLayoutPending = TRUE;
        return;
    }
    m_bInLayout = TRUE;
    // A strip that scrolls to its selection asks for another pass; a few do.
    for (int nPass = 0; nPass < 3; nPass++)
    {
        m_bLayoutPending = FALSE;
        // A group the last tab has left goes; one group always stays.
        for (int i = GetWorkspaceCount() - 1; i >= 0 && GetWorkspaceCount() > 1; i--)
        {
            if (m_arrWorkspaces[i]->GetItemCount() == 0)
                RemoveWorkspace(i);
        }
        CRect rcClient;
        ::GetClientRect(m_hWnd, rcClient);
        if (m_pHostedWorkspace)
        {
            // The strip lives on a bar; the children take the whole client.
            for (int i = 0; i < m_pHostedWorkspace->GetItemCount(); i++)
            {
                const HWND hWndChild = reinterpret_cast<HWND>(m_pHostedWorkspace->GetItem(i)->GetData());
                if (::IsWindow(hWndChild) && !::IsIconic(hWndChild))
                    ::SetWindowPos(hWndChild, nullptr, rcClient.left, rcClient.top, rcClient.Width(),
                                   rcClient.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
        else
        {
            const int nCount = GetWorkspaceCount();
            const int nTotal = m_bGroupsStacked ? rcClient.Height() : rcClient.Width();
            const double dAvailable = std::max(0, nTotal - m_nSplitterSize * (nCount - 1));
            double dShares = 0;
            for (int i = 0; i < nCount; i++)
                dShares += std::max(1.0, m_arrWorkspaces[i]->GetGroupSize());
            double dStart = 0;
            CClientDC dc(this);
            for (int i = 0; i < nCount; i++)
            {
                CWorkspace* pWorkspace = m_arrWorkspaces[i];
                const double dEnd = dStart + dAvailable * std::max(1.0, pWorkspace->GetGroupSize()) / dShares;
                const int nFrom = int(dStart + 0.5);
                const int nTo = i == nCount - 1 ? int(dAvailable) : int(dEnd + 0.5);
                const int nOffset = i * m_nSplitterSize;
                CRect rcGroup = rcClient;
                if (m_bGroupsStacked)
                {
                    rcGroup.top = rcClient.top + nFrom + nOffset;
                    rcGroup.bottom = rcClient.top + nTo + nOffset;
                }
                else
                {
                    rcGroup.left = rcClient.left + nFrom + nOffset;
                    rcGroup.right = rcClient.left + nTo + nOffset;
                }
                m_pPaintManager->RepositionTabControl(pWorkspace, &dc, rcGroup);
                PlaceChildren(pWorkspace);
                dStart = dEnd;
            }
        }
        if (!m_bLayoutPending)
            break;
    }
    m_bLayoutPending = FALSE;
    m_bInLayout = FALSE;
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CZMRTabClientWnd::PlaceChildren(CWorkspace* pWorkspace)
{
    const CRect rc = pWorkspace->GetClientRect();
    const HWND hWndActive = GetActiveChild();
    for (int i = 0; i < pWorkspace->GetItemCount(); i++)
    {
        CZMRTabManagerItem* pItem = pWorkspace->GetItem(i);
        const HWND hWndChild = reinterpret_cast<HWND>(pItem->GetData());
        if (!::IsWindow(hWndChild) || ::IsIconic(hWndChild))
            continue;
        UINT nFlags = SWP_NOACTIVATE;
        // The selected child of a group shows over the others of its group;
        // the active child is on top already.
        if (pItem != pWorkspace->GetSelectedItem() || hWndChild == hWndActive)
            nFlags |= SWP_NOZORDER;
        ::SetWindowPos(hWndChild, HWND_TOP, rc.left, rc.top, rc.Width(), rc.Height(), nFlags);
    }
}

void CZMRTabClientWnd::UpdateGroupSizes()
{
    for (int i = 0; i < GetWorkspaceCount(); i++)
    {
        const CRect rc = m_arrWorkspaces[i]->GetControlRect();
        m_arrWorkspaces[i]->SetGroupSize(m_bGroupsStacked ? rc.Height() : rc.Width());
    }
}

CZMRTabManagerItem* CZMRTabClientWnd::DetachItem(CZMRTabManagerItem* pItem)
{
    pItem->InternalAddRef();
    pItem->GetTabManager()->DeleteItem(pItem->GetIndex());
    return pItem;
}

void CZMRTabClientWnd::MoveItemToGroup(CZMRTabManagerItem* pItem, CWorkspace* pTarget, int nAction)
{
    if (!pItem || !pTarget || FindWorkspaceIndex(pTarget) < 0)
        return;
    CWorkspace* pSource = static_cast<CWorkspace*>(pItem->GetTabManager());
    if (FindWorkspaceIndex(pSource) < 0)
        return;
    m_bSuspendRedraw = TRUE;
    m_bInMove = TRUE;

    const COLORREF clrItem = pItem->GetRawColor();
    if (nAction == dropGroup)
    {
        if (pTarget != pSource)
        {
            pTarget->AddItem(-1, DetachItem(pItem))->SetColor(clrItem);
            pTarget->SetSelectedItem(pItem);
        }
    }
    else if (nAction == dropNewBelow || nAction == dropNewRight)
    {
        UpdateGroupSizes();
        DetachItem(pItem);
        CWorkspace* pNew = AddWorkspace(FindWorkspaceIndex(pTarget) + 1);
        pNew->AddItem(-1, pItem)->SetColor(clrItem);
        pNew->SetSelectedItem(pItem);
        const double dTargetSize = pTarget->GetGroupSize();
        const double dNewSize = (dTargetSize - m_nSplitterSize) * 0.5;
        pNew->SetGroupSize(dNewSize);
        pTarget->SetGroupSize(dTargetSize - dNewSize - m_nSplitterSize);
        m_bGroupsStacked = nAction == dropNewBelow;
    }

    // The group left behind shows the child nearest the top.
    if (pSource != pItem->GetTabManager() && pSource->GetItemCount() > 1)
    {
        for (HWND hWnd = ::GetWindow(m_hWnd, GW_CHILD); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        {
            CZMRTabManagerItem* pTop = FindItem(hWnd);
            if (pTop && pTop->GetTabManager() == pSource)
            {
                pSource->SetSelectedItem(pTop);
                break;
            }
        }
    }

    m_bSuspendRedraw = FALSE;
    m_bInMove = FALSE;
    m_bLayoutPending = TRUE;
    // The group of the active child is the active one, wherever it went.
    if (CZMRTabManagerItem* pActive = FindItem(GetActiveChild()))
    {
        m_bSuspendRedraw = TRUE;
        SetActiveWorkspace(static_cast<CWorkspace*>(pActive->GetTabManager()));
        m_bSuspendRedraw = FALSE;
    }
    RepositionWorkspaces();
}

BOOL CZMRTabClientWnd::IsGroupCommandEnabled(int nCommand, CZMRTabManagerItem** ppItem)
{
    if (!m_bGroupsEnabled)
        return FALSE;
    CZMRTabManagerItem* pItem = FindItem(GetActiveChild());
    if (!pItem)
        return FALSE;
    if (ppItem)
        *ppItem = pItem;
    CWorkspace* pWorkspace = static_cast<CWorkspace*>(pItem->GetTabManager());
    const int nIndex = FindWorkspaceIndex(pWorkspace);
    const int nCount = GetWorkspaceCount();
    switch (nCommand)
    {
    case ZMR_ID_WORKSPACE_PREVIOUS_GROUP:
        return nIndex > 0;
    case ZMR_ID_WORKSPACE_NEXT_GROUP:
        return nIndex < nCount - 1;
    case ZMR_ID_WORKSPACE_NEW_GROUP_BELOW:
        return (nCount == 1 || m_bGroupsStacked) && pWorkspace->GetItemCount() > 1;
    case ZMR_ID_WORKSPACE_NEW_GROUP_RIGHT:
        return (nCount == 1 || !m_bGroupsStacked) && pWorkspace->GetItemCount() > 1;
    default:
        return TRUE;
    }
}

BOOL CZMRTabClientWnd::ExecuteGroupCommand(int nCommand)
{
    if (nCommand < ZMR_ID_WORKSPACE_PREVIOUS_GROUP || nCommand > ZMR_ID_WORKSPACE_CANCEL)
        return FALSE;
    CZMRTabManagerItem* pItem = nullptr;
    if (nCommand == ZMR_ID_WORKSPACE_CANCEL || !IsGroupCommandEnabled(nCommand, &pItem))
        return TRUE;
    CWorkspace* pWorkspace = static_cast<CWorkspace*>(pItem->GetTabManager());
    const int nIndex = FindWorkspaceIndex(pWorkspace);
    switch (nCommand)
    {
    case ZMR_ID_WORKSPACE_PREVIOUS_GROUP:
        MoveItemToGroup(pItem, GetWorkspace(nIndex - 1), dropGroup);
        break;
    case ZMR_ID_WORKSPACE_NEXT_GROUP:
        MoveItemToGroup(pItem, GetWorkspace(nIndex + 1), dropGroup);
        break;
    case ZMR_ID_WORKSPACE_NEW_GROUP_BELOW:
        MoveItemToGroup(pItem, pWorkspace, dropNewBelow);
        break;
    default:
        MoveItemToGroup(pItem, pWorkspace, dropNewRight);
        break;
    }
    return TRUE;
}

// ------------------------------------------------------------ the window

CZMRTabClientWnd::CWorkspace* CZMRTabClientWnd::WorkspaceAt(CPoint point) const
{
    for (int i = 0; i < GetWorkspaceCount(); i++)
    {
        if (m_arrWorkspaces[i] != m_pHostedWorkspace && m_arrWorkspaces[i]->GetControlRect().PtInRect(point))
            return m_arrWorkspaces[i];
    }
    return nullptr;
}

void CZMRTabClientWnd::PaintClient(CDC* pDC)
{
    CRect rcClient;
    ::GetClientRect(m_hWnd, rcClient);
    if (m_pHostedWorkspace)
    {
        pDC->FillSolidRect(rcClient, ::GetSysColor(COLOR_APPWORKSPACE));
        return;
    }
    // The splitters: whatever the groups leave.
    CRgn rgnRest;
    rgnRest.CreateRectRgnIndirect(rcClient);
    for (int i = 0; i < GetWorkspaceCount(); i++)
    {
        CRgn rgnGroup;
        rgnGroup.CreateRectRgnIndirect(m_arrWorkspaces[i]->GetControlRect());
        rgnRest.CombineRgn(&rgnRest, &rgnGroup, RGN_DIFF);
    }
    CBrush brush(::GetSysColor(COLOR_3DFACE));
    pDC->FillRgn(&rgnRest, &brush);
    for (int i = 0; i < GetWorkspaceCount(); i++)
        m_pPaintManager->DrawTabControl(m_arrWorkspaces[i], pDC, m_arrWorkspaces[i]->GetControlRect());
}

INT_PTR CZMRTabClientWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    CWorkspace* pWorkspace = WorkspaceAt(point);
    if (!pWorkspace)
        return -1;
    return pWorkspace->HitTestForTooltip(const_cast<CZMRTabClientWnd*>(this), point, pTI);
}

LRESULT CZMRTabClientWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
        m_toolTipContext.FilterMouseMessage(this, message, wParam, lParam);
    switch (message)
    {
    case WM_ERASEBKGND:
        if (!m_pHostedWorkspace)
            return 1;
        break;
    case WM_PAINT:
    {
        CPaintDC dc(this);
        PaintClient(&dc);
        return 0;
    }
    case WM_SIZE:
    {
        const LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
        RepositionWorkspaces();
        return lResult;
    }
    case WM_LBUTTONDOWN:
        if (CWorkspace* pWorkspace = WorkspaceAt(point))
        {
            m_bInClick = TRUE;
            pWorkspace->HandleHeaderClick(this, point);
            m_bInClick = FALSE;
        }
        return 0;
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
        for (int i = 0; i < GetWorkspaceCount(); i++)
        {
            if (m_arrWorkspaces[i] != m_pHostedWorkspace)
                m_arrWorkspaces[i]->TrackHotItem(this, message == WM_MOUSEMOVE ? point : CPoint(-1, -1));
        }
        return 0;
    case WM_COMMAND:
        if (lParam == 0 && ExecuteGroupCommand(LOWORD(wParam)))
            return 0;
        break;
    case WM_IDLEUPDATECMDUI:
        UpdateContents();
        return 0;
    case WM_MDICREATE:
    case WM_MDIDESTROY:
    case WM_MDIACTIVATE:
    case WM_MDINEXT:
    case WM_MDIRESTORE:
    case WM_MDIMAXIMIZE:
    case WM_MDISETMENU:
    case WM_MDIREFRESHMENU:
    {
        const LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
        UpdateContents();
        return lResult;
    }
    case WM_MDICASCADE:
    case WM_MDITILE:
    case WM_MDIICONARRANGE:
        // The groups decide where children go.
        RepositionWorkspaces();
        return 0;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
