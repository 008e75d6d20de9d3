#include "review/HistoryJournal.h"

#define XXH_INLINE_ALL
#include <algorithm>
#include <charconv>
#include <ctime>
#include <unordered_map>
#include <unordered_set>
#include <xxhash.h>
#include <zlib.h>

namespace {

constexpr std::int64_t EarliestAnswerMs = 631152000000; // 1990-01-01, as an imported file
constexpr std::size_t Fields = 11;

std::uint32_t CrcOf(std::string_view bytes)
{
    return static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

void Escape(std::string& out, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
}

bool Unescape(std::string_view text, std::string& out)
{
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return false;
        }
    }
    return true;
}

template <class T> bool Number(std::string_view text, T& value, int base = 10)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    return error == std::errc() && stop == end;
}

template <class T> bool NumberIn(std::string_view text, T& value, T low, T high)
{
    return Number(text, value) && value >= low && value <= high;
}

bool DeviceName(std::string_view device)
{
    return device.size() == 16 && std::all_of(device.begin(), device.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
    });
}

// The fields of a line without its line break, when its checksum fits and it has that many.
template <std::size_t N> bool SignedFields(std::string_view line, std::string_view (&field)[N])
{
    const std::size_t lastTab = line.rfind('\t');
    std::uint32_t crc = 0;
    if (lastTab == std::string_view::npos || line.size() - lastTab != 9
        || !Number(line.substr(lastTab + 1), crc, 16) || crc != CrcOf(line.substr(0, lastTab + 1)))
        return false;
    std::string_view rest = line.substr(0, lastTab);
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t tab = rest.find('\t');
        if ((tab == std::string_view::npos) != (i == N - 1))
            return false;
        field[i] = rest.substr(0, tab);
        rest = tab == std::string_view::npos ? std::string_view() : rest.substr(tab + 1);
    }
    return true;
}

bool ParseAnswer(std::string_view line, std::int64_t latestMs, TJournalAnswer& answer)
{
    std::string_view field[Fields - 1];
    std::string_view device;
    std::int64_t number = 0;
    int practice = 0;
    TCardKey& key = answer.Key;
    if (!SignedFields(line, field) || !SplitJournalAnswerId(field[0], device, number)
        || !NumberIn<std::int64_t>(field[1], answer.UnixMs, EarliestAnswerMs, latestMs)
        || !NumberIn(field[2], answer.Rating, 1, 4) || !Number(field[3], answer.DurationMs)
        || answer.DurationMs < 0 || !NumberIn(field[4], practice, 0, 1)
        || !Number(field[5], key.ForeignLanguage) || !Number(field[6], key.NativeLanguage)
        || !NumberIn<std::uint8_t>(field[7], key.Direction, 0, 1) || !Unescape(field[8], key.Word)
        || !Unescape(field[9], key.Translations))
        return false;
    answer.Id = field[0];
    answer.Practice = practice == 1;
    return true;
}

bool ParseChange(std::string_view line, TJournalChange& change)
{
    std::string_view field[3];
    std::string_view device;
    std::int64_t number = 0;
    if (!SignedFields(line, field) || !SplitJournalAnswerId(field[0], device, number)
        || !Number(field[1], change.Revision) || change.Revision < 0
        || !NumberIn(field[2], change.Rating, 1, 4))
        return false;
    change.Id = field[0];
    return true;
}

std::string Signed(std::string line)
{
    line += '\t';
    const std::string hex = DeviceIdOf(CrcOf(line)).substr(8);
    return line + hex + '\n';
}

std::string MonthOf(std::int64_t unixMs)
{
    const auto t = static_cast<std::time_t>(unixMs / 1000); // never before 1990
    std::tm utc {};
    gmtime_r(&t, &utc);
    char month[16] = {};
    std::strftime(month, sizeof month, "%Y-%m", &utc);
    return month;
}

std::int64_t MonthMs(std::int64_t unixMs, int ahead)
{
    const auto t = static_cast<std::time_t>(unixMs / 1000);
    std::tm utc {};
    gmtime_r(&t, &utc);
    utc.tm_mday = 1;
    utc.tm_hour = utc.tm_min = utc.tm_sec = 0;
    utc.tm_mon += ahead;
    return std::int64_t { timegm(&utc) } * 1000;
}

} // namespace

std::string JournalAnswerId(std::string_view device, std::int64_t number, std::int64_t unixMs)
{
    return std::string(device) + '-' + std::to_string(number) + '-' + std::to_string(unixMs);
}

bool SplitJournalAnswerId(std::string_view id, std::string_view& device, std::int64_t& number)
{
    const std::size_t first = id.find('-');
    const std::size_t second = first == std::string_view::npos ? first : id.find('-', first + 1);
    // The time after them only makes the id unique.
    if (second == std::string_view::npos || !DeviceName(id.substr(0, first))
        || !Number(id.substr(first + 1, second - first - 1), number) || number < 1)
        return false;
    device = id.substr(0, first);
    return true;
}

std::string DeviceIdOf(std::uint64_t value)
{
    char text[17] = {};
    const auto end = std::to_chars(text, text + 16, value, 16).ptr;
    const std::string digits(text, end);
    return std::string(16 - digits.size(), '0') + digits;
}

