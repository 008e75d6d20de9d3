// The recent files: order, capacity and loading.

#include "core/RecentFileList.h"

#include <gtest/gtest.h>

TEST(RecentFileList, AddMovesToFrontDropsTheOldestAndLoadRaisesTheCapacity)
{
    TRecentFileList list(9);
    for (int i = 1; i <= 9; ++i)
        list.Add("/f" + std::to_string(i));
    list.Add("/f6"); // from position 3
    EXPECT_EQ(list.Count(), 9);
    for (const auto& [index, name] : { std::pair { 0, "/f6" }, { 1, "/f9" }, { 3, "/f7" }, { 4, "/f5" } })
        EXPECT_EQ(list[index], name) << index;
    list.Add("/f10");
    EXPECT_EQ(std::tuple(list.Count(), list[0], list[8]), std::tuple(9, "/f10", "/f2")); // /f1 was the oldest

    // Two names in different case are two files on a case-sensitive file system.
    list.Add("/home/a/List.vmr");
    list.Add("/home/a/list.vmr");
    EXPECT_EQ(list[1], "/home/a/List.vmr");
    EXPECT_FALSE(SameFileName("/a/X.vmr", "/a/x.vmr"));
    EXPECT_TRUE(SameFileName("/a/x.vmr", "/a/x.vmr"));

    // Loading keeps the stored order and raises the capacity.
    TRecentFileList loaded(9);
    for (int i = 0; i < 12; ++i)
        loaded.Load("/f" + std::to_string(i));
    EXPECT_EQ(std::tuple(loaded.Count(), loaded.Capacity(), loaded[0], loaded[11]),
        std::tuple(12, 12, "/f0", "/f11"));
    loaded.Add("/new");
    EXPECT_EQ(std::tuple(loaded.Count(), loaded[0]), std::tuple(12, "/new"));
    TRecentFileList none(0);
    none.Add("/f");
    EXPECT_EQ(none.Count(), 0) << "no room, nothing kept";
}
