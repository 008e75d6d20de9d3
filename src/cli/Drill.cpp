#include "cli/Drill.h"

#include "cli/CliSupport.h"
#include "cli/ReviewCommands.h"
#include "cli/SpeechClient.h"
#include "cli/StopSignals.h"
#include "core/DisplayText.h"
#include "core/FileAttributes.h"
#include "core/ListLock.h"
#include "core/Random.h"
#include "core/VocabFile.h"
#include "evaluation/TextUtils.h"
#include "review/History.h"
#include "review/ReviewQueue.h"
#include "settings/Settings.h"
#include "testing/TestEngine.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace {

struct TDrillSettings {
    std::string FileName;
    TOptions Options;
    std::uint8_t TestMode = 0;
    bool MultipleChoice = false;
    std::optional<std::uint64_t> Seed;
    std::chrono::seconds Wait = TListLock::DefaultWait;
    bool Speak = false;
    // The review of the cards due (--due) instead of the test.
    bool Review = false;
    int NewPerDay = 20;
    TSchedulerParameters Scheduler;
    std::optional<TDay> Today;
};

TDrillSettings ParseArguments(const std::vector<std::string>& list)
{
    const TArguments args(list,
        { "into", "choices", "penalty", "native-flags", "foreign-flags", "english-flags", "seed", "wait",
            "new-per-day", "retention", "today" },
        { "multiple-choice", "disallow-hints", "test-notes", "native-accents", "foreign-accents",
            "native-typos", "foreign-typos", "speak", "due" });
    args.ExpectPositional(1, "test FILE [options]; see velmoria-cli --help.");
    TDrillSettings s;
    s.FileName = args[0];
    const auto number = [&](const char* name, std::uint32_t min, std::uint32_t max, int base) {
        return ParseNumber(*args.Option(name), (std::string("--") + name).c_str(), min, max, base);
    };
    if (const auto into = args.Option("into")) {
        if (*into != "native" && *into != "foreign")
            throw TUsageError("--into must be native or foreign.");
        s.TestMode = *into == "foreign" ? 1 : 0;
    }
    s.MultipleChoice = args.Switch("multiple-choice");
    if (args.Option("choices"))
        s.Options.NumChoices = static_cast<std::int32_t>(number("choices", 3, 10, 10));
    if (args.Option("penalty")) {
        s.Options.UsePenaltyPoints = true;
        s.Options.MaxPenaltyPoints = static_cast<std::int32_t>(number("penalty", 1, 5, 10));
    }
    s.Options.DisallowHints = args.Switch("disallow-hints");
    if (args.Switch("test-notes"))
        s.Options.TestNotesPassive = s.Options.TestNotesActive = true;
    if (args.Option("native-flags"))
        s.Options.NativeEvaluation
            = static_cast<EvaluationFlags>(number("native-flags", 0, SideEvaluationMask, 16));
    if (args.Option("foreign-flags"))
        s.Options.ForeignEvaluation
            = static_cast<EvaluationFlags>(number("foreign-flags", 0, SideEvaluationMask, 16));
    if (args.Option("english-flags")) {
        const auto flags = number("english-flags", 0, EnglishEvaluationMask, 16);
        if (flags & ~EnglishEvaluationMask)
            throw TUsageError("--english-flags holds only the bits 0x40, 0x80 and 0x100.");
        s.Options.EnglishEvaluation = static_cast<EvaluationFlags>(flags);
    }
    s.Options.NativeAccents = args.Switch("native-accents");
    s.Options.ForeignAccents = args.Switch("foreign-accents");
    s.Options.NativeTypos = args.Switch("native-typos");
    s.Options.ForeignTypos = args.Switch("foreign-typos");
    if (args.Option("seed"))
        s.Seed = number("seed", 0, 0xFFFFFFFFu, 10);
    if (args.Option("wait"))
        s.Wait = std::chrono::seconds(number("wait", 0, 3600, 10));
    s.Speak = args.Switch("speak");
    s.Review = args.Switch("due");
    if (!s.Review && (args.Option("new-per-day") || args.Option("retention") || args.Option("today")))
        throw TUsageError("--new-per-day, --retention and --today belong to a review: add --due.");
    // The same readers as velmoria-cli due, so both agree on what a review is given.
    s.NewPerDay = NewPerDayOption(args);
    s.Scheduler = SchedulerOptions(args);
    if (args.Option("today"))
        s.Today = TodayOption(args);
    return s;
}