std::string JournalName(std::string_view device, std::int64_t unixMs)
{
    return "history-" + std::string(device) + '-' + MonthOf(unixMs) + std::string(JournalExtension);
}

std::string ChangesName(std::string_view device, std::int64_t unixMs)
{
    return "history-" + std::string(device) + '-' + MonthOf(unixMs) + std::string(ChangesExtension);
}

std::int64_t MonthStartMs(std::int64_t unixMs)
{
    return MonthMs(unixMs, 0);
}

std::int64_t NextMonthMs(std::int64_t unixMs)
{
    return MonthMs(unixMs, 1);
}

bool IsJournalName(std::string_view name)
{
    return !name.starts_with('.') && (name.ends_with(JournalExtension) || name.ends_with(ChangesExtension));
}

std::string JournalLine(const TJournalAnswer& answer)
{
    std::string line = answer.Id;
    for (const std::int64_t n :
        { answer.UnixMs, std::int64_t { answer.Rating }, std::int64_t { answer.DurationMs },
            std::int64_t { answer.Practice ? 1 : 0 }, std::int64_t { answer.Key.ForeignLanguage },
            std::int64_t { answer.Key.NativeLanguage }, std::int64_t { answer.Key.Direction } })
        line += '\t' + std::to_string(n);
    line += '\t';
    Escape(line, answer.Key.Word);
    line += '\t';
    Escape(line, answer.Key.Translations);
    return Signed(std::move(line));
}

std::string ChangeLine(const TJournalChange& change)
{
    return Signed(change.Id + '\t' + std::to_string(change.Revision) + '\t' + std::to_string(change.Rating));
}

TJournalRead ReadJournal(
    std::string_view name, std::string_view bytes, const TJournalMark& mark, std::int64_t latestMs)
{
    TJournalRead read;
    XXH3_state_t state;
    XXH3_64bits_reset(&state);
    std::size_t from = 0;
    if (mark.Read <= bytes.size()) {
        XXH3_64bits_update(&state, bytes.data(), mark.Read);
        if (XXH3_64bits_digest(&state) == mark.Hash)
            from = mark.Read;
        else
            XXH3_64bits_reset(&state);
    }
    const auto skip = [&](const char* why, std::vector<TSaying> args) {
        // Read again from its start once it changes: its answers' ids keep those merged before.
        read.Answers.clear();
        read.Changes.clear();
        read.Mark = {};
        read.Mark.Skipped = true;
        if (!mark.Skipped)
            read.Problem = TSaying(why, std::move(args));
        return read;
    };
    const std::size_t end = bytes.rfind('\n') + 1; // 0 without a complete line
    const bool changes = name.ends_with(ChangesExtension);
    const std::string_view header = changes ? ChangesHeader : JournalHeader;
    if (from == 0) {
        if (!bytes.substr(0, header.size()).starts_with(header.substr(0, bytes.size())))
            return skip(VM_TRANSLATE_NOOP("Velmoria::Model",
                            "The shared history file \"%1\" is no journal of this program; it is left out."),
                { std::string(name) });
        if (bytes.size() < header.size()) {
            read.Mark = {};
            return read;
        }
        from = header.size();
        XXH3_64bits_update(&state, bytes.data(), from);
    }
    TJournalAnswer answer;
    TJournalChange change;
    for (std::size_t at = from; at < end;) {
        const std::size_t lineEnd = bytes.find('\n', at);
        const std::string_view text = bytes.substr(at, lineEnd - at);
        if (changes ? !ParseChange(text, change) : !ParseAnswer(text, latestMs, answer)) {
            const auto line
                = std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(at), '\n') + 1;
            return skip(
                VM_TRANSLATE_NOOP("Velmoria::Model",
                    "The shared history file \"%1\" is damaged at line %2; it is left out until it is "
                    "sound again."),
                { std::string(name), TSaying::Number(static_cast<double>(line)) });
        }
        if (changes)
            read.Changes.push_back(std::move(change));
        else
            read.Answers.push_back(std::move(answer));
        at = lineEnd + 1;
    }
    XXH3_64bits_update(&state, bytes.data() + from, end - from);
    read.Mark = { end, XXH3_64bits_digest(&state), false };
    return read;
}

void KeepFirstOfEachId(std::vector<TJournalAnswer>& answers)
{
    std::unordered_set<std::string_view> seen;
    seen.reserve(answers.size());
    std::size_t kept = 0;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        if (seen.contains(answers[i].Id))
            continue;
        if (kept != i)
            answers[kept] = std::move(answers[i]);
        // Kept answers stay where they are: the view stays good.
        seen.insert(answers[kept++].Id);
    }
    answers.resize(kept);
}

void KeepLatestChanges(std::vector<TJournalChange>& changes)
{
    std::unordered_map<std::string_view, std::size_t> latest;
    latest.reserve(changes.size());
    std::vector<TJournalChange> kept;
    for (const TJournalChange& change : changes) {
        const auto [at, added] = latest.try_emplace(change.Id, kept.size());
        if (added)
            kept.push_back(change);
        else if (TJournalChange& held = kept[at->second];
                 std::pair(change.Revision, change.Rating) > std::pair(held.Revision, held.Rating))
            held = change;
    }
    changes = std::move(kept);
}
