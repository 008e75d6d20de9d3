#pragma once
// velmoria-cli: a headless companion for scripting, on the model library only.

#include <iosfwd>

// Runs one command line; returns the exit status (0 success, 1 failure or nothing found, 2 bad usage).
int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err);
