#include "evaluation/Languages.h"

#include "evaluation/Translatable.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {
constexpr std::array<TLanguage, 75> Table { {
    { 0x0436, VM_TRANSLATE_NOOP("Velmoria::Model", "Afrikaans"), "Af", 1252, "af_ZA" },
    { 0x041C, VM_TRANSLATE_NOOP("Velmoria::Model", "Albanian"), "Sq", 1250, "sq_AL" },
    { 0x042D, VM_TRANSLATE_NOOP("Velmoria::Model", "Basque"), "Eu", 1252, "eu_ES" },
    { 0x0423, VM_TRANSLATE_NOOP("Velmoria::Model", "Belarusian"), "Be", 1251, "be_BY" },
    { 0x0402, VM_TRANSLATE_NOOP("Velmoria::Model", "Bulgarian"), "Bg", 1251, "bg_BG" },
    { 0x0403, VM_TRANSLATE_NOOP("Velmoria::Model", "Catalan"), "Ca", 1252, "ca_ES" },
    { 0x041A, VM_TRANSLATE_NOOP("Velmoria::Model", "Croatian"), "Hr", 1250, "hr_HR" },
    { 0x0405, VM_TRANSLATE_NOOP("Velmoria::Model", "Czech"), "Cs", 1250, "cs_CZ" },
    { 0x0406, VM_TRANSLATE_NOOP("Velmoria::Model", "Danish"), "Da", 1252, "da_DK" },
    { 0x0813, VM_TRANSLATE_NOOP("Velmoria::Model", "Dutch (Belgian)"), "Nl", 1252, "nl_BE" },
    { 0x0413, VM_TRANSLATE_NOOP("Velmoria::Model", "Dutch (Standard)"), "Nl", 1252, "nl_NL" },
    { 0x0C09, VM_TRANSLATE_NOOP("Velmoria::Model", "English (Australian)"), "En", 1252, "en_AU" },
    { 0x1009, VM_TRANSLATE_NOOP("Velmoria::Model", "English (Canadian)"), "En", 1252, "en_CA" },
    { 0x2409, VM_TRANSLATE_NOOP("Velmoria::Model", "English (Caribbean)"), "En", 1252, "en_029" },
    { 0x1809, VM_TRANSLATE_NOOP("Velmoria::Model", "English (Ireland)"), "En", 1252, "en_IE" },
    { 0x2009, VM_TRANSLATE_NOOP("Velmoria::Model", "English (Jamaica)"), "En", 1252, "en_JM" },
    { 0x1409, VM_TRANSLATE_NOOP("Velmoria::Model", "English (New Zealand)"), "En", 1252, "en_NZ" },
    { 0x1C09, VM_TRANSLATE_NOOP("Velmoria::Model", "English (South Africa)"), "En", 1252, "en_ZA" },
    { 0x0809, VM_TRANSLATE_NOOP("Velmoria::Model", "English (United Kingdom)"), "En", 1252, "en_GB" },
    { 0x0409, VM_TRANSLATE_NOOP("Velmoria::Model", "English (United States)"), "En", 1252, "en_US" },
    { 0x0425, VM_TRANSLATE_NOOP("Velmoria::Model", "Estonian"), "Et", 1257, "et_EE" },
    { 0x040B, VM_TRANSLATE_NOOP("Velmoria::Model", "Finnish"), "Fi", 1252, "fi_FI" },
    { 0x080C, VM_TRANSLATE_NOOP("Velmoria::Model", "French (Belgian)"), "Fr", 1252, "fr_BE" },
    { 0x0C0C, VM_TRANSLATE_NOOP("Velmoria::Model", "French (Canadian)"), "Fr", 1252, "fr_CA" },
    { 0x140C, VM_TRANSLATE_NOOP("Velmoria::Model", "French (Luxembourg)"), "Fr", 1252, "fr_LU" },
    { 0x040C, VM_TRANSLATE_NOOP("Velmoria::Model", "French (Standard)"), "Fr", 1252, "fr_FR" },
    { 0x100C, VM_TRANSLATE_NOOP("Velmoria::Model", "French (Swiss)"), "Fr", 1252, "fr_CH" },
    { 0x0C07, VM_TRANSLATE_NOOP("Velmoria::Model", "German (Austrian)"), "De", 1252, "de_AT" },
    { 0x1407, VM_TRANSLATE_NOOP("Velmoria::Model", "German (Liechtenstein)"), "De", 1252, "de_LI" },
    { 0x1007, VM_TRANSLATE_NOOP("Velmoria::Model", "German (Luxembourg)"), "De", 1252, "de_LU" },
    { 0x0407, VM_TRANSLATE_NOOP("Velmoria::Model", "German (Standard)"), "De", 1252, "de_DE" },
    { 0x0807, VM_TRANSLATE_NOOP("Velmoria::Model", "German (Swiss)"), "De", 1252, "de_CH" },
    { 0x0408, VM_TRANSLATE_NOOP("Velmoria::Model", "Greek"), "El", 1253, "el_GR" },
    { 0x040E, VM_TRANSLATE_NOOP("Velmoria::Model", "Hungarian"), "Hu", 1250, "hu_HU" },
    { 0x040F, VM_TRANSLATE_NOOP("Velmoria::Model", "Icelandic"), "Is", 1252, "is_IS" },
    { 0x0421, VM_TRANSLATE_NOOP("Velmoria::Model", "Indonesian"), "In", 1252, "id_ID" },
    { 0x0410, VM_TRANSLATE_NOOP("Velmoria::Model", "Italian (Standard)"), "It", 1252, "it_IT" },
    { 0x0810, VM_TRANSLATE_NOOP("Velmoria::Model", "Italian (Swiss)"), "It", 1252, "it_CH" },
    { 0x0426, VM_TRANSLATE_NOOP("Velmoria::Model", "Latvian"), "Lv", 1257, "lv_LV" },
    { 0x0427, VM_TRANSLATE_NOOP("Velmoria::Model", "Lithuanian"), "Lt", 1257, "lt_LT" },
    { 0x042F, VM_TRANSLATE_NOOP("Velmoria::Model", "Macedonian (FYROM)"), "Mk", 1251, "mk_MK" },
    { 0x0414, VM_TRANSLATE_NOOP("Velmoria::Model", "Norwegian (Bokmal)"), "No", 1252, "nb_NO" },
    { 0x0814, VM_TRANSLATE_NOOP("Velmoria::Model", "Norwegian (Nynorsk)"), "No", 1252, "nn_NO" },
    { 0x0415, VM_TRANSLATE_NOOP("Velmoria::Model", "Polish"), "Pl", 1250, "pl_PL" },
    { 0x0416, VM_TRANSLATE_NOOP("Velmoria::Model", "Portuguese (Brazilian)"), "Pt", 1252, "pt_BR" },
    { 0x0816, VM_TRANSLATE_NOOP("Velmoria::Model", "Portuguese (Standard)"), "Pt", 1252, "pt_PT" },
    { 0x0418, VM_TRANSLATE_NOOP("Velmoria::Model", "Romanian"), "Ro", 1250, "ro_RO" },
    { 0x0419, VM_TRANSLATE_NOOP("Velmoria::Model", "Russian"), "Ru", 1251, "ru_RU" },
    { 0x0C1A, VM_TRANSLATE_NOOP("Velmoria::Model", "Serbian (Cyrillic)"), "Sr", 1251, "sr_Cyrl_RS" },
    { 0x081A, VM_TRANSLATE_NOOP("Velmoria::Model", "Serbian (Latin)"), "Sr", 1250, "sr_Latn_RS" },
    { 0x041B, VM_TRANSLATE_NOOP("Velmoria::Model", "Slovak"), "Sk", 1250, "sk_SK" },
    { 0x0424, VM_TRANSLATE_NOOP("Velmoria::Model", "Slovenian"), "Sl", 1250, "sl_SI" },
    { 0x2C0A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (Argentina)"), "Es", 1252, "es_AR" },
    { 0x400A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (Bolivia)"), "Es", 1252, "es_BO" },
    { 0x340A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (Chile)"), "Es", 1252, "es_CL" },
    { 0x240A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (Colombia)"), "Es", 1252, "es_CO" },
    { 0x140A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (Costa Rica)"), "Es", 1252, "es_CR" },
    { 0x1C0A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (Dominican Republic)"), "Es", 1252, "es_DO" },
    { 0x300A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (Ecuador)"), "Es", 1252, "es_EC" },
    { 0x440A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (El Salvador)"), "Es", 1252, "es_SV" },
    { 0x100A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (Guatemala)"), "Es", 1252, "es_GT" },
    { 0x480A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (Honduras)"), "Es", 1252, "es_HN" },
    { 0x0C0A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (International Sort)"), "Es", 1252, "es_ES" },
    { 0x080A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (Mexico)"), "Es", 1252, "es_MX" },
    { 0x4C0A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (Nicaragua)"), "Es", 1252, "es_NI" },
    { 0x180A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (Panama)"), "Es", 1252, "es_PA" },
    { 0x3C0A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (Paraguay)"), "Es", 1252, "es_PY" },
    { 0x280A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (Peru)"), "Es", 1252, "es_PE" },
    { 0x500A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (Puerto Rico)"), "Es", 1252, "es_PR" },
    { 0x040A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (Traditional Sort)"), "Es", 1252,
        "es_ES@collation=traditional" },
    { 0x380A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (Uruguay)"), "Es", 1252, "es_UY" },
    { 0x200A, VM_TRANSLATE_NOOP("Velmoria::Model", "Spanish (Venezuela)"), "Es", 1252, "es_VE" },
    { 0x041D, VM_TRANSLATE_NOOP("Velmoria::Model", "Swedish"), "Sv", 1252, "sv_SE" },
    { 0x041F, VM_TRANSLATE_NOOP("Velmoria::Model", "Turkish"), "Tr", 1254, "tr_TR" },
    { 0x0422, VM_TRANSLATE_NOOP("Velmoria::Model", "Ukrainian"), "Uk", 1251, "uk_UA" },
} };

const TLanguage EmptyLanguage {};

bool EqualNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}
} // namespace

std::span<const TLanguage> LanguageTable()
{
    return Table;
}

const TLanguage& FindLanguage(LangId id)
{
    for (const auto& language : Table)
        if (language.Id == id)
            return language;
    return EmptyLanguage;
}

const TLanguage* FindLanguageByName(std::string_view name)
{
    for (const auto& language : Table)
        if (language.Name == name)
            return &language;
    for (const auto& language : Table)
        if (EqualNoCase(language.Name, name))
            return &language;
    return nullptr;
}

int CodePageCharset(int codePage)
{
    switch (codePage) {
    case 1250:
        return 238;
    case 1251:
        return 204;
    case 1253:
        return 161;
    case 1254:
        return 162;
    case 1257:
        return 186;
    default:
        return 0;
    }
}

int LanguageCharset(LangId id)
{
    return CodePageCharset(FindLanguage(id).CodePage);
}

std::string_view CharsetSuffix(int charset)
{
    switch (charset) {
    case 238:
        return " CE";
    case 204:
        return " Cyr";
    case 161:
        return " Greek";
    case 162:
        return " Tur";
    case 186:
        return " Baltic";
    default:
        return "";
    }
}

std::string_view CharsetScriptName(int charset)
{
    switch (charset) {
    case 238:
        return VM_TRANSLATE_NOOP("Velmoria::Model", "Central European");
    case 204:
        return VM_TRANSLATE_NOOP("Velmoria::Model", "Cyrillic");
    case 161:
        return VM_TRANSLATE_NOOP("Velmoria::Model", "Greek");
    case 162:
        return VM_TRANSLATE_NOOP("Velmoria::Model", "Turkish");
    case 186:
        return VM_TRANSLATE_NOOP("Velmoria::Model", "Baltic");
    default:
        return VM_TRANSLATE_NOOP("Velmoria::Model", "Western");
    }
}

std::string_view LanguageLocale(LangId id)
{
    const auto& language = FindLanguage(id);
    return language.Id == 0 ? std::string_view("root") : language.Locale;
}
