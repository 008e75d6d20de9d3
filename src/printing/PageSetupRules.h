#pragma once
// The rules of the page setup dialog that need no screen: margin units and the page sketch.

#include <cstdint>
#include <vector>

enum TMarginUnit : std::uint8_t { muCentimetres = 0, muInches = 1 };

inline constexpr int TwipsPerInch = 1440;
inline constexpr int TwipsPerCentimetre = 567;

int TwipsPerUnit(TMarginUnit unit);
double TwipsToUnits(std::int32_t twips, TMarginUnit unit);
// The integer part of value x twips per unit + 0.5; value is 0 to 99, so it always fits.
std::int32_t UnitsToTwips(double value, TMarginUnit unit);

// A line of the page sketch, end point excluded as a pen draws it.
struct TSketchLine {
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    bool operator==(const TSketchLine&) const = default;
};

// The lines of the sketch of a page with the given columns in a paint box of that size: text
// lines two pixels apart in each column, and with the separator a bar between columns.
std::vector<TSketchLine> PageSketch(int width, int height, int columns, bool separator);
