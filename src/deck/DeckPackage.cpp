#include "deck/DeckPackage.h"

#include "core/Errors.h"
#include "deck/DeckImport.h"
#include "exchange/TextCheck.h"
#include "review/HistoryStatements.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <nettle/sha1.h>
#include <sqlite3.h>
#include <zip.h>
#include <zstd.h>

namespace {

// No collection of a deck is near this; a zip or zstd frame claiming more is refused before memory
// is spent on it.
constexpr std::uint64_t MaxCollectionBytes = std::uint64_t { 1 } << 31;

[[noreturn]] void Refuse(TSaying reason)
{
    throw EVocabFileError(NothingImported(std::move(reason)));
}

[[noreturn]] void Damaged(std::string detail)
{
    Refuse(TSaying(
        VM_TRANSLATE_NOOP("Velmoria::Model", "The deck package is damaged (%1)."), { std::move(detail) }));
}

struct TZipCloser {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
using TZip = std::unique_ptr<zip_t, TZipCloser>;

std::string ZipErrorText(zip_error_t& error)
{
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

TZip OpenZip(std::string_view bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (!source)
        Damaged(ZipErrorText(error));
    zip_t* zip = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    // Begun as a zip archive, one without its directory at the end is cut short.
    if (!zip) {
        zip_source_free(source);
        Damaged(ZipErrorText(error));
    }
    return TZip(zip);
}

std::string ReadEntry(zip_t* zip, zip_uint64_t index, const zip_stat_t& stat)
{
    if (stat.size > MaxCollectionBytes)
        Damaged("the collection is too large");
    zip_file_t* file = zip_fopen_index(zip, index, 0);
    if (!file)
        Damaged(zip_strerror(zip));
    std::string data(stat.size, '\0');
    const zip_int64_t read = zip_fread(file, data.data(), data.size());
    // A short read or a wrong checksum shows at the end of the entry.
    std::array<char, 1> beyond {};
    const bool more = read >= 0 && zip_fread(file, beyond.data(), 1) != 0;
    std::string why = read < 0 || more ? zip_file_strerror(file) : "";
    zip_fclose(file);
    if (read < 0 || more || static_cast<zip_uint64_t>(read) != stat.size)
        Damaged(why.empty() ? "the collection is cut short" : why);
    return data;
}

std::string Unzstd(std::string_view packed)
{
    std::unique_ptr<ZSTD_DCtx, decltype(&ZSTD_freeDCtx)> context(ZSTD_createDCtx(), ZSTD_freeDCtx);
    std::string out;
    std::array<char, 1 << 16> chunk {};
    ZSTD_inBuffer in { packed.data(), packed.size(), 0 };
    // 0 once a frame is decoded and flushed whole.
    std::size_t last = 1;
    for (bool full = true; in.pos < in.size || full;) {
        ZSTD_outBuffer buffer { chunk.data(), chunk.size(), 0 };
        last = ZSTD_decompressStream(context.get(), &buffer, &in);
        if (ZSTD_isError(last))
            Damaged(ZSTD_getErrorName(last));
        out.append(chunk.data(), buffer.pos);
        if (out.size() > MaxCollectionBytes)
            Damaged("the collection is too large");
        full = buffer.pos == buffer.size;
    }
    if (last != 0)
        Damaged("the collection is cut short");
    return out;
}

// The collection of a package, decompressed.
std::string CollectionOf(std::string_view bytes)
{
    const TZip zip = OpenZip(bytes);
    for (const char* name : { "collection.anki21b", "collection.anki21", "collection.anki2" }) {
        const zip_int64_t index = zip_name_locate(zip.get(), name, 0);
        if (index < 0)
            continue;
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(zip.get(), static_cast<zip_uint64_t>(index), 0, &stat) != 0)
            Damaged(zip_strerror(zip.get()));
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
            Refuse(TSaying(VM_TRANSLATE_NOOP(
                "Velmoria::Model", "The deck package is encrypted; only unencrypted packages can be read.")));
        std::string data = ReadEntry(zip.get(), static_cast<zip_uint64_t>(index), stat);
        return std::string_view(name).ends_with('b') ? Unzstd(data) : data;
    }
    Refuse(TSaying(VM_TRANSLATE_NOOP(
        "Velmoria::Model", "The zip archive is not a deck package: it holds no collection.")));
}

struct TDbCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using TDb = std::unique_ptr<sqlite3, TDbCloser>;

TDb OpenImage(std::string image)
{
    if (image.size() < 100 || std::memcmp(image.data(), "SQLite format 3", 16) != 0)
        Damaged("the collection is not an SQLite database");
    // A database image in WAL mode cannot be read from memory; its pages are whole without the WAL.
    if (image[18] == 2)
        image[18] = 1;
    if (image[19] == 2)
        image[19] = 1;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        throw std::bad_alloc();
    }
    TDb owned(db);
    auto* copy = static_cast<unsigned char*>(sqlite3_malloc64(image.size()));
    if (!copy)
        throw std::bad_alloc();
    std::memcpy(copy, image.data(), image.size());
    const auto size = static_cast<sqlite3_int64>(image.size());
    if (const int rc = sqlite3_deserialize(
            db, "main", copy, size, size, SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY);
        rc != SQLITE_OK)
        Damaged(sqlite3_errstr(rc));
    return owned;
}

std::vector<std::string> SplitFields(std::string_view fields)
{
    std::vector<std::string> out;
    for (std::size_t at = 0;;) {
        const std::size_t end = fields.find('\x1f', at);
        out.emplace_back(fields.substr(at, end == fields.npos ? fields.npos : end - at));
        if (end == fields.npos)
            return out;
        at = end + 1;
    }
}

} // namespace

