// The tokenizer of the markup language: walks a UTF-16 text once and hands
// out one token per call (tags, attributes, text and whitespace runs, the
// parts of comments, CDATA sections and processing instructions) or an error
// message, keeping the line and position for the builder's error text.
#pragma once
#include "Framework.h"

class CZMRMarkupParser
{
public:
    enum Token
    {
        tokenError = -1,
        tokenEndOfInput = 0,
        tokenStartTag = 1,
        tokenEndTag = 2,              // also the "/>" of an empty element
        tokenAttribute = 3,
        tokenText = 4,
        tokenWhitespace = 5,
        tokenChunk = 6,               // a piece of a comment, CDATA or instruction body
        tokenCommentStart = 7,
        tokenCommentEnd = 8,
        tokenCDataStart = 9,
        tokenCDataEnd = 10,
        tokenInstructionStart = 11,
        tokenInstructionEnd = 12
    };
    // Buffer sizes; one place of each is kept for the terminator.
    enum { valueSize = 1024, nameSize = 128 };

    CZMRMarkupParser();
    virtual ~CZMRMarkupParser();
    // The character of a numeric reference ("#65", "#x41"), or 0 when the
    // name is none.
    virtual WCHAR ParseCharReference(const WCHAR* pName, int nLength);

    // The text from pStart up to pEnd (its terminator).
    void SetBuffer(const WCHAR* pStart, const WCHAR* pEnd);
    // 1 when the first character after any whitespace is '<'.
    int FindFirstTag();
    int NextToken();

    // Valid until the next NextToken; the caller may change the text in place.
    LPWSTR GetValue();
    LPWSTR GetTagName();
    LPWSTR GetAttributeName();
    int GetLine() const { return m_nLine; }
    int GetPosition() const { return m_nPosition; }

protected:
    typedef int (CZMRMarkupParser::*PFNSTATE)();

    WCHAR ReadChar();
    WCHAR GetChar();
    void PushBack(WCHAR ch) { m_chPushBack = ch; }
    static BOOL IsWhitespace(WCHAR ch);
    WCHAR SkipWhitespace();
    void AppendValueChar(WCHAR ch);
    void AppendTagNameChar(WCHAR ch);
    void AppendAttributeNameChar(WCHAR ch);
    WCHAR ParseEntity();
    int SetError(LPCWSTR lpszMessage);

    int ReadContent();
    int ReadTagOpen();
    int ReadAttribute();
    int ReadComment();
    int ReadCData();
    int ReadProcessingInstruction();
    // A comment, CDATA or instruction body up to its end marker.
    int ReadSection(LPCWSTR lpszMarker, int nEndToken, BOOL bDropWhitespace);
    void BeginSection(PFNSTATE pfnState);

    PFNSTATE m_pfnState;
    WCHAR m_szValue[valueSize];
    int m_nValueLength;
    WCHAR m_szTagName[nameSize];
    int m_nTagNameLength;
    WCHAR m_szAttributeName[nameSize];
    int m_nAttributeNameLength;
    WCHAR m_chPushBack;
    int m_bClosing;
    int m_nLine;
    int m_nPosition;
    const WCHAR* m_pCurrent;
    const WCHAR* m_pEnd;
    // The last two characters kept of the current section, so that its end
    // marker is found also when it straddles two chunks.
    WCHAR m_chRecent[2];
};
