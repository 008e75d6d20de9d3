// Importing an exported history: which answers it finds already there, the line and file a bad file
// is refused by, a round trip through an empty history, the same cards however the answers arrive,
// and the word a waiting writer gives a long import.

#include "review/History.h"
#include "review/ReviewSupport.h"
#include "support/MessageOf.h"
#include "support/ScopedEnv.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>
#include <vector>

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
        { "no number for the duration", "", h + "1,1700000000000,3,0,soon,7,9,0,b,t,0\n", 0, 2 },
        { "a blank line", "", h + Row("a") + "\n" + Row("b"), 2 },
        { "spaces and a plus sign before numbers", "", h + "1, 1700000000000,+3,0,100,7,9,0,a,t,0\n", 1 },
        { "a plus sign before a minus", "", h + "1,1700000000000,3,0,+-1,7,9,0,a,t,0\n", 0, 2 },
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
// a repeat of a failed card just after midnight that stays practice, and texts with line breaks.
TEST(HistoryImport, AnExportImportedIntoAnEmptyHistoryExportsTheSame)
{
    const struct {
        const char* Word;
        std::int64_t Ms;
        bool Correct, Practice = false;
    } answers[]
        = { { "a\nb", 0, true }, { "a\nb", 0, false }, { "a\nb", 0, true }, { "b", 11 * 3600000, false },
              { "b", 12 * 3600000 + 60000, true, true }, { "a\nb", 3 * 86400000, true } };
    TTempDir dir;
    THistory first(dir.File("first/history.sqlite")), second(dir.File("second/history.sqlite"));
    for (const auto& a : answers)
        first.RecordAnswer(
            { { 7, 9, a.Word, "t\r", 0 }, a.Correct, false, false, NoonOf(20000) + a.Ms, 10, a.Practice, {} },
            {});
    std::stringstream exported, again;
    EXPECT_EQ(first.ExportCsv(exported), 6);
    EXPECT_TRUE(Contains(exported.str(), ",\"a\nb\",\"t\r\",")) << exported.str();
    EXPECT_EQ(second.ImportCsv(exported), 6);
    second.ExportCsv(again);
    EXPECT_EQ(again.str(), exported.str());
}

