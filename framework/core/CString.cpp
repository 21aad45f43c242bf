#include "core/CString.h"
#include "core/CException.h"

#include <oleauto.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <cctype>
#include <climits>
#include <utility>

namespace {

// What differs between the wide and the narrow string.
template <typename T> struct Traits;

template <> struct Traits<wchar_t>
{
    static int Length(const wchar_t* p) { return p ? (int)wcslen(p) : 0; }
    static int Compare(const wchar_t* a, const wchar_t* b) { return wcscmp(a, b); }
    static int CompareNoCase(const wchar_t* a, const wchar_t* b) { return _wcsicmp(a, b); }
    static int Collate(const wchar_t* a, const wchar_t* b) { return wcscoll(a, b); }
    static int CollateNoCase(const wchar_t* a, const wchar_t* b) { return _wcsicoll(a, b); }
    static const wchar_t* FindChar(const wchar_t* p, wchar_t ch) { return wcschr(p, ch); }
    static const wchar_t* FindLastChar(const wchar_t* p, wchar_t ch) { return wcsrchr(p, ch); }
    static const wchar_t* FindString(const wchar_t* p, const wchar_t* sub) { return wcsstr(p, sub); }
    static int SpanIncluding(const wchar_t* p, const wchar_t* set) { return (int)wcsspn(p, set); }
    static int SpanExcluding(const wchar_t* p, const wchar_t* set) { return (int)wcscspn(p, set); }
    static bool IsSpace(wchar_t ch) { return iswspace(ch) != 0; }
    static void Upper(wchar_t* p, int n) { if (n > 0) CharUpperBuffW(p, (DWORD)n); }
    static void Lower(wchar_t* p, int n) { if (n > 0) CharLowerBuffW(p, (DWORD)n); }
    // The C runtime's own printf (not the C99 one), so "%s" in a wide format is wide.
    static int FormattedLength(const wchar_t* fmt, va_list args) { return _vscwprintf(fmt, args); }
    static int Print(wchar_t* buf, int n, const wchar_t* fmt, va_list args) { return _vsnwprintf(buf, (size_t)n, fmt, args); }
    // Converted length of the other width's text (without a terminator).
    static int ConvertedLength(const char* p, int n)
    {
        return n > 0 ? MultiByteToWideChar(CP_ACP, 0, p, n, nullptr, 0) : 0;
    }
    static void Convert(wchar_t* dst, int nDst, const char* p, int n)
    {
        if (n > 0) MultiByteToWideChar(CP_ACP, 0, p, n, dst, nDst);
    }
    static int LoadResource(HINSTANCE h, UINT id, const wchar_t** ppText)
    {
        // With a buffer size of 0 the system hands out the resource text itself.
        return LoadStringW(h, id, reinterpret_cast<LPWSTR>(ppText), 0);
    }
};

template <> struct Traits<char>
{
    static int Length(const char* p) { return p ? (int)strlen(p) : 0; }
    static int Compare(const char* a, const char* b) { return strcmp(a, b); }
    static int CompareNoCase(const char* a, const char* b) { return _stricmp(a, b); }
    static int Collate(const char* a, const char* b) { return strcoll(a, b); }
    static int CollateNoCase(const char* a, const char* b) { return _stricoll(a, b); }
    static const char* FindChar(const char* p, char ch) { return strchr(p, ch); }
    static const char* FindLastChar(const char* p, char ch) { return strrchr(p, ch); }
    static const char* FindString(const char* p, const char* sub) { return strstr(p, sub); }
    static int SpanIncluding(const char* p, const char* set) { return (int)strspn(p, set); }
    static int SpanExcluding(const char* p, const char* set) { return (int)strcspn(p, set); }
    static bool IsSpace(char ch) { return isspace((unsigned char)ch) != 0; }
    static void Upper(char* p, int n) { if (n > 0) CharUpperBuffA(p, (DWORD)n); }
    static void Lower(char* p, int n) { if (n > 0) CharLowerBuffA(p, (DWORD)n); }
    static int FormattedLength(const char* fmt, va_list args) { return _vscprintf(fmt, args); }
    static int Print(char* buf, int n, const char* fmt, va_list args) { return _vsnprintf(buf, (size_t)n, fmt, args); }
    static int ConvertedLength(const wchar_t* p, int n)
    {
        return n > 0 ? WideCharToMultiByte(CP_ACP, 0, p, n, nullptr, 0, nullptr, nullptr) : 0;
    }
    static void Convert(char* dst, int nDst, const wchar_t* p, int n)
    {
        if (n > 0) WideCharToMultiByte(CP_ACP, 0, p, n, dst, nDst, nullptr, nullptr);
    }
    static int LoadResource(HINSTANCE h, UINT id, const wchar_t** ppText)
    {
        return Traits<wchar_t>::LoadResource(h, id, ppText);
    }
};

// A null text compares as the empty one.
template <typename T>
const T* OrEmpty(const T* p)
{
    static const T empty = 0;
    return p ? p : &empty;
}

// Length of the text that a string table entry holds, and the text.
template <typename T>
bool LoadFromTable(CStringT<T>& str, HINSTANCE hInstance, UINT nID)
{
    const wchar_t* pText = nullptr;
    int nLength = Traits<T>::LoadResource(hInstance, nID, &pText);
    if (nLength <= 0 || pText == nullptr)
    {
        str.Empty();
        return false;
    }
    str = CStringT<T>(CStringW(pText, nLength));
    return true;
}

} // namespace

