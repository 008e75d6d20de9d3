#pragma once
// The one place that decides a file's attributes, so Save, Save As, the exports, the command line
// and the Properties dialog always agree.

#include <string>

// True when the file exists and its owner may not write it. Root could write it all the same;
// the owner's write bit is what the user set, so it holds for root as for everyone.
bool IsReadOnlyFile(const std::string& fileName);

// A name starting with "." is hidden on this platform.
bool IsHiddenFileName(const std::string& fileName);
