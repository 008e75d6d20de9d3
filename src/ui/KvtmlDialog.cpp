#include "ui/KvtmlDialog.h"

#include "qtsupport/HelpRequest.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/ModelText.h"
#include "ui/Accessible.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TKvtmlDialog::TKvtmlDialog(QWidget* parent, const TKvtmlFile& file, TKvtmlChoice& choice)
    : QDialog(parent)
    , File_(file)
    , Choice_(choice)
{
    setObjectName(QStringLiteral("KvtmlDialog"));
    setWindowTitle(tr("Import KVTML File"));
    lbLanguages = new QListWidget(this);
    lbLanguages->setObjectName(QStringLiteral("lbLanguages"));
    cbWord = new QComboBox(this);
    cbWord->setObjectName(QStringLiteral("cbWord"));
    cbTranslations = new QComboBox(this);
    cbTranslations->setObjectName(QStringLiteral("cbTranslations"));
    for (const TKvtmlIdentifier& identifier : file.Identifiers) {
        const QString caption = SayingText(IdentifierCaption(identifier));
        lbLanguages->addItem(caption);
        cbWord->addItem(caption);
        cbTranslations->addItem(caption);
    }
    lbLanguages->setFixedHeight(lbLanguages->fontMetrics().height() * 5);
    cbWord->setCurrentIndex(static_cast<int>(choice.Word));
    cbTranslations->setCurrentIndex(static_cast<int>(choice.Translations));
    cbGrades = new QComboBox(this);
    cbGrades->setObjectName(QStringLiteral("cbGrades"));
    cbGrades->addItems({ tr("Leave them out"), tr("Add them to the review history as answers") });
    cbGrades->setCurrentIndex(choice.Grades ? 1 : 0);
    const TDialogButtons buttons = MakeDialogButtons(this, [] { RequestHelp(3010); });
    btnOK = buttons.OK;
    btnCancel = buttons.Cancel;
    const std::pair<QWidget*, int> contexts[]
        = { { lbLanguages, 1306 }, { cbWord, 1307 }, { cbTranslations, 1308 }, { cbGrades, 1309 } };
    for (const auto& [widget, context] : contexts)
        SetHelpContext(widget, context);

    auto* form = new QFormLayout;
    auto* languages = new QLabel(tr("&Languages in the file:"));
    SetBuddy(languages, lbLanguages);
    form->addRow(languages);
    form->addRow(lbLanguages);
    form->addRow(new QLabel(SayingText(KvtmlSummary(file))));
    const std::pair<QString, QComboBox*> rows[] = { { tr("&Word/phrase:"), cbWord },
        { tr("&Translations:"), cbTranslations }, { tr("&Grades:"), cbGrades } };
    for (const auto& [caption, box] : rows) {
        auto* label = new QLabel(caption);
        SetBuddy(label, box);
        form->addRow(label, box);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons.Row);
    connect(btnOK, &QPushButton::clicked, this, &TKvtmlDialog::btnOKClick);
}

void TKvtmlDialog::btnOKClick()
{
    TKvtmlChoice chosen;
    chosen.Word = static_cast<std::size_t>(std::max(cbWord->currentIndex(), 0));
    chosen.Translations = static_cast<std::size_t>(std::max(cbTranslations->currentIndex(), 0));
    chosen.Grades = cbGrades->currentIndex() == 1;
    if (!ValidKvtmlChoice(File_, chosen)) {
        ShowMessageBox(ModelText(SameLanguagesMessage), windowTitle(), QMessageBox::Ok, QMessageBox::Warning);
        cbTranslations->setFocus();
        return;
    }
    Choice_ = chosen;
    accept();
}
