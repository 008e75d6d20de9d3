// The options dialog driven through its controls: page checks, dependent controls, shortcut
// editing, sound browsing, OK writing every field, Cancel discarding, and the main window's command.

#include "ui/OptionsDialog.h"

#include "app/DialogRunner.h"
#include "app/FileDialogs.h"
#include "app/MessageBox.h"
#include "core/DocumentBuilders.h"
#include "gui/DialogTestSupport.h"
#include "settings/MemoryStore.h"
#include "settings/Session.h"
#include "ui/HelpRequest.h"
#include "ui/MainWindow.h"
#include "ui/Sound.h"
#include "ui/SymbolEdit.h"
#include "ui/TestPanel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

class OptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Session.Settings = TSettings {};
        Session.OptionsPages = TOptionsPages {};
        Session.Settings.SoundFileRight = "/sounds/right.wav";
        Session.Settings.SoundFileWrong = "/sounds/wrong.wav";
        MessageBoxHook::Clear();
        FileDialogHook::Enable(true);
        FileDialogHook::Clear();
    }
    void TearDown() override
    {
        Dialog.reset();
        FileDialogHook::Clear();
        MessageBoxHook::Clear();
    }
    TOptionsDialog& Open(int foreignCharset = 0)
    {
        Dialog = std::make_unique<TOptionsDialog>(nullptr,
            TOptionsTarget { &Session.Settings.Options, &Session.Settings.SoundFileRight,
                &Session.Settings.SoundFileWrong, foreignCharset, &Sound, &Session.OptionsPages, {},
                &Session.Settings.Reviews });
        return *Dialog;
    }
    TOptionsDialog& OpenShown()
    {
        Open();
        ShowActive(*Dialog);
        return *Dialog;
    }
    static void SetText(QComboBox* box, const char* text) { box->setEditText(QString::fromUtf8(text)); }

    TSession Session;
    std::vector<std::string> Played;
    TRecordingSound Sound { Played };
    std::unique_ptr<TOptionsDialog> Dialog;
};

TEST_F(OptionsDialogTest, OkWritesEveryChangedControl)
{
    struct TCase {
        const char* Name;
        std::function<void(TOptionsDialog&)> Change;
        std::function<bool()> Written;
    };
    const TCase cases[] = {
        { "append", [](auto& d) { d.chbAppendNewWords->click(); },
            [this] { return Session.Settings.Options.AppendNewWords; } },
        { "duplicates", [](auto& d) { d.chbConfirmDuplicates->click(); },
            [this] { return !Session.Settings.Options.ConfirmDuplicates; } },
        { "no sort", [](auto& d) { d.chbConfirmNoSort->click(); },
            [this] { return Session.Settings.Options.ConfirmNoSort; } },
        { "skip notes", [](auto& d) { d.chbSkipNotes->click(); },
            [this] { return Session.Settings.Options.SkipNotes; } },
        { "learnt colour", [](auto& d) { d.cbColourLearnt->setCurrentIndex(ColourIndex(0x008000)); },
            [this] { return Session.Settings.Options.ColourLearnt == 0x008000; } },
        { "switching", [](auto& d) { d.chbKeyboardSwitching->click(); },
            [this] { return !Session.Settings.Options.KeyboardSwitching; } },
        { "notes",
            [](auto& d) {
                d.chbTestNotesPassive->click();
                d.chbTestNotesActive->click();
            },
            [this] {
                return Session.Settings.Options.TestNotesPassive && Session.Settings.Options.TestNotesActive;
            } },
        { "choices", [](auto& d) { SetText(d.cbNumChoices, "8"); },
            [this] { return Session.Settings.Options.NumChoices == 8; } },
        { "penalty",
            [](auto& d) {
                d.chbUsePenaltyPoints->click();
                SetText(d.cbMaxPenaltyPoints, "5");
            },
            [this] {
                return Session.Settings.Options.UsePenaltyPoints
                    && Session.Settings.Options.MaxPenaltyPoints == 5;
            } },
        { "hints", [](auto& d) { d.chbDisallowHints->click(); },
            [this] { return Session.Settings.Options.DisallowHints; } },
        { "native",
            [](auto& d) {
                d.Native.Caps->click();
                d.Native.cbBrackets->setCurrentIndex(1);
            },
            [this] {
                return Session.Settings.Options.NativeEvaluation == 55
                    && Session.Settings.Options.NativeDelimiters.BracketOpen == '['
                    && Session.Settings.Options.NativeDelimiters.BracketClose == ']';
            } },
        { "foreign",
            [](auto& d) {
                d.Foreign.Trans->click();
                d.Foreign.cbAlt->setCurrentIndex(DelimiterIndex('|'));
            },
            [this] {
                return Session.Settings.Options.ForeignEvaluation == 62
                    && Session.Settings.Options.ForeignDelimiters.Alt == '|';
            } },
        { "native accents", [](auto& d) { d.Native.Accents->click(); },
            [this] {
                return Session.Settings.Options.NativeAccents && !Session.Settings.Options.ForeignAccents;
            } },
        { "foreign accents", [](auto& d) { d.Foreign.Accents->click(); },
            [this] {
                return Session.Settings.Options.ForeignAccents && !Session.Settings.Options.NativeAccents;
            } },
        { "english", [](auto& d) { d.chbIgnoreTo->click(); },
            [this] { return Session.Settings.Options.EnglishEvaluation == 320; } },
        { "continue keeps colour",
            [](auto& d) {
                d.cbColourRight->setCurrentIndex(ColourIndex(0x00FF00));
                d.rbAutoContinue->click();
                d.cbColourRight->setCurrentIndex(ColourIndex(0x000080));
            },
            [this] {
                return Session.Settings.Options.AutoContinue
                    && Session.Settings.Options.ColourRight == 0x000080;
            } },
        { "wrong colour and delay",
            [](auto& d) {
                d.cbColourWrong->setCurrentIndex(0);
                d.edtDelay->setText(QStringLiteral("20"));
            },
            [this] {
                return Session.Settings.Options.ColourWrong == 0 && Session.Settings.Options.Delay == 20;
            } },
        { "sounds",
            [](auto& d) {
                d.edtSoundFileRight->setText(QStringLiteral("  /a/yes.wav "));
                d.edtSoundFileWrong->clear();
            },
            [this] {
                return Session.Settings.SoundFileRight == "/a/yes.wav"
                    && Session.Settings.SoundFileWrong.empty();
            } },
    };
    for (const TCase& c : cases) {
        SetUp();
        TOptionsDialog& dialog = Open();
        c.Change(dialog);
        dialog.btnOK->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.Name;
        EXPECT_TRUE(c.Written()) << c.Name;
    }
}

