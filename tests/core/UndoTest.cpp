// The undo history: the limits, and a long random walk of every kind of step, undo, redo and
// save checked against the states it went through.

#include "core/DocumentBuilders.h"
#include "core/Random.h"
#include "core/VocabFile.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
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
// go first, and undoing all that is left reaches the state those steps had led to. A sort that
// changes nothing is a step that holds no order.
TEST(UndoLimits, SortsOfAHugeListDropTheOldestSteps)
{
    const int n = 200000;
    TVocabFile doc;
    FillWords(doc, TWords(n, "w"));
    doc.MarkSaved();
    const auto stateOf = [&doc] {
        std::size_t hash = 0;
        for (const TVocabItem* item : Pointers(doc))
            hash = hash * 1000003u ^ std::hash<const TVocabItem*> {}(item);
        return std::pair(hash, doc.CurrentIndex());
    };
    doc.Sort(TWords(n, "k")); // equal keys keep the order
    EXPECT_EQ(std::pair(doc.UndoCount(), doc.UndoListEntries()), std::pair(1, std::size_t { 0 }));
    // Steps undone and then replaced by new ones give their room back: the last one is left to redo.
    for (int i = 0; i < 30; ++i) {
        doc.Shuffle();
        doc.Undo();
    }
    EXPECT_EQ(std::pair(doc.UndoCount(), doc.UndoListEntries()), std::pair(2, std::size_t { n }));
    const int rounds = 45;
    std::vector<std::pair<std::size_t, std::int32_t>> states { stateOf() };
    for (int i = 0; i < rounds; ++i) {
        doc.SetCurrentIndex(i);
        if (i % 2 == 0) {
            doc.Shuffle();
        } else { // the reverse of the present order
            TWords keys;
            for (int k = n; k > 0; --k)
                keys.push_back(std::to_string(1000000 + k));
            doc.Sort(keys);
        }
        states.push_back(stateOf());
    }
    const int kept = doc.UndoCount();
    ASSERT_LT(kept, rounds);
    EXPECT_LE(doc.UndoListEntries(), MaxUndoListEntries);
    EXPECT_EQ(doc.UndoListEntries(), static_cast<std::size_t>(kept) * n);
    EXPECT_EQ(doc.SavedPos(), -1);
    for (int step = rounds; step > rounds - kept; --step) {
        ASSERT_EQ(stateOf().first, states[static_cast<std::size_t>(step)].first) << step;
        doc.Undo();
        EXPECT_EQ(doc.CurrentIndex(), step - 1); // where it stood before the step
    }
    EXPECT_EQ(stateOf().first, states[static_cast<std::size_t>(rounds - kept)].first);
    EXPECT_TRUE(doc.Modified());
    for (int step = rounds - kept + 1; step <= rounds; ++step) {
        doc.Redo();
        ASSERT_EQ(stateOf(), states[static_cast<std::size_t>(step)]) << step;
    }
}