bool LooksLikeZip(std::string_view bytes)
{
    return bytes.starts_with("PK\x03\x04") || bytes.starts_with("PK\x05\x06");
}

TDeckCollection ReadDeckPackage(std::string_view bytes)
{
    if (!LooksLikeZip(bytes))
        Refuse(TSaying(
            VM_TRANSLATE_NOOP("Velmoria::Model", "The file is not a deck package (not a zip archive).")));
    const TDb db = OpenImage(CollectionOf(bytes));
    sqlite3* d = db.get();
    const TSqliteFail fail
        = [d](int rc) { Damaged(sqlite3_errmsg(d) ? sqlite3_errmsg(d) : sqlite3_errstr(rc)); };
    // No integrity check of the whole file: every page read below is checked as it is read, and a
    // damaged one refuses the package; the rest is not taken.
    TDeckCollection deck;
    std::int64_t mostUsed = 0;
    TStatement common(d, "SELECT mid FROM notes GROUP BY mid ORDER BY count(*) DESC, mid LIMIT 1", fail);
    if (common.Step())
        mostUsed = common.Int(0);
    TStatement newer(d, "SELECT count(*) FROM sqlite_master WHERE name = 'notetypes'", fail);
    const bool separateFields = newer.Step() && newer.Int(0) > 0;
    TStatement fields(d,
        separateFields ? "SELECT name FROM fields WHERE ntid = ? ORDER BY ord"
                       : "SELECT json_extract(f.value, '$.name') FROM col, json_each(col.models) m, "
                         "json_each(m.value, '$.flds') f WHERE CAST(m.key AS INTEGER) = ? "
                         "ORDER BY json_extract(f.value, '$.ord')",
        fail);
    fields.Bind(1, mostUsed);
    while (fields.Step())
        deck.FieldNames.emplace_back(fields.Text(0));

    TStatement notes(d, "SELECT id, mid, flds, tags FROM notes ORDER BY id", fail);
    while (notes.Step())
        deck.Notes.push_back(
            { notes.Int(0), notes.Int(1), SplitFields(notes.Text(2)), std::string(notes.Text(3)) });
    TStatement cards(
        d, "SELECT id, nid, ord, type, queue, ivl, reps, lapses, due FROM cards ORDER BY id", fail);
    while (cards.Step())
        deck.Cards.push_back({ cards.Int(0), cards.Int(1), static_cast<std::int32_t>(cards.Int(2)),
            static_cast<std::int32_t>(cards.Int(3)), static_cast<std::int32_t>(cards.Int(4)),
            static_cast<std::int32_t>(cards.Int(5)), static_cast<std::int32_t>(cards.Int(6)),
            static_cast<std::int32_t>(cards.Int(7)), cards.Int(8) });
    TStatement reviews(d, "SELECT id, cid, ease, time, type, ivl, lastIvl FROM revlog ORDER BY id", fail);
    while (reviews.Step())
        deck.Reviews.push_back({ reviews.Int(0), reviews.Int(1), static_cast<std::int32_t>(reviews.Int(2)),
            static_cast<std::int32_t>(reviews.Int(3)), static_cast<std::int32_t>(reviews.Int(4)),
            static_cast<std::int32_t>(reviews.Int(5)), static_cast<std::int32_t>(reviews.Int(6)) });
    return deck;
}

