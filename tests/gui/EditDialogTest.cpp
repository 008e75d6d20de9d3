// The item edit dialog: its checks on OK, the marker, its boxes and keys.

#include "ui/EditDialog.h"

#include "core/DocumentBuilders.h"
#include "gui/DialogTestSupport.h"
#include "settings/Settings.h"
#include "ui/SymbolEdit.h"

#include <memory>

namespace {

class EditDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ScriptedBoxes().Clear();
        UseList(Session, French, English);
    }
    void TearDown() override { ScriptedBoxes().Clear(); }
    void AddMaison() { FillItems(Session.Document(), French, English, { { "maison", "", "", "house" } }); }

    TSession Session;
};

// The dialog for Add, filled and confirmed once.
struct TAddRun {
    TItemEditData Data;
    std::unique_ptr<TEditDialog> Dialog;
    std::unique_ptr<QSignalSpy> Accepted;

    TAddRun(TSession& session, const char* foreign, const char* native, const char* category = "x")
    {
        Dialog = std::make_unique<TEditDialog>(nullptr, Data, session);
        Accepted = std::make_unique<QSignalSpy>(Dialog.get(), &QDialog::accepted);
        ShowActive(*Dialog);
        Dialog->edtForeign->setText(Q(foreign));
        Dialog->edtCategory->setText(Q(category));
        Dialog->edtNative->setText(Q(native));
        Dialog->btnOKClick();
    }
    bool Closed() const { return Accepted->count() == 1; }
};

// The order of the checks is the model's (EditRulesTest); these prove the dialog presents each step.
TEST_F(EditDialogTest, EditDialogTellsWhatIsMissingAsksAndStoresTheCleanedTexts)
{
    const struct {
        const char* Foreign;
        const char* Native;
        const char* Message;
        bool OnForeign;
    } cases[] = {
        { " \t ", "house", NoWordMessage, true },
        { "maison", "   ", NoTranslationMessage, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Message);
        ScriptedBoxes().Clear();
        TAddRun run(Session, c.Foreign, c.Native);
        EXPECT_FALSE(run.Closed());
        EXPECT_EQ(ShownTexts(), QStringList { Q(c.Message) });
        EXPECT_EQ(LastMessage().Icon, QMessageBox::Warning);
        TVocabEdit* box = c.OnForeign ? run.Dialog->edtForeign : run.Dialog->edtNative;
        EXPECT_TRUE(box->hasFocus());
        EXPECT_EQ(box->selectedText(), box->text());
    }

    ScriptedBoxes().Clear();
    Session.Settings.Options.ConfirmNoSort = true;
    Session.Settings.Options.ConfirmNoCategory = true;
    {
        // No answer queued: the question's default button must be No.
        TAddRun run(Session, "maison", "house");
        EXPECT_FALSE(run.Closed());
        EXPECT_EQ(ShownTexts(), QStringList { Q(NoSortQuestion) });
        EXPECT_TRUE(run.Dialog->edtForeign->hasFocus());
        EXPECT_EQ(run.Dialog->edtForeign->text(), Q("maison"));
    }
    ScriptedBoxes().Clear();
    ScriptedBoxes().QueueAnswer(QMessageBox::Yes);
    ScriptedBoxes().QueueAnswer(QMessageBox::No);
    TAddRun run(Session, "maison", "  the  house ", "");
    EXPECT_FALSE(run.Closed());
    EXPECT_EQ(ShownTexts(), (QStringList { Q(NoSortQuestion), Q(NoCategoryQuestion) }));
    EXPECT_TRUE(run.Dialog->edtCategory->hasFocus());
    EXPECT_EQ(run.Dialog->edtForeign->text(), Q("@maison"));

    // The marked box is not asked about again.
    ScriptedBoxes().Clear();
    ScriptedBoxes().QueueAnswer(QMessageBox::Yes);
    run.Dialog->btnOKClick();
    EXPECT_EQ(ShownTexts(), QStringList { Q(NoCategoryQuestion) });
    ASSERT_TRUE(run.Closed());
    EXPECT_EQ(std::tuple(run.Data.FieldValues, run.Data.SortingPosition),
        std::tuple(TFieldValues { "maison", "", "", "the house" }, 0));

    // The document reaches the duplicate check; the position reaches the record.
    Session.Settings.Options.ConfirmNoCategory = false;
    AddMaison();
    ScriptedBoxes().Clear();
    EXPECT_FALSE(TAddRun(Session, "@maison", "home").Closed());
    EXPECT_EQ(ShownTexts(), QStringList { Q(DuplicateQuestion) });
    TAddRun marked(Session, "la @maison", "home");
    ASSERT_TRUE(marked.Closed());
    EXPECT_EQ(std::tuple(marked.Data.FieldValues[fiForeign], marked.Data.SortingPosition),
        std::tuple(std::string("la maison"), 3));
}

