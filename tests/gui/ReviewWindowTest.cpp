// Reviews in the window, driven offscreen: a session by keyboard that leaves the list alone and
// keeps every answer in the history, a history that cannot be opened, the due count in the status
// bar and the welcome dialog, the Reviews options page and the progress window.

#include "core/DocumentBuilders.h"
#include "gui/EditCommandsSupport.h"
#include "review/Optimizer.h"
#include "review/ReviewProgress.h"
#include "review/ReviewSupport.h"
#include "support/ReviewYear.h"
#include "support/TempDir.h"
#include "testing/TestEngine.h"
#include "ui/DueCounter.h"
#include "ui/OptionsDialog.h"
#include "ui/OptionsReviewsPage.h"
#include "ui/ProgressDialog.h"
#include "ui/ReviewBar.h"
#include "ui/TestPanel.h"
#include "ui/WelcomeDialog.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QThreadPool>
#include <QTimeEdit>
#include <QTreeWidget>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <set>
#include <sqlite3.h>
#include <sstream>

namespace {

class ReviewWindowTest : public TWindowTest {
protected:
    void SetUp() override
    {
        TWindowTest::SetUp();
        Form->Review().SetHistoryPath(HistoryPath);
        Form->Session().Settings.SoundFileRight = "right.wav";
        Form->Session().Settings.SoundFileWrong = "wrong.wav";
        Form->Test().SetSoundPlayer(std::make_unique<TRecordingSound>(Played));
        // Each reading a second later, so keys pressed in a row are as far apart as a user's.
        Form->Test().SetClock([this] { return Now += 1000; });
        ShowActive(*Form);
    }
    static std::unique_ptr<TVocabFile> List(const std::vector<std::pair<std::string, std::string>>& pairs)
    {
        auto list = std::make_unique<TVocabFile>();
        FillPairs(*list, pairs);
        return list;
    }
    // "Wort 0" to "word 0" and on.
    static std::vector<std::pair<std::string, std::string>> Numbered(int count)
    {
        std::vector<std::pair<std::string, std::string>> words;
        for (int i = 0; i < count; ++i)
            words.emplace_back("Wort " + std::to_string(i), "word " + std::to_string(i));
        return words;
    }
    // The list saved and opened, as the user has it: nothing to save.
    void OpenList(const std::vector<std::pair<std::string, std::string>>& pairs)
    {
        List(pairs)->SaveToFile(ListPath);
        ASSERT_TRUE(Form->File().OpenFile(ListPath));
        Form->SetWindowMode(wmEditing);
        Idle();
    }
    // The idle update, and the due count the changes before it ask for.
    void Idle()
    {
        Form->UpdateCommandState();
        Form->Review().AskDue();
    }
    // The count the status bar shows once the worker has answered.
    QString DueShown()
    {
        Idle();
        if (Form->Review().DueCounter() && Form->Review().DueCounter()->Busy()) {
            EXPECT_TRUE(Form->Review().DueCounter()->WaitForAnswer(10000));
        }
        // "N due · M new": the due part.
        return Form->StatusPanel(6)->text().section(QStringLiteral(" \u00B7"), 0, 0);
    }
    void Key(Qt::Key key)
    {
        QTest::keyClick(QApplication::focusWidget(), key);
        Idle();
    }
    // Types the answer to the question on screen, right or wrong, and presses Return.
    void Answer(bool right)
    {
        const std::string expected(Form->Test().Engine().ExpectedAnswer());
        QTest::keyClicks(
            QApplication::focusWidget(), right ? QString::fromLatin1(expected) : QStringLiteral("xyz"));
        Key(Qt::Key_Return);
    }
    void AnswerAt(const std::string& word, TDay day, bool right, std::uint8_t direction = 0)
    {
        THistory history(HistoryPath);
        const TVocabFile& document = Doc();
        for (std::int32_t i = 0; i < document.Count(); ++i)
            if (document.Items(i).FieldValue(fiForeign) == word)
                history.RecordAnswer(CardKeyOf(document, document.Items(i), direction), right, false,
                    OnDay(std::int64_t { 10 } * 3600 * 1000, day), 1000, {}, false);
        Form->Review().HistoryChanged();
    }

    const std::string HistoryPath = Dir.File("data/history.sqlite");
    const std::string ListPath = Dir.File("animals.vmr");
    std::vector<std::string> Played;
    std::int64_t Now = 0;
};

const std::vector<std::pair<std::string, std::string>> Animals
    = { { "der Hund", "dog" }, { "die Katze", "cat" }, { "das Haus", "house" } };

} // namespace

