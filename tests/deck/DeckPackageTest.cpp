#include "core/DocumentBuilders.h"
#include "deck/DeckImport.h"
#include "review/ReviewSupport.h"

#include <gtest/gtest.h>
#include <random>
#include <zip.h>
#include <zstd.h>

namespace {

constexpr std::int64_t Day = 86400000;
const std::int64_t Now = std::time(nullptr);

// A zip of the entries as the libzip of the machine writes it.
std::string Zip(const std::vector<std::pair<std::string, std::string>>& entries)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* out = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(out);
    zip_t* zip = zip_open_from_source(out, ZIP_TRUNCATE, &error);
    for (const auto& [name, data] : entries)
        zip_file_add(zip, name.c_str(), zip_source_buffer(zip, data.data(), data.size(), 0), 0);
    zip_close(zip);
    zip_source_open(out);
    std::string bytes(4 << 20, '\0');
    bytes.resize(static_cast<std::size_t>(zip_source_read(out, bytes.data(), bytes.size())));
    zip_source_close(out);
    zip_source_free(out);
    return bytes;
}

std::string Entry(const std::string& package, const char* name)
{
    zip_source_t* source = zip_source_buffer_create(package.data(), package.size(), 0, nullptr);
    zip_t* zip = zip_open_from_source(source, ZIP_RDONLY, nullptr);
    zip_stat_t stat;
    zip_stat(zip, name, 0, &stat);
    std::string data(stat.size, '\0');
    zip_file_t* file = zip_fopen(zip, name, 0);
    zip_fread(file, data.data(), data.size());
    zip_fclose(file);
    zip_discard(zip);
    return data;
}

// A collection of the newer schema, whose note types and fields have tables of their own, as a
// file in WAL mode holds it.
std::string NewerCollection()
{
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    sqlite3_exec(db,
        "CREATE TABLE col(id); CREATE TABLE notetypes(id, name); CREATE TABLE fields(ntid, ord, name, "
        "config);"
        "CREATE TABLE notes(id, guid, mid, mod, usn, tags, flds, sfld, csum, flags, data);"
        "CREATE TABLE cards(id, nid, did, ord, mod, usn, type, queue, due, ivl, factor, reps, lapses, left, "
        "odue,"
        " odid, flags, data);"
        "CREATE TABLE revlog(id, cid, usn, ease, ivl, lastIvl, factor, time, type);"
        "INSERT INTO notetypes VALUES(7, 'Vocabulary');"
        "INSERT INTO fields VALUES(7, 1, 'Meaning', ''), (7, 0, 'Word', ''), (7, 2, 'Example', '');"
        "INSERT INTO notes VALUES(1, 'g', 7, 0, 0, ' noun pet ', 'Katze' || char(31) || 'cat<br>puss' || "
        "char(31)"
        " || 'die Katze <img src=\"k.jpg\">', '', 0, 0, '');"
        "INSERT INTO cards VALUES(11, 1, 1, 0, 0, 0, 2, 2, 5, 3, 2500, 2, 0, 0, 0, 0, 0, '');",
        nullptr, nullptr, nullptr);
    sqlite3_int64 size = 0;
    unsigned char* image = sqlite3_serialize(db, "main", &size, 0);
    std::string bytes(reinterpret_cast<char*>(image), static_cast<std::size_t>(size));
    sqlite3_free(image);
    sqlite3_close(db);
    bytes[18] = bytes[19] = 2;
    return bytes;
}

// A zstd frame, with its checksum at the end when asked.
std::string Zstd(const std::string& data, bool checksum = false)
{
    ZSTD_CCtx* context = ZSTD_createCCtx();
    ZSTD_CCtx_setParameter(context, ZSTD_c_checksumFlag, checksum ? 1 : 0);
    std::string out(ZSTD_compressBound(data.size()), '\0');
    out.resize(ZSTD_compress2(context, out.data(), out.size(), data.data(), data.size()));
    ZSTD_freeCCtx(context);
    return out;
}

// The error a call ends in; "<done>" when it ends well.
std::string ErrorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const EVocabFileError& e) {
        return e.what();
    }
    return "<done>";
}

