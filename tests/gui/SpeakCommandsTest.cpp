// The Speak commands, the question read in a test and the Speech page, with a speaker that
// writes down what it is asked instead of speaking. The choice of voice and the text prepared
// are the speech model's, tested there; the real service is heard in tests/speech.

#include "core/DocumentBuilders.h"
#include "gui/EditCommandsSupport.h"
#include "speech/Speech.h"
#include "testing/SpokenField.h"
#include "ui/OptionsDialog.h"
#include "ui/Speaker.h"
#include "ui/SpeechPage.h"
#include "ui/SymbolEdit.h"
#include "ui/TestPanel.h"

#include <QSlider>
#include <utility>

namespace {

constexpr LangId Polish = 0x0415; // no voice below speaks it

class TFakeSpeaker : public ISpeaker {
public:
    explicit TFakeSpeaker(std::vector<std::string>& log, TSpeakerState state = TSpeakerState::Ready,
        std::optional<TSpeechProblem> problem = std::nullopt)
        : Log_(log)
        , State_(state)
        , Problem_(problem)
    {
    }
    void Connect() override
    {
        Log_.push_back("connect");
        if (State_ == TSpeakerState::Idle)
            State_ = TSpeakerState::Connecting;
    }
    TSpeakerState State() const override { return State_; }
    std::optional<TSpeechProblem> Problem() const override { return Problem_; }
    const std::vector<TVoice>& Voices() const override { return VoiceList; }
    void Say(const std::string& text, const TVoice& voice, double rate) override
    {
        Log_.push_back(
            voice.Name + ": " + text + (rate != 0 ? " @" + std::to_string(rate).substr(0, 4) : ""));
    }
    void Stop() override { Log_.push_back("stop"); }
    // The service answered, or did not.
    void Become(TSpeakerState state, std::optional<TSpeechProblem> problem = std::nullopt)
    {
        State_ = state;
        Problem_ = problem;
        emit Changed();
    }
    std::vector<TVoice> VoiceList { { "German", "de" }, { "English (Great Britain)", "en-gb" },
        { "English (America)", "en-us" }, { "French", "fr-fr" } };

private:
    std::vector<std::string>& Log_;
    TSpeakerState State_;
    std::optional<TSpeechProblem> Problem_;
};

class SpeakCommandsTest : public TWindowTest {
protected:
    void SetUp() override
    {
        TWindowTest::SetUp();
        Log.clear();
        UseSpeaker();
        Form->show();
        QApplication::setActiveWindow(Form.get());
    }
    void UseSpeaker(TSpeakerState state = TSpeakerState::Ready, std::optional<TSpeechProblem> problem = {})
    {
        auto speaker = std::make_unique<TFakeSpeaker>(Log, state, problem);
        Speaker = speaker.get();
        Form->Speech().SetSpeaker(std::move(speaker));
    }
    void Open(LangId foreign = German, LangId native = EnglishUK)
    {
        Fill(Doc(), foreign, native,
            { { "der Hund", 0, "", "dog" }, { "die Katze", 0, "", "cat" }, { "das Haus", 0, "", "house" } });
        Form->SetWindowMode(wmEditing);
        Doc().SetCurrentIndex(0);
        Form->UpdateCommandState();
    }
    TSpeechSettings& Speech() { return Form->Session().Settings.Speech; }
    QAction* Command(TSpokenSide side) const
    {
        return side == TSpokenSide::Foreign ? Form->Command("miViewSpeakForeign")
                                            : Form->Command("miViewSpeakNative");
    }
    const TVocabItem& Asked() const { return *Form->Test().Engine().Question().Item; }
    // The log since the last look.
    std::vector<std::string> Heard() { return std::exchange(Log, {}); }
    void Answer(const std::string& response)
    {
        Form->TestPanel()->edtResponse->SetBytes(response);
        Form->TestPanel()->EnterCommand();
        Form->UpdateCommandState();
    }

