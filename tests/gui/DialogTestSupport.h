#pragma once
// Showing a dialog for real focus handling, typing text that is not plain ASCII, UTF-8 literals,
// answering dialogs and reading the messages shown; with the widgets and test tools the window
// tests reach.

#include "fakes/ScriptedDialogs.h"
#include "settings/Session.h"
#include "ui/Sound.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

inline void ShowActive(QWidget& widget)
{
    widget.show();
    widget.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
}

// QTest::keyClicks knows only ASCII keys; other characters arrive as key events with their text.
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 128)
            QTest::keyClick(widget, static_cast<char>(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

inline QString Q(const char* text)
{
    return QString::fromUtf8(text);
}

// Answers the next dialogs of one kind as the filler says and counts them; others are cancelled.
template <class TDialog, class TFill> void OnDialog(TFill fill, int* count = nullptr)
{
    ScriptedRunner().Set([fill, count](QDialog& dialog) {
        auto* typed = dynamic_cast<TDialog*>(&dialog);
        if (!typed)
            return int(QDialog::Rejected);
        if (count)
            ++*count;
        fill(*typed);
        return dialog.result();
    });
}

inline const TMessage& LastMessage()
{
    static const TMessage none {};
    return ScriptedBoxes().Shown().empty() ? none : ScriptedBoxes().Shown().back();
}

inline QStringList ShownTexts()
{
    QStringList texts;
    for (const auto& shown : ScriptedBoxes().Shown())
        texts.append(shown.Text);
    return texts;
}

// Writes down the sounds played instead of playing them.
class TRecordingSound : public ISoundPlayer {
public:
    explicit TRecordingSound(std::vector<std::string>& played)
        : Played_(played)
    {
    }
    void Play(const std::string& fileName) override { Played_.push_back(fileName); }

private:
    std::vector<std::string>& Played_;
};

// An empty list in the given languages as the session's document.
inline void UseList(TSession& session, LangId foreign, LangId native)
{
    auto document = std::make_unique<TVocabFile>();
    document->SetForeignLangID(foreign);
    document->SetNativeLangID(native);
    session.ReplaceDocument(std::move(document));
}
