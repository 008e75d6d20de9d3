// The print layout on a recording canvas: one device pixel per twip, 1000 x 1000 pixels, margins
// of 100, so the text area runs from 100 to 900; characters 10 wide, lines 20 high at 10 pt.

#include "printing/PrintLayout.h"

#include "core/VocabFile.h"
#include "printing/PageSetupRules.h"
#include "printing/RecordingCanvas.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>
#include <unistd.h>

namespace {

const TPrintDevice Device { 1000, 1000, 1440, 1440 };

struct TItemTexts {
    std::string Foreign, Category, Notes, Native;
};

class PrintLayoutTest : public ::testing::Test {
protected:
    PrintLayoutTest()
    {
        Request.Setup.Margins = { 100, 100, 100, 100 };
        Request.Setup.Columns = 1;
        Request.Font = { "Serif", 10 };
        Request.Options.Title = false;
    }

    void Add(const TItemTexts& texts)
    {
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValues(texts.Foreign, texts.Category, texts.Notes, texts.Native);
        Document.AppendItem(std::move(item));
        Document.EndBulkAppend();
    }
    void AddWords(int count)
    {
        for (int i = 0; i < count; ++i)
            Add({ "w" + std::to_string(i), "", "", "" });
    }
    TPrintOutcome Print()
    {
        Canvas = TRecordingCanvas();
        return PrintVocabulary(Document, Request, Device, Canvas);
    }
    // The page numbers drawn, in order, with their pages.
    std::vector<std::pair<int, std::u16string>> PageNumbers() const
    {
        std::vector<std::pair<int, std::u16string>> numbers;
        for (const auto& text : Canvas.Texts())
            if (text.Y == 920)
                numbers.emplace_back(text.Page, text.Text);
        return numbers;
    }
    const TRecordingCanvas::TText& FirstText(std::u16string_view prefix) const
    {
        for (const auto& text : Canvas.Texts())
            if (text.Text.starts_with(prefix))
                return text;
        throw std::runtime_error("no such text");
    }

