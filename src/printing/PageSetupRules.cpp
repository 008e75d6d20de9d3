#include "printing/PageSetupRules.h"

int TwipsPerUnit(TMarginUnit unit)
{
    return unit == muInches ? TwipsPerInch : TwipsPerCentimetre;
}

double TwipsToUnits(std::int32_t twips, TMarginUnit unit)
{
    return static_cast<double>(twips) / TwipsPerUnit(unit);
}

std::int32_t UnitsToTwips(double value, TMarginUnit unit)
{
    return static_cast<std::int32_t>(value * TwipsPerUnit(unit) + 0.5);
}

std::vector<TSketchLine> PageSketch(int width, int height, int columns, bool separator)
{
    std::vector<TSketchLine> lines;
    const int left = 6;
    const int top = 6;
    const int right = width - 6;
    const int bottom = height - 6;
    if (right <= left || bottom <= top || columns < 1)
        return lines;
    const int gap = separator ? 5 : 3;
    const int w = right - left + gap;
    for (int c = 0; c < columns; ++c) {
        const int x1 = w * c / columns + left;
        const int x2 = w * (c + 1) / columns + left - gap;
        for (int k = 0; k <= (bottom - top) / 2; ++k)
            lines.push_back({ x1, top + 2 * k, x2, top + 2 * k });
        if (separator && c >= 1) {
            const int x = x1 - gap / 2 - 1;
            lines.push_back({ x, top, x, bottom });
        }
    }
    return lines;
}
