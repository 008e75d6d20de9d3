// Titles, names, percentages, shortened paths and number checks as the window shows them.

#include "core/DisplayText.h"

#include <gtest/gtest.h>
#include <tuple>

TEST(DisplayText, TitlesNamesAndPercentages)
{
    EXPECT_EQ(DisplayTitle(""), "Untitled");
    EXPECT_EQ(DisplayTitle("/home/u/German.vmr"), "German.vmr");
    EXPECT_EQ(DisplayTitle("German.vmr"), "German.vmr");
    EXPECT_EQ(DisplayName("/home/u/German.vmr"), "/home/u/German.vmr");
    EXPECT_EQ(DisplayName(""), "Untitled");
    for (const auto& [part, whole, text] :
        { std::tuple { 2, 3, "67%" }, { 1, 8, "13%" }, { 0, 0, "0%" }, { 5, 5, "100%" }, { 0, 7, "0%" } })
        EXPECT_EQ(PercentText(part, whole).Text(), text) << part << "/" << whole;
}

TEST(DisplayText, ShortenPathKeepsTrailingFoldersThenCutsTheName)
{
    // Each character is 10 pixels wide.
    const TTextWidth width = [](std::string_view s) { return static_cast<int>(s.size()) * 10; };
    const std::string path = "/home/user/lists/german/basic.vmr";
    for (const auto& [room, shown] :
        { std::pair<int, std::string> { 1000, path }, { 210, "/.../german/basic.vmr" },
            { 140, "/.../basic.vmr" }, { 90, "basic.vmr" }, { 60, "bas..." }, { 40, "b..." }, { 30, "" } })
        EXPECT_EQ(ShortenPath(path, width, room), shown) << room;
    for (int w = 0; w <= 400; w += 7)
        EXPECT_LE(width(ShortenPath(path, width, w)), w) << w;
}

TEST(DisplayText, NumberChecks)
{
    std::int32_t value = 0;
    EXPECT_TRUE(IntInRange("5", 1, 999, &value));
    EXPECT_EQ(value, 5);
    for (const char* text : { "1", " 999 " })
        EXPECT_TRUE(IntInRange(text, 1, 999)) << text;
    EXPECT_TRUE(IntInRange("-5", -10, 0));
    for (const char* text : { "", "0", "1000", "12abc", "2147483648", "99999999999" })
        EXPECT_FALSE(IntInRange(text, 1, 999)) << text;
    // An empty text counts as min - 1, which is in a range that starts one lower.
    EXPECT_FALSE(IntInRange("", INT32_MIN, 0));
    EXPECT_EQ(IntRangeMessage(1, 999).Text(), "Number must be between 1 and 999.");
    EXPECT_EQ(FloatRangeMessage(0, 99).Text(), "Number must be between 0 and 99.");
    EXPECT_EQ(FloatRangeMessage(0.5, 2.25).Text(), "Number must be between 0.5 and 2.25.");
    double d = 0;
    EXPECT_TRUE(FloatInRange("2.5", 0, 99, &d));
    EXPECT_DOUBLE_EQ(d, 2.5);
    for (const char* text : { "abc", "", "nan", "100", "0x10", "1e1", ".", "1.2.3", "inf" })
        EXPECT_FALSE(FloatInRange(text, 0, 99)) << text;
    EXPECT_TRUE(FloatInRange(" -.5 ", -1, 0));
}
