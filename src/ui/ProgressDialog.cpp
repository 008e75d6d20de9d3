#include "ui/ProgressDialog.h"

#include "qtsupport/HelpRequest.h"
#include "qtsupport/ModelText.h"
#include "ui/Accessible.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDate>
#include <QDeadlineTimer>
#include <QFutureWatcher>
#include <QGraphicsLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace {

enum TProgressContext : int {
    hcProgressWindow = 3120,
    hcAnswers = 2410,
    hcDue = 2411,
    hcShare = 2412,
    hcFailed = 2413,
    hcCalibration = 2414,
    hcRetention = 2415,
};

QDate DateOf(TDay day)
{
    return QDate(1970, 1, 1).addDays(day);
}

QString ShortDate(TDay day)
{
    //: The short date under a chart's bars, as a QDate format: "MMM d" is "Jan 5"
    return QLocale().toString(DateOf(day), TProgressDialog::tr("MMM d"));
}

// The shades of the calendar and the bars: the palette's highlight, from faint to full.
QColor Shade(const QPalette& palette, int level)
{
    if (level == 0)
        return palette.color(QPalette::Midlight);
    QColor colour = palette.color(QPalette::Highlight);
    colour.setAlphaF(0.25f + 0.25f * static_cast<float>(level - 1));
    return colour;
}

QLabel* Caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// A chart in the window's colours without its own title or legend: the caption above names it.
QChart* Plain(QChart* chart)
{
    chart->legend()->hide();
    chart->setBackgroundVisible(false);
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setAnimationOptions(QChart::NoAnimation);
    return chart;
}

QChartView* MakeChartView(QWidget* parent, int helpContext)
{
    auto* view = new QChartView(Plain(new QChart), parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 200);
    view->setFrameShape(QFrame::NoFrame);
    view->setStyleSheet(QStringLiteral("background: transparent"));
    SetHelpContext(view, helpContext);
    return view;
}

// A count axis from 0 in round steps that fit any count, labelled briefly ("250k", "1.5M").
QCategoryAxis* CountAxis(int highest)
{
    const TCountAxis steps = CountAxisFor(highest);
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(0, static_cast<double>(steps.Top));
    const std::vector<std::string> labels = CountAxisLabels(steps);
    for (std::size_t i = 0; i < labels.size(); ++i)
        axis->append(
            QString::fromStdString(labels[i]), static_cast<double>(i) * static_cast<double>(steps.Step));
    return axis;
}

// A day or week axis under bars at 0, 1, 2...: a label at every few bars, as the room allows;
// one label per bar would not fit and would be cut to dots.
QCategoryAxis* SparseAxis(const std::vector<QString>& labels, int every)
{
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(-0.5, static_cast<double>(labels.size()) - 0.5);
    for (std::size_t i = 0; i < labels.size(); i += static_cast<std::size_t>(every))
        axis->append(labels[i], static_cast<double>(i));
    axis->setGridLineVisible(false);
    return axis;
}

// One series of bars in the highlight colour over sparsely labelled categories, the axes in the
// palette's colours (the charts' own theme is light whatever the palette).
QChart* BarChart(QBarSet* bars, const QPalette& palette, const std::vector<QString>& labels, int every,
    QAbstractAxis* values)
{
    const QColor colour = palette.color(QPalette::Highlight);
    bars->setColor(colour);
    bars->setBorderColor(colour);
    auto* series = new QBarSeries;
    series->append(bars);
    series->setBarWidth(0.7);
    QChart* chart = Plain(new QChart);
    chart->addSeries(series);
    QCategoryAxis* categories = SparseAxis(labels, every);
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    for (QAbstractAxis* axis : { static_cast<QAbstractAxis*>(categories), values }) {
        axis->setLabelsColor(palette.color(QPalette::WindowText));
        axis->setLinePenColor(palette.color(QPalette::PlaceholderText));
        axis->setGridLineColor(palette.color(QPalette::Midlight));
    }
    return chart;
}

