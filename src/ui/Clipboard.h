#pragma once
// The item clipboard on the system clipboard: one private type, nothing else.

#include "core/VocabFile.h"

#include <QString>

// application/x-qt-windows-mime;value="Velmoria Vocabulary Item"
QString ClipboardMimeType();
// Whether the clipboard offers an item.
bool CanPaste();
// Puts the current item on the clipboard, replacing whatever was there.
void CopyToClipboard(const TVocabFile& document);
// Inserts the clipboard's item before the current item (one "Paste" step).
void PasteFromClipboard(TVocabFile& document);
