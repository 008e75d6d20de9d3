#pragma once
// Which file Save As may write, decided without a screen so the dialog only presents it.

#include "evaluation/Translatable.h"

#include <string>

// Save As file types, 1-based as the dialog's filter list counts them: 1 the list itself, 2 RTF,
// 3 to 8 the delimited-text formats in their order, 9 HTML, 10 KVTML.
inline constexpr int SaveAsHtmlType = 9;
inline constexpr int SaveAsKvtmlType = 10;
inline constexpr int SaveAsTypeCount = 10;
bool IsExportType(int filterIndex);
// The extension the dialog adds for a file type: "vmr", "rtf", "txt", "htm" or "kvtml".
std::string SaveAsExtension(int filterIndex);

// Why the chosen file cannot be written with the type, as the message to show before the dialog
// comes back; empty when it can. Only a regular file is replaced, a read-only file is never written, and an
// export never replaces the list's own file (by any name: links lead to the same file).
TSaying SaveAsRefusal(const std::string& chosen, int filterIndex, const std::string& listFile);

// Both names lead to one existing file, or are the same name.
bool IsSameFile(const std::string& a, const std::string& b);
