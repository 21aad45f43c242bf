#include "CZMRTabPaintManagerColorSet.h"
#include "CZMRTabManagerItem.h"
#include "CZMRTabManagerNavigateButton.h"
#include "CZMRColorManager.h"
#include "CZMRDrawHelpers.h"
#include <utility>

namespace
{
COLORREF SysColor(int nIndex)
{
    return GetColorManager()->GetColor(nIndex);
}

// The appearance number whose selected and normal faces the colour sets swap.
const int kAppearanceExcel = 7;
}

CZMRTabPaintManager::CColorSet::CColorSet() : m_pPaintManager(nullptr)
{
}

void CZMRTabPaintManager::CColorSet::RefreshMetrics()
{
    const COLORREF clrFace = SysColor(COLOR_BTNFACE);
    const COLORREF clrShadow = SysColor(COLOR_BTNSHADOW);
    const COLORREF clrHighlight = SysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF clrText = SysColor(COLOR_BTNTEXT);

    m_clrHeaderFace.SetStandardPair(clrFace, clrFace);
    m_clrHeaderFace2.SetStandardFrom(m_clrHeaderFace);
    m_clrFrameBorder.SetStandardValue(clrShadow);
    m_clrControlFace.SetStandardValue(clrFace);
    m_clrFace3.SetStandardValue(clrFace);
    m_clrHighlightEdge.SetStandardValue(clrHighlight);
    m_clrSelectedFace.SetStandardValue(clrFace);
    m_clrHotFace.SetStandardValue(clrFace);
    m_clrPressedFace.SetStandardValue(clrFace);
    m_clrNormalFace.SetStandardValue(clrFace);
    m_clrTextNormal.SetStandardValue(clrText);
    m_clrTextInactive.SetStandardValue(clrText);
    m_clrTextSelected.SetStandardValue(clrText);
    m_clrTextHot.SetStandardValue(RGB(0, 0, 128));
    m_clrTextDisabled.SetStandardValue(SysColor(COLOR_GRAYTEXT));
    m_clrStateButtonFace.SetStandardPair(SysColor(COLOR_WINDOW), SysColor(COLOR_WINDOW));
    m_clrStateButtonBorder.SetStandardPair(SysColor(COLOR_HIGHLIGHT), SysColor(COLOR_HIGHLIGHT));
    m_clrPageLight.SetStandardValue(clrHighlight);
    m_clrPageShadow.SetStandardValue(clrShadow);
    m_clrPageDarkShadow.SetStandardValue(SysColor(COLOR_3DDKSHADOW));
    m_clrOutlineNormal.SetStandardValue(clrShadow);
    m_clrOutlineSelected.SetStandardValue(clrShadow);
    m_clrInnerLine1.SetStandardValue(clrFace);
    m_clrInnerLine2.SetStandardValue(clrFace);

    const COLORREF arrExcel[6] = { clrText, clrShadow, clrText, COLORREF(-1), COLORREF(-1), COLORREF(-1) };
    for (int i = 0; i < 6; i++)
    {
        m_clrExcelSelected[i].SetStandardValue(arrExcel[i]);
        m_clrExcelNormal[i].SetStandardValue(arrExcel[i]);
    }
    m_clrExcelNormal[3].SetStandardValue(SysColor(COLOR_WINDOW));
    m_clrExcelNormal[4].SetStandardValue(clrShadow);

    if (m_pPaintManager && m_pPaintManager->GetAppearance() == kAppearanceExcel)
        m_clrSelectedFace.SetStandardValue(SysColor(COLOR_WINDOW));
}

void CZMRTabPaintManager::CColorSet::SetTextColor(CDC* pDC, CZMRTabManagerItem* pItem)
{
    COLORREF clr;
    if (!pItem->IsEnabled())
        clr = m_clrTextDisabled;
    else if (!pItem->GetTabManager()->IsActive())
        clr = m_clrTextInactive;
    else if (pItem->IsSelected())
        clr = m_clrTextSelected;
    else if (pItem->IsHighlighted())
        clr = m_clrTextHot;
    else
        clr = m_clrTextNormal;
    pDC->SetTextColor(clr);
}

void CZMRTabPaintManager::CColorSet::GradientFill(CDC* pDC, CRect rc, const CZMRPaintManagerColorGradient& grc,
                                                  int nPosition)
{
    COLORREF clrFirst = grc.clrLight;
    COLORREF clrSecond = grc.clrDark;
    if (clrFirst == COLORREF(-2))
    {
        // An 8 x 8 dither of button face and highlight.
        const WORD arrBits[8] = { 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA };
        CBitmap bmp;
        bmp.CreateBitmap(8, 8, 1, 1, arrBits);
        CBrush brush;
        brush.CreatePatternBrush(&bmp);
        const COLORREF clrOldText = pDC->SetTextColor(SysColor(COLOR_BTNFACE));
        const COLORREF clrOldBk = pDC->SetBkColor(SysColor(COLOR_BTNHIGHLIGHT));
        pDC->FillRect(rc, &brush);
        pDC->SetTextColor(clrOldText);
        pDC->SetBkColor(clrOldBk);
        return;
    }
    if (m_pPaintManager->m_bReverseGradient)
        std::swap(clrFirst, clrSecond);
    // The first colour lies at the edge away from the client.
    if (nPosition == zmrTabPositionBottom || nPosition == zmrTabPositionRight)
        std::swap(clrFirst, clrSecond);
    GetDrawHelpers()->GradientFill(pDC, rc, clrFirst, clrSecond, !IsHorizontalPosition(nPosition));
}

