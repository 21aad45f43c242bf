// The tool bar's geometry: borders, the docked row or column with its expand
// button, the floating form with its caption buttons, and keeping the window
// sized to it.
#include "CZMRToolBar.h"
#include "CZMRBarManager.h"
#include "CZMRControls.h"
#include "CZMRFontDC.h"
#include "CZMRMeasureDC.h"
#include "CZMRPaintManager.h"
#include "CZMRPopupBar.h"
#include "CZMRPopupToolBar.h"
#include "CZMRWindowRect.h"
#include <algorithm>


namespace
{
// Room the expand button takes at the end of a docked bar.
const int ExpandButtonLength = 11;
// Width of a floating bar's sizing frame.
const int FloatingBorder = 3;

BOOL IsDockedPosition(int nPosition)
{
    return nPosition >= zmrBarTop && nPosition <= zmrBarRight;
}
} // namespace

CZMRToolBar::CControlButtonExpand::CControlButtonExpand()
{
    m_controlType = zmrControlButtonPopup;
    m_dwFlags = 0x1C;
}

BOOL CZMRToolBar::CControlButtonExpand::HasHiddenControls() const
{
    if (!m_pParent)
        return FALSE;
    for (int i = 0; i < m_pParent->GetControlCount(); i++)
    {
        // Only controls hidden for lack of room, not for any other reason.
        if (m_pParent->GetControl(i)->GetHideFlags() == zmrHideWrap)
            return TRUE;
    }
    return FALSE;
}

void CZMRToolBar::CControlButtonExpand::Draw(CDC* pDC)
{
    if (CZMRPaintManager* pPaintManager = m_pParent ? m_pParent->GetPaintManager() : nullptr)
        pPaintManager->DrawOverflowButton(pDC, m_pParent->GetPosition() == zmrBarFloating ? 3 : 0, this, m_pParent,
                                          TRUE, HasHiddenControls());
}

BOOL CZMRToolBar::CControlButtonExpand::ShowPopup(BOOL bPopup)
{
    CZMRCommandBar* pBar = m_pParent;
    if (!pBar)
        return FALSE;
    if (!bPopup)
    {
        m_bPopup = FALSE;
        if (m_pCommandBar)
            m_pCommandBar->SetMenuLoopActive(FALSE);
        pBar->Redraw(GetRect());
        return TRUE;
    }

    SetCommandBar(nullptr);
    CZMRCommandBar* pPopup = nullptr;
    CWnd* pSite = pBar->GetSite();
    if (pSite && pSite->GetSafeHwnd())
    {
        ZMR_CREATEBAR_RECORD cs = {};
        cs.bPopup = TRUE;
        if (pSite->SendMessage(ZMR_WM_CREATECOMMANDBAR, 0, LPARAM(&cs)) != 0 && cs.pCommandBar)
        {
            if (cs.pCommandBar->IsKindOf(RUNTIME_CLASS(CZMRPopupBar)))
                pPopup = cs.pCommandBar;
            else
                cs.pCommandBar->InternalRelease();
        }
    }
    if (!pPopup)
        pPopup = CZMRPopupToolBar::CreatePopupToolBar(pBar->GetBarManager());
    if (!pPopup)
        return FALSE;
    if (!pPopup->IsDialogBar())
        pPopup->SetCustomizable(FALSE);

    // The controls the bar had no room for, shown and without separators.
    for (int i = 0; i < pBar->GetControlCount(); i++)
    {
        CZMRControl* pControl = pBar->GetControl(i);
        if (pControl->GetHideFlags() != zmrHideWrap)
            continue;
        CZMRControl* pCopy = pPopup->GetControls()->AddCopy(pControl);
        if (!pCopy)
            continue;
        pCopy->SetHideFlags(pCopy->GetHideFlags() & ~DWORD(zmrHideWrap));
        pCopy->SetBeginGroup(FALSE);
    }
    SetCommandBar(pPopup);
    pPopup->InternalRelease();

    const int nSelected = GetSelected();
    m_bPopup = pPopup->OpenAsPopup(this, nSelected == 2 || nSelected == 3);
    pBar->Redraw(GetRect());
    return m_bPopup;
}

CZMRToolBar::CControlButtonHide::CControlButtonHide()
{
    m_dwFlags = 0x1A;
}

void CZMRToolBar::CControlButtonHide::Draw(CDC* pDC)
{
    if (CZMRPaintManager* pPaintManager = m_pParent ? m_pParent->GetPaintManager() : nullptr)
        pPaintManager->DrawOverflowButton(pDC, 2, this, m_pParent, TRUE, 0);
}

