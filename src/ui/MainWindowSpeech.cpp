// The main window's Speak commands and the question read as it appears. What is read is the
// model's decision (SpokenField, SpeechText, the voice for the language); the speaker does the
// talking on a thread of its own, so nothing here waits for it.

#include "qtsupport/MessageBox.h"
#include "speech/Speech.h"
#include "testing/SpokenField.h"
#include "testing/TestEngine.h"
#include "ui/MainWindow.h"
#include "ui/Speaker.h"
#include "ui/SpeechPage.h"
#include "ui/TestPanel.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

const EvaluationDelimiters& SideDelimiters(const TOptions& options, TSpokenSide side)
{
    return side == TSpokenSide::Foreign ? options.ForeignDelimiters : options.NativeDelimiters;
}

} // namespace

void TMainForm::CreateSpeechCommands()
{
    const TActionEntry entries[] = {
        { &miViewSpeakForeign, "miViewSpeakForeign", "Speak &Word/Phrase", QKeySequence(Qt::Key_F5),
            "Reads the word/phrase aloud in the foreign language", "speakforeign", 2304,
            &TMainForm::miViewSpeakForeignClick, [this] { return !SpeechBlocked(TSpokenSide::Foreign); } },
        { &miViewSpeakNative, "miViewSpeakNative", "Speak T&ranslations", QKeySequence(Qt::Key_F6),
            "Reads the translations aloud in the native language", "speaknative", 2305,
            &TMainForm::miViewSpeakNativeClick, [this] { return !SpeechBlocked(TSpokenSide::Native); } },
    };
    for (const auto& entry : entries)
        CreateAction(entry);
    // The tool tips name the shortcut; a blocked command's tip says why instead.
    for (QAction* action : { miViewSpeakForeign, miViewSpeakNative })
        action->setData(action->toolTip());

    QMenu* view = menuBar()->findChild<QMenu*>(QStringLiteral("miView"));
    QAction* before = miViewFont;
    view->insertSeparator(before);
    view->insertAction(before, miViewSpeakForeign);
    view->insertAction(before, miViewSpeakNative);
    view->insertSeparator(before);
    // The reason a Speak command is disabled shows on its menu item too.
    view->setToolTipsVisible(true);
    tbrToolBar->addSeparator();
    tbrToolBar->addAction(miViewSpeakForeign);
    tbrToolBar->widgetForAction(miViewSpeakForeign)->setObjectName(QStringLiteral("tbSpeakForeign"));
    tbrToolBar->addAction(miViewSpeakNative);
    tbrToolBar->widgetForAction(miViewSpeakNative)->setObjectName(QStringLiteral("tbSpeakNative"));

    SetSpeaker(MakeSpeaker());
    connect(pnlTest, &TTestPanel::QuestionShown, this, [this] { RunCommand([this] { SpeakQuestion(); }); });
    connect(pnlTest, &TTestPanel::AnswerRecorded, this, [this] { RunCommand([this] { SpeakAnswer(); }); });
}

void TMainForm::SetSpeaker(std::unique_ptr<ISpeaker> speaker)
{
    PendingSpeech_.reset();
    Speaker_ = std::move(speaker);
    connect(Speaker_.get(), &ISpeaker::Changed, this, [this] { RunCommand([this] { SpeakerChanged(); }); });
    ScheduleUpdate();
}

std::optional<std::string> TMainForm::SpeechBlocked(TSpokenSide side)
{
    if (WindowMode_ == wmNone)
        return std::string();
    const TSpeechSettings& speech = Session_.Settings.Speech;
    if (!speech.Enabled)
        return std::string("Speech is switched off on the Speech page of View > Options.");
    if (const auto problem = Speaker_->Problem())
        return SpeechProblemText(*problem);
    const TVocabFile& document = Session_.Document();
    const LangId language = side == TSpokenSide::Foreign ? document.ForeignLangID() : document.NativeLangID();
    // Until the service is reached its voices are unknown: the command is offered and reaches it.
    if (Speaker_->State() == TSpeakerState::Ready) {
        const std::string& chosen = side == TSpokenSide::Foreign ? speech.ForeignVoice : speech.NativeVoice;
        if (!Speaker_->ChosenVoice(chosen, language))
            return SpeechProblemText(TSpeechProblem::NoVoice, language);
    }
    const auto field = SpokenField(document, WindowMode_ == wmTesting ? &TestEngine() : nullptr, side);
    if (!field
        || SpeechText(field->Item->FieldValue(field->Field), field->Language,
            SideDelimiters(Session_.Settings.Options, side))
               .empty())
        return std::string();
    return std::nullopt;
}

