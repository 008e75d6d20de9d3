// The options dialog driven through its controls: each control read on OK, the controls shown,
// Cancel, page checks and dependent controls (their rules are OptionsRulesTest's), shortcut editing,
// sound browsing, Help and the main window's command.

#include "ui/OptionsDialog.h"

#include "core/DocumentBuilders.h"
#include "gui/DialogTestSupport.h"
#include "qtsupport/FileDialogs.h"
#include "qtsupport/HelpRequest.h"
#include "settings/MemoryStore.h"
#include "ui/Features.h"
#include "ui/SymbolEdit.h"
#include "ui/TestPanel.h"

#include <source_location>

namespace {

class OptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Session.Settings = TSettings {};
        Session.OptionsPages = TOptionsPages {};
        Session.Settings.SoundFileRight = "/sounds/right.wav";
        Session.Settings.SoundFileWrong = "/sounds/wrong.wav";
        ClearScripted();
    }
    void TearDown() override
    {
        Dialog.reset();
        ClearScripted();
    }
    TOptionsDialog& Open(int foreignCharset = 0, bool shown = false)
    {
        Dialog = std::make_unique<TOptionsDialog>(nullptr,
            TOptionsTarget { &Session.Settings.Options, &Session.Settings.SoundFileRight,
                &Session.Settings.SoundFileWrong, foreignCharset, &Sound, &Session.OptionsPages, {},
                &Session.Settings.Reviews });
        if (shown)
            ShowActive(*Dialog);
        return *Dialog;
    }
    static void SetText(QComboBox* box, const char* text) { box->setEditText(QString::fromUtf8(text)); }
    // Everything OK writes: the record, the accents and typos beside it and the sounds.
    static auto Written(const TSettings& s)
    {
        return std::tuple(OptionsToBytes(s.Options), s.Options.NativeAccents, s.Options.ForeignAccents,
            s.Options.NativeTypos, s.Options.ForeignTypos, s.SoundFileRight, s.SoundFileWrong);
    }

    // OK writes what the expectation makes of the stored values; a failure names the caller's line.
    void ExpectWritten(const std::function<void(TOptionsDialog&)>& change,
        const std::function<void(TOptions&)>& expect,
        std::source_location row = std::source_location::current())
    {
        const ::testing::ScopedTrace trace(row.file_name(), static_cast<int>(row.line()), "");
        SetUp();
        TSettings expected = Session.Settings;
        expect(expected.Options);
        Open();
        change(*Dialog);
        Dialog->btnOK->click();
        EXPECT_EQ(Dialog->result(), QDialog::Accepted);
        EXPECT_EQ(Written(Session.Settings), Written(expected));
    }

    TSession Session;
    std::vector<std::string> Played;
    TRecordingSound Sound { Played };
    std::unique_ptr<TOptionsDialog> Dialog;
};

