#include "ui/DueCounter.h"

#include "core/DisplayText.h"
#include "core/FreedMemory.h"
#include "core/VocabFile.h"
#include "qtsupport/ModelText.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QPromise>
#include <QStringList>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <fstream>
#include <future>
#include <iterator>
#include <utility>

namespace {

// Long enough to copy a few thousand items, short enough that keys go on as if nothing ran; as
// long as the grid's measuring slices, which take turns with these while a list opens.
constexpr qint64 CopySliceMs = 8;
constexpr std::size_t CopyStep = 512;

// The counts, told through early as soon as both are known (the plan's order comes after).
// notice: what opening the history had to say.
TDueAnswer CountJob(const TCardTextsCopy* copy, const std::string& fileName, const TDueQuestion& question,
    TReviewPlan* plan, TSaying& notice, const std::function<void(const std::array<TDueCounts, 2>&)>& early)
{
    try {
        TVocabFile read;
        if (!copy) {
            // Read as bytes: loading the file itself would also tidy up after a broken save, and
            // looking at a list must not change anything on disk.
            std::ifstream in(fileName, std::ios::binary);
            if (!in)
                return std::nullopt;
            const std::string image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            read.LoadFromBytes(image);
        }
        const TCardTexts texts = copy ? TCardTexts(*copy) : TCardTexts(read);
        const std::uint8_t shown = question.Direction == 0 ? 0 : 1;
        const auto other = static_cast<std::uint8_t>(1 - shown);
        // Opened here, not by the window: a history changed since it was last opened is checked
        // page by page, which takes a second or more when it is large. Reading cannot harm it, so
        // the check waits until the counts are told; the window opens its own connection after.
        THistory history(question.HistoryPath, THistory::TCheck::Later);
        // The other direction on a second processor, with a connection of its own: at a million
        // items each direction reads a million cards.
        std::future<TDueCounts> otherCounts = std::async(std::launch::async, [&] {
            THistory second(question.HistoryPath, THistory::TCheck::Later);
            return CountDue(texts, second, other, question.Today, question.NewPerDay, question.Parameters);
        });
        std::array<TDueCounts, 2> into;
        const TPlanCounted counted = [&](const TDueCounts& counts) {
            into[shown] = counts;
            into[other] = otherCounts.get();
            early(into);
        };
        // The direction shown is planned in full, so that its review can start at once.
        if (plan)
            *plan = PlanReview(
                texts, history, shown, question.Today, question.NewPerDay, question.Parameters, counted);
        else
            counted(CountDue(texts, history, shown, question.Today, question.NewPerDay, question.Parameters));
        history.Check();
        notice = history.Notice();
        return into;
    } catch (const std::exception&) {
        // A list that cannot be read or a history that is busy has no count to show.
        return std::nullopt;
    }
}

} // namespace

QString DueText(const TDueCounts& counts)
{
    return TDueCounter::tr("%Ln due", nullptr, counts.DueToday()) + QStringLiteral(" \u00B7 ")
        + TDueCounter::tr("%Ln new", nullptr, counts.New);
}

TSharePanel SharePanel(std::int32_t learnt, std::int32_t items, const std::optional<TDueCounts>& reviewed)
{
    if (!reviewed || reviewed->Cards == 0)
        return { TDueCounter::tr("%1 learnt").arg(SayingText(PercentText(learnt, items))),
            TDueCounter::tr("Share of items learnt in the test") };
    return { TDueCounter::tr("%1 mature").arg(SayingText(PercentText(reviewed->Mature, items))),
        TDueCounter::tr("Share of the words remembered %Ln days or more in this direction (%L1 of %L2)",
            nullptr, MatureStability)
            .arg(reviewed->Mature)
            .arg(items) };
}

QString DueToolTip(const std::array<TDueCounts, 2>& into)
{
    QStringList lines;
    for (std::size_t d = 0; d < 2; ++d) {
        const TDueCounts& c = into[d];
        lines << TDueCounter::tr("%1: %L2 due today (%L3 failed earlier today), %L4 new")
                     .arg(d == 0 ? TDueCounter::tr("Into the native language")
                                 : TDueCounter::tr("Into the foreign language"))
                     .arg(c.DueToday())
                     .arg(c.Again)
                     .arg(c.New);
    }
    return lines.join(QLatin1Char('\n'));
}

