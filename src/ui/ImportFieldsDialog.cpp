#include "ui/ImportFieldsDialog.h"

#include "evaluation/TextUtils.h"
#include "qtsupport/ColourTheme.h"
#include "qtsupport/HelpRequest.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/ModelText.h"
#include "ui/Accessible.h"
#include "ui/QtText.h"
#include "ui/ValueChecks.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr std::size_t PreviewRows = 8;
constexpr int PreviewColumns = 12;

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A preview column with each substituted character shown as U+FFFD, and what those characters were.
std::pair<QString, QStringList> MarkedText(
    const std::string& text, const std::vector<TLostSpan>& lost, int codePage)
{
    QString shown;
    QStringList originals;
    std::size_t done = 0;
    for (const TLostSpan& span : lost) {
        shown += ToQString(std::string_view(text).substr(done, span.Begin - done), codePage);
        shown += QChar(0xFFFD);
        if (!span.Original.empty() && !originals.contains(Q(span.Original)))
            originals.push_back(Q(span.Original));
        done = span.End;
    }
    shown += ToQString(std::string_view(text).substr(done), codePage);
    return { shown, originals };
}

QLabel* MakeLabel(const QString& caption, QWidget* buddy)
{
    auto* label = new QLabel(caption);
    SetBuddy(label, buddy);
    return label;
}
} // namespace

