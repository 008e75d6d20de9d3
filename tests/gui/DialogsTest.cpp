// The item edit dialog, the vocabulary edit box, the font dialog and the range checks of edit boxes.

#include "app/MessageBox.h"
#include "gui/DialogTestSupport.h"
#include "settings/Session.h"
#include "settings/Settings.h"
#include "ui/EditDialog.h"
#include "ui/FontDialog.h"
#include "ui/SymbolEdit.h"
#include "ui/ValueChecks.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>
#include <memory>

namespace {
constexpr LangId French = 0x040C;
constexpr LangId English = 0x0409;
constexpr LangId Russian = 0x0419;

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MessageBoxHook::Clear();
        UseList(Session, French, English);
    }
    void TearDown() override { MessageBoxHook::Clear(); }
    void AddItem(const std::string& foreign, const std::string& native)
    {
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValues(foreign, "", "", native);
        Session.Document().AppendItem(std::move(item));
        Session.Document().EndBulkAppend();
    }

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

// ---- The edit dialog's OK ---------------------------------------------------------------------

// The order of the checks is the model's (EditRulesTest); these prove the dialog presents each step.
TEST_F(DialogTest, EditDialogTellsWhatIsMissingAndStaysOnTheBox)
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
        MessageBoxHook::Clear();
        TAddRun run(Session, c.Foreign, c.Native);
        EXPECT_FALSE(run.Closed());
        ASSERT_EQ(MessageBoxHook::Shown().size(), 1u);
        const auto& shown = MessageBoxHook::Shown().front();
        EXPECT_EQ(shown.Text, Q(c.Message));
        EXPECT_EQ(shown.Caption, Q("Velmoria"));
        EXPECT_EQ(shown.Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(shown.Icon, QMessageBox::Warning);
        TVocabEdit* box = c.OnForeign ? run.Dialog->edtForeign : run.Dialog->edtNative;
        EXPECT_TRUE(box->hasFocus());
        EXPECT_EQ(box->selectedText(), box->text());
    }
}

TEST_F(DialogTest, EditDialogAsksForwardsTheAnswersAndStoresTheCleanedTexts)
{
    Session.Settings.Options.ConfirmNoSort = true;
    Session.Settings.Options.ConfirmNoCategory = true;
    {
        // No answer queued: the question's default button must be No.
        TAddRun run(Session, "maison", "house");
        EXPECT_FALSE(run.Closed());
        EXPECT_EQ(ShownTexts(), QStringList { Q(NoSortQuestion) });
        const auto& shown = MessageBoxHook::Shown().front();
        EXPECT_EQ(shown.Buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(shown.Icon, QMessageBox::Warning);
        EXPECT_TRUE(run.Dialog->edtForeign->hasFocus());
        EXPECT_EQ(run.Dialog->edtForeign->text(), Q("maison"));
    }
    MessageBoxHook::Clear();
    MessageBoxHook::QueueAnswer(QMessageBox::Yes);
    MessageBoxHook::QueueAnswer(QMessageBox::No);
    TAddRun run(Session, "maison", "  the  house ", "");
    EXPECT_FALSE(run.Closed());
    EXPECT_EQ(ShownTexts(), (QStringList { Q(NoSortQuestion), Q(NoCategoryQuestion) }));
    EXPECT_TRUE(run.Dialog->edtCategory->hasFocus());
    EXPECT_EQ(run.Dialog->edtForeign->text(), Q("@maison"));

    // The marked box is not asked about again.
    MessageBoxHook::Clear();
    MessageBoxHook::QueueAnswer(QMessageBox::Yes);
    run.Dialog->btnOKClick();
    EXPECT_EQ(ShownTexts(), QStringList { Q(NoCategoryQuestion) });
    ASSERT_TRUE(run.Closed());
    EXPECT_EQ(run.Data.FieldValues, (TFieldValues { "maison", "", "", "the house" }));
    EXPECT_EQ(run.Data.SortingPosition, 0);

    // The document reaches the duplicate check; the position reaches the record.
    Session.Settings.Options.ConfirmNoCategory = false;
    AddItem("maison", "house");
    MessageBoxHook::Clear();
    EXPECT_FALSE(TAddRun(Session, "@maison", "home").Closed());
    EXPECT_EQ(ShownTexts(), QStringList { Q(DuplicateQuestion) });
    TAddRun marked(Session, "la @maison", "home");
    ASSERT_TRUE(marked.Closed());
    EXPECT_EQ(marked.Data.FieldValues[fiForeign], "la maison");
    EXPECT_EQ(marked.Data.SortingPosition, 3);
}

TEST_F(DialogTest, EditShowsTheMarkerAndUnchangedOKIsCancel)
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
        TItemEditData data;
        data.IsNew = false;
        // Text the cleaning would change: an unchanged dialog must still store nothing.
        data.FieldValues = { c.Foreign, "noun", "", "the  house " };
        data.SortingPosition = c.Position;
        TEditDialog dialog(nullptr, data, Session);
        EXPECT_EQ(dialog.edtForeign->text(), Q(c.Shown));
        EXPECT_EQ(dialog.edtNative->text(), Q("the  house "));
        EXPECT_FALSE(dialog.DataChanged());
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        dialog.btnOKClick();
        EXPECT_EQ(rejected.count(), 1);
        EXPECT_EQ(data.FieldValues[fiNative], "the  house ");
        EXPECT_EQ(data.SortingPosition, c.Position);
    }
}