// The cards due on each of the next 30 days; what is overdue is due today.
QChart* DueChart(const TReviewProgress& progress, const QPalette& palette)
{
    auto* dueSet = new QBarSet(TProgressDialog::tr("Cards due"));
    std::vector<QString> dueLabels;
    int dueMost = 0;
    for (std::size_t i = 0; i < progress.DuePerDay.size(); ++i) {
        *dueSet << progress.DuePerDay[i];
        dueMost = std::max(dueMost, progress.DuePerDay[i]);
        dueLabels.push_back(
            i == 0 ? TProgressDialog::tr("Today") : ShortDate(progress.Today + static_cast<TDay>(i)));
    }
    QChart* chart = BarChart(dueSet, palette, dueLabels, 7, CountAxis(dueMost));
    // The top count's label sits on its line, half above the plot: room for that half.
    chart->setMargins(QMargins(0, QFontMetrics(chart->font()).height() / 2 + 1, 0, 0));
    return chart;
}

// The share of review answers right, per week; a week without reviews has no bar.
QChart* ShareChart(const TReviewProgress& progress, const QPalette& palette)
{
    auto* shareSet = new QBarSet(TProgressDialog::tr("Right", "share of answers"));
    std::vector<QString> weekLabels;
    for (const THistory::TWeekShare& week : progress.Weeks) {
        *shareSet << (week.Answers > 0 ? 100.0 * week.Right / week.Answers : 0.0);
        weekLabels.push_back(ShortDate(week.WeekStart));
    }
    auto* percent = new QValueAxis;
    percent->setRange(0, 100);
    percent->setTickCount(5);
    percent->setLabelFormat(QStringLiteral("%d%%"));
    return BarChart(shareSet, palette, weekLabels, 3, percent);
}

// Axes in the palette's colours (the charts' own theme is light whatever the palette).
void Colour(const std::initializer_list<QAbstractAxis*> axes, const QPalette& palette)
{
    for (QAbstractAxis* axis : axes) {
        axis->setLabelsColor(palette.color(QPalette::WindowText));
        axis->setLinePenColor(palette.color(QPalette::PlaceholderText));
        axis->setGridLineColor(palette.color(QPalette::Midlight));
    }
}

// From 0, 20 or 50 up to 100, in steps of 25, 20 or 10: round figures on every line.
QValueAxis* PercentAxis(int from)
{
    auto* percent = new QValueAxis;
    percent->setRange(from, 100);
    percent->setTickCount(from >= 50 ? 6 : 5);
    percent->setLabelFormat(QStringLiteral("%d%%"));
    return percent;
}

// Predicted recall against the share actually right, a point per tenth of predictions that holds
// answers; on the diagonal the schedule predicts exactly.
QChart* CalibrationChart(const TReviewProgress& progress, const QPalette& palette)
{
    QChart* chart = Plain(new QChart);
    auto* diagonal = new QLineSeries;
    *diagonal << QPointF(0, 0) << QPointF(100, 100);
    diagonal->setPen(QPen(palette.color(QPalette::PlaceholderText), 1, Qt::DashLine));
    auto* points = new QLineSeries;
    auto* marks = new QScatterSeries;
    for (const TCalibrationBin& bin : progress.Calibration)
        if (bin.Items > 0) {
            *points << QPointF(100 * bin.Predicted, 100 * bin.Actual);
            *marks << QPointF(100 * bin.Predicted, 100 * bin.Actual);
        }
    points->setPen(QPen(palette.color(QPalette::Highlight), 2));
    marks->setColor(palette.color(QPalette::Highlight));
    marks->setBorderColor(palette.color(QPalette::Highlight));
    marks->setMarkerSize(7);
    auto* predicted = PercentAxis(0);
    predicted->setTitleText(TProgressDialog::tr("Predicted"));
    predicted->setTitleBrush(palette.color(QPalette::WindowText));
    auto* actual = PercentAxis(0);
    chart->addAxis(predicted, Qt::AlignBottom);
    chart->addAxis(actual, Qt::AlignLeft);
    for (QAbstractSeries* series : { static_cast<QAbstractSeries*>(diagonal),
             static_cast<QAbstractSeries*>(points), static_cast<QAbstractSeries*>(marks) }) {
        chart->addSeries(series);
        series->attachAxis(predicted);
        series->attachAxis(actual);
    }
    Colour({ predicted, actual }, palette);
    return chart;
}

