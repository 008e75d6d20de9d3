// The main window's reviews over days: Review Due Words runs the test panel on the review queue,
// the status bar counts the cards due, and Review Progress shows the history. The history is the
// learner's, shared by every list and every running copy; the list is never modified by it.

#include "qtsupport/DialogRunner.h"
#include "qtsupport/MessageBox.h"
#include "testing/TestEngine.h"
#include "ui/DueCounter.h"
#include "ui/LongTask.h"
#include "ui/MainWindow.h"
#include "ui/ProgressDialog.h"
#include "ui/ReviewBar.h"
#include "ui/TestPanel.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <ctime>
#include <functional>
#include <utility>

namespace {

QString Q(const char* text)
{
    return QString::fromUtf8(text);
}

// Calls back whenever the window it watches becomes the active one.
class TActivationWatch : public QObject {
public:
    TActivationWatch(QObject* parent, std::function<void()> activated)
        : QObject(parent)
        , Activated_(std::move(activated))
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate)
            Activated_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> Activated_;
};

TSchedulerParameters ParametersOf(const TSettings& settings)
{
    TSchedulerParameters parameters;
    parameters.DesiredRetention = settings.Reviews.DesiredRetention();
    return parameters;
}

} // namespace

void TMainForm::CreateReviewCommands()
{
    const auto canReview = [this] { return CanTest() && !HistoryFailed_; };
    const TActionEntry entries[] = {
        { &miTestReview, "miTestReview", "Re&view Due Words", QKeySequence(Qt::CTRL | Qt::Key_R),
            "Asks the words due today in this direction, spread over the days so you keep them", "review",
            2406, &TMainForm::miTestReviewClick, canReview,
            [this] { return Reviewing() && ReviewDirection_ != BothDirections; } },
        { &miTestReviewBoth, "miTestReviewBoth", "Review &Both Directions",
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
            "Asks the words due today into either language, mixed", nullptr, 2408,
            &TMainForm::miTestReviewBothClick, canReview,
            [this] { return Reviewing() && ReviewDirection_ == BothDirections; } },
        { &miTestProgress, "miTestProgress", "Review &Progress...", QKeySequence(),
            "Shows your reviews over the days and the words you fail most", nullptr, 2407,
            &TMainForm::miTestProgressClick, [this] { return !HistoryFailed_; } },
    };
    for (const auto& entry : entries)
        CreateAction(entry);

    auto* test = menuBar()->findChild<QMenu*>(QStringLiteral("miTest"));
    const QList<QAction*> testActions = test->actions();
    test->insertAction(testActions[testActions.indexOf(miTestStartTesting) + 1], miTestReview);
    test->insertAction(testActions[testActions.indexOf(miTestStartTesting) + 1], miTestReviewBoth);
    test->addAction(miTestProgress);
    // Another copy of the program or the command line may have reviewed meanwhile.
    installEventFilter(new TActivationWatch(this, [this] { ReviewHistoryChanged(); }));

    const QList<QAction*> buttons = tbrToolBar->actions();
    tbrToolBar->insertAction(buttons[buttons.indexOf(miTestStartTesting) + 1], miTestReview);
    tbrToolBar->widgetForAction(miTestReview)->setObjectName(QStringLiteral("tbReview"));
}

bool TMainForm::Reviewing() const
{
    return WindowMode_ == wmTesting && ReviewQueue_ != nullptr;
}

QString TMainForm::LeechToolTip(int row)
{
    // Only a history already open: pointing at a row never brings up its errors.
    const TVocabFile& document = Session_.Document();
    if (!History_ || row < 0 || row >= document.Count())
        return {};
    try {
        std::array<int, 2> failures {};
        for (std::uint8_t d = 0; d < 2; ++d)
            failures[d] = History_->Failures(CardKeyOf(document, document.Items(row), d));
        return QString::fromStdString(LeechHint(failures));
    } catch (const std::exception&) {
        return {}; // busy: the hint waits for the next look
    }
}

THistory* TMainForm::History()
{
    if (!History_ && !HistoryFailed_) {
        try {
            History_
                = std::make_unique<THistory>(HistoryPath_.empty() ? THistory::DefaultPath() : HistoryPath_);
        } catch (const std::exception& error) {
            ReviewFailed(Q(error.what()));
        }
        if (History_ && !History_->Notice().empty())
            ShowMessageBox(QString::fromStdString(History_->Notice()), Q("Velmoria"), QMessageBox::Ok,
                QMessageBox::Information);
    }
    return History_.get();
}

void TMainForm::AnswerNotKept(const QString& message)
{
    // A lock that will pass or a disk with room again later: the review and the answer typed stay.
    ShowMessageBox(message + QStringLiteral("\n\nYour answer was not kept. Press Enter to give it again."),
        Q("Velmoria"), QMessageBox::Ok, QMessageBox::Warning);
}

