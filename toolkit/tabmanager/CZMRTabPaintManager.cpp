#include "CZMRTabPaintManager.h"
#include "CZMRTabManagerItem.h"
#include "CZMRTabPaintManagerAppearanceSet.h"
#include "CZMRTabPaintManagerColorSet.h"
#include "CZMRTabLayout.h"
#include "CZMRDrawHelpers.h"

CZMRTabPaintManager::CZMRTabPaintManager()
    : m_bHotTracking(FALSE), m_bShowIcons(TRUE), m_bBoldSelected(FALSE), m_bBoldNormal(FALSE),
      m_bDisableLunaColors(FALSE), m_bOneColorPerItem(FALSE), m_nClientFrame(0), m_bStaticFrame(FALSE),
      m_rcClientMargin(0, 0, 0, 0), m_rcControlMargin(0, 0, 0, 0), m_rcItemPadding(0, 0, 0, 0),
      m_rcTextMargins(6, 0, 6, 0), m_bReverseGradient(FALSE), m_bFillBackground(TRUE), m_szIcon(16, 16),
      m_bMiddleEllipsis(FALSE), m_bEndEllipsis(TRUE), m_bNoPrefix(TRUE), m_nTextFormat(DT_VCENTER),
      m_bStripMnemonics(FALSE), m_bHidePrefixes(FALSE), m_bKeepRowOrder(FALSE), m_bJustifyRows(TRUE),
      m_bDrawFocusRect(TRUE), m_nExtraItemWidth(0), m_bSelectOnPress(TRUE), m_bClearType(FALSE),
      m_bRotateIcons(FALSE), m_bClipToHeader(TRUE), m_szNavigateButton(14, 15), m_bShowTabs(TRUE),
      m_nMinItemWidth(0), m_nMaxItemWidth(0), m_nFixedItemWidth(70), m_nTooltipMode(2), m_pAppearanceSet(nullptr),
      m_pColorSet(nullptr), m_nAppearance(0), m_nColorSet(0), m_nPosition(zmrTabPositionTop),
      m_nLayout(zmrTabLayoutAutoSize), m_bUseSystemFont(TRUE), m_nColorCounter(0)
{
    SetAppearance(0);
    RefreshMetrics();
}

CZMRTabPaintManager::~CZMRTabPaintManager()
{
    delete m_pAppearanceSet;
    delete m_pColorSet;
}

// ------------------------------------------------------------ sets

void CZMRTabPaintManager::SetAppearance(int nAppearance)
{
    // Unknown numbers give the property page; the number is kept for the host.
    m_nAppearance = nAppearance;
    CAppearanceSet* pAppearanceSet;
    switch (nAppearance)
    {
    case 1: pAppearanceSet = new CAppearanceSetPropertyPageSelected(); break;
    case 2: pAppearanceSet = new CAppearanceSetPropertyPageFlat(); break;
    case 3: pAppearanceSet = new CAppearanceSetPropertyPage2003(); break;
    case 4: pAppearanceSet = new CAppearanceSetStateButtons(); break;
    case 5: pAppearanceSet = new CAppearanceSetVisualStudio(); break;
    case 6: pAppearanceSet = new CAppearanceSetFlat(); break;
    case 7: pAppearanceSet = new CAppearanceSetExcel(); break;
    case 8: pAppearanceSet = new CAppearanceSetVisio(); break;
    case 9: pAppearanceSet = new CAppearanceSetVisualStudio2005(); break;
    case 10: pAppearanceSet = new CAppearanceSetPropertyPage2007(); break;
    case 11: pAppearanceSet = new CAppearanceSetPropertyPageAccess2007(); break;
    default: pAppearanceSet = new CAppearanceSetPropertyPage(); break;
    }
    SetAppearanceSet(pAppearanceSet);
}