TEST_F(ReviewWindowTest, ASessionByKeyboardKeepsEveryAnswerAndLeavesTheListAlone)
{
    OpenList(Animals);
    Form->Session().Settings.Reviews.NewPerDay = 2;
    ASSERT_EQ(DueShown(), QStringLiteral("0 due")) << "new words are not due";
    TVocabFile& document = Doc();
    const auto before = std::tuple(document.Attempts(), document.Successes(), document.LearntCount());

    QTest::keyClick(Form.get(), Qt::Key_R, Qt::ControlModifier);
    Idle();
    ASSERT_EQ(Form->WindowMode(), wmTesting);
    ASSERT_NE(Form->Review().Queue(), nullptr);
    EXPECT_TRUE(Form->Command("miTestReview")->isChecked());
    EXPECT_FALSE(Form->Command("miTestStartTesting")->isChecked());
    EXPECT_EQ(Form->StatusPanel(6)->text(), QStringLiteral("0 due \u00B7 2 new"))
        << "two new words allowed today";

    // Right, then wrong (the failed word comes back until it is answered right), then the rest.
    Answer(true);
    Key(Qt::Key_Return);
    Answer(false);
    EXPECT_EQ(Played, (std::vector<std::string> { "right.wav", "wrong.wav" })) << "the verdicts";
    EXPECT_EQ(Form->StatusPanel(6)->text(), DueText(Form->Review().Queue()->Left())) << "the session's count";
    int answers = 2;
    for (; answers < 10 && Form->WindowMode() == wmTesting; ++answers) {
        Key(Qt::Key_Return);
        if (Form->WindowMode() == wmTesting)
            Answer(true);
    }
    EXPECT_EQ(Form->WindowMode(), wmEditing);
    EXPECT_EQ(Form->Review().Queue(), nullptr);
    ASSERT_FALSE(ScriptedBoxes().Shown().empty());
    EXPECT_TRUE(LastMessage().Text.startsWith(
        QStringLiteral("Nothing more is due today in this direction. 3 reviewed, 2 right. Next review: ")))
        << LastMessage().Text.toStdString();

    EXPECT_FALSE(document.Modified()) << "reviewing never asks for a Save";
    EXPECT_EQ(std::tuple(document.Attempts(), document.Successes(), document.LearntCount()), before);
    THistory history(HistoryPath);
    EXPECT_EQ(history.AnswerCount(), 3);
    EXPECT_EQ(history.NewCardsOn(Today()), 2);
    // What is left: the third word waits for tomorrow's allowance.
    EXPECT_EQ(DueShown(), QStringLiteral("0 due"));
}

// The bar counts down, a wrong answer moves its word to "again", the keys 1 to 4 re-rate the
// verdict shown, Esc sums up, and both directions are asked mixed.
TEST_F(ReviewWindowTest, TheBarRatesAndCountsEscSumsUpAndBothDirectionsMix)
{
    OpenList(Animals);
    Form->Session().Settings.Reviews.NewPerDay = 3;
    EXPECT_EQ(DueShown(), QStringLiteral("0 due"));
    EXPECT_EQ(Form->StatusPanel(4)->text(), QStringLiteral("0% learnt")) << "nothing reviewed yet";
    QTest::keyClick(Form.get(), Qt::Key_R, Qt::ControlModifier);
    Idle();
    TReviewBar& bar = *Form->TestPanel()->pnlReview;
    const auto left = [&bar] { return bar.lblReviewLeft->text(); };
    const auto checked = [&bar] {
        for (std::size_t i = 0; i < 4; ++i)
            if (bar.btnRate[i]->isVisible() && bar.btnRate[i]->isChecked())
                return static_cast<int>(i) + 1;
        return 0;
    };
    EXPECT_EQ(left(), QStringLiteral("3 left: 0 due, 0 again, 3 new"));
    EXPECT_FALSE(bar.RatingsShown()) << "no rating before the verdict";
    Answer(false);
    EXPECT_EQ(left(), QStringLiteral("3 left: 0 due, 1 again, 2 new"));
    EXPECT_EQ(Form->StatusPanel(3)->text(), QStringLiteral("1 reviewed"));
    EXPECT_EQ(checked(), 1);
    Key(Qt::Key_3); // "I was right"
    EXPECT_EQ(checked(), 3);
    EXPECT_EQ(left(), QStringLiteral("2 left: 0 due, 0 again, 2 new"));
    Key(Qt::Key_Return);
    EXPECT_FALSE(bar.RatingsShown());
    Answer(true);
    bar.btnRate[0]->click(); // a guess
    EXPECT_EQ(left(), QStringLiteral("2 left: 0 due, 1 again, 1 new"));
    Key(Qt::Key_Return);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Form->WindowMode(), wmEditing);
    ASSERT_FALSE(ScriptedBoxes().Shown().empty());
    EXPECT_EQ(LastMessage().Text, QStringLiteral("Stopped. 2 reviewed, 1 right. 2 still due today."));
    EXPECT_EQ(DueShown(), QStringLiteral("1 due")) << "the word rated Again stays due";
    EXPECT_EQ(Form->StatusPanel(4)->text(), QStringLiteral("0% mature"))
        << "a reviewed list counts its memory";
    THistory history(HistoryPath);
    EXPECT_EQ(history.FailedOn(Today()).size(), 1U);

    // Both directions: the other direction's three new words and this one's rest, mixed.
    Form->Session().Settings.Reviews.NewPerDay = 6;
    Form->Command("miTestReviewBoth")->trigger();
    Idle();
    ASSERT_NE(Form->Review().Queue(), nullptr);
    EXPECT_EQ(Form->Review().Queue()->Directions(), BothDirections);
    std::set<std::uint8_t> directions;
    for (int i = 0; i < 12 && Form->WindowMode() == wmTesting; ++i) {
        directions.insert(Form->Test().Engine().TestMode());
        Answer(true);
        if (Form->WindowMode() == wmTesting)
            Key(Qt::Key_Return);
    }
    EXPECT_EQ(directions, (std::set<std::uint8_t> { 0, 1 }));
    EXPECT_EQ(history.AnswerCount(), 2 + 5);
}

