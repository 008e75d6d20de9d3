// Deck packages through the window: the preview and choices before an import, the export's
// choices, and a damaged package that changes nothing. What is read and written is the model's
// (DeckPackageTest).

#include "deck/DeckImport.h"
#include "gui/EditCommandsSupport.h"
#include "ui/DeckDialogs.h"
#include "ui/ReviewFeature.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {

class DeckWindowTest : public EditCommandsTest {
public:
    void SetUp() override
    {
        EditCommandsTest::SetUp();
        Form->Review().SetHistoryPath(History);
    }
    const std::string History = Dir.File("history.sqlite");
};

TEST_F(DeckWindowTest, ImportShowsThePreviewFirstAndExportWritesTheChosenCards)
{
    TVocabFile source;
    FillItems(source, German, English, { { "Hund", "", "", "dog" }, { "Katze", "", "", "cat" } });
    const std::int64_t now = std::time(nullptr);
    {
        THistory history(Dir.File("other.sqlite"));
        history.RecordAnswer(
            CardKeyOf(source, *source.ItemList()[1], 0), true, false, (now - 86400) * 1000, 2000, {}, false);
        WriteBytes(Dir.File("in.apkg"), ExportDeckBytes(source, { true, false, true }, &history, now));
    }
    ShowList({ { "a" } });
    int dialogs = 0;
    OnDialog<TDeckImportDialog>(
        [](TDeckImportDialog& dialog) {
            EXPECT_TRUE(dialog.findChild<QLabel*>()->text().startsWith(
                QStringLiteral("Fields: Front, Back. 2 notes.")));
            EXPECT_EQ(dialog.findChild<QTableWidget*>()->item(1, 0)->text(), QStringLiteral("Katze"));
            dialog.accept();
        },
        &dialogs);
    ScriptedFiles().QueueChoice(TChosenFile { QString::fromStdString(Dir.File("in.apkg")), 1 });
    Trigger(Form->Command("miFileImport"));
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(Words(), (TWords { "a", "Hund", "Katze" }));
    EXPECT_EQ(THistory(History).AnswerCount(), 1);

    // A damaged package is refused after it was read: the list and the history stay.
    std::string bytes = ReadBytes(Dir.File("in.apkg"));
    bytes[bytes.size() / 2] ^= 1;
    WriteBytes(Dir.File("damaged.apkg"), bytes);
    ScriptedFiles().QueueChoice(TChosenFile { QString::fromStdString(Dir.File("damaged.apkg")), 1 });
    Trigger(Form->Command("miFileImport"));
    EXPECT_TRUE(LastMessage().Text.contains(QStringLiteral("damaged"))) << LastMessage().Text.toStdString();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(Doc().Count(), 3);
    EXPECT_EQ(THistory(History).AnswerCount(), 1);

    OnDialog<TDeckExportDialog>([](TDeckExportDialog& dialog) {
        dialog.chkWordAsked->setChecked(false);
        EXPECT_FALSE(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
        dialog.chkTranslationsAsked->setChecked(true);
        dialog.chkReviewLog->setChecked(true);
        dialog.accept();
    });
    ScriptedFiles().QueueChoice(TChosenFile { QString::fromStdString(Dir.File("out.apkg")), 1 });
    Trigger(Form->Command("miFileExportDeck"));
    const TDeckCollection deck = ReadDeckPackage(ReadBytes(Dir.File("out.apkg")));
    EXPECT_EQ(deck.Notes.size(), 3u);
    ASSERT_EQ(deck.Cards.size(), 3u);
    EXPECT_EQ(deck.Cards[0].Template, 1);
    EXPECT_TRUE(deck.Reviews.empty()) << "the history holds no answer asking the translations";
}

} // namespace
