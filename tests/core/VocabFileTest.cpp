// The document's items, setters, editing, test bookkeeping, multiple choice, find and merge.

#include "core/VocabFile.h"

#include "core/DocumentBuilders.h"
#include "core/Random.h"
#include "evaluation/TextUtils.h"
#include "support/TempDir.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

constexpr LangId English = 0x0409;
constexpr LangId EnglishUK = 0x0809;
constexpr LangId German = 0x0407;
constexpr LangId French = 0x040C;
constexpr LangId Russian = 0x0419;
constexpr LangId Turkish = 0x041F;

void Choices(TVocabFile& doc, std::int32_t wanted)
{
    TVocabItemArray choices;
    doc.GetChoices(choices, wanted);
}

std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EVocabFileError& e) {
        return e.what();
    }
    return "<no error>";
}

// ---- Items

TEST(VocabItem, TextsShareOneBufferSafely)
{
    TVocabItem item;
    EXPECT_EQ(item.FieldValue(fiNative), "");
    const std::string withNul("a\0b", 3);
    item.SetFieldValues("alpha", "beta", withNul, "\xE4\xFF\x80");
    item.SetFieldValue(fiForeign, "");
    EXPECT_EQ(item.FieldValues(), (TFieldValues { "", "beta", withNul, "\xE4\xFF\x80" }));
    // Values taken from the item itself point into the buffer being replaced.
    item.SetFieldValue(fiForeign, item.FieldValue(fiCategory).substr(1));
    item.SetFieldValues(item.FieldValue(3), item.FieldValue(2), item.FieldValue(1), item.FieldValue(0));
    EXPECT_EQ(item.FieldValues(), (TFieldValues { "\xE4\xFF\x80", withNul, "beta", "eta" }));
    EXPECT_THROW(item.SetFieldValue(4, "x"), std::out_of_range);
    EXPECT_THROW(item.SetFieldValue(-1, "x"), std::out_of_range);
}

TEST(VocabItem, CopiesAreIndependentAndMovesLeaveEmptyItems)
{
    TVocabItem item;
    item.SetFieldValues(TFieldValues { "chien", "nom", "", "dog" });
    item.DisplayWidth = 120;
    item.LastAttempt = 7;
    item.SortingPosition = 2;
    item.PenaltyPoints = -1;

    TVocabItem copy(item);
    EXPECT_EQ(copy.FieldValues(), item.FieldValues());
    EXPECT_EQ(copy.DisplayWidth, 0);
    EXPECT_EQ(copy.LastAttempt, 7);
    EXPECT_EQ(copy.SortingPosition, 2);
    EXPECT_TRUE(copy.Learnt());
    copy.SetFieldValue(fiForeign, "chat");
    EXPECT_EQ(item.FieldValue(fiForeign), "chien");
    TVocabItem assigned;
    assigned.DisplayWidth = 55;
    assigned = item;
    EXPECT_EQ(assigned.DisplayWidth, 0);
    EXPECT_EQ(assigned.FieldValue(fiNative), "dog");

    TVocabItem moved(std::move(item));
    EXPECT_EQ(moved.FieldValue(fiNative), "dog");
    EXPECT_EQ(item.FieldValue(fiNative), ""); // NOLINT(bugprone-use-after-move): defined as empty
    assigned = std::move(copy);
    EXPECT_EQ(assigned.FieldValue(fiForeign), "chat");
    EXPECT_EQ(copy.FieldValue(fiForeign), ""); // NOLINT(bugprone-use-after-move)
}

// ---- Queries, setters and failures

TEST(VocabFileQueries, SameLanguagesComparesPrimaryLanguagesOnly)
{
    TVocabFile doc;
    doc.SetForeignLangID(German);
    doc.SetNativeLangID(English);
    EXPECT_TRUE(doc.SameLanguages(German, English));
    EXPECT_TRUE(doc.SameLanguages(0x0807, EnglishUK)); // Swiss German, British English
    EXPECT_FALSE(doc.SameLanguages(English, German));
    EXPECT_FALSE(doc.SameLanguages(German, French));
}

