#pragma once
// The tick and the cross shown after an answer: drawn here, black on white, 20 x 20 pixels at
// the screen's pixel ratio, and recoloured to the verdict's colour.

#include "settings/Settings.h"

#include <QImage>

// The source glyphs: only pure black and pure white pixels.
QImage TickImage(qreal ratio = 1);
QImage CrossImage(qreal ratio = 1);
// A copy of the tick (correct) or cross in the colour; a white colour first turns the white
// background red, so the white glyph stays visible. What is still white is transparent.
QImage ResultImage(bool correct, TColour colour, qreal ratio = 1);
// 0x00BBGGRR as a Qt colour.
QColor ToQColor(TColour colour);
