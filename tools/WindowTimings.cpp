// velmoria-window-timings [ITEMS [LIST]]: the window's own work per step on a generated list (a
// million items unless told) or on LIST, with a history holding a card for every item, offscreen. Each step
// is a key sent to the window followed by the idle update it schedules; the figures are medians, printed
// beside the same run's cost of one untouched idle update. Nothing here asserts anything.

#include "core/EditRules.h"
#include "core/FreedMemory.h"
#include "fakes/ScriptedDialogs.h"
#include "review/History.h"
#include "settings/MemoryStore.h"
#include "settings/Session.h"
#include "testing/TestEngine.h"
#include "ui/DueCounter.h"
#include "ui/Features.h"
#include "ui/ProgressDialog.h"
#include "ui/VocabGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

double Ms(const std::function<void()>& work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

double Median(const std::function<void()>& work, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        times.push_back(Ms(work));
        // Whatever runs between events (the due count's copy, measuring) gets its turn unmeasured.
        QCoreApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Print(const char* name, double ms, double baseMs)
{
    std::printf("%-28s %8.1f ms  (idle update alone %.1f ms)\n", name, ms, baseMs);
    std::fflush(stdout);
}

// The window's resident memory (VmRSS) beside what it may be: 60 MB and four times the list's file.
void PrintResident(const char* when, const std::string& listPath)
{
    ReturnFreedMemory();
    std::ifstream status("/proc/self/status");
    double rss = 0;
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:"))
            rss = std::stod(line.substr(6)) / 1024.0;
    const double fileMb = static_cast<double>(std::filesystem::file_size(listPath)) / (1024.0 * 1024.0);
    std::printf("resident %-19s %8.1f MB  (bound %.1f MB: 60 MB and 4x the %.1f MB file)\n", when, rss,
        60 + 4 * fileMb, fileMb);
    std::fflush(stdout);
}

// Words of a few syllables, as many distinct ones as asked.
std::string Word(int i)
{
    static const char* const Syllables[] = { "ka", "lo", "mer", "tu", "sen", "ri", "bo", "na", "vel", "dor" };
    std::string word;
    for (int n = i + 1; n > 0; n /= 10)
        word += Syllables[n % 10];
    return word;
}

// Every item answered once into the native language some days ago: most are due today.
void WriteHistory(const TVocabFile& doc, const std::string& path, TDay today)
{
    std::ostringstream csv;
    csv << "card_id,review_time,review_rating,review_state,review_duration,foreign_language,native_language,"
           "direction,word,translations,practice\n";
    const std::int64_t noon = (today * 86400 + 43200) * 1000;
    for (std::int32_t i = 0; i < doc.Count(); ++i) {
        const TCardKey key = CardKeyOf(doc, doc.Items(i), 0);
        csv << i + 1 << ',' << noon - std::int64_t { i % 12 + 1 } * 86400000 << ",3,0,2500,"
            << key.ForeignLanguage << ',' << key.NativeLanguage << ",0,\"" << key.Word << "\",\""
            << key.Translations << "\",0\n";
    }
    THistory history(path);
    std::istringstream in(csv.str());
    history.ImportCsv(in, TSchedulerParameters());
}

} // namespace

int main(int argc, char** argv)
{
    MapLargeBlocksApart();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int items = argc > 1 ? std::atoi(argv[1]) : 1000000;
    // A list of the user's own in place of the generated one (the items count is then ignored).
    const std::string given = argc > 2 ? argv[2] : "";
    const auto folder
        = std::filesystem::temp_directory_path() / ("velmoria-window-timings-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string listPath = (folder / "list.vmr").string();
    const std::string historyPath = (folder / "history.sqlite").string();
    const TDay today = LocalDay(static_cast<std::int64_t>(std::time(nullptr)));
    if (!given.empty()) {
        TVocabFile doc;
        doc.LoadFromFile(given);
        doc.SaveToFile(listPath);
        WriteHistory(doc, historyPath, today);
    } else {
        TVocabFile doc;
        doc.SetForeignLangID(0x0407);
        doc.SetNativeLangID(0x0409);
        doc.Reserve(static_cast<std::size_t>(items));
        for (int i = 0; i < items; ++i) {
            auto item = std::make_unique<TVocabItem>();
            item->SetFieldValues(Word(i), i % 5 == 0 ? "n" : "", "", Word(items - i) + " " + Word(i % 977));
            doc.AppendItem(std::move(item));
        }
        doc.EndBulkAppend();
        doc.SaveToFile(listPath);
        WriteHistory(doc, historyPath, today);
    }
    UseMessageBoxes(&ScriptedBoxes());
    {
        TMainForm form(std::make_unique<TMemorySettingsStore>());
        form.Review().SetHistoryPath(historyPath);
        form.show();
        form.activateWindow();
        if (!QTest::qWaitForWindowActive(&form))
            std::fprintf(stderr, "the window is not active: keys may go nowhere\n");
        if (!form.File().OpenFile(listPath)) {
            std::fprintf(stderr, "could not open the list\n");
            return 1;
        }
        form.SetWindowMode(wmEditing);
        QElapsedTimer shown;
        shown.start();
        form.UpdateCommandState();
        while (form.StatusPanel(6)->text().isEmpty() && shown.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        // Taken now: the idle updates measured next would count as waiting for it.
        const double dueShown = static_cast<double>(shown.nsecsElapsed()) / 1e6;
        const double idle = Median([&] { form.UpdateCommandState(); }, 21);
        Print("due count shown after", dueShown, idle);
        PrintResident("after opening", listPath);

        // Opening a long list shows a progress dialog; the window must be active again after it.
        if (QApplication::activeWindow() != &form)
            std::fprintf(stderr, "the window is not active after opening: its shortcuts go nowhere\n");
        TVocabGrid* grid = form.Grid();
        grid->setFocus();
        const auto key = [&form](QWidget* to, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
            QTest::keyClick(to, k, m);
            form.UpdateCommandState();
        };
        TVocabFile& document = form.Session().Document();
        // Each figure says how far the keys took the current row, so a key that went nowhere shows.
        const std::int32_t top = document.CurrentIndex();
        Print("Down key", Median([&] { key(grid, Qt::Key_Down); }, 31), idle);
        std::printf("  (row %d to %d)\n", top, document.CurrentIndex());
        const std::int32_t moved = document.CurrentIndex();
        Print("Ctrl+D (move down)", Median([&] { key(&form, Qt::Key_D, Qt::ControlModifier); }, 21), idle);
        std::printf("  (row %d to %d)\n", moved, document.CurrentIndex());
        const double edit = Median(
            [&] {
                TItemEditData data;
                data.FieldValues = { "neu " + std::to_string(document.Revision()), "", "", "new" };
                ReplaceCurrentItem(document, data);
                form.RefreshGrid();
                form.UpdateCommandState();
                key(grid, Qt::Key_Down);
            },
            11);
        Print("edit and the next key", edit, idle);
        Print("Sort (to the redraw)",
            Median(
                [&] {
                    form.Command("tbSort")->trigger();
                    form.UpdateCommandState();
                    grid->viewport()->repaint();
                },
                3),
            idle);
        while (form.Review().DueCounter() && form.Review().DueCounter()->Busy())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        PrintResident("after three sorts", listPath);

        // Answering keys within AnswerKeyGraceMs of a question that followed an answer are dropped:
        // the test's clock moves on a second at each look so that every key counts.
        std::int64_t clockMs = 0;
        form.Test().SetClock([&clockMs] { return clockMs += 1000; });
        // Typed right, then Return to answer and Return to go on, each figure a median of 21.
        const auto answerAndGoOn = [&](const char* what, const std::function<int()>& answers) {
            std::vector<double> answered, nexts;
            const int before = answers();
            for (int i = 0; i < 21 && form.WindowMode() == wmTesting; ++i) {
                QWidget* box = QApplication::focusWidget();
                // One key event with the whole text: key clicks know only ASCII characters.
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown,
                    QString::fromLatin1(std::string(form.Test().Engine().ExpectedAnswer()).c_str()),
                    Qt::NoModifier);
                answered.push_back(Ms([&] { key(box, Qt::Key_Return); }));
                nexts.push_back(Ms([&] { key(QApplication::focusWidget(), Qt::Key_Return); }));
                QCoreApplication::processEvents();
            }
            std::sort(answered.begin(), answered.end());
            std::sort(nexts.begin(), nexts.end());
            if (answered.empty())
                return;
            Print((std::string(what) + " answer").c_str(), answered[answered.size() / 2], idle);
            Print((std::string(what) + " next question").c_str(), nexts[nexts.size() / 2], idle);
            std::printf("  (%d answers recorded of %zu given)\n", answers() - before, answered.size());
        };

        const double review = Ms([&] { key(&form, Qt::Key_R, Qt::ControlModifier); });
        Print("Ctrl+R to the first question", review, idle);
        const bool reviewing = form.WindowMode() == wmTesting && form.Review().Queue();
        std::printf("  (%s)\n", reviewing ? "reviewing" : "no review started");
        answerAndGoOn(
            "review", [&] { return form.Review().Queue() ? form.Review().Queue()->Reviewed() : 0; });
        PrintResident("during a review", listPath);
        if (form.WindowMode() == wmTesting)
            key(QApplication::focusWidget(), Qt::Key_Escape);

        {
            // Shown once its first picture is painted; filled when the worker's figures are in it.
            QElapsedTimer clock;
            clock.start();
            TProgressDialog progress(&form, historyPath, today);
            progress.show();
            progress.repaint();
            Print("Review Progress shown", static_cast<double>(clock.nsecsElapsed()) / 1e6, idle);
            const bool filled = progress.WaitForFigures(60000);
            Print("Review Progress filled", static_cast<double>(clock.nsecsElapsed()) / 1e6, idle);
            std::printf("  (%s)\n", filled ? "figures shown" : "no figures");
        }

        const double test = Ms([&] { key(&form, Qt::Key_T, Qt::ControlModifier); });
        Print("Ctrl+T to the first question", test, idle);
        std::printf("  (%s)\n", form.WindowMode() == wmTesting ? "testing" : "no test started");
        answerAndGoOn("test", [&] { return document.Attempts(); });
    }
    std::filesystem::remove_all(folder);
    return 0;
}
