#include "core/Core.h"
#include <gtest/gtest.h>

TEST(CStringTest, Placeholder) { EXPECT_EQ(CString(L"ab").GetLength(), 2); }
