// The stored form of a controls collection: each saved control under its
// run-time class, then the original-controls snapshot when the saver asked
// for it.
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMROriginalControls.h"
#include "CZMREnumeratorScope.h"
#include "CZMRPropExchange.h"
#include "CZMRSectionScope.h"

namespace
{
// A section that yields no control ends the loading: the values after it
// cannot be told apart from its own.
CZMRControl* LoadControl(CZMRPropExchange* pSection)
{
    CObject* pObject = nullptr;
    if (!pSection || !pSection->ExchangeCreatedObject(&pObject, RUNTIME_CLASS(CZMRControl)) || !pObject)
        AfxThrowArchiveException(CArchiveException::badClass);
    CZMRControl* pControl = static_cast<CZMRControl*>(pObject);
    try
    {
        pControl->DoPropExchange(pSection);
    }
    catch (...)
    {
        pControl->InternalRelease();
        throw;
    }
    return pControl;
}
} // namespace

void CZMRControls::DoPropExchange(CZMRPropExchange* pPX)
{
    if (!pPX)
        return;
    const auto* pParam = static_cast<const ZMR_PROPEXCHANGE_PARAM*>(pPX->m_pOwnerContext);

    if (!pPX->IsLoading())
    {
        DWORD nCount = 0;
        for (int i = 0; i < GetCount(); i++)
            nCount += ShouldSaveControl(GetAt(i)) ? 1 : 0;
        CZMREnumeratorScope enumerator(pPX->GetEnumerator(L"Control"));
        POSITION pos = enumerator->GetPosition(nCount);
        for (int i = 0; i < GetCount() && pos; i++)
        {
            CZMRControl* pControl = GetAt(i);
            if (!ShouldSaveControl(pControl))
                continue;
            CZMRSectionScope section(enumerator->GetNext(pos));
            CObject* pObject = pControl;
            if (section && section->ExchangeCreatedObject(&pObject, RUNTIME_CLASS(CZMRControl)))
                pControl->DoPropExchange(section);
        }

        BOOL bOriginal = pParam && pParam->bSaveOriginalControls && m_pOriginalControls;
        PropExchangeBool(pPX, L"OriginalControls", &bOriginal, FALSE);
        if (bOriginal)
        {
            CZMRSectionScope section(pPX->GetSection(L"OriginalControls"));
            m_pOriginalControls->DoPropExchange(section);
        }
        BOOL bCustomized = FALSE;
        PropExchangeBool(pPX, L"CustomizedControls", &bCustomized, FALSE);
        return;
    }

    RemoveAll();
    {
        CZMREnumeratorScope enumerator(pPX->GetEnumerator(L"Control"));
        POSITION pos = enumerator->GetPosition();
        while (pos)
        {
            CZMRSectionScope section(enumerator->GetNext(pos));
            m_arrControls.Add(LoadControl(section));
        }
    }
    RefreshIndexes();

    if (pPX->GetSchema() <= 2)
        return;
    BOOL bOriginal = FALSE;
    PropExchangeBool(pPX, L"OriginalControls", &bOriginal, FALSE);
    if (bOriginal)
    {
        CZMROriginalControls* pOriginal = new CZMROriginalControls;
        pOriginal->SetBarManager(GetBarManager());
        SetOriginalControls(pOriginal);
        CZMRSectionScope section(pPX->GetSection(L"OriginalControls"));
        pOriginal->DoPropExchange(section);
    }
    BOOL bCustomized = FALSE;
    PropExchangeBool(pPX, L"CustomizedControls", &bCustomized, FALSE);
    if (bCustomized)
    {
        // Read through and dropped: only older versions wrote it.
        CZMRControls* pScratch = new CZMRControls;
        try
        {
            CZMRSectionScope section(pPX->GetSection(L"CustomizedControls"));
            pScratch->DoPropExchange(section);
        }
        catch (...)
        {
            pScratch->InternalRelease();
            throw;
        }
        pScratch->InternalRelease();
    }
}

void CZMRControls::NumberBarsForSave(DWORD& nBarId, CZMRCommandBarList* pBars, ZMR_PROPEXCHANGE_PARAM* pParam)
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (!GetAt(i)->IsTemporary())
            GetAt(i)->NumberBarsForSave(nBarId, pBars, pParam);
    }
    if (pParam && pParam->bSaveOriginalControls && m_pOriginalControls)
        m_pOriginalControls->NumberBarsForSave(nBarId, pBars, pParam);
}
