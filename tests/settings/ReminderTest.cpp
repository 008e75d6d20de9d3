// The daily reminder: its time, the files it installs and their lines, and installing and
// removing with a scripted systemctl, failures leaving the files as they were.

#include "settings/Reminder.h"

#include "core/Errors.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(Reminder, TimesOfDay)
{
    const std::pair<const char*, std::optional<std::int32_t>> cases[]
        = { { "18:30", 1110 }, { "8:05", 485 }, { "00:00", 0 }, { "23:59", 1439 }, { "24:00", std::nullopt },
              { "12:60", std::nullopt }, { "1230", std::nullopt }, { "12:3", std::nullopt },
              { "123:00", std::nullopt }, { ":30", std::nullopt }, { "+1:00", std::nullopt },
              { " 8:00", std::nullopt }, { "8:00 ", std::nullopt }, { "", std::nullopt } };
    for (const auto& [text, minutes] : cases)
        EXPECT_EQ(ParseReminderTime(text), minutes) << text;
    EXPECT_EQ(ReminderTimeText(485) + ReminderTimeText(1439), "08:0523:59");
}

TEST(Reminder, ArgumentsAsAUnitAndADesktopEntryReadThem)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        { "/usr/bin/velmoria-cli", "/usr/bin/velmoria-cli", "/usr/bin/velmoria-cli" },
        { "/home/a b/cli", "\"/home/a b/cli\"", "\"/home/a b/cli\"" },
        { "/p/100%", "/p/100%%", "/p/100%%" },
        { "/p/$HOME", "/p/$$HOME", "\"/p/\\\\$HOME\"" },
        { "/p/a\"b", "\"/p/a\\\"b\"", "\"/p/a\\\\\"b\"" },
        { "/p/a\\b", "\"/p/a\\\\b\"", "\"/p/a\\\\\\\\b\"" },
        { "/p/it's", "\"/p/it's\"", "\"/p/it's\"" },
        { "/p/a\tb", "\"/p/a\tb\"", "\"/p/a\\tb\"" },
        { "/p/(x)", "/p/(x)", "\"/p/(x)\"" },
    };
    for (const auto& [argument, unit, desktop] : cases) {
        EXPECT_EQ(UnitArgument(argument), unit) << argument;
        EXPECT_EQ(DesktopExecArgument(argument), desktop) << argument;
    }
}

TEST(Reminder, FilesAndTheirLines)
{
    const TReminderFiles files = ReminderFiles("/h/.config");
    EXPECT_EQ(files.Service + " " + files.Timer + " " + files.TimerLink + " " + files.Autostart,
        "/h/.config/systemd/user/velmoria-reminder.service /h/.config/systemd/user/velmoria-reminder.timer "
        "/h/.config/systemd/user/timers.target.wants/velmoria-reminder.timer "
        "/h/.config/autostart/velmoria-reminder.desktop");
    const std::pair<std::string, const char*> cases[] = {
        { ReminderService("/opt/my apps/velmoria-cli"),
            "\nExecStart=\"/opt/my apps/velmoria-cli\" remind\n" },
        { ReminderService("/x"), "\n[Service]\nType=oneshot\n" },
        { ReminderTimer(485), "\n[Timer]\nOnCalendar=*-*-* 08:05:00\nPersistent=true\n" },
        { ReminderTimer(0), "\nOnCalendar=*-*-* 00:00:00\n" },
        { ReminderTimer(485), "\n[Install]\nWantedBy=timers.target\n" },
        { ReminderAutostart("/opt/my apps/cli"), "\nExec=\"/opt/my apps/cli\" remind --once-a-day\n" },
        { ReminderAutostart("/x"), "[Desktop Entry]\nType=Application\n" },
    };
    for (const auto& [contents, line] : cases)
        EXPECT_TRUE(Contains(contents, line)) << contents << "\nlacks\n" << line;
}