TEST_F(ReviewWindowTest, MultipleChoiceAnswersTheCardAndTheOtherDirectionHasItsOwnQueue)
{
    OpenList(Animals);
    AnswerAt("der Hund", Today() - 30, true);
    ASSERT_EQ(DueShown(), QStringLiteral("1 due"));
    Form->Session().Settings.Reviews.NewPerDay = 0;
    Trigger(Form->Command("miTestReview"));
    ASSERT_EQ(Form->WindowMode(), wmTesting);
    const TVocabItem& asked = Doc().CurrentItem();
    EXPECT_EQ(asked.FieldValue(fiForeign), "der Hund");
    // The same card from the list of choices; its number answers.
    Trigger(Form->Command("miTestMultipleChoice"));
    TTestPanel* panel = Form->TestPanel();
    ASSERT_TRUE(panel->pnlChoice->isVisible());
    EXPECT_EQ(&Doc().CurrentItem(), &asked);
    int row = 0;
    while (row < panel->lbChoice->count() && panel->lbChoice->ItemAt(row) != &asked)
        ++row;
    ASSERT_LT(row, 9);
    QTest::keyClick(panel->lbChoice, static_cast<Qt::Key>(Qt::Key_1 + row));
    Idle();
    EXPECT_EQ(panel->pnlTestStatus->text(), QStringLiteral("Right!"));
    EXPECT_EQ(THistory(HistoryPath).AnswerCount(), 2);
    // Into the foreign language nothing was ever answered, and no new word is allowed.
    Trigger(Form->Command("miTestActive"));
    EXPECT_EQ(Form->WindowMode(), wmEditing);
    EXPECT_TRUE(LastMessage().Text.startsWith(QStringLiteral("Nothing is due today in this direction.")))
        << LastMessage().Text.toStdString();
    EXPECT_EQ(DueShown(), QStringLiteral("0 due"));
    Trigger(Form->Command("miTestPassive"));
    EXPECT_EQ(DueShown(), QStringLiteral("0 due")) << "answered today";
    // Nothing to review: the classic test starts as ever afterwards.
    Trigger(Form->Command("miTestReview"));
    EXPECT_EQ(Form->WindowMode(), wmEditing);
    EXPECT_EQ(Form->Review().Queue(), nullptr);
    EXPECT_FALSE(Doc().Modified());
    Trigger(Form->Command("miTestStartTesting"));
    ASSERT_EQ(Form->WindowMode(), wmTesting);
    QTest::keyClick(panel->lbChoice, Qt::Key_1);
    Idle();
    EXPECT_EQ(Doc().Attempts(), 1) << "the test records in the list again";
    EXPECT_EQ(THistory(HistoryPath).AnswerCount(), 2);
}

