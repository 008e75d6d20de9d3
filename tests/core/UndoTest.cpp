// The undo history: each kind of step back and forth, the saved state, the limits, and a long
// random walk checked against a model of the states.

#include "core/DocumentBuilders.h"
#include "core/Random.h"
#include "core/VocabFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <random>

namespace {

std::vector<std::string> Words(int n)
{
    std::vector<std::string> words;
    for (int i = 0; i < n; ++i)
        words.push_back("w" + std::to_string(i));
    return words;
}

TEST(UndoKinds, NamesOfTheEditMenu)
{
    const std::pair<TUndoKind, const char*> names[] = {
        { ukNone, "" },
        { ukAdd, "Add" },
        { ukEdit, "Edit" },
        { ukDelete, "Delete" },
        { ukPaste, "Paste" },
        { ukMove, "Move" },
        { ukSort, "Sort" },
        { ukShuffle, "Shuffle" },
    };
    for (const auto& [kind, name] : names)
        EXPECT_STREQ(UndoKindName(kind), name);
    EXPECT_STREQ(UndoKindName(static_cast<TUndoKind>(99)), "");
}

TEST(UndoKinds, BorrowedListNeverFreesItsItems)
{
    TVocabItemList owner;
    for (int i = 0; i < 3; ++i)
        owner.push_back(std::make_unique<TVocabItem>());
    TBorrowedItemList first(TVocabItemList {});
    first.List().emplace_back(owner[0].get());
    TBorrowedItemList second(TVocabItemList {});
    second.List().emplace_back(owner[1].get());
    second.List().emplace_back(owner[2].get());
    first = std::move(second);
    EXPECT_EQ(first.Size(), 2u);
    EXPECT_EQ(second.Size(), 0u); // NOLINT(bugprone-use-after-move)
    EXPECT_EQ(first.List()[1].get(), owner[2].get());
    first = std::move(first);
    EXPECT_EQ(first.Size(), 2u);
    // The owner frees each item once when it goes; the sanitizer run would catch a second free.
}

TEST(UndoSteps, NothingToUndoOrRedo)
{
    TVocabFile doc;
    EXPECT_THROW(doc.Undo(), EVocabFileError);
    EXPECT_THROW(doc.Redo(), EVocabFileError);
    AppendByAdd(doc, "a");
    try {
        doc.Redo();
        FAIL();
    } catch (const EVocabFileError& e) {
        EXPECT_STREQ(e.what(), "Invalid procedure call.");
    }
    doc.Undo();
    EXPECT_THROW(doc.Undo(), EVocabFileError);
    EXPECT_EQ(doc.Count(), 0);
}

TEST(UndoSteps, AddTwiceThenBackAndForth)
{
    TVocabFile doc;
    FillWords(doc, { "a", "b", "c" });
    doc.SetCurrentIndex(1);
    TVocabItem* current = &doc.CurrentItem();
    doc.NewItem().SetFieldValue(fiForeign, "x");
    TVocabItem* x = &doc.NewItem();
    doc.Add();
    doc.SetCurrentIndex(-1);
    doc.NewItem().SetFieldValue(fiForeign, "y");
    TVocabItem* y = &doc.NewItem();
    doc.Add();
    const auto after = Pointers(doc);
    EXPECT_EQ(Foreigns(doc), (std::vector<std::string> { "a", "x", "b", "c", "y" }));

    EXPECT_EQ(doc.UndoKind(), ukAdd);
    doc.Undo();
    EXPECT_EQ(doc.CurrentIndex(), -1);
    EXPECT_EQ(doc.RedoKind(), ukAdd);
    doc.Undo();
    EXPECT_EQ(Foreigns(doc), (std::vector<std::string> { "a", "b", "c" }));
    EXPECT_EQ(&doc.CurrentItem(), current);
    EXPECT_EQ(doc.UndoKind(), ukNone);
    EXPECT_TRUE(doc.Modified()); // the bulk append left no saved position

    doc.Redo();
    EXPECT_EQ(&doc.Items(1), x);
    EXPECT_EQ(&doc.CurrentItem(), current);
    doc.Redo();
    EXPECT_EQ(&doc.Items(4), y);
    EXPECT_EQ(Pointers(doc), after);
    EXPECT_EQ(doc.CurrentIndex(), -1);
    EXPECT_EQ(doc.RedoKind(), ukNone);
}

TEST(UndoSteps, DeleteTheLastItemThenUndo)
{
    TVocabFile doc;
    FillWords(doc, { "a", "b", "c" });
    doc.SetCurrentIndex(2);
    TVocabItem* last = &doc.CurrentItem();
    doc.DeleteCurrent();
    EXPECT_EQ(doc.CurrentIndex(), 1);
    doc.Undo();
    EXPECT_EQ(doc.CurrentIndex(), 2);
    EXPECT_EQ(&doc.CurrentItem(), last);
    doc.Redo();
    EXPECT_EQ(Foreigns(doc), (std::vector<std::string> { "a", "b" }));
    EXPECT_EQ(doc.CurrentIndex(), 1);
}

TEST(UndoSteps, EditThenUndoBringsBackTheOldVersionWithItsTestState)
{
    TVocabFile doc;
    FillWords(doc, { "a", "b" });
    doc.SetCurrentIndex(1);
    TVocabItem* old = &doc.CurrentItem();
    old->PenaltyPoints = -1;
    old->LastAttempt = 12;
    doc.NewItem().SetFieldValue(fiForeign, "B");
    TVocabItem* edited = &doc.NewItem();
    doc.Replace();
    EXPECT_FALSE(doc.CurrentItem().Learnt());
    doc.Undo();
    EXPECT_EQ(&doc.CurrentItem(), old);
    EXPECT_TRUE(doc.CurrentItem().Learnt());
    EXPECT_EQ(doc.CurrentItem().LastAttempt, 12);
    EXPECT_EQ(doc.CurrentItem().FieldValue(fiForeign), "b");
    doc.Redo();
    EXPECT_EQ(&doc.CurrentItem(), edited);
    EXPECT_EQ(doc.CurrentItem().FieldValue(fiForeign), "B");
}

TEST(UndoSteps, SortThenUndoKeepsTheSameCurrentObject)
{
    TVocabFile doc;
    FillWords(doc, { "c", "a", "d", "b" });
    doc.SetCurrentIndex(2);
    TVocabItem* current = &doc.CurrentItem();
    const auto before = Pointers(doc);
    doc.Sort(Foreigns(doc));
    EXPECT_EQ(Foreigns(doc), (std::vector<std::string> { "a", "b", "c", "d" }));
    EXPECT_EQ(&doc.CurrentItem(), current);
    EXPECT_EQ(doc.CurrentIndex(), 3);
    const auto sorted = Pointers(doc);
    EXPECT_EQ(doc.UndoListEntries(), 4u);

    doc.Undo();
    EXPECT_EQ(Pointers(doc), before);
    EXPECT_EQ(&doc.CurrentItem(), current);
    EXPECT_EQ(doc.RedoKind(), ukSort);
    doc.Redo();
    EXPECT_EQ(Pointers(doc), sorted);
    EXPECT_EQ(&doc.CurrentItem(), current);

    // An undone sort that is discarded by a new step no longer counts.
    doc.Shuffle();
    EXPECT_EQ(doc.UndoListEntries(), 8u);
    doc.Undo();
    AppendByAdd(doc, "e");
    EXPECT_EQ(doc.UndoListEntries(), 4u);
    doc.ClearUndo();
    EXPECT_EQ(doc.UndoListEntries(), 0u);
}

TEST(UndoSavedState, UndoAndRedoAroundASave)
{
    TVocabFile doc;
    FillWords(doc, { "a", "b" });
    doc.SetCurrentIndex(0);
    doc.MoveCurrent(1);
    TTempDir dir;
    doc.SaveToFile(dir.File("saved.vmr"));
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(doc.SavedPos(), 1);
    doc.Undo();
    EXPECT_TRUE(doc.Modified());
    doc.Redo();
    EXPECT_FALSE(doc.Modified());

    // Save, Undo, a new edit, Undo, Redo: the saved state was discarded, so it stays modified.
    doc.Undo();
    doc.SetCurrentIndex(0);
    doc.NewItem().SetFieldValue(fiForeign, "A");
    doc.Replace();
    EXPECT_EQ(doc.SavedPos(), -1);
    doc.Undo();
    EXPECT_TRUE(doc.Modified());
    doc.Redo();
    EXPECT_TRUE(doc.Modified());
}

TEST(UndoSavedState, AnAnswerEmptiesTheHistory)
{
    TVocabFile doc;
    FillWords(doc, { "a", "b" });
    doc.SetCurrentIndex(0);
    doc.MoveCurrent(1);
    doc.Undo();
    doc.RecordAnswer(true, 3);
    EXPECT_EQ(doc.UndoKind(), ukNone);
    EXPECT_EQ(doc.RedoKind(), ukNone);
    EXPECT_EQ(doc.UndoCount(), 0);
    EXPECT_EQ(doc.UndoPos(), 0);
}

TEST(UndoLimits, OnlyTheLast5000StepsCanBeUndone)
{
    TVocabFile doc;
    FillWords(doc, { "a", "b" });
    doc.MarkSaved();
    for (int i = 0; i <= MaxUndoRecords; ++i) {
        doc.SetCurrentIndex(0);
        doc.MoveCurrent(1);
    }
    EXPECT_EQ(doc.UndoCount(), MaxUndoRecords);
    EXPECT_EQ(doc.SavedPos(), -1);
    for (int i = 0; i < MaxUndoRecords; ++i) {
        doc.Undo();
        ASSERT_TRUE(doc.Modified()) << i;
    }
    EXPECT_THROW(doc.Undo(), EVocabFileError);
    // The first swap can no longer be undone.
    EXPECT_EQ(Foreigns(doc), (std::vector<std::string> { "b", "a" }));
}

TEST(UndoLimits, SortRecordsOfAHugeListKeepBoundedMemory)
{
    const int n = 200000;
    TVocabFile doc;
    FillWords(doc, Words(n));
    doc.MarkSaved();
    AppendByAdd(doc, "added");
    const auto original = Pointers(doc);
    const auto size = original.size();
    const std::vector<std::string> keys(size); // equal keys: each sort keeps the order
    const int rounds = 45;
    for (int i = 0; i < rounds; ++i) {
        doc.Sort(keys);
        // and a move of the last item to the front, so that each round leaves its own order
        doc.SetCurrentIndex(doc.Count() - 1);
        doc.MoveCurrent(0);
    }
    ASSERT_EQ(&doc.Items(0), original[size - rounds]);
    const auto keptSorts = static_cast<int>(MaxUndoListEntries / size);
    EXPECT_EQ(keptSorts, 41);
    EXPECT_EQ(doc.UndoListEntries(), static_cast<std::size_t>(keptSorts) * size);
    EXPECT_LE(doc.UndoListEntries(), MaxUndoListEntries);
    // The oldest records went first: the add, then whole rounds, then the sort of one more round.
    EXPECT_EQ(doc.UndoCount(), 2 * keptSorts + 1);
    EXPECT_EQ(doc.UndoPos(), doc.UndoCount());
    EXPECT_EQ(doc.SavedPos(), -1);

    while (doc.UndoKind() != ukNone)
        doc.Undo();
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(doc.Count(), n + 1);
    const int movesLeft = rounds - keptSorts - 1;
    EXPECT_EQ(&doc.Items(0), original[size - static_cast<std::size_t>(movesLeft)]);
    EXPECT_EQ(&doc.Items(movesLeft), original[0]);
    EXPECT_EQ(doc.UndoListEntries(), static_cast<std::size_t>(keptSorts) * size);
    doc.ClearUndo();
    EXPECT_EQ(doc.UndoListEntries(), 0u);
}

// A long random walk of edits, undos and redos, checked against the states it went through.
TEST(UndoRandomWalk, EveryPositionRestoresItsState)
{
    struct TStep {
        TUndoKind Kind;
        std::int32_t CurrentBefore;
        std::int32_t CurrentAfter;
    };
    for (std::uint64_t seed = 1; seed <= 5; ++seed) {
        SCOPED_TRACE(seed);
        SeedRandom(seed);
        std::mt19937 random(static_cast<unsigned>(seed));
        const auto draw = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        TVocabFile doc;
        FillWords(doc, Words(6));
        std::vector<std::vector<const TVocabItem*>> states { Pointers(doc) };
        std::vector<TStep> steps;
        int savedAt = -1;
        int names = 0;
        for (int round = 0; round < 1500; ++round) {
            const int action = draw(11);
            if (action == 0 && doc.UndoPos() > 0) {
                doc.Undo();
                const auto pos = static_cast<std::size_t>(doc.UndoPos());
                ASSERT_EQ(Pointers(doc), states[pos]);
                ASSERT_EQ(doc.CurrentIndex(), steps[pos].CurrentBefore);
            } else if (action == 1 && doc.UndoPos() < doc.UndoCount()) {
                const auto pos = static_cast<std::size_t>(doc.UndoPos());
                doc.Redo();
                ASSERT_EQ(Pointers(doc), states[pos + 1]);
                ASSERT_EQ(doc.CurrentIndex(), steps[pos].CurrentAfter);
            } else if (action == 2) {
                doc.MarkSaved();
                savedAt = doc.UndoPos();
            } else {
                doc.SetCurrentIndex(draw(doc.Count() + 1) - 1);
                const std::int32_t before = doc.CurrentIndex();
                TUndoKind kind = ukNone;
                const bool hasCurrent = before >= 0;
                switch (action) {
                case 3:
                case 4:
                    doc.NewItem().SetFieldValue(fiForeign, "n" + std::to_string(names++));
                    kind = action == 3 ? ukAdd : ukPaste;
                    doc.Add(kind);
                    break;
                case 5:
                    if (hasCurrent) {
                        doc.NewItem().SetFieldValue(fiForeign, "e" + std::to_string(names++));
                        doc.Replace();
                        kind = ukEdit;
                    }
                    break;
                case 6:
                    if (hasCurrent && doc.Count() > 1) {
                        doc.DeleteCurrent();
                        kind = ukDelete;
                    }
                    break;
                case 7:
                case 8:
                    if (hasCurrent) {
                        const int target = draw(doc.Count());
                        if (target != before) {
                            doc.MoveCurrent(target);
                            kind = ukMove;
                        }
                    }
                    break;
                case 9: {
                    std::vector<std::string> keys(static_cast<std::size_t>(doc.Count()));
                    for (auto& key : keys)
                        key = std::string(1, static_cast<char>('a' + draw(4)));
                    doc.Sort(keys);
                    kind = ukSort;
                    break;
                }
                default:
                    doc.Shuffle();
                    kind = ukShuffle;
                }
                if (kind == ukNone)
                    continue;
                const auto pos = static_cast<std::size_t>(doc.UndoPos());
                if (savedAt >= static_cast<int>(pos))
                    savedAt = -1;
                states.resize(pos);
                steps.resize(pos - 1);
                states.push_back(Pointers(doc));
                steps.push_back({ kind, before, doc.CurrentIndex() });
                ASSERT_EQ(doc.UndoKind(), kind);
            }
            ASSERT_EQ(doc.Modified(), doc.UndoPos() != savedAt);
            ASSERT_EQ(doc.SavedPos(), savedAt);
            ASSERT_EQ(doc.UndoCount(), static_cast<int>(steps.size()));
        }
    }
}

} // namespace
