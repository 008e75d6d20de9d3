#include "support/FakeSpeechService.h"

#include <cstring>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

TFakeSpeechService::TFakeSpeechService(std::string socketPath, TQuiet quiet)
    : Path_(std::move(socketPath))
    , QuietAt_(std::move(quiet))
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (Path_.size() >= sizeof address.sun_path)
        throw std::runtime_error("socket path too long: " + Path_);
    std::memcpy(address.sun_path, Path_.c_str(), Path_.size() + 1);
    Listen_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (Listen_ < 0 || ::bind(Listen_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::listen(Listen_, 8) != 0 || ::pipe2(StopPipe_, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot serve " + Path_);
    Thread_ = std::thread([this] { Serve(); });
}

TFakeSpeechService::~TFakeSpeechService()
{
    [[maybe_unused]] const ssize_t written = ::write(StopPipe_[1], "x", 1);
    Thread_.join();
    ::close(Listen_);
    ::close(StopPipe_[0]);
    ::close(StopPipe_[1]);
    ::unlink(Path_.c_str());
}

std::vector<std::string> TFakeSpeechService::Commands() const
{
    std::lock_guard lock(Mutex_);
    return Commands_;
}

std::string TFakeSpeechService::Answer(const std::string& line, bool& inData)
{
    if (inData && line != ".")
        return {}; // a line of the text
    {
        std::lock_guard lock(Mutex_);
        Commands_.push_back(inData ? "(text)" : line);
    }
    if (!QuietAt_.Command.empty() && !inData && line.starts_with(QuietAt_.Command)
        && ++Seen_ == QuietAt_.Occurrence)
        Quiet_ = true;
    if (Quiet_)
        return {};
    if (inData) {
        inData = false;
        const std::string id = std::to_string(++Messages_);
        std::string reply = "225-" + id + "\r\n225 OK MESSAGE QUEUED\r\n";
        reply += "701-" + id + "\r\n701-1\r\n701 BEGIN\r\n";
        if (!QuietAt_.NoEnd)
            reply += "702-" + id + "\r\n702-1\r\n702 END\r\n";
        return reply;
    }
    if (line == "SPEAK" || line == "speak") {
        inData = true;
        return "230 OK RECEIVING DATA\r\n";
    }
    if (line == "HISTORY GET CLIENT_ID")
        return "245-1\r\n245 OK CLIENT ID SENT\r\n";
    if (line == "LIST OUTPUT_MODULES")
        return "250-espeak-ng\r\n250 OK MODULE LIST SENT\r\n";
    if (line == "LIST SYNTHESIS_VOICES")
        return "249-German\tde\tnone\r\n249-English (America)\ten-US\tnone\r\n249 OK VOICE LIST SENT\r\n";
    if (line == "QUIT")
        return "231 HAPPY HACKING\r\n";
    return "200 OK\r\n";
}

void TFakeSpeechService::Serve()
{
    struct TClient {
        std::string Input;
        bool InData = false;
    };
    std::map<int, TClient> clients;
    for (;;) {
        std::vector<pollfd> fds = { { StopPipe_[0], POLLIN, 0 }, { Listen_, POLLIN, 0 } };
        for (const auto& [fd, client] : clients)
            fds.push_back({ fd, POLLIN, 0 });
        if (::poll(fds.data(), fds.size(), -1) < 0)
            continue;
        if (fds[0].revents != 0)
            break;
        if (fds[1].revents != 0)
            if (const int fd = ::accept4(Listen_, nullptr, nullptr, SOCK_CLOEXEC); fd >= 0)
                clients[fd] = {};
        for (std::size_t i = 2; i < fds.size(); ++i) {
            if (fds[i].revents == 0)
                continue;
            const int fd = fds[i].fd;
            char buffer[4096];
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got <= 0) {
                ::close(fd);
                clients.erase(fd);
                continue;
            }
            TClient& client = clients[fd];
            client.Input.append(buffer, static_cast<std::size_t>(got));
            for (std::size_t end; (end = client.Input.find("\r\n")) != std::string::npos;) {
                const std::string line = client.Input.substr(0, end);
                client.Input.erase(0, end + 2);
                const std::string reply = Answer(line, client.InData);
                if (!reply.empty()) [[maybe_unused]]
                    const ssize_t sent = ::send(fd, reply.data(), reply.size(), MSG_NOSIGNAL);
            }
        }
    }
    // A hung service never closes: the speech library, still waiting in a call the client gave up,
    // would fail on the closed connection (it reads the missing reply as a string).
    for (const auto& [fd, client] : clients)
        if (!Quiet_)
            ::close(fd);
}
