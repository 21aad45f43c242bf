#include "CZMRMarkupRun.h"
#include "CZMRMarkupContext.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupFont.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"
#include "CZMRNonClientMetrics.h"
#include "CZMROSVersionInfo.h"

#include <cwchar>

IMPLEMENT_MARKUPCLASS(CZMRMarkupRun)

CZMRMarkupDependencyProperty* CZMRMarkupRun::m_pTextProperty = nullptr;

void AFXAPI CZMRMarkupRun::RegisterMarkupProperties()
{
    m_pTextProperty = CZMRMarkupDependencyProperty::Register(
        L"Text", CZMRMarkupString::GetMarkupType(), CZMRMarkupRun::GetMarkupType(),
        new CZMRMarkupPropertyMetadata(nullptr, CZMRMarkupPropertyMetadata::flagAffectsMeasure));
}

CZMRMarkupRun::CZMRMarkupRun() : m_nDescent(0), m_pFont(nullptr)
{
}

CZMRMarkupRun::~CZMRMarkupRun()
{
    ReleaseFont();
}

void CZMRMarkupRun::ReleaseFont()
{
    CZMRMarkupFont* pFont = m_pFont;
    m_pFont = nullptr;
    if (pFont)
        pFont->Release();
}

void CZMRMarkupRun::OnFinalRelease()
{
    ReleaseFont();
    CZMRMarkupInline::OnFinalRelease();
}

void CZMRMarkupRun::AddContent(CZMRMarkupBuilder* /*pBuilder*/, CZMRMarkupObject* pContent)
{
    if (!MarkupCast<CZMRMarkupString>(pContent))
        RefuseContent(pContent);
    SetValue(m_pTextProperty, pContent);
}

BOOL CZMRMarkupRun::HoldsContent() const
{
    return GetValue(m_pTextProperty) != nullptr;
}

LPCWSTR CZMRMarkupRun::GetText() const
{
    CZMRMarkupString* pText = MarkupCast<CZMRMarkupString>(GetValue(m_pTextProperty));
    return pText ? pText->GetText() : L"";
}

int CZMRMarkupRun::GetTextLength() const
{
    CZMRMarkupString* pText = MarkupCast<CZMRMarkupString>(GetValue(m_pTextProperty));
    return pText ? pText->GetLength() : 0;
}

WCHAR CZMRMarkupRun::GetCharAt(int nPosition) const
{
    return nPosition >= 0 && nPosition < GetTextLength() ? GetText()[nPosition] : 0;
}

int CZMRMarkupRun::GetFirstPosition() const
{
    return GetTextLength() > 0 ? 0 : -1;
}

void CZMRMarkupRun::NextPosition(int& nPosition) const
{
    // The end of the text is a position of its own: a part may end there.
    if (nPosition >= 0 && nPosition < GetTextLength())
        nPosition++;
    else
        nPosition = -1;
}

BOOL CZMRMarkupRun::IsBreakPosition(int nPosition) const
{
    WCHAR ch = GetCharAt(nPosition);
    return ch == L'\t' || ch == L'\n' || ch == L' ';
}

BOOL CZMRMarkupRun::IsLineFeedPosition(int nPosition) const
{
    return GetCharAt(nPosition) == L'\n';
}

BOOL CZMRMarkupRun::IsSpacePosition(int nPosition) const
{
    WCHAR ch = GetCharAt(nPosition);
    return ch == L' ' || ch == L'\t';
}

void CZMRMarkupRun::GetLogFont(LOGFONTW* pLogFont) const
{
    if (m_pMarkupContext)
    {
        *pLogFont = m_pMarkupContext->GetDefaultFont();
    }
    else
    {
        CZMRNonClientMetrics ncm;
        *pLogFont = ncm.lfMessageFont;
    }
    CZMRMarkupInt* pSize = MarkupCast<CZMRMarkupInt>(GetValue(m_pFontSizeProperty));
    if (pSize)
        pLogFont->lfHeight = -pSize->GetValue();
    CZMRMarkupEnum* pWeight = MarkupCast<CZMRMarkupEnum>(GetValue(m_pFontWeightProperty));
    if (pWeight)
        pLogFont->lfWeight = pWeight->GetValue();
    CZMRMarkupEnum* pStyle = MarkupCast<CZMRMarkupEnum>(GetValue(m_pFontStyleProperty));
    if (pStyle)
        pLogFont->lfItalic = pStyle->GetValue() ? 1 : 0;
    CZMRMarkupEnum* pQuality = MarkupCast<CZMRMarkupEnum>(GetValue(m_pFontQualityProperty));
    if (pQuality && GetOSVersionInfo()->IsWindowsXPOrLater())
        pLogFont->lfQuality = static_cast<BYTE>(pQuality->GetValue());
    CZMRMarkupString* pFamily = MarkupCast<CZMRMarkupString>(GetValue(m_pFontFamilyProperty));
    if (pFamily)
    {
        // A longer name is cut to what the face name holds.
        wcsncpy(pLogFont->lfFaceName, pFamily->GetText(), LF_FACESIZE - 1);
        pLogFont->lfFaceName[LF_FACESIZE - 1] = 0;
    }
}

void CZMRMarkupRun::PrepareFont(CZMRMarkupDrawingContext* pDC)
{
    LOGFONTW lf;
    GetLogFont(&lf);
    if (!m_pFont || !CZMRMarkupContext::IsSameFont(lf, m_pFont->GetLogFont()))
    {
        CZMRMarkupFont* pFont = m_pMarkupContext ? m_pMarkupContext->GetFont(lf) : new CZMRMarkupFont(lf);
        ReleaseFont();
        m_pFont = pFont;
    }
    pDC->SetFont(m_pFont);
    TEXTMETRICW tm;
    if (pDC->GetOutputDC() && ::GetTextMetricsW(pDC->GetOutputDC(), &tm))
        m_nDescent = tm.tmDescent;
}

CSize CZMRMarkupRun::MeasurePart(CZMRMarkupDrawingContext* pDC, int nFirst, int nEnd)
{
    const int nLength = GetTextLength();
    if (nFirst < 0 || nFirst > nLength || nEnd < nFirst || nEnd > nLength)
        return CSize(0, 0);
    if (!m_pFont)
        PrepareFont(pDC);
    pDC->SetFont(m_pFont);
    if (nFirst == nEnd)
        return CSize(0, pDC->GetTextExtent(L" ", 1).cy);
    return pDC->GetTextExtent(GetText() + nFirst, nEnd - nFirst);
}

void CZMRMarkupRun::RenderPart(CZMRMarkupDrawingContext* pDC, const CRect& rc, int nFirst, int nEnd)
{
    const int nLength = GetTextLength();
    if (nFirst < 0 || nEnd <= nFirst || nEnd > nLength)
        return;
    if (!m_pFont)
        PrepareFont(pDC);
    pDC->SetFont(m_pFont);
    pDC->DrawTextLine(GetText() + nFirst, nEnd - nFirst, rc);
}
