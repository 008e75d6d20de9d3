// What the history remembers of many cards at once: a list's due count and plan read it for a
// million keys, merged with the rows in the order of their hashes.

#include "core/FreedMemory.h"
#include "review/History.h"
#include "review/HistoryStatements.h"

#include <algorithm>

std::vector<std::optional<TMemory>> THistory::Memories(const std::vector<TCardKey>& keys)
{
    const TCardIndex index(keys);
    const std::vector<std::optional<TMemory>> found = KeyMemories(index);
    std::vector<std::optional<TMemory>> memories(keys.size());
    for (std::size_t k = 0; k < found.size(); ++k)
        memories[index.Keys()[k].Card] = found[k];
    const std::vector<std::uint32_t>& first = index.First();
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (first[i] != i)
            memories[i] = memories[first[i]];
    return memories;
}

namespace {

constexpr const char* DueColumns = "key_hash, state, last_review, due, stability";
constexpr const char* OfLanguages
    = " FROM cards WHERE foreign_language = ? AND native_language = ? AND direction = ?";

TMemory DueMemoryOfRow(const TStatement& row)
{
    TMemory memory;
    memory.State = static_cast<TCardState>(std::clamp<std::int64_t>(row.Int(1), 0, 3));
    memory.LastReview = row.Int(2);
    memory.Due = row.Int(3);
    memory.Stability = row.Real(4);
    return memory;
}

// The cards held, about: the last id is read from the end of the table.
std::int64_t CardsHeld(sqlite3* db, const TSqliteFail& fail)
{
    TStatement last(db, "SELECT MAX(id) FROM cards", fail);
    return last.Step() ? last.Int(0) : 0;
}

// A few keys are each looked up; many are met in one pass over their languages' cards.
bool ScanPaysFor(std::size_t keys, std::int64_t held)
{
    return static_cast<std::int64_t>(keys) * 16 >= held;
}

} // namespace

bool THistory::ScanPays(std::size_t keys)
{
    return ScanPaysFor(keys, CardsHeld(Db_, [this](int rc) { FailSql(rc); }));
}

std::optional<std::vector<TScannedCard>> THistory::ScanCards(
    std::uint16_t foreignLanguage, std::uint16_t nativeLanguage, std::uint8_t direction) const
{
    sqlite3* db = nullptr;
    const auto close = [&db] { sqlite3_close_v2(db); };
    std::vector<TScannedCard> cards;
    try {
        if (sqlite3_open_v2(Path_.c_str(), &db,
                SQLITE_OPEN_READONLY | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_NOMUTEX, nullptr)
            != SQLITE_OK)
            throw std::runtime_error("not opened");
        sqlite3_busy_timeout(db, BusyTimeoutMs_);
        const TSqliteFail fail = [](int) { throw std::runtime_error("not read"); };
        // Room for every card held, advised as huge pages: on this kind of machine a million fresh
        // small pages cost more than reading the rows, and room never written costs nothing.
        ReserveLarge(cards, static_cast<std::size_t>(std::max<std::int64_t>(0, CardsHeld(db, fail))));
        TStatement scan(
            db, (std::string("SELECT ") + DueColumns + OfLanguages + " ORDER BY key_hash").c_str(), fail);
        scan.Bind(1, std::int64_t { foreignLanguage })
            .Bind(2, std::int64_t { nativeLanguage })
            .Bind(3, std::int64_t { direction });
        while (scan.Step()) {
            const TMemory memory = DueMemoryOfRow(scan);
            // Days from 1970 on either side of it by five million years fit 32 bits.
            const auto day
                = [](TDay d) { return static_cast<std::int32_t>(std::clamp<TDay>(d, INT32_MIN, INT32_MAX)); };
            cards.push_back(
                { scan.Int(0), memory.Stability, day(memory.LastReview), day(memory.Due), memory.State });
        }
    } catch (const std::exception&) {
        close();
        return std::nullopt;
    }
    close();
    return cards;
}

