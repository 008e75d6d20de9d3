// Deck package figures: a package of 20,000 notes with 200,000 review log entries imported into a
// list and a fresh history, beside the system's unzip and sqlite3 reading the same rows.

#include "BenchFigures.h"
#include "core/SafeSave.h"
#include "deck/DeckImport.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <unistd.h>

namespace {

// Two cards a note, five answers a card a few days apart over the last years, a learner's mix of
// ratings, one entry in fifty a manual change.
TDeckCollection MadeDeck(int notes, int reviews)
{
    TDeckCollection deck;
    deck.DeckName = "bench";
    for (int i = 0; i < notes; ++i) {
        deck.Notes.push_back({ 1000 + i, 7,
            { "Wort " + std::to_string(i) + (i % 3 == 0 ? "<br>das Wort" : ""),
                "word <b>" + std::to_string(i) + "</b>&nbsp;; term",
                "Beispiel [sound:w" + std::to_string(i) + ".mp3]" },
            i % 2 ? "noun" : "" });
        deck.Cards.push_back({ 2 * i, 1000 + i, 0 });
        deck.Cards.push_back({ 2 * i + 1, 1000 + i, 1 });
    }
    const std::int64_t start = (std::time(nullptr) - 4 * 365 * 86400) * 1000;
    for (int i = 0; i < reviews; ++i) {
        const int card = static_cast<int>((std::int64_t { i } * 7919) % (2 * notes));
        deck.Reviews.push_back({ start + std::int64_t { i } * 600000, card,
            i % 9 == 4        ? 1
                : i % 13 == 0 ? 4
                              : 3,
            4000, i % 50 == 0 ? 4 : 1 });
    }
    return deck;
}

} // namespace

void BenchDeckImport()
{
    constexpr int Notes = 20000, Reviews = 200000;
    const auto folder
        = std::filesystem::temp_directory_path() / ("velmoria-bench-deck-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string package = (folder / "deck.apkg").string();
    try {
        SafeWriteFile(package, WriteDeckPackage(MadeDeck(Notes, Reviews), std::time(nullptr)));
        int run = 0;
        int added = 0;
        const double ms = BestMs(
            [&] {
                TVocabFile list;
                list.SetForeignLangID(0x0407);
                list.SetNativeLangID(0x0409);
                THistory history((folder / ("history" + std::to_string(run++) + ".sqlite")).string());
                TDeckImport import = MapDeck(ReadDeckPackage(ReadWholeFile(package)), 0x0407, 0x0409, {});
                added = ApplyDeckImport(import, list, &history).AddedAnswers;
            },
            3);
        const std::string db = (folder / "plain.sqlite").string();
        const std::string shell = "unzip -p '" + package + "' collection.anki2 > '" + db
            + "' && sqlite3 -batch '" + db
            + "' 'SELECT * FROM notes; SELECT * FROM cards; SELECT * FROM revlog' > /dev/null";
        int failed = 0;
        const double raw = BestMs([&] { failed |= std::system(shell.c_str()); }, 3);
        if (failed != 0)
            std::printf("  (unzip or sqlite3 failed: are the unzip and sqlite3 packages installed?)\n");
        PrintFigure("deck-import", Reviews, ms, raw);
        // Its parts, once each: the package read, mapped, and the answers merged into a fresh history.
        const std::string bytes = ReadWholeFile(package);
        TDeckCollection deck;
        TDeckImport import;
        const double read = BestMs([&] { deck = ReadDeckPackage(bytes); }, 1);
        // The processor's time too: on a busy machine the clock's time says little of the work.
        const std::clock_t cpu = std::clock();
        const double map = BestMs([&] { import = MapDeck(deck, 0x0407, 0x0409, {}); }, 1);
        const double mapCpu = 1000.0 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
        THistory history((folder / "parts.sqlite").string());
        const double merge = BestMs([&] { history.ImportAnswers(import.Answers); }, 1);
        std::printf("  (read %.1f ms, mapped %.1f ms (processor %.1f ms), answers merged %.1f ms)\n", read,
            map, mapCpu, merge);
        std::printf("  (%d notes, %d answers added; unzip and sqlite3 reading the rows %.1f ms)\n", Notes,
            added, raw);
    } catch (const std::exception& e) {
        std::printf("deck import figures failed: %s\n", e.what());
    }
    std::filesystem::remove_all(folder);
}
