#include "CZMRControlMarkupLabel.h"
#include "CZMRCommandBar.h"
#include "CZMRPaintManager.h"
#include "ZMRMarkupFacade.h"
#include <climits>

IMPLEMENT_SERIAL(CZMRControlMarkupLabel, CZMRControlLabel, VERSIONABLE_SCHEMA | 0x21)

CZMRControlMarkupLabel::CZMRControlMarkupLabel() : m_pMarkupElement(nullptr)
{
}

CZMRControlMarkupLabel::~CZMRControlMarkupLabel()
{
    DropMarkupTree(&m_pMarkupElement);
}

void CZMRControlMarkupLabel::OnCaptionChanged()
{
    DropMarkupTree(&m_pMarkupElement);
    // The element keeps its context; the label needs no hold of its own.
    CZMRMarkupContext* pContext = NewMarkupContext(nullptr);
    if (!pContext)
        return;
    m_pMarkupElement = BuildMarkupTree(pContext, GetCaption());
    DropMarkupContext(&pContext);
}

HFONT CZMRControlMarkupLabel::GetMarkupFont() const
{
    CZMRPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager && pPaintManager->m_fntRegular.GetSafeHandle())
        return HFONT(pPaintManager->m_fntRegular.GetSafeHandle());
    return HFONT(::GetStockObject(DEFAULT_GUI_FONT));
}

CSize CZMRControlMarkupLabel::GetSize(CDC* pDC)
{
    if (!m_pMarkupElement)
        return CZMRControlLabel::GetSize(pDC);
    SetMarkupDefaults(OwningMarkupContext(m_pMarkupElement), GetMarkupFont(), COLORREF(-1));
    return CSize(MeasureMarkupTree(m_pMarkupElement, INT_MAX, INT_MAX));
}

void CZMRControlMarkupLabel::Draw(CDC* pDC)
{
    if (!m_pMarkupElement)
    {
        CZMRControlLabel::Draw(pDC);
        return;
    }
    COLORREF clrText = ::GetSysColor(COLOR_BTNTEXT);
    if (CZMRPaintManager* pPaintManager = GetPaintManager())
    {
        const int nBarType = m_pParent ? m_pParent->GetType() : zmrBarTypeNormal;
        const int nBarPosition = m_pParent ? m_pParent->GetPosition() : zmrBarTop;
        clrText = pPaintManager->GetColor(
            pPaintManager->GetStateTextColor(0, 0, GetEnabled(), 0, FALSE, nBarType, nBarPosition));
    }
    SetMarkupDefaults(OwningMarkupContext(m_pMarkupElement), GetMarkupFont(), clrText);
    DrawMarkupTree(m_pMarkupElement, pDC->GetSafeHdc(), &m_rcControl);
}
