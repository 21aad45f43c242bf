#include "CZMROffice2007Images.h"
#include "CZMREventSinkList.h"
#include "CZMRIconHandle.h"
#include "CZMRLockGuard.h"

namespace
{
const LPCWSTR kDefaultTable = L"OFFICE2007BLUE_INI";
const LPCWSTR kTableType = L"TEXTFILE";

// The name of the first resource of a kind in a module, by name or number.
struct CFirstName
{
    CString strName;
    LPCWSTR lpszId = nullptr;
    bool bFound = false;

    LPCWSTR Get() const { return lpszId ? lpszId : static_cast<LPCWSTR>(strName); }

    static BOOL CALLBACK Take(HMODULE, LPCWSTR, LPWSTR lpszName, LONG_PTR lParam)
    {
        CFirstName* pThis = reinterpret_cast<CFirstName*>(lParam);
        if (IS_INTRESOURCE(lpszName))
            pThis->lpszId = lpszName;
        else
            pThis->strName = lpszName;
        pThis->bFound = true;
        return FALSE;   // the first one is enough
    }
};
} // namespace

// ---------------------------------------------------------------- strip DC

CZMROffice2007Images::CBitmapDC::CBitmapDC() : m_hOldBitmap(nullptr)
{
    CreateCompatibleDC(nullptr);
}

CZMROffice2007Images::CBitmapDC::~CBitmapDC()
{
    Deselect();
}

void CZMROffice2007Images::CBitmapDC::SelectBitmap(HBITMAP hBitmap)
{
    if (!m_hDC)
        return;
    HGDIOBJ hOld = ::SelectObject(m_hDC, hBitmap);
    if (!m_hOldBitmap)
        m_hOldBitmap = hOld;
}

void CZMROffice2007Images::CBitmapDC::Deselect()
{
    if (m_hDC && m_hOldBitmap)
        ::SelectObject(m_hDC, m_hOldBitmap);
    m_hOldBitmap = nullptr;
}

// ----------------------------------------------------------------------- set

CZMROffice2007Images::CZMROffice2007Images()
    : m_pConnection(nullptr), m_hModule(nullptr), m_pTableStart(nullptr), m_pTableEnd(nullptr),
      m_bFreeModule(FALSE), m_hStrip(nullptr), m_pStripBits(nullptr), m_mapImages(10)
{
    m_mapImages.InitHashTable(199);
    LPBYTE pBits = nullptr;
    m_hStrip = CreateArgbDibSection(nullptr, StripSize, StripSize, &pBits);
    m_pStripBits = reinterpret_cast<DWORD*>(pBits);
    ::InitializeCriticalSection(&m_csLock);
    SetHandle(::GetModuleHandleW(nullptr), nullptr, FALSE);
}

CZMROffice2007Images::~CZMROffice2007Images()
{
    if (m_pConnection)
        m_pConnection->InternalRelease();
    RemoveAll();
    if (m_hModule && m_bFreeModule)
        ::FreeLibrary(m_hModule);
    m_dcStrip.Deselect();
    if (m_hStrip)
        ::DeleteObject(m_hStrip);
    ::DeleteCriticalSection(&m_csLock);
}

CZMROffice2007Images* GetOffice2007Images()
{
    static CZMROffice2007Images s_images;
    return &s_images;
}

BOOL CZMROffice2007Images::SetHandle(HMODULE hModule, LPCWSTR lpszTableName, BOOL bFreeModule)
{
    // Binding the module already held again must not free it under us.
    if (m_hModule && m_bFreeModule && m_hModule != hModule)
        ::FreeLibrary(m_hModule);

    const BOOL bNamed = lpszTableName && *lpszTableName;
    CString strTable(bNamed ? lpszTableName : kDefaultTable);
    strTable.Replace(L'.', L'_');

    m_hModule = hModule;
    m_bFreeModule = bFreeModule;
    m_pTableStart = m_pTableEnd = nullptr;
    RemoveAll();

    HRSRC hResource = hModule ? ::FindResourceW(hModule, strTable, kTableType) : nullptr;
    if (!hResource && hModule && !bNamed)
    {
        CFirstName first;
        ::EnumResourceNamesW(hModule, kTableType, &CFirstName::Take, reinterpret_cast<LONG_PTR>(&first));
        if (first.bFound)
            hResource = ::FindResourceW(hModule, first.Get(), kTableType);
    }

    BOOL bResult = FALSE;
    HGLOBAL hGlobal = hResource ? ::LoadResource(hModule, hResource) : nullptr;
    const BYTE* pData = hGlobal ? static_cast<const BYTE*>(::LockResource(hGlobal)) : nullptr;
    if (pData)
    {
        m_pTableStart = pData;
        m_pTableEnd = pData + ::SizeofResource(hModule, hResource);
        bResult = TRUE;
    }

    if (m_pConnection)
        m_pConnection->SendEvent(ZMR_EVENT_OFFICE2007IMAGES_CHANGED, 0, 0, 0);
    return bResult;
}

