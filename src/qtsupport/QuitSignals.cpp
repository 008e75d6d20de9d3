#include "qtsupport/QuitSignals.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> QuitSignals = { SIGTERM, SIGHUP, SIGINT };
std::array<struct sigaction, QuitSignals.size()> Previous {};
int Pipe[2] = { -1, -1 };

extern "C" void OnQuitSignal(int number)
{
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(number);
    // A full pipe already holds an unread signal: that one is answered.
    [[maybe_unused]] const ssize_t ignored = ::write(Pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

TQuitSignals::TQuitSignals(std::function<void(int)> answer, QObject* parent)
    : QObject(parent)
    , Answer_(std::move(answer))
{
    if (Pipe[0] >= 0 || ::pipe2(Pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    Notifier_ = new QSocketNotifier(Pipe[0], QSocketNotifier::Read, this);
    connect(Notifier_, &QSocketNotifier::activated, this, &TQuitSignals::Read);
    struct sigaction action { };
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < QuitSignals.size(); ++i)
        ::sigaction(QuitSignals[i], &action, &Previous[i]);
}

TQuitSignals::~TQuitSignals()
{
    if (!Notifier_)
        return;
    for (std::size_t i = 0; i < QuitSignals.size(); ++i)
        ::sigaction(QuitSignals[i], &Previous[i], nullptr);
    delete Notifier_;
    ::close(Pipe[0]);
    ::close(Pipe[1]);
    Pipe[0] = Pipe[1] = -1;
}

void TQuitSignals::Read()
{
    unsigned char byte = 0;
    while (::read(Pipe[0], &byte, 1) == 1)
        Answer_(byte);
}
