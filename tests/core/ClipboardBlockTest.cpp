// The clipboard block: layout, paste rules and damaged blocks.

#include "core/ClipboardBlock.h"

#include <gtest/gtest.h>

namespace {

// A list in the given languages with the given items.
void Fill(TVocabFile& doc, LangId foreign, LangId native, std::initializer_list<TFieldValues> items = {})
{
    doc.SetForeignLangID(foreign);
    doc.SetNativeLangID(native);
    for (const auto& item : items) {
        doc.SetCurrentIndex(-1);
        doc.NewItem().SetFieldValues(item);
        doc.Add();
    }
}

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

} // namespace

TEST(ClipboardBlock, CopyBuildsHeaderTextAndTerminatorForTheCurrentItemOnly)
{
    TVocabFile doc;
    Fill(doc, 0x040C, 0x0809, { { "la maison", "nom", "", "house" } });
    doc.Items(0).SortingPosition = 3;
    doc.Items(0).PenaltyPoints = -1;
    doc.SetCurrentIndex(-1);
    try {
        BuildClipboardBlock(doc);
        ADD_FAILURE() << "copied without a current item";
    } catch (const EVocabFileError& e) {
        EXPECT_STREQ(e.what(), "No current item");
    }
    doc.SetCurrentIndex(0);
    const std::string block = BuildClipboardBlock(doc);
    EXPECT_EQ(block, Block(0x040C, 0x0809, 3, "la maison\tnom\t\thouse"));
    EXPECT_EQ(block.size(), 8u + 20u + 1u);
}

TEST(ClipboardBlock, PasteRoundTripGivesAnUnlearntCopyBeforeTheCurrentItem)
{
    TVocabFile source, target;
    // English (UK) pastes into English (US): the same primary language is enough.
    Fill(source, 0x0809, 0x0407, { { "house", "noun", "", "Haus" } });
    source.Items(0).PenaltyPoints = -1;
    source.Items(0).LastAttempt = 9;
    source.Items(0).SortingPosition = 2;
    source.SetCurrentIndex(0);
    Fill(target, 0x0409, 0x0C07, { { "first", "", "", "erste" }, { "second", "", "", "zweite" } });
    target.SetCurrentIndex(1);
    PasteClipboardBlock(target, BuildClipboardBlock(source));
    ASSERT_EQ(target.Count(), 3);
    const TVocabItem& pasted = target.Items(1);
    EXPECT_EQ(pasted.FieldValues(), (TFieldValues { "house", "noun", "", "Haus" }));
    EXPECT_FALSE(pasted.Learnt());
    EXPECT_EQ(pasted.PenaltyPoints, 0);
    EXPECT_EQ(pasted.LastAttempt, 0);
    EXPECT_EQ(pasted.SortingPosition, 2);
    EXPECT_EQ(target.CurrentIndex(), 2);
    EXPECT_EQ(target.UndoKind(), ukPaste);
    EXPECT_TRUE(target.Modified());
    target.Undo();
    EXPECT_EQ(target.Count(), 2);
}

TEST(ClipboardBlock, PasteRefusesBadBlocksBeforeChangingAnything)
{
    const char* const invalid = "No valid data on clipboard.";
    const char* const languages = "Languages are different.";
    const std::pair<std::string, const char*> cases[] = {
        { Block(0x0407, 0x0409, 0, "a\tb\tc"), invalid }, // two tabs
        { Block(0x0407, 0x0409, 0, ""), invalid },
        { std::string("\x07\x04\x09", 3), invalid }, // short header
        { std::string(), invalid },
        { Block(0x0407, 0x0409, 0, std::string("a\0\t\t\t", 5)), invalid }, // tabs after the terminator
        { Block(0x040C, 0x0409, 0, "a\tb\tc\td"), languages },
        { Block(0x0407, 0x0419, 0, "a\tb\tc\td"), languages },
    };
    for (const auto& [block, message] : cases) {
        SCOPED_TRACE(::testing::PrintToString(block));
        TVocabFile doc;
        Fill(doc, 0x0C07, 0x0809, { { "x", "", "", "y" } });
        doc.SetCurrentIndex(0);
        try {
            PasteClipboardBlock(doc, block);
            ADD_FAILURE() << "pasted";
        } catch (const EVocabFileError& e) {
            EXPECT_STREQ(e.what(), message);
        }
        EXPECT_EQ(doc.Count(), 1);
        EXPECT_EQ(doc.UndoKind(), ukAdd);
    }
}

TEST(ClipboardBlock, FiveTabsPasteTheFirstFourFieldsAndAMissingTerminatorEndsWithTheData)
{
    TVocabFile doc;
    Fill(doc, 0x0407, 0x0409);
    PasteClipboardBlock(doc, Block(0x0407, 0x0409, -5, "a\tb\t\td\te\tf"));
    ASSERT_EQ(doc.Count(), 1);
    EXPECT_EQ(doc.Items(0).FieldValues(), (TFieldValues { "a", "b", "", "d" }));
    EXPECT_EQ(doc.Items(0).SortingPosition, 0);
    std::string open = Block(0x0407, 0x0409, 1, "p\tq\tr\ts");
    open.pop_back();
    PasteClipboardBlock(doc, open);
    EXPECT_EQ(doc.Items(1).FieldValue(fiNative), "s");
}
