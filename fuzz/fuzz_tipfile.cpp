// The tip file on arbitrary bytes: every line parses, and its rich text reads without a crash into
// runs that are never empty and never split where the format does not change.

#include "core/RichText.h"
#include "core/TipFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = SplitTipLines(bytes);
    std::int32_t next = static_cast<std::int32_t>(size % 7) - 2;
    for (const auto& line : lines) {
        if (line.find_first_of("\r\n") != std::string::npos)
            std::abort();
        const int shown = TakeNextTip(next, lines.size());
        if (shown < 0 || static_cast<std::size_t>(shown) >= lines.size())
            std::abort();
        const TTip tip = ParseTipLine(line);
        if (tip.HelpContext < 0)
            std::abort();
        for (const TRichText& text : { ReadRichText(TipDocument(tip.Text)), ReadRichText(line, 1251) }) {
            for (const auto& paragraph : text) {
                for (std::size_t i = 0; i < paragraph.Runs.size(); ++i) {
                    const TRichRun& run = paragraph.Runs[i];
                    if (run.Text.empty())
                        std::abort();
                    if (i > 0 && run.Bold == paragraph.Runs[i - 1].Bold
                        && run.Italic == paragraph.Runs[i - 1].Italic)
                        std::abort();
                }
            }
        }
    }
    return 0;
}