// Terminal colours; nothing at all on a pipe.
struct TStyle {
    bool On = false;
    std::string Right() const { return On ? "\x1b[32m" : ""; }
    std::string Wrong() const { return On ? "\x1b[31m" : ""; }
    std::string Surplus() const { return On ? "\x1b[9;31m" : ""; } // struck out
    std::string Missing() const { return On ? "\x1b[4;32m" : ""; } // underlined
    std::string Dim() const { return On ? "\x1b[2m" : ""; }
    std::string Reset() const { return On ? "\x1b[0m" : ""; }
};

class TDrill {
public:
    TDrill(TVocabFile& doc, TTestEngine& engine, std::istream& in, std::ostream& out, std::ostream& err,
        bool terminal, int inputTerminal)
        : Doc_(doc)
        , Engine_(engine)
        , In_(in)
        , Out_(out)
        , Err_(err)
        , Terminal_(terminal)
        , InputTerminal_(inputTerminal)
        , Style_ { terminal }
    {
    }

    void Run()
    {
        const auto onAllLearnt = [&](const TSaying& message) { Out_ << message.Text() << '\n'; };
        if (Doc_.Count() == 0) {
            Out_ << "The list has no items to ask.\n";
            Ended_ = true;
            return;
        }
        bool more = Engine_.NextQuestion(false, onAllLearnt);
        while (more) {
            const TAsked asked = Ask();
            if (asked == TAsked::Stop)
                return;
            more = Engine_.NextQuestion(true, onAllLearnt);
        }
        Ended_ = true;
    }

    void ReadQuestionsWith(TQuestionReader* reader) { Reader_ = reader; }
    int Answered() const { return Answered_; }
    int Right() const { return Right_; }
    bool Ended() const { return Ended_; }

private:
    std::string Utf8(std::string_view text, LangId lang) const
    {
        return AnsiToUtf8(text, LanguageCodePage(lang));
    }
    std::string Local(const std::string& utf8, LangId lang) const
    {
        return Utf8ToAnsi(utf8, LanguageCodePage(lang));
    }

    // Lines typed on the terminal before what they would answer was on screen were meant for
    // something earlier (a second Return after an answer). A pipe is read as it comes: a script
    // may write every answer at once.
    void DiscardTypedAhead()
    {
        Out_ << std::flush;
        if (InputTerminal_ >= 0)
            ::tcflush(InputTerminal_, TCIFLUSH);
    }

    // The next input line; false at the end of input.
    bool ReadLine(const std::string& prompt, std::string& line)
    {
        for (;;) {
            // Flushed also on a pipe: a program driving the test answers what it has seen.
            if (Terminal_)
                Out_ << prompt;
            Out_ << std::flush;
            // A stop signal fails the read even inside a line (TStoppableInput): half an answer is none.
            if (!std::getline(In_, line)) {
                if (Terminal_)
                    Out_ << '\n';
                return false;
            }
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            // A Return this soon after the question appeared belongs to the answer before it, as
            // in the window; it arrived after the question, so the discarding above missed it.
            if (InputTerminal_ < 0 || Engine_.AnswerKeyAccepted(false))
                return true;
        }
    }

    enum class TRead { Answer, Stop, End, Rate };
    enum class TAsked { Answered, Stop, Rated };

    // ":1" to ":4" in a review: the learner's rating of the answer before this question.
    static std::optional<TRating> RatingCommand(const std::string& line)
    {
        if (line.size() != 2 || line[0] != ':' || line[1] < '1' || line[1] > '4')
            return std::nullopt;
        return static_cast<TRating>(line[1] - '0');
    }

