// The item edit dialog, the vocabulary edit box, the font dialog and the range checks of edit boxes.

#include "app/MessageBox.h"
#include "core/GlobalDocument.h"
#include "gui/DialogTestSupport.h"
#include "settings/Settings.h"
#include "ui/EditDlg.h"
#include "ui/FontDlg.h"
#include "ui/ValueChecks.h"
#include "ui/VocabEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {
constexpr LangId French = 0x040C;
constexpr LangId English = 0x0409;
constexpr LangId Russian = 0x0419;

const char* const NoSortQuestion
    = "You have not specified  the sorting position. Sort this item by its initial letter?";
const char* const NoCategoryQuestion = "You have not specified the part of speech. Leave field blank?";
const char* const DuplicateQuestion = "Word or translation already exists. Add anyway?";

QStringList ShownTexts()
{
    QStringList texts;
    for (const auto& shown : MessageBoxHook::Shown())
        texts.append(shown.Text);
    return texts;
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSettings();
        MessageBoxHook::Clear();
        NewDocument(French, English);
    }
    void TearDown() override
    {
        MessageBoxHook::Clear();
        ReplaceDocument(std::make_unique<TVocabFile>());
        ResetSettings();
    }
    static void NewDocument(LangId foreign, LangId native)
    {
        auto document = std::make_unique<TVocabFile>();
        document->SetForeignLangID(foreign);
        document->SetNativeLangID(native);
        ReplaceDocument(std::move(document));
    }
    static void AddItem(const std::string& foreign, const std::string& native)
    {
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValues(foreign, "", "", native);
        Document().AppendItem(std::move(item));
        Document().EndBulkAppend();
    }
};

// The dialog for Add, filled and confirmed once.
struct TAddRun {
    TItemEditData Data;
    std::unique_ptr<TEditDialog> Dialog;
    std::unique_ptr<QSignalSpy> Accepted;

