#pragma once
// Painting an item's text, shared by the grid rows, the test question and the choice list, and
// the grid's row painter.

#include "core/VocabFile.h"

#include <QFont>
#include <QPoint>

class QAbstractItemDelegate;
class QPainter;
class TVocabGrid;

// The display font in bold, italic and regular style.
struct TItemFonts {
    QFont Bold, Italic, Regular;
};

// Which parts of an item PaintItemText draws, and how.
struct TItemTextParts {
    bool ForeignSide = false; // the word/phrase with its notes and category; else the translations
    bool ShowNotes = false;
    bool ShowCategory = false;
    bool Bold = false;
};

// Draws an item's text at the pen position and moves the pen to where it ended (one line).
void PaintItemText(QPainter& painter, QPoint& pen, const TVocabFile& document, const TVocabItem& item,
    const TItemTextParts& parts, const TItemFonts& fonts);

// Paints the grid's rows: colours, the item's text, the cut mark, focus and drop indicator.
QAbstractItemDelegate* NewVocabGridDelegate(TVocabGrid* grid);
