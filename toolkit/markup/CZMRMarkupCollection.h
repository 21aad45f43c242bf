// The typed list of markup objects on which every children, inline, setter,
// trigger, definition and gradient-stop collection is built. Each item holds
// one reference; the items are the collection's logical children.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupCollection : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupCollection)
public:
    // A bare collection has no element type and accepts nothing.
    explicit CZMRMarkupCollection(CZMRMarkupType* pElementType = nullptr, BOOL bParentsItems = TRUE);
    ~CZMRMarkupCollection() override;

    int GetLogicalChildrenCount() const override { return GetCount(); }
    CZMRMarkupObject* GetLogicalChild(int nIndex) const override { return GetItem(nIndex); }
    // Content of another type is refused with the three-name message.
    void AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent) override;
    BOOL HoldsContent() const override;
    // Slot 14: after an item was appended.
    virtual void OnItemAdded(CZMRMarkupObject* pItem, int nIndex);

    int GetCount() const { return static_cast<int>(m_arrItems.GetSize()); }
    // Borrowed; a bad index raises the framework's invalid-argument exception.
    CZMRMarkupObject* GetItem(int nIndex) const;
    // Takes over the reference; an item of the wrong type is ignored and
    // keeps its reference with the caller. TRUE when added.
    BOOL Add(CZMRMarkupObject* pItem);
    void RemoveAt(int nIndex);
    void RemoveAll();

    CZMRMarkupType* GetElementType() const { return m_pElementType; }
    BOOL IsAccepted(const CZMRMarkupObject* pItem) const;

protected:
    CPtrArray m_arrItems;
    CZMRMarkupType* m_pElementType;
    BOOL m_bParentsItems;
};
