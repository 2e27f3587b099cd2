#include <gtest/gtest.h>
#include <windows.h>

TEST(Smoke, LoadsApplicationName)
{
    char sz[64] = "";
    EXPECT_EQ(8, LoadStringA(GetModuleHandleA(nullptr), 57344, sz, sizeof sz));
    EXPECT_STREQ("Velloric", sz);
}
