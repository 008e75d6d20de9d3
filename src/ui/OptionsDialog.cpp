// The options dialog: its pages as they open, the settings loaded into them and read back, and
// the checks before OK.

#include "ui/OptionsDialog.h"

#include "qtsupport/FileDialogs.h"
#include "qtsupport/HelpRequest.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/ModelText.h"
#include "testing/TestEngine.h"
#include "ui/OptionsReviewsPage.h"
#include "ui/QtText.h"
#include "ui/Sound.h"
#include "ui/ValueChecks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr int OptionsHelpContextBase = 3041;

bool CanTakeFocus(const QWidget* widget)
{
    return widget && widget->isEnabled() && widget->isVisible();
}

void SelectData(QComboBox* box, int pos)
{
    box->setCurrentIndex(pos < box->count() ? pos : -1);
}

} // namespace

TOptionsDialog::TOptionsDialog(QWidget* parent, const TOptionsTarget& target)
    : QDialog(parent)
    , Target_(target)
{
    setWindowTitle(tr("Options"));
    Loaded_ = LoadOptionsForm(*Target_.Options, *Target_.SoundFileRight, *Target_.SoundFileWrong);

    pcOptions = new QTabWidget(this);
    CreateGeneralPage();
    CreateQuestionPage();
    CreateEvaluationPage();
    CreateFeedbackPage();
    if (Target_.Speech.Speech != nullptr)
        pcOptions->addTab(tsSpeech = new TSpeechPage(Target_.Speech), tr("Speech"));
    if (Target_.Reviews) {
        tsReviews = new TOptionsReviewsPage(*Target_.Reviews,
            Target_.Reminder ? *Target_.Reminder : TReminderChoice {}, Target_.ListLanguages);
        pcOptions->addTab(tsReviews, tr("Reviews"));
    }

    const TDialogButtons buttons = MakeDialogButtons(
        this, [this] { RequestHelp(OptionsHelpContextBase + pcOptions->currentIndex()); }, hcOK, hcCancel,
        hcHelp);
    btnOK = buttons.OK;
    btnCancel = buttons.Cancel;
    btnHelp = buttons.Help;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pcOptions);
    layout->addLayout(buttons.Row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    LoadControls(Loaded_);
    if (Target_.UiLanguage)
        cbUiLanguage->setCurrentIndex(
            std::max(0, cbUiLanguage->findData(QString::fromStdString(*Target_.UiLanguage))));
    if (Target_.Theme)
        cbColourTheme->setCurrentIndex(static_cast<int>(*Target_.Theme));
    if (Target_.Pages != nullptr) {
        ShownPage_ = Target_.Pages->Page;
        ShownEvaluationPage_ = Target_.Pages->EvaluationPage;
    }
    {
        const QSignalBlocker outer(pcOptions);
        const QSignalBlocker inner(pcEvaluation);
        pcOptions->setCurrentIndex(ShownPage_);
        pcEvaluation->setCurrentIndex(ShownEvaluationPage_);
    }

    connect(pcOptions, &QTabWidget::currentChanged, this, &TOptionsDialog::OuterPageChanged);
    connect(pcEvaluation, &QTabWidget::currentChanged, this, &TOptionsDialog::EvaluationPageChanged);
    connect(btnOK, &QPushButton::clicked, this, &TOptionsDialog::btnOKClick);
}

void TOptionsDialog::ShowSide(const TSideControls& c, const TEvaluationSide& side)
{
    c.Caps->setChecked(side.Caps);
    c.Punc->setChecked(side.Punctuation);
    c.Spaces->setChecked(side.Spacing);
    c.Brackets->setChecked(side.Brackets);
    c.Alt->setChecked(side.Alternatives);
    c.Trans->setChecked(side.Translations);
    c.Accents->setChecked(side.Accents);
    c.Typos->setChecked(side.Typos);
    SelectData(c.cbBrackets, side.BracketsPos);
    SelectData(c.cbAlt, side.AltPos);
    SelectData(c.cbTrans1, side.Trans1Pos);
    SelectData(c.cbTrans2, side.Trans2Pos);
    for (QWidget* w : { static_cast<QWidget*>(c.lblBrackets), static_cast<QWidget*>(c.cbBrackets) })
        w->setEnabled(side.Brackets);
    for (QWidget* w : { static_cast<QWidget*>(c.lblAlt), static_cast<QWidget*>(c.cbAlt) })
        w->setEnabled(side.Alternatives);
    for (QWidget* w : { static_cast<QWidget*>(c.lblTrans), static_cast<QWidget*>(c.cbTrans1),
             static_cast<QWidget*>(c.cbTrans2) })
        w->setEnabled(side.Translations);
}

