#include "ui/PropertiesDialog.h"

#include "core/DisplayText.h"
#include "core/FileAttributes.h"
#include "evaluation/Languages.h"
#include "evaluation/TextUtils.h"
#include "qtsupport/FileDialogs.h"
#include "qtsupport/HelpRequest.h"
#include "qtsupport/ModelText.h"
#include "ui/SymbolEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <sys/stat.h>
#include <vector>

namespace {
// Every language for a new list; for an existing one only those whose code page reads the
// stored texts the same way. No line is selected when the identifier is not offered.
void FillLanguages(QComboBox* box, bool all, LangId current)
{
    // In the window's language, sorted as it sorts.
    std::vector<std::pair<QString, LangId>> offered;
    const int codePage = LanguageCodePage(current);
    for (const TLanguage& language : LanguageTable())
        if (all || LanguageCodePage(language.Id) == codePage)
            offered.emplace_back(LanguageName(language.Id), language.Id);
    std::sort(offered.begin(), offered.end(),
        [](const auto& a, const auto& b) { return QString::localeAwareCompare(a.first, b.first) < 0; });
    for (const auto& [name, id] : offered)
        box->addItem(name, QVariant::fromValue(static_cast<uint>(id)));
    box->setCurrentIndex(box->findData(QVariant::fromValue(static_cast<uint>(current))));
}

LangId SelectedLanguage(const QComboBox* box)
{
    return static_cast<LangId>(box->currentData().toUInt());
}

TSymbolEdit* MakeNativeBox(QWidget* parent, int codePage, const std::string& text)
{
    auto* box = new TSymbolEdit(parent);
    box->SetTag(-2);
    box->SetCodePage(codePage);
    box->SetBytes(text);
    // Long texts show their beginning, not their end.
    box->setCursorPosition(0);
    return box;
}

QLabel* MakeLabel(const QString& caption, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

QString SizeText(qint64 size, const QLocale& locale)
{
    if (size <= 1023)
        return TPropertiesDialog::tr("%n byte(s)", nullptr, static_cast<int>(size));
    return TPropertiesDialog::tr("%1 KB (%2 bytes)")
        .arg(locale.toString(static_cast<double>(size) / 1024.0, 'f', 2), locale.toString(size));
}
} // namespace

TPropertiesDialog::TPropertiesDialog(QWidget* parent, TPropertiesData& info)
    : QDialog(parent)
    , Data_(info)
{
    setWindowTitle(tr("Properties"));
    pcPages = new QTabWidget(this);
    const TDialogButtons buttons = MakeDialogButtons(
        this, [this] { RequestHelp(pcPages->currentWidget() == tsGeneral ? 3071 : 3072); });
    btnOK = buttons.OK;
    btnCancel = buttons.Cancel;
    btnHelp = buttons.Help;

    // General: facts about the file, all read-only.
    tsGeneral = new QWidget;
    lblTitle = new QLabel(tsGeneral);
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblLocation = new QLabel(tsGeneral);
    lblSize = new QLabel(tsGeneral);
    lblModified = new QLabel(tsGeneral);
    for (QLabel* label : { lblTitle, lblLocation, lblSize, lblModified })
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const int valueWidth = lblLocation->fontMetrics().averageCharWidth() * 48;
    lblLocation->setFixedWidth(valueWidth);
    chbReadOnly = new QCheckBox(tr("Read-only"), tsGeneral);
    chbHidden = new QCheckBox(tr("Hidden"), tsGeneral);
    auto* attributes = new QHBoxLayout;
    attributes->addWidget(chbReadOnly);
    attributes->addWidget(chbHidden);
    attributes->addStretch();
    for (QCheckBox* box : { chbReadOnly, chbHidden })
        box->setEnabled(false);
    auto* general = new QFormLayout(tsGeneral);
    general->setVerticalSpacing(8);
    general->addRow(lblTitle);
    general->addItem(new QSpacerItem(0, 6));
    general->addRow(tr("Location:"), lblLocation);
    general->addRow(tr("Size:"), lblSize);
    general->addRow(tr("Modified:"), lblModified);
    general->addRow(tr("Attributes:"), attributes);

    // Summary: the languages and the three descriptions, in the native language's code page.
    tsSummary = new QWidget;
    cbForeign = new QComboBox(tsSummary);
    cbNative = new QComboBox(tsSummary);
    FillLanguages(cbForeign, info.IsNew, info.ForeignLangID);
    FillLanguages(cbNative, info.IsNew, info.NativeLangID);
    for (QComboBox* box : { cbForeign, cbNative }) {
        // A list of 75 languages in a scrolling popup, not one as tall as the screen.
        box->setMaxVisibleItems(16);
        box->setStyleSheet(QStringLiteral("combobox-popup: 0;"));
    }
    const int nativeCodePage = LanguageCodePage(info.NativeLangID);
    const std::string none;
    edtDescription = MakeNativeBox(tsSummary, nativeCodePage, info.IsNew ? none : info.Description);
    edtAuthor = MakeNativeBox(tsSummary, nativeCodePage, info.IsNew ? none : info.Author);
    edtComments = MakeNativeBox(tsSummary, nativeCodePage, info.IsNew ? none : info.Comments);
    edtDescription->setMinimumWidth(valueWidth);
    auto* summary = new QFormLayout(tsSummary);
    summary->setVerticalSpacing(8);
    summary->addRow(MakeLabel(tr("&Foreign:"), cbForeign), cbForeign);
    summary->addRow(MakeLabel(tr("&Native:"), cbNative), cbNative);
    summary->addItem(new QSpacerItem(0, 6));
    summary->addRow(MakeLabel(tr("&Description:"), edtDescription), edtDescription);
    summary->addRow(MakeLabel(tr("&Author:"), edtAuthor), edtAuthor);
    summary->addRow(MakeLabel(tr("&Comments:"), edtComments), edtComments);

    if (info.IsNew) {
        // A list about to be created has no file to describe.
        tsGeneral->setParent(this);
        tsGeneral->hide();
        pcPages->setFocusPolicy(Qt::NoFocus);
        pcPages->tabBar()->setFocusPolicy(Qt::NoFocus);
    } else {
        pcPages->addTab(tsGeneral, tr("General"));
        FillGeneral();
    }
    pcPages->addTab(tsSummary, tr("Summary"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pcPages);
    layout->addSpacing(4);
    layout->addLayout(buttons.Row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(cbForeign, cbNative);
    setTabOrder(cbNative, edtDescription);
    setTabOrder(edtDescription, edtAuthor);
    setTabOrder(edtAuthor, edtComments);
    setTabOrder(edtComments, btnOK);
    setTabOrder(btnOK, btnCancel);
    setTabOrder(btnCancel, btnHelp);

    const auto updateOK
        = [this] { btnOK->setEnabled(cbForeign->currentIndex() >= 0 && cbNative->currentIndex() >= 0); };
    connect(cbForeign, &QComboBox::currentIndexChanged, this, updateOK);
    connect(cbNative, &QComboBox::currentIndexChanged, this, updateOK);
    // Only a new list can change the native code page; the descriptions follow it.
    connect(cbNative, &QComboBox::currentIndexChanged, this, [this] {
        const int codePage = LanguageCodePage(SelectedLanguage(cbNative));
        for (TSymbolEdit* box : { edtDescription, edtAuthor, edtComments })
            box->SetCodePage(codePage);
    });
    updateOK();
    connect(btnOK, &QPushButton::clicked, this, &TPropertiesDialog::btnOKClick);

    // Shortcuts, not the tab bar's own keys: those reach it only when the focused control lets
    // them pass, and a language box takes Ctrl+PgUp as a change of language.
    const struct {
        QKeySequence Keys;
        int Step;
    } turns[] = {
        { QKeySequence(Qt::CTRL | Qt::Key_Tab), 1 },
        { QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1 },
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1 },
        { QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1 },
    };
    for (const auto& turn : turns) {
        auto* shortcut = new QShortcut(turn.Keys, this);
        const int step = turn.Step;
        connect(shortcut, &QShortcut::activated, this, [this, step] { TurnPage(step); });
    }

    pcPages->setCurrentWidget(tsSummary);
    cbForeign->setFocus();
}

void TPropertiesDialog::TurnPage(int step)
{
    const int count = pcPages->count();
    if (count > 1)
        pcPages->setCurrentIndex((pcPages->currentIndex() + step + count) % count);
}

void TPropertiesDialog::FillGeneral()
{
    lblTitle->setText(ListTitle(Data_.FileName));
    if (Data_.FileName.empty())
        return;
    const QFileInfo info(ShownFileName(Data_.FileName));
    const QFontMetrics metrics(lblLocation->font());
    const TTextWidth width = [&metrics](std::string_view text) {
        return metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    const std::string folder = QDir::toNativeSeparators(info.absolutePath()).toStdString();
    lblLocation->setText(QString::fromStdString(ShortenPath(folder, width, lblLocation->width())));
    lblLocation->setToolTip(QString::fromStdString(folder));
    // The file by its own bytes: a name that is not valid UTF-8 does not survive the QString above.
    struct stat st { };
    if (::stat(Data_.FileName.c_str(), &st) != 0)
        return;
    const QLocale locale;
    lblSize->setText(SizeText(st.st_size, locale));
    const QDateTime modified = QDateTime::fromSecsSinceEpoch(st.st_mtim.tv_sec);
    lblModified->setText(locale.toString(modified.date(), QLocale::ShortFormat) + QLatin1Char(' ')
        + locale.toString(modified.time(), QLocale::ShortFormat));
    chbReadOnly->setChecked(IsReadOnlyFile(Data_.FileName));
    chbHidden->setChecked(IsHiddenFileName(Data_.FileName));
}

void TPropertiesDialog::btnOKClick()
{
    if (cbForeign->currentIndex() < 0 || cbNative->currentIndex() < 0)
        return;
    Data_.ForeignLangID = SelectedLanguage(cbForeign);
    Data_.NativeLangID = SelectedLanguage(cbNative);
    Data_.Description = Trim(edtDescription->Bytes());
    Data_.Author = Trim(edtAuthor->Bytes());
    Data_.Comments = Trim(edtComments->Bytes());
    accept();
}
