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

[[noreturn]] void Refuse(TSaying reason)
{
    throw EVocabFileError(NothingImported(std::move(reason)));
}

[[noreturn]] void Damaged(std::string detail)
{
    Refuse(TSaying(
        VM_TRANSLATE_NOOP("Velmoria::Model", "The deck package is damaged (%1)."), { std::move(detail) }));
}

struct TZipError {
    zip_error_t Error;
    TZipError() { zip_error_init(&Error); }
    ~TZipError() { zip_error_fini(&Error); }
    TZipError(const TZipError&) = delete;
    TZipError& operator=(const TZipError&) = delete;
    std::string Text() { return zip_error_strerror(&Error); }
};

struct TZipCloser {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
using TZip = std::unique_ptr<zip_t, TZipCloser>;
using TZipSource = std::unique_ptr<zip_source_t, decltype(&zip_source_free)>;

TZip OpenZip(std::string_view bytes)
{
    TZipError error;
    TZipSource source(zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error.Error), zip_source_free);
    // Begun as a zip archive, one without its directory at the end is cut short.
    TZip zip(source ? zip_open_from_source(source.get(), ZIP_RDONLY | ZIP_CHECKCONS, &error.Error) : nullptr);
    if (!zip)
        Damaged(error.Text());
    source.release(); // the archive's now
    return zip;
}

std::string ReadEntry(zip_t* zip, const zip_stat_t& stat, std::uint64_t limit)
{
    if (stat.size > limit)
        Damaged("the collection is too large");
    const std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(
        zip_fopen_index(zip, stat.index, 0), zip_fclose);
    if (!file)
        Damaged(zip_strerror(zip));
    std::string data;
    data.resize(stat.size);
    const zip_int64_t read = zip_fread(file.get(), data.data(), data.size());
    // A wrong checksum shows only on reading past the end.
    std::array<char, 1> beyond {};
    if (static_cast<zip_uint64_t>(read) != stat.size || zip_fread(file.get(), beyond.data(), 1) != 0)
        Damaged(zip_file_get_error(file.get())->zip_err == ZIP_ER_OK ? "the collection is cut short"
                                                                     : zip_file_strerror(file.get()));
    return data;
}

std::string Unzstd(std::string_view packed, std::uint64_t limit)
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
        if (out.size() > limit)
            Damaged("the collection is too large");
        full = buffer.pos == buffer.size;
    }
    if (last != 0)
        Damaged("the collection is cut short");
    return out;
}

// The collection of a package, decompressed.
std::string CollectionOf(std::string_view bytes, std::uint64_t limit)
{
    const TZip zip = OpenZip(bytes);
    for (const char* name : { "collection.anki21b", "collection.anki21", "collection.anki2" }) {
        zip_stat_t stat;
        if (zip_stat(zip.get(), name, 0, &stat) != 0)
            continue;
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
            Refuse(TSaying(VM_TRANSLATE_NOOP(
                "Velmoria::Model", "The deck package is encrypted; only unencrypted packages can be read.")));
        std::string data = ReadEntry(zip.get(), stat, limit);
        return std::string_view(name).ends_with('b') ? Unzstd(data, limit) : data;
    }
    Refuse(TSaying(VM_TRANSLATE_NOOP(
        "Velmoria::Model", "The zip archive is not a deck package: it holds no collection.")));
}

struct TDbCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using TDb = std::unique_ptr<sqlite3, TDbCloser>;

TDb MemoryDb()
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY, nullptr);
    TDb owned(db);
    if (rc != SQLITE_OK)
        throw std::bad_alloc();
    return owned;
}

