#pragma once
// The tick and the cross shown after an answer: drawn here, black on white, 20 x 20 pixels at
// the screen's pixel ratio, and recoloured to the verdict's colour.

#include "qtsupport/ColourTheme.h"

#include <QImage>

// The source glyphs: only pure black and pure white pixels.
QImage TickImage(qreal ratio = 1);
QImage CrossImage(qreal ratio = 1);
// A copy of the tick (correct) or cross in the colour, on a transparent ground: the caller
// chooses a colour that shows on the background beneath.
QImage ResultImage(bool correct, const QColor& colour, qreal ratio = 1);
