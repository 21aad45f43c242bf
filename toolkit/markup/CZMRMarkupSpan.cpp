#include "CZMRMarkupSpan.h"
#include "CZMRMarkupInlineCollection.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupSpan)

CZMRMarkupSpan::CZMRMarkupSpan() : m_pInlines(new CZMRMarkupInlineCollection())
{
    m_pInlines->SetLogicalParent(this);
}

CZMRMarkupSpan::~CZMRMarkupSpan()
{
    m_pInlines->SetLogicalParent(nullptr);
    m_pInlines->Release();
}

CZMRMarkupObject* CZMRMarkupSpan::GetLogicalChild(int nIndex) const
{
    return nIndex == 0 ? m_pInlines : nullptr;
}

void CZMRMarkupSpan::AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent)
{
    m_pInlines->AddContent(pBuilder, pContent);
}

BOOL CZMRMarkupSpan::HoldsContent() const
{
    return m_pInlines->GetCount() > 0;
}

CZMRMarkupInline* CZMRMarkupSpan::GetFirstLeaf()
{
    return m_pInlines->GetCount() > 0 ? m_pInlines->GetInline(0)->GetFirstLeaf() : this;
}