void TMainForm::ReviewFailed(const QString& message)
{
    // Told once: the reviews stay unavailable for this run, the file is left to the user, and the
    // test goes on as ever.
    if (HistoryFailed_)
        return;
    HistoryFailed_ = true;
    if (Reviewing())
        SetWindowMode(wmEditing);
    History_.reset();
    ShowMessageBox(message
            + QStringLiteral("\n\nReview Due Words is unavailable until the program is started again. "
                             "Testing works as before."),
        Q("Velmoria"), QMessageBox::Ok, QMessageBox::Warning);
    ScheduleUpdate();
}

void TMainForm::ReviewHistoryChanged()
{
    ++HistoryChanges_;
    ScheduleUpdate();
}

void TMainForm::SetHistoryPath(const std::string& path)
{
    if (Reviewing())
        SetWindowMode(wmEditing);
    History_.reset();
    HistoryFailed_ = false;
    HistoryPath_ = path;
    DueAsked_.clear();
    ScheduleUpdate();
}

bool TMainForm::StartReview(std::optional<std::uint8_t> direction)
{
    THistory* history = History();
    if (!history)
        return false;
    if (history->ReadOnly()) {
        ShowMessageBox(QStringLiteral("The review history \"%1\" cannot take answers: %2. The due count "
                                      "and Review Progress still work.")
                           .arg(Q(history->Path().c_str()), QString::fromStdString(history->ReadOnlyWhy())),
            Q("Velmoria"), QMessageBox::Ok, QMessageBox::Warning);
        return false;
    }
    TTestEngine& engine = TestEngine();
    engine.SetReview(nullptr);
    ReviewDirection_ = direction.value_or(engine.TestMode());
    // The plan the due count made starts the review at once; without one the list is planned here.
    const TVocabFile& document = Session_.Document();
    const std::optional<TDueQuestion> question = DueQuestion();
    const TReviewPlan* plan = DueCounter_ && question && question->Direction == ReviewDirection_
        ? DueCounter_->Plan(document.Revision(), DueKey(*question))
        : nullptr;
    if (plan) {
        ReviewQueue_ = std::make_unique<TReviewQueue>(document, *history, *plan, Today(),
            ParametersOf(Session_.Settings), Session_.Settings.Options.DisallowHints);
    } else {
        TWaitCursor wait;
        ReviewQueue_ = std::make_unique<TReviewQueue>(document, *history, ReviewDirection_, Today(),
            Session_.Settings.Reviews.NewPerDay, ParametersOf(Session_.Settings),
            Session_.Settings.Options.DisallowHints);
    }
    // The session's answers change the history: no count or plan made before it fits after it.
    ++HistoryChanges_;
    engine.SetReview(ReviewQueue_.get());
    return true;
}

void TMainForm::miTestReviewClick()
{
    RunReview(std::nullopt);
}

void TMainForm::miTestReviewBothClick()
{
    RunReview(BothDirections);
}

void TMainForm::RunReview(std::optional<std::uint8_t> direction)
{
    // The command of the review on screen stops it.
    if (Reviewing() && (direction == BothDirections) == (ReviewDirection_ == BothDirections)) {
        StopReview();
        return;
    }
    if (!CanTest())
        return;
    // A classic test or another review on screen ends first; its question is dropped unanswered.
    if (WindowMode_ == wmTesting)
        SetWindowMode(wmEditing);
    if (!StartReview(direction))
        return;
    if (NextQuestion()) {
        SetWindowMode(wmTesting);
        return;
    }
    // Nothing to ask: the engine lets go of the queue before it goes.
    TestEngine().SetReview(nullptr);
    ReviewQueue_.reset();
    ReviewNextDirection();
}

void TMainForm::miTestProgressClick()
{
    THistory* history = History();
    if (!history)
        return;
    ClearCutMark();
    // A long history takes a second or more to sum up: the dialog reads it in a worker.
    TProgressDialog dialog(this, history->Path(), Today());
    ExecDialog(dialog);
}

