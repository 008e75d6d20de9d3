// The main window driven offscreen: files, editing with undo, command state, settings, start-up.

#include "core/SafeSave.h"
#include "gui/EditCommandsSupport.h"
#include "ui/EditDialog.h"
#include "ui/FontDialog.h"
#include "ui/PropertiesDialog.h"
#include "ui/SymbolEdit.h"
#include "ui/WelcomeDialog.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QRegularExpression>
#include <sys/stat.h>

namespace {

void ChooseLanguage(QComboBox* box, int id)
{
    box->setCurrentIndex(box->findData(id));
}

class MainFormTest : public TListWindowTest {
protected:
    // Answers the next item dialog as a user typing the texts and pressing OK.
    static void AnswerEditDialog(const QString& word, const QString& translations)
    {
        OnDialog<TEditDialog>([word, translations](TEditDialog& edit) {
            edit.edtForeign->setText(word);
            edit.edtNative->setText(translations);
            edit.btnOKClick();
        });
    }
    QString Panel(int i) const { return Form->StatusPanel(i)->text(); }
    void SaveAs(const std::string& name, int filter)
    {
        ScriptedFiles().QueueChoice(TChosenFile { QString::fromStdString(Dir.File(name)), filter });
        Trigger(Form->Command("miFileSaveAs"));
    }
};

} // namespace

TEST_F(MainFormTest, StartsEmptyAndOpeningShowsTheListWithCaptionAndPanelsAndAFailedOpenKeepsIt)
{
    Form->UpdateCommandState();
    EXPECT_EQ(Form->WindowMode(), wmNone);
    for (QAction* action :
        { Form->Command("miFileSave"), Form->Command("miEditAdd"), Form->Command("miEditUndo") })
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    EXPECT_TRUE(Form->Command("miFileNew")->isEnabled() && Form->Command("miFileOpen")->isEnabled());
    EXPECT_EQ(Form->Command("miEditAdd")->toolTip(), QStringLiteral("Add - Ins"));
    // A tip drops the dots of a command that opens a dialog, as any language writes them, and no other.
    for (const auto& [caption, tip] :
        { std::pair { "&Add...", "Add|Adds" }, { "&\u00D6ffnen\u2026", "\u00D6ffnen|Adds" },
            { "Enregistrer &sous \u2026", "Enregistrer sous|Adds" }, { "1.5 &lines", "1.5 lines|Adds" } })
        EXPECT_EQ(ToolBarHint(Q(caption), QString(), Q("Adds")), Q(tip));
    OpenList();
    const std::int32_t count = Doc().Count();
    EXPECT_GT(count, 60);
    EXPECT_EQ(Doc().CurrentIndex(), 0);
    EXPECT_EQ(Form->Grid()->model()->rowCount(), count + 1);
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("list.vmr - Velmoria"));
    const QStringList panels { QStringLiteral("De - En"), QStringLiteral("%1 items").arg(count),
        QStringLiteral("Row 1"), QStringLiteral("0% learnt"), QStringLiteral("Saved") };
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(Panel(i), panels[i - 1]) << i;
    EXPECT_EQ(Form->RecentFiles().Count(), 1);
    EXPECT_TRUE(Form->Command("miFileRecent1")->isVisible());
    EXPECT_TRUE(Form->Command("miFileRecent1")->text().startsWith(QStringLiteral("&1 ")));
    EXPECT_FALSE(Form->Command("miFileRecent2")->isVisible());

    // A failed open keeps the old document.
    WriteBytes(Dir.File("bad.vmr"), "not a list at all");
    EXPECT_FALSE(Form->File().OpenFile(Dir.File("bad.vmr")));
    ASSERT_EQ(ScriptedBoxes().Shown().size(), 1u);
    EXPECT_EQ(LastMessage().Text,
        QString::fromStdString(Dir.File("bad.vmr")) + QStringLiteral("\nInvalid file format."));
    EXPECT_EQ(LastMessage().Icon, QMessageBox::Critical);
    EXPECT_FALSE(Form->File().OpenFile(Dir.File("missing.vmr")));
    EXPECT_EQ(
        std::tuple(Doc().Count(), Doc().FileName(), Form->RecentFiles().Count()), std::tuple(count, List, 1));
}

