// Locale services on 8-bit text: lower case, accent removal, letter/digit classes and sort keys.
//
// The 8-bit services work byte by byte through a 256-entry table built once per language (lower
// case) or code page (accents, classes) from ICU. Mapping each character on its own is what the
// platform's 8-bit mapping does too, so there is no context-dependent casing: the Greek final sigma
// is met by case folding instead (CaseFoldLocale), which maps it to the plain sigma.

#include "evaluation/CodePageTables.h"
#include "evaluation/Languages.h"
#include "evaluation/TextUtils.h"

#include <algorithm>
#include <array>
#include <memory>
#include <mutex>
#include <unicode/uchar.h>
#include <unicode/ucol.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unordered_map>

using namespace TextDetail;

namespace {

// The result of mapping each byte. Most maps turn one byte into one byte; a character whose mapping
// yields several that the code page holds makes the map "multi" and slower.
struct TByteMap {
    std::array<unsigned char, 256> Single {};
    std::array<std::string, 256> Multi;
    bool IsSingle = true;

    std::string Apply(std::string_view text) const
    {
        std::string result;
        if (IsSingle) {
            result.resize(text.size());
            for (std::size_t i = 0; i < text.size(); ++i)
                result[i] = static_cast<char>(Single[static_cast<unsigned char>(text[i])]);
        } else {
            result.reserve(text.size());
            for (char c : text)
                result += Multi[static_cast<unsigned char>(c)];
        }
        return result;
    }
};

enum : unsigned char { ClassAlnum = 1, ClassSpace = 2, ClassLower = 4 };
using TClassTable = std::array<unsigned char, 256>;

// Tables never change once built and are never removed, so references to them stay valid.
template <class Value> class TTableCache {
public:
    template <class Build> const Value& Get(int key, Build build)
    {
        std::lock_guard lock(Mutex);
        auto& slot = Map[key];
        if (!slot)
            slot = std::make_unique<const Value>(build());
        return *slot;
    }

private:
    std::mutex Mutex;
    std::unordered_map<int, std::unique_ptr<const Value>> Map;
};

// Builds a byte map from a mapping of one character to a string of UTF-16 units. A mapping that
// fails, yields nothing, or yields a character the code page lacks keeps the original byte.
template <class MapChar> TByteMap BuildByteMap(const TSingleByteCodePage& codePage, MapChar mapChar)
{
    TByteMap map;
    for (int b = 0; b < 256; ++b) {
        std::string bytes;
        const std::u16string mapped = mapChar(codePage.ToWide[b]);
        for (char16_t unit : mapped) {
            std::uint8_t byte;
            if (!codePage.Encode(unit, byte)) {
                bytes.clear();
                break;
            }
            bytes += static_cast<char>(byte);
        }
        if (bytes.empty())
            bytes.assign(1, static_cast<char>(b));
        map.Single[b] = static_cast<unsigned char>(bytes[0]);
        map.IsSingle = map.IsSingle && bytes.size() == 1;
        map.Multi[b] = std::move(bytes);
    }
    return map;
}

std::u16string LowerChar(char16_t c, const char* locale)
{
    UChar result[8];
    UErrorCode status = U_ZERO_ERROR;
    const UChar source = c;
    const int32_t length = u_strToLower(result, 8, &source, 1, locale, &status);
    if (U_FAILURE(status) || length <= 0 || length > 8)
        return {};
    return std::u16string(reinterpret_cast<const char16_t*>(result), static_cast<std::size_t>(length));
}

std::u16string StripChar(char16_t c)
{
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* nfd = unorm2_getNFDInstance(&status);
    if (U_FAILURE(status))
        return {};
    UChar decomposed[16];
    const UChar source = c;
    const int32_t length = unorm2_normalize(nfd, &source, 1, decomposed, 16, &status);
    if (U_FAILURE(status) || length > 16)
        return {};
    std::u16string result;
    for (int32_t i = 0; i < length; ++i)
        if (u_charType(decomposed[i]) != U_NON_SPACING_MARK)
            result += static_cast<char16_t>(decomposed[i]);
    return result;
}

// Lower case, then simple case folding: the letters with two lower-case forms fold into one.
std::u16string FoldChar(char16_t c, const char* locale)
{
    std::u16string folded = LowerChar(c, locale);
    for (char16_t& unit : folded)
        unit = static_cast<char16_t>(u_foldCase(unit, U_FOLD_CASE_DEFAULT));
    return folded;
}

// Greek capitals carry no tonos; the dialytika stays.
std::u16string WithoutTonos(const std::u16string& text)
{
    constexpr char16_t CombiningTonos = 0x0301;
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* nfd = unorm2_getNFDInstance(&status);
    const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
    if (U_FAILURE(status))
        return text;
    UChar decomposed[16];
    const auto* source = reinterpret_cast<const UChar*>(text.data());
    int32_t length
        = unorm2_normalize(nfd, source, static_cast<int32_t>(text.size()), decomposed, 16, &status);
    if (U_FAILURE(status) || length > 16)
        return text;
    length = static_cast<int32_t>(std::remove(decomposed, decomposed + length, CombiningTonos) - decomposed);
    UChar composed[16];
    const int32_t composedLength = unorm2_normalize(nfc, decomposed, length, composed, 16, &status);
    if (U_FAILURE(status) || composedLength > 16)
        return text;
    return std::u16string(
        reinterpret_cast<const char16_t*>(composed), static_cast<std::size_t>(composedLength));
}

// German writes a missing ß as ss, and ä, ö, ü as ae, oe, ue where the letters are not at hand.
std::u16string GermanAccentChar(char16_t c, bool spellUmlauts)
{
    if (c == u'ß')
        return u"ss";
    if (spellUmlauts) {
        switch (c) {
        case u'ä':
            return u"ae";
        case u'ö':
            return u"oe";
        case u'ü':
            return u"ue";
        case u'Ä':
            return u"Ae";
        case u'Ö':
            return u"Oe";
        case u'Ü':
            return u"Ue";
        default:
            break;
        }
    }
    return StripChar(c);
}

constexpr LangId GreekLanguage = 8;
constexpr LangId GermanLanguage = 7;

// The table entry of a language, or the empty entry for every language outside the table.
LangId TableKey(LangId lang)
{
    return FindLanguage(lang).Id;
}

// The table of a language, built once per key (language or code page) and shared by all
// threads; each thread also remembers its last lookup, since callers ask for one language over
// and over. Every call site passes its own lambdas, so each gets its own cache.
template <class Value, class KeyOf, class Build>
const Value& CachedByLanguage(LangId lang, KeyOf keyOf, Build build)
{
    thread_local LangId lastLang = 0;
    thread_local const Value* last = nullptr;
    if (last && lastLang == lang)
        return *last;
    static TTableCache<Value> cache;
    const int key = keyOf(lang);
    const Value& value = cache.Get(key, [&] { return build(key); });
    lastLang = lang;
    last = &value;
    return value;
}

const TByteMap& LowerMap(LangId lang)
{
    return CachedByLanguage<TByteMap>(lang, TableKey, [lang](int) {
        const std::string locale(LanguageLocale(lang));
        return BuildByteMap(SingleByteCodePage(LanguageCodePage(lang)),
            [&](char16_t c) { return LowerChar(c, locale.c_str()); });
    });
}

const TByteMap& StripMap(LangId lang)
{
    return CachedByLanguage<TByteMap>(lang, LanguageCodePage,
        [](int codePage) { return BuildByteMap(SingleByteCodePage(codePage), StripChar); });
}

const TByteMap& FoldMap(LangId lang)
{
    return CachedByLanguage<TByteMap>(lang, TableKey, [lang](int) {
        const std::string locale(LanguageLocale(lang));
        return BuildByteMap(SingleByteCodePage(LanguageCodePage(lang)),
            [&](char16_t c) { return FoldChar(c, locale.c_str()); });
    });
}

const TByteMap& TonosMap(LangId lang)
{
    return CachedByLanguage<TByteMap>(lang, TableKey, [lang](int) {
        const bool greek = PrimaryLanguage(lang) == GreekLanguage;
        return BuildByteMap(SingleByteCodePage(LanguageCodePage(lang)), [greek](char16_t c) {
            return greek ? WithoutTonos(std::u16string(1, c)) : std::u16string(1, c);
        });
    });
}

// Every language but German takes the plain accent removal of its code page.
const TByteMap& AccentMap(LangId lang, bool spellUmlauts)
{
    const auto build = [](int codePage, bool spell) {
        return BuildByteMap(
            SingleByteCodePage(codePage), [spell](char16_t c) { return GermanAccentChar(c, spell); });
    };
    if (PrimaryLanguage(lang) != GermanLanguage)
        return StripMap(lang);
    if (spellUmlauts)
        return CachedByLanguage<TByteMap>(
            lang, LanguageCodePage, [&](int codePage) { return build(codePage, true); });
    return CachedByLanguage<TByteMap>(
        lang, LanguageCodePage, [&](int codePage) { return build(codePage, false); });
}

const TClassTable& ClassTable(LangId lang)
{
    return CachedByLanguage<TClassTable>(lang, LanguageCodePage, [](int codePage) {
        const auto& page = SingleByteCodePage(codePage);
        TClassTable classes {};
        for (int b = 0; b < 256; ++b) {
            const UChar32 c = page.ToWide[b];
            classes[b] = static_cast<unsigned char>((u_isalnum(c) ? ClassAlnum : 0)
                | (u_isspace(c) ? ClassSpace : 0) | (u_islower(c) ? ClassLower : 0));
        }
        return classes;
    });
}

struct CollatorCloser {
    void operator()(UCollator* collator) const { ucol_close(collator); }
};

// One collator per language and thread: ICU collators are costly to open.
UCollator* CollatorFor(LangId lang)
{
    thread_local std::unordered_map<int, std::unique_ptr<UCollator, CollatorCloser>> collators;
    const int key = TableKey(lang);
    auto found = collators.find(key);
    if (found != collators.end())
        return found->second.get();
    const std::string locale(LanguageLocale(lang));
    UErrorCode status = U_ZERO_ERROR;
    UCollator* collator = ucol_open(locale.c_str(), &status);
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        collator = ucol_open("", &status);
    }
    if (U_FAILURE(status))
        collator = nullptr;
    if (collator)
        // Secondary strength: accents still count, case does not.
        ucol_setStrength(collator, UCOL_SECONDARY);
    collators[key].reset(collator);
    return collator;
}

} // namespace

