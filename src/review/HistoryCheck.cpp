#include "core/SafeSave.h"
#include "review/History.h"
#include "review/HistoryStatements.h"

#include <string>
#include <sys/stat.h>

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

// A stamp that cannot be read is none: the history is checked again.
std::string ReadStamp(const std::string& path)
{
    try {
        return ReadWholeFile(path);
    } catch (const std::exception&) {
        return {};
    }
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
        try {
            if (!ReadOnly())
                SafeWritePrivateFile(stampFile, stamp);
        } catch (const std::exception&) {
            // Only the next check is saved by it.
        }
        return;
    }
    Damaged_ = true;
    ReadOnlyWhy_
        = { VM_TRANSLATE_NOOP("Velmoria::Model",
                "it is damaged (%1), so answers cannot be kept in it. Save what can be read with "
                "\"velmoria-cli history export FILE.csv\", move the damaged file away, and bring the "
                "answers into a new history with \"velmoria-cli history import FILE.csv\""),
              { problem } };
    Notice_ = { VM_TRANSLATE_NOOP("Velmoria::Model", "The review history \"%1\" cannot be used: %2."),
        { Path_, ReadOnlyWhy_ } };
}