TDeckCollection LegacyDeck()
{
    TDeckCollection deck;
    deck.Notes = { { 1, 5, { "Hund", "dog" }, "" }, { 2, 5, { "Maus", "mouse" }, "" } };
    deck.Cards = { { 10, 1, 0 }, { 11, 1, 1 }, { 20, 2, 0 }, { 21, 2, 2 } };
    return deck;
}

TEST(DeckPackage, FieldHtmlBecomesTheTextOfAField)
{
    const struct {
        const char* Html;
        const char* Text;
        int Dropped;
    } cases[] = {
        { "<b>Hund</b>", "Hund", 0 },
        { "<b>K</b>atze", "Katze", 0 },
        { "dog<br>hound<br/>", "dog; hound", 0 },
        { "<div>x</div><div> y </div>", "x; y", 0 },
        { "a&nbsp;&amp;&nbsp;&nbsp;b", "a & b", 0 },
        { "&lt;tag&gt; &#228;", "<tag> \xC3\xA4", 0 },
        { "[sound:hund.mp3]Hund [sound:b.ogg]", "Hund", 2 },
        { "<img src=\"a.jpg\">Bild<audio src=x></audio>", "Bild", 2 },
        { "<video src=v.mp4></video><object data=o.swf></object>z", "z", 2 },
        { "  a \t\r  b ", "a b", 0 },
        { "voil\xC3\xA0 \xC2\xA9<br>x<div>y</div>z", "voil\xC3\xA0 \xC2\xA9; x; y; z", 0 },
        { "<style>p{}</style><script>x()</script>y", "y", 0 },
        { "[sound:cut", "[sound:cut", 0 },
        { "Tom & Jerry < 3", "Tom & Jerry < 3", 0 },
    };
    for (const auto& c : cases) {
        std::int32_t dropped = 0;
        EXPECT_EQ(DeckFieldText(c.Html, dropped), c.Text) << c.Html;
        EXPECT_EQ(dropped, c.Dropped) << c.Html;
    }
}

// Each form of the collection is read, the preferred one when a package holds several (as the
// newer packages do, with a legacy collection asking to update beside it).
TEST(DeckPackage, ReadsEachSchemaPreferringTheNewest)
{
    TDeckCollection dummy;
    dummy.Notes = { { 1, 5, { "Please update", "" }, "" } };
    const std::string legacy = Entry(WriteDeckPackage(LegacyDeck(), Now), "collection.anki2");
    const std::string old = Entry(WriteDeckPackage(dummy, Now), "collection.anki2");
    const struct {
        std::vector<std::pair<std::string, std::string>> Entries;
        const char* First;
        std::vector<std::string> Fields;
    } cases[] = {
        { { { "collection.anki2", old }, { "collection.anki21b", Zstd(NewerCollection()) }, { "media", "" } },
            "Katze", { "Word", "Meaning", "Example" } },
        { { { "collection.anki2", old }, { "collection.anki21", legacy } }, "Hund", { "Front", "Back" } },
        { { { "collection.anki2", legacy } }, "Hund", { "Front", "Back" } },
    };
    for (const auto& c : cases) {
        const TDeckCollection deck = ReadDeckPackage(Zip(c.Entries));
        ASSERT_FALSE(deck.Notes.empty());
        EXPECT_EQ(deck.Notes[0].Fields[0], c.First);
        EXPECT_EQ(deck.FieldNames, c.Fields);
    }
    const auto first = PreviewDeck(ReadDeckPackage(WriteDeckPackage(LegacyDeck(), Now)), 1).First;
    EXPECT_EQ(first, (std::vector<std::array<std::string, 2>> { { "Hund", "dog" } }));
    TDeckImportOptions options;
    options.TagsAsCategory = true;
    TDeckImport newer = MapDeck(
        ReadDeckPackage(Zip({ { "collection.anki21b", Zstd(NewerCollection()) } })), 0x0407, 0x0409, options);
    ASSERT_EQ(newer.Items->Count(), 1);
    EXPECT_EQ(newer.Items->ItemList()[0]->FieldValues(),
        (TFieldValues { "Katze", "noun pet", "die Katze", "cat; puss" }));
    EXPECT_EQ(newer.Result.DroppedMedia, 1);
    options = { false, false, true };
    newer = MapDeck(
        ReadDeckPackage(Zip({ { "collection.anki21b", Zstd(NewerCollection()) } })), 0x0407, 0x0409, options);
    EXPECT_EQ(newer.Items->ItemList()[0]->FieldValues(), (TFieldValues { "Katze", "", "", "cat; puss" }));
}

