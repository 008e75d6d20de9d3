#pragma once
// The figures of the benchmark program. Each prints lines of the form
// "name items: 85.2 ms, 2.7x raw": the time and its ratio to a raw baseline measured in the same run.

#include <functional>
#include <string>

void BenchCore(int items);
void BenchExchange(int items);
void BenchMatch(int items);
void BenchTesting(int items);
void BenchPrint(int items);
void BenchReview(int items);
void BenchWindow(int items);
// The history of that many answers imported, beside sqlite3 .import of the same file.
void BenchHistoryImport(int answers);
// That many answers of another machine's journal merged into a fresh history through the shared
// folder, beside reading the journal's bytes.
void BenchHistorySync(int answers);
// A deck package of 20,000 notes and 200,000 review log entries imported, beside unzip and sqlite3.
void BenchDeckImport();
// Parameters fitted to a simulated history of that many answers (with the held-out fits), and a set
// evaluated on it, beside one plain pass predicting its items.
void BenchOptimize(int answers);

class TVocabFile;
// A list of the given size shaped like real entries (the same list on every run).
void GenerateList(TVocabFile& doc, int items);

// The best of several timed runs, in milliseconds.
double BestMs(const std::function<void()>& work, int repeats);
// Writes the bytes the way the program's saves do: one write, then synced to disk.
void RawWrite(const std::string& name, const std::string& bytes);

// Prints one figure line.
void PrintFigure(const std::string& name, long long items, double ms, double rawMs);
