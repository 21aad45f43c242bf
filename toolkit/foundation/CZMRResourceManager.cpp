#include "CZMRResourceManager.h"
#include "CZMRResourceHandleScope.h"
#include <vector>

namespace
{
const ZMR_LANGUAGE_INFO s_rgLanguages[] = {
    {1049, 1251, L"windows-1251", L"Russian", L"LANG_RUSSIAN", L"SUBLANG_DEFAULT", 204},
    {1041, 932, L"shift-jis", L"Japanese", L"LANG_JAPANESE", L"SUBLANG_DEFAULT", 128},
    {1025, 1256, L"windows-1256", L"Arabic (Saudi Arabia)", L"LANG_ARABIC", L"SUBLANG_ARABIC_SAUDI_ARABIA", 178},
    {1029, 1250, L"windows-1250", L"Czech", L"LANG_CZECH", L"SUBLANG_DEFAULT", 238},
    {1030, 1252, L"windows-1252", L"Danish", L"LANG_DANISH", L"SUBLANG_DEFAULT", 0},
    {1031, 1252, L"windows-1252", L"German (Germany)", L"LANG_GERMAN", L"SUBLANG_GERMAN", 0},
    {1032, 1253, L"windows-1253", L"Greek", L"LANG_GREEK", L"SUBLANG_DEFAULT", 161},
    {1033, 0, L"windows-1252", L"English (United States)", L"LANG_ENGLISH", L"SUBLANG_ENGLISH_US", 0},
    {3082, 1252, L"windows-1252", L"Spanish (Spain - Modern Sort)", L"LANG_SPANISH", L"SUBLANG_SPANISH_MODERN", 0},
    {1061, 1257, L"windows-1257", L"Estonian", L"LANG_ESTONIAN", L"SUBLANG_DEFAULT", 186},
    {1035, 1252, L"windows-1252", L"Finnish", L"LANG_FINNISH", L"SUBLANG_DEFAULT", 0},
    {1036, 1252, L"windows-1252", L"French (France)", L"LANG_FRENCH", L"SUBLANG_FRENCH", 0},
    {1037, 1255, L"windows-1255", L"Hebrew", L"LANG_HEBREW", L"SUBLANG_DEFAULT", 177},
    {1050, 1250, L"windows-1250", L"Croatian", L"LANG_CROATIAN", L"SUBLANG_DEFAULT", 238},
    {1038, 1250, L"windows-1250", L"Hungarian", L"LANG_HUNGARIAN", L"SUBLANG_DEFAULT", 238},
    {1040, 1252, L"windows-1252", L"Italian (Italy)", L"LANG_ITALIAN", L"SUBLANG_ITALIAN", 0},
    {1042, 949, L"ks_c_5601", L"Korean", L"LANG_KOREAN", L"SUBLANG_DEFAULT", 129},
    {1063, 1257, L"windows-1257", L"Lithuanian", L"LANG_LITHUANIAN", L"SUBLANG_LITHUANIAN", 186},
    {1062, 1257, L"windows-1257", L"Latvian", L"LANG_LATVIAN", L"SUBLANG_DEFAULT", 186},
    {1043, 1252, L"windows-1252", L"Dutch", L"LANG_DUTCH", L"SUBLANG_DUTCH", 0},
    {1044, 1252, L"windows-1252", L"Norwegian (Bokmal)", L"LANG_NORWEGIAN", L"SUBLANG_NORWEGIAN_BOKMAL", 0},
    {1045, 1250, L"windows-1250", L"Polish", L"LANG_POLISH", L"SUBLANG_DEFAULT", 238},
    {2070, 1252, L"windows-1252", L"Portuguese (Portugal)", L"LANG_PORTUGUESE", L"SUBLANG_PORTUGUESE", 0},
    {1046, 1252, L"windows-1252", L"Portuguese (Brazil)", L"LANG_PORTUGUESE", L"SUBLANG_PORTUGUESE_BRAZILIAN", 0},
    {1048, 1250, L"windows-1250", L"Romanian", L"LANG_ROMANIAN", L"SUBLANG_DEFAULT", 238},
    {1051, 1250, L"windows-1250", L"Slovak", L"LANG_SLOVAK", L"SUBLANG_DEFAULT", 238},
    {1060, 1250, L"windows-1250", L"Slovenian", L"LANG_SLOVENIAN", L"SUBLANG_DEFAULT", 238},
    {1053, 1252, L"windows-1252", L"Swedish", L"LANG_SWEDISH", L"SUBLANG_DEFAULT", 0},
    {1054, 874, L"windows-874", L"Thai", L"LANG_THAI", L"SUBLANG_DEFAULT", 222},
    {1055, 1254, L"windows-1254", L"Turkish", L"LANG_TURKISH", L"SUBLANG_DEFAULT", 162},
    {1058, 1251, L"windows-1251", L"Ukrainian ", L"LANG_UKRAINIAN", L"SUBLANG_DEFAULT", 204},
    {1026, 1251, L"windows-1251", L"Bulgarian", L"LANG_BULGARIAN", L"SUBLANG_DEFAULT", 204},
    {2052, 936, L"gb2312", L"Chinese (PRC)", L"LANG_CHINESE", L"SUBLANG_CHINESE_SIMPLIFIED", 134},
    {1028, 950, L"big5", L"Chinese (Taiwan)", L"LANG_CHINESE", L"SUBLANG_CHINESE_TRADITIONAL", 136},
};

const WORD kEnglish = 1033;

// The toolkit's resource module; nothing in this program sets one.
HMODULE s_hResourceModule = nullptr;

CProcessLocal<CZMRResourceManager> s_resourceManager;

// The resource module when it holds the resource, else the application's
// module that holds it.
HINSTANCE FindResourceModule(LPCWSTR lpszName, LPCWSTR lpszType)
{
    HMODULE hModule = CZMRResourceManager::GetResourceHandle();
    if (hModule && ::FindResourceW(hModule, lpszName, lpszType))
        return hModule;
    return AfxFindResourceHandle(lpszName, lpszType);
}

struct LanguageSearch
{
    WORD wLanguage;
    bool bFound;   // a resource that is not in 1033
};

BOOL CALLBACK EnumLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD wLanguage, LONG_PTR lParam)
{
    LanguageSearch* pSearch = reinterpret_cast<LanguageSearch*>(lParam);
    pSearch->wLanguage = wLanguage;
    pSearch->bFound = wLanguage != kEnglish;
    return !pSearch->bFound;
}

