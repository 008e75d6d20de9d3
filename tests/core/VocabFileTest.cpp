// The document's items, setters, editing, test bookkeeping, multiple choice, find and merge.

#include "core/VocabFile.h"

#include "core/DocumentBuilders.h"
#include "core/Random.h"
#include "evaluation/TextUtils.h"
#include "support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

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

// A view keeps what it measured by the text stamp: it must change with the texts and never return.
TEST(VocabItem, CopiesKeepAllAndTheTextStampWhichChangesOnlyWithTheTexts)
{
    const auto state = [](const TVocabItem& i) {
        return std::tuple(i.FieldValues(), i.TextStamp(), i.LastAttempt, i.SortingPosition, i.PenaltyPoints);
    };
    TVocabItem item;
    EXPECT_EQ(item.TextStamp(), 0u);
    item.SetFieldValues(TFieldValues { "chien", "nom", "", "dog" });
    std::tie(item.LastAttempt, item.SortingPosition, item.PenaltyPoints) = std::tuple(7, 2, -1);
    const auto stamp = item.TextStamp();
    EXPECT_NE(stamp, 0u);
    TVocabItem copy(item);
    EXPECT_EQ(state(copy), state(item));
    copy.SetFieldValue(fiForeign, "chat");
    EXPECT_EQ(item.FieldValue(fiForeign), "chien");
    TVocabItem assigned;
    assigned = item;
    EXPECT_EQ(state(assigned), state(item));
    std::set<TTextStamp> stamps { stamp };
    for (TVocabItem* changed : { &copy, &assigned, &item }) {
        changed->SetFieldValue(fiNotes, "m.");
        EXPECT_TRUE(stamps.insert(changed->TextStamp()).second) << "a new stamp for new texts, even the same";
    }
    const auto last = item.TextStamp();
    TVocabItem moved(std::move(item));
    EXPECT_EQ(moved.TextStamp(), last);
    EXPECT_EQ(item.TextStamp(), 0u) << "the emptied item holds no texts";
    assigned = std::move(moved);
    EXPECT_EQ(assigned.TextStamp(), last);
}

TEST(VocabFileErrors, FailingChecksRaiseTheirMessageAndChangeNothing)
{
    const auto choices = [](TVocabFile& d, std::int32_t wanted) {
        TVocabItemArray result;
        d.GetChoices(result, wanted);
    };
    const struct {
        const char* Name;
        std::int32_t Current;
        std::function<void(TVocabFile&)> Action;
        const char* Message;
    } cases[] = {
        { "item index negative", 0, [](auto& d) { d.Items(-1); }, "Invalid item index" },
        { "item index past end", 0, [](auto& d) { d.Items(3); }, "Invalid item index" },
        { "current item without one", -1, [](auto& d) { d.CurrentItem(); }, "No current item" },
        { "current index past end", 0, [](auto& d) { d.SetCurrentIndex(3); }, "Invalid property value." },
        { "current index below -1", 0, [](auto& d) { d.SetCurrentIndex(-2); }, "Invalid property value." },
        { "property 8", 0, [](auto& d) { d.Properties(8); }, "Invalid property array index." },
        { "property -1 set", 0, [](auto& d) { d.SetProperties(-1, "x"); }, "Invalid property array index." },
        { "replace without current", -1, [](auto& d) { d.Replace(); }, "No current item" },
        { "delete without current", -1, [](auto& d) { d.DeleteCurrent(); }, "No current item" },
        { "move without current", -1, [](auto& d) { d.MoveCurrent(0); }, "No current item" },
        { "move past end", 1, [](auto& d) { d.MoveCurrent(3); }, "Invalid item index" },
        { "move to negative", 1, [](auto& d) { d.MoveCurrent(-1); }, "Invalid item index" },
        { "choices without current", -1, [&](auto& d) { choices(d, 2); }, "No current item" },
        { "no choices wanted", 0, [&](auto& d) { choices(d, 0); }, "Invalid parameter." },
        { "answer without current", -1, [](auto& d) { d.RecordAnswer(true, 3); }, "No current item" },
        { "answer, negative maximum", 0, [](auto& d) { d.RecordAnswer(true, -1); },
            "Invalid procedure call." },
        { "answer on a learnt item", 2, [](auto& d) { d.RecordAnswer(false, 3); },
            "Invalid procedure call." },
        { "sort keys of wrong count", 0, [](auto& d) { d.Sort(TWords(2)); }, "Invalid parameter." },
        { "add with a foreign kind", 0, [](auto& d) { d.Add(ukSort); }, "Invalid parameter." },
        { "append of nothing", 0, [](auto& d) { d.AppendItem(nullptr); }, "Invalid parameter." },
        { "redo at the newest step", 0, [](auto& d) { d.Redo(); }, "Invalid procedure call." },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile doc;
        Fill(doc, 0, 0, { { "a" }, { "b" }, { "c" } });
        doc.Items(2).PenaltyPoints = -1;
        doc.SetCurrentIndex(c.Current);
        doc.MarkSaved();
        const auto before = Pointers(doc);
        EXPECT_EQ(ErrorOf([&] { c.Action(doc); }), c.Message);
        EXPECT_EQ(Pointers(doc), before);
        EXPECT_EQ(doc.CurrentIndex(), c.Current);
        EXPECT_EQ(History(doc), std::tuple(3, 3, 3, false));
        EXPECT_EQ(doc.Attempts(), 0);
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
        EXPECT_EQ(History(doc), std::tuple(1, 1, 1, false));
        change(doc, true);
        EXPECT_EQ(History(doc), std::tuple(1, 1, -1, true));
        AppendByAdd(doc, "b");
        doc.Undo();
        EXPECT_TRUE(doc.Modified());
        doc.Undo();
        doc.Redo();
        EXPECT_TRUE(doc.Modified());
    }
}

