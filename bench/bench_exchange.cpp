// Exchange figures: delimited-text and KVTML import and export, beside reading and writing the same
// bytes.

#include "BenchFigures.h"
#include "core/SafeSave.h"
#include "core/VocabFile.h"
#include "exchange/Export.h"
#include "exchange/Kvtml.h"
#include "exchange/TextImport.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <malloc.h>
#include <random>
#include <unistd.h>

namespace {

// German words with umlauts now and then, English translations, some notes with commas.
std::string Letters(std::mt19937& random, int minLength, int maxLength, bool accents)
{
    static const char plain[] = "abcdefghijklmnopqrstuvwxyz";
    static const char accented[] = "\xE4\xF6\xFC\xDF";
    std::uniform_int_distribution<int> length(minLength, maxLength);
    std::string word;
    const int n = length(random);
    for (int i = 0; i < n; ++i) {
        if (accents && random() % 20 == 0)
            word.push_back(accented[random() % 4]);
        else
            word.push_back(plain[random() % 26]);
    }
    return word;
}

void Generate(TVocabFile& document, int items)
{
    std::mt19937 random(7);
    static const char* const categories[] = { "noun", "verb", "adjective", "adverb", "phrase" };
    document.SetForeignLangID(0x0407);
    document.SetNativeLangID(0x0409);
    document.Reserve(static_cast<std::size_t>(items));
    for (int i = 0; i < items; ++i) {
        auto item = std::make_unique<TVocabItem>();
        const std::string notes = random() % 4 == 0 ? "pl. " + Letters(random, 4, 10, true) + ", rare" : "";
        item->SetFieldValues(Letters(random, 3, 14, true), categories[random() % 5], notes,
            Letters(random, 3, 10, false) + ", " + Letters(random, 3, 10, false));
        document.AppendItem(std::move(item));
    }
    document.EndBulkAppend();
}

// The same way the exports write: one write, then synced to disk.

void BenchFormat(const TVocabFile& source, const std::filesystem::path& folder, TTextFormat format,
    const std::string& label, int items)
{
    const int repeats = items >= 1000000 ? 3 : 5;
    const std::string file = (folder / ("list-" + label + ".txt")).string();
    const std::string raw = (folder / ("raw-" + label + ".bin")).string();
    const std::string bytes = ExportTextBytes(source, format);

    const double rawWrite = BestMs([&] { RawWrite(raw, bytes); }, repeats);
    const double exportMs = BestMs([&] { ExportText(source, file, format); }, repeats);
    PrintFigure("export-" + label, items, exportMs, rawWrite);

    const double rawRead = BestMs([&] { (void)ReadWholeFile(file).size(); }, repeats);
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        // The document is made and freed outside the measured time, and the heap tidied after the
        // last one, so no import pays for freeing its predecessor's million items.
        ::malloc_trim(0);
        TVocabFile target;
        target.SetForeignLangID(source.ForeignLangID());
        target.SetNativeLangID(source.NativeLangID());
        const auto start = std::chrono::steady_clock::now();
        const TImportResult result = ImportText(target, file, format, { 1, 2, 3, 4 }, 1);
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
        if (result.Added != items)
            std::printf("import-%s added %d of %d items\n", label.c_str(), result.Added, items);
    }
    PrintFigure("import-" + label, items, best, rawRead);
}

// A KVTML file's import is its reading (XML parsed as a stream) and the items made from it.
void BenchKvtml(const TVocabFile& source, const std::filesystem::path& folder, int items)
{
    const int repeats = items >= 1000000 ? 3 : 5;
    const std::string file = (folder / "list.kvtml").string();
    const std::string raw = (folder / "raw-kvtml.bin").string();
    const std::string bytes = ExportKvtmlBytes(source, file);
    const double rawWrite = BestMs([&] { RawWrite(raw, bytes); }, repeats);
    const double exportMs = BestMs([&] { ExportKvtml(source, file); }, repeats);
    PrintFigure("export-kvtml", items, exportMs, rawWrite);

    const double rawRead = BestMs([&] { (void)ReadWholeFile(file).size(); }, repeats);
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        ::malloc_trim(0);
        TVocabFile target;
        target.SetForeignLangID(source.ForeignLangID());
        target.SetNativeLangID(source.NativeLangID());
        const auto start = std::chrono::steady_clock::now();
        const TKvtmlImport result = ImportKvtml(target, ReadKvtml(ReadWholeFile(file)), {});
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
        if (result.Result.Added != items)
            std::printf("import-kvtml added %d of %d items\n", result.Result.Added, items);
    }
    PrintFigure("import-kvtml", items, best, rawRead);
}

} // namespace

void BenchExchange(int items)
{
    const auto folder
        = std::filesystem::temp_directory_path() / ("velmoria-bench-exchange-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    {
        TVocabFile source;
        Generate(source, items);
        BenchFormat(source, folder, tfUtf8Comma, "utf8", items);
        BenchFormat(source, folder, tfUnicodeComma, "utf16", items);
        BenchKvtml(source, folder, items);
    }
    std::filesystem::remove_all(folder);
}