    // The answer before the question on screen rated anew: that question goes back to be drawn
    // again, since the rating may bring the card rated back or drop it from today.
    void Rate(TRating rating)
    {
        TReviewQueue& queue = *Engine_.Review();
        queue.ReturnAsked();
        const auto days = queue.LastIntervals();
        if (!queue.ChangeRating(rating)) {
            Err_ << "There is no answer to rate: a rating follows a verdict.\n";
            return;
        }
        Out_ << "Rated " << RatingName(rating);
        if (days)
            Out_ << ": next review in " << IntervalText((*days)[static_cast<std::size_t>(rating) - 1]).Text();
        Out_ << ".\n";
    }

    // One answer line for a field, with hints, ratings and :stop handled; the text stays UTF-8.
    TRead ReadAnswer(const std::string& prompt, TTestField field, LangId lang, std::string& answer)
    {
        for (;;) {
            if (!ReadLine(prompt, answer))
                return TRead::End;
            if (answer == ":stop")
                return TRead::Stop;
            if (const auto rating = RatingCommand(answer); rating && Engine_.Review() != nullptr) {
                // Only before anything is typed for this question: a rating belongs to the verdict.
                if (field == TTestField::Notes) {
                    Err_ << "A rating follows a verdict.\n";
                    continue;
                }
                Rating_ = *rating;
                return TRead::Rate;
            }
            if (answer == ":hint" || answer.starts_with(":hint ")) {
                const std::string typed = answer.size() > 6 ? answer.substr(6) : "";
                try {
                    Out_ << "Hint: " << Utf8(Engine_.Hint(field, Local(typed, lang)), lang) << '\n';
                } catch (const EVocabFileError& e) {
                    Err_ << e.what() << '\n';
                }
                continue;
            }
            return TRead::Answer;
        }
    }

    // One question; Rated when the answer before it was rated instead, and it is to be drawn again.
    TAsked Ask()
    {
        const TQuestionView question = Engine_.ShowQuestion();
        const LangId answerLang = Engine_.AnswerLanguage();
        const LangId nativeLang = Doc_.NativeLangID();
        Out_ << "Q: " << Utf8(question.QuestionText, question.QuestionLanguage) << '\n';
        // Shown before the speech service is reached, which may take a moment the first time.
        DiscardTypedAhead();
        if (Reader_ && !Reader_->Read(question.QuestionText, question.QuestionLanguage))
            return TAsked::Stop;
        if (Terminal_ && !Engine_.MultipleChoice()) {
            std::string about = Utf8(question.Category, nativeLang);
            if (!question.NotesText.empty())
                about += (about.empty() ? "" : ", ") + Utf8(question.NotesText, nativeLang);
            if (!about.empty())
                Out_ << Style_.Dim() << "   (" << about << ")" << Style_.Reset() << '\n';
        }

        TAnswerOutcome outcome;
        if (Engine_.MultipleChoice()) {
            const auto& choices = question.Choices;
            for (std::size_t i = 0; i < choices.size(); ++i)
                Out_ << i + 1 << ") " << Utf8(Engine_.ChoiceText(*choices[i]), answerLang) << '\n';
            const TVocabItem* selected = nullptr;
            for (;;) {
                std::string line;
                const TRead read = ReadAnswer("Choice: ", TTestField::Choice, answerLang, line);
                if (read != TRead::Answer)
                    return Settle(read);
                if (line.empty())
                    break; // nothing chosen: a wrong answer
                const auto number = ParseInt32(line);
                if (number && *number >= 1 && static_cast<std::size_t>(*number) <= choices.size()) {
                    selected = choices[static_cast<std::size_t>(*number - 1)];
                    break;
                }
                Err_ << "Answer with a number from 1 to " << choices.size() << ".\n";
            }
            outcome = Kept([&] { return Engine_.SubmitChoice(selected); });
        } else {
            std::string response, notes;
            if (const TRead read = ReadAnswer("> ", TTestField::Response, answerLang, response);
                read != TRead::Answer)
                return Settle(read);
            if (question.TestNotes
                && ReadAnswer("Notes: ", TTestField::Notes, nativeLang, notes) != TRead::Answer)
                return TAsked::Stop;
            outcome = Kept(
                [&] { return Engine_.SubmitTyped(Local(response, answerLang), Local(notes, nativeLang)); });
        }
        ++Answered_;
        if (outcome.Right)
            ++Right_;
        ShowVerdict();
        ShowRatings();
        // The verdict is on screen while its answer is read, however long that takes.
        Out_ << std::flush;
        if (Reader_ && !outcome.Right
            && !Reader_->ReadAnswer(Engine_.ExpectedAnswer(), Engine_.AnswerLanguage()))
            return TAsked::Stop;
        return TAsked::Answered;
    }