TEST(VocabFileErrors, FailingChecksRaiseTheirMessageAndChangeNothing)
{
    struct TCase {
        const char* Name;
        std::int32_t Current;
        std::function<void(TVocabFile&)> Action;
        const char* Message;
    };
    const TCase cases[] = {
        { "item index negative", 0, [](TVocabFile& d) { d.Items(-1); }, "Invalid item index" },
        { "item index past end", 0, [](TVocabFile& d) { d.Items(3); }, "Invalid item index" },
        { "current item without one", -1, [](TVocabFile& d) { d.CurrentItem(); }, "No current item" },
        { "current index past end", 0, [](TVocabFile& d) { d.SetCurrentIndex(3); },
            "Invalid property value." },
        { "current index below -1", 0, [](TVocabFile& d) { d.SetCurrentIndex(-2); },
            "Invalid property value." },
        { "property 8", 0, [](TVocabFile& d) { d.Properties(8); }, "Invalid property array index." },
        { "property -1 set", 0, [](TVocabFile& d) { d.SetProperties(-1, "x"); },
            "Invalid property array index." },
        { "replace without current", -1, [](TVocabFile& d) { d.Replace(); }, "No current item" },
        { "delete without current", -1, [](TVocabFile& d) { d.DeleteCurrent(); }, "No current item" },
        { "move without current", -1, [](TVocabFile& d) { d.MoveCurrent(0); }, "No current item" },
        { "move past end", 1, [](TVocabFile& d) { d.MoveCurrent(3); }, "Invalid item index" },
        { "move to negative", 1, [](TVocabFile& d) { d.MoveCurrent(-1); }, "Invalid item index" },
        { "choices without current", -1, [](TVocabFile& d) { Choices(d, 2); }, "No current item" },
        { "no choices wanted", 0, [](TVocabFile& d) { Choices(d, 0); }, "Invalid parameter." },
        { "answer without current", -1, [](TVocabFile& d) { d.RecordAnswer(true, 3); }, "No current item" },
        { "answer with negative maximum", 0, [](TVocabFile& d) { d.RecordAnswer(true, -1); },
            "Invalid procedure call." },
        { "answer on a learnt item", 2, [](TVocabFile& d) { d.RecordAnswer(false, 3); },
            "Invalid procedure call." },
        { "sort keys of wrong count", 0, [](TVocabFile& d) { d.Sort(std::vector<std::string>(2)); },
            "Invalid parameter." },
        { "add with a foreign kind", 0, [](TVocabFile& d) { d.Add(ukSort); }, "Invalid parameter." },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile doc;
        AppendByAdd(doc, "a");
        AppendByAdd(doc, "b");
        AppendByAdd(doc, "c");
        doc.Items(2).PenaltyPoints = -1;
        doc.SetCurrentIndex(c.Current);
        doc.MarkSaved();
        const auto before = Pointers(doc);
        const auto undoCount = doc.UndoCount();
        const auto undoPos = doc.UndoPos();
        EXPECT_EQ(ErrorOf([&] { c.Action(doc); }), c.Message);
        EXPECT_EQ(Pointers(doc), before);
        EXPECT_EQ(doc.CurrentIndex(), c.Current);
        EXPECT_EQ(doc.UndoCount(), undoCount);
        EXPECT_EQ(doc.UndoPos(), undoPos);
        EXPECT_EQ(doc.Attempts(), 0);
        EXPECT_FALSE(doc.Modified());
    }
}

// Only real changes mark the document; and as they are not in the history, no undo position
// may count as saved afterwards, or closing the list would lose them without asking.
TEST(VocabFileSetters, ChangesOutsideTheHistorySurviveUndoRedo)
{
    const std::function<void(TVocabFile&, bool)> changes[] = {
        [](TVocabFile& d, bool real) { d.SetProperties(piAuthor, real ? "Ann" : ""); },
        [](TVocabFile& d, bool real) { d.SetForeignLangID(real ? French : 0); },
        [](TVocabFile& d, bool real) { d.SetNativeLangID(real ? German : 0); },
    };
    for (const auto& change : changes) {
        TVocabFile doc;
        AppendByAdd(doc, "a");
        doc.MarkSaved();
        doc.SetCurrentIndex(0);
        change(doc, false);
        EXPECT_FALSE(doc.Modified());
        EXPECT_EQ(doc.SavedPos(), 1);
        change(doc, true);
        EXPECT_TRUE(doc.Modified());
        EXPECT_EQ(doc.SavedPos(), -1);
        AppendByAdd(doc, "b");
        doc.Undo();
        EXPECT_TRUE(doc.Modified());
        doc.Undo();
        doc.Redo();
        EXPECT_TRUE(doc.Modified());
    }
}

// ---- Editing

