#include "ui/ConvertDlg.h"

#include "app/MessageBox.h"
#include "core/GlobalDocument.h"
#include "core/SafeSave.h"
#include "evaluation/TextUtils.h"
#include "ui/HelpRequest.h"
#include "ui/QtText.h"
#include "ui/ValueChecks.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr std::size_t SampleSize = 64 * 1024;
constexpr std::size_t PreviewRows = 8;
constexpr int PreviewColumns = 12;

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// An unreadable file shows an empty preview; the import itself then says why.
std::string ReadSample(const std::string& fileName)
{
    try {
        return ReadFileStart(fileName, SampleSize);
    } catch (const std::exception&) {
        return {};
    }
}

QLabel* MakeLabel(const char* caption, QWidget* buddy)
{
    auto* label = new QLabel(QString::fromUtf8(caption));
    label->setBuddy(buddy);
    return label;
}
} // namespace

TConvertDialog::TConvertDialog(QWidget* parent, TImportSettings& settings, const std::string& fileName)
    : QDialog(parent)
    , Settings_(settings)
    , Sample_(ReadSample(fileName))
{
    setObjectName(QStringLiteral("ConvertDialog"));
    setWindowTitle(QStringLiteral("Convert Text File"));

    cbFormat = new QComboBox(this);
    cbFormat->setObjectName(QStringLiteral("cbFormat"));
    for (int f = 0; f < TextFormatCount; ++f)
        cbFormat->addItem(Q(TextFormatCaption(static_cast<TTextFormat>(f))));
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
    btnAdd = new QPushButton(QStringLiteral("A&dd"), this);
    btnAdd->setObjectName(QStringLiteral("btnAdd"));
    btnRemove = new QPushButton(QStringLiteral("&Remove"), this);
    btnRemove->setObjectName(QStringLiteral("btnRemove"));
    btnAdd->setEnabled(false);
    btnRemove->setEnabled(false);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnHelp = new QPushButton(QStringLiteral("&Help"), this);
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
    grid->addWidget(MakeLabel("&Format:", cbFormat), 0, 0);
    grid->addWidget(cbFormat, 0, 1, 1, 2);
    grid->addWidget(MakeLabel("&Start from line:", edtStartFrom), 1, 0);
    edtStartFrom->setFixedWidth(edtStartFrom->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    grid->addWidget(edtStartFrom, 1, 1, Qt::AlignLeft);
    auto* lists = new QGridLayout;
    lists->addWidget(MakeLabel("&Available fields:", lbAvailable), 0, 0);
    lists->addWidget(MakeLabel("Fi&elds to import:", lbSelected), 0, 2);
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
    layout->addWidget(new QLabel(QStringLiteral("Preview:")));
    layout->addWidget(tblPreview, 1);

    connect(lbAvailable, &QListWidget::itemClicked, this,
        [this] { btnAdd->setEnabled(lbAvailable->currentRow() >= 0); });
    connect(lbSelected, &QListWidget::itemClicked, this,
        [this] { btnRemove->setEnabled(lbSelected->currentRow() >= 0); });
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

void TConvertDialog::FillLists()
{
    const auto fill = [](QListWidget* list, const std::vector<int>& fields) {
        list->clear();
        for (const int field : fields) {
            auto* item
                = new QListWidgetItem(Q(ImportFields()[static_cast<std::size_t>(field)].Caption), list);
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
        ShowMessageBox(
            QString::fromUtf8(NoWordPhraseMessage), QString(), QMessageBox::Ok, QMessageBox::Warning);
        return;
    case icOk:
        break;
    }
    Settings_.Format = static_cast<TTextFormat>(cbFormat->currentIndex());
    Settings_.StartLine = *ParseStartLine(edtStartFrom->text().toStdString());
    Settings_.FieldColumns = Lists_.Columns();
    accept();
}

void TConvertDialog::UpdatePreview()
{
    const TVocabFile& document = Document();
    const TFieldColumns columns = Lists_.Columns();
    const auto format = static_cast<TTextFormat>(std::max(0, cbFormat->currentIndex()));
    const std::int32_t startLine = ParseStartLine(edtStartFrom->text().toStdString()).value_or(1);
    const auto rows = PreviewTextBytes(
        Sample_, format, columns, startLine, PreviewRows, document.ForeignLangID(), document.NativeLangID());
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
            QString text = ToQString(row.Columns[static_cast<std::size_t>(c)], codePage);
            auto* cell = new QTableWidgetItem;
            // A character the list's code page cannot hold arrives as the substitute; shown plainly.
            if (text.contains(QChar(0x1A))) {
                text.replace(QChar(0x1A), QChar(0xFFFD));
                cell->setForeground(QColor(0xB0, 0x20, 0x20));
                cell->setToolTip(
                    QStringLiteral("Characters the list's languages cannot store are replaced."));
            }
            cell->setText(text);
            // A line without a word/phrase is left out by the import: shown greyed.
            if (row.Skipped)
                cell->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            tblPreview->setItem(r, c, cell);
        }
    }
    tblPreview->setVerticalHeaderLabels(lines);
}