TEvaluationSide TOptionsDialog::ReadSide(const TSideControls& c, const TEvaluationSide& stored) const
{
    TEvaluationSide side = stored;
    side.Caps = c.Caps->isChecked();
    side.Punctuation = c.Punc->isChecked();
    side.Spacing = c.Spaces->isChecked();
    side.Brackets = c.Brackets->isChecked();
    side.Alternatives = c.Alt->isChecked();
    side.Translations = c.Trans->isChecked();
    side.Accents = c.Accents->isChecked();
    side.Typos = c.Typos->isChecked();
    side.BracketsPos = c.cbBrackets->currentIndex();
    side.AltPos = c.cbAlt->currentIndex();
    side.Trans1Pos = c.cbTrans1->currentIndex();
    side.Trans2Pos = c.cbTrans2->currentIndex();
    return side;
}

void TOptionsDialog::LoadControls(const TOptionsForm& form)
{
    chbAppendNewWords->setChecked(form.AppendNewWords);
    chbConfirmDuplicates->setChecked(form.ConfirmDuplicates);
    chbConfirmNoSort->setChecked(form.ConfirmNoSort);
    chbConfirmNoCategory->setChecked(form.ConfirmNoCategory);
    chbSkipNotes->setChecked(form.SkipNotes);
    chbSkipNotes->setEnabled(SkipNotesEnabled(form));
    SelectData(cbColourLearnt, form.ColourLearnt);
    Shortcuts_ = form.Shortcuts;
    {
        const QSignalBlocker blocker(cbShortcut);
        cbShortcut->setCurrentIndex(0);
    }
    ShortcutKeySelected();
    chbKeyboardSwitching->setChecked(form.KeyboardSwitching);

    chbTestNotesPassive->setChecked(form.TestNotesPassive);
    chbTestNotesActive->setChecked(form.TestNotesActive);
    cbNumChoices->setEditText(QString::fromStdString(form.NumChoices));
    chbUsePenaltyPoints->setChecked(form.UsePenaltyPoints);
    cbMaxPenaltyPoints->setEditText(QString::fromStdString(form.MaxPenaltyPoints));
    UsePenaltyPointsClick(false);
    chbDisallowHints->setChecked(form.DisallowHints);

    ShowSide(Native, form.Native);
    ShowSide(Foreign, form.Foreign);
    chbIgnoreAux->setChecked(form.IgnoreAux);
    chbIgnoreTo->setChecked(form.IgnoreTo);
    chbIgnoreIze->setChecked(form.IgnoreIze);

    (form.AutoContinue ? rbAutoContinue : rbColourRight)->setChecked(true);
    ColourRightChoiceClick();
    edtSoundFileRight->setText(QFile::decodeName(QByteArray::fromStdString(form.SoundFileRight)));
    SelectData(cbColourWrong, form.ColourWrong);
    edtDelay->setText(QString::fromStdString(form.Delay));
    edtSoundFileWrong->setText(QFile::decodeName(QByteArray::fromStdString(form.SoundFileWrong)));
}

TOptionsForm TOptionsDialog::ReadControls() const
{
    TOptionsForm form = Loaded_;
    form.AppendNewWords = chbAppendNewWords->isChecked();
    form.ConfirmDuplicates = chbConfirmDuplicates->isChecked();
    form.ConfirmNoSort = chbConfirmNoSort->isChecked();
    form.ConfirmNoCategory = chbConfirmNoCategory->isChecked();
    form.SkipNotes = chbSkipNotes->isChecked();
    form.ColourLearnt = cbColourLearnt->currentIndex();
    form.Shortcuts = Shortcuts_;
    form.KeyboardSwitching = chbKeyboardSwitching->isChecked();
    form.TestNotesPassive = chbTestNotesPassive->isChecked();
    form.TestNotesActive = chbTestNotesActive->isChecked();
    form.NumChoices = cbNumChoices->currentText().toStdString();
    form.UsePenaltyPoints = chbUsePenaltyPoints->isChecked();
    form.MaxPenaltyPoints = cbMaxPenaltyPoints->currentText().toStdString();
    form.DisallowHints = chbDisallowHints->isChecked();
    form.Native = ReadSide(Native, Loaded_.Native);
    form.Foreign = ReadSide(Foreign, Loaded_.Foreign);
    form.IgnoreAux = chbIgnoreAux->isChecked();
    form.IgnoreTo = chbIgnoreTo->isChecked();
    form.IgnoreIze = chbIgnoreIze->isChecked();
    form.AutoContinue = rbAutoContinue->isChecked();
    form.ColourRight = cbColourRight->currentIndex();
    form.SoundFileRight = QFile::encodeName(edtSoundFileRight->text()).toStdString();
    form.ColourWrong = cbColourWrong->currentIndex();
    form.Delay = edtDelay->text().toStdString();
    form.SoundFileWrong = QFile::encodeName(edtSoundFileWrong->text()).toStdString();
    return form;
}

