// velmoria-testdrive: the program driven from its environment, for the tests that run it as a
// user would and kill it half-way (nothing else reads these variables; it is never installed):
// - VELMORIA_TEST_ANSWERS="Yes,No,...": message boxes are not shown but answered in this order
//   (then with their default button), and the text of each is written to standard error as
//   "message: TEXT".
// - VELMORIA_TEST_INPUT: once the window runs, one step every 100 ms: a character is typed into
//   the focused widget; {Return}, {Tab} and other key names press that key; {#name} gives the
//   focus to the visible widget of that object name; {miFileSave} and other action names run the
//   action; {>FILE} saves a picture of the window. "input done" goes to standard error after the
//   last step.

#include "app/Application.h"
#include "fakes/ScriptedDialogs.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <memory>

namespace {

// A key press and release for the focused widget, else the modal dialog, else the window.
void Press(QMainWindow& window, int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeModalWidget();
    if (!target)
        target = &window;
    for (const QEvent::Type type : { QEvent::KeyPress, QEvent::KeyRelease }) {
        QKeyEvent event(type, key, modifiers, text);
        QApplication::sendEvent(target, &event);
    }
}

QWidget* VisibleWidget(const QString& name)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        QList<QWidget*> named = top->findChildren<QWidget*>(name);
        named.prepend(top);
        for (QWidget* widget : named)
            if (widget->isVisible() && widget->objectName() == name)
                return widget;
    }
    return nullptr;
}

void Step(QMainWindow& window, const QString& step)
{
    if (!step.startsWith(QLatin1Char('{')) || step.size() == 1)
        return Press(window, step.front().toUpper().unicode(), Qt::NoModifier, step);
    const QString name = step.mid(1, step.size() - 2);
    if (name.startsWith(QLatin1Char('>'))) {
        window.grab().save(name.mid(1));
    } else if (name.startsWith(QLatin1Char('#'))) {
        if (QWidget* widget = VisibleWidget(name.mid(1)))
            widget->setFocus(Qt::OtherFocusReason);
    } else if (auto* action = window.findChild<QAction*>(name)) {
        // Queued: a modal dialog it opens runs its own loop, in which the next steps go on.
        QTimer::singleShot(0, action, &QAction::trigger);
    } else if (const QKeySequence sequence = QKeySequence::fromString(name); !sequence.isEmpty()) {
        Press(window, sequence[0].key(), sequence[0].keyboardModifiers(), QString());
    }
}

void StartTestDrive(QMainWindow& window)
{
    if (qEnvironmentVariableIsSet("VELMORIA_TEST_ANSWERS")) {
        ScriptedBoxes().Echo = true;
        UseMessageBoxes(&ScriptedBoxes());
        const std::pair<const char*, QMessageBox::StandardButton> buttons[]
            = { { "Yes", QMessageBox::Yes }, { "No", QMessageBox::No }, { "Ok", QMessageBox::Ok },
                  { "Cancel", QMessageBox::Cancel }, { "Discard", QMessageBox::Discard } };
        for (const QByteArray& answer : qgetenv("VELMORIA_TEST_ANSWERS").split(','))
            for (const auto& [name, button] : buttons)
                if (answer.trimmed() == name)
                    ScriptedBoxes().QueueAnswer(button);
    }
    // Steps: "{name}" or one character.
    auto steps = std::make_shared<QStringList>();
    static const QRegularExpression step(
        QStringLiteral("\\{[^}]*\\}|."), QRegularExpression::DotMatchesEverythingOption);
    for (const auto& match : step.globalMatch(qEnvironmentVariable("VELMORIA_TEST_INPUT")))
        steps->push_back(match.captured());
    if (steps->isEmpty())
        return;
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

} // namespace

int main(int argc, char** argv)
{
    return RunProgram(argc, argv, [](TMainForm& form) { StartTestDrive(form); });
}
