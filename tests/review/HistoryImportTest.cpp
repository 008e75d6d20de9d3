// Importing an exported history: the line and file a bad file is refused by.

#include "review/History.h"
#include "review/ReviewSupport.h"
#include "support/MessageOf.h"

#include <cstdint>
#include <ctime>
#include <gtest/gtest.h>
#include <sstream>

namespace {

constexpr const char* Header = "card_id,review_time,review_rating,review_state,review_duration,"
                               "foreign_language,native_language,direction,word,translations,practice\n";

// An answer to word ms after 2023-11-14 22:13:20 UTC.
std::string Row(const std::string& word, std::int64_t ms = 0, int rating = 3, int direction = 0)
{
    return "1," + std::to_string(1700000000000 + ms) + ',' + std::to_string(rating) + ",0,100,7,9,"
        + std::to_string(direction) + ',' + word + ",t,0\n";
}

int Import(THistory& history, const std::string& csv)
{
    std::istringstream in(csv);
    return history.ImportCsv(in, {}, "answers.csv");
}

} // namespace

// Each case imports Before, then File twice: the second time adds nothing.
TEST(HistoryImport, AddsWhatTheHistoryHoldsFewerTimesAndRefusesABadFileByItsLine)
{
    const std::string h = Header, mark = "\xEF\xBB\xBF";
    const std::int64_t now = std::int64_t { std::time(nullptr) } * 1000 - 1700000000000;
    const struct {
        const char* Name;
        std::string Before, File;
        int Added;
        int BadLine = 0;
    } cases[] = {
        { "a byte order mark, a time inside the day ahead", "", mark + h + Row("a", now + 3600000), 1 },
        { "no header", "", Row("a"), 0, 1 },
        { "rating out of range", "", h + Row("a") + Row("b", 1, 5), 0, 3 },
        { "rating 0", "", h + Row("b", 1, 0), 0, 2 },
        { "not a number", "", h + "1,soon,3,0,100,7,9,0,b,t,0\n", 0, 2 },
        { "too few fields", "", h + Row("a") + "1,1700000000001,3\n", 0, 3 },
        { "bad direction", "", h + Row("a", 0, 3, 2), 0, 2 },
        { "before 1990", "", h + Row("a") + Row("b", 631151999999 - 1700000000000), 0, 3 },
        { "the largest time", "", h + Row("b", INT64_MAX - 1700000000000), 0, 2 },
        { "two days ahead", "", h + Row("b", now + 2 * 86400000), 0, 2 },
        { "after a quoted line break", "", mark + h + Row("\"x\ny\"") + Row("b", 0, 9), 0, 4 },
    };
    TTempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        THistory history(dir.File(std::string(c.Name) + "/history.sqlite"));
        Import(history, c.Before);
        const std::int64_t before = history.AnswerCount();
        if (c.BadLine == 0) {
            EXPECT_EQ(Import(history, c.File), c.Added);
            EXPECT_EQ(Import(history, c.File), 0);
            EXPECT_EQ(history.AnswerCount(), before + c.Added);
            continue;
        }
        const std::string error = MessageOf<THistoryImportError>([&] { Import(history, c.File); });
        EXPECT_EQ(error.rfind("answers.csv, line " + std::to_string(c.BadLine) + ": ", 0), 0u) << error;
        EXPECT_EQ(error.find(history.Path()), std::string::npos);
        EXPECT_EQ(history.AnswerCount(), before);
    }
}
