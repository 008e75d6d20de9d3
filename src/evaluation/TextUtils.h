#pragma once
// Free functions over text shared by the whole program. 8-bit text is a byte string in the
// code page of its language; UTF-16 text is std::u16string. Positions are 1-based.

#include "evaluation/Languages.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// Code pages the program converts between.
inline constexpr int CP_UTF8 = 65001;
inline constexpr int CP_UTF16 = 1200;
inline constexpr int CP_SYSTEM_DEFAULT = 1252; // stands in for "code page 0" here

// ---- Splitting and quoting -------------------------------------------------------------

// Fields are cleared and receive the stored fields; the result is their count (at most maxIndex+1).
int SplitCsvLine(
    std::string_view text, bool trim, bool skipEmpty, int maxIndex, std::vector<std::string>& fields);
int SplitCsvLineW(
    std::u16string_view text, bool trim, bool skipEmpty, int maxIndex, std::vector<std::u16string>& fields);
std::string UnquoteCsvField(std::string_view field);
std::u16string UnquoteCsvFieldW(std::u16string_view field);
std::string QuoteCsvField(std::string_view field);
std::u16string QuoteCsvFieldW(std::u16string_view field);
int SplitDelimited(std::string_view text, std::string_view delimiters, bool trim, int maxIndex,
    std::vector<std::string>& fields, bool skipEmpty);
int SplitDelimitedW(std::u16string_view text, std::u16string_view delimiters, bool trim, int maxIndex,
    std::vector<std::u16string>& fields, bool skipEmpty);
bool ExtractDelimitedField(
    std::string_view text, char delimiter, int n, std::string& rest, std::string& field);

// ---- White space and case ----------------------------------------------------------------

// The platform's standard 8-bit trim: bytes up to space go from both ends.
std::string Trim(std::string_view text);
std::u16string TrimW(std::u16string_view text);
std::string CollapseSpaces(std::string_view text);
// Locale services, on 8-bit text in the code page of the language. Failures leave the text unchanged.
std::string LowerCaseLocale(std::string_view text, LangId lang);
std::string StripAccents(std::string_view text, LangId lang);
// Lower case with simple case folding on top, so that letters with several lower-case forms meet
// (Greek final sigma, sigma and capital sigma). For comparing texts case-insensitively.
std::string CaseFoldLocale(std::string_view text, LangId lang);
// Greek text without the tonos (the dialytika stays), as Greek capitals are written; other
// languages' text unchanged.
std::string StripTonos(std::string_view text, LangId lang);
// True when the text holds a lower-case letter of the language's code page.
bool HasLowerCase(std::string_view text, LangId lang);
// Accents removed as StripAccents does, and for German ß written ss; with spellUmlauts German
// ä, ö and ü (and their capitals) are written ae, oe and ue instead of losing their dots.
std::string FoldAccents(std::string_view text, LangId lang, bool spellUmlauts);
std::string RemovePunctuation(std::string_view text, LangId lang, bool dropSpaces);
std::string MaskNonAlphanumeric(std::string_view text, LangId lang, char replacement);
// Case-insensitive, locale-ordered key (punctuation removed first). Empty when nothing is left.
std::string MakeSortKey(std::string_view text, LangId lang);
// True when the byte is a letter or digit in the language's code page.
bool IsAlphaNumeric(unsigned char c, LangId lang);

// ---- Positions and replacement on UTF-16 text --------------------------------------------

int PosW(std::u16string_view sub, std::u16string_view text);
std::u16string StringReplaceW(
    std::u16string_view text, std::u16string_view pattern, std::u16string_view replacement);

// ---- Code pages and byte order -------------------------------------------------------------

// The code page of a language's 8-bit text (its table entry, or the system default).
int LanguageCodePage(LangId lang);
// True for the code pages the program can convert (the six 8-bit ones and UTF-8).
bool IsSupportedCodePage(int codePage);
std::u16string AnsiToWide(std::string_view text, int codePage);
// Characters the code page cannot hold become the default character "?"; when lost is
// given it is set to whether that happened.
std::string WideToAnsi(std::u16string_view text, int codePage, bool* lost = nullptr);
std::string AnsiToUtf8(std::string_view text, int codePage);
std::string Utf8ToAnsi(std::string_view text, int codePage, bool* lost = nullptr);
std::u16string BytesToWide(std::string_view bytes);
void FixUnicodeByteOrder(std::u16string& text);

// ---- Output helpers ------------------------------------------------------------------------

std::string RtfEscape(std::string_view text);
void WriteRawString(std::ostream& stream, std::string_view text);
void WriteString16(std::ostream& stream, std::string_view text);
std::string ReadString16(std::istream& stream);