// The share of review answers right per month, young and mature cards apart, under a line at the
// desired retention.
QChart* RetentionChart(const TReviewProgress& progress, const QPalette& palette)
{
    auto* young = new QBarSet(TProgressDialog::tr("Young"));
    auto* mature = new QBarSet(TProgressDialog::tr("Mature"));
    std::vector<QString> labels;
    // The axis starts low enough to show the worst month's bar.
    double lowest = 100;
    for (const TMonthRetention& month : progress.Months) {
        const double youngShare = month.Young > 0 ? 100.0 * month.YoungRight / month.Young : 0.0;
        const double matureShare = month.Mature > 0 ? 100.0 * month.MatureRight / month.Mature : 0.0;
        *young << youngShare;
        *mature << matureShare;
        if (month.Young > 0)
            lowest = std::min(lowest, youngShare);
        if (month.Mature > 0)
            lowest = std::min(lowest, matureShare);
        labels.push_back(QLocale().toString(
            QDate(month.Year, static_cast<int>(month.Month), 1), QStringLiteral("MMM yy")));
    }
    young->setColor(palette.color(QPalette::Highlight).lighter(150));
    young->setBorderColor(young->color());
    mature->setColor(palette.color(QPalette::Highlight));
    mature->setBorderColor(mature->color());
    auto* bars = new QBarSeries;
    bars->append(young);
    bars->append(mature);
    bars->setBarWidth(0.8);
    QChart* chart = Plain(new QChart);
    chart->legend()->show();
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setLabelColor(palette.color(QPalette::WindowText));
    chart->addSeries(bars);
    QCategoryAxis* months = SparseAxis(labels.empty() ? std::vector<QString> { QString() } : labels, 2);
    QValueAxis* percent = PercentAxis(lowest >= 50 ? 50 : lowest >= 20 ? 20 : 0);
    chart->addAxis(months, Qt::AlignBottom);
    chart->addAxis(percent, Qt::AlignLeft);
    bars->attachAxis(months);
    bars->attachAxis(percent);
    auto* desired = new QLineSeries;
    desired->setName(TProgressDialog::tr("Desired %1%").arg(std::lround(100 * progress.DesiredRetention)));
    const double wanted = 100 * progress.DesiredRetention;
    *desired << QPointF(-0.5, wanted)
             << QPointF(std::max<double>(0.5, static_cast<double>(labels.size()) - 0.5), wanted);
    desired->setPen(QPen(palette.color(QPalette::WindowText), 1, Qt::DashLine));
    chart->addSeries(desired);
    desired->attachAxis(months);
    desired->attachAxis(percent);
    Colour({ months, percent }, palette);
    return chart;
}

// Gives the view a new chart; the view lets go of the old one without deleting it.
void ReplaceChart(QChartView* view, QChart* chart)
{
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

TProgressRead ReadFigures(const std::string& path, TDay today, double desiredRetention)
{
    TProgressRead read;
    try {
        THistory history(path);
        read.Figures = ReadReviewProgress(history, today, desiredRetention);
    } catch (const std::exception& error) {
        read.Error = error.what();
    }
    return read;
}

} // namespace

// ---- The calendar ----------------------------------------------------------------------------

TAnswerCalendar::TAnswerCalendar(const TReviewProgress& progress, QWidget* parent)
    : QWidget(parent)
    , Progress_(progress)
{
    setObjectName(QStringLiteral("pbAnswers"));
    Refresh();
    const QFontMetrics metrics(font());
    Cell_ = MinimumCell();
    Left_ = metrics.horizontalAdvance(QLocale().dayName(3, QLocale::ShortFormat)) + 8;
    Top_ = metrics.height() + 4;
    SetHelpContext(this, hcAnswers);
}

