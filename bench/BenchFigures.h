#pragma once
// The figures of the benchmark program. Each prints lines of the form
// "name items: 85.2 ms, 2.7x raw": the time and its ratio to a raw baseline measured in the same run.

#include <string>

void BenchCore(int items);
void BenchExchange(int items);
void BenchMatch(int items);

// Prints one figure line.
void PrintFigure(const std::string& name, long long items, double ms, double rawMs);
