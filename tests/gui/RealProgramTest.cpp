// The built program itself, killed in the middle of a test and of an edit, then started again.

#include "core/RecoveryCopy.h"
#include "core/SafeSave.h"
#include "core/VocabFile.h"
#include "support/TempDir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const std::string Example = std::string(VELMORIA_SOURCE_DIR) + "/examples/German-English.vmr";
const QString Recovered
    = QStringLiteral("message: Velmoria did not close normally. Recover the unsaved changes to list.vmr?");

// One run of the program, ended (killed if need be) when it goes.
class TRun {
public:
    TRun(const QProcessEnvironment& environment, const QStringList& arguments, const QString& input,
        const QString& answers)
    {
        QProcessEnvironment env = environment;
        env.insert(QStringLiteral("VELMORIA_TEST_INPUT"), input);
        env.insert(QStringLiteral("VELMORIA_TEST_ANSWERS"), answers);
        Process.setProcessEnvironment(env);
        Process.start(QStringLiteral(VELMORIA_PROGRAM), arguments);
    }
    ~TRun()
    {
        if (Process.state() != QProcess::NotRunning) {
            Process.kill();
            Process.waitForFinished(5000);
        }
    }
    bool Says(const QString& text, int ms = 15000)
    {
        return QTest::qWaitFor(
            [&] {
                Errors += QString::fromUtf8(Process.readAllStandardError());
                return Errors.contains(text);
            },
            ms);
    }
    // Ends as a normal close does, with status 0.
    bool Ends()
    {
        const bool ended = Process.waitForFinished(15000);
        Errors += QString::fromUtf8(Process.readAllStandardError());
        return ended && Process.exitStatus() == QProcess::NormalExit && Process.exitCode() == 0;
    }
    QProcess Process;
    QString Errors;
};

// The user's folders, all inside the test's own, for the program and its copies.
QProcessEnvironment PrivateEnvironment(const QString& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const std::pair<const char*, const char*> places[] = { { "HOME", "" }, { "XDG_CONFIG_HOME", "/config" },
        { "XDG_DATA_HOME", "/data" }, { "XDG_CACHE_HOME", "/cache" }, { "XDG_RUNTIME_DIR", "/runtime" } };
    for (const auto& [variable, folder] : places) {
        QDir().mkpath(home + QLatin1String(folder));
        ::chmod((home + QLatin1String(folder)).toLocal8Bit().constData(), 0700);
        env.insert(QLatin1String(variable), home + QLatin1String(folder));
    }
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // A speech service of the user's, or one started for the program, is none of these tests' business.
    env.insert(QStringLiteral("SPEECHD_ADDRESS"),
        QStringLiteral("unix_socket:") + home + QStringLiteral("/runtime/none"));
    return env;
}

} // namespace

// Killed, the last recovery copy is offered; ended by a signal, the latest changes are written
// first, as at a normal close but without saving the list.
TEST(RealProgram, KilledOrEndedBySignalItOffersTheChangesAtTheNextStart)
{
    TVocabFile example;
    example.LoadFromFile(Example);
    const std::string exampleBytes = ReadWholeFile(Example);
    const auto added = [&example](const TVocabFile& doc) {
        bool found = false;
        for (const auto& item : doc.ItemList())
            found = found || (item->FieldValue(fiForeign) == "neu" && item->FieldValue(fiNative) == "new");
        return found && doc.Count() == example.Count() + 1;
    };
    const QString add = QStringLiteral("{miEditAdd}{#edtForeign}neu{#edtNative}new{Return}");
    const struct {
        const char* Case;
        QStringList Arguments;
        QString Input;
        int Signal;
        std::function<bool(const TVocabFile&)> Recovered;
    } cases[] = {
        { "killed in a test", { QStringLiteral("/t") }, QStringLiteral("{#edtResponse}falsch{Return}"),
            SIGKILL, [](const TVocabFile& doc) { return doc.Attempts() == 1; } },
        // The second item is half typed when the program dies.
        { "killed in an edit", {}, add + QStringLiteral("{miEditAdd}{#edtForeign}hal"), SIGKILL, added },
        { "SIGTERM", {}, add, SIGTERM, added },
        { "SIGHUP", {}, add, SIGHUP, added },
        { "SIGINT", {}, add, SIGINT, added },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        TTempDir dir;
        const QString home = QString::fromStdString(dir.Path().string());
        const QProcessEnvironment env = PrivateEnvironment(home);
        const QDir recovery(home + QStringLiteral("/data/Brannock/Velmoria/recovery"));
        const std::string list = dir.File("list.vmr");
        std::filesystem::copy_file(Example, list);
        const QString name = QString::fromStdString(list);
        const auto copies
            = [&recovery] { return recovery.entryList({ QStringLiteral("*.recovery") }, QDir::Files); };

        TRun first(env, c.Arguments + QStringList { name }, c.Input, QString());
        ASSERT_TRUE(first.Says(QStringLiteral("input done"))) << first.Errors.toStdString();
        if (c.Signal == SIGKILL) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return !copies().isEmpty(); }, 10000)) << "no recovery copy";
            // A second copy running beside it never takes its recovery copy.
            TRun second(env, { name }, QStringLiteral("{miFileExit}"), QString());
            EXPECT_TRUE(second.Ends()) << second.Errors.toStdString();
            EXPECT_FALSE(second.Errors.contains(Recovered));
        } else {
            ASSERT_TRUE(copies().isEmpty()) << "the signal must come before the copy is due";
        }
        QElapsedTimer clock;
        clock.start();
        ::kill(static_cast<pid_t>(first.Process.processId()), c.Signal);
        ASSERT_TRUE(first.Process.waitForFinished(5000)) << "still running";
        first.Errors += QString::fromUtf8(first.Process.readAllStandardError());
        if (c.Signal != SIGKILL) {
            EXPECT_LT(clock.elapsed(), 4500); // a signal ends it in well under a second on a quiet machine
            EXPECT_EQ(first.Process.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(first.Process.exitCode(), 128 + c.Signal);
            EXPECT_FALSE(first.Errors.contains(QStringLiteral("message:"))) << first.Errors.toStdString();
            EXPECT_EQ(ReadWholeFile(list), exampleBytes) << "nothing saved without asking";
            EXPECT_FALSE(QDir(home + QStringLiteral("/config"))
                             .entryList(QDir::Files | QDir::AllDirs | QDir::NoDotAndDotDot)
                             .isEmpty())
                << "the settings are written as at a normal close";
        }
        ASSERT_EQ(copies().size(), 1);
        TVocabFile kept;
        LoadRecoveryImage(ReadWholeFile(recovery.filePath(copies()[0]).toStdString()), kept);
        EXPECT_TRUE(c.Recovered(kept));

        TRun again(env, { name }, QStringLiteral("{miFileSave}{miFileExit}"), QStringLiteral("Yes"));
        EXPECT_TRUE(again.Ends()) << again.Errors.toStdString();
        EXPECT_TRUE(again.Errors.contains(Recovered)) << again.Errors.toStdString();
        TVocabFile saved;
        saved.LoadFromFile(list);
        EXPECT_TRUE(c.Recovered(saved));
        EXPECT_TRUE(copies().isEmpty()) << "a normal close leaves no copy";
        EXPECT_TRUE(recovery.entryList({ QStringLiteral("*.lock") }, QDir::Files).isEmpty());
    }
}