TEST(VocabFileEditing, AddAppendsWithoutCurrentAndInsertsBeforeIt)
{
    TVocabFile doc;
    doc.NewItem().SetFieldValue(fiForeign, "first");
    TVocabItem* first = &doc.NewItem();
    doc.Add();
    EXPECT_EQ(doc.CurrentIndex(), -1);
    EXPECT_EQ(&doc.Items(0), first);
    EXPECT_NE(&doc.NewItem(), first);
    EXPECT_EQ(doc.NewItem().FieldValue(fiForeign), "");
    EXPECT_TRUE(doc.Modified());

    AppendByAdd(doc, "second");
    AppendByAdd(doc, "third");
    doc.SetCurrentIndex(1);
    TVocabItem* current = &doc.CurrentItem();
    doc.NewItem().SetFieldValue(fiForeign, "new");
    doc.Add(ukPaste);
    EXPECT_EQ(Foreigns(doc), (std::vector<std::string> { "first", "new", "second", "third" }));
    EXPECT_EQ(doc.CurrentIndex(), 2);
    EXPECT_EQ(&doc.CurrentItem(), current);
    EXPECT_EQ(doc.UndoKind(), ukPaste);
}

TEST(VocabFileEditing, DeleteMovesTheCurrentIndexBackOnlyAtTheEnd)
{
    struct TCase {
        std::int32_t Count, Current, ExpectedCurrent;
    };
    for (const auto& c : { TCase { 3, 2, 1 }, TCase { 1, 0, -1 }, TCase { 3, 0, 0 }, TCase { 3, 1, 1 } }) {
        TVocabFile doc;
        for (int i = 0; i < c.Count; ++i)
            AppendByAdd(doc, std::to_string(i));
        doc.SetCurrentIndex(c.Current);
        doc.DeleteCurrent();
        EXPECT_EQ(doc.Count(), c.Count - 1);
        EXPECT_EQ(doc.CurrentIndex(), c.ExpectedCurrent);
        EXPECT_EQ(doc.UndoKind(), ukDelete);
    }
}

TEST(VocabFileEditing, MoveCurrentReordersBothWays)
{
    TVocabFile doc;
    FillWords(doc, { "a", "b", "c", "d", "e" });
    doc.MarkSaved();
    doc.SetCurrentIndex(1);
    doc.MoveCurrent(1);
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(doc.UndoCount(), 0);

    doc.MoveCurrent(3);
    EXPECT_EQ(Foreigns(doc), (std::vector<std::string> { "a", "c", "d", "b", "e" }));
    EXPECT_EQ(doc.CurrentIndex(), 3);
    doc.MoveCurrent(0);
    EXPECT_EQ(Foreigns(doc), (std::vector<std::string> { "b", "a", "c", "d", "e" }));
    doc.SetCurrentIndex(4);
    doc.MoveCurrent(2);
    EXPECT_EQ(Foreigns(doc), (std::vector<std::string> { "b", "a", "e", "c", "d" }));
    EXPECT_EQ(doc.UndoKind(), ukMove);
    EXPECT_TRUE(doc.Modified());
}

TEST(VocabFileEditing, ShuffleIsAPermutationKeepingTheCurrentItem)
{
    std::set<std::vector<std::string>> seen;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        SeedRandom(seed);
        TVocabFile doc;
        FillWords(doc, { "a", "b", "c" });
        doc.SetCurrentIndex(1);
        TVocabItem* current = &doc.CurrentItem();
        doc.Shuffle();
        EXPECT_EQ(&doc.CurrentItem(), current);
        auto order = Foreigns(doc);
        seen.insert(order);
        std::sort(order.begin(), order.end());
        EXPECT_EQ(order, (std::vector<std::string> { "a", "b", "c" }));
        EXPECT_EQ(doc.UndoKind(), ukShuffle);
    }
    EXPECT_EQ(seen.size(), 6u);

    TVocabFile empty;
    empty.Shuffle();
    EXPECT_EQ(empty.CurrentIndex(), -1);
    EXPECT_EQ(empty.UndoKind(), ukShuffle);
}

TEST(VocabFileEditing, BulkAppendLeavesNoStaleHistory)
{
    TVocabFile doc;
    AppendByAdd(doc, "a");
    doc.MarkSaved();
    auto item = std::make_unique<TVocabItem>();
    item->SetFieldValue(fiForeign, "imported");
    doc.AppendItem(std::move(item));
    // An import that stops here must not leave records that no longer fit the list.
    EXPECT_EQ(doc.UndoKind(), ukNone);
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(doc.SavedPos(), -1);
    doc.EndBulkAppend();
    EXPECT_EQ(Foreigns(doc), (std::vector<std::string> { "a", "imported" }));
    EXPECT_EQ(ErrorOf([&] { doc.AppendItem(nullptr); }), "Invalid parameter.");
}

// ---- Whole-document operations

