// Test texts are written as UTF-8 and turned into the language's code page; a text the code page
// cannot hold fails the test rather than quietly testing question marks.

#pragma once

#include "evaluation/Languages.h"
#include "evaluation/TextUtils.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

// The languages most of the tests write in.
inline constexpr LangId English = 0x0409, German = 0x0407, French = 0x040C, Czech = 0x0405, Russian = 0x0419,
                        Greek = 0x0408, Turkish = 0x041F;

inline std::string In(LangId lang, std::string_view utf8)
{
    bool lost = false;
    std::string bytes = Utf8ToAnsi(utf8, LanguageCodePage(lang), &lost);
    if (lost)
        ADD_FAILURE() << "test text not in the code page of " << std::hex << lang << ": " << utf8;
    return bytes;
}
