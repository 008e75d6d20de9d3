#pragma once
// The daily reminder of due words, installed for the user's session: with a systemd user manager a
// timer runs "velmoria-cli remind" at the chosen time each day (and, Persistent, after a day the
// computer was off); without one an autostart entry of the desktop runs "remind --once-a-day" at
// login. Where the files go and what they hold is decided here; the window and the command line
// only forward.

#include "settings/Settings.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* ReminderTimerName = "velmoria-reminder.timer";

// "HH:MM" (or "H:MM") from 00:00 to 23:59, as minutes after midnight; nullopt for anything else.
std::optional<std::int32_t> ParseReminderTime(std::string_view text);
// "08:05".
std::string ReminderTimeText(std::int32_t minutes);

// The reminder's files under the user's configuration folder ($XDG_CONFIG_HOME, ~/.config).
struct TReminderFiles {
    std::string Service; // systemd/user/velmoria-reminder.service
    std::string Timer; // systemd/user/velmoria-reminder.timer
    std::string TimerLink; // systemd/user/timers.target.wants/velmoria-reminder.timer, made by enable
    std::string Autostart; // autostart/velmoria-reminder.desktop
};
TReminderFiles ReminderFiles(const std::string& configHome);

// A command line's argument as a unit's ExecStart and a desktop entry's Exec line take it: quoted
// where it holds a space or a sign either would read, and "%" (and "$") kept from expansion.
std::string UnitArgument(std::string_view argument);
std::string DesktopExecArgument(std::string_view argument);

// The files' contents; program is the absolute path of velmoria-cli.
std::string ReminderService(const std::string& program);
std::string ReminderTimer(std::int32_t minutes);
std::string ReminderAutostart(const std::string& program);

// "systemctl --user ARGS": its exit status (-1 when it could not be started) and, in errors, what it
// wrote on standard error.
using TSystemctl = std::function<int(const std::vector<std::string>& args, std::string& errors)>;
int RunSystemctl(const std::vector<std::string>& args, std::string& errors);

enum class TReminderKind : std::uint8_t { rkTimer, rkAutostart };

// The option as the options dialog shows it: whether the reminder is on, and its time of day.
struct TReminderChoice {
    bool On = false;
    std::int32_t Time = DefaultReminderTime;
};
// What confirming the option from before to after asks for: nothing, installing (again, for a
// new time) or removing.
enum class TReminderStep : std::uint8_t { rsNone, rsInstall, rsRemove };
TReminderStep ReminderStep(const TReminderChoice& before, const TReminderChoice& after);

// Whether a reminder of either kind is installed.
bool ReminderInstalled(const TReminderFiles& files);
// Installs the reminder at minutes after midnight, replacing an earlier one of either kind: a
// timer when the user manager answers, else the autostart entry. A failure raises ESaidError (a
// file error, or what systemctl said) and leaves the files as they were before.
TReminderKind InstallReminder(std::int32_t minutes, const std::string& program, const TReminderFiles& files,
    const TSystemctl& systemctl);
// Stops the timer and removes whatever of the reminder is there; nothing there is no error.
void RemoveReminder(const TReminderFiles& files, const TSystemctl& systemctl);