TEST(VocabFileOperations, ClearKeepsOnlyTheLanguages)
{
    TVocabFile doc;
    doc.SetForeignLangID(German);
    doc.SetNativeLangID(English);
    doc.SetProperties(piComments, "c");
    AppendByAdd(doc, "a");
    doc.SetCurrentIndex(0);
    doc.RecordAnswer(false, 3);
    AppendByAdd(doc, "b");
    doc.Clear();
    EXPECT_EQ(doc.Count(), 0);
    EXPECT_EQ(doc.CurrentIndex(), -1);
    EXPECT_EQ(doc.Attempts(), 0);
    EXPECT_EQ(doc.Successes(), 0);
    EXPECT_EQ(doc.Properties(piComments), "");
    EXPECT_EQ(doc.UndoKind(), ukNone);
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(doc.SavedPos(), 0);
    EXPECT_EQ(doc.ForeignLangID(), German);
    EXPECT_EQ(doc.NativeLangID(), English);
}

TEST(VocabFileOperations, ResetTestDataForgetsEveryAnswer)
{
    TVocabFile doc;
    FillWords(doc, { "a", "b", "c" });
    doc.SetCurrentIndex(0);
    doc.RecordAnswer(true, 3);
    doc.SetCurrentIndex(1);
    doc.RecordAnswer(false, 3);
    doc.Items(2).PenaltyPoints = 4;
    AppendByAdd(doc, "d");
    doc.MarkSaved();
    doc.ResetTestData();
    for (const auto& item : doc.ItemList()) {
        EXPECT_EQ(item->LastAttempt, 0);
        EXPECT_EQ(item->PenaltyPoints, 0);
    }
    EXPECT_EQ(doc.Attempts(), 0);
    EXPECT_EQ(doc.Successes(), 0);
    EXPECT_EQ(doc.UndoKind(), ukNone);
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(doc.SavedPos(), -1);
}

// ---- Test bookkeeping

TEST(VocabFileTesting, RecordAnswerRules)
{
    struct TCase {
        const char* Name;
        bool Correct;
        std::int32_t Max;
        std::int32_t Points;
        bool OthersLearnt;
        std::int32_t ExpectedPoints;
    };
    const TCase cases[] = {
        { "right on the only unlearnt item makes it learnt at once", true, 3, 2, true, -1 },
        { "right with others left lowers the points", true, 3, 2, false, 1 },
        { "right with no points makes it learnt", true, 3, 0, false, -1 },
        { "right above the maximum caps first", true, 3, 5, false, 2 },
        { "wrong above the maximum caps and stays", false, 3, 5, false, 3 },
        { "wrong adds a point", false, 3, 1, false, 2 },
        { "wrong at the maximum stays", false, 3, 3, false, 3 },
        { "without penalty points wrong stays at 0", false, 0, 0, false, 0 },
        { "without penalty points right is learnt", true, 0, 0, false, -1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile doc;
        FillWords(doc, { "a", "b", "c" });
        doc.SetCurrentIndex(0);
        doc.RecordAnswer(false, 0); // an earlier answer on another item
        doc.Items(0).PenaltyPoints = c.OthersLearnt ? -1 : 0;
        doc.Items(2).PenaltyPoints = c.OthersLearnt ? -1 : 0;
        doc.SetCurrentIndex(1);
        doc.CurrentItem().PenaltyPoints = c.Points;
        doc.Sort(Foreigns(doc)); // a step in the history, the order stays
        doc.MarkSaved();

        doc.RecordAnswer(c.Correct, c.Max);
        EXPECT_EQ(doc.CurrentItem().PenaltyPoints, c.ExpectedPoints);
        EXPECT_EQ(doc.Attempts(), 2);
        EXPECT_EQ(doc.CurrentItem().LastAttempt, 2);
        EXPECT_EQ(doc.Successes(), c.Correct ? 1 : 0);
        EXPECT_EQ(doc.UndoKind(), ukNone);
        EXPECT_EQ(doc.RedoKind(), ukNone);
        EXPECT_TRUE(doc.Modified());
        EXPECT_EQ(doc.SavedPos(), -1);
    }
}

TEST(VocabFileTesting, NextItemFollowsTheScores)
{
    TVocabFile doc;
    FillWords(doc, { "a", "b", "c", "d" });
    doc.SetCurrentIndex(0);
    for (int i = 0; i < 5; ++i)
        doc.RecordAnswer(false, 0); // Attempts 5, item 0 answered last: score 0
    doc.Items(1).LastAttempt = 1; // score (5-1) x 1 = 4
    doc.Items(2).LastAttempt = 3; // score (5-3) x 3 = 6
    doc.Items(2).PenaltyPoints = 2;
    // item 3 never answered: score (4-1) x 1 = 3
    const std::int32_t expected[] = { 2, 1, 3, 0 };
    for (const std::int32_t index : expected) {
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            SeedRandom(seed);
            doc.SetCurrentIndex(-1);
            ASSERT_TRUE(doc.SelectNextTestItem());
            EXPECT_EQ(doc.CurrentIndex(), index);
        }
        doc.Items(index).PenaltyPoints = -1;
    }
    doc.SetCurrentIndex(2);
    EXPECT_FALSE(doc.SelectNextTestItem());
    EXPECT_EQ(doc.CurrentIndex(), 2);

    TVocabFile empty;
    EXPECT_FALSE(empty.SelectNextTestItem());
    EXPECT_EQ(empty.CurrentIndex(), -1);
}

