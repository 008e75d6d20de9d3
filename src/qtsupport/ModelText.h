#pragma once
// The window's edge for the model's English texts: those the model marks VM_TRANSLATE_NOOP
// ("Velmoria::Model", ...) come out in the window's language.

#include "evaluation/Languages.h"
#include "evaluation/Translatable.h"

#include <QString>
#include <exception>
#include <string>

QString ModelText(const char* text);
// A saying of the model in the window's language, its numbers in the window's locale.
QString SayingText(const TSaying& saying);
// What an exception says, in the window's language: a file error by its parts, a fixed message of
// the model by its translation; anything else as the model said it.
QString ErrorText(const std::exception& error);
// A list's title as the window shows it: its file's name, or "Untitled" in the window's language.
QString ListTitle(const std::string& fileName);
// The language's name from the table, in the window's language; empty when not in the table.
QString LanguageName(LangId language);