TEST(VocabFileEditing, AddAppendsWithoutCurrentAndInsertsBeforeIt)
{
    TVocabFile doc;
    TVocabItem* first = AppendByAdd(doc, "first");
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
    EXPECT_EQ(Foreigns(doc), (TWords { "first", "new", "second", "third" }));
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
        FillWords(doc, TWords(static_cast<std::size_t>(c.Count), "w"));
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
    EXPECT_EQ(History(doc), std::tuple(0, 0, 0, false));

    doc.MoveCurrent(3);
    EXPECT_EQ(Foreigns(doc), (TWords { "a", "c", "d", "b", "e" }));
    EXPECT_EQ(doc.CurrentIndex(), 3);
    doc.MoveCurrent(0);
    EXPECT_EQ(Foreigns(doc), (TWords { "b", "a", "c", "d", "e" }));
    doc.SetCurrentIndex(4);
    doc.MoveCurrent(2);
    EXPECT_EQ(Foreigns(doc), (TWords { "b", "a", "e", "c", "d" }));
    EXPECT_EQ(doc.UndoKind(), ukMove);
    EXPECT_TRUE(doc.Modified());
}

TEST(VocabFileEditing, ShuffleIsAPermutationKeepingTheCurrentItem)
{
    const TWords words { "a", "b", "c" };
    std::set<TWords> seen;
    for (std::uint64_t seed = 1; seed <= 100; ++seed) {
        SeedRandom(seed);
        TVocabFile doc;
        FillWords(doc, words);
        doc.SetCurrentIndex(1);
        TVocabItem* current = &doc.CurrentItem();
        doc.Shuffle();
        EXPECT_EQ(&doc.CurrentItem(), current);
        const auto order = *seen.insert(Foreigns(doc)).first;
        EXPECT_TRUE(std::is_permutation(order.begin(), order.end(), words.begin(), words.end()));
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
    EXPECT_EQ(History(doc), std::tuple(0, 0, -1, true));
    EXPECT_EQ(Foreigns(doc), (TWords { "a", "imported" }));
}

TEST(VocabFileOperations, ClearKeepsOnlyTheLanguages)
{
    TVocabFile doc;
    Fill(doc, German, English, { { "a" }, { "b" } });
    doc.SetProperties(piComments, "c");
    doc.SetCurrentIndex(0);
    doc.RecordAnswer(true, 3);
    doc.Clear();
    EXPECT_EQ(std::tuple(doc.Count(), doc.CurrentIndex(), doc.Attempts(), doc.Successes()),
        std::tuple(0, -1, 0, 0));
    EXPECT_EQ(doc.Properties(piComments), "");
    EXPECT_EQ(History(doc), std::tuple(0, 0, 0, false));
    EXPECT_EQ(std::pair(doc.ForeignLangID(), doc.NativeLangID()), std::pair(German, English));
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
    for (const auto& item : doc.ItemList())
        EXPECT_EQ(std::pair(item->LastAttempt, item->PenaltyPoints), std::pair(0, 0));
    EXPECT_EQ(std::pair(doc.Attempts(), doc.Successes()), std::pair(0, 0));
    EXPECT_EQ(History(doc), std::tuple(0, 0, -1, true));
}

TEST(VocabFileTesting, RecordAnswerRules)
{
    const struct {
        const char* Name;
        bool Correct;
        std::int32_t Max, Points;
        bool OthersLearnt;
        std::int32_t ExpectedPoints;
    } cases[] = { { "right on the only unlearnt item makes it learnt at once", true, 3, 2, true, -1 },
        { "right with others left lowers the points", true, 3, 2, false, 1 },
        { "right with no points makes it learnt", true, 3, 0, false, -1 },
        { "right above the maximum caps first", true, 3, 5, false, 2 },
        { "wrong above the maximum caps and stays", false, 3, 5, false, 3 },
        { "wrong adds a point", false, 3, 1, false, 2 },
        { "wrong at the maximum stays", false, 3, 3, false, 3 },
        { "without penalty points wrong stays at 0", false, 0, 0, false, 0 },
        { "without penalty points right is learnt", true, 0, 0, false, -1 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile doc;
        FillWords(doc, { "a", "b", "c" });
        doc.SetCurrentIndex(0);
        doc.RecordAnswer(false, 0); // an earlier answer on another item
        doc.Items(0).PenaltyPoints = doc.Items(2).PenaltyPoints = c.OthersLearnt ? -1 : 0;
        doc.SetCurrentIndex(1);
        doc.CurrentItem().PenaltyPoints = c.Points;
        doc.Sort(Foreigns(doc)); // steps in the history (the order stays), one of them to redo
        doc.Sort(Foreigns(doc));
        doc.Undo();
        doc.MarkSaved();

        doc.RecordAnswer(c.Correct, c.Max);
        EXPECT_EQ(doc.CurrentItem().PenaltyPoints, c.ExpectedPoints);
        EXPECT_EQ(doc.CurrentItem().LastAttempt, 2);
        EXPECT_EQ(std::pair(doc.Attempts(), doc.Successes()), std::pair(2, c.Correct ? 1 : 0));
        EXPECT_EQ(History(doc), std::tuple(0, 0, -1, true)); // an answer empties the history
    }
}

// index: 0 current noun; 1, 2 noun; 3 noun learnt; 4, 5 verb; 6 verb learnt; 7 noun learnt
TEST(VocabFileChoices, FourPassesPreferTheSamePartOfSpeechAndUnlearntItems)
{
    const std::pair<const char*, bool> items[] = { { "noun", false }, { "noun", false }, { "noun", false },
        { "noun", true }, { "verb", false }, { "verb", false }, { "verb", true }, { "noun", true } };
    const struct {
        std::int32_t Wanted;
        std::set<std::int32_t> Certain; // always among the choices
        std::set<std::int32_t> Possible; // the rest are drawn from these
    } cases[] = { { 1, { 0 }, {} }, { 2, { 0 }, { 1, 2 } }, { 3, { 0, 1, 2 }, {} },
        { 4, { 0, 1, 2 }, { 3, 7 } }, { 5, { 0, 1, 2, 3, 7 }, {} }, { 6, { 0, 1, 2, 3, 7 }, { 4, 5 } },
        { 7, { 0, 1, 2, 3, 4, 5, 7 }, {} }, { 8, { 0, 1, 2, 3, 4, 5, 6, 7 }, {} },
        { 20, { 0, 1, 2, 3, 4, 5, 6, 7 }, {} } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Wanted);
        std::set<std::int32_t> drawn;
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            SeedRandom(seed);
            TVocabFile doc;
            for (std::size_t i = 0; i < std::size(items); ++i)
                AppendByAdd(doc, std::to_string(i), items[i].first)->PenaltyPoints = items[i].second ? -1 : 0;
            doc.SetCurrentIndex(0);
            TVocabItemArray choices { nullptr };
            doc.GetChoices(choices, c.Wanted);
            std::set<std::int32_t> indexes; // of the distinct choices, read from their texts
            for (const TVocabItem* choice : choices)
                indexes.insert(std::stoi(std::string(choice->FieldValue(fiForeign))));
            ASSERT_EQ(choices.size(), std::min<std::size_t>(static_cast<std::size_t>(c.Wanted), 8));
            ASSERT_EQ(indexes.size(), choices.size());
            EXPECT_TRUE(std::includes(indexes.begin(), indexes.end(), c.Certain.begin(), c.Certain.end()));
            std::set_difference(indexes.begin(), indexes.end(), c.Certain.begin(), c.Certain.end(),
                std::inserter(drawn, drawn.end()));
        }
        EXPECT_EQ(drawn, c.Possible);
    }
}

