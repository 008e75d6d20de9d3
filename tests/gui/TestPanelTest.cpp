// Tests driven through the real main window offscreen: a whole typed test, the delay timer, hints,
// the statistics, result pictures and sounds. The engine's own rules are tested with the engine.

#include "gui/TestPanelFixture.h"

#include <QAccessible>
#include <QUrl>

TEST_F(TestPanelTest, AWholeTypedTestByKeyboardRecordsShowsAndEndsWithTheStatisticsWhoseResetGoesOn)
{
    OpenAnimals();
    Key(Qt::Key_T, Qt::ControlModifier);
    ASSERT_EQ(Form->WindowMode(), wmTesting);
    EXPECT_EQ(Focus(), Panel->edtResponse);
    EXPECT_TRUE(Form->Command("miTestStartTesting")->isChecked());
    EXPECT_TRUE(Form->Command("miTestPassive")->isChecked());
    EXPECT_EQ(Form->ToolBar()->findChild<QWidget*>(QStringLiteral("tbStartTesting"))->toolTip(),
        QStringLiteral("Stop Testing - Ctrl+T"));
    EXPECT_FALSE(Form->Command("miEditAdd")->isEnabled()) << "no editing while testing";
    EXPECT_EQ(Panel->btnEnter->text(), QStringLiteral("Enter"));
    EXPECT_EQ(Panel->edtResponse->Tag(), -2);
    EXPECT_FALSE(Panel->btnToggleAnswer->isEnabled());

    // A wrong answer: verdict, colours, read-only field, the sound, the document changed.
    const TVocabItem* first = &Doc().CurrentItem();
    Type("zebra");
    Key(Qt::Key_Return);
    EXPECT_EQ(std::tuple(Status(), Panel->btnEnter->text(), Focus(), Panel->edtResponse->isReadOnly(),
                  Panel->edtResponse->palette().color(QPalette::Text), Panel->imgResult->isVisible(), Played),
        std::tuple(Q("Wrong!"), Q("Continue"), Panel->btnEnter, true, Shown(Options().ColourWrong), true,
            std::vector<std::string> { "wrong.wav" }));
    EXPECT_EQ(Panel->edtResponse->Bytes(), std::string(first->FieldValue(fiNative)));
    // A recorded answer empties the undo history; an answered question takes no hint.
    EXPECT_EQ(std::tuple(Doc().Attempts(), Doc().UndoKind(), Form->Command("miTestHint")->isEnabled()),
        std::tuple(1, ukNone, false));

    // The toggle shows what was typed, unmarked, and back.
    Panel->btnToggleAnswer->click();
    EXPECT_EQ(Panel->edtResponse->text(), QStringLiteral("zebra"));
    EXPECT_FALSE(Panel->lblMarks->isVisibleTo(Panel)) << "an unrelated answer is shown unmarked";
    Panel->edtResponse->setFocus();
    Form->Test().Hint();
    EXPECT_EQ(Panel->edtResponse->text(), QStringLiteral("zebra")) << "no hint into an answered field";
    Panel->btnToggleAnswer->click();
    EXPECT_EQ(Panel->edtResponse->Bytes(), std::string(first->FieldValue(fiNative)));
    Panel->btnEnter->setFocus();

    // Right answers to the end; the learnt count follows at once.
    OnStatistics(false);
    Key(Qt::Key_Return);
    int answered = 0;
    while (Form->WindowMode() == wmTesting && answered < 10) {
        EXPECT_EQ(Status(), QString());
        EXPECT_FALSE(Panel->edtResponse->isReadOnly());
        AnswerRight();
        EXPECT_EQ(Status(), QStringLiteral("Right!"));
        EXPECT_EQ(Panel->edtResponse->palette().color(QPalette::Text), Shown(Options().ColourRight));
        EXPECT_EQ(StatusPanel(3), QStringLiteral("%1 learnt").arg(++answered));
        EXPECT_FALSE(Panel->btnToggleAnswer->isEnabled());
        Key(Qt::Key_Return);
    }
    EXPECT_EQ(std::tuple(answered, Played.back(), Form->WindowMode(), StatisticsShown, StatusPanel(4)),
        std::tuple(3, "right.wav", wmEditing, 1, Q("100% learnt")));
    ASSERT_EQ(ScriptedBoxes().Shown().size(), 1u);
    EXPECT_TRUE(LastMessage().Text.startsWith(QStringLiteral("Congratulations!")));

    // Starting again with everything learnt: no test without a reset.
    Key(Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(Form->WindowMode(), wmEditing);
    EXPECT_EQ(StatisticsShown, 2);

    // A reset from the statistics at the end of a test goes on with it.
    Doc().Items(0).PenaltyPoints = 0;
    Doc().RecountLearnt();
    Key(Qt::Key_T, Qt::ControlModifier);
    AnswerRight();
    OnStatistics(true);
    Key(Qt::Key_Return);
    EXPECT_EQ(std::tuple(StatisticsShown, Form->WindowMode(), Doc().LearntCount(), Status(), StatusPanel(3)),
        std::tuple(1, wmTesting, 0, QString(), Q("0 learnt")));
}

TEST_F(TestPanelTest, StatisticsDialogFiguresResetBoxAndHelp)
{
    OpenAnimals({});
    {
        // A maximum of 0 would make the bar a busy indicator.
        const TStatisticsDialog empty(Form.get(), Doc());
        EXPECT_EQ(empty.pbrProgress->value(), empty.pbrProgress->minimum());
        EXPECT_GT(empty.pbrProgress->maximum(), 0) << "an empty bar, not a busy one";
    }
    OpenAnimals();
    EXPECT_FALSE(TStatisticsDialog(Form.get(), Doc()).chbReset->isEnabled()) << "nothing attempted";
    Doc().SetCurrentIndex(0);
    Doc().RecordAnswer(true, 0);
    Doc().SetCurrentIndex(1);
    Doc().RecordAnswer(false, 0);
    Doc().MarkSaved();
    std::vector<int> help;
    SetHelpHandler([&help](int context) { help.push_back(context); });
    {
        TStatisticsDialog dialog(Form.get(), Doc());
        EXPECT_EQ((QStringList { dialog.stLearnt->text(), dialog.stWords->text(), dialog.stProgress->text(),
                      dialog.stSuccesses->text(), dialog.stAttempts->text(), dialog.stSuccessRate->text() }),
            (QStringList { Q("1"), Q("3"), Q("33%"), Q("1"), Q("2"), Q("50%") }));
        EXPECT_EQ(std::pair(dialog.pbrProgress->value(), dialog.pbrProgress->maximum()), std::pair(1, 3));
        EXPECT_TRUE(dialog.chbReset->isEnabled());
        dialog.btnHelp->click();
        dialog.pcStatistics->setCurrentIndex(1);
        dialog.btnHelp->click();
        EXPECT_EQ(HelpContext(dialog.chbReset), 2006);
    }
    SetHelpHandler(nullptr);
    EXPECT_EQ(help, (std::vector<int> { 3101, 3102 }));

    // OK without the box is a cancel; the document is not even marked modified.
    OnStatistics(false);
    Key(Qt::Key_F9);
    EXPECT_EQ(StatisticsShown, 1);
    EXPECT_FALSE(Doc().Modified());
    OnStatistics(true);
    Key(Qt::Key_F9);
    EXPECT_EQ(Doc().Attempts(), 0);
    EXPECT_TRUE(Doc().Modified());
}

TEST_F(TestPanelTest, TheDelayHoldsContinueOncePerWrongAnswerAndAutoContinueSkipsRightOnes)
{
    Options().Delay = 2;
    Options().AutoContinue = true;
    OpenAnimals();
    Key(Qt::Key_T, Qt::ControlModifier);
    const TVocabItem* asked = &Doc().CurrentItem();
    Type("wrong");
    Key(Qt::Key_Return);
    EXPECT_EQ(Status(), QStringLiteral("Wrong!")) << "AutoContinue waits after a wrong answer";
    EXPECT_FALSE(Panel->btnEnter->isEnabled());
    EXPECT_EQ(Panel->timAnswer->interval(), 2000);
    Key(Qt::Key_Return);
    Panel->EnterCommand();
    EXPECT_EQ(&Doc().CurrentItem(), asked) << "Enter does nothing while it is disabled";
    // The delay runs out (shortened here).
    Panel->timAnswer->start(1);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Panel->btnEnter->isEnabled(); }, 2000));
    EXPECT_EQ(Focus(), Panel->btnEnter);
    Key(Qt::Key_Return);
    EXPECT_NE(&Doc().CurrentItem(), asked);

    // A right answer goes straight on, no delay; its verdict and item stay in the status line.
    const TVocabItem& right = Doc().CurrentItem();
    AnswerRight();
    EXPECT_NE(&Doc().CurrentItem(), &right);
    EXPECT_EQ(Status(), Passed(right));
    EXPECT_TRUE(Panel->btnEnter->isEnabled());
}

