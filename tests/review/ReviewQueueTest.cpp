// Card identity through the document's operations, the order a review session asks in, its
// counts and closing message, and the calendar day of an answer.

#include "review/ReviewQueue.h"

#include "core/ClipboardBlock.h"
#include "exchange/ClipboardText.h"
#include "review/Card.h"
#include "review/ReviewSupport.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>

namespace {

constexpr TDay Day0 = 20000;

std::string WordAt(const TVocabFile& doc, int index)
{
    return index < 0 ? "-" : std::string(doc.Items(index).FieldValue(fiForeign));
}

class ReviewQueueTest : public ::testing::Test {
protected:
    // The item at index answered right on day, outside a session.
    void Answer(const TVocabFile& doc, int index, TDay day)
    {
        History.RecordAnswer(CardKeyOf(doc, doc.Items(index), 0), true, false, NoonOf(day), 10, P, false);
    }
    // The words a whole session asks, answering wrong the first time a word in wrong comes.
    std::vector<std::string> Session(
        TReviewQueue& queue, const TVocabFile& doc, TDay day, std::set<std::string> wrong = {})
    {
        std::vector<std::string> asked;
        for (int index; (index = queue.NextIndex()) >= 0;) {
            asked.push_back(WordAt(doc, index));
            const bool right = wrong.erase(asked.back()) == 0;
            queue.Answered(index, right, false, NoonOf(day), 10);
            if (asked.size() > 100)
                break;
        }
        return asked;
    }