TEST(DeckPackage, RefusesWhatIsNoReadablePackage)
{
    const std::string good = WriteDeckPackage(LegacyDeck(), Now);
    // The collection's header field at this offset of its central header, changed in both headers.
    const auto changed = [&](std::size_t central, std::uint32_t mask) {
        std::string bytes = good;
        for (const std::size_t at : { central - 2, good.find("PK\x01\x02") + central })
            for (std::size_t i = 0; i < 4; ++i)
                bytes[at + i] = static_cast<char>(bytes[at + i] ^ (mask >> (8 * i)));
        return bytes;
    };
    const std::string legacy = Entry(good, "collection.anki2");
    std::string flipped = good;
    flipped[good.size() / 3] ^= 0x55;
    const std::string zstd = Zstd(NewerCollection()), checked = Zstd(NewerCollection(), true);
    const struct {
        std::string Bytes;
        const char* Part;
        std::uint64_t Limit = MaxDeckCollectionBytes;
    } cases[] = {
        { "word,translation\n", "not a zip archive" },
        { "", "not a zip archive" },
        { Zip({ { "readme.txt", "hello" }, { "Collection.anki2", legacy } }), "holds no collection" },
        { changed(8, 1), "encrypted" }, // the flags
        { changed(10, 8 ^ 6), "not supported" }, // deflated to imploded
        { changed(16, 0xFF), "CRC error" },
        { changed(24, 0x80000000), "too large" }, // its size
        { Zip({ { "collection.anki2", legacy } }), "<done>", legacy.size() },
        { Zip({ { "collection.anki2", legacy } }), "too large", legacy.size() - 1 },
        { Zip({ { "collection.anki21b", zstd } }), "<done>", NewerCollection().size() },
        { Zip({ { "collection.anki21b", zstd } }), "too large", NewerCollection().size() - 1 },
        { good.substr(0, good.size() / 2), "damaged" },
        { good.substr(0, good.size() - 10), "damaged" },
        { flipped, "damaged" },
        { Zip({ { "collection.anki2", "not a database" } }), "not an SQLite database" },
        { Zip({ { "collection.anki2", std::string(200, 'x') } }), "not an SQLite database" },
        { Zip({ { "collection.anki21b", zstd.substr(0, zstd.size() - 8) } }), "damaged" },
        // The whole collection, but not the end of its frame.
        { Zip({ { "collection.anki21b", checked.substr(0, checked.size() - 4) } }), "damaged" },
        { Zip({ { "collection.anki21b", NewerCollection() } }), "damaged" },
        { Zip({ { "collection.anki2", NewerCollection().substr(0, 4096) } }), "damaged" },
    };
    for (const auto& c : cases) {
        const std::string error = ErrorOf([&] { ReadDeckPackage(c.Bytes, c.Limit); });
        EXPECT_TRUE(Contains(error, c.Part)) << &c - cases << c.Part << ": " << error;
        EXPECT_EQ(Contains(error, "Nothing was imported."), error != "<done>") << error;
    }
}

