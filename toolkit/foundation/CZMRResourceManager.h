// Where every toolkit layer loads its strings, menus, tool bars, bitmaps,
// cursors, icons, dialog templates and HTML pages: the toolkit's resource
// module first (when one is set), the application's resources second. It also carries the
// resource language, a record of the fixed language table below.
#pragma once
#include "Framework.h"
#include "toolkit/ProcessLocal.h"

struct ZMR_LANGUAGE_INFO
{
    WORD wLanguage;
    UINT nCodePage;          // 0: the system's ANSI code page
    LPCWSTR lpszEncoding;
    LPCWSTR lpszCaption;     // English name of the language
    LPCWSTR lpszLang;        // primary-language macro
    LPCWSTR lpszSubLang;     // sub-language macro
    UINT nFontCharSet;
};

// The record of a language id, or null.
const ZMR_LANGUAGE_INFO* LookupLanguageInfo(WORD wLanguage);

// The resource language of a module: the first language that is not 1033,
// 1033 when every resource is in 1033, 0 without resources.
WORD GetModuleResourceLanguage(HMODULE hModule);

class CZMRResourceManager : public CNoTrackObject
{
public:
    CZMRResourceManager();
    ~CZMRResourceManager() override;

    virtual CString LoadStringResult(UINT nID, BOOL* pbError = nullptr);
    virtual BOOL LoadString(CString* pString, UINT nID);
    virtual BOOL LoadMenu(CMenu* pMenu, UINT nID);
    virtual BOOL LoadToolBar(CToolBar* pToolBar, UINT nID);
    virtual BOOL LoadBitmap(CBitmap* pBitmap, UINT nID);
    virtual HCURSOR LoadCursor(UINT nID);
    virtual LPCDLGTEMPLATE LoadDialogTemplateById(UINT nID);
    virtual HGLOBAL LoadDialogTemplate(LPCWSTR lpszTemplate);
    virtual BOOL LoadHTML(CString* pText, UINT nID);
    virtual HICON LoadIconById(UINT nID, int cx, int cy);
    virtual HICON LoadIcon(LPCWSTR lpszID, int cx, int cy);
    virtual HICON CreateIconFromResource(HMODULE hModule, LPCWSTR lpszID, int cx, int cy);
    virtual BOOL Close();
    virtual WORD GetResourceLanguage() const { return m_pLanguageInfo->wLanguage; }
    virtual void ChooseResourceLanguage();

    static HMODULE GetResourceHandle();
    void SetResourceLanguage(WORD wLanguage);
    const ZMR_LANGUAGE_INFO* GetLanguageInfo() const { return m_pLanguageInfo; }

    int ShowMessageBox(LPCWSTR lpszText, UINT nType = MB_OK);
    int GetMenuString(CMenu* pMenu, UINT nIDItem, CString& rString, UINT nFlags);

    // Reads one string straight from the module's string table; its length,
    // or 0 when it is missing or empty.
    static int LoadStringFromModule(HMODULE hModule, UINT nID, CString& rString);

protected:
    HMODULE m_hModule;
    const ZMR_LANGUAGE_INFO* m_pLanguageInfo;
};

CZMRResourceManager* GetResourceManager();
