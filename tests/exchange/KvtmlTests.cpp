// KVTML 2: files read, mapped onto the list's fields and written back; damaged and foreign XML
// refused whole.

#include "ExchangeTestSupport.h"
#include "core/Errors.h"
#include "evaluation/TextUtils.h"
#include "exchange/Kvtml.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

namespace {

std::string Kvtml(const std::string& entries, const std::string& rest = "",
    const std::string& identifiers = R"(<identifier id="0"><name>German</name><locale>de</locale></identifier>
  <identifier id="1"><name>English</name><locale>en_GB</locale></identifier>)")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\"><information><title>t</title>"
           "</information><identifiers>"
        + identifiers + "</identifiers><entries>" + entries + "</entries>" + rest + "</kvtml>";
}

std::string Entry(const std::string& id, const std::string& word, const std::string& translation,
    const std::string& wordExtra = "", const std::string& translationExtra = "")
{
    return "<entry id=\"" + id + "\"><translation id=\"0\"><text>" + word + "</text>" + wordExtra
        + "</translation><translation id=\"1\"><text>" + translation + "</text>" + translationExtra
        + "</translation></entry>";
}

std::string Grade(const std::string& from, int current, int count, const std::string& date)
{
    return "<grade fromid=\"" + from + "\"><currentgrade> " + std::to_string(current)
        + "</currentgrade><count>\n " + std::to_string(count) + "</count><errorcount>0</errorcount><date>"
        + date + "</date></grade>";
}

TKvtmlImport Import(TVocabFile& document, const std::string& bytes, TKvtmlChoice choice = {})
{
    return ImportKvtml(document, ReadKvtml(bytes), choice);
}

} // namespace

TEST(Kvtml, EntriesBecomeItemsOfTheChosenLanguages)
{
    const struct {
        std::string Bytes;
        TFieldValues Expected; // the first item: word, part of speech, notes, translations
        TImportResult Counts;
        std::int32_t Empty = 0;
    } cases[] = {
        { Kvtml(Entry("0", "Hund", "dog")), { "Hund", "", "", "dog" }, { .Added = 1 } },
        // A warning (an XML version the parser does not know) refuses nothing.
        { "<?xml version=\"1.1\"?>" + Kvtml(Entry("0", "Hund", "dog")).substr(39), { "Hund", "", "", "dog" },
            { .Added = 1 } },
        { Kvtml(Entry("0", " a &amp; b &lt;c&gt; &#xE4; ", "<![CDATA[<b>x</b> &amp;]]>")),
            { "a & b <c> \xE4", "", "", "<b>x</b> &amp;" }, { .Added = 1 } },
        { Kvtml(Entry("0", "K\xC3\xA4se", "\xD1\x81\xD1\x8B\xD1\x80")), { "K\xE4se", "", "", "???" },
            { .Added = 1, .LostFields = 1 } },
        { Kvtml(Entry("0", "Haus", "")), { "Haus", "", "", "#Value?#" }, { .Added = 1, .NoTranslation = 1 } },
        { Kvtml(Entry("0", std::string(MaxTextLength, 'a'), "x")),
            { std::string(MaxTextLength, 'a'), "", "", "x" }, { .Added = 1 } },
        { Kvtml("<entry id=\"0\"><translation id=\"0\"><text>Baum</text></translation></entry>"),
            { "Baum", "", "", "#Value?#" }, { .Added = 1, .NoTranslation = 1 } },
        { Kvtml(Entry("0", "", "lost")
              + "<entry id=\"2\"><translation id=\"0\"><text> </text></translation></entry>"
              + Entry("1", "zwei\nZeilen", "two", "<comment>w</comment>", "<comment>t</comment>")),
            { "zwei Zeilen", "", "w; t", "two" }, { .Added = 1, .JoinedBreaks = 1 }, 1 },
        { Kvtml(Entry("7", "laufen", "run"),
              "<lessons><container><name>L1</name><containerentry id=\"7\"/></container></lessons><wordtypes>"
              "<container><name>Verb</name><containerentry id=\"7\"><containertranslation id=\"0\"/>"
              "</containerentry></container></wordtypes>"),
            { "laufen", "Verb", "", "run" }, { .Added = 1 } },
        // Elements it does not know, and known ones out of place, are passed over.
        { Kvtml("<entry id=\"0\"><x><text>no</text></x><translation "
                "id=\"0\"><text>j<i>no</i>a</text><foo>bar</foo>"
                "<text>!</text></translation><translation id=\"1\"><text>yes</text></translation></entry>"),
            { "ja!", "", "", "yes" }, { .Added = 1 } },
    };
    for (const auto& c : cases) {
        TVocabFile document;
        SetLanguages(document, German, English);
        const TKvtmlImport import = Import(document, c.Bytes);
        ASSERT_GE(document.Count(), 1) << c.Bytes;
        EXPECT_EQ(ItemValues(document, 0), c.Expected) << c.Bytes;
        EXPECT_EQ(import.Result.Added, c.Counts.Added) << c.Bytes;
        EXPECT_EQ(import.Result.LostFields, c.Counts.LostFields) << c.Bytes;
        EXPECT_EQ(import.Result.NoTranslation, c.Counts.NoTranslation) << c.Bytes;
        EXPECT_EQ(import.Result.JoinedBreaks, c.Counts.JoinedBreaks) << c.Bytes;
        EXPECT_EQ(import.EmptyEntries, c.Empty) << c.Bytes;
        EXPECT_TRUE(document.Modified());
    }
    // A lesson's entries after an empty lesson inside it are its own.
    const TKvtmlFile nested = ReadKvtml(Kvtml(Entry("0", "a", "b"),
        "<lessons><container><name>A</name><container/><containerentry id=\"0\"/></container></lessons>"));
    ASSERT_EQ(nested.Lessons.size(), 2u);
    EXPECT_EQ(std::pair(nested.Lessons[0].Name, nested.Lessons[0].Entries), std::pair(std::string("A"), 1));
}

