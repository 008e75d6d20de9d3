// Light and dark windows: the desktop's preference from a fake settings portal on a private
// session bus, the Options choice over it, and every text measured on the grabbed pixels.

#include "qtsupport/ColourTheme.h"

#include "gui/TestPanelFixture.h"
#include "qtsupport/SvgIcon.h"
#include "support/RunningProgram.h"
#include "support/ScopedEnv.h"
#include "ui/OptionsDialog.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <map>
#include <sys/stat.h>

namespace {

using namespace std::chrono_literals;
const QString PortalBus = QStringLiteral("velmoria-test-portal");

// The least contrast of text to its background in a widget's part (0: no text). A column's background
// is the commonest colour of the seven around it; per run on one background, the contrast three
// pixels reach counts from 1.5:1 (less is a frame's shade or another background's edge).
double TextContrast(QWidget* root, QWidget* widget, const QRect& part)
{
    const QImage image = root->grab().toImage();
    const QRect area(widget->mapTo(root, part.topLeft()), part.size());
    const auto backAt = [&](int x) {
        std::map<QRgb, int> counts;
        for (int c = std::max(area.left(), x - 3); c <= std::min(area.right(), x + 3); ++c)
            for (int y = area.top(); y <= area.bottom(); ++y)
                ++counts[image.pixel(c, y)];
        return std::ranges::max_element(counts, {}, &std::pair<const QRgb, int>::second)->first;
    };
    double least = 21;
    bool any = false;
    std::optional<QRgb> back;
    std::map<QRgb, int> text;
    const auto endSegment = [&] {
        std::multimap<double, int, std::greater<>> contrasts;
        for (const auto& [colour, count] : text)
            contrasts.emplace(ContrastRatio(ToColour(QColor(colour)), ToColour(QColor(*back))), count);
        int pixels = 0;
        for (auto it = contrasts.begin(); it != contrasts.end() && pixels < 3; ++it)
            if ((pixels += it->second) >= 3 && it->first >= 1.5)
                least = std::min(least, it->first), any = true;
        text.clear();
    };
    for (int x = area.left(); x <= area.right(); ++x) {
        if (back && *back != backAt(x))
            endSegment();
        back = backAt(x);
        for (int y = area.top(); y <= area.bottom(); ++y)
            text[image.pixel(x, y)] += image.pixel(x, y) == *back ? 0 : 1;
    }
    endSegment();
    return any ? least : 0;
}

using ColourThemeTest = TestPanelTest;

} // namespace

