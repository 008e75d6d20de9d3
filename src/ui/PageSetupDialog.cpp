#include "ui/PageSetupDialog.h"

#include "qtsupport/HelpRequest.h"
#include "settings/Settings.h"
#include "ui/ValueChecks.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr double MaxMargin = 99;

// The sketch of a page: columns of text lines, and bars between them with the separator.
class TPagePreview : public QWidget {
public:
    TPagePreview(QWidget* parent, const TPageSetupDialog& dialog, const QCheckBox* separator)
        : QWidget(parent)
        , Dialog_(dialog)
        , Separator_(separator)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        for (const TSketchLine& line :
            PageSketch(width(), height(), Dialog_.Columns(), Separator_->isChecked())) {
            // A pen stops before its end point; QPainter draws it.
            if (line.Y1 == line.Y2)
                painter.drawLine(line.X1, line.Y1, line.X2 - 1, line.Y2);
            else
                painter.drawLine(line.X1, line.Y1, line.X2, line.Y2 - 1);
        }
    }

private:
    const TPageSetupDialog& Dialog_;
    const QCheckBox* Separator_;
};

QLineEdit* MakeMarginBox(QWidget* parent, std::int32_t twips, TMarginUnit unit)
{
    auto* box = new QLineEdit(parent);
    box->setMaxLength(5);
    box->setText(QLocale().toString(TwipsToUnits(twips, unit), 'f', 2));
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    SetHelpContext(box, 1600);
    return box;
}
} // namespace

TPageSetupDialog::TPageSetupDialog(QWidget* parent, TPageSetup& setup)
    : QDialog(parent)
    , Setup_(setup)
{
    setWindowTitle(tr("Page Setup"));
    Unit_ = QLocale().measurementSystem() == QLocale::MetricSystem ? muCentimetres : muInches;

    gbMargins = new QGroupBox(Unit_ == muInches ? tr(" Margins (inches): ") : tr(" Margins (cm): "), this);
    const TMargins& margins = Setup_.Margins;
    edtLeft = MakeMarginBox(gbMargins, margins.Left, Unit_);
    edtRight = MakeMarginBox(gbMargins, margins.Right, Unit_);
    edtTop = MakeMarginBox(gbMargins, margins.Top, Unit_);
    edtBottom = MakeMarginBox(gbMargins, margins.Bottom, Unit_);
    auto* marginForm = new QFormLayout(gbMargins);
    const std::pair<QString, QLineEdit*> marginRows[] = { { tr("&Left:"), edtLeft },
        { tr("&Right:"), edtRight }, { tr("&Top:"), edtTop }, { tr("&Bottom:"), edtBottom } };
    for (const auto& [caption, box] : marginRows) {
        auto* label = new QLabel(caption, gbMargins);
        label->setBuddy(box);
        marginForm->addRow(label, box);
    }

    auto* gbColumns = new QGroupBox(tr(" Columns: "), this);
    rbOneCol = new QRadioButton(tr("&One"), gbColumns);
    rbTwoCols = new QRadioButton(tr("T&wo"), gbColumns);
    rbThreeCols = new QRadioButton(tr("Thr&ee"), gbColumns);
    chbSeparator = new QCheckBox(tr("&Separator"), gbColumns);
    SetHelpContext(chbSeparator, 1602);
    auto* group = new QButtonGroup(this);
    int tag = 1;
    for (QRadioButton* button : { rbOneCol, rbTwoCols, rbThreeCols }) {
        SetHelpContext(button, 1601);
        group->addButton(button, tag++);
    }

    auto* panel = new QFrame(gbColumns);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setBackgroundRole(QPalette::Base);
    panel->setAutoFillBackground(true);
    pbPreview = new TPagePreview(panel, *this, chbSeparator);
    pbPreview->setObjectName(QStringLiteral("pbPreview"));
    pbPreview->setFixedSize(84, 112);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    panelLayout->addWidget(pbPreview);

    auto* choices = new QVBoxLayout;
    choices->addWidget(rbOneCol);
    choices->addWidget(rbTwoCols);
    choices->addWidget(rbThreeCols);
    choices->addSpacing(8);
    choices->addWidget(chbSeparator);
    choices->addStretch();
    auto* columnsRow = new QHBoxLayout(gbColumns);
    columnsRow->addLayout(choices);
    columnsRow->addWidget(panel);

    const TDialogButtons buttons = MakeDialogButtons(this, [] { RequestHelp(3050); });
    btnOK = buttons.OK;
    btnCancel = buttons.Cancel;
    btnHelp = buttons.Help;
    auto* groups = new QHBoxLayout;
    groups->addWidget(gbMargins);
    groups->addWidget(gbColumns);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addSpacing(6);
    layout->addLayout(buttons.Row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(group, &QButtonGroup::idClicked, this, &TPageSetupDialog::ColButtonClick);
    connect(chbSeparator, &QCheckBox::clicked, this, &TPageSetupDialog::chbSeparatorClick);
    connect(btnOK, &QPushButton::clicked, this, &TPageSetupDialog::btnOKClick);

    chbSeparator->setChecked(Setup_.Separator);
    const int columns = Setup_.Columns == 2 || Setup_.Columns == 3 ? Setup_.Columns : 1;
    group->button(columns)->setChecked(true);
    ColButtonClick(columns);
}

void TPageSetupDialog::ColButtonClick(int tag)
{
    Columns_ = tag;
    chbSeparator->setEnabled(tag >= 2);
    pbPreview->update();
}

void TPageSetupDialog::chbSeparatorClick()
{
    pbPreview->update();
}

void TPageSetupDialog::btnOKClick()
{
    double values[4] = {};
    QLineEdit* const boxes[] = { edtLeft, edtRight, edtTop, edtBottom };
    for (int i = 0; i < 4; ++i)
        if (!CheckFloatRange(boxes[i], 0, MaxMargin, &values[i]))
            return;
    Setup_.Columns = Columns_;
    Setup_.Separator = chbSeparator->isChecked();
    Setup_.Margins.Left = UnitsToTwips(values[0], Unit_);
    Setup_.Margins.Right = UnitsToTwips(values[1], Unit_);
    Setup_.Margins.Top = UnitsToTwips(values[2], Unit_);
    Setup_.Margins.Bottom = UnitsToTwips(values[3], Unit_);
    accept();
}