void CZMRToolBar::CControlButtonHide::OnExecute()
{
    if (m_pParent)
        m_pParent->SetVisible(FALSE);
}

CZMRControl* CZMRToolBar::FindOrAddButton(int nId)
{
    CZMRControl* pButton = GetControls()->FindControlById(nId);
    if (!pButton)
    {
        CZMRControl* pNew = nId == ZMR_ID_TOOLBAR_EXPAND ? static_cast<CZMRControl*>(new CControlButtonExpand)
                                                         : new CControlButtonHide;
        pButton = GetControls()->AddControl(pNew, nId, L"", -1, TRUE);
    }
    return pButton;
}

BOOL CZMRToolBar::SetPosition(int barPosition)
{
    CZMRBarManager* pManager = GetBarManager();
    if (!pManager)
        return FALSE;
    if (IsDockedPosition(barPosition))
        return pManager->DockToolBarSide(this, barPosition);
    if (barPosition == zmrBarFloating)
        return pManager->FloatToolBar(this);
    return FALSE;
}

CRect CZMRToolBar::GetBorders() const
{
    if (m_barPosition == zmrBarFloating)
        return CRect(FloatingBorder, FloatingBorder, FloatingBorder, FloatingBorder);
    CRect rcBorder = CZMRCommandBar::GetBorders();
    CZMRPaintManager* pPaintManager = GetPaintManager();
    if (IsGripperShown() && pPaintManager)
    {
        const CSize szGripper = pPaintManager->DrawGripper(nullptr, const_cast<CZMRToolBar*>(this), FALSE);
        rcBorder.left += szGripper.cx;
        rcBorder.top += szGripper.cy;
    }
    return rcBorder;
}

CZMRCaptionButton* CZMRToolBar::AddCaptionButton(UINT nCommand)
{
    m_captionButtons.push_back(std::make_unique<CZMRCaptionButton>(nCommand));
    return m_captionButtons.back().get();
}

CZMRCaptionButton* CZMRToolBar::FindCaptionButton(UINT nCommand) const
{
    for (const auto& pButton : m_captionButtons)
        if (pButton->GetCommand() == nCommand)
            return pButton.get();
    return nullptr;
}

CRect CZMRToolBar::GetFloatingCaptionRect() const
{
    CRect rc = CZMRClientRect(this);
    const CRect rcBorders = GetBorders();
    rc.DeflateRect(rcBorders.left, rcBorders.top, rcBorders.right, rcBorders.bottom);
    if (FindCaptionButton(SC_CLOSE))
        rc.right -= 18;
    return rc;
}

CSize CZMRToolBar::CalcFixedLayout(int nLength, DWORD dwMode, int nThickness)
{
    CZMRPaintManager* pPaintManager = GetPaintManager();
    CZMRMeasureDC dc(nullptr);
    CZMRFontDC font(dc, pPaintManager ? pPaintManager->GetBarFont(this) : nullptr);
    CRect rcBorder = GetBorders();
    if (CZMRControl* pHide = GetControls()->FindControlById(ZMR_ID_TOOLBAR_HIDE))
        pHide->SetVisible(FALSE);

    CZMRControl* pExpand = nullptr;
    if (m_bShowExpandButton)
    {
        pExpand = FindOrAddButton(ZMR_ID_TOOLBAR_EXPAND);
        pExpand->SetVisible(FALSE);
    }
    const BOOL bVert = (dwMode & zmrLayoutVertDock) != 0;
    CZMRBarManager* pManager = GetBarManager();
    CSize sz;
    if (!pExpand || !pManager || !pManager->GetOptions()->bAlwaysShowExpand)
    {
        DWORD dwLayout = dwMode;
        sz = GetControls()->CalcLayout(dc, nLength, dwLayout, rcBorder, nThickness);
        if (!(dwMode & zmrLayoutCommit))
        {
            // Measuring: never shorter than the smallest form plus the room
            // the expand button would need once controls start to hide.
            DWORD dwSmallest = dwMode;
            const CSize szSmallest = GetControls()->CalcLayout(dc, 1, dwSmallest, rcBorder, nThickness);
            if (GetControls()->GetVisibleCount() > 1)
            {
                if (bVert)
                    sz.cy = std::max(sz.cy, szSmallest.cy + ExpandButtonLength);
                else
                    sz.cx = std::max(sz.cx, szSmallest.cx + ExpandButtonLength);
            }
            return sz;
        }
        BOOL bHidden = FALSE;
        for (int i = 0; i < GetControlCount() && !bHidden; i++)
            bHidden = (GetControl(i)->GetHideFlags() & zmrHideWrap) != 0;
        if (!bHidden || !pExpand)
        {
            if (m_nPending & zmrPendingLayout)
            {
                m_nPending &= ~zmrPendingLayout;
                Redraw();
            }
            return sz;
        }
    }

    if (bVert)
        rcBorder.bottom += ExpandButtonLength;
    else
        rcBorder.right += ExpandButtonLength;
    DWORD dwLayout = dwMode;
    sz = GetControls()->CalcLayout(dc, nLength, dwLayout, rcBorder, nThickness);
    // It came last in the row, so the layout hid it with the rest.
    pExpand->SetHideFlags(pExpand->GetHideFlags() & ~DWORD(zmrHideGeneric | zmrHideWrap));
    if (pPaintManager)
    {
        SIZE szBar = sz;
        pPaintManager->DrawOverflowButton(dc, 0, pExpand, this, FALSE, reinterpret_cast<LPARAM>(&szBar));
    }
    if ((dwMode & zmrLayoutCommit) && (m_nPending & zmrPendingLayout))
    {
        m_nPending &= ~zmrPendingLayout;
        Redraw();
    }
    return sz;
}

