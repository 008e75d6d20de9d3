#pragma once
// The byte block of the "Velmoria Vocabulary Item" clipboard format.

#include "core/VocabFile.h"

#include <string>
#include <string_view>

inline constexpr const char* ClipboardFormatName = "Velmoria Vocabulary Item";

// The block for the document's current item; raises "No current item".
std::string BuildClipboardBlock(const TVocabFile& document);
// Puts the block's item before the current item (recorded as ukPaste). Raises
// "No valid data on clipboard." or "Languages are different." before anything changes.
void PasteClipboardBlock(TVocabFile& document, std::string_view block);