// Each feature's rows find their places: the menus and the tool bar (by its buttons' names where
// they have their own) in order, "|" a separator.
TEST_F(MainFormTest, TheCommandRowsMakeTheMenusAndTheToolBarInTheirGroups)
{
    std::vector<std::string> menus;
    QToolBar* bar = Form->ToolBar();
    const std::function<std::string(const QList<QAction*>&)> layout = [&](const QList<QAction*>& actions) {
        QStringList names;
        for (QAction* action : actions) {
            if (action->menu())
                menus.push_back(
                    action->menu()->objectName().toStdString() + ": " + layout(action->menu()->actions()));
            const QWidget* button = bar->widgetForAction(action);
            names << (action->isSeparator() ? QStringLiteral("|")
                    : action->menu()        ? action->menu()->objectName()
                    : button && !button->objectName().isEmpty()
                    ? button->objectName()
                    : action->objectName().remove(QRegularExpression(QStringLiteral("^mi[A-Z][a-z]+"))));
        }
        return names.join(u' ').toStdString();
    };
    layout(Form->menuBar()->actions());
    EXPECT_EQ(menus,
        (std::vector<std::string> {
            "miFile: New Open Save SaveAs | Import ExportDeck | Print PageSetup | Properties | Recent1 "
            "Recent2 Recent3 "
            "Recent4 | Exit",
            "miEdit: Undo Redo | tbCut tbCopy tbPaste | Add Edit Delete | MoveUp MoveDown | Sort Shuffle | "
            "Find FindNext",
            "miTest: tbStartTesting tbReview ReviewBoth | tbPassive tbActive | tbMultipleChoice | tbHint "
            "tbStatistics Progress",
            "miView: ToolBar StatusBar | tbSpeakForeign tbSpeakNative | Font Options",
            "miHelpHowTo: HowToEdit HowToTest",
            "miHelp: Contents miHelpHowTo Tips | HomePage ExchangePage Donate | About",
        }));
    EXPECT_EQ(layout(bar->actions()),
        "New Open Save tbPrint | tbCut tbCopy tbPaste | Undo Redo | Add Edit Delete | tbSort | "
        "tbStartTesting tbReview | "
        "tbPassive tbActive | tbMultipleChoice | tbHint tbStatistics | tbSpeakForeign tbSpeakNative");
}

TEST_F(MainFormTest, AListWhoseNameIsNotUtf8IsOpenedSavedAndRememberedByItsBytes)
{
    const std::string name = Dir.File("caf\xE9.vmr");
    std::filesystem::rename(List, name);
    EXPECT_EQ(Form->StartUp(TCommandLine { saShow, name }), std::nullopt);
    EXPECT_EQ(Doc().FileName(), name);
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("caf\uFFFD.vmr - Velmoria"));
    // The open dialog can only give the name as it shows it.
    Form->SetWindowMode(wmNone);
    ScriptedFiles().QueueChoice(TChosenFile { QFile::decodeName(QByteArray::fromStdString(name)), 1 });
    Trigger(Form->Command("miFileOpen"));
    EXPECT_EQ(Doc().FileName(), name);
    Trigger(Form->Command("miEditShuffle"));
    Trigger(Form->Command("miFileSave"));
    EXPECT_FALSE(Doc().Modified());
    EXPECT_EQ(ReadBytes(name), Doc().SaveToBytes());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir.Path()), {}), 1)
        << "saved under another name";
    ASSERT_EQ(Form->RecentFiles().Count(), 1);
    EXPECT_EQ(Form->RecentFiles()[0], name);
}