template <typename T>
typename CStringT<T>::PXSTR CStringT<T>::Nil() noexcept
{
    // The shared empty string: a header of zeros and a terminator; never written.
    static struct { Data header; T terminator; } nil = { { 0, 0 }, 0 };
    return &nil.terminator;
}

template <typename T>
typename CStringT<T>::PXSTR CStringT<T>::PrepareWrite(int nLength)
{
    if (nLength < 0)
        AfxThrowInvalidArgException();
    Data* pOld = Header();
    if (!IsNil() && nLength <= pOld->nAllocLength)
        return m_pszData;
    // Grow by half again, so that appending in a loop stays linear.
    int nAlloc = nLength;
    if (!IsNil() && pOld->nAllocLength < 0x3FFFFFFF)
    {
        int nGrown = pOld->nAllocLength + pOld->nAllocLength / 2;
        if (nGrown > nAlloc)
            nAlloc = nGrown;
    }
    if ((size_t)nAlloc + 1 > (SIZE_MAX - sizeof(Data)) / sizeof(T))
        AfxThrowMemoryException();
    Data* pNew = static_cast<Data*>(malloc(sizeof(Data) + ((size_t)nAlloc + 1) * sizeof(T)));
    if (pNew == nullptr)
        AfxThrowMemoryException();
    pNew->nAllocLength = nAlloc;
    pNew->nDataLength = pOld->nDataLength;
    T* pNewData = reinterpret_cast<T*>(pNew + 1);
    memcpy(pNewData, m_pszData, ((size_t)pOld->nDataLength + 1) * sizeof(T));
    if (!IsNil())
        free(pOld);
    m_pszData = pNewData;
    return m_pszData;
}

template <typename T>
void CStringT<T>::SetLength(int nLength)
{
    if (IsNil())
    {
        if (nLength == 0)
            return;
        PrepareWrite(nLength);
    }
    Header()->nDataLength = nLength;
    m_pszData[nLength] = 0;
}

template <typename T>
CStringT<T>::CStringT() noexcept : m_pszData(Nil())
{
}

template <typename T>
CStringT<T>::CStringT(const CStringT& src) : m_pszData(Nil())
{
    SetString(src.m_pszData, src.GetLength());
}

template <typename T>
CStringT<T>::CStringT(CStringT&& src) noexcept : m_pszData(src.m_pszData)
{
    src.m_pszData = Nil();
}

template <typename T>
CStringT<T>::CStringT(PCXSTR psz) : m_pszData(Nil())
{
    if (psz != nullptr && IS_INTRESOURCE(psz))
        LoadString((UINT)(UINT_PTR)psz);
    else
        SetString(psz);
}

template <typename T>
CStringT<T>::CStringT(PCYSTR psz) : m_pszData(Nil())
{
    if (psz != nullptr && IS_INTRESOURCE(psz))
        LoadString((UINT)(UINT_PTR)psz);
    else
        AssignConverted(psz, Traits<YCHAR>::Length(psz));
}

