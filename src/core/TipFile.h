#pragma once
// The tip-of-the-day file: one tip per line, the number of the help topic that explains it, a
// tab, and the tip as a fragment of Rich Text Format.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TTip {
    std::int32_t HelpContext = 0; // 0: no topic
    std::string Text;
};

// The tips of a file's bytes, one per line (CR LF, LF or CR); blank lines hold no tip.
std::vector<std::string> SplitTipLines(std::string_view bytes);
// A line without a tab is all text; a context that is not a plain decimal number is 0.
TTip ParseTipLine(std::string_view line);
// The whole document the tip box reads: the tip inside the fixed header and closing paragraph.
std::string TipDocument(std::string_view tipText);
// The lines of the file, or nothing when it is missing, unreadable or holds no tip.
std::optional<std::vector<std::string>> ReadTipFile(const std::string& fileName);

// The index of the tip to show from the remembered next index (past the end, or damaged below 0,
// it starts over at 0), and advances nextTip past it. -1 and no change when there are no tips.
int TakeNextTip(std::int32_t& nextTip, std::size_t tipCount);
