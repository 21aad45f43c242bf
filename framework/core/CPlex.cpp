#include "core/CPlex.h"
#include "core/CException.h"

#include <cstdint>
#include <cstdlib>

CPlex* PASCAL CPlex::Create(CPlex*& pHead, UINT_PTR nMax, UINT_PTR cbElement)
{
    if (nMax == 0 || cbElement == 0)
        AfxThrowInvalidArgException();
    if (nMax > (SIZE_MAX - sizeof(CPlex)) / cbElement)
        AfxThrowMemoryException();
    CPlex* p = static_cast<CPlex*>(malloc(sizeof(CPlex) + nMax * cbElement));
    if (p == nullptr)
        AfxThrowMemoryException();
    p->pNext = pHead;
    pHead = p;
    return p;
}

void CPlex::FreeDataChain()
{
    CPlex* p = this;
    while (p != nullptr)
    {
        CPlex* pNext = p->pNext;
        free(p);
        p = pNext;
    }
}
