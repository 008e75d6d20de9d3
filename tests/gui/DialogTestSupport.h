#pragma once
// Showing a dialog for real focus handling, typing text that is not plain ASCII, and UTF-8 literals.

#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

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
