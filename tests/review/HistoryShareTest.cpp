// Two histories sharing one folder: every answer reaches both once, however their clocks and the sync
// tool's copies go; a journal cut short is read on later, a foreign file is told once, and a
// history of the version before takes up sharing with its answers.

#include "review/HistoryJournal.h"
#include "review/ReviewSupport.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace {

TCardKey Key(const std::string& word, std::uint8_t direction = 0)
{
    return { 0x0407, 0x0409, word, "t", direction };
}

// Each answer as its word, direction, time, rating and duration, in order: what both machines must agree on.
std::vector<std::string> AnswersOf(THistory& history)
{
    std::ostringstream csv;
    history.ExportCsv(csv);
    std::istringstream in(csv.str());
    std::vector<std::string> answers;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');)
            f.push_back(field);
        answers.push_back(f[8] + ' ' + f[7] + ' ' + f[1] + ' ' + f[2] + ' ' + f[4]);
    }
    std::sort(answers.begin(), answers.end());
    return answers;
}

} // namespace

class HistoryShare : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directory(Folder); }
    void Answer(THistory& history, const std::string& word, std::int64_t ms, bool correct = true,
        std::uint8_t direction = 0)
    {
        history.RecordAnswer(Key(word, direction), correct, false, Base + ms, 10, P, false);
    }
    TShareResult Share(THistory& history) { return history.ShareThrough(Folder, P, Now); }
    std::string Journal(const std::string& part)
    {
        for (const auto& entry : fs::directory_iterator(Folder))
            if (entry.path().filename().string().find(part) != std::string::npos)
                return entry.path().string();
        return {};
    }

    TTempDir Dir;
    std::string Folder = Dir.File("shared");
    THistory A { Dir.File("a/history.sqlite") }, B { Dir.File("b/history.sqlite") };
    std::int64_t Now = std::int64_t { std::time(nullptr) } * 1000;
    std::int64_t Base = NoonOf(DayOfMs(Now) - 5);
    TSchedulerParameters P;
    static constexpr std::int64_t Day = 86400000, Minute = 60000;
};

TEST_F(HistoryShare, BothMachinesEndWithEveryAnswerOnceAndTheSameCards)
{
    // Given before sharing began: they go to the journal too.
    Answer(A, "Hund", 0);
    Answer(A, "Katze", Minute, false);
    EXPECT_EQ(Share(A).Written, 2);
    // B's clock runs three minutes behind: its answers interleave with A's on one card.
    Answer(B, "Hund", Day - 3 * Minute, false);
    Answer(A, "Hund", Day + Minute);
    Answer(B, "Hund", 2 * Day - 3 * Minute);
    Answer(B, "Hund", 2 * Day - 3 * Minute + 1, true, 1);
    Answer(A, "Maus", 3 * Day, false);
    Answer(A, "Maus", 3 * Day + 5 * Minute);
    const TShareResult b = Share(B);
    EXPECT_EQ(b.Written, 3);
    EXPECT_EQ(b.Merged, 2); // what A had written before
    const TShareResult a = Share(A);
    EXPECT_EQ(a.Written, 3);
    EXPECT_EQ(a.Merged, 3);
    EXPECT_EQ(Share(B).Merged, 3);
    for (THistory* history : { &A, &B }) {
        const TShareResult again = Share(*history);
        EXPECT_EQ(again.Written + again.Merged, 0);
        EXPECT_TRUE(again.Problems.empty());
    }
    // A clock set back: what was read stays read, though it now lies ahead of it.
    const TShareResult back = A.ShareThrough(Folder, P, Now - 4 * Day);
    EXPECT_EQ(back.Merged, 0);
    EXPECT_TRUE(back.Problems.empty());
    EXPECT_EQ(A.AnswerCount(), 8);
    EXPECT_EQ(AnswersOf(A), AnswersOf(B));
    const std::vector<TCardKey> keys = { Key("Hund"), Key("Hund", 1), Key("Katze"), Key("Maus") };
    const auto a1 = A.Memories(keys), b1 = B.Memories(keys);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        ASSERT_TRUE(a1[i] && b1[i]) << i;
        EXPECT_EQ(MemoryFields(*a1[i]), MemoryFields(*b1[i])) << keys[i].Word;
    }
    EXPECT_EQ(a1[0]->Reps, 3); // the second answer of its day is practice on both
}

