// The clipboard block: layout, paste rules and damaged blocks.

#include "core/ClipboardBlock.h"

#include "core/DocumentBuilders.h"

#include <gtest/gtest.h>

namespace {

std::string Block(LangId foreign, LangId native, std::int32_t position, std::string_view text)
{
    std::string block;
    const auto p = static_cast<std::uint32_t>(position);
    for (const unsigned value :
        { foreign & 0xFFu, unsigned(foreign) >> 8, native & 0xFFu, unsigned(native) >> 8 })
        block.push_back(static_cast<char>(value));
    for (int i = 0; i < 4; ++i)
        block.push_back(static_cast<char>((p >> (8 * i)) & 0xFF));
    return block.append(text) + '\0';
}

// A copy holds the header, the texts and a terminator of the current item only; its paste is an
// unlearnt copy before the current item. English (UK) pastes into English (US): the same primary
// language is enough.
TEST(ClipboardBlock, CopyAndPasteGiveAnUnlearntCopyBeforeTheCurrentItem)
{
    TVocabFile source, target;
    Fill(source, EnglishUK, German, {});
    TVocabItem* copied = AppendByAdd(source, "house", "noun", "", "Haus", 2);
    std::tie(copied->PenaltyPoints, copied->LastAttempt) = std::pair(-1, 9);
    EXPECT_EQ(ErrorOf([&] { BuildClipboardBlock(source); }), "No current item");
    source.SetCurrentIndex(0);
    EXPECT_EQ(BuildClipboardBlock(source), Block(EnglishUK, German, 2, "house\tnoun\t\tHaus"));
    Fill(target, English, 0x0C07, { { "first" }, { "second" } });
    target.SetCurrentIndex(1);
    PasteClipboardBlock(target, BuildClipboardBlock(source));
    EXPECT_EQ(Foreigns(target), (TWords { "first", "house", "second" }));
    const TVocabItem& pasted = target.Items(1);
    EXPECT_EQ(pasted.FieldValues(), (TFieldValues { "house", "noun", "", "Haus" }));
    EXPECT_EQ(
        std::tuple(pasted.PenaltyPoints, pasted.LastAttempt, pasted.SortingPosition), std::tuple(0, 0, 2));
    EXPECT_EQ(target.CurrentIndex(), 2);
    EXPECT_EQ(target.UndoKind(), ukPaste);
    target.Undo();
    EXPECT_EQ(target.Count(), 2);
}

TEST(ClipboardBlock, PasteRefusesBadBlocksBeforeChangingAnything)
{
    const char* const invalid = "No valid data on clipboard.";
    const char* const languages = "Languages are different.";
    const std::pair<std::string, const char*> cases[] = {
        { Block(German, English, 0, "a\tb\tc"), invalid }, // two tabs
        { Block(German, English, 0, ""), invalid },
        { std::string("\x07\x04\x09", 3), invalid }, // short header
        { std::string(), invalid },
        { Block(German, English, 0, std::string("a\0\t\t\t", 5)), invalid }, // tabs after the terminator
        { Block(French, English, 0, "a\tb\tc\td"), languages },
        { Block(German, Russian, 0, "a\tb\tc\td"), languages },
        { Block(French, English, 0, "").substr(0, 8), languages }, // the header alone tells them
    };
    for (const auto& [block, message] : cases) {
        SCOPED_TRACE(::testing::PrintToString(block));
        TVocabFile doc;
        Fill(doc, 0x0C07, EnglishUK, { { "x" } });
        doc.SetCurrentIndex(0);
        EXPECT_EQ(ErrorOf([&] { PasteClipboardBlock(doc, block); }), message);
        EXPECT_EQ(doc.Count(), 1);
        EXPECT_EQ(doc.UndoKind(), ukAdd);
    }
}

TEST(ClipboardBlock, FiveTabsPasteTheFirstFourFieldsAndAMissingTerminatorEndsWithTheData)
{
    TVocabFile doc;
    Fill(doc, German, English, {});
    PasteClipboardBlock(doc, Block(German, English, -5, "a\tb\t\td\te\tf"));
    ASSERT_EQ(doc.Count(), 1);
    EXPECT_EQ(doc.Items(0).FieldValues(), (TFieldValues { "a", "b", "", "d" }));
    EXPECT_EQ(doc.Items(0).SortingPosition, 0);
    std::string open = Block(German, English, 1, "p\tq\tr\ts");
    open.pop_back();
    PasteClipboardBlock(doc, open);
    EXPECT_EQ(doc.Items(1).FieldValue(fiNative), "s");
}

} // namespace