    TVocabFile Document;
    TPrintRequest Request;
    TRecordingCanvas Canvas;
};

TEST_F(PrintLayoutTest, MarginsLeavingNoTextAreaAreRefused)
{
    const TPrintDevice paper { 9917, 14033, 1200, 1200 }; // A4 at 1200 dpi
    for (int side = 0; side < 4; ++side) {
        TMargins margins;
        std::int32_t* fields[] = { &margins.Left, &margins.Top, &margins.Right, &margins.Bottom };
        *fields[side] = 99 * 1440;
        std::string message;
        try {
            PageGeometry(paper, margins);
        } catch (const std::runtime_error& error) {
            message = error.what();
        }
        EXPECT_EQ(message, "Margins too large for paper.") << side;
    }
    // Pixels are the margin's share of an inch at the device resolution, truncated.
    const TPageGeometry page = PageGeometry({ 2480, 3508, 300, 301 }, { 1000, 1000, 1440, 0 });
    EXPECT_EQ(page.Left, 208);
    EXPECT_EQ(page.Top, 209);
    EXPECT_EQ(page.Right, 2480 - 300);
    EXPECT_EQ(page.Bottom, 3508);
}

TEST_F(PrintLayoutTest, FieldsFollowTheIncludeBitsWithTheirStyles)
{
    struct TCase {
        const char* Name;
        std::uint8_t Include;
        TItemTexts Item;
        std::vector<std::pair<std::u16string, TFontStyle>> Expected;
    } cases[] = {
        { "all fields", 14, { "Haus", "noun", "pl. H\xE4user", "house" },
            { { u"Haus ", fsBold }, { u"noun ", fsItalic }, { u"pl. Häuser ", fsItalic },
                { u"house", fsRegular } } },
        { "word and translations only", 8, { "Haus", "noun", "pl.", "house" },
            { { u"Haus ", fsBold }, { u"house", fsRegular } } },
        { "empty part of speech and notes are skipped", 14, { "Haus", "", "", "house" },
            { { u"Haus ", fsBold }, { u"house", fsRegular } } },
        { "no translations: the bold word and a space", 6, { "Haus", "", "", "house" },
            { { u"Haus ", fsBold } } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Document.Clear();
        Document.SetForeignLangID(0x0407);
        Document.SetNativeLangID(0x0409);
        Add(c.Item);
        Request.Options.Include = c.Include;
        Print();
        std::vector<std::pair<std::u16string, TFontStyle>> drawn;
        int x = 100;
        for (const auto& text : Canvas.Texts()) {
            drawn.emplace_back(text.Text, text.Style);
            EXPECT_EQ(text.X, x) << "each part follows the one before on the same line";
            EXPECT_EQ(text.Y, 100);
            x += static_cast<int>(text.Text.size()) * 10;
        }
        EXPECT_EQ(drawn, c.Expected);
    }
}

TEST_F(PrintLayoutTest, LongTextWrapsAtSpacesWithAHangingIndent)
{
    // Three columns: origins 100, 380, 660; the first ends at 340 (24 characters, less one to stay inside).
    Request.Setup.Columns = 3;
    Request.Options.Include = 8;
    Add({ "Wort", "", "", "one two three fourteen five six seven eight nine ten" });
    Print();
    std::vector<std::tuple<int, int, std::u16string>> lines;
    for (const auto& text : Canvas.Texts())
        lines.emplace_back(text.X, text.Y, text.Text);
    const std::vector<std::tuple<int, int, std::u16string>> expected = {
        { 100, 100, u"Wort " },
        { 150, 100, u"one two three " }, // "fourteen" would pass the line end
        { 120, 120, u"fourteen five six " }, // continuation lines start one indent in
        { 120, 140, u"seven eight nine ten" },
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(PrintLayoutTest, AWordWiderThanTheColumnIsBrokenInsideTheWord)
{
    Request.Setup.Columns = 3;
    const std::string word(30, 'A');
    Add({ word, "", "", "" });
    Add({ "xy", "", "", std::string(30, 'b') });
    Print();
    const auto& texts = Canvas.Texts();
    ASSERT_GE(texts.size(), 5u);
    EXPECT_EQ(texts[0].Text, std::u16string(23, u'A')); // 230 < 240 available
    EXPECT_EQ(texts[0].X, 100);
    EXPECT_EQ(texts[1].Text, std::u16string(7, u'A') + u" ");
    EXPECT_EQ(texts[1].X, 120);
    // After "xy " the long translation is not split there: it starts on the next line.
    EXPECT_EQ(texts[2].Text, u"xy ");
    EXPECT_EQ(texts[3].Text, std::u16string(21, u'b'));
    EXPECT_EQ(texts[3].X, 120);
    EXPECT_EQ(texts[3].Y, texts[2].Y + 20);
}

TEST_F(PrintLayoutTest, ALineIsStartedOnlyIfItEndsAboveTheBottom)
{
    // Lines at 100, 120, ... 860 fit (860 + 2 x 20 reaches 900): 39 items per column.
    AddWords(40);
    const TPrintOutcome outcome = Print();
    EXPECT_EQ(outcome.Pages, 2);
    EXPECT_EQ(FirstText(u"w38").Y, 860);
    EXPECT_EQ(FirstText(u"w38").Page, 1);
    EXPECT_EQ(FirstText(u"w39").Page, 2);
    EXPECT_EQ(FirstText(u"w39").Y, 100);
    EXPECT_EQ(FirstText(u"w39").X, 100);
}

TEST_F(PrintLayoutTest, SeparatorsOnlyBetweenColumnsThatAreEntered)
{
    struct TCase {
        const char* Name;
        int Columns;
        int Items;
        std::size_t Bars;
    } cases[] = {
        { "one column never has a bar", 1, 100, 0 },
        { "a second column not reached", 2, 39, 0 },
        { "second column entered on page 1", 2, 40, 1 },
        { "page 2 gets its bar when its second column is entered", 2, 39 * 3 + 1, 2 },
        { "three columns, two bars", 3, 39 * 2 + 1, 2 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Document.Clear();
        AddWords(c.Items);
        Request.Setup.Columns = c.Columns;
        Request.Setup.Separator = true;
        Print();
        EXPECT_EQ(Canvas.Rects().size(), c.Bars);
    }
    // Three columns: origins 100, 380 and 660, gap 40; the bar is a hundredth of an inch wide
    // (14 pixels at 1440 dpi) in the middle of the gap and runs from the column top to the
    // bottom of the text area.
    const auto& bar = Canvas.Rects().front();
    EXPECT_EQ(bar.Left, 380 - 20 - 7 - 1);
    EXPECT_EQ(bar.Right, bar.Left + 14);
    EXPECT_EQ(bar.Top, 100);
    EXPECT_EQ(bar.Bottom, 900);
    Request.Setup.Separator = false;
    Print();
    EXPECT_TRUE(Canvas.Rects().empty());
}

TEST_F(PrintLayoutTest, TitleStandsAboveTheColumnsOfThePageOnly)
{
    Document.SetProperties(piDescription, "  German words  ");
    Request.Options.Title = true;
    Request.Setup.Columns = 2;
    AddWords(80);
    Print();
    const auto& title = Canvas.Texts().front();
    EXPECT_EQ(title.Text, u"German words");
    EXPECT_EQ(title.Style, fsBold);
    EXPECT_EQ(title.Size, 12);
    EXPECT_EQ(std::make_pair(title.X, title.Y), std::make_pair(100, 100));
    // The title's line and two empty ones at 12 pt (24 pixels each); the items at 10 pt.
    EXPECT_EQ(FirstText(u"w0").Y, 100 + 3 * 24);
    EXPECT_EQ(FirstText(u"w0").Size, 10);
    EXPECT_EQ(Canvas.Rects().front().Top, 172) << "the bar starts below the title";
    // Page 2 starts at the top margin: the title is not repeated.
    for (const auto& text : Canvas.Texts())
        if (text.Page == 2) {
            EXPECT_EQ(text.Y, 100);
            break;
        }
    EXPECT_EQ(std::count_if(Canvas.Texts().begin(), Canvas.Texts().end(),
                  [](const auto& t) { return t.Text == u"German words"; }),
        1);
}

TEST_F(PrintLayoutTest, HeadingFallsBackToTheFileNameAndMayBeAbsent)
{
    Request.Options.Title = true;
    Add({ "Haus", "", "", "house" });
    Print();
    EXPECT_EQ(Canvas.Texts().front().Text, u"Haus ") << "no description and no file: no heading";
    EXPECT_EQ(Canvas.Texts().front().Y, 100);

    const auto folder
        = std::filesystem::temp_directory_path() / ("velmoria-print-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string name = (folder / "Grüne Wörter.vmr").string();
    Document.SaveToFile(name);
    Print();
    EXPECT_EQ(Canvas.Texts().front().Text, u"Grüne Wörter");
    Request.Options.Title = false;
    Print();
    EXPECT_EQ(Canvas.Texts().front().Text, u"Haus ");
    std::filesystem::remove_all(folder);
}

TEST_F(PrintLayoutTest, PageNumbersOnlyOnListsLongerThanAPage)
{
    AddWords(39);
    Print();
    EXPECT_TRUE(PageNumbers().empty()) << "one page: no number";

    AddWords(1);
    Print();
    const std::vector<std::pair<int, std::u16string>> expected = { { 1, u"1" }, { 2, u"2" } };
    EXPECT_EQ(PageNumbers(), expected);
    // Centred below the text area, its top one text height below it.
    const auto& number = Canvas.Texts()[39];
    EXPECT_EQ(number.Text, u"1");
    EXPECT_EQ(number.X, (100 + 900 - 10) / 2);
    EXPECT_EQ(number.Style, fsRegular);

    Request.Options.PageNumbers = false;
    Print();
    EXPECT_TRUE(PageNumbers().empty());
}

TEST_F(PrintLayoutTest, EachCopyStartsOnANewPageWithPageOne)
{
    AddWords(40);
    Request.Passes = 3;
    const TPrintOutcome outcome = Print();
    EXPECT_EQ(outcome.Pages, 6);
    EXPECT_EQ(Canvas.Pages(), 6);
    const std::vector<std::pair<int, std::u16string>> expected
        = { { 1, u"1" }, { 2, u"2" }, { 3, u"1" }, { 4, u"2" }, { 5, u"1" }, { 6, u"2" } };
    EXPECT_EQ(PageNumbers(), expected);
    EXPECT_EQ(FirstText(u"w0").Page, 1);
    int w0Pages = 0;
    for (const auto& text : Canvas.Texts())
        if (text.Text == u"w0 ") {
            EXPECT_EQ(text.Page % 2, 1);
            EXPECT_EQ(text.Y, 100);
            ++w0Pages;
        }
    EXPECT_EQ(w0Pages, 3);
}

TEST_F(PrintLayoutTest, TextsAreDecodedFromTheirLanguagesCodePages)
{
    Document.SetForeignLangID(0x0419); // Russian, code page 1251
    Document.SetNativeLangID(0x0407); // German, 1252
    Add({ "\xE4\xEE\xEC", "", "", "Haus, Geb\xE4ude" });
    Print();
    EXPECT_EQ(Canvas.Texts()[0].Text, u"дом ");
    EXPECT_EQ(Canvas.Texts()[1].Text, u"Haus, Gebäude");
}

TEST_F(PrintLayoutTest, ProgressCanCancelTheJob)
{
    AddWords(2000);
    std::vector<std::int64_t> seen;
    const TPrintOutcome outcome
        = PrintVocabulary(Document, Request, Device, Canvas, [&](std::int64_t done, std::int64_t total) {
              EXPECT_EQ(total, 2000);
              seen.push_back(done);
              return done < 1000;
          });
    EXPECT_TRUE(outcome.Cancelled);
    ASSERT_FALSE(seen.empty());
    EXPECT_GE(seen.back(), 1000);
    EXPECT_LT(Canvas.Texts().size(), 1100u) << "nothing more is drawn after the cancel";
}

TEST(PageSetupRules, UnitsAndRounding)
{
    EXPECT_DOUBLE_EQ(TwipsToUnits(1440, muInches), 1.0);
    EXPECT_NEAR(TwipsToUnits(1440, muCentimetres), 2.54, 0.005);
    EXPECT_EQ(UnitsToTwips(2, muCentimetres), 1134);
    EXPECT_EQ(UnitsToTwips(0.5, muInches), 720);
    EXPECT_EQ(UnitsToTwips(2.54, muCentimetres), 1440);
    EXPECT_EQ(UnitsToTwips(99, muInches), 142560);
}

TEST(PageSetupRules, SketchShowsColumnsOfLinesAndBars)
{
    // 100 x 60 paint box: the page is 88 x 48 from (6, 6); lines two pixels apart.
    const auto one = PageSketch(100, 60, 1, true);
    EXPECT_EQ(one.size(), 25u);
    EXPECT_EQ(one.front(), (TSketchLine { 6, 6, 94, 6 }));
    EXPECT_EQ(one.back().Y1, 54);

    const auto three = PageSketch(100, 60, 3, true);
    std::vector<TSketchLine> bars;
    std::vector<int> starts;
    for (const auto& line : three) {
        if (line.X1 == line.X2)
            bars.push_back(line);
        else if (line.Y1 == 6)
            starts.push_back(line.X1);
    }
    // W = 88 + 5 = 93: columns start at 6, 37, 68 and end 5 before the next start.
    EXPECT_EQ(starts, (std::vector<int> { 6, 37, 68 }));
    EXPECT_EQ(bars, (std::vector<TSketchLine> { { 34, 6, 34, 54 }, { 65, 6, 65, 54 } }));
    EXPECT_EQ(three[0].X2, 32);

    const auto plain = PageSketch(100, 60, 3, false);
    EXPECT_EQ(plain.size(), 3 * 25u) << "no bars without the separator";
    EXPECT_TRUE(PageSketch(10, 10, 2, true).empty());
}

} // namespace