template <typename T>
CStringT<T>::CStringT(PCXSTR pch, int nLength) : m_pszData(Nil())
{
    SetString(pch, nLength);
}

template <typename T>
CStringT<T>::CStringT(PCYSTR pch, int nLength) : m_pszData(Nil())
{
    AssignConverted(pch, nLength);
}

template <typename T>
CStringT<T>::CStringT(const CStringT<YCHAR>& src) : m_pszData(Nil())
{
    AssignConverted(src.GetString(), src.GetLength());
}

template <typename T>
CStringT<T>::CStringT(XCHAR ch, int nRepeat) : m_pszData(Nil())
{
    if (nRepeat > 0)
    {
        PXSTR p = PrepareWrite(nRepeat);
        for (int i = 0; i < nRepeat; i++)
            p[i] = ch;
        SetLength(nRepeat);
    }
}

template <typename T>
CStringT<T>::~CStringT()
{
    if (!IsNil())
        free(Header());
}

template <typename T>
void CStringT<T>::AssignConverted(PCYSTR pch, int nLength)
{
    if (pch == nullptr || nLength <= 0)
    {
        Empty();
        return;
    }
    int nConverted = Traits<T>::ConvertedLength(pch, nLength);
    CStringT result;
    PXSTR p = result.PrepareWrite(nConverted);
    Traits<T>::Convert(p, nConverted, pch, nLength);
    result.SetLength(nConverted);
    *this = std::move(result);
}