TEST(Reminder, StepsOfTheOption)
{
    const std::tuple<TReminderChoice, TReminderChoice, TReminderStep> cases[] = {
        { { false, 60 }, { false, 90 }, TReminderStep::rsNone },
        { { false, 60 }, { true, 60 }, TReminderStep::rsInstall },
        { { true, 60 }, { true, 90 }, TReminderStep::rsInstall },
        { { true, 60 }, { true, 60 }, TReminderStep::rsNone },
        { { true, 60 }, { false, 60 }, TReminderStep::rsRemove },
    };
    for (const auto& [before, after, step] : cases)
        EXPECT_EQ(ReminderStep(before, after), step) << before.On << after.On << after.Time;
}

TEST(Reminder, SystemctlRunsForTheUserAndTellsItsStatusAndErrors)
{
    const TTempDir dir;
    WriteBytes(dir.File("systemctl"),
        "#!/bin/sh\necho \"$@\" >&2\necho out\n[ \"$2\" != die ] || kill -9 $$\n"
        // Standard error closed well before the end: the status is still waited for.
        "[ \"$2\" != enable ] || { exec 2>&-; /bin/sleep 0.2; }\nexit 3\n");
    fs::permissions(dir.File("systemctl"), fs::perms::owner_all);
    const std::tuple<std::string, std::vector<std::string>, int, std::string> cases[] = {
        { dir.Path().string(), { "enable", "a b" }, 3, "--user enable a b\n" },
        { dir.Path().string(), { "die" }, -1, "--user die\n" },
        { dir.File("none"), { "show-environment" }, -1, "" },
    };
    for (const auto& [path, args, status, said] : cases) {
        const TScopedEnv searched("PATH", path);
        std::string errors;
        EXPECT_EQ(RunSystemctl(args, errors), status) << said;
        EXPECT_EQ(errors, said);
    }
}

namespace {

// systemctl as scripted: whether the user manager runs, a command that fails, and the calls made.
struct TScriptedSystemctl {
    bool Manager = true;
    std::string Failing;
    std::vector<std::string> Calls;
    TSystemctl Run()
    {
        return [this](const std::vector<std::string>& args, std::string& errors) {
            std::string call;
            for (const std::string& arg : args)
                call += (call.empty() ? "" : " ") + arg;
            Calls.push_back(call);
            if (call == "show-environment")
                return Manager ? 0 : 1;
            if (call != Failing)
                return 0;
            errors = "Failed to " + call + ".\n";
            return 1;
        };
    }
};

class ReminderInstall : public ::testing::Test {
protected:
    static std::string State(const std::string& path)
    {
        return fs::is_symlink(path) ? "link" : fs::exists(path) ? ReadBytes(path) : "-";
    }
    std::vector<std::string> States() const
    {
        return { State(Files.Service), State(Files.Timer), State(Files.TimerLink), State(Files.Autostart) };
    }
    TTempDir Dir;
    TReminderFiles Files = ReminderFiles(Dir.File("config"));
    TScriptedSystemctl Systemctl;
};

} // namespace

TEST_F(ReminderInstall, ATimerWithAUserManagerElseAnAutostartEntryEachReplacingTheOther)
{
    fs::create_directories(Dir.File("config/autostart"));
    WriteBytes(Files.Autostart, "earlier");
    // A program in a folder with a space, as a user may install it.
    const std::string program = Dir.File("my bin");
    fs::create_symlink("/bin/sh", program);
    EXPECT_EQ(InstallReminder(485, program, Files, Systemctl.Run()), TReminderKind::rkTimer);
    EXPECT_EQ(
        States(), (std::vector<std::string> { ReminderService(program), ReminderTimer(485), "-", "-" }));
    EXPECT_EQ(Systemctl.Calls,
        (std::vector<std::string> { "show-environment", "daemon-reload", "enable velmoria-reminder.timer",
            "restart velmoria-reminder.timer" }));
    EXPECT_TRUE(ReminderInstalled(Files));
    fs::create_directories(Dir.File("config/systemd/user/timers.target.wants"));
    fs::create_symlink(Files.Timer, Files.TimerLink);

    Systemctl = { false, {}, {} };
    EXPECT_EQ(InstallReminder(60, program, Files, Systemctl.Run()), TReminderKind::rkAutostart);
    EXPECT_EQ(States(), (std::vector<std::string> { "-", "-", "-", ReminderAutostart(program) }));
    EXPECT_EQ(Systemctl.Calls, (std::vector<std::string> { "show-environment" }));
    EXPECT_TRUE(ReminderInstalled(Files));
    WriteBytes(Files.Timer, "a timer of another session"); // no manager to stop it: only removed
    RemoveReminder(Files, Systemctl.Run());
    EXPECT_EQ(States(), (std::vector<std::string> { "-", "-", "-", "-" }));
    EXPECT_FALSE(ReminderInstalled(Files));
    RemoveReminder(Files, Systemctl.Run()); // nothing there: nothing to do
    EXPECT_EQ(Systemctl.Calls, std::vector<std::string>(3, "show-environment"));
}

