#include "ui/Speaker.h"

#include <QLocale>
#include <QStandardPaths>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>
#include <QVoice>
#include <set>
#include <utility>

namespace {

const QString EngineName = QStringLiteral("speechd");

// What the service thread found: the voices, or that the service cannot be reached.
struct TOpenResult {
    std::vector<TVoice> Voices;
    bool Reached = false;
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
        result.Reached = Speech_->state() != QTextToSpeech::Error;
        if (result.Reached) {
            // The plug-in lists the voices of its current locale only: each locale in turn. The
            // BCP 47 name keeps a voice without a region ("de") from gaining the default one.
            std::set<std::pair<std::string, std::string>> seen;
            for (const QLocale& locale : Speech_->availableLocales()) {
                Speech_->setLocale(locale);
                for (const QVoice& voice : Speech_->availableVoices()) {
                    TVoice entry { voice.name().toStdString(), locale.bcp47Name().toStdString() };
                    if (seen.emplace(entry.Name, entry.Locale).second)
                        result.Voices.push_back(std::move(entry));
                }
            }
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

class TServiceSpeaker : public ISpeaker {
public:
    TServiceSpeaker()
    {
        // What can be known without reaching the service: whether it is there at all.
        // A service at an address of its own (SPEECHD_ADDRESS) needs no program here.
        if (!QTextToSpeech::availableEngines().contains(EngineName)
            || (qEnvironmentVariableIsEmpty("SPEECHD_ADDRESS")
                && QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher")).isEmpty()))
            Fail(TSpeechProblem::NotInstalled);
    }

    ~TServiceSpeaker() override
    {
        if (!Thread_)
            return;
        Thread_->quit();
        // A service stuck in a call keeps its thread; the program must still end, so the thread
        // is left to the process's end rather than waited for.
        if (Thread_->wait(3000))
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
            if (result.Reached) {
                State_ = TSpeakerState::Ready;
                Problem_.reset();
            } else {
                Fail(TSpeechProblem::NotRunning);
            }
            emit Changed();
        });
        Thread_->start();
        QMetaObject::invokeMethod(Worker_, &TSpeechWorker::Open, Qt::QueuedConnection);
        QTimer::singleShot(SpeechConnectTimeoutMs, this, [this] {
            if (State_ != TSpeakerState::Connecting)
                return;
            Fail(TSpeechProblem::NotRunning);
            emit Changed();
        });
    }

    TSpeakerState State() const override { return State_; }
    std::optional<TSpeechProblem> Problem() const override { return Problem_; }
    const std::vector<TVoice>& Voices() const override { return Voices_; }

    void Say(const std::string& text, const TVoice& voice, double rate) override
    {
        if (State_ != TSpeakerState::Ready)
            return;
        QMetaObject::invokeMethod(
            Worker_,
            [worker = Worker_, text = QString::fromStdString(text), name = QString::fromStdString(voice.Name),
                locale = QString::fromStdString(voice.Locale),
                rate] { worker->Say(text, name, locale, rate); },
            Qt::QueuedConnection);
    }

    void Stop() override
    {
        if (State_ == TSpeakerState::Ready)
            QMetaObject::invokeMethod(Worker_, &TSpeechWorker::Stop, Qt::QueuedConnection);
    }

private:
    void Fail(TSpeechProblem problem)
    {
        Problem_ = problem;
        State_ = TSpeakerState::Unavailable;
    }

    TSpeakerState State_ = TSpeakerState::Idle;
    std::optional<TSpeechProblem> Problem_;
    std::vector<TVoice> Voices_;
    QThread* Thread_ = nullptr;
    // Lives on Thread_ until the thread ends, which is only at this object's end.
    TSpeechWorker* Worker_ = nullptr;
};

} // namespace

ISpeaker::ISpeaker()
{
    // Connected first, so every other receiver of Changed finds the new voices.
    connect(this, &ISpeaker::Changed, this, [this] { ByLanguage_.clear(); });
}

const std::vector<std::size_t>& ISpeaker::VoicesFor(LangId language)
{
    auto found = ByLanguage_.find(language);
    if (found == ByLanguage_.end())
        found = ByLanguage_.emplace(language, VoicesForLanguage(Voices(), language)).first;
    return found->second;
}

std::optional<TVoice> ISpeaker::ChosenVoice(const std::string& chosen, LangId language)
{
    const std::vector<std::size_t>& fitting = VoicesFor(language);
    for (const std::size_t i : fitting)
        if (Voices()[i].Name == chosen)
            return Voices()[i];
    if (fitting.empty())
        return std::nullopt;
    return Voices()[fitting.front()];
}

std::unique_ptr<ISpeaker> MakeSpeaker()
{
    return std::make_unique<TServiceSpeaker>();
}

#include "Speaker.moc"
