// The tip windows whose content is rich text or markup: they keep the own
// window's tools, timing and placement and replace how a tip is sized and
// what it draws.
#include "CZMRToolTipContext.h"
#include "CZMRRichRender.h"
#include "ZMRMarkupFacade.h"

namespace
{
// The context's margins plus the own window's 3 pixels on each side.
CSize TipMargins(CZMRToolTipContext* pContext)
{
    const CRect& rcMargin = pContext->m_rcMargin;
    return CSize(rcMargin.left + rcMargin.right + 6, rcMargin.top + rcMargin.bottom + 6);
}

CRect ContentRect(CZMRToolTipContext* pContext, CRect rc)
{
    const CRect& rcMargin = pContext->m_rcMargin;
    rc.DeflateRect(rcMargin.left + 3, rcMargin.top + 3, rcMargin.right + 3, rcMargin.bottom + 3);
    return rc;
}
}

// ---------------------------------------------------------------- rich text

CZMRToolTipContext::CRichEditToolTip::CRichEditToolTip(CZMRToolTipContext* pContext)
    : CZMRToolTipContextToolTip(pContext), m_pRender(new CZMRRichRender)
{
}

CZMRToolTipContext::CRichEditToolTip::~CRichEditToolTip()
{
    m_pRender->InternalRelease();
}

CSize CZMRToolTipContext::CRichEditToolTip::CalcTipSize(TOOLITEM* pTool)
{
    const CString strText = GetToolText(pTool);
    if (!m_pContext || !m_pRender->GetTextServices() || strText.IsEmpty())
        return CSize(0, 0);

    CHARFORMATW cf = {};
    cf.cbSize = sizeof(cf);
    cf.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED | CFM_COLOR;
    cf.crTextColor = m_pContext->GetTipTextColor();
    LOGFONTW lf = {};
    if (m_pContext->GetFont()->GetSafeHandle() && m_pContext->GetFont()->GetLogFont(&lf))
    {
        HDC hdcScreen = ::GetDC(nullptr);
        const int nLogPixelsY = ::GetDeviceCaps(hdcScreen, LOGPIXELSY);
        ::ReleaseDC(nullptr, hdcScreen);
        cf.dwMask |= CFM_SIZE | CFM_FACE;
        cf.yHeight = -(lf.lfHeight * 1440 / nLogPixelsY);
        lstrcpynW(cf.szFaceName, lf.lfFaceName, LF_FACESIZE);
    }
    m_pRender->SetText(L"");
    m_pRender->SetDefaultCharFormat(&cf);
    m_pRender->SetText(strText);

    const CSize szMargins = TipMargins(m_pContext);
    CClientDC dc(this);
    const CSize sz = m_pRender->GetTextExtent(&dc, GetMaxTipWidth() - szMargins.cx);
    return CSize(sz.cx + szMargins.cx, sz.cy + szMargins.cy);
}

void CZMRToolTipContext::CRichEditToolTip::DrawTipContent(CDC* pDC, TOOLITEM* /*pTool*/, CRect rc)
{
    if (!m_pContext)
        return;
    const CRect rcContent = ContentRect(m_pContext, rc);
    m_pRender->Draw(pDC, &rcContent);
}

// ---------------------------------------------------------------- markup

CZMRToolTipContext::CMarkupToolTip::CMarkupToolTip(CZMRToolTipContext* pContext)
    : CZMRToolTipContextToolTip(pContext), m_pTree(nullptr), m_pMarkupContext(NewMarkupContext(nullptr))
{
}

CZMRToolTipContext::CMarkupToolTip::~CMarkupToolTip()
{
    DropMarkupTree(&m_pTree);
    DropMarkupContext(&m_pMarkupContext);
}

CSize CZMRToolTipContext::CMarkupToolTip::CalcTipSize(TOOLITEM* pTool)
{
    DropMarkupTree(&m_pTree);
    const CString strText = GetToolText(pTool);
    if (!m_pContext || strText.IsEmpty())
        return CSize(0, 0);
    SetMarkupDefaults(m_pMarkupContext, static_cast<HFONT>(m_pContext->GetFont()->GetSafeHandle()),
                      m_pContext->GetTipTextColor());
    m_pTree = BuildMarkupTree(m_pMarkupContext, strText);
    if (!m_pTree)
        return CZMRToolTipContextToolTip::CalcTipSize(pTool);
    const CSize szMargins = TipMargins(m_pContext);
    const SIZE sz = MeasureMarkupTree(m_pTree, GetMaxTipWidth() - szMargins.cx, INT_MAX);
    return CSize(sz.cx + szMargins.cx, sz.cy + szMargins.cy);
}

void CZMRToolTipContext::CMarkupToolTip::DrawTipContent(CDC* pDC, TOOLITEM* pTool, CRect rc)
{
    if (!m_pTree || !m_pContext)
    {
        CZMRToolTipContextToolTip::DrawTipContent(pDC, pTool, rc);
        return;
    }
    const CRect rcContent = ContentRect(m_pContext, rc);
    DrawMarkupTree(m_pTree, pDC->GetSafeHdc(), &rcContent);
}