TEST_F(ReviewWindowTest, AFinishedDirectionOffersTheOthersDueWordsAndYesReviewsThemAtOnce)
{
    OpenList(Animals);
    Form->Session().Settings.Reviews.NewPerDay = 0;
    AnswerAt("der Hund", Today() - 30, true);
    AnswerAt("die Katze", Today() - 30, true, 1);
    Trigger(Form->Command("miTestReview"));
    Answer(true);
    ScriptedBoxes().QueueAnswer(QMessageBox::Yes);
    Key(Qt::Key_Return);
    EXPECT_TRUE(LastMessage().Text.endsWith(
        QStringLiteral("1 word is still due today into the foreign language. Review them now?")))
        << LastMessage().Text.toStdString();
    ASSERT_EQ(Form->WindowMode(), wmTesting);
    EXPECT_EQ(Form->Test().Engine().TestMode(), 1);
    EXPECT_EQ(Doc().CurrentItem().FieldValue(fiForeign), "die Katze");
}

TEST_F(ReviewWindowTest, AHistoryThatCannotBeOpenedIsToldOnceAndTheTestStillWorks)
{
    for (const bool folder : { false, true }) { // damaged, or a folder in its place
        SCOPED_TRACE(folder);
        ScriptedBoxes().Clear();
        const std::string path = Dir.File(std::string("spoilt-") + (folder ? "a" : "b") + "/history.sqlite");
        std::filesystem::create_directories(
            folder ? path : std::filesystem::path(path).parent_path().string());
        const std::string spoilt = folder ? "" : std::string(4096, 'x');
        if (!folder)
            WriteBytes(path, spoilt);
        Form->Review().SetHistoryPath(path);
        OpenList(Animals);
        DueShown(); // the worker opens it first
        Idle();
        ASSERT_EQ(ScriptedBoxes().Shown().size(), 1u) << ShownTexts().join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(LastMessage().Text.contains(QString::fromStdString(path)))
            << LastMessage().Text.toStdString();
        EXPECT_FALSE(
            Form->Command("miTestReview")->isEnabled() || Form->Command("miTestProgress")->isEnabled());
        EXPECT_EQ(Form->StatusPanel(6)->text().section(QStringLiteral(" \u00B7"), 0, 0), QString());
        if (!folder) {
            EXPECT_EQ(ReadBytes(path), spoilt) << "the file is left as it was";
        }
        Trigger(Form->Command("miTestStartTesting"));
        EXPECT_EQ(Form->WindowMode(), wmTesting) << "the classic test is unaffected";
        Answer(true);
        EXPECT_EQ(Doc().Attempts(), 1);
        Trigger(Form->Command("miTestStartTesting"));
        EXPECT_EQ(ScriptedBoxes().Shown().size(), 1u);
    }
}

// The due count's worker opens the history before the window does: a journal it sets aside is still
// told, once, and the history works.
TEST_F(ReviewWindowTest, AJournalSetAsideByTheCountIsToldOnce)
{
    const std::string other = Dir.File("other/history.sqlite");
    std::filesystem::create_directories(std::filesystem::path(other).parent_path());
    std::filesystem::create_directories(std::filesystem::path(HistoryPath).parent_path());
    THistory(HistoryPath)
        .RecordAnswer(TCardKey { 7, 9, "mine", "t", 0 }, true, false, 86400000, 1000, {}, false);
    {
        THistory theirs(other);
        theirs.RecordAnswer(TCardKey { 7, 9, "w", "t", 0 }, true, false, 0, 1000, {}, false);
        std::filesystem::copy_file(other + "-wal", HistoryPath + "-wal");
    }
    ScriptedBoxes().Clear();
    OpenList(Animals);
    EXPECT_EQ(DueShown(), QStringLiteral("0 due"));
    Idle();
    ASSERT_EQ(ScriptedBoxes().Shown().size(), 1u);
    EXPECT_TRUE(LastMessage().Text.contains(QStringLiteral("another history")))
        << LastMessage().Text.toStdString();
    Trigger(Form->Command("miTestReview"));
    EXPECT_EQ(Form->WindowMode(), wmTesting);
    EXPECT_EQ(ScriptedBoxes().Shown().size(), 1u);
}