    TAddRun(const char* foreign, const char* native, const char* category = "x")
    {
        Dialog = std::make_unique<TEditDialog>(nullptr, Data);
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

TEST_F(DialogTest, EditDialogReadsTheSortingMarkerFromCleanedText)
{
    struct TCase {
        const char* Typed;
        const char* Stored;
        std::int32_t Position;
    } cases[] = {
        { "la @maison", "la maison", 3 },
        { "@maison", "maison", 0 },
        { "maison@", "maison", 0 },
        { "a@b@c", "ab@c", 1 },
        { "  la   @maison\t", "la maison", 3 }, // collapsed before the marker is counted
        { "la @ maison", "la maison", 3 },
        { "la @", "la", 0 }, // a last marker leaves no blank behind
        { "@ maison", "maison", 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        TAddRun run(c.Typed, "  the  house ");
        ASSERT_TRUE(run.Closed());
        EXPECT_EQ(run.Data.FieldValues[fiForeign], c.Stored);
        EXPECT_EQ(run.Data.FieldValues[fiNative], "the house");
        EXPECT_EQ(run.Data.SortingPosition, c.Position);
        EXPECT_TRUE(MessageBoxHook::Shown().empty());
    }
}

TEST_F(DialogTest, EditDialogRefusesEmptyTextsAndStaysOnTheBox)
{
    struct TCase {
        const char* Foreign;
        const char* Native;
        const char* Message;
        bool OnForeign;
    } cases[] = {
        { "", "house", "Enter a word or phrase.", true },
        { " \t  ", "house", "Enter a word or phrase.", true },
        { "@", "house", "Enter a word or phrase.", true }, // only a marker: no word left to store
        { " @ ", "house", "Enter a word or phrase.", true },
        { "maison", "   ", "Enter a translation.", false },
        { "", "", "Enter a word or phrase.", true }, // the first failing check alone speaks
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Foreign);
        MessageBoxHook::Clear();
        TAddRun run(c.Foreign, c.Native);
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

TEST_F(DialogTest, SortingQuestionNoStaysYesMarksTheBox)
{
    Options.ConfirmNoSort = true;
    {
        // No answer queued: the question's default button must be No.
        TAddRun run("maison", "house");
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
    TAddRun run("maison", "house");
    ASSERT_TRUE(run.Closed());
    EXPECT_EQ(run.Data.FieldValues[fiForeign], "maison");
    EXPECT_EQ(run.Data.SortingPosition, 0);
    EXPECT_EQ(run.Dialog->edtForeign->text(), Q("@maison"));
}

TEST_F(DialogTest, NoToPartOfSpeechAfterYesToSortingDoesNotAskAboutSortingAgain)
{
    Options.ConfirmNoSort = true;
    Options.ConfirmNoCategory = true;
    MessageBoxHook::QueueAnswer(QMessageBox::Yes);
    MessageBoxHook::QueueAnswer(QMessageBox::No);
    TAddRun run("maison", "house", "");
    EXPECT_FALSE(run.Closed());
    EXPECT_EQ(ShownTexts(), (QStringList { Q(NoSortQuestion), Q(NoCategoryQuestion) }));
    EXPECT_TRUE(run.Dialog->edtCategory->hasFocus());
    EXPECT_EQ(run.Dialog->edtForeign->text(), Q("@maison"));

    MessageBoxHook::Clear();
    MessageBoxHook::QueueAnswer(QMessageBox::Yes);
    run.Dialog->btnOKClick();
    EXPECT_EQ(ShownTexts(), QStringList { Q(NoCategoryQuestion) });
    ASSERT_TRUE(run.Closed());
    EXPECT_EQ(run.Data.FieldValues[fiForeign], "maison");
    EXPECT_EQ(run.Data.FieldValues[fiCategory], "");
}

TEST_F(DialogTest, DuplicateQuestionIsExactAndOnlyForAdd)
{
    AddItem("maison", "house");
    struct TCase {
        const char* Foreign;
        const char* Native;
        bool Asked;
    } cases[] = {
        { "maison", "home", true }, // same word/phrase
        { "chez", "house", true }, // same translations
        { "Maison", "House", false }, // case counts
        { "maison x", "house x", false }, { " maison ", "home", true }, // compared after cleaning
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Foreign);
        MessageBoxHook::Clear();
        TAddRun run(c.Foreign, c.Native);
        EXPECT_EQ(ShownTexts(), c.Asked ? QStringList { Q(DuplicateQuestion) } : QStringList {});
        EXPECT_EQ(run.Closed(), !c.Asked); // the default answer is No
        if (c.Asked) {
            EXPECT_TRUE(run.Dialog->edtForeign->hasFocus());
        }
    }

    MessageBoxHook::Clear();
    MessageBoxHook::QueueAnswer(QMessageBox::Yes);
    EXPECT_TRUE(TAddRun("maison", "house").Closed());

    Options.ConfirmDuplicates = false;
    MessageBoxHook::Clear();
    EXPECT_TRUE(TAddRun("maison", "house").Closed());
    EXPECT_TRUE(MessageBoxHook::Shown().empty());
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
        Options.ConfirmNoSort = c.ConfirmNoSort;
        TItemEditData data;
        data.IsNew = false;
        // Text the cleaning would change: an unchanged dialog must still store nothing.
        data.FieldValues = { c.Foreign, "noun", "", "the  house " };
        data.SortingPosition = c.Position;
        TEditDialog dialog(nullptr, data);
        EXPECT_EQ(dialog.windowTitle(), Q("Edit"));
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
    TEditDialog dialog(nullptr, data);
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
    NewDocument(Russian, English);
    for (bool skipNotes : { false, true }) {
        SCOPED_TRACE(skipNotes);
        Options.SkipNotes = skipNotes;
        TItemEditData data;
        TEditDialog dialog(nullptr, data);
        EXPECT_EQ(dialog.windowTitle(), Q("Add"));
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
        TEditDialog dialog(nullptr, data);
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

TEST_F(DialogTest, VocabEditRefusesCharactersItsCodePageCannotHold)
{
    TVocabEdit western;
    TVocabEdit cyrillic;
    cyrillic.SetCodePage(1251);
    for (TVocabEdit* box : { &western, &cyrillic })
        TypeText(box, Q("d\xC3\xA9j\xC3\xA0 \xD0\x96"));
    // 1252 holds "déjà" but not "Ж"; 1251 holds "Ж" but neither "é" nor "à".
    EXPECT_EQ(western.text(), Q("d\xC3\xA9j\xC3\xA0 "));
    EXPECT_EQ(western.Bytes(), "d\xE9j\xE0 ");
    EXPECT_EQ(cyrillic.text(), Q("dj \xD0\x96"));
    EXPECT_EQ(cyrillic.Bytes(), "dj \xC6");

    // A paste with one unfit character is refused whole.
    for (const char* pasted : { "b\xD0\x96"
                                "c",
             "\xC3\xA9t\xC3\xA9" }) {
        QApplication::clipboard()->setText(Q(pasted));
        western.paste();
    }
    EXPECT_EQ(western.text(), Q("d\xC3\xA9j\xC3\xA0 \xC3\xA9t\xC3\xA9"));
}

TEST_F(DialogTest, VocabEditBytesRoundTripAndCodePageChange)
{
    TVocabEdit box;
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
    QTest::keyClicks(&box, QStringLiteral("b"));
    EXPECT_EQ(box.Bytes().size(), 65535u);
    EXPECT_FALSE(box.text().endsWith(QLatin1Char('b')));
}

// ---- Range checks, digits only, font existence --------------------------------------------------

TEST_F(DialogTest, CheckIntRangeReportsTheBoundsAndSelectsTheText)
{
    struct TCase {
        const char* Text;
        int Min, Max;
        bool Ok;
    } cases[] = {
        { "", 1, 999, false },
        { "0", 1, 999, false },
        { "1", 1, 999, true },
        { "999", 1, 999, true },
        { "1000", 1, 999, false },
        { "12a", 1, 999, false },
        { " 7 ", 1, 999, true },
        { "-3", -5, 5, true },
        { "2147483648", 1, 999, false },
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
        EXPECT_EQ(CheckIntRange(edit, c.Min, c.Max), c.Ok);
        if (c.Ok) {
            EXPECT_TRUE(MessageBoxHook::Shown().empty());
            continue;
        }
        ASSERT_EQ(MessageBoxHook::Shown().size(), 1u);
        EXPECT_EQ(MessageBoxHook::Shown().front().Text,
            QStringLiteral("Number must be between %1 and %2.").arg(c.Min).arg(c.Max));
        EXPECT_EQ(MessageBoxHook::Shown().front().Icon, QMessageBox::Warning);
        EXPECT_TRUE(edit->hasFocus());
        EXPECT_EQ(edit->selectedText(), edit->text());
    }
}

TEST_F(DialogTest, CheckFloatRangeTakesPlainDecimalsOnly)
{
    struct TCase {
        const char* Text;
        bool Ok;
    } cases[] = { { "2.54", true }, { "0", true }, { "99", true }, { "99.5", false }, { "-0.1", false },
        { "x", false }, { "", false }, { "nan", false }, { "1e1", false }, { "0x10", false } };
    QLineEdit edit;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        MessageBoxHook::Clear();
        edit.setText(Q(c.Text));
        EXPECT_EQ(CheckFloatRange(&edit, 0, 99), c.Ok);
        EXPECT_EQ(
            ShownTexts(), c.Ok ? QStringList {} : QStringList { Q("Number must be between 0 and 99.") });
    }
    MessageBoxHook::Clear();
    edit.setText(QStringLiteral("3"));
    EXPECT_FALSE(CheckFloatRange(&edit, 0.5, 2.25));
    EXPECT_EQ(ShownTexts(), QStringList { Q("Number must be between 0.5 and 2.25.") });
}

TEST_F(DialogTest, DigitsOnlyAndFontExists)
{
    QLineEdit edit;
    SetDigitsOnly(&edit);
    edit.setMaxLength(3);
    TypeText(&edit, QStringLiteral("1a-2 ") + QChar(0x0663) + QStringLiteral("34"));
    EXPECT_EQ(edit.text(), Q("123"));

    const QStringList families = QFontDatabase::families(QFontDatabase::Latin);
    ASSERT_FALSE(families.isEmpty());
    EXPECT_TRUE(FontExists(families.front()));
    EXPECT_TRUE(FontExists(families.front().toUpper()));
    EXPECT_FALSE(FontExists(QStringLiteral("No Such Face 4711")));
}

// ---- The font dialog ---------------------------------------------------------------------------

TEST_F(DialogTest, FontDialogOKNeedsAFaceAndASizeInRange)
{
    TFontSetting font { "No Such Face 4711", 10 };
    TSelectFontDialog dialog(nullptr, font);
    ShowActive(dialog);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    EXPECT_EQ(dialog.cbFontName->currentIndex(), -1);
    EXPECT_FALSE(dialog.btnOK->isEnabled());

    const int last = dialog.cbFontName->count() - 1;
    dialog.cbFontName->setCurrentIndex(last);
    EXPECT_TRUE(dialog.btnOK->isEnabled());
    EXPECT_EQ(dialog.pnlPreview->text(), dialog.cbFontName->itemText(last));

    // Letters and a third digit cannot be typed.
    dialog.cbFontSize->lineEdit()->clear();
    QTest::keyClicks(dialog.cbFontSize->lineEdit(), Q("2x68"));
    EXPECT_EQ(dialog.cbFontSize->currentText(), Q("26"));
    dialog.btnOKClick();
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_EQ(ShownTexts(), QStringList { Q("Number must be between 8 and 24.") });
    EXPECT_TRUE(dialog.cbFontSize->hasFocus());
    EXPECT_EQ(font.Name, "No Such Face 4711");
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

TEST_F(DialogTest, FontDialogSelectsTheSettingsFaceInAnyCase)
{
    const QString face
        = QFontDatabase::families(QFontDatabase::Latin).filter(QStringLiteral("DejaVu")).value(0);
    if (face.isEmpty() || !QFontDatabase::isScalable(face))
        GTEST_SKIP() << "no scalable DejaVu face installed";
    TFontSetting font { face.toLower().toStdString(), 12 };
    TSelectFontDialog dialog(nullptr, font);
    EXPECT_EQ(dialog.cbFontName->currentText(), face);
    EXPECT_TRUE(dialog.btnOK->isEnabled());
    EXPECT_EQ(dialog.pnlPreview->font().pointSize(), 12);

    TSelectFontDialog cancelled(nullptr, font);
    cancelled.cbFontSize->setEditText(QStringLiteral("20"));
    cancelled.reject();
    EXPECT_EQ(font.Size, 12);
}
} // namespace
