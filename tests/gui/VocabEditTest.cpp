// The vocabulary edit box and the range checks of edit boxes.

#include "gui/DialogTestSupport.h"
#include "ui/SymbolEdit.h"
#include "ui/ValueChecks.h"

#include <QToolTip>

namespace {

TEST(VocabEditTest, RefusesWhatItsCodePageCannotHoldAndKeepsBytesCodePagesAndLength)
{
    struct TCase {
        int CodePage;
        bool Paste; // else typed
        const char* Input;
        const char* Kept;
        QStringList Refused; // the characters named, one message each
    } cases[] = {
        // 1252 holds "déjà" but not "Ж"; 1251 holds "Ж" but neither "é" nor "à".
        { 1252, false, "d\xC3\xA9j\xC3\xA0 \xD0\x96", "d\xC3\xA9j\xC3\xA0 ", { Q("\xD0\x96") } },
        { 1251, false, "d\xC3\xA9j\xC3\xA0 \xD0\x96", "dj \xD0\x96", { Q("\xC3\xA9"), Q("\xC3\xA0") } },
        // A paste with one unfit character is refused whole.
        { 1252, true, "b\xD0\x96", "", { Q("\xD0\x96") } },
        { 1252, true, "\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9", {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Input);
        TVocabEdit box;
        box.SetCodePage(c.CodePage);
        ShowActive(box);
        QSignalSpy refused(&box, &TVocabEdit::Refused);
        if (c.Paste) {
            QApplication::clipboard()->setText(Q(c.Input));
            box.paste();
        } else {
            TypeText(&box, Q(c.Input));
        }
        EXPECT_EQ(box.text(), Q(c.Kept));
        ASSERT_EQ(refused.count(), c.Refused.size());
        for (qsizetype i = 0; i < c.Refused.size(); ++i)
            EXPECT_EQ(refused[i][0].toString(), TVocabEdit::RefusalText(c.Refused[i], c.CodePage));
        if (!c.Refused.isEmpty()) {
            EXPECT_EQ(QToolTip::text(), TVocabEdit::RefusalText(c.Refused.back(), c.CodePage));
        }
    }

    // Bytes round trip, a change of code page, and the length a file stores.
    TVocabEdit box;
    box.setText(Q("d\xC3\xA9j\xC3\xA0"));
    EXPECT_EQ(box.Bytes(), "d\xE9j\xE0");
    // 0x81 is undefined in 1252 and must still come back unchanged.
    const std::string bytes = "caf\xE9 \x81\x80";
    box.SetBytes(bytes);
    EXPECT_EQ(box.Bytes(), bytes);
    // Central European holds all of that; it keeps the text.
    box.SetCodePage(1250);
    EXPECT_EQ(box.text(), Q("caf\xC3\xA9 \xC2\x81\xE2\x82\xAC"));
    box.SetBytes("\xFE"); // ţ
    box.SetCodePage(1252); // which Western lacks
    EXPECT_TRUE(box.text().isEmpty());
    box.SetCodePage(1250);
    box.SetBytes("\xE8"); // č in 1250
    EXPECT_EQ(box.text(), Q("\xC4\x8D"));
    box.SetCodePage(1257); // č is in the Baltic code page too
    EXPECT_EQ(box.text(), Q("\xC4\x8D"));
    EXPECT_EQ(box.Bytes(), "\xE8");

    box.setText(QString(70000, QLatin1Char('a')));
    EXPECT_EQ(box.text().size(), 65535);
    box.end(false);
    QSignalSpy refused(&box, &TVocabEdit::Refused);
    QTest::keyClicks(&box, QStringLiteral("b"));
    EXPECT_EQ(box.Bytes().size(), 65535u);
    ASSERT_EQ(refused.count(), 1);
    EXPECT_EQ(refused[0][0].toString(), TVocabEdit::RefusalText(QString(), 1257));
    EXPECT_FALSE(box.text().endsWith(QLatin1Char('b')));
}

TEST(ValueChecksTest, RangeChecksReportTheBoundsAndSelectTheTextAndDigitsOnlyFilters)
{
    struct TCase {
        bool Float;
        const char* Text;
        double Min, Max;
        const char* Message; // nullptr when the check passes
    } cases[] = {
        // The texts themselves are read by the model (DisplayText.NumberChecks) and the locale's decimal
        // reader (PrintTest); here the bounds and what a failure shows.
        { false, "0", 1, 999, "Number must be between 1 and 999." },
        { false, " 7 ", 1, 999, nullptr },
        { true, "2.54", 0, 99, nullptr },
        { true, "99", 0, 99, nullptr },
        { true, "99.5", 0, 99, "Number must be between 0 and 99." },
        { true, "-0.1", 0, 99, "Number must be between 0 and 99." },
        { true, "3", 0.5, 2.25, "Number must be between 0.5 and 2.25." },
    };
    QWidget window;
    auto* edit = new QLineEdit(&window);
    auto* other = new QLineEdit(&window);
    ShowActive(window);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        ScriptedBoxes().Clear();
        edit->setText(Q(c.Text));
        other->setFocus();
        const bool ok = c.Float ? CheckFloatRange(edit, c.Min, c.Max)
                                : CheckIntRange(edit, static_cast<int>(c.Min), static_cast<int>(c.Max));
        EXPECT_EQ(ok, c.Message == nullptr);
        EXPECT_EQ(ShownTexts(), c.Message ? QStringList { Q(c.Message) } : QStringList {});
        if (c.Message) {
            EXPECT_EQ(ScriptedBoxes().Shown().front().Icon, QMessageBox::Warning);
            EXPECT_TRUE(edit->hasFocus());
            EXPECT_EQ(edit->selectedText(), edit->text());
        }
    }
    edit->clear();
    SetDigitsOnly(edit);
    edit->setMaxLength(3);
    TypeText(edit, QStringLiteral("1a-2 ") + QChar(0x0663) + QStringLiteral("34"));
    EXPECT_EQ(edit->text(), Q("123"));
}

} // namespace