TEST_F(MainFormTest, AddUndoRedoFollowTheSavedStateAndEditDeleteAndMovesKeepTheCurrentItem)
{
    OpenList();
    const std::int32_t count = Doc().Count();
    Doc().SetCurrentIndex(2);
    AnswerEditDialog(QStringLiteral("die @Brücke"), QStringLiteral("bridge"));
    Trigger(Form->Command("miEditAdd"));
    ASSERT_EQ(Doc().Count(), count + 1);
    EXPECT_EQ(Doc().Items(2).FieldValue(fiForeign),
        "die Br\xFC"
        "cke");
    EXPECT_EQ(std::tuple(Doc().Items(2).SortingPosition, Doc().CurrentIndex(), Panel(5),
                  Form->Command("miEditUndo")->text()),
        std::tuple(4, 3, Q("Modified"), Q("&Undo Add")));

    Trigger(Form->Command("miEditUndo"));
    EXPECT_EQ(std::tuple(Doc().Count(), Panel(5), Form->Command("miEditRedo")->text(),
                  Form->Command("miEditUndo")->text()),
        std::tuple(count, Q("Saved"), Q("&Redo Add"), Q("&Undo")));

    Trigger(Form->Command("miEditRedo"));
    EXPECT_EQ(std::tuple(Panel(5), Form->Grid()->model()->rowCount()), std::tuple(Q("Modified"), count + 2));

    // New words can go to the end of the list instead.
    Options().AppendNewWords = true;
    Doc().SetCurrentIndex(0);
    AnswerEditDialog(QStringLiteral("@Ende"), QStringLiteral("end"));
    Trigger(Form->Command("miEditAdd"));
    EXPECT_EQ(Doc().Items(Doc().Count() - 1).FieldValue(fiForeign), "Ende");
    EXPECT_EQ(Doc().CurrentIndex(), -1);

    // Moves, Edit and Delete keep the current item.
    TVocabFile& document = Doc();
    document.SetCurrentIndex(1);
    const TVocabItem* second = &document.Items(1);
    Trigger(Form->Command("miEditMoveDown"));
    EXPECT_EQ(std::tuple(document.CurrentIndex(), &document.Items(2)), std::tuple(2, second));
    Trigger(Form->Command("miEditMoveUp"));
    Trigger(Form->Command("miEditMoveUp"));
    EXPECT_EQ(std::tuple(document.CurrentIndex(), &document.Items(0)), std::tuple(0, second));
    EXPECT_FALSE(Form->Command("miEditMoveUp")->isEnabled());

    document.Items(0).PenaltyPoints = -1;
    document.RecountLearnt();
    AnswerEditDialog(QStringLiteral("der @Hund"), QStringLiteral("hound"));
    Trigger(Form->Command("miEditEdit"));
    EXPECT_EQ(document.Items(0).FieldValue(fiNative), "hound");
    EXPECT_FALSE(document.Items(0).Learnt());
    Trigger(Form->Command("miEditUndo"));
    EXPECT_TRUE(document.Items(0).Learnt());

    const std::int32_t items = document.Count();
    document.SetCurrentIndex(items - 1);
    Trigger(Form->Command("miEditDelete"));
    EXPECT_EQ(document.Count(), items - 1);
    EXPECT_EQ(document.CurrentIndex(), items - 2);

    // The blank last row: nothing to edit, delete or move.
    document.SetCurrentIndex(-1);
    Form->UpdateCommandState();
    for (QAction* action :
        { Form->Command("miEditEdit"), Form->Command("miEditDelete"), Form->Command("miEditMoveDown") })
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    EXPECT_TRUE(Form->Command("miEditAdd")->isEnabled());
}

TEST_F(MainFormTest, SaveQueryAnswersAFailedSaveAndForAReadOnlyOrUntitledListSaveAs)
{
    OpenList();
    Trigger(Form->Command("miEditShuffle"));
    const std::string before = ReadBytes(List);
    ScriptedBoxes().QueueAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(Form->File().SaveQuery());
    EXPECT_EQ(LastMessage().Text, QStringLiteral("Save changes to list.vmr?"));
    ScriptedBoxes().QueueAnswer(QMessageBox::No);
    EXPECT_TRUE(Form->File().SaveQuery());
    EXPECT_EQ(ReadBytes(List), before);
    ScriptedBoxes().QueueAnswer(QMessageBox::Yes);
    EXPECT_TRUE(Form->File().SaveQuery());
    EXPECT_FALSE(Doc().Modified());
    EXPECT_NE(ReadBytes(List), before);

    // A failed save keeps the document modified and says why.
    Trigger(Form->Command("miEditShuffle"));
    Doc().Items(0).SetFieldValue(fiNotes, std::string(70000, 'x'));
    Trigger(Form->Command("miFileSave"));
    ASSERT_EQ(ScriptedBoxes().Shown().size(), 4u);
    EXPECT_TRUE(LastMessage().Text.contains(QStringLiteral("65535")));
    EXPECT_TRUE(Doc().Modified());
    TVocabFile onDisk;
    onDisk.LoadFromFile(List);
    EXPECT_EQ(onDisk.Count(), Doc().Count());

    // A read-only file, also for the superuser: the user is asked for another name.
    Doc().Items(0).SetFieldValue(fiNotes, "");
    ::chmod(List.c_str(), 0444);
    const std::string readOnly = ReadBytes(List);
    ScriptedFiles().QueueChoice(TChosenFile { QString::fromStdString(Dir.File("other")), 1 });
    Trigger(Form->Command("miFileSave"));
    ASSERT_EQ(ScriptedBoxes().Shown().size(), 5u);
    EXPECT_TRUE(LastMessage().Text.startsWith(
        QString::fromStdString(List) + QStringLiteral("\nThis file is read-only.")));
    EXPECT_EQ(Doc().FileName(), Dir.File("other.vmr"));
    EXPECT_EQ(ReadBytes(List), readOnly);

    // Untitled: Yes asks for a name, and cancelling that keeps the changes.
    ScriptedFiles().Clear();
    UseList(Form->Session(), 0x0407, 0x0409);
    Doc().NewItem().SetFieldValues("a", "", "", "b");
    Doc().Add();
    ScriptedBoxes().QueueAnswer(QMessageBox::Yes);
    ScriptedFiles().QueueChoice(std::nullopt);
    EXPECT_FALSE(Form->File().SaveQuery());
    EXPECT_EQ(LastMessage().Text, QStringLiteral("Save changes to Untitled?"));
    EXPECT_EQ(ScriptedFiles().Asked(), QStringList { QStringLiteral("Save As") });
    EXPECT_TRUE(Doc().Modified());
}

