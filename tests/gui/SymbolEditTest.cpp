// The symbol box and its picker in the edit dialog, and the key filter for accents, character
// shortcuts and stem repetition, all driven by real key and mouse events.

#include "core/GlobalDocument.h"
#include "gui/DialogTestSupport.h"
#include "settings/Settings.h"
#include "ui/CharEntryFilter.h"
#include "ui/EditDlg.h"
#include "ui/SblEdit.h"
#include "ui/SblFrm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {
constexpr LangId French = 0x040C;
constexpr LangId English = 0x0409;
constexpr LangId Russian = 0x0419;

class SymbolEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSettings();
        UseList(French, English);
        qApp->installEventFilter(&Filter_);
    }
    void TearDown() override
    {
        qApp->removeEventFilter(&Filter_);
        Dialog_.reset();
        ReplaceDocument(std::make_unique<TVocabFile>());
        ResetSettings();
    }
    static void UseList(LangId foreign, LangId native)
    {
        auto document = std::make_unique<TVocabFile>();
        document->SetForeignLangID(foreign);
        document->SetNativeLangID(native);
        ReplaceDocument(std::move(document));
    }
    // The Add dialog, active, with the focus in the word/phrase box.
    TSymbolEdit* OpenDialog()
    {
        Dialog_ = std::make_unique<TEditDialog>(nullptr, Data_);
        Accepted_ = std::make_unique<QSignalSpy>(Dialog_.get(), &QDialog::accepted);
        Rejected_ = std::make_unique<QSignalSpy>(Dialog_.get(), &QDialog::rejected);
        ShowActive(*Dialog_);
        Dialog_->edtForeign->setFocus();
        return Dialog_->edtForeign;
    }
    // A right click through the dialog's window, as the platform delivers it.
    void RightClick(TSymbolEdit* box)
    {
        QTest::mouseClick(
            Dialog_->windowHandle(), Qt::RightButton, {}, box->mapTo(Dialog_.get(), QPoint(5, 5)));
    }
    bool DialogClosed() const { return Accepted_->count() + Rejected_->count() > 0; }

    TCharEntryFilter Filter_ { nullptr };
    TItemEditData Data_;
    std::unique_ptr<TEditDialog> Dialog_;
    std::unique_ptr<QSignalSpy> Accepted_, Rejected_;
};

void Press(
    QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}, const QString& text = QString())
{
    QTest::sendKeyEvent(QTest::Click, widget, key, text, modifiers);
}

// ---- The picker ---------------------------------------------------------------------------------

TEST_F(SymbolEditTest, PickerKeysChooseTheCellAndTheBoxKeepsTheFocus)
{
    using K = std::vector<Qt::Key>;
    const struct {
        const char* Name;
        K Keys;
        QString Text; // the box, which starts as "ab" with the caret between the letters
        bool Open;
    } cases[] = {
        { "down twice, right once: cell (1, 1)",
            { Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Return }, Q("a<b"), false },
        { "up from nothing: the last cell", { Qt::Key_Up, Qt::Key_Enter },
            Q("a\xC3\xBF"
              "b"),
            false },
        { "left from the first cell wraps in its row", { Qt::Key_Right, Qt::Key_Left, Qt::Key_Return },
            Q("a:b"), false },
        { "Enter without a selection types nothing", { Qt::Key_Return }, Q("ab"), false },
        { "other keys do not reach the box", { Qt::Key_X, Qt::Key_Backspace, Qt::Key_End }, Q("ab"), true },
        { "Delete still edits the box", { Qt::Key_Down, Qt::Key_Delete }, Q("a"), true },
        { "Escape closes without typing", { Qt::Key_Down, Qt::Key_Escape }, Q("ab"), false },
        { "an undefined byte types nothing",
            { Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return }, Q("ab"), false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TSymbolEdit* box = OpenDialog();
        box->setText(Q("ab"));
        box->setCursorPosition(1);
        RightClick(box);
        ASSERT_NE(box->Picker(), nullptr);
        EXPECT_TRUE(box->hasFocus());
        EXPECT_EQ(QApplication::activeWindow(), Dialog_.get());
        EXPECT_EQ(box->Picker()->SelCol, -1);
        for (Qt::Key key : c.Keys)
            QTest::keyClick(box, key);
        EXPECT_EQ(box->text(), c.Text);
        EXPECT_EQ(box->Picker() != nullptr, c.Open);
        EXPECT_FALSE(DialogClosed());
        EXPECT_TRUE(box->hasFocus());
        box->ClosePicker();
    }
}

TEST_F(SymbolEditTest, PickerShowsTheBoxCharacterSet)
{
    UseList(Russian, English);
    TSymbolEdit* box = OpenDialog();
    box->OpenPicker();
    TSymbolForm* picker = box->Picker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->Symbols[17], '<');
    picker->SelectCell(15, 9);
    EXPECT_EQ(picker->SelectedCharacter(), Q("\xD1\x8F")); // я
    EXPECT_EQ(picker->size(), QSize(16 * picker->CellWidth + 2, 10 * picker->CellHeight + 2));
    EXPECT_GT(picker->CellWidth, 2);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), Q("\xD1\x8F"));
}