BOOL CALLBACK EnumName(HMODULE hModule, LPCWSTR lpszType, LPWSTR lpszName, LONG_PTR lParam)
{
    ::EnumResourceLanguagesW(hModule, lpszType, lpszName, EnumLanguage, lParam);
    return !reinterpret_cast<LanguageSearch*>(lParam)->bFound;
}

BOOL CALLBACK EnumType(HMODULE hModule, LPWSTR lpszType, LONG_PTR lParam)
{
    ::EnumResourceNamesW(hModule, lpszType, EnumName, lParam);
    return !reinterpret_cast<LanguageSearch*>(lParam)->bFound;
}
}

const ZMR_LANGUAGE_INFO* LookupLanguageInfo(WORD wLanguage)
{
    for (const ZMR_LANGUAGE_INFO& info : s_rgLanguages)
    {
        if (info.wLanguage == wLanguage)
            return &info;
    }
    return nullptr;
}

WORD GetModuleResourceLanguage(HMODULE hModule)
{
    LanguageSearch search = {0, false};
    ::EnumResourceTypesW(hModule, EnumType, reinterpret_cast<LONG_PTR>(&search));
    return search.wLanguage;
}

CZMRResourceManager* GetResourceManager()
{
    CZMRResourceManager* pManager = s_resourceManager.GetData();
    if (!pManager)
        AfxThrowInvalidArgException();
    return pManager;
}

CZMRResourceManager::CZMRResourceManager()
    : m_hModule(nullptr), m_pLanguageInfo(LookupLanguageInfo(kEnglish))
{
}

CZMRResourceManager::~CZMRResourceManager()
{
}

HMODULE CZMRResourceManager::GetResourceHandle()
{
    return s_hResourceModule;
}

void CZMRResourceManager::SetResourceLanguage(WORD wLanguage)
{
    const ZMR_LANGUAGE_INFO* pInfo = LookupLanguageInfo(wLanguage);
    m_pLanguageInfo = pInfo ? pInfo : LookupLanguageInfo(kEnglish);
}

void CZMRResourceManager::ChooseResourceLanguage()
{
    SetResourceLanguage(GetModuleResourceLanguage(GetResourceHandle()));
}

BOOL CZMRResourceManager::Close()
{
    BOOL bResult = FALSE;
    if (m_hModule)
        bResult = ::FreeLibrary(m_hModule);
    m_hModule = nullptr;
    return bResult;
}