void TAnswerCalendar::Refresh()
{
    Busiest_ = Progress_.AnswersPerDay.empty()
        ? 0
        : *std::max_element(Progress_.AnswersPerDay.begin(), Progress_.AnswersPerDay.end());
    update();
}

int TAnswerCalendar::Shade(int count, int busiest)
{
    if (count <= 0 || busiest <= 0)
        return 0;
    return std::clamp((4 * count + busiest - 1) / busiest, 1, 4);
}

QSize TAnswerCalendar::sizeHint() const
{
    const int legend = QFontMetrics(font()).height() + 8;
    return { Left_ + ProgressWeeks * (MinimumCell() + Gap), Top_ + 7 * (MinimumCell() + Gap) + legend };
}

int TAnswerCalendar::MonthStartingIn(int week) const
{
    const auto startsIn = [this](int column) {
        const QDate monday = DateOf(Progress_.FirstDay + 7 * column);
        for (int d = 0; d < 7; ++d)
            if (monday.addDays(d).day() == 1)
                return monday.addDays(d).month();
        return 0;
    };
    if (const int month = startsIn(week))
        return month;
    // The first column names the month it is in, unless a month begins right after it.
    if (week == 0 && !startsIn(1) && !startsIn(2))
        return DateOf(Progress_.FirstDay).month();
    return 0;
}

void TAnswerCalendar::resizeEvent(QResizeEvent* event)
{
    // The squares grow with the room the window gives, up to a size that still reads as a calendar.
    const int legend = QFontMetrics(font()).height() + 8;
    const int across = (width() - Left_) / ProgressWeeks - Gap;
    const int down = (height() - Top_ - legend) / 7 - Gap;
    Cell_ = std::clamp(std::min(across, down), MinimumCell(), 30);
    QWidget::resizeEvent(event);
}

int TAnswerCalendar::MinimumCell() const
{
    return std::max(12, QFontMetrics(font()).height() - 2);
}

QRect TAnswerCalendar::Square(int week, int weekday) const
{
    return { Left_ + week * (Cell_ + Gap), Top_ + weekday * (Cell_ + Gap), Cell_, Cell_ };
}

int TAnswerCalendar::Count(TDay day) const
{
    const TDay index = day - Progress_.FirstDay;
    if (index < 0 || index >= static_cast<TDay>(Progress_.AnswersPerDay.size()))
        return 0;
    return Progress_.AnswersPerDay[static_cast<std::size_t>(index)];
}

std::optional<TDay> TAnswerCalendar::DayAt(QPoint point) const
{
    for (int week = 0; week < ProgressWeeks; ++week)
        for (int weekday = 0; weekday < 7; ++weekday)
            if (Square(week, weekday).contains(point)) {
                const TDay day = Progress_.FirstDay + 7 * week + weekday;
                return day <= Progress_.Today ? std::optional(day) : std::nullopt;
            }
    return std::nullopt;
}

void TAnswerCalendar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.setPen(colours.color(QPalette::WindowText));
    // Monday, Wednesday and Friday name their rows; the first week of a month names its column.
    for (const int weekday : { 0, 2, 4 }) {
        const QRect row = Square(0, weekday);
        painter.drawText(QRect(0, row.top(), Left_ - 6, row.height()), Qt::AlignRight | Qt::AlignVCenter,
            QLocale().dayName(weekday + 1, QLocale::ShortFormat));
    }
    for (int week = 0; week < ProgressWeeks; ++week) {
        if (const int month = MonthStartingIn(week)) {
            const QRect column = Square(week, 0);
            painter.drawText(QRect(column.left(), 0, 4 * Cell_, Top_ - 2), Qt::AlignLeft | Qt::AlignBottom,
                QLocale().monthName(month, QLocale::ShortFormat));
        }
        for (int weekday = 0; weekday < 7; ++weekday) {
            const TDay day = Progress_.FirstDay + 7 * week + weekday;
            if (day > Progress_.Today)
                continue;
            const QRect square = Square(week, weekday);
            painter.fillRect(square, ::Shade(colours, Shade(Count(day), Busiest_)));
            if (day == Progress_.Today) {
                painter.save();
                painter.setPen(QPen(colours.color(QPalette::WindowText), 1));
                painter.drawRect(square.adjusted(0, 0, -1, -1));
                painter.restore();
            }
        }
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = QRect(Left_ - 3, Top_ - 3, ProgressWeeks * (Cell_ + Gap) + 3, 7 * (Cell_ + Gap) + 3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    // The legend: what the shades mean, below the squares at the right.
    const QFontMetrics metrics(font());
    const int y = Top_ + 7 * (Cell_ + Gap) + 4;
    const QString fewer = tr("Fewer");
    const QString more = tr("More");
    int x = Left_ + ProgressWeeks * (Cell_ + Gap) - Gap - metrics.horizontalAdvance(more);
    painter.drawText(QPoint(x, y + metrics.ascent()), more);
    const int small = metrics.height() - 4;
    for (int level = 4; level >= 0; --level) {
        x -= small + 3;
        painter.fillRect(QRect(x, y + 2, small, small), ::Shade(colours, level));
    }
    x -= 4 + metrics.horizontalAdvance(fewer);
    painter.drawText(QPoint(x, y + metrics.ascent()), fewer);
}

bool TAnswerCalendar::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const auto day = DayAt(help->pos())) {
            const int count = Count(*day);
            QToolTip::showText(help->globalPos(),
                QStringLiteral("%1: %2").arg(QLocale().toString(DateOf(*day), QLocale::LongFormat),
                    tr("%Ln answer(s)", nullptr, count)),
                this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

// ---- The dialog ------------------------------------------------------------------------------

TProgressDialog::TProgressDialog(QWidget* parent, const TReviewProgress& progress)
    : QDialog(parent)
    , Progress_(progress)
{
    Build();
    ShowFigures();
}

TProgressDialog::TProgressDialog(
    QWidget* parent, const std::string& historyPath, TDay today, double desiredRetention)
    : QDialog(parent)
    , Progress_(EmptyReviewProgress(today))
{
    Progress_.DesiredRetention = desiredRetention;
    Build();
    ShowFigures();
    lblSummary->setText(tr("Reading the review history..."));
    pbReading->show();
    Reading_ = new QFutureWatcher<TProgressRead>(this);
    connect(Reading_, &QFutureWatcher<TProgressRead>::finished, this, &TProgressDialog::FiguresRead);
    // The worker has its own connection and copies of what it needs: it may outlive the dialog.
    Reading_->setFuture(QtConcurrent::run([historyPath, today, desiredRetention] {
        return ReadFigures(historyPath, today, desiredRetention);
    }));
}

TProgressDialog::~TProgressDialog()
{
    // A worker still reading finishes on its own; its figures go nowhere.
    if (Reading_)
        Reading_->disconnect(this);
}

void TProgressDialog::FiguresRead()
{
    const TProgressRead read = Reading_->result();
    Reading_->deleteLater();
    Reading_ = nullptr;
    pbReading->hide();
    if (!read.Figures) {
        lblSummary->setText(
            tr("The review history cannot be read: %1").arg(QString::fromStdString(read.Error)));
        return;
    }
    Progress_ = *read.Figures;
    ShowFigures();
}

bool TProgressDialog::WaitForFigures(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (Reading_ && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return !Reading_ && lblSummary->text() == SayingText(ProgressSummary(Progress_));
}

void TProgressDialog::ShowCharts()
{
    ReplaceChart(chDue, DueChart(Progress_, palette()));
    ReplaceChart(chShare, ShareChart(Progress_, palette()));
    ReplaceChart(chCalibration, CalibrationChart(Progress_, palette()));
    ReplaceChart(chRetention, RetentionChart(Progress_, palette()));
}

void TProgressDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && chDue)
        ShowCharts();
}

void TProgressDialog::ShowFigures()
{
    const TReviewProgress& progress = Progress_;
    lblSummary->setText(SayingText(ProgressSummary(progress)));
    pbAnswers->Refresh();
    pbAnswers->setAccessibleName(
        tr("Answers per day, last twelve weeks: %L1 in all").arg(progress.Answers()));
    ShowCharts();
    chDue->setAccessibleName(tr("Cards due, next 30 days: %L1 today").arg(progress.DueToday()));

    lvFailed->clear();
    for (const THistory::TFailedWord& word : progress.Failed) {
        auto* row = new QTreeWidgetItem(lvFailed,
            { QString::fromStdString(word.Word), QString::fromStdString(word.Translations),
                QLocale().toString(word.Failures) });
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (progress.Failed.empty()) {
        auto* none = new QTreeWidgetItem(lvFailed, { tr("No word failed yet.") });
        none->setFlags(Qt::NoItemFlags);
        none->setFirstColumnSpanned(true);
    }
}

void TProgressDialog::Build()
{
    setWindowTitle(tr("Review Progress"));
    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);
    // A sign of work while the worker reads; the window stays free to be closed meanwhile.
    pbReading = new QProgressBar(this);
    pbReading->setObjectName(QStringLiteral("pbReading"));
    pbReading->setRange(0, 0);
    pbReading->setTextVisible(false);
    pbReading->setMaximumWidth(160);
    pbReading->hide();

    pbAnswers = new TAnswerCalendar(Progress_, this);
    chDue = MakeChartView(this, hcDue);
    chDue->setObjectName(QStringLiteral("chDue"));
    chShare = MakeChartView(this, hcShare);
    chShare->setObjectName(QStringLiteral("chShare"));
    chShare->setAccessibleName(tr("Review answers right per week"));
    chCalibration = MakeChartView(this, hcCalibration);
    chCalibration->setObjectName(QStringLiteral("chCalibration"));
    chCalibration->setAccessibleName(tr("Predicted recall against the share of answers right"));
    chRetention = MakeChartView(this, hcRetention);
    chRetention->setObjectName(QStringLiteral("chRetention"));
    chRetention->setAccessibleName(tr("True retention per month, young and mature cards"));

    lvFailed = new QTreeWidget(this);
    lvFailed->setObjectName(QStringLiteral("lvFailed"));
    lvFailed->setRootIsDecorated(false);
    lvFailed->setHeaderLabels({ tr("Word"), tr("Translations"), tr("Failed") });
    lvFailed->header()->setStretchLastSection(false);
    lvFailed->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lvFailed->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    lvFailed->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    lvFailed->setMinimumSize(360, 200);
    SetHelpContext(lvFailed, hcFailed);
    const TDialogButtons buttons = MakeDialogButtons(this, [] { RequestHelp(hcProgressWindow); });
    btnClose = buttons.OK;
    btnClose->setText(tr("Close"));
    btnClose->setObjectName(QStringLiteral("btnClose"));
    buttons.Cancel->hide(); // Esc closes as Close does
    btnHelp = buttons.Help;
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(6);
    const auto place = [&](const QString& caption, QWidget* widget, int row, int column) {
        QLabel* label = Caption(caption, this);
        SetBuddy(label, widget);
        grid->addWidget(label, 2 * row, column);
        grid->addWidget(widget, 2 * row + 1, column);
    };
    place(tr("&Answers per day, last twelve weeks"), pbAnswers, 0, 0);
    place(tr("Cards &due, next 30 days"), chDue, 0, 1);
    place(tr("&Reviews right per week"), chShare, 1, 0);
    place(tr("Words &failed most often"), lvFailed, 1, 1);
    place(tr("Predicted recall against actual (&calibration)"), chCalibration, 2, 0);
    place(tr("True re&tention per month"), chRetention, 2, 1);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(3, 1);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(lblSummary, 1);
    top->addWidget(pbReading);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons.Row);
    // The pictures take keyboard focus so Tab walks through them and F1 explains each.
    for (QWidget* picture :
        { static_cast<QWidget*>(pbAnswers), static_cast<QWidget*>(chDue), static_cast<QWidget*>(chShare),
            static_cast<QWidget*>(chCalibration), static_cast<QWidget*>(chRetention) })
        picture->setFocusPolicy(Qt::StrongFocus);
    btnClose->setFocus();
}