TEST_F(HistoryShare, ConflictCopiesCutAndForeignFilesLoseNothingAndAreToldOnce)
{
    Answer(A, "Hund", 0);
    Answer(A, "Katze", Minute);
    Share(A);
    const std::string own = Journal("history-");
    ASSERT_FALSE(own.empty());
    // A crash left half a line behind: it is cut off before A writes on.
    WriteBytes(own, ReadBytes(own) + "0000000000000abc-9-");
    const TRecordedAnswer maus
        = A.RecordAnswer({ Key("Maus"), true, false, false, Base + 2 * Minute, 10, false, {} }, P);
    Share(A);
    // An append that fails advances nothing: the answers go with the next.
    fs::rename(own, own + ".kept");
    fs::create_directory(own);
    Answer(A, "Igel", 3 * Minute);
    EXPECT_THROW(Share(A), ESaidError);
    fs::remove(own);
    fs::rename(own + ".kept", own);
    EXPECT_EQ(Share(A).Written, 1);
    const std::string other = DeviceIdOf(0xd);
    // Numbered and timed as A's own answers are: told apart by the device.
    const auto line = [&](int n, const std::string& word) {
        const std::int64_t ms = Base + (n - 1) * Minute;
        return JournalLine({ JournalAnswerId(other, n, ms), Key(word), ms, 50, 3, false });
    };
    const std::string journal = ReadBytes(own);
    const std::string stem = fs::path(own).stem().string();
    WriteBytes(
        Folder + "/" + stem + ".sync-conflict-20261209-101010-ABCDEFG.vmjournal", journal + line(1, "Vogel"));
    WriteBytes(Folder + "/" + stem + " (conflicted copy 2026-12-09 101010).vmjournal", journal);
    const std::string cut = Folder + "/history-" + other + "-2026-12.vmjournal";
    const std::string second = line(2, "Fisch");
    WriteBytes(cut, std::string(JournalHeader) + line(3, "Bär") + second.substr(0, 20));
    WriteBytes(Folder + "/notes (conflicted copy).vmjournal", "not a journal\n");
    WriteBytes(Folder + "/history.sqlite", "never read");

    TShareResult b = Share(B);
    EXPECT_EQ(b.Merged, 6);
    ASSERT_EQ(b.Problems.size(), 1U);
    EXPECT_NE(b.Problems[0].Text().find("notes (conflicted copy).vmjournal"), std::string::npos);
    WriteBytes(cut, std::string(JournalHeader) + line(3, "Bär") + second);
    b = Share(B);
    EXPECT_EQ(b.Merged, 1);
    EXPECT_TRUE(b.Problems.empty());
    EXPECT_EQ(B.AnswerCount(), 7);
    // Damaged after it was read whole: told, once.
    WriteBytes(cut, std::string(JournalHeader) + "x" + line(3, "Bär") + second);
    EXPECT_EQ(Share(B).Problems.size(), 1U);
    EXPECT_TRUE(Share(B).Problems.empty());
    WriteBytes(cut, std::string(JournalHeader) + line(3, "Bär") + second);
    // A's own lines come back through the copies: known by their ids, also with a rating changed since.
    A.ChangeRating(maus, TRating::Easy, P);
    EXPECT_EQ(Share(A).Merged, 3);
    EXPECT_EQ(A.AnswerCount(), 7);
}

TEST_F(HistoryShare, AHistoryOfTheVersionBeforeSharesItsAnswers)
{
    const std::string path = Dir.File("old/history.sqlite");
    {
        THistory old(path);
        old.RecordAnswer(Key("Hund"), true, false, Base, 10, P, false);
    }
    Sql(path,
        "DROP INDEX answers_origin; ALTER TABLE answers DROP COLUMN origin; DROP TABLE shared_device; "
        "DROP TABLE shared_folders; DROP TABLE shared_files; PRAGMA user_version = 2");
    THistory old(path);
    EXPECT_EQ(Sql(path, "PRAGMA user_version"), 3);
    EXPECT_EQ(old.ShareThrough(Folder, P, Now).Written, 1);
    EXPECT_EQ(Share(B).Merged, 1);
    for (const std::string& folder : { Dir.File("missing"), Dir.File("b"), Dir.Path().string() })
        EXPECT_THROW(B.ShareThrough(folder, P, Now), ESaidError) << folder;
}

