#pragma once
// How a list's rows changed, for whatever a view keeps per row.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Rows an operation replaced: the Removed rows from First became Added rows, and the rows after
// them moved by Added - Removed. Or a move: the row First went to MovedTo, the rows between moving
// up or down by one.
struct TRowChange {
    std::int32_t First = 0, Removed = 0, Added = 0;
    std::int32_t MovedTo = -1;
    bool operator==(const TRowChange&) const = default;
};

// Moves values kept per row along with their rows; a replaced row's value starts anew (T {}).
// False, with rows left as they were, when the changes do not fit them.
template <class T> bool FollowRowChanges(std::vector<T>& rows, std::span<const TRowChange> changes)
{
    std::size_t size = rows.size();
    for (const TRowChange& c : changes) {
        if (c.First < 0 || c.Removed < 0 || c.Added < 0
            || static_cast<std::size_t>(c.First) + static_cast<std::size_t>(c.Removed) > size
            || (c.MovedTo >= 0
                && (static_cast<std::size_t>(std::max(c.First, c.MovedTo)) >= size
                    || c.Removed + c.Added > 0)))
            return false;
        size = size - static_cast<std::size_t>(c.Removed) + static_cast<std::size_t>(c.Added);
    }
    for (const TRowChange& c : changes) {
        if (c.MovedTo >= 0) {
            const auto first = rows.begin();
            if (c.First < c.MovedTo)
                std::rotate(first + c.First, first + c.First + 1, first + c.MovedTo + 1);
            else
                std::rotate(first + c.MovedTo, first + c.First, first + c.First + 1);
            continue;
        }
        const auto first = rows.begin() + c.First;
        const std::int32_t kept = c.Removed < c.Added ? c.Removed : c.Added;
        std::fill_n(first, kept, T {});
        rows.erase(first + kept, first + c.Removed);
        rows.insert(rows.begin() + c.First + kept, static_cast<std::size_t>(c.Added - kept), T {});
    }
    return true;
}