int CZMRResourceManager::LoadStringFromModule(HMODULE hModule, UINT nID, CString& rString)
{
    rString.Empty();
    HRSRC hResource = ::FindResourceW(hModule, MAKEINTRESOURCEW(nID / 16 + 1), MAKEINTRESOURCEW(6));
    if (!hResource)
        return 0;
    HGLOBAL hGlobal = ::LoadResource(hModule, hResource);
    const WCHAR* pEntry = hGlobal ? static_cast<const WCHAR*>(::LockResource(hGlobal)) : nullptr;
    if (!pEntry)
        return 0;
    const WCHAR* pEnd = pEntry + ::SizeofResource(hModule, hResource) / sizeof(WCHAR);

    for (UINT i = 0; i < nID % 16; i++)
    {
        if (pEntry >= pEnd)
            return 0;
        pEntry += 1 + *pEntry;
    }
    if (pEntry >= pEnd)
        return 0;
    const int nLength = *pEntry;
    if (nLength == 0 || pEntry + 1 + nLength > pEnd)
        return 0;
    rString.SetString(pEntry + 1, nLength);
    return nLength;
}

CString CZMRResourceManager::LoadStringResult(UINT nID, BOOL* pbError)
{
    CString str;
    BOOL bFound = LoadString(&str, nID);
    if (pbError && !bFound)
        *pbError = TRUE;
    return str;
}

BOOL CZMRResourceManager::LoadString(CString* pString, UINT nID)
{
    HMODULE hModule = GetResourceHandle();
    LPCWSTR lpszBlock = MAKEINTRESOURCEW(nID / 16 + 1);
    if (hModule && ::FindResourceW(hModule, lpszBlock, MAKEINTRESOURCEW(6))
        && LoadStringFromModule(hModule, nID, *pString) > 0)
    {
        return TRUE;
    }
    HINSTANCE hInstance = AfxFindResourceHandle(lpszBlock, MAKEINTRESOURCEW(6));
    if (hInstance && LoadStringFromModule(hInstance, nID, *pString) > 0)
        return TRUE;
    pString->Empty();
    return FALSE;
}

BOOL CZMRResourceManager::LoadMenu(CMenu* pMenu, UINT nID)
{
    HMENU hMenu = nullptr;
    HMODULE hModule = GetResourceHandle();
    if (hModule && ::FindResourceW(hModule, MAKEINTRESOURCEW(nID), MAKEINTRESOURCEW(4)))
    {
        CZMRResourceHandleScope scope;
        hMenu = ::LoadMenuW(hModule, MAKEINTRESOURCEW(nID));
    }
    if (!hMenu)
        hMenu = ::LoadMenuW(AfxFindResourceHandle(MAKEINTRESOURCEW(nID), MAKEINTRESOURCEW(4)), MAKEINTRESOURCEW(nID));
    return hMenu && pMenu->Attach(hMenu);
}

BOOL CZMRResourceManager::LoadToolBar(CToolBar* pToolBar, UINT nID)
{
    // The tool bar finds its resource and bitmap through the framework's
    // current resource handle, which the scope points at the resource module.
    if (!pToolBar)
        return FALSE;
    CZMRResourceHandleScope scope;
    return pToolBar->LoadToolBar(nID);
}

BOOL CZMRResourceManager::LoadBitmap(CBitmap* pBitmap, UINT nID)
{
    HINSTANCE hInstance = FindResourceModule(MAKEINTRESOURCEW(nID), MAKEINTRESOURCEW(2));
    HBITMAP hBitmap = ::LoadBitmapW(hInstance, MAKEINTRESOURCEW(nID));
    return hBitmap && pBitmap->Attach(hBitmap);
}

HCURSOR CZMRResourceManager::LoadCursor(UINT nID)
{
    HINSTANCE hInstance = FindResourceModule(MAKEINTRESOURCEW(nID), MAKEINTRESOURCEW(12));
    return ::LoadCursorW(hInstance, MAKEINTRESOURCEW(nID));
}

HGLOBAL CZMRResourceManager::LoadDialogTemplate(LPCWSTR lpszTemplate)
{
    HINSTANCE hInstance = FindResourceModule(lpszTemplate, MAKEINTRESOURCEW(5));
    HRSRC hResource = ::FindResourceW(hInstance, lpszTemplate, MAKEINTRESOURCEW(5));
    return hResource ? ::LoadResource(hInstance, hResource) : nullptr;
}

