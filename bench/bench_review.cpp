// Review figures: the due counts of a list against a history holding a card for each item, beside
// reading the history's bytes; one answer committed with its sync, beside a raw synced write; a
// history imported, beside SQLite's own shell importing the same file into a plain table; parameters
// fitted to a history (and evaluated), beside one plain pass predicting its items.

#include "BenchFigures.h"
#include "core/SafeSave.h"
#include "core/VocabFile.h"
#include "review/Card.h"
#include "review/History.h"
#include "review/HistoryJournal.h"
#include "review/Optimizer.h"
#include "review/ReviewQueue.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

// One answer for every item into the native language, spread over the last 12 days with a
// learner's mix of ratings: most cards are due today, so sorting them by recall is part of the
// figure. The other direction fills the history up to a million answers, a few days apart, as
// years of reviews would.
std::string HistoryCsv(const TVocabFile& doc, TDay today, int answers)
{
    std::ostringstream csv;
    csv << "card_id,review_time,review_rating,review_state,review_duration,foreign_language,native_language,"
           "direction,word,translations,practice\n";
    const std::int64_t noon = (today * 86400 + 43200) * 1000;
    const int more = std::max(0, answers - doc.Count());
    const int perCard = doc.Count() > 0 ? (more + doc.Count() - 1) / doc.Count() : 0;
    int written = 0;
    for (std::int32_t i = 0; i < doc.Count(); ++i) {
        const TCardKey key = CardKeyOf(doc, doc.Items(i), 0);
        // Moduli without a common factor, so that every rating meets every age.
        const int rating = i % 11 == 0 ? 1 : i % 11 == 1 ? 2 : i % 11 == 10 ? 4 : 3;
        csv << i + 1 << ',' << noon - std::int64_t { i % 12 + 1 } * 86400000 << ',' << rating << ",0,2500,"
            << key.ForeignLanguage << ',' << key.NativeLanguage << ",0," << Quoted(key.Word) << ','
            << Quoted(key.Translations) << ",0\n";
        const TCardKey other = CardKeyOf(doc, doc.Items(i), 1);
        for (int j = 0; j < perCard && written < more; ++j, ++written)
            csv << doc.Count() + written + 1 << ','
                << noon - std::int64_t { (perCard - j) * 3 + i % 7 } * 86400000 << ',' << (j % 9 == 4 ? 1 : 3)
                << ",0,2500," << other.ForeignLanguage << ',' << other.NativeLanguage << ",1,"
                << Quoted(other.Word) << ',' << Quoted(other.Translations) << ",0\n";
    }
    return csv.str();
}

// An export of some years of reviews: a card every 20 answers, in time order as the export writes
// them, so that each card's answers are spread over the whole file.
void WriteExport(const std::string& name, int answers)
{
    std::ofstream csv(name);
    csv << "card_id,review_time,review_rating,review_state,review_duration,foreign_language,native_language,"
           "direction,word,translations,practice\n";
    const int cards = std::max(1, answers / 20);
    const std::int64_t start = 1400000000000; // 2014, and 9.5 years on
    for (int i = 0; i < answers; ++i) {
        const int card = static_cast<int>((std::int64_t { i } * 7919) % cards);
        csv << card + 1 << ',' << start + std::int64_t { i } * 300000 << ',' << (i % 9 == 4 ? 1 : 3)
            << ",2,2500,7,9," << card % 2 << ",word " << card << ",translation " << card << ",0\n";
    }
}

} // namespace

