#include "review/Card.h"

#include "core/VocabFile.h"
#include "evaluation/TextUtils.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <tuple>
#define XXH_INLINE_ALL
#include <xxhash.h>

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

namespace {

bool IsAsciiText(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

namespace {

// The UTF-8 of each byte of a single-byte code page, converted once: a million texts are then
// converted by looking their bytes up.
class TByteTexts {
public:
    explicit TByteTexts(int codePage)
        : CodePage_(codePage)
    {
        if (codePage == CP_UTF8)
            return;
        for (int byte = 0x80; byte < 0x100; ++byte) {
            const char c = static_cast<char>(byte);
            Texts_[static_cast<std::size_t>(byte - 0x80)] = AnsiToUtf8(std::string_view(&c, 1), codePage);
        }
    }
    // False when the text is ASCII: it stands for itself.
    bool Convert(std::string_view text, std::string& out) const
    {
        if (IsAsciiText(text))
            return false;
        // Whatever the conversion makes of a broken sequence, the key is made the same way.
        if (CodePage_ == CP_UTF8) {
            out = AnsiToUtf8(text, CP_UTF8);
            return true;
        }
        out.clear();
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x80)
                out += c;
            else
                out += Texts_[byte - 0x80u];
        }
        return true;
    }

private:
    int CodePage_;
    std::array<std::string, 0x80> Texts_;
};

} // namespace

TListCards CardsOf(const TVocabFile& document, std::uint8_t direction)
{
    TListCards cards;
    cards.Views.reserve(static_cast<std::size_t>(document.Count()));
    const TByteTexts foreign(LanguageCodePage(document.ForeignLangID()));
    const TByteTexts native(LanguageCodePage(document.NativeLangID()));
    std::string converted;
    const auto utf8 = [&](std::string_view text, const TByteTexts& bytes) -> std::string_view {
        if (!bytes.Convert(text, converted))
            return text;
        return cards.Converted.emplace_back(converted);
    };
    for (const auto& item : document.ItemList())
        cards.Views.push_back({ PrimaryLanguage(document.ForeignLangID()),
            PrimaryLanguage(document.NativeLangID()), static_cast<std::uint8_t>(direction == 0 ? 0 : 1),
            utf8(item->FieldValue(fiForeign), foreign), utf8(item->FieldValue(fiNative), native) });
    return cards;
}

std::int64_t StoredHashOf(const TCardView& view)
{
    // The word's hash seeds the translations' one: the texts' boundary counts without a separator.
    const XXH64_hash_t word
        = XXH3_64bits_withSeed(view.Word.data(), view.Word.size(), TCardIndex::GroupOf(view));
    const XXH64_hash_t hash = XXH3_64bits_withSeed(view.Translations.data(), view.Translations.size(), word);
    // SQLite's integers are signed: the same 64 bits.
    return static_cast<std::int64_t>(hash);
}

TCardIndex::TCardIndex(const std::vector<TCardView>& cards)
    : Cards_(cards)
    , First_(cards.size())
{
    std::vector<TEntry> all;
    all.reserve(cards.size());
    for (std::size_t i = 0; i < cards.size(); ++i)
        all.push_back({ GroupOf(cards[i]), StoredHashOf(cards[i]), static_cast<std::uint32_t>(i) });
    // By card last too: the first of equal keys comes first.
    std::sort(all.begin(), all.end(), [](const TEntry& a, const TEntry& b) {
        return std::tie(a.Group, a.Hash, a.Card) < std::tie(b.Group, b.Hash, b.Card);
    });
    Keys_.reserve(all.size());
    for (std::size_t run = 0; run < all.size();) {
        // Cards of one hash: the same key but for a collision, told apart by their texts.
        const std::size_t runKeys = Keys_.size();
        std::size_t end = run;
        for (; end < all.size() && all[end].Group == all[run].Group && all[end].Hash == all[run].Hash;
             ++end) {
            const std::uint32_t card = all[end].Card;
            First_[card] = card;
            for (std::size_t k = runKeys; k < Keys_.size(); ++k)
                if (cards[Keys_[k].Card] == cards[card]) {
                    First_[card] = Keys_[k].Card;
                    break;
                }
            if (First_[card] == card)
                Keys_.push_back(all[end]);
        }
        run = end;
    }
}