void CZMRTabPaintManager::SetAppearanceSet(CAppearanceSet* pAppearanceSet)
{
    if (pAppearanceSet)
    {
        delete m_pAppearanceSet;
        m_pAppearanceSet = pAppearanceSet;
        pAppearanceSet->m_pPaintManager = this;
        pAppearanceSet->RefreshMetrics();
        SetColor(pAppearanceSet->GetDefaultColorSet());
    }
    OnPropertyChanged();
}

void CZMRTabPaintManager::SetColor(int nColorSet)
{
    // Unknown flags give the plain set; the flag is kept for the host.
    m_nColorSet = nColorSet;
    CColorSet* pColorSet;
    switch (nColorSet)
    {
    case 2: pColorSet = new CColorSetVisualStudio(); break;
    case 4: pColorSet = new CColorSetOffice2003(); break;
    case 8: pColorSet = new CColorSetWinXP(); break;
    case 16: pColorSet = new CColorSetWhidbey(); break;
    case 32: pColorSet = new CColorSetOffice2007(); break;
    case 64: pColorSet = new CColorSetVisualStudio2008(); break;
    case 128: pColorSet = new CColorSetAccess2007(); break;
    default: pColorSet = new CColorSetDefault(); break;
    }
    SetColorSet(pColorSet);
}

void CZMRTabPaintManager::SetColorSet(CColorSet* pColorSet)
{
    if (pColorSet)
    {
        delete m_pColorSet;
        m_pColorSet = pColorSet;
        pColorSet->m_pPaintManager = this;
        pColorSet->RefreshMetrics();
    }
    OnPropertyChanged();
}

void CZMRTabPaintManager::SetLayout(int nLayout)
{
    m_nLayout = nLayout;
    OnPropertyChanged();
}

void CZMRTabPaintManager::SetPosition(int nPosition)
{
    m_nPosition = nPosition;
    OnPropertyChanged();
}

void CZMRTabPaintManager::OnPropertyChanged()
{
    for (INT_PTR i = 0; i < m_arrAtoms.GetSize(); i++)
        m_arrAtoms[i]->OnPropertyChanged();
}

void CZMRTabPaintManager::AddAtom(CZMRTabManagerAtom* pAtom)
{
    for (INT_PTR i = 0; i < m_arrAtoms.GetSize(); i++)
    {
        if (m_arrAtoms[i] == pAtom)
            return;
    }
    m_arrAtoms.Add(pAtom);
}

void CZMRTabPaintManager::RemoveAtom(CZMRTabManagerAtom* pAtom)
{
    for (INT_PTR i = 0; i < m_arrAtoms.GetSize(); i++)
    {
        if (m_arrAtoms[i] == pAtom)
        {
            m_arrAtoms.RemoveAt(i);
            return;
        }
    }
}

// ------------------------------------------------------------ fonts and metrics

void CZMRTabPaintManager::SetFontIndirect(const LOGFONT* pLogFont, BOOL bUseSystemFont)
{
    m_bUseSystemFont = bUseSystemFont;
    if (!pLogFont)
        return;
    LOGFONT lf = *pLogFont;
    if (m_bClearType)
        lf.lfQuality = CLEARTYPE_QUALITY;

    m_fntNormal.DeleteObject();
    m_fntBold.DeleteObject();
    m_fntVertical.DeleteObject();
    m_fntVerticalBold.DeleteObject();

    const LONG nNormalWeight = m_bBoldNormal ? FW_BOLD : FW_NORMAL;
    lf.lfWeight = nNormalWeight;
    m_fntNormal.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fntBold.CreateFontIndirect(&lf);

    CString strFace;
    CZMRDrawHelpers::PickUiFontFace(strFace, TRUE);
    lstrcpynW(lf.lfFaceName, strFace, LF_FACESIZE);
    lf.lfEscapement = 2700;
    lf.lfOrientation = 900;
    if (lf.lfHeight >= -10 && lf.lfHeight <= -1)
        lf.lfHeight = -11;
    lf.lfWeight = nNormalWeight;
    m_fntVertical.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fntVerticalBold.CreateFontIndirect(&lf);
}

