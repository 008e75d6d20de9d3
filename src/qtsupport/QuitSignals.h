#pragma once
// SIGTERM, SIGHUP (the session ends) and SIGINT turned into an event of the event loop. The
// handler does only what a handler may: it writes the signal's number to a pipe, whose reading
// end a socket notifier watches, so the answer runs as any other event does.

#include <QObject>
#include <functional>

class QSocketNotifier;

class TQuitSignals : public QObject {
public:
    // One at a time (a second one leaves the signals alone). The answer gets the signal's number.
    explicit TQuitSignals(std::function<void(int)> answer, QObject* parent = nullptr);
    // The signals go back to what they did before.
    ~TQuitSignals() override;
    TQuitSignals(const TQuitSignals&) = delete;
    TQuitSignals& operator=(const TQuitSignals&) = delete;

private:
    void Read();

    std::function<void(int)> Answer_;
    QSocketNotifier* Notifier_ = nullptr;
};
