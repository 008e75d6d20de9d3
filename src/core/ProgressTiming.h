#pragma once
// When a long task shows its progress dialog: only work that lasts long enough for the dialog to be
// read shows it, and a dialog once shown stays long enough to be read instead of flashing past.

#include <cstdint>

struct TProgressTiming {
    std::int64_t ShowAfterMs = 700;
    std::int64_t KeepForMs = 400;
};

// Whether the dialog goes up elapsedMs after the work started, while the work still runs.
bool ShowProgressNow(const TProgressTiming& timing, std::int64_t elapsedMs, bool shown);
// How much longer a dialog that went up at shownAtMs (negative: none did) stays at elapsedMs, the
// work being over; 0 when it may go now.
std::int64_t ProgressKeepMs(const TProgressTiming& timing, std::int64_t elapsedMs, std::int64_t shownAtMs);
