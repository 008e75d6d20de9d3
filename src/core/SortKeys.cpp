#include "core/SortKeys.h"

#include "core/FreedMemory.h"
#include "evaluation/TextUtils.h"

#include <algorithm>

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

std::vector<std::string> BuildSortKeys(const TVocabFile& document, int field, bool locale)
{
    if (field < 0 || field >= FieldCount)
        throw EVocabFileError("Invalid parameter.");
    const LangId lang = field == fiForeign ? document.ForeignLangID() : document.NativeLangID();
    const auto& items = document.ItemList();
    std::vector<std::string> keys;
    ReserveLarge(keys, items.size());
    for (const auto& item : items) {
        const std::string_view text = SortText(*item, field);
        if (!locale || text.empty()) {
            keys.emplace_back(text);
            continue;
        }
        std::string key = MakeSortKey(WithoutLeadingPunctuation(text, lang), lang);
        // A text of punctuation only has nothing to sort by and goes first; an empty key for a
        // text with letters or digits means the locale service failed, and then no locale key
        // can be trusted.
        if (key.empty() && HasAlphaNumeric(text, lang))
            return BuildSortKeys(document, field, false);
        keys.push_back(std::move(key));
    }
    return keys;
}

void SortByField(TVocabFile& document, int field)
{
    const std::vector<std::string> keys = BuildSortKeys(document, field, true);
    document.Sort(keys);
}
