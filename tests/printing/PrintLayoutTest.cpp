// The print layout on a recording canvas: one device pixel per twip, 1000 x 1000 pixels, margins
// of 100, so the text area runs from 100 to 900; characters 10 wide, lines 20 high at 10 pt.

#include "printing/PrintLayout.h"

#include "core/VocabFile.h"
#include "printing/PageSetupRules.h"
#include "printing/RecordingCanvas.h"
#include "support/MessageOf.h"
#include "support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

const TPrintDevice Device { 1000, 1000, 1440, 1440 };

// A drawn text as the tests compare it: page, x, y, text.
using TLine = std::tuple<int, int, int, std::u16string>;

class PrintLayoutTest : public ::testing::Test {
protected:
    PrintLayoutTest()
    {
        Request.Setup.Margins = { 100, 100, 100, 100 };
        Request.Setup.Columns = 1;
        Request.Font = { "Serif", 10 };
        Request.Options.Title = false;
    }

    void Add(const std::string& foreign, const std::string& category = "", const std::string& notes = "",
        const std::string& native = "")
    {
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValues(foreign, category, notes, native);
        Document.AppendItem(std::move(item));
        Document.EndBulkAppend();
    }
    void AddWords(int count)
    {
        for (int i = 0; i < count; ++i)
            Add("w" + std::to_string(i));
    }
    TPrintOutcome Print()
    {
        Canvas = TRecordingCanvas();
        return PrintVocabulary(Document, Request, Device, Canvas);
    }
    std::vector<TLine> Lines() const
    {
        std::vector<TLine> lines;
        for (const auto& text : Canvas.Texts())
            lines.emplace_back(text.Page, text.X, text.Y, text.Text);
        return lines;
    }
    // The page numbers drawn, in order, with their pages (they stand at 900 + 20).
    std::vector<std::pair<int, std::u16string>> PageNumbers() const
    {
        std::vector<std::pair<int, std::u16string>> numbers;
        for (const auto& text : Canvas.Texts())
            if (text.Y == 920)
                numbers.emplace_back(text.Page, text.Text);
        return numbers;
    }
    const TRecordingCanvas::TText& Find(std::u16string_view text) const
    {
        for (const auto& drawn : Canvas.Texts())
            if (drawn.Text == text)
                return drawn;
        throw std::runtime_error("not drawn");
    }

    TVocabFile Document;
    TPrintRequest Request;
    TRecordingCanvas Canvas;
};

TEST_F(PrintLayoutTest, MarginsLeavingNoTextAreaAreRefused)
{
    const TPrintDevice a4 { 9917, 14033, 1200, 1200 };
    for (int side = 0; side < 4; ++side) {
        TMargins margins;
        std::int32_t* fields[] = { &margins.Left, &margins.Top, &margins.Right, &margins.Bottom };
        *fields[side] = 99 * 1440;
        EXPECT_EQ(
            MessageOf<std::runtime_error>([&] { PageGeometry(a4, margins); }), "Margins too large for paper.")
            << side;
    }
    // A margin's pixels are its share of an inch at the device resolution, truncated.
    const TPageGeometry page = PageGeometry({ 2480, 3508, 300, 301 }, { 1000, 1000, 1440, 0 });
    EXPECT_EQ(
        std::make_tuple(page.Left, page.Top, page.Right, page.Bottom), std::make_tuple(208, 209, 2180, 3508));
}

