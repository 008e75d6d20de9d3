// The learnt count the document keeps as it changes, checked against counting the items after
// every step of a session of edits, undo, answers and loading; and which steps change the texts
// that review cards are made of.

#include "core/DocumentBuilders.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

void AppendWithPoints(TVocabFile& doc, const std::string& word, std::int32_t points)
{
    auto item = std::make_unique<TVocabItem>();
    item->SetFieldValues(word, "", "", word + "-n");
    item->PenaltyPoints = points;
    doc.AppendItem(std::move(item));
}

std::int32_t IndexOf(const TVocabFile& doc, const std::string& word)
{
    for (std::int32_t i = 0; i < doc.Count(); ++i)
        if (doc.Items(i).FieldValue(fiForeign) == word)
            return i;
    return -1;
}

} // namespace

TEST(LearntCount, FollowsEveryOperationAndTheTextsRevisionOnlyTextChanges)
{
    TVocabFile doc;
    doc.SetForeignLangID(German);
    doc.SetNativeLangID(English);
    for (const auto& [word, points] : std::vector<std::pair<std::string, std::int32_t>> {
             { "a", -1 }, { "b", 0 }, { "c", -1 }, { "d", 2 }, { "e", -2 }, { "f", -1 } })
        AppendWithPoints(doc, word, points);
    doc.EndBulkAppend();
    TVocabFile pasted;
    const auto fillPasted = [&pasted] {
        AppendWithPoints(pasted, "p", -1);
        AppendWithPoints(pasted, "q", -1);
    };
    const auto at = [&doc](const char* word) { doc.SetCurrentIndex(IndexOf(doc, word)); };

    const struct {
        const char* Name;
        std::function<void()> Step;
        bool Texts;
    } steps[] = {
        { "a learnt item added",
            [&] {
                doc.NewItem().SetFieldValue(fiForeign, "g");
                doc.NewItem().PenaltyPoints = -1;
                at("b");
                doc.Add();
            },
            true },
        { "a learnt item replaced by an unlearnt one",
            [&] {
                at("a");
                doc.NewItem().SetFieldValue(fiForeign, "a2");
                doc.Replace();
            },
            true },
        { "the edit undone", [&] { doc.Undo(); }, true },
        { "the edit redone", [&] { doc.Redo(); }, true },
        { "a learnt item deleted",
            [&] {
                at("c");
                doc.DeleteCurrent();
            },
            true },
        { "the delete undone", [&] { doc.Undo(); }, true },
        { "the delete redone", [&] { doc.Redo(); }, true },
        { "the add undone",
            [&] {
                doc.Undo();
                doc.Undo();
                doc.Undo();
            },
            true },
        { "the add redone", [&] { doc.Redo(); }, true },
        { "a move",
            [&] {
                at("b");
                doc.MoveCurrent(0);
            },
            false },
        { "the move undone", [&] { doc.Undo(); }, false },
        { "a sort", [&] { doc.Sort(Foreigns(doc)); }, false },
        { "a shuffle and its undo",
            [&] {
                doc.Shuffle();
                doc.Undo();
            },
            false },
        { "learnt items pasted arrive unlearnt",
            [&] {
                fillPasted();
                at("f");
                doc.PasteItems(pasted);
            },
            true },
        { "the paste undone", [&] { doc.Undo(); }, true },
        { "the paste redone", [&] { doc.Redo(); }, true },
        { "a right answer on no points learns",
            [&] {
                at("b");
                doc.RecordAnswer(true, 3);
            },
            false },
        { "a wrong answer on -2 points learns",
            [&] {
                at("e");
                doc.RecordAnswer(false, 3);
            },
            false },
        { "a right answer on points lowers them",
            [&] {
                at("d");
                doc.RecordAnswer(true, 3);
            },
            false },
        { "a property", [&] { doc.SetProperties(piAuthor, "me"); }, false },
        { "another foreign language", [&] { doc.SetForeignLangID(French); }, true },
        { "another native language", [&] { doc.SetNativeLangID(German); }, true },
        { "saved and loaded", [&] { doc.LoadFromBytes(doc.SaveToBytes()); }, true },
        { "learnt items merged arrive unlearnt",
            [&] {
                fillPasted();
                pasted.SetForeignLangID(French);
                pasted.SetNativeLangID(German);
                doc.MergeDocument(pasted);
            },
            true },
        { "the test data reset", [&] { doc.ResetTestData(); }, false },
        { "every item answered right",
            [&] {
                for (std::int32_t i = 0; i < doc.Count(); ++i) {
                    doc.SetCurrentIndex(i);
                    doc.RecordAnswer(true, 3);
                }
            },
            false },
        { "a bulk append",
            [&] {
                AppendWithPoints(doc, "z", -1);
                doc.EndBulkAppend();
            },
            true },
        { "cleared", [&] { doc.Clear(); }, true },
    };
    std::int32_t last = doc.LearntCount();
    int changedCount = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.Name);
        const std::uint64_t texts = doc.TextsRevision();
        step.Step();
        EXPECT_EQ(doc.LearntCount(), CountLearnt(doc.ItemList()));
        EXPECT_EQ(doc.TextsRevision() != texts, step.Texts);
        EXPECT_EQ(pasted.LearntCount(), 0);
        changedCount += doc.LearntCount() != last ? 1 : 0;
        last = doc.LearntCount();
    }
    EXPECT_EQ(doc.LearntCount(), 0);
    EXPECT_GE(changedCount, 12) << "most steps change the count, or they prove little";
}

TEST(LearntCount, ItemsSetDirectlyAreCountedAgainOnRequest)
{
    TVocabFile doc;
    FillWords(doc, { "a", "b", "c" });
    doc.Items(0).PenaltyPoints = doc.Items(2).PenaltyPoints = -1;
    doc.RecountLearnt();
    EXPECT_EQ(doc.LearntCount(), 2);
    // The only unlearnt item answered right is learnt at once.
    doc.SetCurrentIndex(1);
    doc.RecordAnswer(true, 3);
    EXPECT_EQ(doc.LearntCount(), 3);
    EXPECT_TRUE(doc.Items(1).Learnt());
}