// Each control changed alone reaches its own field and no other: a tick box turns its field over.
TEST_F(OptionsDialogTest, OkWritesEachControlToItsOwnField)
{
    using D = TOptionsDialog;
    const std::pair<QCheckBox * D::*, bool TOptions::*> boxes[] = {
        { &D::chbAppendNewWords, &TOptions::AppendNewWords },
        { &D::chbConfirmDuplicates, &TOptions::ConfirmDuplicates },
        { &D::chbConfirmNoSort, &TOptions::ConfirmNoSort },
        { &D::chbConfirmNoCategory, &TOptions::ConfirmNoCategory },
        { &D::chbSkipNotes, &TOptions::SkipNotes },
        { &D::chbKeyboardSwitching, &TOptions::KeyboardSwitching },
        { &D::chbTestNotesPassive, &TOptions::TestNotesPassive },
        { &D::chbTestNotesActive, &TOptions::TestNotesActive },
        { &D::chbDisallowHints, &TOptions::DisallowHints },
    };
    for (const auto& [box, field] : boxes) {
        ExpectWritten([box](D& d) { (d.*box)->click(); }, [field](TOptions& o) { o.*field = !(o.*field); });
    }
    ExpectWritten([](D& d) { d.Native.Accents->click(); }, [](TOptions& o) { o.NativeAccents = true; });
    ExpectWritten([](D& d) { d.Foreign.Accents->click(); }, [](TOptions& o) { o.ForeignAccents = true; });
    ExpectWritten([](D& d) { d.Native.Typos->click(); }, [](TOptions& o) { o.NativeTypos = true; });
    ExpectWritten([](D& d) { d.Foreign.Typos->click(); }, [](TOptions& o) { o.ForeignTypos = true; });
    ExpectWritten([](D& d) { d.chbIgnoreTo->click(); }, [](TOptions& o) { o.EnglishEvaluation = 320; });
    ExpectWritten([](D& d) { SetText(d.cbNumChoices, "8"); }, [](TOptions& o) { o.NumChoices = 8; });
    ExpectWritten([](D& d) { d.edtDelay->setText(Q("20")); }, [](TOptions& o) { o.Delay = 20; });
    ExpectWritten([](D& d) { d.cbColourWrong->setCurrentIndex(0); }, [](TOptions& o) { o.ColourWrong = 0; });
    ExpectWritten([](D& d) { d.cbColourLearnt->setCurrentIndex(ColourIndex(0x008000)); },
        [](TOptions& o) { o.ColourLearnt = 0x008000; });
    ExpectWritten(
        [](D& d) {
            d.chbUsePenaltyPoints->click();
            SetText(d.cbMaxPenaltyPoints, "5");
        },
        [](TOptions& o) {
            o.UsePenaltyPoints = true;
            o.MaxPenaltyPoints = 5;
        });
    ExpectWritten(
        [](D& d) {
            d.Native.Caps->click();
            d.Native.cbBrackets->setCurrentIndex(1);
        },
        [](TOptions& o) {
            o.NativeEvaluation = 55;
            o.NativeDelimiters = { ';', ',', '[', ']', '/' };
        });
    ExpectWritten(
        [](D& d) {
            d.Foreign.Trans->click();
            d.Foreign.cbAlt->setCurrentIndex(DelimiterIndex('|'));
        },
        [](TOptions& o) {
            o.ForeignEvaluation = 62;
            o.ForeignDelimiters.Alt = '|';
        });
    ExpectWritten(
        [](D& d) {
            d.cbColourRight->setCurrentIndex(ColourIndex(0x00FF00));
            d.rbAutoContinue->click();
            d.cbColourRight->setCurrentIndex(ColourIndex(0x000080));
        },
        [](TOptions& o) {
            o.AutoContinue = true;
            o.ColourRight = 0x000080;
        });
    SetUp();
    Open();
    Dialog->edtSoundFileRight->setText(Q("  /a/yes.wav "));
    Dialog->edtSoundFileWrong->clear();
    Dialog->btnOK->click();
    EXPECT_EQ(std::tie(Session.Settings.SoundFileRight, Session.Settings.SoundFileWrong),
        std::tuple("/a/yes.wav", ""));
}

// Each side's typo box is reached from the keyboard on its own page, and only there.
TEST_F(OptionsDialogTest, AltYTurnsTheTypoBoxOfTheShownSideOver)
{
    for (const int side : { epNative, epForeign }) {
        SCOPED_TRACE(side);
        TOptionsDialog& dialog = Open(0, true);
        dialog.pcOptions->setCurrentIndex(opEvaluation);
        dialog.pcEvaluation->setCurrentIndex(side);
        QApplication::setActiveWindow(&dialog); // the access keys work in the active window only
        dialog.pcEvaluation->setFocus();
        QTest::keyClick(dialog.pcEvaluation, Qt::Key_Y, Qt::AltModifier);
        QTest::qWait(250); // an access key presses its box visibly first
        EXPECT_EQ(std::pair(dialog.Native.Typos->isChecked(), dialog.Foreign.Typos->isChecked()),
            std::pair(side == epNative, side == epForeign));
        EXPECT_EQ(QApplication::focusWidget(), side == epNative ? dialog.Native.Typos : dialog.Foreign.Typos);
    }
}

TEST_F(OptionsDialogTest, ControlsShowTheSettingsOkUnchangedKeepsThemCancelDiscardsOkRemembersThePages)
{
    Session.Settings.Options.ConfirmNoCategory = true;
    Session.Settings.Options.NumChoices = 7;
    Session.Settings.Options.ForeignDelimiters = { '|', '~', '{', '}', '#' };
    Session.Settings.Options.ColourWrong = 0x808000;
    Session.Settings.Options.AutoContinue = true;
    Session.Settings.Options.Delay = 4;
    Session.Settings.Options.ForeignAccents = true;
    Session.Settings.Options.NativeTypos = true;
    const auto before = Written(Session.Settings);
    TOptionsDialog& dialog = Open();
    // A value not shown would be written back changed below; the lists' entries are checked here.
    EXPECT_FALSE(dialog.chbSkipNotes->isEnabled());
    EXPECT_EQ(dialog.Foreign.cbBrackets->currentText(), QStringLiteral("{...}"));
    EXPECT_EQ(dialog.cbColourWrong->currentText(), QStringLiteral("Teal"));
    EXPECT_FALSE(dialog.cbColourRight->isEnabled());
    dialog.btnOK->click();
    EXPECT_EQ(Written(Session.Settings), before);

    TOptionsDialog& cancelled = Open();
    cancelled.chbAppendNewWords->click();
    cancelled.cbShortcut->setCurrentIndex(3);
    cancelled.cbCharacter->setCurrentIndex(CharacterIndex(0xE9));
    ASSERT_EQ(cancelled.EditedShortcuts()[3], 0x00E9);
    cancelled.edtSoundFileRight->setText(QStringLiteral("/x.wav"));
    cancelled.pcOptions->setCurrentIndex(opFeedback);
    cancelled.btnCancel->click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_EQ(Written(Session.Settings), before);
    EXPECT_EQ(Session.OptionsPages.Page, 0);

    TOptionsDialog& first = Open();
    EXPECT_EQ(first.pcOptions->currentIndex(), opGeneral);
    first.pcOptions->setCurrentIndex(opEvaluation);
    first.pcEvaluation->setCurrentIndex(epEnglish);
    first.btnOK->click();
    TOptionsDialog& second = Open();
    EXPECT_EQ(second.pcOptions->currentIndex(), opEvaluation);
    EXPECT_EQ(second.pcEvaluation->currentIndex(), epEnglish);
}

