#include "review/Card.h"

#include "core/FreedMemory.h"
#include "core/VocabFile.h"
#include "evaluation/TextUtils.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>
#include <string_view>
#include <utility>
#define XXH_INLINE_ALL
#include <xxhash.h>

namespace {

TCardKey KeyOfTexts(LangId foreign, LangId native, std::string_view word, std::string_view translations,
    std::uint8_t direction)
{
    TCardKey key;
    key.ForeignLanguage = PrimaryLanguage(foreign);
    key.NativeLanguage = PrimaryLanguage(native);
    // The stored word holds no marker: its sorting position is kept beside it.
    key.Word = AnsiToUtf8(word, LanguageCodePage(foreign));
    key.Translations = AnsiToUtf8(translations, LanguageCodePage(native));
    key.Direction = direction == 0 ? 0 : 1;
    return key;
}

} // namespace

TCardKey CardKeyOf(const TVocabFile& document, const TVocabItem& item, std::uint8_t direction)
{
    return KeyOfTexts(document.ForeignLangID(), document.NativeLangID(), item.FieldValue(fiForeign),
        item.FieldValue(fiNative), direction);
}

TCardTexts::TCardTexts(const TVocabFile& document)
    : Document_(&document)
    , Count_(document.ItemList().size())
    , ForeignLangID_(document.ForeignLangID())
    , NativeLangID_(document.NativeLangID())
{
}

TCardTexts::TCardTexts(const TCardTextsCopy& copy)
    : Copy_(&copy)
    , Count_(copy.Ends_.size())
    , ForeignLangID_(copy.ForeignLanguage_)
    , NativeLangID_(copy.NativeLanguage_)
{
    if (!copy.Done())
        throw std::logic_error("TCardTexts: the copy is not done");
}

std::string_view TCardTexts::Word(std::size_t item) const
{
    if (Document_)
        return Document_->ItemList()[item]->FieldValue(fiForeign);
    const std::size_t start = item == 0 ? 0 : Copy_->Ends_[item - 1];
    return std::string_view(Copy_->Texts_).substr(start, Copy_->WordLengths_[item]);
}

std::string_view TCardTexts::Translations(std::size_t item) const
{
    if (Document_)
        return Document_->ItemList()[item]->FieldValue(fiNative);
    const std::size_t start = (item == 0 ? 0 : Copy_->Ends_[item - 1]) + Copy_->WordLengths_[item];
    return std::string_view(Copy_->Texts_).substr(start, Copy_->Ends_[item] - start);
}

TCardKey TCardTexts::KeyOf(std::size_t item, std::uint8_t direction) const
{
    return KeyOfTexts(ForeignLangID_, NativeLangID_, Word(item), Translations(item), direction);
}

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
            const std::string text = AnsiToUtf8(std::string_view(&c, 1), codePage);
            auto& [bytes, size] = Texts_[static_cast<std::size_t>(byte - 0x80)];
            size = std::min(text.size(), bytes.size());
            std::copy_n(text.begin(), size, bytes.begin());
        }
    }
    // The text in UTF-8: itself when it is ASCII, else converted into buffer.
    std::string_view Utf8(std::string_view text, std::string& buffer) const
    {
        // Whatever the conversion makes of a broken sequence, the key is made the same way.
        if (CodePage_ == CP_UTF8) {
            if (std::all_of(
                    text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
                return text;
            buffer = AnsiToUtf8(text, CP_UTF8);
            return buffer;
        }
        if (buffer.size() < text.size() * 4)
            buffer.resize(text.size() * 4);
        char* out = buffer.data();
        unsigned char high = 0;
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            high |= byte;
            if (byte < 0x80) {
                *out++ = c;
            } else {
                const auto& [bytes, size] = Texts_[byte - 0x80u];
                std::memcpy(out, bytes.data(), bytes.size());
                out += size;
            }
        }
        if (high < 0x80)
            return text;
        return { buffer.data(), static_cast<std::size_t>(out - buffer.data()) };
    }

private:
    int CodePage_;
    std::array<std::pair<std::array<char, 4>, std::size_t>, 0x80> Texts_ {};
};

} // namespace