// A long random walk of edits, undos and redos, checked against the states it went through.
// Changes that are not steps of the undo history, as a view of the rows learns of them.
TEST(RowChanges, ChangesBesideTheHistory)
{
    const std::optional<std::vector<TRowChange>> none = std::nullopt;
    const struct {
        const char* Name;
        std::function<void(TVocabFile&)> Change;
        std::optional<std::vector<TRowChange>> Rows;
    } cases[] = {
        { "nothing", [](TVocabFile&) {}, std::vector<TRowChange> {} },
        { "an answer", [](TVocabFile& doc) { doc.RecordAnswer(true, 3); },
            std::vector { TRowChange { 1, 1, 1 } } },
        { "a property", [](TVocabFile& doc) { doc.SetProperties(0, "x"); }, std::vector { TRowChange {} } },
        { "recovered", [](TVocabFile& doc) { doc.MarkRecovered("x.vmr"); }, std::vector { TRowChange {} } },
        { "a language", [](TVocabFile& doc) { doc.SetForeignLangID(German); }, none },
        { "counted anew", [](TVocabFile& doc) { doc.RecountLearnt(); }, none },
        { "reloaded", [](TVocabFile& doc) { doc.LoadFromBytes(doc.SaveToBytes()); }, none },
        { "an edit and an answer",
            [](TVocabFile& doc) {
                doc.NewItem().SetFieldValue(fiForeign, "e");
                doc.Replace();
                doc.RecordAnswer(false, 3);
            },
            std::vector { TRowChange { 1, 1, 1 }, TRowChange { 1, 1, 1 } } },
        { "more edits than are kept",
            [](TVocabFile& doc) {
                for (int i = 0; i < 17; ++i)
                    doc.MoveCurrent(i % 2);
            },
            none },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile doc;
        FillWords(doc, { "a", "b", "c" });
        doc.SetCurrentIndex(1);
        const std::uint64_t seen = doc.Revision();
        c.Change(doc);
        EXPECT_EQ(doc.RowChangesSince(seen), c.Rows);
    }
    // Changes that do not fit change nothing, not even those before them.
    std::vector<int> rows(4);
    for (const TRowChange& beyond : { TRowChange { 3, 3, 0 }, TRowChange { 1, 0, 0, 5 },
             TRowChange { 5, 0, 0, 1 }, TRowChange { 0, 1, 0, 2 } }) {
        EXPECT_FALSE(FollowRowChanges<int>(rows, std::vector { TRowChange { 1, 0, 1 }, beyond }));
        EXPECT_EQ(rows.size(), 4u);
    }
}

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
        // What a view keeps per row, following the rows the list says changed.
        std::vector<const TVocabItem*> followed = Pointers(doc);
        std::uint64_t seen = doc.Revision();
        int steps = 0;
        bool wholeList = false;
        for (int round = 0; round < 1500; ++round) {
            const int action = draw(11);
            const auto pos = static_cast<std::size_t>(doc.UndoPos());
            const auto ordering = [](TUndoKind kind) { return kind == ukSort || kind == ukShuffle; };
            if (action == 0 && pos > 0) {
                wholeList |= ordering(doc.UndoKind());
                doc.Undo();
                ASSERT_EQ(Pointers(doc), states[pos - 1]);
                ASSERT_EQ(doc.CurrentIndex(), currents[pos - 1].first);
            } else if (action == 1 && doc.UndoPos() < doc.UndoCount()) {
                wholeList |= ordering(doc.RedoKind());
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
                wholeList |= ordering(kind);
            }
            steps += doc.Revision() != seen && action != 2 ? 1 : 0;
            if (draw(3) == 0) {
                const auto changes = doc.RowChangesSince(seen);
                ASSERT_EQ(changes.has_value(), !wholeList && steps <= 16) << round;
                if (changes) {
                    ASSERT_TRUE(FollowRowChanges<const TVocabItem*>(followed, *changes));
                    const std::vector<const TVocabItem*> now = Pointers(doc);
                    ASSERT_EQ(followed.size(), now.size());
                    int fresh = 0, added = 0;
                    for (std::size_t i = 0; i < now.size(); ++i) {
                        fresh += followed[i] ? 0 : 1;
                        ASSERT_TRUE(!followed[i] || followed[i] == now[i]) << round << " row " << i;
                    }
                    for (const TRowChange& change : *changes)
                        added += change.Added;
                    ASSERT_LE(fresh, added) << "only the rows changed start anew";
                }
                followed = Pointers(doc);
                seen = doc.Revision();
                steps = 0;
                wholeList = false;
            }
            ASSERT_EQ(doc.Modified(), doc.UndoPos() != savedAt);
            ASSERT_EQ(doc.SavedPos(), savedAt);
            ASSERT_EQ(doc.UndoCount(), static_cast<int>(currents.size()));
        }
    }
}