CSize CZMRToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    CZMRPaintManager* pPaintManager = GetPaintManager();
    CZMRMeasureDC dc(nullptr);
    CZMRFontDC font(dc, pPaintManager ? pPaintManager->GetBarFont(this) : nullptr);
    const int h = pPaintManager ? pPaintManager->DrawGripper(dc, this, FALSE).cy : 0;
    CRect rcBorder = GetBorders();
    rcBorder.top += h + 1;

    CZMRBarManager* pManager = GetBarManager();
    CZMRControl* pHide = nullptr;
    if (m_bCloseable > 0)
    {
        pHide = FindOrAddButton(ZMR_ID_TOOLBAR_HIDE);
        pHide->SetVisible(FALSE);
    }
    CZMRControl* pExpand = nullptr;
    if (m_bShowExpandButton && pManager)
    {
        pExpand = FindOrAddButton(ZMR_ID_TOOLBAR_EXPAND);
        pExpand->SetVisible(FALSE);
    }

    CSize sz;
    if (m_barType == zmrBarTypePopup)
    {
        UpdateShortcutTexts();
        sz = GetControls()->CalcPopupLayout(dc, 0, 0, rcBorder);
    }
    else
    {
        DWORD dwLayout = dwMode;
        sz = GetControls()->CalcLayout(dc, nLength, dwLayout, rcBorder);
    }

    // The caption buttons sit right to left in the caption strip.
    int x = sz.cx - FloatingBorder;
    if (pHide)
    {
        pHide->SetVisible(TRUE);
        pHide->SetRect(CRect(x - h, 3, x, h + 3));
        x -= h;
    }
    if (pExpand && x - h > 0 && (!pManager || pManager->GetOptions()->bAlwaysShowExpand))
    {
        pExpand->SetVisible(TRUE);
        pExpand->SetRect(CRect(x - h, 3, x, h + 3));
    }
    if ((dwMode & zmrLayoutCommit) && (m_nPending & zmrPendingLayout))
    {
        m_nPending &= ~zmrPendingLayout;
        Redraw();
    }
    return sz;
}

void CZMRToolBar::OnRecalcLayout()
{
    if (!GetSafeHwnd() || !IsVisible() || m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    if (IsDockedPosition(m_barPosition))
    {
        if (CZMRBarManager* pManager = GetBarManager())
            pManager->RecalcFrameLayout();
        else if (CWnd* pSite = GetSite(); pSite && pSite->GetSafeHwnd())
        {
            CRect rc;
            pSite->GetClientRect(rc);
            pSite->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rc.Width(), rc.Height()));
        }
    }
    else if (m_barPosition == zmrBarFloating)
    {
        // Horizontal, at the remembered width, committed.
        const CSize sz = CalcDynamicLayout(-1, zmrLayoutMRUWidth | LM_HORZ | zmrLayoutCommit);
        SetWindowPos(nullptr, 0, 0, sz.cx, sz.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Redraw();
    m_bInRecalcLayout = FALSE;
}
