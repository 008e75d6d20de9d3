// The undo history: the limits, and a long random walk of every kind of step, undo, redo and
// save checked against the states it went through.

#include "core/DocumentBuilders.h"
#include "core/Random.h"
#include "core/VocabFile.h"

#include <array>
#include <gtest/gtest.h>
#include <random>

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
    EXPECT_EQ(Foreigns(doc), (TWords { "b", "a" })); // the first swap can no longer be undone
}

// Sorting a huge list again and again must not keep every order it went through: the oldest steps
// go first, and undoing all that is left reaches the state those steps had led to.
TEST(UndoLimits, SortsOfAHugeListDropTheOldestSteps)
{
    const int n = 200000;
    TVocabFile doc;
    FillWords(doc, TWords(n, "w"));
    doc.MarkSaved();
    AppendByAdd(doc, "added");
    const auto original = Pointers(doc);
    const auto size = original.size();
    const TWords keys(size); // equal keys: each sort keeps the order
    const int rounds = 45;
    // Sorts undone and then replaced by new steps give their room back.
    for (int i = 0; i < rounds; ++i) {
        doc.Sort(keys);
        doc.Undo();
    }
    ASSERT_EQ(doc.UndoCount(), 2);
    for (int i = 0; i < rounds; ++i) {
        doc.Sort(keys);
        // and a move of the last item to the front, so that each round leaves its own order
        doc.SetCurrentIndex(doc.Count() - 1);
        doc.MoveCurrent(0);
    }
    ASSERT_EQ(&doc.Items(0), original[size - rounds]);
    // Left: whole rounds, and the move of one more.
    const int kept = doc.UndoCount();
    ASSERT_LT(kept, 2 * rounds + 1);
    EXPECT_EQ(doc.SavedPos(), -1);
    while (doc.UndoKind() != ukNone)
        doc.Undo();
    EXPECT_TRUE(doc.Modified());
    const auto movesLeft = static_cast<std::size_t>(rounds - kept / 2 - 1);
    EXPECT_EQ(&doc.Items(0), original[size - movesLeft]);
    EXPECT_EQ(&doc.Items(static_cast<std::int32_t>(movesLeft)), original[0]);
}

// A long random walk of edits, undos and redos, checked against the states it went through.
TEST(UndoRandomWalk, EveryPositionRestoresItsState)
{
    for (std::uint64_t seed = 1; seed <= 5; ++seed) {
        SCOPED_TRACE(seed);
        SeedRandom(seed);
        std::mt19937 random(static_cast<unsigned>(seed));
        const auto draw = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        TVocabFile doc;
        FillWords(doc, TWords(6, "w"));
        std::vector<std::vector<const TVocabItem*>> states { Pointers(doc) };
        std::vector<std::pair<std::int32_t, std::int32_t>> currents; // before and after each step
        int savedAt = -1;
        for (int round = 0; round < 1500; ++round) {
            const int action = draw(11);
            const auto pos = static_cast<std::size_t>(doc.UndoPos());
            if (action == 0 && pos > 0) {
                doc.Undo();
                ASSERT_EQ(Pointers(doc), states[pos - 1]);
                ASSERT_EQ(doc.CurrentIndex(), currents[pos - 1].first);
            } else if (action == 1 && doc.UndoPos() < doc.UndoCount()) {
                doc.Redo();
                ASSERT_EQ(Pointers(doc), states[pos + 1]);
                ASSERT_EQ(doc.CurrentIndex(), currents[pos].second);
            } else if (action == 2) {
                doc.MarkSaved();
                savedAt = doc.UndoPos();
            } else {
                doc.SetCurrentIndex(draw(doc.Count() + 1) - 1);
                const std::int32_t before = doc.CurrentIndex();
                const std::int32_t target = draw(doc.Count());
                // By action; an undo or redo that is not possible shuffles instead.
                const TUndoKind kind = std::array { ukShuffle, ukShuffle, ukShuffle, ukAdd, ukPaste, ukEdit,
                    ukDelete, ukMove, ukMove, ukSort, ukShuffle }[static_cast<std::size_t>(action)];
                if ((before < 0 && (kind == ukEdit || kind == ukDelete || kind == ukMove))
                    || (kind == ukDelete && doc.Count() == 1) || (kind == ukMove && target == before))
                    continue;
                doc.NewItem().SetFieldValue(fiForeign, "n" + std::to_string(round));
                if (kind == ukPaste && draw(2) == 0) {
                    // A paste of text: one to three items in one step.
                    TVocabFile pasted;
                    FillWords(pasted, TWords(static_cast<std::size_t>(1 + draw(3)), "p"));
                    doc.PasteItems(pasted);
                } else if (kind == ukAdd || kind == ukPaste)
                    doc.Add(kind);
                else if (kind == ukEdit)
                    doc.Replace();
                else if (kind == ukDelete)
                    doc.DeleteCurrent();
                else if (kind == ukMove)
                    doc.MoveCurrent(target);
                else if (kind == ukShuffle)
                    doc.Shuffle();
                else {
                    TWords keys(static_cast<std::size_t>(doc.Count()));
                    for (auto& key : keys)
                        key = std::string(1, static_cast<char>('a' + draw(4)));
                    doc.Sort(keys);
                }
                if (savedAt > static_cast<int>(pos))
                    savedAt = -1;
                states.resize(pos + 1);
                currents.resize(pos);
                states.push_back(Pointers(doc));
                currents.emplace_back(before, doc.CurrentIndex());
                ASSERT_EQ(doc.UndoKind(), kind);
            }
            ASSERT_EQ(doc.Modified(), doc.UndoPos() != savedAt);
            ASSERT_EQ(doc.SavedPos(), savedAt);
            ASSERT_EQ(doc.UndoCount(), static_cast<int>(currents.size()));
        }
    }
}
