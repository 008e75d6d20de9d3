#include "ui/FontDlg.h"

#include "core/DisplayText.h"
#include "ui/HelpRequest.h"
#include "ui/ValueChecks.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int MinSize = 8;
constexpr int MaxSize = 24;

// Scalable families stand in for the TrueType faces: both print and display at any size.
QStringList ScalableFamilies()
{
    QStringList families;
    for (const QString& family : QFontDatabase::families(QFontDatabase::Latin))
        if (QFontDatabase::isScalable(family) && !QFontDatabase::isPrivateFamily(family))
            families.append(family);
    families.sort(Qt::CaseInsensitive);
    families.removeDuplicates();
    return families;
}
} // namespace

TSelectFontDialog::TSelectFontDialog(QWidget* parent, TFontSetting& font)
    : QDialog(parent)
    , Font_(font)
{
    setWindowTitle(QStringLiteral("Select Font"));
    cbFontName = new QComboBox(this);
    cbFontName->addItems(ScalableFamilies());
    cbFontName->setCurrentIndex(
        cbFontName->findText(QString::fromStdString(font.Name), Qt::MatchFixedString));
    cbFontName->setMaxVisibleItems(16);
    SetHelpContext(cbFontName, 2100);

    cbFontSize = new QComboBox(this);
    cbFontSize->setEditable(true);
    cbFontSize->setInsertPolicy(QComboBox::NoInsert);
    for (int size = MinSize; size <= MaxSize; size += 2)
        cbFontSize->addItem(QString::number(size));
    SetDigitsOnly(cbFontSize->lineEdit());
    cbFontSize->lineEdit()->setMaxLength(2);
    cbFontSize->setEditText(QString::number(font.Size));
    SetHelpContext(cbFontSize, 2101);

    pnlPreview = new QLabel(this);
    pnlPreview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlPreview->setAlignment(Qt::AlignCenter);
    pnlPreview->setBackgroundRole(QPalette::Base);
    pnlPreview->setAutoFillBackground(true);
    {
        QFont largest = pnlPreview->font();
        largest.setPointSize(MaxSize);
        const QFontMetrics metrics(largest);
        pnlPreview->setFixedSize(metrics.averageCharWidth() * 20, metrics.height() * 2);
    }

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnHelp = new QPushButton(QStringLiteral("&Help"), this);
    btnOK->setDefault(true);
    btnOK->setEnabled(false);

    auto* fontLabel = new QLabel(QStringLiteral("&Font:"), this);
    fontLabel->setBuddy(cbFontName);
    auto* sizeLabel = new QLabel(QStringLiteral("&Size:"), this);
    sizeLabel->setBuddy(cbFontSize);
    auto* fields = new QFormLayout;
    fields->setVerticalSpacing(8);
    fields->addRow(fontLabel, cbFontName);
    fields->addRow(sizeLabel, cbFontSize);
    fields->addRow(new QLabel(QStringLiteral("Preview:"), this), pnlPreview);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cbFontName, &QComboBox::currentIndexChanged, this, &TSelectFontDialog::FontChange);
    connect(cbFontSize, &QComboBox::currentIndexChanged, this, &TSelectFontDialog::FontChange);
    connect(cbFontSize->lineEdit(), &QLineEdit::editingFinished, this, &TSelectFontDialog::FontChange);
    connect(btnOK, &QPushButton::clicked, this, &TSelectFontDialog::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, [] { RequestHelp(3080); });
    FontChange();
    cbFontName->setFocus();
}

void TSelectFontDialog::FontChange()
{
    if (cbFontName->currentIndex() < 0)
        return;
    btnOK->setEnabled(true);
    QFont preview = pnlPreview->font();
    preview.setFamily(cbFontName->currentText());
    std::int32_t size = 0;
    if (IntInRange(cbFontSize->currentText().toStdString(), MinSize, MaxSize, &size))
        preview.setPointSize(size);
    pnlPreview->setFont(preview);
    pnlPreview->setText(cbFontName->currentText());
}

void TSelectFontDialog::btnOKClick()
{
    if (cbFontName->currentIndex() < 0 || !CheckIntRange(cbFontSize, MinSize, MaxSize))
        return;
    Font_.Name = cbFontName->currentText().toStdString();
    Font_.Size = *ParseInt32(cbFontSize->currentText().toStdString());
    accept();
}
