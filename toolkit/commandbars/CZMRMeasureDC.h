// The device context a paint manager measures text with: the caller's, or a
// screen context for as long as the object lives when the caller gave none
// (bars may lay out before they have a window to draw into).
#pragma once
#include "Framework.h"

class CZMRMeasureDC
{
public:
    explicit CZMRMeasureDC(CDC* pDC) : m_pDC(pDC)
    {
        if (!m_pDC)
        {
            m_dcScreen.Attach(::GetDC(nullptr));
            m_pDC = &m_dcScreen;
        }
    }
    ~CZMRMeasureDC()
    {
        if (m_pDC == &m_dcScreen)
            ::ReleaseDC(nullptr, m_dcScreen.Detach());
    }

    CDC* operator->() const { return m_pDC; }
    operator CDC*() const { return m_pDC; }

    CZMRMeasureDC(const CZMRMeasureDC&) = delete;
    CZMRMeasureDC& operator=(const CZMRMeasureDC&) = delete;

private:
    CDC* m_pDC;
    CDC m_dcScreen;
};