// However the same answers arrive, the history ends as one import into an empty history leaves it:
// cards it held before are replayed among their answers, an import stopped before its replay is
// finished by the next one, and lines ending in CR LF read as the others.
TEST(HistoryImport, CardsEndTheSameHoweverTheirAnswersArrive)
{
    const std::string odd = "\"x,\"\"y\"\"\nz\"";
    std::vector<std::string> rows;
    for (int day = 0; day < 12; ++day)
        for (const auto& [word, rating] : { std::pair { odd, 1 + day % 4 }, { "b", day % 3 ? 3 : 1 } }) {
            const std::int64_t at = std::int64_t { day } * 86400000 + (day % 5) * 3600000;
            rows.push_back(Row(word, at, rating));
            // A repeat the same day, and another that the session called practice.
            if (day % 2 == 0)
                rows.push_back(Row(word, at + 60000, 3));
            if (day % 3 == 0) {
                std::string repeat = Row(word, at + 120000, 4);
                rows.push_back(repeat.replace(repeat.size() - 2, 1, "1"));
            }
        }
    rows.push_back(rows.back());
    // A repeat the session called practice just after midnight (UTC): only its flag keeps it so.
    rows.push_back(Row("d", 0, 1));
    rows.push_back(Row("d", 7200000, 3).replace(Row("d").size() - 2, 1, "1"));
    rows.push_back(Row("e", 3 * 86400000)); // a card of one answer
    for (std::int64_t day = 1; day <= 300; ++day) // a card of more answers than a batch checks its pace
        rows.push_back(Row("f", day * 86400000, day % 7 ? 3 : 1));
    // A first answer the session called practice still schedules its card.
    std::string first = Row("c", 7);
    first[first.size() - 2] = '1';
    rows.insert(rows.begin(), first);
    rows.insert(rows.begin() + 6, Row("c", 2 * 86400000 + 7));
    rows.insert(rows.begin() + 15, Row("c", 5 * 86400000 + 7));
    const auto file = [&](std::size_t count, const std::string& end, std::size_t from = 0) {
        std::string csv = std::string(Header).replace(std::strlen(Header) - 1, 1, end);
        for (std::size_t i = from; i < count; ++i)
            csv += rows[i].substr(0, rows[i].size() - 1) + end;
        return csv;
    };
    const std::string whole = file(rows.size(), "\n");
    // An import stopped before it replayed its cards, as the statements leave them.
    const auto Stopped = [&](const std::string& statements) {
        return [&, statements](THistory& history) {
            Import(history, whole);
            EXPECT_EQ(
                Sql(history.Path(), statements + "; INSERT INTO replay_pending SELECT id FROM cards"), 0);
            EXPECT_EQ(Import(history, Header), 0);
        };
    };
    const struct {
        const char* Name;
        std::function<void(THistory&)> Arrive;
    } ways[] = {
        { "in two halves, ending in CR LF",
            [&](THistory& history) {
                EXPECT_EQ(Import(history, file(rows.size() / 2, "\r\n")), static_cast<int>(rows.size() / 2));
                Import(history, file(rows.size(), "\r\n"));
            } },
        { "in two halves, the second without the first",
            [&](THistory& history) {
                Import(history, file(rows.size() / 2, "\n"));
                Import(history, file(rows.size(), "\n", rows.size() / 2));
            } },
        { "stopped before its replay",
            Stopped("UPDATE cards SET state = 0, stability = 0, difficulty = 0, last_review = 0, due = 0, "
                    "reps = 0, lapses = 0; UPDATE answers SET day = 0, state_before = 0") },
        { "stopped with its states unset", Stopped("UPDATE answers SET state_before = 0") },
        { "stopped with its states unset, finished in batches a waiting writer ends",
            [&](THistory& history) {
                TWaitingWriters other(history.Path());
                other.Waiting();
                Stopped("UPDATE answers SET state_before = 0")(history);
            } },
        { "stopped with its practice unset",
            Stopped("UPDATE answers SET practice = 0 WHERE time_ms <> 1700007200000") },
    };
    TTempDir dir;
    THistory once(dir.File("once/history.sqlite"));
    EXPECT_EQ(Import(once, whole), static_cast<int>(rows.size()));
    EXPECT_EQ(Sql(once.Path(), "SELECT COUNT(*) FROM replay_pending"), 0) << "nothing left to replay";
    std::ostringstream expected;
    once.ExportCsv(expected);
    const std::vector<TCardKey> keys = { { 7, 9, "x,\"y\"\nz", "t", 0 }, { 7, 9, "b", "t", 0 },
        { 7, 9, "c", "t", 0 }, { 7, 9, "d", "t", 0 }, { 7, 9, "e", "t", 0 } };
    const auto memories = once.Memories(keys);
    for (const auto& way : ways) {
        SCOPED_TRACE(way.Name);
        THistory history(dir.File(std::string(way.Name) + "/history.sqlite"));
        way.Arrive(history);
        std::ostringstream got;
        history.ExportCsv(got);
        EXPECT_EQ(got.str(), expected.str());
        EXPECT_EQ(history.NewCardsOn(DayOfMs(1700000000000)), 4) << "each card's first day";
        const auto after = history.Memories(keys);
        for (std::size_t k = 0; k < keys.size(); ++k) {
            ASSERT_TRUE(memories[k] && after[k]);
            EXPECT_EQ(MemoryFields(*after[k]), MemoryFields(*memories[k]));
        }
    }
}

