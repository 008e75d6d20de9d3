// A shared history's journal on arbitrary bytes: nothing crashes, what is read writes back the same,
// a file read in two goes gives what one reading gives, and a file read to its mark gives nothing
// more and tells nothing again.

#include "review/HistoryJournal.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    constexpr std::int64_t Latest = 4102444800000; // 2100
    const TJournalRead whole = ReadJournal("j", bytes, {}, Latest);
    if (whole.Mark.Read > size || whole.Mark.Skipped == whole.Problem.Empty())
        std::abort();
    if (whole.Mark.Skipped && !whole.Answers.empty())
        std::abort();
    std::string written(JournalHeader);
    for (const TJournalAnswer& answer : whole.Answers)
        written += JournalLine(answer);
    if (!whole.Answers.empty() && ReadJournal("j", written, {}, Latest).Answers != whole.Answers)
        std::abort();
    const TJournalRead again = ReadJournal("j", bytes, whole.Mark, Latest);
    if (!again.Answers.empty() || !again.Problem.Empty() || again.Mark != whole.Mark)
        std::abort();
    // Read as a sync tool might deliver it: first a part, then the rest.
    const std::size_t cut = size == 0 ? 0 : data[0] % (size + 1);
    const TJournalRead first = ReadJournal("j", bytes.substr(0, cut), {}, Latest);
    const TJournalRead rest = ReadJournal("j", bytes, first.Mark, Latest);
    if (!first.Mark.Skipped && !rest.Mark.Skipped) {
        auto both = first.Answers;
        both.insert(both.end(), rest.Answers.begin(), rest.Answers.end());
        if (both != whole.Answers || rest.Mark != whole.Mark)
            std::abort();
    }
    return 0;
}
