// A shared history's journal or changes file on arbitrary bytes: nothing crashes, what is read writes back
// the same, a file read in two goes gives what one reading gives, and a file read to its mark gives nothing
// more and tells nothing again.

#include "review/HistoryJournal.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(std::string_view name, std::string_view bytes, std::size_t cut)
{
    constexpr std::int64_t Latest = 4102444800000; // 2100
    const TJournalRead whole = ReadJournal(name, bytes, {}, Latest);
    if (whole.Mark.Read > bytes.size() || whole.Mark.Skipped == whole.Problem.Empty())
        std::abort();
    if (whole.Mark.Skipped && !(whole.Answers.empty() && whole.Changes.empty()))
        std::abort();
    const bool changes = name.ends_with(ChangesExtension);
    if ((changes && !whole.Answers.empty()) || (!changes && !whole.Changes.empty()))
        std::abort();
    std::string written(changes ? ChangesHeader : JournalHeader);
    for (const TJournalAnswer& answer : whole.Answers)
        written += JournalLine(answer);
    for (const TJournalChange& change : whole.Changes)
        written += ChangeLine(change);
    const TJournalRead back = ReadJournal(name, written, {}, Latest);
    if (back.Answers != whole.Answers || back.Changes != whole.Changes)
        std::abort();
    const TJournalRead again = ReadJournal(name, bytes, whole.Mark, Latest);
    if (!again.Answers.empty() || !again.Changes.empty() || !again.Problem.Empty()
        || again.Mark != whole.Mark)
        std::abort();
    // Read as a sync tool might deliver it: first a part, then the rest.
    const TJournalRead first = ReadJournal(name, bytes.substr(0, cut), {}, Latest);
    const TJournalRead rest = ReadJournal(name, bytes, first.Mark, Latest);
    if (!first.Mark.Skipped && !rest.Mark.Skipped) {
        auto both = first.Answers;
        both.insert(both.end(), rest.Answers.begin(), rest.Answers.end());
        auto bothChanges = first.Changes;
        bothChanges.insert(bothChanges.end(), rest.Changes.begin(), rest.Changes.end());
        if (both != whole.Answers || bothChanges != whole.Changes || rest.Mark != whole.Mark)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = size == 0 ? 0 : data[0] % (size + 1);
    Check("j.vmjournal", bytes, cut);
    Check("j.vmchanges", bytes, cut);
    return 0;
}
