// Light and dark windows: the desktop's preference from a fake settings portal on a private
// session bus, the Options choice over it, and every text measured on the grabbed pixels.

#include "qtsupport/ColourTheme.h"

#include "gui/TestPanelFixture.h"
#include "support/RunningProgram.h"
#include "support/ScopedEnv.h"

#include <QDBusConnection>
#include <QStandardPaths>
#include <algorithm>
#include <map>
#include <optional>
#include <sys/stat.h>

namespace {

using namespace std::chrono_literals;

bool BusToolsThere()
{
    return !QStandardPaths::findExecutable(QStringLiteral("dbus-run-session")).isEmpty();
}

// The portal on a bus of its own, with the values written to it announced as changes.
class TPortal {
public:
    explicit TPortal(const char* scheme)
        : Program_({ "timeout", "-k", "2", "15", "dbus-run-session", "--", VELMORIA_FAKE_PORTAL, scheme })
    {
        if (!Program_.WaitForOutput("ready ", 5s)
            || !Program_.WaitForOutput("\n", 2s, Program_.Output().find("ready ")))
            return;
        const std::string& out = Program_.Output();
        const std::size_t from = out.find("ready ") + 6;
        const QString address = QString::fromStdString(out.substr(from, out.find('\n', from) - from));
        Bus_ = QDBusConnection::connectToBus(address, Name);
    }
    ~TPortal()
    {
        Bus_.reset();
        QDBusConnection::disconnectFromBus(Name);
        Program_.CloseInput();
        Program_.Wait(5s);
    }
    QDBusConnection Bus() const { return Bus_ ? *Bus_ : QDBusConnection(Name); }
    void Change(int scheme) { Program_.Write(std::to_string(scheme) + "\n"); }

private:
    inline static const QString Name = QStringLiteral("velmoria-test-portal");
    TRunningProgram Program_;
    std::optional<QDBusConnection> Bus_;
};

// The least contrast of text to its background in an area of a picture. Each column's commonest
// colour is its background; a run of columns on one background is a segment, and its text is the
// colour of most contrast there that covers at least three pixels (a lone pixel of antialiasing
// is no text). Segments without text are not counted.
struct TContrast {
    double Least = 21;
    int Segments = 0;
};
TContrast TextContrast(const QImage& image, const QRect& area)
{
    TContrast result;
    std::optional<QRgb> back;
    std::map<QRgb, int> text;
    const auto endSegment = [&] {
        double most = 0;
        for (const auto& [colour, count] : text)
            if (count >= 3)
                most = std::max(most, ContrastRatio(ToColour(QColor(colour)), ToColour(QColor(*back))));
        if (most > 0) {
            result.Least = std::min(result.Least, most);
            ++result.Segments;
        }
        text.clear();
    };
    const QRect inside = area & image.rect();
    for (int x = inside.left(); x <= inside.right(); ++x) {
        std::map<QRgb, int> column;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            ++column[image.pixel(x, y) | 0xFF000000];
        const QRgb commonest
            = std::max_element(column.begin(), column.end(), [](const auto& a, const auto& b) {
                  return a.second < b.second;
              })->first;
        if (back && *back != commonest)
            endSegment();
        back = commonest;
        for (const auto& [colour, count] : column)
            if (colour != commonest)
                text[colour] += count;
    }
    if (back)
        endSegment();
    return result;
}

TContrast Worst(TContrast a, TContrast b)
{
    return { std::min(a.Least, b.Least), a.Segments + b.Segments };
}

// The widget as painted, in the window's picture.
TContrast WidgetContrast(const QImage& window, QWidget* root, QWidget* widget, QRect part)
{
    return TextContrast(window, QRect(widget->mapTo(root, part.topLeft()), part.size()));
}

class ColourThemeTest : public TestPanelTest {
protected:
    void TearDown() override
    {
        AppColourTheme().UseBus(QDBusConnection(QStringLiteral("velmoria-no-bus")));
        AppColourTheme().Apply(TThemeChoice::System);
        TestPanelTest::TearDown();
    }
    // What the window shows now, the grid's rows and the test panel's verdict, field and marks.
    TContrast GridContrast()
    {
        TVocabGrid* grid = Form->Grid();
        const QImage picture = grid->viewport()->grab().toImage();
        TContrast worst;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            worst = Worst(worst, TextContrast(picture, grid->visualRect(grid->model()->index(row, 0))));
        return worst;
    }
    void Save(const QImage& picture, const char* name)
    {
        if (const QByteArray folder = qgetenv("VELMORIA_SCREENSHOT_DIR"); !folder.isEmpty())
            picture.save(QString::fromUtf8(folder + "/" + name + ".png"));
    }
};

} // namespace

