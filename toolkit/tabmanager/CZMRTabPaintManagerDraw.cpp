// Drawing of the tab paint manager: the control with its rows and navigate
// buttons, and one item's content (icon, caption, own buttons, focus).
#include "CZMRTabPaintManager.h"
#include "CZMRTabManagerItem.h"
#include "CZMRTabManagerNavigateButton.h"
#include "CZMRTabPaintManagerAppearanceSet.h"
#include "CZMRTabPaintManagerColorSet.h"
#include "CZMRTabLayout.h"
#include "CZMRDrawHelpers.h"
#include "CZMRFontDC.h"
#include "CZMRPenDC.h"
#include "CZMRBrushDC.h"
#include "ZMRMarkupFacade.h"
#include <algorithm>

// ------------------------------------------------------------ the control

void CZMRTabPaintManager::DrawTabControlEx(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    if (m_bStaticFrame)
    {
        pDC->Draw3dRect(rc, m_pColorSet->m_clrFrameBorder, m_pColorSet->m_clrFrameBorder);
        rc.DeflateRect(1, 1);
        pDC->Draw3dRect(rc, m_pColorSet->m_clrControlFace, m_pColorSet->m_clrControlFace);
        DeflateRectForPosition(rc, CRect(1, 0, 1, 1), m_nPosition);
    }
    if (m_bFillBackground)
        pDC->FillSolidRect(rc, m_pColorSet->m_clrControlFace);
    DeflateRectForPosition(rc, m_rcControlMargin, m_nPosition);
    pDC->SetBkMode(TRANSPARENT);
    if (m_bFillBackground)
        m_pAppearanceSet->FillTabControl(pManager, pDC, rc);

    CRect rcClip;
    pDC->GetClipBox(rcClip);
    if (m_bClipToHeader)
        rcClip.IntersectRect(rcClip, pManager->GetHeaderRect());
    if (!rcClip.IsRectEmpty())
    {
        CRgn rgn;
        if (m_bClipToHeader)
        {
            CRect rcDevice = rcClip;
            pDC->LPtoDP(reinterpret_cast<LPPOINT>(&rcDevice), 2);
            rgn.CreateRectRgnIndirect(rcDevice);
            pDC->SelectClipRgn(&rgn);
            m_pColorSet->ExcludeClientCorners(pDC, pManager->GetClientRect(), pManager);
        }
        for (int nRow = pManager->GetRows()->GetRowCount() - 1; nRow >= 0; nRow--)
            DrawTabControlRow(pManager, pDC, nRow, rcClip);
        if (m_bClipToHeader)
            pDC->SelectClipRgn(nullptr);
    }

    CZMRTabManagerNavigateButtonArray& arrButtons = pManager->GetNavigateButtons();
    for (INT_PTR i = arrButtons.GetSize() - 1; i >= 0; i--)
        arrButtons[i]->Draw(pDC);
}

void CZMRTabPaintManager::DrawTabControlRow(CZMRTabManager* pManager, CDC* pDC, int nRow, CRect rcClip)
{
    const CZMRTabManager::TabRowTable::ROW row = pManager->GetRows()->GetRow(nRow);
    CZMRTabManagerItem* pSelected = pManager->GetSelectedItem();
    auto drawOne = [&](int i) {
        CZMRTabManagerItem* pItem = pManager->GetItem(i);
        if (!pItem || pItem == pSelected || !pItem->IsVisible())
            return;
        CRect rcPaint = m_pAppearanceSet->GetTabPaintRect(pItem);
        CRect rcTest;
        if (rcTest.IntersectRect(rcPaint, rcClip))
            m_pAppearanceSet->DrawOneTab(pDC, pItem);
    };
    const int nSelected = pSelected ? pSelected->GetIndex() : -1;
    const BOOL bSelectedInRow = nSelected >= row.nFirst && nSelected <= row.nLast;
    if (m_pAppearanceSet->IsDrawTowardSelected() && bSelectedInRow)
    {
        for (int i = row.nFirst; i < nSelected; i++)
            drawOne(i);
        for (int i = row.nLast; i > nSelected; i--)
            drawOne(i);
    }
    else
    {
        for (int i = row.nLast; i >= row.nFirst; i--)
            drawOne(i);
    }
    // The selected tab last, so that it overlaps its neighbours.
    if (bSelectedInRow && pSelected->IsVisible())
    {
        CRect rcTest;
        if (rcTest.IntersectRect(m_pAppearanceSet->GetTabPaintRect(pSelected), rcClip))
            m_pAppearanceSet->DrawOneTab(pDC, pSelected);
    }
}

