#include "core/CMap.h"

UINT AFXAPI HashKey(LPCWSTR key)
{
    UINT nHash = 0;
    if (key != nullptr)
        while (*key)
            nHash = (nHash << 5) + nHash + *key++;
    return nHash;
}

UINT AFXAPI HashKey(LPCSTR key)
{
    UINT nHash = 0;
    if (key != nullptr)
        while (*key)
            nHash = (nHash << 5) + nHash + (BYTE)*key++;
    return nHash;
}
