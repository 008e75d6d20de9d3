// The window's languages: Qt's own texts follow the one installed, the options choose the one of
// the next start, and under the tests' pseudo language every text the window shows comes from a
// translation.

#include "qtsupport/Translations.h"

#include "core/DisplayText.h"
#include "core/Errors.h"
#include "exchange/ImportRules.h"
#include "gui/EditCommandsSupport.h"
#include "gui/EveryDialog.h"
#include "qtsupport/ModelText.h"
#include "review/ReviewProgress.h"
#include "review/ReviewQueue.h"
#include "settings/UiLanguage.h"
#include "speech/Speech.h"
#include "ui/AboutDialog.h"
#include "ui/FindDialog.h"
#include "ui/TipsDialog.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLocale>
#include <QRegularExpression>
#include <QTreeWidget>
#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>

namespace {

TEST(WindowLanguage, QtsOwnDialogsAndButtonsSpeakTheInstalledLanguage)
{
    const std::pair<const char*, const char*> cases[] = { { "de", "Abbrechen" }, { "fr", "Annuler" },
        { "es", "Cancelar" }, { "ru", "Отмена" }, { "en", "Cancel" } };
    for (const auto& [language, cancel] : cases) {
        InstallTranslations(language);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), Q(cancel)) << language;
    }
    // A file that cannot be read is refused and leaves ours as it was.
    EXPECT_FALSE(InstallTranslationFile(VELMORIA_SOURCE_DIR "/translations/shipped"));
    EXPECT_EQ(QCoreApplication::translate("Commands", "&File"), Q("&File"));
}

TEST(WindowLanguage, TheOptionsChooseTheLanguageOfTheNextStartOrTheSystems)
{
    const struct {
        const char* Stored;
        const char* Shown;
        int Chosen; // 0 the system's, then UiLanguages() in order
        const char* Written;
    } cases[] = { { "", "The system's", 2, "de" }, { "ru", "Русский", 0, "" },
        { "xx", "The system's", 3, "fr" }, { "fr", "Français", 1, "en" } };
    for (const auto& c : cases) {
        TOptions options;
        std::string right, wrong, language = c.Stored;
        TOptionsTarget target { &options, &right, &wrong };
        target.UiLanguage = &language;
        TOptionsDialog dialog(nullptr, target);
        EXPECT_EQ(dialog.cbUiLanguage->currentText(), Q(c.Shown)) << c.Stored;
        dialog.cbUiLanguage->setCurrentIndex(c.Chosen);
        dialog.btnOK->click();
        EXPECT_EQ(language, c.Written) << c.Stored;
    }
}

// The window says a model's error as the model does in English, and through the translations
// otherwise: file errors by their parts, fixed messages whole.
TEST(WindowLanguage, ErrorsOfTheModelAreSaidAsItSaysThemOrTranslated)
{
    const std::pair<std::shared_ptr<std::exception>, bool> cases[] = {
        { std::make_shared<EFileError>("/d/a b.vmr", "Cannot open file", ENOENT), true },
        { std::make_shared<EFileError>("/d/c.vmr", "Cannot write file", ENOSPC), true },
        { std::make_shared<EFileError>("/d/c.vmr", "Cannot read file", EACCES), true },
        { std::make_shared<EVocabFileError>("Invalid file format."), true },
        { std::make_shared<EFileError>("/d/c.vmr", "\"/d/c.vmr\" is in use."), false }, // not marked
    };
    for (const auto& [error, marked] : cases) {
        EXPECT_EQ(ErrorText(*error).toStdString(), error->what());
        ASSERT_TRUE(InstallTranslationFile(VELMORIA_PSEUDO_QM));
        const QString pseudo = ErrorText(*error);
        InstallTranslations("en");
        EXPECT_EQ(pseudo.startsWith(QStringLiteral("[ÅÇ")), marked) << pseudo.toStdString();
        // Every part is in the translated text too: the name, and the system's reason.
        if (const auto* file = dynamic_cast<const EFileError*>(error.get()); file && file->ErrorNumber()) {
            EXPECT_TRUE(pseudo.contains(QString::fromStdString(file->FileName()))
                && pseudo.contains(QString::fromLocal8Bit(std::strerror(file->ErrorNumber()))))
                << pseudo.toStdString();
        }
    }
}

// The model's sentences: in English as the command line says them, plural forms included; in
// another language from its translations, with the arguments in place and numbers in its locale.
TEST(WindowLanguage, SayingsOfTheModelAreTranslatedWithTheirArgumentsAndCounts)
{
    std::vector<std::pair<TSaying, QString>> cases; // the saying, an argument as the window writes it
    for (const int n : { 0, 1, 2, 5, 21 }) {
        cases.emplace_back(ImportedMessage({ .Added = n, .Skipped = n }), QString::number(n));
        cases.emplace_back(IntervalText(n), QString::number(n));
        cases.emplace_back(LeechHint({ 8, n }), QStringLiteral("8"));
    }
    cases.emplace_back(IntervalText(40), QStringLiteral("1,3"));
    cases.emplace_back(IntRangeMessage(1, 2000), QStringLiteral("2.000"));
    cases.emplace_back(SpeechProblemText(TSpeechProblem::NoVoice, 0x0419), QString());
    // Each marked part, nested ones too, is translated on its own.
    const std::function<qsizetype(const TSaying&)> marked = [&marked](const TSaying& saying) {
        qsizetype count = saying.Kind() == TSaying::TKind::Marked || saying.Kind() == TSaying::TKind::Counted;
        for (const TSaying& part : saying.Args())
            count += marked(part);
        return count;
    };
    const QLocale before;
    for (const auto& [saying, argument] : cases) {
        SCOPED_TRACE(saying.Text());
        InstallTranslations("en");
        QLocale::setDefault(QLocale::c());
        EXPECT_EQ(SayingText(saying).toStdString(), saying.Text());
        ASSERT_TRUE(InstallTranslationFile(VELMORIA_PSEUDO_QM));
        QLocale::setDefault(QLocale(QLocale::German));
        const QString pseudo = SayingText(saying);
        EXPECT_TRUE(pseudo.startsWith(QStringLiteral("[ÅÇ")) && pseudo.contains(argument))
            << pseudo.toStdString();
        EXPECT_EQ(pseudo.count(QStringLiteral("[ÅÇ")), marked(saying)) << pseudo.toStdString();
    }
    QLocale::setDefault(before);
    InstallTranslations("en");
}

