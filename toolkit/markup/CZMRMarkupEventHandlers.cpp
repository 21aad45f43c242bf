#include "CZMRMarkupEventHandlers.h"
#include "CZMRMarkupDelegate.h"
#include "CZMRMarkupRoutedEventArgs.h"
#include "toolkit/PointerCollections.h"

CZMRMarkupEventHandlers::CZMRMarkupEventHandlers() : m_mapHandlers(10)
{
}

CZMRMarkupEventHandlers::~CZMRMarkupEventHandlers()
{
    POSITION pos = m_mapHandlers.GetStartPosition();
    while (pos)
    {
        void* pEvent = nullptr;
        void* pList = nullptr;
        m_mapHandlers.GetNextAssoc(pos, pEvent, pList);
        CPtrList* pHandlers = static_cast<CPtrList*>(pList);
        POSITION posHandler = pHandlers->GetHeadPosition();
        while (posHandler)
            static_cast<CZMRMarkupDelegate*>(pHandlers->GetNext(posHandler))->Release();
        delete pHandlers;
    }
    PtrMapRemoveAll(m_mapHandlers);
}

void CZMRMarkupEventHandlers::Add(CZMRMarkupRoutedEvent* pEvent, CZMRMarkupDelegate* pHandler)
{
    if (!pHandler)
        return;
    if (!pEvent)
    {
        pHandler->Release();
        return;
    }
    void* pList = nullptr;
    if (!m_mapHandlers.Lookup(pEvent, pList))
    {
        pList = new CPtrList(10);
        m_mapHandlers.SetAt(pEvent, pList);
    }
    PointerListAddTail(*static_cast<CPtrList*>(pList), pHandler);
}

void CZMRMarkupEventHandlers::Raise(CZMRMarkupObject* pSender, CZMRMarkupRoutedEventArgs* pArgs)
{
    void* pList = nullptr;
    if (!pArgs || !pArgs->pEvent || !m_mapHandlers.Lookup(pArgs->pEvent, pList))
        return;
    CPtrList* pHandlers = static_cast<CPtrList*>(pList);
    POSITION pos = pHandlers->GetHeadPosition();
    while (pos)
    {
        CZMRMarkupDelegate* pHandler = static_cast<CZMRMarkupDelegate*>(pHandlers->GetNext(pos));
        pHandler->AddRef();
        pHandler->OnEvent(pSender, pArgs);
        pHandler->Release();
    }
}

int CZMRMarkupEventHandlers::GetCount(CZMRMarkupRoutedEvent* pEvent) const
{
    void* pList = nullptr;
    if (!m_mapHandlers.Lookup(pEvent, pList))
        return 0;
    return static_cast<int>(static_cast<CPtrList*>(pList)->GetCount());
}
