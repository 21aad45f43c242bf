// The local property values of one markup object: one slot per property
// index, each holding one reference. Values stored here get the owner as
// their logical parent.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupProperties : public CZMRMarkupObject
{
public:
    explicit CZMRMarkupProperties(CZMRMarkupObject* pOwner);
    ~CZMRMarkupProperties() override;

    BOOL HasSlot(const CZMRMarkupDependencyProperty* pProperty) const;
    // Borrowed; null when unset or when the property has no slot.
    CZMRMarkupObject* GetLocal(const CZMRMarkupDependencyProperty* pProperty) const;
    // The value's reference passes to the store; null empties the slot.
    void SetLocal(const CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pValue);
    // Every value the other store holds, with one more reference each.
    void CopyFrom(const CZMRMarkupProperties* pOther);

    CZMRMarkupObject* GetOwner() const { return m_pOwner; }

private:
    void Grow(int nMinCount);
    void SetSlot(int nIndex, CZMRMarkupObject* pValue);
    void Unparent(CZMRMarkupObject* pValue) const;

    // Sized for every property registered when the store was made, and grown
    // when a property registered later is set.
    CZMRMarkupObject** m_pValues;
    int m_nSlotCount;
    CZMRMarkupObject* m_pOwner;
};
