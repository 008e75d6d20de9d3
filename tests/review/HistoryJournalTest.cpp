// The journals a history is shared through, without a database: what a line carries, how far a
// file is read (a cut line, a grown file, a replaced one), which files are foreign or damaged and
// told once, which names are journals, and mutated files that never give a partial or changed answer.

#include "review/HistoryJournal.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <zlib.h>

namespace {

constexpr std::int64_t Latest = 1800000000000;
const std::string Device = DeviceIdOf(0x9abcdef);

TJournalAnswer Answer(int n, std::string word = "Hund", std::string translations = "dog")
{
    const std::int64_t ms = 1700000000000 + std::int64_t { n } * 60000;
    return { JournalAnswerId(Device, n, ms),
        { 0x0407, 0x0409, std::move(word), std::move(translations), static_cast<std::uint8_t>(n % 2) }, ms,
        n * 100, 1 + n % 4, n % 3 == 0 };
}

std::string Journal(const std::vector<TJournalAnswer>& answers)
{
    std::string bytes(JournalHeader);
    for (const auto& answer : answers)
        bytes += JournalLine(answer);
    return bytes;
}

// A line of these fields with a checksum that fits them.
std::string Signed(const std::string& fields)
{
    const std::string body = fields + '\t';
    char crc[16];
    std::snprintf(crc, sizeof crc, "%08lx",
        crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size())));
    return body + crc + '\n';
}

} // namespace

TEST(HistoryJournal, ALineIsSoundOnlyWithEveryFieldInRange)
{
    const std::string id = JournalAnswerId(Device, 7, 1700000000000) + "\t1700000000000";
    const struct {
        std::string Fields;
        bool Sound;
    } cases[] = {
        { id + "\t4\t0\t1\t65535\t0\t1\tw\\t\tt", true },
        { id + "\t1\t2147483647\t0\t0\t0\t0\t\t", true },
        { id + "\t5\t0\t0\t7\t9\t0\tw\tt", false },
        { id + "\t0\t0\t0\t7\t9\t0\tw\tt", false },
        { id + "\t3\t-1\t0\t7\t9\t0\tw\tt", false },
        { id + "\t3\t9000000000\t0\t7\t9\t0\tw\tt", true },
        { id + "\t3\t0\t2\t7\t9\t0\tw\tt", false },
        { id + "\t3\t0\t0\t65536\t9\t0\tw\tt", false },
        { id + "\t3\t0\t0\t7\t-9\t0\tw\tt", false },
        { id + "\t3\t0\t0\t7\t9\t2\tw\tt", false },
        { id + "\t3\t0\t0\t7\t9\t0\tw\\q\tt", false },
        { id + "\t3\t0\t0\t7\t9\t0\tw\tt\\", false },
        { id + "\t3\t0\t0\t7\t9\t0\tw", false },
        { id + "\t3\t0\t0\t7\t9\t0\tw\tt\tu", false },
        { id + "\t3\t0\t0\t7\t9\t0x\tw\tt", false },
        { "abc-7-1\t1700000000000\t3\t0\t0\t7\t9\t0\tw\tt", false },
        { JournalAnswerId(Device, 7, 0) + "\t631151999999\t3\t0\t0\t7\t9\t0\tw\tt", false },
        { JournalAnswerId(Device, 7, 0) + "\t631152000000\t3\t0\t0\t7\t9\t0\tw\tt", true },
        { JournalAnswerId(Device, 7, 0) + "\t" + std::to_string(Latest + 1) + "\t3\t0\t0\t7\t9\t0\tw\tt",
            false },
        { JournalAnswerId(Device, 7, 0) + "\t" + std::to_string(Latest) + "\t3\t0\t0\t7\t9\t0\tw\tt", true },
    };
    for (const auto& c : cases) {
        const TJournalRead read = ReadJournal("j", std::string(JournalHeader) + Signed(c.Fields), {}, Latest);
        EXPECT_EQ(read.Answers.size(), c.Sound ? 1U : 0U) << c.Fields;
    }
    std::string wrongSum = Signed(cases[0].Fields);
    wrongSum[wrongSum.size() - 2] ^= 1;
    EXPECT_TRUE(ReadJournal("j", std::string(JournalHeader) + wrongSum, {}, Latest).Answers.empty());
}

TEST(HistoryJournal, AnswersComeBackAsTheyWereWritten)
{
    const std::vector<TJournalAnswer> answers
        = { Answer(1), Answer(2, "a\tb\\n", "x\ny\r\\"), Answer(3, "", ""),
              Answer(4, "Straße \xE2\x80\x94 \xF0\x9F\x90\x95", "street"), Answer(5, "\\t", "\\") };
    const TJournalRead read = ReadJournal("j", Journal(answers), {}, Latest);
    EXPECT_EQ(read.Answers, answers);
    EXPECT_TRUE(read.Problem.Empty());
    EXPECT_FALSE(read.Mark.Skipped);
    std::string_view device;
    std::int64_t number = 0;
    ASSERT_TRUE(SplitJournalAnswerId(answers[1].Id, device, number));
    EXPECT_EQ(device, Device);
    EXPECT_EQ(number, 2);
    for (const char* id : { "abc-1-1", "00000000000abcx-1-1", "0000000009abcdef-0-5", "0000000009abcdef-1",
             "0000000009abcdef--1-5", "0000000009ABCDEF-1-5" })
        EXPECT_FALSE(SplitJournalAnswerId(id, device, number)) << id;
}

