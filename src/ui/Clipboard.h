#pragma once
// The item clipboard on the system clipboard: the private type first, so copies of the program
// exchange items exactly, and plain text for other programs.

#include "core/VocabFile.h"

#include <QString>
#include <cstdint>

// application/x-qt-windows-mime;value="Velmoria Vocabulary Item"
QString ClipboardMimeType();
// Whether the clipboard offers an item or text to read items from.
bool CanPaste();
// Puts the current item on the clipboard, replacing whatever was there.
void CopyToClipboard(const TVocabFile& document);
// Inserts the clipboard's item, or the items of its text when it holds no item, before the
// current item (one "Paste" step). Returns the number of fields of pasted text that lost
// characters the list's code pages cannot hold.
std::int32_t PasteFromClipboard(TVocabFile& document);
