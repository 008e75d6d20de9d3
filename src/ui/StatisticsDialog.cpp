#include "ui/StatisticsDialog.h"

#include "qtsupport/HelpRequest.h"
#include "qtsupport/ModelText.h"
#include "testing/TestEngine.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The help button opens 3101 + the page index; the figures have topics of their own.
constexpr int StatisticsHelpContextBase = 3101;
enum TStatisticsContext : int {
    hcWordsLearnt = 2000,
    hcWordsInFile = 2001,
    hcProgress = 2002,
    hcAnsweredCorrectly = 2003,
    hcAttempted = 2004,
    hcSuccessRate = 2005,
    hcReset = 2006,
};

QLabel* MakeFigure(QWidget* page, const QString& text, int helpContext)
{
    auto* figure = new QLabel(text, page);
    figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    figure->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // Room for the widest counter, so the columns of both pages line up.
    figure->setMinimumWidth(figure->fontMetrics().horizontalAdvance(QStringLiteral("-2147483648")) + 12);
    SetHelpContext(figure, helpContext);
    return figure;
}

// One page: a label and its figure per row, and room for what follows (the progress bar).
void AddRow(QGridLayout* grid, QWidget* page, const QString& caption, QLabel* figure, int helpContext)
{
    auto* label = new QLabel(caption, page);
    SetHelpContext(label, helpContext);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(figure, row, 1);
}

QString Number(std::int32_t value)
{
    return QString::number(value);
}

} // namespace

TStatisticsDialog::TStatisticsDialog(QWidget* parent, const TVocabFile& document)
    : QDialog(parent)
{
    setWindowTitle(tr("Statistics"));
    const TStatistics figures = ReadStatistics(document);

    pcStatistics = new QTabWidget(this);
    tsProgress = new QWidget;
    stLearnt = MakeFigure(tsProgress, Number(figures.Learnt), hcWordsLearnt);
    stWords = MakeFigure(tsProgress, Number(figures.Words), hcWordsInFile);
    stProgress = MakeFigure(tsProgress, SayingText(figures.Progress), hcProgress);
    pbrProgress = new QProgressBar(tsProgress);
    // A maximum of 0 would turn the bar into a busy indicator: an empty list shows an empty bar.
    pbrProgress->setRange(0, std::max(figures.Words, 1));
    pbrProgress->setValue(figures.Learnt);
    pbrProgress->setTextVisible(false);
    SetHelpContext(pbrProgress, hcProgress);
    auto* progress = new QGridLayout(tsProgress);
    progress->setColumnStretch(0, 1);
    progress->setVerticalSpacing(8);
    AddRow(progress, tsProgress, tr("Words learnt:"), stLearnt, hcWordsLearnt);
    AddRow(progress, tsProgress, tr("Words in file:"), stWords, hcWordsInFile);
    AddRow(progress, tsProgress, tr("Progress:"), stProgress, hcProgress);
    progress->addWidget(pbrProgress, progress->rowCount(), 0, 1, 2);
    progress->setRowStretch(progress->rowCount(), 1);

    tsSuccessRate = new QWidget;
    stSuccesses = MakeFigure(tsSuccessRate, Number(figures.Successes), hcAnsweredCorrectly);
    stAttempts = MakeFigure(tsSuccessRate, Number(figures.Attempts), hcAttempted);
    stSuccessRate = MakeFigure(tsSuccessRate, SayingText(figures.SuccessRate), hcSuccessRate);
    auto* rate = new QGridLayout(tsSuccessRate);
    rate->setColumnStretch(0, 1);
    rate->setVerticalSpacing(8);
    AddRow(rate, tsSuccessRate, tr("Questions answered correctly:"), stSuccesses, hcAnsweredCorrectly);
    AddRow(rate, tsSuccessRate, tr("Questions attempted:"), stAttempts, hcAttempted);
    AddRow(rate, tsSuccessRate, tr("Success rate:"), stSuccessRate, hcSuccessRate);
    rate->setRowStretch(rate->rowCount(), 1);

    pcStatistics->addTab(tsProgress, tr("Progress"));
    pcStatistics->addTab(tsSuccessRate, tr("Success Rate"));

    chbReset = new QCheckBox(tr("&Reset statistics"), this);
    chbReset->setEnabled(figures.ResetEnabled);
    SetHelpContext(chbReset, hcReset);

    const TDialogButtons buttons = MakeDialogButtons(
        this, [this] { RequestHelp(StatisticsHelpContextBase + pcStatistics->currentIndex()); }, hcOK,
        hcCancel, hcHelp);
    btnOK = buttons.OK;
    btnCancel = buttons.Cancel;
    btnHelp = buttons.Help;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pcStatistics);
    layout->addWidget(chbReset);
    layout->addSpacing(4);
    layout->addLayout(buttons.Row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOK, &QPushButton::clicked, this, &TStatisticsDialog::btnOKClick);
    pcStatistics->setCurrentWidget(tsProgress);
}

void TStatisticsDialog::btnOKClick()
{
    if (chbReset->isEnabled() && chbReset->isChecked())
        accept();
    else
        reject();
}
