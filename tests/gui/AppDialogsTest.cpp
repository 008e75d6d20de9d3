// The welcome and properties dialogs.

#include "app/MessageBox.h"
#include "app/PropertiesDialog.h"
#include "app/WelcomeDialog.h"
#include "evaluation/Languages.h"
#include "evaluation/TextUtils.h"
#include "gui/DialogTestSupport.h"
#include "support/TempDir.h"
#include "ui/SymbolEdit.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
constexpr LangId Russian = 0x0419;
constexpr LangId EnglishUS = 0x0409;
constexpr LangId French = 0x040C;

class AppDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MessageBoxHook::Clear();
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

// ---- Welcome ---------------------------------------------------------------------------------

TEST_F(AppDialogTest, WelcomeListsBrowseAndTheRecentFilesShortenedToTheList)
{
    const std::string longName = "/home/user/" + std::string(300, 'd') + "/words/french.vmr";
    struct TCase {
        std::vector<std::string> Recent;
        QStringList Lines;
        int Chosen; // the line selected before OK
    } cases[] = {
        { {}, { Q("Browse...") }, 0 },
        { { "/tmp/short.vmr", longName }, { Q("Browse..."), Q("/tmp/short.vmr"), Q("/.../words/french.vmr") },
            2 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Lines.size());
        TRecentFileList recent(4);
        for (const std::string& name : c.Recent)
            recent.Load(name);
        TWelcomeData data { &recent, false, "stale", std::nullopt };
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
        EXPECT_EQ(data.FileName, c.Chosen == 0 ? "" : c.Recent[static_cast<std::size_t>(c.Chosen - 1)]);
    }
}

TEST_F(AppDialogTest, WelcomeDoubleClicksActLikeOK)
{
    TRecentFileList recent(4);
    recent.Load("/tmp/a.vmr");
    TWelcomeData data;
    data.RecentFiles = &recent;
    for (const bool onFile : { false, true }) {
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
        EXPECT_EQ(data.FileName, onFile ? "/tmp/a.vmr" : "");
    }
}

// ---- Properties: languages and descriptions ---------------------------------------------------

TEST_F(AppDialogTest, PropertiesOfAnExistingListKeepTheCodePages)
{
    TPropertiesData data = Properties(Russian, EnglishUS);
    TPropertiesDialog dialog(nullptr, data);
    for (const auto& [box, codePage, selected] :
        { std::tuple { dialog.cbForeign, 1251, Russian }, std::tuple { dialog.cbNative, 1252, EnglishUS } }) {
        SCOPED_TRACE(codePage);
        int expected = 0;
        for (const TLanguage& language : LanguageTable())
            expected += language.CodePage == codePage;
        EXPECT_EQ(box->count(), expected);
        for (int i = 0; i < box->count(); ++i) {
            EXPECT_EQ(FindLanguage(static_cast<LangId>(box->itemData(i).toUInt())).CodePage, codePage);
            if (i > 0) {
                EXPECT_LT(box->itemText(i - 1), box->itemText(i));
            }
        }
        EXPECT_EQ(box->currentData().toUInt(), selected);
    }
    EXPECT_TRUE(dialog.btnOK->isEnabled());

    dialog.cbForeign->setCurrentIndex(dialog.cbForeign->findText(Q("Ukrainian")));
    dialog.btnOKClick();
    EXPECT_EQ(data.ForeignLangID, 0x0422);
    EXPECT_EQ(data.NativeLangID, EnglishUS);
}

TEST_F(AppDialogTest, PropertiesForANewListOfferEveryLanguageWithoutGeneralPage)
{
    TPropertiesData data = Properties(French, 0x7777); // the native one is not in the table
    data.IsNew = true;
    data.Description = "old";
    TPropertiesDialog dialog(nullptr, data);
    EXPECT_EQ(dialog.cbForeign->count(), 75);
    EXPECT_EQ(dialog.cbNative->count(), 75);
    EXPECT_EQ(dialog.pcPages->count(), 1);
    EXPECT_EQ(dialog.pcPages->currentWidget(), dialog.tsSummary);
    EXPECT_TRUE(dialog.edtDescription->text().isEmpty());
    EXPECT_EQ(dialog.cbForeign->currentData().toUInt(), French);
    EXPECT_EQ(dialog.cbNative->currentIndex(), -1);

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
    EXPECT_EQ(data.NativeLangID, Russian);
    EXPECT_EQ(data.Author, "\xC8\xE2\xE0\xED");
    EXPECT_EQ(data.Description, "");
}