TEST_F(ReminderInstall, RemovingStopsTheTimerAndTakesEveryFile)
{
    InstallReminder(0, "/bin/sh", Files, Systemctl.Run());
    fs::create_directories(Dir.File("config/systemd/user/timers.target.wants"));
    fs::create_symlink(Files.Timer, Files.TimerLink);
    Systemctl.Calls.clear();
    Systemctl.Failing = "disable --now velmoria-reminder.timer";
    const std::vector<std::string> installed = States();
    EXPECT_THROW(RemoveReminder(Files, Systemctl.Run()), ESaidError);
    EXPECT_EQ(States(), installed);
    // The last file cannot go: the link and the files removed before it come back.
    Systemctl.Failing.clear();
    fs::create_directories(Files.Autostart);
    EXPECT_THROW(RemoveReminder(Files, Systemctl.Run()), EFileError);
    fs::remove(Files.Autostart);
    EXPECT_EQ(States(), installed);
    Systemctl.Failing.clear();
    Systemctl.Calls.clear();
    RemoveReminder(Files, Systemctl.Run());
    EXPECT_EQ(States(), (std::vector<std::string> { "-", "-", "-", "-" }));
    EXPECT_EQ(Systemctl.Calls,
        (std::vector<std::string> {
            "show-environment", "disable --now velmoria-reminder.timer", "daemon-reload" }));
}

TEST_F(ReminderInstall, AFailureLeavesTheFilesAsTheyWere)
{
    InstallReminder(485, "/bin/sh", Files, Systemctl.Run());
    const std::vector<std::string> before = States();
    struct TCase {
        const char* Failing;
        std::string Program;
        const char* Says;
        std::int32_t Minutes = 600;
    };
    const TCase cases[] = {
        { "enable velmoria-reminder.timer", "/bin/sh",
            "\"systemctl --user enable velmoria-reminder.timer\" failed: Failed to enable "
            "velmoria-reminder.timer." },
        { "restart velmoria-reminder.timer", "/bin/sh", "Failed to restart velmoria-reminder.timer." },
        { "", "bin/sh", "needs a full path without line breaks." },
        { "", "/bin/s\nh", "needs a full path without line breaks." },
        { "", Dir.File("missing"), "missing\". No such file or directory." },
        { "", "/bin/sh", "Enter a time from 00:00 to 23:59.", -1 },
        { "", "/bin/sh", "Enter a time from 00:00 to 23:59.", 24 * 60 },
    };
    for (const TCase& c : cases) {
        Systemctl.Failing = c.Failing;
        Systemctl.Calls.clear();
        try {
            InstallReminder(c.Minutes, c.Program, Files, Systemctl.Run());
            ADD_FAILURE() << c.Says;
        } catch (const ESaidError& error) {
            EXPECT_TRUE(std::string_view(error.what()).ends_with(c.Says)) << error.what();
        }
        EXPECT_EQ(States(), before) << c.Says;
        EXPECT_EQ(Systemctl.Calls.empty() ? "" : Systemctl.Calls.back(), *c.Failing ? "daemon-reload" : "");
    }
    // A file that cannot be written: the one written before it goes again.
    RemoveReminder(Files, Systemctl.Run());
    fs::create_directories(Files.Timer);
    EXPECT_THROW(InstallReminder(600, "/bin/sh", Files, Systemctl.Run()), EFileError);
    EXPECT_FALSE(fs::exists(Files.Service));
}