template <typename T>
CStringT<T>& CStringT<T>::operator=(const CStringT& src)
{
    if (this != &src)
        SetString(src.m_pszData, src.GetLength());
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::operator=(CStringT&& src) noexcept
{
    if (this != &src)
    {
        if (!IsNil())
            free(Header());
        m_pszData = src.m_pszData;
        src.m_pszData = Nil();
    }
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::operator=(PCXSTR psz)
{
    SetString(psz);
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::operator=(PCYSTR psz)
{
    AssignConverted(psz, Traits<YCHAR>::Length(psz));
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::operator=(const CStringT<YCHAR>& src)
{
    AssignConverted(src.GetString(), src.GetLength());
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::operator=(XCHAR ch)
{
    SetString(&ch, 1);
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::operator+=(const CStringT& src)
{
    Append(src.m_pszData, src.GetLength());
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::operator+=(PCXSTR psz)
{
    Append(psz);
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::operator+=(PCYSTR psz)
{
    Append(CStringT(psz));
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::operator+=(XCHAR ch)
{
    AppendChar(ch);
    return *this;
}

template <typename T>
void CStringT<T>::Empty()
{
    if (!IsNil())
        free(Header());
    m_pszData = Nil();
}

template <typename T>
typename CStringT<T>::XCHAR CStringT<T>::GetAt(int iChar) const
{
    if (iChar < 0 || iChar > GetLength())   // the terminator may be read
        AfxThrowInvalidArgException();
    return m_pszData[iChar];
}

template <typename T>
void CStringT<T>::SetAt(int iChar, XCHAR ch)
{
    if (iChar < 0 || iChar >= GetLength())
        AfxThrowInvalidArgException();
    m_pszData[iChar] = ch;
}

template <typename T>
void CStringT<T>::SetString(PCXSTR psz)
{
    SetString(psz, Traits<T>::Length(psz));
}

template <typename T>
void CStringT<T>::SetString(PCXSTR pch, int nLength)
{
    if (nLength < 0)
        AfxThrowInvalidArgException();
    if (nLength == 0 || pch == nullptr)
    {
        if (!IsNil())
            SetLength(0);
        return;
    }
    // The source may lie inside this string's own buffer.
    if (!IsNil() && pch >= m_pszData && pch <= m_pszData + GetLength())
    {
        memmove(m_pszData, pch, (size_t)nLength * sizeof(T));
        SetLength(nLength);
        return;
    }
    if (!IsNil())
        SetLength(0);   // nothing to keep when the buffer grows
    PXSTR p = PrepareWrite(nLength);
    memcpy(p, pch, (size_t)nLength * sizeof(T));
    SetLength(nLength);
}

template <typename T>
void CStringT<T>::Append(PCXSTR psz)
{
    Append(psz, Traits<T>::Length(psz));
}

template <typename T>
void CStringT<T>::Append(PCXSTR pch, int nLength)
{
    if (nLength < 0)
        AfxThrowInvalidArgException();
    if (nLength == 0 || pch == nullptr)
        return;
    int nOld = GetLength();
    if (nLength > INT_MAX - 1 - nOld)
        AfxThrowMemoryException();
    // Appending a part of itself: remember where it was before the buffer moves.
    ptrdiff_t nOffset = -1;
    if (!IsNil() && pch >= m_pszData && pch <= m_pszData + nOld)
        nOffset = pch - m_pszData;
    PXSTR p = PrepareWrite(nOld + nLength);
    memmove(p + nOld, nOffset >= 0 ? p + nOffset : pch, (size_t)nLength * sizeof(T));
    SetLength(nOld + nLength);
}

template <typename T>
typename CStringT<T>::PXSTR CStringT<T>::GetBuffer()
{
    return GetBuffer(GetLength());
}

template <typename T>
typename CStringT<T>::PXSTR CStringT<T>::GetBuffer(int nMinBufferLength)
{
    if (nMinBufferLength < 0)
        AfxThrowInvalidArgException();
    return PrepareWrite(nMinBufferLength > GetLength() ? nMinBufferLength : GetLength());
}

template <typename T>
typename CStringT<T>::PXSTR CStringT<T>::GetBufferSetLength(int nLength)
{
    PXSTR p = GetBuffer(nLength);
    SetLength(nLength);
    return p;
}

template <typename T>
void CStringT<T>::ReleaseBuffer(int nNewLength)
{
    if (IsNil())
        return;
    if (nNewLength < 0)
    {
        // Up to the first terminator the caller wrote, never past the buffer.
        nNewLength = 0;
        while (nNewLength < Header()->nAllocLength && m_pszData[nNewLength] != 0)
            nNewLength++;
    }
    if (nNewLength > Header()->nAllocLength)
        AfxThrowInvalidArgException();
    SetLength(nNewLength);
}

template <typename T>
void CStringT<T>::Truncate(int nNewLength)
{
    if (nNewLength < 0 || nNewLength > GetLength())
        AfxThrowInvalidArgException();
    SetLength(nNewLength);
}

template <typename T>
void CStringT<T>::Preallocate(int nLength)
{
    PrepareWrite(nLength > GetLength() ? nLength : GetLength());
}

template <typename T>
void CStringT<T>::FreeExtra()
{
    if (IsNil() || GetLength() == GetAllocLength())
        return;
    CStringT copy(m_pszData, GetLength());
    *this = std::move(copy);
}

template <typename T>
int CStringT<T>::Compare(PCXSTR psz) const
{
    return Traits<T>::Compare(m_pszData, OrEmpty(psz));
}

template <typename T>
int CStringT<T>::CompareNoCase(PCXSTR psz) const
{
    return Traits<T>::CompareNoCase(m_pszData, OrEmpty(psz));
}

template <typename T>
int CStringT<T>::Collate(PCXSTR psz) const
{
    return Traits<T>::Collate(m_pszData, OrEmpty(psz));
}

template <typename T>
int CStringT<T>::CollateNoCase(PCXSTR psz) const
{
    return Traits<T>::CollateNoCase(m_pszData, OrEmpty(psz));
}

template <typename T>
CStringT<T> CStringT<T>::Mid(int iFirst) const
{
    return Mid(iFirst, GetLength() - (iFirst < 0 ? 0 : iFirst));
}

template <typename T>
CStringT<T> CStringT<T>::Mid(int iFirst, int nCount) const
{
    int nLength = GetLength();
    if (iFirst < 0)
        iFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (iFirst > nLength)
        return CStringT();
    if (nCount > nLength - iFirst)
        nCount = nLength - iFirst;
    return CStringT(m_pszData + iFirst, nCount);
}

template <typename T>
CStringT<T> CStringT<T>::Left(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount > GetLength())
        nCount = GetLength();
    return CStringT(m_pszData, nCount);
}

template <typename T>
CStringT<T> CStringT<T>::Right(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount > GetLength())
        nCount = GetLength();
    return CStringT(m_pszData + GetLength() - nCount, nCount);
}

template <typename T>
CStringT<T> CStringT<T>::SpanIncluding(PCXSTR pszCharSet) const
{
    if (pszCharSet == nullptr)
        AfxThrowInvalidArgException();
    return Left(Traits<T>::SpanIncluding(m_pszData, pszCharSet));
}

template <typename T>
CStringT<T> CStringT<T>::SpanExcluding(PCXSTR pszCharSet) const
{
    if (pszCharSet == nullptr)
        AfxThrowInvalidArgException();
    return Left(Traits<T>::SpanExcluding(m_pszData, pszCharSet));
}

template <typename T>
CStringT<T> CStringT<T>::Tokenize(PCXSTR pszTokens, int& iStart) const
{
    if (iStart < 0)
        AfxThrowInvalidArgException();
    int nLength = GetLength();
    if (pszTokens == nullptr || *pszTokens == 0)
    {
        // No delimiters: the rest is one token, and the next call finds none.
        if (iStart < nLength)
        {
            CStringT rest(m_pszData + iStart, nLength - iStart);
            iStart = nLength;
            return rest;
        }
    }
    else if (iStart < nLength)
    {
        PCXSTR pszPlace = m_pszData + iStart;
        int nIncluding = Traits<T>::SpanIncluding(pszPlace, pszTokens);
        if (iStart + nIncluding < nLength)
        {
            int iFrom = iStart + nIncluding;
            int nUntil = Traits<T>::SpanExcluding(m_pszData + iFrom, pszTokens);
            iStart = iFrom + nUntil + 1;
            return Mid(iFrom, nUntil);
        }
    }
    iStart = -1;
    return CStringT();
}

template <typename T>
int CStringT<T>::Find(XCHAR ch, int iStart) const
{
    if (iStart < 0 || iStart >= GetLength())
        return -1;
    PCXSTR p = Traits<T>::FindChar(m_pszData + iStart, ch);
    return p ? (int)(p - m_pszData) : -1;
}

template <typename T>
int CStringT<T>::Find(PCXSTR pszSub, int iStart) const
{
    if (pszSub == nullptr || iStart < 0 || iStart > GetLength())
        return -1;
    if (*pszSub == 0)
        return iStart;   // the empty text is found at once, also at the end
    PCXSTR p = Traits<T>::FindString(m_pszData + iStart, pszSub);
    return p ? (int)(p - m_pszData) : -1;
}

template <typename T>
int CStringT<T>::FindOneOf(PCXSTR pszCharSet) const
{
    if (pszCharSet == nullptr)
        return -1;
    int n = Traits<T>::SpanExcluding(m_pszData, pszCharSet);
    return m_pszData[n] != 0 ? n : -1;
}

template <typename T>
int CStringT<T>::ReverseFind(XCHAR ch) const
{
    PCXSTR p = Traits<T>::FindLastChar(m_pszData, ch);
    return p ? (int)(p - m_pszData) : -1;
}

template <typename T>
CStringT<T>& CStringT<T>::MakeUpper()
{
    if (!IsEmpty())
        Traits<T>::Upper(m_pszData, GetLength());
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::MakeLower()
{
    if (!IsEmpty())
        Traits<T>::Lower(m_pszData, GetLength());
    return *this;
}

template <typename T>
CStringT<T>& CStringT<T>::MakeReverse()
{
    for (int i = 0, j = GetLength() - 1; i < j; i++, j--)
    {
        T t = m_pszData[i];
        m_pszData[i] = m_pszData[j];
        m_pszData[j] = t;
    }
    return *this;
}

namespace {

// Whether ch is among the characters that a Trim removes.
template <typename T>
struct TrimSet
{
    enum Kind { Space, Char, Set } kind;
    T ch;
    const T* set;
    bool Matches(T c) const
    {
        switch (kind)
        {
        case Space: return Traits<T>::IsSpace(c);
        case Char: return c == ch;
        default: return c != 0 && Traits<T>::FindChar(set, c) != nullptr;
        }
    }
};

template <typename T>
void TrimBy(CStringT<T>& str, const TrimSet<T>& trim, bool bLeft, bool bRight)
{
    if (trim.kind == TrimSet<T>::Set && (trim.set == nullptr || *trim.set == 0))
        return;
    const T* p = str.GetString();
    int nFirst = 0, nEnd = str.GetLength();
    if (bLeft)
        while (nFirst < nEnd && trim.Matches(p[nFirst]))
            nFirst++;
    if (bRight)
        while (nEnd > nFirst && trim.Matches(p[nEnd - 1]))
            nEnd--;
    if (nFirst == 0 && nEnd == str.GetLength())
        return;
    str.SetString(p + nFirst, nEnd - nFirst);
}

} // namespace

template <typename T> CStringT<T>& CStringT<T>::Trim() { TrimBy<T>(*this, { TrimSet<T>::Space, 0, nullptr }, true, true); return *this; }
template <typename T> CStringT<T>& CStringT<T>::Trim(XCHAR chTarget) { TrimBy<T>(*this, { TrimSet<T>::Char, chTarget, nullptr }, true, true); return *this; }
template <typename T> CStringT<T>& CStringT<T>::Trim(PCXSTR pszTargets) { TrimBy<T>(*this, { TrimSet<T>::Set, 0, pszTargets }, true, true); return *this; }
template <typename T> CStringT<T>& CStringT<T>::TrimLeft() { TrimBy<T>(*this, { TrimSet<T>::Space, 0, nullptr }, true, false); return *this; }
template <typename T> CStringT<T>& CStringT<T>::TrimLeft(XCHAR chTarget) { TrimBy<T>(*this, { TrimSet<T>::Char, chTarget, nullptr }, true, false); return *this; }
template <typename T> CStringT<T>& CStringT<T>::TrimLeft(PCXSTR pszTargets) { TrimBy<T>(*this, { TrimSet<T>::Set, 0, pszTargets }, true, false); return *this; }
template <typename T> CStringT<T>& CStringT<T>::TrimRight() { TrimBy<T>(*this, { TrimSet<T>::Space, 0, nullptr }, false, true); return *this; }
template <typename T> CStringT<T>& CStringT<T>::TrimRight(XCHAR chTarget) { TrimBy<T>(*this, { TrimSet<T>::Char, chTarget, nullptr }, false, true); return *this; }
template <typename T> CStringT<T>& CStringT<T>::TrimRight(PCXSTR pszTargets) { TrimBy<T>(*this, { TrimSet<T>::Set, 0, pszTargets }, false, true); return *this; }

template <typename T>
int CStringT<T>::Replace(XCHAR chOld, XCHAR chNew)
{
    int nCount = 0;
    if (chOld == chNew)
        return 0;
    for (int i = 0; i < GetLength(); i++)
    {
        if (m_pszData[i] == chOld)
        {
            m_pszData[i] = chNew;
            nCount++;
        }
    }
    return nCount;
}

template <typename T>
int CStringT<T>::Replace(PCXSTR pszOld, PCXSTR pszNew)
{
    int nOldLength = Traits<T>::Length(pszOld);
    if (nOldLength == 0)
        return 0;
    int nNewLength = Traits<T>::Length(pszNew);
    CStringT result;
    int nCount = 0;
    int iFrom = 0;
    for (;;)
    {
        PCXSTR p = Traits<T>::FindString(m_pszData + iFrom, pszOld);
        if (p == nullptr)
            break;
        int iAt = (int)(p - m_pszData);
        result.Append(m_pszData + iFrom, iAt - iFrom);
        result.Append(pszNew, nNewLength);
        iFrom = iAt + nOldLength;
        nCount++;
    }
    if (nCount > 0)
    {
        result.Append(m_pszData + iFrom, GetLength() - iFrom);
        *this = std::move(result);
    }
    return nCount;
}

template <typename T>
int CStringT<T>::Remove(XCHAR chRemove)
{
    int nLength = GetLength();
    int nKept = 0;
    for (int i = 0; i < nLength; i++)
        if (m_pszData[i] != chRemove)
            m_pszData[nKept++] = m_pszData[i];
    if (nKept != nLength)
        SetLength(nKept);
    return nLength - nKept;
}

template <typename T>
int CStringT<T>::Insert(int iIndex, XCHAR ch)
{
    return Insert(iIndex, CStringT(ch).GetString());
}

template <typename T>
int CStringT<T>::Insert(int iIndex, PCXSTR psz)
{
    int nLength = GetLength();
    if (iIndex < 0)
        iIndex = 0;
    if (iIndex > nLength)
        iIndex = nLength;
    int nInsert = Traits<T>::Length(psz);
    if (nInsert > 0)
    {
        CStringT inserted(psz, nInsert);   // psz may point into this string
        PXSTR p = PrepareWrite(nLength + nInsert);
        memmove(p + iIndex + nInsert, p + iIndex, (size_t)(nLength - iIndex) * sizeof(T));
        memcpy(p + iIndex, inserted.GetString(), (size_t)nInsert * sizeof(T));
        SetLength(nLength + nInsert);
    }
    return GetLength();
}

template <typename T>
int CStringT<T>::Delete(int iIndex, int nCount)
{
    int nLength = GetLength();
    if (iIndex < 0)
        iIndex = 0;
    if (nCount < 0)
        nCount = 0;
    if (iIndex >= nLength)
        return nLength;
    if (nCount > nLength - iIndex)
        nCount = nLength - iIndex;
    if (nCount > 0)
    {
        memmove(m_pszData + iIndex, m_pszData + iIndex + nCount,
                (size_t)(nLength - iIndex - nCount) * sizeof(T));
        SetLength(nLength - nCount);
    }
    return GetLength();
}

template <typename T>
void CStringT<T>::Format(PCXSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

template <typename T>
void CStringT<T>::Format(UINT nFormatID, ...)
{
    CStringT format;
    format.LoadString(nFormatID);
    va_list args;
    va_start(args, nFormatID);
    FormatV(format, args);
    va_end(args);
}

template <typename T>
void CStringT<T>::FormatV(PCXSTR pszFormat, va_list args)
{
    // Into a new string: an argument may point into this one.
    CStringT result;
    result.AppendFormatV(pszFormat, args);
    *this = std::move(result);
}

template <typename T>
void CStringT<T>::AppendFormat(PCXSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    AppendFormatV(pszFormat, args);
    va_end(args);
}

template <typename T>
void CStringT<T>::AppendFormatV(PCXSTR pszFormat, va_list args)
{
    if (pszFormat == nullptr)
        AfxThrowInvalidArgException();
    va_list argsCopy;
    va_copy(argsCopy, args);
    int nFormatted = Traits<T>::FormattedLength(pszFormat, argsCopy);
    va_end(argsCopy);
    if (nFormatted < 0)
        AfxThrowInvalidArgException();
    // Formatted apart first: an argument may point into this very string.
    CStringT formatted;
    PXSTR p = formatted.PrepareWrite(nFormatted);
    va_copy(argsCopy, args);
    Traits<T>::Print(p, nFormatted + 1, pszFormat, argsCopy);
    va_end(argsCopy);
    formatted.SetLength(nFormatted);
    if (IsEmpty())
        *this = std::move(formatted);
    else
        Append(formatted);
}

template <typename T>
BOOL CStringT<T>::LoadString(UINT nID)
{
    return LoadString(AfxGetResourceHandle(), nID);
}

template <typename T>
BOOL CStringT<T>::LoadString(HINSTANCE hInstance, UINT nID)
{
    return LoadFromTable(*this, hInstance, nID) ? TRUE : FALSE;
}

template <typename T>
int CStringT<T>::StringLength(PCXSTR psz) noexcept
{
    return Traits<T>::Length(psz);
}

template <>
BSTR CStringT<wchar_t>::AllocSysString() const
{
    BSTR bstr = ::SysAllocStringLen(m_pszData, UINT(GetLength()));
    if (bstr == nullptr)
        AfxThrowMemoryException();
    return bstr;
}

template <>
BSTR CStringT<char>::AllocSysString() const
{
    const int nWide = GetLength() ? ::MultiByteToWideChar(CP_ACP, 0, m_pszData, GetLength(), nullptr, 0) : 0;
    BSTR bstr = ::SysAllocStringLen(nullptr, UINT(nWide));
    if (bstr == nullptr)
        AfxThrowMemoryException();
    if (nWide)
        ::MultiByteToWideChar(CP_ACP, 0, m_pszData, GetLength(), bstr, nWide);
    return bstr;
}

template class CStringT<wchar_t>;
template class CStringT<char>;