TEST(VocabFileTesting, TiesGoToAnyOfTheBestItems)
{
    TVocabFile doc;
    FillWords(doc, { "a", "b", "c", "d", "e" });
    doc.Items(4).PenaltyPoints = -1;
    doc.Items(0).LastAttempt = 1; // answered: score (0 - 1) x 1 < never answered
    std::set<std::int32_t> chosen;
    for (std::uint64_t seed = 1; seed <= 100; ++seed) {
        SeedRandom(seed);
        ASSERT_TRUE(doc.SelectNextTestItem());
        chosen.insert(doc.CurrentIndex());
    }
    EXPECT_EQ(chosen, (std::set<std::int32_t> { 1, 2, 3 }));
}

TEST(VocabFileTesting, ExtremeTestDataDoesNotOverflowTheScore)
{
    TVocabFile doc;
    FillWords(doc, { "a", "b" });
    doc.Items(0).PenaltyPoints = std::numeric_limits<std::int32_t>::max();
    doc.Items(1).PenaltyPoints = 5;
    EXPECT_TRUE(doc.SelectNextTestItem());
    EXPECT_EQ(doc.CurrentIndex(), 0);
}

// ---- Multiple choice

TEST(VocabFileChoices, FewerItemsThanWantedGivesThemAll)
{
    std::set<std::int32_t> currentPositions;
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        SeedRandom(seed);
        TVocabFile doc;
        FillWords(doc, { "a", "b", "c" });
        doc.SetCurrentIndex(1);
        TVocabItemArray choices { nullptr };
        doc.GetChoices(choices, 5);
        ASSERT_EQ(choices.size(), 3u);
        const std::set<const TVocabItem*> distinct(choices.begin(), choices.end());
        EXPECT_EQ(distinct, (std::set<const TVocabItem*> { &doc.Items(0), &doc.Items(1), &doc.Items(2) }));
        currentPositions.insert(static_cast<std::int32_t>(
            std::find(choices.begin(), choices.end(), &doc.Items(1)) - choices.begin()));
    }
    // The current item is not always shown first.
    EXPECT_EQ(currentPositions.size(), 3u);
}

TEST(VocabFileChoices, FourPassesPreferTheSamePartOfSpeechAndUnlearntItems)
{
    // index: 0 current noun; 1, 2 noun; 3 noun learnt; 4, 5 verb; 6 verb learnt; 7 noun learnt
    const struct {
        const char* Category;
        bool Learnt;
    } items[] = { { "noun", false }, { "noun", false }, { "noun", false }, { "noun", true },
        { "verb", false }, { "verb", false }, { "verb", true }, { "noun", true } };
    struct TCase {
        std::int32_t Wanted;
        std::set<std::int32_t> Certain; // always among the choices
        std::set<std::int32_t> Possible; // the rest are drawn from these
    };
    const TCase cases[] = {
        { 1, { 0 }, {} },
        { 2, { 0 }, { 1, 2 } },
        { 3, { 0, 1, 2 }, {} },
        { 4, { 0, 1, 2 }, { 3, 7 } },
        { 5, { 0, 1, 2, 3, 7 }, {} },
        { 6, { 0, 1, 2, 3, 7 }, { 4, 5 } },
        { 7, { 0, 1, 2, 3, 4, 5, 7 }, {} },
        { 8, { 0, 1, 2, 3, 4, 5, 6, 7 }, {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Wanted);
        std::set<std::int32_t> drawn;
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            SeedRandom(seed);
            TVocabFile doc;
            for (const auto& item : items) {
                auto* added = AppendByAdd(doc, "w", item.Category);
                added->PenaltyPoints = item.Learnt ? -1 : 0;
            }
            doc.SetCurrentIndex(0);
            TVocabItemArray choices;
            doc.GetChoices(choices, c.Wanted);
            ASSERT_EQ(choices.size(), static_cast<std::size_t>(c.Wanted));
            std::set<std::int32_t> indexes;
            for (const TVocabItem* choice : choices)
                for (std::int32_t i = 0; i < doc.Count(); ++i)
                    if (&doc.Items(i) == choice)
                        indexes.insert(i);
            ASSERT_EQ(indexes.size(), choices.size());
            for (const auto i : c.Certain)
                EXPECT_TRUE(indexes.count(i)) << i;
            for (const auto i : indexes)
                if (!c.Certain.count(i)) {
                    EXPECT_TRUE(c.Possible.count(i)) << i;
                    drawn.insert(i);
                }
        }
        EXPECT_EQ(drawn, c.Possible);
    }
}