TDb OpenImage(std::string image)
{
    if (image.size() < 100 || std::memcmp(image.data(), "SQLite format 3", 16) != 0)
        Damaged("the collection is not an SQLite database");
    // A database image in WAL mode cannot be read from memory; its pages are whole without the WAL.
    image[18] = image[19] = 1;
    TDb db = MemoryDb();
    auto* copy = static_cast<unsigned char*>(sqlite3_malloc64(image.size()));
    if (!copy)
        throw std::bad_alloc();
    std::memcpy(copy, image.data(), image.size());
    const auto size = static_cast<sqlite3_int64>(image.size());
    // Only memory running out fails it: the image is checked as its pages are read.
    if (sqlite3_deserialize(
            db.get(), "main", copy, size, size, SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY)
        != SQLITE_OK)
        throw std::bad_alloc();
    return db;
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

TDeckCollection ReadDeckPackage(std::string_view bytes, std::uint64_t maxCollectionBytes)
{
    if (!LooksLikeZip(bytes))
        Refuse(TSaying(
            VM_TRANSLATE_NOOP("Velmoria::Model", "The file is not a deck package (not a zip archive).")));
    const TDb db = OpenImage(CollectionOf(bytes, maxCollectionBytes));
    sqlite3* d = db.get();
    const TSqliteFail fail
        = [d](int rc) { Damaged(sqlite3_errmsg(d) ? sqlite3_errmsg(d) : sqlite3_errstr(rc)); };
    // No integrity check of the whole file: every page read below is checked as it is read, and a
    // damaged one refuses the package; the rest is not taken.
    TDeckCollection deck;
    TStatement newer(d, "SELECT count(*) FROM sqlite_master WHERE name = 'notetypes'", fail);
    const bool separateFields = newer.Step() && newer.Int(0) > 0;
    // The field names of the note type most notes use.
    TStatement fields(d,
        separateFields
            ? "WITH used(id) AS (SELECT mid FROM notes GROUP BY mid ORDER BY count(*) DESC, mid LIMIT 1) "
              "SELECT name FROM fields WHERE ntid = (SELECT id FROM used) ORDER BY ord"
            : "WITH used(id) AS (SELECT mid FROM notes GROUP BY mid ORDER BY count(*) DESC, mid LIMIT 1) "
              "SELECT json_extract(f.value, '$.name') FROM col, json_each(col.models) m, "
              "json_each(m.value, '$.flds') f WHERE CAST(m.key AS INTEGER) = (SELECT id FROM used) "
              "ORDER BY json_extract(f.value, '$.ord')",
        fail);
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

// The legacy collection row with its note type, decks (the default one and the package's, alike)
// and options: ?1 the creation time (s), ?2 (ms), ?3 the time (s), ?4 the next note position, ?5
// the deck's id, ?6 the note type's, ?7 the deck's name. Made by SQLite's JSON functions, so any
// name is quoted as JSON needs.
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
 (SELECT json_group_object(CAST(column1 AS TEXT), json_object('id', column1, 'name', column2, 'desc', '',
     'mod', ?3, 'usn', -1, 'conf', 1, 'dyn', 0, 'collapsed', json('false'), 'extendNew', 10, 'extendRev', 50,
     'newToday', json_array(0, 0), 'revToday', json_array(0, 0), 'lrnToday', json_array(0, 0),
     'timeToday', json_array(0, 0))) FROM (VALUES (1, 'Default'), (?5, ?7))),
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
    const TDb db = MemoryDb();
    sqlite3* raw = db.get();
    const TSqliteFail fail = [raw](int) { throw std::runtime_error(sqlite3_errmsg(raw)); };
    // A schema not made fails the first insert.
    sqlite3_exec(raw, LegacySchema, nullptr, nullptr, nullptr);
    {
        TTransaction transaction(raw, fail);
        const std::int64_t noteType
            = deck.Notes.empty() ? createdSeconds * 1000 : deck.Notes.front().NoteType;
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
            std::int32_t media {}; // not counted here
            const std::string sort = n.Fields.empty() ? std::string() : DeckFieldText(n.Fields[0], media);
            note.Reset();
            note.Bind(1, n.Id)
                .Bind(2, std::string_view(GuidOf(n.Id)))
                .Bind(3, n.NoteType)
                .Bind(4, createdSeconds);
            note.Bind(5, std::string_view(n.Tags.empty() ? n.Tags : " " + n.Tags + " "));
            note.Bind(6, std::string_view(joined))
                .Bind(7, std::string_view(sort))
                .Bind(8, FieldChecksum(sort));
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
        transaction.Commit();
    }
    sqlite3_int64 size {};
    const std::unique_ptr<unsigned char, decltype(&sqlite3_free)> image(
        sqlite3_serialize(raw, "main", &size, 0), sqlite3_free);
    if (!image)
        throw std::bad_alloc();
    const std::string_view collection(
        reinterpret_cast<const char*>(image.get()), static_cast<std::size_t>(size));

    TZipError error;
    const TZipSource out(zip_source_buffer_create(nullptr, 0, 0, &error.Error), zip_source_free);
    if (!out)
        throw std::runtime_error(error.Text());
    TZip zip(zip_open_from_source(out.get(), ZIP_TRUNCATE, &error.Error));
    if (!zip)
        throw std::runtime_error(error.Text());
    // The archive frees the source once when closed; its bytes are read after.
    zip_source_keep(out.get());
    for (const auto& [name, data] :
        { std::pair<const char*, std::string_view> { "collection.anki2", collection }, { "media", "{}" } }) {
        TZipSource part(zip_source_buffer(zip.get(), data.data(), data.size(), 0), zip_source_free);
        if (!part || zip_file_add(zip.get(), name, part.get(), ZIP_FL_ENC_UTF_8) < 0)
            throw std::runtime_error(zip_strerror(zip.get()));
        part.release(); // the archive's now
    }
    if (zip_close(zip.get()) != 0)
        throw std::runtime_error(zip_strerror(zip.get()));
    zip.release(); // closed and freed
    if (zip_source_open(out.get()) != 0)
        throw std::runtime_error(zip_error_strerror(zip_source_error(out.get())));
    std::string bytes;
    std::array<char, 1 << 16> chunk {};
    for (zip_int64_t n; (n = zip_source_read(out.get(), chunk.data(), chunk.size())) > 0;)
        bytes.append(chunk.data(), static_cast<std::size_t>(n));
    return bytes;
}
