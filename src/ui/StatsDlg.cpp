#include "ui/StatsDlg.h"

#include "core/DisplayText.h"
#include "ui/HelpRequest.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

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
    setWindowTitle(QStringLiteral("Statistics"));
    const std::int32_t learnt = document.LearntCount();
    const std::int32_t count = document.Count();
    const std::int32_t successes = document.Successes();
    const std::int32_t attempts = document.Attempts();

    pcStatistics = new QTabWidget(this);
    tsProgress = new QWidget;
    stLearnt = MakeFigure(tsProgress, Number(learnt), 2000);
    stWords = MakeFigure(tsProgress, Number(count), 2001);
    stProgress = MakeFigure(tsProgress, QString::fromStdString(PercentText(learnt, count)), 2002);
    pbrProgress = new QProgressBar(tsProgress);
    pbrProgress->setRange(0, count);
    pbrProgress->setValue(learnt);
    pbrProgress->setTextVisible(false);
    SetHelpContext(pbrProgress, 2002);
    auto* progress = new QGridLayout(tsProgress);
    progress->setColumnStretch(0, 1);
    progress->setVerticalSpacing(8);
    AddRow(progress, tsProgress, QStringLiteral("Words learnt:"), stLearnt, 2000);
    AddRow(progress, tsProgress, QStringLiteral("Words in file:"), stWords, 2001);
    AddRow(progress, tsProgress, QStringLiteral("Progress:"), stProgress, 2002);
    progress->addWidget(pbrProgress, progress->rowCount(), 0, 1, 2);
    progress->setRowStretch(progress->rowCount(), 1);

    tsSuccessRate = new QWidget;
    stSuccesses = MakeFigure(tsSuccessRate, Number(successes), 2003);
    stAttempts = MakeFigure(tsSuccessRate, Number(attempts), 2004);
    stSuccessRate = MakeFigure(tsSuccessRate, QString::fromStdString(PercentText(successes, attempts)), 2005);
    auto* rate = new QGridLayout(tsSuccessRate);
    rate->setColumnStretch(0, 1);
    rate->setVerticalSpacing(8);
    AddRow(rate, tsSuccessRate, QStringLiteral("Questions answered correctly:"), stSuccesses, 2003);
    AddRow(rate, tsSuccessRate, QStringLiteral("Questions attempted:"), stAttempts, 2004);
    AddRow(rate, tsSuccessRate, QStringLiteral("Success rate:"), stSuccessRate, 2005);
    rate->setRowStretch(rate->rowCount(), 1);

    pcStatistics->addTab(tsProgress, QStringLiteral("Progress"));
    pcStatistics->addTab(tsSuccessRate, QStringLiteral("Success Rate"));

    chbReset = new QCheckBox(QStringLiteral("&Reset statistics"), this);
    // Nothing has been asked since the last reset: there is nothing to reset.
    chbReset->setEnabled(attempts > 0);
    SetHelpContext(chbReset, 2006);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnHelp = new QPushButton(QStringLiteral("&Help"), this);
    btnOK->setDefault(true);
    SetHelpContext(btnOK, 1000);
    SetHelpContext(btnCancel, 1001);
    SetHelpContext(btnHelp, 1002);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pcStatistics);
    layout->addWidget(chbReset);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOK, &QPushButton::clicked, this, &TStatisticsDialog::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(
        btnHelp, &QPushButton::clicked, this, [this] { RequestHelp(3101 + pcStatistics->currentIndex()); });
    pcStatistics->setCurrentWidget(tsProgress);
}

void TStatisticsDialog::btnOKClick()
{
    if (chbReset->isEnabled() && chbReset->isChecked())
        accept();
    else
        reject();
}
