#pragma once
// velmoria-cli run in-process on its arguments, with what it printed on each stream.

#include "cli/Cli.h"
#include "cli/Drill.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

struct TCliResult {
    int Status;
    std::string Out;
    std::string Err;
    std::vector<std::string> Lines; // of Out; filled by Drill only
};

inline TCliResult Cli(std::vector<std::string> args)
{
    args.insert(args.begin(), "velmoria-cli");
    std::vector<char*> argv;
    for (auto& s : args)
        argv.push_back(s.data());
    std::ostringstream out, err;
    const int status = RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return { status, out.str(), err.str(), {} };
}

// Runs a command that has to succeed and returns what it printed.
inline std::string Ok(const std::vector<std::string>& args)
{
    const TCliResult r = Cli(args);
    EXPECT_EQ(r.Status, 0) << r.Err;
    return r.Out;
}

// The terminal drill on its arguments with the given input, its output also cut into lines.
inline TCliResult Drill(
    const std::vector<std::string>& args, const std::string& input = "", bool terminal = false)
{
    std::istringstream in(input);
    std::ostringstream out, err;
    TCliResult run { RunDrill(args, in, out, err, terminal), out.str(), err.str(), {} };
    std::istringstream lines(run.Out);
    for (std::string line; std::getline(lines, line);)
        run.Lines.push_back(line);
    return run;
}

// Runs a command that has to fail with the status and a message on standard error holding part.
inline void FailsWith(int status, const std::vector<std::string>& args, std::string_view part)
{
    const TCliResult r = Cli(args);
    EXPECT_EQ(r.Status, status) << r.Err;
    EXPECT_NE(r.Err.find(part), std::string::npos) << r.Err;
}