TEST_F(OptionsDialogTest, ControlsShowTheSettingsAndOkUnchangedKeepsThem)
{
    Session.Settings.Options.ConfirmNoCategory = true;
    Session.Settings.Options.NumChoices = 7;
    Session.Settings.Options.ForeignDelimiters = { '|', '~', '{', '}', '#' };
    Session.Settings.Options.ColourWrong = 0x808000;
    Session.Settings.Options.AutoContinue = true;
    Session.Settings.Options.Delay = 4;
    Session.Settings.Options.ForeignAccents = true;
    const auto before = OptionsToBytes(Session.Settings.Options);
    TOptionsDialog& dialog = Open();
    EXPECT_FALSE(dialog.Native.Accents->isChecked());
    EXPECT_TRUE(dialog.Foreign.Accents->isChecked());
    EXPECT_FALSE(dialog.chbSkipNotes->isEnabled());
    EXPECT_EQ(dialog.cbNumChoices->currentText(), QStringLiteral("7"));
    EXPECT_EQ(dialog.Foreign.cbBrackets->currentText(), QStringLiteral("{...}"));
    EXPECT_EQ(dialog.Foreign.cbTrans2->currentText(), QStringLiteral("~"));
    EXPECT_EQ(dialog.cbColourWrong->currentText(), QStringLiteral("Teal"));
    EXPECT_FALSE(dialog.cbColourRight->isEnabled());
    EXPECT_EQ(dialog.edtDelay->text(), QStringLiteral("4"));
    EXPECT_EQ(dialog.edtSoundFileWrong->text(), QStringLiteral("/sounds/wrong.wav"));
    dialog.btnOK->click();
    EXPECT_EQ(OptionsToBytes(Session.Settings.Options), before);
    EXPECT_TRUE(Session.Settings.Options.ForeignAccents);
    EXPECT_FALSE(Session.Settings.Options.NativeAccents);
    EXPECT_EQ(Session.Settings.SoundFileRight, "/sounds/right.wav");
}

