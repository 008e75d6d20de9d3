#include "settings/Reminder.h"

#include "core/Errors.h"
#include "core/SafeSave.h"
#include "settings/Settings.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

bool Digits(std::string_view text, std::int32_t& value)
{
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    value = 0;
    for (const char c : text)
        value = value * 10 + (c - '0');
    return true;
}

// Quoted in double quotes when the argument holds any of special (or is empty), with escaped a
// backslash before each character of escaped.
std::string Quoted(std::string_view argument, std::string_view special, std::string_view escaped)
{
    const bool quote = argument.empty() || argument.find_first_of(special) != std::string_view::npos;
    std::string text = quote ? "\"" : "";
    for (const char c : argument) {
        if (quote && escaped.find(c) != std::string_view::npos)
            text += '\\';
        text += c;
    }
    return quote ? text + '"' : text;
}

std::string Replaced(std::string_view text, char c, std::string_view with)
{
    std::string result;
    for (const char t : text)
        if (t == c)
            result += with;
        else
            result += t;
    return result;
}

// Files changed together: each change keeps what was there, so that a failure puts all back. A
// file written through a symbolic link gets its contents back; a link removed comes back a link.
class TFileChanges {
public:
    void Write(const std::string& path, std::string_view contents)
    {
        TOld old { path, Existing(path), std::nullopt };
        std::error_code error;
        fs::create_directories(fs::path(path).parent_path(), error);
        if (error)
            throw EFileError(fs::path(path).parent_path().string(), "Cannot create file", error.value());
        SafeWriteFile(path, contents);
        Old_.push_back(std::move(old));
    }
    void Remove(const std::string& path)
    {
        TOld old { path, std::nullopt, std::nullopt };
        std::error_code ignored;
        if (fs::is_symlink(fs::symlink_status(path, ignored)))
            old.Link = fs::read_symlink(path, ignored);
        else
            old.Contents = Existing(path);
        if (::unlink(path.c_str()) != 0) {
            const int error = errno;
            if (error == ENOENT)
                return;
            throw EFileError(path,
                TSaying(VM_TRANSLATE_NOOP("Velmoria::Model", "Cannot delete file \"%1\". %2."),
                    { path, SystemErrorSaying(error) }));
        }
        Old_.push_back(std::move(old));
    }
    void Undo() noexcept
    {
        for (auto old = Old_.rbegin(); old != Old_.rend(); ++old) {
            std::error_code ignored;
            try {
                if (old->Contents) {
                    SafeWriteFile(old->Path, *old->Contents);
                } else {
                    fs::remove(old->Path, ignored);
                    if (old->Link)
                        fs::create_symlink(*old->Link, old->Path);
                }
            } catch (const std::exception&) {
                // What cannot be put back stays as the failure left it; the failure is told.
            }
        }
    }

private:
    struct TOld {
        std::string Path;
        std::optional<std::string> Contents; // nullopt: there was no file (or a link)
        std::optional<fs::path> Link; // a symbolic link removed
    };
    static std::optional<std::string> Existing(const std::string& path)
    {
        std::error_code error;
        if (!fs::exists(path, error))
            return std::nullopt;
        return ReadWholeFile(path);
    }
    std::vector<TOld> Old_;
};

bool UserManagerRuns(const TSystemctl& systemctl)
{
    std::string errors;
    return systemctl({ "show-environment" }, errors) == 0;
}

void RunOrFail(const TSystemctl& systemctl, const std::vector<std::string>& args)
{
    std::string errors;
    const int status = systemctl(args, errors);
    if (status == 0)
        return;
    std::string command = "systemctl --user";
    for (const std::string& arg : args)
        command += ' ' + arg;
    errors.erase(errors.find_last_not_of(" \n") + 1);
    throw ESaidError(TSaying(VM_TRANSLATE_NOOP("Velmoria::Model", "\"%1\" failed: %2"),
        { command,
            errors.empty()
                ? TSaying(VM_TRANSLATE_NOOP("Velmoria::Model", "exit status %1"), { TSaying::Number(status) })
                : TSaying(errors) }));
}

void ReloadUnits(const TSystemctl& systemctl)
{
    std::string ignored;
    systemctl({ "daemon-reload" }, ignored);
}

} // namespace

std::optional<std::int32_t> ParseReminderTime(std::string_view text)
{
    const std::size_t colon = text.find(':');
    std::int32_t hour = 0;
    std::int32_t minute = 0;
    if (colon == std::string_view::npos || colon > 2 || text.size() != colon + 3
        || !Digits(text.substr(0, colon), hour) || !Digits(text.substr(colon + 1), minute) || hour > 23
        || minute > 59)
        return std::nullopt;
    return hour * 60 + minute;
}

std::string ReminderTimeText(std::int32_t minutes)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60, minutes % 60);
    return text;
}

TReminderFiles ReminderFiles(const std::string& configHome)
{
    const std::string units = configHome + "/systemd/user/";
    return { units + "velmoria-reminder.service", units + ReminderTimerName,
        units + "timers.target.wants/" + ReminderTimerName,
        configHome + "/autostart/velmoria-reminder.desktop" };
}

