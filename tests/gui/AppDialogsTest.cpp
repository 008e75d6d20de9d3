// The welcome and properties dialogs.

#include "app/MessageBox.h"
#include "app/PropertiesDlg.h"
#include "app/WelcomeDlg.h"
#include "core/Languages.h"
#include "evaluation/TextUtils.h"
#include "gui/DialogTestSupport.h"
#include "support/TempDir.h"
#include "ui/VocabEdit.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
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

TPropertiesData Properties(LangId foreign, LangId native)
{
    TPropertiesData data;
    data.ForeignLangID = foreign;
    data.NativeLangID = native;
    return data;
}

QStringList Lines(const QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

// ---- Welcome ---------------------------------------------------------------------------------

TEST_F(AppDialogTest, WelcomeWithNoRecentFilesOffersBrowseOnly)
{
    TRecentFileList recent(4);
    TWelcomeData data;
    data.RecentFiles = &recent;
    data.Open = false;
    data.FileName = "stale";
    TWelcomeDialog dialog(nullptr, data);
    EXPECT_EQ(Lines(dialog.lbFiles), QStringList { Q("Browse...") });
    EXPECT_EQ(dialog.lbFiles->currentRow(), 0);
    EXPECT_TRUE(dialog.rbOpen->isChecked());
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.btnOKClick();
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_TRUE(data.Open);
    EXPECT_EQ(data.FileName, "");
}

TEST_F(AppDialogTest, WelcomeListsRecentFilesShortenedToTheList)
{
    TRecentFileList recent(4);
    const std::string longName = "/home/user/" + std::string(300, 'd') + "/words/french.vmr";
    recent.Load("/tmp/short.vmr");
    recent.Load(longName);
    TWelcomeData data;
    data.RecentFiles = &recent;
    TWelcomeDialog dialog(nullptr, data);
    const QStringList lines = Lines(dialog.lbFiles);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], Q("/tmp/short.vmr"));
    EXPECT_EQ(lines[2], Q("/.../words/french.vmr"));
    EXPECT_LT(dialog.lbFiles->fontMetrics().horizontalAdvance(lines[2]), dialog.lbFiles->width());

    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.rbNew->setChecked(true);
    dialog.lbFiles->setCurrentRow(2); // choosing a line means opening
    EXPECT_TRUE(dialog.rbOpen->isChecked());
    dialog.btnOKClick();
    ASSERT_EQ(accepted.count(), 1);
    EXPECT_TRUE(data.Open);
    EXPECT_EQ(data.FileName, longName);
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

// ---- Properties ------------------------------------------------------------------------------

std::vector<LangId> Offered(const QComboBox* box)
{
    std::vector<LangId> ids;
    for (int i = 0; i < box->count(); ++i)
        ids.push_back(static_cast<LangId>(box->itemData(i).toUInt()));
    return ids;
}

TEST_F(AppDialogTest, PropertiesOfAnExistingListKeepTheCodePages)
{
    TPropertiesData data = Properties(Russian, EnglishUS);
    TPropertiesDialog dialog(nullptr, data);
    struct TCase {
        const QComboBox* Box;
        int CodePage;
        LangId Selected;
    } cases[] = { { dialog.cbForeign, 1251, Russian }, { dialog.cbNative, 1252, EnglishUS } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.CodePage);
        const auto ids = Offered(c.Box);
        std::size_t expected = 0;
        for (const TLanguage& language : LanguageTable())
            expected += language.CodePage == c.CodePage;
        EXPECT_EQ(ids.size(), expected);
        for (int i = 0; i < c.Box->count(); ++i) {
            EXPECT_EQ(FindLanguage(ids[static_cast<std::size_t>(i)]).CodePage, c.CodePage);
            if (i > 0) {
                EXPECT_LT(c.Box->itemText(i - 1), c.Box->itemText(i));
            }
        }
        EXPECT_EQ(c.Box->currentData().toUInt(), c.Selected);
    }
    EXPECT_EQ(dialog.cbForeign->itemText(0), Q("Belarusian"));
    EXPECT_EQ(dialog.pcPages->count(), 2);
    EXPECT_EQ(dialog.pcPages->currentWidget(), dialog.tsSummary);
    EXPECT_TRUE(dialog.btnOK->isEnabled());

    dialog.cbForeign->setCurrentIndex(dialog.cbForeign->findText(Q("Ukrainian")));
    dialog.btnOKClick();
    EXPECT_EQ(data.ForeignLangID, 0x0422);
    EXPECT_EQ(data.NativeLangID, EnglishUS);
}

