#include "testing/Leniency.h"

#include "evaluation/TextUtils.h"

#include <string>

TLeniency::TLeniency(LangId language, EvaluationFlags flags)
{
    for (int c = 0; c < 256; ++c) {
        const std::string one(1, static_cast<char>(c));
        std::string lower = (flags & efCaps) ? CaseFoldLocale(one, language) : one;
        if (flags & efWithoutTonos)
            lower = StripTonos(lower, language);
        Table_[static_cast<std::size_t>(c)].Key
            = static_cast<unsigned char>(lower.size() == 1 ? lower[0] : static_cast<char>(c));
        bool ignorable = false;
        if (flags & efPunctuation)
            ignorable = RemovePunctuation(one, language, (flags & efSpacing) != 0).empty();
        else if (flags & efSpacing)
            ignorable = c == ' ';
        Table_[static_cast<std::size_t>(c)].Ignorable = ignorable;
    }
    Ize_ = (flags & efIze) != 0;
}

std::vector<TCharKey> TLeniency::Keys(std::string_view text) const
{
    std::vector<TCharKey> keys(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        keys[i] = Table_[static_cast<unsigned char>(text[i])];
        // "-ize" and "-ise" are one spelling.
        if (Ize_ && i > 0 && (text[i] == 'z' || text[i] == 'Z') && (text[i - 1] == 'i' || text[i - 1] == 'I'))
            keys[i].Key = 's';
    }
    return keys;
}
