// The window's model work per step: the status bar's learnt count, beside counting the items as it
// once did; the due count's copy of a list in one window slice and whole, beside the file image the
// window used to build; the cards indexed from the copy beside the copy; the due count on that copy beside
// the same count on the list; and a review from its start to the first question, beside the due count a
// worker makes of the same list.

#include "BenchFigures.h"
#include "core/VocabFile.h"
#include "review/Card.h"
#include "review/History.h"
#include "review/ReviewQueue.h"

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <unistd.h>

void BenchWindow(int items)
{
    TVocabFile doc;
    GenerateList(doc, items);
    const int repeats = items >= 1000000 ? 3 : 5;

    std::int32_t learnt = 0;
    const double walk = BestMs([&] { learnt = CountLearnt(doc.ItemList()); }, repeats);
    const double kept = BestMs([&] { learnt += doc.LearntCount(); }, repeats);
    PrintFigure("learnt-count", items, kept, walk);
    std::printf("  (%d learnt; counting them %.1f ms)\n", learnt / (repeats + 1), walk);

    const double image = BestMs([&] { (void)doc.SaveToBytes(); }, repeats);
    // The window's part: the bytes copied; the worker counts on them as they are.
    TCardTextsCopy copy(doc);
    const double whole = BestMs(
        [&] {
            copy = TCardTextsCopy(doc);
            copy.Step(doc, static_cast<std::size_t>(items));
        },
        repeats);
    PrintFigure("due-copy-window", items, whole, image);
    // The worker's first step: the copy's cards hashed and put in the history's order.
    const double indexed = BestMs([&] { const TCardIndex cards(TCardTexts(copy), 0); }, repeats);
    PrintFigure("due-card-index", items, indexed, whole);

    const auto folder
        = std::filesystem::temp_directory_path() / ("velmoria-bench-window-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    try {
        const std::string path = (folder / "history.sqlite").string();
        const TDay today = 20000;
        const TSchedulerParameters p;
        {
            // Every second item answered once some days ago: due today or new.
            std::ostringstream csv;
            csv << "card_id,review_time,review_rating,review_state,review_duration,foreign_language,"
                   "native_language,direction,word,translations,practice\n";
            for (std::int32_t i = 0; i < doc.Count(); i += 2) {
                const TCardKey key = CardKeyOf(doc, doc.Items(i), 0);
                csv << i + 1 << ',' << (today * 86400 - (i % 12 + 1) * 86400) * 1000 << ",3,0,2500,"
                    << key.ForeignLanguage << ',' << key.NativeLanguage << ",0,\"" << key.Word << "\",\""
                    << key.Translations << "\",0\n";
            }
            THistory history(path);
            std::istringstream in(csv.str());
            history.ImportCsv(in, p);
        }
        THistory history(path);
        const double count = BestMs([&] { CountDue(doc, history, 0, today, 20, p); }, repeats);
        const double counted = BestMs([&] { CountDue(copy, history, 0, today, 20, p); }, repeats);
        PrintFigure("due-count-copy", items, counted, count);
        const double start = BestMs(
            [&] {
                TReviewQueue queue(doc, history, 0, today, 20, p);
                (void)queue.NextIndex();
            },
            repeats);
        PrintFigure("review-start", items, start, count);
    } catch (const std::exception& e) {
        std::printf("window figures failed: %s\n", e.what());
    }
    std::filesystem::remove_all(folder);
}
