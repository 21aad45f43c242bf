// A routine run with each of its allocations failing in turn: after every
// run, the blocks it made must all be gone again (AllocationFaults counts
// them). The routine may let what a failed allocation raises leave it: the
// standard exception, or a framework exception, which is deleted here.
#pragma once

#include "AllocationFaults.h"
#include "core/CException.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>

inline void EachAllocationFails(const std::function<void()>& routine)
{
    routine();   // whatever is made once per process is made now
    for (int nth = 0;; nth++)
    {
        SCOPED_TRACE(::testing::Message() << "allocation " << nth << " fails");
        const long nBefore = AllocationFaults::Live();
        AllocationFaults::Arm(nth);
        try
        {
            routine();
        }
        catch (CException* e)
        {
            e->Delete();
        }
        catch (const std::bad_alloc&)
        {
        }
        const bool bFailed = AllocationFaults::Disarm();
        EXPECT_EQ(AllocationFaults::Live(), nBefore)
            << "blocks kept; the failed allocation was asked for at " << AllocationFaults::FailedCaller();
        if (!bFailed || ::testing::Test::HasFailure())
            return;
    }
}
