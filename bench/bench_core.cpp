// Document figures: load, save, sort and find, beside reading and writing the same bytes.

#include "BenchFigures.h"
#include "core/FreedMemory.h"
#include "core/RecoveryCopy.h"
#include "core/SafeSave.h"
#include "core/SortKeys.h"
#include "core/VocabFile.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <random>
#include <unistd.h>

namespace {

// Heap bytes in use; unlike the resident size it is not fooled by memory freed earlier.
long long HeapBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

// Words shaped like real entries: an article, a noun, a part of speech, sometimes notes.
std::string Word(std::mt19937& random, int minLength, int maxLength)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz\xE4\xF6\xFC\xDF";
    std::uniform_int_distribution<int> length(minLength, maxLength);
    std::uniform_int_distribution<int> letter(0, static_cast<int>(sizeof letters) - 2);
    std::string word;
    const int n = length(random);
    for (int i = 0; i < n; ++i)
        word.push_back(letters[letter(random)]);
    return word;
}

// The resident size and its peak (VmRSS, VmHWM) in MB, from the kernel's view of this process.
std::pair<double, double> ResidentMb()
{
    std::ifstream status("/proc/self/status");
    double rss = 0, peak = 0;
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            rss = std::stod(line.substr(6)) / 1024.0;
        else if (line.starts_with("VmHWM:"))
            peak = std::stod(line.substr(6)) / 1024.0;
    }
    return { rss, peak };
}

void PrintResident(const char* when, int items, double fileMb, double baseMb)
{
    ReturnFreedMemory();
    const auto [rss, peak] = ResidentMb();
    std::printf("resident-%s %d: %.1f MB settled (%.1fx file above the start), peak %.1f MB\n", when, items,
        rss, (rss - baseMb) / fileMb, peak);
}

} // namespace

void GenerateList(TVocabFile& doc, int items)
{
    std::mt19937 random(42);
    static const char* const articles[] = { "der ", "die ", "das " };
    static const char* const categories[] = { "noun", "verb", "adjective", "adverb", "phrase" };
    doc.SetForeignLangID(0x0407);
    doc.SetNativeLangID(0x0409);
    doc.Reserve(static_cast<std::size_t>(items));
    for (int i = 0; i < items; ++i) {
        auto item = std::make_unique<TVocabItem>();
        const std::string article = articles[random() % 3];
        std::string word = Word(random, 3, 12);
        word[0] = static_cast<char>(word[0] >= 'a' && word[0] <= 'z' ? word[0] - 32 : word[0]);
        const std::string notes = random() % 3 == 0 ? "pl. " + Word(random, 4, 10) : "";
        item->SetFieldValues(article + word, categories[random() % 5], notes,
            Word(random, 3, 10) + "; " + Word(random, 3, 10));
        item->SortingPosition = 4;
        item->PenaltyPoints = static_cast<std::int32_t>(random() % 4) - 1;
        doc.AppendItem(std::move(item));
    }
    doc.EndBulkAppend();
}

void BenchCore(int items)
{
    const auto folder
        = std::filesystem::temp_directory_path() / ("velmoria-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "list.vmr").string();
    const std::string raw = (folder / "raw.bin").string();
    const int repeats = items >= 1000000 ? 2 : 3;

    std::string bytes;
    {
        TVocabFile doc;
        GenerateList(doc, items);
        bytes = doc.SaveToBytes();
        const double save = BestMs([&] { doc.SaveToFile(file); }, repeats);
        const double rawWrite = BestMs([&] { RawWrite(raw, bytes); }, repeats);
        PrintFigure("save", items, save, rawWrite);

        // The recovery copy: the image is made on the window's thread (the pause a user could
        // notice), the write runs on a worker; both beside the raw write of the same bytes.
        const std::string copy = (folder / "copy.recovery").string();
        const TRecoveryInfo info { file, {}, 0 };
        std::string image;
        const double build = BestMs([&] { image = BuildRecoveryImage(doc, info); }, repeats);
        const double rawImage = BestMs([&] { RawWrite(raw, image); }, repeats);
        const double write = BestMs([&] { SafeWriteFile(copy, image); }, repeats);
        PrintFigure("recovery-image", items, build, rawImage);
        PrintFigure("recovery-write", items, write, rawImage);
    }

    const double rawRead = BestMs([&] { (void)ReadWholeFile(raw).size(); }, repeats);
    const double load = BestMs(
        [&] {
            TVocabFile doc;
            doc.LoadFromFile(file);
        },
        repeats);
    PrintFigure("load", items, load, rawRead);

    {
        ReturnFreedMemory();
        const double fileMb = static_cast<double>(bytes.size()) / (1024.0 * 1024.0);
        const double baseMb = ResidentMb().first;
        const long long before = HeapBytes();
        auto doc = std::make_unique<TVocabFile>();
        doc->LoadFromFile(file);
        const long long after = HeapBytes();
        PrintResident("load", items, fileMb, baseMb);
        const double mb = static_cast<double>(after - before) / (1024.0 * 1024.0);
        std::printf("memory %d: %.1f MB, %.1fx file\n", items, mb,
            static_cast<double>(after - before) / static_cast<double>(bytes.size()));

        const double find = BestMs(
            [&] {
                TSearchParams params;
                params.Text = "xyzzy";
                params.Field = 0;
                if (doc->FindNext(params) != -1)
                    std::printf("unexpected match\n");
            },
            repeats);
        PrintFigure("find", items, find, rawRead);

        const double sort = BestMs([&] { SortByField(*doc, 0); }, 1);
        PrintFigure("sort", items, sort, rawRead);
        for (int field = 1; field < FieldCount; ++field)
            SortByField(*doc, field);
        PrintResident("sorted", items, fileMb, baseMb);
    }
    std::filesystem::remove_all(folder);
}
