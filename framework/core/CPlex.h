// CPlex: the blocks in which lists and maps allocate their nodes. Each block
// holds a fixed number of nodes; blocks are chained and freed all at once.
#pragma once

#include "core/CoreDefs.h"
#include <cstddef>

// Aligned like malloc's memory, so that the nodes after the header are too.
struct alignas(std::max_align_t) CPlex
{
    CPlex* pNext;

    void* data() { return this + 1; }

    // A new block of nMax elements of cbElement bytes, put at the head of
    // the chain; throws the memory exception when memory is short.
    static CPlex* PASCAL Create(CPlex*& pHead, UINT_PTR nMax, UINT_PTR cbElement);
    // Frees this block and every block after it.
    void FreeDataChain();
};
