#include "AllocationFaults.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace
{
// Every block carries a header that says whether it is counted; the header
// keeps the block's 16-byte alignment.
struct alignas(16) Header
{
    bool counted;
};

struct ThreadState
{
    bool armed;
    bool fired;
    long countdown;
    void* caller;   // where the failed allocation was asked for
};

thread_local ThreadState t_state = {false, false, -1, nullptr};
std::atomic<long> g_live{0};

void* Allocate(std::size_t size, bool bThrow, void* pCaller)
{
    ThreadState& state = t_state;
    if (state.armed && !state.fired && state.countdown >= 0 && state.countdown-- == 0)
    {
        state.fired = true;
        state.caller = pCaller;
        if (bThrow)
            throw std::bad_alloc();
        return nullptr;
    }
    Header* header = static_cast<Header*>(std::malloc(sizeof(Header) + (size ? size : 1)));
    if (header == nullptr)
    {
        if (bThrow)
            throw std::bad_alloc();
        return nullptr;
    }
    header->counted = state.armed;
    if (header->counted)
        ++g_live;
    return header + 1;
}

void Release(void* p)
{
    if (p == nullptr)
        return;
    Header* header = static_cast<Header*>(p) - 1;
    if (header->counted)
        --g_live;
    std::free(header);
}
}  // namespace

namespace AllocationFaults
{
void Arm(int nth)
{
    t_state.fired = false;
    t_state.caller = nullptr;
    t_state.countdown = nth;
    t_state.armed = true;
}

bool Disarm()
{
    t_state.armed = false;
    t_state.countdown = -1;
    return t_state.fired;
}

long Live()
{
    return g_live.load();
}

void* FailedCaller()
{
    return t_state.caller;
}
}  // namespace AllocationFaults

void* operator new(std::size_t size) { return Allocate(size, true, __builtin_return_address(0)); }
void* operator new[](std::size_t size) { return Allocate(size, true, __builtin_return_address(0)); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size, false, __builtin_return_address(0));
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size, false, __builtin_return_address(0));
}
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }
