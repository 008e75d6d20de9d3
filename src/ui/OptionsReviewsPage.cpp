#include "ui/OptionsReviewsPage.h"

#include "evaluation/Languages.h"
#include "qtsupport/HelpRequest.h"
#include "qtsupport/ModelText.h"
#include "review/History.h"
#include "review/Optimizer.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <chrono>
#include <cmath>
#include <filesystem>

namespace {
enum TReviewsContext : int {
    hcRetention = 2241,
    hcNewPerDay = 2242,
    hcReminder = 2245,
    hcReminderTime = 2246,
    hcOptimize = 2247,
    hcShareHistory = 2260,
    hcShareFolder = 2261
};

QLabel* Explanation(QWidget* parent, const QString& text, int helpContext)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 52);
    label->setForegroundRole(QPalette::PlaceholderText);
    SetHelpContext(label, helpContext);
    return label;
}
} // namespace

TOptionsReviewsPage::TOptionsReviewsPage(const TReviewSettings& reviews, const TReminderChoice& reminder,
    std::optional<std::pair<std::uint16_t, std::uint16_t>> listLanguages, QWidget* parent)
    : QWidget(parent)
    , ListLanguages(listLanguages)
{
    setObjectName(QStringLiteral("tsReviews"));
    // Spin boxes keep the values in range as they are typed, so the page needs no check of its own.
    sbRetention = new QDoubleSpinBox(this);
    sbRetention->setObjectName(QStringLiteral("sbRetention"));
    sbRetention->setDecimals(2);
    sbRetention->setSingleStep(0.01);
    sbRetention->setRange(MinRetentionPercent / 100.0, MaxRetentionPercent / 100.0);
    sbRetention->setValue(reviews.RetentionPercent / 100.0);
    SetHelpContext(sbRetention, hcRetention);
    sbNewPerDay = new QSpinBox(this);
    sbNewPerDay->setObjectName(QStringLiteral("sbNewPerDay"));
    sbNewPerDay->setRange(0, MaxNewPerDay);
    sbNewPerDay->setValue(reviews.NewPerDay);
    SetHelpContext(sbNewPerDay, hcNewPerDay);
    for (QAbstractSpinBox* box :
        { static_cast<QAbstractSpinBox*>(sbRetention), static_cast<QAbstractSpinBox*>(sbNewPerDay) })
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 40);

    auto* retentionLabel = new QLabel(tr("&Desired retention:"), this);
    retentionLabel->setBuddy(sbRetention);
    SetHelpContext(retentionLabel, hcRetention);
    auto* newLabel = new QLabel(tr("&New words per day:"), this);
    newLabel->setBuddy(sbNewPerDay);
    SetHelpContext(newLabel, hcNewPerDay);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(retentionLabel, sbRetention);
    form->addRow(QString(),
        Explanation(this,
            tr("The chance of still knowing a word when it is asked again, from 0.70 to 0.97. "
               "A higher value asks more often."),
            hcRetention));
    form->addRow(newLabel, sbNewPerDay);
    form->addRow(QString(),
        Explanation(this,
            tr("Words never reviewed before that Review Due Words adds each day, after the "
               "words that are due."),
            hcNewPerDay));

    chbReminder = new QCheckBox(tr("Remind &me when words are due"), this);
    chbReminder->setObjectName(QStringLiteral("chbReminder"));
    chbReminder->setChecked(reminder.On);
    SetHelpContext(chbReminder, hcReminder);
    // Hours and minutes in every language: the reminder's time is a clock time, not a date.
    edtReminderTime = new QTimeEdit(QTime(reminder.Time / 60, reminder.Time % 60), this);
    edtReminderTime->setObjectName(QStringLiteral("edtReminderTime"));
    edtReminderTime->setDisplayFormat(QStringLiteral("HH:mm"));
    SetHelpContext(edtReminderTime, hcReminderTime);
    lblReminderTime = new QLabel(tr("T&ime of day:"), this);
    lblReminderTime->setBuddy(edtReminderTime);
    SetHelpContext(lblReminderTime, hcReminderTime);
    const auto follow = [this](bool on) {
        lblReminderTime->setEnabled(on);
        edtReminderTime->setEnabled(on);
    };
    follow(reminder.On);
    connect(chbReminder, &QCheckBox::toggled, this, follow);
    auto* reminderForm = new QFormLayout;
    reminderForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    reminderForm->addRow(lblReminderTime, edtReminderTime);
    reminderForm->addRow(QString(),
        Explanation(this,
            tr("A desktop notification tells how many words are due in the lists you used "
               "lately; its Review button opens the review. Without a systemd user session it "
               "comes when you log in, once a day."),
            hcReminder));

    HistoryPath = THistory::DefaultPath();
    btnOptimize = new QPushButton(tr("&Optimize from my history"), this);
    btnOptimize->setObjectName(QStringLiteral("btnOptimize"));
    btnUseFitted = new QPushButton(tr("Use these &parameters"), this);
    btnUseFitted->setObjectName(QStringLiteral("btnUseFitted"));
    btnUseFitted->setEnabled(false);
    btnResetParameters = new QPushButton(tr("Reset to de&faults"), this);
    btnResetParameters->setObjectName(QStringLiteral("btnResetParameters"));
    btnOptimizePair = new QPushButton(tr("Fit this &list's languages"), this);
    btnOptimizePair->setObjectName(QStringLiteral("btnOptimizePair"));
    btnOptimizePair->setEnabled(false);
    lblParameters = Explanation(this, QString(), hcOptimize);
    lblFigures = Explanation(this, QString(), hcOptimize);
    lblFigures->setObjectName(QStringLiteral("lblFigures"));
    lblFigures->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (QWidget* w : { static_cast<QWidget*>(btnOptimize), static_cast<QWidget*>(btnUseFitted),
             static_cast<QWidget*>(btnResetParameters), static_cast<QWidget*>(btnOptimizePair) })
        SetHelpContext(w, hcOptimize);
    connect(btnOptimize, &QPushButton::clicked, this, &TOptionsReviewsPage::Optimize);
    connect(btnOptimizePair, &QPushButton::clicked, this, &TOptionsReviewsPage::OptimizePair);
    connect(btnUseFitted, &QPushButton::clicked, this, &TOptionsReviewsPage::UseFitted);
    connect(btnResetParameters, &QPushButton::clicked, this, &TOptionsReviewsPage::ResetParameters);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnOptimize);
    buttons->addWidget(btnOptimizePair);
    buttons->addWidget(btnUseFitted);
    buttons->addWidget(btnResetParameters);
    buttons->addStretch();
    chbShareHistory = new QCheckBox(tr("Share my re&view history through this folder"), this);
    chbShareHistory->setObjectName(QStringLiteral("chbShareHistory"));
    chbShareHistory->setChecked(!reviews.ShareFolder.empty());
    SetHelpContext(chbShareHistory, hcShareHistory);
    edtShareFolder = new QLineEdit(QString::fromStdString(reviews.ShareFolder), this);
    edtShareFolder->setObjectName(QStringLiteral("edtShareFolder"));
    edtShareFolder->setAccessibleName(tr("Folder to share the review history through"));
    SetHelpContext(edtShareFolder, hcShareFolder);
    btnShareFolder = new QPushButton(QStringLiteral("..."), this);
    btnShareFolder->setObjectName(QStringLiteral("btnShareFolder"));
    btnShareFolder->setAccessibleName(tr("Choose the folder"));
    SetHelpContext(btnShareFolder, hcShareFolder);
    connect(btnShareFolder, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, tr("Share the Review History"),
            edtShareFolder->text().isEmpty() ? QDir::homePath() : edtShareFolder->text());
        if (!folder.isEmpty())
            edtShareFolder->setText(QDir::toNativeSeparators(folder));
    });
    const auto followShare = [this](bool on) {
        edtShareFolder->setEnabled(on);
        btnShareFolder->setEnabled(on);
    };
    followShare(chbShareHistory->isChecked());
    connect(chbShareHistory, &QCheckBox::toggled, this, followShare);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(edtShareFolder, 1);
    folderRow->addWidget(btnShareFolder);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(chbReminder);
    layout->addLayout(reminderForm);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addLayout(buttons);
    layout->addWidget(lblParameters);
    layout->addWidget(lblFigures);
    layout->addWidget(chbShareHistory);
    layout->addLayout(folderRow);
    layout->addWidget(Explanation(this,
        tr("Any folder a sync tool keeps the same on your computers. Each computer writes its own "
           "answers there, all of them the first time, and takes in the others' answers."),
        hcShareHistory));
    layout->addStretch();
    ShowParameters();
}

// One fit on a worker: what it reports back, and how the page asks it to stop.
struct TOptionsReviewsPage::TFitRun {
    std::atomic<int> Permille { 0 };
    std::atomic<bool> Stop { false };
    std::optional<TLanguagePair> Pair; // fitted to that pair's answers alone
    std::optional<TOptimizeReport> Report;
    std::size_t PairItems = 0; // after a fit to all answers: the list's pair's training items
    std::string Error;
};

namespace {

std::optional<TLanguagePair> PrimaryPair(
    const std::optional<std::pair<std::uint16_t, std::uint16_t>>& languages)
{
    if (!languages)
        return std::nullopt;
    return TLanguagePair { PrimaryLanguage(languages->first), PrimaryLanguage(languages->second) };
}

} // namespace

QString TOptionsReviewsPage::PairName() const
{
    const auto name = [](LangId id) { return ModelText(std::string(FindLanguage(id).Name).c_str()); };
    return ListLanguages ? tr("%1 to %2").arg(name(ListLanguages->first), name(ListLanguages->second))
                         : QString();
}

TOptionsReviewsPage::~TOptionsReviewsPage()
{
    // A fit still running ends at its next step; it holds its own history and figures.
    if (Run_)
        Run_->Stop = true;
}

void TOptionsReviewsPage::ShowParameters()
{
    std::optional<THistory::TLearnerParameters> own, pair;
    QString problem;
    try {
        // A history not made yet is not made by looking.
        if (std::filesystem::exists(HistoryPath)) {
            THistory history(HistoryPath);
            own = history.LearnerParameters();
            if (const auto languages = PrimaryPair(ListLanguages))
                pair = history.LearnerParameters(languages);
        }
    } catch (const std::exception& error) {
        problem = QString::fromStdString(error.what());
    }
    const auto day
        = [](std::int64_t ms) { return QLocale().toString(QDateTime::fromMSecsSinceEpoch(ms).date()); };
    btnResetParameters->setEnabled(own || pair);
    QString text = !problem.isEmpty() ? problem
        : own
        ? tr("Reviews are scheduled with parameters fitted to your history on %1.").arg(day(own->MadeMs))
        : tr("Reviews are scheduled with the published parameters.");
    if (pair)
        text += QLatin1Char(' ')
            + tr("Those of %1 with parameters fitted to their answers on %2.")
                  .arg(PairName(), day(pair->MadeMs));
    lblParameters->setText(text);
}

void TOptionsReviewsPage::Optimize()
{
    Fit(false);
}

void TOptionsReviewsPage::OptimizePair()
{
    Fit(true);
}

void TOptionsReviewsPage::Fit(bool pair)
{
    if (Fitting_ && Fitting_->isRunning())
        return;
    auto run = std::make_shared<TFitRun>();
    if (pair)
        run->Pair = PrimaryPair(ListLanguages);
    Run_ = run;
    btnUseFitted->setEnabled(false);
    btnOptimizePair->setEnabled(false);
    Progress_
        = new QProgressDialog(tr("Fitting the parameters to your history..."), tr("Cancel"), 0, 1000, this);
    Progress_->setObjectName(QStringLiteral("pdOptimize"));
    Progress_->setWindowModality(Qt::WindowModal);
    Progress_->setMinimumDuration(0);
    Progress_->setAutoClose(false);
    Progress_->setAutoReset(false);
    connect(Progress_, &QProgressDialog::canceled, this, [run] { run->Stop = true; });
    auto* timer = new QTimer(Progress_);
    // The dialog itself, not the member: that is cleared when the fit ends, before the dialog and
    // this timer are gone.
    connect(
        timer, &QTimer::timeout, Progress_, [dialog = Progress_, run] { dialog->setValue(run->Permille); });
    timer->start(100);
    if (!Fitting_) {
        Fitting_ = new QFutureWatcher<void>(this);
        connect(Fitting_, &QFutureWatcher<void>::finished, this, &TOptionsReviewsPage::Fitted);
    }
    const std::string path = HistoryPath;
    Fitting_->setFuture(QtConcurrent::run([run, path, list = PrimaryPair(ListLanguages)] {
        try {
            // A history of its own: one object serves one thread.
            THistory history(path);
            // Judged against the set that schedules those answers now.
            const TWeights current = history.WithLearnerParameters({}, run->Pair).W;
            run->Report = ::Optimize(history.OptimizerAnswers(run->Pair), current, {}, [&run](double share) {
                run->Permille = static_cast<int>(share * 1000);
                return !run->Stop;
            });
            if (run->Report && !run->Pair && list)
                run->PairItems = TrainingItems(history.OptimizerAnswers(list)).size();
        } catch (const std::exception& error) {
            run->Error = error.what();
        }
    }));
}