    std::vector<std::string> Log;
    TFakeSpeaker* Speaker = nullptr;
};

TEST_F(SpeakCommandsTest, WithoutAVoiceTheCommandsAreDisabledAndTheirTipSaysWhy)
{
    const std::string noService = SpeechProblemText(TSpeechProblem::NotInstalled).Text();
    const std::string notRunning = SpeechProblemText(TSpeechProblem::NotRunning).Text();
    const std::string noPolish = SpeechProblemText(TSpeechProblem::NoVoice, Polish).Text();
    const std::string off = "Speech is switched off on the Speech page of View > Options.";
    const struct {
        const char* Case;
        TSpeakerState State;
        std::optional<TSpeechProblem> Problem;
        LangId Foreign;
        bool Enabled;
        std::string ForeignTip, NativeTip; // empty: enabled, with the usual tip
    } cases[] = {
        { "ready", TSpeakerState::Ready, {}, German, true, "", "" },
        { "not asked yet", TSpeakerState::Idle, {}, Polish, true, "", "" },
        { "no service installed", TSpeakerState::Unavailable, TSpeechProblem::NotInstalled, German, true,
            noService, noService },
        { "service not running", TSpeakerState::Unavailable, TSpeechProblem::NotRunning, German, true,
            notRunning, notRunning },
        { "no voice for the foreign language", TSpeakerState::Ready, {}, Polish, true, noPolish, "" },
        { "speech switched off", TSpeakerState::Ready, {}, German, false, off, off },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        TearDown();
        SetUp();
        UseSpeaker(c.State, c.Problem);
        Speech().Enabled = c.Enabled;
        Open(c.Foreign, EnglishUK);
        for (const auto& [side, tip, usual] :
            { std::tuple(TSpokenSide::Foreign, c.ForeignTip, "Speak Word/Phrase - F5"),
                std::tuple(TSpokenSide::Native, c.NativeTip, "Speak Translations - F6") }) {
            EXPECT_EQ(Command(side)->isEnabled(), tip.empty());
            EXPECT_EQ(Command(side)->toolTip().toStdString(), tip.empty() ? usual : tip);
        }
        // The keys of a disabled command do nothing, and no box appears.
        QTest::keyClick(Form.get(), Qt::Key_F5);
        QTest::keyClick(Form.get(), Qt::Key_F6);
        EXPECT_TRUE(ScriptedBoxes().Shown().empty());
    }
    // No list open: nothing to read, and no reason to give.
    TearDown();
    SetUp();
    EXPECT_FALSE(Form->Command("miViewSpeakForeign")->isEnabled());
    EXPECT_EQ(Form->Command("miViewSpeakForeign")->toolTip(), QStringLiteral("Speak Word/Phrase - F5"));
}

TEST_F(
    SpeakCommandsTest, TheSpeakCommandsReadTheCurrentItemInItsVoiceOnceTheServiceAnswersOrOneMessageSaysWhy)
{
    Open();
    const struct {
        const char* Case;
        int Row;
        std::string ForeignVoice, NativeVoice;
        std::int32_t Rate;
        std::vector<std::string> Heard; // F5 then F6
    } cases[] = {
        { "best voices", 0, "", "", 0, { "German: der Hund", "English (Great Britain): dog" } },
        { "another row", 2, "", "", 0, { "German: das Haus", "English (Great Britain): house" } },
        { "a chosen voice of the language", 1, "", "English (America)", 0,
            { "German: die Katze", "English (America): cat" } },
        // A voice chosen for another list's language gives way to the best one.
        { "a chosen voice of another language", 1, "French", "German", 0,
            { "German: die Katze", "English (Great Britain): cat" } },
        { "faster", 0, "", "", 5, { "German: der Hund @0.50", "English (Great Britain): dog @0.50" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        Speech().ForeignVoice = c.ForeignVoice;
        Speech().NativeVoice = c.NativeVoice;
        Speech().Rate = c.Rate;
        Doc().SetCurrentIndex(c.Row);
        Trigger(Form->Command("miViewSpeakForeign"));
        Trigger(Form->Command("miViewSpeakNative"));
        EXPECT_EQ(Heard(), c.Heard);
    }
    EXPECT_TRUE(ScriptedBoxes().Shown().empty());

    // Asked before the service answers, the word is read once it does.
    UseSpeaker(TSpeakerState::Idle);
    Speech().Rate = 0;
    Doc().SetCurrentIndex(0);
    Trigger(Form->Command("miViewSpeakForeign"));
    EXPECT_EQ(Heard(), (std::vector<std::string> { "connect" }));
    Speaker->Become(TSpeakerState::Ready);
    EXPECT_EQ(Heard(), (std::vector<std::string> { "German: der Hund" }));

    UseSpeaker(TSpeakerState::Idle);
    Form->UpdateCommandState();
    Trigger(Form->Command("miViewSpeakForeign"));
    Trigger(Form->Command("miViewSpeakNative")); // the later request replaces the earlier
    Speaker->Become(TSpeakerState::Unavailable, TSpeechProblem::NotRunning);
    Form->UpdateCommandState();
    ASSERT_EQ(ScriptedBoxes().Shown().size(), 1u);
    EXPECT_EQ(
        ScriptedBoxes().Shown()[0].Text.toStdString(), SpeechProblemText(TSpeechProblem::NotRunning).Text());
    EXPECT_FALSE(Form->Command("miViewSpeakForeign")->isEnabled());

    // The service came back later in the run; a missing voice is not told again.
    UseSpeaker();
    Doc().SetNativeLangID(Polish);
    Form->UpdateCommandState();
    EXPECT_FALSE(Form->Command("miViewSpeakNative")->isEnabled());
    Form->Speech().SpeakSide(TSpokenSide::Native); // as if the rule had not caught up
    EXPECT_EQ(ScriptedBoxes().Shown().size(), 1u);
    EXPECT_EQ(Heard(), (std::vector<std::string> { "connect", "connect" }));
    // A voice installed since: the voices of a language are worked out again.
    Speaker->VoiceList.push_back({ "Polish", "pl" });
    Speaker->Become(TSpeakerState::Ready);
    Trigger(Form->Command("miViewSpeakNative"));
    EXPECT_EQ(Heard(), (std::vector<std::string> { "Polish: dog" }));
}

// Which question is read, and whether at all, is SpokenFieldTest's; here the window's part.
TEST_F(
    SpeakCommandsTest, InATestTheQuestionIsReadAsItAppearsTheAnswerAfterTheVerdictAndANewQuestionStopsTheOld)
{
    Speech().SpeakQuestionPassive = true;
    Open();
    Form->WindowState().TestMode = 0;
    Trigger(Form->Command("miTestStartTesting"));
    for (int question = 0; question < 3; ++question) {
        const TVocabItem& asked = Asked();
        EXPECT_EQ(Heard(),
            (std::vector<std::string> { "stop", "German: " + std::string(asked.FieldValue(fiForeign)) }));
        // The answer's side only after the verdict, by its key from wherever the focus is.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        EXPECT_TRUE(Heard().empty()) << "the answer is not given away";
        Answer("?"); // wrong: the delay and the verdict run as before
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        EXPECT_EQ(Heard(),
            (std::vector<std::string> {
                "English (Great Britain): " + std::string(asked.FieldValue(fiNative)) }));
        Form->TestPanel()->EnterCommand();
    }
    // Nor does a speaker without a service bring up a box at each question.
    UseSpeaker(TSpeakerState::Unavailable, TSpeechProblem::NotInstalled);
    for (int question = 0; question < 3; ++question) {
        Answer("?");
        Form->TestPanel()->EnterCommand();
    }
    EXPECT_TRUE(ScriptedBoxes().Shown().empty());
}

TEST_F(SpeakCommandsTest, WithItsOptionAWrongVerdictReadsTheExpectedAnswer)
{
    Speech().SpeakAnswerWrong = true;
    Open();
    Form->WindowState().TestMode = 0;
    Trigger(Form->Command("miTestStartTesting"));
    Heard();
    const TVocabItem& asked = Asked();
    Answer("?");
    EXPECT_EQ(Heard(),
        (std::vector<std::string> { "English (Great Britain): " + std::string(asked.FieldValue(fiNative)) }));
    Form->TestPanel()->EnterCommand();
    Heard();
    Answer(std::string(Asked().FieldValue(fiNative)));
    EXPECT_TRUE(Heard().empty()) << "a right answer is not read";
}

class SpeechPageTest : public ::testing::Test {
protected:
    void TearDown() override { ScriptedBoxes().Clear(); }
    TOptionsDialog& Open(TSpeakerState state = TSpeakerState::Ready)
    {
        Speaker = std::make_unique<TFakeSpeaker>(Log, state);
        TOptionsTarget target { &Session.Settings.Options, &Session.Settings.SoundFileRight,
            &Session.Settings.SoundFileWrong, 0, nullptr, &Session.OptionsPages };
        target.Speech = { &Session.Settings.Speech, Speaker.get(), German, EnglishUK, "der Hund", "1, 2, 3" };
        Dialog = std::make_unique<TOptionsDialog>(nullptr, target);
        Dialog->pcOptions->setCurrentWidget(Dialog->tsSpeech);
        return *Dialog;
    }

    TSession Session;
    std::vector<std::string> Log;
    std::unique_ptr<TFakeSpeaker> Speaker;
    std::unique_ptr<TOptionsDialog> Dialog;
};

TEST_F(SpeechPageTest, ListsTheVoicesTestsThemStoresThemOnOKAndFollowsTheService)
{
    TSpeechPage& page = *Open().tsSpeech;
    // Which voices fit a language is SpeechTest's; the native list is chosen from below.
    EXPECT_EQ(std::pair(page.cbForeignVoice->count(), page.cbForeignVoice->itemText(1)),
        std::pair(2, QStringLiteral("German (de)")));
    EXPECT_TRUE(page.lblSpeechState->isHidden());

    page.chbSpeakQuestionActive->setChecked(true);
    page.cbNativeVoice->setCurrentIndex(2);
    page.tbRate->setValue(-4);
    page.btnTestNative->click();
    page.btnTestForeign->click();
    EXPECT_EQ(Log,
        (std::vector<std::string> {
            "connect", "English (America): 1, 2, 3 @-0.4", "German: der Hund @-0.4" }));
    EXPECT_EQ(Session.Settings.Speech.Rate, 0) << "nothing is written before OK";
    Dialog->btnOK->click();
    const TSpeechSettings& speech = Session.Settings.Speech;
    EXPECT_EQ(std::tuple(speech.Enabled, speech.SpeakQuestionPassive, speech.SpeakQuestionActive,
                  speech.ForeignVoice, speech.NativeVoice, speech.Rate),
        std::tuple(true, false, true, std::string(), std::string("English (America)"), -4));

    // Opened again: the values as stored; speech off disables the rest of the page.
    TSpeechPage& again = *Open().tsSpeech;
    again.chbSpeechEnabled->setChecked(false);
    EXPECT_FALSE(again.cbNativeVoice->isEnabled() || again.btnTestForeign->isEnabled());
    Dialog->btnOK->click();
    EXPECT_EQ(std::tuple(speech.Enabled, speech.NativeVoice, speech.Rate),
        std::tuple(false, std::string("English (America)"), -4));

    // Until the service answers, the chosen voice is kept and the voices follow it.
    Log.clear();
    Session.Settings.Speech.Enabled = true;
    TSpeechPage& waiting = *Open(TSpeakerState::Idle).tsSpeech;
    EXPECT_EQ(Log, (std::vector<std::string> { "connect" }));
    EXPECT_EQ(waiting.lblSpeechState->text(), QStringLiteral("Looking for the speech service..."));
    EXPECT_EQ(waiting.cbNativeVoice->currentData().toString(), QStringLiteral("English (America)"));
    EXPECT_FALSE(waiting.btnTestNative->isEnabled());

    Speaker->Become(TSpeakerState::Ready);
    EXPECT_EQ(waiting.cbNativeVoice->count(), 3);
    EXPECT_EQ(waiting.cbNativeVoice->currentText(), QStringLiteral("English (America) (en-us)"));
    EXPECT_TRUE(waiting.btnTestNative->isEnabled());

    Speaker->Become(TSpeakerState::Unavailable, TSpeechProblem::NotRunning);
    EXPECT_EQ(
        waiting.lblSpeechState->text().toStdString(), SpeechProblemText(TSpeechProblem::NotRunning).Text());
    EXPECT_FALSE(waiting.btnTestForeign->isEnabled());
    Dialog->btnOK->click();
    EXPECT_EQ(Session.Settings.Speech.NativeVoice, "English (America)");
}

} // namespace