std::string LowerCaseLocale(std::string_view text, LangId lang)
{
    return LowerMap(lang).Apply(text);
}

std::string StripAccents(std::string_view text, LangId lang)
{
    return StripMap(lang).Apply(text);
}

std::string CaseFoldLocale(std::string_view text, LangId lang)
{
    return FoldMap(lang).Apply(text);
}

std::string StripTonos(std::string_view text, LangId lang)
{
    return TonosMap(lang).Apply(text);
}

bool HasLowerCase(std::string_view text, LangId lang)
{
    const auto& classes = ClassTable(lang);
    return std::any_of(text.begin(), text.end(),
        [&](char c) { return (classes[static_cast<unsigned char>(c)] & ClassLower) != 0; });
}

std::string FoldAccents(std::string_view text, LangId lang, bool spellUmlauts)
{
    return AccentMap(lang, spellUmlauts).Apply(text);
}

std::string RemovePunctuation(std::string_view text, LangId lang, bool dropSpaces)
{
    const auto& classes = ClassTable(lang);
    const unsigned char keep = dropSpaces ? ClassAlnum : ClassAlnum | ClassSpace;
    std::string result;
    result.reserve(text.size());
    for (char c : text)
        if (classes[static_cast<unsigned char>(c)] & keep)
            result += c;
    return result;
}