// The word is decoded from the foreign language's code page, the rest from the native one's.
TEST_F(PrintLayoutTest, FieldsFollowTheIncludeBitsWithTheirStylesAndCodePages)
{
    Document.SetForeignLangID(0x0419); // Russian, code page 1251
    Document.SetNativeLangID(0x0407); // German, 1252
    struct TCase {
        const char* Name;
        std::uint8_t Include;
        const char* Category;
        std::vector<std::pair<std::u16string, TFontStyle>> Expected;
    } cases[] = {
        { "all fields", 14, "noun",
            { { u"дом ", fsBold }, { u"noun ", fsItalic }, { u"pl. Häuser ", fsItalic },
                { u"Gebäude", fsRegular } } },
        { "word and translations only", 8, "noun", { { u"дом ", fsBold }, { u"Gebäude", fsRegular } } },
        { "an empty part of speech is skipped", 14, "",
            { { u"дом ", fsBold }, { u"pl. Häuser ", fsItalic }, { u"Gebäude", fsRegular } } },
        { "no fields: the bold word and a space", 0, "noun", { { u"дом ", fsBold } } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Document.Clear();
        Add("\xE4\xEE\xEC", c.Category, "pl. H\xE4user", "Geb\xE4ude");
        Request.Options.Include = c.Include;
        Print();
        std::vector<std::pair<std::u16string, TFontStyle>> drawn;
        int x = 100;
        for (const auto& text : Canvas.Texts()) {
            drawn.emplace_back(text.Text, text.Style);
            EXPECT_EQ(std::make_pair(text.X, text.Y), std::make_pair(x, 100)) << "one part after the other";
            x += static_cast<int>(text.Text.size()) * 10;
        }
        EXPECT_EQ(drawn, c.Expected);
    }
}

TEST_F(PrintLayoutTest, TextWrapsAtSpacesWithAHangingIndentAndBreaksOnlyWordsWiderThanALine)
{
    // Three columns: origins 100, 380, 660; the first column's lines end at 340.
    Request.Setup.Columns = 3;
    Request.Options.Include = 8;
    Add("Wort", "", "", "one two three fourteen five six seven eight nine ten");
    Add(std::string(30, 'A'));
    Add("xy", "", "", std::string(30, 'b'));
    Print();
    const std::vector<TLine> expected = {
        { 1, 100, 100, u"Wort " },
        { 1, 150, 100, u"one two three " }, // "fourteen" would pass the line end
        { 1, 120, 120, u"fourteen five six " }, // continuation lines start one indent in
        { 1, 120, 140, u"seven eight nine ten" },
        { 1, 100, 160, std::u16string(23, u'A') }, // 230 < 240: the rest goes on
        { 1, 120, 180, std::u16string(7, u'A') + u" " },
        { 1, 100, 200, u"xy " },
        // Not split after "xy ": the long word starts a line of its own first.
        { 1, 120, 220, std::u16string(21, u'b') },
        { 1, 120, 240, std::u16string(9, u'b') },
    };
    EXPECT_EQ(Lines(), expected);
}

TEST_F(PrintLayoutTest, AnItemThatFitsAColumnIsNotSplitAcrossColumns)
{
    // Each word of the translation takes a line of its own; 39 lines fit a column (100 to 860).
    struct TCase {
        const char* Name;
        int Columns, WordsBefore, Lines, WordLength;
        std::tuple<int, int, int> First, Second; // page, x, y of the item's first line and of its second
    } cases[] = {
        { "the last line of the column is still free", 1, 37, 2, 40, { 1, 100, 840 }, { 1, 120, 860 } },
        { "one line short: the whole item goes to the next page", 1, 38, 2, 40, { 2, 100, 100 },
            { 2, 120, 120 } },
        { "longer than a column: split where it stands", 1, 38, 40, 40, { 1, 100, 860 }, { 2, 120, 100 } },
        { "to the next column of the same page", 2, 38, 3, 25, { 1, 520, 100 }, { 1, 540, 120 } },
        { "an item at the top of a column stays", 2, 39, 2, 25, { 1, 520, 100 }, { 1, 540, 120 } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Document.Clear();
        AddWords(c.WordsBefore);
        std::string translation;
        for (int k = 0; k < c.Lines; ++k)
            translation
                += (k ? " " : "") + std::string(static_cast<std::size_t>(c.WordLength), char('a' + k % 26));
        Add("Wort", "", "", translation);
        Add("next");
        Request.Setup.Columns = c.Columns;
        Print();
        auto lines = Lines();
        std::erase_if(lines, [](const TLine& line) { return std::get<2>(line) == 920; }); // page numbers
        const auto first = std::find_if(
            lines.begin(), lines.end(), [](const TLine& line) { return std::get<3>(line) == u"Wort "; });
        ASSERT_LT(first + 2, lines.end());
        const auto where = [](const TLine& line) {
            return std::make_tuple(std::get<0>(line), std::get<1>(line), std::get<2>(line));
        };
        EXPECT_EQ(where(*first), c.First);
        EXPECT_EQ(where(first[2]), c.Second);
        EXPECT_EQ(std::get<3>(first[2]).substr(0, 1), c.Lines > 1 ? u"b" : u"");
    }
}

TEST_F(PrintLayoutTest, SeparatorsOnlyBetweenColumnsThatAreEntered)
{
    struct TCase {
        const char* Name;
        int Columns;
        int Items;
        std::size_t Bars;
    } cases[] = { { "one column never has a bar", 1, 100, 0 }, { "a second column not reached", 2, 39, 0 },
        { "second column entered on page 1", 2, 40, 1 },
        { "page 2 gets its bar when its second column is entered", 2, 39 * 3 + 1, 2 },
        { "three columns, two bars", 3, 39 * 2 + 1, 2 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Document.Clear();
        AddWords(c.Items);
        Request.Setup.Columns = c.Columns;
        Print();
        EXPECT_EQ(Canvas.Rects().size(), c.Bars);
    }
    // Three columns: origins 100, 380 and 660, gap 40; the bar is a hundredth of an inch wide
    // (14 pixels at 1440 dpi) in the middle of the gap, from the column top to the bottom.
    const auto& bar = Canvas.Rects().front();
    EXPECT_EQ(std::make_tuple(bar.Left, bar.Right, bar.Top, bar.Bottom), std::make_tuple(352, 366, 100, 900));
    Request.Setup.Separator = false;
    Print();
    EXPECT_TRUE(Canvas.Rects().empty());
}

TEST_F(PrintLayoutTest, TheHeadingStandsAboveTheColumnsOfTheFirstPage)
{
    Request.Options.Title = true;
    Request.Setup.Columns = 2;
    AddWords(80);
    Print();
    EXPECT_EQ(Canvas.Texts().front().Text, u"w0 ") << "no description and no file: no heading";
    EXPECT_EQ(Canvas.Texts().front().Y, 100);

    const TTempDir folder;
    Document.SaveToFile(folder.File("Grüne Wörter.vmr"));
    Print();
    EXPECT_EQ(Canvas.Texts().front().Text, u"Grüne Wörter") << "the file name without folder and extension";

    Document.SetProperties(piDescription, "  German words  ");
    Print();
    const auto& title = Canvas.Texts().front();
    EXPECT_EQ(title.Text, u"German words");
    EXPECT_EQ(
        std::make_tuple(title.X, title.Y, title.Style, title.Size), std::make_tuple(100, 100, fsBold, 12));
    // Its line and two empty ones at 12 pt (24 pixels each); the items at 10 pt, the bar below it.
    EXPECT_EQ(Find(u"w0 ").Y, 100 + 3 * 24);
    EXPECT_EQ(Find(u"w0 ").Size, 10);
    EXPECT_EQ(Canvas.Rects().front().Top, 172);
    // 36 lines fit below the title: page 2 begins at the top margin, without a title.
    EXPECT_EQ(std::make_tuple(Find(u"w72 ").Page, Find(u"w72 ").Y), std::make_tuple(2, 100));
    EXPECT_EQ(std::count_if(Canvas.Texts().begin(), Canvas.Texts().end(),
                  [](const auto& text) { return text.Text == u"German words"; }),
        1);

    // A title wider than the page wraps between characters, never inside a surrogate pair.
    Document.SetProperties(piDescription, "");
    for (const std::string lead : { "", "x" }) {
        std::string name = lead;
        for (int i = 0; i < 60; ++i)
            name += "\xF0\x9D\x84\x9E"; // U+1D11E
        Document.SaveToFile(folder.File(name + ".vmr"));
        Print();
        std::u16string wrapped;
        for (const auto& text : Canvas.Texts())
            if (text.Size == 12) {
                EXPECT_FALSE(text.Text.back() >= 0xD800 && text.Text.back() < 0xDC00) << lead;
                wrapped += text.Text;
            }
        EXPECT_EQ(wrapped.size(), lead.size() + 120);
    }

    Request.Options.Title = false;
    Print();
    EXPECT_EQ(Canvas.Texts().front().Text, u"w0 ");
}

TEST_F(PrintLayoutTest, PageNumbersOnlyOnListsLongerThanAPageAndEachCopyStartsWithPageOne)
{
    // Lines at 100, 120, ... 860 fit (860 + 2 x 20 reaches 900): 39 items per page.
    AddWords(39);
    Print();
    EXPECT_TRUE(PageNumbers().empty()) << "one page: no number";

    Add("w39");
    Request.Passes = 3;
    EXPECT_EQ(Print().Pages, 6);
    EXPECT_EQ(Canvas.Pages(), 6);
    const std::vector<std::pair<int, std::u16string>> expected
        = { { 1, u"1" }, { 2, u"2" }, { 3, u"1" }, { 4, u"2" }, { 5, u"1" }, { 6, u"2" } };
    EXPECT_EQ(PageNumbers(), expected);
    // Centred below the text area, its top one text height below it, in regular type.
    const auto& number = Canvas.Texts()[39];
    EXPECT_EQ(std::make_tuple(number.Text, number.X, number.Style), std::make_tuple(u"1", 495, fsRegular));
    std::vector<TLine> firsts;
    for (const auto& line : Lines())
        if (std::get<3>(line) == u"w0 ")
            firsts.push_back(line);
    EXPECT_EQ(firsts,
        (std::vector<TLine> { { 1, 100, 100, u"w0 " }, { 3, 100, 100, u"w0 " }, { 5, 100, 100, u"w0 " } }));

    Request.Options.PageNumbers = false;
    Print();
    EXPECT_TRUE(PageNumbers().empty());
}

TEST_F(PrintLayoutTest, ProgressCanCancelTheJob)
{
    AddWords(2000);
    std::int64_t last = 0;
    const TPrintOutcome outcome
        = PrintVocabulary(Document, Request, Device, Canvas, [&](std::int64_t done, std::int64_t total) {
              EXPECT_EQ(total, 2000);
              last = done;
              return done < 1000;
          });
    EXPECT_TRUE(outcome.Cancelled);
    EXPECT_GE(last, 1000);
    EXPECT_LT(Canvas.Texts().size(), 1100u) << "nothing more is drawn after the cancel";
}

TEST(PageSetupRules, UnitsRoundToWholeTwips)
{
    EXPECT_DOUBLE_EQ(TwipsToUnits(1440, muInches), 1.0);
    EXPECT_NEAR(TwipsToUnits(1440, muCentimetres), 2.54, 0.005);
    EXPECT_EQ(UnitsToTwips(2, muCentimetres), 1134);
    EXPECT_EQ(UnitsToTwips(0.5, muInches), 720);
    EXPECT_EQ(UnitsToTwips(2.54, muCentimetres), 1440);
}

TEST(PageSetupRules, SketchShowsColumnsOfLinesAndBars)
{
    // 100 x 60 paint box: the page is 88 x 48 from (6, 6); lines two pixels apart.
    const auto one = PageSketch(100, 60, 1, true);
    EXPECT_EQ(one.size(), 25u);
    EXPECT_EQ(one.front(), (TSketchLine { 6, 6, 94, 6 }));
    EXPECT_EQ(one.back().Y1, 54);

    std::vector<TSketchLine> bars;
    std::vector<int> starts;
    for (const auto& line : PageSketch(100, 60, 3, true)) {
        if (line.X1 == line.X2)
            bars.push_back(line);
        else if (line.Y1 == 6)
            starts.push_back(line.X1);
    }
    // W = 88 + 5 = 93: columns start at 6, 37, 68; bars at 2 + 1 before the next start.
    EXPECT_EQ(starts, (std::vector<int> { 6, 37, 68 }));
    EXPECT_EQ(bars, (std::vector<TSketchLine> { { 34, 6, 34, 54 }, { 65, 6, 65, 54 } }));
    EXPECT_EQ(PageSketch(100, 60, 3, false).size(), 3 * 25u) << "no bars without the separator";
    EXPECT_TRUE(PageSketch(10, 10, 2, true).empty());
}

} // namespace
