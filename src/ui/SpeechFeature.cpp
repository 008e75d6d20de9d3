#include "ui/SpeechFeature.h"

#include "qtsupport/MessageBox.h"
#include "qtsupport/ModelText.h"
#include "speech/Speech.h"
#include "testing/SpokenField.h"
#include "testing/TestEngine.h"
#include "ui/MainWindow.h"
#include "ui/Speaker.h"
#include "ui/SpeechPage.h"
#include "ui/TestCommands.h"
#include "ui/TestPanel.h"

#include <QAction>

namespace {

const EvaluationDelimiters& SideDelimiters(const TOptions& options, TSpokenSide side)
{
    return side == TSpokenSide::Foreign ? options.ForeignDelimiters : options.NativeDelimiters;
}

} // namespace

TSpeechFeature::TSpeechFeature(TMainForm& form)
    : Form_(form)
    , Session_(form.Session())
{
    // The tool tips name the shortcut; a blocked command's tip says why instead.
    const auto tip = [this](TSpokenSide side) {
        return [this, side, own = std::optional<QString>()](QAction& action) mutable {
            if (!own)
                own = action.toolTip();
            const auto blocked = Blocked(side);
            const QString shown = blocked && !blocked->isEmpty() ? *blocked : *own;
            if (action.toolTip() != shown)
                action.setToolTip(shown);
        };
    };
    const TCommandRow rows[] = {
        { "miViewSpeakForeign", QT_TRANSLATE_NOOP("Commands", "Speak &Word/Phrase"), QKeySequence(Qt::Key_F5),
            QT_TRANSLATE_NOOP("Commands", "Reads the word/phrase aloud in the foreign language"),
            "speakforeign", 2304, { TMenuId::View, 20, 100, "tbSpeakForeign" },
            [this] { SpeakSide(TSpokenSide::Foreign); }, [this] { return !Blocked(TSpokenSide::Foreign); },
            {}, tip(TSpokenSide::Foreign) },
        { "miViewSpeakNative", QT_TRANSLATE_NOOP("Commands", "Speak T&ranslations"), QKeySequence(Qt::Key_F6),
            QT_TRANSLATE_NOOP("Commands", "Reads the translations aloud in the native language"),
            "speaknative", 2305, { TMenuId::View, 21, 101, "tbSpeakNative" },
            [this] { SpeakSide(TSpokenSide::Native); }, [this] { return !Blocked(TSpokenSide::Native); }, {},
            tip(TSpokenSide::Native) },
    };
    form.AddCommands(rows);
    SetSpeaker(MakeSpeaker());
    connect(form.TestPanel(), &TTestPanel::QuestionShown, this,
        [this] { Form_.RunCommand([this] { SpeakQuestion(); }); });
    connect(form.TestPanel(), &TTestPanel::AnswerRecorded, this,
        [this] { Form_.RunCommand([this] { SpeakAnswer(); }); });
}

TSpeechFeature::~TSpeechFeature() = default;

void TSpeechFeature::SetSpeaker(std::unique_ptr<ISpeaker> speaker)
{
    PendingSpeech_.reset();
    Speaker_ = std::move(speaker);
    connect(
        Speaker_.get(), &ISpeaker::Changed, this, [this] { Form_.RunCommand([this] { SpeakerChanged(); }); });
    Form_.ScheduleUpdate();
}