void CZMRTabPaintManager::DrawNavigateButton(CDC* pDC, CZMRTabManagerNavigateButton* pButton, CRect& rc)
{
    m_pColorSet->FillNavigateButton(pDC, pButton, rc);
    const COLORREF clr = pDC->GetTextColor();
    CZMRPenDC pen(pDC->GetSafeHdc(), clr);
    if (pButton->IsEnabled())
    {
        CZMRBrushDC brush(pDC->GetSafeHdc(), clr);
        pButton->DrawGlyph(pDC, rc);
    }
    else
    {
        HGDIOBJ hOld = ::SelectObject(pDC->GetSafeHdc(), ::GetStockObject(NULL_BRUSH));
        pButton->DrawGlyph(pDC, rc);
        ::SelectObject(pDC->GetSafeHdc(), hOld);
    }
}

// ------------------------------------------------------------ one item

UINT CZMRTabPaintManager::GetTextFormat(BOOL bMeasure) const
{
    UINT nFormat = DT_SINGLELINE;
    if (bMeasure)
        nFormat |= DT_CALCRECT | DT_NOCLIP;
    else
        nFormat |= m_nTextFormat | (m_bEndEllipsis ? DT_END_ELLIPSIS : 0);
    // Hidden prefixes: the caption comes without its markers (DrawTabItem),
    // which draws as DT_HIDEPREFIX does wherever that flag is not honoured.
    if (m_bNoPrefix || m_bStripMnemonics || m_bHidePrefixes)
        nFormat |= DT_NOPREFIX;
    return nFormat;
}

namespace
{
int CaptionExtent(CDC* pDC, const CString& strCaption, UINT nFormat)
{
    CRect rcText(0, 0, 0, 0);
    pDC->DrawText(strCaption, rcText, nFormat);
    return rcText.Width();
}

// The text with its end cut and "..." added until it fits the room.
CString EndEllipsis(CDC* pDC, const CString& strText, int nRoom)
{
    if (pDC->GetTextExtent(strText).cx <= nRoom)
        return strText;
    for (int n = strText.GetLength() - 1; n > 0; n--)
    {
        CString strCut = strText.Left(n) + L"...";
        if (pDC->GetTextExtent(strCut).cx <= nRoom)
            return strCut;
    }
    return L"...";
}

// The caption cut in the middle so that it fits the room.
CString MiddleEllipsis(CDC* pDC, const CString& strText, int nRoom)
{
    const int nLength = strText.GetLength();
    const int nEllipsis = pDC->GetTextExtent(L"...").cx;
    const CZMRTabLayout::CMiddleCut cut = CZMRTabLayout::CutInMiddle(nLength, nRoom, nEllipsis, [&](int nHead, int nTail) {
        if (nHead + nTail >= nLength)
            return (int)pDC->GetTextExtent(strText).cx;
        return (int)pDC->GetTextExtent(strText.Left(nHead) + L"..." + strText.Right(nTail)).cx;
    });
    if (cut.bOnlyEllipsis)
        return L"...";
    if (cut.nHead + cut.nTail >= nLength)
        return strText;
    return strText.Left(cut.nHead) + L"..." + strText.Right(cut.nTail);
}
}

void CZMRTabPaintManager::DrawTextPathEllipsis(CDC* pDC, CString strText, CRect rc, UINT nFormat)
{
    if (strText.Find(L'\\') >= 0)
    {
        pDC->DrawText(strText, rc, nFormat | DT_PATH_ELLIPSIS);
        return;
    }
    pDC->DrawText(MiddleEllipsis(pDC, strText, rc.Width()), rc, nFormat & ~DT_END_ELLIPSIS);
}

