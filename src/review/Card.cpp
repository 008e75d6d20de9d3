#include "review/Card.h"

#include "core/VocabFile.h"
#include "evaluation/TextUtils.h"

#include <algorithm>
#include <array>
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

std::size_t HashOf(const TCardView& view)
{
    const std::hash<std::string_view> hash;
    std::size_t h = hash(view.Word);
    h = h * 1000003u ^ hash(view.Translations);
    return h * 1000003u
        ^ (std::size_t { view.ForeignLanguage } << 17 | std::size_t { view.NativeLanguage } << 1
            | view.Direction);
}

TCardIndex::TCardIndex(const std::vector<TCardView>& cards)
    : Cards_(cards)
    , First_(cards.size())
{
    std::size_t size = 16;
    while (size < cards.size() * 2)
        size *= 2;
    Slots_.assign(size, { 0, 0 });
    Mask_ = size - 1;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const TCardView& view = cards[i];
        const std::size_t hash = HashOf(view);
        const auto top = static_cast<std::uint32_t>(hash >> 32);
        for (std::size_t slot = hash & Mask_;; slot = (slot + 1) & Mask_) {
            auto& [entry, entryTop] = Slots_[slot];
            if (entry == 0) {
                entry = static_cast<std::uint32_t>(i + 1);
                entryTop = top;
                First_[i] = static_cast<std::uint32_t>(i);
                break;
            }
            if (entryTop == top && Cards_[entry - 1] == view) {
                First_[i] = entry - 1;
                break;
            }
        }
    }
}

std::int64_t TCardIndex::Find(const TCardView& card) const
{
    const std::size_t hash = HashOf(card);
    const auto top = static_cast<std::uint32_t>(hash >> 32);
    for (std::size_t slot = hash & Mask_;; slot = (slot + 1) & Mask_) {
        const auto [entry, entryTop] = Slots_[slot];
        if (entry == 0)
            return -1;
        if (entryTop == top && Cards_[entry - 1] == card)
            return entry - 1;
    }
}
