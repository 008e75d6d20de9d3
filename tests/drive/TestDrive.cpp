#include "drive/TestDrive.h"

#include "app/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <memory>

namespace {

QWidget* KeyTarget(QMainWindow& window)
{
    if (QWidget* focus = QApplication::focusWidget())
        return focus;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return &window;
}

void Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

QWidget* VisibleWidget(const QString& name)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        if (top->objectName() == name)
            return top;
        for (QWidget* child : top->findChildren<QWidget*>(name))
            if (child->isVisible())
                return child;
    }
    return nullptr;
}

void Step(QMainWindow& window, const QString& step)
{
    if (!step.startsWith(QLatin1Char('{'))) {
        const QChar c = step.front();
        Press(KeyTarget(window), c.toUpper().unicode(), Qt::NoModifier, step);
        return;
    }
    const QString name = step.mid(1, step.size() - 2);
    if (name.startsWith(QLatin1Char('#'))) {
        if (QWidget* widget = VisibleWidget(name.mid(1)))
            widget->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (auto* action = window.findChild<QAction*>(name)) {
        // Queued: a modal dialog it opens runs its own loop, in which the next steps go on.
        QTimer::singleShot(0, action, &QAction::trigger);
        return;
    }
    const QKeySequence sequence = QKeySequence::fromString(name);
    if (!sequence.isEmpty())
        Press(KeyTarget(window), sequence[0].key(), sequence[0].keyboardModifiers(), QString());
}

QStringList Steps(const QString& input)
{
    QStringList steps;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (input[i] == QLatin1Char('{')) {
            const qsizetype end = input.indexOf(QLatin1Char('}'), i);
            if (end > i) {
                steps.push_back(input.mid(i, end - i + 1));
                i = end;
                continue;
            }
        }
        steps.push_back(QString(input[i]));
    }
    return steps;
}

} // namespace

void StartTestDrive(QMainWindow& window)
{
    const QByteArray answers = qgetenv("VELMORIA_TEST_ANSWERS");
    if (qEnvironmentVariableIsSet("VELMORIA_TEST_ANSWERS")) {
        MessageBoxHook::Enable(true);
        MessageBoxHook::EchoToStandardError(true);
        const struct {
            const char* Name;
            QMessageBox::StandardButton Button;
        } buttons[] = { { "Yes", QMessageBox::Yes }, { "No", QMessageBox::No }, { "Ok", QMessageBox::Ok },
            { "Cancel", QMessageBox::Cancel }, { "Discard", QMessageBox::Discard } };
        for (const QByteArray& answer : answers.split(',')) {
            for (const auto& button : buttons)
                if (answer.trimmed() == button.Name)
                    MessageBoxHook::QueueAnswer(button.Button);
        }
    }
    const QString input = qEnvironmentVariable("VELMORIA_TEST_INPUT");
    if (input.isEmpty())
        return;
    auto steps = std::make_shared<QStringList>(Steps(input));
    auto* timer = new QTimer(&window);
    timer->setInterval(100);
    QObject::connect(timer, &QTimer::timeout, &window, [&window, timer, steps] {
        // A load or save in progress (a long task) shows the wait cursor and excludes user input:
        // a step now would act on the window before it holds the list.
        if (QApplication::overrideCursor())
            return;
        if (steps->isEmpty()) {
            timer->stop();
            std::fprintf(stderr, "input done\n");
            std::fflush(stderr);
            return;
        }
        Step(window, steps->takeFirst());
    });
    timer->start();
}