TEST_F(MainFormTest, SaveAsOffersEveryTypeTheExtensionFollowsItAndTheListsOwnFileIsNoExport)
{
    OpenList();
    Trigger(Form->Command("miEditShuffle"));
    const std::string before = ReadBytes(List);
    // Each type chosen for the proposed name (typed without extension): file written, first bytes.
    const std::pair<const char*, std::string> cases[]
        = { { "list.rtf", "{\\rtf" }, { "comma.txt", "" }, { "tab.txt", "" }, { "u16c.txt", "\xFF\xFE" },
              { "u16t.txt", "\xFF\xFE" }, { "u8c.txt", "" }, { "u8t.txt", "" }, { "list.htm", "<" } };
    int filter = 2;
    for (const auto& [written, start] : cases) {
        SCOPED_TRACE(written);
        const std::string typed = std::string(written).substr(0, std::string(written).find('.'));
        SaveAs(typed, filter++);
        const std::string bytes = ReadBytes(Dir.File(written));
        EXPECT_EQ(bytes.substr(0, start.size()), start);
        EXPECT_TRUE(start == "\xFF\xFE" || bytes.find("Hund") != std::string::npos);
        // Exporting leaves the document and its file as they were.
        EXPECT_EQ(ReadBytes(List), before);
        EXPECT_EQ(Doc().FileName(), List);
        EXPECT_EQ(Panel(5), QStringLiteral("Modified"));
    }
    // The same offer every time: the last choice is not remembered.
    const TFileDialogRequest& asked = ScriptedFiles().Requests().back();
    EXPECT_EQ(asked.FilterIndex, 1);
    EXPECT_EQ(asked.Folder, QString::fromStdString(Dir.Path().string()));
    EXPECT_EQ(asked.ProposedName, QString::fromStdString(Dir.File("list")));
    EXPECT_EQ(asked.Suffixes, QStringLiteral("vmr rtf txt txt txt txt txt txt htm").split(QLatin1Char(' ')));
    EXPECT_TRUE(ScriptedBoxes().Shown().empty());

    // A refused name (which ones is the save target's rule) is told and the dialog comes back
    // with it; then a good one.
    ScriptedFiles().Clear();
    ScriptedFiles().QueueChoice(TChosenFile { QString::fromStdString(List), 9 });
    ScriptedFiles().QueueChoice(TChosenFile { QString::fromStdString(Dir.File("good")), 9 });
    Trigger(Form->Command("miFileSaveAs"));
    ASSERT_EQ(ScriptedBoxes().Shown().size(), 1u);
    EXPECT_TRUE(LastMessage().Text.endsWith(QStringLiteral("Please use a different file name.")));
    ASSERT_EQ(ScriptedFiles().Requests().size(), 2u);
    EXPECT_EQ(ScriptedFiles().Requests()[1].ProposedName, QString::fromStdString(List));
    EXPECT_EQ(ScriptedFiles().Requests()[1].FilterIndex, 9);
    EXPECT_EQ(ReadBytes(List), before);
    EXPECT_EQ(ReadBytes(Dir.File("good.htm")).substr(0, 1), "<");
    SaveAs("copy", 1);
    EXPECT_EQ(Doc().FileName(), Dir.File("copy.vmr"));
    EXPECT_EQ(Panel(5), QStringLiteral("Saved"));
    EXPECT_EQ(Form->RecentFiles()[0], Dir.File("copy.vmr"));
    TVocabFile copy;
    copy.LoadFromFile(Dir.File("copy.vmr"));
    EXPECT_EQ(copy.Count(), Doc().Count());

    // An untitled list proposes no name, in the current folder.
    Form->Session().ReplaceDocument(std::make_unique<TVocabFile>());
    ScriptedFiles().QueueChoice(std::nullopt);
    Trigger(Form->Command("miFileSaveAs"));
    EXPECT_EQ(ScriptedFiles().Requests().back().Folder, QDir::currentPath());
    EXPECT_EQ(ScriptedFiles().Requests().back().ProposedName, QString());
    ScriptedFiles().QueueChoice(std::nullopt);
    Trigger(Form->Command("miFileOpen"));
    EXPECT_EQ(ScriptedFiles().Requests().back().Folder, QDir::currentPath());
}

