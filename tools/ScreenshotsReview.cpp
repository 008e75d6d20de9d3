// Pictures of the reviews over days: the progress window with an empty history, ten answers, a year
// of answers and a million (while it reads and once it has), the Reviews options page, the due count in the
// status bar and the welcome dialog, and a review session from its first question to its closing message.

#include "ScreenshotFiles.h"
#include "fakes/ScriptedDialogs.h"
#include "review/ReviewProgress.h"
#include "support/ReviewYear.h"
#include "testing/TestEngine.h"
#include "ui/DueCounter.h"
#include "ui/Features.h"
#include "ui/OptionsDialog.h"
#include "ui/OptionsReviewsPage.h"
#include "ui/ProgressDialog.h"
#include "ui/SymbolEdit.h"
#include "ui/TestPanel.h"
#include "ui/WelcomeDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <sstream>

namespace {

void SaveProgress(TMainForm& form, const QString& folder, TDay today, const char* name)
{
    const TReviewProgress progress = ReadReviewProgress(*form.Review().History(), today);
    TProgressDialog dialog(&form, progress);
    dialog.resize(860, 600);
    SaveWidget(&dialog, folder, name);
}

// The progress window as the menu opens it: read by its worker from the history at path. The
// picture while it reads is taken too when reading is given a name.
void SaveProgressRead(TMainForm& form, const QString& folder, const std::string& path, TDay today,
    const char* name, const char* reading = nullptr)
{
    QElapsedTimer opened;
    opened.start();
    TProgressDialog dialog(&form, path, today);
    dialog.resize(860, 600);
    dialog.show();
    SettleEvents();
    std::printf("%s: shown after %lld ms\n", name, static_cast<long long>(opened.elapsed()));
    if (reading)
        SaveWidget(&dialog, folder, reading);
    if (!dialog.WaitForFigures(600000))
        std::fprintf(stderr, "%s: the history was not read\n", name);
    std::printf("%s: read after %lld ms\n", name, static_cast<long long>(opened.elapsed()));
    SaveWidget(&dialog, folder, name);
}

// A learner of years with a huge list: a million answers, half a million cards answered twice
// between 80 and 40 days ago, the second time wrong, so all of them are due today.
void FillMillion(const std::string& path, const TVocabFile& document, TDay today)
{
    std::ostringstream csv;
    csv << "card_id,review_time,review_rating,review_state,review_duration,foreign_language,native_language,"
           "direction,word,translations,practice\n";
    const TCardKey model = CardKeyOf(document, document.Items(0), 0);
    constexpr int Cards = 500000;
    for (int card = 0; card < Cards; ++card) {
        const TDay first = today - 80 + card % 20;
        for (int answer = 0; answer < 2; ++answer)
            csv << card + 1 << ',' << OnDay(std::int64_t { 12 } * 3600 * 1000, first + 20 * answer) << ','
                << (answer == 0 ? 3 : 1) << ",0,3000," << model.ForeignLanguage << ',' << model.NativeLanguage
                << ",0,word " << card << ",meaning " << card << ",0\n";
    }
    THistory history(path);
    std::istringstream in(csv.str());
    std::printf("a million: %d answers imported\n", history.ImportCsv(in));
}

// Answers the question on screen, right or wrong, typed.
void Answer(TMainForm& form, bool right)
{
    TTestPanel* panel = form.TestPanel();
    const std::string expected(form.Test().Engine().ExpectedAnswer());
    panel->edtResponse->SetBytes(right ? expected : std::string("xyz"));
    panel->EnterCommand();
}

} // namespace

