// A boxed text: attribute values, text content and keys. Empty text and the
// whitespace pieces " " and "\n" are shared objects.
#pragma once
#include "CZMRMarkupObject.h"

class CZMRMarkupString : public CZMRMarkupObject
{
    DECLARE_MARKUPCLASS(CZMRMarkupString)
public:
    // A length of -1 takes the text up to its terminator; null is empty.
    explicit CZMRMarkupString(LPCWSTR lpszText = nullptr, int nLength = -1);
    ~CZMRMarkupString() override;

    // h = h * 33 + character over the text.
    UINT_PTR GetHashKey() const override;
    BOOL IsEqual(const CZMRMarkupObject* pObject) const override;

    LPCWSTR GetText() const { return m_lpszText; }
    int GetLength() const { return m_nLength; }
    operator LPCWSTR() const { return m_lpszText; }

    // One reference for the caller; the shared objects for empty text, " " and "\n".
    static CZMRMarkupString* AFXAPI CreateValue(LPCWSTR lpszText, int nLength = -1);
    static void AFXAPI ReleaseSharedValues();

private:
    LPWSTR m_lpszText;
    int m_nLength;
};
