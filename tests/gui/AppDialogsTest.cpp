// The welcome and properties dialogs.

#include "core/DocumentBuilders.h"
#include "evaluation/Languages.h"
#include "gui/DialogTestSupport.h"
#include "support/TempDir.h"
#include "ui/PropertiesDialog.h"
#include "ui/SymbolEdit.h"
#include "ui/WelcomeDialog.h"

#include <QAbstractItemView>

namespace {

class AppDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ScriptedBoxes().Clear();
        // Fixed separators, whatever the machine's locale.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

TPropertiesData Properties(LangId foreign, LangId native, const std::string& fileName = "")
{
    TPropertiesData data;
    data.ForeignLangID = foreign;
    data.NativeLangID = native;
    data.FileName = fileName;
    return data;
}

TEST_F(AppDialogTest, WelcomeListsTheRecentFilesShortenedAndClicksAndDoubleClicksChoose)
{
    const std::string longName = "/home/user/" + std::string(300, 'd') + "/words/french.vmr";
    TRecentFileList none(4), two(4);
    two.Load("/tmp/short.vmr");
    two.Load(longName);
    struct TCase {
        TRecentFileList* Recent;
        QStringList Lines;
        int Chosen; // the line selected before OK
        std::string FileName;
    } cases[] = {
        { &none, { Q("Browse...") }, 0, "" },
        { &two, { Q("Browse..."), Q("/tmp/short.vmr"), Q("/.../words/french.vmr") }, 2, longName },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Lines.size());
        TWelcomeData data { c.Recent, false, "stale", std::nullopt };
        TWelcomeDialog dialog(nullptr, data);
        QStringList lines;
        for (int i = 0; i < dialog.lbFiles->count(); ++i) {
            lines.append(dialog.lbFiles->item(i)->text());
            EXPECT_LT(dialog.lbFiles->fontMetrics().horizontalAdvance(lines.back()), dialog.lbFiles->width());
        }
        EXPECT_EQ(lines, c.Lines);
        EXPECT_EQ(dialog.lbFiles->currentRow(), 0);
        EXPECT_TRUE(dialog.rbOpen->isChecked());

        QSignalSpy accepted(&dialog, &QDialog::accepted);
        dialog.rbNew->setChecked(true);
        dialog.lbFiles->setCurrentRow(c.Chosen); // choosing a line means opening
        emit dialog.lbFiles->itemClicked(dialog.lbFiles->currentItem());
        EXPECT_TRUE(dialog.rbOpen->isChecked());
        dialog.btnOKClick();
        ASSERT_EQ(accepted.count(), 1);
        EXPECT_TRUE(data.Open);
        EXPECT_EQ(data.FileName, c.FileName);
    }
    // A double click on New or on a file acts like OK.
    for (const bool onFile : { false, true }) {
        TWelcomeData data { &two, !onFile, "stale", std::nullopt };
        TWelcomeDialog dialog(nullptr, data);
        ShowActive(dialog);
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        if (onFile) {
            dialog.lbFiles->setCurrentRow(1);
            emit dialog.lbFiles->itemDoubleClicked(dialog.lbFiles->item(1));
        } else {
            QTest::mouseDClick(dialog.rbNew, Qt::LeftButton);
        }
        ASSERT_EQ(accepted.count(), 1);
        EXPECT_EQ(data.Open, onFile);
        EXPECT_EQ(data.FileName, onFile ? "/tmp/short.vmr" : "");
    }
}

TEST_F(AppDialogTest, PropertiesOfAnExistingListKeepTheCodePagesAndTrimTheDescriptions)
{
    TPropertiesData data = Properties(Russian, English);
    data.Description = "Le\xE7ons"; // "Leçons" in 1252
    TPropertiesDialog dialog(nullptr, data);
    EXPECT_EQ(dialog.edtDescription->text(), Q("Le\xC3\xA7ons"));
    for (const auto& [box, codePage, selected] :
        { std::tuple { dialog.cbForeign, 1251, Russian }, std::tuple { dialog.cbNative, 1252, English } }) {
        SCOPED_TRACE(codePage);
        int expected = 0;
        for (const TLanguage& language : LanguageTable())
            expected += language.CodePage == codePage;
        EXPECT_EQ(box->count(), expected);
        for (int i = 0; i < box->count(); ++i) {
            EXPECT_EQ(FindLanguage(static_cast<LangId>(box->itemData(i).toUInt())).CodePage, codePage);
            EXPECT_TRUE(i == 0 || box->itemText(i - 1) < box->itemText(i)) << i;
        }
        EXPECT_EQ(box->currentData().toUInt(), selected);
    }
    EXPECT_TRUE(dialog.btnOK->isEnabled());

    dialog.cbForeign->setCurrentIndex(dialog.cbForeign->findText(Q("Ukrainian")));
    dialog.edtComments->setText(QStringLiteral("  first  second "));
    dialog.btnOKClick();
    EXPECT_EQ(std::tuple(data.ForeignLangID, data.NativeLangID, data.Comments, data.Description),
        std::tuple(0x0422, English, "first  second", "Le\xE7ons"));
}

