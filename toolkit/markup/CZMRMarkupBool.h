// A boxed boolean. Text converts to the two shared objects, true and false.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupBool : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupBool)
public:
    explicit CZMRMarkupBool(BOOL bValue = FALSE) : m_bValue(bValue ? 1 : 0) {}

    UINT_PTR GetHashKey() const override;
    BOOL IsEqual(const CZMRMarkupObject* pObject) const override;
    // "True" or "False" in any case.
    CZMRMarkupObject* ConvertFrom(CZMRMarkupObject* pSource) override;

    BOOL GetValue() const { return m_bValue; }
    // The shared objects, one reference for the caller.
    static CZMRMarkupBool* AFXAPI CreateTrueValue();
    static CZMRMarkupBool* AFXAPI CreateFalseValue();
    static CZMRMarkupBool* AFXAPI CreateValue(BOOL bValue) { return bValue ? CreateTrueValue() : CreateFalseValue(); }
    static void AFXAPI ReleaseSharedValues();

private:
    BOOL m_bValue;
};
