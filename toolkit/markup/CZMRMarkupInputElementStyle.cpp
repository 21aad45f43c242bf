// The style side of the input element: the implicit style, the active
// triggers and the values they set.
#include "CZMRMarkupInputElement.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupProperties.h"
#include "CZMRMarkupResourceDictionary.h"
#include "CZMRMarkupSetterColection.h"
#include "CZMRMarkupStyle.h"
#include "CZMRMarkupTriggerCollection.h"
#include "CZMRMarkupType.h"

namespace
{
BOOL AreEqual(const CZMRMarkupObject* pFirst, const CZMRMarkupObject* pSecond)
{
    return pFirst == pSecond || (pFirst && pFirst->IsEqual(pSecond));
}

// The trigger values of the properties that changed during one update, as
// they were before it (one reference each), in the order of their first
// change.
class CTriggerChanges
{
public:
    ~CTriggerChanges()
    {
        for (INT_PTR i = 0; i < m_arrOldValues.GetSize(); i++)
        {
            if (m_arrOldValues[i])
                static_cast<CZMRMarkupObject*>(m_arrOldValues[i])->Release();
        }
    }

    void Record(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pCurrent)
    {
        for (INT_PTR i = 0; i < m_arrProperties.GetSize(); i++)
        {
            if (m_arrProperties[i] == pProperty)
                return;
        }
        if (pCurrent)
            pCurrent->AddRef();
        m_arrProperties.Add(pProperty);
        m_arrOldValues.Add(pCurrent);
    }

    INT_PTR GetCount() const { return m_arrProperties.GetSize(); }
    CZMRMarkupDependencyProperty* GetProperty(INT_PTR i) const
    {
        return static_cast<CZMRMarkupDependencyProperty*>(m_arrProperties[i]);
    }
    CZMRMarkupObject* GetOldValue(INT_PTR i) const { return static_cast<CZMRMarkupObject*>(m_arrOldValues[i]); }

private:
    CPtrArray m_arrProperties;
    CPtrArray m_arrOldValues;
};
}

CZMRMarkupStyle* CZMRMarkupInputElement::GetEffectiveStyle() const
{
    if (m_pStyle)
        return m_pStyle;
    CZMRMarkupType* pType = GetType();
    return pType ? static_cast<CZMRMarkupStyle*>(pType->GetDefaultStyle()) : nullptr;
}

void AFXAPI CZMRMarkupInputElement::OnStyleChanged(CZMRMarkupObject* pObject, CZMRMarkupPropertyChange& change)
{
    CZMRMarkupInputElement* pElement = MarkupCast<CZMRMarkupInputElement>(pObject);
    if (!pElement)
        return;
    CZMRMarkupStyle* pStyle = MarkupCast<CZMRMarkupStyle>(change.pNewValue);
    if (pStyle)
        pStyle->Seal();
    pElement->m_pStyle = pStyle;
}

void CZMRMarkupInputElement::ApplyStyle()
{
    if (!m_pStyle)
    {
        CZMRMarkupStyle* pStyle = MarkupCast<CZMRMarkupStyle>(FindResource(GetType()));
        if (pStyle)
        {
            pStyle->Seal();
            m_pStyle = pStyle;
        }
    }
    if (!m_pStyle)
        return;
    UpdateTriggers(nullptr, nullptr);
}

BOOL CZMRMarkupInputElement::CollectActiveTriggers(CZMRMarkupStyle* pStyle, CZMRMarkupDependencyProperty* pProperty,
                                                   CZMRMarkupObject* pValue)
{
    BOOL bAppended = FALSE;
    CZMRMarkupStyle* pBasedOn = pStyle->GetBasedOn();
    if (pBasedOn && pBasedOn != pStyle)
        bAppended = CollectActiveTriggers(pBasedOn, pProperty, pValue);

    CZMRMarkupTriggerCollection* pTriggers = pStyle->GetTriggers();
    if (!pTriggers)
        return bAppended;
    // The later-declared trigger first, so that the earlier one is applied
    // last and wins.
    for (int i = pTriggers->GetCount() - 1; i >= 0; i--)
    {
        CZMRMarkupTrigger* pTrigger = pTriggers->GetTrigger(i);
        CZMRMarkupDependencyProperty* pTriggerProperty = CZMRMarkupSetter::GetPropertyOf(pTrigger);
        if (!pTriggerProperty)
            continue;
        CZMRMarkupObject* pCompared = pValue;
        if (!pProperty)
            pCompared = GetValue(pTriggerProperty);
        else if (pTriggerProperty != pProperty)
            continue;
        CZMRMarkupObject* pTriggerValue = CZMRMarkupSetter::GetValueOf(pTrigger);
        if (!pTriggerValue || !pTriggerValue->IsEqual(pCompared))
            continue;
        // A trigger that is active already stays where it is.
        if (m_pActiveTriggers && m_pActiveTriggers->Find(pTrigger) >= 0)
            continue;
        if (!m_pActiveTriggers)
            m_pActiveTriggers = new CZMRMarkupActiveTriggerCollection();
        pTrigger->AddRef();
        m_pActiveTriggers->Add(pTrigger);
        bAppended = TRUE;
    }
    return bAppended;
}

