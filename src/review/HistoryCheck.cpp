#include "review/History.h"
#include "review/HistoryStatements.h"

#include <array>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr off_t FullCheckBytes = 32 << 20;

// The file's size and time of change: a history that kept them since it passed its check is
// not checked again (a million answers take a second).
std::string StampOf(const std::string& path)
{
    struct stat st { };
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return std::to_string(st.st_size) + ' ' + std::to_string(st.st_mtim.tv_sec) + '.'
        + std::to_string(st.st_mtim.tv_nsec) + '\n';
}

// Never a pipe or a device in its place: those are neither waited on nor written.
int OpenRegular(const std::string& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    struct stat st { };
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::string ReadStamp(const std::string& path)
{
    const int fd = OpenRegular(path, O_RDONLY);
    if (fd < 0)
        return {};
    std::array<char, 128> text {};
    const ssize_t got = ::read(fd, text.data(), text.size());
    ::close(fd);
    return got > 0 ? std::string(text.data(), static_cast<std::size_t>(got)) : std::string();
}

void WriteStamp(const std::string& path, const std::string& stamp)
{
    const int fd = OpenRegular(path, O_WRONLY | O_CREAT | O_TRUNC);
    if (fd < 0)
        return; // only the next check is saved by it
    [[maybe_unused]] const ssize_t written = ::write(fd, stamp.data(), stamp.size());
    ::close(fd);
}

} // namespace

void THistory::Check()
{
    const std::string stampFile = Path_ + ".checked";
    const std::string stamp = StampOf(Path_);
    if (stamp.empty() || ReadStamp(stampFile) == stamp)
        return;
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    std::string problem;
    try {
        // The full check also holds each index to its table; past a few years of answers it takes
        // seconds, so a large history gets the quick one, which reads every page all the same.
        struct stat st { };
        const bool large = ::stat(Path_.c_str(), &st) == 0 && st.st_size > FullCheckBytes;
        TStatement check(Db_, large ? "PRAGMA quick_check(3)" : "PRAGMA integrity_check(3)", fail);
        while (check.Step())
            if (check.Text(0) != "ok" && problem.empty())
                problem = std::string(check.Text(0));
    } catch (const THistoryError& error) {
        if (error.Problem != THistoryProblem::Other)
            throw;
        problem = error.what();
    }
    if (problem.empty()) {
        if (!ReadOnly())
            WriteStamp(stampFile, stamp);
        return;
    }
    Damaged_ = true;
    ReadOnlyWhy_ = "it is damaged (" + problem
        + "), so answers cannot be kept in it. Save what can be read with \"velmoria-cli history export "
          "FILE.csv\", move the damaged file away, and bring the answers into a new history with "
          "\"velmoria-cli history import FILE.csv\"";
    Notice_ = "The review history \"" + Path_ + "\" cannot be used: " + ReadOnlyWhy_ + ".";
}
