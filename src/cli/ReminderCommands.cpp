#include "cli/ReminderCommands.h"

#include "cli/CliSupport.h"
#include "cli/Notifications.h"
#include "cli/ReviewCommands.h"
#include "core/DisplayText.h"
#include "core/SafeSave.h"
#include "core/UserFolders.h"
#include "settings/Reminder.h"
#include "settings/StoredSettings.h"

#include <filesystem>
#include <ostream>

namespace {

namespace fs = std::filesystem;

// A notice waits this long for its Review action; the service's manager sees the run until then.
constexpr std::chrono::hours NoticeWait { 8 };

fs::path ThisProgram()
{
    return fs::read_symlink("/proc/self/exe");
}

// The window's program beside this one (both are installed in one folder), else the one on the path.
std::string WindowProgram()
{
    std::error_code error;
    const fs::path beside = ThisProgram().parent_path() / "velmoria";
    return fs::exists(beside, error) ? beside.string() : std::string("velmoria");
}

// "German", as the notice names a language: without the region.
std::string ShortLanguageName(LangId id)
{
    const std::string_view name = FindLanguage(id).Name;
    return name.empty() ? HexId(id) : std::string(name.substr(0, name.find(" (")));
}

std::string RemindedStamp()
{
    return XdgFolder("XDG_STATE_HOME", ".local/state") + "/Brannock/Velmoria/reminded";
}

} // namespace

int CmdRemind(const TArguments& args, std::ostream& out, std::ostream& err)
{
    args.ExpectPositional(0, "remind [--once-a-day]");
    const std::string today = FormatDay(Today());
    const bool onceADay = args.Switch("once-a-day");
    if (onceADay) {
        std::error_code error;
        if (fs::is_regular_file(RemindedStamp(), error) && ReadWholeFile(RemindedStamp()) == today) {
            out << "Already reminded today.\n";
            return 0;
        }
    }
    std::vector<TNotice> notices;
    for (const TListDue& list : RecentListsDue(args, err)) {
        const int due = list.Counts.DueToday();
        if (due == 0)
            continue;
        notices.push_back({ std::to_string(due) + (due == 1 ? " word" : " words") + " due in "
                + ShortLanguageName(list.Foreign) + "\u2013" + ShortLanguageName(list.Native),
            DisplayTitle(list.FileName), { WindowProgram(), "--review", list.FileName } });
    }
    if (notices.empty()) {
        out << "Nothing is due.\n";
        return 0;
    }
    for (const TNotice& notice : notices)
        out << notice.Summary << " (" << notice.Review.back() << ")\n";
    out.flush();
    ShowNotices(notices, NoticeWait);
    if (onceADay) {
        fs::create_directories(fs::path(RemindedStamp()).parent_path());
        SafeWriteFile(RemindedStamp(), today);
    }
    return 0;
}

int CmdReminder(const TArguments& args, std::ostream& out, std::ostream& /*err*/)
{
    constexpr const char* Usage = "reminder on [--at HH:MM] | reminder off";
    args.ExpectPositional(1, Usage);
    const TReminderFiles files = ReminderFiles(ConfigHome());
    if (args[0] == "off") {
        RemoveReminder(files, RunSystemctl);
        out << "The reminder is off.\n";
        return 0;
    }
    if (args[0] != "on")
        throw TUsageError(std::string("Usage: velmoria-cli ") + Usage);
    TSettings settings;
    TWindowState window;
    LoadStoredSettings(settings, window);
    std::int32_t minutes = settings.ReminderTime;
    if (const auto at = args.Option("at")) {
        const auto parsed = ParseReminderTime(*at);
        if (!parsed)
            throw TUsageError("--at must be a time of day such as 18:30.");
        minutes = *parsed;
    }
    if (InstallReminder(minutes, ThisProgram().string(), files, RunSystemctl) == TReminderKind::rkTimer)
        out << "The reminder comes at " << ReminderTimeText(minutes) << " every day (systemd user timer).\n";
    else
        out << "The reminder comes at each login, once a day (autostart entry: no systemd user manager).\n";
    return 0;
}