// The review log as the optimizer of the schedule reads it: ratings as given, manual changes,
// cram reviews, unrated entries and the entries of other cards left out.
TEST(DeckPackage, ReviewLogKeepsRatedReviewsOfImportedCards)
{
    TDeckCollection deck = LegacyDeck();
    deck.Notes.push_back({ 3, 5, { "<img src=x.png>", "picture" }, "" });
    // No translation; one the list's code page lacks.
    deck.Notes.push_back({ 4, 5, { "Vogel" }, "" });
    deck.Notes.push_back({ 6, 5, { "Fisch", "\xE9\xAD\x9A" }, "" });
    deck.Cards.push_back({ 30, 3, 0 });
    const std::int64_t t = (Now - 40 * 86400) * 1000;
    deck.Reviews = { { t, 10, 3, 5000, 0 }, { t + Day, 10, 1, 70000, 1 }, { t + 2 * Day, 10, 4, -3, 2 },
        { t + 3 * Day, 11, 2, 100, 1 }, { t + 4 * Day, 10, 3, 0, 3 }, { t + 5 * Day, 10, 0, 0, 4 },
        { t + 6 * Day, 10, 0, 0, 1 }, { t + 7 * Day, 21, 3, 0, 1 }, { t + 8 * Day, 30, 3, 0, 1 },
        { t + 9 * Day, 99, 3, 0, 1 }, { 400000000000, 10, 3, 0, 1 },
        { (Now + 3 * 86400) * 1000, 10, 3, 0, 1 }, { t + 10 * Day, 20, 2, 0, 5 },
        { t + 11 * Day, 10, 5, 0, 1 } };
    TDeckImport import = MapDeck(deck, 0x0407, 0x0409, {});
    const TDeckImportResult& r = import.Result;
    EXPECT_EQ(std::tuple(r.Added, r.Skipped, r.DroppedMedia, r.NoTranslation, r.LostFields),
        std::tuple(4, 1, 1, 1, 1));
    std::vector<std::tuple<std::string, int, std::int64_t, int, std::int64_t>> answers;
    for (const auto& a : import.Answers)
        answers.emplace_back(a.Key.Word, a.Key.Direction, a.TimeMs - t, a.Rating, a.DurationMs);
    EXPECT_EQ(answers,
        (decltype(answers) { { "Hund", 0, 0, 3, 5000 }, { "Hund", 0, Day, 1, 70000 },
            { "Hund", 0, 2 * Day, 4, 0 }, { "Hund", 1, 3 * Day, 2, 100 } }));
    EXPECT_EQ(import.Result.DroppedAnswers, 10);
    // Each count said on a line of its own, and only those that are not 0.
    EXPECT_EQ(std::ranges::count(DeckImportedMessage(import.Result).Text(), '\n'), 7);
    EXPECT_EQ(std::ranges::count(DeckImportedMessage({ 1 }).Text(), '\n'), 0);
    TVocabFile target;
    FillItems(target, 0x0407, 0x0409, {});
    EXPECT_EQ(ApplyDeckImport(import, target, nullptr).AddedAnswers, 0);
    EXPECT_EQ(target.Count(), 4);
    TDeckImportOptions noLog;
    noLog.ReviewLog = false;
    EXPECT_TRUE(MapDeck(deck, 0x0407, 0x0409, noLog).Answers.empty());
    // A field of the longest length the list stores is taken; one byte more refuses the package.
    deck.Notes = { deck.Notes[2], { 7, 5, { "a", std::string(MaxTextLength, 'b') }, "" } };
    EXPECT_EQ(MapDeck(deck, 0x0407, 0x0409, {}).Result.Added, 1);
    deck.Notes.back().Fields[1] += 'b';
    EXPECT_TRUE(Contains(ErrorOf([&] { MapDeck(deck, 0x0407, 0x0409, {}); }), "Note 2 "));
}