TDueCounter::TDueCounter(QObject* parent)
    : QObject(parent)
    , CopyTimer_(new QTimer(this))
{
    CopyTimer_->setInterval(0);
    connect(CopyTimer_, &QTimer::timeout, this, &TDueCounter::CopySlice);
}

TDueCounter::~TDueCounter()
{
    // The worker finishes on its own; its answer goes nowhere.
    if (Running_)
        Running_->disconnect(this);
}

void TDueCounter::CountDocument(std::function<const TVocabFile&()> document, const TDueQuestion& question)
{
    Document_ = std::move(document);
    Copying_ = std::make_shared<TCardTextsCopy>(Document_());
    CopyQuestion_ = question;
    CopyTimer_->start();
    emit Counting(true);
}

void TDueCounter::CopySlice()
{
    const TVocabFile& document = Document_();
    // A change meanwhile (another list, an edit, an answer) starts the copy again.
    if (!Copying_->Fits(document))
        Copying_ = std::make_shared<TCardTextsCopy>(document);
    QElapsedTimer clock;
    clock.start();
    while (!Copying_->Step(document, CopyStep))
        if (clock.elapsed() >= CopySliceMs)
            return;
    CopyTimer_->stop();
    const std::uint64_t revision = Copying_->Revision();
    Start({ std::exchange(Copying_, nullptr), std::string(), CopyQuestion_, revision, Key_ });
}

void TDueCounter::CountFile(const std::string& fileName, const TDueQuestion& question)
{
    Start({ nullptr, fileName, question, 0, {} });
}

void TDueCounter::Start(TJob job)
{
    if (Running_) {
        Waiting_ = std::move(job);
        return;
    }
    Running_ = new QFutureWatcher<TResult>(this);
    // Two results: the counts alone, then the answer with its plan.
    connect(Running_, &QFutureWatcher<TResult>::resultReadyAt, this, [this](int at) {
        const TResult counted = Running_->resultAt(at);
        if (counted.Final)
            return;
        if (!Waiting_ && !Copying_) {
            emit Counted(counted.Answer);
            emit Counting(false);
        }
    });
    connect(Running_, &QFutureWatcher<TResult>::finished, this, &TDueCounter::Finished);
    Running_->setFuture(QtConcurrent::run([job = std::move(job)](QPromise<TResult>& promise) mutable {
        TResult result { std::nullopt, nullptr, job.Revision, job.Key, {}, true };
        auto plan = job.Copy ? std::make_shared<TReviewPlan>() : nullptr;
        result.Answer = CountJob(job.Copy.get(), job.FileName, job.Question, plan.get(), result.Notice,
            [&](const std::array<TDueCounts, 2>& into) {
                promise.addResult(TResult { into, nullptr, job.Revision, job.Key, {}, false });
            });
        if (result.Answer)
            result.Plan = std::move(plan);
        job.Copy.reset();
        ReturnFreedMemory();
        promise.addResult(std::move(result));
    }));
}

void TDueCounter::Finished()
{
    QFutureWatcher<TResult>* done = Running_;
    Running_ = nullptr;
    const int results = done->future().resultCount();
    const bool early = results > 1;
    Last_ = done->resultAt(results - 1);
    done->deleteLater();
    Notice_ = Last_.Notice;
    if (Waiting_ || Copying_) {
        // An answer for a list that has changed since would only flicker past.
        if (!Waiting_)
            return;
        TJob next = std::move(*Waiting_);
        Waiting_.reset();
        Start(std::move(next));
        return;
    }
    // Counts already shown stand unless they came to nothing after all.
    if (!early || !Last_.Answer)
        emit Counted(Last_.Answer);
    emit Counting(false);
    emit Planned();
}

const TReviewPlan* TDueCounter::Plan(std::uint64_t revision, const std::string& key) const
{
    return Last_.Plan && Last_.Revision == revision && Last_.Key == key ? Last_.Plan.get() : nullptr;
}

bool TDueCounter::WaitForAnswer(int timeoutMs)
{
    bool answered = false;
    const QMetaObject::Connection connection
        = connect(this, &TDueCounter::Planned, this, [&answered] { answered = true; });
    const QDeadlineTimer deadline(timeoutMs);
    while (!answered && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    disconnect(connection);
    return answered;
}
