#include "ui/SpeechPage.h"

#include "qtsupport/HelpRequest.h"
#include "qtsupport/ModelText.h"
#include "speech/Speech.h"
#include "ui/Speaker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename TControl> TControl* WithContext(TControl* control, int helpContext)
{
    SetHelpContext(control, helpContext);
    return control;
}

// A voice's row names its language when the list has one: named holds it as %1.
QString SideLabel(const QString& named, const QString& plain, LangId language)
{
    const QString name = LanguageName(language);
    return name.isEmpty() ? plain : named.arg(name);
}

} // namespace

TSpeechPage::TSpeechPage(const TSpeechPageTarget& target, QWidget* parent)
    : QWidget(parent)
    , Target_(target)
{
    const TSpeechSettings& speech = *Target_.Speech;
    chbSpeechEnabled = WithContext(new QCheckBox(tr("&Speak words and phrases"), this), 2250);
    chbSpeechEnabled->setChecked(speech.Enabled);

    auto* question = new QGroupBox(tr(" Speak the question: "), this);
    chbSpeakQuestionPassive = WithContext(new QCheckBox(tr("Into the &native language"), question), 2251);
    chbSpeakQuestionActive = WithContext(new QCheckBox(tr("Into the &foreign language"), question), 2252);
    chbSpeakQuestionPassive->setChecked(speech.SpeakQuestionPassive);
    chbSpeakQuestionActive->setChecked(speech.SpeakQuestionActive);
    auto* questionLayout = new QVBoxLayout(question);
    questionLayout->addWidget(chbSpeakQuestionPassive);
    questionLayout->addWidget(chbSpeakQuestionActive);
    chbSpeakAnswerWrong
        = WithContext(new QCheckBox(tr("Read the answer a&loud after a wrong verdict"), this), 2258);
    chbSpeakAnswerWrong->setChecked(speech.SpeakAnswerWrong);

    auto* voices = new QGroupBox(tr(" Voices: "), this);
    cbForeignVoice = WithContext(new QComboBox(voices), 2253);
    btnTestForeign = WithContext(new QPushButton(tr("&Test"), voices), 2254);
    cbNativeVoice = WithContext(new QComboBox(voices), 2255);
    btnTestNative = WithContext(new QPushButton(tr("T&est"), voices), 2256);
    tbRate = WithContext(new QSlider(Qt::Horizontal, voices), 2257);
    tbRate->setRange(MinSpeechRate, MaxSpeechRate);
    tbRate->setTickPosition(QSlider::TicksBelow);
    tbRate->setTickInterval(5);
    tbRate->setPageStep(5);
    tbRate->setValue(speech.Rate);
    for (QComboBox* box : { cbForeignVoice, cbNativeVoice }) {
        // Voice names with their variants run long; the list opens as wide as they need.
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(30);
        box->setMaxVisibleItems(20);
    }
    const auto label = [voices](const QString& caption, QWidget* buddy) {
        auto* result = new QLabel(caption, voices);
        result->setBuddy(buddy);
        SetHelpContext(result, HelpContext(buddy));
        return result;
    };
    auto* grid = new QGridLayout(voices);
    grid->addWidget(label(SideLabel(tr("&Word/phrase in %1:"), tr("&Word/phrase:"), Target_.ForeignLanguage),
                        cbForeignVoice),
        0, 0);
    grid->addWidget(cbForeignVoice, 0, 1);
    grid->addWidget(btnTestForeign, 0, 2);
    grid->addWidget(label(SideLabel(tr("T&ranslations in %1:"), tr("T&ranslations:"), Target_.NativeLanguage),
                        cbNativeVoice),
        1, 0);
    grid->addWidget(cbNativeVoice, 1, 1);
    grid->addWidget(btnTestNative, 1, 2);
    auto* rate = new QHBoxLayout;
    rate->addWidget(new QLabel(tr("Slower"), voices));
    rate->addWidget(tbRate, 1);
    rate->addWidget(new QLabel(tr("Faster"), voices));
    grid->addWidget(label(tr("R&ate:"), tbRate), 2, 0);
    grid->addLayout(rate, 2, 1);

    lblSpeechState = new QLabel(this);
    lblSpeechState->setObjectName(QStringLiteral("lblSpeechState"));
    lblSpeechState->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chbSpeechEnabled);
    layout->addWidget(question);
    layout->addWidget(chbSpeakAnswerWrong);
    layout->addWidget(voices);
    layout->addWidget(lblSpeechState);
    layout->addStretch();

    FillVoices();
    connect(chbSpeechEnabled, &QCheckBox::toggled, this, &TSpeechPage::UpdateControls);
    connect(btnTestForeign, &QPushButton::clicked, this,
        [this] { TestVoice(cbForeignVoice, Target_.ForeignLanguage, Target_.ForeignSample); });
    connect(btnTestNative, &QPushButton::clicked, this,
        [this] { TestVoice(cbNativeVoice, Target_.NativeLanguage, Target_.NativeSample); });
    if (Target_.Speaker) {
        connect(Target_.Speaker, &ISpeaker::Changed, this, &TSpeechPage::FillVoices);
        // The voices are listed only once the service has been reached.
        Target_.Speaker->Connect();
    }
}