// What matches is checked against the text utilities below; these are about the order of the search.
TEST(VocabFileFind, FromAfterTheCurrentItemWrappingAround)
{
    const TWords cats { "the cat sat", "catalogue", "cat food", "the cat", "", "CAT" };
    const TWords texts { "x a", "b", "x c", "x d", "e" };
    const struct {
        const char* Name;
        TWords Texts; // word/phrase of each item
        std::string Search;
        std::uint8_t Options, Mode;
        std::int32_t Current, Expected;
    } cases[] = {
        { "any part after the current item", cats, "cat", 0, smAnyPart, 0, 1 },
        { "whole word skips a longer word", cats, "cat", MatchWord, smAnyPart, 0, 2 },
        { "start is not the middle", cats, "cat", MatchWord, smStart, 2, 5 },
        { "whole field ignores case", cats, "cat", 0, smWhole, -1, 5 },
        { "match case", cats, "Cat", MatchCase, smAnyPart, -1, -1 },
        { "empty whole field finds an empty field", cats, "", 0, smWhole, 0, 4 },
        { "empty whole-word whole field", cats, "", MatchWord, smWhole, -1, 4 },
        { "nothing on an empty list", {}, "x", 0, smAnyPart, -1, -1 },
        { "next after current", texts, "x", 0, smAnyPart, 2, 3 },
        { "wraps to the start", texts, "x", 0, smAnyPart, 3, 0 },
        { "from the last item", texts, "x", 0, smAnyPart, 4, 0 },
        { "current item is the only match", texts, "b", 0, smWhole, 1, 1 },
        { "current item is tested last", { "x", "x" }, "x", 0, smWhole, 1, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile doc;
        doc.SetForeignLangID(English);
        FillWords(doc, c.Texts);
        doc.SetCurrentIndex(c.Current);
        EXPECT_EQ(doc.FindNext({ c.Search, fiForeign, c.Options, c.Mode }), c.Expected);
        EXPECT_EQ(doc.CurrentIndex(), c.Current);
    }
}

TEST(VocabFileFind, NativeFieldsUseTheNativeLanguage)
{
    TVocabFile doc;
    Fill(doc, Turkish, English, { { "ISPARTA", 0, "", "ISPARTA" } });
    for (const auto& [field, expected] : { std::pair(fiForeign, -1), { fiNative, 0 }, { fiNotes, -1 } })
        EXPECT_EQ(doc.FindNext({ "isparta", static_cast<std::uint8_t>(field), 0, smWhole }), expected)
            << field;
    EXPECT_EQ(ErrorOf([&] { doc.FindNext({ "isparta", 4, 0, smWhole }); }), "Invalid parameter.");
}

TEST(VocabFileFind, GreekSigmasMeetWhenCaseIsIgnored)
{
    constexpr LangId Greek = 0x0408;
    // "ο σκύλος" and the word in capitals, "Ο ΣΚΥΛΟΣ": the final sigma is a capital sigma's small form.
    TVocabFile doc;
    Fill(doc, Greek, English, { { "\xEF \xF3\xEA\xFD\xEB\xEF\xF2" } });
    const struct {
        const char* Text;
        std::uint8_t Options;
        std::int32_t Expected;
    } cases[] = {
        { "\xCF \xD3\xCA\xD5\xCB\xCF\xD3", 0, 0 },
        { "\xCB\xCF\xD3", 0, 0 },
        { "\xEB\xEF\xF3", 0, 0 },
        { "\xEB\xEF\xF3", MatchCase, -1 },
        // Accents matched: capitals without the tonos are another word.
        { "\xD3\xCA\xD5\xCB\xCF\xD3", MatchAccents, -1 },
        { "\xF3\xEA\xFD\xEB\xEF\xF3", MatchAccents, 0 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(doc.FindNext({ c.Text, fiForeign, c.Options, smAnyPart }), c.Expected)
            << c.Text << " " << int(c.Options);
}

// The search must give what the text utilities give, whatever shortcut it takes for plain ASCII.
TEST(VocabFileFind, AgreesWithTheTextUtilities)
{
    const std::string alphabet = "aAbBiIzZ09 -.,'\t\xE9\xC9\xFD\xDD\xE8\xC8\xF2\xF3\xD3";
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
            text = CaseFoldLocale(text, lang);
        if (!(options & MatchAccents))
            text = StripAccents(text, lang);
        return options & MatchWord ? "\t" + MaskNonAlphanumeric(text, lang, '\t') + "\t" : text;
    };
    for (const LangId lang : { English, Turkish, French, Russian, LangId { 0x0408 } }) {
        TVocabFile doc;
        doc.SetForeignLangID(lang);
        AppendByAdd(doc, "");
        for (int round = 0; round < 1500; ++round) {
            const std::string field = randomText(10, round % 2 == 0);
            doc.Items(0).SetFieldValue(fiForeign, field);
            const TSearchParams params { randomText(3, round % 3 == 0), fiForeign,
                static_cast<std::uint8_t>(random() % 8), static_cast<std::uint8_t>(random() % 4) };
            const std::string f = normalise(field, lang, params.Options);
            const std::string t = normalise(params.Text, lang, params.Options);
            // An empty text is only looked for as a whole field.
            const bool expected = params.Text.empty() && params.Mode != smWhole ? false
                : params.Mode == smAnyPart ? f.find(t) != std::string::npos
                : params.Mode == smStart   ? f.starts_with(t)
                : params.Mode == smEnd     ? f.ends_with(t)
                                           : f == t;
            ASSERT_EQ(doc.FindNext(params), expected ? 0 : -1)
                << "lang " << lang << " field '" << field << "' text '" << params.Text << "' options "
                << int(params.Options) << " mode " << int(params.Mode);
        }
    }
}

class VocabFileMerge : public ::testing::Test {
protected:
    VocabFileMerge()
    {
        Fill(Target, German, English, { { "eins" } });
        Target.SetCurrentIndex(0);
        Target.MarkSaved();
    }

    std::string SaveList(const std::string& name, LangId foreign, LangId native, const TWords& words)
    {
        TVocabFile doc;
        Fill(doc, foreign, native, {});
        for (const auto& word : words) {
            TVocabItem* item = AppendByAdd(doc, word, "noun", "note " + word, "tr " + word, 1);
            item->PenaltyPoints = -1;
            item->LastAttempt = 9;
        }
        doc.SaveToFile(Dir.File(name));
        return Dir.File(name);
    }

    TTempDir Dir;
    TVocabFile Target;
};

TEST_F(VocabFileMerge, AppendsTextsAndSortingPositionsOnly)
{
    EXPECT_EQ(Target.MergeFile(SaveList("other.vmr", 0x0807, EnglishUK, { "zwei", "drei" })), 2);
    EXPECT_EQ(Foreigns(Target), (TWords { "eins", "zwei", "drei" }));
    const TVocabItem& merged = Target.Items(2);
    EXPECT_EQ(merged.FieldValues(), (TFieldValues { "drei", "noun", "note drei", "tr drei" }));
    EXPECT_EQ(
        std::tuple(merged.SortingPosition, merged.PenaltyPoints, merged.LastAttempt), std::tuple(1, 0, 0));
    EXPECT_EQ(Target.CurrentIndex(), 0);
    EXPECT_EQ(History(Target), std::tuple(0, 0, -1, true));
    EXPECT_EQ(Target.FileName(), "");
    EXPECT_EQ(Target.ForeignLangID(), German);
}

TEST_F(VocabFileMerge, EmptyOrFailingFilesLeaveTheDocumentAsItWas)
{
    EXPECT_EQ(Target.MergeFile(SaveList("empty.vmr", German, English, {})), 0);
    const auto otherLanguages = SaveList("french.vmr", French, English, { "un" });
    EXPECT_EQ(ErrorOf([&] { Target.MergeFile(otherLanguages); }), "Languages are different.");
    const auto swapped = SaveList("swapped.vmr", English, German, { "one" });
    EXPECT_EQ(ErrorOf([&] { Target.MergeFile(swapped); }), "Languages are different.");
    WriteBytes(Dir.File("damaged.vmr"), "not a list");
    EXPECT_THROW(Target.MergeFile(Dir.File("damaged.vmr")), std::exception);
    EXPECT_THROW(Target.MergeFile(Dir.File("missing.vmr")), std::exception);
    EXPECT_EQ(Foreigns(Target), (TWords { "eins" }));
    EXPECT_EQ(History(Target), std::tuple(1, 1, 1, false));
}

} // namespace
