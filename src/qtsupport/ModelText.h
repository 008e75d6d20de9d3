#pragma once
// The window's edge for the model's English texts: those the model marks VM_TRANSLATE_NOOP
// ("Velmoria::Model", ...) come out in the window's language.

#include "evaluation/Languages.h"

#include <QString>

QString ModelText(const char* text);
// The language's name from the table, in the window's language; empty when not in the table.
QString LanguageName(LangId language);