namespace {

constexpr const char* LegacySchema = R"sql(
CREATE TABLE col (id integer primary key, crt integer not null, mod integer not null,
  scm integer not null, ver integer not null, dty integer not null, usn integer not null,
  ls integer not null, conf text not null, models text not null, decks text not null,
  dconf text not null, tags text not null);
CREATE TABLE notes (id integer primary key, guid text not null, mid integer not null,
  mod integer not null, usn integer not null, tags text not null, flds text not null,
  sfld integer not null, csum integer not null, flags integer not null, data text not null);
CREATE TABLE cards (id integer primary key, nid integer not null, did integer not null,
  ord integer not null, mod integer not null, usn integer not null, type integer not null,
  queue integer not null, due integer not null, ivl integer not null, factor integer not null,
  reps integer not null, lapses integer not null, left integer not null, odue integer not null,
  odid integer not null, flags integer not null, data text not null);
CREATE TABLE revlog (id integer primary key, cid integer not null, usn integer not null,
  ease integer not null, ivl integer not null, lastIvl integer not null, factor integer not null,
  time integer not null, type integer not null);
CREATE TABLE graves (usn integer not null, oid integer not null, type integer not null);
CREATE INDEX ix_notes_usn on notes (usn);
CREATE INDEX ix_cards_usn on cards (usn);
CREATE INDEX ix_revlog_usn on revlog (usn);
CREATE INDEX ix_cards_nid on cards (nid);
CREATE INDEX ix_cards_sched on cards (did, queue, due);
CREATE INDEX ix_revlog_cid on revlog (cid);
CREATE INDEX ix_notes_csum on notes (csum);
)sql";

// The legacy collection row with its note type, decks and options: ?1 the creation time (s), ?2
// (ms), ?3 the time (s), ?4 the next note position, ?5 the deck's id, ?6 the note type's, ?7 the
// deck's name. Made by SQLite's JSON functions, so any name is quoted as JSON needs.
constexpr const char* CollectionRow = R"sql(
INSERT INTO col VALUES(1, ?1, ?2, ?2, 11, 0, 0, 0,
 json_object('nextPos', ?4, 'estTimes', json('true'), 'activeDecks', json_array(?5),
   'sortType', 'noteFld', 'timeLim', 0, 'sortBackwards', json('false'), 'addToCur', json('true'),
   'curDeck', ?5, 'newSpread', 0, 'dueCounts', json('true'), 'curModel', ?6, 'collapseTime', 1200),
 json_object(CAST(?6 AS TEXT), json_object('id', ?6, 'name', 'Basic (and reversed card)', 'type', 0,
   'mod', ?3, 'usn', -1, 'sortf', 0, 'did', ?5, 'tags', json_array(), 'vers', json_array(),
   'css', '.card { font-family: arial; font-size: 20px; text-align: center; }',
   'latexPre', '\documentclass[12pt]{article}\special{papersize=3in,5in}\usepackage[utf8]{inputenc}\usepackage{amssymb,amsmath}\pagestyle{empty}\setlength{\parindent}{0in}\begin{document}',
   'latexPost', '\end{document}',
   'req', json_array(json_array(0, 'any', json_array(0)), json_array(1, 'any', json_array(1))),
   'flds', json_array(
     json_object('name', 'Front', 'ord', 0, 'sticky', json('false'), 'rtl', json('false'), 'font', 'Arial', 'size', 20, 'media', json_array()),
     json_object('name', 'Back', 'ord', 1, 'sticky', json('false'), 'rtl', json('false'), 'font', 'Arial', 'size', 20, 'media', json_array())),
   'tmpls', json_array(
     json_object('name', 'Card 1', 'ord', 0, 'qfmt', '{{Front}}', 'afmt', '{{FrontSide}}<hr id=answer>{{Back}}', 'bqfmt', '', 'bafmt', '', 'did', NULL),
     json_object('name', 'Card 2', 'ord', 1, 'qfmt', '{{Back}}', 'afmt', '{{FrontSide}}<hr id=answer>{{Front}}', 'bqfmt', '', 'bafmt', '', 'did', NULL)))),
 json_object('1', json_object('id', 1, 'name', 'Default', 'desc', '', 'mod', ?3, 'usn', -1, 'conf', 1,
     'dyn', 0, 'collapsed', json('false'), 'extendNew', 10, 'extendRev', 50, 'newToday', json_array(0, 0),
     'revToday', json_array(0, 0), 'lrnToday', json_array(0, 0), 'timeToday', json_array(0, 0)),
   CAST(?5 AS TEXT), json_object('id', ?5, 'name', ?7, 'desc', '', 'mod', ?3, 'usn', -1, 'conf', 1,
     'dyn', 0, 'collapsed', json('false'), 'extendNew', 10, 'extendRev', 50, 'newToday', json_array(0, 0),
     'revToday', json_array(0, 0), 'lrnToday', json_array(0, 0), 'timeToday', json_array(0, 0))),
 json_object('1', json_object('id', 1, 'name', 'Default', 'mod', 0, 'usn', 0, 'maxTaken', 60,
   'autoplay', json('true'), 'timer', 0, 'replayq', json('true'), 'dyn', json('false'),
   'new', json_object('delays', json_array(1, 10), 'ints', json_array(1, 4, 7), 'initialFactor', 2500,
     'order', 1, 'perDay', 20, 'bury', json('false'), 'separate', json('true')),
   'lapse', json_object('delays', json_array(10), 'mult', 0, 'minInt', 1, 'leechFails', 8, 'leechAction', 0),
   'rev', json_object('perDay', 200, 'ease4', 1.3, 'fuzz', 0.05, 'maxIvl', 36500, 'ivlFct', 1,
     'bury', json('false'), 'hardFactor', 1.2, 'minSpace', 1))),
 '{}'))sql";