TEST_F(ReviewWindowTest, AnAnswerABusyHistoryCannotKeepShowsNoVerdictAndIsGivenAgain)
{
    OpenList(Animals);
    Trigger(Form->Command("miTestReview"));
    ASSERT_EQ(Form->WindowMode(), wmTesting);
    // Another writer holds the database longer than this window waits.
    Form->Review().History()->SetBusyTimeout(50);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(HistoryPath.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    Answer(true);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_TRUE(Played.empty()) << "no verdict for an answer that was not kept";
    ASSERT_EQ(ScriptedBoxes().Shown().size(), 1u);
    EXPECT_TRUE(LastMessage().Text.contains(QString::fromStdString(HistoryPath)))
        << LastMessage().Text.toStdString();
    EXPECT_EQ(THistory(HistoryPath).AnswerCount(), 0);
    // The lock passed: the review and the answer typed are still there, and Enter gives it again.
    ASSERT_EQ(Form->WindowMode(), wmTesting);
    EXPECT_TRUE(Form->Command("miTestReview")->isEnabled());
    Key(Qt::Key_Return);
    EXPECT_EQ(Played, (std::vector<std::string> { "right.wav" }));
    EXPECT_EQ(THistory(HistoryPath).AnswerCount(), 1);
    EXPECT_FALSE(Doc().Modified());
}

TEST_F(ReviewWindowTest, TheDueCountFollowsTheListAndTheHistoryAndTheWelcomeDialogShowsIt)
{
    OpenList(Animals);
    EXPECT_EQ(DueShown(), QStringLiteral("0 due"));
    AnswerAt("der Hund", Today() - 40, true);
    AnswerAt("die Katze", Today() - 40, true);
    EXPECT_EQ(DueShown(), QStringLiteral("2 due"));
    // An edit of a word makes a new card: it is no longer due.
    TVocabFile& document = Doc();
    document.SetCurrentIndex(1);
    document.NewItem().SetFieldValues("die Katze", "", "", "cat; kitty");
    document.Replace();
    EXPECT_EQ(DueShown(), QStringLiteral("1 due"));

    // The welcome dialog counts the lists as saved, beside each that can be read.
    Form->RecentFiles().Add(Dir.File("gone.vmr"));
    Form->RecentFiles().Add(ListPath);
    TWelcomeData data;
    data.RecentFiles = &Form->RecentFiles();
    data.Due = TDueQuestion { HistoryPath, 0, Today(), 20, {} };
    TWelcomeDialog dialog(Form.get(), data);
    ASSERT_EQ(dialog.DueCounters().size(), 2u);
    ASSERT_NE(dialog.DueCounters()[0], nullptr);
    EXPECT_TRUE(dialog.DueCounters()[0]->WaitForAnswer(10000));
    EXPECT_TRUE(dialog.lbFiles->item(1)->text().contains(QStringLiteral("\u2013  2 due \u00B7")))
        << dialog.lbFiles->item(1)->text().toStdString();
    EXPECT_EQ(dialog.DueCounters()[1], nullptr) << "a missing list is not read";
    EXPECT_FALSE(dialog.lbFiles->item(2)->text().contains(QStringLiteral("due")));

    // A word failed on eight days is a leech: its row says so.
    const auto tip = [this](int row) {
        return Form->Grid()->Model()->data(Form->Grid()->Model()->index(row, 0), Qt::ToolTipRole).toString();
    };
    for (int day = 1; day < LeechFailures; ++day)
        AnswerAt("das Haus", Today() - 30 + day, false);
    EXPECT_EQ(tip(2), QString());
    AnswerAt("das Haus", Today() - 2, false);
    EXPECT_TRUE(tip(2).contains(QStringLiteral("8 times into the native"))) << tip(2).toStdString();
    EXPECT_EQ(tip(0), QString());
}

// A scripted day in both directions: the status bar, its tip, the welcome dialog, Review Progress
// and the count the command line prints (CountDue) tell the same figures.
TEST_F(ReviewWindowTest, EveryPlaceTellsTheSameCountsInBothDirections)
{
    OpenList(Numbered(12));
    THistory* history = Form->Review().History();
    ASSERT_NE(history, nullptr);
    const TVocabFile& document = Doc();
    for (int i = 0; i < 9; ++i) {
        const std::uint8_t direction = i % 3 == 0 ? 1 : 0;
        const TCardKey key = CardKeyOf(document, document.Items(i), direction);
        // Due today, due later, or failed this morning.
        history->RecordAnswer(key, true, false,
            OnDay(std::int64_t { 9 } * 3600 * 1000, Today() - (i % 2 ? 30 : 1)), 1000, {}, false);
        if (i % 4 == 0)
            history->RecordAnswer(
                key, false, false, OnDay(std::int64_t { 8 } * 3600 * 1000, Today()), 1000, {}, false);
    }
    Form->Review().HistoryChanged();
    Form->Session().Settings.Reviews.NewPerDay = 5;
    const TReviewProgress progress = ReadReviewProgress(*history, Today());
    TWelcomeData data;
    Form->RecentFiles().Add(ListPath);
    data.RecentFiles = &Form->RecentFiles();
    for (std::uint8_t d = 0; d < 2; ++d) {
        SCOPED_TRACE(d);
        const TDueCounts counts = CountDue(document, *history, d, Today(), 5, {});
        Form->WindowState().TestMode = d;
        DueShown();
        EXPECT_EQ(Form->StatusPanel(6)->text(), DueText(counts));
        EXPECT_TRUE(
            Form->StatusPanel(6)->toolTip().contains(QStringLiteral("%1 due today (%2 failed earlier today)")
                                                         .arg(counts.DueToday())
                                                         .arg(counts.Again)));
        EXPECT_EQ(progress.DueInto[d], counts.DueToday());
        data.Due = TDueQuestion { HistoryPath, d, Today(), 5, {} };
        TWelcomeDialog dialog(Form.get(), data);
        ASSERT_TRUE(dialog.DueCounters()[0]->WaitForAnswer(10000));
        EXPECT_TRUE(dialog.lbFiles->item(1)->text().endsWith(DueText(counts)))
            << dialog.lbFiles->item(1)->text().toStdString();
    }
    EXPECT_GT(progress.DueInto[0] * progress.DueInto[1], 0) << "a day with words due both ways";
}

TEST_F(ReviewWindowTest, OpeningAHugeListAndCountingDoesNotHoldUpTheWindow)
{
    // 100,000 cards: the window makes the list's image, the worker counts.
    Form->Session().ReplaceDocument(List(Numbered(100000)));
    Form->SetWindowMode(wmEditing);
    Idle();
    ASSERT_TRUE(Form->Review().DueCounter()->WaitForAnswer(60000));
    QSignalSpy counting(Form->Review().DueCounter(), &TDueCounter::Counting);
    QElapsedTimer clock;
    clock.start();
    Form->Review().HistoryChanged();
    Idle();
    const qint64 blocked = clock.elapsed();
    EXPECT_TRUE(Form->Review().DueCounter()->Busy()) << "counted away from the window";
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    constexpr qint64 Limit = 500; // the sanitizers slow every step about five times
#else
    constexpr qint64 Limit = 100;
#endif
    EXPECT_LT(blocked, Limit) << "ms the window was held up";
    ASSERT_FALSE(counting.isEmpty());
    EXPECT_TRUE(counting.last().at(0).toBool()) << "the grid's measuring waits while the count runs";
    ASSERT_TRUE(Form->Review().DueCounter()->WaitForAnswer(60000));
    EXPECT_FALSE(counting.last().at(0).toBool()) << "and goes on once the counts are told";
    EXPECT_EQ(Form->StatusPanel(6)->text().section(QStringLiteral(" \u00B7"), 0, 0), QStringLiteral("0 due"));
    RecordProperty("BlockedMs", static_cast<int>(blocked));
}

// What the reminder's Review action runs: velmoria --review FILE.
TEST_F(ReviewWindowTest, TheReviewSwitchOpensTheListAndStartsItsReview)
{
    List(Animals)->SaveToFile(ListPath);
    EXPECT_EQ(Form->StartUp(TCommandLine { saReview, ListPath }), std::nullopt);
    EXPECT_EQ(Form->WindowMode(), wmTesting);
    EXPECT_TRUE(Form->Review().Reviewing());
}

TEST_F(ReviewWindowTest, TheReviewsPageStoresItsValues)
{
    // OK stores what the page shows (as the window's settings, written at close); Cancel nothing.
    const std::string shared = Dir.File("shared");
    std::filesystem::create_directory(shared);
    for (const bool ok : { false, true }) {
        SCOPED_TRACE(ok);
        OnDialog<TOptionsDialog>([ok, shared](TOptionsDialog& dialog) {
            ASSERT_NE(dialog.tsReviews, nullptr);
            dialog.pcOptions->setCurrentWidget(dialog.tsReviews);
            EXPECT_DOUBLE_EQ(dialog.tsReviews->sbRetention->value(), 0.90);
            EXPECT_EQ(dialog.tsReviews->sbNewPerDay->value(), 20);
            dialog.tsReviews->sbRetention->setValue(0.99); // beyond the range: 0.97
            dialog.tsReviews->sbNewPerDay->setValue(7);
            // The reminder stays off; its time is kept all the same.
            EXPECT_FALSE(dialog.tsReviews->chbReminder->isChecked());
            EXPECT_FALSE(dialog.tsReviews->edtReminderTime->isEnabled());
            dialog.tsReviews->edtReminderTime->setTime(QTime(7, 5));
            // A folder typed while sharing is off is not kept.
            EXPECT_FALSE(dialog.tsReviews->edtShareFolder->isEnabled());
            dialog.tsReviews->edtShareFolder->setText(QString::fromStdString(shared));
            EXPECT_EQ(dialog.tsReviews->Read().ShareFolder, "");
            dialog.tsReviews->chbShareHistory->setChecked(ok);
            (ok ? dialog.btnOK : dialog.btnCancel)->click();
        });
        Form->Command("miViewOptions")->trigger();
        EXPECT_EQ(Form->Session().Settings.Reviews.NewPerDay, ok ? 7 : 20);
        EXPECT_EQ(Form->Session().Settings.ReminderTime, ok ? 7 * 60 + 5 : DefaultReminderTime);
        EXPECT_EQ(Form->Session().Settings.Reviews.ShareFolder, ok ? shared : "");
    }
    Form->close();
    EXPECT_EQ(Store->ReadInteger("ReviewRetention"), 97);
    EXPECT_EQ(Store->ReadInteger("ReviewNewPerDay"), 7);
    EXPECT_EQ(Store->ReadInteger("ReminderTime"), 7 * 60 + 5);
}

// The figures are ReviewProgressTest's and the failures' order HistoryTest's; here the window.
TEST_F(ReviewWindowTest, TheProgressWindowWithAnEmptyAndAFullHistory)
{
    OpenList(Animals);
    std::vector<std::pair<QString, int>> shown; // the summary and the rows of failed words
    OnDialog<TProgressDialog>([&](TProgressDialog& dialog) {
        EXPECT_TRUE(dialog.WaitForFigures(30000));
        shown.emplace_back(dialog.lblSummary->text(), dialog.lvFailed->topLevelItemCount());
        EXPECT_FALSE(dialog.grab().isNull());
        dialog.btnClose->click();
    });
    Trigger(Form->Command("miTestProgress"));
    ASSERT_EQ(shown.size(), 1u);
    THistory history(HistoryPath);
    EXPECT_EQ(
        shown[0].first, QString::fromStdString(ProgressSummary(ReadReviewProgress(history, Today())).Text()));
    EXPECT_EQ(shown[0].second, 1) << "the line that says no word failed";

    // A year of answers over a list of 40 words.
    OpenList(Numbered(40));
    EXPECT_GT(FillReviewYear(history, Doc(), Today()), 300);
    Trigger(Form->Command("miTestProgress"));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].second, ProgressFailedWords);

    // The shades against the busiest day, and a square for every day up to today.
    const struct {
        int Count, Busiest, Shade;
    } shades[] = { { 0, 0, 0 }, { 0, 9, 0 }, { 1, 40, 1 }, { 10, 40, 1 }, { 11, 40, 2 }, { 30, 40, 3 },
        { 40, 40, 4 } };
    for (const auto& s : shades)
        EXPECT_EQ(TAnswerCalendar::Shade(s.Count, s.Busiest), s.Shade) << s.Count << "/" << s.Busiest;
    const TReviewProgress progress = ReadReviewProgress(history, Today());
    TProgressDialog dialog(Form.get(), progress);
    dialog.resize(860, 600);
    dialog.show();
    QApplication::processEvents();
    int days = 0;
    for (int y = 0; y < dialog.pbAnswers->height(); y += 2)
        for (int x = 0; x < dialog.pbAnswers->width(); x += 2)
            if (const auto day = dialog.pbAnswers->DayAt({ x, y }))
                days = std::max<int>(days, static_cast<int>(*day - progress.FirstDay + 1));
    EXPECT_EQ(days, static_cast<int>(progress.AnswersPerDay.size()));
}

