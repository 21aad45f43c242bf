#include "CZMRControlHyperlink.h"
#include "CZMRCommandBar.h"
#include "CZMRPaintManager.h"
#include "CZMRRibbonTheme.h"
#include <shellapi.h>

IMPLEMENT_SERIAL(CZMRControlHyperlink, CZMRControl, VERSIONABLE_SCHEMA | 0x21)

CZMRControlHyperlink::PFNSHELLEXECUTE CZMRControlHyperlink::s_pfnShellExecute = ::ShellExecuteW;

CZMRControlHyperlink::CZMRControlHyperlink()
{
    m_hCursorHand = ::LoadCursorW(nullptr, IDC_HAND);
}

BOOL CZMRControlHyperlink::IsOpenableTarget(const CString& strTarget)
{
    static const LPCWSTR schemes[] = { L"http:", L"https:", L"mailto:" };
    for (LPCWSTR lpszScheme : schemes)
    {
        const int nLength = int(wcslen(lpszScheme));
        if (strTarget.GetLength() > nLength && strTarget.Left(nLength).CompareNoCase(lpszScheme) == 0)
            return TRUE;
    }
    return FALSE;
}

CFont* CZMRControlHyperlink::GetLinkFont() const
{
    CZMRPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager && pPaintManager->m_fntRegular.GetSafeHandle())
        return &pPaintManager->m_fntRegular;
    return CFont::FromHandle(HFONT(::GetStockObject(DEFAULT_GUI_FONT)));
}

CSize CZMRControlHyperlink::GetSize(CDC* pDC)
{
    CFont* pOldFont = pDC->SelectObject(GetLinkFont());
    const CSize sz = pDC->GetTextExtent(GetCaption());
    pDC->SelectObject(pOldFont);
    return sz;
}

void CZMRControlHyperlink::Draw(CDC* pDC)
{
    COLORREF clrText = RGB(0, 0, 255);
    if (!GetEnabled())
        clrText = ::GetSysColor(COLOR_GRAYTEXT);
    else if (GetSelected())
        clrText = RGB(255, 0, 0);
    CFont* pOldFont = pDC->SelectObject(GetLinkFont());
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CZMRPaintManager::DrawTextComposited(pDC, GetCaption(), m_rcControl, DT_SINGLELINE | DT_NOPREFIX,
                                         CZMRRibbonTheme::IsControlRectInRibbonCaption(this));
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
    pDC->SelectObject(pOldFont);
}

void CZMRControlHyperlink::OnClick(BOOL /*bKeyboard*/, CPoint point)
{
    if (IsCustomizeMode())
    {
        if (IsCustomizable())
            BeginControlMove(point);
        return;
    }
    if (GetEnabled())
        OnExecute();
}

void CZMRControlHyperlink::OnExecute()
{
    const CString strTarget = m_strTooltipText;
    if (!IsOpenableTarget(strTarget))
        return;
    s_pfnShellExecute(nullptr, L"open", strTarget, nullptr, nullptr, SW_SHOW);
}

void CZMRControlHyperlink::OnMouseMove(CPoint /*point*/)
{
    if (m_hCursorHand)
        ::SetCursor(m_hCursorHand);
}