// What a window shows that does not come from a translation: each text with letters that lacks
// the pseudo language's mark once the exempt words (user data, names) are taken out.
class TUntranslated {
public:
    explicit TUntranslated(QStringList exempt)
        : Exempt_(std::move(exempt))
    {
    }
    void Check(const QString& where, const QString& text)
    {
        static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
        QString rest = QString(text).remove(tags);
        for (const QString& word : Exempt_)
            rest.remove(word);
        if (!rest.contains(QStringLiteral("[ÅÇ"))
            && std::any_of(rest.begin(), rest.end(), [](QChar c) { return c.isLetter(); }))
            Found.push_back(where + QStringLiteral(": ") + text);
        ++Texts;
    }
    void Action(const QString& where, const QAction* action)
    {
        if (action->isSeparator() || action->objectName().startsWith(QStringLiteral("miFileRecent")))
            return;
        for (const QString& text : { action->text(), action->toolTip(), action->statusTip() })
            Check(where + QLatin1Char('/') + action->objectName(), text);
    }
    void Window(QWidget* window)
    {
        const QString name = QString::fromUtf8(window->metaObject()->className());
        Check(name, window->windowTitle());
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->window() != window)
                continue;
            const QString where = name + QLatin1Char('/') + widget->objectName() + QLatin1Char('(')
                + QString::fromUtf8(widget->metaObject()->className()) + QLatin1Char(')');
            Check(where, widget->toolTip());
            Check(where, widget->statusTip());
            // A button box's standard buttons speak Qt's own translation.
            if (auto* button = qobject_cast<QAbstractButton*>(widget);
                button && !qobject_cast<QDialogButtonBox*>(widget->parentWidget()))
                Check(where, button->text());
            else if (auto* label = qobject_cast<QLabel*>(widget);
                     label && !FreeLists.contains(label->objectName()))
                Check(where, label->text());
            else if (auto* group = qobject_cast<QGroupBox*>(widget))
                Check(where, group->title());
            else if (auto* edit = qobject_cast<QLineEdit*>(widget))
                Check(where, edit->placeholderText());
            else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
                for (int i = 0; i < tabs->count(); ++i)
                    Check(where, tabs->tabText(i));
            } else if (auto* box = qobject_cast<QComboBox*>(widget);
                       box && !FreeLists.contains(box->objectName())) {
                for (int i = 0; i < box->count(); ++i)
                    Check(where, box->itemText(i));
            } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
                for (int i = 0; i < list->count(); ++i)
                    Check(where, list->item(i)->text());
            } else if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
                for (int i = 0; i < tree->columnCount(); ++i)
                    Check(where, tree->headerItem()->text(i));
            } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
                Check(where, menu->title());
                for (const QAction* action : menu->actions())
                    Action(where, action);
            }
        }
        for (const QAction* action : window->actions())
            Action(name, action);
    }

    // Lists of what the system has: fonts, sizes, keys, characters, voices.
    const QStringList FreeLists { QStringLiteral("cbFontName"), QStringLiteral("cbFontSize"),
        QStringLiteral("cbShortcut"), QStringLiteral("cbCharacter"), QStringLiteral("pnlPreview") };
    QStringList Found;
    int Texts = 0;

private:
    QStringList Exempt_;
};

class PseudoLanguageTest : public EditCommandsTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(InstallTranslationFile(VELMORIA_PSEUDO_QM));
        EditCommandsTest::SetUp();
    }
    void TearDown() override
    {
        EditCommandsTest::TearDown();
        InstallTranslations("en");
    }
};

TEST_F(PseudoLanguageTest, EveryTextTheWindowsShowComesFromATranslation)
{
    ShowList({ { "Haus", "n.", "Notiz", "house" }, { "Baum", "", "", "tree" } });
    // The list's words, the program's name and the languages named in their own language.
    QStringList exempt { Q("Haus"), Q("Notiz"), Q("house"), Q("Baum"), Q("tree"), Q("Velmoria") };
    for (const TUiLanguage& language : UiLanguages())
        exempt.push_back(
            QString::fromUtf8(language.Name.data(), static_cast<qsizetype>(language.Name.size())));
    TEveryWindow every(*Form);
    // The dialogs' file, its folder, the program's addresses and the list's languages' codes.
    exempt << QString::fromStdString(every.Dir.Path().string()) << Q("words.vmr")
           << Q("https://velmoria.example.org/") << Q("dev@velmoria.example.org") << Q("De - En");
    TUntranslated walk(exempt);
    {
        for (QWidget* window : every.All)
            walk.Window(window);
    }
    walk.Window(Form.get());
    for (QMenu* menu : Form->menuBar()->findChildren<QMenu*>())
        walk.Window(menu);
    Form->SetWindowMode(wmTesting);
    walk.Window(Form.get());
    EXPECT_EQ(walk.Found.join(u'\n').toStdString(), "");
    EXPECT_GT(walk.Texts, 1000) << "the walk reached the windows' texts";
}

} // namespace
