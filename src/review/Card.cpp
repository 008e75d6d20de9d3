#include "review/Card.h"

#include "core/VocabFile.h"
#include "evaluation/TextUtils.h"

#include <functional>
#include <string_view>

TCardKey CardKeyOf(const TVocabFile& document, const TVocabItem& item, std::uint8_t direction)
{
    TCardKey key;
    key.ForeignLanguage = PrimaryLanguage(document.ForeignLangID());
    key.NativeLanguage = PrimaryLanguage(document.NativeLangID());
    // The stored word holds no marker: its sorting position is kept beside it.
    key.Word = AnsiToUtf8(item.FieldValue(fiForeign), LanguageCodePage(document.ForeignLangID()));
    key.Translations = AnsiToUtf8(item.FieldValue(fiNative), LanguageCodePage(document.NativeLangID()));
    key.Direction = direction == 0 ? 0 : 1;
    return key;
}

std::size_t TCardKeyHash::operator()(const TCardKey& key) const
{
    const std::hash<std::string_view> hash;
    std::size_t h = hash(key.Word);
    h = h * 1000003u ^ hash(key.Translations);
    h = h * 1000003u
        ^ (std::size_t { key.ForeignLanguage } << 17 | std::size_t { key.NativeLanguage } << 1
            | key.Direction);
    return h;
}
