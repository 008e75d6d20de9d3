#pragma once
// velmoria-cli remind and reminder: the daily reminder of due words, shown and installed.

#include <iosfwd>

class TArguments;

// remind [--once-a-day]
int CmdRemind(const TArguments& args, std::ostream& out, std::ostream& err);
// reminder on [--at HH:MM] | reminder off
int CmdReminder(const TArguments& args, std::ostream& out, std::ostream& err);
