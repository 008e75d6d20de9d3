#pragma once
// What the about box and the Help menu tell of the product: its version, web site and mail
// address.

#include "evaluation/Translatable.h"

#include <string>
#include <string_view>

inline constexpr const char* ProductHomePage = "https://velmoria.example.org/";
inline constexpr const char* ProductExchangePage = "https://velmoria.example.org/exchange.htm";
inline constexpr const char* ProductDonatePage = "https://velmoria.example.org/donate.htm";
inline constexpr const char* ProductMailAddress = "dev@velmoria.example.org";
inline constexpr const char* ProductCopyright
    = VM_TRANSLATE_NOOP("Velmoria::Model", "Copyright \u00A9 2026 the Velmoria developers");

// A build's version ("0.1.0") with four parts, "%d.%d.%d.%d" ("0.1.0.0"); empty when the text is
// not one to four dot-separated numbers below 65536, as a file version's parts are.
std::string FourPartVersion(std::string_view version);