// The worker reads while the dialog is open; a dialog closed before it is done never hears of it.
TEST_F(ReviewWindowTest, TheProgressWindowReadsInAWorkerAndMayCloseFirst)
{
    OpenList(Numbered(40));
    {
        THistory history(HistoryPath);
        FillReviewYear(history, Doc(), Today(), 60);
    }
    const std::string folder = HistoryPath + ".folder";
    std::filesystem::create_directory(folder);
    const struct {
        const char* Name;
        std::string Path;
        bool CloseFirst, Readable;
    } cases[] = {
        { "read to the end", HistoryPath, false, true },
        { "closed while reading", HistoryPath, true, true },
        { "no history there", folder, false, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        auto dialog = std::make_unique<TProgressDialog>(Form.get(), c.Path, Today());
        dialog->show();
        EXPECT_TRUE(dialog->Reading());
        EXPECT_FALSE(dialog->pbReading->isHidden());
        EXPECT_EQ(dialog->Figures().DuePerDay.size(), static_cast<std::size_t>(ProgressDueDays));
        if (c.CloseFirst) {
            dialog->close();
            dialog.reset();
            QThreadPool::globalInstance()->waitForDone(30000);
            QApplication::processEvents();
            continue;
        }
        EXPECT_EQ(dialog->WaitForFigures(30000), c.Readable);
        EXPECT_FALSE(dialog->Reading());
        EXPECT_TRUE(dialog->pbReading->isHidden());
        if (c.Readable) {
            THistory history(HistoryPath);
            const TReviewProgress read = ReadReviewProgress(history, Today());
            EXPECT_EQ(dialog->Figures().AnswersPerDay, read.AnswersPerDay);
            EXPECT_EQ(dialog->lvFailed->topLevelItemCount(), static_cast<int>(read.Failed.size()));
        } else {
            EXPECT_TRUE(dialog->lblSummary->text().contains(QString::fromStdString(folder)))
                << dialog->lblSummary->text().toStdString();
        }
    }
}

// Optimizing on the page: the figures, the set offered only when the model finds it better, kept
// in the history and reset; a stopped fit changes nothing.
TEST(OptionsReviewsPageTest, OptimizesOffersKeepsAndResets)
{
    TTempDir dir;
    const std::string path = dir.File("history.db");
    std::ostringstream csv;
    csv << "card_id,review_time,review_rating,review_state,review_duration,foreign_language,native_language,"
           "direction,word,translations,practice\n";
    std::vector<TOptimizerAnswer> answers;
    std::ifstream in(std::string(VELMORIA_SOURCE_DIR) + "/tests/review/optimizer-vectors/b5k.txt");
    constexpr std::int64_t Since = 1577836800000; // 2020-01-01
    for (std::string line; std::getline(in, line);)
        if (line.starts_with("a ")) {
            std::istringstream fields(line.substr(2));
            std::int64_t card = 0, time = 0, day = 0;
            int rating = 0;
            fields >> card >> time >> day >> rating;
            csv << card << ',' << Since + time << ',' << rating << ",0,3000,7,9,0,w" << card << ",t,0\n";
        }
    std::istringstream file(csv.str());
    THistory(path).ImportCsv(file);
    const auto expected = Optimize(THistory(path).OptimizerAnswers(), DefaultWeights);
    ASSERT_TRUE(expected);

    TOptionsReviewsPage page(TReviewSettings {}, TReminderChoice {}, TLanguagePair(0x0407, 0x0409));
    page.HistoryPath = path;
    const auto fit = [&page](bool pair = false) {
        page.lblFigures->clear();
        pair ? page.OptimizePair() : page.Optimize();
        for (int i = 0; i < 600 && page.lblFigures->text().isEmpty(); ++i)
            QTest::qWait(50);
    };
    fit();
    EXPECT_TRUE(page.lblFigures->text().contains(QString::number(expected->Answers)))
        << page.lblFigures->text().toStdString();
    EXPECT_EQ(page.btnUseFitted->isEnabled(), expected->Better());
    if (expected->Better())
        page.btnUseFitted->click();
    else
        THistory(path).SetLearnerParameters(expected->Fit.W, 1);
    page.btnOptimize->setFocus();
    // The page reads the history again after each change of its own.
    page.btnResetParameters->setEnabled(true);
    ASSERT_TRUE(THistory(path).LearnerParameters());
    page.btnResetParameters->click();
    EXPECT_FALSE(THistory(path).LearnerParameters());
    EXPECT_FALSE(page.btnResetParameters->isEnabled());

    page.lblFigures->clear();
    page.Optimize();
    auto* progress = page.findChild<QProgressDialog*>(QStringLiteral("pdOptimize"));
    ASSERT_NE(progress, nullptr);
    progress->cancel();
    for (int i = 0; i < 600 && page.lblFigures->text().isEmpty(); ++i)
        QTest::qWait(50);
    EXPECT_FALSE(page.btnUseFitted->isEnabled());
    EXPECT_FALSE(THistory(path).LearnerParameters());
    // The list's languages alone, offered after a fit to all answers: kept beside the learner's poor set.
    THistory(path).SetLearnerParameters(ClipWeights({}), 1);
    fit();
    ASSERT_TRUE(page.btnOptimizePair->isEnabled());
    fit(true);
    ASSERT_TRUE(page.btnUseFitted->isEnabled()) << page.lblFigures->text().toStdString();
    page.btnUseFitted->click();
    EXPECT_TRUE(THistory(path).LearnerParameters({ { 7, 9 } }));
}
