#pragma once
// The item clipboard on the system clipboard: the private type first, so copies of the program
// exchange items exactly, and plain text for other programs.

#include "core/VocabFile.h"
#include "exchange/ClipboardText.h"

#include <QString>
#include <cstdint>
#include <optional>

// application/x-qt-windows-mime;value="Velmoria Vocabulary Item"
QString ClipboardMimeType();
// Whether the clipboard offers an item or text to read items from.
bool CanPaste();
// Puts the current item on the clipboard, replacing whatever was there.
void CopyToClipboard(const TVocabFile& document);
// Inserts the clipboard's item, or the items of its text when it holds no item, before the
// current item (one "Paste" step). For text, returns how it was read and what changed; nullopt
// for an item.
std::optional<TPasteResult> PasteFromClipboard(TVocabFile& document);
