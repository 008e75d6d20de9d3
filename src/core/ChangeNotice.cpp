#include "core/ChangeNotice.h"

#include <algorithm>

std::uint32_t TChangeNotice::Subscribe(std::uint32_t mask, TListener listener)
{
    Entries_.push_back(std::make_shared<TEntry>(TEntry { ++NextId_, mask, std::move(listener) }));
    return NextId_;
}

void TChangeNotice::Unsubscribe(std::uint32_t id)
{
    std::erase_if(Entries_, [id](const auto& entry) { return entry->Id == id; });
}

void TChangeNotice::Notify(std::uint32_t changes)
{
    // A snapshot: a listener that leaves is not called afterwards, one that joins waits for the next change.
    const auto entries = Entries_;
    for (const auto& entry : entries) {
        if ((entry->Mask & changes) == 0)
            continue;
        const bool present = std::any_of(
            Entries_.begin(), Entries_.end(), [&entry](const auto& kept) { return kept == entry; });
        if (present)
            entry->Listener(changes);
    }
}