TConvertDialog::TConvertDialog(
    QWidget* parent, TImportSettings& settings, std::string_view bytes, const TVocabFile& document)
    : QDialog(parent)
    , Settings_(settings)
    , Document_(document)
    , Bytes_(bytes)
{
    setObjectName(QStringLiteral("ConvertDialog"));
    setWindowTitle(tr("Convert Text File"));

    cbFormat = new QComboBox(this);
    cbFormat->setObjectName(QStringLiteral("cbFormat"));
    for (int f = 0; f < TextFormatCount; ++f)
        cbFormat->addItem(ModelText(std::string(TextFormatCaption(static_cast<TTextFormat>(f))).c_str()));
    if (settings.Format < cbFormat->count())
        cbFormat->setCurrentIndex(settings.Format);
    edtStartFrom = new QLineEdit(QStringLiteral("1"), this);
    edtStartFrom->setObjectName(QStringLiteral("edtStartFrom"));
    edtStartFrom->setMaxLength(3);
    lbAvailable = new QListWidget(this);
    lbAvailable->setObjectName(QStringLiteral("lbAvailable"));
    lbSelected = new QListWidget(this);
    lbSelected->setObjectName(QStringLiteral("lbSelected"));
    for (QListWidget* list : { lbAvailable, lbSelected })
        list->setFixedHeight(list->fontMetrics().height() * 5);
    btnAdd = new QPushButton(tr("&Add"), this);
    btnAdd->setObjectName(QStringLiteral("btnAdd"));
    btnRemove = new QPushButton(tr("&Remove"), this);
    btnRemove->setObjectName(QStringLiteral("btnRemove"));
    btnAdd->setEnabled(false);
    btnRemove->setEnabled(false);
    btnOK = new QPushButton(tr("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnHelp = new QPushButton(tr("&Help"), this);
    btnHelp->setObjectName(QStringLiteral("btnHelp"));
    tblPreview = new QTableWidget(this);
    tblPreview->setObjectName(QStringLiteral("tblPreview"));
    tblPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPreview->setSelectionMode(QAbstractItemView::NoSelection);
    tblPreview->setFocusPolicy(Qt::NoFocus);
    tblPreview->setWordWrap(false);
    tblPreview->horizontalHeader()->setStretchLastSection(true);
    tblPreview->verticalHeader()->setDefaultSectionSize(tblPreview->fontMetrics().height() + 6);
    tblPreview->setMinimumSize(460, (tblPreview->fontMetrics().height() + 6) * 6 + 8);

    const std::pair<QWidget*, int> contexts[] = { { btnOK, 1000 }, { btnCancel, 1001 }, { btnHelp, 1002 },
        { cbFormat, 1300 }, { edtStartFrom, 1301 }, { lbAvailable, 1302 }, { btnAdd, 1303 },
        { btnRemove, 1304 }, { lbSelected, 1305 } };
    for (const auto& [widget, context] : contexts)
        SetHelpContext(widget, context);

    auto* grid = new QGridLayout;
    grid->addWidget(MakeLabel(tr("&Format:"), cbFormat), 0, 0);
    grid->addWidget(cbFormat, 0, 1, 1, 2);
    grid->addWidget(MakeLabel(tr("&Start from line:"), edtStartFrom), 1, 0);
    edtStartFrom->setFixedWidth(edtStartFrom->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    grid->addWidget(edtStartFrom, 1, 1, Qt::AlignLeft);
    auto* lists = new QGridLayout;
    lists->addWidget(MakeLabel(tr("A&vailable fields:"), lbAvailable), 0, 0);
    lists->addWidget(MakeLabel(tr("Fi&elds to import:"), lbSelected), 0, 2);
    lists->addWidget(lbAvailable, 1, 0);
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(btnAdd);
    moves->addWidget(btnRemove);
    moves->addStretch();
    lists->addLayout(moves, 1, 1);
    lists->addWidget(lbSelected, 1, 2);
    auto* left = new QVBoxLayout;
    left->addLayout(grid);
    left->addLayout(lists);
    auto* right = new QVBoxLayout;
    right->addWidget(btnOK);
    right->addWidget(btnCancel);
    right->addWidget(btnHelp);
    right->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(MakeLabel(tr("Preview:"), tblPreview));
    layout->addWidget(tblPreview, 1);

    // The arrows choose a field as a click does; Space or Enter adds it, Delete removes one.
    connect(lbAvailable, &QListWidget::currentRowChanged, this,
        [this](int row) { btnAdd->setEnabled(row >= 0); });
    connect(lbSelected, &QListWidget::currentRowChanged, this,
        [this](int row) { btnRemove->setEnabled(row >= 0); });
    lbAvailable->installEventFilter(this);
    lbSelected->installEventFilter(this);
    connect(lbAvailable, &QListWidget::itemDoubleClicked, this, [this] {
        if (btnAdd->isEnabled())
            btnAddClick();
    });
    connect(lbSelected, &QListWidget::itemDoubleClicked, this, [this] {
        if (btnRemove->isEnabled())
            btnRemoveClick();
    });
    connect(btnAdd, &QPushButton::clicked, this, &TConvertDialog::btnAddClick);
    connect(btnRemove, &QPushButton::clicked, this, &TConvertDialog::btnRemoveClick);
    connect(btnOK, &QPushButton::clicked, this, &TConvertDialog::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, [] { RequestHelp(3010); });
    connect(cbFormat, &QComboBox::currentIndexChanged, this, &TConvertDialog::UpdatePreview);
    connect(edtStartFrom, &QLineEdit::textChanged, this, &TConvertDialog::UpdatePreview);
    QWidget* const order[]
        = { cbFormat, edtStartFrom, lbAvailable, btnAdd, btnRemove, lbSelected, btnOK, btnCancel, btnHelp };
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    FillLists();
    UpdatePreview();
}

bool TConvertDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || (watched != lbAvailable && watched != lbSelected))
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    const bool add = watched == lbAvailable
        && (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
    const bool remove = watched == lbSelected && key->key() == Qt::Key_Delete;
    if (add && btnAdd->isEnabled())
        btnAddClick();
    else if (remove && btnRemove->isEnabled())
        btnRemoveClick();
    // Enter on the list never reaches OK, even with nothing left to add.
    return add || remove;
}

void TConvertDialog::FillLists()
{
    const auto fill = [](QListWidget* list, const std::vector<int>& fields) {
        list->clear();
        for (const int field : fields) {
            auto* item = new QListWidgetItem(
                ModelText(std::string(ImportFields()[static_cast<std::size_t>(field)].Caption).c_str()),
                list);
            item->setData(Qt::UserRole, field);
        }
    };
    fill(lbAvailable, Lists_.Available());
    fill(lbSelected, Lists_.Selected());
}

void TConvertDialog::btnAddClick()
{
    const int select = Lists_.Add(lbAvailable->currentRow());
    FillLists();
    lbAvailable->setCurrentRow(select);
    btnAdd->setEnabled(select >= 0);
    btnRemove->setEnabled(lbSelected->currentRow() >= 0);
    UpdatePreview();
}

void TConvertDialog::btnRemoveClick()
{
    const int select = Lists_.Remove(lbSelected->currentRow());
    FillLists();
    lbSelected->setCurrentRow(select);
    btnRemove->setEnabled(select >= 0);
    btnAdd->setEnabled(lbAvailable->currentRow() >= 0);
    UpdatePreview();
}

void TConvertDialog::btnOKClick()
{
    switch (CheckImport(edtStartFrom->text().toStdString(), Lists_)) {
    case icBadStartLine:
        (void)CheckIntRange(edtStartFrom, 1, MaxStartLine); // tells the bounds and selects the box
        return;
    case icNoWordPhrase:
        ShowMessageBox(ModelText(NoWordPhraseMessage), QString(), QMessageBox::Ok, QMessageBox::Warning);
        return;
    case icOk:
        break;
    }
    auto format = static_cast<TTextFormat>(cbFormat->currentIndex());
    if (const auto offered = Utf8Instead(format, Bytes_, false)) {
        switch (ShowMessageBox(SayingText(Utf8Question(*offered)), windowTitle(),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question,
            QMessageBox::Yes)) {
        case QMessageBox::Yes:
            format = *offered;
            cbFormat->setCurrentIndex(format);
            break;
        case QMessageBox::No:
            break;
        default:
            return;
        }
    }
    Settings_.Format = format;
    Settings_.StartLine = *ParseStartLine(edtStartFrom->text().toStdString());
    Settings_.FieldColumns = Lists_.Columns();
    accept();
}

void TConvertDialog::UpdatePreview()
{
    const TVocabFile& document = Document_;
    const TFieldColumns columns = Lists_.Columns();
    const auto format = static_cast<TTextFormat>(std::max(0, cbFormat->currentIndex()));
    const std::int32_t startLine = ParseStartLine(edtStartFrom->text().toStdString()).value_or(1);
    const auto rows = PreviewTextBytes(
        Bytes_, format, columns, startLine, PreviewRows, document.ForeignLangID(), document.NativeLangID());
    int columnCount = 0;
    for (const auto& row : rows)
        columnCount = std::max(columnCount, static_cast<int>(row.Columns.size()));
    columnCount = std::min(columnCount, PreviewColumns);
    tblPreview->clear();
    tblPreview->setRowCount(static_cast<int>(rows.size()));
    tblPreview->setColumnCount(columnCount);
    const int foreignCodePage = LanguageCodePage(document.ForeignLangID());
    const int nativeCodePage = LanguageCodePage(document.NativeLangID());
    for (int c = 0; c < columnCount; ++c) {
        QString header = QString::number(c + 1);
        for (const auto& field : ImportFields())
            if (columns[static_cast<std::size_t>(field.Field)] == c + 1)
                header += QStringLiteral(": ") + Q(field.Caption);
        tblPreview->setHorizontalHeaderItem(c, new QTableWidgetItem(header));
    }
    QStringList lines;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const TPreviewRow& row = rows[static_cast<std::size_t>(r)];
        lines.push_back(QString::number(row.Line));
        for (int c = 0; c < columnCount && c < static_cast<int>(row.Columns.size()); ++c) {
            const int codePage = columns[fiForeign] == c + 1 ? foreignCodePage : nativeCodePage;
            const auto index = static_cast<std::size_t>(c);
            const auto& lost = row.Lost[index];
            const auto [text, originals] = MarkedText(row.Columns[index], lost, codePage);
            auto* cell = new QTableWidgetItem(text);
            // A character the list's code page cannot hold is stored as "?": shown as such a mark.
            if (!lost.empty()) {
                cell->setForeground(
                    PairedColourOn(TPairedColour::LostCharacter, palette().color(QPalette::Base)));
                QString tip = tr("Characters the list's languages cannot store are replaced");
                tip += originals.isEmpty() ? QStringLiteral(".")
                                           : QStringLiteral(": ") + originals.join(u' ');
                cell->setToolTip(tip);
            }
            // A line without a word/phrase is left out by the import: shown greyed.
            if (row.Skipped)
                cell->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            tblPreview->setItem(r, c, cell);
        }
    }
    tblPreview->setVerticalHeaderLabels(lines);
}
