// The symbol box and its picker in the edit dialog, and the key filter for accents, character
// shortcuts and stem repetition, all driven by real key and mouse events.

#include "ui/SymbolEdit.h"

#include "core/DocumentBuilders.h"
#include "gui/DialogTestSupport.h"
#include "settings/Settings.h"
#include "ui/CharEntryFilter.h"
#include "ui/EditDialog.h"
#include "ui/SymbolPicker.h"

namespace {

class SymbolEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseList(Session, French, English);
        qApp->installEventFilter(&Filter_);
    }
    void TearDown() override
    {
        qApp->removeEventFilter(&Filter_);
        Dialog_.reset();
    }
    // The Add dialog, active, with the focus in the word/phrase box.
    TSymbolEdit* OpenDialog()
    {
        Dialog_ = std::make_unique<TEditDialog>(nullptr, Data_, Session);
        Finished_ = std::make_unique<QSignalSpy>(Dialog_.get(), &QDialog::finished);
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

    TSession Session;
    TCharEntryFilter Filter_ { Session.Settings.Options, nullptr };
    TItemEditData Data_;
    std::unique_ptr<TEditDialog> Dialog_;
    std::unique_ptr<QSignalSpy> Finished_;
};

void Press(
    QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}, const QString& text = QString())
{
    QTest::sendKeyEvent(QTest::Click, widget, key, text, modifiers);
}

TEST_F(SymbolEditTest, PickerKeysChooseTheCellAndTheBoxKeepsTheFocus)
{
    using K = std::vector<Qt::Key>;
    const struct {
        K Keys;
        QString Text; // the box starts as "ab" with the caret between the letters
        bool Open;
    } cases[] = {
        { { Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Return }, Q("a<b"), false },
        { { Qt::Key_Up, Qt::Key_Enter }, Q("a\xC3\xBF") + Q("b"), false },
        { { Qt::Key_Return }, Q("ab"), false },
        { { Qt::Key_X, Qt::Key_Backspace, Qt::Key_End }, Q("ab"), true },
        { { Qt::Key_Down, Qt::Key_Delete }, Q("a"), true },
        { { Qt::Key_Down, Qt::Key_Escape }, Q("ab"), false },
        // 0x81, an undefined cell, gives nothing.
        { { Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return }, Q("ab"), false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text.toStdString());
        TSymbolEdit* box = OpenDialog();
        box->setText(Q("ab"));
        box->setCursorPosition(1);
        RightClick(box);
        ASSERT_NE(box->Picker(), nullptr);
        EXPECT_EQ(QApplication::activeWindow(), Dialog_.get());
        for (Qt::Key key : c.Keys)
            QTest::keyClick(box, key);
        EXPECT_EQ(box->text(), c.Text);
        EXPECT_EQ(box->Picker() != nullptr, c.Open);
        EXPECT_EQ(Finished_->count(), 0) << "Enter and Esc stay with the picker";
        EXPECT_TRUE(box->hasFocus());
        box->ClosePicker();
    }
}

TEST_F(SymbolEditTest, AccentCompositionThroughKeyEvents)
{
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    struct TKey {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        QString Text;
    };
    const TKey apostrophe { Qt::Key_Apostrophe, ctrl, Q("'") };
    const TKey e { Qt::Key_E, {}, Q("e") };
    const struct {
        LangId Foreign;
        std::vector<TKey> Keys;
        QString Text;
    } cases[] = {
        { French, { apostrophe, e, e }, Q("\xC3\xA9") + Q("e") },
        // With Ctrl, X11 gives control codes or nothing for some signs; the key names them.
        { French, { { Qt::Key_AsciiCircum, ctrlShift, QString(QChar(0x1E)) }, { Qt::Key_O, {}, Q("o") } },
            Q("\xC3\xB4") },
        { French, { { Qt::Key_QuoteLeft, ctrl, QString() }, { Qt::Key_A, {}, Q("a") } }, Q("\xC3\xA0") },
        { French,
            { { Qt::Key_Ampersand, ctrlShift, Q("&") }, { Qt::Key_Shift, Qt::ShiftModifier, QString() },
                { Qt::Key_S, Qt::ShiftModifier, Q("S") } },
            Q("\xC3\x9F") },
        // A composed character the list's script lacks is refused like a typed one.
        { Russian, { apostrophe, e }, QString() },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text.toStdString());
        UseList(Session, c.Foreign, English);
        TSymbolEdit* box = OpenDialog();
        QSignalSpy refused(box, &TVocabEdit::Refused);
        for (const TKey& key : c.Keys)
            Press(box, key.Key, key.Modifiers, key.Text);
        EXPECT_EQ(box->text(), c.Text);
        EXPECT_EQ(refused.count(), c.Text.isEmpty() ? 1 : 0);
    }
}

