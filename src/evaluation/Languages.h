#pragma once
// The fixed table of the languages the program offers, their code pages and character sets.
// It sits with the text utilities because their code pages and locale services come from it.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// A platform language identifier: primary language in the low 10 bits, sublanguage above.
using LangId = std::uint16_t;

struct TLanguage {
    LangId Id = 0;
    std::string_view Name; // English name, "" when not in the table
    std::string_view Code; // two-letter code shown in the status bar
    int CodePage = 0; // ANSI code page; 0 when not in the table
    std::string_view Locale; // ICU locale of its lower-casing, accent removal and sorting
};

// The 75 entries in table order.
std::span<const TLanguage> LanguageTable();
// Exact 16-bit lookup; an empty entry for an identifier not in the table.
const TLanguage& FindLanguage(LangId id);
// Lookup by English name (exact, or without regard to case); nullptr when unknown.
const TLanguage* FindLanguageByName(std::string_view name);

inline constexpr LangId PrimaryLanguage(LangId id)
{
    return static_cast<LangId>(id & 0x3FF);
}
inline constexpr bool IsEnglish(LangId id)
{
    return PrimaryLanguage(id) == 9;
}

// Font character set of a language's code page (0 "Western" when unknown).
int LanguageCharset(LangId id);
int CodePageCharset(int codePage);
// " CE", " Cyr", " Greek", " Tur", " Baltic", or "".
std::string_view CharsetSuffix(int charset);
// "Central European", "Cyrillic", "Greek", "Turkish", "Baltic", "Western".
std::string_view CharsetScriptName(int charset);
// The ICU locale for a language; the root locale for one outside the table.
std::string_view LanguageLocale(LangId id);
