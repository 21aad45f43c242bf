// CArchive: a buffered binary stream over a CFile, in one direction. Numbers
// are little-endian; strings carry a length prefix (one byte, or 0xFF and 16
// bits, or 0xFF 0xFFFF and 32 bits, wide strings preceded by 0xFF 0xFFFE);
// objects are written as a class reference (0xFFFF, schema, name the first
// time, 0x8000 | index later) followed by their Serialize data, and an object
// written twice becomes the 16-bit index of its first appearance.
#pragma once

#include "core/CObject.h"
#include "core/CString.h"
#include "core/CArchiveException.h"

#include <cstring>

class CFile;
class CPtrArray;
class CMapPtrToPtr;

class CArchive
{
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    ~CArchive();

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsByteSwapping() const { return FALSE; }
    BOOL IsBufferEmpty() const { return m_lpBufCur == m_lpBufMax; }
    CFile* GetFile() const { return m_pFile; }

    // The schema of the object being loaded, read from its class reference.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    // Raw bytes: Read returns how many it got (fewer at the end of the data).
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    // Storing: writes the buffer to the file. Loading: gives the unread
    // buffered bytes back to the file so that its position is right.
    void Flush();
    void Close();
    // Ends without writing anything more and without raising exceptions.
    void Abort();
    // Makes sure the buffer holds nAdditionalBytesNeeded more bytes; raises
    // the end-of-file archive exception when the file has not got them.
    void FillBuffer(UINT nAdditionalBytesNeeded);

    // Counts: 16 bits, or 0xFFFF and 32 bits, or 0xFFFFFFFF and 64 bits more.
    void WriteCount(DWORD_PTR dwCount);
    DWORD_PTR ReadCount();

    // Class references and objects.
    void WriteClass(const CRuntimeClass* pClassRef);
    // The class read must derive from pClassRefRequested when that is given.
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr,
                             UINT* pSchema = nullptr, DWORD* pObTag = nullptr);
    void SerializeClass(const CRuntimeClass* pClassRef);
    void WriteObject(const CObject* pOb);
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
    // Enters an object in the object map under the next index, as if it had
    // been written or read here (null only makes sure the map exists).
    void MapObject(const CObject* pOb);

    // Numbers
    CArchive& operator<<(BYTE by) { return WriteValue(by); }
    CArchive& operator<<(WORD w) { return WriteValue(w); }
    CArchive& operator<<(LONG l) { return WriteValue(l); }
    CArchive& operator<<(DWORD dw) { return WriteValue(dw); }
    CArchive& operator<<(float f) { return WriteValue(f); }
    CArchive& operator<<(double d) { return WriteValue(d); }
    CArchive& operator<<(LONGLONG dwdw) { return WriteValue(dwdw); }
    CArchive& operator<<(ULONGLONG dwdw) { return WriteValue(dwdw); }
    CArchive& operator<<(int i) { return WriteValue((LONG)i); }
    CArchive& operator<<(short w) { return WriteValue((WORD)w); }
    CArchive& operator<<(char ch) { return WriteValue((BYTE)ch); }
    CArchive& operator<<(wchar_t ch) { return WriteValue((WORD)ch); }
    CArchive& operator<<(unsigned u) { return WriteValue((LONG)u); }
    CArchive& operator<<(bool b) { return WriteValue((BYTE)(b ? 1 : 0)); }

    CArchive& operator>>(BYTE& by) { return ReadValue(by); }
    CArchive& operator>>(WORD& w) { return ReadValue(w); }
    CArchive& operator>>(LONG& l) { return ReadValue(l); }
    CArchive& operator>>(DWORD& dw) { return ReadValue(dw); }
    CArchive& operator>>(float& f) { return ReadValue(f); }
    CArchive& operator>>(double& d) { return ReadValue(d); }
    CArchive& operator>>(LONGLONG& dwdw) { return ReadValue(dwdw); }
    CArchive& operator>>(ULONGLONG& dwdw) { return ReadValue(dwdw); }
    CArchive& operator>>(int& i) { return ReadAs<LONG>(i); }
    CArchive& operator>>(short& w) { return ReadAs<WORD>(w); }
    CArchive& operator>>(char& ch) { return ReadAs<BYTE>(ch); }
    CArchive& operator>>(wchar_t& ch) { return ReadAs<WORD>(ch); }
    CArchive& operator>>(unsigned& u) { return ReadAs<LONG>(u); }
    CArchive& operator>>(bool& b) { BYTE by; ReadValue(by); b = by != 0; return *this; }

    // Strings (either width reads either form, converting as needed)
    CArchive& operator<<(const CStringW& str);
    CArchive& operator<<(const CStringA& str);
    CArchive& operator<<(LPCWSTR psz) { return *this << CStringW(psz); }
    CArchive& operator<<(LPCSTR psz) { return *this << CStringA(psz); }
    CArchive& operator>>(CStringW& str);
    CArchive& operator>>(CStringA& str);

    // Geometry: 32-bit members in order
    CArchive& operator<<(SIZE size) { return *this << size.cx << size.cy; }
    CArchive& operator<<(POINT point) { return *this << point.x << point.y; }
    CArchive& operator<<(const RECT& rect) { return *this << rect.left << rect.top << rect.right << rect.bottom; }
    CArchive& operator>>(SIZE& size) { return *this >> size.cx >> size.cy; }
    CArchive& operator>>(POINT& point) { return *this >> point.x >> point.y; }
    CArchive& operator>>(RECT& rect) { return *this >> rect.left >> rect.top >> rect.right >> rect.bottom; }

    // Objects
    CArchive& operator<<(const CObject* pOb) { WriteObject(pOb); return *this; }
    CArchive& operator>>(CObject*& pOb) { pOb = ReadObject(nullptr); return *this; }
    CArchive& operator>>(const CObject*& pOb) { pOb = ReadObject(nullptr); return *this; }

    // The buffer, for code that looks ahead (FillBuffer, then read at m_lpBufCur).
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax;
    BYTE* m_lpBufStart;

    UINT m_nObjectSchema;
    CString m_strFileName;

    // Object map: loading, index -> class or object; storing, class or object -> index.
    CPtrArray* m_pLoadArray;
    CMapPtrToPtr* m_pStoreMap;
    CMapPtrToPtr* m_pSchemaMap;   // loading: versionable class -> schema read
    UINT m_nMapCount;
    UINT m_nGrowSize;
    UINT m_nHashSize;