TEST_F(DialogTest, EditStoresTheChangedTextsWithoutAskingAboutDuplicates)
{
    AddItem("maison", "house");
    TItemEditData data;
    data.IsNew = false;
    data.FieldValues = { "maison", "noun", "", "house" };
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
    EXPECT_TRUE(MessageBoxHook::Shown().empty()); // the cleaned word equals the stored item's
    EXPECT_EQ(data.FieldValues[fiForeign], "maison");
    EXPECT_EQ(data.FieldValues[fiNotes], "f.");
    EXPECT_EQ(data.SortingPosition, 3);
}

TEST_F(DialogTest, EditDialogPreparesCodePagesTagsAndTabOrder)
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
        EXPECT_TRUE(dialog.edtForeign->font().bold());
        EXPECT_TRUE(dialog.edtCategory->font().italic());
        EXPECT_FALSE(dialog.edtNative->font().bold() || dialog.edtNative->font().italic());

        ShowActive(dialog);
        dialog.edtForeign->setFocus();
        QTest::keyClick(dialog.edtForeign, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(),
            skipNotes ? static_cast<QWidget*>(dialog.edtNative) : static_cast<QWidget*>(dialog.edtCategory));
        if (!skipNotes) {
            QTest::keyClick(dialog.edtCategory, Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), dialog.edtNotes);
        }
    }
}

TEST_F(DialogTest, EditDialogKeysAcceptAndCancel)
{
    for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Escape }) {
        SCOPED_TRACE(key);
        TItemEditData data;
        TEditDialog dialog(nullptr, data, Session);
        ShowActive(dialog);
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        QTest::keyClicks(dialog.edtForeign, Q("le chat"));
        dialog.edtNative->setFocus();
        QTest::keyClicks(dialog.edtNative, Q("the cat"));
        QTest::keyClick(dialog.edtNative, key);
        const bool ok = key == Qt::Key_Return;
        EXPECT_EQ(accepted.count(), ok ? 1 : 0);
        EXPECT_EQ(rejected.count(), ok ? 0 : 1);
        EXPECT_EQ(data.FieldValues[fiForeign], ok ? "le chat" : "");
    }
}

// ---- The vocabulary edit box ---------------------------------------------------------------