TEST_F(SymbolEditTest, PickerFollowsThePointerAndClosesOnAnyClick)
{
    TSymbolEdit* box = OpenDialog();
    RightClick(box);
    TSymbolForm* picker = box->Picker();
    ASSERT_NE(picker, nullptr);
    const QPoint cell11 = picker->CellRect(1, 1).center();
    QTest::mouseMove(picker, cell11);
    EXPECT_EQ(std::pair(picker->SelCol, picker->SelRow), std::pair(1, 1));
    // The picker holds the mouse, so it sees the pointer over the dialog too.
    QTest::mouseMove(Dialog_->windowHandle(), QPoint(2, 2));
    EXPECT_EQ(std::pair(picker->SelCol, picker->SelRow), std::pair(-1, -1));
    // A click elsewhere in the dialog reaches the picker and only closes it.
    QTest::mouseClick(Dialog_->windowHandle(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(box->Picker(), nullptr);
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_FALSE(DialogClosed());

    RightClick(box);
    picker = box->Picker();
    ASSERT_NE(picker, nullptr);
    QTest::mouseClick(picker, Qt::LeftButton, {}, picker->CellRect(1, 1).center());
    EXPECT_EQ(box->text(), Q("<"));
    EXPECT_EQ(box->Picker(), nullptr);
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SymbolEditTest, PickerClosesWhenTheBoxLosesTheFocus)
{
    TSymbolEdit* box = OpenDialog();
    RightClick(box);
    ASSERT_NE(box->Picker(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    Dialog_->edtNative->setFocus();
    EXPECT_EQ(box->Picker(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SymbolEditTest, PickerPlacementOnTheScreen)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        const char* Name;
        bool NearBottom, NearRight;
    } cases[] = { { "middle", false, false }, { "bottom", true, false }, { "right", false, true } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TSymbolEdit* box = OpenDialog();
        const QPoint shift = box->mapToGlobal(QPoint(0, 0)) - Dialog_->pos();
        const int x = c.NearRight ? area.right() - shift.x() - box->width() / 2 : area.left() + 40;
        const int y = c.NearBottom ? area.bottom() - shift.y() - box->height() - 10 : area.top() + 40;
        Dialog_->move(x, y);
        QApplication::processEvents();
        box->OpenPicker();
        const QRect picker = box->Picker()->geometry();
        const QRect global(box->mapToGlobal(QPoint(0, 0)), box->size());
        EXPECT_EQ(picker.top(), c.NearBottom ? global.top() - picker.height() : global.bottom() + 1);
        EXPECT_EQ(picker.left(), c.NearRight ? area.right() + 1 - picker.width() : global.left());
        box->ClosePicker();
    }
}

// ---- Accent composition and character shortcuts -------------------------------------------------

TEST_F(SymbolEditTest, AccentCompositionThroughKeyEvents)
{
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    struct TKey {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        QString Text;
    };
    const struct {
        const char* Name;
        LangId Foreign;
        std::vector<TKey> Keys;
        QString Text;
    } cases[] = {
        { "Ctrl+' then e", French, { { Qt::Key_Apostrophe, ctrl, Q("'") }, { Qt::Key_E, {}, Q("e") } },
            Q("\xC3\xA9") },
        // With Ctrl the layout reports control codes or nothing for some signs; the key names them.
        { "Ctrl+Shift+6 then o", French,
            { { Qt::Key_AsciiCircum, ctrlShift, QString(QChar(0x1E)) }, { Qt::Key_O, {}, Q("o") } },
            Q("\xC3\xB4") },
        { "Ctrl+` then a", French, { { Qt::Key_QuoteLeft, ctrl, QString() }, { Qt::Key_A, {}, Q("a") } },
            Q("\xC3\xA0") },
        { "Ctrl+, then Shift, then C", French,
            { { Qt::Key_Comma, ctrl, Q(",") }, { Qt::Key_Shift, Qt::ShiftModifier, QString() },
                { Qt::Key_C, Qt::ShiftModifier, Q("C") } },
            Q("\xC3\x87") },
        { "Ctrl+& then S", French,
            { { Qt::Key_Ampersand, ctrlShift, Q("&") }, { Qt::Key_S, Qt::ShiftModifier, Q("S") } },
            Q("\xC3\x9F") },
        { "Ctrl+' then x", French, { { Qt::Key_Apostrophe, ctrl, Q("'") }, { Qt::Key_X, {}, Q("x") } },
            Q("x") },
        { "only the next character", French,
            { { Qt::Key_Apostrophe, ctrl, Q("'") }, { Qt::Key_E, {}, Q("e") }, { Qt::Key_E, {}, Q("e") } },
            Q("\xC3\xA9") + Q("e") },
        { "Ctrl+C in between cancels it", French,
            { { Qt::Key_Apostrophe, ctrl, Q("'") }, { Qt::Key_C, ctrl, QString(QChar(3)) },
                { Qt::Key_E, {}, Q("e") } },
            Q("e") },
        // A composed character the list's script lacks is refused like a typed one.
        { "Cyrillic box refuses \xC3\xA9", Russian,
            { { Qt::Key_Apostrophe, ctrl, Q("'") }, { Qt::Key_E, {}, Q("e") } }, QString() },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        UseList(c.Foreign, English);
        TSymbolEdit* box = OpenDialog();
        QSignalSpy refused(box, &TVocabEdit::Refused);
        for (const TKey& key : c.Keys)
            Press(box, key.Key, key.Modifiers, key.Text);
        EXPECT_EQ(box->text(), c.Text);
        EXPECT_EQ(refused.count(), c.Text.isEmpty() ? 1 : 0);
        EXPECT_EQ(Filter_.PendingAccent(), 0);
    }
}

TEST_F(SymbolEditTest, CharacterShortcutsComeBeforeMenuShortcuts)
{
    UseList(Russian, English);
    Options.Shortcuts[0] = 0; // Ctrl+Shift+A unassigned
    Options.Shortcuts[52] = 0xCCE4; // Shift+F2: Cyrillic д
    Options.Shortcuts[53] = 0x00E9; // Shift+F3: Western é
    TSymbolEdit* box = OpenDialog();
    const auto action = [this](QKeySequence keys) {
        auto* item = new QAction(Dialog_.get());
        item->setShortcut(keys);
        Dialog_->addAction(item);
        return std::make_unique<QSignalSpy>(item, &QAction::triggered);
    };
    const auto assignedMenu = action(QKeySequence(Qt::SHIFT | Qt::Key_F2));
    const auto unassignedMenu = action(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    const auto stemMenu = action(QKeySequence(Qt::CTRL | Qt::Key_Space));
    QSignalSpy refused(box, &TVocabEdit::Refused);

    Press(box, Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(box->text(), Q("\xD0\xB4"));
    EXPECT_EQ(assignedMenu->count(), 0);
    Press(box, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(box->text(), Q("\xD0\xB4"));
    EXPECT_EQ(refused.count(), 1);
    Press(box, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(unassignedMenu->count(), 1);
    Press(box, Qt::Key_Space, Qt::ControlModifier, Q(" "));
    EXPECT_EQ(stemMenu->count(), 0);

    // The defaults: Ctrl+Shift+J a middle dot, Ctrl+Alt+J a right quotation mark.
    ResetSettings();
    UseList(French, English);
    box = OpenDialog();
    Press(box, Qt::Key_J, Qt::ControlModifier | Qt::ShiftModifier);
    Press(box, Qt::Key_J, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(box->text(), Q("\xC2\xB7\xE2\x80\x99"));
}

TEST_F(SymbolEditTest, StemRepetitionOnCtrlSpace)
{
    const struct {
        QString Text;
        int Caret;
        QString After;
    } cases[] = {
        { Q("spielen spielte"), -1, Q("spielen spielte spiel") },
        { Q("Haus"), -1, Q("Haus Haus") },
        { Q("a"), -1, Q("a") },
        { Q("Haus "), -1, Q("Haus Haus") },
        { Q("lesen lest | Rest"), 11, Q("lesen lest les| Rest") },
    };
    TSymbolEdit* box = OpenDialog();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text.toStdString());
        box->setText(c.Text);
        box->setCursorPosition(c.Caret < 0 ? static_cast<int>(c.Text.size()) : c.Caret);
        Press(box, Qt::Key_Space, Qt::ControlModifier, Q(" "));
        EXPECT_EQ(box->text(), c.After);
    }
    // Any edit box, not only vocabulary boxes.
    QLineEdit plain(Dialog_.get());
    plain.show();
    plain.setFocus();
    plain.setText(Q("Tisch"));
    Press(&plain, Qt::Key_Space, Qt::ControlModifier, Q(" "));
    EXPECT_EQ(plain.text(), Q("Tisch Tisch"));
}

TEST(SymbolKeyFilterTest, KeysForADisabledMainWindowAreDiscarded)
{
    QWidget window;
    auto* box = new QLineEdit(&window);
    ShowActive(window);
    box->setFocus();
    TCharEntryFilter filter(&window);
    qApp->installEventFilter(&filter);
    window.setEnabled(false);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Apostrophe, Qt::ControlModifier, Q("'"));
    EXPECT_TRUE(QApplication::sendEvent(box, &key));
    EXPECT_EQ(filter.PendingAccent(), 0);
    window.setEnabled(true);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Apostrophe, Qt::ControlModifier);
    EXPECT_EQ(filter.PendingAccent(), 1);
}

// ---- Clipboard ------------------------------------------------------------------------------------

TEST_F(SymbolEditTest, ClipboardThroughUtf16AndTheCodePage)
{
    UseList(Russian, English);
    TSymbolEdit* box = OpenDialog();
    QSignalSpy refused(box, &TVocabEdit::Refused);
    box->setText(Q("\xD0\xB4\xD0\xBE\xD0\xBC")); // дом
    box->selectAll();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), Q("\xD0\xB4\xD0\xBE\xD0\xBC"));

    // Greek cannot be written in a Cyrillic list: the plain paste refuses it whole.
    box->setText(Q("x"));
    QApplication::clipboard()->setText(Q("\xCE\xB4"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), Q("x"));
    EXPECT_EQ(refused.count(), 1);

    // Cyrillic goes in over the selection as one step of the undo history.
    QApplication::clipboard()->setText(Q("\xD0\xBB\xD0\xB5\xD1\x81")); // лес
    box->clear();
    QTest::keyClicks(box, Q("ab"));
    box->setSelection(1, 1);
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(box->text(), Q("a\xD0\xBB\xD0\xB5\xD1\x81"));
    QTest::keyClicks(box, Q("c"));
    box->undo();
    EXPECT_EQ(box->text(), Q("a\xD0\xBB\xD0\xB5\xD1\x81"));
    box->undo();
    EXPECT_EQ(box->text(), Q("ab"));

    // Cut puts the text there and leaves the rest.
    box->setText(Q("\xD0\xB4\xD0\xBE\xD0\xBC"));
    box->setSelection(0, 1);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(box->text(), Q("\xD0\xBE\xD0\xBC"));
    EXPECT_EQ(QApplication::clipboard()->text(), Q("\xD0\xB4"));
}

} // namespace
