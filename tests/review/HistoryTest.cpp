// The review history: what it schedules and keeps as practice, where and how privately it lives,
// files it must refuse untouched and two writers at once (new cards counted across both); the CSV
// exchange: HistoryImportTest, its progress figures: ReviewProgressTest. A lock held too long:
// ReviewModeTest.

#include "review/History.h"

#include "review/ReviewQueue.h"
#include "review/ReviewSupport.h"
#include "support/ChildProcess.h"
#include "support/MessageOf.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <regex>
#include <sqlite3.h>
#include <sstream>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr TDay Day0 = 20000;

TCardKey Key(const std::string& word, const std::string& translations = "t", std::uint8_t direction = 0)
{
    return { 7, 9, word, translations, direction };
}

void ExpectSameMemory(const std::optional<TMemory>& got, const TMemory& expected)
{
    ASSERT_TRUE(got);
    EXPECT_EQ(MemoryFields(*got), MemoryFields(expected));
}

// Runs work(i) for i below count in as many child processes at once; each succeeds unless it throws.
void InChildren(int count, const std::function<void(int)>& work)
{
    std::vector<pid_t> children;
    for (int i = 0; i < count; ++i) {
        if (const pid_t child = ::fork(); child == 0) {
            try {
                work(i);
            } catch (const std::exception& error) {
                std::fprintf(stderr, "child %d: %s\n", i, error.what());
                ::_exit(1);
            }
            ::_exit(0);
        } else {
            children.push_back(child);
        }
    }
    for (const pid_t child : children) {
        int status = -1;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
}

class HistoryTest : public ::testing::Test {
protected:
    // A first answer of its session, without a hint, at noon of the day after Day0 (ms later).
    TMemory Answer(THistory& history, const TCardKey& key, bool correct, TDay day = 0, std::int64_t ms = 0)
    {
        return history.RecordAnswer(key, correct, false, NoonOf(Day0 + day) + ms, 10, P, false);
    }

    TTempDir Dir;
    std::string Path = Dir.File("private/history.sqlite");
    TSchedulerParameters P;
};

TEST_F(HistoryTest, OnlyTheFirstAnswerOfADaySchedulesTheCard)
{
    struct TStep {
        TDay Day;
        bool Correct, Hint = false, Repeat = false; // Repeat: failed earlier in the session
        bool Schedules = true;
        std::int64_t FromNoonMs = 0;
    };
    constexpr std::int64_t Late = (11 * 60 + 59) * 60000; // 23:59 from noon
    const struct {
        const char* Name;
        std::vector<TStep> Steps;
    } cases[] = {
        { "daily answers", { { 0, true }, { 3, true }, { 10, false }, { 11, true } } },
        { "second answer of a day", { { 0, true }, { 0, false, false, false, false }, { 2, true } } },
        { "wrong then repeated right", { { 0, false }, { 0, true, false, true, false }, { 1, true } } },
        { "hint rated hard", { { 0, true, true }, { 1, true, true }, { 30, true } } },
        { "clock gone back", { { 5, true }, { 3, false, false, false, false } } },
        { "relearning just after midnight stays practice",
            { { 0, true }, { 4, false, false, false, true, Late }, { 5, true, false, true, false, -Late } } },
        { "a minute either side of midnight",
            { { 0, true, false, false, true, Late }, { 1, false, false, false, true, -Late } } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::filesystem::remove_all(Dir.File("private"));
        THistory history(Path);
        TMemory expected;
        for (const TStep& step : c.Steps) {
            const TMemory after
                = history
                      .RecordAnswer({ Key("Hund"), step.Correct, step.Hint, false,
                                        NoonOf(Day0 + step.Day) + step.FromNoonMs, 1500, step.Repeat, {} },
                          P)
                      .After;
            if (step.Schedules)
                expected
                    = ScheduleAnswer(expected, RatingOf(step.Correct, step.Hint, false), Day0 + step.Day, P);
            ExpectSameMemory(after, expected);
        }
        ExpectSameMemory(history.Memories({ Key("Hund") })[0], expected);
        EXPECT_EQ(history.AnswerCount(), static_cast<std::int64_t>(c.Steps.size()));
    }
}

TEST_F(HistoryTest, LivesPrivatelyInTheDataFolderAndKeepsItsAnswers)
{
    {
        const TDataHome home;
        const std::string folder = home.Dir().File("data") + "/Brannock/Velmoria/recovery";
        EXPECT_EQ(THistory::DefaultPath(), folder + "/history.sqlite");
        THistory history(THistory::DefaultPath());
        Answer(history, Key("a"), true);
        EXPECT_EQ(ModeOf(THistory::DefaultPath()), 0600u);
        EXPECT_EQ(ModeOf(THistory::DefaultPath() + "-wal"), 0600u);
        EXPECT_EQ(ModeOf(folder), 0700u);
    }
    // A folder others may read is made private; the file keeps what was written.
    std::filesystem::create_directories(Dir.File("private"));
    ::chmod(Dir.File("private").c_str(), 0755);
    {
        THistory history(Path);
        Answer(history, Key("a"), true);
    }
    EXPECT_EQ(ModeOf(Dir.File("private")), 0700u);
    THistory again(Path);
    EXPECT_EQ(again.AnswerCount(), 1);
    EXPECT_TRUE(again.Memories({ Key("a") })[0]);
}

TEST_F(HistoryTest, RefusesWhatItCannotUseAndLeavesTheFileAlone)
{
    const struct {
        const char* Name;
        std::function<void(const std::string& path)> Make;
        const char* Cause;
    } cases[] = {
        { "no database", [](const std::string& p) { WriteBytes(p, std::string(5000, 'x')); }, "damaged" },
        { "damaged header",
            [](const std::string& p) {
                WriteBytes(p, std::string("SQLite format 3\0", 16) + std::string(4080, '\xff'));
            },
            "damaged" },
        { "newer version", [](const std::string& p) { Sql(p, "PRAGMA user_version = 99"); },
            "newer version" },
        { "read-only file",
            [](const std::string& p) {
                THistory { p };
                ::chmod(p.c_str(), 0400);
            },
            "cannot be kept" },
        { "folder is a file",
            [](const std::string& p) { WriteBytes(std::filesystem::path(p).parent_path(), "x"); }, "folder" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        if (std::string(c.Name) == "read-only file" && ::geteuid() == 0)
            continue; // the superuser writes anyway
        std::filesystem::remove_all(Dir.File("private"));
        if (std::string(c.Name) != "folder is a file")
            std::filesystem::create_directories(Dir.File("private"));
        c.Make(Path);
        const std::string before = std::filesystem::is_regular_file(Path) ? ReadBytes(Path) : "";
        const auto start = std::chrono::steady_clock::now();
        const std::string error = MessageOf<THistoryError>([&] {
            THistory history(Path);
            Answer(history, Key("a"), true);
        });
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2))
            << "not waited for as a lock";
        EXPECT_TRUE(Contains(error, Path) && Contains(error, c.Cause)) << error;
        if (std::filesystem::is_regular_file(Path)) {
            EXPECT_EQ(ReadBytes(Path), before);
        }
    }
}

// A few keys are looked up one by one, many in one pass over their languages' cards: both find the
// same memories, across languages and directions, with repeated keys and texts that only differ
// where one ends and the other begins. So they do with two cards of one stored hash (as a collision
// would make them), told apart by their texts, and in a file made before the stored hashes, which
// gets them when it is opened.
TEST_F(HistoryTest, FewAndManyKeysFindTheSameMemories)
{
    std::vector<TCardKey> answered;
    std::vector<TMemory> expected;
    {
        THistory history(Path);
        for (int i = 0; i < 60; ++i) {
            answered.push_back(Key("w" + std::to_string(i), "t", static_cast<std::uint8_t>(i % 2)));
            answered.back().NativeLanguage = static_cast<std::uint16_t>(9 + i % 3);
            expected.push_back(Answer(history, answered.back(), i % 4 != 0, -(i % 9)));
        }
        answered.push_back(Key("ab", "c"));
        expected.push_back(Answer(history, answered.back(), false, -3));
    }
    const std::vector<TCardKey> unanswered { Key("a", "bc"), Key("w1", "t", 0), Key("w0", "t", 1),
        Key("w2") };
    std::vector<TCardKey> all = answered;
    all.insert(all.end(), unanswered.begin(), unanswered.end());
    all.insert(all.end(), answered.begin(), answered.begin() + 5); // repeated
    const auto expectAll = [&](const char* step, const std::string& forged = "") {
        SCOPED_TRACE(step);
        THistory history(Path);
        const auto many = history.Memories(all);
        ASSERT_EQ(many.size(), all.size());
        for (std::size_t i = 0; i < all.size(); ++i) {
            SCOPED_TRACE(all[i].Word + " " + std::to_string(all[i].Direction));
            if (all[i].Word == forged)
                continue; // its stored hash is no longer its own
            const std::optional<TMemory> one = history.Memories({ all[i] })[0];
            const bool isNew = i >= answered.size() && i < answered.size() + unanswered.size();
            ASSERT_EQ(one.has_value(), !isNew);
            ASSERT_EQ(many[i].has_value(), !isNew);
            if (!isNew) {
                const TMemory& of
                    = expected[i < answered.size() ? i : i - answered.size() - unanswered.size()];
                ExpectSameMemory(one, of);
                ExpectSameMemory(many[i], of);
            }
        }
    };
    expectAll("as written");
    // w0 and w6 are cards of one language pair and direction, w0 failed and w6 not.
    ASSERT_NE(expected[0].Stability, expected[6].Stability);
    Sql(Path,
        "UPDATE cards SET key_hash = " + std::to_string(StoredHashOf(ViewOf(answered[0])))
            + " WHERE word = 'w6'");
    expectAll("two cards of one hash", "w6");
    Sql(Path, "DROP INDEX cards_key_hash; ALTER TABLE cards DROP COLUMN key_hash; PRAGMA user_version = 1");
    expectAll("a file without hashes");
    {
        THistory history(Path);
        EXPECT_EQ(history.AnswerCount(), 61);
        Answer(history, Key("neu"), true);
    }
    EXPECT_TRUE(THistory(Path).Memories({ Key("neu") })[0]);
}

TEST_F(HistoryTest, TwoProcessesWritingAtOnceLoseNothing)
{
    THistory { Path };
    constexpr int Answers = 150;
    InChildren(2, [this](int writer) {
        THistory history(Path);
        // Both on the same cards, so the writes meet on the same rows too.
        for (int i = 0; i < Answers; ++i)
            Answer(history, Key("w" + std::to_string(i % 10)), i % 3 != 0, i / 10, writer);
    });
    THistory history(Path);
    EXPECT_EQ(history.AnswerCount(), 2 * Answers);
    EXPECT_EQ(history.NewCardsOn(Day0), 10);
}

// Copies of the program started together make or upgrade one history once, and all of them use it.
TEST_F(HistoryTest, CopiesStartingTogetherAllOpenANewOrAnOldHistory)
{
    for (const bool old : { false, true }) {
        SCOPED_TRACE(old ? "an old version's" : "a new one");
        std::filesystem::remove_all(Dir.File("private"));
        if (old) {
            {
                THistory history(Path);
                Answer(history, Key("a"), true);
            }
            Sql(Path,
                "DROP INDEX cards_key_hash; ALTER TABLE cards DROP COLUMN key_hash; PRAGMA user_version = 1");
        }
        const auto start = std::chrono::steady_clock::now() + std::chrono::milliseconds(150);
        InChildren(6, [&](int copy) {
            std::this_thread::sleep_until(start);
            THistory history(Path);
            Answer(history, Key("w" + std::to_string(copy)), true);
        });
        THistory history(Path);
        EXPECT_EQ(history.AnswerCount(), old ? 7 : 6);
        EXPECT_TRUE(history.Memories({ Key("a") })[0].has_value() == old);
    }
}

// A long import beside a review: the review's answers wait a fraction of a second, not the import.
// Every second answer is to a card it has just brought, so its batches end on a card found.
TEST_F(HistoryTest, AReviewBesideALongImportKeepsBeingAnswered)
{
    std::ostringstream csv;
    csv << "card_id,review_time,review_rating,review_state,review_duration,foreign_language,native_language,"
           "direction,word,translations\n";
    for (int i = 0; i < 60000; ++i)
        csv << i << ',' << 1700000000000 + i << ",3,0,100,7,9,0,w" << i / 2 << ",t\n";
    THistory reviewer(Path);
    reviewer.SetBusyTimeout(3000);
    std::atomic<bool> importing = true;
    std::chrono::steady_clock::duration took {};
    std::thread import([&] {
        try {
            THistory history(Path);
            std::istringstream in(csv.str());
            const auto start = std::chrono::steady_clock::now();
            EXPECT_EQ(history.ImportCsv(in), 60000);
            took = std::chrono::steady_clock::now() - start;
        } catch (const THistoryError& error) {
            ADD_FAILURE() << error.what();
        }
        importing = false;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    int answered = 0;
    std::chrono::steady_clock::duration longest {};
    for (; importing; ++answered) {
        const auto asked = std::chrono::steady_clock::now();
        EXPECT_NO_THROW(Answer(reviewer, Key("r" + std::to_string(answered)), true));
        longest = std::max(longest, std::chrono::steady_clock::now() - asked);
        std::this_thread::sleep_for(std::chrono::milliseconds(50)); // a quick learner's pace
    }
    import.join();
    EXPECT_GE(answered, 1);
    EXPECT_EQ(reviewer.AnswerCount(), 60000 + answered);
    // Held for the whole import, the first answer would wait about as long as it.
    EXPECT_LT(longest, took / 2);
}

// Where the user may not write: the history is read (counted, exported), and a write says why.
TEST_F(HistoryTest, AHistoryThatMayNotBeWrittenIsStillRead)
{
    {
        THistory history(Path);
        Answer(history, Key("a"), true);
    }
    for (const std::string& path : { Dir.Path().string(), Dir.File("private"), Path })
        ASSERT_TRUE(::geteuid() != 0 || ::chown(path.c_str(), 65534, 65534) == 0) << path;
    ::chmod(Path.c_str(), 0400);
    const std::string seen = InChildProcess([&]() -> std::string {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            return "cannot drop privileges";
        if (const std::string opened = MessageOf<THistoryError>([&] { THistory { Path }; });
            opened != NoError)
            return opened;
        THistory history(Path);
        std::ostringstream csv;
        history.ExportCsv(csv);
        const auto problem = [&](const std::function<void()>& write) {
            try {
                write();
            } catch (const THistoryError& error) {
                return error.Problem == THistoryProblem::ReadOnly && Contains(error.what(), "cannot be kept");
            }
            return false;
        };
        return std::to_string(history.ReadOnly()) + std::to_string(history.AnswerCount())
            + std::to_string(std::ranges::count(csv.str(), '\n'))
            + std::to_string(problem([&] { Answer(history, Key("b"), true); }))
            + std::to_string(problem([&] { history.SetLearnerParameters(DefaultWeights, 1); }))
            + std::to_string(problem([&] { history.ResetLearnerParameters(); }));
    });
    EXPECT_EQ(seen, "112111");
}

// A journal left by a killed copy is applied; one of another history is set aside, whole.
TEST_F(HistoryTest, AJournalOfAnotherHistoryIsSetAsideAndAKilledCopysIsApplied)
{
    // Answers left in the journal of a copy killed before it closed the history.
    const auto killedWriting = [this](const std::string& path, const std::string& word, int answers) {
        InChildren(1, [&](int) {
            THistory history(path);
            for (int i = 0; i < answers; ++i)
                Answer(history, Key(word + std::to_string(i)), true, 0, i);
            ::_exit(0); // the history never closed
        });
        ASSERT_TRUE(std::filesystem::file_size(path + "-wal") > 0);
    };
    const std::string other = Dir.File("other/history.sqlite");
    killedWriting(Path, "mine", 5);
    {
        THistory history(Path);
        EXPECT_EQ(history.Notice().Text(), "");
        EXPECT_EQ(history.AnswerCount(), 5) << "the killed copy's answers";
    }
    ASSERT_FALSE(std::filesystem::exists(Path + "-wal"));
    const std::string before = ReadBytes(Path);
    killedWriting(other, "theirs", 2);
    std::filesystem::copy_file(other + "-wal", Path + "-wal");
    {
        THistory history(Path);
        EXPECT_TRUE(
            Contains(history.Notice().Text(), Path) && Contains(history.Notice().Text(), "another history"))
            << history.Notice().Text();
        EXPECT_EQ(history.AnswerCount(), 5);
        EXPECT_FALSE(history.Memories({ Key("theirs0") })[0]);
    }
    EXPECT_EQ(ReadBytes(Path), before);
    int setAside = 0, left = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Dir.File("private"))) {
        setAside += static_cast<int>(entry.path().string().starts_with(Path + "-wal.other-"));
        left += static_cast<int>(entry.path().filename().string().starts_with(".history-check"));
    }
    EXPECT_EQ(std::pair(setAside, left), std::pair(1, 0));
    // A journal of pages of another size is no continuation, whatever SQLite would make of it.
    killedWriting(Path, "late", 1);
    std::string wal = ReadBytes(Path + "-wal");
    wal.replace(8, 4, std::string("\0\0\x10\0", 4));
    WriteBytes(Path + "-wal", wal);
    EXPECT_NE(THistory(Path).Notice().Text(), "");
    // Nor is one that is no journal at all; set aside within a second of another, both are kept.
    killedWriting(Path, "broken", 1);
    wal = ReadBytes(Path + "-wal");
    wal[0] = 'x';
    WriteBytes(Path + "-wal", wal);
    EXPECT_NE(THistory(Path).Notice().Text(), "");
    std::vector<std::string> aside;
    for (const auto& entry : std::filesystem::directory_iterator(Dir.File("private")))
        if (entry.path().string().starts_with(Path + "-wal.other-"))
            aside.push_back(entry.path().filename().string());
    EXPECT_EQ(aside.size(), 3u);
    for (const std::string& name : aside)
        EXPECT_TRUE(std::regex_match(name, std::regex(R"(history\.sqlite-wal\.other-\d{8}-\d{6}(-\d+)?)")))
            << name;
    // An open history's journal is its own: a second connection leaves it alone.
    THistory open(Path);
    Answer(open, Key("more"), true, 1);
    THistory second(Path);
    EXPECT_EQ(second.Notice().Text(), "");
    EXPECT_EQ(second.AnswerCount(), 6);
}

// Threads of one program opening the history while another writes (the due count beside the
// window): the journal in use is never taken for another history's.
TEST_F(HistoryTest, ThreadsOpeningWhileOneWritesLeaveTheJournalAlone)
{
    constexpr int Writes = 40, Answers = 60;
    std::atomic<bool> writing = true;
    const auto opened = [this](const std::function<void(THistory&)>& use) {
        try {
            THistory history(Path);
            EXPECT_EQ(history.Notice().Text(), "");
            use(history);
        } catch (const THistoryError& error) {
            ADD_FAILURE() << error.what();
        }
    };
    // Each close of the writer's leaves a journal to fold in while the others open.
    std::thread writer([&] {
        for (int i = 0; i < Writes; ++i)
            opened([&](THistory& history) {
                for (int a = 0; a < Answers; ++a)
                    Answer(history, Key("w" + std::to_string(a)), true, i, a);
            });
        writing = false;
    });
    std::vector<std::thread> readers;
    for (int t = 0; t < 1; ++t)
        readers.emplace_back([&] {
            while (writing) {
                opened([](THistory& history) { history.AnswerCount(); });
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
    writer.join();
    for (std::thread& reader : readers)
        reader.join();
    EXPECT_EQ(THistory(Path).AnswerCount(), Writes * Answers);
}

// A damaged history is found when it is opened after a change: it is read as far as it can be,
// never written, and its answers that can still be read are exported.
TEST_F(HistoryTest, DamageFoundAtOpenKeepsTheHistoryFromBeingWritten)
{
    constexpr int Answers = 3000;
    {
        std::ostringstream csv;
        csv << "card_id,review_time,review_rating,review_state,review_duration,foreign_language,"
               "native_language,direction,word,translations\n";
        for (int i = 0; i < Answers; ++i)
            csv << i << ',' << 1700000000000 + std::int64_t { i } * 60000 << ",3,0,100,7,9,0,w" << i % 500
                << ",t\n";
        THistory history(Path);
        std::istringstream in(csv.str());
        ASSERT_EQ(history.ImportCsv(in), Answers);
    }
    // The last answer far past the others: a rescue reads on up to the highest id there is.
    Sql(Path, "UPDATE answers SET id = 300000 WHERE id = (SELECT MAX(id) FROM answers)");
    // A leaf of the answers in the middle of the table.
    sqlite3* db = nullptr;
    sqlite3_stmt* leaf = nullptr;
    sqlite3_open(Path.c_str(), &db);
    sqlite3_prepare_v2(
        db, "SELECT pageno FROM dbstat WHERE name = 'answers' AND pagetype = 'leaf'", -1, &leaf, nullptr);
    std::vector<std::int64_t> pages;
    while (leaf && sqlite3_step(leaf) == SQLITE_ROW)
        pages.push_back(sqlite3_column_int64(leaf, 0));
    sqlite3_finalize(leaf);
    sqlite3_close(db);
    if (pages.size() < 3)
        GTEST_SKIP() << "no page statistics in this SQLite";
    const std::string clean = ReadBytes(Path);
    struct stat cleanTime { };
    ::stat(Path.c_str(), &cleanTime);
    std::string damaged = clean;
    const std::size_t page = static_cast<std::size_t>(pages[pages.size() / 2] - 1) * 16384;
    std::fill(damaged.begin() + static_cast<std::ptrdiff_t>(page) + 8,
        damaged.begin() + static_cast<std::ptrdiff_t>(page) + 4000, '\x5A');
    WriteBytes(Path, damaged);
    {
        // A count reads before the check it put off; the check finds what one at the open would.
        THistory counting(Path, THistory::TCheck::Later);
        EXPECT_FALSE(counting.Damaged());
        counting.Check();
        EXPECT_TRUE(counting.Damaged() && Contains(counting.Notice().Text(), "damaged"));
    }
    {
        THistory history(Path);
        EXPECT_TRUE(history.Damaged() && history.ReadOnly());
        EXPECT_TRUE(Contains(history.Notice().Text(), "damaged")
            && Contains(history.Notice().Text(), "history export"))
            << history.Notice().Text();
        EXPECT_THROW(Answer(history, Key("new"), true, 9), THistoryError);
        EXPECT_THROW(history.ChangeRating({ 1, Day0, TRating::Good, false, {}, {} }, TRating::Again, P),
            THistoryError);
        std::ostringstream csv;
        const std::int64_t rescued = history.ExportCsv(csv);
        EXPECT_GT(rescued, Answers / 2);
        EXPECT_LT(rescued, Answers);
        EXPECT_EQ(std::ranges::count(csv.str(), '\n'), rescued + 1);
        EXPECT_TRUE(
            Contains(csv.str(), std::to_string(1700000000000 + std::int64_t { Answers - 1 } * 60000)));
        THistory fresh(Dir.File("fresh.sqlite"));
        std::istringstream in(csv.str());
        EXPECT_EQ(fresh.ImportCsv(in), rescued);
    }
    EXPECT_EQ(ReadBytes(Path), damaged) << "a damaged history is never written";
    // Damage that kept the file's size and time of change is not looked for again: checked once.
    WriteBytes(Path, clean);
    const timespec times[2] = { cleanTime.st_atim, cleanTime.st_mtim };
    ::utimensat(AT_FDCWD, Path.c_str(), times, 0);
    EXPECT_FALSE(THistory(Path).Damaged());
    WriteBytes(Path, damaged);
    ::utimensat(AT_FDCWD, Path.c_str(), times, 0);
    EXPECT_FALSE(THistory(Path).Damaged());
}

// A full disk is named as such; what was kept before it stays readable.
TEST_F(HistoryTest, AFullDiskIsToldAndKeepsWhatWasWritten)
{
    const std::string disk = Dir.File("disk");
    std::filesystem::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=1m") != 0)
        GTEST_SKIP() << "no tmpfs may be mounted here: " << std::strerror(errno);
    const std::string path = disk + "/h/history.sqlite";
    int kept = 0;
    std::string message;
    THistoryProblem problem = THistoryProblem::Other;
    try {
        THistory history(path);
        for (; kept < 10000; ++kept)
            Answer(history, Key(std::string(2000, 'w') + std::to_string(kept)), true);
    } catch (const THistoryError& error) {
        message = error.what();
        problem = error.Problem;
    }
    EXPECT_TRUE(Contains(message, "the disk is full") && Contains(message, path)) << message;
    EXPECT_EQ(problem, THistoryProblem::Full);
    EXPECT_GT(kept, 0);
    EXPECT_EQ(THistory(path).AnswerCount(), kept);
    ::umount2(disk.c_str(), MNT_DETACH);
}

// The default place is checked up to the user's data folder, as the recovery copies' is.
TEST_F(HistoryTest, ADataFolderOthersMayChangeIsRefused)
{
    TScopedEnv data("XDG_DATA_HOME", Dir.File("data"));
    std::filesystem::create_directories(Dir.File("data/Brannock"));
    ::chmod(Dir.File("data/Brannock").c_str(), 0777);
    const std::string error = MessageOf<THistoryError>([] { THistory history(THistory::DefaultPath()); });
    EXPECT_TRUE(Contains(error, "Anyone may change its folder") && Contains(error, "Brannock")) << error;
    EXPECT_FALSE(std::filesystem::exists(THistory::DefaultPath()));
    ::chmod(Dir.File("data/Brannock").c_str(), 0755);
    EXPECT_NO_THROW(THistory { THistory::DefaultPath() });
}

} // namespace
