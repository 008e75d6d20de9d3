#pragma once
// Runs a check in a forked child (to change limits or identity without touching the test
// process) and returns the text it wrote back.

#include <functional>
#include <string>

std::string InChildProcess(const std::function<std::string()>& check);