// A writer kept waiting by another's transaction says so until its own is through, and only to others.
TEST(HistoryImport, AWriterWaitingForTheLockSaysSoUntilItIsThrough)
{
    TTempDir dir;
    const std::string path = dir.File("history.sqlite");
    THistory waiter(path);
    TWaitingWriters probe(path), other(path);
    probe.Waiting();
    EXPECT_FALSE(probe.Others()) << "its own word";
    other.Waiting();
    EXPECT_TRUE(probe.Others());
    other.Done();
    EXPECT_FALSE(probe.Others());

    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    ASSERT_EQ(sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread answer([&] {
        waiter.RecordAnswer({ 7, 9, "a", "t", 0 }, true, false, NoonOf(20000), 10, {}, false);
    });
    bool said = false;
    for (int i = 0; i < 300 && !said; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        said = probe.Others();
    }
    EXPECT_TRUE(said);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    answer.join();
    EXPECT_FALSE(probe.Others());
    EXPECT_EQ(waiter.AnswerCount(), 1);
    // One that gave up waiting says nothing more.
    ASSERT_EQ(sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    waiter.SetBusyTimeout(100);
    EXPECT_THROW(
        waiter.RecordAnswer({ 7, 9, "b", "t", 0 }, true, false, NoonOf(20000), 10, {}, false), THistoryError);
    EXPECT_FALSE(probe.Others());
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// Each answer's day is its local day, by the hour around changes of the clock and at midnight, in
// zones whose offset is not whole hours and one whose clock went back at midnight.
TEST(HistoryImport, AnswersKeepTheirLocalDayAcrossChangesOfTheClock)
{
    const struct {
        const char* Zone;
        std::int64_t Change; // seconds
    } zones[] = { { "Europe/Berlin", 1729990800 }, { "America/Sao_Paulo", 1550368800 },
        { "Australia/Lord_Howe", 1712415600 }, { "Asia/Kathmandu", 1700000000 } };
    TTempDir dir;
    for (const auto& z : zones) {
        SCOPED_TRACE(z.Zone);
        const TScopedEnv zone("TZ", z.Zone);
        std::string csv = Header;
        for (std::int64_t at = (z.Change - 86400) * 1000; at < (z.Change + 86400) * 1000;
             at += 7 * 60000 + 13)
            csv += Row("a", at - 1700000000000);
        THistory history(dir.File(std::string(z.Zone) + "/history.sqlite"));
        Import(history, csv);
        sqlite3* db = nullptr;
        sqlite3_open(history.Path().c_str(), &db);
        sqlite3_stmt* days = nullptr;
        sqlite3_prepare_v2(db, "SELECT time_ms, day FROM answers", -1, &days, nullptr);
        int rows = 0;
        for (; sqlite3_step(days) == SQLITE_ROW; ++rows)
            ASSERT_EQ(sqlite3_column_int64(days, 1), DayOfMs(sqlite3_column_int64(days, 0)))
                << sqlite3_column_int64(days, 0);
        sqlite3_finalize(days);
        sqlite3_close(db);
        EXPECT_GT(rows, 400);
    }
}

TEST(HistoryImport, AnswersFromElsewhereMergeAsTheirFileWouldOnceAndInRange)
{
    TTempDir dir;
    THistory history(dir.File("h.db"));
    const auto answer = [](const std::string& word, std::int64_t ms, bool correct) {
        THistoryAnswer made;
        made.Key = { 7, 9, word, "a, \"quoted\"\nline", 1 };
        made.UnixMs = ms;
        made.Correct = correct;
        return made;
    };
    const std::int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::system_clock::now().time_since_epoch())
                                 .count();
    const std::vector<THistoryAnswer> answers = { answer("eins", 1700000000000, true),
        answer("eins", 1700090000000, false), answer("zwei, drei", 1700000000000, true),
        answer("alt", 631151999999, true), answer("bald", now + 2 * 86400000, true) };
    int outOfRange = -1;
    EXPECT_EQ(history.ImportAnswers(answers, {}, outOfRange), 3);
    EXPECT_EQ(outOfRange, 2);
    EXPECT_EQ(history.ImportAnswers(answers, {}, outOfRange), 0);
    const auto memories = history.Memories({ answers[0].Key, answers[2].Key, answers[3].Key });
    ASSERT_TRUE(memories[0] && memories[1]);
    EXPECT_FALSE(memories[2]);
    EXPECT_EQ(memories[0]->Lapses, 1);
    std::ostringstream csv;
    history.ExportCsv(csv);
    EXPECT_NE(csv.str().find(",1700090000000,1,"), std::string::npos) << csv.str();
}
