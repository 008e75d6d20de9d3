#pragma once
// velmoria-cli test FILE: the test engine in a terminal, one line per answer.

#include <iosfwd>
#include <string>
#include <vector>

// Runs a test on the list named in args (the arguments after "test"), reading answers from in.
// Prompts and colours only when terminal is true. inputTerminal is the terminal descriptor the
// answers are typed on (-1 for a pipe or file): lines typed ahead of a question are discarded there.
// stopFd, when not -1, becomes readable on a stop signal: it also ends a wait for the speech service,
// and the test then ends as ":stop" ends it. Returns the exit status: 0 when the test ran (whatever
// the answers), 1 when the file cannot be read or saved, 2 for bad usage.
int RunDrill(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
    bool terminal, int inputTerminal = -1, int stopFd = -1);
// The same on standard input; terminal when out is standard output and that is a terminal.
int RunDrillCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
