#include "core/GridRules.h"

#include "evaluation/TextUtils.h"

#include <array>
#include <string>
#include <string_view>

namespace {

// Which bytes count: letters and digits, and those whose lower case is the typed character's.
// Built once per key press so that stepping through a million items stays a plain byte scan,
// with the same answer as removing punctuation and lower-casing each item's text.
struct TTypeAheadTables {
    std::array<bool, 256> Alnum {};
    std::array<bool, 256> Matches {};
};

TTypeAheadTables BuildTables(LangId lang, char typed)
{
    TTypeAheadTables tables;
    const std::string typedLower = LowerCaseLocale(std::string(1, typed), lang);
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const auto i = static_cast<std::size_t>(b);
        tables.Alnum[i] = IsAlphaNumeric(byte, lang);
        tables.Matches[i]
            = tables.Alnum[i] && LowerCaseLocale(std::string(1, static_cast<char>(byte)), lang) == typedLower;
    }
    return tables;
}

bool BeginsWithTyped(const TVocabItem& item, const TTypeAheadTables& tables)
{
    const std::string_view text = item.FieldValue(fiForeign);
    // A sorting position from a damaged file may point outside the text: then nothing follows it.
    const std::size_t from = item.SortingPosition > 0 ? static_cast<std::size_t>(item.SortingPosition) : 0;
    for (std::size_t i = from; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (tables.Alnum[byte])
            return tables.Matches[byte];
    }
    return false;
}

} // namespace

std::int32_t TypeAheadIndex(const TVocabFile& document, char typed)
{
    const std::int32_t count = document.Count();
    if (count == 0)
        return -1;
    const TTypeAheadTables tables = BuildTables(document.ForeignLangID(), typed);
    const std::int32_t current = document.CurrentIndex() >= 0 ? document.CurrentIndex() : -1;
    for (std::int32_t k = 1; k <= count; ++k) {
        const std::int32_t i = static_cast<std::int32_t>((static_cast<std::int64_t>(current) + k) % count);
        if (BeginsWithTyped(document.Items(i), tables))
            return i;
    }
    return -1;
}

TShownFields ShownFields(const TVocabItem& item, bool foreignSide, bool category, bool notes)
{
    TShownFields shown;
    const auto add = [&shown](int field) { shown.Fields[static_cast<std::size_t>(shown.Count++)] = field; };
    if (!foreignSide) {
        add(fiNative);
        return shown;
    }
    add(fiForeign);
    if (category && !item.FieldValue(fiCategory).empty())
        add(fiCategory);
    if (notes && !item.FieldValue(fiNotes).empty())
        add(fiNotes);
    return shown;
}
