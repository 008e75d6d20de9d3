#pragma once
// A reader for the small part of Rich Text Format that short formatted texts such as the tips
// use: paragraphs, line breaks and tabs, bold and italic, characters written as \'xx in the
// document's code page or as \uN. Everything else is skipped, so any bytes give some text and
// never an error.

#include <string>
#include <string_view>
#include <vector>

struct TRichRun {
    std::u16string Text;
    bool Bold = false;
    bool Italic = false;
    bool operator==(const TRichRun&) const = default;
};

struct TRichParagraph {
    std::vector<TRichRun> Runs;
    bool operator==(const TRichParagraph&) const = default;
};

using TRichText = std::vector<TRichParagraph>;

// Line breaks (\line) inside a paragraph are U+2028.
inline constexpr char16_t RichLineBreak = u'\u2028';

// Reads the text. Bytes above 127 and \'xx are characters of the code page the document names
// with \ansicpgN, else of defaultCodePage (a code page the program cannot convert counts as 1252).
TRichText ReadRichText(std::string_view rtf, int defaultCodePage = 1252);

// The text without formatting, paragraphs separated by '\n'.
std::u16string PlainText(const TRichText& text);