TEST_F(DialogTest, VocabEditRefusesCharactersItsCodePageCannotHoldAndSaysWhy)
{
    struct TCase {
        int CodePage;
        bool Paste; // else typed
        const char* Input;
        const char* Kept;
        QStringList Refused; // the characters named, one message each
    } cases[] = {
        // 1252 holds "déjà" but not "Ж"; 1251 holds "Ж" but neither "é" nor "à".
        { 1252, false, "d\xC3\xA9j\xC3\xA0 \xD0\x96", "d\xC3\xA9j\xC3\xA0 ", { Q("\xD0\x96") } },
        { 1251, false, "d\xC3\xA9j\xC3\xA0 \xD0\x96", "dj \xD0\x96", { Q("\xC3\xA9"), Q("\xC3\xA0") } },
        { 1252, false, "\xD0\xB4\xD0\xBE\xD0\xBC", "", { Q("\xD0\xB4"), Q("\xD0\xBE"), Q("\xD0\xBC") } },
        // A paste with one unfit character is refused whole.
        { 1252, true, "b\xD0\x96", "", { Q("\xD0\x96") } },
        { 1252, true, "\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9", {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Input);
        TVocabEdit box;
        box.SetCodePage(c.CodePage);
        ShowActive(box);
        QSignalSpy refused(&box, &TVocabEdit::Refused);
        if (c.Paste) {
            QApplication::clipboard()->setText(Q(c.Input));
            box.paste();
        } else {
            TypeText(&box, Q(c.Input));
        }
        EXPECT_EQ(box.text(), Q(c.Kept));
        ASSERT_EQ(refused.count(), c.Refused.size());
        for (qsizetype i = 0; i < c.Refused.size(); ++i)
            EXPECT_EQ(refused[i][0].toString(), TVocabEdit::RefusalText(c.Refused[i], c.CodePage));
        if (!c.Refused.isEmpty()) {
            EXPECT_EQ(QToolTip::text(), TVocabEdit::RefusalText(c.Refused.back(), c.CodePage));
        }
    }
    EXPECT_EQ(TVocabEdit::RefusalText(Q("\xD0\xB4"), 1252),
        Q("\xE2\x80\x9C\xD0\xB4\xE2\x80\x9D cannot be written in this list's Western script."));
}

TEST_F(DialogTest, VocabEditBytesRoundTripAndCodePageChange)
{
    TVocabEdit box;
    box.setText(Q("d\xC3\xA9j\xC3\xA0"));
    EXPECT_EQ(box.Bytes(), "d\xE9j\xE0");
    // 0x81 is undefined in 1252 and must still come back unchanged.
    const std::string bytes = "caf\xE9 \x81\x80";
    box.SetBytes(bytes);
    EXPECT_EQ(box.Bytes(), bytes);
    // Central European holds all of that; it keeps the text.
    box.SetCodePage(1250);
    EXPECT_EQ(box.text(), Q("caf\xC3\xA9 \xC2\x81\xE2\x82\xAC"));
    box.SetBytes("\xFE"); // ţ
    box.SetCodePage(1252); // which Western lacks
    EXPECT_TRUE(box.text().isEmpty());
    box.SetCodePage(1250);
    box.SetBytes("\xE8"); // č in 1250
    EXPECT_EQ(box.text(), Q("\xC4\x8D"));
    box.SetCodePage(1257); // č is in the Baltic code page too
    EXPECT_EQ(box.text(), Q("\xC4\x8D"));
    EXPECT_EQ(box.Bytes(), "\xE8");
}

TEST_F(DialogTest, VocabEditCapsItsTextAtWhatAFileStores)
{
    TVocabEdit box;
    box.setText(QString(70000, QLatin1Char('a')));
    EXPECT_EQ(box.text().size(), 65535);
    box.end(false);
    QSignalSpy refused(&box, &TVocabEdit::Refused);
    QTest::keyClicks(&box, QStringLiteral("b"));
    EXPECT_EQ(box.Bytes().size(), 65535u);
    ASSERT_EQ(refused.count(), 1);
    EXPECT_EQ(refused[0][0].toString(), TVocabEdit::RefusalText(QString(), 1252));
    EXPECT_FALSE(box.text().endsWith(QLatin1Char('b')));
}

// ---- Range checks, digits only, font existence --------------------------------------------------

TEST_F(DialogTest, RangeChecksReportTheBoundsAndSelectTheText)
{
    struct TCase {
        bool Float;
        const char* Text;
        double Min, Max;
        const char* Message; // nullptr when the check passes
    } cases[] = {
        // The texts themselves are read by the model (SharedHelpersTest) and the locale's decimal
        // reader (PrintTest); here the bounds and what a failure shows.
        { false, "0", 1, 999, "Number must be between 1 and 999." },
        { false, " 7 ", 1, 999, nullptr },
        { true, "2.54", 0, 99, nullptr },
        { true, "99", 0, 99, nullptr },
        { true, "99.5", 0, 99, "Number must be between 0 and 99." },
        { true, "-0.1", 0, 99, "Number must be between 0 and 99." },
        { true, "3", 0.5, 2.25, "Number must be between 0.5 and 2.25." },
    };
    QWidget window;
    auto* edit = new QLineEdit(&window);
    auto* other = new QLineEdit(&window);
    ShowActive(window);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        MessageBoxHook::Clear();
        edit->setText(Q(c.Text));
        other->setFocus();
        const bool ok = c.Float ? CheckFloatRange(edit, c.Min, c.Max)
                                : CheckIntRange(edit, static_cast<int>(c.Min), static_cast<int>(c.Max));
        EXPECT_EQ(ok, c.Message == nullptr);
        EXPECT_EQ(ShownTexts(), c.Message ? QStringList { Q(c.Message) } : QStringList {});
        if (c.Message) {
            EXPECT_EQ(MessageBoxHook::Shown().front().Icon, QMessageBox::Warning);
            EXPECT_TRUE(edit->hasFocus());
            EXPECT_EQ(edit->selectedText(), edit->text());
        }
    }
}