std::string UnitArgument(std::string_view argument)
{
    // systemd expands "%" specifiers and "$" variables everywhere, also inside quotes.
    return Replaced(Replaced(Quoted(argument, " \t\"'\\;", "\"\\"), '%', "%%"), '$', "$$");
}

std::string DesktopExecArgument(std::string_view argument)
{
    // The quoting of the Exec key first, then the escapes of every string value of the file.
    const std::string quoted = Quoted(argument, " \t\"'\\><~|&;$*?#()`", "\"`$\\");
    return Replaced(Replaced(Replaced(quoted, '\\', "\\\\"), '\t', "\\t"), '%', "%%");
}

std::string ReminderService(const std::string& program)
{
    return "[Unit]\n"
           "Description=Velmoria: reminder of the words due for review\n"
           "\n"
           "[Service]\n"
           "Type=oneshot\n"
           "ExecStart="
        + UnitArgument(program) + " remind\n";
}

std::string ReminderTimer(std::int32_t minutes)
{
    return "[Unit]\n"
           "Description=Velmoria: daily reminder of the words due for review\n"
           "\n"
           "[Timer]\n"
           "OnCalendar=*-*-* "
        + ReminderTimeText(minutes)
        + ":00\n"
          "Persistent=true\n"
          "\n"
          "[Install]\n"
          "WantedBy=timers.target\n";
}

std::string ReminderAutostart(const std::string& program)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Velmoria reminder\n"
           "Comment=Tells of the words due for review, once a day\n"
           "Exec="
        + DesktopExecArgument(program)
        + " remind --once-a-day\n"
          "NoDisplay=true\n"
          "X-GNOME-Autostart-enabled=true\n";
}

int RunSystemctl(const std::vector<std::string>& args, std::string& errors)
{
    std::vector<std::string> words { "systemctl", "--user" };
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    pid_t pid = 0;
    const int started = posix_spawnp(&pid, "systemctl", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (started != 0) {
        ::close(fds[0]);
        return -1;
    }
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n > 0)
            errors.append(buffer, static_cast<std::size_t>(n));
        else if (n == 0 || errno != EINTR)
            break;
    }
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TReminderStep ReminderStep(const TReminderChoice& before, const TReminderChoice& after)
{
    if (!after.On)
        return before.On ? TReminderStep::rsRemove : TReminderStep::rsNone;
    return !before.On || before.Time != after.Time ? TReminderStep::rsInstall : TReminderStep::rsNone;
}

bool ReminderInstalled(const TReminderFiles& files)
{
    std::error_code ignored;
    return fs::exists(files.Timer, ignored) || fs::exists(files.Autostart, ignored);
}

TReminderKind InstallReminder(std::int32_t minutes, const std::string& program, const TReminderFiles& files,
    const TSystemctl& systemctl)
{
    // A unit's line and a desktop entry's line end at a line break; a relative path would be
    // looked for in a folder of the service manager's choosing.
    if (!program.starts_with('/')
        || std::any_of(program.begin(), program.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; }))
        throw ESaidError(TSaying(VM_TRANSLATE_NOOP("Velmoria::Model",
                                     "The reminder cannot start \"%1\": it needs a full path "
                                     "without line breaks."),
            { program }));
    if (::access(program.c_str(), X_OK) != 0)
        throw EFileError(program,
            TSaying(VM_TRANSLATE_NOOP("Velmoria::Model", "The reminder cannot start \"%1\". %2."),
                { program, SystemErrorSaying(errno) }));
    if (minutes < 0 || minutes >= MinutesPerDay)
        throw ESaidError(TSaying(VM_TRANSLATE_NOOP("Velmoria::Model", "Enter a time from 00:00 to 23:59.")));
    const bool timer = UserManagerRuns(systemctl);
    TFileChanges changes;
    try {
        if (timer) {
            changes.Write(files.Service, ReminderService(program));
            changes.Write(files.Timer, ReminderTimer(minutes));
            changes.Remove(files.Autostart);
            RunOrFail(systemctl, { "daemon-reload" });
            RunOrFail(systemctl, { "enable", ReminderTimerName });
            // A timer already running keeps its old time until it is started again.
            RunOrFail(systemctl, { "restart", ReminderTimerName });
        } else {
            changes.Write(files.Autostart, ReminderAutostart(program));
            for (const std::string* path : { &files.TimerLink, &files.Timer, &files.Service })
                changes.Remove(*path);
        }
    } catch (...) {
        changes.Undo();
        if (timer)
            ReloadUnits(systemctl);
        throw;
    }
    return timer ? TReminderKind::rkTimer : TReminderKind::rkAutostart;
}

void RemoveReminder(const TReminderFiles& files, const TSystemctl& systemctl)
{
    std::error_code ignored;
    const bool manager = UserManagerRuns(systemctl);
    if (manager && fs::exists(files.Timer, ignored))
        RunOrFail(systemctl, { "disable", "--now", ReminderTimerName });
    TFileChanges changes;
    try {
        for (const std::string* path : { &files.TimerLink, &files.Timer, &files.Service, &files.Autostart })
            changes.Remove(*path);
    } catch (...) {
        changes.Undo();
        throw;
    }
    if (manager)
        ReloadUnits(systemctl);
}
