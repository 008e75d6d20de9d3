// The document's items, setters, editing, test bookkeeping, multiple choice, find and merge.

#include "core/VocabFile.h"

#include "core/DocumentBuilders.h"
#include "core/FreedMemory.h"
#include "core/Random.h"
#include "evaluation/TextUtils.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <malloc.h>
#include <random>
#include <set>
#include <sys/mman.h>

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
// Items made with their texts in their own allocation (as loads make them) behave the same.
TEST(VocabItem, CopiesKeepAllAndTheTextStampWhichChangesOnlyWithTheTexts)
{
    const auto state = [](const TVocabItem& i) {
        return std::tuple(i.FieldValues(), i.TextStamp(), i.LastAttempt, i.SortingPosition, i.PenaltyPoints);
    };
    EXPECT_EQ(TVocabItem().TextStamp(), 0u);
    TItemArena arena;
    for (const int made : { 0, 1, 2 }) {
        SCOPED_TRACE(made);
        std::unique_ptr<TVocabItem> owner = made == 0 ? std::make_unique<TVocabItem>()
            : made == 1                               ? TVocabItem::Make("chien", "nom", "", "dog")
                                                      : arena.Make("chien", "nom", "", "dog");
        TVocabItem& item = *owner;
        if (made == 0)
            item.SetFieldValues(TFieldValues { "chien", "nom", "", "dog" });
        EXPECT_EQ(item.FieldValues(), (TFieldValues { "chien", "nom", "", "dog" }));
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
        const auto before = state(item);
        TVocabItem moved(std::move(item));
        EXPECT_EQ(state(moved), before);
        EXPECT_EQ(item.TextStamp(), 0u) << "the emptied item holds no texts";
        EXPECT_EQ(item.FieldValues(), TFieldValues {});
        item = std::move(moved);
        EXPECT_EQ(state(item), before);
        std::set<TTextStamp> stamps { stamp };
        for (TVocabItem* changed : { &copy, &assigned, &item }) {
            changed->SetFieldValue(fiNotes, "m.");
            EXPECT_TRUE(stamps.insert(changed->TextStamp()).second)
                << "a new stamp for new texts, even the same";
        }
        EXPECT_EQ(item.FieldValues(), (TFieldValues { "chien", "nom", "m.", "dog" }));
    }
    EXPECT_EQ(TVocabItem::Make("", "", "", "")->TextStamp(), 0u);
    EXPECT_EQ(arena.Make("", "", "", "")->TextStamp(), 0u);
    EXPECT_EQ(TVocabItem::Make("", "", "", "a")->FieldValues(), (TFieldValues { "", "", "", "a" }));
}

// Items of an arena outlive it and each other in any order, with texts changed or moved, and
// their blocks go only with the last item placed in them, also when a list is deleted at once.
TEST(VocabItem, ArenaBlocksGoWithTheirLastItem)
{
    const std::size_t before = TItemArena::BlocksInUse();
    const std::string big(40000, 'x'); // a block holds about two dozen of these
    TVocabItemList items;
    auto arena = std::make_unique<TItemArena>();
    for (int i = 0; i < 100; ++i)
        items.push_back(arena->Make(std::to_string(i), "", i % 2 ? big : "", "t"));
    items.push_back(arena->Make(std::string(70000, 'y'), "", "", "")); // too large to place
    const std::size_t used = TItemArena::BlocksInUse() - before;
    EXPECT_GE(used, 2u);
    arena.reset();
    EXPECT_EQ(TItemArena::BlocksInUse() - before, used) << "the items hold their blocks";
    items[3]->SetFieldValue(fiNotes, "changed");
    *items[5] = std::move(*items[4]);
    *items[7] = *items[6];
    for (std::size_t i = 0; i < items.size(); i += 2)
        items[i].reset();
    EXPECT_EQ(TItemArena::BlocksInUse() - before, used);
    EXPECT_EQ(items[3]->FieldValues(), (TFieldValues { "3", "", "changed", "t" }));
    EXPECT_EQ(items[5]->FieldValues(), (TFieldValues { "4", "", "", "t" }));
    EXPECT_EQ(items[7]->FieldValue(fiNotes), "");
    EXPECT_EQ(items[99]->FieldValues(), (TFieldValues { "99", "", big, "t" }));
    // The rest at once, beside gaps and an item of its own.
    items.push_back(TVocabItem::Make("own", "", "", ""));
    TItemArena::DeleteAll(items);
    EXPECT_TRUE(items.empty());
    EXPECT_EQ(TItemArena::BlocksInUse(), before);
}