TEST_F(DialogTest, DigitsOnly)
{
    QLineEdit edit;
    SetDigitsOnly(&edit);
    edit.setMaxLength(3);
    TypeText(&edit, QStringLiteral("1a-2 ") + QChar(0x0663) + QStringLiteral("34"));
    EXPECT_EQ(edit.text(), Q("123"));
}

// ---- The font dialog ---------------------------------------------------------------------------

TEST(FontFaces, EachFamilyOnceWithoutFoundryAndPictureFontsAndTheFirstCandidateInstalled)
{
    const QStringList families = { Q("Nimbus Sans [UKWN]"), Q("Nimbus Sans [URW ]"), Q("dejavu serif"),
        Q("DejaVu Sans"), Q("Standard Symbols PS"), Q("Nimbus Sans") };
    const QStringList faces
        = FaceNames(families, [](const QString& family) { return !family.contains(Q("Symbol")); });
    EXPECT_EQ(faces, (QStringList { Q("DejaVu Sans"), Q("dejavu serif"), Q("Nimbus Sans") }));
    EXPECT_EQ(ChooseFace(faces, { Q("nimbus sans") }), Q("Nimbus Sans")); // any letter case
    EXPECT_EQ(ChooseFace(faces, { Q("Verdana"), Q("DejaVu Sans [PfEd]") }), Q("DejaVu Sans"));
    EXPECT_EQ(ChooseFace(faces, { Q("Verdana"), Q("Tahoma") }), Q("DejaVu Sans")); // none: the first face
    EXPECT_EQ(ChooseFace({}, { Q("Verdana") }), QString());
}

TEST_F(DialogTest, FontDialogOpensOnAnInstalledFace)
{
    const QString installed = FamilyWithoutFoundry(QFontDatabase::families(QFontDatabase::Latin).value(0));
    // Verdana is missing on most desktops; what the platform draws for it is selected instead.
    for (const QString& name : { installed.toLower(), Q("Verdana"), Q("No Such Face 4711") }) {
        SCOPED_TRACE(name.toStdString());
        TFontSetting font { name.toStdString(), 12 };
        TSelectFontDialog dialog(nullptr, font);
        ASSERT_GE(dialog.cbFontName->currentIndex(), 0);
        const QString face = dialog.cbFontName->currentText();
        EXPECT_TRUE(face.compare(name, Qt::CaseInsensitive) == 0
            || face == FamilyWithoutFoundry(QFontInfo(QFont(name)).family()));
        EXPECT_TRUE(dialog.btnOK->isEnabled());
        EXPECT_EQ(dialog.pnlPreview->text(), face);
        EXPECT_EQ(dialog.pnlPreview->font().pointSize(), 12);

        QStringList shown;
        for (int i = 0; i < dialog.cbFontName->count(); ++i) {
            shown.append(dialog.cbFontName->itemText(i));
            EXPECT_FALSE(QFontDatabase::writingSystems(shown.back()).contains(QFontDatabase::Symbol));
        }
        EXPECT_EQ(shown.filter(QStringLiteral("[")), QStringList {});
        EXPECT_EQ(shown.removeDuplicates(), 0);
    }
}

TEST_F(DialogTest, FontDialogOKNeedsASizeInRange)
{
    TFontSetting font { "Verdana", 10 };
    TSelectFontDialog dialog(nullptr, font);
    ShowActive(dialog);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    const int last = dialog.cbFontName->count() - 1;
    dialog.cbFontName->setCurrentIndex(last);

    // Letters and a third digit cannot be typed.
    dialog.cbFontSize->lineEdit()->clear();
    QTest::keyClicks(dialog.cbFontSize->lineEdit(), Q("2x68"));
    EXPECT_EQ(dialog.cbFontSize->currentText(), Q("26"));
    dialog.btnOKClick();
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_EQ(ShownTexts(), QStringList { Q("Number must be between 8 and 24.") });
    EXPECT_TRUE(dialog.cbFontSize->hasFocus());
    EXPECT_EQ(font.Name, "Verdana");
    EXPECT_EQ(font.Size, 10);

    // Leaving the box previews a size in range; 9 is not listed but allowed.
    dialog.cbFontSize->setEditText(QStringLiteral("9"));
    emit dialog.cbFontSize->lineEdit()->editingFinished();
    EXPECT_EQ(dialog.pnlPreview->font().pointSize(), 9);
    dialog.btnOKClick();
    ASSERT_EQ(accepted.count(), 1);
    EXPECT_EQ(QString::fromStdString(font.Name), dialog.cbFontName->itemText(last));
    EXPECT_EQ(font.Size, 9);
}
} // namespace
