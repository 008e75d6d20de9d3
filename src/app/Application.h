#pragma once
// The application object: reports what escapes a command, and holds the process-lifetime lock.

#include <QApplication>
#include <functional>
#include <memory>

class QLockFile;
class TMainForm;

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;
    // The exception report: what escapes an event handler is shown, and the program goes on.
    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::unique_ptr<QLockFile> Lock_;
};

// Runs work once the window has painted its first picture (after that paint, from the event loop):
// for what start-up does that the picture does not show.
void AfterFirstPaint(QWidget& window, std::function<void()> work);

// The named lock "Velmoria", held for the life of the process; a second copy is never blocked.
std::unique_ptr<QLockFile> TakeProcessLock();

// The program: the window over a session of its own, started as the command line says. prepare
// gets the window before it starts (the tests' driven build of the program drives it from there).
int RunProgram(int argc, char** argv, const std::function<void(TMainForm&)>& prepare = {});