// The portal's preference at start and its change while running switch the palette; the Options
// choice goes over it; the user's colours that would be too faint are shown readable, in both.
TEST_F(ColourThemeTest, TheDesktopsPreferenceAndTheChoiceSetThePaletteAndEveryTextReads)
{
    if (!BusToolsThere())
        GTEST_SKIP() << "dbus-run-session is not installed (package dbus-bin)";
    TPortal portal("2");
    ASSERT_TRUE(portal.Bus().isConnected());
    TColourTheme& theme = AppColourTheme();
    theme.UseBus(portal.Bus());
    // Too faint as they are: red and silver on white, navy on dark.
    Options().ColourWrong = 0x0000FF;
    Options().ColourRight = 0x800000;
    Options().ColourLearnt = 0xC0C0C0;
    OpenAnimals({ { "der Hund", 4, "", "dog" }, { "die Katze", 4, "", "cat" }, { "das Haus", 4, "", "house" },
        { "der Baum", 4, "", "tree" } });
    Doc().ItemList()[1]->PenaltyPoints = -1;
    Doc().RecountLearnt();

    struct TCase {
        const char* Name;
        std::optional<std::uint32_t> Desktop; // then a new value of the portal's, announced
        TThemeChoice Choice;
        bool Dark;
    };
    const TCase cases[] = {
        { "the desktop prefers light", std::nullopt, TThemeChoice::System, false },
        { "it turns dark while running", 1, TThemeChoice::System, true },
        { "light chosen over it", std::nullopt, TThemeChoice::Light, false },
        // System again reads the portal's dark it did not listen to, then hears of no preference.
        { "no preference: the platform's light", 0, TThemeChoice::System, false },
        { "dark chosen", std::nullopt, TThemeChoice::Dark, true },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        theme.Apply(c.Choice);
        if (c.Desktop) {
            portal.Change(static_cast<int>(*c.Desktop));
            ASSERT_TRUE(QTest::qWaitFor([&] { return theme.DesktopScheme() == c.Desktop; }, 3000));
        }
        EXPECT_EQ(theme.Dark(), c.Dark);
        EXPECT_EQ(PaletteIsDark(Form->Grid()->palette()), c.Dark);

        ASSERT_EQ(Form->WindowMode(), wmEditing);
        Form->Grid()->selectRow(2);
        const TContrast grid = GridContrast();
        EXPECT_GE(grid.Segments, 4) << "every row, the learnt and the selected one too";
        EXPECT_GE(grid.Least, MinTextContrast);
        Save(Form->Grid()->viewport()->grab().toImage(), c.Dark ? "grid-dark" : "grid-light");

        // A near miss: the verdict, the expected answer in the wrong colour and the marks.
        Key(Qt::Key_T, Qt::ControlModifier);
        ASSERT_EQ(Form->WindowMode(), wmTesting);
        std::string nearMiss = Expected();
        nearMiss.back() = 'x';
        Type(nearMiss.c_str());
        Key(Qt::Key_Return);
        ASSERT_EQ(Status(), QStringLiteral("Wrong!"));
        Panel->btnToggleAnswer->click();
        ASSERT_TRUE(Panel->lblMarks->isVisible());
        const QImage picture = Panel->grab().toImage();
        Save(picture, c.Dark ? "test-dark" : "test-light");
        const TContrast verdict
            = WidgetContrast(picture, Panel, Panel->pnlTestStatus, Panel->pnlTestStatus->contentsRect());
        const TContrast marks = WidgetContrast(picture, Panel, Panel->lblMarks, Panel->lblMarks->rect());
        EXPECT_GE(verdict.Least, MinTextContrast);
        EXPECT_GE(marks.Least, MinTextContrast);
        EXPECT_GE(marks.Segments, 4) << "the typed letters, one struck out, one missing, the remark";
        Panel->btnToggleAnswer->click();
        const TContrast expected = WidgetContrast(Panel->grab().toImage(), Panel, Panel->edtResponse,
            Panel->edtResponse->rect().adjusted(4, 4, -4, -4));
        EXPECT_GE(expected.Least, MinTextContrast) << "the expected answer in the wrong colour";
        EXPECT_GT(expected.Segments, 0);
        Key(Qt::Key_Escape);
    }
}

// The program started on a bus whose portal prefers dark comes up dark; an older portal that
// knows only Read is read too.
TEST(ColourThemeProgram, StartsInTheDesktopsPreferredColours)
{
    if (!BusToolsThere())
        GTEST_SKIP() << "dbus-run-session is not installed (package dbus-bin)";
    const std::pair<std::vector<std::string>, bool> cases[]
        = { { { "1" }, true }, { { "1", "old" }, true }, { { "2" }, false } };
    for (const auto& [portal, dark] : cases) {
        SCOPED_TRACE(portal.back());
        TTempDir home;
        for (const char* folder : { "/config", "/data", "/cache", "/runtime" }) {
            std::filesystem::create_directories(home.Path().string() + folder);
            ::chmod((home.Path().string() + folder).c_str(), 0700);
        }
        const std::string picture = home.File("window.png");
        const TScopedEnv env[]
            = { { "HOME", home.Path().string() }, { "XDG_CONFIG_HOME", home.Path().string() + "/config" },
                  { "XDG_DATA_HOME", home.Path().string() + "/data" },
                  { "XDG_CACHE_HOME", home.Path().string() + "/cache" },
                  { "XDG_RUNTIME_DIR", home.Path().string() + "/runtime" },
                  { "SPEECHD_ADDRESS", "unix_socket:" + home.Path().string() + "/runtime/none" },
                  { "VELMORIA_TEST_INPUT", "{>" + picture + "}{miFileExit}" } };
        std::vector<std::string> command { "timeout", "-k", "2", "10", "dbus-run-session", "--",
            VELMORIA_FAKE_PORTAL };
        command.insert(command.end(), portal.begin(), portal.end());
        command.insert(command.end(),
            { VELMORIA_PROGRAM, std::string(VELMORIA_SOURCE_DIR) + "/examples/German-English.vmr" });
        TRunningProgram program(command);
        ASSERT_EQ(program.Wait(12s), 0) << program.Output();
        const QImage window(QString::fromStdString(picture));
        ASSERT_FALSE(window.isNull()) << program.Output();
        // Most of the window is the list's background.
        std::map<QRgb, int> counts;
        for (int y = 0; y < window.height(); ++y)
            for (int x = 0; x < window.width(); ++x)
                ++counts[window.pixel(x, y)];
        const QRgb commonest
            = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                  return a.second < b.second;
              })->first;
        EXPECT_EQ(IsDarkColour(ToColour(QColor(commonest))), dark);
    }
}
