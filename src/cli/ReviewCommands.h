#pragma once
// velmoria-cli due and history: the review history from the shell.

#include "review/Scheduler.h"

#include <cstdint>
#include <iosfwd>

class TArguments;
class THistory;

// --today YYYY-MM-DD, or the local date now.
TDay TodayOption(const TArguments& args);
// --into native|foreign (default native) as the test's direction: 0 into native, 1 into foreign.
std::uint8_t DirectionOption(const TArguments& args);
// --retention R (0.70..0.97, default 0.90).
TSchedulerParameters SchedulerOptions(const TArguments& args);
// --new-per-day N (0..9999, default 20).
int NewPerDayOption(const TArguments& args);

// What opening the history did that the user should know of, on err.
void TellNotice(const THistory& history, std::ostream& err);

// due FILE [--into native|foreign] [--today YYYY-MM-DD] [--new-per-day N] [--list]
int CmdDue(const TArguments& args, std::ostream& out, std::ostream& err);
// history export OUT.csv | history import IN.csv [--retention R]
int CmdHistory(const TArguments& args, std::ostream& out, std::ostream& err);