std::string MaskNonAlphanumeric(std::string_view text, LangId lang, char replacement)
{
    const auto& classes = ClassTable(lang);
    std::string result(text);
    for (char& c : result)
        if (!(classes[static_cast<unsigned char>(c)] & ClassAlnum))
            c = replacement;
    return result;
}

bool IsAlphaNumeric(unsigned char c, LangId lang)
{
    return ClassTable(lang)[c] & ClassAlnum;
}

std::string MakeSortKey(std::string_view text, LangId lang)
{
    const std::string cleaned = RemovePunctuation(text, lang, false);
    if (cleaned.empty())
        return {};
    UCollator* collator = CollatorFor(lang);
    if (!collator)
        return LowerCaseLocale(cleaned, lang);
    const std::u16string wide = AnsiToWide(cleaned, LanguageCodePage(lang));
    const auto* source = reinterpret_cast<const UChar*>(wide.data());
    const auto sourceLength = static_cast<int32_t>(wide.size());
    std::string key(wide.size() * 4 + 16, '\0');
    int32_t length = ucol_getSortKey(collator, source, sourceLength,
        reinterpret_cast<std::uint8_t*>(key.data()), static_cast<int32_t>(key.size()));
    if (length > static_cast<int32_t>(key.size())) {
        key.resize(static_cast<std::size_t>(length));
        length = ucol_getSortKey(collator, source, sourceLength, reinterpret_cast<std::uint8_t*>(key.data()),
            static_cast<int32_t>(key.size()));
    }
    if (length <= 0)
        return LowerCaseLocale(cleaned, lang);
    // Drop ICU's terminating zero: keys then compare as plain byte strings of their own length.
    key.resize(static_cast<std::size_t>(length - 1));
    return key;
}
