#pragma once
// The one place that decides a file's attributes, so Save, Save As, the exports, the command line
// and the Properties dialog always agree.

#include <string>

// True when the file exists and the user may not write the file itself. The system decides by the
// effective user, with the owner, group (supplementary groups too) and other bits; root could write
// anything, so for root the owner's write bit, which is what the user set, decides.
bool IsReadOnlyFile(const std::string& fileName);

// A name starting with "." is hidden on this platform.
bool IsHiddenFileName(const std::string& fileName);
