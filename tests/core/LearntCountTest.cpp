// The learnt count the document keeps as it changes, checked against counting the items after
// every step of a session of edits, undo, answers and loading; and which steps change the texts
// that review cards are made of.

#include "core/DocumentBuilders.h"

#include <algorithm>
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
    const TWords words = Foreigns(doc);
    return static_cast<std::int32_t>(std::find(words.begin(), words.end(), word) - words.begin());
}

} // namespace

TEST(LearntCount, FollowsEveryOperationAndTheTextsRevisionOnlyTextChanges)
{
    TVocabFile doc, pasted;
    Fill(doc, German, English, {});
    for (const auto& [word, points] :
        { std::pair("a", -1), { "b", 0 }, { "c", -1 }, { "d", 2 }, { "e", -2 } })
        AppendWithPoints(doc, word, points);
    doc.EndBulkAppend();
    std::uint64_t texts = doc.TextsRevision();
    int changes = 0;
    std::int32_t last = doc.LearntCount();
    const auto check = [&](const char* step, bool textsChanged) {
        SCOPED_TRACE(step);
        EXPECT_EQ(doc.LearntCount(), CountLearnt(doc.ItemList()));
        EXPECT_EQ(doc.TextsRevision() != texts, textsChanged);
        EXPECT_EQ(pasted.LearntCount(), CountLearnt(pasted.ItemList()));
        texts = doc.TextsRevision();
        changes += doc.LearntCount() != last ? 1 : 0;
        last = doc.LearntCount();
    };
    const auto at = [&doc](std::int32_t index, std::int32_t points = 0) {
        doc.SetCurrentIndex(index);
        doc.NewItem().SetFieldValue(fiForeign, "new");
        doc.NewItem().PenaltyPoints = points;
    };
    at(1, -1), doc.Add(), check("a learnt item added", true);
    at(0), doc.Replace(), check("a learnt item replaced by an unlearnt one", true);
    at(2, -1), doc.Replace(), check("an unlearnt item replaced by a learnt one", true);
    doc.Undo(), check("the edit undone", true);
    doc.Redo(), check("the edit redone", true);
    at(3), doc.DeleteCurrent(), check("a learnt item deleted", true);
    doc.Undo(), check("the delete undone", true);
    doc.Redo(), check("the delete redone", true);
    doc.Undo(), doc.Undo(), doc.Undo(), doc.Undo(), check("the add undone", true);
    doc.Redo(), check("the add redone", true);
    at(2), doc.MoveCurrent(0), doc.Undo(), check("a move and its undo", false);
    doc.Sort(Foreigns(doc)), doc.Shuffle(), doc.Undo(), check("a sort and a shuffle", false);
    AppendWithPoints(pasted, "p", -1), AppendWithPoints(pasted, "q", -1);
    at(4), doc.PasteItems(pasted), check("learnt items pasted arrive unlearnt", true);
    doc.Undo(), check("the paste undone", true);
    doc.Redo(), check("the paste redone", true);
    at(IndexOf(doc, "b")), doc.RecordAnswer(true, 3), check("a right answer on no points learns", false);
    at(IndexOf(doc, "e")), doc.RecordAnswer(false, 3), check("a wrong answer on -2 points learns", false);
    at(IndexOf(doc, "d")), doc.RecordAnswer(true, 3), check("a right answer on points lowers them", false);
    doc.SetProperties(piAuthor, "me"), check("a property", false);
    doc.SetForeignLangID(French), check("another foreign language", true);
    doc.SetNativeLangID(German), check("another native language", true);
    doc.LoadFromBytes(doc.SaveToBytes()), check("saved and loaded", true);
    AppendWithPoints(pasted, "r", -1), pasted.SetForeignLangID(French), pasted.SetNativeLangID(German);
    doc.MergeDocument(pasted), check("learnt items merged arrive unlearnt", true);
    doc.ResetTestData(), check("the test data reset", false);
    for (std::int32_t i = 0; i < doc.Count(); ++i)
        doc.SetCurrentIndex(i), doc.RecordAnswer(true, 3);
    check("every item answered right", false);
    doc.Clear(), check("cleared", true);
    EXPECT_THROW(doc.Undo(), EVocabFileError) << "nothing to undo";
    EXPECT_THROW(doc.Redo(), EVocabFileError) << "nothing to redo";
    EXPECT_GE(changes, 12) << "most steps change the count, or they prove little";
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
}
