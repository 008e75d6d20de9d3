#include "ui/FontDialog.h"

#include "core/DisplayText.h"
#include "qtsupport/HelpRequest.h"
#include "ui/ValueChecks.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {
constexpr int MinSize = 8;
constexpr int MaxSize = 24;

// Scalable families stand in for the TrueType faces: both print and display at any size.
// Symbol and dingbat fonts draw pictures instead of letters, so a list could not be read in them.
bool IsTextFace(const QString& family)
{
    if (!QFontDatabase::isScalable(family) || QFontDatabase::isPrivateFamily(family)
        || QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol))
        return false;
    static const QRegularExpression pictures(
        QStringLiteral("symbol|dingbat|wingding|webding"), QRegularExpression::CaseInsensitiveOption);
    return !pictures.match(family).hasMatch();
}
} // namespace

QString FamilyWithoutFoundry(const QString& family)
{
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    return QString(family).remove(foundry);
}

QStringList FaceNames(const QStringList& families, const std::function<bool(const QString&)>& isTextFace)
{
    QStringList faces;
    for (const QString& family : families)
        if (isTextFace(family))
            faces.append(FamilyWithoutFoundry(family));
    faces.sort(Qt::CaseInsensitive);
    faces.removeDuplicates();
    return faces;
}

QString ChooseFace(const QStringList& faces, const QStringList& candidates)
{
    for (const QString& candidate : candidates)
        for (const QString& face : faces)
            if (face.compare(FamilyWithoutFoundry(candidate), Qt::CaseInsensitive) == 0)
                return face;
    return faces.value(0);
}

QString InstalledFace(const QString& name, const QStringList& faces)
{
    // The face itself, else the one the platform draws in its place, else the desktop's own.
    return ChooseFace(faces,
        { name, QFontInfo(QFont(name)).family(),
            QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(),
            QFontInfo(QApplication::font()).family() });
}

TSelectFontDialog::TSelectFontDialog(QWidget* parent, TFontSetting& font)
    : QDialog(parent)
    , Font_(font)
{
    setWindowTitle(tr("Select Font"));
    cbFontName = new QComboBox(this);
    cbFontName->setObjectName(QStringLiteral("cbFontName"));
    const QStringList faces = FaceNames(QFontDatabase::families(QFontDatabase::Latin), IsTextFace);
    cbFontName->addItems(faces);
    cbFontName->setCurrentIndex(
        cbFontName->findText(InstalledFace(QString::fromStdString(font.Name), faces), Qt::MatchFixedString));
    // A scrolling popup of the faces, not one as tall as the screen.
    cbFontName->setMaxVisibleItems(16);
    cbFontName->setStyleSheet(QStringLiteral("combobox-popup: 0;"));
    SetHelpContext(cbFontName, 2100);

    cbFontSize = new QComboBox(this);
    cbFontSize->setObjectName(QStringLiteral("cbFontSize"));
    cbFontSize->setEditable(true);
    cbFontSize->setInsertPolicy(QComboBox::NoInsert);
    for (int size = MinSize; size <= MaxSize; size += 2)
        cbFontSize->addItem(QString::number(size));
    SetDigitsOnly(cbFontSize->lineEdit());
    cbFontSize->lineEdit()->setMaxLength(2);
    cbFontSize->setEditText(QString::number(font.Size));
    SetHelpContext(cbFontSize, 2101);

    pnlPreview = new QLabel(this);
    pnlPreview->setObjectName(QStringLiteral("pnlPreview"));
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

    const TDialogButtons buttons = MakeDialogButtons(this, [] { RequestHelp(3080); });
    btnOK = buttons.OK;
    btnCancel = buttons.Cancel;
    btnHelp = buttons.Help;
    btnOK->setEnabled(false);

    auto* fontLabel = new QLabel(tr("&Font:"), this);
    fontLabel->setBuddy(cbFontName);
    auto* sizeLabel = new QLabel(tr("&Size:"), this);
    sizeLabel->setBuddy(cbFontSize);
    auto* fields = new QFormLayout;
    fields->setVerticalSpacing(8);
    fields->addRow(fontLabel, cbFontName);
    fields->addRow(sizeLabel, cbFontSize);
    fields->addRow(new QLabel(tr("Preview:"), this), pnlPreview);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons.Row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cbFontName, &QComboBox::currentIndexChanged, this, &TSelectFontDialog::FontChange);
    connect(cbFontSize, &QComboBox::currentIndexChanged, this, &TSelectFontDialog::FontChange);
    connect(cbFontSize->lineEdit(), &QLineEdit::editingFinished, this, &TSelectFontDialog::FontChange);
    connect(btnOK, &QPushButton::clicked, this, &TSelectFontDialog::btnOKClick);
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