// ---- Find

struct TFindCase {
    const char* Name;
    LangId Foreign;
    std::vector<std::string> Texts; // word/phrase of each item
    std::string Search;
    std::uint8_t Options;
    std::uint8_t Mode;
    std::int32_t Current;
    std::int32_t Expected;
};

void RunFindCases(const std::vector<TFindCase>& cases)
{
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile doc;
        doc.SetForeignLangID(c.Foreign);
        doc.SetNativeLangID(English);
        FillWords(doc, c.Texts);
        doc.SetCurrentIndex(c.Current);
        TSearchParams params;
        params.Text = c.Search;
        params.Field = fiForeign;
        params.Options = c.Options;
        params.Mode = c.Mode;
        EXPECT_EQ(doc.FindNext(params), c.Expected);
        EXPECT_EQ(doc.CurrentIndex(), c.Current);
    }
}

TEST(VocabFileFind, ModesWholeWordsAndEmptyText)
{
    const std::vector<std::string> cats { "the cat sat", "catalogue", "cat food", "the cat", "", "CAT" };
    RunFindCases({
        { "any part", English, cats, "cat", 0, smAnyPart, -1, 0 },
        { "any part after the current item", English, cats, "cat", 0, smAnyPart, 0, 1 },
        { "whole word skips a longer word", English, cats, "cat", MatchWord, smAnyPart, 0, 2 },
        { "whole word at the start", English, cats, "cat", MatchWord, smStart, -1, 2 },
        { "start is not the middle", English, cats, "cat", MatchWord, smStart, 2, 5 },
        { "end of field", English, cats, "cat", 0, smEnd, -1, 3 },
        { "whole field", English, cats, "the cat", 0, smWhole, -1, 3 },
        { "whole field ignores case", English, cats, "cat", 0, smWhole, -1, 5 },
        { "match case", English, cats, "CAT", MatchCase, smAnyPart, -1, 5 },
        { "match case lower", English, cats, "Cat", MatchCase, smAnyPart, -1, -1 },
        { "empty whole field finds an empty field", English, cats, "", 0, smWhole, 0, 4 },
        { "empty whole-word whole field", English, cats, "", MatchWord, smWhole, -1, 4 },
        { "empty any part searches nothing", English, cats, "", 0, smAnyPart, -1, -1 },
        { "empty start searches nothing", English, cats, "", 0, smStart, -1, -1 },
        { "punctuation separates words", English, { "ice-cream", "icecream" }, "cream", MatchWord, smEnd, -1,
            0 },
        { "nothing on an empty list", English, {}, "x", 0, smAnyPart, -1, -1 },
    });
}

TEST(VocabFileFind, WrapsAroundAndTestsTheCurrentItemLast)
{
    const std::vector<std::string> texts { "x a", "b", "x c", "x d", "e" };
    RunFindCases({
        { "next after current", English, texts, "x", 0, smAnyPart, 2, 3 },
        { "wraps to the start", English, texts, "x", 0, smAnyPart, 3, 0 },
        { "from the last item", English, texts, "x", 0, smAnyPart, 4, 0 },
        { "skips to the next match", English, texts, "x", 0, smAnyPart, 0, 2 },
        { "current item is the only match", English, texts, "b", 0, smWhole, 1, 1 },
        { "current item is tested last", English, { "x", "x" }, "x", 0, smWhole, 1, 0 },
    });
}