std::vector<std::optional<TMemory>> THistory::KeyMemories(
    const TCardIndex& index, bool dueOnly, const std::vector<TScannedCard>* scanned)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    const std::vector<TCardIndex::TEntry>& keys = index.Keys();
    std::vector<std::optional<TMemory>> memories;
    ResizeLarge(memories, keys.size());
    if (keys.empty())
        return memories;
    // Rows read ahead are those of the one group of a list's index.
    if (index.Groups().size() != 1 || !dueOnly)
        scanned = nullptr;
    // Both read the hash index alone, never a text; a count reads two numbers of each card.
    const std::string columns
        = dueOnly ? DueColumns : "key_hash, state, stability, difficulty, last_review, due, reps, lapses";
    TStatement scan(Db_, ("SELECT " + columns + OfLanguages + " ORDER BY key_hash").c_str(), fail);
    TStatement seek(Db_, ("SELECT " + columns + OfLanguages + " AND key_hash = ?").c_str(), fail);
    const auto memoryOf
        = [dueOnly](const TStatement& row) { return dueOnly ? DueMemoryOfRow(row) : MemoryOfRow(row, 1); };
    TStatement texts(Db_,
        "SELECT word, translations, state, stability, difficulty, last_review, due, reps, lapses FROM cards "
        "WHERE foreign_language = ? AND native_language = ? AND direction = ? AND key_hash = ?",
        fail);
    // The keys of one hash from keys[from] get the memories of the history's rows of that hash;
    // returns the end of them. One card for one key is taken as it is: that the texts of a card the
    // learner has and of an item asked differ with one 64-bit hash is about as likely as n*m/2^64
    // (1 in 10^7 for a million against a million), and would only schedule that item as the other
    // card; its answers still go to its own card, found by its texts. More cards or keys of one hash
    // are told apart by their texts.
    const auto settle = [&](std::size_t from, int rows, const TMemory& memory) {
        std::size_t end = from + 1;
        for (; end < keys.size() && keys[end].Group == keys[from].Group && keys[end].Hash == keys[from].Hash;
             ++end) { }
        if (rows == 1 && end - from == 1) {
            memories[from] = memory;
        } else if (rows > 0) {
            const TCardIndex::TGroup& group = index.Groups()[keys[from].Group];
            texts.Reset();
            texts.Bind(1, std::int64_t { group.ForeignLanguage })
                .Bind(2, std::int64_t { group.NativeLanguage })
                .Bind(3, std::int64_t { group.Direction })
                .Bind(4, keys[from].Hash);
            while (texts.Step())
                for (std::size_t k = from; k < end; ++k)
                    if (const TCardKey key = index.KeyOf(keys[k].Card);
                        key.Word == texts.Text(0) && key.Translations == texts.Text(1))
                        memories[k] = MemoryOfRow(texts, 2);
        }
        return end;
    };
    // Both in the order of their hashes: one merge. next() steps to the following row and gives its
    // hash; memory() reads that row, only for the first row of a hash the keys have.
    const auto merge = [&](std::size_t k, std::size_t groupEnd, auto&& next, auto&& memory) {
        int rows = 0;
        TMemory first;
        for (std::optional<std::int64_t> hash; (hash = next());) {
            if (rows > 0 && *hash != keys[k].Hash) {
                k = settle(k, rows, first);
                rows = 0;
            }
            for (; k < groupEnd && keys[k].Hash < *hash; ++k) { }
            if (k == groupEnd)
                return;
            if (keys[k].Hash == *hash && rows++ == 0)
                first = memory();
        }
        if (rows > 0)
            settle(k, rows, first);
    };
    const std::int64_t held = scanned ? 0 : CardsHeld(Db_, fail);
    for (std::size_t group = 0; group < keys.size();) {
        std::size_t groupEnd = group;
        for (; groupEnd < keys.size() && keys[groupEnd].Group == keys[group].Group; ++groupEnd) { }
        const TCardIndex::TGroup& languages = index.Groups()[keys[group].Group];
        const bool scanPays = scanned || ScanPaysFor(groupEnd - group, held);
        TStatement& read = scanPays ? scan : seek;
        const auto bind = [&] {
            read.Reset();
            read.Bind(1, std::int64_t { languages.ForeignLanguage })
                .Bind(2, std::int64_t { languages.NativeLanguage })
                .Bind(3, std::int64_t { languages.Direction });
        };
        if (scanned) {
            auto row = scanned->begin();
            merge(
                group, groupEnd,
                [&]() -> std::optional<std::int64_t> {
                    return row == scanned->end() ? std::nullopt : std::optional((row++)->Hash);
                },
                [&] {
                    const TScannedCard& card = *std::prev(row);
                    TMemory memory;
                    memory.State = card.State;
                    memory.Stability = card.Stability;
                    memory.LastReview = card.LastReview;
                    memory.Due = card.Due;
                    return memory;
                });
        } else if (scanPays) {
            bind();
            merge(
                group, groupEnd,
                [&]() -> std::optional<std::int64_t> {
                    return read.Step() ? std::optional(read.Int(0)) : std::nullopt;
                },
                [&] { return memoryOf(read); });
        } else {
            // A few keys of a long history are each looked up.
            for (std::size_t k = group; k < groupEnd;) {
                bind();
                read.Bind(4, keys[k].Hash);
                int rows = 0;
                TMemory memory;
                for (; read.Step(); ++rows)
                    memory = memoryOf(read);
                k = settle(k, rows, memory);
            }
        }
        group = groupEnd;
    }
    return memories;
}