namespace {

std::uint64_t GroupOf(std::uint16_t foreign, std::uint16_t native, std::uint8_t direction)
{
    return std::uint64_t { foreign } << 24 | std::uint64_t { native } << 8 | direction;
}

} // namespace

std::int64_t StoredHashOf(const TCardView& view)
{
    // The word's hash seeds the translations' one: the texts' boundary counts without a separator.
    const XXH64_hash_t word = XXH3_64bits_withSeed(view.Word.data(), view.Word.size(),
        GroupOf(view.ForeignLanguage, view.NativeLanguage, view.Direction));
    const XXH64_hash_t hash = XXH3_64bits_withSeed(view.Translations.data(), view.Translations.size(), word);
    // SQLite's integers are signed: the same 64 bits.
    return static_cast<std::int64_t>(hash);
}

TCardIndex::TCardIndex(const std::vector<TCardKey>& keys)
    : CardKeys_(&keys)
{
    std::vector<TEntry> all;
    all.reserve(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const TCardKey& key = keys[i];
        const TGroup group { key.ForeignLanguage, key.NativeLanguage, key.Direction };
        std::uint32_t at = 0;
        for (; at < Groups_.size(); ++at)
            if (GroupOf(Groups_[at].ForeignLanguage, Groups_[at].NativeLanguage, Groups_[at].Direction)
                == GroupOf(group.ForeignLanguage, group.NativeLanguage, group.Direction))
                break;
        if (at == Groups_.size())
            Groups_.push_back(group);
        all.push_back({ StoredHashOf(ViewOf(key)), static_cast<std::uint32_t>(i), at });
    }
    Order(std::move(all));
}

TCardIndex::TCardIndex(const TCardTexts& texts, std::uint8_t direction)
    : Texts_(texts)
    , Direction_(direction == 0 ? 0 : 1)
{
    const TGroup group { PrimaryLanguage(texts.ForeignLangID()), PrimaryLanguage(texts.NativeLangID()),
        Direction_ };
    Groups_.push_back(group);
    const TByteTexts foreign(LanguageCodePage(texts.ForeignLangID()));
    const TByteTexts native(LanguageCodePage(texts.NativeLangID()));
    // Texts that are not ASCII are converted into these, again and again: no text per item is kept.
    std::string word, translations;
    std::vector<TEntry> all;
    ReserveLarge(all, texts.Count());
    for (std::size_t i = 0; i < texts.Count(); ++i) {
        const std::string_view w = foreign.Utf8(texts.Word(i), word);
        const std::string_view t = native.Utf8(texts.Translations(i), translations);
        all.push_back({ StoredHashOf({ group.ForeignLanguage, group.NativeLanguage, group.Direction, w, t }),
            static_cast<std::uint32_t>(i), 0 });
    }
    Order(std::move(all));
}

TCardKey TCardIndex::KeyOf(std::uint32_t card) const
{
    if (CardKeys_)
        return (*CardKeys_)[card];
    return Texts_->KeyOf(card, Direction_);
}