void TOptionsDialog::ConfirmNoCategoryClick()
{
    TOptionsForm form;
    form.ConfirmNoCategory = chbConfirmNoCategory->isChecked();
    form.SkipNotes = chbSkipNotes->isChecked();
    ConfirmNoCategoryChanged(form);
    chbSkipNotes->setChecked(form.SkipNotes);
    chbSkipNotes->setEnabled(SkipNotesEnabled(form));
}

void TOptionsDialog::UsePenaltyPointsClick(bool fromCheckBox)
{
    TOptionsForm form;
    form.UsePenaltyPoints = chbUsePenaltyPoints->isChecked();
    const bool enabled = MaxPenaltyPointsEnabled(form);
    for (QWidget* w : { static_cast<QWidget*>(lblPenaltyPoints), static_cast<QWidget*>(lblMaxPenaltyPoints),
             static_cast<QWidget*>(cbMaxPenaltyPoints) })
        w->setEnabled(enabled);
    // A maximum that cannot be corrected must not fail the page check.
    if (!enabled || !isVisible())
        cbMaxPenaltyPoints->setEditText(QString::fromStdString(Loaded_.MaxPenaltyPoints));
    else if (fromCheckBox)
        cbMaxPenaltyPoints->setFocus(Qt::OtherFocusReason);
}

void TOptionsDialog::DelimiterOptionClick(TSideControls& c, bool native, TDelimiterOption option)
{
    TEvaluationSide side = ReadSide(c, native ? Loaded_.Native : Loaded_.Foreign);
    DelimiterOptionChanged(side, option);
    ShowSide(c, side);
}

void TOptionsDialog::ColourRightChoiceClick()
{
    TOptionsForm form;
    form.AutoContinue = rbAutoContinue->isChecked();
    ColourRightChoiceChanged(form, Target_.Options->ColourRight);
    cbColourRight->setEnabled(ColourRightEnabled(form));
    SelectData(cbColourRight, form.ColourRight);
}

void TOptionsDialog::ShortcutKeySelected()
{
    const int key = cbShortcut->currentIndex();
    if (key < 0)
        return;
    const TShortcutView view
        = ViewShortcut(Shortcuts_[static_cast<std::size_t>(key)], Target_.ForeignCharset);
    {
        Updating_ = true;
        cbCharacter->setCurrentIndex(view.CharacterPos);
        cbCharSet->setCurrentIndex(ScriptIndex(view.Charset));
        Updating_ = false;
    }
    RefreshCharacters();
}

void TOptionsDialog::ShortcutCharacterChosen()
{
    if (Updating_)
        return;
    const int key = cbShortcut->currentIndex();
    if (key >= 0) {
        std::uint16_t& entry = Shortcuts_[static_cast<std::size_t>(key)];
        const int charset = cbCharSet->currentIndex() >= 0 ? cbCharSet->currentData().toInt() : -1;
        entry = ChooseShortcut(cbCharacter->currentIndex(), charset, entry);
    }
    RefreshCharacters();
}

void TOptionsDialog::RefreshCharacters()
{
    // The characters are shown in the chosen script.
    const int charset = cbCharSet->currentIndex() >= 0 ? cbCharSet->currentData().toInt() : 0;
    if (charset != ShownCharset_) {
        ShownCharset_ = charset;
        const int codePage = CharsetCodePage(charset) ? CharsetCodePage(charset) : 1252;
        const auto codes = CharacterList();
        for (int i = 0; i < cbCharacter->count(); ++i) {
            const char code = static_cast<char>(codes[static_cast<std::size_t>(i)]);
            cbCharacter->setItemText(i, ToQString(std::string_view(&code, 1), codePage));
        }
    }
    lblUnassigned->setVisible(cbCharacter->currentIndex() == 0);
}

void TOptionsDialog::ClearAllClick()
{
    if (ShowMessageBox(tr("Clear all shortcut key assignments?"), QString(),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Warning)
        != QMessageBox::Ok)
        return;
    Shortcuts_.fill(0);
    {
        const QSignalBlocker blocker(cbShortcut);
        cbShortcut->setCurrentIndex(0);
    }
    ShortcutKeySelected();
    cbShortcut->setFocus(Qt::OtherFocusReason);
}