TEST(Kvtml, DamagedOrForeignXmlIsRefusedAndNothingIsImported)
{
    const std::string laughs
        = "<?xml version=\"1.0\"?><!DOCTYPE kvtml [<!ENTITY a \"aaaaaaaaaa\">"
          "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
          "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
          "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\">]>"
        + Kvtml(Entry("0", "&f;", "x")).substr(39);
    const struct {
        std::string Bytes;
        std::string Says;
    } cases[] = {
        { "", "damaged XML" },
        { Kvtml(Entry("0", "a", "b")).substr(0, 200), "damaged XML (line 3:" },
        { "<kvtml version=\"2.0\">\n<a>\n</b>\n<c>", "(line 2: Opening and ending tag mismatch" },
        { "<?xml version=\"1.0\"?><html><body/></html>", "not a KVTML 2" },
        { "<?xml version=\"1.0\"?><kvtml version=\"1.0\"><e><o>a</o></e></kvtml>", "not a KVTML 2" },
        { "<kvtml xmlns=\"urn:other\" version=\"2.0\"/>", "not a KVTML 2" },
        { "<?xml version=\"1.0\"?><!DOCTYPE kvtml [<!ENTITY w \"Wort\">]>"
                + Kvtml(Entry("0", "&w;", "x")).substr(39),
            "entities" },
        { "<?xml version=\"1.0\"?><!DOCTYPE kvtml [<!ENTITY w SYSTEM \"/etc/passwd\">]>"
                + Kvtml(Entry("0", "&w;", "x")).substr(39),
            "entities" },
        { laughs, "" },
        { Kvtml(Entry("0", std::string(MaxTextLength + 1, 'a'), "x")), "Entry 0: a text is longer" },
    };
    for (const auto& c : cases) {
        TVocabFile document;
        SetLanguages(document, German, English);
        AddItem(document, "alt", "", "", "old");
        const std::string error = ErrorOf([&] { Import(document, c.Bytes); });
        EXPECT_NE(error.find(c.Says), std::string::npos) << error << "\n" << c.Bytes.substr(0, 300);
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
        EXPECT_EQ(error.find("Nothing was imported") == std::string::npos, c.Says.starts_with("Entry"))
            << error;
        EXPECT_EQ(document.Count(), 1) << c.Bytes.substr(0, 300);
    }
}

