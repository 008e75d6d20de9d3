// The clipboard block: layout, paste rules and damaged blocks.

#include "core/ClipboardBlock.h"

#include <gtest/gtest.h>

namespace {

TVocabFile& MakeDoc(TVocabFile& doc, LangId foreign, LangId native)
{
    doc.SetForeignLangID(foreign);
    doc.SetNativeLangID(native);
    return doc;
}

void AddItem(TVocabFile& doc, std::string_view foreign, std::string_view category, std::string_view notes,
    std::string_view native)
{
    doc.SetCurrentIndex(-1);
    doc.NewItem().SetFieldValues(foreign, category, notes, native);
    doc.Add();
}

std::string Block(LangId foreign, LangId native, std::int32_t position, std::string_view text)
{
    std::string block;
    block.push_back(static_cast<char>(foreign & 0xFF));
    block.push_back(static_cast<char>(foreign >> 8));
    block.push_back(static_cast<char>(native & 0xFF));
    block.push_back(static_cast<char>(native >> 8));
    const auto p = static_cast<std::uint32_t>(position);
    for (int i = 0; i < 4; ++i)
        block.push_back(static_cast<char>((p >> (8 * i)) & 0xFF));
    block.append(text);
    block.push_back('\0');
    return block;
}

} // namespace

TEST(ClipboardBlock, CopyBuildsHeaderTextAndTerminator)
{
    TVocabFile doc;
    MakeDoc(doc, 0x040C, 0x0809);
    AddItem(doc, "la maison", "nom", "", "house");
    doc.Items(0).SortingPosition = 3;
    doc.Items(0).PenaltyPoints = -1;
    doc.SetCurrentIndex(0);
    const std::string block = BuildClipboardBlock(doc);
    EXPECT_EQ(block, Block(0x040C, 0x0809, 3, "la maison\tnom\t\thouse"));
    EXPECT_EQ(block.size(), 8u + 20u + 1u);
}

TEST(ClipboardBlock, CopyWithoutCurrentItemFails)
{
    TVocabFile doc;
    AddItem(doc, "a", "", "", "b");
    try {
        BuildClipboardBlock(doc);
        FAIL();
    } catch (const EVocabFileError& e) {
        EXPECT_STREQ(e.what(), "No current item");
    }
}

TEST(ClipboardBlock, PasteRoundTripGivesAnUnlearntCopyBeforeTheCurrentItem)
{
    TVocabFile source;
    MakeDoc(source, 0x0809, 0x0407); // English (UK) pastes into English (US): same primary language
    AddItem(source, "house", "noun", "", "Haus");
    source.Items(0).PenaltyPoints = -1;
    source.Items(0).LastAttempt = 9;
    source.Items(0).SortingPosition = 2;
    source.SetCurrentIndex(0);
    const std::string block = BuildClipboardBlock(source);

    TVocabFile target;
    MakeDoc(target, 0x0409, 0x0C07);
    AddItem(target, "first", "", "", "erste");
    AddItem(target, "second", "", "", "zweite");
    target.SetCurrentIndex(1);
    PasteClipboardBlock(target, block);
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
    struct Case {
        const char* name;
        std::string block;
        const char* message;
    };
    const Case cases[] = {
        { "two tabs", Block(0x0407, 0x0409, 0, "a\tb\tc"), "No valid data on clipboard." },
        { "no text", Block(0x0407, 0x0409, 0, ""), "No valid data on clipboard." },
        { "short header", std::string("\x07\x04\x09", 3), "No valid data on clipboard." },
        { "empty", std::string(), "No valid data on clipboard." },
        { "other foreign language", Block(0x040C, 0x0409, 0, "a\tb\tc\td"), "Languages are different." },
        { "other native language", Block(0x0407, 0x0419, 0, "a\tb\tc\td"), "Languages are different." },
        { "tabs after the terminator", Block(0x0407, 0x0409, 0, std::string("a\0\t\t\t", 5)),
            "No valid data on clipboard." },
    };
    for (const auto& c : cases) {
        TVocabFile doc;
        MakeDoc(doc, 0x0C07, 0x0809);
        AddItem(doc, "x", "", "", "y");
        doc.SetCurrentIndex(0);
        try {
            PasteClipboardBlock(doc, c.block);
            ADD_FAILURE() << c.name;
        } catch (const EVocabFileError& e) {
            EXPECT_STREQ(e.what(), c.message) << c.name;
        }
        EXPECT_EQ(doc.Count(), 1) << c.name;
        EXPECT_EQ(doc.UndoKind(), ukAdd) << c.name;
    }
}

TEST(ClipboardBlock, FiveTabsPasteTheFirstFourFields)
{
    TVocabFile doc;
    MakeDoc(doc, 0x0407, 0x0409);
    PasteClipboardBlock(doc, Block(0x0407, 0x0409, -5, "a\tb\t\td\te\tf"));
    ASSERT_EQ(doc.Count(), 1);
    EXPECT_EQ(doc.Items(0).FieldValues(), (TFieldValues { "a", "b", "", "d" }));
    EXPECT_EQ(doc.Items(0).SortingPosition, 0);
    // A block without its terminator ends with the data.
    std::string open = Block(0x0407, 0x0409, 1, "p\tq\tr\ts");
    open.pop_back();
    PasteClipboardBlock(doc, open);
    EXPECT_EQ(doc.Items(1).FieldValue(fiNative), "s");
}