    TTempDir Dir;
    THistory History { Dir.File("h/history.sqlite") };
    TSchedulerParameters P;
};

// The list's items replaced by those of another (as the window's New and Paste would).
void Replace(TVocabFile& doc, TVocabFile& by)
{
    doc.Clear();
    FillPairs(doc, {});
    doc.MergeDocument(by);
}

void Edit(TVocabFile& doc, int index, const char* word, const char* note, const char* translations)
{
    doc.SetCurrentIndex(index);
    doc.NewItem().SetFieldValues(word, "", note, translations);
    doc.Replace();
}

TEST_F(ReviewQueueTest, CardsSurviveMovesCopiesAndSavesButNotEdits)
{
    const std::string copy = Dir.File("copy.vmr");
    const struct {
        const char* Name;
        std::function<void(TVocabFile& doc)> Change;
        std::set<std::string> Lost; // words whose memory is gone afterwards ("Maus" never had one)
    } cases[] = {
        { "nothing", [](TVocabFile&) {}, {} },
        { "sort",
            [](TVocabFile& doc) {
                doc.Sort(std::vector<std::string> { "c", "b", "a" });
            },
            {} },
        { "move",
            [](TVocabFile& doc) {
                doc.SetCurrentIndex(0);
                doc.MoveCurrent(2);
            },
            {} },
        { "sorting marker", [](TVocabFile& doc) { doc.Items(1).SortingPosition = 4; }, {} },
        { "save as, reopened",
            [&](TVocabFile& doc) {
                doc.SaveToFile(copy);
                doc.LoadFromFile(copy);
            },
            {} },
        { "merged into another list",
            [](TVocabFile& doc) {
                TVocabFile other;
                FillPairs(other, { { "Maus", "mouse" } });
                other.MergeDocument(doc);
                Replace(doc, other);
            },
            {} },
        { "pasted as items and as text",
            [](TVocabFile& doc) {
                TVocabFile target, rest;
                FillPairs(target, {});
                FillPairs(rest, { { "Vogel", "bird" } });
                doc.SetCurrentIndex(0);
                PasteClipboardBlock(target, BuildClipboardBlock(doc));
                doc.SetCurrentIndex(1);
                target.SetCurrentIndex(0);
                PasteClipboardText(target, BuildClipboardText(doc));
                target.PasteItems(rest);
                Replace(doc, target);
            },
            {} },
        { "another sublanguage", [](TVocabFile& doc) { doc.SetNativeLangID(0x0809); }, {} },
        { "word edited", [](TVocabFile& doc) { Edit(doc, 0, "der Hund", "", "dog"); }, { "der Hund" } },
        { "translations edited", [](TVocabFile& doc) { Edit(doc, 2, "Vogel", "a note", "bird, fowl"); },
            { "Vogel" } },
        { "another foreign language", [](TVocabFile& doc) { doc.SetForeignLangID(0x040C); },
            { "Hund", "Katze", "Vogel" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile doc;
        FillPairs(doc, { { "Hund", "dog" }, { "Katze", "cat" }, { "Vogel", "bird" } });
        for (int i = 0; i < doc.Count(); ++i)
            Answer(doc, i, Day0);
        c.Change(doc);
        std::vector<TCardKey> keys;
        for (int i = 0; i < doc.Count(); ++i)
            keys.push_back(CardKeyOf(doc, doc.Items(i), 0));
        const auto memories = History.Memories(keys);
        for (int i = 0; i < doc.Count(); ++i) {
            const std::string word = WordAt(doc, i);
            EXPECT_EQ(
                memories[static_cast<std::size_t>(i)].has_value(), !c.Lost.count(word) && word != "Maus")
                << word;
        }
    }
}

// The cards of a whole list, hashed from the items' bytes converted byte by byte, are the keys each
// item gives on its own.
TEST_F(ReviewQueueTest, ListCardsAreTheItemsKeysInEveryCodePage)
{
    std::string everyByte;
    for (int byte = 0x20; byte < 0x100; ++byte)
        everyByte += static_cast<char>(byte);
    for (const LangId language : { 0x0407, 0x0419, 0x0408, 0x041F, 0x0405, 0x041E, 0x0001 }) {
        SCOPED_TRACE(language);
        TVocabFile doc;
        FillPairs(doc, { { "plain", "ascii" }, { everyByte, everyByte.substr(0x60) }, { "\xE4", "x" } });
        doc.SetForeignLangID(language);
        doc.SetNativeLangID(static_cast<LangId>(language == 0x0419 ? 0x0407 : 0x0419));
        const TCardIndex cards(doc, 1);
        ASSERT_EQ(cards.Keys().size(), 3u);
        for (const TCardIndex::TEntry& entry : cards.Keys()) {
            const TCardKey key = CardKeyOf(doc, doc.Items(static_cast<std::int32_t>(entry.Card)), 1);
            EXPECT_EQ(entry.Hash, StoredHashOf(ViewOf(key))) << entry.Card;
            EXPECT_EQ(cards.KeyOf(entry.Card), key);
        }
    }
}

// A long list's cards in the history's order: by hash (negative ones first), the first of equal
// keys standing for them, as a small list's are.
TEST_F(ReviewQueueTest, ALongListsCardsAreInHashOrderWithEqualKeysJoined)
{
    TVocabFile doc;
    std::vector<std::pair<std::string, std::string>> pairs;
    for (int i = 0; i < 70000; ++i)
        pairs.emplace_back("w" + std::to_string(i % 50000), "t");
    FillPairs(doc, pairs);
    const TCardIndex cards(doc, 0);
    ASSERT_EQ(cards.Keys().size(), 50000u);
    EXPECT_TRUE(std::is_sorted(cards.Keys().begin(), cards.Keys().end(),
        [](const TCardIndex::TEntry& a, const TCardIndex::TEntry& b) { return a.Hash < b.Hash; }));
    EXPECT_LT(cards.Keys().front().Hash, 0);
    for (std::size_t k = 0; k < cards.Keys().size(); ++k) {
        const TCardIndex::TEntry& entry = cards.Keys()[k];
        ASSERT_LT(entry.Card, 50000u) << "the first item of a key stands for it";
        ASSERT_EQ(
            entry.Hash, StoredHashOf(ViewOf(CardKeyOf(doc, doc.Items(static_cast<int>(entry.Card)), 0))));
    }
    for (std::uint32_t i = 0; i < 70000; ++i)
        ASSERT_EQ(cards.First()[i], i % 50000) << i;
}

// A long list's cards read ahead on a connection of their own are merged as those read in step:
// duplicates, cards of other lists and of the other direction, cards never answered.
TEST_F(ReviewQueueTest, CardsReadAheadGiveTheMemoriesReadInStep)
{
    TVocabFile doc, other;
    FillPairs(doc, { { "a", "1" }, { "b", "2" }, { "a", "1" }, { "c", "3" }, { "d", "4" } });
    FillPairs(other, { { "z", "9" } });
    Answer(doc, 0, Day0 - 3);
    Answer(doc, 3, Day0 - 9);
    Answer(other, 0, Day0 - 1);
    History.RecordAnswer(CardKeyOf(doc, doc.Items(1), 1), false, false, NoonOf(Day0), 10, P, false);
    const TCardIndex cards(doc, 0);
    const auto read = History.ScanCards(7, 9, 0);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->size(), 3u);
    const auto memories = History.KeyMemories(cards, true, &*read);
    EXPECT_EQ(
        std::count_if(memories.begin(), memories.end(), [](const auto& m) { return m.has_value(); }), 2);
    const auto inStep = History.KeyMemories(cards, true);
    ASSERT_EQ(memories.size(), inStep.size());
    for (std::size_t k = 0; k < memories.size(); ++k) {
        ASSERT_EQ(memories[k].has_value(), inStep[k].has_value()) << k;
        if (memories[k]) {
            EXPECT_TRUE(memories[k]->Due == inStep[k]->Due && memories[k]->LastReview == inStep[k]->LastReview
                && memories[k]->Stability == inStep[k]->Stability && memories[k]->State == inStep[k]->State)
                << k;
        }
    }
    // A history gone from its place has nothing to read ahead.
    std::filesystem::remove(History.Path());
    EXPECT_FALSE(History.ScanCards(7, 9, 0));
}

TEST_F(ReviewQueueTest, DueLowestRecallFirstThenNewThenTheFailedUntilRight)
{
    TVocabFile doc;
    FillPairs(doc,
        { { "recent", "2" }, { "old", "1" }, { "new1", "3" }, { "new2", "4" }, { "new3", "5" },
            { "recent", "2" } });
    // "old" last seen long before "recent": its recall is lower, so it comes first, list order
    // notwithstanding.
    Answer(doc, 1, Day0 - 40);
    Answer(doc, 0, Day0 - 20);
    const TDay today = Day0 + 60;
    const TDueCounts counts = CountDue(doc, History, 0, today, 2, P);
    EXPECT_EQ(std::pair(counts.Due, counts.New), std::pair(2, 2));
    TReviewQueue queue(doc, History, 0, today, 2, P);
    const auto asked = Session(queue, doc, today, { "recent", "new1" });
    EXPECT_EQ(asked, (std::vector<std::string> { "old", "recent", "new1", "new2", "recent", "new1" }));
    EXPECT_EQ(std::tuple(queue.Reviewed(), queue.Right(), History.NewCardsOn(today)), std::tuple(6, 4, 2));
    EXPECT_EQ(queue.ClosingMessage().Text(),
        "Nothing more is due today in this direction. 6 reviewed, 4 right. Next review: "
            + FormatDay(today + 1) + ".");
    // The day's allowance is spent across sessions; tomorrow brings the rest.
    TReviewQueue later(doc, History, 0, today, 2, P);
    EXPECT_EQ(later.NextIndex(), -1);
    EXPECT_EQ(later.ClosingMessage().Text(),
        "Nothing is due today in this direction. Next review: " + FormatDay(today + 1) + ".");
    EXPECT_EQ(CountDue(doc, History, 0, today + 1, 2, P).New, 1);
}

TEST_F(ReviewQueueTest, RepeatsArePracticeAndTheNextReviewIsTheEarliestDueDate)
{
    TVocabFile doc;
    FillPairs(doc, { { "a", "1" }, { "b", "2" } });
    TReviewQueue queue(doc, History, 0, Day0, 20, P);
    EXPECT_EQ(Session(queue, doc, Day0, { "a" }), (std::vector<std::string> { "a", "b", "a" }));
    const auto memories
        = History.Memories({ CardKeyOf(doc, doc.Items(0), 0), CardKeyOf(doc, doc.Items(1), 0) });
    const TMemory failed = ScheduleAnswer({}, TRating::Again, Day0, P);
    EXPECT_EQ(memories[0]->Due, failed.Due) << "the right repeat does not reschedule";
    EXPECT_EQ(queue.NextReview(), std::min(memories[0]->Due, memories[1]->Due));
    const TDueCounts counts = CountDue(doc, History, 0, Day0, 20, P);
    EXPECT_EQ(counts.Due + counts.New, 0);
    EXPECT_EQ(counts.Next, queue.NextReview());
    TVocabFile empty;
    FillPairs(empty, {});
    EXPECT_EQ(TReviewQueue(empty, History, 0, Day0, 20, P).ClosingMessage().Text(),
        "Nothing is due today in this direction. Next review: none.");
}

TEST_F(ReviewQueueTest, AHintCountedAsWrongIsAskedAgain)
{
    TVocabFile doc;
    FillPairs(doc, { { "a", "1" } });
    for (const bool counts : { false, true }) {
        SCOPED_TRACE(counts);
        TReviewQueue queue(doc, History, counts ? 1 : 0, Day0, 20, P, counts);
        const int index = queue.NextIndex();
        queue.Answered(index, true, true, NoonOf(Day0), 10);
        EXPECT_EQ(queue.NextIndex(), counts ? 0 : -1);
        EXPECT_EQ(History.Memories({ CardKeyOf(doc, doc.Items(0), counts ? 1 : 0) })[0]->Due,
            ScheduleAnswer({}, counts ? TRating::Again : TRating::Hard, Day0, P).Due);
    }
}

// A pinned day keeps the clock's time of day, across a daylight-saving change too.
TEST_F(ReviewQueueTest, OnDayKeepsTheLocalTimeOfDay)
{
    for (const char* zone : { "UTC", "Europe/Berlin", "America/New_York", "Pacific/Auckland" }) {
        SCOPED_TRACE(zone);
        const TScopedEnv tz("TZ", zone);
        // 2026-03-29 is Berlin's spring change, 2026-11-01 New York's autumn one.
        for (const char* date : { "2026-03-29", "2026-03-30", "2026-11-01", "2026-04-05", "1969-12-31" }) {
            for (const std::int64_t time :
                { std::int64_t { 1780000000123 }, std::int64_t { 1780030000456 } }) {
                const std::int64_t moved = OnDay(time, *ParseDay(date));
                EXPECT_EQ(FormatDay(DayOfMs(moved)), date);
                EXPECT_EQ((moved % 1000 + 1000) % 1000, time % 1000);
                std::time_t a = static_cast<std::time_t>(time / 1000),
                            b = static_cast<std::time_t>(moved / 1000);
                std::tm ta {}, tb {};
                ::localtime_r(&a, &ta);
                ::localtime_r(&b, &tb);
                // The hour may move only where the day skips it.
                EXPECT_EQ(tb.tm_min, ta.tm_min);
                EXPECT_LE(std::abs(tb.tm_hour - ta.tm_hour), 1);
            }
        }
    }
}

} // namespace

// A direction never answered is counted without keying every card: as its plan would count it,
// duplicates one card, the allowance shared with what the other direction took today.
TEST_F(ReviewQueueTest, ADirectionNeverAnsweredCountsAsItsPlanWould)
{
    const struct {
        std::vector<std::pair<std::string, std::string>> Pairs;
        int NewPerDay;
        bool AnsweredToday; // the first item, into the other direction
    } cases[] = {
        { {}, 20, false },
        { { { "a", "1" }, { "a", "1" }, { "b", "2" } }, 2, false },
        { { { "a", "1" }, { "a", "1" }, { "b", "2" } }, 1, false },
        { { { "a", "1" }, { "a", "1" }, { "b", "2" } }, 3, true },
        { { { "a", "1" }, { "a", "2" }, { "b", "1" } }, 3, true },
        { { { "a", "1" }, { "b", "2" } }, 1, true },
        { { { "a", "1" }, { "a", "1" }, { "a", "1" } }, 0, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Pairs.size() * 10 + static_cast<std::size_t>(c.NewPerDay));
        TTempDir dir;
        THistory history(dir.File("h/history.sqlite"));
        TVocabFile doc;
        FillPairs(doc, c.Pairs);
        if (c.AnsweredToday)
            history.RecordAnswer(CardKeyOf(doc, doc.Items(0), 0), true, false, NoonOf(Day0), 10, P, false);
        ASSERT_FALSE(history.HasCards(7, 9, 1));
        EXPECT_EQ(CountDue(doc, history, 1, Day0, c.NewPerDay, P),
            CountsOf(PlanReview(doc, history, 1, Day0, c.NewPerDay, P), Day0));
    }
}

TEST_F(ReviewQueueTest, APlanMadeAheadOnACopyAsksWhatTheListWouldAsk)
{
    TVocabFile doc;
    FillPairs(
        doc, { { "old", "1" }, { "recent", "2" }, { "new1", "3" }, { "new2", "4" }, { "recent", "2" } });
    Answer(doc, 0, Day0 - 40);
    Answer(doc, 1, Day0 - 20);
    History.RecordAnswer(CardKeyOf(doc, doc.Items(3), 1), false, false, NoonOf(Day0), 10, P, false);
    for (const std::uint8_t direction : { std::uint8_t { 0 }, std::uint8_t { 1 }, BothDirections }) {
        SCOPED_TRACE(static_cast<int>(direction));
        TCardTextsCopy copying(doc);
        copying.Step(doc, 100);
        std::vector<TDueCounts> early; // told before the plan is ordered, once
        const TReviewPlan plan = PlanReview(copying, History, direction, Day0, 1, P,
            [&](const TDueCounts& counts) { early.push_back(counts); });
        EXPECT_EQ(CountsOf(plan, Day0), CountDue(doc, History, direction, Day0, 1, P));
        EXPECT_EQ(early, std::vector { CountsOf(plan, Day0) });
        TReviewQueue direct(doc, History, direction, Day0, 1, P);
        TReviewQueue planned(doc, History, plan, Day0, P);
        EXPECT_EQ(
            std::pair(planned.Directions(), planned.Left()), std::pair(direct.Directions(), direct.Left()));
        for (int k = 0; k < 6; ++k) {
            const int index = direct.NextIndex();
            ASSERT_EQ(planned.NextIndex(), index);
            if (index < 0)
                break;
            EXPECT_EQ(planned.Direction(), direct.Direction());
            // Both right, both recorded: they go on alike.
            direct.Answered(index, true, false, NoonOf(Day0), 10);
            planned.Answered(index, true, false, NoonOf(Day0), 10);
        }
    }
    TVocabFile longer;
    FillPairs(longer, { { "a", "1" }, { "b", "2" } });
    EXPECT_THROW(
        TReviewQueue(longer, History, PlanReview(doc, History, 0, Day0, 1, P), Day0, P), std::logic_error);
}