namespace {

QString Figure(double value)
{
    return QLocale().toString(value, 'f', 4);
}

QString BeforeAfter(const std::optional<TEvaluation>& before, const std::optional<TEvaluation>& after)
{
    if (!before || !after)
        return TOptionsReviewsPage::tr("too few answers to tell");
    return TOptionsReviewsPage::tr("log-loss %1 \u2192 %2, RMSE(bins) %3 \u2192 %4")
        .arg(Figure(before->LogLoss), Figure(after->LogLoss), Figure(before->RmseBins),
            Figure(after->RmseBins));
}

} // namespace

void TOptionsReviewsPage::Fitted()
{
    if (Progress_) {
        Progress_->deleteLater();
        Progress_ = nullptr;
    }
    const auto& run = *Run_;
    if (!run.Error.empty()) {
        lblFigures->setText(QString::fromStdString(run.Error));
        return;
    }
    if (!run.Report) {
        lblFigures->setText(tr("Stopped: the parameters are as they were."));
        return;
    }
    const TOptimizeReport& report = *run.Report;
    QString text = run.Pair ? tr("The answers of %1 alone:").arg(PairName()) + QLatin1Char('\n') : QString();
    text += tr("Answers used: %1 (%2 training items).").arg(report.Answers).arg(report.Fit.Items);
    text += QLatin1Char('\n') + tr("All answers: %1.").arg(BeforeAfter(report.Before, report.After));
    text += QLatin1Char('\n')
        + tr("Later answers held out: %1.")
              .arg(report.HeldOut ? BeforeAfter(report.HeldOut->Current, report.HeldOut->Fitted)
                                  : tr("too few answers to tell"));
    const bool offered = run.Pair ? report.BetterForPair() : report.Better();
    text += QLatin1Char('\n')
        + (run.Pair && report.Fit.Kind != TFitKind::Full
                ? tr("Too few answers of these languages for parameters of their own.")
                : report.Fit.Kind == TFitKind::Defaults ? tr("Too few answers to fit the parameters yet.")
                : report.Better()
                ? tr("They predict your later answers better than the current parameters.")
                : tr("They do not predict your later answers better than the current parameters, so they "
                     "are not offered."));
    lblFigures->setText(text);
    btnUseFitted->setEnabled(offered);
    // The list's languages are offered a fit of their own once there are enough of their answers.
    btnOptimizePair->setEnabled(run.PairItems >= FewestItemsForFullFit);
}

void TOptionsReviewsPage::UseFitted()
{
    if (!Run_ || !Run_->Report || !(Run_->Pair ? Run_->Report->BetterForPair() : Run_->Report->Better()))
        return;
    try {
        THistory(HistoryPath)
            .SetLearnerParameters(Run_->Report->Fit.W,
                std::chrono::duration_cast<std::chrono::milliseconds>(
                    std::chrono::system_clock::now().time_since_epoch())
                    .count(),
                Run_->Pair);
        btnUseFitted->setEnabled(false);
    } catch (const std::exception& error) {
        lblFigures->setText(QString::fromStdString(error.what()));
    }
    ShowParameters();
}

void TOptionsReviewsPage::ResetParameters()
{
    try {
        THistory(HistoryPath).ResetLearnerParameters();
    } catch (const std::exception& error) {
        lblFigures->setText(QString::fromStdString(error.what()));
    }
    ShowParameters();
}

TReviewSettings TOptionsReviewsPage::Read() const
{
    TReviewSettings reviews;
    reviews.RetentionPercent = static_cast<std::int32_t>(std::lround(sbRetention->value() * 100));
    reviews.NewPerDay = sbNewPerDay->value();
    if (chbShareHistory->isChecked())
        reviews.ShareFolder = edtShareFolder->text().trimmed().toStdString();
    return reviews;
}

TReminderChoice TOptionsReviewsPage::ReadReminder() const
{
    const QTime time = edtReminderTime->time();
    return { chbReminder->isChecked(), time.hour() * 60 + time.minute() };
}