void TCardIndex::Order(std::vector<TEntry> all)
{
    ReserveLarge(First_, all.size());
    First_.resize(all.size());
    // By card last too: the first of equal keys comes first. The entries come in card order, so a
    // list's cards (one group) are put in order by their hashes alone, sixteen bits at a time,
    // each pass keeping the order it found among equal bits: a third of a comparison sort's time
    // at a million.
    constexpr std::size_t ByBitsFrom = 1 << 16;
    if (Groups_.size() == 1 && all.size() >= ByBitsFrom) {
        std::vector<TEntry> sorted;
        ReserveLarge(sorted, all.size());
        sorted.resize(all.size());
        std::vector<std::uint32_t> starts(std::size_t { 1 } << 16);
        for (int shift = 0; shift < 64; shift += 16) {
            // The sign bit turned over: signed hashes in order as unsigned bits.
            const auto bits = [shift](const TEntry& e) {
                return static_cast<std::size_t>(
                    ((static_cast<std::uint64_t>(e.Hash) ^ (std::uint64_t { 1 } << 63)) >> shift) & 0xFFFF);
            };
            std::fill(starts.begin(), starts.end(), 0);
            for (const TEntry& e : all)
                ++starts[bits(e)];
            std::uint32_t start = 0;
            for (std::uint32_t& count : starts)
                start += std::exchange(count, start);
            for (const TEntry& e : all)
                sorted[starts[bits(e)]++] = e;
            all.swap(sorted);
        }
    } else {
        std::sort(all.begin(), all.end(), [](const TEntry& a, const TEntry& b) {
            if (a.Group != b.Group)
                return a.Group < b.Group;
            return a.Hash != b.Hash ? a.Hash < b.Hash : a.Card < b.Card;
        });
    }
    ReserveLarge(Keys_, all.size());
    std::vector<TCardKey> texts; // of the distinct keys of one hash
    for (std::size_t run = 0; run < all.size();) {
        std::size_t end = run + 1;
        for (; end < all.size() && all[end].Group == all[run].Group && all[end].Hash == all[run].Hash;
             ++end) { }
        const std::size_t runKeys = Keys_.size();
        Keys_.push_back(all[run]);
        First_[all[run].Card] = all[run].Card;
        // More cards of one hash: the same key but for a collision, told apart by their texts.
        if (end - run > 1) {
            texts.assign(1, KeyOf(all[run].Card));
            for (std::size_t i = run + 1; i < end; ++i) {
                const std::uint32_t card = all[i].Card;
                const TCardKey key = KeyOf(card);
                First_[card] = card;
                for (std::size_t k = 0; k < texts.size(); ++k)
                    if (texts[k] == key) {
                        First_[card] = Keys_[runKeys + k].Card;
                        break;
                    }
                if (First_[card] == card) {
                    Keys_.push_back(all[i]);
                    texts.push_back(key);
                }
            }
        }
        run = end;
    }
}

TCardTextsCopy::TCardTextsCopy(const TVocabFile& from)
    : Revision_(from.Revision())
    , ForeignLanguage_(from.ForeignLangID())
    , NativeLanguage_(from.NativeLangID())
    , Total_(from.ItemList().size())
{
    ReserveLarge(Ends_, Total_);
    ReserveLarge(WordLengths_, Total_);
}

bool TCardTextsCopy::Fits(const TVocabFile& from) const
{
    return from.Revision() == Revision_;
}

bool TCardTextsCopy::Step(const TVocabFile& from, std::size_t most)
{
    if (!Fits(from))
        throw std::logic_error("TCardTextsCopy::Step: the list changed");
    const TVocabItemList& items = from.ItemList();
    if (Next_ == 0 && Total_ > 0) {
        // Room for all the texts at once, guessed from the first items: growing by doubling
        // wrote a million items' texts into fresh memory several times over.
        const std::size_t sample = std::min<std::size_t>(Total_, 4096);
        std::size_t bytes = 0;
        for (std::size_t i = 0; i < sample; ++i)
            bytes += items[i]->FieldValue(fiForeign).size() + items[i]->FieldValue(fiNative).size();
        ReserveLarge(Texts_, bytes * Total_ / sample + bytes * Total_ / sample / 4);
    }
    const std::size_t end = std::min(Total_, Next_ + most);
    for (; Next_ < end; ++Next_) {
        const std::string_view word = items[Next_]->FieldValue(fiForeign);
        Texts_ += word;
        Texts_ += items[Next_]->FieldValue(fiNative);
        WordLengths_.push_back(static_cast<std::uint32_t>(word.size()));
        Ends_.push_back(Texts_.size());
    }
    return Done();
}
