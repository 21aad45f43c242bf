// Turns markup into a tree of markup objects. This part holds what the values
// need while a tree is built: the conversion of attribute text to a
// property's value type, the colour names and number reader shared by the
// value types, and the per-build cache of system colours, brushes and keys.
#pragma once
#include "Framework.h"

class CZMRMarkupContext;
class CZMRMarkupDependencyProperty;
class CZMRMarkupObject;

class CZMRMarkupBuilder
{
public:
    // The system colour indexes the markup names, 0 to 30.
    enum { systemColorCount = 31 };

    explicit CZMRMarkupBuilder(CZMRMarkupContext* pContext);
    virtual ~CZMRMarkupBuilder();

    CZMRMarkupContext* GetContext() const { return m_pContext; }

    // A new object of the property's value type (one reference) made from the
    // value, which stays the caller's; raises the conversion error otherwise.
    CZMRMarkupObject* ConvertValue(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pValue);

    // TRUE when the text is one of the colour keywords ("gray" forms only).
    static BOOL AFXAPI ParseColor(LPCWSTR lpszText, COLORREF& clr);
    // Reads one number at lpszText and moves past it (and past the separator
    // when one follows); with bMustEnd nothing but blanks may follow.
    static BOOL AFXAPI ParseNumber(LPCWSTR& lpszText, double& dResult, WCHAR chSeparator, BOOL bMustEnd);
    // The system colour index of the name, or -1.
    static int AFXAPI GetSystemColorIndex(LPCWSTR lpszName, int nLength);

    // "SystemColors.<name>Color", "...Brush", "...ColorKey", "...BrushKey":
    // the cached object (one more reference), or null.
    CZMRMarkupObject* ResolveSystemColor(LPCWSTR lpszMember);
    CZMRMarkupObject* ResolveSystemBrush(LPCWSTR lpszMember);
    CZMRMarkupObject* ResolveSystemColorKey(LPCWSTR lpszMember);
    CZMRMarkupObject* ResolveSystemBrushKey(LPCWSTR lpszMember);
    // The system colour and its brush for an index (one more reference).
    CZMRMarkupObject* GetSystemColor(int nIndex);
    CZMRMarkupObject* GetSystemBrush(int nIndex);

protected:
    enum SystemObjectKind { systemBrush, systemColor, systemBrushKey, systemColorKey, systemKindCount };

    CZMRMarkupObject* GetSystemObject(SystemObjectKind nKind, int nIndex);
    CZMRMarkupObject* ResolveSystemMember(LPCWSTR lpszMember, LPCWSTR lpszSuffix, SystemObjectKind nKind);

    CZMRMarkupContext* m_pContext;           // not owned
    // Made at the first system-colour request; every entry holds one reference.
    CZMRMarkupObject** m_pSystemColorCache;
};