// The first eight hex digits of the SHA-1 of the sort field, as a number: the format's duplicate check.
std::int64_t FieldChecksum(std::string_view text)
{
    sha1_ctx context;
    sha1_init(&context);
    sha1_update(&context, text.size(), reinterpret_cast<const std::uint8_t*>(text.data()));
    std::array<std::uint8_t, SHA1_DIGEST_SIZE> digest {};
    sha1_digest(&context, digest.size(), digest.data());
    return (std::int64_t { digest[0] } << 24) | (digest[1] << 16) | (digest[2] << 8) | digest[3];
}

// A note's guid: the format wants a short unique text; one made of its id stays unique in the file.
std::string GuidOf(std::int64_t id)
{
    static constexpr std::string_view Digits
        = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string guid = "vm";
    for (auto v = static_cast<std::uint64_t>(id); v > 0; v /= Digits.size())
        guid += Digits[v % Digits.size()];
    return guid;
}

} // namespace

std::string WriteDeckPackage(const TDeckCollection& deck, std::int64_t createdSeconds)
{
    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(":memory:", &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(raw);
        throw std::bad_alloc();
    }
    const TDb db(raw);
    const TSqliteFail fail = [raw](int) { throw std::runtime_error(sqlite3_errmsg(raw)); };
    const auto exec = [&](const char* sql) {
        if (sqlite3_exec(raw, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            fail(0);
    };
    exec("PRAGMA journal_mode=OFF");
    exec(LegacySchema);
    exec("BEGIN");
    const std::int64_t noteType = deck.Notes.empty() ? createdSeconds * 1000 : deck.Notes.front().NoteType;
    const std::int64_t deckId = createdSeconds * 1000 + 1;
    TStatement col(raw, CollectionRow, fail);
    col.Bind(1, createdSeconds).Bind(2, createdSeconds * 1000).Bind(3, createdSeconds);
    col.Bind(4, static_cast<std::int64_t>(deck.Notes.size() + 1)).Bind(5, deckId).Bind(6, noteType);
    col.Bind(7, std::string_view(deck.DeckName));
    col.Step();

    TStatement note(raw, "INSERT INTO notes VALUES(?, ?, ?, ?, -1, ?, ?, ?, ?, 0, '')", fail);
    std::string joined;
    for (const TDeckNote& n : deck.Notes) {
        joined.clear();
        for (std::size_t i = 0; i < n.Fields.size(); ++i)
            (i > 0 ? joined += '\x1f' : joined) += n.Fields[i];
        std::int32_t media = 0;
        const std::string sort = n.Fields.empty() ? std::string() : DeckFieldText(n.Fields[0], media);
        note.Reset();
        note.Bind(1, n.Id)
            .Bind(2, std::string_view(GuidOf(n.Id)))
            .Bind(3, n.NoteType)
            .Bind(4, createdSeconds);
        note.Bind(5, std::string_view(n.Tags.empty() ? n.Tags : " " + n.Tags + " "));
        note.Bind(6, std::string_view(joined)).Bind(7, std::string_view(sort)).Bind(8, FieldChecksum(sort));
        note.Step();
    }
    TStatement card(
        raw, "INSERT INTO cards VALUES(?, ?, ?, ?, ?, -1, ?, ?, ?, ?, ?, ?, ?, 0, 0, 0, 0, '')", fail);
    for (const TDeckCard& c : deck.Cards) {
        card.Reset();
        card.Bind(1, c.Id).Bind(2, c.Note).Bind(3, deckId).Bind(4, std::int64_t { c.Template });
        card.Bind(5, createdSeconds).Bind(6, std::int64_t { c.Type }).Bind(7, std::int64_t { c.Queue });
        card.Bind(8, c.Due)
            .Bind(9, std::int64_t { c.Interval })
            .Bind(10, std::int64_t { c.Reps > 0 ? 2500 : 0 });
        card.Bind(11, std::int64_t { c.Reps }).Bind(12, std::int64_t { c.Lapses });
        card.Step();
    }
    TStatement review(raw, "INSERT INTO revlog VALUES(?, ?, -1, ?, ?, ?, 2500, ?, ?)", fail);
    for (const TDeckReview& r : deck.Reviews) {
        review.Reset();
        review.Bind(1, r.TimeMs).Bind(2, r.Card).Bind(3, std::int64_t { r.Rating });
        review.Bind(4, std::int64_t { r.Interval }).Bind(5, std::int64_t { r.LastInterval });
        review.Bind(6, std::int64_t { r.DurationMs }).Bind(7, std::int64_t { r.Type });
        review.Step();
    }
    exec("COMMIT");
    sqlite3_int64 size = 0;
    unsigned char* image = sqlite3_serialize(raw, "main", &size, 0);
    if (!image)
        throw std::bad_alloc();
    const std::string collection(reinterpret_cast<const char*>(image), static_cast<std::size_t>(size));
    sqlite3_free(image);

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* out = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!out)
        throw std::runtime_error(ZipErrorText(error));
    zip_source_keep(out);
    const std::unique_ptr<zip_source_t, decltype(&zip_source_free)> kept(out, zip_source_free);
    zip_t* zip = zip_open_from_source(out, ZIP_TRUNCATE, &error);
    if (!zip)
        throw std::runtime_error(ZipErrorText(error));
    static constexpr std::string_view NoMedia = "{}";
    zip_source_t* parts[2] = { zip_source_buffer(zip, collection.data(), collection.size(), 0),
        zip_source_buffer(zip, NoMedia.data(), NoMedia.size(), 0) };
    const char* names[2] = { "collection.anki2", "media" };
    for (int i = 0; i < 2; ++i) {
        if (!parts[i] || zip_file_add(zip, names[i], parts[i], ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(parts[i]);
            const std::string why = zip_strerror(zip);
            zip_discard(zip);
            throw std::runtime_error(why);
        }
    }
    if (zip_close(zip) != 0) {
        const std::string why = zip_strerror(zip);
        zip_discard(zip);
        throw std::runtime_error(why);
    }
    std::string bytes;
    if (zip_source_open(out) != 0)
        throw std::runtime_error(zip_error_strerror(zip_source_error(out)));
    std::array<char, 1 << 16> chunk {};
    for (zip_int64_t n; (n = zip_source_read(out, chunk.data(), chunk.size())) > 0;)
        bytes.append(chunk.data(), static_cast<std::size_t>(n));
    zip_source_close(out);
    return bytes;
}
