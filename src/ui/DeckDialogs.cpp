#include "ui/DeckDialogs.h"

#include "qtsupport/ModelText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QCheckBox* AddCheck(QVBoxLayout* layout, const QString& caption, bool checked)
{
    auto* box = new QCheckBox(caption);
    box->setChecked(checked);
    layout->addWidget(box);
    return box;
}

QDialogButtonBox* AddButtons(QDialog* dialog, QVBoxLayout* layout)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return buttons;
}

} // namespace

TDeckImportDialog::TDeckImportDialog(
    QWidget* parent, const TDeckPreview& preview, TDeckImportOptions& options)
    : QDialog(parent)
    , Options_(options)
{
    setObjectName(QStringLiteral("DeckImportDialog"));
    setWindowTitle(tr("Import Deck Package"));
    auto* layout = new QVBoxLayout(this);
    auto* summary = new QLabel(SayingText(DeckPreviewSaying(preview)));
    summary->setWordWrap(true);
    layout->addWidget(summary);
    auto* table = new QTableWidget(static_cast<int>(preview.First.size()), 2);
    table->setHorizontalHeaderLabels({ tr("Word/phrase"), tr("Translations") });
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < 2; ++column)
            table->setItem(row, column,
                new QTableWidgetItem(QString::fromStdString(
                    preview.First[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)])));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setAccessibleName(tr("The first notes as they will be imported"));
    layout->addWidget(table);
    chkNotes = AddCheck(layout, tr("&Other fields into the notes"), options.OtherFieldsToNotes);
    chkTags = AddCheck(layout, tr("&Tags as the part of speech"), options.TagsAsCategory);
    chkReviewLog = AddCheck(layout, tr("&Review log into the review history"), options.ReviewLog);
    connect(AddButtons(this, layout), &QDialogButtonBox::accepted, this, [this] {
        Options_ = { chkNotes->isChecked(), chkTags->isChecked(), chkReviewLog->isChecked() };
    });
    resize(520, 420);
}

TDeckExportDialog::TDeckExportDialog(QWidget* parent, TDeckExportOptions& options)
    : QDialog(parent)
    , Options_(options)
{
    setObjectName(QStringLiteral("DeckExportDialog"));
    setWindowTitle(tr("Export Deck Package"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("One card for each direction chosen:")));
    chkWordAsked = AddCheck(layout, tr("&Word/phrase asked, translations answered"), options.WordAsked);
    chkTranslationsAsked
        = AddCheck(layout, tr("T&ranslations asked, word/phrase answered"), options.TranslationsAsked);
    chkReviewLog = AddCheck(layout, tr("&Include the review history of these cards"), options.ReviewLog);
    QPushButton* ok = AddButtons(this, layout)->button(QDialogButtonBox::Ok);
    const auto someDirection
        = [this, ok] { ok->setEnabled(chkWordAsked->isChecked() || chkTranslationsAsked->isChecked()); };
    connect(chkWordAsked, &QCheckBox::toggled, this, someDirection);
    connect(chkTranslationsAsked, &QCheckBox::toggled, this, someDirection);
    connect(this, &QDialog::accepted, this, [this] {
        Options_
            = { chkWordAsked->isChecked(), chkTranslationsAsked->isChecked(), chkReviewLog->isChecked() };
    });
}