// A list exported with its review log and read back: the same fields, the same cards, and the
// answers continue the same schedule in another history.
TEST(DeckPackage, ExportReadsBackFieldForFieldWithItsSchedule)
{
    TDataHome home;
    TVocabFile list;
    FillItems(list, 0x0407, 0x0409,
        { { "der Hund", "noun", "a pet", "dog; hound" }, { "K\xE4se & <Brot>", "", "", "cheese" },
            { "Maus", "", "", "mouse" } });
    THistory history(home.Dir().File("a.db"));
    const std::int64_t t = (Now - 30 * 86400) * 1000;
    for (const auto& [item, direction, day, correct] : std::vector<std::tuple<int, std::uint8_t, int, bool>> {
             { 0, 0, 0, true }, { 0, 0, 3, false }, { 0, 0, 3, true }, { 1, 1, 1, true }, { 0, 0, 9, true } })
        history.RecordAnswer(CardKeyOf(list, *list.ItemList()[static_cast<std::size_t>(item)], direction),
            correct, false, t + day * Day, 4000, {}, false);
    for (const bool both : { false, true }) {
        const TDeckExportOptions options { true, both, true };
        const TDeckCollection deck = ReadDeckPackage(ExportDeckBytes(list, options, &history, Now));
        EXPECT_EQ(deck.FieldNames, (std::vector<std::string> { "Front", "Back" }));
        EXPECT_EQ(deck.Cards.size(), both ? 6u : 3u);
        std::vector<int> types;
        for (const TDeckReview& review : deck.Reviews)
            types.push_back(review.Type);
        EXPECT_EQ(types, (both ? std::vector { 0, 0, 1, 1, 1 } : std::vector { 0, 1, 1, 1 }));
        // The schedule of a card answered goes with it; one never answered stays new, in list order.
        const auto memory = *history.Memories({ CardKeyOf(list, *list.ItemList()[0], 0) })[0];
        const TDeckCard &answered = deck.Cards.front(), &fresh = deck.Cards.back();
        EXPECT_EQ(std::tuple(answered.Type, answered.Queue, answered.Due, answered.Interval, answered.Reps),
            std::tuple(2, 2, memory.Due - LocalDay(Now), memory.Due - memory.LastReview, memory.Reps));
        EXPECT_EQ(std::tuple(fresh.Type, fresh.Queue, fresh.Due, fresh.Template),
            std::tuple(0, 0, 3, both ? 1 : 0));
        TDeckImport import = MapDeck(deck, 0x0407, 0x0409, {});
        ASSERT_EQ(import.Items->Count(), 3);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(import.Items->ItemList()[i]->FieldValue(fiForeign),
                list.ItemList()[i]->FieldValue(fiForeign));
            EXPECT_EQ(
                import.Items->ItemList()[i]->FieldValue(fiNative), list.ItemList()[i]->FieldValue(fiNative));
        }
        THistory other(home.Dir().File(both ? "c.db" : "b.db"));
        TVocabFile target;
        target.SetForeignLangID(0x0407);
        target.SetNativeLangID(0x0409);
        EXPECT_EQ(ApplyDeckImport(import, target, &other).AddedAnswers, both ? 5 : 4);
        EXPECT_EQ(target.Count(), 3);
        std::vector<TCardKey> keys;
        for (const auto& item : list.ItemList())
            for (const std::uint8_t direction : { 0, 1 })
                keys.push_back(CardKeyOf(list, *item, direction));
        const auto before = history.Memories(keys), after = other.Memories(keys);
        for (std::size_t k = 0; k < keys.size(); ++k) {
            const bool exported = keys[k].Direction == 0 || both;
            ASSERT_EQ(after[k].has_value(), before[k].has_value() && exported) << k;
            if (after[k]) {
                EXPECT_EQ(MemoryFields(*after[k]), MemoryFields(*before[k])) << k;
            }
        }
        // Imported again, nothing is doubled.
        TDeckImport again = MapDeck(deck, 0x0407, 0x0409, {});
        EXPECT_EQ(ApplyDeckImport(again, target, &other).AddedAnswers, 0);
    }
    // Without the review log every card is new, whatever the history holds.
    const TDeckCollection plain
        = ReadDeckPackage(ExportDeckBytes(list, { false, true, false }, &history, Now));
    EXPECT_TRUE(plain.Reviews.empty());
    EXPECT_TRUE(
        std::ranges::all_of(plain.Cards, [](const TDeckCard& c) { return c.Type == 0 && c.Template == 1; }));
}

// Damaged packages of every kind: read whole or refused with the package's own message, never a
// crash (the sanitizer builds run it too).
TEST(DeckPackage, MutatedPackagesAreReadOrRefused)
{
    TDataHome home;
    TVocabFile list;
    FillItems(list, 0x0407, 0x0409, { { "Hund", "", "", "dog" }, { "Katze", "", "", "cat" } });
    const std::vector<std::string> seeds = { ExportDeckBytes(list, { true, true, false }, nullptr, Now),
        Zip({ { "collection.anki21b", Zstd(NewerCollection()) } }) };
    std::mt19937 random(34);
    int refused = 0;
    for (int n = 0; n < 300; ++n) {
        std::string bytes = seeds[static_cast<std::size_t>(n) % seeds.size()];
        for (int flips = 1 + static_cast<int>(random() % 8); flips > 0; --flips)
            bytes[random() % bytes.size()] = static_cast<char>(random());
        if (n % 5 == 0)
            bytes.resize(random() % bytes.size());
        try {
            MapDeck(ReadDeckPackage(bytes), 0x0407, 0x0409, {});
        } catch (const EVocabFileError& e) {
            ++refused;
            EXPECT_TRUE(Contains(e.what(), "Nothing was imported.")) << e.what();
        }
    }
    EXPECT_GT(refused, 100);
}

} // namespace
