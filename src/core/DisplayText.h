#pragma once
// Small shared helpers for what windows show: file titles, shortened paths, percentages and
// the number checks of edit boxes (their message boxes live with the widgets).

#include "evaluation/Translatable.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// "Untitled" for an empty name, otherwise the file-name part of the path.
std::string DisplayTitle(const std::string& fileName);
// The folder part of the path (with its separator) followed by DisplayTitle.
std::string DisplayName(const std::string& fileName);
// Width of a text as drawn in some font, in pixels.
using TTextWidth = std::function<int(std::string_view)>;
// A version of the path that fits maxWidth: drive part, "...\" (the platform's separator) and as
// many trailing folders as fit; then the file name alone, cut with "..."; "" when nothing fits.
std::string ShortenPath(const std::string& path, const TTextWidth& width, int maxWidth);
// "0%" for a whole of 0, else the rounded percentage followed by "%".
TSaying PercentText(std::int32_t part, std::int32_t whole);

// The number checks of CheckIntRange/CheckFloatRange without their message box.
// A text that is not a whole number counts as min - 1.
bool IntInRange(std::string_view text, std::int32_t min, std::int32_t max, std::int32_t* value = nullptr);
bool FloatInRange(std::string_view text, double min, double max, double* value = nullptr);
// "Number must be between %d and %d." / "Number must be between %g and %g."
TSaying IntRangeMessage(std::int32_t min, std::int32_t max);
TSaying FloatRangeMessage(double min, double max);
// Strict parsing: optional sign, digits (for doubles with at most one '.'), nothing else
// (surrounding blanks allowed).
std::optional<std::int32_t> ParseInt32(std::string_view text);
std::optional<double> ParseDouble(std::string_view text);
