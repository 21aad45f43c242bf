// Makes one operator new of the calling thread fail with std::bad_alloc, so
// that a test can walk every place where a routine may run out of memory,
// and counts the blocks that thread allocated meanwhile and has not freed.
// A test executable that uses it links AllocationFaults.cpp, which replaces
// the global operator new and delete for the whole executable.
#pragma once

namespace AllocationFaults
{
// From now on, this thread's allocation number nth (0: the next one) fails;
// a negative nth fails none and only counts.
void Arm(int nth);
// Stops failing and counting on this thread; true when the failure happened.
bool Disarm();
// Blocks allocated by armed threads that are still alive.
long Live();
// The code address that asked for the allocation that failed last on this
// thread (null when none failed since Arm): turn it into a line with
// x86_64-w64-mingw32-addr2line -f -C -i -e build/bin/<test program>.
void* FailedCaller();
}  // namespace AllocationFaults
