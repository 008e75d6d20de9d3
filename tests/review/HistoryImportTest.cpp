// Importing an exported history: which answers it finds already there, the line and file a bad file
// is refused by, and a round trip through an empty history.

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
        { "two ratings in one millisecond", "", h + Row("a", 0, 1) + Row("a", 0, 3), 2 },
        { "one answer twice", "", h + Row("a") + Row("a"), 2 },
        { "one of three there", h + Row("a"), h + Row("a") + Row("a", 5) + Row("a") + Row("a"), 3 },
        { "two there, one in the file", h + Row("a") + Row("a"), h + Row("a"), 0 },
        { "other card, direction, rating, time", h + Row("a"),
            h + Row("b") + Row("a", 0, 3, 1) + Row("a", 0, 4) + Row("a", 1), 4 },
        { "a byte order mark, a time inside the day ahead", "", mark + h + Row("a", now + 3600000), 1 },
        { "a mark cut short", "", "\xEF\xBB" + h + Row("a"), 0, 1 },
        { "languages at their ends", "",
            h + "1,1700000000000,3,0,100,0,65535,0,a,t,0\n1,1700000000000,3,0,100,65535,0,0,a,t,0\n", 2 },
        { "a language past its end", "", h + Row("a") + "1,1700000000000,3,0,100,7,65536,0,a,t,0\n", 0, 3 },
        { "a language below 0", "", h + "1,1700000000000,3,0,100,-1,9,0,a,t,0\n", 0, 2 },
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

// An export imported into an empty history exports the same: one card's answers in one millisecond,
// and a repeat of a failed card after midnight that stays practice.
TEST(HistoryImport, AnExportImportedIntoAnEmptyHistoryExportsTheSame)
{
    const struct {
        const char* Word;
        std::int64_t Ms;
        bool Correct, Practice = false;
    } answers[] = { { "a", 0, true }, { "a", 0, false }, { "a", 0, true }, { "b", 0, false },
        { "b", 86400000, true, true }, { "a", 3 * 86400000, true } };
    TTempDir dir;
    THistory first(dir.File("first/history.sqlite")), second(dir.File("second/history.sqlite"));
    for (const auto& a : answers)
        first.RecordAnswer(
            { { 7, 9, a.Word, "t", 0 }, a.Correct, false, false, NoonOf(20000) + a.Ms, 10, a.Practice, {} },
            {});
    std::stringstream exported, again;
    EXPECT_EQ(first.ExportCsv(exported), 6);
    EXPECT_EQ(second.ImportCsv(exported), 6);
    second.ExportCsv(again);
    EXPECT_EQ(again.str(), exported.str());
}
