// The sorting marker read from a text and shown in one.

#include "core/SortingMarker.h"

#include <gtest/gtest.h>
#include <tuple>

TEST(SortingMarker, ReadAndShow)
{
    for (const auto& [typed, text, position] :
        { std::tuple<const char*, const char*, int> { "la @maison", "la maison", 3 },
            { "@maison", "maison", 0 }, { "maison@", "maison", 0 }, { "a@b@c", "ab@c", 1 },
            { "maison", "maison", 0 }, { "@", "", 0 } }) {
        std::string read = typed;
        EXPECT_EQ(ExtractSortingMarker(read), position) << typed;
        EXPECT_EQ(read, text) << typed;
    }
    EXPECT_EQ(InsertSortingMarker("la maison", 3, false), "la @maison");
    EXPECT_EQ(InsertSortingMarker("maison", 0, true), "@maison");
    EXPECT_EQ(InsertSortingMarker("maison", 0, false), "maison");
    EXPECT_EQ(InsertSortingMarker("ab", 10, false), "ab@");
}
