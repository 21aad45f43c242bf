#include "CZMRMarkupParser.h"

#include <cwchar>

namespace
{
const WCHAR g_szEndOfFile[] = L"Unexpected end of file has occurred.";
const WCHAR g_szExpectedClose[] = L"Unexpected token. The expected token is '>'";
const WCHAR g_szCloseNotEquals[] = L"'>' is an unexpected token. The expected token is '='";
const WCHAR g_szOpenNotEquals[] = L"'<' is an unexpected token. The expected token is '='";
const WCHAR g_szExpectedEquals[] = L"Unexpected token. The expected token is '='";
const WCHAR g_szExpectedQuote[] = L"Unexpected token. The expected token is '\"' or '''";

const int g_nMaxEntityName = 31;

int DigitValue(WCHAR ch, int nBase)
{
    int nDigit = -1;
    if (ch >= L'0' && ch <= L'9')
        nDigit = ch - L'0';
    else if (ch >= L'a' && ch <= L'f')
        nDigit = ch - L'a' + 10;
    else if (ch >= L'A' && ch <= L'F')
        nDigit = ch - L'A' + 10;
    return nDigit < nBase ? nDigit : -1;
}
}

CZMRMarkupParser::CZMRMarkupParser()
    : m_pfnState(&CZMRMarkupParser::ReadContent), m_nValueLength(0), m_nTagNameLength(0), m_nAttributeNameLength(0),
      m_chPushBack(0), m_bClosing(0), m_nLine(0), m_nPosition(0), m_pCurrent(nullptr), m_pEnd(nullptr)
{
    m_szValue[0] = 0;
    m_szTagName[0] = 0;
    m_szAttributeName[0] = 0;
    m_chRecent[0] = m_chRecent[1] = 0;
}

CZMRMarkupParser::~CZMRMarkupParser()
{
}

void CZMRMarkupParser::SetBuffer(const WCHAR* pStart, const WCHAR* pEnd)
{
    m_pCurrent = pStart;
    m_pEnd = pEnd;
}

LPWSTR CZMRMarkupParser::GetValue()
{
    m_szValue[m_nValueLength] = 0;
    return m_szValue;
}

LPWSTR CZMRMarkupParser::GetTagName()
{
    m_szTagName[m_nTagNameLength] = 0;
    return m_szTagName;
}

LPWSTR CZMRMarkupParser::GetAttributeName()
{
    m_szAttributeName[m_nAttributeNameLength] = 0;
    return m_szAttributeName;
}

WCHAR CZMRMarkupParser::ReadChar()
{
    if (!m_pCurrent || m_pCurrent >= m_pEnd)
        return 0;
    WCHAR ch = *m_pCurrent++;
    m_nPosition++;
    if (ch == L'\r' || ch == L'\n')
    {
        m_nLine++;
        m_nPosition = 0;
    }
    return ch;
}

WCHAR CZMRMarkupParser::GetChar()
{
    if (m_chPushBack)
    {
        WCHAR ch = m_chPushBack;
        m_chPushBack = 0;
        return ch;
    }
    return ReadChar();
}

BOOL CZMRMarkupParser::IsWhitespace(WCHAR ch)
{
    return ch == 9 || ch == 10 || ch == 12 || ch == 13 || ch == 32;
}

WCHAR CZMRMarkupParser::SkipWhitespace()
{
    WCHAR ch;
    do
    {
        ch = GetChar();
    } while (ch && IsWhitespace(ch));
    return ch;
}

void CZMRMarkupParser::AppendValueChar(WCHAR ch)
{
    if (m_nValueLength < valueSize - 1)
        m_szValue[m_nValueLength++] = ch;
}

void CZMRMarkupParser::AppendTagNameChar(WCHAR ch)
{
    if (m_nTagNameLength < nameSize - 1)
        m_szTagName[m_nTagNameLength++] = ch;
}

void CZMRMarkupParser::AppendAttributeNameChar(WCHAR ch)
{
    if (m_nAttributeNameLength < nameSize - 1)
        m_szAttributeName[m_nAttributeNameLength++] = ch;
}

int CZMRMarkupParser::SetError(LPCWSTR lpszMessage)
{
    m_nValueLength = 0;
    for (; *lpszMessage && m_nValueLength < valueSize - 1; lpszMessage++)
        m_szValue[m_nValueLength++] = *lpszMessage;
    return tokenError;
}