TEST_F(MainFormTest, TheSaveDialogsExtensionFollowsTheTypeTheUserPicks)
{
    TFileDialogRequest request { QStringLiteral("Save As"),
        { QStringLiteral("Velmoria File (*.vmr)"), QStringLiteral("Web Page (*.htm)") }, 1,
        QString::fromStdString(Dir.Path().string()), QString(),
        { QStringLiteral("vmr"), QStringLiteral("htm") } };
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    PrepareSaveDialog(dialog, request);
    EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("vmr"));
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_TRUE(types);
    QTest::keyClick(types, Qt::Key_Down);
    EXPECT_EQ(dialog.selectedNameFilter(), request.Filters[1]);
    EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("htm"));
    QTest::keyClick(types, Qt::Key_Up);
    EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("vmr"));
}

TEST_F(MainFormTest, BarsAndRecentFilesAreSavedWhenTheWindowClosesAndSurviveARestart)
{
    Form->show();
    OpenList();
    Trigger(Form->Command("miViewToolBar"));
    EXPECT_FALSE(Form->ToolBar()->isVisible());
    EXPECT_FALSE(Form->Command("miViewToolBar")->isChecked());
    Trigger(Form->Command("miViewToolBar"));
    EXPECT_TRUE(Form->Command("miViewToolBar")->isChecked());
    Trigger(Form->Command("miViewStatusBar"));
    EXPECT_FALSE(Form->statusBar()->isVisible());

    Trigger(Form->Command("miEditShuffle"));
    ScriptedBoxes().QueueAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(Form->close()) << "unsaved changes: the user is asked";
    EXPECT_TRUE(Store->Values.empty()) << "settings are written only when the window closes";
    ScriptedBoxes().QueueAnswer(QMessageBox::No);
    EXPECT_TRUE(Form->close());
    EXPECT_EQ(std::tuple(Store->ReadInteger("ShowStatusBar"), Store->ReadInteger("FileCount"),
                  Store->ReadString("File1"), Store->ReadInteger("ForeignLangID")),
        std::tuple(0, 1, List, 0x0407));

    TMainForm second(std::make_unique<TMemorySettingsStore>(*Store));
    EXPECT_EQ(second.RecentFiles().Count(), 1);
    EXPECT_EQ(second.RecentFiles()[0], List);
    EXPECT_TRUE(second.statusBar()->isHidden());
}

TEST_F(MainFormTest, CommandLineResetsAndEndsOrShowsTheFile)
{
    TVocabFile document;
    document.LoadFromFile(List);
    document.Items(0).PenaltyPoints = -1;
    document.Items(1).LastAttempt = 3;
    document.SaveToFile(List);
    EXPECT_EQ(Form->StartUp(TCommandLine { saReset, List }), std::optional<int>(0));
    EXPECT_FALSE(Form->isVisible());
    document.LoadFromFile(List);
    EXPECT_EQ(document.LearntCount(), 0);
    EXPECT_EQ(document.Items(1).LastAttempt, 0);
    EXPECT_TRUE(Store->Values.empty());

    EXPECT_EQ(Form->StartUp(TCommandLine { saReset, "/r" }), std::optional<int>(1));
    ASSERT_EQ(ScriptedBoxes().Shown().size(), 1u);
    EXPECT_TRUE(LastMessage().Text.contains(QStringLiteral("/r")));

    // A read-only list is not reset: the error names it and the program ends with 1.
    document.Items(0).PenaltyPoints = -1;
    document.SaveToFile(List);
    ::chmod(List.c_str(), 0444);
    const std::string before = ReadBytes(List);
    EXPECT_EQ(Form->StartUp(TCommandLine { saReset, List }), std::optional<int>(1));
    EXPECT_TRUE(LastMessage().Text.contains(
        QString::fromStdString(List) + QStringLiteral("\". The file is read-only.")))
        << LastMessage().Text.toStdString();
    EXPECT_EQ(ReadBytes(List), before);
    ::chmod(List.c_str(), 0644);

    EXPECT_EQ(Form->StartUp(TCommandLine { saShow, List }), std::nullopt);
    EXPECT_EQ(Form->WindowMode(), wmEditing);
    EXPECT_TRUE(Form->isVisible());
}