TEST(Kvtml, FilesAreKvtmlByExtensionOrRootElement)
{
    const struct {
        std::string Bytes, Name;
        bool Kvtml;
    } cases[] = { { "<?xml version=\"1.0\"?>\n<!-- <x> --><!DOCTYPE kvtml><?pi?><kvtml version=\"2.0\">", "",
                      true },
        { "\xEF\xBB\xBF \n<kvtml>", "a.txt", true }, { "Hund,dog", "a.KVTML", true },
        { "<?xml version=\"1.0\"?><vocab><kvtml/></vocab>", "", false },
        { "<?xml version=\"1.0\"?>", "", false }, { "Hund,dog", "kvtml.txt", false }, { "", "", false },
        { "<?xml version=\"1.0\"?><!-- <kvtml", "", false } };
    for (const auto& c : cases)
        EXPECT_EQ(LooksLikeKvtml(c.Bytes, c.Name), c.Kvtml) << c.Bytes;
}

TEST(Kvtml, TheLanguagesAreChosenByTheListsOrByName)
{
    const auto file = [](std::vector<std::pair<std::string, std::string>> idsAndLocales) {
        TKvtmlFile made;
        for (auto& [id, locale] : idsAndLocales)
            made.Identifiers.push_back({ id, "", locale, 0 });
        return made;
    };
    const TKvtmlFile three = file({ { "0", "en_US" }, { "1", "fr" }, { "2", "DE-at" } });
    EXPECT_EQ(ProposedKvtmlChoice(three, German, English), (TKvtmlChoice { 2, 0 }));
    EXPECT_EQ(ProposedKvtmlChoice(three, English, Russian), (TKvtmlChoice { 0, 1 }));
    EXPECT_EQ(ProposedKvtmlChoice(three, Russian, English), (TKvtmlChoice { 1, 0 }));
    EXPECT_EQ(ProposedKvtmlChoice(three, Russian, German), (TKvtmlChoice { 0, 2 }));
    EXPECT_EQ(ProposedKvtmlChoice(three, Russian, Russian), (TKvtmlChoice { 0, 1 }));
    EXPECT_EQ(ProposedKvtmlChoice(three, English, German), (TKvtmlChoice { 0, 2 }));
    EXPECT_EQ(ProposedKvtmlChoice(three, English, English), (TKvtmlChoice { 0, 1 }));
    EXPECT_FALSE(ProposedKvtmlChoice(file({ { "0", "de" } }), German, English));

    const TKvtmlFile named = file({ { "10", "de" }, { "11", "en" }, { "de", "ru" }, { "13", "EN" } });
    const struct {
        const char* Text;
        std::optional<TKvtmlChoice> Expected; // nullopt: refused
    } cases[] = { { "10,11", TKvtmlChoice { 0, 1 } }, { "de,10", TKvtmlChoice { 2, 0 } },
        { "11,ru", TKvtmlChoice { 1, 2 } }, { "en,10", std::nullopt }, { "10,10", std::nullopt },
        { "10", std::nullopt }, { "10,11,de", std::nullopt }, { "10,xx", std::nullopt },
        { ",10", std::nullopt } };
    for (const auto& c : cases) {
        std::optional<TKvtmlChoice> got;
        try {
            got = ParseKvtmlLanguages(c.Text, named);
        } catch (const std::invalid_argument&) {
        }
        EXPECT_EQ(got, c.Expected) << c.Text;
    }
    TVocabFile document;
    EXPECT_THROW(ImportKvtml(document, named, { 1, 1 }), EVocabFileError);
    EXPECT_THROW(ImportKvtml(document, named, { 0, 4 }), EVocabFileError);
}

