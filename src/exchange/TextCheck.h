#pragma once
// What the import decides about a file's bytes as a whole before reading a word of it: whether
// they are UTF-8, and whether they are text at all.

#include "evaluation/Translatable.h"
#include "exchange/TextFormat.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct TUtf8Count {
    std::size_t Valid = 0; // multi-byte sequences
    std::size_t Invalid = 0; // bytes or cut sequences that are not UTF-8
};
// When cut, a sequence cut off at the end is not held against the bytes.
TUtf8Count CountUtf8(std::string_view bytes, bool cut = false);
// UTF-8 text holding multi-byte characters, perhaps with a few stray bytes of another code page:
// more well-formed sequences than bad ones. A file in an 8-bit code page holds next to none.
bool IsUtf8Text(std::string_view bytes, bool cut);

// Why the bytes cannot be read as delimited text in the format (a NUL character, an archive, a
// document or database of another kind, an XML file); nullopt for text. The UTF-16 formats are
// judged on their characters, the others on their bytes.
std::optional<TSaying> NotTextReason(std::string_view bytes, TTextFormat format);
// The import's refusal for such a reason.
TSaying NothingImported(TSaying reason);

// Whether the bytes (or the name, by its extension in any case) are meant as KVTML: an XML file
// whose root element is kvtml. Told apart here, without reading XML, so that the window knows
// before it loads what reads KVTML.
bool LooksLikeKvtml(std::string_view bytes, std::string_view fileName = {});