TEST_F(AppDialogTest, PropertiesTrimAndKeepTheNativeCodePage)
{
    TPropertiesData data = Properties(Russian, French);
    data.Description = "Le\xE7ons"; // "Leçons" in 1252
    TPropertiesDialog dialog(nullptr, data);
    EXPECT_EQ(dialog.edtDescription->text(), Q("Le\xC3\xA7ons"));
    dialog.edtComments->setText(QStringLiteral("  first  second "));
    dialog.btnOKClick();
    EXPECT_EQ(data.Comments, "first  second");
    EXPECT_EQ(data.Description, "Le\xE7ons");
}

TEST_F(AppDialogTest, EscapeInTheCommentsCancels)
{
    TPropertiesData data = Properties(Russian, EnglishUS);
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

// ---- Properties: the General page ------------------------------------------------------------

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
        TPropertiesData data = Properties(French, EnglishUS, c.FileName);
        TPropertiesDialog dialog(nullptr, data);
        EXPECT_EQ(dialog.lblTitle->text(), Q(c.Title));
        EXPECT_EQ(dialog.lblLocation->text().toStdString(), c.Location);
        const QString size = dialog.lblSize->text();
        EXPECT_TRUE(c.Size < 0 ? size.isEmpty() : size.startsWith(Q(c.Shown))) << size.toStdString();
        EXPECT_EQ(dialog.lblModified->text().isEmpty(), c.Size < 0);
        // This platform's attributes only: no archive or system bits to show.
        QStringList boxes;
        for (const QCheckBox* box : dialog.tsGeneral->findChildren<QCheckBox*>()) {
            boxes.append(box->text());
            EXPECT_FALSE(box->isEnabled());
        }
        EXPECT_EQ(boxes, (QStringList { Q("Read-only"), Q("Hidden") }));
        EXPECT_EQ(dialog.chbReadOnly->isChecked(), c.ReadOnly);
        EXPECT_EQ(dialog.chbHidden->isChecked(), c.Title[0] == '.');
    }
}

// ---- Properties: keys and the language popup -------------------------------------------------

TEST_F(AppDialogTest, PageKeysTurnThePageFromEveryControl)
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
            TPropertiesData data = Properties(Russian, EnglishUS);
            TPropertiesDialog dialog(nullptr, data);
            ShowActive(dialog);
            QWidget* const controls[]
                = { dialog.cbForeign, dialog.cbNative, dialog.edtComments, dialog.btnOK };
            controls[control]->setFocus();
            QTest::keyClick(controls[control], key, modifiers);
            EXPECT_EQ(dialog.pcPages->currentWidget(), dialog.tsGeneral);
            EXPECT_EQ(dialog.cbForeign->currentData().toUInt(), Russian);
            EXPECT_EQ(dialog.cbNative->currentData().toUInt(), EnglishUS);
        }
    }
}

TEST_F(AppDialogTest, LanguageListOpensAsAScrollingPopup)
{
    TPropertiesData data;
    data.IsNew = true;
    TPropertiesDialog dialog(nullptr, data);
    ShowActive(dialog);
    for (QComboBox* box : { dialog.cbForeign, dialog.cbNative }) {
        box->showPopup();
        const QAbstractItemView* list = box->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
        const int rowHeight = list->sizeHintForRow(0);
        EXPECT_LE(list->window()->height(), (box->maxVisibleItems() + 1) * rowHeight);
        EXPECT_LE(box->maxVisibleItems(), list->window()->screen()->availableGeometry().height() / rowHeight);
        box->hidePopup();
    }
}
} // namespace
