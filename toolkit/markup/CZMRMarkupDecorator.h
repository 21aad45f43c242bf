// An element that holds exactly one child element, the base of the border.
// It has no markup type of its own: it shows as a framework element.
#pragma once
#include "CZMRMarkupFrameworkElement.h"

class CZMRMarkupDecorator : public CZMRMarkupFrameworkElement
{
public:
    CZMRMarkupDecorator();
    ~CZMRMarkupDecorator() override;

    // The single-child rule: a UI element, and only one.
    void AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent) override;
    BOOL HoldsContent() const override { return m_pChild != nullptr; }
    int GetVisualChildrenCount() const override { return m_pChild ? 1 : 0; }
    CZMRMarkupVisual* GetVisualChild(int nIndex) const override;

    // Takes over the caller's reference; the previous child loses its parent
    // and is released. Null empties the slot.
    void SetChild(CZMRMarkupUIElement* pChild);
    CZMRMarkupUIElement* GetChild() const { return m_pChild; }

    // Puts the child (its reference passes) into an owner's child slot; the
    // previous child loses its parent and is released.
    static void AFXAPI ReplaceChild(CZMRMarkupObject* pOwner, CZMRMarkupUIElement*& pSlot,
                                    CZMRMarkupUIElement* pChild);
    // The content as the one child of pOwner, whose child slot holds
    // pCurrent; raises the builder's error for content that is no UI element
    // or when the slot is taken.
    static CZMRMarkupUIElement* AFXAPI CheckSingleChild(const CZMRMarkupObject* pOwner,
                                                       const CZMRMarkupUIElement* pCurrent,
                                                       CZMRMarkupObject* pContent);
    // The content as a UI element; raises the builder's error otherwise.
    static CZMRMarkupUIElement* AFXAPI CheckUIElementContent(const CZMRMarkupObject* pOwner,
                                                            CZMRMarkupObject* pContent);

protected:
    CZMRMarkupUIElement* m_pChild;   // owned
};
