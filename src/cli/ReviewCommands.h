#pragma once
// velmoria-cli due and history: the review history from the shell.

#include "evaluation/Languages.h"
#include "review/ReviewQueue.h"
#include "review/Scheduler.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

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

// A list the window opened lately, with its due count.
struct TListDue {
    std::string FileName;
    LangId Foreign = 0;
    LangId Native = 0;
    TDueCounts Counts;
};
// The due counts of the window's recent lists, most recent first, counted as the window counts
// them: in its test direction, with its new words per day and retention, unless the options say
// otherwise. A list that cannot be read is told of on err and left out.
std::vector<TListDue> RecentListsDue(const TArguments& args, std::ostream& err);

// due FILE [--into native|foreign] [--today YYYY-MM-DD] [--new-per-day N] [--list]
// due --all [--into native|foreign] [--today YYYY-MM-DD] [--new-per-day N]
int CmdDue(const TArguments& args, std::ostream& out, std::ostream& err);
// history export OUT.csv | history import IN.csv [--retention R] | history optimize [--apply]
// [--pair LANG-LANG] | history evaluate [--parameters "w0,...,w20"] | history reset-parameters
int CmdHistory(const TArguments& args, std::ostream& out, std::ostream& err);
