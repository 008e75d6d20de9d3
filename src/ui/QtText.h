#pragma once
// The GUI's edge between the document's 8-bit texts and the widgets' QString.

#include "core/VocabFile.h"

#include <QString>
#include <string>
#include <string_view>

QString ToQString(std::string_view text, int codePage);
// Characters the code page cannot hold become its substitute; lost tells whether that happened.
std::string FromQString(const QString& text, int codePage, bool* lost = nullptr);
// A field's text of the document, in the code page of the field's language.
QString FieldText(const TVocabFile& document, const TVocabItem& item, int field);
int FieldCodePage(const TVocabFile& document, int field);
// Whether every character of the text fits the code page.
bool FitsCodePage(const QString& text, int codePage);