std::optional<QString> TSpeechFeature::Blocked(TSpokenSide side)
{
    if (Form_.WindowMode() == wmNone)
        return QString();
    const TSpeechSettings& speech = Session_.Settings.Speech;
    if (!speech.Enabled)
        return tr("Speech is switched off on the Speech page of View > Options.");
    if (const auto problem = Speaker_->Problem())
        return SayingText(SpeechProblemText(*problem));
    const TVocabFile& document = Session_.Document();
    const LangId language = side == TSpokenSide::Foreign ? document.ForeignLangID() : document.NativeLangID();
    // Until the service is reached its voices are unknown: the command is offered and reaches it.
    if (Speaker_->State() == TSpeakerState::Ready) {
        const std::string& chosen = side == TSpokenSide::Foreign ? speech.ForeignVoice : speech.NativeVoice;
        if (!Speaker_->ChosenVoice(chosen, language))
            return SayingText(SpeechProblemText(TSpeechProblem::NoVoice, language));
    }
    const auto field
        = SpokenField(document, Form_.WindowMode() == wmTesting ? &Form_.Test().Engine() : nullptr, side);
    if (!field
        || SpeechText(field->Item->FieldValue(field->Field), field->Language,
            SideDelimiters(Session_.Settings.Options, side))
               .empty())
        return QString();
    return std::nullopt;
}

void TSpeechFeature::SpeakSide(TSpokenSide side)
{
    SpeakField(SpokenField(Session_.Document(),
                   Form_.WindowMode() == wmTesting ? &Form_.Test().Engine() : nullptr, side),
        true);
}

void TSpeechFeature::SpeakField(const std::optional<TSpokenField>& field, bool asked)
{
    if (!field)
        return;
    const TSpokenSide side = field->Field == fiForeign ? TSpokenSide::Foreign : TSpokenSide::Native;
    SpeakText(SpeechText(field->Item->FieldValue(field->Field), field->Language,
                  SideDelimiters(Session_.Settings.Options, side)),
        side, field->Language, asked);
}

void TSpeechFeature::SpeakQuestion()
{
    PendingSpeech_.reset();
    Speaker_->Stop();
    if (Form_.WindowMode() != wmTesting)
        return;
    SpeakField(SpokenQuestion(Session_.Document(), Form_.Test().Engine(), Session_.Settings.Speech), false);
}

void TSpeechFeature::SpeakAnswer()
{
    if (Form_.WindowMode() != wmTesting)
        return;
    SpeakField(SpokenAnswer(Session_.Document(), Form_.Test().Engine(), Session_.Settings.Speech), false);
}

void TSpeechFeature::SpeakText(const std::string& text, TSpokenSide side, LangId language, bool asked)
{
    const TSpeechSettings& speech = Session_.Settings.Speech;
    if (text.empty() || !speech.Enabled)
        return;
    const auto tell = [this, asked](TSpeechProblem problem, LangId lang) {
        // One message a run: whoever has no speech learns why once, and the tool tips keep saying it.
        if (!asked || ToldSpeechProblem_)
            return;
        ToldSpeechProblem_ = true;
        ShowMessageBox(SayingText(SpeechProblemText(problem, lang)), QString(), QMessageBox::Ok,
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

void TSpeechFeature::SpeakerChanged()
{
    Form_.ScheduleUpdate();
    if (!PendingSpeech_ || Speaker_->State() == TSpeakerState::Connecting)
        return;
    const TPendingSpeech pending = *PendingSpeech_;
    PendingSpeech_.reset();
    SpeakText(pending.Text, pending.Side, pending.Language, pending.Asked);
}

TSpeechPageTarget TSpeechFeature::PageTarget()
{
    const TVocabFile& document = Session_.Document();
    TSpeechPageTarget target { &Session_.Settings.Speech, Speaker_.get(), document.ForeignLangID(),
        document.NativeLangID(), {}, {} };
    // Test reads the current word, or numbers, which every voice reads in its own language.
    for (const auto& [sample, side] : { std::pair(&target.ForeignSample, TSpokenSide::Foreign),
             std::pair(&target.NativeSample, TSpokenSide::Native) }) {
        if (const auto field
            = SpokenField(document, Form_.WindowMode() == wmTesting ? &Form_.Test().Engine() : nullptr, side))
            *sample = SpeechText(field->Item->FieldValue(field->Field), field->Language,
                SideDelimiters(Session_.Settings.Options, side));
        if (sample->empty())
            *sample = "1, 2, 3";
    }
    return target;
}