void TMainForm::UpdateSpeechTips()
{
    for (const auto& [action, side] : { std::pair(miViewSpeakForeign, TSpokenSide::Foreign),
             std::pair(miViewSpeakNative, TSpokenSide::Native) }) {
        const auto blocked = SpeechBlocked(side);
        const QString tip
            = blocked && !blocked->empty() ? QString::fromStdString(*blocked) : action->data().toString();
        if (action->toolTip() != tip)
            action->setToolTip(tip);
    }
}

void TMainForm::miViewSpeakForeignClick()
{
    SpeakSide(TSpokenSide::Foreign);
}

void TMainForm::miViewSpeakNativeClick()
{
    SpeakSide(TSpokenSide::Native);
}

void TMainForm::SpeakSide(TSpokenSide side)
{
    SpeakField(
        SpokenField(Session_.Document(), WindowMode_ == wmTesting ? &TestEngine() : nullptr, side), true);
}

void TMainForm::SpeakField(const std::optional<TSpokenField>& field, bool asked)
{
    if (!field)
        return;
    const TSpokenSide side = field->Field == fiForeign ? TSpokenSide::Foreign : TSpokenSide::Native;
    SpeakText(SpeechText(field->Item->FieldValue(field->Field), field->Language,
                  SideDelimiters(Session_.Settings.Options, side)),
        side, field->Language, asked);
}

void TMainForm::SpeakQuestion()
{
    PendingSpeech_.reset();
    Speaker_->Stop();
    if (WindowMode_ != wmTesting)
        return;
    SpeakField(SpokenQuestion(Session_.Document(), TestEngine(), Session_.Settings.Speech), false);
}

void TMainForm::SpeakAnswer()
{
    if (WindowMode_ != wmTesting)
        return;
    SpeakField(SpokenAnswer(Session_.Document(), TestEngine(), Session_.Settings.Speech), false);
}

void TMainForm::SpeakText(const std::string& text, TSpokenSide side, LangId language, bool asked)
{
    const TSpeechSettings& speech = Session_.Settings.Speech;
    if (text.empty() || !speech.Enabled)
        return;
    const auto tell = [this, asked](TSpeechProblem problem, LangId lang) {
        // One message a run: whoever has no speech learns why once, and the tool tips keep saying it.
        if (!asked || ToldSpeechProblem_)
            return;
        ToldSpeechProblem_ = true;
        ShowMessageBox(QString::fromStdString(SpeechProblemText(problem, lang)), QString(), QMessageBox::Ok,
            QMessageBox::Information);
    };
    switch (Speaker_->State()) {
    case TSpeakerState::Idle:
    case TSpeakerState::Connecting:
        PendingSpeech_ = TPendingSpeech { text, side, language, asked };
        Speaker_->Connect();
        return;
    case TSpeakerState::Unavailable:
        tell(Speaker_->Problem().value_or(TSpeechProblem::NotRunning), language);
        return;
    case TSpeakerState::Ready:
        break;
    }
    const auto voice = Speaker_->ChosenVoice(
        side == TSpokenSide::Foreign ? speech.ForeignVoice : speech.NativeVoice, language);
    if (!voice) {
        tell(TSpeechProblem::NoVoice, language);
        return;
    }
    Speaker_->Say(text, *voice, speech.Rate / static_cast<double>(MaxSpeechRate));
}

void TMainForm::SpeakerChanged()
{
    ScheduleUpdate();
    if (!PendingSpeech_ || Speaker_->State() == TSpeakerState::Connecting)
        return;
    const TPendingSpeech pending = *PendingSpeech_;
    PendingSpeech_.reset();
    SpeakText(pending.Text, pending.Side, pending.Language, pending.Asked);
}

TSpeechPageTarget TMainForm::SpeechPageTarget()
{
    const TVocabFile& document = Session_.Document();
    TSpeechPageTarget target { &Session_.Settings.Speech, Speaker_.get(), document.ForeignLangID(),
        document.NativeLangID(), {}, {} };
    // Test reads the current word, or numbers, which every voice reads in its own language.
    for (const auto& [sample, side] : { std::pair(&target.ForeignSample, TSpokenSide::Foreign),
             std::pair(&target.NativeSample, TSpokenSide::Native) }) {
        if (const auto field
            = SpokenField(document, WindowMode_ == wmTesting ? &TestEngine() : nullptr, side))
            *sample = SpeechText(field->Item->FieldValue(field->Field), field->Language,
                SideDelimiters(Session_.Settings.Options, side));
        if (sample->empty())
            *sample = "1, 2, 3";
    }
    return target;
}