LPCDLGTEMPLATE CZMRResourceManager::LoadDialogTemplateById(UINT nID)
{
    HGLOBAL hTemplate = LoadDialogTemplate(MAKEINTRESOURCEW(nID));
    return hTemplate ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : nullptr;
}

BOOL CZMRResourceManager::LoadHTML(CString* pText, UINT nID)
{
    if (!pText)
        return FALSE;
    // A null resource module makes the system search the executable itself.
    HMODULE hModule = GetResourceHandle();
    HRSRC hResource = ::FindResourceW(hModule, MAKEINTRESOURCEW(nID), MAKEINTRESOURCEW(23));
    if (!hResource)
    {
        hModule = AfxGetResourceHandle();
        hResource = ::FindResourceW(hModule, MAKEINTRESOURCEW(nID), MAKEINTRESOURCEW(23));
    }
    if (!hResource)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hModule, hResource);
    const char* pBytes = hGlobal ? static_cast<const char*>(::LockResource(hGlobal)) : nullptr;
    if (!pBytes)
        return FALSE;
    const int nSize = int(::SizeofResource(hModule, hResource));
    std::vector<WCHAR> buffer(size_t(nSize) * 2 + 2, 0);
    int nChars = ::MultiByteToWideChar(CP_ACP, 0, pBytes, nSize, buffer.data(), int(buffer.size()));
    *pText = buffer.data();
    return nChars > 0;
}

HICON CZMRResourceManager::LoadIconById(UINT nID, int cx, int cy)
{
    return LoadIcon(MAKEINTRESOURCEW(nID), cx, cy);
}

HICON CZMRResourceManager::LoadIcon(LPCWSTR lpszID, int cx, int cy)
{
    HMODULE hModule = GetResourceHandle();
    if (!hModule || !::FindResourceW(hModule, lpszID, MAKEINTRESOURCEW(14)))
        hModule = AfxFindResourceHandle(lpszID, MAKEINTRESOURCEW(14));
    if (!hModule || !::FindResourceW(hModule, lpszID, MAKEINTRESOURCEW(14)))
        return nullptr;
    return static_cast<HICON>(::LoadImageW(hModule, lpszID, IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR));
}

HICON CZMRResourceManager::CreateIconFromResource(HMODULE hModule, LPCWSTR lpszID, int cx, int cy)
{
    HRSRC hGroup = ::FindResourceW(hModule, lpszID, MAKEINTRESOURCEW(14));
    HGLOBAL hGroupData = hGroup ? ::LoadResource(hModule, hGroup) : nullptr;
    PBYTE pDirectory = hGroupData ? static_cast<PBYTE>(::LockResource(hGroupData)) : nullptr;
    if (!pDirectory)
        return nullptr;
    int nIconID = ::LookupIconIdFromDirectoryEx(pDirectory, TRUE, cx, cy, LR_DEFAULTCOLOR);
    HRSRC hIcon = nIconID ? ::FindResourceW(hModule, MAKEINTRESOURCEW(nIconID), MAKEINTRESOURCEW(3)) : nullptr;
    HGLOBAL hIconData = hIcon ? ::LoadResource(hModule, hIcon) : nullptr;
    PBYTE pBits = hIconData ? static_cast<PBYTE>(::LockResource(hIconData)) : nullptr;
    if (!pBits)
        return nullptr;
    return ::CreateIconFromResourceEx(pBits, ::SizeofResource(hModule, hIcon), TRUE, 0x00030000, cx, cy,
                                      LR_DEFAULTCOLOR);
}

int CZMRResourceManager::ShowMessageBox(LPCWSTR lpszText, UINT nType)
{
    const UINT nCodePage = m_pLanguageInfo->nCodePage;
    if (nCodePage == 1256 || nCodePage == 1255)
        nType |= MB_RTLREADING;
    return AfxMessageBox(lpszText, nType);
}

int CZMRResourceManager::GetMenuString(CMenu* pMenu, UINT nIDItem, CString& rString, UINT nFlags)
{
    if (!pMenu || !pMenu->GetSafeHmenu())
        return 0;
    HMENU hMenu = pMenu->GetSafeHmenu();
    int nLength = ::GetMenuStringW(hMenu, nIDItem, nullptr, 0, nFlags);
    if (nLength <= 0)
    {
        rString.Empty();
        return nLength < 0 ? 0 : nLength;
    }
    std::vector<WCHAR> buffer(size_t(nLength) + 1, 0);
    ::GetMenuStringW(hMenu, nIDItem, buffer.data(), nLength + 1, nFlags);
    rString = buffer.data();
    return nLength;
}
