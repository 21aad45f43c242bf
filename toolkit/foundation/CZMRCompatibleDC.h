// A memory device context compatible with another one, with a bitmap
// selected, for one drawing pass.
#pragma once
#include "Framework.h"

class CZMRCompatibleDC : public CDC
{
public:
    CZMRCompatibleDC(CDC* pDC, CBitmap* pBitmap);
    CZMRCompatibleDC(CDC* pDC, HBITMAP hBitmap);
    ~CZMRCompatibleDC() override;

protected:
    void Init(CDC* pDC, HBITMAP hBitmap);

    HGDIOBJ m_hOldBitmap;
};
