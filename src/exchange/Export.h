#pragma once
// Export of a document to delimited text, RTF and HTML. Exporting changes nothing in the
// document; every export writes through the safe-save path.

#include "core/VocabFile.h"
#include "exchange/TextFormat.h"

#include <string>
#include <string_view>

void ExportText(const TVocabFile& document, const std::string& fileName, TTextFormat format);
std::string ExportTextBytes(const TVocabFile& document, TTextFormat format);
void ExportRtf(const TVocabFile& document, const std::string& fileName);
std::string ExportRtfBytes(const TVocabFile& document, const std::string& fileName);
void ExportHtml(const TVocabFile& document, const std::string& fileName);
std::string ExportHtmlBytes(const TVocabFile& document, const std::string& fileName);
// A text of the list (in codePage, or UTF-8) appended to HTML as UTF-8 text, never as markup.
void AppendHtmlText(std::string& out, std::string_view utf8);
void AppendHtmlText(std::string& out, std::string_view text, int codePage);