int CZMRMarkupParser::FindFirstTag()
{
    WCHAR ch = SkipWhitespace();
    if (ch != L'<')
        return 0;
    PushBack(ch);
    return 1;
}

int CZMRMarkupParser::NextToken()
{
    return (this->*m_pfnState)();
}

int CZMRMarkupParser::ReadContent()
{
    WCHAR ch = GetChar();
    m_nValueLength = 0;
    if (ch == 0)
        return tokenEndOfInput;
    if (ch == L'<')
        return ReadTagOpen();

    // A reference always begins a text run, even when it stands for whitespace.
    BOOL bWhitespace = FALSE;
    if (ch == L'&')
        ch = ParseEntity();
    else
        bWhitespace = IsWhitespace(ch);
    if (ch)
        AppendValueChar(ch);

    for (;;)
    {
        ch = ReadChar();
        if (ch == 0 || ch == L'<' || ch == L'&' || IsWhitespace(ch) != bWhitespace)
            break;
        AppendValueChar(ch);
    }
    PushBack(ch);
    return bWhitespace ? tokenWhitespace : tokenText;
}

WCHAR CZMRMarkupParser::ParseEntity()
{
    WCHAR szName[g_nMaxEntityName];
    int nLength = 0;
    BOOL bTerminated = FALSE;
    BOOL bCutOff = FALSE;
    while (nLength < g_nMaxEntityName)
    {
        WCHAR ch = GetChar();
        if (ch == 0)
        {
            bCutOff = TRUE;
            break;
        }
        if (ch == L';')
        {
            bTerminated = TRUE;
            break;
        }
        szName[nLength++] = ch;
    }

    // A reference cut off by the end of the input stays literal text.
    if (!bCutOff)
    {
        static const struct
        {
            LPCWSTR lpszName;
            int nLength;
            WCHAR ch;
        } entities[] = {{L"gt", 2, L'>'}, {L"lt", 2, L'<'}, {L"amp", 3, L'&'}, {L"apos", 4, L'\''},
                        {L"quot", 4, L'"'}};
        for (const auto& entity : entities)
        {
            if (entity.nLength == nLength && wmemcmp(entity.lpszName, szName, nLength) == 0)
                return entity.ch;
        }
        WCHAR ch = ParseCharReference(szName, nLength);
        if (ch)
            return ch;
    }

    // The caller appends the character returned; 0 means nothing more.
    AppendValueChar(L'&');
    for (int i = 0; i < nLength; i++)
        AppendValueChar(szName[i]);
    return bTerminated ? L';' : 0;
}

WCHAR CZMRMarkupParser::ParseCharReference(const WCHAR* pName, int nLength)
{
    if (!pName || nLength < 1 || pName[0] != L'#')
        return 0;
    int i = 1;
    int nBase = 10;
    if (nLength > 2 && pName[1] == L'x')
    {
        nBase = 16;
        i = 2;
    }
    else if (nLength > 1 && pName[1] == L'0')
    {
        // A base prefix as in C: 0x hexadecimal, a leading 0 octal.
        if (nLength > 3 && (pName[2] == L'x' || pName[2] == L'X') && DigitValue(pName[3], 16) >= 0)
        {
            nBase = 16;
            i = 3;
        }
        else
        {
            nBase = 8;
        }
    }

    UINT nValue = 0;
    int nDigits = 0;
    for (; i < nLength; i++)
    {
        int nDigit = DigitValue(pName[i], nBase);
        if (nDigit < 0)
            break;
        nValue = nValue * nBase + nDigit;
        nDigits++;
    }
    return nDigits ? static_cast<WCHAR>(nValue & 0xFFFF) : 0;
}

