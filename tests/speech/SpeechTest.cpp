// The voice chosen for a language and the text given to the speech engine.

#include "speech/Speech.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace {

// Locales as speech-dispatcher's espeak-ng module and as Qt write them, mixed, in no helpful order.
const std::vector<TVoice> Voices
    = { { "English (America)", "en-us" }, { "English (Scotland)", "en-gb-scotland" },
          { "English (Received Pronunciation)", "en-gb-x-rp" }, { "English (Great Britain)", "en-gb" },
          { "English (Caribbean)", "en-029" }, { "English (America, New York City)", "en-us-nyc" },
          { "German", "de" }, { "Spanish (Spain)", "es" }, { "Spanish (Latin America)", "es-419" },
          { "French (Belgium)", "fr-be" }, { "French (France)", "fr-fr" }, { "Norwegian Bokmål", "nb" },
          { "Serbian", "sr" }, { "Indonesian", "in" }, { "Portuguese (Brazil)", "pt_BR" },
          { "Swiss German (Qt)", "de_CH" }, { "Greek (variant)", "el@variant=x" } };

TEST(SpeechVoices, PicksTheBestVoiceOfTheLanguage)
{
    const struct {
        const char* Name;
        LangId Lang;
        const char* Expected; // voice name, or nullptr for none
    } cases[] = {
        { "ExactRegionBeforeTheVariantsOfIt", 0x0809, "English (Great Britain)" },
        { "ExactUnderscoreLocale", 0x0807, "Swiss German (Qt)" },
        { "ExactAmericanNotTheNewYorkVariant", 0x0409, "English (America)" },
        { "CaribbeanNumericRegion", 0x2409, "English (Caribbean)" },
        { "JamaicaLiesInTheCaribbean", 0x2009, "English (Caribbean)" },
        { "AustralianEnglishTakesTheBritishVoice", 0x0C09, "English (Great Britain)" },
        { "CanadianEnglishTakesTheFirstRegionalVoice", 0x1009, "English (America)" },
        { "LanguageOnlyForAustrianGerman", 0x0C07, "German" },
        { "MexicoLiesInLatinAmerica", 0x080A, "Spanish (Latin America)" },
        { "TraditionalSortIsSpainsSpanish", 0x040A, "Spanish (Spain)" },
        { "RegionBeforeListOrder", 0x040C, "French (France)" },
        { "SwissFrenchTakesAFrenchVoice", 0x100C, "French (Belgium)" },
        { "NynorskReadByTheNorwegianVoice", 0x0814, "Norwegian Bokmål" },
        { "SerbianLatinScript", 0x081A, "Serbian" },
        { "OldIndonesianCode", 0x0421, "Indonesian" },
        { "PortugalTakesTheBrazilianVoice", 0x0816, "Portuguese (Brazil)" },
        { "VariantKeywordStillSpeaksGreek", 0x0408, "Greek (variant)" },
        { "NoVoiceForRussian", 0x0419, nullptr },
        { "NoDefaultVoiceForAnUnknownLanguage", 0x0000, nullptr },
        { "IdentifierOutsideTheTable", 0x0412, nullptr },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto chosen = ChooseVoice(Voices, c.Lang);
        EXPECT_EQ(chosen ? Voices[*chosen].Name : "none", c.Expected ? c.Expected : "none");
    }
}

TEST(SpeechVoices, ListsOnlyTheLanguageBestFirst)
{
    const auto english = VoicesForLanguage(Voices, 0x0809);
    std::vector<std::string> names;
    for (std::size_t i : english)
        names.push_back(Voices[i].Name);
    EXPECT_EQ(names,
        (std::vector<std::string> { "English (Great Britain)", "English (Scotland)",
            "English (Received Pronunciation)", "English (America)", "English (Caribbean)",
            "English (America, New York City)" }));
    EXPECT_TRUE(VoicesForLanguage({}, 0x0407).empty());
    // Unreadable locales from an engine speak no language and break nothing.
    const std::vector<TVoice> odd
        = { { "a", "" }, { "b", "!!" }, { "c", "-" }, { "d", "x-klingon" }, { "e", "de-ZZ" } };
    EXPECT_EQ(ChooseVoice(odd, 0x0407), std::optional<std::size_t>(4));
}

