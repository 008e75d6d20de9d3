// The main window offscreen with its test panel: keys as a user presses them, a clock a second
// per reading, recorded sounds.

#pragma once

#include "core/DocumentBuilders.h"
#include "evaluation/TextUtils.h"
#include "gui/EditCommandsSupport.h"
#include "qtsupport/HelpRequest.h"
#include "ui/EditDialog.h"
#include "ui/Keyboard.h"
#include "ui/ResultImage.h"
#include "ui/StatisticsDialog.h"
#include "ui/SymbolEdit.h"
#include "ui/TestPanel.h"

#include <QSoundEffect>
#include <QtEndian>

// dog, cat, house: one item with notes.
inline const std::vector<TEntry> Animals = {
    { "der Hund", 4, "pl. Hunde", "dog" },
    { "die Katze", 4, "", "cat" },
    { "das Haus", 4, "", "house" },
};

class TestPanelTest : public TWindowTest {
protected:
    void SetUp() override
    {
        TWindowTest::SetUp();
        Form->Session().Settings.SoundFileRight = "right.wav";
        Form->Session().Settings.SoundFileWrong = "wrong.wav";
        Form->Test().SetSoundPlayer(std::make_unique<TRecordingSound>(Played));
        // Each reading a second later, so keys pressed in a row are as far apart as a user's.
        Form->Test().SetClock([this] { return Now += Tick; });
        Panel = Form->TestPanel();
        Form->show();
        QApplication::setActiveWindow(Form.get());
    }
    void OpenAnimals(const std::vector<TEntry>& entries = Animals, LangId native = English)
    {
        Fill(Doc(), German, native, entries);
        Form->SetWindowMode(wmEditing);
        Idle();
    }
    void Idle() { Form->UpdateCommandState(); }
    static QWidget* Focus() { return QApplication::focusWidget(); }
    // A key as the user presses it: to the focused control, with the idle update after it.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Idle();
        QTest::keyClick(Focus() ? Focus() : Form.get(), key, modifiers);
        Idle();
    }
    void Type(const char* text)
    {
        QTest::keyClicks(Focus(), QString::fromUtf8(text));
        Idle();
    }
    // The expected answer of the question on screen.
    std::string Expected() const
    {
        const TVocabItem& item = Doc().CurrentItem();
        return std::string(
            Form->Test().Engine().TestMode() == 1 ? item.FieldValue(fiForeign) : item.FieldValue(fiNative));
    }
    void AnswerRight()
    {
        Type(Expected().c_str());
        if (Form->Test().Engine().TestNotes()) {
            Panel->edtTestNotes->setFocus();
            Type(std::string(Doc().CurrentItem().FieldValue(fiNotes)).c_str());
        }
        Key(Qt::Key_Return);
    }
    QString Status() const { return Panel->pnlTestStatus->text(); }
    // A colour of the options as the panel shows it: where it reads on the fields.
    QColor Shown(TColour c) const { return ReadableColour(c, Panel->palette().color(QPalette::Base)); }
    QString StatusPanel(int i) const { return Form->StatusPanel(i)->text(); }
    // The next statistics dialog: reset ticks the box and presses OK, otherwise Cancel.
    void OnStatistics(bool reset)
    {
        StatisticsShown = 0;
        OnDialog<TStatisticsDialog>(
            [reset](TStatisticsDialog& statistics) {
                statistics.chbReset->setChecked(reset);
                statistics.btnOK->click();
            },
            &StatisticsShown);
    }
    int RowOf(const TVocabItem& item) const
    {
        for (int i = 0; i < Panel->lbChoice->count(); ++i)
            if (Panel->lbChoice->ItemAt(i) == &item)
                return i;
        return -1;
    }

    // A Return held down: its repeats.
    void HeldReturn()
    {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
        QApplication::sendEvent(Focus(), &repeat);
        Idle();
    }
    // The status line after automatic continuation.
    static QString Passed(const TVocabItem& item)
    {
        return QStringLiteral("Right! %1 \u2013 %2")
            .arg(QString::fromLatin1(item.FieldValue(fiForeign)),
                QString::fromLatin1(item.FieldValue(fiNative)));
    }

    std::vector<std::string> Played; // TearDown ends the window that plays into it
    std::int64_t Now = 0;
    std::int64_t Tick = 1000;
    TTestPanel* Panel = nullptr;
    int StatisticsShown = 0;
};