protected:
    template <typename T> CArchive& WriteValue(T value);
    template <typename T> CArchive& ReadValue(T& value);
    template <typename S, typename T> CArchive& ReadAs(T& value)
    {
        S s;
        ReadValue(s);
        value = (T)s;
        return *this;
    }
    void CheckCount();
    // The tag of an object or class seen before, by its map index.
    void WriteTag(DWORD nIndex, bool bClass);
    // Length prefix of a string; *pnCharSize is 1 for narrow text, 2 for wide.
    void WriteStringLength(ULONGLONG nLength, bool bWide);
    ULONGLONG ReadStringLength(int* pnCharSize);
    // Reads nLength characters of nCharSize bytes, growing as the data arrives.
    void ReadStringData(ULONGLONG nLength, int nCharSize, CStringW* pWide, CStringA* pNarrow);

    UINT m_nMode;
    BOOL m_bUserBuf;
    int m_nBufSize;
    CFile* m_pFile;

private:
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
};

template <typename T>
CArchive& CArchive::WriteValue(T value)
{
    if (!IsStoring())
        AfxThrowArchiveException(CArchiveException::readOnly, m_strFileName);
    if (m_lpBufCur + sizeof(T) > m_lpBufMax)
        Flush();
    memcpy(m_lpBufCur, &value, sizeof(T));
    m_lpBufCur += sizeof(T);
    return *this;
}

template <typename T>
CArchive& CArchive::ReadValue(T& value)
{
    if (!IsLoading())
        AfxThrowArchiveException(CArchiveException::writeOnly, m_strFileName);
    if (m_lpBufCur + sizeof(T) > m_lpBufMax)
        FillBuffer((UINT)(sizeof(T) - (m_lpBufMax - m_lpBufCur)));
    memcpy(&value, m_lpBufCur, sizeof(T));
    m_lpBufCur += sizeof(T);
    return *this;
}
