// The process-wide set of skin pictures bound to a resource module: pictures
// loaded by name on first use and cached, and the module's colour table, a
// text resource read like an INI file.
#pragma once
#include "CZMROffice2007Image.h"

class CZMREventSinkList;

// Sent through the set's event connection after every binding.
enum { ZMR_EVENT_OFFICE2007IMAGES_CHANGED = 0x294F };

class CZMROffice2007Images : public CCmdTarget
{
public:
    // A memory DC compatible with the screen that puts back the bitmap a
    // selection replaced.
    class CBitmapDC : public CDC
    {
    public:
        CBitmapDC();
        ~CBitmapDC() override;
        void SelectBitmap(HBITMAP hBitmap);
        void Deselect();

    protected:
        HGDIOBJ m_hOldBitmap;
    };

    CZMROffice2007Images();
    ~CZMROffice2007Images() override;

    // TRUE when the colour table was found. bFreeModule: the set frees the
    // module when it is rebound or destroyed.
    BOOL SetHandle(HMODULE hModule, LPCWSTR lpszTableName = nullptr, BOOL bFreeModule = FALSE);
    HMODULE GetHandle() const { return m_hModule; }

    // The cached picture, loaded on first request; null when it does not load.
    CZMROffice2007Image* LoadFile(LPCWSTR lpszName);
    CString GetImageResourceName(LPCWSTR lpszName);
    CZMROffice2007Image* LoadImage(LPCWSTR lpszName);
    void RemoveAll();

    // -1 when the key is missing or empty.
    COLORREF LookupIniColor(LPCWSTR lpszSection, LPCWSTR lpszKey);
    // In upper case; empty when missing.
    CString GetIniString(LPCWSTR lpszSection, LPCWSTR lpszKey);
    CString GetIniValue(LPCWSTR lpszSection, LPCWSTR lpszKey) { return GetIniString(lpszSection, lpszKey); }
    BOOL HasColorIni() const { return m_pTableStart != nullptr; }

    // Used by the pictures' drawing, under the lock.
    CRITICAL_SECTION* GetLock() { return &m_csLock; }
    CBitmapDC& GetStripDC() { return m_dcStrip; }
    HBITMAP GetStrip() const { return m_hStrip; }
    DWORD* GetStripBits() const { return m_pStripBits; }

    enum { StripSize = 512 };

    // Null unless a host that subscribes to rebinding creates it.
    CZMREventSinkList* m_pConnection;

protected:
    HMODULE m_hModule;
    const BYTE* m_pTableStart;
    const BYTE* m_pTableEnd;
    BOOL m_bFreeModule;
    CRITICAL_SECTION m_csLock;
    CBitmapDC m_dcStrip;
    HBITMAP m_hStrip;
    DWORD* m_pStripBits;
    CMapStringToPtr m_mapImages;   // name as asked -> CZMROffice2007Image*
};

CZMROffice2007Images* GetOffice2007Images();
