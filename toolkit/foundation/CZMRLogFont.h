// A font description with one spare flag after it.
#pragma once
#include "core/Core.h"

class CZMRLogFont : public LOGFONTW
{
public:
    CZMRLogFont() : m_nFlags(0)
    {
        ZeroMemory(static_cast<LOGFONTW*>(this), sizeof(LOGFONTW));
    }
    explicit CZMRLogFont(const LOGFONTW& lf) : LOGFONTW(lf), m_nFlags(0) {}

    int m_nFlags;
};
