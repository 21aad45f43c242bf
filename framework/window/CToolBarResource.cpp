#include "window/CToolBarResource.h"

bool CToolBarResource::Read(HINSTANCE hInst, LPCWSTR lpszResourceName)
{
    HRSRC hInfo = hInst ? ::FindResourceW(hInst, lpszResourceName, RT_TOOLBAR) : nullptr;
    HGLOBAL hData = hInfo ? ::LoadResource(hInst, hInfo) : nullptr;
    const WORD* pData = hData ? static_cast<const WORD*>(::LockResource(hData)) : nullptr;
    if (!pData)
        return false;
    // The item count comes from the resource: it must fit in what was stored.
    const DWORD nWords = ::SizeofResource(hInst, hInfo) / sizeof(WORD);
    if (nWords < 4 || nWords - 4 < pData[3])
        return false;
    wVersion = pData[0];
    sizeImage = CSize(pData[1], pData[2]);
    ids.assign(pData + 4, pData + 4 + pData[3]);
    return true;
}