void CZMRTabPaintManager::CColorSet::FillHeader(CDC* pDC, CRect rc, CZMRTabManager* pManager)
{
    const COLORREF clrFace = SysColor(COLOR_BTNFACE);
    if (m_clrHeaderFace.clrLight.GetColor() == clrFace && m_clrHeaderFace.clrDark.GetColor() == clrFace
        && pManager->DrawParentBackground(pDC, rc))
        return;
    GradientFill(pDC, rc, m_clrHeaderFace, m_pPaintManager->GetPosition());
}

COLORREF CZMRTabPaintManager::CColorSet::FillClient(CDC* pDC, CRect rc, CZMRTabManager* pManager)
{
    CZMRTabManagerItem* pSelected = pManager->GetSelectedItem();
    const COLORREF clr = pSelected ? GetItemColor(pSelected) : m_clrSelectedFace.GetColor();
    pDC->FillSolidRect(rc, clr);
    return clr;
}

void CZMRTabPaintManager::CColorSet::FillStateButtonFace(CDC* pDC, CRect rc, CZMRTabManagerItem* pItem)
{
    const int nPosition = m_pPaintManager->GetPosition();
    if (pItem->IsSelected())
    {
        if (m_pPaintManager->m_bOneColorPerItem)
            pDC->FillSolidRect(rc, pItem->GetColor());
        else
            GradientFill(pDC, rc, m_clrStateButtonFace, nPosition);
        pDC->Draw3dRect(rc, m_clrStateButtonBorder.clrLight, m_clrStateButtonBorder.clrDark);
        return;
    }
    // A two-pixel etched line at the far end, inset by 2 at both ends.
    const COLORREF clrShadow = SysColor(COLOR_BTNSHADOW);
    const COLORREF clrHighlight = SysColor(COLOR_BTNHIGHLIGHT);
    if (IsHorizontalPosition(nPosition))
    {
        pDC->FillSolidRect(rc.right - 2, rc.top + 2, 1, rc.Height() - 4, clrShadow);
        pDC->FillSolidRect(rc.right - 1, rc.top + 2, 1, rc.Height() - 4, clrHighlight);
    }
    else
    {
        pDC->FillSolidRect(rc.left + 2, rc.bottom - 2, rc.Width() - 4, 1, clrShadow);
        pDC->FillSolidRect(rc.left + 2, rc.bottom - 1, rc.Width() - 4, 1, clrHighlight);
    }
}

COLORREF CZMRTabPaintManager::CColorSet::FillTabFace(CDC* pDC, CRect rc, CZMRTabManagerItem* pItem)
{
    const COLORREF clr = GetItemColor(pItem);
    pDC->FillSolidRect(rc, clr);
    return clr;
}

COLORREF CZMRTabPaintManager::CColorSet::GetItemColor(CZMRTabManagerItem* pItem)
{
    if (m_pPaintManager->m_bOneColorPerItem)
        return pItem->GetColor();
    return pItem->IsSelected() ? m_clrSelectedFace.GetColor() : m_clrNormalFace.GetColor();
}

// ------------------------------------------------------------ the plain set

void CZMRTabPaintManager::CColorSetDefault::RefreshMetrics()
{
    CColorSet::RefreshMetrics();
    const COLORREF clrText = SysColor(COLOR_BTNTEXT);
    const COLORREF clrShadow = SysColor(COLOR_BTNSHADOW);
    const COLORREF clrWindow = SysColor(COLOR_WINDOW);
    m_clrStateButtonFace.SetStandardPair(COLORREF(-2), COLORREF(-2));
    m_clrStateButtonBorder.SetStandardPair(clrShadow, SysColor(COLOR_BTNHIGHLIGHT));
    const COLORREF arrExcel[6] = { clrText, clrText, clrText, clrWindow, clrShadow, clrShadow };
    for (int i = 0; i < 6; i++)
        m_clrExcelSelected[i].SetStandardValue(arrExcel[i]);
    for (int i = 0; i < 3; i++)
        m_clrExcelNormal[i].SetStandardValue(arrExcel[i]);
    for (int i = 3; i < 6; i++)
        m_clrExcelNormal[i].SetStandardValue(COLORREF(-1));
    if (m_pPaintManager && m_pPaintManager->GetAppearance() == kAppearanceExcel)
    {
        m_clrSelectedFace.SetStandardValue(SysColor(COLOR_BTNFACE));
        m_clrNormalFace.SetStandardValue(clrWindow);
        m_clrFrameBorder.SetStandardValue(clrText);
    }
}

void CZMRTabPaintManager::CColorSetDefault::FillNavigateButton(CDC* pDC, CZMRTabManagerNavigateButton* pButton,
                                                               CRect& rc)
{
    FillNavigateFrame(pDC, pButton, rc, SysColor(COLOR_BTNSHADOW), SysColor(COLOR_BTNHIGHLIGHT), SysColor(COLOR_BTNTEXT));
}