TEST_F(OptionsDialogTest, CancelDiscardsEverythingIncludingShortcutsAndPagesOkRemembersThePages)
{
    TOptionsDialog& dialog = Open();
    const auto before = OptionsToBytes(Session.Settings.Options);
    dialog.chbAppendNewWords->click();
    dialog.cbShortcut->setCurrentIndex(3);
    dialog.cbCharacter->setCurrentIndex(CharacterIndex(0xE9));
    ASSERT_EQ(dialog.EditedShortcuts()[3], 0x00E9);
    dialog.edtSoundFileRight->setText(QStringLiteral("/x.wav"));
    dialog.pcOptions->setCurrentIndex(opFeedback);
    dialog.btnCancel->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(OptionsToBytes(Session.Settings.Options), before);
    EXPECT_EQ(Session.Settings.SoundFileRight, "/sounds/right.wav");
    EXPECT_EQ(Session.OptionsPages.Page, 0);
    // OK remembers the pages.
    TOptionsDialog& first = Open();
    EXPECT_EQ(first.pcOptions->currentIndex(), opGeneral);
    first.pcOptions->setCurrentIndex(opEvaluation);
    first.pcEvaluation->setCurrentIndex(epEnglish);
    first.btnOK->click();
    TOptionsDialog& second = Open();
    EXPECT_EQ(second.pcOptions->currentIndex(), opEvaluation);
    EXPECT_EQ(second.pcEvaluation->currentIndex(), epEnglish);
}

TEST_F(OptionsDialogTest, AFailedCheckKeepsThePageAndFocusesTheControl)
{
    TOptionsDialog& dialog = OpenShown();
    dialog.pcOptions->setCurrentIndex(opQuestion);
    SetText(dialog.cbNumChoices, "11");
    dialog.pcOptions->setCurrentIndex(opFeedback);
    EXPECT_EQ(ShownTexts(), QStringList { QStringLiteral("Number must be between 3 and 10.") });
    EXPECT_EQ(MessageBoxHook::Shown().front().Icon, QMessageBox::Warning);
    EXPECT_EQ(dialog.pcOptions->currentIndex(), opQuestion);
    EXPECT_TRUE(dialog.cbNumChoices->hasFocus());
    EXPECT_EQ(dialog.cbNumChoices->lineEdit()->selectedText(), QStringLiteral("11"));

    // OK runs the same check, and nothing is written.
    dialog.btnOK->click();
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(Session.Settings.Options.NumChoices, 5);

    MessageBoxHook::Clear();
    SetText(dialog.cbNumChoices, "10");
    dialog.pcOptions->setCurrentIndex(opFeedback);
    EXPECT_TRUE(ShownTexts().isEmpty());
    EXPECT_EQ(dialog.pcOptions->currentIndex(), opFeedback);
    dialog.edtDelay->setText(QStringLiteral("21"));
    dialog.btnOK->click();
    EXPECT_EQ(ShownTexts(), QStringList { QStringLiteral("Number must be between 0 and 20.") });
    EXPECT_EQ(dialog.result(), 0);
}

TEST_F(OptionsDialogTest, DependentControlsAndUntickingPenaltyPointsResetsItsMaximum)
{
    TOptionsDialog& dialog = OpenShown();
    dialog.pcOptions->setCurrentIndex(opQuestion);
    EXPECT_FALSE(dialog.cbMaxPenaltyPoints->isEnabled());
    dialog.chbUsePenaltyPoints->click();
    EXPECT_TRUE(dialog.lblPenaltyPoints->isEnabled());
    EXPECT_TRUE(dialog.lblMaxPenaltyPoints->isEnabled());
    EXPECT_TRUE(dialog.cbMaxPenaltyPoints->hasFocus());
    SetText(dialog.cbMaxPenaltyPoints, "9");
    dialog.chbUsePenaltyPoints->click();
    EXPECT_FALSE(dialog.cbMaxPenaltyPoints->isEnabled());
    EXPECT_EQ(dialog.cbMaxPenaltyPoints->currentText(), QStringLiteral("3"));
    dialog.pcOptions->setCurrentIndex(opGeneral);
    EXPECT_TRUE(ShownTexts().isEmpty());
    EXPECT_EQ(dialog.pcOptions->currentIndex(), opGeneral);

    dialog.chbSkipNotes->click();
    dialog.chbConfirmNoCategory->click();
    EXPECT_FALSE(dialog.chbSkipNotes->isChecked());
    EXPECT_FALSE(dialog.chbSkipNotes->isEnabled());
    dialog.chbConfirmNoCategory->click();
    EXPECT_TRUE(dialog.chbSkipNotes->isEnabled());

    dialog.cbColourRight->setCurrentIndex(0);
    dialog.rbAutoContinue->click();
    EXPECT_FALSE(dialog.cbColourRight->isEnabled());
    EXPECT_EQ(dialog.cbColourRight->currentText(), QStringLiteral("Blue")) << "the stored colour again";
    dialog.rbColourRight->click();
    EXPECT_TRUE(dialog.cbColourRight->isEnabled());

    dialog.Foreign.Brackets->click();
    EXPECT_FALSE(dialog.Foreign.cbBrackets->isEnabled());
    EXPECT_FALSE(dialog.Foreign.lblBrackets->isEnabled());
    EXPECT_TRUE(dialog.Native.cbBrackets->isEnabled());
}

