#include "ui/EditDialog.h"

#include "core/SortingMarker.h"
#include "evaluation/TextUtils.h"
#include "qtsupport/HelpRequest.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/ModelText.h"
#include "settings/Settings.h"
#include "ui/SymbolEdit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
void Stay(TSymbolEdit* box)
{
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void Tell(const char* text)
{
    ShowMessageBox(ModelText(text), QString(), QMessageBox::Ok, QMessageBox::Warning);
}

bool Ask(const char* text)
{
    return ShowMessageBox(ModelText(text), QString(), QMessageBox::Yes | QMessageBox::No,
               QMessageBox::Warning, QMessageBox::No)
        == QMessageBox::Yes;
}

TSymbolEdit* MakeBox(QWidget* parent, int tag, int codePage, const QFont& font, int helpContext)
{
    auto* box = new TSymbolEdit(parent);
    box->SetTag(tag);
    box->SetCodePage(codePage);
    box->setFont(font);
    SetHelpContext(box, helpContext);
    return box;
}

QLabel* MakeLabel(const QString& caption, QWidget* buddy)
{
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}
} // namespace

TEditDialog::TEditDialog(QWidget* parent, TItemEditData& item, TSession& session)
    : QDialog(parent)
    , Data_(item)
    , Session_(session)
{
    const TVocabFile& document = Session_.Document();
    setWindowTitle(item.IsNew ? tr("Add") : tr("Edit"));

    QFont font = this->font();
    if (!Session_.Settings.DisplayFont.Name.empty())
        font.setFamily(QString::fromStdString(Session_.Settings.DisplayFont.Name));
    if (Session_.Settings.DisplayFont.Size > 0)
        font.setPointSize(Session_.Settings.DisplayFont.Size);
    QFont bold = font;
    bold.setBold(true);
    QFont italic = font;
    italic.setItalic(true);

    const int foreignCodePage = LanguageCodePage(document.ForeignLangID());
    const int nativeCodePage = LanguageCodePage(document.NativeLangID());
    edtForeign = MakeBox(this, -1, foreignCodePage, bold, 1700);
    edtCategory = MakeBox(this, -2, nativeCodePage, italic, 1701);
    edtNotes = MakeBox(this, -2, nativeCodePage, italic, 1702);
    edtNative = MakeBox(this, -2, nativeCodePage, font, 1703);
    edtForeign->setObjectName(QStringLiteral("edtForeign"));
    edtCategory->setObjectName(QStringLiteral("edtCategory"));
    edtNotes->setObjectName(QStringLiteral("edtNotes"));
    edtNative->setObjectName(QStringLiteral("edtNative"));
    edtForeign->setMinimumWidth(edtForeign->fontMetrics().averageCharWidth() * 50);

    const TDialogButtons buttons = MakeDialogButtons(this, [] { RequestHelp(3000); });
    btnOK = buttons.OK;
    btnCancel = buttons.Cancel;
    btnHelp = buttons.Help;

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->setVerticalSpacing(5);
    fields->addWidget(MakeLabel(tr("&Word/phrase:"), edtForeign), 0, 0);
    fields->addWidget(edtForeign, 0, 1, 1, 3);
    fields->addWidget(MakeLabel(tr("&Part of speech:"), edtCategory), 1, 0);
    fields->addWidget(edtCategory, 1, 1);
    fields->addWidget(MakeLabel(tr("&Notes:"), edtNotes), 1, 2);
    fields->addWidget(edtNotes, 1, 3);
    fields->addWidget(MakeLabel(tr("&Translations:"), edtNative), 2, 0);
    fields->addWidget(edtNative, 2, 1, 1, 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(fields->verticalSpacing() * 2);
    layout->addLayout(buttons.Row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // With SkipNotes the user tabs from the word/phrase straight to the translations; the two
    // boxes between stay reachable by mouse and accelerator.
    if (Session_.Settings.Options.SkipNotes) {
        edtCategory->setFocusPolicy(Qt::ClickFocus);
        edtNotes->setFocusPolicy(Qt::ClickFocus);
    }
    setTabOrder(edtForeign, edtCategory);
    setTabOrder(edtCategory, edtNotes);
    setTabOrder(edtNotes, edtNative);
    setTabOrder(edtNative, btnOK);
    setTabOrder(btnOK, btnCancel);
    setTabOrder(btnCancel, btnHelp);

    if (!item.IsNew) {
        edtForeign->SetBytes(InsertSortingMarker(
            item.FieldValues[fiForeign], item.SortingPosition, Session_.Settings.Options.ConfirmNoSort));
        edtCategory->SetBytes(item.FieldValues[fiCategory]);
        edtNotes->SetBytes(item.FieldValues[fiNotes]);
        edtNative->SetBytes(item.FieldValues[fiNative]);
    }
    edtForeign->setFocus();

    DataChanged_ = false;
    for (TSymbolEdit* box : { edtForeign, edtCategory, edtNotes, edtNative })
        connect(box, &QLineEdit::textChanged, this, [this] { DataChanged_ = true; });
    connect(btnOK, &QPushButton::clicked, this, &TEditDialog::btnOKClick);
}

TSymbolEdit* TEditDialog::Box(int field) const
{
    const std::array<TSymbolEdit*, FieldCount> boxes { edtForeign, edtCategory, edtNotes, edtNative };
    return boxes[static_cast<std::size_t>(field)];
}

void TEditDialog::btnOKClick()
{
    std::array<std::string, FieldCount> typed;
    for (int i = 0; i < FieldCount; ++i)
        typed[static_cast<std::size_t>(i)] = Box(i)->Bytes();
    TEditOk ok(Data_, DataChanged_, typed,
        { Session_.Settings.Options.ConfirmNoSort, Session_.Settings.Options.ConfirmNoCategory,
            Session_.Settings.Options.ConfirmDuplicates },
        Session_.Document());
    for (TEditStep step = ok.Start();;) {
        if (step.MarkForeignBox)
            edtForeign->setText(QStringLiteral("@") + edtForeign->text());
        switch (step.Kind) {
        case esCancel:
            reject();
            return;
        case esTell:
            Tell(step.Text);
            Stay(Box(step.Field));
            return;
        case esStay:
            Stay(Box(step.Field));
            return;
        case esAsk:
            step = ok.Answer(Ask(step.Text));
            break;
        case esAccept:
            for (std::size_t i = 0; i < Data_.FieldValues.size(); ++i)
                Data_.FieldValues[i] = ok.Values()[i];
            Data_.SortingPosition = ok.SortingPosition();
            accept();
            return;
        }
    }
}