TEST_F(OptionsDialogTest, AFailedCheckKeepsThePageAndFocusesTheControlAndOkChecksToo)
{
    TOptionsDialog& dialog = Open(0, true);
    dialog.pcOptions->setCurrentIndex(opQuestion);
    SetText(dialog.cbNumChoices, "11");
    dialog.pcOptions->setCurrentIndex(opFeedback);
    EXPECT_EQ(ShownTexts(), QStringList { QStringLiteral("Number must be between 3 and 10.") });
    EXPECT_EQ(ScriptedBoxes().Shown().front().Icon, QMessageBox::Warning);
    EXPECT_EQ(dialog.pcOptions->currentIndex(), opQuestion);
    EXPECT_TRUE(dialog.cbNumChoices->hasFocus());
    EXPECT_EQ(dialog.cbNumChoices->lineEdit()->selectedText(), QStringLiteral("11"));
    dialog.btnOK->click();
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(Session.Settings.Options.NumChoices, 5);

    ScriptedBoxes().Clear();
    SetText(dialog.cbNumChoices, "10");
    dialog.pcOptions->setCurrentIndex(opFeedback);
    EXPECT_EQ(dialog.pcOptions->currentIndex(), opFeedback);
    dialog.edtDelay->setText(QStringLiteral("21"));
    dialog.btnOK->click();
    EXPECT_EQ(ShownTexts(), QStringList { QStringLiteral("Number must be between 0 and 20.") })
        << "the page shown";
    EXPECT_EQ(dialog.result(), 0);

    ScriptedBoxes().Clear();
    dialog.edtDelay->setText(QStringLiteral("0"));
    dialog.pcOptions->setCurrentIndex(opEvaluation);
    dialog.Native.Alt->click();
    EXPECT_FALSE(dialog.Native.cbAlt->isEnabled());
    dialog.Native.cbAlt->setCurrentIndex(DelimiterIndex(';'));
    dialog.pcEvaluation->setCurrentIndex(epForeign);
    EXPECT_EQ(ShownTexts(), QStringList { QStringLiteral("Delimiter already in use.") });
    EXPECT_EQ(dialog.pcEvaluation->currentIndex(), epNative);
    EXPECT_TRUE(dialog.Native.cbTrans1->hasFocus()) << "the second list, which can take the focus";

    // Leaving the outer page checks the sub-page shown, though neither list can take the focus.
    ScriptedBoxes().Clear();
    dialog.Native.Trans->click();
    dialog.Native.cbTrans1->setCurrentIndex(DelimiterIndex('/'));
    dialog.Native.cbAlt->setCurrentIndex(DelimiterIndex('/'));
    dialog.pcOptions->setCurrentIndex(opFeedback);
    EXPECT_EQ(ShownTexts(), QStringList { QStringLiteral("Delimiter already in use.") });
    EXPECT_EQ(dialog.pcOptions->currentIndex(), opEvaluation);
}

