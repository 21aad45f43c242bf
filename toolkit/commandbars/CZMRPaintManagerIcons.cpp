// Drawing that the themes share beyond the small helpers: a control's icon
// in its state and the dots of popup resize grippers.
#include "CZMRPaintManager.h"
#include "CZMRImageManager.h"

void CZMRPaintManager::DrawDisabledIcon(CDC* pDC, CPoint pt, CSize sz, CZMRImageManagerIcon* pImage,
                                        const CIconSilhouettes& silhouettes)
{
    if (!m_bDisabledIconsFromImage && !pImage->IsAlpha())
    {
        CZMRIconHandle& hNormal = pImage->GetNormalIcon();
        if (silhouettes.bEmbossed)
            pImage->DrawSilhouette(pDC, pt + CPoint(1, 1), hNormal, sz, GetColor(COLOR_BTNHIGHLIGHT));
        pImage->DrawSilhouette(pDC, pt, hNormal, sz, GetColor(silhouettes.nDisabled));
        return;
    }
    if (m_bDisabledIconsFromColors && !pImage->HasDisabledIcon())
        pImage->CreateDisabledIcon(m_grcCaption.clrLight.GetColor(), m_grcCaption.clrDark.GetColor());
    pImage->Draw(pDC, pt, pImage->GetDisabledIcon(), sz);
}

void CZMRPaintManager::DrawImageByState(CDC* pDC, CPoint pt, CSize sz, CZMRImageManagerIcon* pImage, int nSelected,
                                        int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped,
                                        const CIconSilhouettes& silhouettes)
{
    if (!pDC || !pImage)
        return;
    if (!bEnabled)
    {
        DrawDisabledIcon(pDC, pt, sz, pImage, silhouettes);
        return;
    }
    if (nChecked == 2 && !nPressed)
    {
        // Indeterminate: a shape in one colour; alpha icons look disabled.
        if (!pImage->IsAlpha())
            pImage->DrawSilhouette(pDC, pt,
                                   silhouettes.bIndeterminateChecked ? pImage->GetCheckedIcon()
                                                                     : pImage->GetNormalIcon(),
                                   sz, GetColor(silhouettes.nIndeterminate));
        else
            DrawDisabledIcon(pDC, pt, sz, pImage, silhouettes);
        return;
    }
    if (bPopped)
    {
        pImage->Draw(pDC, pt, nChecked ? pImage->GetCheckedIcon() : pImage->GetNormalIcon(), sz);
        return;
    }
    if (nChecked)
    {
        pImage->Draw(pDC, pt, pImage->GetCheckedIcon(), sz);
        return;
    }
    if (!nSelected && !nPressed)
        pImage->Draw(pDC, pt, m_bFadeIcons ? pImage->GetFadedIcon() : pImage->GetNormalIcon(), sz);
    else if (nSelected && nPressed)
        pImage->Draw(pDC, pt + CPoint(1, 1), pImage->GetPressedIcon(), sz);
    else if (nPressed == 1 || nSelected)
    {
        if (m_bHotIconShadow && !pImage->GetShadowIcon().IsEmpty())
        {
            pImage->Draw(pDC, pt + CPoint(1, 1), pImage->GetShadowIcon(), sz);
            pImage->Draw(pDC, pt - CPoint(1, 1), pImage->GetHotIcon(), sz);
        }
        else
            pImage->Draw(pDC, pt, pImage->GetHotIcon(), sz);
    }
    else if (nPressed == 2 || nPressed == 3)
        pImage->Draw(pDC, pt + CPoint(1, 1), pImage->GetPressedIcon(), sz);
    // Any other pressed value of an unselected control shows no icon.
}

void CZMRPaintManager::DrawGripDots(CDC* pDC, CRect rc, int nKind)
{
    const COLORREF clrLight = GetColor(COLOR_WINDOW), clrDark = GetColor(38);
    auto dot = [&](int x, int y) {
        pDC->FillSolidRect(x, y, 2, 2, clrLight);
        pDC->FillSolidRect(x - 1, y - 1, 2, 2, clrDark);
    };
    if (nKind == 2)
    {
        const int mid = rc.CenterPoint().x;
        for (int x = mid - 8; x < mid + 8; x += 4)
            dot(x + 1, rc.top + 4);
        return;
    }
    dot(rc.right - 3, rc.bottom - 3);
    dot(rc.right - 7, rc.bottom - 3);
    dot(rc.right - 3, rc.bottom - 7);
}