void SaveReviewPictures(TMainForm& form, const QString& folder)
{
    const TDay today = LocalDay(static_cast<std::int64_t>(std::time(nullptr)));
    THistory* history = form.Review().History();
    if (!history) {
        std::fprintf(stderr, "no review history\n");
        return;
    }
    SaveProgress(form, folder, today, "90-progress-empty");
    // Histories of their own beside the window's: ten answers over the last days, and a million.
    const QTemporaryDir others;
    const TVocabFile& document = form.Session().Document();
    {
        const std::string ten = (others.path() + QStringLiteral("/ten.sqlite")).toStdString();
        {
            THistory few(ten);
            for (int i = 0; i < 10; ++i)
                few.RecordAnswer(CardKeyOf(document, document.Items(i % document.Count()), 0), i % 4 != 3,
                    false, OnDay(std::int64_t { 9 } * 3600 * 1000, today - 9 + i), 3000, {}, false);
        }
        SaveProgressRead(form, folder, ten, today, "90b-progress-ten");
    }
    {
        TSettings& settings = form.Session().Settings;
        const TOptionsTarget target { &settings.Options, &settings.SoundFileRight, &settings.SoundFileWrong,
            0, nullptr, nullptr, {}, &settings.Reviews };
        TOptionsDialog dialog(&form, target);
        dialog.pcOptions->setCurrentWidget(dialog.tsReviews);
        SaveWidget(&dialog, folder, "91-options-reviews");
    }

    // Back after three days off: a few words are due.
    const int answers = FillReviewYear(*history, form.Session().Document(), today - 3);
    std::printf("a year of %d answers\n", answers);
    form.WindowState().TestMode = 0;
    form.SetWindowMode(wmEditing);
    form.Review().HistoryChanged();
    form.UpdateCommandState();
    if (form.Review().DueCounter())
        form.Review().DueCounter()->WaitForAnswer(5000);
    form.UpdateCommandState();
    SaveWidget(form.statusBar(), folder, "92-status-bar-due");
    SaveProgressRead(form, folder, history->Path(), today, "93-progress-year");
    {
        const std::string million = (others.path() + QStringLiteral("/million.sqlite")).toStdString();
        FillMillion(million, document, today);
        SaveProgressRead(
            form, folder, million, today, "93c-progress-million", "93b-progress-million-reading");
    }
    {
        TWelcomeData data;
        data.RecentFiles = &form.RecentFiles();
        data.Due = TDueQuestion { history->Path(), 0, today, 20, {} };
        TWelcomeDialog dialog(&form, data);
        for (TDueCounter* counter : dialog.DueCounters())
            if (counter)
                counter->WaitForAnswer(5000);
        SaveWidget(&dialog, folder, "94-welcome-due");
    }

    // A session: the first question, a right and a wrong answer, then right to the end.
    form.Session().Settings.Options.Delay = 0;
    form.Review().Run(std::nullopt);
    SaveWidget(&form, folder, "95-review-question");
    Answer(form, true);
    SaveWidget(&form, folder, "96-review-right");
    form.TestPanel()->EnterCommand();
    if (form.WindowMode() == wmTesting) {
        Answer(form, false);
        SaveWidget(&form, folder, "97-review-wrong");
        form.TestPanel()->EnterCommand();
    }
    // A typo with its option on: one letter of a word of four or more changed.
    TOptions& options = form.Session().Settings.Options;
    options.NativeTypos = options.ForeignTypos = true;
    for (int i = 0; i < 50 && form.WindowMode() == wmTesting; ++i) {
        std::string typo(form.Test().Engine().ExpectedAnswer());
        if (typo.size() >= 5 && typo.find_first_of(";,(/") == std::string::npos) {
            typo[typo.size() / 2] = typo[typo.size() / 2] == 'x' ? 'y' : 'x';
            form.TestPanel()->edtResponse->SetBytes(typo);
            form.TestPanel()->EnterCommand();
            SaveWidget(&form, folder, "97-review-typo");
            form.TestPanel()->EnterCommand();
            break;
        }
        Answer(form, true);
        form.TestPanel()->EnterCommand();
    }
    for (int i = 0; i < 500 && form.WindowMode() == wmTesting; ++i) {
        if (form.Test().Engine().Answered())
            form.TestPanel()->EnterCommand();
        else
            Answer(form, true);
    }
    const QString closing = ScriptedBoxes().Shown().empty() ? QString() : ScriptedBoxes().Shown().back().Text;
    QMessageBox box(QMessageBox::Information, QStringLiteral("Velmoria"), closing, QMessageBox::Ok, &form);
    SaveWidget(&box, folder, "98-review-closing");
    form.UpdateCommandState();
    if (form.Review().DueCounter())
        form.Review().DueCounter()->WaitForAnswer(5000);
    form.UpdateCommandState();
    SaveWidget(&form, folder, "99-review-done");
}