TEST(VocabFileFind, LanguagesCaseAndAccents)
{
    RunFindCases({
        // French, code page 1252: \xE9 e acute, \xC9 E acute
        { "French accents ignored", French, { "la gare", "\xE9t\xE9" }, "ete", 0, smWhole, -1, 1 },
        { "French accents matched", French, { "la gare", "\xE9t\xE9" }, "ete", MatchAccents, smWhole, -1,
            -1 },
        { "French upper case with accents", French, { "\xE9t\xE9" }, "\xC9T\xC9", MatchAccents, smWhole, -1,
            0 },
        { "French exact case", French, { "\xE9t\xE9" }, "\xC9T\xC9", MatchCase | MatchAccents, smWhole, -1,
            -1 },
        // German: \xC4 A umlaut, \xDF sharp s
        { "German umlaut without accents", German, { "der Hund", "die \xC4pfel" }, "apfel", 0, smEnd, -1, 1 },
        { "German umlaut with accents", German, { "die \xC4pfel" }, "apfel", MatchAccents, smEnd, -1, -1 },
        { "German umlaut case only", German, { "die \xC4pfel" }, "\xE4PFEL", MatchAccents, smEnd, -1, 0 },
        { "German sharp s is a letter", German,
            { "die Stra\xDF"
              "e" },
            "stra", MatchWord, smAnyPart, -1, -1 },
        { "German sharp s word", German,
            { "die Stra\xDF"
              "e" },
            "STRA\xDF"
            "E",
            MatchWord, smEnd, -1, 0 },
        // Russian, code page 1251: "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0" = "Privet, mir"
        { "Russian word at the end", Russian, { "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0" }, "\xCC\xC8\xD0",
            MatchWord, smEnd, -1, 0 },
        { "Russian word at the start", Russian, { "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0" },
            "\xEF\xD0\xC8\xC2\xC5\xD2", MatchWord, smStart, -1, 0 },
        { "Russian part of a word is no word", Russian, { "\xEC\xE8\xF0\xED\xFB\xE9" }, "\xEC\xE8\xF0",
            MatchWord, smAnyPart, -1, -1 },
        { "Russian part of a word", Russian, { "\xEC\xE8\xF0\xED\xFB\xE9" }, "\xCC\xC8\xD0", 0, smStart, -1,
            0 },
        { "Russian short i as i without accents", Russian, { "\xEC\xEE\xE9" }, "\xEC\xEE\xE8", 0, smWhole, -1,
            0 },
        { "Russian short i kept with accents", Russian, { "\xEC\xEE\xE9" }, "\xEC\xEE\xE8", MatchAccents,
            smWhole, -1, -1 },
        // Turkish, code page 1254: \xFD dotless i, \xDD dotted capital I, \xDE S cedilla, \xFE s cedilla
        { "Turkish capital I is dotless", Turkish, { "ISPARTA" }, "\xFDsparta", 0, smWhole, -1, 0 },
        { "Turkish capital I is not i", Turkish, { "ISPARTA" }, "isparta", 0, smWhole, -1, -1 },
        { "Turkish dotted capital", Turkish, { "\xDDzmir" }, "izmir", 0, smWhole, -1, 0 },
        { "Turkish winter", Turkish, { "so\xF0uk", "KI\xDE" }, "k\xFD\xFE", MatchWord, smWhole, -1, 1 },
        { "English capital I is i", English, { "ISPARTA" }, "isparta", 0, smWhole, -1, 0 },
    });
}

TEST(VocabFileFind, NativeFieldsUseTheNativeLanguage)
{
    TVocabFile doc;
    doc.SetForeignLangID(Turkish);
    doc.SetNativeLangID(English);
    AppendByAdd(doc, "ISPARTA", "", "", "ISPARTA");
    TSearchParams params;
    params.Text = "isparta";
    params.Mode = smWhole;
    params.Field = fiForeign;
    EXPECT_EQ(doc.FindNext(params), -1);
    params.Field = fiNative;
    EXPECT_EQ(doc.FindNext(params), 0);
    params.Field = fiNotes;
    EXPECT_EQ(doc.FindNext(params), -1);
    params.Field = 4;
    EXPECT_EQ(ErrorOf([&] { doc.FindNext(params); }), "Invalid parameter.");
}

// The search must give what the text utilities give, whatever shortcut it takes for plain ASCII.
TEST(VocabFileFind, AgreesWithTheTextUtilities)
{
    const std::string alphabet = "aAbBiIzZ09 -.,'\t\xE9\xC9\xFD\xDD\xE8\xC8";
    const std::size_t asciiLetters = 16;
    std::mt19937 random(7);
    const auto randomText = [&](std::size_t maxLength, bool ascii) {
        std::string text(random() % (maxLength + 1), ' ');
        for (auto& c : text)
            c = alphabet[random() % (ascii ? asciiLetters : alphabet.size())];
        return text;
    };
    const auto normalise = [](std::string text, LangId lang, std::uint8_t options) {
        if (!(options & MatchCase))
            text = LowerCaseLocale(text, lang);
        if (!(options & MatchAccents))
            text = StripAccents(text, lang);
        if (options & MatchWord)
            text = "\t" + MaskNonAlphanumeric(text, lang, '\t') + "\t";
        return text;
    };
    for (const LangId lang : { English, Turkish, French, Russian }) {
        TVocabFile doc;
        doc.SetForeignLangID(lang);
        AppendByAdd(doc, "");
        for (int round = 0; round < 1500; ++round) {
            const std::string field = randomText(10, round % 2 == 0);
            doc.Items(0).SetFieldValue(fiForeign, field);
            TSearchParams params;
            params.Text = randomText(3, round % 3 == 0);
            params.Options = static_cast<std::uint8_t>(random() % 8);
            params.Mode = static_cast<std::uint8_t>(random() % 4);
            if (params.Text.empty() && params.Mode != smWhole)
                continue;
            const std::string f = normalise(field, lang, params.Options);
            const std::string t = normalise(params.Text, lang, params.Options);
            bool expected = false;
            switch (params.Mode) {
            case smAnyPart:
                expected = f.find(t) != std::string::npos;
                break;
            case smStart:
                expected = f.starts_with(t);
                break;
            case smEnd:
                expected = f.ends_with(t);
                break;
            default:
                expected = f == t;
            }
            ASSERT_EQ(doc.FindNext(params), expected ? 0 : -1)
                << "lang " << lang << " field '" << field << "' text '" << params.Text << "' options "
                << int(params.Options) << " mode " << int(params.Mode);
        }
    }
}