void CZMRTabPaintManager::RefreshMetrics()
{
    if (m_bUseSystemFont)
    {
        LOGFONT lf = {};
        ::SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0);
        SetFontIndirect(&lf, TRUE);
    }
    if (m_pColorSet)
        m_pColorSet->RefreshMetrics();
    if (m_pAppearanceSet)
        m_pAppearanceSet->RefreshMetrics();
}

// ------------------------------------------------------------ margins

void CZMRTabPaintManager::InflateRectForPosition(CRect& rc, CRect rcMargin, int nPosition)
{
    const int l = rcMargin.left, t = rcMargin.top, r = rcMargin.right, b = rcMargin.bottom;
    switch (nPosition)
    {
    case zmrTabPositionLeft:
        rc.InflateRect(t, l, b, r);
        break;
    case zmrTabPositionBottom:
        rc.InflateRect(l, b, r, t);
        break;
    case zmrTabPositionRight:
        rc.InflateRect(b, l, t, r);
        break;
    default:
        rc.InflateRect(l, t, r, b);
        break;
    }
}

void CZMRTabPaintManager::DeflateRectForPosition(CRect& rc, CRect rcMargin, int nPosition)
{
    InflateRectForPosition(rc, CRect(-rcMargin.left, -rcMargin.top, -rcMargin.right, -rcMargin.bottom), nPosition);
}

void CZMRTabPaintManager::AdjustClientRect(CZMRTabManager* pManager, CRect& rcClient)
{
    if (m_bStaticFrame)
        DeflateRectForPosition(rcClient, CRect(2, 1, 2, 2), m_nPosition);
    if (pManager->GetItemCount() > 0)
        m_pAppearanceSet->AdjustClientRect(pManager, rcClient);
}

// ------------------------------------------------------------ ensure-visible

void CZMRTabPaintManager::EnsureVisible(CZMRTabManager* pManager, CZMRTabManagerItem* pItem)
{
    const CRect rcHeader = pManager->GetHeaderRect();
    const CRect rcItem = pItem->GetRect();
    if (rcHeader.IsRectEmpty() || rcItem.IsRectEmpty() || m_nLayout == zmrTabLayoutSizeToFit)
        return;
    const BOOL bHorizontal = pManager->IsHorizontal();
    const int nOffset = CZMRTabLayout::EnsureVisibleOffset(
        pManager->GetScrollOffset(), bHorizontal ? rcItem.left : rcItem.top, bHorizontal ? rcItem.right : rcItem.bottom,
        bHorizontal ? rcHeader.left : rcHeader.top, bHorizontal ? rcHeader.right : rcHeader.bottom,
        m_pAppearanceSet->GetHeaderMargin().left);
    pManager->SetScrollOffset(nOffset);
}

// ------------------------------------------------------------ the control

void CZMRTabPaintManager::DrawTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    m_pAppearanceSet->DrawTabControl(pManager, pDC, rc);
}

void CZMRTabPaintManager::RepositionTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc)
{
    pManager->m_rcHeader.SetRectEmpty();
    pManager->m_rcControl = rc;
    pManager->m_rcClient = rc;
    pManager->m_pRows->SetRowCount(1);
    for (int i = 0; i < pManager->GetItemCount(); i++)
        pManager->GetItem(i)->m_nRow = 0;
    m_pAppearanceSet->RepositionTabControl(pManager, pDC, rc);
    AdjustClientRect(pManager, pManager->m_rcClient);
}

void CZMRTabPaintManager::DrawFocusRect(CDC* pDC, CZMRTabManagerItem* pItem, CRect rc)
{
    if (!m_bDrawFocusRect)
        return;
    pDC->SetTextColor(0);
    pDC->SetBkColor(0xFFFFFF);
    rc.DeflateRect(3, 3);
    pDC->DrawFocusRect(rc);
}
