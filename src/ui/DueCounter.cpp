#include "ui/DueCounter.h"

#include "core/DisplayText.h"
#include "core/FreedMemory.h"
#include "core/VocabFile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QStringList>
#include <QtConcurrent/QtConcurrentRun>
#include <fstream>
#include <iterator>

namespace {

TDueAnswer CountJob(const std::string& bytes, const std::string& fileName, const TDueQuestion& question)
{
    try {
        TVocabFile document;
        if (bytes.empty()) {
            // Read as bytes: loading the file itself would also tidy up after a broken save, and
            // looking at a list must not change anything on disk.
            std::ifstream in(fileName, std::ios::binary);
            if (!in)
                return std::nullopt;
            const std::string image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            document.LoadFromBytes(image);
        } else {
            document.LoadFromBytes(bytes);
        }
        THistory history(question.HistoryPath);
        std::array<TDueCounts, 2> into;
        for (std::uint8_t d = 0; d < 2; ++d)
            into[d] = CountDue(document, history, d, question.Today, question.NewPerDay, question.Parameters);
        return into;
    } catch (const std::exception&) {
        // A list that cannot be read or a history that is busy has no count to show.
        return std::nullopt;
    }
}

} // namespace

QString DueText(const TDueCounts& counts)
{
    return QStringLiteral("%1 due \u00B7 %2 new").arg(counts.DueToday()).arg(counts.New);
}

TSharePanel SharePanel(std::int32_t learnt, std::int32_t items, const std::optional<TDueCounts>& reviewed)
{
    if (!reviewed || reviewed->Cards == 0)
        return { QString::fromStdString(PercentText(learnt, items)) + QStringLiteral(" learnt"),
            QStringLiteral("Share of items learnt in the test") };
    return { QString::fromStdString(PercentText(reviewed->Mature, items)) + QStringLiteral(" mature"),
        QStringLiteral("Share of the words remembered %1 days or more in this direction (%2 of %3)")
            .arg(MatureStability)
            .arg(reviewed->Mature)
            .arg(items) };
}

QString DueToolTip(const std::array<TDueCounts, 2>& into)
{
    QStringList lines;
    for (std::size_t d = 0; d < 2; ++d) {
        const TDueCounts& c = into[d];
        lines << QStringLiteral("%1: %2 due today (%3 failed earlier today), %4 new")
                     .arg(d == 0 ? QStringLiteral("Into the native language")
                                 : QStringLiteral("Into the foreign language"))
                     .arg(c.DueToday())
                     .arg(c.Again)
                     .arg(c.New);
    }
    return lines.join(QLatin1Char('\n'));
}

TDueCounter::TDueCounter(QObject* parent)
    : QObject(parent)
{
}

TDueCounter::~TDueCounter()
{
    // The worker finishes on its own; its answer goes nowhere.
    if (Running_)
        Running_->disconnect(this);
}

void TDueCounter::CountDocument(const TVocabFile& document, const TDueQuestion& question)
{
    TJob job;
    try {
        job.Bytes = document.SaveToBytes();
    } catch (const std::exception&) {
        emit Counted(std::nullopt);
        return;
    }
    job.Question = question;
    Start(std::move(job));
}

void TDueCounter::CountFile(const std::string& fileName, const TDueQuestion& question)
{
    Start({ std::string(), fileName, question });
}

void TDueCounter::Start(TJob job)
{
    if (Running_) {
        Waiting_ = std::move(job);
        return;
    }
    Running_ = new QFutureWatcher<TDueAnswer>(this);
    connect(Running_, &QFutureWatcher<TDueAnswer>::finished, this, &TDueCounter::Finished);
    Running_->setFuture(QtConcurrent::run([job = std::move(job)]() mutable {
        TDueAnswer answer = CountJob(job.Bytes, job.FileName, job.Question);
        job.Bytes = std::string();
        ReturnFreedMemory();
        return answer;
    }));
}

void TDueCounter::Finished()
{
    QFutureWatcher<TDueAnswer>* done = Running_;
    Running_ = nullptr;
    const TDueAnswer answer = done->result();
    done->deleteLater();
    if (Waiting_) {
        // An answer for a list that has changed since would only flicker past.
        TJob next = std::move(*Waiting_);
        Waiting_.reset();
        Start(std::move(next));
        return;
    }
    emit Counted(answer);
}

bool TDueCounter::WaitForAnswer(int timeoutMs)
{
    bool answered = false;
    const QMetaObject::Connection connection
        = connect(this, &TDueCounter::Counted, this, [&answered] { answered = true; });
    const QDeadlineTimer deadline(timeoutMs);
    while (!answered && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    disconnect(connection);
    return answered;
}
