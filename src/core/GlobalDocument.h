#pragma once
// The one document of the program. Opening a file swaps in a new document only when it loaded,
// so nothing may keep a reference to it across an open: reach it through Document() each time.

#include "core/VocabFile.h"

#include <memory>

TVocabFile& Document();
// Puts the new document in place and frees the old one.
void ReplaceDocument(std::unique_ptr<TVocabFile> document);
