// A boxed enumeration index. The first eight indexes are shared objects;
// names are turned into indexes by the converter of each property.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupEnum : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupEnum)
public:
    explicit CZMRMarkupEnum(int nValue = 0) : m_nValue(nValue) {}

    BOOL IsEqual(const CZMRMarkupObject* pObject) const override;

    int GetValue() const { return m_nValue; }
    // One reference for the caller; 0 to 7 give the shared objects.
    static CZMRMarkupEnum* AFXAPI CreateValue(int nValue);
    static void AFXAPI ReleaseSharedValues();

private:
    int m_nValue;
};
