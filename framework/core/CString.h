// CString: the framework's string, wide (CStringW, the one the programs use)
// and narrow (CStringA, text in the ANSI code page). One pointer in size, so
// that it can be handed to the printf-style Format as "%s" like a plain
// string pointer; the length and capacity live in a header before the text.
#pragma once

#include "core/CoreDefs.h"
#include <type_traits>

template <typename T> class CStringT;
typedef CStringT<wchar_t> CStringW;
typedef CStringT<char> CStringA;
typedef CStringW CString;

template <typename T>
class CStringT
{
public:
    typedef T XCHAR;
    typedef T* PXSTR;
    typedef const T* PCXSTR;
    // The other character width: the one this string converts from.
    typedef typename std::conditional<sizeof(T) == 1, wchar_t, char>::type YCHAR;
    typedef const YCHAR* PCYSTR;

    CStringT() noexcept;
    CStringT(const CStringT& src);
    CStringT(CStringT&& src) noexcept;
    // A resource id made with MAKEINTRESOURCE loads that string from the string table.
    CStringT(PCXSTR psz);
    CStringT(PCYSTR psz);
    CStringT(PCXSTR pch, int nLength);
    CStringT(PCYSTR pch, int nLength);
    CStringT(const CStringT<YCHAR>& src);
    explicit CStringT(XCHAR ch, int nRepeat = 1);
    ~CStringT();

    CStringT& operator=(const CStringT& src);
    CStringT& operator=(CStringT&& src) noexcept;
    CStringT& operator=(PCXSTR psz);
    CStringT& operator=(PCYSTR psz);
    CStringT& operator=(const CStringT<YCHAR>& src);
    CStringT& operator=(XCHAR ch);

    CStringT& operator+=(const CStringT& src);
    CStringT& operator+=(PCXSTR psz);
    CStringT& operator+=(PCYSTR psz);
    CStringT& operator+=(XCHAR ch);

    // Length and content
    int GetLength() const noexcept { return Header()->nDataLength; }
    bool IsEmpty() const noexcept { return GetLength() == 0; }
    void Empty();
    XCHAR GetAt(int iChar) const;
    void SetAt(int iChar, XCHAR ch);
    XCHAR operator[](int iChar) const { return GetAt(iChar); }
    operator PCXSTR() const noexcept { return m_pszData; }
    PCXSTR GetString() const noexcept { return m_pszData; }
    void SetString(PCXSTR psz);
    void SetString(PCXSTR pch, int nLength);
    void Append(const CStringT& src) { Append(src.m_pszData, src.GetLength()); }
    void Append(PCXSTR psz);
    void Append(PCXSTR pch, int nLength);
    void AppendChar(XCHAR ch) { Append(&ch, 1); }

    // Direct access to the buffer: write into it, then ReleaseBuffer.
    PXSTR GetBuffer();
    PXSTR GetBuffer(int nMinBufferLength);
    PXSTR GetBufferSetLength(int nLength);
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength) { ReleaseBuffer(nNewLength); }
    void Truncate(int nNewLength);
    void Preallocate(int nLength);
    void FreeExtra();
    int GetAllocLength() const noexcept { return Header()->nAllocLength; }

    // Comparison (negative, 0 or positive)
    int Compare(PCXSTR psz) const;
    int CompareNoCase(PCXSTR psz) const;
    int Collate(PCXSTR psz) const;
    int CollateNoCase(PCXSTR psz) const;

    // Extraction; out-of-range arguments are clamped to the string.
    CStringT Mid(int iFirst) const;
    CStringT Mid(int iFirst, int nCount) const;
    CStringT Left(int nCount) const;
    CStringT Right(int nCount) const;
    CStringT SpanIncluding(PCXSTR pszCharSet) const;
    CStringT SpanExcluding(PCXSTR pszCharSet) const;
    // Next token after iStart; iStart becomes -1 when there are no more.
    CStringT Tokenize(PCXSTR pszTokens, int& iStart) const;

    // Searching (-1 when not found)
    int Find(XCHAR ch, int iStart = 0) const;
    int Find(PCXSTR pszSub, int iStart = 0) const;
    int FindOneOf(PCXSTR pszCharSet) const;
    int ReverseFind(XCHAR ch) const;

    // Changes in place; the counting ones return how many were changed.
    CStringT& MakeUpper();
    CStringT& MakeLower();
    CStringT& MakeReverse();
    CStringT& Trim();
    CStringT& Trim(XCHAR chTarget);
    CStringT& Trim(PCXSTR pszTargets);
    CStringT& TrimLeft();
    CStringT& TrimLeft(XCHAR chTarget);
    CStringT& TrimLeft(PCXSTR pszTargets);
    CStringT& TrimRight();
    CStringT& TrimRight(XCHAR chTarget);
    CStringT& TrimRight(PCXSTR pszTargets);
    int Replace(XCHAR chOld, XCHAR chNew);
    int Replace(PCXSTR pszOld, PCXSTR pszNew);
    int Remove(XCHAR chRemove);
    int Insert(int iIndex, XCHAR ch);
    int Insert(int iIndex, PCXSTR psz);
    int Delete(int iIndex, int nCount = 1);

    // printf-style formatting with the C runtime's conventions of this
    // platform: in a wide format "%s" is a wide string and "%hs" a narrow one.
    void AFX_CDECL Format(PCXSTR pszFormat, ...);
    void AFX_CDECL Format(UINT nFormatID, ...);
    void FormatV(PCXSTR pszFormat, va_list args);
    void AFX_CDECL AppendFormat(PCXSTR pszFormat, ...);
    void AppendFormatV(PCXSTR pszFormat, va_list args);

    // From the string table of the resource module (AfxGetResourceHandle).
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    static int StringLength(PCXSTR psz) noexcept;

    // A new BSTR with the text (a narrow string is converted from the ANSI
    // code page), owned by the caller; embedded nulls are kept. Raises the
    // memory exception when the system cannot allocate it.
    BSTR AllocSysString() const;

