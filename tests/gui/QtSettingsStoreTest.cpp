// The settings store on QSettings: where it lives, the kinds of its values, and round trips.

#include "qtsupport/QtSettingsStore.h"

#include "evaluation/Languages.h"
#include "settings/Session.h"
#include "settings/StoredSettings.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <limits>

namespace {

using TBytes = std::vector<std::uint8_t>;

class QtSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QStandardPaths::isTestModeEnabled());
        Reset();
    }
    void TearDown() override { Reset(); }
    static void Reset()
    {
        QSettings settings(QStringLiteral("Brannock"), QStringLiteral("Velmoria"));
        settings.remove(QStringLiteral("2"));
        settings.sync();
    }
};

} // namespace

// In the test location, not the user's, each value lands in group "2" with its kind.
TEST_F(QtSettingsStoreTest, ValuesLandInGroupTwoWithTheirKindsInTheTestLocation)
{
    const TBytes bytes { 0x00, 0xFF, 0x0A, 0x5B, 0x32, 0x5D, 0x00 };
    {
        TQtSettingsStore store;
        const QString fileName = QDir::cleanPath(store.FileName());
        EXPECT_TRUE(fileName.startsWith(
            QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) + u'/'));
        EXPECT_TRUE(fileName.contains(QStringLiteral("/.qttest/"))) << fileName.toStdString();
        store.WriteBinary("Options", bytes);
        store.WriteInteger("DisplaySize", -8);
        store.WriteString("DisplayFont", "Liberation Sans");
        store.Sync();
    }
    QSettings settings(QStringLiteral("Brannock"), QStringLiteral("Velmoria"));
    EXPECT_FALSE(settings.contains(QStringLiteral("Options")));
    const QVariant binary = settings.value(QStringLiteral("2/Options"));
    EXPECT_EQ(binary.typeId(), QMetaType::QByteArray);
    EXPECT_EQ(binary.toByteArray(), QByteArray("\x00\xFF\n[2]\x00", 7));
    EXPECT_EQ(settings.value(QStringLiteral("2/DisplaySize")).toString(), QStringLiteral("-8"));
    const QVariant text = settings.value(QStringLiteral("2/DisplayFont"));
    EXPECT_EQ(text.typeId(), QMetaType::QString);
    EXPECT_EQ(text.toString(), QStringLiteral("Liberation Sans"));
    QFile file(settings.fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("[2]\n") && content.contains("Options=@ByteArray("))
        << content.toStdString();
}

TEST_F(QtSettingsStoreTest, EveryKindRoundTripsExactlyAndOtherKindsReadAsMissing)
{
    TBytes pattern(OptionsSize);
    for (std::size_t i = 0; i < pattern.size(); ++i)
        pattern[i] = static_cast<std::uint8_t>(i * 151 + 7);
    const std::vector<TBytes> binaries { {}, TBytes(16, 0), TBytes(3, 0xFF), pattern };
    const std::vector<std::int32_t> integers { 0, 1, -1, 0x0409, std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max() };
    const std::vector<std::string> strings { "", "/home/u/Wörter ü.vmr", "@ByteArray(AAA)", "@@",
        "@Variant(x)", "a = b ; c \"quoted\" \\ back", "two\nlines", "  spaced  ", "42",
        "\xD0\x96\xD0\xB8\xD0\xB7" };
    {
        TQtSettingsStore store;
        for (std::size_t i = 0; i < binaries.size(); ++i)
            store.WriteBinary("Binary" + std::to_string(i), binaries[i]);
        for (std::size_t i = 0; i < integers.size(); ++i)
            store.WriteInteger("Integer" + std::to_string(i), integers[i]);
        for (std::size_t i = 0; i < strings.size(); ++i)
            store.WriteString("String" + std::to_string(i), strings[i]);
    }
    // A copy of the file is parsed afresh, so this reads what reached the disk.
    TTempDir folder;
    const QString copy = QString::fromStdString(folder.File("copy.conf"));
    ASSERT_TRUE(QFile::copy(TQtSettingsStore().FileName(), copy));
    TQtSettingsStore store(copy);
    for (std::size_t i = 0; i < binaries.size(); ++i)
        EXPECT_EQ(store.ReadBinary("Binary" + std::to_string(i)), binaries[i]) << i;
    for (std::size_t i = 0; i < integers.size(); ++i)
        EXPECT_EQ(store.ReadInteger("Integer" + std::to_string(i)), integers[i]) << i;
    for (std::size_t i = 0; i < strings.size(); ++i)
        EXPECT_EQ(store.ReadString("String" + std::to_string(i)), strings[i]) << i;
    // Missing values and values of another kind read as missing.
    for (const char* name : { "Missing", "Integer1", "String1" })
        EXPECT_FALSE(store.ReadBinary(name)) << name;
    for (const char* name : { "Missing", "Binary3", "String1" })
        EXPECT_FALSE(store.ReadInteger(name)) << name;
    for (const char* name : { "Missing", "Binary3" })
        EXPECT_FALSE(store.ReadString(name)) << name;
}