void CZMROffice2007Images::RemoveAll()
{
    POSITION pos = m_mapImages.GetStartPosition();
    while (pos)
    {
        CString strName;
        void* pImage = nullptr;
        m_mapImages.GetNextAssoc(pos, strName, pImage);
        static_cast<CZMROffice2007Image*>(pImage)->InternalRelease();
    }
    m_mapImages.RemoveAll();
}

CString CZMROffice2007Images::GetImageResourceName(LPCWSTR lpszName)
{
    CString strName = GetIniString(L"Images", lpszName);
    if (strName.IsEmpty())
        strName = lpszName;
    strName.Replace(L'.', L'_');
    strName.Replace(L'\\', L'_');
    return strName;
}

CZMROffice2007Image* CZMROffice2007Images::LoadImage(LPCWSTR lpszName)
{
    CZMROffice2007Image* pImage = new CZMROffice2007Image(this);
    if (!pImage->LoadFile(m_hModule, GetImageResourceName(lpszName)))
    {
        pImage->InternalRelease();
        return nullptr;
    }
    return pImage;
}

CZMROffice2007Image* CZMROffice2007Images::LoadFile(LPCWSTR lpszName)
{
    CZMRLockGuard lock(&m_csLock);
    if (!m_hModule || !lpszName || !*lpszName)
        return nullptr;
    void* pCached = nullptr;
    if (m_mapImages.Lookup(lpszName, pCached))
        return static_cast<CZMROffice2007Image*>(pCached);

    // A picture that does not load is not cached: a later request tries again.
    CZMROffice2007Image* pImage = LoadImage(lpszName);
    if (pImage)
        m_mapImages.SetAt(lpszName, pImage);
    return pImage;
}

// ------------------------------------------------------------ colour table

CString CZMROffice2007Images::GetIniString(LPCWSTR lpszSection, LPCWSTR lpszKey)
{
    if (!m_pTableStart || !lpszSection || !lpszKey)
        return CString();
    CString strSection(lpszSection), strKey(lpszKey);
    strSection.MakeUpper();
    strKey.MakeUpper();

    BOOL bInSection = FALSE;
    const BYTE* p = m_pTableStart;
    while (p < m_pTableEnd)
    {
        // A line ends at CR, LF or CR LF; the last one needs no end.
        const BYTE* pLine = p;
        while (p < m_pTableEnd && *p != '\r' && *p != '\n')
            p++;
        const int nBytes = int(p - pLine);
        if (p < m_pTableEnd && *p++ == '\r' && p < m_pTableEnd && *p == '\n')
            p++;

        CString strLine;
        if (nBytes > 0)
        {
            const int nChars = ::MultiByteToWideChar(CP_ACP, 0, reinterpret_cast<LPCSTR>(pLine), nBytes, nullptr, 0);
            if (nChars > 0)
            {
                ::MultiByteToWideChar(CP_ACP, 0, reinterpret_cast<LPCSTR>(pLine), nBytes,
                                      strLine.GetBufferSetLength(nChars), nChars);
                strLine.ReleaseBuffer(nChars);
            }
        }
        strLine.TrimLeft();
        const int nComment = strLine.Find(L';');
        if (nComment >= 0)
            strLine = strLine.Left(nComment);
        // Blanks before an end of line or a comment are no part of a section name.
        strLine.TrimRight();
        if (strLine.IsEmpty())
            continue;
        strLine.MakeUpper();

        if (strLine[0] == L'[')
        {
            if (bInSection)
                return CString();   // the wanted section ended without the key
            bInSection = strLine.GetLength() >= 2 && strLine.Mid(1, strLine.GetLength() - 2) == strSection;
            continue;
        }
        if (!bInSection)
            continue;
        const int nEquals = strLine.Find(L'=');
        if (nEquals < 0)
            continue;
        CString strLineKey = strLine.Left(nEquals);
        strLineKey.TrimRight();
        if (strLineKey == strKey)
        {
            CString strValue = strLine.Mid(nEquals + 1);
            strValue.Trim();
            return strValue;
        }
    }
    return CString();
}

COLORREF CZMROffice2007Images::LookupIniColor(LPCWSTR lpszSection, LPCWSTR lpszKey)
{
    CString strValue = GetIniString(lpszSection, lpszKey);
    if (strValue.IsEmpty())
        return COLORREF(-1);
    int r = 0, g = 0, b = 0;
    swscanf(strValue, L"%i %i %i", &r, &g, &b);
    return RGB(BYTE(r), BYTE(g), BYTE(b));
}