TEST_F(AppDialogTest, PropertiesForANewListOfferEveryLanguageWithoutGeneralPage)
{
    TPropertiesData data;
    data.IsNew = true;
    data.ForeignLangID = French;
    data.NativeLangID = 0x7777; // not in the table
    data.Description = "old";
    TPropertiesDialog dialog(nullptr, data);
    EXPECT_EQ(dialog.cbForeign->count(), 75);
    EXPECT_EQ(dialog.cbNative->count(), 75);
    EXPECT_EQ(dialog.pcPages->count(), 1);
    EXPECT_EQ(dialog.pcPages->tabText(0), Q("Summary"));
    EXPECT_EQ(dialog.pcPages->focusPolicy(), Qt::NoFocus);
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
    data.Author = "Anne";
    data.Comments = "x";
    TPropertiesDialog dialog(nullptr, data);
    EXPECT_EQ(dialog.edtDescription->text(), Q("Le\xC3\xA7ons"));
    ShowActive(dialog);
    dialog.edtAuthor->setFocus();
    dialog.edtAuthor->selectAll();
    TypeText(dialog.edtAuthor,
        Q("  Jane \xD0\x96"
          "Doe  "));
    EXPECT_EQ(dialog.edtAuthor->text(), Q("  Jane Doe  "));
    dialog.edtComments->setText(QStringLiteral("  first  second "));
    dialog.btnOKClick();
    EXPECT_EQ(data.Author, "Jane Doe");
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

TEST_F(AppDialogTest, GeneralPageOfAnUntitledList)
{
    TPropertiesData data = Properties(French, EnglishUS);
    TPropertiesDialog dialog(nullptr, data);
    EXPECT_EQ(dialog.pcPages->tabText(0), Q("General"));
    EXPECT_EQ(dialog.lblTitle->text(), Q("Untitled"));
    for (QLabel* label : { dialog.lblLocation, dialog.lblSize, dialog.lblModified })
        EXPECT_TRUE(label->text().isEmpty());
    // This platform's attributes only: no archive or system bits to show.
    QStringList boxes;
    for (const QCheckBox* box : dialog.tsGeneral->findChildren<QCheckBox*>()) {
        boxes.append(box->text());
        EXPECT_FALSE(box->isChecked());
        EXPECT_FALSE(box->isEnabled());
    }
    EXPECT_EQ(boxes, (QStringList { Q("Read-only"), Q("Hidden") }));
}

TEST_F(AppDialogTest, GeneralPageOfAFileOnDisk)
{
    TTempDir dir;
    struct TCase {
        const char* Name;
        std::size_t Size;
        bool ReadOnly;
        const char* SizeShown; // KB with two decimals only from 1024 bytes on
    } cases[] = {
        { "empty.vmr", 0, false, "0 bytes" },
        { "small.vmr", 1023, false, "1023 bytes" },
        { "fixed.vmr", 1536, true, "1.50 KB (1,536 bytes)" },
        { ".hidden.vmr", 1024 * 1024 + 10, false, "1,024.01 KB (1,048,586 bytes)" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string name = dir.File(c.Name);
        WriteBytes(name, std::string(c.Size, 'x'));
        if (c.ReadOnly)
            std::filesystem::permissions(
                name, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
        TPropertiesData data = Properties(French, EnglishUS);
        data.FileName = name;
        TPropertiesDialog dialog(nullptr, data);
        EXPECT_EQ(dialog.lblTitle->text(), Q(c.Name));
        EXPECT_EQ(dialog.lblLocation->text().toStdString(), dir.Path().string());
        EXPECT_EQ(dialog.lblSize->text(), Q(c.SizeShown));
        EXPECT_FALSE(dialog.lblModified->text().isEmpty());
        EXPECT_EQ(dialog.chbReadOnly->isChecked(), c.ReadOnly);
        EXPECT_EQ(dialog.chbHidden->isChecked(), c.Name[0] == '.');
    }
}

TEST_F(AppDialogTest, GeneralPageOfAMissingFileInALongFolder)
{
    TPropertiesData data;
    data.FileName = "/srv/" + std::string(200, 'f') + "/lists/gone.vmr";
    TPropertiesDialog dialog(nullptr, data);
    EXPECT_EQ(dialog.lblTitle->text(), Q("gone.vmr"));
    EXPECT_EQ(dialog.lblLocation->text(), Q("/.../lists"));
    EXPECT_TRUE(dialog.lblSize->text().isEmpty());
    EXPECT_TRUE(dialog.lblModified->text().isEmpty());
    EXPECT_FALSE(dialog.btnOK->isEnabled()); // neither language is set
}

TEST_F(AppDialogTest, PageKeysTurnThePageFromEveryControl)
{
    struct TKey {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
    } keys[] = {
        { Qt::Key_PageUp, Qt::ControlModifier },
        { Qt::Key_PageDown, Qt::ControlModifier },
        { Qt::Key_Tab, Qt::ControlModifier },
        { Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier },
    };
    const TPropertiesData data = Properties(Russian, EnglishUS);
    for (const auto& key : keys) {
        for (int control = 0; control < 5; ++control) {
            SCOPED_TRACE(testing::Message() << key.Key << " on control " << control);
            TPropertiesData copy = data;
            TPropertiesDialog dialog(nullptr, copy);
            ShowActive(dialog);
            QWidget* const controls[] = { dialog.cbForeign, dialog.cbNative, dialog.edtDescription,
                dialog.edtComments, dialog.btnOK };
            QWidget* focused = controls[control];
            focused->setFocus();
            QTest::keyClick(focused, key.Key, key.Modifiers);
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
