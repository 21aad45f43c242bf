// Saved lists of ribbon objects (tabs, groups, a group's controls): each
// element is stored under its run-time class and then exchanges its own
// values.
#pragma once
#include "Framework.h"
#include "CZMRPropExchange.h"
#include "CZMRPropExchangeEnumerator.h"
#include "CZMREnumeratorScope.h"
#include "CZMRSectionScope.h"

// Loads one element: an object of the stored class (a kind of pBaseClass)
// that fnExchange then fills. An element that yields no object raises the
// framework's archive exception: what follows it cannot be told apart.
template <class T, class F>
T* LoadRibbonElement(CZMRPropExchange* pSection, CRuntimeClass* pBaseClass, F fnExchange)
{
    CObject* pObject = nullptr;
    if (!pSection || !pSection->ExchangeCreatedObject(&pObject, pBaseClass) || !pObject)
        AfxThrowArchiveException(CArchiveException::badClass);
    T* pElement = static_cast<T*>(pObject);
    try
    {
        fnExchange(pElement);
    }
    catch (...)
    {
        pElement->InternalRelease();
        throw;
    }
    return pElement;
}

// Saves one element at the enumerator's position, advancing it.
template <class T, class F>
void SaveRibbonElement(CZMRPropExchangeEnumerator* pEnumerator, POSITION& pos, T* pElement,
                       CRuntimeClass* pBaseClass, F fnExchange)
{
    CZMRSectionScope section(pEnumerator->GetNext(pos));
    CObject* pObject = pElement;
    if (section && section->ExchangeCreatedObject(&pObject, pBaseClass))
        fnExchange(static_cast<CZMRPropExchange*>(section));
}

// Saves or loads a list under the numbered sections of an enumerator.
// Saving stores each of the nCount elements (fnGet) under its class;
// loading empties the list (fnClear), gives each element's section the
// owner, and appends each loaded element (fnAdd, which takes its reference).
template <class T, class FGet, class FClear, class FAdd>
void ExchangeRibbonList(CZMRPropExchange* pPX, LPCTSTR lpszEnumerator, CRuntimeClass* pBaseClass, void* pOwner,
                        int nCount, FGet fnGet, FClear fnClear, FAdd fnAdd)
{
    CZMREnumeratorScope enumerator(pPX->GetEnumerator(lpszEnumerator));
    if (!enumerator)
        return;
    if (!pPX->IsLoading())
    {
        POSITION pos = enumerator->GetPosition(nCount);
        for (int i = 0; i < nCount && pos; i++)
        {
            T* pElement = fnGet(i);
            SaveRibbonElement(enumerator, pos, pElement, pBaseClass,
                              [&](CZMRPropExchange* pSection) { pElement->DoPropExchange(pSection); });
        }
        return;
    }
    fnClear();
    POSITION pos = enumerator->GetPosition();
    while (pos)
    {
        CZMRSectionScope section(enumerator->GetNext(pos));
        if (section)
            section->m_pSectionOwner = pOwner;
        fnAdd(LoadRibbonElement<T>(section, pBaseClass, [&](T* pElement) { pElement->DoPropExchange(section); }));
    }
}