    // An answer the history could not keep for another copy's lock is given again: the lock passes.
    TAnswerOutcome Kept(const std::function<TAnswerOutcome()>& submit)
    {
        for (int attempt = 1;; ++attempt) {
            try {
                return submit();
            } catch (const THistoryError& error) {
                if (error.Problem != THistoryProblem::Busy || attempt == BusyAttempts)
                    throw;
                Err_ << error.what() << " Trying again.\n";
            }
        }
    }

    TAsked Settle(TRead read)
    {
        if (read != TRead::Rate)
            return TAsked::Stop;
        Rate(Rating_);
        return TAsked::Rated;
    }

    // On a terminal, after a verdict in a review: what each rating would give.
    void ShowRatings()
    {
        const TReviewQueue* queue = Engine_.Review();
        if (!Terminal_ || queue == nullptr)
            return;
        const auto rated = queue->LastRating();
        const auto days = queue->LastIntervals();
        if (!rated || !days)
            return;
        Out_ << Style_.Dim() << "   Rate it:";
        for (int r = 1; r <= 4; ++r)
            Out_ << (r == 1 ? " :" : ", :") << r << ' ' << RatingName(static_cast<TRating>(r)) << ' '
                 << IntervalText((*days)[static_cast<std::size_t>(r - 1)]).Text()
                 << (static_cast<int>(*rated) == r ? " (given)" : "");
        Out_ << Style_.Reset() << '\n';
    }

    void ShowVerdict()
    {
        const TAnswerView view = Engine_.AnswerView();
        const LangId answerLang = Engine_.AnswerLanguage();
        const LangId nativeLang = Doc_.NativeLangID();
        Out_ << (view.Tick ? Style_.Right() : Style_.Wrong()) << view.Verdict << Style_.Reset() << ' '
             << Utf8(Engine_.ExpectedAnswer(), answerLang);
        if (view.Notes)
            Out_ << " (Notes: " << Utf8(view.Notes->Text, nativeLang) << ')';
        Out_ << '\n';
        if (!Terminal_ || Engine_.MultipleChoice())
            return;
        // Marks come with the correct answer after one right but for its accents, and otherwise
        // from the user's side of the toggle.
        std::vector<TAnswerMark> marks = view.ResponseMarks;
        if (marks.empty() && !view.Tick && !Engine_.ResponseCorrect()) {
            Engine_.ToggleAnswer();
            marks = Engine_.AnswerView().ResponseMarks;
            Engine_.ToggleAnswer();
        }
        if (marks.empty())
            return;
        Out_ << "   ";
        for (const TAnswerMark& mark : marks) {
            const std::string text = Utf8(mark.Text, answerLang);
            if (mark.Kind == TMarkKind::Surplus)
                Out_ << Style_.Surplus() << text << Style_.Reset();
            else if (mark.Kind == TMarkKind::Missing)
                Out_ << Style_.Missing() << text << Style_.Reset();
            else
                Out_ << text;
        }
        Out_ << '\n';
    }

    TVocabFile& Doc_;
    TTestEngine& Engine_;
    std::istream& In_;
    std::ostream& Out_;
    std::ostream& Err_;
    bool Terminal_;
    int InputTerminal_; // -1 unless the answers are typed on a terminal
    TStyle Style_;
    TQuestionReader* Reader_ = nullptr;
    static constexpr int BusyAttempts = 6; // each waits the history's busy timeout
    TRating Rating_ = TRating::Good;
    int Answered_ = 0;
    int Right_ = 0;
    bool Ended_ = false;
};