// Freed, a large buffer goes back to the system at once, also after one like it was freed (when
// the allocator would keep the next in its heap).
TEST(FreedMemory, LargeBuffersAreMappedOnTheirOwn)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizers' allocator maps memory its own way";
#else
    MapLargeBlocksApart();
    for (const std::size_t size : { 8u << 20, 8u << 20, 5u << 20 }) {
        const std::size_t before = ::mallinfo2().hblkhd;
        const std::vector<char> buffer(size);
        EXPECT_GE(::mallinfo2().hblkhd, before + size) << size;
    }
#endif
}

// Only whole huge pages inside a block of 4 MB or more are advised: advice past its ends would
// reach memory that other blocks use. /proc/self/smaps shows advised ranges as mappings of their
// own flagged "hg".
TEST(FreedMemory, HugePagesAreAdvisedInsideLargeBlocksOnly)
{
    constexpr std::uintptr_t MB = 1 << 20;
    // The advised mapping as "start-end", in megabytes from a 2 MB boundary, or "" for none.
    const auto advised = [](std::uintptr_t base) {
        std::ifstream smaps("/proc/self/smaps");
        std::uintptr_t start = 0, end = 0;
        for (std::string line; std::getline(smaps, line);)
            if (line.find(' ') > line.find('-'))
                std::sscanf(line.c_str(), "%lx-%lx ", &start, &end);
            else if (start >= base && end <= base + 16 * MB && line.starts_with("VmFlags:")
                && line.find(" hg") != std::string::npos)
                return std::to_string((start - base) / MB) + "-" + std::to_string((end - base) / MB);
        return std::string();
    };
    const struct {
        std::uintptr_t From, Bytes;
        const char* Advised;
    } cases[] = { { MB, 3 * MB, "" }, { MB, 7 * MB, "2-8" }, { 0, 4 * MB, "0-4" },
        { MB + MB / 2, 4 * MB, "2-4" }, { MB / 2, 6 * MB, "2-6" } };
    for (const auto& c : cases) {
        void* mapped = ::mmap(nullptr, 18 * MB, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        ASSERT_NE(mapped, MAP_FAILED);
        // Not at the mapping's start: advice there could join a neighbour's advised mapping.
        const std::uintptr_t base
            = ((reinterpret_cast<std::uintptr_t>(mapped) + 2 * MB - 1) & ~(2 * MB - 1)) + 2 * MB;
        AdviseHugePages(reinterpret_cast<const void*>(base + c.From), c.Bytes);
        EXPECT_EQ(advised(base), c.Advised) << c.From << " " << c.Bytes;
        ::munmap(mapped, 18 * MB);
    }
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
        EXPECT_EQ(std::tuple(Pointers(doc), doc.CurrentIndex(), History(doc), doc.Attempts()),
            std::tuple(before, c.Current, std::tuple(3, 3, 3, false), 0));
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

// Whether the steps mark the document is the undo walk's; these are about where items and the current one go.
TEST(VocabFileEditing, AddDeleteAndMovePlaceTheItemsAndTheCurrentIndex)
{
    TVocabFile doc;
    TVocabItem* first = AppendByAdd(doc, "first");
    EXPECT_EQ(&doc.Items(0), first);
    EXPECT_NE(&doc.NewItem(), first);
    EXPECT_EQ(doc.NewItem().FieldValue(fiForeign), "");
    AppendByAdd(doc, "second");
    doc.SetCurrentIndex(1);
    TVocabItem* current = &doc.CurrentItem();
    doc.NewItem().SetFieldValue(fiForeign, "new");
    doc.Add(ukPaste); // before the current item
    EXPECT_EQ(Foreigns(doc), (TWords { "first", "new", "second" }));
    EXPECT_EQ(
        std::tuple(&doc.CurrentItem(), doc.CurrentIndex(), doc.UndoKind()), std::tuple(current, 2, ukPaste));

    // Delete moves the current index back only at the end.
    for (const auto& [count, at, after] : { std::tuple(3, 2, 1), { 1, 0, -1 }, { 3, 0, 0 }, { 3, 1, 1 } }) {
        TVocabFile list;
        FillWords(list, TWords(static_cast<std::size_t>(count), "w"));
        list.SetCurrentIndex(at);
        list.DeleteCurrent();
        EXPECT_EQ(std::tuple(list.Count(), list.CurrentIndex(), list.UndoKind()),
            std::tuple(count - 1, after, ukDelete));
    }

    // A move both ways; onto itself it is no step.
    TVocabFile list;
    FillWords(list, { "a", "b", "c", "d", "e" });
    list.MarkSaved();
    list.SetCurrentIndex(1);
    list.MoveCurrent(1);
    EXPECT_EQ(History(list), std::tuple(0, 0, 0, false));
    list.MoveCurrent(3);
    EXPECT_EQ(Foreigns(list), (TWords { "a", "c", "d", "b", "e" }));
    EXPECT_EQ(list.CurrentIndex(), 3);
    list.MoveCurrent(0);
    list.SetCurrentIndex(4);
    list.MoveCurrent(2);
    EXPECT_EQ(Foreigns(list), (TWords { "b", "a", "e", "c", "d" }));
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
    EXPECT_EQ(std::pair(empty.CurrentIndex(), empty.UndoKind()), std::pair(-1, ukShuffle));
}

// A bulk append (an import that may stop half-way), a reset and a clear leave no records that no longer fit.
TEST(VocabFileOperations, BulkAppendResetAndClearEmptyTheHistory)
{
    TVocabFile doc;
    Fill(doc, German, English, { { "a" }, { "b" } });
    doc.SetProperties(piComments, "c");
    doc.MarkSaved();
    auto imported = std::make_unique<TVocabItem>();
    imported->SetFieldValue(fiForeign, "c");
    doc.AppendItem(std::move(imported));
    EXPECT_EQ(History(doc), std::tuple(0, 0, -1, true));
    EXPECT_EQ(Foreigns(doc), (TWords { "a", "b", "c" }));
    doc.EndBulkAppend();

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

    doc.RecordAnswer(true, 3);
    doc.Clear(); // keeps only the languages
    EXPECT_EQ(std::tuple(doc.Count(), doc.CurrentIndex(), doc.Attempts(), doc.Successes()),
        std::tuple(0, -1, 0, 0));
    EXPECT_EQ(doc.Properties(piComments), "");
    EXPECT_EQ(History(doc), std::tuple(0, 0, 0, false));
    EXPECT_EQ(std::pair(doc.ForeignLangID(), doc.NativeLangID()), std::pair(German, English));
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
        doc.RecountLearnt();
        doc.Sort(Foreigns(doc)); // steps in the history (the order stays), one of them to redo
        doc.Sort(Foreigns(doc));
        doc.Undo();
        doc.MarkSaved();

        doc.RecordAnswer(c.Correct, c.Max);
        EXPECT_EQ(std::tuple(doc.CurrentItem().PenaltyPoints, doc.CurrentItem().LastAttempt, doc.Attempts(),
                      doc.Successes()),
            std::tuple(c.ExpectedPoints, 2, 2, c.Correct ? 1 : 0));
        EXPECT_EQ(History(doc), std::tuple(0, 0, -1, true)); // an answer empties the history
    }
}

// What matches is checked against the text utilities below; these are about the order of the search.
TEST(VocabFileFind, FromAfterTheCurrentItemWrappingAround)
{
    const TWords cats { "the cat sat", "catalogue", "cat food", "the cat", "", "CAT" };
    const TWords texts { "x a", "b", "x c", "x d", "e" };
    const std::string dog = "\xEF \xF3\xEA\xFD\xEB\xEF\xF2";
    const struct {
        const char* Name;
        TWords Texts; // word/phrase of each item
        std::string Search;
        std::uint8_t Options, Mode;
        std::int32_t Current, Expected;
        LangId Lang = English;
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
        // Greek "ο σκύλος": its final sigma is a capital sigma's small form, and a capital lacks the tonos.
        { "capitals, final sigma", { dog }, "\xCF \xD3\xCA\xD5\xCB\xCF\xD3", 0, smAnyPart, -1, 0, Greek },
        { "capital sigma meets final", { dog }, "\xCB\xCF\xD3", 0, smAnyPart, -1, 0, Greek },
        { "small sigma meets final", { dog }, "\xEB\xEF\xF3", 0, smAnyPart, -1, 0, Greek },
        { "not with case matched", { dog }, "\xEB\xEF\xF3", MatchCase, smAnyPart, -1, -1, Greek },
        { "capitals, accents matched", { dog }, "\xD3\xCA\xD5\xCB\xCF\xD3", MatchAccents, smAnyPart, -1, -1,
            Greek },
        { "small, accents matched", { dog }, "\xF3\xEA\xFD\xEB\xEF\xF3", MatchAccents, smAnyPart, -1, 0,
            Greek },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile doc;
        doc.SetForeignLangID(c.Lang);
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

// The languages, texts and test state of a list merged into one with "eins".
TEST(VocabFileMerge, AppendsTextsAndSortingPositionsOnlyAndFailsChangingNothing)
{
    TTempDir dir;
    const auto saved = [&](const std::string& name, LangId foreign, LangId native, const TWords& words) {
        TVocabFile doc;
        Fill(doc, foreign, native, {});
        for (const auto& word : words) {
            TVocabItem* item = AppendByAdd(doc, word, "noun", "note " + word, "tr " + word, 1);
            std::tie(item->PenaltyPoints, item->LastAttempt) = std::pair(-1, 9);
        }
        doc.SaveToFile(dir.File(name));
        return dir.File(name);
    };
    TVocabFile target;
    Fill(target, German, English, { { "eins" } });
    target.SetCurrentIndex(0);
    target.MarkSaved();
    EXPECT_EQ(target.MergeFile(saved("empty.vmr", German, English, {})), 0);
    const auto otherLanguages = saved("french.vmr", French, English, { "un" });
    EXPECT_EQ(ErrorOf([&] { target.MergeFile(otherLanguages); }), "Languages are different.");
    const auto swapped = saved("swapped.vmr", English, German, { "one" });
    EXPECT_EQ(ErrorOf([&] { target.MergeFile(swapped); }), "Languages are different.");
    WriteBytes(dir.File("damaged.vmr"), "not a list");
    EXPECT_THROW(target.MergeFile(dir.File("damaged.vmr")), std::exception);
    EXPECT_THROW(target.MergeFile(dir.File("missing.vmr")), std::exception);
    EXPECT_EQ(Foreigns(target), (TWords { "eins" }));
    EXPECT_EQ(History(target), std::tuple(1, 1, 1, false));

    // Swiss German and British English are the same languages.
    EXPECT_EQ(target.MergeFile(saved("other.vmr", 0x0807, EnglishUK, { "zwei", "drei" })), 2);
    EXPECT_EQ(Foreigns(target), (TWords { "eins", "zwei", "drei" }));
    const TVocabItem& merged = target.Items(2);
    EXPECT_EQ(merged.FieldValues(), (TFieldValues { "drei", "noun", "note drei", "tr drei" }));
    EXPECT_EQ(
        std::tuple(merged.SortingPosition, merged.PenaltyPoints, merged.LastAttempt), std::tuple(1, 0, 0));
    EXPECT_EQ(std::tuple(target.CurrentIndex(), target.FileName(), target.ForeignLangID()),
        std::tuple(0, "", German));
    EXPECT_EQ(History(target), std::tuple(0, 0, -1, true));
}

} // namespace