void TMainForm::UpdateDuePanel()
{
    QLabel* panel = StatusPanels_[6];
    const auto show = [panel](const QString& text) {
        if (panel->text() != text)
            panel->setText(text);
    };
    if (Reviewing()) {
        // The session knows what is left (the question on screen until it is answered); the
        // list's count is asked again once the session ends.
        show(DueText(ReviewQueue_->Left()));
        DueAsked_.clear();
        return;
    }
    // Opening the history and counting wait for the window's first picture, which they are not in.
    if (!Painted_)
        return;
    const std::optional<TDueQuestion> question = DueQuestion();
    if (!question) {
        show(QString());
        if (LastDue_) {
            LastDue_.reset();
            ShowShare(Session_.Document().LearntCount());
        }
        return;
    }
    const TVocabFile& document = Session_.Document();
    // Cards are made of the texts: a test's answers leave the count as it is. Otherwise the list's
    // order counts too, for the review planned with the count.
    const std::string key = DueKey(*question);
    const std::string asked = key + ' '
        + std::to_string(WindowMode_ == wmTesting ? document.TextsRevision() : document.Revision());
    if (asked == DueAsked_)
        return;
    DueAsked_ = asked;
    if (!DueCounter_) {
        DueCounter_ = new TDueCounter(this);
        connect(DueCounter_, &TDueCounter::Counted, this, [this](const TDueAnswer& answer) {
            if (Reviewing())
                return;
            LastDue_ = answer;
            ShowShare(Session_.Document().LearntCount());
            const std::size_t direction = WindowState_.TestMode == 1 ? 1 : 0;
            StatusPanels_[6]->setText(answer ? DueText((*answer)[direction]) : QString());
            StatusPanels_[6]->setToolTip(answer
                    ? DueToolTip(*answer)
                    : QStringLiteral("Words due for review today in this direction"));
        });
    }
    DueCounter_->SetKey(key);
    DueCounter_->CountDocument([this]() -> const TVocabFile& { return Session_.Document(); }, *question);
}

std::string TMainForm::DueKey(const TDueQuestion& question) const
{
    return std::to_string(HistoryChanges_) + ' ' + std::to_string(question.Direction) + ' '
        + std::to_string(question.Today) + ' ' + std::to_string(question.NewPerDay) + ' '
        + std::to_string(Session_.Settings.Reviews.RetentionPercent);
}

std::optional<TDueQuestion> TMainForm::DueQuestion()
{
    THistory* history = HistoryFailed_ ? nullptr : History();
    if (!history)
        return std::nullopt;
    return TDueQuestion { history->Path(), static_cast<std::uint8_t>(WindowState_.TestMode == 1 ? 1 : 0),
        Today(), Session_.Settings.Reviews.NewPerDay, ParametersOf(Session_.Settings) };
}

void TMainForm::StopReview()
{
    const QString stopped = QString::fromStdString(ReviewQueue_->StoppedMessage());
    SetWindowMode(wmEditing);
    ShowMessageBox(stopped, QString(), QMessageBox::Ok, QMessageBox::Information);
}

void TMainForm::ReviewFinished(const std::string& closing)
{
    QString text = QString::fromStdString(closing);
    THistory* history = History();
    const std::uint8_t other = ReviewDirection_ == 1 ? 0 : 1;
    int left = 0;
    if (history && ReviewDirection_ != BothDirections) {
        try {
            const TDueCounts counts = CountDue(Session_.Document(), *history, other, Today(),
                Session_.Settings.Reviews.NewPerDay, ParametersOf(Session_.Settings));
            left = counts.Left();
        } catch (const std::exception&) {
            // Only the offer is lost: the session itself is over and kept.
        }
    }
    if (left == 0) {
        ShowMessageBox(text, QString(), QMessageBox::Ok, QMessageBox::Information);
        return;
    }
    text += QStringLiteral("\n\n%1 %2 still due today %3. Review them now?")
                .arg(left)
                .arg(left == 1 ? QStringLiteral("word is") : QStringLiteral("words are"))
                .arg(other == 0 ? QStringLiteral("into the native language")
                                : QStringLiteral("into the foreign language"));
    if (ShowMessageBox(
            text, QString(), QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::Yes)
        == QMessageBox::Yes)
        PendingReview_ = other;
}

void TMainForm::ReviewNextDirection()
{
    if (const std::optional<std::uint8_t> direction = std::exchange(PendingReview_, std::nullopt)) {
        WindowState_.TestMode = *direction;
        TestEngine().SetTestMode(*direction);
        RunReview(*direction);
    }
}

void TMainForm::UpdateReviewBar()
{
    TReviewBar* bar = pnlTest->pnlReview;
    if (!Reviewing()) {
        bar->hide();
        return;
    }
    bar->show();
    bar->ShowLeft(ReviewQueue_->Left());
    const std::optional<TRating> rated = ReviewQueue_->LastRating();
    if (TestEngine().Answered() && rated)
        bar->ShowRatings(*rated, ReviewQueue_->LastIntervals());
    else
        bar->HideRatings();
}

void TMainForm::RateAnswer(TRating rating)
{
    if (!Reviewing())
        return;
    try {
        ReviewQueue_->ChangeRating(rating);
    } catch (const std::exception& error) {
        ReviewFailed(Q(error.what()));
        return;
    }
    UpdateReviewBar();
    ScheduleUpdate();
}