TEST_F(OptionsDialogTest, DelimitersMustDifferEvenForASwitchedOffOption)
{
    TOptionsDialog& dialog = OpenShown();
    dialog.pcOptions->setCurrentIndex(opEvaluation);
    dialog.Native.Alt->click();
    EXPECT_FALSE(dialog.Native.cbAlt->isEnabled());
    dialog.Native.cbAlt->setCurrentIndex(DelimiterIndex(';'));
    dialog.pcEvaluation->setCurrentIndex(epForeign);
    EXPECT_EQ(ShownTexts(), QStringList { QStringLiteral("Delimiter already in use.") });
    EXPECT_EQ(dialog.pcEvaluation->currentIndex(), epNative);
    EXPECT_TRUE(dialog.Native.cbTrans1->hasFocus()) << "the second list, which can take the focus";

    // Leaving the outer page checks the sub-page shown; the disabled first list cannot take the
    // focus, and neither can the second once switched off: the focus stays where it was.
    MessageBoxHook::Clear();
    dialog.Native.Trans->click();
    dialog.Native.cbTrans1->setCurrentIndex(DelimiterIndex('/'));
    dialog.Native.cbAlt->setCurrentIndex(DelimiterIndex('/'));
    dialog.pcOptions->setCurrentIndex(opFeedback);
    EXPECT_EQ(ShownTexts(), QStringList { QStringLiteral("Delimiter already in use.") });
    EXPECT_EQ(dialog.pcOptions->currentIndex(), opEvaluation);

    // Switching the option on again selects the stored delimiters.
    dialog.Native.Trans->click();
    EXPECT_TRUE(dialog.Native.cbTrans2->isEnabled());
    EXPECT_TRUE(dialog.Native.lblTrans->isEnabled());
    EXPECT_EQ(dialog.Native.cbTrans1->currentText(), QStringLiteral(";"));
    EXPECT_EQ(dialog.Native.cbTrans2->currentText(), QStringLiteral(","));
    dialog.Native.Alt->click();
    EXPECT_EQ(dialog.Native.cbAlt->currentText(), QStringLiteral("/"));
    MessageBoxHook::Clear();
    dialog.btnOK->click();
    EXPECT_TRUE(ShownTexts().isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(OptionsDialogTest, ShortcutEditing)
{
    TOptionsDialog& dialog = Open(204);
    ASSERT_EQ(dialog.cbShortcut->count(), ShortcutCount);
    EXPECT_EQ(dialog.cbShortcut->itemText(0),
        QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_A).toString(QKeySequence::NativeText));
    EXPECT_EQ(dialog.cbShortcut->itemText(91),
        QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F12).toString(QKeySequence::NativeText));

    // An unassigned key shows the foreign language's script, its characters drawn in it.
    EXPECT_EQ(dialog.cbCharacter->currentIndex(), 0);
    EXPECT_TRUE(dialog.lblUnassigned->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.cbCharSet->currentText(), QStringLiteral("Cyrillic"));
    EXPECT_EQ(dialog.cbCharacter->itemText(CharacterIndex(0xE0)), Q("а"));

    dialog.cbShortcut->setCurrentIndex(9); // Shift+Ctrl+J: the middle dot of the Western script
    EXPECT_EQ(dialog.cbCharSet->currentText(), QStringLiteral("Western"));
    EXPECT_EQ(dialog.cbCharacter->currentText(), Q("·"));
    EXPECT_FALSE(dialog.lblUnassigned->isVisibleTo(&dialog));
    dialog.cbCharSet->setCurrentIndex(ScriptIndex(161));
    EXPECT_EQ(dialog.EditedShortcuts()[9], 0xA1B7);
    dialog.cbCharacter->setCurrentIndex(0);
    EXPECT_EQ(dialog.EditedShortcuts()[9], 0);
    EXPECT_TRUE(dialog.lblUnassigned->isVisibleTo(&dialog));

    dialog.cbShortcut->setCurrentIndex(60);
    dialog.cbCharSet->setCurrentIndex(ScriptIndex(204));
    dialog.cbCharacter->setCurrentIndex(CharacterIndex(0xE0));
    EXPECT_EQ(dialog.EditedShortcuts()[60], 0xCCE0);
    EXPECT_EQ(Session.Settings.Options.Shortcuts[60], 0) << "the private copy only";

    // Clear All asks first; Cancel keeps the assignments.
    MessageBoxHook::QueueAnswer(QMessageBox::Cancel);
    dialog.btnClearAll->click();
    EXPECT_EQ(ShownTexts(), QStringList { QStringLiteral("Clear all shortcut key assignments?") });
    EXPECT_EQ(dialog.EditedShortcuts()[35], 0x0092);
    MessageBoxHook::QueueAnswer(QMessageBox::Ok);
    dialog.btnClearAll->click();
    EXPECT_EQ(dialog.EditedShortcuts(), decltype(Session.Settings.Options.Shortcuts) {});
    EXPECT_EQ(dialog.cbShortcut->currentIndex(), 0);
    dialog.btnOK->click();
    EXPECT_EQ(Session.Settings.Options.Shortcuts, decltype(Session.Settings.Options.Shortcuts) {});
}