TEST(SpeechVoices, FitOfEachKind)
{
    const std::tuple<const char*, LangId, TVoiceFit> rows[] = {
        { "de_DE", 0x0407, TVoiceFit::Exact },
        { "de-de", 0x0407, TVoiceFit::Exact },
        { "de", 0x0407, TVoiceFit::LanguageOnly },
        { "de-AT", 0x0407, TVoiceFit::OtherRegion },
        { "de-150", 0x0407, TVoiceFit::ContainingRegion }, // Europe
        { "es-419", 0x2C0A, TVoiceFit::ContainingRegion },
        { "en-GB", 0x1409, TVoiceFit::RelatedRegion }, // New Zealand
        { "en-US", 0x1409, TVoiceFit::OtherRegion },
        { "sr-Cyrl-RS", 0x081A, TVoiceFit::OtherRegion }, // another script
        { "en-de", 0x0407, TVoiceFit::None },
        { "", 0x0407, TVoiceFit::None },
    };
    for (const auto& [locale, lang, fit] : rows)
        EXPECT_EQ(VoiceFit(locale, lang), fit) << locale << " for " << lang;
    EXPECT_EQ(SpeechLocale(0x040A), "es_ES");
    EXPECT_EQ(SpeechLocale(0x0C1A), "sr_Cyrl_RS");
    EXPECT_EQ(SpeechLocale(0x0001), "");
}

TEST(SpeechText, ReadsOnlyTheWords)
{
    const struct {
        const char* Name;
        const char* Input; // UTF-8
        const char* Expected;
    } cases[] = {
        { "PlainWordUnchanged", "Haus", "Haus" },
        { "SortingMarkerRemoved", "der @Hund", "der Hund" },
        { "OnlyTheFirstAtIsTheMarker", "a@b@c", "ab@c" },
        { "SynonymsBecomePauses", "house; home, building", "house, home, building" },
        { "AlternativesBecomePauses", "he/she", "he, she" },
        { "BracketsReadAsTheirWords", "(to) go", "to go" },
        { "BracketInsideAWord", "Kind(er)", "Kinder" },
        { "SquareAndAngleBrackets", "[sich] <etw.> merken", "sich etw. merken" },
        { "EllipsisPlaceholder", "to be fond of ...", "to be fond of" },
        { "UnicodeEllipsisInside", "\xE2\x80\xA6 machen", "machen" },
        { "HeadwordPlaceholder", "to ~ up", "to, up" },
        { "MarksDropped", "*Haus* #1 | \"Heim\"", "Haus 1, Heim" },
        { "PausesNeverDoubleOrLead", ";; a ;, / b ;", "a, b" },
        { "LineBreaksAndTabsAreBlanks", "eins\r\n\tzwei", "eins zwei" },
        { "NoBreakSpaceAndSoftHyphen", "Stra\u00AD\u00DFe\u00A0eins", "Stra\u00DFe eins" },
        { "ApostropheAndHyphenKept", "l'eau, e-mail", "l'eau, e-mail" },
        { "AbbreviationDotKept", "etw. tun", "etw. tun" },
        { "NothingLeft", " ()*; ", "" },
        { "InvalidUtf8Dropped", "a\377b", "ab" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpeechTextUtf8(c.Input), c.Expected) << c.Name;
}

TEST(SpeechText, FieldBytesInTheirCodePage)
{
    // Russian in 1251, Greek in 1253, German in 1252 with the 1252 ellipsis (0x85) as placeholder.
    EXPECT_EQ(SpeechText("\xE4\xEE\xEC", 0x0419), "\xD0\xB4\xD0\xBE\xD0\xBC");
    EXPECT_EQ(
        SpeechText("\xF3\xF0\xE9\xF4\xDE\xF2", 0x0408), "\xCF\x83\xCF\x80\xCE\xB9\xCF\x84\xCE\xAE\xCF\x82");
    EXPECT_EQ(SpeechText("\x85 f\xFCr", 0x0407), "f\xC3\xBCr");
    // A list with other delimiters pauses at them, and its brackets are read as their words.
    EvaluationDelimiters delimiters;
    delimiters.Syn1 = '+';
    delimiters.Alt = '!';
    delimiters.BracketOpen = '%';
    delimiters.BracketClose = '%';
    EXPECT_EQ(SpeechText("a + b!c %d%", 0x0409, delimiters), "a, b, c d");
    // A letter set as a delimiter or bracket is still read as a letter.
    delimiters.Alt = 'x';
    delimiters.BracketOpen = 'o';
    EXPECT_EQ(SpeechText("box", 0x0409, delimiters), "box");
}

TEST(SpeechText, ProblemsSayWhatToInstall)
{
    for (const auto problem : { TSpeechProblem::NotInstalled, TSpeechProblem::NotRunning })
        EXPECT_NE(SpeechProblemText(problem).Text().find("speech-dispatcher"), std::string::npos);
    EXPECT_NE(SpeechProblemText(TSpeechProblem::NoVoice, 0x0419).Text().find("Russian"), std::string::npos);
    EXPECT_NE(
        SpeechProblemText(TSpeechProblem::NoVoice, 0x0001).Text().find("this language"), std::string::npos);
}

} // namespace