// Each case reads First, then the file as Then holds it with the mark the first left.
TEST(HistoryJournal, ReadsCompleteLinesOnFromWhereItStoppedAndTellsAProblemOnce)
{
    const std::string two = Journal({ Answer(1), Answer(2) }), three = two + JournalLine(Answer(3));
    std::string damaged = three;
    damaged[two.size() + 30] ^= 1;
    const struct {
        const char* Name;
        std::string First, Then;
        std::size_t FirstAnswers, ThenAnswers;
        bool FirstTold, ThenTold;
    } cases[] = {
        { "a cut line, completed", three.substr(0, three.size() - 5), three, 2, 1, false, false },
        { "grown", two, three, 2, 1, false, false },
        { "unchanged", three, three, 3, 0, false, false },
        { "a cut header, completed", two.substr(0, 7), two, 0, 2, false, false },
        { "empty, then written", "", two, 0, 2, false, false },
        { "only a header", std::string(JournalHeader), std::string(JournalHeader), 0, 0, false, false },
        { "replaced by another", three, Journal({ Answer(4) }), 3, 1, false, false },
        { "foreign, still", "hello\n", "hello\nworld\n", 0, 0, true, false },
        { "another version's header", "velmoria-journal\t2\n", "velmoria-journal\t2\n", 0, 0, true, false },
        { "a changed line after what was read", two, damaged, 2, 0, false, true },
        { "damaged, then sound again", damaged, three, 0, 3, true, false },
        { "a line break alone", two + "\n", two + "\n", 0, 0, true, false },
        { "a time ahead of the clock", Journal({ Answer(1), Answer(5000000) }), three, 0, 3, true, false },
        { "a line without its checksum", two + "x\t1\n", three, 0, 3, true, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TJournalRead first = ReadJournal("j", c.First, {}, Latest);
        EXPECT_EQ(first.Answers.size(), c.FirstAnswers);
        EXPECT_EQ(!first.Problem.Empty(), c.FirstTold);
        EXPECT_EQ(first.Mark.Skipped, c.FirstTold);
        const TJournalRead then = ReadJournal("j", c.Then, first.Mark, Latest);
        EXPECT_EQ(then.Answers.size(), c.ThenAnswers);
        EXPECT_EQ(!then.Problem.Empty(), c.ThenTold);
        EXPECT_LE(then.Mark.Read, c.Then.size());
        EXPECT_TRUE(then.Mark.Skipped || then.Mark.Read == c.Then.rfind('\n') + 1);
        EXPECT_TRUE(ReadJournal("j", c.Then, then.Mark, Latest).Answers.empty());
    }
    EXPECT_NE(
        ReadJournal("x.vmjournal", "hi\n", {}, Latest).Problem.Text().find("x.vmjournal"), std::string::npos);
    EXPECT_NE(ReadJournal("j", damaged, {}, Latest).Problem.Text().find("line 4;"), std::string::npos);
}

TEST(HistoryJournal, ConflictCopiesAreJournalsAndHiddenFilesAreNot)
{
    const std::string own = JournalName(Device, 1700000000000);
    EXPECT_EQ(own, "history-0000000009abcdef-2023-11.vmjournal");
    const struct {
        std::string Name;
        bool Journal;
    } cases[] = {
        { own, true },
        { "history-0000000009abcdef-2023-11.sync-conflict-20231115-101010-ABCDEFG.vmjournal", true },
        { "history-0000000009abcdef-2023-11 (conflicted copy 2023-11-15 101010).vmjournal", true },
        { "history-0000000009abcdef-2023-11 (Anna's conflicted copy 2023-11-15).vmjournal", true },
        { ".syncthing.history-0000000009abcdef-2023-11.vmjournal.tmp", false },
        { ".history.vmjournal", false },
        { ".vmjournal", false },
        { "history.sqlite", false },
        { "notes.vmjournal.txt", false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsJournalName(c.Name), c.Journal) << c.Name;
    EXPECT_EQ(JournalName(Device, 1704067199999), "history-0000000009abcdef-2023-12.vmjournal");
}

TEST(HistoryJournal, TheFirstOfEachIdIsKeptInOrder)
{
    std::vector<TJournalAnswer> answers
        = { Answer(1), Answer(2), Answer(1), Answer(3), Answer(2), Answer(3, "x") };
    KeepFirstOfEachId(answers);
    EXPECT_EQ(answers, (std::vector<TJournalAnswer> { Answer(1), Answer(2), Answer(3) }));
}

// Changed bytes, bytes put in or taken out, a file cut: whatever is read is the original answers
// from the first on, never a changed one; a file giving none of them after the header is told.
TEST(HistoryJournal, AMutatedJournalGivesAPrefixOfItsAnswersOrNothing)
{
    std::vector<TJournalAnswer> answers;
    for (int n = 1; n <= 12; ++n)
        answers.push_back(Answer(n, n % 4 ? "w\t" + std::to_string(n) : "", "t"));
    const std::string original = Journal(answers);
    std::mt19937 random(34);
    for (int round = 0; round < 400; ++round) {
        std::string bytes = original;
        const auto at = random() % bytes.size();
        switch (round % 4) {
        case 0:
            bytes[at] = static_cast<char>(bytes[at] ^ (1 << (random() % 8)));
            break;
        case 1:
            bytes.insert(at, 1, "\n\t\\-0a"[random() % 6]);
            break;
        case 2:
            bytes.erase(at, 1 + random() % 3);
            break;
        default:
            bytes.resize(at);
        }
        SCOPED_TRACE(round);
        const TJournalRead read = ReadJournal("j", bytes, {}, Latest);
        ASSERT_LE(read.Answers.size(), answers.size());
        EXPECT_TRUE(std::equal(read.Answers.begin(), read.Answers.end(), answers.begin()));
        EXPECT_EQ(read.Mark.Skipped, !read.Problem.Empty());
        EXPECT_FALSE(round % 4 == 3 && read.Mark.Skipped); // a file cut short is sound
    }
}

// A changes file: its own header, three fields a line; the latest change of an id wins in any order.
TEST(HistoryJournal, ChangesAreReadFromTheirOwnFilesAndTheLatestCounts)
{
    const std::string id = JournalAnswerId(Device, 7, 1700000000000), changes(ChangesHeader);
    const struct {
        std::string Bytes;
        std::size_t Changes;
        bool Told;
    } cases[] = {
        { changes + Signed(id + "\t0\t1") + Signed(id + "\t9000000000000\t4"), 2, false },
        { changes + Signed(id + "\t4\t1") + Signed(id + "\t5\t0"), 0, true },
        { changes + Signed(id + "\t5\t5"), 0, true },
        { changes + Signed(id + "\t-5\t2"), 0, true },
        { changes + Signed(id + "\tx\t2"), 0, true },
        { changes + Signed("abc-7-1\t5\t2"), 0, true },
        { changes + Signed(id + "\t5"), 0, true },
        { changes + Signed(id + "\t5\t2\t2"), 0, true },
        { Journal({ Answer(1) }), 0, true },
    };
    for (const auto& c : cases) {
        const TJournalRead read = ReadJournal("x.vmchanges", c.Bytes, {}, Latest);
        EXPECT_EQ(read.Changes.size(), c.Changes) << c.Bytes;
        EXPECT_EQ(!read.Problem.Empty(), c.Told) << c.Bytes;
        EXPECT_TRUE(read.Answers.empty());
    }
    const std::vector<TJournalChange> written
        = { { id, 3, 2 }, { Answer(2).Id, 9, 1 }, { id, 4, 1 }, { id, 4, 3 }, { id, 1, 4 } };
    std::string bytes = changes;
    for (const auto& change : written)
        bytes += ChangeLine(change);
    EXPECT_EQ(ReadJournal("x.vmchanges", bytes, {}, Latest).Changes, written);
    EXPECT_FALSE(ReadJournal("x.vmjournal", bytes, {}, Latest).Problem.Empty());
    std::vector<TJournalChange> latest = written, reversed(written.rbegin(), written.rend());
    KeepLatestChanges(latest);
    KeepLatestChanges(reversed);
    const std::vector<TJournalChange> wanted = { { id, 4, 3 }, { Answer(2).Id, 9, 1 } };
    EXPECT_EQ(latest, wanted);
    EXPECT_EQ(reversed, wanted);
}

TEST(HistoryJournal, MonthsBeginAndEndAtUtcMidnight)
{
    const struct {
        std::int64_t Ms, Start, Next;
        const char* Name;
    } cases[] = {
        { 1704067199999, 1701388800000, 1704067200000, "history-0000000009abcdef-2023-12.vmchanges" },
        { 1704067200000, 1704067200000, 1706745600000, "history-0000000009abcdef-2024-01.vmchanges" },
        { 1709164800000, 1706745600000, 1709251200000, "history-0000000009abcdef-2024-02.vmchanges" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MonthStartMs(c.Ms), c.Start) << c.Name;
        EXPECT_EQ(NextMonthMs(c.Ms), c.Next) << c.Name;
        EXPECT_EQ(ChangesName(Device, c.Ms), c.Name);
        EXPECT_TRUE(IsJournalName(c.Name));
    }
}
