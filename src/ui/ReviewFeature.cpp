#include "ui/ReviewFeature.h"

#include "core/DisplayText.h"
#include "core/UserFolders.h"
#include "qtsupport/DialogRunner.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/ModelText.h"
#include "review/ReviewProgress.h"
#include "settings/Reminder.h"
#include "testing/TestEngine.h"
#include "ui/DueCounter.h"
#include "ui/HistorySharing.h"
#include "ui/LongTask.h"
#include "ui/MainWindow.h"
#include "ui/Parts.h"
#include "ui/ReviewBar.h"
#include "ui/TestCommands.h"
#include "ui/TestPanel.h"
#include "ui/VocabGrid.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QTimer>
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

TReviewFeature::TReviewFeature(TMainForm& form)
    : Form_(form)
    , Session_(form.Session())
{
    const auto canReview = [this] { return Form_.CanTest() && !HistoryFailed_; };
    const TCommandRow rows[] = {
        { "miTestReview", QT_TRANSLATE_NOOP("Commands", "Re&view Due Words"),
            QKeySequence(Qt::CTRL | Qt::Key_R),
            QT_TRANSLATE_NOOP("Commands",
                "Asks the words due today in this direction, spread over the days so you keep them"),
            "review", 2406, { TMenuId::Test, 11, 61, "tbReview" }, [this] { Run(std::nullopt); }, canReview,
            [this] { return Reviewing() && Direction_ != BothDirections; } },
        { "miTestReviewBoth", QT_TRANSLATE_NOOP("Commands", "Review &Both Directions"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
            QT_TRANSLATE_NOOP("Commands", "Asks the words due today into either language, mixed"), nullptr,
            2408, { TMenuId::Test, 12 }, [this] { Run(BothDirections); }, canReview,
            [this] { return Reviewing() && Direction_ == BothDirections; } },
        { "miTestProgress", QT_TRANSLATE_NOOP("Commands", "Review &Progress..."), QKeySequence(),
            QT_TRANSLATE_NOOP("Commands", "Shows your reviews over the days and the words you fail most"),
            nullptr, 2407, { TMenuId::Test, 42 }, [this] { Progress(); },
            [this] { return !HistoryFailed_; } },
    };
    form.AddCommands(rows);
    Sharing_ = new THistorySharing(this, [this] {
        return TSharingJob { HistoryPath_.empty() ? THistory::DefaultPath() : HistoryPath_,
            Session_.Settings.Reviews.ShareFolder, ParametersOf(Session_.Settings) };
    });
    connect(Sharing_, &THistorySharing::Shared, this, &TReviewFeature::Shared);
    QTimer::singleShot(0, Sharing_, &THistorySharing::ShareNow);
    // Another copy of the program or the command line may have reviewed meanwhile, and another
    // machine too.
    form.installEventFilter(new TActivationWatch(this, [this] {
        HistoryChanged();
        Sharing_->ShareNow();
    }));

    form.Grid()->Model()->SetToolTips([this](int row) { return LeechToolTip(row); });
    DueTimer_ = new QTimer(this);
    DueTimer_->setSingleShot(true);
    connect(DueTimer_, &QTimer::timeout, this, &TReviewFeature::AskDue);
    // After the change is complete: the count starts from an image of the list made here.
    Changes_ = std::make_unique<TSubscription>(
        Session_.Changes(), mcList | mcMode, [this](std::uint32_t) { DueTimer_->start(); });
    TTestPanel* panel = form.TestPanel();
    connect(panel, &TTestPanel::AnswerFailed, this, [this](const QString& message, bool passing) {
        Form_.RunCommand([this, message, passing] { passing ? AnswerNotKept(message) : Failed(message); });
    });
    connect(panel, &TTestPanel::QuestionShown, this, [this] { UpdateReviewBar(); });
    connect(panel, &TTestPanel::AnswerRecorded, this, [this] {
        UpdateReviewBar();
        Sharing_->ShareSoon();
    });
    connect(panel->pnlReview, &TReviewBar::Rated, this,
        [this](TRating rating) { Form_.RunCommand([this, rating] { Rate(rating); }); });
}

TReviewFeature::~TReviewFeature()
{
    Sharing_->Finish();
}

void TReviewFeature::ShareHistory()
{
    Sharing_->ShareNow();
}

void TReviewFeature::Shared(const TSharingOutcome& outcome)
{
    if (outcome.Merged > 0)
        HistoryChanged();
    QStringList told;
    for (const TSaying& problem : outcome.Problems)
        told << SayingText(problem);
    const std::string failure = outcome.Failure.Text();
    if (failure != SharingFailure_ && !failure.empty())
        told << SayingText(outcome.Failure);
    SharingFailure_ = failure;
    if (!told.isEmpty())
        ShowMessageBox(told.join(QStringLiteral("\n\n")), QStringLiteral("Velmoria"), QMessageBox::Ok,
            QMessageBox::Information);
}

bool TReviewFeature::FollowDirection()
{
    return !Reviewing() || Form_.Test().Engine().TestMode() == Direction_ || Start();
}

void TReviewFeature::ShowShare(std::int32_t learnt)
{
    // While a test runs its own figure counts; a review or the grid shows what reviews made.
    const bool test = Form_.WindowMode() == wmTesting && !Reviewing();
    const std::size_t direction = Form_.WindowState().TestMode == 1 ? 1 : 0;
    const TSharePanel share = SharePanel(learnt, Session_.Document().Count(),
        LastDue_ && !test ? std::optional((*LastDue_)[direction]) : std::nullopt);
    QLabel* panel = Form_.StatusPanel(4);
    if (panel->text() != share.Text)
        panel->setText(share.Text);
    if (panel->toolTip() != share.Tip)
        panel->setToolTip(share.Tip);
}

bool TReviewFeature::Reviewing() const
{
    return Form_.WindowMode() == wmTesting && Queue_ != nullptr;
}

QString TReviewFeature::LeechToolTip(int row)
{
    // Only a history already open: pointing at a row never brings up its errors.
    const TVocabFile& document = Session_.Document();
    if (!History_ || row < 0 || row >= document.Count())
        return {};
    try {
        std::array<int, 2> failures {};
        for (std::uint8_t d = 0; d < 2; ++d)
            failures[d] = History_->Failures(CardKeyOf(document, document.Items(row), d));
        return SayingText(LeechHint(failures));
    } catch (const std::exception&) {
        return {}; // busy: the hint waits for the next look
    }
}

THistory* TReviewFeature::History()
{
    if (!History_ && !HistoryFailed_) {
        try {
            History_
                = std::make_unique<THistory>(HistoryPath_.empty() ? THistory::DefaultPath() : HistoryPath_);
        } catch (const std::exception& error) {
            Failed(ErrorText(error));
        }
        const TSaying notice = History_ ? History_->Notice() : TSaying();
        const TSaying counted = DueCounter_ ? DueCounter_->TakeNotice() : TSaying();
        if (!notice.Empty() || !counted.Empty())
            ShowMessageBox(SayingText(notice.Empty() ? counted : notice), QStringLiteral("Velmoria"),
                QMessageBox::Ok, QMessageBox::Information);
    }
    return History_.get();
}

void TReviewFeature::AnswerNotKept(const QString& message)
{
    // A lock that will pass or a disk with room again later: the review and the answer typed stay.
    ShowMessageBox(tr("%1\n\nYour answer was not kept. Press Enter to give it again.").arg(message),
        QStringLiteral("Velmoria"), QMessageBox::Ok, QMessageBox::Warning);
}

void TReviewFeature::Failed(const QString& message)
{
    // Told once: the reviews stay unavailable for this run, the file is left to the user, and the
    // test goes on as ever.
    if (HistoryFailed_)
        return;
    HistoryFailed_ = true;
    if (Reviewing())
        Form_.SetWindowMode(wmEditing);
    History_.reset();
    ShowMessageBox(tr("%1\n\nReview Due Words is unavailable until the program is started again. "
                      "Testing works as before.")
                       .arg(message),
        QStringLiteral("Velmoria"), QMessageBox::Ok, QMessageBox::Warning);
    AskDueSoon();
    Form_.ScheduleUpdate();
}

void TReviewFeature::HistoryChanged()
{
    ++HistoryChanges_;
    AskDueSoon();
}

void TReviewFeature::AskDueSoon()
{
    DueTimer_->start();
    Form_.ScheduleUpdate();
}

void TReviewFeature::SetHistoryPath(const std::string& path)
{
    if (Reviewing())
        Form_.SetWindowMode(wmEditing);
    History_.reset();
    HistoryFailed_ = false;
    HistoryPath_ = path;
    DueAsked_.clear();
    AskDueSoon();
}

bool TReviewFeature::Start(std::optional<std::uint8_t> direction)
{
    THistory* history = History();
    if (!history)
        return false;
    if (history->ReadOnly()) {
        ShowMessageBox(tr("The review history \"%1\" cannot take answers: %2. The due count "
                          "and Review Progress still work.")
                           .arg(Q(history->Path().c_str()), SayingText(history->ReadOnlyWhy())),
            QStringLiteral("Velmoria"), QMessageBox::Ok, QMessageBox::Warning);
        return false;
    }
    TTestEngine& engine = Form_.Test().Engine();
    engine.SetReview(nullptr);
    Direction_ = direction.value_or(engine.TestMode());
    // The plan the due count made starts the review at once; without one the list is planned here.
    const TVocabFile& document = Session_.Document();
    const std::optional<TDueQuestion> question = DueQuestion();
    const TReviewPlan* plan = DueCounter_ && question && question->Direction == Direction_
        ? DueCounter_->Plan(document.Revision(), DueKey(*question))
        : nullptr;
    if (plan) {
        Queue_ = std::make_unique<TReviewQueue>(document, *history, *plan, Today(),
            ParametersOf(Session_.Settings), Session_.Settings.Options.DisallowHints);
    } else {
        TWaitCursor wait;
        Queue_ = std::make_unique<TReviewQueue>(document, *history, Direction_, Today(),
            Session_.Settings.Reviews.NewPerDay, ParametersOf(Session_.Settings),
            Session_.Settings.Options.DisallowHints);
    }
    // The session's answers change the history: no count or plan made before it fits after it.
    ++HistoryChanges_;
    engine.SetReview(Queue_.get());
    return true;
}

void TReviewFeature::Run(std::optional<std::uint8_t> direction)
{
    // The command of the review on screen stops it.
    if (Reviewing() && (direction == BothDirections) == (Direction_ == BothDirections)) {
        Stop();
        return;
    }
    if (!Form_.CanTest())
        return;
    // A classic test or another review on screen ends first; its question is dropped unanswered.
    if (Form_.WindowMode() == wmTesting)
        Form_.SetWindowMode(wmEditing);
    if (!Start(direction))
        return;
    if (Form_.Test().NextQuestion()) {
        Form_.SetWindowMode(wmTesting);
        return;
    }
    // Nothing to ask: the engine lets go of the queue before it goes.
    Form_.Test().Engine().SetReview(nullptr);
    Queue_.reset();
    NextDirection();
}

void TReviewFeature::Progress()
{
    THistory* history = History();
    if (!history)
        return;
    Form_.ClearCutMark();
    // A long history takes a second or more to sum up: the dialog reads it in a worker.
    if (const TParts* parts = LoadParts())
        parts->ShowReviewProgress(
            &Form_, history->Path(), Today(), Session_.Settings.Reviews.DesiredRetention());
}

void TReviewFeature::ShowReviewLeft()
{
    // The session knows what is left (the question on screen until it is answered); the list's
    // count is asked again once the session ends.
    if (!Reviewing())
        return;
    const QString text = DueText(Queue_->Left());
    if (Form_.StatusPanel(6)->text() != text)
        Form_.StatusPanel(6)->setText(text);
}

void TReviewFeature::AskDue()
{
    QLabel* panel = Form_.StatusPanel(6);
    const auto show = [panel](const QString& text) {
        if (panel->text() != text)
            panel->setText(text);
    };
    if (!Form_.ListShown() || Reviewing())
        return;
    // Opening the history and counting wait for the window's first picture, which they are not in.
    if (!Form_.Painted())
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
        + std::to_string(Form_.WindowMode() == wmTesting ? document.TextsRevision() : document.Revision());
    if (asked == DueAsked_)
        return;
    DueAsked_ = asked;
    if (!DueCounter_) {
        DueCounter_ = new TDueCounter(this);
        connect(DueCounter_, &TDueCounter::Counted, this, [this](const TDueAnswer& answer) {
            if (Reviewing() || HistoryFailed_)
                return;
            LastDue_ = answer;
            ShowShare(Session_.Document().LearntCount());
            const std::size_t direction = Form_.WindowState().TestMode == 1 ? 1 : 0;
            Form_.StatusPanel(6)->setText(answer ? DueText((*answer)[direction]) : QString());
            Form_.StatusPanel(6)->setToolTip(
                answer ? DueToolTip(*answer) : tr("Words due for review today in this direction"));
        });
        connect(DueCounter_, &TDueCounter::Counting, Form_.Grid(), &TVocabGrid::HoldMeasuring);
        // Opened once the worker has checked it, with anything it has to tell.
        connect(DueCounter_, &TDueCounter::Planned, this, [this] {
            if (Reviewing())
                return;
            // Failing, it says so and the next update clears the counts.
            if (!History_ && !History())
                return;
            if (const TSaying notice = DueCounter_->TakeNotice(); !notice.Empty())
                ShowMessageBox(SayingText(notice), QStringLiteral("Velmoria"), QMessageBox::Ok,
                    QMessageBox::Information);
        });
    }
    DueCounter_->SetKey(key);
    DueCounter_->CountDocument([this]() -> const TVocabFile& { return Session_.Document(); }, *question);
}

std::string TReviewFeature::DueKey(const TDueQuestion& question) const
{
    return std::to_string(HistoryChanges_) + ' ' + std::to_string(question.Direction) + ' '
        + std::to_string(question.Today) + ' ' + std::to_string(question.NewPerDay) + ' '
        + std::to_string(Session_.Settings.Reviews.RetentionPercent);
}

std::optional<TDueQuestion> TReviewFeature::DueQuestion() const
{
    // Not opened here: the worker opens it first, and checks it when it changed since.
    if (HistoryFailed_)
        return std::nullopt;
    return TDueQuestion { HistoryPath_.empty() ? THistory::DefaultPath() : HistoryPath_,
        static_cast<std::uint8_t>(Form_.WindowState().TestMode == 1 ? 1 : 0), Today(),
        Session_.Settings.Reviews.NewPerDay, ParametersOf(Session_.Settings) };
}

void TReviewFeature::Stop()
{
    const QString stopped = SayingText(Queue_->StoppedMessage());
    Form_.SetWindowMode(wmEditing);
    ShowMessageBox(stopped, QString(), QMessageBox::Ok, QMessageBox::Information);
}

void TReviewFeature::Finished(const TSaying& closing)
{
    QString text = SayingText(closing);
    THistory* history = History();
    const std::uint8_t other = Direction_ == 1 ? 0 : 1;
    int left = 0;
    if (history && Direction_ != BothDirections) {
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
    text = (other == 0
            ? tr("%1\n\n%n word(s) still due today into the native language. Review them now?", nullptr, left)
            : tr("%1\n\n%n word(s) still due today into the foreign language. Review them now?", nullptr,
                left))
               .arg(text);
    if (ShowMessageBox(
            text, QString(), QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::Yes)
        == QMessageBox::Yes)
        PendingReview_ = other;
}

void TReviewFeature::NextDirection()
{
    if (const std::optional<std::uint8_t> direction = std::exchange(PendingReview_, std::nullopt)) {
        Form_.WindowState().TestMode = *direction;
        Form_.Test().Engine().SetTestMode(*direction);
        AskDueSoon();
        Run(*direction);
    }
}

void TReviewFeature::UpdateReviewBar()
{
    TReviewBar* bar = Form_.TestPanel()->pnlReview;
    if (!Reviewing()) {
        bar->hide();
        return;
    }
    bar->show();
    bar->ShowLeft(Queue_->Left());
    const std::optional<TRating> rated = Queue_->LastRating();
    if (Form_.Test().Engine().Answered() && rated)
        bar->ShowRatings(*rated, Queue_->LastIntervals());
    else
        bar->HideRatings();
}

void TReviewFeature::Rate(TRating rating)
{
    if (!Reviewing())
        return;
    try {
        Queue_->ChangeRating(rating);
    } catch (const std::exception& error) {
        Failed(ErrorText(error));
        return;
    }
    UpdateReviewBar();
    Form_.ScheduleUpdate();
}

void TReviewFeature::ApplyReminder(const TReminderChoice& before, const TReminderChoice& after)
{
    const TReminderStep step = ReminderStep(before, after);
    if (step == TReminderStep::rsNone)
        return;
    const TWaitCursor wait;
    try {
        const TReminderFiles files = ReminderFiles(ConfigHome());
        if (step == TReminderStep::rsRemove) {
            RemoveReminder(files, RunSystemctl);
            return;
        }
        const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/velmoria-cli");
        InstallReminder(after.Time, QFile::encodeName(program).toStdString(), files, RunSystemctl);
    } catch (const std::exception& error) {
        ShowMessageBox(tr("The reminder could not be changed. %1").arg(ErrorText(error)), QString(),
            QMessageBox::Ok, QMessageBox::Warning);
    }
}