TEST_F(OptionsDialogTest, DependentControlsFollowTheirOptions)
{
    TOptionsDialog& dialog = Open(0, true);
    dialog.pcOptions->setCurrentIndex(opQuestion);
    EXPECT_FALSE(dialog.cbMaxPenaltyPoints->isEnabled());
    dialog.chbUsePenaltyPoints->click();
    EXPECT_TRUE(dialog.cbMaxPenaltyPoints->hasFocus());
    SetText(dialog.cbMaxPenaltyPoints, "9");
    dialog.chbUsePenaltyPoints->click();
    EXPECT_FALSE(dialog.cbMaxPenaltyPoints->isEnabled());
    EXPECT_EQ(dialog.cbMaxPenaltyPoints->currentText(), QStringLiteral("3"));
    dialog.pcOptions->setCurrentIndex(opGeneral);
    EXPECT_EQ(dialog.pcOptions->currentIndex(), opGeneral) << "the reset maximum passes the check";

    dialog.chbSkipNotes->click();
    dialog.chbConfirmNoCategory->click();
    EXPECT_FALSE(dialog.chbSkipNotes->isChecked() || dialog.chbSkipNotes->isEnabled());
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
    EXPECT_TRUE(dialog.Native.cbBrackets->isEnabled());
    // Switching an option on again selects the stored delimiters.
    dialog.Native.Trans->click();
    dialog.Native.cbTrans1->setCurrentIndex(DelimiterIndex('/'));
    dialog.Native.Trans->click();
    EXPECT_TRUE(dialog.Native.cbTrans2->isEnabled());
    EXPECT_EQ(dialog.Native.cbTrans1->currentText(), QStringLiteral(";"));
    EXPECT_EQ(dialog.Native.cbTrans2->currentText(), QStringLiteral(","));
}

TEST_F(OptionsDialogTest, ShortcutEditingSoundBrowsingAndHelp)
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
    EXPECT_EQ(Session.Settings.Options.Shortcuts[9], 0x00B7) << "the private copy only";

    // Clear All asks first; Cancel keeps the assignments.
    ScriptedBoxes().QueueAnswer(QMessageBox::Cancel);
    dialog.btnClearAll->click();
    EXPECT_EQ(ShownTexts(), QStringList { QStringLiteral("Clear all shortcut key assignments?") });
    EXPECT_EQ(dialog.EditedShortcuts()[35], 0x0092);
    ScriptedBoxes().QueueAnswer(QMessageBox::Ok);
    dialog.btnClearAll->click();
    EXPECT_EQ(dialog.EditedShortcuts(), decltype(Session.Settings.Options.Shortcuts) {});
    EXPECT_EQ(dialog.cbShortcut->currentIndex(), 0);
    dialog.btnOK->click();
    EXPECT_EQ(Session.Settings.Options.Shortcuts, decltype(Session.Settings.Options.Shortcuts) {});

    // Browsing starts in the field's folder and plays the choice once.
    TOptionsDialog& browsing = Open();
    ScriptedFiles().QueueChoice(TChosenFile { QStringLiteral("/other/ding.wav"), 1 });
    browsing.btnBrowseRight->click();
    ASSERT_EQ(ScriptedFiles().Requests().size(), 1u);
    const TFileDialogRequest& request = ScriptedFiles().Requests()[0];
    EXPECT_EQ(std::tuple(request.Folder, request.ProposedName, request.Filters.front(),
                  browsing.edtSoundFileRight->text()),
        std::tuple(Q("/sounds"), Q("right.wav"), Q("Sound files (*.wav)"), Q("/other/ding.wav")));
    EXPECT_EQ(Played, std::vector<std::string> { "/other/ding.wav" });
    // Cancelled: the field and the sounds stay.
    browsing.btnBrowseWrong->click();
    EXPECT_EQ(browsing.edtSoundFileWrong->text(), QStringLiteral("/sounds/wrong.wav"));
    EXPECT_EQ(Played.size(), 1u);
    EXPECT_EQ(Session.Settings.SoundFileRight, "/sounds/right.wav") << "written only on OK";

    std::vector<int> asked;
    const THelpHandler previous = SetHelpHandler([&asked](int context) { asked.push_back(context); });
    browsing.btnHelp->click();
    browsing.pcOptions->setCurrentIndex(opFeedback);
    browsing.btnHelp->click();
    SetHelpHandler(previous);
    EXPECT_EQ(asked, (std::vector<int> { 3041, 3044 }));
}

TEST_F(OptionsDialogTest, TheMainWindowChoosesANewQuestionUnderTheNewOptions)
{
    TMainForm form(Session, std::make_unique<TMemorySettingsStore>());
    form.Test().SetSoundPlayer(nullptr);
    Fill(Session.Document(), German, English,
        { { "der Hund", 4, "pl. Hunde", "dog" }, { "die Katze", 4, "f.", "cat" } });
    form.show();
    form.SetWindowMode(wmEditing);
    form.WindowState().TestMode = 0;
    form.Test().StartTesting();
    ASSERT_TRUE(form.TestPanel()->edtTestNotes->isReadOnly()) << "notes shown, not asked";
    OnDialog<TOptionsDialog>([](TOptionsDialog& options) {
        options.chbTestNotesPassive->click();
        options.btnOK->click();
    });
    form.Command("miViewOptions")->trigger();
    ScriptedRunner().Set(nullptr);
    EXPECT_TRUE(Session.Settings.Options.TestNotesPassive);
    EXPECT_FALSE(form.TestPanel()->edtTestNotes->isReadOnly());
}

} // namespace
