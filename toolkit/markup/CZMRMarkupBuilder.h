// Turns the parser's token stream into a tree of markup objects: creates an
// object per start tag through the context, assigns attributes, gathers text
// content by the language's whitespace rules, handles property elements and
// the markup extensions, and checks the tree's shape. The first error ends
// the build; the builder keeps its text with the line and position.
#pragma once
#include "Framework.h"

class CZMRMarkupContext;
class CZMRMarkupDependencyProperty;
class CZMRMarkupObject;
class CZMRMarkupParser;
class CZMRMarkupType;

class CZMRMarkupBuilder
{
public:
    // The system colour indexes the markup names, 0 to 30.
    enum { systemColorCount = 31 };

    explicit CZMRMarkupBuilder(CZMRMarkupContext* pContext);
    virtual ~CZMRMarkupBuilder();

    // The root with one reference for the caller, or null with the error
    // text set. Only the builder's own errors are turned into a text; any
    // other exception passes on after everything built so far is released.
    CZMRMarkupObject* Parse(CZMRMarkupParser* pParser);
    LPCWSTR GetErrorText() const { return m_strErrorText; }

    CZMRMarkupContext* GetContext() const { return m_pContext; }

    // A new object of the type registered under the tag, or null.
    CZMRMarkupObject* CreateObject(LPCWSTR lpszTag);
    // Owner.Name: the property found from the owner's type, or null.
    CZMRMarkupDependencyProperty* FindPropertyElement(LPCWSTR lpszOwnerTag, LPCWSTR lpszName);
    // A plain name on the type, or the attached form Owner.Name.
    CZMRMarkupDependencyProperty* FindAttributeProperty(CZMRMarkupType* pType, LPCWSTR lpszName);

    // A new object of the property's value type (one reference) made from the
    // value, which stays the caller's; raises the conversion error otherwise.
    CZMRMarkupObject* ConvertValue(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pValue);

    // The text after '{' of x:Static, StaticResource, DynamicResource and
    // x:Type: the object it names (one reference), or the builder's error.
    CZMRMarkupObject* ParseMarkupExtension(LPCWSTR lpszText);
    CZMRMarkupObject* FindType(LPCWSTR lpszTag);
    CZMRMarkupObject* ResolveStaticMember(LPCWSTR lpszMember);
    CZMRMarkupObject* ResolveResource(LPCWSTR lpszKey);
    // A key text: itself a markup extension when it begins with '{'.
    CZMRMarkupObject* EvaluateKey(LPCWSTR lpszKey);
    // The resource seen from one open object (borrowed), or null.
    CZMRMarkupObject* FindResourceInObject(CZMRMarkupObject* pObject, CZMRMarkupObject* pKey);

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

    // The steps of one build.
    void ParseTokens(CZMRMarkupParser* pParser);
    void OnStartTag(LPCWSTR lpszTag);
    void OnEndTag(LPCWSTR lpszTag);
    void OnAttribute(LPCWSTR lpszName, LPCWSTR lpszValue);
    void OnText(LPCWSTR lpszText);
    // Passes the gathered text to pObject as content.
    void FlushText(CZMRMarkupObject* pObject);
    void AppendText(LPCWSTR lpszText, int nLength);
    CZMRMarkupObject* GetInnermostObject() const;
    // Releases everything a failed build holds.
    void ReleaseBuild();

    CString m_strErrorText;
    CZMRMarkupContext* m_pContext;           // not owned
    // Made at the first system-colour request; every entry holds one reference.
    CZMRMarkupObject** m_pSystemColorCache;
    // The open elements, innermost at the tail; each holds one reference.
    CPtrList m_lstObjects;

    // What one build keeps while it runs.
    CString m_strText;                       // text content gathered so far
    BOOL m_bPendingWhitespace;
    CZMRMarkupObject* m_pRoot;               // the element whose end tag emptied the stack
    CZMRMarkupObject* m_pHandover;           // a value on its way to its new holder
    CZMRMarkupObject* m_pPopped;             // an element taken off the stack, not yet handed on
};

// Applies the styles of a finished tree: children before their parent.
void AFXAPI ApplyStyleToTree(CZMRMarkupObject* pObject);
