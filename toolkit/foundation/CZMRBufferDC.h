// A double buffer: drawing goes to a memory device context in the
// destination's coordinates and is copied to the destination at the end.
#pragma once
#include "Framework.h"

class CZMRBufferDC : public CDC
{
public:
    CZMRBufferDC(HDC hDestDC, const CRect& rect);
    explicit CZMRBufferDC(CPaintDC& paintDC);
    ~CZMRBufferDC() override;

    HDC GetDestDC() const { return m_hDestDC; }

protected:
    HDC m_hDestDC;
    CBitmap m_bitmap;
    CRect m_rect;
    HGDIOBJ m_hOldBitmap;
};
