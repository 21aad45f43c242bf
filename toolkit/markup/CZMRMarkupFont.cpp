#include "CZMRMarkupFont.h"
#include "CZMRMarkupContext.h"

CZMRMarkupFont::CZMRMarkupFont(const LOGFONTW& lf, CZMRMarkupContext* pContext)
    : m_hFont(::CreateFontIndirectW(&lf)), m_lf(lf), m_pNextFont(nullptr), m_pContext(pContext)
{
}

CZMRMarkupFont::~CZMRMarkupFont()
{
    if (m_pContext)
        m_pContext->RemoveFont(this);
    if (m_hFont)
        ::DeleteObject(m_hFont);
}
