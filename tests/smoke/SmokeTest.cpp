// Proves that the toolchain, GoogleTest and ctest are wired up in both trees.
#include <gtest/gtest.h>

#include <string>

TEST(Smoke, TargetIs64Bit) { EXPECT_EQ(sizeof(void*), 8u); }

TEST(Smoke, StandardLibraryWorks) {
    std::string s = "valve";
    s += " actuator";
    EXPECT_EQ(s.size(), 14u);
}
