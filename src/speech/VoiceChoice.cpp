// The voice for a language. Engines write their locales in several ways ("de", "en-gb",
// "en-gb-x-rp", "de_DE", "en-us-nyc"); ICU reads them all, ICU's region tree knows that Mexico
// lies in Latin America ("es-419"), and CLDR's parent locales that Australian English is closer to
// British English than to American.

#include "speech/Speech.h"

#include <algorithm>
#include <unicode/locid.h>
#include <unicode/region.h>
#include <unicode/ures.h>
#include <unicode/ustring.h>

namespace {

struct TParsedLocale {
    std::string Language; // canonical ("in" becomes "id"), lower case; "" when unreadable
    std::string Script;
    std::string Region;
    bool Variant = false; // a variant or private subtags: "en-gb-scotland", "en-gb-x-rp"
    std::string Parent; // the CLDR parent of a regional locale ("en_001" for "en_AU"), or ""
};

std::string ParentLocale(const std::string& language, const std::string& region)
{
    if (language.empty() || region.empty())
        return {};
    UErrorCode status = U_ZERO_ERROR;
    UResourceBundle* bundle = ures_openDirect(nullptr, (language + "_" + region).c_str(), &status);
    std::int32_t length = 0;
    const UChar* parent
        = U_SUCCESS(status) ? ures_getStringByKey(bundle, "%%Parent", &length, &status) : nullptr;
    std::string result;
    if (U_SUCCESS(status) && parent && length < 32) {
        char buffer[32];
        u_UCharsToChars(parent, buffer, length);
        result.assign(buffer, static_cast<std::size_t>(length));
    }
    ures_close(bundle);
    return result;
}

TParsedLocale ParseLocale(std::string_view text)
{
    std::string tag(text.substr(0, text.find('@')));
    std::replace(tag.begin(), tag.end(), '_', '-');
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale locale = icu::Locale::forLanguageTag(tag, status);
    // Not every engine's tag is well formed ("en-us-nyc" has a three-letter variant); ICU's older
    // reader takes the subtags as they come.
    if (U_FAILURE(status) || locale.isBogus()) {
        std::replace(tag.begin(), tag.end(), '-', '_');
        locale = icu::Locale(tag.c_str());
    }
    if (locale.isBogus())
        return {};
    TParsedLocale parsed;
    parsed.Language = icu::Locale::createCanonical(locale.getLanguage()).getLanguage();
    parsed.Script = locale.getScript();
    parsed.Region = locale.getCountry();
    const std::string_view name = locale.getName();
    parsed.Variant = *locale.getVariant() != '\0' || name.find('@') != std::string_view::npos;
    parsed.Parent = ParentLocale(parsed.Language, parsed.Region);
    return parsed;
}

// Norwegian is written two ways; a voice tagged "no" reads Bokmål, and either written form is
// better read by a Norwegian voice than by none.
std::string_view LanguageFamily(std::string_view language)
{
    return language == "nb" || language == "nn" ? std::string_view("no") : language;
}

bool RegionContains(const std::string& outer, const std::string& inner)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Region* outerRegion = icu::Region::getInstance(outer.c_str(), status);
    const icu::Region* innerRegion = icu::Region::getInstance(inner.c_str(), status);
    return U_SUCCESS(status) && outerRegion->contains(*innerRegion);
}

// Higher is better; 0 for a voice of another language.
int VoiceScore(const TParsedLocale& voice, const TParsedLocale& text)
{
    return 2 * static_cast<int>([&] {
        if (text.Language.empty() || LanguageFamily(voice.Language) != LanguageFamily(text.Language))
            return TVoiceFit::None;
        const bool sameLanguage
            = voice.Language == text.Language || (voice.Language == "no" && text.Language == "nb");
        const bool sameScript = voice.Script.empty() || voice.Script == text.Script;
        if (sameLanguage && sameScript && !voice.Region.empty() && voice.Region == text.Region)
            return TVoiceFit::Exact;
        if (!voice.Region.empty() && !text.Region.empty()
            && (RegionContains(voice.Region, text.Region)
                || text.Parent == voice.Language + "_" + voice.Region))
            return TVoiceFit::ContainingRegion;
        if (!text.Parent.empty() && voice.Parent == text.Parent)
            return TVoiceFit::RelatedRegion;
        return voice.Region.empty() ? TVoiceFit::LanguageOnly : TVoiceFit::OtherRegion;
    }()) + (voice.Variant ? 0 : 1);
}

} // namespace

std::string SpeechLocale(LangId lang)
{
    const TLanguage& language = FindLanguage(lang);
    return std::string(language.Locale.substr(0, language.Locale.find('@')));
}

TVoiceFit VoiceFit(std::string_view voiceLocale, LangId lang)
{
    return static_cast<TVoiceFit>(VoiceScore(ParseLocale(voiceLocale), ParseLocale(SpeechLocale(lang))) / 2);
}

std::vector<std::size_t> VoicesForLanguage(std::span<const TVoice> voices, LangId lang)
{
    const TParsedLocale text = ParseLocale(SpeechLocale(lang));
    std::vector<std::pair<int, std::size_t>> ranked;
    for (std::size_t i = 0; i < voices.size(); ++i)
        if (const int score = VoiceScore(ParseLocale(voices[i].Locale), text); score >= 2)
            ranked.emplace_back(-score, i);
    std::stable_sort(
        ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::size_t> result;
    for (const auto& [score, index] : ranked)
        result.push_back(index);
    return result;
}

std::optional<std::size_t> ChooseVoice(std::span<const TVoice> voices, LangId lang)
{
    const auto ranked = VoicesForLanguage(voices, lang);
    return ranked.empty() ? std::nullopt : std::optional<std::size_t>(ranked.front());
}