void TOptionsDialog::BrowseSound(QLineEdit* edit)
{
    const QString current = edit->text().trimmed();
    TFileDialogRequest request;
    request.Title = tr("Browse");
    request.Filters
        = QStringList { FileFilter(tr("Sound files"), "*.wav"), FileFilter(tr("All Files"), "*") };
    request.Suffixes = QStringList { QStringLiteral("wav"), QString() };
    if (!current.isEmpty()) {
        const QFileInfo info(current);
        request.Folder = info.absolutePath();
        request.ProposedName = info.fileName();
    }
    const auto chosen = ChooseOpenFile(this, request);
    if (!chosen)
        return;
    const QString path = QFileInfo(chosen->FileName).absoluteFilePath();
    edit->setText(path);
    if (Target_.Sound)
        Target_.Sound->Play(QFile::encodeName(path).toStdString());
}

QWidget* TOptionsDialog::ControlOf(TOptionsControl control) const
{
    switch (control) {
    case TOptionsControl::NumChoices:
        return cbNumChoices;
    case TOptionsControl::MaxPenaltyPoints:
        return cbMaxPenaltyPoints;
    case TOptionsControl::Delay:
        return edtDelay;
    case TOptionsControl::NativeAlt:
        return Native.cbAlt;
    case TOptionsControl::NativeTrans1:
        return Native.cbTrans1;
    case TOptionsControl::NativeTrans2:
        return Native.cbTrans2;
    case TOptionsControl::ForeignAlt:
        return Foreign.cbAlt;
    case TOptionsControl::ForeignSyn1:
        return Foreign.cbTrans1;
    case TOptionsControl::ForeignSyn2:
        return Foreign.cbTrans2;
    case TOptionsControl::None:
        break;
    }
    return nullptr;
}

bool TOptionsDialog::CheckShownPage()
{
    const auto failure = CheckOptionsPage(ReadControls(), ShownPage_, ShownEvaluationPage_);
    if (!failure)
        return true;
    ShowMessageBox(SayingText(failure->Message), QString(), QMessageBox::Ok, QMessageBox::Warning);
    QWidget* target = ControlOf(failure->Control);
    if (!CanTakeFocus(target))
        target = ControlOf(failure->Other);
    if (CanTakeFocus(target)) {
        if (auto* edit = qobject_cast<QLineEdit*>(target))
            edit->selectAll();
        else if (auto* box = qobject_cast<QComboBox*>(target); box && box->lineEdit())
            box->lineEdit()->selectAll();
        target->setFocus(Qt::OtherFocusReason);
    }
    return false;
}

void TOptionsDialog::OuterPageChanged(int index)
{
    {
        // Back to the page being left while it is checked, so a failure keeps the user there.
        const QSignalBlocker blocker(pcOptions);
        pcOptions->setCurrentIndex(ShownPage_);
    }
    if (!CheckShownPage())
        return;
    const QSignalBlocker blocker(pcOptions);
    pcOptions->setCurrentIndex(index);
    ShownPage_ = index;
}

void TOptionsDialog::EvaluationPageChanged(int index)
{
    {
        const QSignalBlocker blocker(pcEvaluation);
        pcEvaluation->setCurrentIndex(ShownEvaluationPage_);
    }
    if (!CheckShownPage())
        return;
    const QSignalBlocker blocker(pcEvaluation);
    pcEvaluation->setCurrentIndex(index);
    ShownEvaluationPage_ = index;
}

void TOptionsDialog::btnOKClick()
{
    if (!CheckShownPage())
        return;
    WriteOptionsForm(ReadControls(), *Target_.Options, *Target_.SoundFileRight, *Target_.SoundFileWrong);
    if (tsSpeech != nullptr)
        tsSpeech->Store();
    if (tsReviews)
        *Target_.Reviews = tsReviews->Read();
    if (tsReviews && Target_.Reminder)
        *Target_.Reminder = tsReviews->ReadReminder();
    if (Target_.Pages != nullptr)
        *Target_.Pages = { ShownPage_, ShownEvaluationPage_ };
    if (Target_.UiLanguage)
        *Target_.UiLanguage = cbUiLanguage->currentData().toString().toStdString();
    if (Target_.Theme)
        *Target_.Theme = ThemeChoiceFrom(cbColourTheme->currentIndex());
    accept();
}