// The language lists open as scrolling popups.
TEST_F(AppDialogTest, PropertiesForANewListOfferEveryLanguageWithoutGeneralPage)
{
    TPropertiesData data = Properties(French, 0x7777); // the native one is not in the table
    data.IsNew = true;
    data.Description = "old";
    TPropertiesDialog dialog(nullptr, data);
    ShowActive(dialog);
    for (QComboBox* box : { dialog.cbForeign, dialog.cbNative }) {
        EXPECT_EQ(box->count(), static_cast<int>(LanguageTable().size()));
        box->showPopup();
        const QAbstractItemView* list = box->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
        const int rowHeight = list->sizeHintForRow(0);
        EXPECT_LE(list->window()->height(), (box->maxVisibleItems() + 1) * rowHeight);
        EXPECT_LE(box->maxVisibleItems(), list->window()->screen()->availableGeometry().height() / rowHeight);
        box->hidePopup();
    }
    EXPECT_EQ(
        std::tuple(dialog.pcPages->count(), dialog.pcPages->currentWidget(), dialog.edtDescription->text(),
            dialog.cbForeign->currentData().toUInt(), dialog.cbNative->currentIndex()),
        std::tuple(1, static_cast<QWidget*>(dialog.tsSummary), QString(), French, -1));

    // OK waits for both languages.
    EXPECT_FALSE(dialog.btnOK->isEnabled());
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.btnOKClick();
    EXPECT_EQ(accepted.count(), 0);
    dialog.cbNative->setCurrentIndex(dialog.cbNative->findText(Q("Russian")));
    EXPECT_TRUE(dialog.btnOK->isEnabled());
    // The descriptions follow the chosen native language.
    EXPECT_EQ(dialog.edtAuthor->CodePage(), 1251);
    dialog.edtAuthor->setText(Q("  \xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD  "));
    dialog.btnOKClick();
    ASSERT_EQ(accepted.count(), 1);
    EXPECT_EQ(std::tuple(data.NativeLangID, data.Author, data.Description),
        std::tuple(Russian, "\xC8\xE2\xE0\xED", ""));
}

TEST_F(AppDialogTest, GeneralPageOfAnUntitledListAMissingFileAndFilesOnDisk)
{
    TTempDir dir;
    const std::string longMissing = "/srv/" + std::string(200, 'f') + "/lists/gone.vmr";
    struct TCase {
        std::string FileName; // written with Size bytes unless Size is negative
        qint64 Size;
        bool ReadOnly;
        const char* Title;
        std::string Location;
        const char* Shown; // the start of the size, kilobytes from 1024 bytes on
    } cases[] = {
        { "", -1, false, "Untitled", "", "" },
        { longMissing, -1, false, "gone.vmr", "/.../lists", "" },
        { dir.File("empty.vmr"), 0, false, "empty.vmr", dir.Path().string(), "0" },
        { dir.File("small.vmr"), 1023, false, "small.vmr", dir.Path().string(), "1023" },
        { dir.File("fixed.vmr"), 1536, true, "fixed.vmr", dir.Path().string(), "1.50 KB (1,536" },
        { dir.File(".hidden.vmr"), 1024 * 1024 + 10, false, ".hidden.vmr", dir.Path().string(),
            "1,024.01 KB (1,048,586" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Title);
        if (c.Size >= 0)
            WriteBytes(c.FileName, std::string(static_cast<std::size_t>(c.Size), 'x'));
        if (c.ReadOnly)
            std::filesystem::permissions(
                c.FileName, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
        TPropertiesData data = Properties(French, English, c.FileName);
        TPropertiesDialog dialog(nullptr, data);
        EXPECT_EQ(dialog.lblTitle->text(), Q(c.Title));
        EXPECT_EQ(dialog.lblLocation->text().toStdString(), c.Location);
        const QString size = dialog.lblSize->text();
        EXPECT_TRUE(c.Size < 0 ? size.isEmpty() : size.startsWith(Q(c.Shown))) << size.toStdString();
        EXPECT_EQ(dialog.lblModified->text().isEmpty(), c.Size < 0);
        for (const QCheckBox* box : dialog.tsGeneral->findChildren<QCheckBox*>())
            EXPECT_FALSE(box->isEnabled()) << box->text().toStdString();
        EXPECT_EQ(dialog.tsGeneral->findChildren<QCheckBox*>().size(), 2) << "no archive or system bits here";
        EXPECT_EQ(dialog.chbReadOnly->isChecked(), c.ReadOnly);
        EXPECT_EQ(dialog.chbHidden->isChecked(), c.Title[0] == '.');
    }
}

TEST_F(AppDialogTest, PageKeysTurnThePageFromEveryControlAndEscapeCancels)
{
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        { Qt::Key_PageUp, Qt::ControlModifier },
        { Qt::Key_PageDown, Qt::ControlModifier },
        { Qt::Key_Tab, Qt::ControlModifier },
        { Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier },
    };
    for (const auto& [key, modifiers] : keys) {
        for (int control = 0; control < 4; ++control) {
            SCOPED_TRACE(testing::Message() << key << " on control " << control);
            TPropertiesData data = Properties(Russian, English);
            TPropertiesDialog dialog(nullptr, data);
            ShowActive(dialog);
            QWidget* const controls[]
                = { dialog.cbForeign, dialog.cbNative, dialog.edtComments, dialog.btnOK };
            controls[control]->setFocus();
            QTest::keyClick(controls[control], key, modifiers);
            EXPECT_EQ(dialog.pcPages->currentWidget(), dialog.tsGeneral);
            EXPECT_EQ(dialog.cbForeign->currentData().toUInt(), Russian);
            EXPECT_EQ(dialog.cbNative->currentData().toUInt(), English);
        }
    }
    TPropertiesData data = Properties(Russian, English);
    data.Comments = "keep";
    TPropertiesDialog dialog(nullptr, data);
    ShowActive(dialog);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    dialog.edtComments->setFocus();
    QTest::keyClicks(dialog.edtComments, QStringLiteral("changed"));
    QTest::keyClick(dialog.edtComments, Qt::Key_Escape);
    EXPECT_EQ(rejected.count(), 1);
    EXPECT_EQ(data.Comments, "keep");
}

} // namespace