TEST_F(ColourThemeTest, TheDesktopsPreferenceAndTheChoiceSetThePaletteAndEveryTextReads)
{
    const std::string session
        = QStandardPaths::findExecutable(QStringLiteral("dbus-run-session")).toStdString();
    if (session.empty()
        || std::system("/usr/bin/python3 -c 'from gi.repository import Gio' 2>/dev/null") != 0)
        GTEST_SKIP() << "no dbus-run-session or GIO for Python (packages dbus-bin, python3-gi)";
    TRunningProgram portal({ "/usr/bin/timeout", "-k", "2", "15", session, "--",
        VELMORIA_SOURCE_DIR "/tests/gui/fake-portal.py", "2" });
    ASSERT_TRUE(portal.WaitForOutput("ready ", 5s)) << portal.Output();
    const std::size_t at = portal.Output().find("ready ") + 6;
    ASSERT_TRUE(portal.WaitForOutput("\n", 2s, at));
    const std::string address = portal.Output().substr(at, portal.Output().find('\n', at) - at);
    TColourTheme& theme = AppColourTheme();
    theme.UseBus(QDBusConnection::connectToBus(QString::fromStdString(address), PortalBus));
    const struct TRestore {
        ~TRestore()
        {
            QDBusConnection::disconnectFromBus(PortalBus);
            AppColourTheme().UseBus(QDBusConnection(PortalBus));
            AppColourTheme().Apply(TThemeChoice::System);
        }
    } restore;
    // Too faint as they are: silver on white, maroon on dark.
    Options().ColourWrong = 0x000080;
    Options().ColourLearnt = 0xC0C0C0;
    OpenAnimals(
        { { "der Hund", 4, "", "dog" }, { "die Katze", 4, "", "cat" }, { "das Haus", 4, "", "house" } });
    Doc().ItemList()[1]->PenaltyPoints = -1;
    Doc().RecountLearnt();
    const struct {
        const char* Name;
        TThemeChoice Choice;
        std::optional<std::uint32_t> Desktop; // then announced by the portal
        bool Dark;
    } cases[] = { // "no preference": System reads the dark it missed, then hears of no preference
        { "the desktop prefers light", TThemeChoice::System, std::nullopt, false },
        { "it turns dark while running", TThemeChoice::System, 1, true },
        { "light chosen over it", TThemeChoice::Light, std::nullopt, false },
        { "no preference", TThemeChoice::System, 0, false },
        { "dark chosen", TThemeChoice::Dark, std::nullopt, true }
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        OnDialog<TOptionsDialog>([&c](TOptionsDialog& options) {
            options.cbColourTheme->setCurrentIndex(static_cast<int>(c.Choice));
            options.btnOK->click();
        });
        Form->Command("miViewOptions")->trigger(); // applied at once
        if (c.Desktop) {
            portal.Write(std::to_string(*c.Desktop) + "\n");
            ASSERT_TRUE(QTest::qWaitFor([&] { return theme.DesktopScheme() == c.Desktop; }, 3000));
        }
        QApplication::processEvents(); // the widgets are told of a new palette by a posted event
        EXPECT_EQ(PaletteIsDark(Form->Grid()->palette()), c.Dark);
        TVocabGrid* grid = Form->Grid();
        grid->selectRow(0);
        for (int row = 0; row < 3; ++row) // the selected and the learnt too
            EXPECT_GE(TextContrast(
                          grid->viewport(), grid->viewport(), grid->visualRect(grid->model()->index(row, 0))),
                MinTextContrast)
                << row;

        // A near miss: the verdict, the marks under the typed answer, the expected answer.
        Key(Qt::Key_T, Qt::ControlModifier);
        std::string nearMiss = Expected();
        nearMiss.back() = 'x';
        Type(nearMiss.c_str());
        Key(Qt::Key_Return);
        Panel->btnToggleAnswer->click();
        EXPECT_GE(
            TextContrast(Panel, Panel->pnlTestStatus, Panel->pnlTestStatus->contentsRect()), MinTextContrast);
        EXPECT_GE(TextContrast(Panel, Panel->lblMarks, Panel->lblMarks->rect()), MinTextContrast);
        Panel->btnToggleAnswer->click();
        EXPECT_GE(TextContrast(Panel, Panel->edtResponse, Panel->edtResponse->rect().adjusted(4, 4, -4, -4)),
            MinTextContrast);
        Key(Qt::Key_Escape);
    }

    // The program started on this bus, where an older portal (Read only) prefers dark, comes up dark.
    theme.Apply(TThemeChoice::System);
    portal.Write("old\n1\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return theme.DesktopScheme() == 1u; }, 3000));
    const std::string picture = Dir.File("window.png"), runtime = Dir.File("runtime");
    ::mkdir(runtime.c_str(), 0700);
    const TScopedEnv env[] = { { "DBUS_SESSION_BUS_ADDRESS", address }, { "HOME", Dir.Path().string() },
        { "XDG_CONFIG_HOME", Dir.File("config") }, { "XDG_DATA_HOME", Dir.File("data") },
        { "XDG_CACHE_HOME", Dir.File("cache") }, { "XDG_RUNTIME_DIR", runtime },
        { "SPEECHD_ADDRESS", "unix_socket:" + runtime + "/none" },
        { "VELMORIA_TEST_INPUT", "{>" + picture + "}{miFileExit}" } };
    TRunningProgram program({ VELMORIA_PROGRAM, VELMORIA_SOURCE_DIR "/examples/German-English.vmr" });
    ASSERT_EQ(program.Wait(10s), 0) << program.Output();
    // Most of the window is the list's background: its average is dark.
    const QImage window = QImage(QString::fromStdString(picture))
                              .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_TRUE(!window.isNull() && IsDarkColour(ToColour(window.pixelColor(0, 0))));
    portal.CloseInput();
    EXPECT_EQ(portal.Wait(5s), 0);
}

// The tool bar's icons drawn at build time are what drawing them now gives, pixel for pixel, in
// either ink; other sizes and files fall back to drawing.
TEST(DrawnIcons, EqualTheirSvgDrawnNowAndOnlyForTheBarsSizes)
{
    const QStringList icons = QDir(QStringLiteral(":/icons")).entryList({ QStringLiteral("*.svg") });
    ASSERT_GE(icons.size(), 20);
    for (const QString& icon : icons)
        for (const int size : { 20, 40 })
            for (const bool dark : { false, true }) {
                const QString file = QStringLiteral(":/icons/") + icon;
                SCOPED_TRACE((file + QStringLiteral(" %1 %2").arg(size).arg(dark)).toStdString());
                const QPixmap drawn = DrawnAtBuild(file, QSize(size, size), dark);
                ASSERT_FALSE(drawn.isNull());
                EXPECT_EQ(drawn.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                    RenderSvgIcon(file, QSize(size, size), dark));
            }
    EXPECT_NE(DrawnAtBuild(QStringLiteral(":/icons/new.svg"), QSize(20, 20), false).toImage(),
        DrawnAtBuild(QStringLiteral(":/icons/new.svg"), QSize(20, 20), true).toImage());
    for (const auto& [file, size] : { std::pair { QStringLiteral(":/icons/new.svg"), QSize(16, 16) },
             { QStringLiteral(":/icons/new.svg"), QSize(20, 40) },
             { QStringLiteral(VELMORIA_SOURCE_DIR "/src/ui/icons/new.svg"), QSize(20, 20) },
             { QStringLiteral(":/icons/nothing.svg"), QSize(20, 20) } })
        EXPECT_TRUE(DrawnAtBuild(file, size, false).isNull()) << file.toStdString();
}
