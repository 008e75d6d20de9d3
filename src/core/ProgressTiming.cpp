#include "core/ProgressTiming.h"

#include <algorithm>

bool ShowProgressNow(const TProgressTiming& timing, std::int64_t elapsedMs, bool shown)
{
    return !shown && elapsedMs >= timing.ShowAfterMs;
}

std::int64_t ProgressKeepMs(const TProgressTiming& timing, std::int64_t elapsedMs, std::int64_t shownAtMs)
{
    if (shownAtMs < 0)
        return 0;
    return std::max<std::int64_t>(0, shownAtMs + timing.KeepForMs - elapsedMs);
}
