// Pictures of speech: the Speech page of the options with the voices the service offers, and the
// Speak command's tip when there is no speech service.

#include "speech/Speech.h"
#include "ui/MainWindow.h"
#include "ui/OptionsDialog.h"
#include "ui/Speaker.h"
#include "ui/SpeechPage.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPainter>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <cstdio>

namespace {

QString Folder;

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

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// The window under with the one over drawn where it stands on the screen. settle: let the
// windows draw first (a tool tip would go on the next event).
void SaveOver(QWidget* under, QWidget* over, const char* name, bool settle = true)
{
    over->show();
    if (settle)
        Settle();
    // The one over may reach beyond the one under (a tool tip at the window's edge).
    const QRect area = under->geometry().united(over->geometry());
    QPixmap picture(area.size());
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawPixmap(under->geometry().topLeft() - area.topLeft(), under->grab());
    painter.drawPixmap(over->geometry().topLeft() - area.topLeft(), over->grab());
    painter.end();
    const QString path = Folder + QLatin1Char('/') + QString::fromUtf8(name) + QStringLiteral(".png");
    if (!picture.save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

} // namespace

void SaveSpeech(TMainForm& form, const QString& folder)
{
    Folder = folder;
    // The service of this computer, as the program reaches it (it may take seconds).
    ISpeaker& speaker = form.Speaker();
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
    SaveOver(&dialog, &dialog, "29a-options-speech");
    QComboBox* voices = dialog.tsSpeech->cbNativeVoice;
    voices->showPopup();
    Settle();
    SaveOver(&dialog, voices->view()->window(), "29b-options-speech-voices");
    voices->hidePopup();
    dialog.hide();

    // Without the service: the Speak commands are disabled, and their tip says what to install.
    form.SetSpeaker(std::make_unique<TNoSpeechService>());
    form.SetWindowMode(wmEditing);
    form.UpdateCommandState();
    Settle();
    QWidget* button = form.tbrToolBar->widgetForAction(form.miViewSpeakForeign);
    QToolTip::showText(button->mapToGlobal(QPoint(button->width() / 2, button->height())),
        form.miViewSpeakForeign->toolTip(), button);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->inherits("QTipLabel") && window->isVisible())
            SaveOver(&form, window, "29c-speak-disabled-tip", false);
    QToolTip::hideText();
}