// The review of the cards due: the answers go to the history as they are given, the list is
// neither locked nor saved.
int RunReview(const TDrillSettings& settings, std::istream& in, std::ostream& out, std::ostream& err,
    bool terminal, int inputTerminal, int stopFd)
{
    RequireReadable(settings.FileName);
    TVocabFile doc;
    doc.LoadFromFile(settings.FileName);
    if (!doc.LoadNotice().Empty())
        err << doc.LoadNotice().Text() << '\n';
    if (settings.Seed)
        SeedRandom(*settings.Seed);
    THistory history(THistory::DefaultPath());
    TellNotice(history, err);
    // As long as for the list's lock, and at least a moment: another copy's answer takes a few ms.
    history.SetBusyTimeout(std::max(200, static_cast<int>(settings.Wait.count()) * 1000));
    const TTestClock clock = SystemTestClock();
    const TDay today = settings.Today.value_or(DayOfMs(clock()));
    TReviewQueue queue(doc, history, settings.TestMode, today, settings.NewPerDay, settings.Scheduler,
        settings.Options.DisallowHints);
    TTestEngine engine(doc, settings.Options);
    engine.SetTestMode(settings.TestMode);
    engine.SetMultipleChoice(settings.MultipleChoice);
    engine.SetReview(&queue);
    if (settings.Today)
        engine.SetWallClock([clock, today] { return OnDay(clock(), today); });
    // A script answers one question at a time: every line reaches it at once.
    out << std::unitbuf;
    TDrill drill(doc, engine, in, out, err, terminal, inputTerminal);
    std::optional<TQuestionReader> reader;
    if (settings.Speak)
        drill.ReadQuestionsWith(&reader.emplace(err, stopFd));
    drill.Run();
    if (!drill.Ended())
        out << queue.StoppedMessage().Text() << '\n';
    out << std::nounitbuf << std::flush;
    return 0;
}

} // namespace

int RunDrill(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
    bool terminal, int inputTerminal, int stopFd)
{
    TDrillSettings settings;
    try {
        settings = ParseArguments(args);
    } catch (const TUsageError& e) {
        err << e.what() << '\n';
        return 2;
    }
    try {
        if (settings.Review)
            return RunReview(settings, in, out, err, terminal, inputTerminal, stopFd);
        // Held for the whole test: a list changed meanwhile would be overwritten by the results.
        const TListLock lock(settings.FileName, settings.Wait);
        RequireReadable(settings.FileName);
        TVocabFile doc;
        doc.LoadFromFile(settings.FileName);
        if (!doc.LoadNotice().Empty())
            err << doc.LoadNotice().Text() << '\n';
        // Answers that could not be saved would be lost: refuse before the first question.
        if (IsReadOnlyFile(settings.FileName)) {
            err << DisplayName(settings.FileName)
                << "\nThis file is read-only: the test results could not be saved.\n";
            return 1;
        }
        if (settings.Seed)
            SeedRandom(*settings.Seed);
        TTestEngine engine(doc, settings.Options);
        engine.SetTestMode(settings.TestMode);
        engine.SetMultipleChoice(settings.MultipleChoice);
        TDrill drill(doc, engine, in, out, err, terminal, inputTerminal);
        std::optional<TQuestionReader> reader;
        if (settings.Speak)
            drill.ReadQuestionsWith(&reader.emplace(err, stopFd));
        drill.Run();
        if (doc.Modified())
            doc.SaveToFile(settings.FileName);
        const TStatistics s = ReadStatistics(doc);
        out << "Totals: " << drill.Answered() << " answered, " << drill.Right() << " right; " << s.Learnt
            << " of " << s.Words << " words learnt (" << s.Progress.Text() << ").\n";
        return 0;
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return 1;
    }
}

int RunDrillCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const bool terminal = &out == &std::cout && ::isatty(STDOUT_FILENO);
    const int inputTerminal = ::isatty(STDIN_FILENO) ? STDIN_FILENO : -1;
    TStopSignals signals;
    if (signals.StopFd() < 0)
        return RunDrill(args, std::cin, out, err, terminal, inputTerminal);
    TStoppableInput input(STDIN_FILENO, signals);
    std::istream in(&input);
    return RunDrill(args, in, out, err, terminal, inputTerminal, signals.StopFd());
}
