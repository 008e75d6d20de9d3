// Items as plain text on the clipboard: the line Copy writes, how pasted columns map to fields,
// code pages and lost characters, bad text, and the one undo step.

#include "ExchangeTestSupport.h"
#include "exchange/ClipboardText.h"
#include "support/MessageOf.h"

#include <vector>

namespace {

using TItems = std::vector<TFieldValues>;

TEST(ClipboardText, CopyWritesTheCurrentItemAsOneUtf8LineOfFourColumns)
{
    TVocabFile document;
    SetLanguages(document, Russian, German);
    AddItem(document, "\xE4\xEE\xEC", "n.", "", "Haus, Geb\xE4ude");
    AddItem(document, "a\tb", "x\r\ny", "", "z");
    AddItem(document, "\"quoted\"", "", "a \"b\"", "\"");
    EXPECT_EQ(MessageOf<EVocabFileError>([&] { BuildClipboardText(document); }), "No current item");
    document.SetCurrentIndex(0);
    document.Items(0).SortingPosition = 1;
    EXPECT_EQ(BuildClipboardText(document), "\xD0\xB4@\xD0\xBE\xD0\xBC\tn.\t\tHaus, Geb\xC3\xA4ude\n");
    document.SetCurrentIndex(1);
    EXPECT_EQ(BuildClipboardText(document), "a b\tx  y\t\tz\n") << "no tab or break inside a cell";
    document.SetCurrentIndex(2);
    const std::string quoted = BuildClipboardText(document);
    EXPECT_EQ(quoted, "\"\"\"quoted\"\"\"\t\ta \"b\"\t\"\"\"\"\n") << "a quote that opens a cell is quoted";
    TVocabFile pasted;
    PasteClipboardText(pasted, quoted);
    EXPECT_EQ(ItemValues(pasted, 0), ItemValues(document, 2));
}

// The block decides: its delimiter as the import would find it in a file, and its columns by the
// widths of its lines, never one line alone.
TEST(ClipboardText, TheBlockDecidesTheDelimiterAndWhichFieldEachColumnFills)
{
    const struct {
        const char* Text;
        TTextFormat Format;
        TFieldColumns Columns; // Foreign, Category, Notes, Native
    } cases[] = {
        { "", tfUtf8Comma, { 1, 0, 0, 0 } },
        { "Haus\nBaum\n", tfUtf8Comma, { 1, 0, 0, 0 } },
        { "Haus\thouse", tfUtf8Tab, { 1, 0, 0, 2 } },
        { "Haus\r\nBaum\ttree\r\n", tfUtf8Tab, { 1, 0, 0, 2 } },
        { "Haus\thouse\tpl. H\xC3\xA4user", tfUtf8Tab, { 1, 0, 3, 2 } },
        { "a\tb\nc\td\te\tf\n", tfUtf8Tab, { 1, 2, 3, 4 } },
        { "a\tb\tc\td\te\tf", tfUtf8Tab, { 1, 2, 3, 4 } },
        { "a\rb\t\t", tfUtf8Tab, { 1, 0, 0, 0 } }, // empty cells at the end add no column
        { "Hund,dog\nKatze,cat\n", tfUtf8Comma, { 1, 0, 0, 2 } },
        { "Hund;dog\nKatze;cat\n", tfUtf8Semicolon, { 1, 0, 0, 2 } },
        { "\"Hund, der\",dog\n", tfUtf8Comma, { 1, 0, 0, 2 } },
        { "a\tb\nc\td\ne\tf\ng\th\ti\tj\n", tfUtf8Tab, { 1, 0, 0, 2 } }, // one wide line of four
        { "a\tb\ng\th\ti\tj\nk\tl\tm\tn\n", tfUtf8Tab, { 1, 2, 3, 4 } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        TVocabFile document;
        try {
            const TPasteResult result = PasteClipboardText(document, c.Text);
            EXPECT_EQ(std::pair(result.Format, result.Columns), std::pair(c.Format, c.Columns));
        } catch (const EVocabFileError&) {
            EXPECT_EQ(c.Columns, (TFieldColumns { 1, 0, 0, 0 })) << "only word-less text is refused";
        }
    }
}

// Text without a word is refused and changes nothing.
TEST(ClipboardText, PasteReadsOneItemPerLineBeforeTheCurrentItemAsOneStep)
{
    const TFieldValues first { "first", "", "", "1" }, second { "second", "", "", "2" };
    const struct {
        const char* Name;
        std::string Text;
        TItems Pasted;
        std::int32_t LostFields;
    } cases[] = { { "word and translations", "Haus\thouse\nBaum\ttree\n",
                      { { "Haus", "", "", "house" }, { "Baum", "", "", "tree" } }, 0 },
        { "four columns with empty cells, CR LF", "der Hund\tn.\t\tdog\r\ndie Katze\t\t\t\r\n",
            { { "der Hund", "n.", "", "dog" }, { "die Katze", "", "", "#Value?#" } }, 0 },
        { "word only, blank lines skipped", "Haus\n\n  Baum  ",
            { { "Haus", "", "", "#Value?#" }, { "Baum", "", "", "#Value?#" } }, 0 },
        { "three columns: word, translations, notes", "Haus\thouse\tpl. H\xC3\xA4user",
            { { "Haus", "", "pl. H\xE4user", "house" } }, 0 },
        { "a line without a word is left out", "\thouse\nBaum\ttree\textra\tmore\tdropped",
            { { "Baum", "tree", "extra", "more" } }, 0 },
        { "a quoted cell spans lines, quotes doubled inside",
            "\"er sagte \"\"ja\"\"\"\t\"two\nlines\"\nx\ty\n",
            { { "er sagte \"ja\"", "", "", "two lines" }, { "x", "", "", "y" } }, 0 },
        { "comma-separated text as a file would be read", "Hund, dog\n\"5\" Bildschirm\",screen\n",
            { { "Hund", "", "", "dog" }, { "5\" Bildschirm", "", "", "screen" } }, 0 },
        { "characters the code page lacks are replaced and counted",
            "\xCF\x83\xCE\xBA\xCF\x8D\xCE\xBB\xCE\xBF\xCF\x82\tdog\n\xE6\x97\xA5\t\xE4\xB8\xAD\n",
            { { "??????", "", "", "dog" }, { "?", "", "", "?" } }, 3 },
        { "empty text is refused", "", {}, 0 }, { "blank lines are refused", "\n\r\n", {}, 0 },
        { "empty cells are refused", "\t\t\t\n", {}, 0 },
        { "a translation without a word is refused", " \thouse", {}, 0 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile document;
        SetLanguages(document, German, English);
        AddItem(document, first[0], "", "", first[3]);
        AddItem(document, second[0], "", "", second[3]);
        document.Items(1).PenaltyPoints = -1;
        document.SetCurrentIndex(1);
        if (c.Pasted.empty()) {
            EXPECT_EQ(MessageOf<EVocabFileError>([&] { PasteClipboardText(document, c.Text); }),
                "No valid data on clipboard.");
            EXPECT_EQ(AllItems(document), (TItems { first, second }));
            EXPECT_EQ(document.UndoKind(), ukNone);
            continue;
        }
        const TPasteResult result = PasteClipboardText(document, c.Text);
        EXPECT_EQ(result.Added, static_cast<std::int32_t>(c.Pasted.size()));
        EXPECT_EQ(result.LostFields, c.LostFields);
        TItems expected { first };
        expected.insert(expected.end(), c.Pasted.begin(), c.Pasted.end());
        expected.push_back(second);
        EXPECT_EQ(AllItems(document), expected);
        EXPECT_EQ(document.CurrentIndex(), static_cast<std::int32_t>(c.Pasted.size()) + 1);
        EXPECT_EQ(document.UndoKind(), ukPaste);
        EXPECT_TRUE(document.Modified());
        document.Undo();
        EXPECT_EQ(AllItems(document), (TItems { first, second }));
        EXPECT_EQ(document.CurrentIndex(), 1);
        EXPECT_FALSE(document.Modified());
        EXPECT_EQ(document.UndoKind(), ukNone);
        document.Redo();
        EXPECT_EQ(AllItems(document), expected);
        EXPECT_EQ(document.Items(static_cast<std::int32_t>(expected.size()) - 1).PenaltyPoints, -1);
    }
    // What a paste tells: how many, read how, and which column went to which field.
    for (const auto& [text, told] : { std::pair<std::string, std::string> { "Haus\thouse\tpl.",
                                          "Pasted 1 item from tab-separated text: column 1 Word/phrase, "
                                          "column 2 Translations, column 3 Notes." },
             { "a,b\nc,d\n",
                 "Pasted 2 items from comma-separated text: column 1 Word/phrase, column 2 "
                 "Translations." } }) {
        TVocabFile document;
        SetLanguages(document, German, English);
        EXPECT_EQ(PastedTextMessage(PasteClipboardText(document, text)).Text(), told);
    }
}

TEST(ClipboardText, CopiedLinePastesBackAtTheEndOfAListWithoutACurrentItem)
{
    TVocabFile source, target;
    SetLanguages(source, Russian, Polish);
    AddItem(source, "\xF1\xEB\xEE\xE2\xEE", "\xF1\xF3\xF9.", "", "s\xB3owo"); // слово, сущ., słowo
    source.SetCurrentIndex(0);
    source.Items(0).SortingPosition = 2;
    SetLanguages(target, Russian, Polish);
    AddItem(target, "a", "", "", "b");
    target.SetCurrentIndex(-1);
    EXPECT_EQ(PasteClipboardText(target, BuildClipboardText(source)).LostFields, 0);
    EXPECT_EQ(AllItems(target), (TItems { { "a", "", "", "b" }, ItemValues(source, 0) }));
    EXPECT_EQ(target.Items(1).SortingPosition, 2);
    EXPECT_EQ(target.CurrentIndex(), -1);
    target.Undo();
    EXPECT_EQ(target.Count(), 1);
}

} // namespace
