#include "CZMRMarkupFont.h"

CZMRMarkupFont::CZMRMarkupFont(const LOGFONTW& lf) : m_hFont(::CreateFontIndirectW(&lf)), m_lf(lf)
{
}

CZMRMarkupFont::~CZMRMarkupFont()
{
    if (m_hFont)
        ::DeleteObject(m_hFont);
}