TEST(Kvtml, PractisedGradesBecomeTheLastAnswerOfTheirCards)
{
    const std::string date = "2023-05-04T10:20:30";
    const auto localMs = [](int hour, int minute, int second) {
        std::tm local {};
        local.tm_year = 123;
        local.tm_mon = 4;
        local.tm_mday = 4;
        local.tm_hour = hour;
        local.tm_min = minute;
        local.tm_sec = second;
        local.tm_isdst = -1;
        return static_cast<std::int64_t>(std::mktime(&local)) * 1000;
    };
    const std::int64_t ms = localMs(10, 20, 30), dayMs = localMs(0, 0, 0);
    const std::string bytes = Kvtml(Entry("0", "", "skipped", "", Grade("0", 3, 2, date))
        + Entry("1", "a", "b", Grade("1", 0, 4, date), Grade("0", 2, 3, date))
        + Entry("2", "c", "d", Grade("2", 1, 1, date),
            Grade("0", 5, 0, date)
                + "<grade fromid=\"0\"><currentgrade>1</currentgrade><count>none</count><date>" + date
                + "</date></grade>")
        + Entry("3", "e", "f", Grade("1", 7, 2, "2023-05-04"), Grade("0", 1, 1, "2023-02-30"))
        + Entry("4", "g", "h",
            Grade("1", 1, 1, "2023-05-04 10:20:30") + Grade("1", 1, 1, "2023-05-04T10:20x"),
            Grade("0", 1, 1, "04.05.2023") + Grade("0", 1, 1, "2023-05-04T10:20:30Z")
                + Grade("0", 1, 1, "2023-05-04T25:00:00")));
    TVocabFile document;
    SetLanguages(document, German, English);
    const TKvtmlImport import = Import(document, bytes, { 0, 1, true });
    const std::vector<std::tuple<std::size_t, int, std::int64_t, bool>> expected
        = { { 0, 0, ms, true }, { 0, 1, ms, false }, { 2, 1, dayMs, true }, { 3, 1, ms, true } };
    std::vector<std::tuple<std::size_t, int, std::int64_t, bool>> got;
    for (const TKvtmlAnswer& a : import.Answers)
        got.emplace_back(a.Item, a.Direction, a.UnixMs, a.Correct);
    EXPECT_EQ(got, expected);
    EXPECT_EQ(import.UndatedGrades, 5);
    const std::string notes = KvtmlNotes(import).Text();
    EXPECT_TRUE(notes.starts_with("1 entry ") && notes.find("\n5 grades ") != std::string::npos) << notes;
    EXPECT_EQ(KvtmlAnswersMessage(1, 0).Text().find('\n'), std::string::npos);
    EXPECT_NE(KvtmlAnswersMessage(4, 1).Text().find("\n1 grade "), std::string::npos);
    TVocabFile without;
    SetLanguages(without, German, English);
    EXPECT_TRUE(Import(without, bytes).Answers.empty());
}