TEST_F(OptionsDialogTest, BrowsingStartsInTheFieldsFolderAndPlaysTheChoiceOnce)
{
    TOptionsDialog& dialog = Open();
    FileDialogHook::QueueChoice(TChosenFile { QStringLiteral("/other/ding.wav"), 1 });
    dialog.btnBrowseRight->click();
    ASSERT_EQ(FileDialogHook::Requests().size(), 1u);
    const TFileDialogRequest& request = FileDialogHook::Requests().front();
    EXPECT_EQ(request.Title, QStringLiteral("Browse"));
    EXPECT_EQ(request.Folder, QStringLiteral("/sounds"));
    EXPECT_EQ(request.ProposedName, QStringLiteral("right.wav"));
    EXPECT_EQ(request.Filters.front(), QStringLiteral("Sound files (*.wav)"));
    EXPECT_EQ(dialog.edtSoundFileRight->text(), QStringLiteral("/other/ding.wav"));
    EXPECT_EQ(Played, std::vector<std::string> { "/other/ding.wav" });

    // Cancelled: the field and the sounds stay.
    dialog.btnBrowseWrong->click();
    EXPECT_EQ(dialog.edtSoundFileWrong->text(), QStringLiteral("/sounds/wrong.wav"));
    EXPECT_EQ(Played.size(), 1u);
    EXPECT_EQ(Session.Settings.SoundFileRight, "/sounds/right.wav") << "written only on OK";
}

TEST_F(OptionsDialogTest, HelpOpensTheTopicOfThePageShown)
{
    std::vector<int> asked;
    const THelpHandler previous = SetHelpHandler([&asked](int context) { asked.push_back(context); });
    TOptionsDialog& dialog = Open();
    dialog.btnHelp->click();
    dialog.pcOptions->setCurrentIndex(opFeedback);
    dialog.btnHelp->click();
    SetHelpHandler(previous);
    EXPECT_EQ(asked, (std::vector<int> { 3041, 3044 }));
    EXPECT_EQ(HelpContext(dialog.Foreign.cbTrans2), 2229);
    EXPECT_EQ(HelpContext(dialog.chbIgnoreIze), 2232);
    EXPECT_EQ(HelpContext(dialog.edtDelay), 2237);
    EXPECT_EQ(HelpContext(dialog.Native.Accents), 2239);
    EXPECT_EQ(HelpContext(dialog.Foreign.Accents), 2240);
}

TEST_F(OptionsDialogTest, TheMainWindowChoosesANewQuestionUnderTheNewOptions)
{
    TMainForm form(Session, std::make_unique<TMemorySettingsStore>());
    form.SetSoundPlayer(nullptr);
    Fill(Session.Document(), German, English,
        { { "der Hund", 4, "pl. Hunde", "dog" }, { "die Katze", 4, "f.", "cat" } });
    form.show();
    form.SetWindowMode(wmEditing);
    EXPECT_EQ(form.miViewOptions->shortcut(), QKeySequence(Qt::Key_F12));
    form.WindowState().TestMode = 0;
    form.miTestStartTestingClick();
    ASSERT_TRUE(form.TestPanel()->edtTestNotes->isReadOnly()) << "notes shown, not asked";

    OnDialog<TOptionsDialog>([](TOptionsDialog& options) {
        options.chbTestNotesPassive->click();
        options.btnOK->click();
    });
    form.miViewOptions->trigger();
    DialogHook::Set(nullptr);
    EXPECT_TRUE(Session.Settings.Options.TestNotesPassive);
    EXPECT_FALSE(form.TestPanel()->edtTestNotes->isReadOnly());
}

} // namespace
