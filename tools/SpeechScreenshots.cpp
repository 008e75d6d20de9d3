// Pictures of speech: the Speech page of the options with the voices the service offers, and the
// Speak command's tip when there is no speech service.

#include "ScreenshotFiles.h"
#include "speech/Speech.h"
#include "ui/Features.h"
#include "ui/OptionsDialog.h"
#include "ui/Speaker.h"
#include "ui/SpeechPage.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <cstdio>

namespace {

// A computer without the speech service.
class TNoSpeechService : public ISpeaker {
public:
    void Connect() override { }
    TSpeakerState State() const override { return TSpeakerState::Unavailable; }
    std::optional<TSpeechProblem> Problem() const override { return TSpeechProblem::NotInstalled; }
    const std::vector<TVoice>& Voices() const override { return Voices_; }
    void Say(const std::string&, const TVoice&, double) override { }
    void Stop() override { }

private:
    std::vector<TVoice> Voices_;
};

} // namespace

void SaveSpeech(TMainForm& form, const QString& folder)
{
    // The service of this computer, as the program reaches it (it may take seconds).
    ISpeaker& speaker = form.Speech().Speaker();
    speaker.Connect();
    QElapsedTimer waited;
    waited.start();
    while (speaker.State() == TSpeakerState::Connecting && waited.elapsed() < SpeechConnectTimeoutMs + 1000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (speaker.State() != TSpeakerState::Ready)
        std::fprintf(stderr, "no speech service: the Speech page shows why\n");
    TSettings& settings = form.Session().Settings;
    const TVocabFile& document = form.Session().Document();
    TOptionsTarget target { &settings.Options, &settings.SoundFileRight, &settings.SoundFileWrong, 0,
        nullptr };
    target.Speech = { &settings.Speech, &speaker, document.ForeignLangID(), document.NativeLangID(), "", "" };
    TOptionsDialog dialog(&form, target);
    dialog.pcOptions->setCurrentWidget(dialog.tsSpeech);
    dialog.tsSpeech->chbSpeakQuestionPassive->setChecked(true);
    SaveWidget(&dialog, folder, "29a-options-speech");
    QComboBox* voices = dialog.tsSpeech->cbNativeVoice;
    voices->showPopup();
    SettleEvents();
    SaveOver(&dialog, voices->view()->window(), folder, "29b-options-speech-voices");
    voices->hidePopup();
    dialog.hide();

    // Without the service: the Speak commands are disabled, and their tip says what to install.
    form.Speech().SetSpeaker(std::make_unique<TNoSpeechService>());
    form.SetWindowMode(wmEditing);
    form.UpdateCommandState();
    SettleEvents();
    QWidget* button = form.ToolBar()->widgetForAction(form.Command("miViewSpeakForeign"));
    QToolTip::showText(button->mapToGlobal(QPoint(button->width() / 2, button->height())),
        form.Command("miViewSpeakForeign")->toolTip(), button);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->inherits("QTipLabel") && window->isVisible())
            SaveOver(&form, window, folder, "29c-speak-disabled-tip", false);
    QToolTip::hideText();
}