// Whether a hinted answer counts is the engine's rule (TestEngineTest).
TEST_F(TestPanelTest, HintsFillTheFocusedFieldOnly)
{
    Options().TestNotesActive = true;
    OpenAnimals({ { "der Hund", 4, "pl. Hunde", "dog" } });
    Key(Qt::Key_L, Qt::ControlModifier);
    ASSERT_EQ(Focus(), Panel->edtResponse) << "into the foreign language the answer comes first";
    Type("der Hx");
    Key(Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(Panel->edtResponse->text(), QStringLiteral("der Hu"));
    EXPECT_EQ(Panel->edtResponse->cursorPosition(), 6);
    Key(Qt::Key_Tab);
    ASSERT_EQ(Focus(), Panel->edtTestNotes);
    Key(Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(Panel->edtTestNotes->text(), QStringLiteral("p")) << "the notes, not the answer";
    Panel->btnEnter->setFocus();
    Idle();
    EXPECT_FALSE(Form->Command("miTestHint")->isEnabled()) << "no hint outside the answer fields";
    EXPECT_THROW(Form->Test().Hint(), std::exception);
}

TEST_F(TestPanelTest, ResultImagesAreTheGlyphInTheColourOnATransparentGround)
{
    const struct {
        bool correct;
        QColor colour;
        qreal ratio;
    } cases[] = { { true, QColor(0, 0, 255), 1 }, { false, QColor(238, 0, 0), 1 },
        { true, QColor(255, 255, 255), 1 },
        { false, QColor(238, 0, 0), 1.5 } }; // the last on a screen scaled 1.5
    for (const auto& c : cases) {
        SCOPED_TRACE(c.colour.name().toStdString() + " " + std::to_string(c.ratio));
        const QImage source = c.correct ? TickImage(c.ratio) : CrossImage(c.ratio);
        const QImage image = ResultImage(c.correct, c.colour, c.ratio);
        const int side = qRound(20 * c.ratio);
        ASSERT_EQ(std::pair(image.size(), image.devicePixelRatio()), std::pair(QSize(side, side), c.ratio));
        int glyph = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const bool black = source.pixel(x, y) == qRgb(0, 0, 0);
                glyph += black;
                EXPECT_EQ(image.pixel(x, y), black ? c.colour.rgb() : qRgba(255, 255, 255, 0))
                    << x << "," << y;
            }
        // The strokes are three of the glyph's units wide at any ratio.
        EXPECT_GT(glyph, 20 * c.ratio * c.ratio);
    }
    EXPECT_NE(TickImage(), CrossImage());
}

TEST_F(TestPanelTest, TheBuiltSoundsAreShortPcmWavesAndPlayingNeverWaits)
{
    const std::pair<const char*, double> cases[] = { { "Clap.wav", 0.35 }, { "Pow.wav", 0.45 } };
    std::vector<QByteArray> waves;
    for (const auto& [name, seconds] : cases) {
        SCOPED_TRACE(name);
        QFile file(QStringLiteral(VELMORIA_SOUND_DIR "/") + QString::fromUtf8(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray wave = file.readAll();
        ASSERT_GT(wave.size(), 44);
        const auto u16 = [&wave](int at) { return int(qFromLittleEndian<quint16>(wave.constData() + at)); };
        const auto u32 = [&wave](int at) { return int(qFromLittleEndian<quint32>(wave.constData() + at)); };
        EXPECT_EQ(wave.left(4) + wave.mid(8, 8), QByteArray("RIFFWAVEfmt "));
        // Sizes of the whole and of the data; PCM, mono, 16 bits.
        EXPECT_EQ(std::tuple(u32(4), u32(40), u16(20), u16(22), u16(34)),
            std::tuple(wave.size() - 8, wave.size() - 44, 1, 1, 16));
        EXPECT_NEAR(static_cast<double>(u32(40)) / 2 / u32(24), seconds, 0.01);
        int peak = 0;
        for (int at = 44; at + 1 < wave.size(); at += 2)
            peak = std::max(
                peak, std::abs(static_cast<int>(qFromLittleEndian<qint16>(wave.constData() + at))));
        EXPECT_GT(peak, 8000) << "audible";
        EXPECT_LE(peak, 32000) << "not clipped";
        waves.push_back(wave);
    }
    EXPECT_NE(waves[0], waves[1]);

    // The real player: a missing file, an empty name and a file being loaded all return at once.
    const auto player = MakeSoundPlayer();
    // The media backend loads once per process (slowly under the sanitizers); what must not
    // wait is the answers after the first one.
    {
        QSoundEffect warmUp;
    }
    QElapsedTimer clock;
    clock.start();
    player->Play("");
    player->Play("/nonexistent/Pow.wav");
    player->Play(VELMORIA_SOUND_DIR "/Clap.wav");
    player->Play(VELMORIA_SOUND_DIR "/Clap.wav");
    EXPECT_LT(clock.elapsed(), 1000);
    // Ended once the file is loaded (effects of one file share it): a load still running when
    // the process ends is never freed by the media library, which a leak check would report.
    QSoundEffect loaded;
    loaded.setSource(QUrl::fromLocalFile(QStringLiteral(VELMORIA_SOUND_DIR "/Clap.wav")));
    EXPECT_TRUE(QTest::qWaitFor(
        [&loaded] {
            return loaded.status() == QSoundEffect::Ready || loaded.status() == QSoundEffect::Error;
        },
        10000));
}

TEST_F(TestPanelTest, AQuickSecondReturnOrAHeldOneNeverAnswersTheNextQuestion)
{
    Options().AutoContinue = true;
    OpenAnimals();
    Tick = 0; // the clock moves only when the test says so
    for (const bool choice : { false, true }) {
        SCOPED_TRACE(choice ? "multiple choice, nothing selected" : "typed");
        Doc().ResetTestData();
        Key(choice ? Qt::Key_M : Qt::Key_T, Qt::ControlModifier);
        ASSERT_EQ(Form->WindowMode(), wmTesting);
        const TVocabItem& first = Doc().CurrentItem();
        if (choice)
            Key(static_cast<Qt::Key>(Qt::Key_1 + RowOf(first)));
        else
            AnswerRight();
        ASSERT_NE(&Doc().CurrentItem(), &first) << "continued at once";
        Now += 100;
        Key(Qt::Key_Return);
        if (choice)
            Key(Qt::Key_1);
        HeldReturn();
        Now += 5000;
        HeldReturn();
        EXPECT_EQ(Doc().Attempts(), 1) << "the next question is still open";
        EXPECT_EQ(Status(), Passed(first));
        // A deliberate empty answer still counts, as wrong.
        Key(Qt::Key_Return);
        EXPECT_EQ(Status(), QStringLiteral("Wrong!"));
        EXPECT_EQ(std::pair(Doc().Attempts(), Doc().Successes()), std::pair(2, 1));
        Key(Qt::Key_Escape);
    }
}

TEST_F(TestPanelTest, NearMissesAndAccentsAreMarkedAndTheMarksMoveNothing)
{
    OpenAnimals();
    Key(Qt::Key_T, Qt::ControlModifier);
    std::string typed = Expected();
    typed.back() = 'q';
    Type(typed.c_str());
    const QRect enter = Panel->btnEnter->geometry(), verdict = Panel->pnlTestStatus->geometry();
    Key(Qt::Key_Return);
    EXPECT_FALSE(Panel->lblMarks->isVisibleTo(Panel)) << "not beside the right answer";
    Panel->btnToggleAnswer->click();
    QApplication::processEvents();
    EXPECT_TRUE(Panel->lblMarks->isVisibleTo(Panel)) << "a slip is marked";
    EXPECT_EQ(Panel->btnEnter->geometry(), enter);
    EXPECT_EQ(Panel->pnlTestStatus->geometry(), verdict);

    // An answer accepted but for its accents is right, with the plain letters struck out.
    Key(Qt::Key_Escape);
    Doc().Clear();
    Options().NativeAccents = true;
    OpenAnimals({ { "der Kaffee", 4, "", "caf\xE9" } }, French);
    Key(Qt::Key_T, Qt::ControlModifier);
    Type(StripAccents(Expected(), French).c_str());
    Key(Qt::Key_Return);
    EXPECT_EQ(std::tuple(Status(), Doc().Successes(), Panel->lblMarks->isVisibleTo(Panel)),
        std::tuple(Q("Right! Check the accents."), 1, true));
    EXPECT_NE(Panel->lblMarks->text().indexOf(QStringLiteral("<s ")), -1);
}

// A typo is right with its verdict, and the one letter is marked: struck as typed, underlined as meant.
TEST_F(TestPanelTest, ATypoIsAlmostRightWithItsLetterMarked)
{
    Options().NativeTypos = true;
    OpenAnimals({ { "der Garten", 4, "", "garden" } });
    Key(Qt::Key_T, Qt::ControlModifier);
    Type("gardan");
    Key(Qt::Key_Return);
    EXPECT_EQ(std::tuple(Status(), Doc().Successes(), Panel->edtResponse->text()),
        std::tuple(Q("Almost! One letter differs."), 1, Q("garden")));
    ASSERT_TRUE(Panel->lblMarks->isVisibleTo(Panel));
    const std::string marks = Panel->lblMarks->text().toStdString();
    EXPECT_TRUE(marks.starts_with("<span style=\"white-space:pre\">gard<s ")) << marks;
    EXPECT_NE(marks.find(">a</s><u "), std::string::npos) << marks;
    EXPECT_NE(marks.find(">e</u>n</span>"), std::string::npos) << marks;
    EXPECT_EQ(Panel->btnEnter->accessibleDescription().toStdString(),
        "Almost! One letter differs. garden gard, not expected: a, missing: e, n");
}

// A screen reader hears each question from the answer field that takes the focus, with the fields
// beside it, and each verdict with the expected answer from Continue, which takes the focus, and from
// the verdict line. A question after a right answer that went on at once (the focus stays) tells of
// that answer first.
TEST_F(TestPanelTest, AScreenReaderHearsEachQuestionAndEachVerdict)
{
    OpenAnimals({ { "der Hund", 4, "pl. Hunde", "dog" }, { "die Katze", 4, "", "cat" } });
    Doc().Items(0).SetFieldValue(fiCategory, "m.");
    const auto text = [](QWidget* widget, QAccessible::Text kind = QAccessible::Description) {
        return QAccessible::queryAccessibleInterface(widget)->text(kind).toStdString();
    };
    const auto question
        = [this] { return Doc().CurrentIndex() == 0 ? "der Hund, m., notes: pl. Hunde" : "die Katze"; };
    Key(Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(text(Panel->edtResponse, QAccessible::Name), text(Focus())),
        std::tuple("Translations:", "Question: " + std::string(question())));
    Type("zebra");
    Key(Qt::Key_Return);
    const std::string verdict = "Wrong! " + Expected();
    EXPECT_EQ(std::tuple(Focus(), text(Focus()), text(Panel->pnlTestStatus)),
        std::tuple(static_cast<QWidget*>(Panel->btnEnter), verdict, verdict));
    Options().AutoContinue = true;
    Key(Qt::Key_Return);
    EXPECT_EQ(text(Panel->btnEnter), "") << "no verdict before an answer";
    AnswerRight();
    EXPECT_EQ(Focus(), Panel->edtResponse);
    EXPECT_EQ(text(Focus()), Status().toStdString() + " Question: " + question());
    EXPECT_EQ(Status().left(7), QStringLiteral("Right! "));
}