// ---- Merge

class VocabFileMerge : public ::testing::Test {
protected:
    std::string SaveList(
        const std::string& name, LangId foreign, LangId native, const std::vector<std::string>& words)
    {
        TVocabFile doc;
        doc.SetForeignLangID(foreign);
        doc.SetNativeLangID(native);
        for (const auto& word : words) {
            TVocabItem* item = AppendByAdd(doc, word, "noun", "note " + word, "tr " + word, 1);
            item->PenaltyPoints = -1;
            item->LastAttempt = 9;
        }
        const std::string fileName = Dir.File(name);
        doc.SaveToFile(fileName);
        return fileName;
    }

    void MakeTarget()
    {
        Target.SetForeignLangID(German);
        Target.SetNativeLangID(English);
        AppendByAdd(Target, "eins");
        Target.SetCurrentIndex(0);
        Target.MarkSaved();
    }

    TTempDir Dir;
    TVocabFile Target;
};

TEST_F(VocabFileMerge, AppendsTextsAndSortingPositionsOnly)
{
    MakeTarget();
    const auto fileName = SaveList("other.vmr", 0x0807, EnglishUK, { "zwei", "drei" });
    EXPECT_EQ(Target.MergeFile(fileName), 2);
    EXPECT_EQ(Foreigns(Target), (std::vector<std::string> { "eins", "zwei", "drei" }));
    const TVocabItem& merged = Target.Items(2);
    EXPECT_EQ(merged.FieldValues(), (TFieldValues { "drei", "noun", "note drei", "tr drei" }));
    EXPECT_EQ(merged.SortingPosition, 1);
    EXPECT_EQ(merged.PenaltyPoints, 0);
    EXPECT_EQ(merged.LastAttempt, 0);
    EXPECT_EQ(Target.CurrentIndex(), 0);
    EXPECT_EQ(Target.UndoKind(), ukNone);
    EXPECT_TRUE(Target.Modified());
    EXPECT_EQ(Target.SavedPos(), -1);
    EXPECT_EQ(Target.FileName(), "");
    EXPECT_EQ(Target.ForeignLangID(), German);
}

TEST_F(VocabFileMerge, EmptyFileChangesNothing)
{
    MakeTarget();
    const auto fileName = SaveList("empty.vmr", German, English, {});
    EXPECT_EQ(Target.MergeFile(fileName), 0);
    EXPECT_EQ(Target.Count(), 1);
    EXPECT_EQ(Target.UndoKind(), ukAdd);
    EXPECT_FALSE(Target.Modified());
}

TEST_F(VocabFileMerge, FailuresLeaveTheDocumentAsItWas)
{
    MakeTarget();
    const auto otherLanguages = SaveList("french.vmr", French, English, { "un" });
    EXPECT_EQ(ErrorOf([&] { Target.MergeFile(otherLanguages); }), "Languages are different.");
    const auto swapped = SaveList("swapped.vmr", English, German, { "one" });
    EXPECT_EQ(ErrorOf([&] { Target.MergeFile(swapped); }), "Languages are different.");
    const auto damaged = Dir.File("damaged.vmr");
    WriteBytes(damaged, "not a list");
    EXPECT_THROW(Target.MergeFile(damaged), std::exception);
    EXPECT_THROW(Target.MergeFile(Dir.File("missing.vmr")), std::exception);
    EXPECT_EQ(Foreigns(Target), (std::vector<std::string> { "eins" }));
    EXPECT_EQ(Target.UndoKind(), ukAdd);
    EXPECT_FALSE(Target.Modified());
}

} // namespace