void BenchHistoryImport(int answers)
{
    const auto folder
        = std::filesystem::temp_directory_path() / ("velmoria-bench-import-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string csv = (folder / "answers.csv").string();
    try {
        WriteExport(csv, answers);
        // A fresh history each time: a second import of the same file adds nothing.
        int run = 0;
        const double ms = BestMs(
            [&] {
                THistory history((folder / ("history" + std::to_string(run++) + ".sqlite")).string());
                std::ifstream in(csv);
                history.ImportCsv(in);
            },
            answers >= 1000000 ? 1 : 3);
        const std::string shell = "sqlite3 -batch '" + (folder / "plain.sqlite").string()
            + "' '.import --csv " + csv + " answers' && rm -f '" + (folder / "plain.sqlite").string() + "'";
        int failed = 0;
        const double raw = BestMs([&] { failed |= std::system(shell.c_str()); }, answers >= 1000000 ? 1 : 3);
        if (failed != 0)
            std::printf("  (sqlite3 failed: is the sqlite3 package installed?)\n");
        PrintFigure("history-import", answers, ms, raw);
        THistory history((folder / "history0.sqlite").string());
        std::ostringstream out;
        const double exported = BestMs([&] { history.ExportCsv(out); }, 1);
        std::printf("  (sqlite3 .import %.1f ms; export %.1f ms, a history of %.1f MB)\n", raw, exported,
            static_cast<double>(std::filesystem::file_size(folder / "history0.sqlite")) / 1e6);
    } catch (const std::exception& e) {
        std::printf("history import figures failed: %s\n", e.what());
    }
    std::filesystem::remove_all(folder);
}

void BenchHistorySync(int answers)
{
    const auto folder
        = std::filesystem::temp_directory_path() / ("velmoria-bench-sync-" + std::to_string(::getpid()));
    const auto shared = folder / "shared";
    std::filesystem::create_directories(shared);
    try {
        // Another machine's journal of some years, a card every 20 answers, as WriteExport's.
        const std::string device = DeviceIdOf(0xbe7c4);
        const std::string journal = (shared / JournalName(device, 1700000000000)).string();
        {
            std::string bytes(JournalHeader);
            const int cards = std::max(1, answers / 20);
            for (int i = 0; i < answers; ++i) {
                const int card = static_cast<int>((std::int64_t { i } * 7919) % cards);
                const std::int64_t ms = 1400000000000 + std::int64_t { i } * 300000;
                bytes += JournalLine({ JournalAnswerId(device, i + 1, ms),
                    { 7, 9, "word " + std::to_string(card), "translation " + std::to_string(card),
                        static_cast<std::uint8_t>(card % 2) },
                    ms, 2500, i % 9 == 4 ? 1 : 3, false });
            }
            RawWrite(journal, bytes);
        }
        const std::int64_t now = 1900000000000;
        int run = 0;
        std::int64_t merged = 0;
        const double ms = BestMs(
            [&] {
                THistory history((folder / ("history" + std::to_string(run++) + ".sqlite")).string());
                merged = history.ShareThrough(shared.string(), {}, now).Merged;
            },
            answers >= 1000000 ? 1 : 3);
        std::size_t lines = 0;
        const double raw = BestMs(
            [&] {
                std::ifstream in(journal, std::ios::binary);
                const std::string bytes(
                    (std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
                lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
            },
            3);
        std::size_t parsed = 0;
        const double read = BestMs(
            [&] {
                std::ifstream in(journal, std::ios::binary);
                const std::string bytes(
                    (std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
                parsed = ReadJournal("bench", bytes, {}, now).Answers.size();
            },
            3);
        PrintFigure("history-sync-merge", answers, ms, raw);
        std::printf("  (%lld merged of %zu lines; the journal parsed alone %.1f ms, %.1f MB)\n",
            static_cast<long long>(merged), parsed, read,
            static_cast<double>(std::filesystem::file_size(journal)) / 1e6);
        if (merged != answers || lines != static_cast<std::size_t>(answers) + 1)
            std::printf("  (the merge lost answers: %lld of %d)\n", static_cast<long long>(merged), answers);
    } catch (const std::exception& e) {
        std::printf("history sync figures failed: %s\n", e.what());
    }
    std::filesystem::remove_all(folder);
}

// The history of a learner of some years, whatever the size of the list.
constexpr int HistoryAnswers = 1000000;

void BenchReview(int items)
{
    const auto folder
        = std::filesystem::temp_directory_path() / ("velmoria-bench-review-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "history.sqlite").string();
    const TDay today = 20000;
    const TSchedulerParameters p;
    const int repeats = items >= 1000000 ? 3 : 5;
    try {
        TVocabFile doc;
        GenerateList(doc, items);
        {
            THistory history(path);
            std::istringstream csv(HistoryCsv(doc, today, std::max(items, HistoryAnswers)));
            history.ImportCsv(csv, p);
        }
        THistory history(path);
        TDueCounts counts;
        const double count = BestMs([&] { counts = CountDue(doc, history, 0, today, 20, p); }, repeats);
        std::size_t bytes = 0;
        const double read = BestMs([&] { bytes = ReadWholeFile(path).size(); }, repeats);
        PrintFigure("due-count", items, count, read);
        // The window counts both directions for its status bar.
        const double both = BestMs(
            [&] {
                for (std::uint8_t d = 0; d < 2; ++d)
                    CountDue(doc, history, d, today, 20, p);
            },
            repeats);
        PrintFigure("due-count-both", items, both, read);
        // Where the time goes: the list's cards hashed and put in the history's order, and their
        // memories read from the history.
        const double keyed = BestMs([&] { const TCardIndex index(doc, 0); }, repeats);
        const TCardIndex index(doc, 0);
        const double looked = BestMs([&] { history.KeyMemories(index, true); }, repeats);
        std::printf("  (%d due, %d new, a history of %.1f MB; cards %.1f ms, memories %.1f ms)\n", counts.Due,
            counts.New, bytes / 1e6, keyed, looked);

        // The answers of a session: a different card each time, as a learner gives them. The best
        // of the runs is the figure; the median says how a disk that is busy does.
        int next = 0;
        std::vector<double> writes;
        for (int i = 0; i < 31; ++i)
            writes.push_back(BestMs(
                [&] {
                    const TCardKey key = CardKeyOf(doc, doc.Items(next++ % doc.Count()), 1);
                    history.RecordAnswer(key, true, false, (today * 86400 + 50000) * 1000, 2000, p, false);
                },
                1));
        const std::string record(64, 'r');
        const std::string raw = (folder / "raw.bin").string();
        const double rawWrite = BestMs([&] { RawWrite(raw, record); }, 31);

        // A review's step from a verdict to the next question: the answer committed, the card put
        // back when wrong, the next card drawn. Every fourth answer wrong.
        TReviewQueue queue(doc, history, 0, today, 20, p);
        std::vector<double> steps;
        int asked = queue.NextIndex();
        for (int i = 0; i < 41 && asked >= 0; ++i) {
            steps.push_back(BestMs(
                [&] {
                    queue.Answered(asked, i % 4 != 3, false, (today * 86400 + 50000) * 1000 + i, 2000);
                    asked = queue.NextIndex();
                },
                1));
        }
        std::sort(steps.begin(), steps.end());
        if (!steps.empty()) {
            PrintFigure("review-step", items, steps[steps.size() / 2], rawWrite);
            std::printf("  (a history of %lld answers; fastest %.1f ms, slowest %.1f ms of %zu steps)\n",
                static_cast<long long>(history.AnswerCount()), steps.front(), steps.back(), steps.size());
        }
        std::sort(writes.begin(), writes.end());
        PrintFigure("review-write", 1, writes.front(), rawWrite);
        std::printf("  (median %.1f ms, slowest %.1f ms of %zu answers)\n", writes[writes.size() / 2],
            writes.back(), writes.size());
    } catch (const std::exception& e) {
        std::printf("review figures failed: %s\n", e.what());
    }
    std::filesystem::remove_all(folder);
}

namespace {

// A learner reviewing cards when they are due (a day or two late at times), remembering a little
// better than the published parameters predict: a year and more of answers.
std::vector<TOptimizerAnswer> SimulatedAnswers(int answers)
{
    std::mt19937_64 random(33);
    std::uniform_real_distribution<double> chance(0, 1);
    TSchedulerParameters truth;
    truth.W[20] = 0.3;
    std::vector<TOptimizerAnswer> made;
    const int cards = std::max(1, answers / 12);
    for (int card = 1; card <= cards && static_cast<int>(made.size()) < answers; ++card) {
        TMemory memory;
        TDay day = card % 400;
        for (int k = 0; k < 12 && static_cast<int>(made.size()) < answers; ++k) {
            const double r = k == 0 ? 0 : Retrievability(memory, day, truth);
            const double x = chance(random);
            const TRating rating = k == 0 ? static_cast<TRating>(1 + card % 4)
                : x > r                   ? TRating::Again
                : x > 0.9 * r             ? TRating::Hard
                                          : TRating::Good;
            made.push_back({ card, (day * 86400 + 43200) * 1000 + k, day, rating });
            memory = ScheduleAnswer(memory, rating, day, {});
            day = memory.Due + static_cast<TDay>(chance(random) * 3);
        }
    }
    return made;
}

} // namespace

void BenchOptimize(int answers)
{
    const auto made = SimulatedAnswers(answers);
    const auto items = TrainingItems(made);
    // The baseline: one plain pass predicting every item with the published set.
    double sum = 0;
    const double plain = BestMs(
        [&] {
            for (const auto& item : items)
                sum += PredictedRecall(item, DefaultWeights);
        },
        3);
    std::optional<TOptimizeReport> report;
    const double optimize = BestMs([&] { report = Optimize(made, DefaultWeights); }, 1);
    PrintFigure("optimize", static_cast<long long>(made.size()), optimize, plain);
    const double evaluate = BestMs([&] { Evaluate(items, report->Fit.W); }, 3);
    PrintFigure("evaluate", static_cast<long long>(made.size()), evaluate, plain);
    if (report->Before && report->After && report->HeldOut)
        std::printf("  items %zu, log-loss %.4f -> %.4f, held out %.4f -> %.4f%s\n", report->Items,
            report->Before->LogLoss, report->After->LogLoss, report->HeldOut->Current.LogLoss,
            report->HeldOut->Fitted.LogLoss, sum > 0 ? "" : " ");
}