TEST(Kvtml, AnExportReadsBackFieldForFieldAndIsValidForThePublishedDtd)
{
    TTempFolder folder;
    const struct {
        LangId Foreign, Native;
        std::vector<TFieldValues> Items;
    } cases[] = {
        { German, English,
            { { "K\xE4se", "Nomen", "a <b> & \"c\" 'd'", "cheese" }, { "der Hund", "", "", "dog; hound" },
                { "laufen", "Verb", "", "run" }, { "Haus", "Nomen", "", "house" } } },
        { Russian, German,
            { { "\xF1\xFB\xF0", "",
                "\x01"
                "ctrl",
                "K\xE4se" } } },
        { German, English, {} },
    };
    for (const auto& c : cases) {
        TVocabFile document;
        FillItems(document, c.Foreign, c.Native, c.Items);
        const std::string path = folder.File("out.kvtml");
        ExportKvtml(document, path);
        TVocabFile back;
        SetLanguages(back, c.Foreign, c.Native);
        const std::string bytes = ReadBytes(path);
        EXPECT_TRUE(bytes.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE kvtml\n"))
            << bytes;
        const TKvtmlFile file = ReadKvtml(bytes);
        ASSERT_EQ(file.Identifiers.size(), 2u);
        EXPECT_EQ(file.Identifiers[1].Name, FindLanguage(c.Native).Name);
        EXPECT_EQ(file.Title, "out");
        ASSERT_EQ(file.Lessons.size(), 1u);
        EXPECT_EQ(std::pair(file.Lessons[0].Name, file.Lessons[0].Entries),
            std::pair(std::string("out"), static_cast<std::int32_t>(c.Items.size())));
        if (!c.Items.empty())
            Import(back, ReadBytes(path));
        ASSERT_EQ(back.Count(), static_cast<std::int32_t>(c.Items.size()));
        for (std::size_t i = 0; i < c.Items.size(); ++i) {
            TFieldValues expected = c.Items[i];
            std::replace(expected[fiNotes].begin(), expected[fiNotes].end(), '\x01', ' ');
            expected[fiNotes] = Trim(expected[fiNotes]);
            EXPECT_EQ(ItemValues(back, static_cast<std::int32_t>(i)), expected);
        }
        const std::string check = "xmllint --noout --nonet --dtdvalid '" VELMORIA_SOURCE_DIR
                                  "/tests/exchange/data/kvtml2.dtd' '"
            + path + "' 2>/dev/null";
        EXPECT_EQ(std::system(check.c_str()), 0) << ReadBytes(path);
    }
    // A title from a file name that is not UTF-8 keeps its ASCII; the description goes first.
    TVocabFile titled;
    EXPECT_EQ(ReadKvtml(ExportKvtmlBytes(titled,
                            "/d.x/a\x80\xFF\xC3"
                            "b.kvtml"))
                  .Title,
        "ab");
    titled.SetProperties(piDescription, " Tiere ");
    EXPECT_EQ(ReadKvtml(ExportKvtmlBytes(titled, "a.kvtml")).Title, "Tiere");
    // The check itself fails an invalid file.
    const std::string invalid = folder.Write("bad.kvtml", "<kvtml version=\"2\"><entries/></kvtml>");
    EXPECT_NE(std::system(("xmllint --noout --nonet --dtdvalid '" VELMORIA_SOURCE_DIR
                           "/tests/exchange/data/kvtml2.dtd' '"
                  + invalid + "' 2>/dev/null")
                              .c_str()),
        0);
}

TEST(Kvtml, MutatedFilesAreReadWholeOrRefusedWhole)
{
    TVocabFile source;
    std::vector<TFieldValues> items;
    for (int i = 0; i < 40; ++i)
        items.push_back({ "Wort" + std::to_string(i), i % 3 ? "" : "Nomen", i % 2 ? "n" : "", "word" });
    FillItems(source, German, English, items);
    const std::string original = ExportKvtmlBytes(source, "m.kvtml");
    std::mt19937 random(34);
    int read = 0;
    for (int round = 0; round < 1000; ++round) {
        std::string bytes = original;
        for (int edits = 1 + static_cast<int>(random() % 4); edits > 0; --edits) {
            const std::size_t at = random() % bytes.size();
            switch (random() % 4) {
            case 0:
                bytes[at] = static_cast<char>(random());
                break;
            case 1:
                bytes.erase(at, random() % 40);
                break;
            case 2:
                bytes.insert(at, bytes.substr(random() % bytes.size(), random() % 60));
                break;
            default:
                bytes.resize(at);
            }
            if (bytes.empty())
                bytes = "<";
        }
        TVocabFile document;
        SetLanguages(document, German, English);
        try {
            const TKvtmlFile file = ReadKvtml(bytes);
            if (file.Identifiers.size() >= 2)
                ImportKvtml(document, file, { 0, 1, true });
            ++read;
        } catch (const EVocabFileError&) {
            EXPECT_EQ(document.Count(), 0);
        }
    }
    EXPECT_GT(read, 0);
}