int CZMRTabPaintManager::DrawTabItem(CDC* pDC, CZMRTabManagerItem* pItem, CRect rcItem, BOOL bDraw)
{
    CZMRTabManager* pManager = pItem->GetTabManager();
    BOOL bVertical = !IsHorizontalPosition(m_nPosition);
    if (m_nLayout == zmrTabLayoutRotated)
        bVertical = !bVertical;
    const BOOL bSelected = pItem->IsSelected();
    const BOOL bBold = m_bBoldSelected && bSelected && pManager->IsActive();
    CZMRFontDC font(pDC, bBold ? GetBoldFont(bVertical) : GetFont(bVertical));

    CSize szIcon = m_szIcon;
    const BOOL bIcon = pManager->DrawIcon(pDC, CPoint(0, 0), pItem, FALSE, szIcon);
    const int nIconExtent = bIcon ? (bVertical ? szIcon.cy : szIcon.cx) : 0;
    const BOOL bCaption = !(m_nLayout == zmrTabLayoutCompressed && !bSelected);

    // The item's own buttons that will show.
    CZMRTabManagerNavigateButtonArray& arrButtons = pItem->GetNavigateButtons();
    auto buttonShown = [&](CZMRTabManagerNavigateButton* pButton) {
        return pButton->GetVisibilityMode() == zmrTabNavigateButtonAlways
               || (pButton->GetVisibilityMode() == zmrTabNavigateButtonAutomatic && bSelected);
    };
    int nButtons = 0;
    if (bCaption)
    {
        for (INT_PTR i = 0; i < arrButtons.GetSize(); i++)
        {
            if (buttonShown(arrButtons[i]))
                nButtons += bVertical ? arrButtons[i]->GetSize().cy : arrButtons[i]->GetSize().cx;
        }
        if (nButtons > 0)
            nButtons += 3;
    }

    CString strCaption = pItem->GetCaption();
    if (m_bStripMnemonics || (m_bHidePrefixes && !m_bNoPrefix))
        CZMRDrawHelpers::RemoveMnemonicMarkers(strCaption);

    if (!bDraw)
    {
        int nWidth;
        if (m_nLayout == zmrTabLayoutFixed)
            nWidth = m_nFixedItemWidth;
        else if (m_nLayout == zmrTabLayoutCompressed && !bCaption)
            nWidth = nIconExtent + 8;
        else
        {
            int nText = 0;
            if (m_nLayout == zmrTabLayoutCompressed)
            {
                CZMRFontDC fontWidest(pDC, m_bBoldSelected && pManager->IsActive() ? GetBoldFont() : GetFont());
                for (int i = 0; i < pManager->GetItemCount(); i++)
                {
                    CString str = pManager->GetItem(i)->GetCaption();
                    if (m_bStripMnemonics || (m_bHidePrefixes && !m_bNoPrefix))
                        CZMRDrawHelpers::RemoveMnemonicMarkers(str);
                    nText = std::max(nText, CaptionExtent(pDC, str, GetTextFormat(TRUE)));
                }
            }
            else if (pItem->GetMarkupElement() && !bVertical)
                nText = MeasureMarkupTree(pItem->GetMarkupElement(), 0x7FFFFFFF, 0x7FFFFFFF).cx;
            else if (bVertical)
                nText = pDC->GetTextExtent(strCaption).cx;
            else
                nText = CaptionExtent(pDC, strCaption, GetTextFormat(TRUE));
            // The caption starts 2 px after the icon when drawn; without
            // them here every tab with an icon would cut its own caption.
            const int nIconGap = bIcon ? 2 : 0;
            nWidth = nText + nIconExtent + nIconGap + nButtons + m_rcTextMargins.left + m_rcTextMargins.right;
        }
        nWidth += m_rcItemPadding.left + m_rcItemPadding.right;
        if (m_nMinItemWidth > 0)
            nWidth = std::max(nWidth, m_nMinItemWidth);
        if (m_nMaxItemWidth > 0)
            nWidth = std::min(nWidth, m_nMaxItemWidth);
        return nWidth;
    }

    m_pColorSet->SetTextColor(pDC, pItem);
    CRect rc = rcItem;
    if (nButtons > 0)
    {
        if (bVertical)
            rc.bottom -= 3;
        else
            rc.right -= 3;
        for (INT_PTR i = arrButtons.GetSize() - 1; i >= 0; i--)
        {
            CZMRTabManagerNavigateButton* pButton = arrButtons[i];
            if (!buttonShown(pButton))
                continue;
            const CSize sz = pButton->GetSize();
            if (bVertical)
            {
                const int x = (rc.left + rc.right) / 2 - sz.cx / 2;
                pButton->SetRect(CRect(x, rc.bottom - sz.cy, x + sz.cx, rc.bottom));
                rc.bottom -= sz.cy;
            }
            else
            {
                const int y = (rc.top + rc.bottom) / 2 - sz.cy / 2;
                pButton->SetRect(CRect(rc.right - sz.cx, y, rc.right, y + sz.cy));
                rc.right -= sz.cx;
            }
            pButton->Draw(pDC);
        }
        m_pColorSet->SetTextColor(pDC, pItem);
    }
    if (pItem->GetWidth() > pItem->GetContentWidth())
    {
        const int nHalf = (pItem->GetWidth() - pItem->GetContentWidth()) / 2;
        if (IsHorizontalPosition(m_nPosition))
            rc.DeflateRect(nHalf, 0);
        else
            rc.DeflateRect(0, nHalf);
    }

    // The content area: margins and padding, turned for vertical text.
    const BOOL bFlip = m_nPosition == zmrTabPositionBottom || m_nPosition == zmrTabPositionRight;
    const int nStart = m_rcTextMargins.left + m_rcItemPadding.left;
    const int nEnd = m_rcTextMargins.right + m_rcItemPadding.right;
    const int nTop = bFlip ? m_rcTextMargins.bottom + m_rcItemPadding.bottom : m_rcTextMargins.top + m_rcItemPadding.top;
    const int nBottom = bFlip ? m_rcTextMargins.top + m_rcItemPadding.top : m_rcTextMargins.bottom + m_rcItemPadding.bottom;
    CRect rcContent = rc;
    if (bVertical)
        rcContent.DeflateRect(nTop, nStart, nBottom, nEnd);
    else
        rcContent.DeflateRect(nStart, nTop, nEnd, nBottom);

    if (bIcon)
    {
        CPoint pt;
        if (bVertical)
        {
            pt = CPoint(rcContent.CenterPoint().x - szIcon.cx / 2, rcContent.top);
            if (szIcon.cy <= rcContent.Height())
                pManager->DrawIcon(pDC, pt, pItem, TRUE, szIcon);
            rcContent.top += szIcon.cy + 2;
        }
        else
        {
            pt = CPoint(rcContent.left, rcContent.CenterPoint().y - szIcon.cy / 2);
            if (szIcon.cx <= rcContent.Width())
                pManager->DrawIcon(pDC, pt, pItem, TRUE, szIcon);
            rcContent.left += szIcon.cx + 2;
        }
    }

    if (bCaption && !rcContent.IsRectEmpty())
    {
        if (bVertical)
        {
            if (!m_bNoPrefix)
                CZMRDrawHelpers::RemoveMnemonicMarkers(strCaption);
            const int nRoom = rcContent.Height();
            CString strShown = strCaption;
            if (m_bMiddleEllipsis)
                strShown = MiddleEllipsis(pDC, strCaption, nRoom);
            else if (m_bEndEllipsis)
                strShown = EndEllipsis(pDC, strCaption, nRoom);
            const CSize szText = pDC->GetTextExtent(strShown);
            // The vertical font runs downward; its ascent faces the right.
            const int x = rcContent.CenterPoint().x + szText.cy / 2;
            pDC->ExtTextOut(x, rcContent.top, ETO_CLIPPED, rcContent, strShown, strShown.GetLength(), nullptr);
        }
        else if (pItem->GetMarkupElement())
        {
            CRect rcMarkup = rcContent;
            SetMarkupDefaults(pManager->GetMarkupContext(), (HFONT)pDC->GetCurrentFont()->GetSafeHandle(),
                              pDC->GetTextColor());
            if (m_nTextFormat & DT_VCENTER)
            {
                const SIZE sz = MeasureMarkupTree(pItem->GetMarkupElement(), rcMarkup.Width(), 0x7FFFFFFF);
                rcMarkup.top = (rcContent.top + rcContent.bottom - sz.cy) / 2;
                rcMarkup.bottom = rcMarkup.top + sz.cy;
            }
            DrawMarkupTree(pItem->GetMarkupElement(), pDC->GetSafeHdc(), rcMarkup);
        }
        else if (m_bMiddleEllipsis)
            DrawTextPathEllipsis(pDC, strCaption, rcContent, GetTextFormat(FALSE));
        else
            pDC->DrawText(strCaption, rcContent, GetTextFormat(FALSE));
    }

    if (bSelected && pManager->IsKeyboardFocused())
        DrawFocusRect(pDC, pItem, rcItem);
    return 0;
}