void CZMRMarkupInputElement::UpdateTriggers(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pNewValue)
{
    // The values a trigger sets change properties, whose handling asks for
    // an update of their own: so a trigger watching a property that another
    // trigger sets follows it. A request for a property whose update is
    // already running further out is dropped, which ends every loop of
    // triggers that set what they (or their chain) watch.
    for (const CTriggerUpdate* pRunning = m_pTriggerUpdates; pRunning; pRunning = pRunning->pOuter)
    {
        if (pRunning->pProperty == pProperty)
            return;
    }
    struct CUpdateScope
    {
        CTriggerUpdate entry;
        CTriggerUpdate*& pHead;
        CUpdateScope(CZMRMarkupDependencyProperty* p, CTriggerUpdate*& head) : entry{p, head}, pHead(head)
        {
            pHead = &entry;
        }
        ~CUpdateScope() { pHead = entry.pOuter; }
    } scope(pProperty, m_pTriggerUpdates);
    CTriggerChanges changes;
    BOOL bChanged = FALSE;

    if (pProperty && m_pActiveTriggers)
    {
        for (int i = m_pActiveTriggers->GetCount() - 1; i >= 0; i--)
        {
            CZMRMarkupTrigger* pTrigger = m_pActiveTriggers->GetTrigger(i);
            if (CZMRMarkupSetter::GetPropertyOf(pTrigger) != pProperty)
                continue;
            CZMRMarkupObject* pTriggerValue = CZMRMarkupSetter::GetValueOf(pTrigger);
            if (pTriggerValue && pTriggerValue->IsEqual(pNewValue))
                continue;
            CZMRMarkupSetterColection* pSetters = pTrigger->GetSetters();
            for (int j = 0; pSetters && j < pSetters->GetCount(); j++)
            {
                CZMRMarkupDependencyProperty* pSetProperty = CZMRMarkupSetter::GetPropertyOf(pSetters->GetItem(j));
                if (!pSetProperty)
                    continue;
                changes.Record(pSetProperty, GetTriggerValue(pSetProperty));
                if (m_pTriggerValues)
                    m_pTriggerValues->SetLocal(pSetProperty, nullptr);
            }
            m_pActiveTriggers->RemoveAt(i);
            bChanged = TRUE;
        }
    }

    CZMRMarkupStyle* pStyle = GetEffectiveStyle();
    if (pStyle && CollectActiveTriggers(pStyle, pProperty, pNewValue))
        bChanged = TRUE;

    if (bChanged)
    {
        if (!m_pTriggerValues)
            m_pTriggerValues = new CZMRMarkupProperties(nullptr);
        for (int i = 0; m_pActiveTriggers && i < m_pActiveTriggers->GetCount(); i++)
        {
            CZMRMarkupSetterColection* pSetters = m_pActiveTriggers->GetTrigger(i)->GetSetters();
            for (int j = 0; pSetters && j < pSetters->GetCount(); j++)
            {
                CZMRMarkupObject* pSetter = pSetters->GetItem(j);
                CZMRMarkupDependencyProperty* pSetProperty = CZMRMarkupSetter::GetPropertyOf(pSetter);
                CZMRMarkupObject* pSetValue = CZMRMarkupSetter::GetValueOf(pSetter);
                if (!pSetProperty || pSetProperty->GetIndex() < 0)
                    continue;
                CZMRMarkupObject* pCurrent = GetTriggerValue(pSetProperty);
                if (AreEqual(pSetValue, pCurrent))
                    continue;
                changes.Record(pSetProperty, pCurrent);
                if (pSetValue)
                    pSetValue->AddRef();
                m_pTriggerValues->SetLocal(pSetProperty, pSetValue);
            }
        }
    }

    for (INT_PTR i = 0; i < changes.GetCount(); i++)
    {
        CZMRMarkupDependencyProperty* pChanged = changes.GetProperty(i);
        CZMRMarkupObject* pOld = changes.GetOldValue(i);
        CZMRMarkupObject* pNew = GetTriggerValue(pChanged);
        if (!pOld && !pNew)
            continue;
        OnPropertyChanged(pChanged, pOld, pNew);
        CZMRMarkupPropertyMetadata* pMetadata = pChanged->GetMetadata();
        if (pMetadata && pMetadata->Inherits())
            NotifyInheritedChange(pChanged, pOld, pNew);
    }
}
