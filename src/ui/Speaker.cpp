#include "ui/Speaker.h"

#include <QLocale>
#include <QPointer>
#include <QStandardPaths>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>
#include <QVoice>
#include <set>
#include <utility>

namespace {

const QString EngineName = QStringLiteral("speechd");

// What the service thread found: the voices, or why there are none.
struct TOpenResult {
    std::vector<TSpeakerVoice> Voices;
    std::string Problem;
};

// Lives on the service thread: the text-to-speech object is made, used and freed there, so a
// service that never answers holds up that thread and nothing else.
class TSpeechWorker : public QObject {
    Q_OBJECT
public:
    void Open()
    {
        TOpenResult result;
        Speech_ = new QTextToSpeech(EngineName, this);
        if (Speech_->state() == QTextToSpeech::Error) {
            result.Problem = "The speech service speech-dispatcher cannot be reached. Start it, or install "
                             "the packages speech-dispatcher and espeak-ng.";
        } else {
            // The plug-in lists the voices of its current locale only: each locale in turn.
            std::set<std::pair<std::string, std::string>> seen;
            for (const QLocale& locale : Speech_->availableLocales()) {
                Speech_->setLocale(locale);
                for (const QVoice& voice : Speech_->availableVoices()) {
                    TSpeakerVoice entry { voice.name().toStdString(), locale.name().toStdString() };
                    if (seen.emplace(entry.Name, entry.Locale).second)
                        result.Voices.push_back(std::move(entry));
                }
            }
            if (result.Voices.empty())
                result.Problem = "The speech service offers no voices. Install the packages espeak-ng and "
                                 "speech-dispatcher-espeak-ng.";
        }
        emit Opened(result);
    }

    void Say(const QString& text, const QString& voiceName, const QString& locale, double rate)
    {
        if (!Speech_)
            return;
        Speech_->stop();
        Speech_->setLocale(QLocale(locale));
        for (const QVoice& voice : Speech_->availableVoices())
            if (voice.name() == voiceName) {
                Speech_->setVoice(voice);
                break;
            }
        Speech_->setRate(rate);
        Speech_->say(text);
    }

    void Stop()
    {
        if (Speech_)
            Speech_->stop();
    }

signals:
    void Opened(const TOpenResult& result);

private:
    QTextToSpeech* Speech_ = nullptr;
};

class TServiceSpeaker : public QObject, public ISpeaker {
public:
    TServiceSpeaker()
    {
        // What can be known without reaching the service: whether it is there at all.
        if (!QTextToSpeech::availableEngines().contains(EngineName))
            Fail("Speech needs the speech-dispatcher plug-in of Qt. Install the packages "
                 "qt6-speech-speechd-plugin, speech-dispatcher and espeak-ng.");
        else if (qEnvironmentVariableIsEmpty("SPEECHD_ADDRESS")
            && QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher")).isEmpty())
            Fail("Speech needs the speech service speech-dispatcher, which is not installed. Install the "
                 "packages speech-dispatcher and espeak-ng.");
    }

    ~TServiceSpeaker() override
    {
        if (!Thread_)
            return;
        Thread_->quit();
        // A service stuck in a call keeps its thread; the program must still end, so the thread
        // is left to the process's end rather than waited for.
        if (Thread_->wait(1000))
            delete Thread_;
    }

    void Connect() override
    {
        if (State_ != TSpeakerState::Idle)
            return;
        State_ = TSpeakerState::Connecting;
        Thread_ = new QThread;
        Thread_->setObjectName(QStringLiteral("Speech"));
        Worker_ = new TSpeechWorker;
        Worker_->moveToThread(Thread_);
        QObject::connect(Thread_, &QThread::finished, Worker_, &QObject::deleteLater);
        QObject::connect(Worker_, &TSpeechWorker::Opened, this, [this](const TOpenResult& result) {
            Voices_ = result.Voices;
            // An answer after the time ran out still counts: the service was only slow.
            if (result.Problem.empty()) {
                State_ = TSpeakerState::Ready;
                Problem_.clear();
            } else {
                Problem_ = result.Problem;
                State_ = TSpeakerState::Unavailable;
            }
            Changed();
        });
        Thread_->start();
        QMetaObject::invokeMethod(Worker_, &TSpeechWorker::Open, Qt::QueuedConnection);
        QTimer::singleShot(SpeechConnectTimeoutMs, this, [this] {
            if (State_ != TSpeakerState::Connecting)
                return;
            Fail("The speech service speech-dispatcher did not answer. Check that it runs, or install the "
                 "packages speech-dispatcher and espeak-ng.");
            Changed();
        });
    }

    TSpeakerState State() const override { return State_; }
    std::string Problem() const override { return Problem_; }
    const std::vector<TSpeakerVoice>& Voices() const override { return Voices_; }

    void Say(const std::string& text, const TSpeakerVoice& voice, double rate) override
    {
        if (State_ != TSpeakerState::Ready)
            return;
        QMetaObject::invokeMethod(
            Worker_,
            [worker = QPointer<TSpeechWorker>(Worker_), text = QString::fromStdString(text),
                name = QString::fromStdString(voice.Name), locale = QString::fromStdString(voice.Locale),
                rate] {
                if (worker)
                    worker->Say(text, name, locale, rate);
            },
            Qt::QueuedConnection);
    }

    void Stop() override
    {
        if (State_ == TSpeakerState::Ready)
            QMetaObject::invokeMethod(Worker_, &TSpeechWorker::Stop, Qt::QueuedConnection);
    }

    void SetChanged(std::function<void()> changed) override { Changed_ = std::move(changed); }

private:
    void Fail(std::string problem)
    {
        Problem_ = std::move(problem);
        State_ = TSpeakerState::Unavailable;
    }
    void Changed()
    {
        if (Changed_)
            Changed_();
    }

    TSpeakerState State_ = TSpeakerState::Idle;
    std::string Problem_;
    std::vector<TSpeakerVoice> Voices_;
    QThread* Thread_ = nullptr;
    TSpeechWorker* Worker_ = nullptr; // lives on Thread_
    std::function<void()> Changed_;
};

} // namespace

std::unique_ptr<ISpeaker> MakeSpeaker()
{
    return std::make_unique<TServiceSpeaker>();
}

#include "Speaker.moc"
