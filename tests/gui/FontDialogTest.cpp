// The font dialog and the faces it offers.

#include "ui/FontDialog.h"

#include "gui/DialogTestSupport.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace {

TEST(FontFaces, EachFamilyOnceWithoutFoundryAndPictureFontsAndTheFirstCandidateInstalled)
{
    const QStringList families = { Q("Nimbus Sans [UKWN]"), Q("Nimbus Sans [URW ]"), Q("dejavu serif"),
        Q("DejaVu Sans"), Q("Standard Symbols PS"), Q("Nimbus Sans") };
    const QStringList faces
        = FaceNames(families, [](const QString& family) { return !family.contains(Q("Symbol")); });
    EXPECT_EQ(faces, (QStringList { Q("DejaVu Sans"), Q("dejavu serif"), Q("Nimbus Sans") }));
    EXPECT_EQ(ChooseFace(faces, { Q("nimbus sans") }), Q("Nimbus Sans")); // any letter case
    EXPECT_EQ(ChooseFace(faces, { Q("Verdana"), Q("DejaVu Sans [PfEd]") }), Q("DejaVu Sans"));
    EXPECT_EQ(ChooseFace(faces, { Q("Verdana"), Q("Tahoma") }), Q("DejaVu Sans")); // none: the first face
    EXPECT_EQ(ChooseFace({}, { Q("Verdana") }), QString());
}

// A missing face opens on what the platform draws for it.
TEST(FontDialog, OpensOnAnInstalledFaceAndOKNeedsASizeInRange)
{
    const QString installed = FamilyWithoutFoundry(QFontDatabase::families(QFontDatabase::Latin).value(0));
    for (const QString& name : { installed.toLower(), Q("Verdana"), Q("No Such Face 4711") }) {
        SCOPED_TRACE(name.toStdString());
        TFontSetting font { name.toStdString(), 12 };
        TSelectFontDialog dialog(nullptr, font);
        ASSERT_GE(dialog.cbFontName->currentIndex(), 0);
        const QString face = dialog.cbFontName->currentText();
        EXPECT_TRUE(face.compare(name, Qt::CaseInsensitive) == 0
            || face == FamilyWithoutFoundry(QFontInfo(QFont(name)).family()));
        EXPECT_TRUE(dialog.btnOK->isEnabled());
        EXPECT_EQ(dialog.pnlPreview->text(), face);
        EXPECT_EQ(dialog.pnlPreview->font().pointSize(), 12);
        QStringList shown;
        for (int i = 0; i < dialog.cbFontName->count(); ++i) {
            shown.append(dialog.cbFontName->itemText(i));
            EXPECT_FALSE(QFontDatabase::writingSystems(shown.back()).contains(QFontDatabase::Symbol));
        }
        EXPECT_EQ(shown.filter(QStringLiteral("[")), QStringList {});
        EXPECT_EQ(shown.removeDuplicates(), 0);
    }

    ScriptedBoxes().Clear();
    TFontSetting font { "Verdana", 10 };
    TSelectFontDialog dialog(nullptr, font);
    ShowActive(dialog);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    const int last = dialog.cbFontName->count() - 1;
    dialog.cbFontName->setCurrentIndex(last);
    dialog.cbFontSize->lineEdit()->clear();
    QTest::keyClicks(dialog.cbFontSize->lineEdit(), Q("2x68"));
    EXPECT_EQ(dialog.cbFontSize->currentText(), Q("26"));
    dialog.btnOKClick();
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_EQ(ShownTexts(), QStringList { Q("Number must be between 8 and 24.") });
    EXPECT_TRUE(dialog.cbFontSize->hasFocus());
    EXPECT_EQ(std::tie(font.Name, font.Size), std::tuple("Verdana", 10));
    // Leaving the box previews the size.
    dialog.cbFontSize->setEditText(QStringLiteral("9"));
    emit dialog.cbFontSize->lineEdit()->editingFinished();
    EXPECT_EQ(dialog.pnlPreview->font().pointSize(), 9);
    dialog.btnOKClick();
    ASSERT_EQ(accepted.count(), 1);
    EXPECT_EQ(QString::fromStdString(font.Name), dialog.cbFontName->itemText(last));
    EXPECT_EQ(font.Size, 9);
    ScriptedBoxes().Clear();
}

} // namespace
