#include "core/SortKeys.h"

#include "core/FreedMemory.h"
#include "evaluation/TextUtils.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

namespace {

// The field's text as it sorts: the word/phrase loses its first SortingPosition characters.
std::string_view SortText(const TVocabItem& item, int field)
{
    std::string_view text = item.FieldValue(field);
    if (field == fiForeign && item.SortingPosition > 0)
        text.remove_prefix(
            std::min<std::size_t>(text.size(), static_cast<std::size_t>(item.SortingPosition)));
    return text;
}

bool HasAlphaNumeric(std::string_view text, LangId lang)
{
    return std::any_of(text.begin(), text.end(),
        [lang](char c) { return IsAlphaNumeric(static_cast<unsigned char>(c), lang); });
}

// Punctuation is dropped by the key but spaces are kept, so "... werden" would keep the space left
// in front and sort before every letter: the text is taken from its first letter or digit.
std::string_view WithoutLeadingPunctuation(std::string_view text, LangId lang)
{
    const auto first = std::find_if(text.begin(), text.end(),
        [lang](char c) { return IsAlphaNumeric(static_cast<unsigned char>(c), lang); });
    return text.substr(static_cast<std::size_t>(first - text.begin()));
}

} // namespace

TKeyTable BuildSortKeys(const TVocabFile& document, int field, bool locale)
{
    if (field < 0 || field >= FieldCount)
        throw EVocabFileError("Invalid parameter.");
    const LangId lang = field == fiForeign ? document.ForeignLangID() : document.NativeLangID();
    const auto& items = document.ItemList();
    std::atomic<bool> failed = false;
    const auto build = [&](TKeyTable& keys, std::size_t from, std::size_t to) {
        keys.Reserve(to - from, 0);
        for (std::size_t i = from; i < to && !failed; ++i) {
            const std::string_view text = SortText(*items[i], field);
            if (!locale || text.empty()) {
                keys.Append(text);
                continue;
            }
            const std::string key = MakeSortKey(WithoutLeadingPunctuation(text, lang), lang);
            keys.Append(key);
            // A text of punctuation only has nothing to sort by and goes first; an empty key for a
            // text with letters or digits means the locale service failed, and then no locale key
            // can be trusted.
            if (key.empty() && HasAlphaNumeric(text, lang))
                failed = true;
        }
    };
    // A locale key takes about a microsecond: a long list's are made on every processor.
    constexpr std::size_t PerThread = 1 << 15;
    const std::size_t threads = locale ? std::clamp<std::size_t>(items.size() / PerThread, 1,
                                    std::max(1u, std::thread::hardware_concurrency()))
                                       : 1;
    std::vector<std::exception_ptr> errors(threads);
    std::vector<TKeyTable> parts(threads);
    {
        std::vector<std::jthread> others;
        const std::size_t share = items.size() / threads;
        const auto part = [&](std::size_t t) {
            try {
                build(parts[t], t * share, t + 1 == threads ? items.size() : (t + 1) * share);
            } catch (...) {
                errors[t] = std::current_exception();
                failed = true;
            }
        };
        for (std::size_t t = 1; t < threads; ++t)
            others.emplace_back(part, t);
        part(0);
    }
    for (const std::exception_ptr& error : errors)
        if (error)
            std::rethrow_exception(error);
    if (failed)
        return BuildSortKeys(document, field, false);
    return threads == 1 ? std::move(parts[0]) : TKeyTable::Joined(parts);
}

void SortByField(TVocabFile& document, int field)
{
    document.Sort(BuildSortKeys(document, field, true));
}