TEST_F(MainFormTest, WelcomeLoopCreatesANewListOrOpensARecentOne)
{
    OnDialog<TWelcomeDialog>([](TWelcomeDialog&) {});
    EXPECT_FALSE(Form->File().RunWelcomeLoop()) << "cancelled";
    EXPECT_EQ(Form->WindowMode(), wmNone);

    // "Create a new file", then the properties dialog for the new list.
    ScriptedRunner().Set([](QDialog& dialog) {
        if (auto* welcome = dynamic_cast<TWelcomeDialog*>(&dialog)) {
            welcome->rbNew->setChecked(true);
            welcome->btnOKClick();
        } else if (auto* properties = dynamic_cast<TPropertiesDialog*>(&dialog)) {
            ChooseLanguage(properties->cbForeign, 0x0419);
            ChooseLanguage(properties->cbNative, 0x0407);
            properties->edtAuthor->setText(QStringLiteral("  Anna  "));
            properties->btnOKClick();
        }
        return dialog.result();
    });
    EXPECT_TRUE(Form->File().RunWelcomeLoop());
    EXPECT_EQ(std::tuple(Doc().ForeignLangID(), Doc().NativeLangID(), Doc().Properties(piAuthor),
                  Doc().Count(), Doc().Modified()),
        std::tuple(0x0419, 0x0407, "Anna", 0, true));

    // A recent file that has gone is reported and the welcome dialog comes back; then the list.
    Form->RecentFiles().Add(List);
    Form->RecentFiles().Add(Dir.File("gone.vmr"));
    int welcomes = 0;
    OnDialog<TWelcomeDialog>([&welcomes](TWelcomeDialog& welcome) {
        welcome.rbOpen->setChecked(true);
        welcome.lbFiles->setCurrentRow(++welcomes); // line 1 is the newest entry
        welcome.btnOKClick();
    });
    EXPECT_TRUE(Form->File().RunWelcomeLoop());
    EXPECT_EQ(welcomes, 2);
    EXPECT_EQ(ScriptedBoxes().Shown().size(), 1u);
    EXPECT_EQ(Doc().FileName(), List);
}

TEST_F(MainFormTest, NewAsksForLanguagesAndStartsEmptyAndTheFontCommandAppliesTheChosenFont)
{
    OpenList();
    OnDialog<TPropertiesDialog>([](TPropertiesDialog& properties) {
        ChooseLanguage(properties.cbForeign, 0x040C);
        ChooseLanguage(properties.cbNative, 0x0809);
        properties.btnOKClick();
    });
    Trigger(Form->Command("miFileNew"));
    EXPECT_EQ(std::tuple(Doc().Count(), Doc().FileName(), Doc().ForeignLangID(), Form->windowTitle(),
                  Panel(1), Form->Grid()->model()->rowCount()),
        std::tuple(0, "", 0x040C, Q("Untitled - Velmoria"), Q("Fr - En"), 1));
    // A new list counts as modified only once a property is filled in.
    EXPECT_EQ(std::tuple(Panel(5), Doc().Modified()), std::tuple(QString(), false));

    const int before = Form->Grid()->verticalHeader()->defaultSectionSize();
    OnDialog<TSelectFontDialog>([](TSelectFontDialog& font) {
        font.cbFontName->setCurrentIndex(0);
        font.cbFontSize->setEditText(QStringLiteral("24"));
        font.btnOKClick();
    });
    Trigger(Form->Command("miViewFont"));
    EXPECT_EQ(Form->Session().Settings.DisplayFont.Size, 24);
    EXPECT_GT(Form->Grid()->verticalHeader()->defaultSectionSize(), before);
}