int CZMRMarkupParser::ReadTagOpen()
{
    m_nTagNameLength = 0;
    WCHAR ch = GetChar();
    if (ch == L'?')
    {
        BeginSection(&CZMRMarkupParser::ReadProcessingInstruction);
        return tokenInstructionStart;
    }
    BOOL bEndTag = FALSE;
    if (ch == L'/')
    {
        bEndTag = TRUE;
        ch = GetChar();
    }
    if (ch == 0)
        return SetError(g_szEndOfFile);

    for (;;)
    {
        if (IsWhitespace(ch))
        {
            ch = SkipWhitespace();
            if (ch == 0)
                return SetError(g_szEndOfFile);
            break;
        }
        if (ch == L'/' || ch == L'>')
            break;
        AppendTagNameChar(ch);
        if (m_nTagNameLength == 3 && wmemcmp(m_szTagName, L"!--", 3) == 0)
        {
            BeginSection(&CZMRMarkupParser::ReadComment);
            return tokenCommentStart;
        }
        if (m_nTagNameLength == 8 && wmemcmp(m_szTagName, L"![CDATA[", 8) == 0)
        {
            BeginSection(&CZMRMarkupParser::ReadCData);
            return tokenCDataStart;
        }
        ch = GetChar();
        if (ch == 0)
            return SetError(g_szEndOfFile);
    }

    if (bEndTag)
        return ch == L'>' ? tokenEndTag : SetError(g_szExpectedClose);
    PushBack(ch);
    m_pfnState = &CZMRMarkupParser::ReadAttribute;
    return tokenStartTag;
}

int CZMRMarkupParser::ReadAttribute()
{
    WCHAR ch = SkipWhitespace();
    if (ch == L'>')
    {
        // The '>' has no token of its own: the content after it follows at once.
        m_pfnState = &CZMRMarkupParser::ReadContent;
        return ReadContent();
    }
    if (ch == L'/')
    {
        WCHAR chNext = GetChar();
        if (chNext == L'>')
        {
            m_pfnState = &CZMRMarkupParser::ReadContent;
            return tokenEndTag;
        }
        PushBack(chNext);
        return SetError(g_szExpectedClose);
    }

    m_nAttributeNameLength = 0;
    m_nValueLength = 0;
    while (ch != L'=')
    {
        if (ch == 0)
            return tokenEndOfInput;
        if (ch == L'>')
            return SetError(g_szCloseNotEquals);
        if (ch == L'<')
            return SetError(g_szOpenNotEquals);
        if (IsWhitespace(ch))
        {
            if (SkipWhitespace() != L'=')
                return SetError(g_szExpectedEquals);
            break;
        }
        AppendAttributeNameChar(ch);
        ch = GetChar();
    }

    // Values are taken as they stand: no references are decoded.
    WCHAR chQuote = SkipWhitespace();
    if (chQuote != L'"' && chQuote != L'\'')
        return SetError(g_szExpectedQuote);
    for (;;)
    {
        ch = GetChar();
        if (ch == 0)
            return SetError(g_szExpectedQuote);
        if (ch == chQuote)
            return tokenAttribute;
        AppendValueChar(ch);
    }
}

void CZMRMarkupParser::BeginSection(PFNSTATE pfnState)
{
    m_pfnState = pfnState;
    m_bClosing = 0;
    m_chRecent[0] = m_chRecent[1] = 0;
}

int CZMRMarkupParser::ReadComment()
{
    return ReadSection(L"-->", tokenCommentEnd, FALSE);
}

int CZMRMarkupParser::ReadCData()
{
    return ReadSection(L"]]>", tokenCDataEnd, FALSE);
}

int CZMRMarkupParser::ReadProcessingInstruction()
{
    return ReadSection(L"?>", tokenInstructionEnd, TRUE);
}

int CZMRMarkupParser::ReadSection(LPCWSTR lpszMarker, int nEndToken, BOOL bDropWhitespace)
{
    if (m_bClosing)
    {
        m_bClosing = 0;
        m_pfnState = &CZMRMarkupParser::ReadContent;
        return nEndToken;
    }

    const int nMarkerLength = static_cast<int>(wcslen(lpszMarker));
    m_nValueLength = 0;
    for (;;)
    {
        WCHAR ch = GetChar();
        if (ch == 0)
            return tokenEndOfInput;
        if (bDropWhitespace && IsWhitespace(ch))
            continue;
        AppendValueChar(ch);

        BOOL bMarker = ch == lpszMarker[nMarkerLength - 1] && m_chRecent[1] == lpszMarker[nMarkerLength - 2] &&
                       (nMarkerLength < 3 || m_chRecent[0] == lpszMarker[0]);
        m_chRecent[0] = m_chRecent[1];
        m_chRecent[1] = ch;
        if (bMarker)
        {
            // The chunk is what came before the marker; an earlier chunk may
            // already hold the marker's first characters.
            m_nValueLength -= m_nValueLength < nMarkerLength ? m_nValueLength : nMarkerLength;
            m_bClosing = 1;
            return tokenChunk;
        }
        if (m_nValueLength == valueSize - 1)
            return tokenChunk;
    }
}