TEST_F(SymbolEditTest, CharacterShortcutsStemsClipboardAndPickerMouseInACyrillicList)
{
    UseList(Session, Russian, English);
    Session.Settings.Options.Shortcuts[0] = 0; // Ctrl+Shift+A unassigned
    Session.Settings.Options.Shortcuts[52] = 0xCCE4; // Shift+F2: Cyrillic д
    Session.Settings.Options.Shortcuts[53] = 0x00E9; // Shift+F3: Western é
    TSymbolEdit* box = OpenDialog();
    const auto menu = [this](QKeySequence keys) {
        auto* item = new QAction(Dialog_.get());
        item->setShortcut(keys);
        Dialog_->addAction(item);
        return std::make_unique<QSignalSpy>(item, &QAction::triggered);
    };
    const auto assigned = menu(QKeySequence(Qt::SHIFT | Qt::Key_F2));
    const auto unassigned = menu(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    const auto stem = menu(QKeySequence(Qt::CTRL | Qt::Key_Space));
    QSignalSpy refused(box, &TVocabEdit::Refused);
    Press(box, Qt::Key_F2, Qt::ShiftModifier);
    Press(box, Qt::Key_F3, Qt::ShiftModifier);
    Press(box, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    Press(box, Qt::Key_Space, Qt::ControlModifier, Q(" "));
    EXPECT_EQ(box->text(), Q("\xD0\xB4"));
    EXPECT_EQ(refused.count(), 1);
    EXPECT_EQ(assigned->count(), 0);
    EXPECT_EQ(unassigned->count(), 1);
    EXPECT_EQ(stem->count(), 0);

    // Stems before the caret, in any edit box; the rule itself is the model's (CharEntryTest).
    auto* plain = new QLineEdit(Dialog_.get());
    plain->show();
    const std::tuple<QString, int, QString> stems[]
        = { { Q("a"), 1, Q("a") }, { Q("lesen lest | Rest"), 11, Q("lesen lest les| Rest") } };
    for (QLineEdit* edit : { static_cast<QLineEdit*>(box), plain }) {
        edit->setFocus();
        for (const auto& [text, caret, after] : stems) {
            edit->setText(text);
            edit->setCursorPosition(caret);
            Press(edit, Qt::Key_Space, Qt::ControlModifier, Q(" "));
            EXPECT_EQ(edit->text(), after);
        }
    }
    delete plain;

    // The clipboard: Cyrillic cut as Unicode; Greek refused whole; a paste over the selection is one undo
    // step.
    box->setFocus();
    box->setText(Q("\xD0\xB4\xD0\xBE\xD0\xBC")); // дом
    box->setSelection(0, 1);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), Q("\xD0\xB4"));
    box->deselect();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), Q("\xD0\xB4")) << "nothing selected, nothing copied";
    QApplication::clipboard()->setText(Q("\xCE\xB4"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), Q("\xD0\xBE\xD0\xBC"));
    EXPECT_EQ(refused.count(), 2);
    QApplication::clipboard()->setText(Q("\xD0\xBB\xD0\xB5\xD1\x81")); // лес
    box->clear();
    QTest::keyClicks(box, Q("ab"));
    box->setSelection(1, 1);
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClicks(box, Q("c"));
    EXPECT_EQ(box->text(), Q("a\xD0\xBB\xD0\xB5\xD1\x81") + Q("c"));
    box->undo();
    box->undo();
    EXPECT_EQ(box->text(), Q("ab"));

    // The picker by the mouse; it closes when the focus goes.
    box->clear();
    RightClick(box);
    TSymbolForm* picker = box->Picker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    QTest::mouseMove(picker, picker->CellRect(9, 8).center());
    EXPECT_EQ(picker->SelectedCharacter(), Q("\xD0\xB9")); // й
    // The picker holds the mouse: it sees the pointer and the click over the dialog too.
    QTest::mouseMove(Dialog_->windowHandle(), QPoint(2, 2));
    EXPECT_EQ(std::pair(picker->SelCol, picker->SelRow), std::pair(-1, -1));
    QTest::mouseClick(Dialog_->windowHandle(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(box->Picker(), nullptr);
    EXPECT_TRUE(box->text().isEmpty());

    RightClick(box);
    picker = box->Picker();
    QTest::mouseClick(picker, Qt::LeftButton, {}, picker->CellRect(1, 1).center());
    EXPECT_EQ(box->text(), Q("<"));
    EXPECT_EQ(box->Picker(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    RightClick(box);
    Dialog_->edtNative->setFocus();
    EXPECT_EQ(box->Picker(), nullptr);
    EXPECT_EQ(Finished_->count(), 0);

    // Near the bottom right of the screen: above the box, against the work area's right edge.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint shift = box->mapToGlobal(QPoint(0, 0)) - Dialog_->pos();
    Dialog_->move(
        area.right() - shift.x() - box->width() / 2, area.bottom() - shift.y() - box->height() - 10);
    box->OpenPicker();
    const QRect placed = box->Picker()->geometry();
    EXPECT_EQ(placed.bottom() + 1, box->mapToGlobal(QPoint(0, 0)).y());
    EXPECT_EQ(placed.right(), area.right());
    box->ClosePicker();

    // The defaults: Ctrl+Shift+J a middle dot, Ctrl+Alt+J a right quotation mark.
    Session.Settings = TSettings {};
    UseList(Session, French, English);
    box = OpenDialog();
    Press(box, Qt::Key_J, Qt::ControlModifier | Qt::ShiftModifier);
    Press(box, Qt::Key_J, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(box->text(), Q("\xC2\xB7\xE2\x80\x99"));
}

TEST(SymbolKeyFilterTest, KeysForADisabledMainWindowAreDiscarded)
{
    QWidget window;
    auto* box = new QLineEdit(&window);
    ShowActive(window);
    box->setFocus();
    const TOptions options;
    TCharEntryFilter filter(options, &window);
    qApp->installEventFilter(&filter);
    window.setEnabled(false);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Apostrophe, Qt::ControlModifier, Q("'"));
    EXPECT_TRUE(QApplication::sendEvent(box, &key));
    EXPECT_EQ(filter.PendingAccent(), 0);
    window.setEnabled(true);
    EXPECT_TRUE(QApplication::sendEvent(box, &key));
    EXPECT_EQ(filter.PendingAccent(), 1);
}

} // namespace
