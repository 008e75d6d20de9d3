#pragma once
// The Test menu's classic test: start and stop, the direction, multiple choice, hints and the
// statistics, and the flow between questions. The panel presents a question; the engine decides.

// Whole: lupdate reads an opaque enum declaration as the start of a scope and loses the class.
#include "testing/TestEngine.h"

#include <QCoreApplication>
#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>

class QEvent;
class TMainForm;
class TSession;
class ISoundPlayer;

class TTestCommands : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TTestCommands)

public:
    explicit TTestCommands(TMainForm& form);
    ~TTestCommands() override;

    // The engine of the test state; it follows the global document when another one is opened.
    TTestEngine& Engine();
    // Drops the engine: outside a test it holds nothing worth keeping.
    void EndEngine();
    // Replaces the answer sounds' player (tests hear nothing).
    void SetSoundPlayer(std::unique_ptr<ISoundPlayer> player);
    ISoundPlayer* SoundPlayer() const { return Sound_.get(); }
    // Replaces the clock that dates the questions (tests set the time).
    void SetClock(std::function<std::int64_t()> clock);

    bool NextQuestion();
    void RefreshQuestion();
    // The direction or mode the engine asked for has been set: the test follows.
    void RunTestAction(TTestAction action);
    void StartTesting();
    void Passive();
    void Active();
    void MultipleChoice();
    void Hint();
    void Statistics();
    // Esc, Ctrl+Tab and the test shortcuts inside the answer fields; true when the key was used.
    bool KeyFilter(QObject* watched, QEvent* event);

private:
    void ContinueTest();
    void EditFromQuestion();

    TMainForm& Form_;
    TSession& Session_;
    std::unique_ptr<TTestEngine> Engine_;
    std::unique_ptr<ISoundPlayer> Sound_;
    std::function<std::int64_t()> Clock_; // empty: the engine's own steady clock
};
