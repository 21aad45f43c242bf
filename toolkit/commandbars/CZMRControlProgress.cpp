#include "CZMRControlProgress.h"
#include "CZMRPaintManager.h"
#include "CZMRProgressPaintManager.h"
#include "CZMRPropExchange.h"

IMPLEMENT_SERIAL(CZMRControlProgress, CZMRControl, VERSIONABLE_SCHEMA | 0x21)

CZMRControlProgress::CZMRControlProgress()
{
    m_nWidth = 100;
}

CSize CZMRControlProgress::GetSize(CDC* /*pDC*/)
{
    CZMRProgressPaintManager* pProgress = GetProgressPaintManager();
    const int cy = m_nHeight > 0 ? m_nHeight : (pProgress ? pProgress->m_nDefaultHeight : 16);
    return CSize(m_nWidth, cy);
}

void CZMRControlProgress::Draw(CDC* pDC)
{
    if (CZMRProgressPaintManager* pProgress = GetProgressPaintManager())
        pProgress->DrawProgress(pDC, this);
}

void CZMRControlProgress::DoPropExchange(CZMRPropExchange* pPX)
{
    CZMRControl::DoPropExchange(pPX);
    if (!pPX)
        return;
    PropExchangeInt(pPX, L"Min", &m_nMin, 0);
    PropExchangeInt(pPX, L"Max", &m_nMax, 100);
    PropExchangeInt(pPX, L"Pos", &m_nPos, 0);
}

void CZMRControlProgress::Copy(CZMRControl* pControl, BOOL bRecursive)
{
    CZMRControl::Copy(pControl, bRecursive);
    if (CZMRControlProgress* pOther = DYNAMIC_DOWNCAST(CZMRControlProgress, pControl))
    {
        SetRange(pOther->m_nMin, pOther->m_nMax);
        SetPos(pOther->m_nPos);
    }
}

void CZMRControlProgress::GetProgressRect(CRect& rc)
{
    rc = m_rcControl;
}

void CZMRControlProgress::RedrawProgress()
{
    RepaintInParentBar(FALSE);
}

CZMRProgressPaintManager* CZMRControlProgress::GetProgressPaintManager()
{
    CZMRPaintManager* pPaintManager = GetPaintManager();
    return pPaintManager ? pPaintManager->m_pProgressPaintManager : nullptr;
}