private:
    struct Data
    {
        int nDataLength;
        int nAllocLength;   // characters, without the terminator
    };
    Data* Header() const noexcept { return reinterpret_cast<Data*>(m_pszData) - 1; }
    static PXSTR Nil() noexcept;
    bool IsNil() const noexcept { return m_pszData == Nil(); }
    // Makes room for nLength characters (keeping the current text) and returns the buffer.
    PXSTR PrepareWrite(int nLength);
    void SetLength(int nLength);
    void AssignConverted(PCYSTR pch, int nLength);

    PXSTR m_pszData;
};

template <> BSTR CStringT<wchar_t>::AllocSysString() const;
template <> BSTR CStringT<char>::AllocSysString() const;

// Concatenation
template <typename T> inline CStringT<T> operator+(const CStringT<T>& a, const CStringT<T>& b) { CStringT<T> r(a); r.Append(b); return r; }
template <typename T> inline CStringT<T> operator+(const CStringT<T>& a, const T* b) { CStringT<T> r(a); r.Append(b); return r; }
template <typename T> inline CStringT<T> operator+(const T* a, const CStringT<T>& b) { CStringT<T> r(a); r.Append(b); return r; }
template <typename T> inline CStringT<T> operator+(const CStringT<T>& a, T b) { CStringT<T> r(a); r.AppendChar(b); return r; }
template <typename T> inline CStringT<T> operator+(T a, const CStringT<T>& b) { CStringT<T> r(a); r.Append(b); return r; }

// Comparison, case-sensitive, by character value
template <typename T> inline bool operator==(const CStringT<T>& a, const CStringT<T>& b) { return a.GetLength() == b.GetLength() && a.Compare(b) == 0; }
template <typename T> inline bool operator==(const CStringT<T>& a, const T* b) { return a.Compare(b) == 0; }
template <typename T> inline bool operator==(const T* a, const CStringT<T>& b) { return b.Compare(a) == 0; }
template <typename T> inline bool operator!=(const CStringT<T>& a, const CStringT<T>& b) { return !(a == b); }
template <typename T> inline bool operator!=(const CStringT<T>& a, const T* b) { return !(a == b); }
template <typename T> inline bool operator!=(const T* a, const CStringT<T>& b) { return !(b == a); }
template <typename T> inline bool operator<(const CStringT<T>& a, const CStringT<T>& b) { return a.Compare(b) < 0; }
template <typename T> inline bool operator<(const CStringT<T>& a, const T* b) { return a.Compare(b) < 0; }
template <typename T> inline bool operator<(const T* a, const CStringT<T>& b) { return b.Compare(a) > 0; }
template <typename T> inline bool operator>(const CStringT<T>& a, const CStringT<T>& b) { return a.Compare(b) > 0; }
template <typename T> inline bool operator>(const CStringT<T>& a, const T* b) { return a.Compare(b) > 0; }
template <typename T> inline bool operator>(const T* a, const CStringT<T>& b) { return b.Compare(a) < 0; }
template <typename T> inline bool operator<=(const CStringT<T>& a, const CStringT<T>& b) { return a.Compare(b) <= 0; }
template <typename T> inline bool operator<=(const CStringT<T>& a, const T* b) { return a.Compare(b) <= 0; }
template <typename T> inline bool operator<=(const T* a, const CStringT<T>& b) { return b.Compare(a) >= 0; }
template <typename T> inline bool operator>=(const CStringT<T>& a, const CStringT<T>& b) { return a.Compare(b) >= 0; }
template <typename T> inline bool operator>=(const CStringT<T>& a, const T* b) { return a.Compare(b) >= 0; }
template <typename T> inline bool operator>=(const T* a, const CStringT<T>& b) { return b.Compare(a) <= 0; }

extern template class CStringT<wchar_t>;
extern template class CStringT<char>;