// Text in the real store is UTF-8: a recent file's name that is not must keep its bytes all the same.
TEST_F(QtSettingsStoreTest, RecentFilesSurviveSaveAndLoadInAnyEncoding)
{
    TSettings settings;
    TWindowState saved, loaded;
    saved.RecentFiles = { "/tmp/b.vmr", "/tmp/ä.vmr", "/tmp/caf\xE9.vmr" };
    {
        TQtSettingsStore store;
        SaveSettings(store, settings, saved);
    }
    TQtSettingsStore store;
    LoadSettings(store, TSettingsEnvironment { "/p/", 0x0409, [](const std::string&) { return true; } },
        settings, loaded);
    EXPECT_EQ(loaded.RecentFiles, saved.RecentFiles);
}

// The command line reads the file without Qt (settings/StoredSettings.h): whatever QSettings escapes
// comes back as the window wrote it.
TEST_F(QtSettingsStoreTest, TheCommandLineReadsTheFileAsTheWindowWroteIt)
{
    const TTempDir dir;
    TSettings settings;
    settings.Reviews = { 85, 7, "" };
    settings.ReminderTime = 7 * 60 + 5;
    settings.SoundFileRight = "@home, \"quoted\"; a=b \\ \t\x01 ";
    settings.DisplayFont.Name = " Verdana\x7F\u00e9";
    TWindowState window;
    window.TestMode = 1;
    window.RecentFiles
        = { "/tmp/a, b.vmr", "/tmp/\u00e4 \"x\".vmr", "/tmp/caf\xE9 ,\x01\x80.vmr", "@x", "0" };
    {
        TQtSettingsStore store(QString::fromStdString(dir.File("v.conf")));
        SaveSettings(store, settings, window);
    }
    TIniSettingsStore ini(ReadBytes(dir.File("v.conf")), "2");
    TSettings read;
    TWindowState readWindow;
    LoadSettings(ini, {}, read, readWindow);
    EXPECT_EQ(std::tuple(readWindow.RecentFiles, readWindow.TestMode, read.Reviews.RetentionPercent,
                  read.Reviews.NewPerDay, read.ReminderTime, read.SoundFileRight, read.DisplayFont.Name,
                  OptionsToBytes(read.Options)),
        std::tuple(window.RecentFiles, 1, 85, 7, 7 * 60 + 5, settings.SoundFileRight,
            settings.DisplayFont.Name, OptionsToBytes(settings.Options)));
}

TEST_F(QtSettingsStoreTest, EnvironmentOfThisProgram)
{
    const TSettingsEnvironment environment = QtSettingsEnvironment();
    EXPECT_EQ(environment.ProgramFolder, (QCoreApplication::applicationDirPath() + u'/').toStdString());
    EXPECT_FALSE(FindLanguage(environment.UserDefaultLanguage).Name.empty());

    ASSERT_TRUE(environment.FontExists);
    const QStringList families = QFontDatabase::families(QFontDatabase::Latin);
    ASSERT_FALSE(families.isEmpty());
    const QString family = families.front().section(QStringLiteral(" ["), 0, 0);
    EXPECT_TRUE(environment.FontExists(family.toStdString()));
    EXPECT_TRUE(environment.FontExists(family.toUpper().toStdString()));
    EXPECT_FALSE(environment.FontExists("No Such Family 7f3a"));
    EXPECT_FALSE(environment.FontExists(""));
}