// Answers carried over by hand before sharing and answers of one card, millisecond and rating on
// both (taken as one), ratings changed after their answers went out (one under a later answer of
// the other machine), an older change read after a newer, journals gone from the folder, an answer
// whose change came first: every history ends with the same answers and cards.
TEST_F(HistoryShare, ChangedRatingsGoneJournalsAndCopiedAnswersEndTheSameEverywhere)
{
    const std::int64_t old = Base - 40 * Day;
    const auto answer = [&](THistory& history, const char* word, std::int64_t ms) {
        return history.RecordAnswer({ Key(word), true, false, false, ms, 10, false, {} }, P);
    };
    answer(A, "Hund", Base);
    answer(B, "Hund", Base);
    answer(A, "Fuchs", old - Day);
    std::stringstream exported;
    A.ExportCsv(exported);
    EXPECT_EQ(B.ImportCsv(exported, P), 1);
    const TRecordedAnswer katze = answer(A, "Katze", old), maus = answer(A, "Maus", Base + Minute);
    EXPECT_EQ(Share(A).Written, 4);
    const std::string device = fs::path(Journal(".vmjournal")).filename().string().substr(8, 16);
    const auto file = [&](auto name, std::int64_t ms) { return Folder + "/" + name(device, ms); };
    Share(B);
    answer(B, "Maus", Base + Day);
    Share(B);
    EXPECT_EQ(Share(A).Merged, 1);
    A.ChangeRating(maus, TRating::Again, P);
    Share(A);
    const std::string changes = file(ChangesName, Base), older = ReadBytes(changes);
    A.ChangeRating(maus, TRating::Easy, P);
    A.ChangeRating(katze, TRating::Hard, P);
    THistory late(Dir.File("late/history.sqlite"));
    // A's journal of this month away: the change comes before its answer.
    const std::string journal = file(JournalName, Base);
    EXPECT_EQ(Share(A).Written, 0);
    fs::rename(journal, Dir.File("kept"));
    EXPECT_EQ(late.ShareThrough(Folder, P, Now).Merged, 4); // B's, and A's of the month before (one Fuchs)
    fs::rename(Dir.File("kept"), journal);
    WriteBytes(
        fs::path(changes).replace_extension(".sync-conflict-20261209-101010-ABCDEFG.vmchanges"), older);
    EXPECT_TRUE(fs::remove(file(JournalName, old)) && fs::remove(file(ChangesName, old)));
    EXPECT_EQ(Share(B).Merged, 0);
    EXPECT_EQ(Share(A).Written, 2);
    EXPECT_EQ(Share(B).Merged, 0);
    EXPECT_EQ(late.ShareThrough(Folder, P, Now).Merged, 1);
    EXPECT_EQ(B.ImportAnswers({ { Key("Maus"), Base + Minute, 10, 4, false,
                                  JournalAnswerId(device, maus.Id, Base + Minute) } },
                  P),
        0);
    const std::vector<TCardKey> keys = { Key("Hund"), Key("Fuchs"), Key("Katze"), Key("Maus") };
    const auto a = A.Memories(keys);
    EXPECT_EQ(A.AnswerCount(), 5);
    for (THistory* other : { &B, &late }) {
        EXPECT_EQ(AnswersOf(*other), AnswersOf(A));
        const auto b = other->Memories(keys);
        for (std::size_t i = 0; i < keys.size(); ++i)
            EXPECT_EQ(MemoryFields(*b[i]), MemoryFields(*a[i])) << keys[i].Word;
    }
    EXPECT_EQ(MemoryFields(*a[3]),
        MemoryFields(ScheduleAnswer(
            ScheduleAnswer({}, TRating::Easy, DayOfMs(Base), P), TRating::Good, DayOfMs(Base + Day), P)));
}