void TSpeechPage::FillVoices()
{
    const auto chosen = [](QComboBox* box, const std::string& stored) {
        return box->count() > 0 ? box->currentData().toString().toStdString() : stored;
    };
    FillVoiceList(
        cbForeignVoice, Target_.ForeignLanguage, chosen(cbForeignVoice, Target_.Speech->ForeignVoice));
    FillVoiceList(cbNativeVoice, Target_.NativeLanguage, chosen(cbNativeVoice, Target_.Speech->NativeVoice));

    QStringList problems;
    const ISpeaker* speaker = Target_.Speaker;
    if (speaker == nullptr || speaker->State() == TSpeakerState::Unavailable) {
        problems << SayingText(
            SpeechProblemText(speaker ? speaker->Problem().value_or(TSpeechProblem::NotRunning)
                                      : TSpeechProblem::NotInstalled));
    } else if (speaker->State() != TSpeakerState::Ready) {
        problems << tr("Looking for the speech service...");
    } else {
        for (const LangId language : { Target_.ForeignLanguage, Target_.NativeLanguage })
            if (Target_.Speaker->VoicesFor(language).empty())
                problems << SayingText(SpeechProblemText(TSpeechProblem::NoVoice, language));
    }
    problems.removeDuplicates();
    lblSpeechState->setText(problems.join(QLatin1Char('\n')));
    lblSpeechState->setVisible(!problems.isEmpty());
    UpdateControls();
}

void TSpeechPage::FillVoiceList(QComboBox* box, LangId language, const std::string& chosen)
{
    box->clear();
    box->addItem(tr("Best voice for the language"), QString());
    if (Target_.Speaker && Target_.Speaker->State() == TSpeakerState::Ready) {
        const std::vector<TVoice>& voices = Target_.Speaker->Voices();
        for (const std::size_t i : Target_.Speaker->VoicesFor(language))
            box->addItem(
                QStringLiteral("%1 (%2)").arg(Q(voices[i].Name), Q(voices[i].Locale)), Q(voices[i].Name));
    }
    // A voice chosen before stays chosen while the service cannot say whether it is still there.
    if (!chosen.empty() && box->findData(Q(chosen)) < 0)
        box->addItem(Q(chosen), Q(chosen));
    box->setCurrentIndex(std::max(0, box->findData(Q(chosen))));
}

void TSpeechPage::UpdateControls()
{
    const bool on = chbSpeechEnabled->isChecked();
    const bool ready = on && Target_.Speaker && Target_.Speaker->State() == TSpeakerState::Ready;
    for (QWidget* control : std::initializer_list<QWidget*> { chbSpeakQuestionPassive, chbSpeakQuestionActive,
             chbSpeakAnswerWrong, cbForeignVoice, cbNativeVoice, tbRate })
        control->setEnabled(on);
    btnTestForeign->setEnabled(ready && !Target_.Speaker->VoicesFor(Target_.ForeignLanguage).empty());
    btnTestNative->setEnabled(ready && !Target_.Speaker->VoicesFor(Target_.NativeLanguage).empty());
}

void TSpeechPage::TestVoice(QComboBox* box, LangId language, const std::string& sample)
{
    if (!Target_.Speaker || Target_.Speaker->State() != TSpeakerState::Ready)
        return;
    const auto voice = Target_.Speaker->ChosenVoice(box->currentData().toString().toStdString(), language);
    if (voice)
        Target_.Speaker->Say(sample, *voice, tbRate->value() / static_cast<double>(MaxSpeechRate));
}

void TSpeechPage::Store()
{
    TSpeechSettings& speech = *Target_.Speech;
    speech.Enabled = chbSpeechEnabled->isChecked();
    speech.SpeakQuestionPassive = chbSpeakQuestionPassive->isChecked();
    speech.SpeakQuestionActive = chbSpeakQuestionActive->isChecked();
    speech.SpeakAnswerWrong = chbSpeakAnswerWrong->isChecked();
    speech.ForeignVoice = cbForeignVoice->currentData().toString().toStdString();
    speech.NativeVoice = cbNativeVoice->currentData().toString().toStdString();
    speech.Rate = tbRate->value();
}