TEST_F(EditDialogTest, EditShowsTheMarkerUnchangedOKIsCancelAndChangesAskNoDuplicateQuestion)
{
    struct TCase {
        const char* Foreign;
        std::int32_t Position;
        bool ConfirmNoSort;
        const char* Shown;
    } cases[] = {
        { "la maison", 3, false, "la @maison" },
        { "maison", 0, true, "@maison" },
        { "maison", 0, false, "maison" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Shown);
        Session.Settings.Options.ConfirmNoSort = c.ConfirmNoSort;
        // Text the cleaning would change: an unchanged dialog must still store nothing.
        TItemEditData data { false, { c.Foreign, "noun", "", "the  house " }, c.Position };
        TEditDialog dialog(nullptr, data, Session);
        EXPECT_EQ(std::tuple(dialog.edtForeign->text(), dialog.edtNative->text(), dialog.DataChanged()),
            std::tuple(Q(c.Shown), Q("the  house "), false));
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        dialog.btnOKClick();
        EXPECT_EQ(std::tuple(rejected.count(), data.FieldValues[fiNative], data.SortingPosition),
            std::tuple(1, "the  house ", c.Position));
    }

    // Changed, the texts are stored; the cleaned word equals the stored item's, which asks nothing.
    Session.Settings.Options.ConfirmNoSort = false;
    AddMaison();
    TItemEditData data { false, { "maison", "noun", "", "house" }, 0 };
    TEditDialog dialog(nullptr, data, Session);
    ShowActive(dialog);
    dialog.edtForeign->end(false);
    QTest::keyClicks(dialog.edtForeign, QStringLiteral("  "));
    EXPECT_TRUE(dialog.DataChanged());
    dialog.edtForeign->setCursorPosition(3);
    QTest::keyClicks(dialog.edtForeign, QStringLiteral("@"));
    dialog.edtNotes->setText(QStringLiteral("f."));
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.btnOKClick();
    ASSERT_EQ(accepted.count(), 1);
    EXPECT_TRUE(ScriptedBoxes().Shown().empty());
    EXPECT_EQ(std::tuple(data.FieldValues, data.SortingPosition),
        std::tuple(TFieldValues { "maison", "noun", "f.", "house" }, 3));
}

// Return accepts and Escape cancels from the translations box.
TEST_F(EditDialogTest, EditDialogPreparesCodePagesTagsTabOrderAndKeys)
{
    UseList(Session, Russian, English);
    for (bool skipNotes : { false, true }) {
        SCOPED_TRACE(skipNotes);
        Session.Settings.Options.SkipNotes = skipNotes;
        TItemEditData data;
        TEditDialog dialog(nullptr, data, Session);
        EXPECT_EQ(dialog.edtForeign->CodePage(), 1251);
        EXPECT_EQ(dialog.edtForeign->Tag(), -1);
        for (TVocabEdit* box : { dialog.edtCategory, dialog.edtNotes, dialog.edtNative }) {
            EXPECT_EQ(box->CodePage(), 1252);
            EXPECT_EQ(box->Tag(), -2);
        }
        EXPECT_TRUE(dialog.edtForeign->font().bold() && dialog.edtCategory->font().italic());

        ShowActive(dialog);
        dialog.edtForeign->setFocus();
        QTest::keyClicks(dialog.edtForeign, Q("le chat"));
        QTest::keyClick(dialog.edtForeign, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(),
            skipNotes ? static_cast<QWidget*>(dialog.edtNative) : static_cast<QWidget*>(dialog.edtCategory));
        if (!skipNotes) {
            QTest::keyClick(dialog.edtCategory, Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), dialog.edtNotes);
        }
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        dialog.edtNative->setFocus();
        QTest::keyClicks(dialog.edtNative, Q("the cat"));
        QTest::keyClick(dialog.edtNative, skipNotes ? Qt::Key_Escape : Qt::Key_Return);
        EXPECT_EQ(accepted.count(), skipNotes ? 0 : 1);
        EXPECT_EQ(rejected.count(), skipNotes ? 1 : 0);
        EXPECT_EQ(data.FieldValues[fiForeign], skipNotes ? "" : "le chat");
    }
}

} // namespace
